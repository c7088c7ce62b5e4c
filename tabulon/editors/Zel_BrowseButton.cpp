#include "Zel_BrowseButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace Tabulon {

namespace {

constexpr int TextGap = 3;

} // namespace

Zel_BrowseButton::Zel_BrowseButton(QWidget* parent)
    : EditorControl(parent)
    , m_text(new QLineEdit(this))
    , m_label(new QLabel(this))
{
    m_text->setObjectName(QStringLiteral("Text1"));
    m_text->setFrame(false);
    m_text->installEventFilter(this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->hide();
    setFocusProxy(m_text);
    setFocusPolicy(Qt::StrongFocus);
    connect(m_text, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_locked)
            m_label->setText(text);
        Q_EMIT UpdateTExt(text);
    });
    applyFont(Font().toQFont());
    setBackgroundColor(m_backColor);
}

Zel_BrowseButton::~Zel_BrowseButton() = default;

void Zel_BrowseButton::UserValue(const QString& Text)
{
    const QSignalBlocker quiet(m_text);
    m_text->setText(Text);
    if (m_locked)
        m_label->setText(Text);
}

void Zel_BrowseButton::UserText(const QString& Tekst)
{
    UserValue(Tekst);
    Q_EMIT ChangeText(Tekst);
}

void Zel_BrowseButton::TextLocked(bool Locked)
{
    m_locked = Locked;
    if (Locked) {
        m_label->setText(m_text->text());
        m_label->show();
        // The editor itself takes the focus while its text box is hidden.
        setFocusProxy(nullptr);
        m_text->hide();
    } else {
        // An unlocked item gets its text box back even when focus never left the editor.
        unlockView();
    }
}

OLE_COLOR Zel_BrowseButton::BackColor() const
{
    return m_backColor;
}

void Zel_BrowseButton::setBackColor(OLE_COLOR New_BackColor)
{
    if (setIfChanged(m_backColor, New_BackColor, QStringLiteral("BackColor"),
            &Zel_BrowseButton::BackColorChanged))
        setBackgroundColor(m_backColor);
}

QString Zel_BrowseButton::text() const
{
    return m_text->text();
}

void Zel_BrowseButton::unlockView()
{
    m_locked = false;
    m_label->clear();
    m_label->hide();
    m_text->show();
    setFocusProxy(m_text);
}

void Zel_BrowseButton::focusLeft(const QFocusEvent* event)
{
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    const QWidget* now = QApplication::focusWidget();
    if (now && (now == this || isAncestorOf(now)))
        return;
    unlockView();
}

void Zel_BrowseButton::focusOutEvent(QFocusEvent* event)
{
    EditorControl::focusOutEvent(event);
    focusLeft(event);
}

bool Zel_BrowseButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_text)
        return EditorControl::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            const QString text = m_text->text();
            Q_EMIT UpdateTExt(text);
            Q_EMIT ChangeText(text);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        focusLeft(static_cast<QFocusEvent*>(event));
    }
    return false;
}

// --- the button ---

void Zel_BrowseButton::setPressed(bool pressed)
{
    if (pressed == m_pressed)
        return;
    m_pressed = pressed;
    update(rightButtonRect());
}

void Zel_BrowseButton::mousePressEvent(QMouseEvent* event)
{
    if (rightButtonRect().contains(event->position().toPoint()))
        setPressed(true);
}

void Zel_BrowseButton::mouseMoveEvent(QMouseEvent* event)
{
    setPressed((event->buttons() & Qt::LeftButton)
        && rightButtonRect().contains(event->position().toPoint()));
}

void Zel_BrowseButton::mouseReleaseEvent(QMouseEvent* event)
{
    Q_UNUSED(event)
    const bool browse = m_pressed;
    setPressed(false);
    if (browse)
        Q_EMIT OpenBrowse();
}

void Zel_BrowseButton::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event)
    QPainter painter(this);
    paintFrame(painter, Zel::toQColor(m_backColor, Qt::black));
    QFont font = m_text->font();
    font.setBold(false);
    paintButton(painter, rightButtonRect(), m_pressed, Glyph::Ellipsis, font);
}

// --- layout and persistence ---

void Zel_BrowseButton::applyFont(const QFont& font)
{
    m_text->setFont(font);
    m_label->setFont(font);
}

void Zel_BrowseButton::layoutChildren()
{
    const QRect client = clientRect();
    const int height = std::min(client.height(), m_text->sizeHint().height());
    const QRect box(client.left(), client.top() + (client.height() - height) / 2,
        std::max(0, client.width() - ButtonWidth - TextGap), height);
    m_text->setGeometry(box);
    m_label->setGeometry(box);
}

void Zel_BrowseButton::InitProperties()
{
    applyCommon(CommonValues { true, 1, AmbientFont() });
    m_backColor = 0;
    setBackgroundColor(m_backColor);
}

void Zel_BrowseButton::ReadProperties(const PropertyBag& bag)
{
    const CommonValues common = readCommon(bag);
    const OLE_COLOR back = bag.readColor(QStringLiteral("BackColor"), 0);
    applyCommon(common);
    m_backColor = back;
    setBackgroundColor(m_backColor);
    unlockView();
}

void Zel_BrowseButton::WriteProperties(PropertyBag& bag) const
{
    writeCommon(bag);
    bag.writeColor(QStringLiteral("BackColor"), m_backColor, 0);
}

} // namespace Tabulon
