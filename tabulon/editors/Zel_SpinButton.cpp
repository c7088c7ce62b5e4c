#include "Zel_SpinButton.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <common/HostInput.h>
#include <common/OleColor.h>
#include <limits>

namespace Tabulon {

namespace {

constexpr int TextGap = 2;

/// The number of the leading digits of \a text; a number too large for 32 bits is held at the
/// largest one instead of overflowing.
qint32 leadingNumber(const QString& text)
{
    qint64 number = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            break;
        number = std::min<qint64>(
            number * 10 + (c.unicode() - u'0'), std::numeric_limits<qint32>::max());
    }
    return qint32(number);
}

qint32 saturatedSum(qint32 a, qint64 b)
{
    return qint32(std::clamp<qint64>(
        qint64(a) + b, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

bool isAcceptedCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'\b';
}

} // namespace

Zel_SpinButton::Zel_SpinButton(QWidget* parent)
    : EditorControl(parent)
    , m_text(new QLineEdit(this))
{
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setFrame(false);
    m_text->installEventFilter(this);
    setFocusProxy(m_text);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_text, &QLineEdit::textChanged, this, &Zel_SpinButton::textChanged);
    setAutoFillBackground(false);
    applyFont(Font().toQFont());
    showNumber(m_value);
}

Zel_SpinButton::~Zel_SpinButton() = default;

qint32 Zel_SpinButton::Value() const
{
    return m_value;
}

void Zel_SpinButton::setValue(qint32 New_Value)
{
    setIfChanged(m_value, New_Value, QStringLiteral("Value"), &Zel_SpinButton::ValueChanged);
    // Written also when the number is the same: typing may have left the text elsewhere.
    showNumber(New_Value);
}

qint32 Zel_SpinButton::Min() const
{
    return m_min;
}

void Zel_SpinButton::setMin(qint32 New_Min)
{
    setIfChanged(m_min, New_Min, QStringLiteral("Min"), &Zel_SpinButton::MinChanged);
}

qint32 Zel_SpinButton::Max() const
{
    return m_max;
}

void Zel_SpinButton::setMax(qint32 New_Max)
{
    setIfChanged(m_max, New_Max, QStringLiteral("Max"), &Zel_SpinButton::MaxChanged);
}

qint32 Zel_SpinButton::ValueChange() const
{
    return m_valueChange;
}

void Zel_SpinButton::setValueChange(qint32 New_ValueChange)
{
    setIfChanged(m_valueChange, New_ValueChange, QStringLiteral("ValueChange"),
        &Zel_SpinButton::ValueChangeChanged);
}

bool Zel_SpinButton::ControlDirty() const
{
    return m_controlDirty;
}

void Zel_SpinButton::setControlDirty(bool New_ControlDirty)
{
    setIfChanged(m_controlDirty, New_ControlDirty, QStringLiteral("ControlDirty"),
        &Zel_SpinButton::ControlDirtyChanged);
}

qint32 Zel_SpinButton::CheckValue(qint32& Value) const
{
    if (Value < m_min)
        Value = m_min;
    if (m_min == 0 && m_max == 0)
        return Value;
    if (Value >= m_max)
        return m_max;
    return std::max(m_min, Value);
}

qint32 Zel_SpinButton::textNumber() const
{
    return leadingNumber(m_text->text());
}

QRect Zel_SpinButton::upButtonRect() const
{
    const QRect button = rightButtonRect();
    const int middle = int(std::lround(button.height() / 2.0));
    return QRect(button.left(), button.top(), button.width(), middle);
}

QRect Zel_SpinButton::downButtonRect() const
{
    const QRect button = rightButtonRect();
    const int middle = int(std::lround(button.height() / 2.0));
    return QRect(button.left(), button.top() + middle, button.width(), button.height() - middle);
}

// --- typing ---

void Zel_SpinButton::textChanged(const QString& text)
{
    if (text.isEmpty())
        return;
    qint32 number = leadingNumber(text);
    number = CheckValue(number);
    const QString shown = QString::number(number);
    if (shown != text) {
        const QSignalBlocker quiet(m_text);
        m_text->setText(shown);
        m_text->setCursorPosition(int(shown.size()));
    }
    if (m_reportTextChange)
        Q_EMIT TextChange(shown);
}

bool Zel_SpinButton::textKeyPress(QKeyEvent* event)
{
    const qint16 code = Zel::hostKeyCode(event->key());
    const qint16 shift = Zel::hostShift(event->modifiers());
    if (!m_text->text().isEmpty()) {
        // The number as it stands before the key acts on the text.
        storeNumber(textNumber());
        Q_EMIT KeyDown(code, shift);
        if (code == 13)
            Q_EMIT ValueUpdate(textNumber());
    }
    const QString typed = event->text();
    if (typed.isEmpty())
        return false; // keys without a character (arrows, Delete) edit as usual
    if (typed.size() == 1 && isAcceptedCharacter(typed.front())) {
        Q_EMIT KeyPress(qint16(typed.front().unicode()));
        return false;
    }
    return true; // minus signs, points, letters, Enter: swallowed
}

bool Zel_SpinButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_text)
        return EditorControl::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        return textKeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        Q_EMIT KeyUp(Zel::hostKeyCode(key->key()), Zel::hostShift(key->modifiers()));
        return false;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        // A focus change redraws both buttons raised.
        m_upPressed = m_downPressed = false;
        update();
        return false;
    default:
        return false;
    }
}

