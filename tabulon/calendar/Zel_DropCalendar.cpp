#include "Zel_DropCalendar.h"

#include "clsCalendar.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <common/Drawing.h>
#include <common/DropDown.h>
#include <common/EventGuard.h>
#include <common/HostConvert.h>
#include <common/PictureBox.h>
#include <common/RuntimeError.h>

namespace Tabulon {

namespace {

constexpr OLE_COLOR DefaultBackColor = 0xFFFFFF;
const QString DesignCaption = QStringLiteral("12.12.2002");

QString key(const char* name)
{
    return QLatin1String(name);
}

} // namespace

Zel_DropCalendar::Zel_DropCalendar(QWidget* parent)
    : UserControl(parent)
    , m_label(new QLabel(DesignCaption, this))
    , m_popup(new PictureBox(this))
    , m_calendar(new clsCalendar(this))
    , m_font(AmbientFont())
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_popup->setObjectName(QStringLiteral("picPopup"));
    m_popup->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    m_popup->setFixedSize(PopupSize, PopupSize);
    // The popup takes the keyboard while open without taking the focus, so
    // a click in it is no focus loss of the editor.
    m_popup->setFocusPolicy(Qt::NoFocus);
    m_popup->installEventFilter(this);

    m_calendar->setObjectName(QStringLiteral("clsCalendar"));
    m_calendar->setPictureBox(m_popup);
    m_calendar->SelectDay(QDate::currentDate());
    m_calendar->RefreshCalendar();
    connect(m_calendar, &clsCalendar::DateClicked, this,
        [this](int, const QDate& date, int) { onDateClicked(date); });
    // Connected after the calendar's own handler, so a release that ends a
    // day press closes the popup once the date is taken.
    connect(m_popup, &PictureBox::MouseUp, this, [this] {
        if (!m_calendar->ChangeMonthClicked())
            hidePopup();
    });
    connect(m_popup, &PictureBox::KeyDown, this, [this](int& keyCode, int) {
        if (keyCode == 27) {
            keyCode = 0;
            hidePopup();
        }
    });

    applyFont();
    applyTextColor();
}

Zel_DropCalendar::~Zel_DropCalendar() = default;

// --- properties ------------------------------------------------------------

void Zel_DropCalendar::setBackColor(OLE_COLOR New_BackColor)
{
    if (m_backColor == New_BackColor)
        return;
    m_backColor = New_BackColor;
    PropertyChanged(key("BackColor"));
    update();
}

void Zel_DropCalendar::setEnabled(bool New_Enabled)
{
    if (isEnabled() == New_Enabled)
        return;
    QWidget::setEnabled(New_Enabled);
    PropertyChanged(key("Enabled"));
}

StdFont Zel_DropCalendar::Font() const
{
    return m_font;
}

void Zel_DropCalendar::setFont(const StdFont& New_Font)
{
    if (m_font.isSameObject(New_Font))
        return;
    m_font = New_Font;
    applyFont();
    PropertyChanged(key("Font"));
}

void Zel_DropCalendar::setBorderApperance(qint16 New_BorderApperance)
{
    if (New_BorderApperance != 0 && New_BorderApperance != 1)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    if (m_borderApperance == New_BorderApperance)
        return;
    m_borderApperance = New_BorderApperance;
    PropertyChanged(key("BorderApperance"));
    placeLabel();
    update();
}

QDate Zel_DropCalendar::CaptionDate() const
{
    return Zel::parseDate(m_label->text());
}

void Zel_DropCalendar::setCaptionDate(const QDate& New_CaptionDate)
{
    m_label->setText(Zel::shortDate(New_CaptionDate));
    PropertyChanged(key("CaptionDate"));
    if (!New_CaptionDate.isValid())
        return;
    m_calendar->setShownMonth(qint16(New_CaptionDate.month()));
    m_calendar->setShownYear(qint16(New_CaptionDate.year()));
    m_calendar->SelectDay(New_CaptionDate);
    if (isPopupVisible())
        m_calendar->RefreshCalendar();
}

