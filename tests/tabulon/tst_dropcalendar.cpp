#include <PropertyRoundTrip.h>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>
#include <TestSupport.h>
#include <common/HostConvert.h>
#include <common/PictureBox.h>
#include <tabulon/calendar/Zel_DropCalendar.h>
#include <tabulon/calendar/clsCalendar.h>

using namespace Tabulon;

namespace {

PictureBox* popupOf(const Zel_DropCalendar& editor)
{
    return editor.findChild<PictureBox*>(QStringLiteral("picPopup"));
}

QRect screenArea()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

/// A shown editor as a window of its own at \a topLeft (screen coordinates).
struct Shown
{
    Zel_DropCalendar editor;
    explicit Shown(QPoint topLeft = QPoint(100, 100))
    {
        editor.setGeometry(QRect(topLeft, QSize(120, 20)));
        editor.show();
        editor.activateWindow();
        if (!QTest::qWaitForWindowExposed(&editor))
            qWarning("editor not exposed");
    }
    void clickDropButton()
    {
        QTest::mouseClick(&editor, Qt::LeftButton, {}, editor.dropButtonRect().center());
    }
};

QPoint cellCentre(int position)
{
    return clsCalendar::cellRect(position).center();
}

} // namespace

class TestDropCalendar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void childrenAndPopupWindow()
    {
        Zel_DropCalendar editor;
        auto* label = editor.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label);
        PictureBox* popup = popupOf(editor);
        QVERIFY(popup);
        QCOMPARE(popup->parent(), &editor);
        QVERIFY(popup->windowFlags().testFlag(Qt::Popup));
        QCOMPARE(popup->size(), QSize(180, 180));
        auto* calendar = editor.findChild<clsCalendar*>();
        QVERIFY(calendar);
        QCOMPARE(calendar->pictureBox(), popup);
        // Today is selected from the start.
        QCOMPARE(calendar->SelectedDays().Count(), 1);
        QCOMPARE(calendar->SelectedDays().Item(1)->DateTime(), QDate::currentDate());
    }

    void captionDateShowsItsMonth()
    {
        Shown s;
        s.editor.setCaptionDate(QDate(2004, 2, 29));
        QCOMPARE(s.editor.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
            Zel::shortDate(QDate(2004, 2, 29)));
        QCOMPARE(s.editor.CaptionDate(), QDate(2004, 2, 29));
        clsCalendar* calendar = s.editor.calendar();
        calendar->ChangeMonth(1); // browsing before opening is forgotten
        s.clickDropButton();
        QVERIFY(s.editor.isPopupVisible());
        QCOMPARE(calendar->ShownMonth(), qint16(2));
        QCOMPARE(calendar->ShownYear(), qint16(2004));
        QVERIFY(calendar->MonthDataCol().Item(29)->Selected());
        const QImage& drawn = popupOf(s.editor)->persistentLayer();
        QCOMPARE(drawn.pixelColor(clsCalendar::cellRect(34).topLeft() + QPoint(2, 2)),
            QColor(0, 0, 255));
        // The window frame is drawn on the screen only; the month stays as drawn.
        QCOMPARE(drawn.pixelColor(0, 100), QColor(Qt::white));
        QVERIFY(popupOf(s.editor)->grab().toImage().pixelColor(0, 100) != QColor(Qt::white));
    }

    void opensOnlyFromTheDropButton()
    {
        Shown s;
        QTest::mouseClick(&s.editor, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!s.editor.isPopupVisible());
        // Pressed on the button, released off it: nothing.
        QTest::mousePress(&s.editor, Qt::LeftButton, {}, s.editor.dropButtonRect().center());
        QVERIFY(s.editor.isDropButtonPressed());
        QMouseEvent away(QEvent::MouseMove, QPointF(10, 10), s.editor.mapToGlobal(QPointF(10, 10)),
            Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&s.editor, &away);
        QVERIFY(!s.editor.isDropButtonPressed());
        QTest::mouseRelease(&s.editor, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(!s.editor.isPopupVisible());

        s.clickDropButton();
        QVERIFY(s.editor.isPopupVisible());
        const QPoint below = s.editor.mapToGlobal(QPoint(0, s.editor.height()));
        QCOMPARE(popupOf(s.editor)->pos(), below);
    }

    void clickOnTheFaceWhileOpenCloses()
    {
        // Through the window system, as a real click comes: while the popup
        // is open, Qt hands it the press and replays it once the popup closes.
        Shown s;
        QWindow* window = s.editor.windowHandle();
        const QPoint button = s.editor.dropButtonRect().center();
        QTest::mouseClick(window, Qt::LeftButton, {}, button);
        QVERIFY(s.editor.isPopupVisible());
        QTest::mouseClick(window, Qt::LeftButton, {}, button);
        QVERIFY(!s.editor.isPopupVisible());
        QVERIFY(!s.editor.isDropButtonPressed());
        QTest::mouseClick(window, Qt::LeftButton, {}, button);
        QVERIFY(s.editor.isPopupVisible());
    }

    void keyboardOpensAndEscapeCloses()
    {
        Shown s;
        QTest::keyClick(&s.editor, Qt::Key_Escape); // closed: nothing
        QVERIFY(!s.editor.isPopupVisible());
        QTest::keyClick(&s.editor, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(s.editor.isPopupVisible());
        QTest::keyClick(popupOf(s.editor), Qt::Key_Escape);
        QVERIFY(!s.editor.isPopupVisible());
        QTest::keyClick(&s.editor, Qt::Key_F4);
        QVERIFY(s.editor.isPopupVisible());
        QTest::keyClick(&s.editor, Qt::Key_Escape);
        QVERIFY(!s.editor.isPopupVisible());
    }

    void keysMoveTheDayInThePopup()
    {
        Shown s;
        s.editor.setCaptionDate(QDate(2004, 2, 29));
        QSignalSpy changed(&s.editor, &Zel_DropCalendar::ChangeDate);
        clsCalendar* calendar = s.editor.calendar();
        PictureBox* popup = popupOf(s.editor);
        QTest::keyClick(&s.editor, Qt::Key_Down, Qt::AltModifier);
        QTest::keyClick(popup, Qt::Key_Right);
        QCOMPARE(calendar->ShownMonth(), qint16(3));
        QVERIFY(calendar->MonthDataCol().Item(1)->Selected());
        QTest::keyClick(popup, Qt::Key_Left);
        QTest::keyClick(popup, Qt::Key_Up);
        QCOMPARE(calendar->ShownMonth(), qint16(2));
        QVERIFY(calendar->MonthDataCol().Item(22)->Selected());
        QCOMPARE(calendar->SelectedDays().Count(), 1);
        // Moving is no choice: Escape leaves the date as it was.
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(!s.editor.isPopupVisible());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(s.editor.CaptionDate(), QDate(2004, 2, 29));

        QTest::keyClick(&s.editor, Qt::Key_F4);
        QVERIFY(calendar->MonthDataCol().Item(29)->Selected());
        QTest::keyClick(popup, Qt::Key_PageDown); // 29 March
        QTest::keyClick(popup, Qt::Key_Home); // 1 March
        QTest::keyClick(popup, Qt::Key_Up); // 23 February
        QTest::keyClick(popup, Qt::Key_Return);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toDate(), QDate(2004, 2, 23));
        QVERIFY(!s.editor.isPopupVisible());
        QCOMPARE(s.editor.CaptionDate(), QDate(2004, 2, 23));
    }

    void placedAboveNearTheBottomAndKeptOnTheScreen()
    {
        const QRect area = screenArea();
        Shown s(QPoint(area.right() - 60, area.bottom() - 40));
        s.clickDropButton();
        const QRect popup = popupOf(s.editor)->geometry();
        const QRect control(s.editor.mapToGlobal(QPoint(0, 0)), s.editor.size());
        QCOMPARE(popup.bottom() + 1, control.top());
        QCOMPARE(popup.right(), area.right());
    }

    void dayClickRaisesChangeDateOnceAndCloses()
    {
        Shown s;
        s.editor.setCaptionDate(QDate(2004, 2, 10));
        QSignalSpy changed(&s.editor, &Zel_DropCalendar::ChangeDate);
        QStringList order;
        connect(&s.editor, &Zel_DropCalendar::CaptionDateChanged, this,
            [&](const QDate& date) { order << QStringLiteral("caption ") + date.toString(); });
        connect(&s.editor, &Zel_DropCalendar::ChangeDate, this,
            [&](const QDate& date) { order << QStringLiteral("change ") + date.toString(); });
        s.clickDropButton();
        PictureBox* popup = popupOf(s.editor);
        QVERIFY(order.isEmpty()); // opening shows the date it has
        QTest::mousePress(popup, Qt::LeftButton, {}, cellCentre(6 + 20)); // the 21st
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toDate(), QDate(2004, 2, 21));
        const QString day = QDate(2004, 2, 21).toString();
        QCOMPARE(order,
            QStringList({ QStringLiteral("caption ") + day, QStringLiteral("change ") + day }));
        QVERIFY(s.editor.isPopupVisible());
        QTest::mouseRelease(popup, Qt::LeftButton, {}, cellCentre(6 + 20));
        QVERIFY(!s.editor.isPopupVisible());
        QCOMPARE(changed.count(), 1);
        QCOMPARE(s.editor.CaptionDate(), QDate(2004, 2, 21));
    }

    void monthButtonsBrowseWithoutClosing()
    {
        Shown s;
        s.editor.setCaptionDate(QDate(2004, 12, 1));
        QSignalSpy changed(&s.editor, &Zel_DropCalendar::ChangeDate);
        QSignalSpy captions(&s.editor, &Zel_DropCalendar::CaptionDateChanged);
        QSignalSpy years(s.editor.calendar(), &clsCalendar::ShownYearChanged);
        s.clickDropButton();
        PictureBox* popup = popupOf(s.editor);
        QTest::mouseClick(popup, Qt::LeftButton, {}, clsCalendar::nextButtonRect(180).center());
        QVERIFY(s.editor.isPopupVisible());
        QCOMPARE(s.editor.calendar()->ShownMonth(), qint16(1));
        QCOMPARE(s.editor.calendar()->ShownYear(), qint16(2005));
        QCOMPARE(years.count(), 1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(captions.count(), 0);
        // A press on an empty cell takes no date but closes on release.
        QTest::mouseClick(popup, Qt::LeftButton, {}, cellCentre(0));
        QVERIFY(!s.editor.isPopupVisible());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(s.editor.CaptionDate(), QDate(2004, 12, 1));
    }

    void focusLossClosesUnlessToThePopup()
    {
        Shown s;
        s.clickDropButton();
        QFocusEvent toPopup(QEvent::FocusOut, Qt::PopupFocusReason);
        QCoreApplication::sendEvent(&s.editor, &toPopup);
        QVERIFY(s.editor.isPopupVisible());
        QFocusEvent elsewhere(QEvent::FocusOut, Qt::MouseFocusReason);
        QCoreApplication::sendEvent(&s.editor, &elsewhere);
        QVERIFY(!s.editor.isPopupVisible());
    }

    void closesWhenHiddenMovedOrDestroyed()
    {
        Shown s;
        s.clickDropButton();
        s.editor.hide();
        QVERIFY(!s.editor.isPopupVisible());

        s.editor.show();
        s.clickDropButton();
        QVERIFY(s.editor.isPopupVisible());
        s.editor.move(s.editor.pos() + QPoint(0, 20));
        QVERIFY(!s.editor.isPopupVisible());

        // Inside a container that moves (a scroll area scrolling).
        QWidget window;
        window.resize(300, 200);
        QWidget container(&window);
        container.setGeometry(0, 0, 300, 200);
        Zel_DropCalendar inner(&container);
        inner.setGeometry(10, 10, 120, 20);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        inner.showPopup();
        QVERIFY(inner.isPopupVisible());
        container.move(0, -30);
        QVERIFY(!inner.isPopupVisible());
        container.move(0, 0);
        inner.showPopup();
        window.resize(320, 200);
        QVERIFY(!inner.isPopupVisible());

        auto* editor = new Zel_DropCalendar;
        editor->show();
        editor->showPopup();
        QPointer<PictureBox> popup = popupOf(*editor);
        QVERIFY(popup && popup->isVisible());
        delete editor;
        QVERIFY(popup.isNull());
    }

    void propertiesRoundTripThroughJson()
    {
        Zel_DropCalendar original;
        original.setBackColor(0x00C0FF);
        original.setEnabled(false);
        StdFont font(QStringLiteral("Verdana"), 11);
        font.setItalic(true);
        original.setFont(font);
        original.setBorderApperance(1);
        original.setCaptionDate(QDate(2003, 3, 5));
        PropertyBag bag;
        original.saveProperties(bag);
        PropertyBag reread;
        QVERIFY(reread.loadJson(bag.toJson()));

        Zel_DropCalendar copy;
        copy.loadProperties(reread);
        QCOMPARE(copy.BackColor(), OLE_COLOR(0x00C0FF));
        QVERIFY(!copy.Enabled());
        QCOMPARE(copy.Font(), font);
        QCOMPARE(copy.BorderApperance(), qint16(1));
        QCOMPARE(copy.CaptionDate(), QDate(2003, 3, 5));
        QCOMPARE(copy.calendar()->ShownMonth(), qint16(3));
        QVERIFY(!copy.isDirty());

        // Defaults are not written; an empty caption reads back empty.
        Zel_DropCalendar fresh;
        fresh.setCaptionDate(QDate());
        PropertyBag defaults;
        fresh.saveProperties(defaults);
        QVERIFY(defaults.isEmpty());
        QCOMPARE(errorOf([&] { fresh.setBorderApperance(2); }), 380);
        QCOMPARE(errorOf([&] { fresh.setCaptionDate(QDate(99, 1, 1)); }), 380);
        QCOMPARE(fresh.CaptionDate(), QDate());
        QVERIFY(fresh.setProperty("CaptionDate", QDate(2010, 6, 1)));
        QCOMPARE(fresh.property("CaptionDate").toDate(), QDate(2010, 6, 1));
    }

    void everyPropertyRoundTrips()
    {
        RoundTripOptions options;
        options.notifyRequired = true;
        const QString faults
            = checkPropertyRoundTrip([] { return std::make_unique<Zel_DropCalendar>(); }, options);
        QVERIFY2(faults.isEmpty(), qPrintable(faults));
    }
};

QTEST_MAIN(TestDropCalendar)
#include "tst_dropcalendar.moc"
