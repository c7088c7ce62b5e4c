#include "Zel_DropCalendar.h"

#include "clsCalendar.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <common/Drawing.h>
#include <common/EventGuard.h>
#include <common/HostConvert.h>
#include <common/PictureBox.h>
#include <common/RuntimeError.h>

namespace Tabulon {

namespace {

constexpr OLE_COLOR DefaultBackColor = 0xFFFFFF;
/// The face's text until a date is set.
QString designCaption()
{
    return QStringLiteral("12.12.2002");
}

QString key(const char* name)
{
    return QLatin1String(name);
}

} // namespace

/// The calendar's surface as a popup window: a thin frame is drawn over the
/// calendar on the screen only, so the white month stands out from a white
/// list below it.
class CalendarPopup : public PictureBox
{
public:
    explicit CalendarPopup(QWidget* owner)
        : PictureBox(owner)
    {
        setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        PictureBox::paintEvent(event);
        QPainter painter(this);
        painter.setPen(Zel::toQColor(Zel::ButtonShadowColor));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

Zel_DropCalendar::Zel_DropCalendar(QWidget* parent)
    : DropDownControl(parent)
    , m_label(new QLabel(designCaption(), this))
    , m_popup(new CalendarPopup(this))
    , m_calendar(new clsCalendar(this))
    , m_font(AmbientFont())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_popup->setObjectName(QStringLiteral("picPopup"));
    m_popup->setFixedSize(PopupSize, PopupSize);
    setPopup(m_popup);

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
    connect(m_popup, &PictureBox::KeyDown, this, [this](int& keyCode, int shift) {
        if (shift == 0)
            onPopupKey(keyCode);
    });

    applyFont();
    applyTextColor();
}

Zel_DropCalendar::~Zel_DropCalendar() = default;

// --- properties ------------------------------------------------------------

void Zel_DropCalendar::setBackColor(OLE_COLOR New_BackColor)
{
    if (setIfChanged(
            m_backColor, New_BackColor, key("BackColor"), &Zel_DropCalendar::BackColorChanged))
        update();
}

void Zel_DropCalendar::setEnabled(bool New_Enabled)
{
    if (isEnabled() == New_Enabled)
        return;
    QWidget::setEnabled(New_Enabled);
    PropertyChanged(key("Enabled"));
    Q_EMIT EnabledChanged(New_Enabled);
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
    Q_EMIT FontChanged(m_font);
}

void Zel_DropCalendar::setBorderApperance(qint16 New_BorderApperance)
{
    if (New_BorderApperance != 0 && New_BorderApperance != 1)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    if (!setIfChanged(m_borderApperance, New_BorderApperance, key("BorderApperance")))
        return;
    placeLabel();
    update();
    Q_EMIT BorderApperanceChanged(m_borderApperance);
}

QDate Zel_DropCalendar::CaptionDate() const
{
    return Zel::parseDate(m_label->text());
}

void Zel_DropCalendar::setCaptionDate(const QDate& New_CaptionDate)
{
    if (New_CaptionDate.isValid()
        && (New_CaptionDate.year() < 100 || New_CaptionDate.year() > 9999))
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    showCaption(New_CaptionDate);
    // The calendar is set up again also for the date it shows: browsing may have left it.
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

void Zel_DropCalendar::aboutToShowPopup()
{
    // Browsing in an earlier opening is forgotten: the popup starts at the
    // month of the date shown in the face.
    const QDate shown = CaptionDate();
    if (shown.isValid())
        setCaptionDate(shown);
    m_keyboardDay = shown.isValid() ? shown : QDate::currentDate();
    m_calendar->RefreshCalendar();
}

void Zel_DropCalendar::onPopupKey(int& keyCode)
{
    enum HostKey {
        Enter = 13,
        Escape = 27,
        Space = 32,
        PageUp = 33,
        PageDown = 34,
        End = 35,
        Home = 36,
        Left = 37,
        Up = 38,
        Right = 39,
        Down = 40
    };
    const QDate day = m_keyboardDay;
    switch (keyCode) {
    case Escape:
        hidePopup();
        break;
    case Enter:
    case Space:
        onDateClicked(day);
        hidePopup();
        break;
    case Left:
        showDay(day.addDays(-1));
        break;
    case Right:
        showDay(day.addDays(1));
        break;
    case Up:
        showDay(day.addDays(-7));
        break;
    case Down:
        showDay(day.addDays(7));
        break;
    case PageUp:
        showDay(day.addMonths(-1));
        break;
    case PageDown:
        showDay(day.addMonths(1));
        break;
    case Home:
        showDay(QDate(day.year(), day.month(), 1));
        break;
    case End:
        showDay(QDate(day.year(), day.month(), day.daysInMonth()));
        break;
    default:
        return;
    }
    keyCode = 0;
}

void Zel_DropCalendar::showDay(const QDate& date)
{
    if (!date.isValid() || date.year() < 100 || date.year() > 9999)
        return;
    m_keyboardDay = date;
    m_calendar->setShownMonth(qint16(date.month()));
    m_calendar->setShownYear(qint16(date.year()));
    m_calendar->SelectDay(date);
    m_calendar->RefreshCalendar();
}

void Zel_DropCalendar::onDateClicked(const QDate& date)
{
    m_keyboardDay = date;
    showCaption(date);
    Zel::guardEvent("Zel_DropCalendar", [&] { Q_EMIT ChangeDate(date); });
}

void Zel_DropCalendar::showCaption(const QDate& date)
{
    // The text is what is stored; the date is what a binding sees.
    const QString text = Zel::shortDate(date);
    if (text == m_label->text())
        return;
    const QDate before = CaptionDate();
    m_label->setText(text);
    PropertyChanged(key("CaptionDate"));
    if (CaptionDate() != before)
        Q_EMIT CaptionDateChanged(CaptionDate());
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
    paintDropButton(painter, button);
    paintFocusMark(
        painter, m_label->geometry().adjusted(-1, 0, 1, 0) & rect().adjusted(1, 1, -1, -1));
}

void Zel_DropCalendar::resizeEvent(QResizeEvent* event)
{
    DropDownControl::resizeEvent(event);
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

void Zel_DropCalendar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        applyTextColor();
    DropDownControl::changeEvent(event);
}

} // namespace Tabulon
