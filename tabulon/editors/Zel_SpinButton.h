#pragma once

#include "EditorControl.h"

class QLineEdit;

namespace Tabulon {

/// A whole-number editor: a digits-only text box (Text1) with an up and a down
/// button stacked at its right edge. Each release on a button steps the value
/// once by ValueChange; holding does not repeat. Min and Max bound the value
/// by CheckValue, both 0 meaning no limit.
class Zel_SpinButton : public EditorControl
{
    Q_OBJECT
    /// The number; assigning writes it into the text box without a range check.
    /// The number also follows a button step and a key typed in the text box.
    Q_PROPERTY(qint32 Value READ Value WRITE setValue NOTIFY ValueChanged USER true)
    /// Lower limit (0 by default).
    Q_PROPERTY(qint32 Min READ Min WRITE setMin NOTIFY MinChanged)
    /// Upper limit (32000 by default); Min and Max both 0 accept any number.
    Q_PROPERTY(qint32 Max READ Max WRITE setMax NOTIFY MaxChanged)
    /// The step of one button click (1 by default).
    Q_PROPERTY(qint32 ValueChange READ ValueChange WRITE setValueChange NOTIFY ValueChangeChanged)
    /// A flag the host sets and reads; the editor only stores it.
    Q_PROPERTY(bool ControlDirty READ ControlDirty WRITE setControlDirty NOTIFY ControlDirtyChanged)

public:
    /// Which button the mouse holds.
    enum HeldButton { NoButton = 0, UpButton = 1, DownButton = 2 };

    explicit Zel_SpinButton(QWidget* parent = nullptr);
    ~Zel_SpinButton() override;

    qint32 Value() const;
    void setValue(qint32 New_Value);
    qint32 Min() const;
    void setMin(qint32 New_Min);
    qint32 Max() const;
    void setMax(qint32 New_Max);
    qint32 ValueChange() const;
    void setValueChange(qint32 New_ValueChange);
    bool ControlDirty() const;
    void setControlDirty(bool New_ControlDirty);

    /// The range rule: a value below Min becomes Min (also in \a Value); with Min and Max both 0
    /// the value is returned as it is; otherwise at least Max gives Max, below it the larger of
    /// Min and the value.
    Q_INVOKABLE qint32 CheckValue(qint32& Value) const;
    /// Does nothing; kept for hosts that call it.
    Q_INVOKABLE void ValueUp() { }

    /// The number the text box shows: its leading digits, 0 for none, held to 32 bits.
    qint32 textNumber() const;
    /// The upper and the lower button as laid out now.
    QRect upButtonRect() const;
    QRect downButtonRect() const;
    /// The button the mouse holds, and whether each button is drawn pressed now.
    HeldButton heldButton() const { return m_held; }
    bool isUpPressed() const { return m_upPressed; }
    bool isDownPressed() const { return m_downPressed; }

    void InitProperties() override;
    void ReadProperties(const PropertyBag& bag) override;
    void WriteProperties(PropertyBag& bag) const override;

Q_SIGNALS:
    /// A button was released (with the number the text shows, also when the pointer had left
    /// the button), or Enter was pressed in the text box (after KeyDown).
    void ValueUpdate(qint32 Value);
    /// A key went down in a non-empty text box (the host's key code and shift state).
    void KeyDown(qint16 KeyCode, qint16 Shift);
    /// A digit or backspace was typed (other characters are swallowed).
    void KeyPress(qint16 KeyAscii);
    /// A key went up in the text box.
    void KeyUp(qint16 KeyCode, qint16 Shift);
    /// Declared for hosts; never raised.
    void ControlClick();
    /// The text changed by typing (after the range rule wrote it back); not for button steps.
    void TextChange(const QString& Text);

    /// \name Change notices
    ///@{

    /// Each is raised once when its property's value changes (Value also when a button step or
    /// a key in the text box stores the number), and not when the value it holds is written
    /// again. They come beside the events above.
    void ValueChanged(qint32 value);
    void MinChanged(qint32 min);
    void MaxChanged(qint32 max);
    void ValueChangeChanged(qint32 valueChange);
    void ControlDirtyChanged(bool controlDirty);
    ///@}

protected:
    void applyFont(const QFont& font) override;
    void layoutChildren() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void textChanged(const QString& text);
    bool textKeyPress(QKeyEvent* event);
    void showNumber(qint32 number);
    void storeNumber(qint32 number);
    void setPressed(bool up, bool down);
    void releaseButtons();

    QLineEdit* m_text; // Text1
    qint32 m_value = 0;
    qint32 m_min = 0;
    qint32 m_max = 32000;
    qint32 m_valueChange = 1;
    bool m_controlDirty = false;
    HeldButton m_held = NoButton;
    bool m_upPressed = false;
    bool m_downPressed = false;
    bool m_reportTextChange = true;
};

} // namespace Tabulon