// --- persistence -----------------------------------------------------------

void Zel_DropCalendar::InitProperties()
{
    m_backColor = DefaultBackColor;
    QWidget::setEnabled(true);
    m_font = AmbientFont();
    m_borderApperance = 0;
    applyFont();
    update();
}

void Zel_DropCalendar::ReadProperties(const PropertyBag& bag)
{
    // Everything is read before anything changes, so a bad stored value
    // (error 13) leaves the control as it was.
    const OLE_COLOR backColor = bag.readColor(key("BackColor"), DefaultBackColor);
    const bool enabled = bag.readBoolean(key("Enabled"), true);
    const StdFont font = bag.readFont(key("Font"), AmbientFont());
    const qint16 border = bag.readInteger(key("BorderApperance"), 0);
    const QString caption = bag.readString(key("CaptionDate"), QString());
    if (border != 0 && border != 1)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);

    setBackColor(backColor);
    setEnabled(enabled);
    setFont(font);
    setBorderApperance(border);
    const QDate date = Zel::parseDate(caption);
    if (date.isValid())
        setCaptionDate(date);
    else
        m_label->setText(caption);
}

void Zel_DropCalendar::WriteProperties(PropertyBag& bag) const
{
    bag.writeColor(key("BackColor"), m_backColor, DefaultBackColor);
    bag.WriteProperty(key("Enabled"), Enabled(), true);
    bag.WriteProperty(key("Font"), QVariant::fromValue(m_font), QVariant::fromValue(AmbientFont()));
    bag.WriteProperty(key("BorderApperance"), m_borderApperance, qint16(0));
    bag.WriteProperty(key("CaptionDate"), m_label->text(), QString());
}

// --- popup -----------------------------------------------------------------

bool Zel_DropCalendar::isPopupVisible() const
{
    return m_popup->isVisible();
}

void Zel_DropCalendar::showPopup()
{
    if (isPopupVisible() || !isVisible() || !isEnabled())
        return;
    // Browsing in an earlier opening is forgotten: the popup starts at the
    // month of the date shown in the face.
    const QDate shown = CaptionDate();
    if (shown.isValid())
        setCaptionDate(shown);
    Zel::placeDropDown(m_popup, this);
    m_popup->show();
    m_calendar->RefreshCalendar();
    update();
}

void Zel_DropCalendar::hidePopup()
{
    if (isPopupVisible())
        m_popup->hide();
}

bool Zel_DropCalendar::eventFilter(QObject* watched, QEvent* event)
{
    // The popup also closes itself (a press outside it); the face follows.
    if (watched == m_popup && event->type() == QEvent::Hide) {
        m_buttonHeld = false;
        setButtonPressed(false);
        update();
    }
    return UserControl::eventFilter(watched, event);
}

void Zel_DropCalendar::onDateClicked(const QDate& date)
{
    m_label->setText(Zel::shortDate(date));
    PropertyChanged(key("CaptionDate"));
    Zel::guardEvent("Zel_DropCalendar", [&] { Q_EMIT ChangeDate(date); });
}

// --- face ------------------------------------------------------------------

QRect Zel_DropCalendar::dropButtonRect() const
{
    return QRect(width() - DropButtonWidth, 0, DropButtonWidth, height());
}

