// Preview mode: hotspot hover and click events, the pointer, the tooltip and
// its caption, the hit rules and the keyboard.

#include "ZonecraftTestSupport.h"
#include "control/FigureObject.h"
#include "control/PreviewController.h"
#include "control/Zonecraft_p.h"
#include "graphics/CTooltip.h"
#include "graphics/CTooltipWindow.h"

#include <QLineEdit>
#include <QTest>
#include <common/MousePointer.h>

namespace {

using Status = QPair<int, int>;

QList<Status> statuses(QSignalSpy& spy)
{
    QList<Status> out;
    for (const auto& args : std::as_const(spy))
        out << Status(args.at(0).toInt(), args.at(1).toInt());
    spy.clear();
    return out;
}

// The next PreviewClick's MouseStatus, Index and Button.
QList<int> nextClick(QSignalSpy& spy)
{
    const QVariantList args = spy.takeFirst();
    return { args.at(0).toInt(), args.at(1).toInt(), args.at(2).toInt() };
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void enterMoveAndLeave();
    void movingBetweenHotspotsKeepsThePointer();
    void clicksChangeNeitherPointerNorTip();
    void customIconPointer();
    void captionGivenDuringTheEvent();
    void tipLooks();
    void anyObjectWithTheTwoMembers();
    void tipGoesWithItsControl();
    void hitRules_data();
    void hitRules();
    void keyboardWalksTheHotspots();
    void mouseOverTheWorkPicture();
    void leavingPreviewDropsHoverAndTip();
    void modeSwitchKeepsTheZoom();

private:
    Zonecraft& z() { return fixture->z(); }
    ZonecraftPrivate* d() { return ZonecraftPrivate::get(&fixture->z()); }
    QObject* figure(qint32 number) { return d()->preview->figureObject(number); }
    CTooltipWindow* tipWindow() { return d()->preview->tooltip()->tipWindow(); }

    std::unique_ptr<ZonecraftFixture> fixture;
};

void TestPreview::init()
{
    fixture = std::make_unique<ZonecraftFixture>();
    z().DrawNewRectangle(10, 10, 100, 100); // 1
    z().DrawNewCircle(200, 200, 40); // 2
    z().DrawNewPolygon(QStringLiteral("300,10,400,10,350,90")); // 3
    z().setImagemapMode(Zonecraft::PreviewMode);
}

void TestPreview::cleanup()
{
    fixture.reset();
}

void TestPreview::enterMoveAndLeave()
{
    QSignalSpy status(&z(), &Zonecraft::PreviewStatus);
    QSignalSpy click(&z(), &Zonecraft::PreviewClick);
    PictureBox* work = z().WorkPicture();
    z().setPreviewMousePointer(Zel::PointerCross);

    // Over the bare picture nothing is reported.
    z().PreviewObject(nullptr);
    QVERIFY(status.isEmpty());

    z().PreviewObject(figure(1));
    QCOMPARE(statuses(status), QList<Status>({ { Zonecraft::area_figure, 1 } }));
    QCOMPARE(work->MousePointer(), qint16(Zel::PointerCross));
    QVERIFY(tipWindow());
    QVERIFY(figure(1)->property("Selected").toBool());
    QCOMPARE(z().m_MouseObject(), 1);

    // Further moves inside the same hotspot raise nothing and keep the tip.
    CTooltipWindow* const tip = tipWindow();
    z().PreviewObject(figure(1));
    z().PreviewObject(figure(1));
    QVERIFY(status.isEmpty());
    QCOMPARE(tipWindow(), tip);

    z().PreviewObject(nullptr);
    QCOMPARE(statuses(status), QList<Status>({ { Zonecraft::Area_Picture, 0 } }));
    QCOMPARE(work->MousePointer(), qint16(Zel::PointerDefault));
    QVERIFY(!tipWindow());
    QVERIFY(work->toolTip().isEmpty());
    QVERIFY(!figure(1)->property("Selected").toBool());
    QCOMPARE(z().m_MouseObject(), 0);

    // Leaving is reported once.
    z().PreviewObject(nullptr);
    QVERIFY(status.isEmpty());
    QVERIFY(click.isEmpty());
}

void TestPreview::movingBetweenHotspotsKeepsThePointer()
{
    QSignalSpy status(&z(), &Zonecraft::PreviewStatus);
    PictureBox* work = z().WorkPicture();
    z().setPreviewMousePointer(Zel::PointerCross);
    z().PreviewObject(figure(1));
    const QPointer<CTooltipWindow> first = tipWindow();

    // A pointer chosen now applies at the next entry from the picture only.
    z().setPreviewMousePointer(Zel::PointerSizeNS);
    z().PreviewObject(figure(3));
    QCOMPARE(statuses(status),
        QList<Status>({ { Zonecraft::area_figure, 1 }, { Zonecraft::area_figure, 3 } }));
    QCOMPARE(work->MousePointer(), qint16(Zel::PointerCross));
    QVERIFY(!first); // rebuilt: the first tip window is gone
    QVERIFY(tipWindow());
    QVERIFY(!figure(1)->property("Selected").toBool());
    QVERIFY(figure(3)->property("Selected").toBool());

    z().PreviewObject(nullptr);
    z().PreviewObject(figure(2));
    QCOMPARE(work->MousePointer(), qint16(Zel::PointerSizeNS));
}

void TestPreview::clicksChangeNeitherPointerNorTip()
{
    QSignalSpy status(&z(), &Zonecraft::PreviewStatus);
    QSignalSpy click(&z(), &Zonecraft::PreviewClick);
    PictureBox* work = z().WorkPicture();
    z().setPreviewMousePointer(Zel::PointerCross);

    z().PreviewObject(nullptr, true, 2);
    QCOMPARE(click.count(), 1);
    QCOMPARE(nextClick(click), QList<int>({ Zonecraft::Area_Picture, 0, 2 }));
    QCOMPARE(work->MousePointer(), qint16(Zel::PointerDefault));

    z().PreviewObject(figure(2));
    CTooltipWindow* const tip = tipWindow();
    status.clear();
    z().PreviewObject(figure(2), true, 1);
    QCOMPARE(nextClick(click), QList<int>({ Zonecraft::area_figure, 2, 1 }));
    QVERIFY(status.isEmpty());
    QCOMPARE(tipWindow(), tip);
    QCOMPARE(work->MousePointer(), qint16(Zel::PointerCross));

    // A click straight after entering another hotspot does not report the
    // entry: the next move does.
    z().PreviewObject(figure(1), true, 1);
    QCOMPARE(nextClick(click), QList<int>({ Zonecraft::area_figure, 1, 1 }));
    QVERIFY(status.isEmpty());
    QCOMPARE(tipWindow(), tip);
    z().PreviewObject(figure(1));
    QVERIFY(status.isEmpty()); // the hovered figure is 1 already

    // A click over the picture after a hotspot leaves without the leave report.
    z().PreviewObject(nullptr, true, 1);
    QCOMPARE(nextClick(click), QList<int>({ Zonecraft::Area_Picture, 0, 1 }));
    QVERIFY(status.isEmpty());
    QCOMPARE(tipWindow(), tip);
}

void TestPreview::customIconPointer()
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    const StdPicture icon(image, StdPicture::Icon);
    z().setPreviewMousePointer(Zel::PointerCross);
    z().setPreviewMouseIcon(icon);
    z().PreviewObject(figure(1));
    QCOMPARE(z().WorkPicture()->MousePointer(), qint16(Zel::PointerCustom));
    QVERIFY(z().WorkPicture()->MouseIcon().isSameObject(icon));
    z().PreviewObject(nullptr);
    QCOMPARE(z().WorkPicture()->MousePointer(), qint16(Zel::PointerDefault));

