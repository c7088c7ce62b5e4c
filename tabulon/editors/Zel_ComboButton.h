#pragma once

#include "EditorControl.h"

class QComboBox;
class QLabel;

namespace Tabulon {

/// A choice editor: the chosen text in a label (Label1) with a drop button at
/// the right edge. Releasing the mouse on the button drops down the list of
/// choices (Combo1, a QComboBox made the first time entries are added); picking
/// an entry shows it in the label and raises ItemChosen, then Click.
class Zel_ComboButton : public EditorControl
{
    Q_OBJECT
    /// The text of the label; a picked entry and Clear change it too.
    Q_PROPERTY(QString SetText READ SetText WRITE setSetText NOTIFY SetTextChanged USER true)

public:
    explicit Zel_ComboButton(QWidget* parent = nullptr);
    ~Zel_ComboButton() override;

    /// Adds an entry to the list, at \a Index when it is given (-1: at the end).
    Q_INVOKABLE void AddItem(const QString& Item, qint32 Index = -1);
    /// Empties the list and the label.
    Q_INVOKABLE void Clear();
    /// Drops the list down below the control (nothing when there are no entries yet).
    Q_INVOKABLE void ShowDropDown();

    QString SetText() const;
    void setSetText(const QString& New_SetText);

    /// The entries of the list.
    QStringList entries() const;
    /// Whether the list is dropped down now.
    bool isDroppedDown() const;
    /// Whether the drop button is drawn pressed now.
    bool isButtonPressed() const { return m_pressed; }
    /// The drop button as laid out now.
    QRect buttonRect() const { return rightButtonRect(); }

    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

Q_SIGNALS:
    /// An entry was picked, after ItemChosen.
    void Click();
    /// An entry was picked; \a Text is its text, now shown in the label.
    void ItemChosen(const QString& Text);
    /// The label's text changed (assigned, picked or cleared), beside the events above; not
    /// raised when the text it shows is written again.
    void SetTextChanged(const QString& setText);

protected:
    void applyFont(const QFont& font) override;
    void layoutChildren() override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QComboBox* ensureCombo();
    void entryChosen(int index);
    bool showText(const QString& text);
    void setPressed(bool pressed);

    QLabel* m_label; // Label1
    QComboBox* m_combo = nullptr; // Combo1
    bool m_pressed = false;
};

} // namespace Tabulon
