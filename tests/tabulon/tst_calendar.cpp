#include <QSignalSpy>
#include <QTest>
#include <TestSupport.h>
#include <common/PictureBox.h>
#include <tabulon/calendar/clsCalendar.h>

using namespace Tabulon;

namespace {

/// Pixels of the cell at \a position that are not white: the day number.
int inkInCell(const PictureBox& surface, int position)
{
    const QRect cell = clsCalendar::cellRect(position);
    const QImage& image = surface.persistentLayer();
    int ink = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        for (int x = cell.left(); x <= cell.right(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white))
                ++ink;
        }
    }
    return ink;
}

QPoint cellCentre(int position)
{
    return clsCalendar::cellRect(position).center();
}

struct Fixture
{
    PictureBox surface;
    clsCalendar calendar;
    Fixture(int month, int year)
    {
        surface.resize(180, 180);
        calendar.setPictureBox(&surface);
        calendar.setShownMonth(qint16(month));
        calendar.setShownYear(qint16(year));
        calendar.RefreshCalendar();
        surface.show();
    }
};

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void dayColoursFollowTheSelection()
    {
        clsDayInfo day;
        day.setSelected(true);
        QCOMPARE(day.BackColor(), OLE_COLOR(0xFF0000));
        QCOMPARE(day.ForeColor(), OLE_COLOR(0xFFFFFF));
        QCOMPARE(day.RectColor(), OLE_COLOR(0xFF0000));
        day.setSelected(false);
        QCOMPARE(day.BackColor(), OLE_COLOR(0xFFFFFF));
        QCOMPARE(day.ForeColor(), OLE_COLOR(0));
        QCOMPARE(day.RectColor(), OLE_COLOR(0xFFFFFF));
    }

    void collectionKeysAndErrors()
    {
        QCOMPARE(clsDayInfoCol::FormatKey(QDate(2003, 3, 5)), QStringLiteral("05 Mar 2003"));

        clsDayInfoCol days;
        // A selected day keeps the selection colours, but the frame colour given.
        const auto first = days.Add(QDate(2003, 3, 5), true, 0x00FF00, 0x0000FF, 0x123456, true);
        QCOMPARE(first->BackColor(), OLE_COLOR(0xFF0000));
        QCOMPARE(first->ForeColor(), OLE_COLOR(0xFFFFFF));
        QCOMPARE(first->RectColor(), OLE_COLOR(0x123456));
        QVERIFY(first->Bold());
        const auto second = days.Add(QDate(2003, 3, 6), false, 0x00FF00, 0x0000FF, 0x123456, false);
        QCOMPARE(second->BackColor(), OLE_COLOR(0x00FF00));

        QCOMPARE(errorOf([&] { days.Add(QDate(2003, 3, 5), false, 0, 0, 0, false); }), 457);
        QCOMPARE(days.Count(), 2);
        QCOMPARE(days.Item(2)->DateTime(), QDate(2003, 3, 6));
        QCOMPARE(days.Item(QStringLiteral("05 MAR 2003")), first);
        QVERIFY(days.FExists(1));
        QVERIFY(!days.FExists(3));
        QVERIFY(!days.FExists(QStringLiteral("07 Mar 2003")));
        QCOMPARE(errorOf([&] { days.Item(0); }), 9);
        QCOMPARE(errorOf([&] { days.Item(QStringLiteral("nope")); }), 5);

        days.Remove(QStringLiteral("05 Mar 2003"));
        QCOMPARE(days.Count(), 1);
        QCOMPARE(days.NewEnum().first(), second);
        // A day fetched before stays usable after the collection lets it go.
        days.Clear();
        QCOMPARE(days.Count(), 0);
        QCOMPARE(first->DateTime(), QDate(2003, 3, 5));
    }

    void monthDataAndLeadingCells_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("days");
        QTest::addColumn<int>("leading");
        QTest::newRow("February 2004 starts on a Sunday") << 2 << 2004 << 29 << 6;
        QTest::newRow("March 2004 starts on a Monday") << 3 << 2004 << 31 << 0;
        QTest::newRow("February 2003") << 2 << 2003 << 28 << 5;
        QTest::newRow("December 2002") << 12 << 2002 << 31 << 6;
    }
    void monthDataAndLeadingCells()
    {
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(int, days);
        QFETCH(int, leading);
        Fixture f(month, year);
        QCOMPARE(f.calendar.MonthDataCol().Count(), days);
        QCOMPARE(f.calendar.MonthDataCol().Item(1)->DateTime(), QDate(year, month, 1));
        QCOMPARE(f.calendar.leadingEmptyCells(), leading);
        for (int position = 0; position < clsCalendar::CellCount; ++position) {
            const bool holdsDay = position >= leading && position < leading + days;
            QVERIFY2((inkInCell(f.surface, position) > 0) == holdsDay,
                qPrintable(QStringLiteral("cell %1").arg(position)));
        }
    }

    void hitTest_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("position");
        QTest::newRow("first cell") << QPoint(3, 50) << 0;
        QTest::newRow("left of the grid") << QPoint(2, 60) << -1;
        QTest::newRow("above the grid") << QPoint(10, 49) << -1;
        QTest::newRow("second column") << QPoint(28, 50) << 1;
        QTest::newRow("gap after a cell") << QPoint(27, 70) << 0;
        QTest::newRow("second row") << QPoint(3, 71) << 7;
        QTest::newRow("last cell") << QPoint(3 + 25 * 6, 50 + 21 * 5) << 41;
        QTest::newRow("right of the grid") << QPoint(3 + 25 * 7, 60) << -1;
        QTest::newRow("below the grid") << QPoint(10, 50 + 21 * 6) << -1;
    }
    void hitTest()
    {
        QFETCH(QPoint, point);
        QFETCH(int, position);
        QCOMPARE(clsCalendar::positionAt(point.x(), point.y()), position);
    }

    void pressingADaySelectsItAndRaisesDateClicked()
    {
        Fixture f(2, 2004);
        QSignalSpy clicked(&f.calendar, &clsCalendar::DateClicked);
        QTest::mousePress(&f.surface, Qt::LeftButton, {}, cellCentre(34));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.at(0).at(0).toInt(), 1);
        QCOMPARE(clicked.at(0).at(1).toDate(), QDate(2004, 2, 29));
        QCOMPARE(clicked.at(0).at(2).toInt(), 34);
        QVERIFY(!f.calendar.ChangeMonthClicked());
        QCOMPARE(f.calendar.lastClickedDate(), QDate(2004, 2, 29));
        QVERIFY(f.calendar.MonthDataCol().Item(29)->Selected());
        QCOMPARE(f.calendar.SelectedDays().Count(), 1);
        // The selected cell is blue.
        const QPoint corner = clsCalendar::cellRect(34).topLeft() + QPoint(2, 2);
        QCOMPARE(f.surface.persistentLayer().pixelColor(corner), QColor(0, 0, 255));
        QTest::mouseRelease(&f.surface, Qt::LeftButton, {}, cellCentre(34));

        // A second day replaces the selection.
        QTest::mouseClick(&f.surface, Qt::LeftButton, {}, cellCentre(6));
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.at(1).at(1).toDate(), QDate(2004, 2, 1));
        QCOMPARE(f.calendar.SelectedDays().Count(), 1);
        QVERIFY(!f.calendar.MonthDataCol().Item(29)->Selected());
        QCOMPARE(f.surface.persistentLayer().pixelColor(corner), QColor(Qt::white));
    }

    void pressesOutsideTheDaysRaiseNothing()
    {
        Fixture f(2, 2004);
        QSignalSpy clicked(&f.calendar, &clsCalendar::DateClicked);
        QTest::mouseClick(&f.surface, Qt::LeftButton, {}, cellCentre(0)); // leading empty cell
        QTest::mouseClick(&f.surface, Qt::LeftButton, {}, cellCentre(35)); // after the 29th
        QTest::mouseClick(&f.surface, Qt::LeftButton, {}, QPoint(90, 35)); // weekday header
        QTest::mouseClick(&f.surface, Qt::LeftButton, {}, QPoint(90, 10)); // between the buttons
        QTest::mouseClick(&f.surface, Qt::RightButton, {}, cellCentre(10)); // not the left button
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(f.calendar.ShownMonth(), qint16(2));
        QCOMPARE(f.calendar.SelectedDays().Count(), 0);
    }

    void changeMonthCrossesYearsAndRebuildsTheDays()
    {
        Fixture f(12, 2002);
        QSignalSpy months(&f.calendar, &clsCalendar::ShownMonthChanged);
        QSignalSpy years(&f.calendar, &clsCalendar::ShownYearChanged);
        f.calendar.ChangeMonth(1);
        QCOMPARE(f.calendar.ShownMonth(), qint16(1));
        QCOMPARE(f.calendar.ShownYear(), qint16(2003));
        QCOMPARE(months.count(), 1);
        QCOMPARE(years.count(), 1);
        QCOMPARE(years.at(0).at(0).value<qint16>(), qint16(2003));
        QCOMPARE(f.calendar.MonthDataCol().Item(1)->DateTime(), QDate(2003, 1, 1));
        f.calendar.ChangeMonth(0);
        f.calendar.ChangeMonth(0);
        QCOMPARE(f.calendar.ShownMonth(), qint16(11));
        QCOMPARE(f.calendar.ShownYear(), qint16(2002));
        QCOMPARE(f.calendar.MonthDataCol().Count(), 30);
        QCOMPARE(f.calendar.MonthDataCol().Item(30)->DateTime(), QDate(2002, 11, 30));
        QCOMPARE(months.count(), 3);
        QCOMPARE(years.count(), 2);
        f.calendar.ChangeMonth(7);
        QCOMPARE(f.calendar.ShownMonth(), qint16(11));
        QCOMPARE(months.count(), 3);
        // November 2002 starts on a Friday: the drawing follows the new month.
        QCOMPARE(inkInCell(f.surface, 3), 0);
        QVERIFY(inkInCell(f.surface, 4) > 0);
        QVERIFY(inkInCell(f.surface, 33) > 0);
        QCOMPARE(inkInCell(f.surface, 34), 0);
    }

    void browsingKeepsTheSelectedDay()
    {
        Fixture f(2, 2004);
        f.calendar.SelectDay(QDate(2004, 2, 29));
        f.calendar.ChangeMonth(1);
        QCOMPARE(f.calendar.SelectedDays().Count(), 1);
        for (const auto& day : f.calendar.MonthDataCol().NewEnum())
            QVERIFY(!day->Selected());
        f.calendar.ChangeMonth(0);
        QVERIFY(f.calendar.MonthDataCol().Item(29)->Selected());
        // Setting the month directly starts a fresh month with nothing selected, also when
        // it is the month shown (which is no change to report).
        QSignalSpy months(&f.calendar, &clsCalendar::ShownMonthChanged);
        f.calendar.setShownMonth(2);
        QCOMPARE(months.count(), 0);
        QCOMPARE(f.calendar.SelectedDays().Count(), 0);
        QVERIFY(!f.calendar.MonthDataCol().Item(29)->Selected());
    }

    void navigationButtonsActOnRelease()
    {
        Fixture f(12, 2002);
        const QPoint next = clsCalendar::nextButtonRect(180).center();
        QTest::mousePress(&f.surface, Qt::LeftButton, {}, next);
        QVERIFY(f.calendar.ChangeMonthClicked());
        QVERIFY(f.calendar.isButtonPressed(clsCalendar::Button::Next));
        QCOMPARE(f.calendar.ShownMonth(), qint16(12));
        QTest::mouseRelease(&f.surface, Qt::LeftButton, {}, next);
        QVERIFY(!f.calendar.isButtonPressed(clsCalendar::Button::Next));
        QCOMPARE(f.calendar.ShownMonth(), qint16(1));
        QCOMPARE(f.calendar.ShownYear(), qint16(2003));

        // Dragged off the button before the release: no navigation.
        const QPoint previous = clsCalendar::previousButtonRect().center();
        QTest::mousePress(&f.surface, Qt::LeftButton, {}, previous);
        QVERIFY(f.calendar.isButtonPressed(clsCalendar::Button::Previous));
        QMouseEvent away(QEvent::MouseMove, QPointF(60, 60), f.surface.mapToGlobal(QPointF(60, 60)),
            Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&f.surface, &away);
        QVERIFY(!f.calendar.isButtonPressed(clsCalendar::Button::Previous));
        QTest::mouseRelease(&f.surface, Qt::LeftButton, {}, QPoint(60, 60));
        QCOMPARE(f.calendar.ShownMonth(), qint16(1));
        QVERIFY(f.calendar.ChangeMonthClicked());
    }

    void selectionRules()
    {
        Fixture f(3, 2003);
        f.calendar.SelectDay(QDate(2003, 4, 1)); // another month: nothing
        QCOMPARE(f.calendar.SelectedDays().Count(), 0);
        f.calendar.SelectDay(QDate(2003, 3, 5));
        f.calendar.SelectDay(QDate(2003, 3, 5));
        QCOMPARE(f.calendar.SelectedDays().Count(), 1);
        f.calendar.UnSelectDay(QDate(2003, 3, 5));
        QCOMPARE(f.calendar.SelectedDays().Count(), 0);
        QVERIFY(!f.calendar.MonthDataCol().Item(5)->Selected());
        QCOMPARE(errorOf([&] { f.calendar.UnSelectDay(QDate(2003, 4, 1)); }), 5);
        QCOMPARE(errorOf([&] { f.calendar.setShownMonth(13); }), 380);
        QCOMPARE(errorOf([&] { f.calendar.setShownYear(0); }), 380);
        QCOMPARE(f.calendar.ShownMonth(), qint16(3));
    }

    void propertiesReachableByName()
    {
        clsCalendar calendar;
        const QDate today = QDate::currentDate();
        QCOMPARE(calendar.property("ShownMonth").toInt(), today.month());
        QCOMPARE(calendar.MonthDataCol().Count(), today.daysInMonth());
        QVERIFY(calendar.setProperty("ShownYear", 2004));
        QString key;
        QVERIFY(QMetaObject::invokeMethod(
            &calendar, "FormatKey", Q_RETURN_ARG(QString, key), Q_ARG(QDate, QDate(2004, 1, 9))));
        QCOMPARE(key, QStringLiteral("09 Jan 2004"));
        // Without a surface, drawing does nothing.
        calendar.RefreshCalendar();
    }
};

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