    // A pointer number the work picture cannot show leaves the default one.
    z().setPreviewMouseIcon(StdPicture());
    z().setPreviewMousePointer(42);
    z().PreviewObject(figure(1));
    QCOMPARE(z().WorkPicture()->MousePointer(), qint16(Zel::PointerDefault));
}

void TestPreview::captionGivenDuringTheEvent()
{
    connect(&z(), &Zonecraft::PreviewStatus, this, [this](Zonecraft::MouseArea area, qint32 index) {
        if (area == Zonecraft::area_figure)
            z().Tooltip_Caption(QStringLiteral("Hotspot %1").arg(index));
    });
    z().PreviewObject(figure(1));
    QCOMPARE(tipWindow()->settings().text, QStringLiteral("Hotspot 1"));
    QCOMPARE(z().WorkPicture()->toolTip(), QStringLiteral("Hotspot 1"));
    z().PreviewObject(figure(2));
    QCOMPARE(tipWindow()->settings().text, QStringLiteral("Hotspot 2"));
    QCOMPARE(z().WorkPicture()->toolTip(), QStringLiteral("Hotspot 2"));

    // A caption given later waits for the next tip.
    z().Tooltip_Caption(QStringLiteral("later"));
    QCOMPARE(tipWindow()->settings().text, QStringLiteral("Hotspot 2"));

    // The tip covers the whole work picture.
    QCOMPARE(tipWindow()->settings().toolRect, z().WorkPicture()->rect());

    z().Delete_Tooltip();
    QVERIFY(!tipWindow());
    QVERIFY(z().WorkPicture()->toolTip().isEmpty());
}