void Zel_DropCalendar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Zel::toQColor(m_backColor, Qt::white));
    if (m_borderApperance == 1) {
        painter.setPen(Zel::toQColor(Zel::WindowFrameColor));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    QRect button = dropButtonRect();
    if (m_borderApperance == 1)
        button.adjust(0, 1, -1, -1);
    painter.fillRect(button, Zel::toQColor(Zel::ButtonFaceColor));
    QRect edge = button;
    if (m_buttonPressed)
        Zel::DrawEdge(painter, edge, Zel::EDGE_SUNKEN, Zel::BF_RECT | Zel::BF_FLAT);
    else
        Zel::DrawEdge(painter, edge, Zel::EDGE_RAISED, Zel::BF_RECT);
    const QRect glyph = m_buttonPressed ? button.translated(1, 1) : button;
    Zel::drawArrow(painter, glyph.adjusted(3, 3, -3, -3), Zel::Arrow::Down,
        Zel::toQColor(isEnabled() ? Zel::ButtonTextColor : Zel::ButtonShadowColor));

    if (hasFocus() && !isPopupVisible()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = m_label->geometry().adjusted(-1, 0, 1, 0) & rect().adjusted(1, 1, -1, -1);
        option.backgroundColor = Zel::toQColor(m_backColor, Qt::white);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void Zel_DropCalendar::resizeEvent(QResizeEvent* event)
{
    UserControl::resizeEvent(event);
    placeLabel();
}

void Zel_DropCalendar::placeLabel()
{
    const int left = 2;
    const int textHeight = m_label->sizeHint().height();
    const int right = width() - DropButtonWidth - 1;
    m_label->setGeometry(left, (height() - textHeight) / 2, std::max(0, right - left), textHeight);
}

void Zel_DropCalendar::applyFont()
{
    m_label->setFont(m_font.toQFont());
    placeLabel();
}

void Zel_DropCalendar::applyTextColor()
{
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::WindowText,
        isEnabled() ? QColor(Qt::black) : Zel::toQColor(Zel::ButtonShadowColor));
    m_label->setPalette(palette);
}

void Zel_DropCalendar::setButtonPressed(bool pressed)
{
    if (m_buttonPressed == pressed)
        return;
    m_buttonPressed = pressed;
    update(dropButtonRect());
}

// --- input -----------------------------------------------------------------

void Zel_DropCalendar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_buttonHeld = true;
    setButtonPressed(dropButtonRect().contains(event->position().toPoint()));
    event->accept();
}

void Zel_DropCalendar::mouseMoveEvent(QMouseEvent* event)
{
    if (m_buttonHeld && (event->buttons() & Qt::LeftButton))
        setButtonPressed(dropButtonRect().contains(event->position().toPoint()));
    event->accept();
}

void Zel_DropCalendar::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_buttonHeld) {
        event->ignore();
        return;
    }
    m_buttonHeld = false;
    const bool open = m_buttonPressed;
    setButtonPressed(false);
    if (open)
        showPopup();
    event->accept();
}

void Zel_DropCalendar::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Escape && isPopupVisible()) {
        hidePopup();
        event->accept();
    } else if ((event->key() == Qt::Key_Down && modifiers == Qt::AltModifier)
        || (event->key() == Qt::Key_F4 && modifiers == Qt::NoModifier)) {
        showPopup();
        event->accept();
    } else if (event->key() == Qt::Key_Space && modifiers == Qt::NoModifier) {
        event->accept();
    } else {
        // Escape with the popup closed, Enter, Tab ...: the host's to handle.
        event->ignore();
    }
}

void Zel_DropCalendar::focusInEvent(QFocusEvent* event)
{
    UserControl::focusInEvent(event);
    update();
}

void Zel_DropCalendar::focusOutEvent(QFocusEvent* event)
{
    UserControl::focusOutEvent(event);
    // Opening the popup moves the focus to it; that loss is not a leave.
    const QWidget* now = QApplication::focusWidget();
    const bool toPopup = now && (now == m_popup || m_popup->isAncestorOf(now));
    if (event->reason() != Qt::PopupFocusReason && !toPopup)
        hidePopup();
    update();
}

void Zel_DropCalendar::hideEvent(QHideEvent* event)
{
    hidePopup();
    UserControl::hideEvent(event);
}

void Zel_DropCalendar::moveEvent(QMoveEvent* event)
{
    // Moved (the list scrolled or re-placed its editor): the popup would no
    // longer sit at the control.
    hidePopup();
    UserControl::moveEvent(event);
}

void Zel_DropCalendar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled())
            hidePopup();
        applyTextColor();
        update();
    }
    UserControl::changeEvent(event);
}

} // namespace Tabulon