void Zel_SpinButton::showNumber(qint32 number)
{
    m_text->setText(QString::number(number));
    m_text->setCursorPosition(int(m_text->text().size()));
}

void Zel_SpinButton::storeNumber(qint32 number)
{
    // The user's number is the value now; only the host's assignment marks it for saving.
    if (number == m_value)
        return;
    m_value = number;
    Q_EMIT ValueChanged(m_value);
}

// --- the buttons ---

void Zel_SpinButton::setPressed(bool up, bool down)
{
    // A button is repainted only when its look changes.
    if (up != m_upPressed) {
        m_upPressed = up;
        update(upButtonRect());
    }
    if (down != m_downPressed) {
        m_downPressed = down;
        update(downButtonRect());
    }
}

void Zel_SpinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    if (upButtonRect().contains(p))
        m_held = UpButton;
    else if (downButtonRect().contains(p))
        m_held = DownButton;
    setPressed(m_held == UpButton, m_held == DownButton);
}

void Zel_SpinButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint p = event->position().toPoint();
    setPressed(m_held == UpButton && upButtonRect().contains(p),
        m_held == DownButton && downButtonRect().contains(p));
}

void Zel_SpinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (!m_text->text().isEmpty()) {
        m_reportTextChange = false;
        const qint64 step = m_upPressed ? m_valueChange
            : m_downPressed             ? -qint64(m_valueChange)
                                        : 0;
        if (step != 0) {
            qint32 number = saturatedSum(textNumber(), step);
            number = CheckValue(number);
            m_text->setText(QString::number(number));
            storeNumber(number);
        }
        m_text->setCursorPosition(int(m_text->text().size()));
        Q_EMIT ValueUpdate(textNumber());
    }
    releaseButtons();
}

void Zel_SpinButton::releaseButtons()
{
    m_held = NoButton;
    setPressed(false, false);
    m_reportTextChange = true;
}

void Zel_SpinButton::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    paintFrame(painter, palette().color(QPalette::Base));
    paintButton(painter, upButtonRect(), m_upPressed, Glyph::UpArrow, QFont());
    paintButton(painter, downButtonRect(), m_downPressed, Glyph::DownArrow, QFont());
}

// --- layout and persistence ---

void Zel_SpinButton::applyFont(const QFont& font)
{
    m_text->setFont(font);
}

void Zel_SpinButton::layoutChildren()
{
    const QRect client = clientRect();
    const int height = std::min(client.height(), m_text->sizeHint().height());
    m_text->setGeometry(client.left(), client.top() + (client.height() - height) / 2,
        std::max(0, client.width() - ButtonWidth - TextGap), height);
}

void Zel_SpinButton::InitProperties()
{
    applyCommon(CommonValues { true, 1, AmbientFont() });
    m_value = 0;
    m_min = 0;
    m_max = 32000;
    m_valueChange = 1;
    m_controlDirty = false;
    showNumber(m_value);
}

void Zel_SpinButton::ReadProperties(const PropertyBag& bag)
{
    const CommonValues common = readCommon(bag);
    const qint32 value = bag.readLong(QStringLiteral("Value"), 0);
    const qint32 min = bag.readLong(QStringLiteral("Min"), 0);
    const qint32 max = bag.readLong(QStringLiteral("Max"), 32000);
    const qint32 valueChange = bag.readLong(QStringLiteral("ValueChange"), 1);
    const bool controlDirty = bag.readBoolean(QStringLiteral("ControlDirty"), false);

    applyCommon(common);
    m_value = value;
    m_min = min;
    m_max = max;
    m_valueChange = valueChange;
    m_controlDirty = controlDirty;
    setBackgroundColor(Zel::WindowBackgroundColor);
    showNumber(m_value);
}

void Zel_SpinButton::WriteProperties(PropertyBag& bag) const
{
    writeCommon(bag);
    bag.WriteProperty(QStringLiteral("Value"), m_value, qint32(0));
    bag.WriteProperty(QStringLiteral("Min"), m_min, qint32(0));
    bag.WriteProperty(QStringLiteral("Max"), m_max, qint32(32000));
    bag.WriteProperty(QStringLiteral("ValueChange"), m_valueChange, qint32(1));
    bag.WriteProperty(QStringLiteral("ControlDirty"), m_controlDirty, false);
}

} // namespace Tabulon