void TestPreview::tipLooks()
{
    z().setTooltips_BackColor(0x0000FF);
    z().setTooltips_ForeColor(0x00FF00);
    z().PreviewObject(figure(1));
    TipSettings settings = tipWindow()->settings();
    QVERIFY(!settings.balloon);
    QVERIFY(!settings.centered);
    // The tip keeps the platform's tip background and black text; the two
    // stored colours do not reach it.
    QVERIFY(!settings.backColor.has_value());
    QCOMPARE(settings.textColor, std::optional<QColor>(QColor(Qt::black)));

    z().setTooltips_Style(Zonecraft::UseBalloon);
    z().PreviewObject(figure(2));
    QVERIFY(tipWindow()->settings().balloon);
    // Any style other than the standard one gives a balloon.
    z().setTooltips_Style(Zonecraft::Tool_Style(7));
    z().PreviewObject(figure(3));
    QVERIFY(tipWindow()->settings().balloon);
}

void TestPreview::anyObjectWithTheTwoMembers()
{
    QSignalSpy status(&z(), &Zonecraft::PreviewStatus);
    auto host = std::make_unique<QObject>();
    host->setProperty("ControlIndex", 7);
    host->setProperty("Selected", false);
    z().PreviewObject(host.get());
    QVERIFY(host->property("Selected").toBool());
    QCOMPARE(statuses(status), QList<Status>({ { Zonecraft::area_figure, 7 } }));

    // The host's object is gone before the next move: the move counts as an
    // entry from the picture, which is what the pointer shows.
    host.reset();
    z().PreviewObject(figure(1));
    QCOMPARE(statuses(status), QList<Status>({ { Zonecraft::area_figure, 1 } }));

    // An object of a removed figure reads as not selected and takes no flag.
    QObject* third = figure(3);
    z().RemoveFigure(3);
    z().PreviewObject(third);
    QVERIFY(!third->property("Selected").toBool());
    QCOMPARE(figure(3), nullptr);
}

