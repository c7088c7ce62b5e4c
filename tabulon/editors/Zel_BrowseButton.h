#pragma once

#include "EditorControl.h"

#include <common/OleColor.h>

class QLabel;
class QLineEdit;

namespace Tabulon {

/// A browse editor: a text box (Text1) with a "..." button at its right edge.
/// It opens no dialog itself: the button raises OpenBrowse and the host
/// chooses the value. While the text is locked a label (Label1) shows it in
/// place of the text box, so it can be browsed for but not typed.
class Zel_BrowseButton : public EditorControl
{
    Q_OBJECT
    /// Back colour of the control and its text box (0 by default).
    /// A system colour follows the palette, also while the editor is open.
    Q_PROPERTY(OLE_COLOR BackColor READ BackColor WRITE setBackColor NOTIFY BackColorChanged)

public:
    explicit Zel_BrowseButton(QWidget* parent = nullptr);
    ~Zel_BrowseButton() override;

    /// Sets the text without raising anything.
    Q_INVOKABLE void UserValue(const QString& Text);
    /// Sets the text and raises ChangeText with it.
    Q_INVOKABLE void UserText(const QString& Tekst);
    /// True shows the text in a label in place of the text box; false gives the text box back.
    Q_INVOKABLE void TextLocked(bool Locked);

    OLE_COLOR BackColor() const;
    void setBackColor(OLE_COLOR New_BackColor);

    /// The text of the text box.
    QString text() const;
    /// Whether the text is locked now.
    bool isTextLocked() const { return m_locked; }
    /// Whether the button is drawn pressed now.
    bool isButtonPressed() const { return m_pressed; }
    /// The button as laid out now.
    QRect buttonRect() const { return rightButtonRect(); }

    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

Q_SIGNALS:
    /// The text changed (typing, or Enter just before ChangeText).
    void UpdateTExt(const QString& Text);
    /// The text was committed: Enter in the text box, or UserText.
    void ChangeText(const QString& Text);
    /// The button was released while drawn pressed.
    void OpenBrowse();
    /// BackColor changed, beside the events above; not raised when the colour it holds is
    /// written again.
    void BackColorChanged(OLE_COLOR backColor);

protected:
    void applyFont(const QFont& font) override;
    void layoutChildren() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void focusLeft(const QFocusEvent* event);
    void setPressed(bool pressed);
    void unlockView();

    QLineEdit* m_text; // Text1
    QLabel* m_label; // Label1
    OLE_COLOR m_backColor = 0;
    bool m_locked = false;
    bool m_pressed = false;
};

} // namespace Tabulon
