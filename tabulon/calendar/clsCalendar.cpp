#include "clsCalendar.h"

#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <common/Drawing.h>
#include <common/PictureBox.h>
#include <common/RuntimeError.h>
#include <common/StdFont.h>

namespace Tabulon {

namespace {

constexpr OLE_COLOR White = 0xFFFFFF;
constexpr OLE_COLOR Black = 0x000000;

QFont surfaceFont(bool bold = false)
{
    StdFont font(QStringLiteral("Tahoma"), 8);
    font.setBold(bold);
    return font.toQFont();
}

QColor color(OLE_COLOR value)
{
    return Zel::toQColor(value, Qt::black);
}

} // namespace

clsCalendar::clsCalendar(QObject* parent)
    : QObject(parent)
{
    const QDate today = QDate::currentDate();
    m_shownMonth = qint16(today.month());
    m_shownYear = qint16(today.year());
    RefreshMonthData();
}

clsCalendar::~clsCalendar() = default;

void clsCalendar::setShownMonth(qint16 New_ShownMonth)
{
    if (New_ShownMonth < 1 || New_ShownMonth > 12)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    const bool changed = m_shownMonth != New_ShownMonth;
    m_shownMonth = New_ShownMonth;
    RefreshMonthData();
    if (changed)
        Q_EMIT ShownMonthChanged(m_shownMonth);
}

void clsCalendar::setShownYear(qint16 New_ShownYear)
{
    if (New_ShownYear < 100 || New_ShownYear > 9999)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    const bool changed = m_shownYear != New_ShownYear;
    m_shownYear = New_ShownYear;
    RefreshMonthData();
    if (changed)
        Q_EMIT ShownYearChanged(m_shownYear);
}

void clsCalendar::setPictureBox(PictureBox* New_PictureBox)
{
    for (const QMetaObject::Connection& connection : std::as_const(m_surfaceConnections))
        disconnect(connection);
    m_surfaceConnections.clear();
    m_surface = New_PictureBox;
    if (!m_surface)
        return;
    m_surface->setAutoRedraw(true);
    m_surface->setBackColor(White);
    m_surface->setFont(StdFont(QStringLiteral("Tahoma"), 8));
    m_surfaceConnections << connect(m_surface, &PictureBox::MouseDown, this,
        [this](int button, int, float x, float y) { onMouseDown(button, x, y); });
    m_surfaceConnections << connect(m_surface, &PictureBox::MouseMove, this,
        [this](int buttons, int, float x, float y) { onMouseMove(buttons, x, y); });
    m_surfaceConnections << connect(m_surface, &PictureBox::MouseUp, this,
        [this](int, int, float x, float y) { onMouseUp(x, y); });
}

QString clsCalendar::FormatKey(const QDate& dtDate) const
{
    return clsDayInfoCol::FormatKey(dtDate);
}

void clsCalendar::RefreshMonthData()
{
    buildMonthData();
    m_selectedDays.Clear();
}

void clsCalendar::buildMonthData()
{
    const QDate first(m_shownYear, m_shownMonth, 1);
    const qint64 days = first.daysTo(first.addMonths(1));
    m_monthData.Clear();
    for (qint64 i = 0; i < days; ++i)
        m_monthData.Add(first.addDays(i), false, White, Black, White, false);
}

void clsCalendar::SelectDay(const QDate& dtDate)
{
    if (dtDate.month() != m_shownMonth || dtDate.year() != m_shownYear)
        return;
    const QString key = FormatKey(dtDate);
    m_monthData.Item(key)->setSelected(true);
    if (!m_selectedDays.FExists(key))
        m_selectedDays.Add(dtDate, false, White, Black, White, false);
}

void clsCalendar::UnSelectDay(const QDate& dtDate)
{
    const QString key = FormatKey(dtDate);
    m_monthData.Item(key)->setSelected(false);
    if (m_selectedDays.FExists(key))
        m_selectedDays.Remove(key);
}

void clsCalendar::ChangeMonth(int Direction)
{
    if (Direction != 0 && Direction != 1)
        return;
    const QDate shown = QDate(m_shownYear, m_shownMonth, 1).addMonths(Direction == 0 ? -1 : 1);
    if (shown.year() < 100 || shown.year() > 9999)
        return;
    setShown(shown.month(), shown.year());
    RefreshCalendar();
}

void clsCalendar::setShown(int month, int year)
{
    const bool monthChanged = m_shownMonth != month;
    const bool yearChanged = m_shownYear != year;
    m_shownMonth = qint16(month);
    m_shownYear = qint16(year);
    // The days drawn always belong to the month in the header; days selected
    // before browsing show selected again when their month comes back.
    buildMonthData();
    const QList<clsDayInfoCol::Day> selected = m_selectedDays.NewEnum();
    for (const clsDayInfoCol::Day& day : selected) {
        const QString key = FormatKey(day->DateTime());
        if (m_monthData.FExists(key))
            m_monthData.Item(key)->setSelected(true);
    }
    if (monthChanged)
        Q_EMIT ShownMonthChanged(m_shownMonth);
    if (yearChanged)
        Q_EMIT ShownYearChanged(m_shownYear);
}

int clsCalendar::leadingEmptyCells() const
{
    return QDate(m_shownYear, m_shownMonth, 1).dayOfWeek() - 1;
}

int clsCalendar::positionAt(int x, int y)
{
    if (x < GridLeft || y < GridTop)
        return -1;
    const int row = (y - GridTop) / RowPitch;
    const int column = (x - GridLeft) / ColumnPitch;
    if (row >= Rows || column >= Columns)
        return -1;
    return row * Columns + column;
}

QRect clsCalendar::cellRect(int position)
{
    const int row = position / Columns;
    const int column = position % Columns;
    return QRect(GridLeft + ColumnPitch * column, GridTop + RowPitch * row, CellWidth, CellHeight);
}

QRect clsCalendar::previousButtonRect()
{
    return QRect(QPoint(2, 2), QPoint(19, 20));
}

QRect clsCalendar::nextButtonRect(int width)
{
    return QRect(QPoint(width - 20, 2), QPoint(width - 3, 20));
}

bool clsCalendar::isButtonPressed(Button button) const
{
    switch (button) {
    case Button::Previous:
        return m_previousPressed;
    case Button::Next:
        return m_nextPressed;
    case Button::None:
        break;
    }
    return false;
}

// --- drawing ---------------------------------------------------------------

void clsCalendar::RefreshCalendar()
{
    if (!m_surface)
        return;
    const int width = m_surface->width();
    std::unique_ptr<QPainter> painter = m_surface->beginPaint();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(QRect(0, 0, width, m_surface->height()), color(White));

    const QFont font = surfaceFont();
    painter->setFont(font);
    painter->setPen(color(Black));
    const QString title = QLocale().monthName(m_shownMonth, QLocale::LongFormat) + u' '
        + QString::number(m_shownYear);
    painter->drawText(QRect(0, 0, width, HeaderHeight), Qt::AlignCenter, title);

    painter->setPen(color(Zel::ButtonShadowColor));
    painter->drawLine(0, WeekdayLineY, width - 1, WeekdayLineY);
    static const char* const weekdays[] = { "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun" };
    for (int column = 0; column < Columns; ++column) {
        const QRect cell(GridLeft + ColumnPitch * column, WeekdayRowTop, CellWidth, CellHeight);
        painter->setPen(color(Black));
        painter->drawText(cell, Qt::AlignCenter, QLatin1String(weekdays[column]));
    }

    drawButton(*painter, Button::Previous);
    drawButton(*painter, Button::Next);

    const int offset = leadingEmptyCells();
    for (int position = 0; position < offset; ++position)
        drawEmptyCell(*painter, position);
    const QList<clsDayInfoCol::Day> days = m_monthData.NewEnum();
    for (const clsDayInfoCol::Day& day : days) {
        drawCell(*painter, offset + day->DateTime().day() - 1,
            QString::number(day->DateTime().day()), day->ForeColor(), day->BackColor(), day->Bold(),
            day->RectColor());
    }
    for (int position = offset + int(days.size()); position < CellCount; ++position)
        drawEmptyCell(*painter, position);
    m_surface->endPaint(std::move(painter));
}

void clsCalendar::drawCell(QPainter& painter, int position, const QString& text,
    OLE_COLOR foreColor, OLE_COLOR backColor, bool bold, OLE_COLOR rectColor) const
{
    const QRect box = cellRect(position);
    painter.fillRect(box, color(White));
    painter.fillRect(box, color(backColor));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(color(White));
    painter.drawRect(box.adjusted(1, 1, -2, -2));
    painter.setPen(color(rectColor));
    painter.drawRect(box.adjusted(0, 0, -1, -1));

    const QFont font = surfaceFont(bold);
    const QFontMetrics metrics(font);
    const int x = box.left() + (CellWidth - metrics.horizontalAdvance(text)) / 2;
    const int y = box.top() + (CellHeight - metrics.height()) / 2;
    painter.setFont(font);
    painter.setPen(color(foreColor));
    painter.drawText(x, y + metrics.ascent(), text);
}

void clsCalendar::drawEmptyCell(QPainter& painter, int position) const
{
    painter.fillRect(cellRect(position), color(White));
}

void clsCalendar::drawButton(QPainter& painter, Button button) const
{
    const bool pressed = isButtonPressed(button);
    const QRect outer
        = button == Button::Previous ? previousButtonRect() : nextButtonRect(m_surface->width());
    QRect edge = outer;
    if (pressed)
        Zel::DrawEdge(painter, edge, Zel::EDGE_SUNKEN, Zel::BF_RECT | Zel::BF_FLAT);
    else
        Zel::DrawEdge(painter, edge, Zel::EDGE_RAISED, Zel::BF_RECT);
    const QRect inside(QPoint(outer.left() + 2, outer.top() + 2),
        QPoint(outer.right() + 1 - 3 - 1, outer.bottom() + 1 - 3 - 1));
    painter.fillRect(inside, color(Zel::ButtonFaceColor));
    const QRect glyph = pressed ? outer.translated(1, 1) : outer;
    Zel::drawArrow(painter, glyph.adjusted(3, 3, -3, -3),
        button == Button::Previous ? Zel::Arrow::Left : Zel::Arrow::Right,
        color(Zel::ButtonTextColor));
}

void clsCalendar::setButtonPressed(Button button, bool pressed)
{
    bool& state = button == Button::Previous ? m_previousPressed : m_nextPressed;
    if (button == Button::None || state == pressed)
        return;
    state = pressed;
    if (!m_surface)
        return;
    std::unique_ptr<QPainter> painter = m_surface->beginPaint();
    drawButton(*painter, button);
    m_surface->endPaint(std::move(painter),
        button == Button::Previous ? previousButtonRect() : nextButtonRect(m_surface->width()));
}

// --- mouse -----------------------------------------------------------------

void clsCalendar::onMouseDown(int button, float x, float y)
{
    const QPoint at { int(x), int(y) };
    const int width = m_surface ? m_surface->width() : 0;
    const bool left = button == 1;
    m_heldButton = Button::None;
    if (left && previousButtonRect().contains(at))
        m_heldButton = Button::Previous;
    else if (left && nextButtonRect(width).contains(at))
        m_heldButton = Button::Next;
    setButtonPressed(Button::Previous, m_heldButton == Button::Previous);
    setButtonPressed(Button::Next, m_heldButton == Button::Next);
    m_navigationHit = m_heldButton != Button::None;
    if (m_navigationHit || !left)
        return;

    const int position = positionAt(at.x(), at.y());
    const int offset = leadingEmptyCells();
    const int days = m_monthData.Count();
    if (position < offset || position >= offset + days)
        return;
    const QDate date(m_shownYear, m_shownMonth, position - offset + 1);
    RefreshMonthData();
    SelectDay(date);
    RefreshCalendar();
    m_lastClicked = date;
    Q_EMIT DateClicked(1, date, position);
}

void clsCalendar::onMouseMove(int buttons, float x, float y)
{
    if (!(buttons & 1) || m_heldButton == Button::None)
        return;
    const QPoint at { int(x), int(y) };
    const QRect rect = m_heldButton == Button::Previous
        ? previousButtonRect()
        : nextButtonRect(m_surface ? m_surface->width() : 0);
    setButtonPressed(m_heldButton, rect.contains(at));
}

void clsCalendar::onMouseUp(float, float)
{
    const bool previous = m_previousPressed;
    const bool next = m_nextPressed;
    m_heldButton = Button::None;
    setButtonPressed(Button::Previous, false);
    setButtonPressed(Button::Next, false);
    if (previous)
        ChangeMonth(0);
    else if (next)
        ChangeMonth(1);
}

} // namespace Tabulon