void TestPreview::tipGoesWithItsControl()
{
    QWidget window;
    window.resize(720, 540);
    auto* control = new Zonecraft(&window);
    control->resize(700, 520);
    QImage image(320, 240, QImage::Format_RGB32);
    image.fill(Qt::white);
    control->setPicture(StdPicture(image));
    control->DrawNewRectangle(10, 10, 100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    ZonecraftPrivate* cd = ZonecraftPrivate::get(control);
    control->PreviewObject(cd->preview->figureObject(1));
    QPointer<CTooltipWindow> tip = cd->preview->tooltip()->tipWindow();
    QVERIFY(tip);
    tip->showAt(QPoint(20, 20));
    QVERIFY(tip->isVisible());

    // Hiding the window hides the tip; deleting the control removes it.
    window.hide();
    QVERIFY(!tip->isVisible());
    window.show();
    delete control;
    QVERIFY(!tip);
}

void TestPreview::hitRules_data()
{
    QTest::addColumn<bool>("browser");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<int>("expected");

    // Figure 4 overlaps rectangle 1; figure 5 is a circle of centre (500, 300), radius 20.
    QTest::newRow("overlap, editor: last created") << false << QPointF(50, 50) << 4;
    QTest::newRow("overlap, browser: first in order") << true << QPointF(50, 50) << 1;
    QTest::newRow("rim, editor: outside") << false << QPointF(520, 300) << 0;
    QTest::newRow("rim, browser: inside") << true << QPointF(520, 300) << 5;
    QTest::newRow("rectangle edge, editor") << false << QPointF(10, 30) << 1;
    QTest::newRow("rectangle edge, browser") << true << QPointF(10, 30) << 1;
    QTest::newRow("bare picture") << true << QPointF(600, 450) << 0;
}

void TestPreview::hitRules()
{
    QFETCH(bool, browser);
    QFETCH(QPointF, point);
    QFETCH(int, expected);
    QVERIFY(!z().BrowserHitRules());
    z().DrawNewRectangle(40, 40, 60, 60); // 4
    z().DrawNewCircle(500, 300, 20); // 5
    z().setBrowserHitRules(browser);
    QObject* hit = d()->preview->objectAt(point);
    QCOMPARE(hit ? hit->property("ControlIndex").toInt() : 0, expected);

    // The mouse entry reports the same hotspot.
    QSignalSpy status(&z(), &Zonecraft::PreviewStatus);
    d()->preview->mouseMoved(point);
    QCOMPARE(status.isEmpty() ? 0 : status.first().at(1).toInt(), expected);
}

void TestPreview::keyboardWalksTheHotspots()
{
    QWidget window;
    QLineEdit before(&window);
    fixture->control->setParent(&window);
    fixture->control->move(0, 30);
    QLineEdit after(&window);
    after.move(0, 560);
    QWidget::setTabOrder(&before, z().WorkPicture());
    QWidget::setTabOrder(z().WorkPicture(), &after);
    window.resize(720, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy click(&z(), &Zonecraft::PreviewClick);
    const auto ring = [this] {
        return z().WorkPicture()->findChild<QWidget*>(QStringLiteral("PreviewFocusRing"));
    };

    // Tabbing in focuses the first hotspot in document order.
    z().WorkPicture()->setFocus(Qt::TabFocusReason);
    QCOMPARE(d()->preview->focusedIndex(), 1);
    QVERIFY(ring() && ring()->isVisible());
    QCOMPARE(ring()->geometry(), QRect(9, 9, 93, 93)); // the rectangle and a pixel of room
    QTest::keyClick(z().WorkPicture(), Qt::Key_Tab);
    QCOMPARE(d()->preview->focusedIndex(), 2);
    QTest::keyClick(z().WorkPicture(), Qt::Key_Return);
    QCOMPARE(nextClick(click), QList<int>({ Zonecraft::area_figure, 2, 1 }));
    QTest::keyClick(z().WorkPicture(), Qt::Key_Tab);
    QTest::keyClick(z().WorkPicture(), Qt::Key_Backtab);
    QCOMPARE(d()->preview->focusedIndex(), 2);
    QTest::keyClick(z().WorkPicture(), Qt::Key_Tab);
    QCOMPARE(d()->preview->focusedIndex(), 3);

    // Past the last hotspot the focus leaves the map, ring and all.
    QTest::keyClick(z().WorkPicture(), Qt::Key_Tab);
    QCOMPARE(d()->preview->focusedIndex(), 0);
    QVERIFY(!ring()->isVisible());
    QVERIFY(after.hasFocus());
    QTest::keyClick(z().WorkPicture(), Qt::Key_Return);
    QVERIFY(click.isEmpty());

    // Shift+Tab back in focuses the last one; Enter in design mode clicks nothing.
    z().WorkPicture()->setFocus(Qt::BacktabFocusReason);
    QCOMPARE(d()->preview->focusedIndex(), 3);
    z().setImagemapMode(Zonecraft::DesignMode);
    QCOMPARE(d()->preview->focusedIndex(), 0);
    QTest::keyClick(z().WorkPicture(), Qt::Key_Return);
    QVERIFY(click.isEmpty());
    fixture->control->setParent(nullptr);
}

void TestPreview::mouseOverTheWorkPicture()
{
    z().show();
    QVERIFY(QTest::qWaitForWindowExposed(&z()));
    QSignalSpy status(&z(), &Zonecraft::PreviewStatus);
    QSignalSpy click(&z(), &Zonecraft::PreviewClick);
    connect(&z(), &Zonecraft::PreviewStatus, this, [this](Zonecraft::MouseArea, qint32 index) {
        z().Tooltip_Caption(QString::number(index));
    });
    PictureBox* work = z().WorkPicture();
    z().setPreviewMousePointer(Zel::PointerUpArrow);
    const qint32 selected = z().SelectedIndex();

    QTest::mouseMove(work, QPoint(150, 150));
    QTest::mouseMove(work, QPoint(50, 50));
    QTest::mouseMove(work, QPoint(60, 60));
    QCOMPARE(statuses(status), QList<Status>({ { Zonecraft::area_figure, 1 } }));
    QCOMPARE(work->cursor().shape(), Qt::UpArrowCursor);
    QCOMPARE(work->toolTip(), QStringLiteral("1"));

    QTest::mouseClick(work, Qt::RightButton, {}, QPoint(60, 60));
    QCOMPARE(nextClick(click), QList<int>({ Zonecraft::area_figure, 1, 2 }));
    QTest::mouseMove(work, QPoint(200, 200)); // the circle's centre
    QTest::mouseMove(work, QPoint(150, 300));
    QCOMPARE(statuses(status),
        QList<Status>({ { Zonecraft::area_figure, 2 }, { Zonecraft::Area_Picture, 0 } }));
    QCOMPARE(work->cursor().shape(), Qt::ArrowCursor);
    QTest::mouseClick(work, Qt::LeftButton, {}, QPoint(150, 300));
    QCOMPARE(nextClick(click), QList<int>({ Zonecraft::Area_Picture, 0, 1 }));
    // Nothing was edited on the way.
    QCOMPARE(z().CountFigures(), 3);
    QCOMPARE(z().SelectedIndex(), selected);
}

void TestPreview::leavingPreviewDropsHoverAndTip()
{
    z().ActivateHotspot(2);
    z().PreviewObject(figure(2));
    z().PreviewObject(figure(1));
    QVERIFY(tipWindow());
    z().setImagemapMode(Zonecraft::DesignMode);
    QVERIFY(!tipWindow());
    QVERIFY(z().WorkPicture()->toolTip().isEmpty());
    QCOMPARE(z().m_MouseObject(), 0);
    // The editing selection is as it was.
    QVERIFY(!figure(1)->property("Selected").toBool());
    QVERIFY(figure(2)->property("Selected").toBool());
    QCOMPARE(z().SelectedIndex(), 2);
}

void TestPreview::modeSwitchKeepsTheZoom()
{
    // The rectangle's left edge at x = 10, seen at zoom 100 and at zoom 200.
    PictureBox* work = z().WorkPicture();
    const auto edgeShows = [work](int zoom) {
        return work->Point(float(10 * zoom / 100), float(50 * zoom / 100)) != 0xFFFFFF;
    };
    z().setImagemapMode(Zonecraft::DesignMode);
    z().setZoomLevel(200);
    QCOMPARE(work->size(), QSize(1280, 960));
    QVERIFY(edgeShows(200));
    QSignalSpy zoomSet(&z(), &Zonecraft::ZoomLevelSet);

    // Without ZoomToNormal preview keeps the zoom; the figures are gone.
    z().setZoomToNormal(false);
    z().setImagemapMode(Zonecraft::PreviewMode);
    QCOMPARE(work->size(), QSize(1280, 960));
    QVERIFY(zoomSet.isEmpty());
    QVERIFY(!edgeShows(200));
    z().setImagemapMode(Zonecraft::DesignMode);
    QCOMPARE(zoomSet.takeFirst().at(0).toInt(), 200);
    QVERIFY(edgeShows(200));

    // With it the visitor sees 100 %, while ZoomLevel stays; the same mode
    // again touches nothing; design gives the level back.
    z().setZoomToNormal(true);
    z().PreviewObject(nullptr);
    z().setImagemapMode(Zonecraft::PreviewMode);
    QCOMPARE(zoomSet.takeFirst().at(0).toInt(), 100);
    QCOMPARE(work->size(), QSize(640, 480));
    QCOMPARE(z().ZoomLevel(), 200);
    QVERIFY(!edgeShows(100));
    z().PreviewObject(figure(1));
    QVERIFY(tipWindow());
    work->setMousePointer(Zel::PointerCross);
    z().setImagemapMode(Zonecraft::PreviewMode);
    QVERIFY(zoomSet.isEmpty());
    QCOMPARE(work->size(), QSize(640, 480));
    QVERIFY(tipWindow());
    QCOMPARE(work->MousePointer(), qint16(Zel::PointerDefault));

    z().setImagemapMode(Zonecraft::DesignMode);
    QCOMPARE(zoomSet.takeFirst().at(0).toInt(), 200);
    QCOMPARE(work->size(), QSize(1280, 960));
    QVERIFY(edgeShows(200));
    QVERIFY(!tipWindow());
    QVERIFY(work->toolTip().isEmpty());

    // A control that never showed preview has no level to give back: a
    // level of 0 would shrink the picture to nothing.
    ZonecraftFixture fresh;
    fresh.z().setZoomLevel(300);
    fresh.z().setImagemapMode(Zonecraft::AppMode(0));
    fresh.z().setImagemapMode(Zonecraft::DesignMode);
    QCOMPARE(fresh.z().WorkPicture()->size(), QSize(1920, 1440));
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
