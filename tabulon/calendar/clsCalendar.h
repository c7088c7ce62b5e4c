#pragma once

#include "clsDayInfoCol.h"

#include <QDate>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <common/PictureBox.h>
class QPainter;

namespace Tabulon {

/// A month calendar that draws itself into a picture surface and answers
/// that surface's mouse: a header with the month, weekday names, a 6 x 7
/// grid of days (weeks start on Monday), previous/next month buttons, and
/// DateClicked when a day of the shown month is pressed.
class clsCalendar : public QObject
{
    Q_OBJECT
    /// The shown month (1..12); setting it rebuilds the month data, which
    /// also clears the selection. Nothing is redrawn until RefreshCalendar.
    Q_PROPERTY(qint16 ShownMonth READ ShownMonth WRITE setShownMonth NOTIFY ShownMonthChanged)
    /// The shown year; setting it rebuilds the month data as ShownMonth does.
    Q_PROPERTY(qint16 ShownYear READ ShownYear WRITE setShownYear NOTIFY ShownYearChanged)

public:
    /// Grid geometry in pixels.
    enum Metrics {
        CellWidth = 23,
        CellHeight = 19,
        ColumnPitch = 25,
        RowPitch = 21,
        GridLeft = 3,
        GridTop = 50,
        WeekdayRowTop = 25,
        HeaderHeight = 22,
        WeekdayLineY = 45,
        Rows = 6,
        Columns = 7,
        CellCount = Rows * Columns,
    };
    /// The navigation buttons.
    enum class Button { None, Previous, Next };

    explicit clsCalendar(QObject* parent = nullptr);
    ~clsCalendar() override;

    qint16 ShownMonth() const { return m_shownMonth; }
    /// RuntimeError 380 outside 1..12.
    void setShownMonth(qint16 New_ShownMonth);
    qint16 ShownYear() const { return m_shownYear; }
    /// RuntimeError 380 outside 100..9999.
    void setShownYear(qint16 New_ShownYear);

    /// The surface drawn on; it is switched to persistent drawing on a white
    /// background, and its mouse drives the calendar. Null detaches it.
    void setPictureBox(PictureBox* New_PictureBox);
    PictureBox* pictureBox() const { return m_surface; }
    /// One day per day of the shown month, in date order.
    clsDayInfoCol& MonthDataCol() { return m_monthData; }
    void setMonthDataCol(const clsDayInfoCol& New_MonthDataCol) { m_monthData = New_MonthDataCol; }
    /// The selected days (of any month).
    clsDayInfoCol& SelectedDays() { return m_selectedDays; }
    void setSelectedDays(const clsDayInfoCol& New_SelectedDays)
    {
        m_selectedDays = New_SelectedDays;
    }

    /// Draws the whole calendar; does nothing without a surface.
    Q_INVOKABLE void RefreshCalendar();
    /// Rebuilds the month data for the shown month and clears the selection.
    Q_INVOKABLE void RefreshMonthData();
    Q_INVOKABLE QString FormatKey(const QDate& dtDate) const;
    /// Selects a day of the shown month; days of other months change nothing.
    Q_INVOKABLE void SelectDay(const QDate& dtDate);
    /// Deselects a day of the shown month; RuntimeError 5 for a day of
    /// another month (it has no month data).
    Q_INVOKABLE void UnSelectDay(const QDate& dtDate);
    /// 0: one month back, 1: one month forward (across year ends); other
    /// values do nothing. The month data follows the new month and the
    /// selected days stay selected; then the calendar is redrawn.
    Q_INVOKABLE void ChangeMonth(int Direction);
    /// True when the last press was on a navigation button.
    Q_INVOKABLE bool ChangeMonthClicked() const { return m_navigationHit; }
    /// The day last clicked (invalid before the first click).
    QDate lastClickedDate() const { return m_lastClicked; }

    /// Weekday of the first day of the shown month counted from Monday (0..6):
    /// the number of empty cells before day 1.
    int leadingEmptyCells() const;
    /// The cell position (0..41) at a surface point, -1 outside the grid.
    static int positionAt(int x, int y);
    /// The box of cell \a position (right and bottom exclusive).
    static QRect cellRect(int position);
    /// The navigation button rectangles on a surface \a width wide.
    static QRect previousButtonRect();
    static QRect nextButtonRect(int width);
    /// Which button shows pressed now.
    bool isButtonPressed(Button button) const;

Q_SIGNALS:
    /// A day of the shown month was pressed: \a Button is always 1 (left),
    /// \a iPos its cell position.
    void DateClicked(int Button, QDate dtDateClicked, int iPos);
    /// The shown month changed: assigned, or browsed with ChangeMonth or the month buttons.
    /// Not raised when the month it shows is written again (which still rebuilds the month).
    void ShownMonthChanged(qint16 shownMonth);
    /// The shown year changed, as ShownMonthChanged.
    void ShownYearChanged(qint16 shownYear);

private:
    void onMouseDown(int button, float x, float y);
    void onMouseMove(int buttons, float x, float y);
    void onMouseUp(float x, float y);
    void setButtonPressed(Button button, bool pressed);
    void setShown(int month, int year);
    void buildMonthData();
    void drawButton(QPainter& painter, Button button) const;
    void drawCell(QPainter& painter, int position, const QString& text, OLE_COLOR foreColor,
        OLE_COLOR backColor, bool bold, OLE_COLOR rectColor) const;
    void drawEmptyCell(QPainter& painter, int position) const;

    qint16 m_shownMonth = 1;
    qint16 m_shownYear = 2000;
    clsDayInfoCol m_monthData;
    clsDayInfoCol m_selectedDays;
    QPointer<PictureBox> m_surface;
    QList<QMetaObject::Connection> m_surfaceConnections;
    Button m_heldButton = Button::None; // the button the left press landed on
    bool m_previousPressed = false;
    bool m_nextPressed = false;
    bool m_navigationHit = false;
    QDate m_lastClicked;
};

} // namespace Tabulon
