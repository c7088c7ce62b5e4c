// The view: layout of the children, scroll ranges and edge marks, zoom and
// its report, scrolling, and the work surface that holds only what shows.

#include "ZonecraftTestSupport.h"
#include "control/Zonecraft_p.h"
#include "figures/FigurePainter.h"
#include "graphics/cDIB32.h"
#include "ruler/Zel_AreaScroller.h"
#include "view/ViewLayout.h"
#include "view/ZonecraftView.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWindow>
#include <common/LineControl.h>
#include <common/PropertyBag.h>

namespace {

constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Red = 0xFF0000; // as a QRgb
constexpr QRgb EdgeGrey = 0x808080;
constexpr QRgb ViewportGrey = 0xC0C0C0;

QImage plainPicture(int width, int height, QColor colour = Qt::white)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

/// Every pixel different, so a zoom or window that lands one pixel off shows.
QImage noisyPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator rng(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000u | rng.bounded(0x1000000u));
    return image;
}

/// A shown control of \a size (the layout runs on its resize event).
struct ViewFixture
{
    explicit ViewFixture(QSize size = QSize(700, 520))
    {
        control = std::make_unique<Zonecraft>();
        control->resize(size);
        control->show();
    }
    Zonecraft& z() { return *control; }
    ZonecraftPrivate& d() { return *ZonecraftPrivate::get(control.get()); }
    template<typename T = QWidget> T* child(const char* name)
    {
        return control->findChild<T*>(QString::fromLatin1(name));
    }
    PictureBox* viewport() { return child<PictureBox>("Picture3"); }
    PictureBox* work() { return control->WorkPicture(); }
    QScrollBar* hBar() { return child<QScrollBar>("HScroll1"); }
    QScrollBar* vBar() { return child<QScrollBar>("VScroll1"); }
    Zel_AreaScroller* hRuler() { return child<Zel_AreaScroller>("Zel_HRuler"); }
    Zel_AreaScroller* vRuler() { return child<Zel_AreaScroller>("Zel_VRuler"); }
    LineControl* line(const char* name) { return child<LineControl>(name); }
    bool shown(QWidget* w) { return w->isVisibleTo(control.get()); }

    std::unique_ptr<Zonecraft> control;
};

QRgb rgb(qint32 oleColour)
{
    // OLE colours are 0x00BBGGRR.
    const quint32 c = quint32(oleColour);
    return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

/// The whole work picture as one full-size paint pass would leave it: the
/// zoomed picture, every figure, the handles.
QImage wholeSurface(ZonecraftPrivate& d, const QImage& picture, int level)
{
    cDIB32 surface;
    surface.CreateFromStdPicture(StdPicture(picture));
    QImage out = surface.ZoomPicture(nullptr, level).image().convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    p.setRenderHint(QPainter::Antialiasing, false);
    const zc::FigurePainter painter(d.paintSettings());
    painter.paintFigures(p, d.figures.figures(), out.rect());
    if (d.selected)
        painter.paintHandles(p, *d.selected, d.selectionBox);
    return out;
}

/// What the window system shows of \a widget now: its part of the
/// window's backing store, after every pending repaint has been done.
QImage onScreen(QWidget* widget)
{
    QCoreApplication::processEvents();
    QWidget* top = widget->window();
    const QPoint at = widget->mapTo(top, QPoint(0, 0));
    return top->screen()
        ->grabWindow(top->winId(), at.x(), at.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

/// Adds up the area of the paint events a widget receives.
class PaintedArea : public QObject
{
public:
    explicit PaintedArea(QWidget* widget) { widget->installEventFilter(this); }
    qint64 pixels = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                pixels += qint64(r.width()) * r.height();
        }
        return false;
    }
};

} // namespace

class TestView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void childrenAndTheirNames();
    void layoutOfEveryCombination_data();
    void layoutOfEveryCombination();
    void layoutLeavesRoomForTheTabStripAndReadsTheRuler();
    void smallPictureDisablesBarsAndMarksItsEdges();
    void pictureLargerInOneDirection_data();
    void pictureLargerInOneDirection();
    void horizontalBarStaysOffWhenNotAllowed();
    void reportedZoomLevels_data();
    void reportedZoomLevels();
    void zoomShowsTheStandardSizeTimesTheLevel();
    void newPictureShowsAt100AndKeepsZoomLevel();
    void suppressedRepaintStoresButShowsNothingNew();
    void pictureWidthReappliesTheLastLevel();
    void scrollingMovesThePictureAndTheRulers();
    void zoomResetsScrollingAndRulers();
    void barNoLongerNeededReturnsToZero();
    void zoomOfZeroKeepsTheControlUsable();
    void figureHitAndDrawnWhereItIsZoomed_data();
    void figureHitAndDrawnWhereItIsZoomed();
    void largePictureHoldsOnlyTheViewport();
    void windowAgreesWithAWholePaintWhileScrolling();
    void screenAfterScrollsZoomsAndEditsMatchesAFullRepaint();
    void smallScrollRepaintsOnlyTheExposedStrip();
    void rulersKeepTheirStartUpStyleWhenLoaded();
    void rulerStyleFollowsTheControl();
};

void TestView::childrenAndTheirNames()
{
    ViewFixture fx;
    for (const char* name : { "Picture3", "WorkPicture", "Zel_HRuler", "Zel_VRuler", "HScroll1",
             "VScroll1", "Line1", "Line2", "Line3" })
        QVERIFY2(fx.child(name), name);
    QCOMPARE(fx.work()->parentWidget(), fx.viewport());
    QCOMPARE(fx.line("Line2")->parentWidget(), fx.viewport());
    QCOMPARE(fx.line("Line3")->parentWidget(), fx.viewport());
    QCOMPARE(fx.hRuler()->Orientation(), 0);
    QCOMPARE(fx.vRuler()->Orientation(), 1);
    QCOMPARE(fx.hRuler()->BackColor(), OLE_COLOR(0xFFFFFF));
    QCOMPARE(fx.line("Line1")->BorderColor(), OLE_COLOR(0x80000010));
    QCOMPARE(fx.line("Line2")->BorderColor(), OLE_COLOR(0x808080));
    QCOMPARE(fx.viewport()->BackColor(), OLE_COLOR(0xC0C0C0));
    QCOMPARE(fx.work()->BackColor(), OLE_COLOR(0xE0E0E0));
}

void TestView::layoutOfEveryCombination_data()
{
    QTest::addColumn<bool>("scrollbars");
    QTest::addColumn<bool>("rulers");
    QTest::addColumn<QRect>("viewport");
    QTest::addColumn<QRect>("hRuler");
    QTest::addColumn<QRect>("vRuler");
    // A 700 x 520 control, bars 20 thick. Bars and Line1 are the same in
    // both rows that show them.
    QTest::newRow("bars and rulers") << true << true << QRect(21, 20, 659, 479)
                                     << QRect(20, 0, 660, 20) << QRect(0, 19, 21, 479);
    QTest::newRow("bars only") << true << false << QRect(0, 0, 679, 499) << QRect() << QRect();
    QTest::newRow("rulers only") << false << true << QRect(21, 20, 680, 520)
                                 << QRect(20, 0, 660, 20) << QRect(0, 19, 20, 479);
    QTest::newRow("neither") << false << false << QRect(0, 0, 700, 520) << QRect() << QRect();
}

void TestView::layoutOfEveryCombination()
{
    QFETCH(bool, scrollbars);
    QFETCH(bool, rulers);
    QFETCH(QRect, viewport);
    QFETCH(QRect, hRuler);
    QFETCH(QRect, vRuler);
    ViewFixture fx;
    Zonecraft& z = fx.z();
    // Through the other state first, so the layout cannot pass by luck.
    z.setShowRulers(!rulers);
    z.setShowScrollbars(!scrollbars);
    z.setShowRulers(rulers);
    z.setShowScrollbars(scrollbars);
    z.setShowRulers(!rulers);
    z.setShowRulers(rulers);

    QCOMPARE(fx.viewport()->geometry(), viewport);
    QCOMPARE(fx.shown(fx.hRuler()), rulers);
    QCOMPARE(fx.shown(fx.vRuler()), rulers);
    if (rulers) {
        QCOMPARE(fx.hRuler()->geometry(), hRuler);
        QCOMPARE(fx.vRuler()->geometry(), vRuler);
    }
    QCOMPARE(fx.shown(fx.hBar()), scrollbars);
    QCOMPARE(fx.shown(fx.vBar()), scrollbars);
    if (scrollbars) {
        QCOMPARE(fx.vBar()->geometry(), QRect(680, 0, 20, 500));
        QCOMPARE(fx.hBar()->geometry(), QRect(0, 500, 680, 20));
        LineControl* separator = fx.line("Line1");
        QCOMPARE(QLine(separator->X1(), separator->Y1(), separator->X2(), separator->Y2()),
            QLine(0, 499, 680, 499));
    }
}

void TestView::layoutLeavesRoomForTheTabStripAndReadsTheRuler()
{
    // The tab strip takes the bottom-left corner; R is whatever height the
    // horizontal ruler has when the layout starts.
    zc::ViewLayoutInput in;
    in.inner = QSize(700, 520);
    in.tabStripWidth = 100;
    in.rulerHeight = 30;
    in.showRulers = true;
    const zc::ViewLayout placed = zc::layoutView(in);
    QCOMPARE(placed.horizontalBar, QRect(100, 500, 580, 20));
    QCOMPARE(placed.separator, QLine(0, 499, 680, 499));
    QCOMPARE(placed.horizontalRuler, QRect(30, 0, 650, 20));
    QCOMPARE(placed.verticalRuler, QRect(0, 29, 21, 469));
    QCOMPARE(placed.viewport, QRect(31, 30, 659, 469));

    ViewFixture fx;
    fx.d().tabStripWidth = 100;
    fx.d().view->layout();
    QCOMPARE(fx.hBar()->geometry(), QRect(100, 500, 580, 20));
}

void TestView::smallPictureDisablesBarsAndMarksItsEdges()
{
    ViewFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(plainPicture(640, 480)));
    QCOMPARE(fx.work()->geometry(), QRect(0, 0, 640, 480));
    QVERIFY(!fx.hBar()->isEnabled());
    QVERIFY(!fx.vBar()->isEnabled());
    LineControl* right = fx.line("Line3");
    LineControl* bottom = fx.line("Line2");
    QVERIFY(fx.shown(right));
    QVERIFY(fx.shown(bottom));
    QCOMPARE(QLine(right->X1(), right->Y1(), right->X2(), right->Y2()), QLine(640, 0, 640, 480));
    QCOMPARE(
        QLine(bottom->X1(), bottom->Y1(), bottom->X2(), bottom->Y2()), QLine(0, 480, 641, 480));

    // On screen: grey just right of and below the picture, corner included,
    // and the viewport's own grey beyond the marks' last pixel.
    const QImage shot = fx.viewport()->grab().toImage();
    QCOMPARE(shot.pixel(639, 10) & 0xFFFFFF, White);
    QCOMPARE(shot.pixel(640, 10) & 0xFFFFFF, EdgeGrey);
    QCOMPARE(shot.pixel(640, 479) & 0xFFFFFF, EdgeGrey);
    QCOMPARE(shot.pixel(10, 480) & 0xFFFFFF, EdgeGrey);
    QCOMPARE(shot.pixel(640, 480) & 0xFFFFFF, EdgeGrey);
    QCOMPARE(shot.pixel(641, 480) & 0xFFFFFF, ViewportGrey);
    QCOMPARE(shot.pixel(641, 10) & 0xFFFFFF, ViewportGrey);
    QCOMPARE(shot.pixel(10, 481) & 0xFFFFFF, ViewportGrey);
}

void TestView::pictureLargerInOneDirection_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("wide");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("step");
    // The viewport is 679 x 499.
    QTest::newRow("wide") << QSize(1000, 300) << true << 321 << 200 << 50;
    QTest::newRow("tall") << QSize(300, 1000) << false << 501 << 200 << 50;
    QTest::newRow("wide, uneven") << QSize(1019, 300) << true << 340 << 203 << 50;
}

void TestView::pictureLargerInOneDirection()
{
    QFETCH(QSize, picture);
    QFETCH(bool, wide);
    QFETCH(int, maximum);
    QFETCH(int, page);
    QFETCH(int, step);
    ViewFixture fx;
    fx.z().setPicture(StdPicture(plainPicture(picture.width(), picture.height())));
    QScrollBar* needed = wide ? fx.hBar() : fx.vBar();
    QScrollBar* other = wide ? fx.vBar() : fx.hBar();
    QVERIFY(needed->isEnabled());
    QVERIFY(!other->isEnabled());
    QCOMPARE(needed->maximum(), maximum);
    QCOMPARE(needed->pageStep(), page);
    QCOMPARE(needed->singleStep(), step);
    QCOMPARE(needed->value(), 0);
    // The mark along the scrolled direction's far edge goes; the other stays.
    QCOMPARE(fx.shown(fx.line("Line3")), !wide);
    QCOMPARE(fx.shown(fx.line("Line2")), wide);
}

void TestView::horizontalBarStaysOffWhenNotAllowed()
{
    ViewFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(plainPicture(1000, 1000)));
    QVERIFY(fx.hBar()->isEnabled());
    z.setEnabledVerticalBar(false);
    QVERIFY(!fx.hBar()->isEnabled()); // at once
    z.RefreshControl();
    z.setZoomLevel(200);
    QVERIFY(!fx.hBar()->isEnabled());
    QVERIFY(fx.vBar()->isEnabled());
    QCOMPARE(fx.hBar()->maximum(), 2000 - 679); // ranged all the same
    z.setEnabledVerticalBar(true);
    QVERIFY(!fx.hBar()->isEnabled()); // until the ranges are next updated
    z.RefreshControl();
    QVERIFY(fx.hBar()->isEnabled());
}

void TestView::reportedZoomLevels_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("reported"); // -1: nothing
    QTest::newRow("25 reports 20") << 25 << 20;
    QTest::newRow("20 reports nothing") << 20 << -1;
    for (int level : { 50, 75, 100, 200, 300, 400, 500 })
        QTest::addRow("%d", level) << level << level;
    for (int level : { 0, 10, 150, 501, -100 })
        QTest::addRow("unlisted %d", level) << level << -1;
}

void TestView::reportedZoomLevels()
{
    QFETCH(int, level);
    QFETCH(int, reported);
    ViewFixture fx;
    Zonecraft& z = fx.z();
    QSignalSpy spy(&z, &Zonecraft::ZoomLevelSet);
    z.setZoomLevel(level); // reported with or without a picture
    QCOMPARE(spy.count(), reported < 0 ? 0 : 1);
    if (reported >= 0)
        QCOMPARE(spy.at(0).at(0).toInt(), reported);
}

void TestView::zoomShowsTheStandardSizeTimesTheLevel()
{
    ViewFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(plainPicture(640, 480)));
    const struct
    {
        int level;
        QSize size;
    } cases[] = { { 20, { 128, 96 } }, { 25, { 160, 120 } }, { 75, { 480, 360 } },
        { 200, { 1280, 960 } }, { 500, { 3200, 2400 } }, { 33, { 211, 158 } } };
    for (const auto& c : cases) {
        z.setZoomLevel(c.level);
        QCOMPARE(fx.work()->size(), c.size);
        QCOMPARE(fx.d().zoomFactor(), c.level / 100.0);
        QCOMPARE(fx.hRuler()->ZoomValue(), c.level / 100.0);
        QCOMPARE(fx.vRuler()->ZoomValue(), c.level / 100.0);
        QCOMPARE(z.ZoomLevel(), c.level);
    }
    // The ruler's area is the size right after the picture was assigned.
    QCOMPARE(fx.hRuler()->AreaWidth(), 640);
    QCOMPARE(fx.vRuler()->AreaHeight(), 480);
}

void TestView::newPictureShowsAt100AndKeepsZoomLevel()
{
    ViewFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(plainPicture(640, 480)));
    z.setZoomLevel(300);
    QSignalSpy spy(&z, &Zonecraft::ZoomLevelSet);
    const StdPicture next(plainPicture(200, 100));
    z.setPicture(next);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 100);
    QCOMPARE(z.ZoomLevel(), 300);
    QCOMPARE(fx.work()->size(), QSize(200, 100));
    QCOMPARE(fx.d().zoomFactor(), 1.0);
    QCOMPARE(fx.hRuler()->AreaWidth(), 200);
    QCOMPARE(fx.vRuler()->AreaHeight(), 100);
    QCOMPARE(z.PictureWidth(), 200);
    QCOMPARE(z.PictureHeight(), 100);

    // The same picture again is shown at 100 % again.
    z.setZoomLevel(200);
    z.setPicture(next);
    QCOMPARE(fx.work()->size(), QSize(200, 100));
    // An icon is refused by the zoom surface: the previous picture stays.
    z.setPicture(StdPicture(plainPicture(32, 32), StdPicture::Icon));
    QCOMPARE(fx.work()->size(), QSize(200, 100));
}

void TestView::suppressedRepaintStoresButShowsNothingNew()
{
    ViewFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(plainPicture(640, 480)));
    QSignalSpy spy(&z, &Zonecraft::ZoomLevelSet);
    z.RepaintArea(false);
    z.setZoomLevel(200);
    z.setPictureWidth(320);
    QCOMPARE(z.ZoomLevel(), 200);
    QCOMPARE(z.PictureWidth(), 320);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(fx.work()->size(), QSize(640, 480));
    QCOMPARE(fx.d().zoomFactor(), 1.0);
    // ShowRulers is stored, the layout waits.
    z.setShowRulers(true);
    QCOMPARE(fx.viewport()->pos(), QPoint(0, 0));
    z.RepaintArea(true);
    z.setZoomLevel(200);
    QCOMPARE(fx.work()->size(), QSize(640, 960)); // 320 x 480 at 200 %
}

void TestView::pictureWidthReappliesTheLastLevel()
{
    ViewFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(plainPicture(600, 400)));
    // Before any ZoomLevel the picture's own zoom applies.
    z.setPictureWidth(300);
    QCOMPARE(fx.work()->size(), QSize(300, 400));
    z.setZoomLevel(200);
    z.setPicture(StdPicture(plainPicture(600, 400))); // shows at 100 %
    QSignalSpy spy(&z, &Zonecraft::ZoomLevelSet);
    z.setPictureHeight(100);
    QCOMPARE(fx.work()->size(), QSize(1200, 200)); // the last assigned level, 200
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 200);
}

void TestView::scrollingMovesThePictureAndTheRulers()
{
    ViewFixture fx;
    Zonecraft& z = fx.z();
    z.setShowRulers(true);
    z.setPicture(StdPicture(plainPicture(2000, 1500)));
    z.setZoomLevel(200);
    QCOMPARE(fx.hBar()->maximum(), 4000 - 659);
    QCOMPARE(fx.vBar()->maximum(), 3000 - 479);
    fx.hBar()->setValue(1000);
    fx.vBar()->setValue(333);
    QCOMPARE(fx.work()->pos(), QPoint(-1000, -333));
    QCOMPARE(fx.hRuler()->StartValue(), 500);
    QCOMPARE(fx.vRuler()->StartValue(), 166); // 166.5, halves to even
    // A step of the arrows and a page move the same way.
    fx.hBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(fx.work()->x(), -1200);
    fx.vBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(fx.work()->y(), -933);
    QCOMPARE(fx.vRuler()->StartValue(), 466); // 466.5
    // The layers follow the part that shows.
    QCOMPARE(fx.work()->layerRect(), QRect(1200, 933, 659, 479));
}

void TestView::zoomResetsScrollingAndRulers()
{
    ViewFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(plainPicture(2000, 1500)));
    fx.hBar()->setValue(700);
    fx.vBar()->setValue(400);
    z.setZoomLevel(500);
    QCOMPARE(fx.work()->geometry(), QRect(0, 0, 10000, 7500));
    QCOMPARE(fx.hBar()->value(), 0);
    QCOMPARE(fx.vBar()->value(), 0);
    QCOMPARE(fx.hRuler()->StartValue(), 0);
    QCOMPARE(fx.vRuler()->StartValue(), 0);
    QCOMPARE(fx.hBar()->maximum(), 10000 - 679);
}

void TestView::barNoLongerNeededReturnsToZero()
{
    // Scrolled at 200 %, then zoomed out until the picture fits: the bar
    // would otherwise keep the picture scrolled while it can no longer move.
    ViewFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(plainPicture(600, 400)));
    z.setZoomLevel(200);
    fx.vBar()->setValue(200);
    fx.control->resize(1400, 1000); // fits now
    QVERIFY(!fx.vBar()->isEnabled());
    QCOMPARE(fx.vBar()->value(), 0);
    QCOMPARE(fx.work()->pos(), QPoint(0, 0));
}

void TestView::zoomOfZeroKeepsTheControlUsable()
{
    ViewFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(plainPicture(640, 480)));
    z.DrawNewRectangle(10, 10, 50, 50);
    z.setZoomLevel(0);
    QCOMPARE(fx.work()->size(), QSize(0, 0));
    QVERIFY(!fx.shown(fx.work()));
    QCOMPARE(z.FigureAt(0, 0), 0);
    z.setZoomLevel(100);
    QVERIFY(fx.shown(fx.work()));
    QCOMPARE(z.FigureAt(20, 20), 1);
}

void TestView::figureHitAndDrawnWhereItIsZoomed_data()
{
    QTest::addColumn<int>("level");
    QTest::newRow("200 %") << 200;
    QTest::newRow("500 %") << 500;
}

void TestView::figureHitAndDrawnWhereItIsZoomed()
{
    QFETCH(int, level);
    const double F = level / 100.0;
    ViewFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(plainPicture(640, 480)));
    z.setDrawFigureColor(0x0000FF); // red
    z.setShowHandles(false);
    z.DrawNewRectangle(100, 90, 140, 130);
    z.setZoomLevel(level);

    // The selection box follows the zoom.
    const zc::SelectionBox box = fx.d().selectionBox;
    QCOMPARE(box.left, int(100 * F));
    QCOMPARE(box.top, int(90 * F));
    QCOMPARE(box.width, int(40 * F));
    QCOMPARE(box.height, int(40 * F));
    QCOMPARE(z.HandleAt(float(100 * F + 20), float(90 * F + 20)), int(zc::HandleMove));

    const QPoint inside(int(120 * F), int(110 * F));
    const QPoint before(int(95 * F), int(110 * F));
    const QPoint after(int(145 * F), int(110 * F));
    QCOMPARE(z.FigureAt(inside.x(), inside.y()), 1);
    QCOMPARE(z.FigureAt(before.x(), before.y()), 0);
    QCOMPARE(z.FigureAt(after.x(), after.y()), 0);
    // Drawn there too, inside the viewport's window or beyond it (at 500 %
    // the figure lies below what shows).
    PictureBox* work = fx.work();
    QCOMPARE(rgb(work->Point(inside.x(), inside.y())), Red);
    QCOMPARE(rgb(work->Point(before.x(), before.y())), White);
    QCOMPARE(rgb(work->Point(after.x(), after.y())), White);
    QCOMPARE(work->layerRect().contains(inside), level == 200);
    // Scrolled into view, the layer holds it.
    fx.vBar()->setValue(inside.y() - 100);
    fx.hBar()->setValue(inside.x() - 100);
    QVERIFY(work->layerRect().contains(inside));
    const QPoint inLayer = inside - work->layerRect().topLeft();
    QCOMPARE(work->persistentLayer().pixel(inLayer) & 0xFFFFFF, Red);
    const QImage shot = fx.viewport()->grab().toImage();
    QCOMPARE(shot.pixel(100, 100) & 0xFFFFFF, Red);
}

void TestView::largePictureHoldsOnlyTheViewport()
{
    ViewFixture fx(QSize(1200, 800));
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(plainPicture(4000, 3000)));
    PictureBox* work = fx.work();
    const QSize viewport = fx.viewport()->size();
    QCOMPARE(work->persistentLayer().size(), viewport);
    z.setZoomLevel(500);
    QCOMPARE(work->size(), QSize(20000, 15000));
    QCOMPARE(work->persistentLayer().size(), viewport);
    QCOMPARE(work->screenLayer().size(), viewport);
    fx.vBar()->setValue(fx.vBar()->maximum());
    fx.hBar()->setValue(fx.hBar()->maximum());
    QCOMPARE(work->layerRect(),
        QRect(QPoint(20000 - viewport.width(), 15000 - viewport.height()), viewport));
}

void TestView::windowAgreesWithAWholePaintWhileScrolling()
{
    // Random figures over a noisy picture at 300 %; after each scroll the
    // window, the viewport's pixels and Point outside the window agree with
    // one paint of the whole zoomed surface.
    ViewFixture fx(QSize(500, 400));
    Zonecraft& z = fx.z();
    const QImage picture = noisyPicture(300, 200);
    z.setPicture(StdPicture(picture));
    QRandomGenerator rng(11);
    for (int i = 0; i < 40; ++i) {
        const int x = int(rng.bounded(280)), y = int(rng.bounded(180));
        const QString colour
            = QStringLiteral("&H%1").arg(rng.bounded(0x1000000), 6, 16, QLatin1Char('0'));
        switch (i % 3) {
        case 0:
            z.DrawNewRectangle(
                x, y, x + 5 + int(rng.bounded(60)), y + 5 + int(rng.bounded(40)), {}, colour);
            break;
        case 1:
            z.DrawNewCircle(x, y, 3 + int(rng.bounded(25)), {}, colour);
            break;
        default:
            z.DrawNewPolygon(QStringLiteral("%1,%2,%3,%4,%5,%6")
                                 .arg(x)
                                 .arg(y)
                                 .arg(x + 40)
                                 .arg(y + 7)
                                 .arg(x + 13)
                                 .arg(y + 30),
                {}, colour);
            break;
        }
    }
    z.ActivateHotspot(5);
    z.setZoomLevel(300);
    const QImage whole = wholeSurface(fx.d(), picture, 300);
    PictureBox* work = fx.work();
    for (int step = 0; step < 25; ++step) {
        // Small steps keep most of the window, big ones none of it.
        QScrollBar* bar = step % 2 ? fx.hBar() : fx.vBar();
        const int jump = step % 5 == 4 ? int(rng.bounded(bar->maximum() + 1))
                                       : bar->value() + int(rng.bounded(81)) - 40;
        bar->setValue(jump);
        const QRect window = work->layerRect();
        QCOMPARE(window.size(), fx.viewport()->size());
        QCOMPARE(window.topLeft(), -work->pos());
        const QImage expected = whole.copy(window);
        QCOMPARE(work->persistentLayer(), expected);
        QCOMPARE(work->screenLayer(), expected);
        const QImage shot = fx.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shot, expected);
        for (int k = 0; k < 5; ++k) {
            const QPoint p(int(rng.bounded(whole.width())), int(rng.bounded(whole.height())));
            QCOMPARE(QColor(rgb(work->Point(p.x(), p.y()))), QColor(whole.pixel(p)));
        }
    }
}

void TestView::screenAfterScrollsZoomsAndEditsMatchesAFullRepaint()
{
    // A scroll shifts what the screen shows and repaints only what came into
    // view; after any mix of scrolls, zooms and edits the screen must hold
    // exactly what painting the whole control afresh gives.
    ViewFixture fx(QSize(520, 410));
    Zonecraft& z = fx.z();
    QVERIFY(QTest::qWaitForWindowExposed(fx.control.get()));
    z.setShowRulers(true);
    z.setPicture(StdPicture(noisyPicture(400, 300)));
    QRandomGenerator rng(23);
    const auto colour = [&rng] {
        return QStringLiteral("&H%1").arg(rng.bounded(0x1000000), 6, 16, QLatin1Char('0'));
    };
    for (int i = 0; i < 25; ++i) {
        const int x = int(rng.bounded(360)), y = int(rng.bounded(260));
        z.DrawNewRectangle(
            x, y, x + 4 + int(rng.bounded(50)), y + 4 + int(rng.bounded(40)), {}, colour());
    }
    z.setZoomLevel(300);
    const int levels[] = { 50, 200, 300, 500 };
    QStringList recent;
    for (int step = 0; step < 60; ++step) {
        const int kind = int(rng.bounded(10));
        QScrollBar* bar = rng.bounded(2) ? fx.hBar() : fx.vBar();
        if (kind < 6) {
            // Mostly small steps, which keep most of the screen.
            const int value = kind == 5 ? int(rng.bounded(bar->maximum() + 1))
                                        : bar->value() + int(rng.bounded(61)) - 30;
            bar->setValue(value);
            recent << QStringLiteral("scroll %1 to %2").arg(bar->objectName()).arg(bar->value());
        } else if (kind == 6) {
            const int level = levels[rng.bounded(4)];
            z.setZoomLevel(level);
            recent << QStringLiteral("zoom %1").arg(level);
        } else if (kind == 7) {
            const qint32 n = 1 + qint32(rng.bounded(quint32(z.CountFigures())));
            const int fx1 = int(rng.bounded(360)), fy1 = int(rng.bounded(260));
            z.FigureMove(
                n, QStringLiteral("%1,%2,%3,%4").arg(fx1).arg(fy1).arg(fx1 + 30).arg(fy1 + 20));
            recent << QStringLiteral("move %1").arg(n);
        } else if (kind == 8) {
            const qint32 n = 1 + qint32(rng.bounded(quint32(z.CountFigures())));
            z.ActivateHotspot(n);
            recent << QStringLiteral("select %1").arg(n);
        } else {
            z.DrawNewCircle(int(rng.bounded(380)), int(rng.bounded(280)), 5 + int(rng.bounded(20)),
                {}, colour());
            recent << QStringLiteral("circle");
        }
        if (recent.size() > 6)
            recent.removeFirst();
        const QImage shown = onScreen(fx.control.get());
        const QImage fresh = fx.control->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (shown != fresh)
            QFAIL(qPrintable(QStringLiteral("step %1: %2").arg(step).arg(recent.join(", "))));
    }
}

void TestView::smallScrollRepaintsOnlyTheExposedStrip()
{
    ViewFixture fx(QSize(620, 420));
    Zonecraft& z = fx.z();
    QVERIFY(QTest::qWaitForWindowExposed(fx.control.get()));
    z.setPicture(StdPicture(noisyPicture(400, 300)));
    z.setZoomLevel(500);
    onScreen(fx.control.get());
    const QSize viewport = fx.viewport()->size();
    PaintedArea painted(fx.work());
    fx.vBar()->setValue(fx.vBar()->value() + 12);
    fx.hBar()->setValue(fx.hBar()->value() + 7);
    const QImage shown = onScreen(fx.control.get());
    // Two strips, 12 rows and 7 columns of the viewport, and no more.
    QVERIFY(painted.pixels > 0);
    QVERIFY2(painted.pixels <= 12 * viewport.width() + 7 * viewport.height(),
        qPrintable(QString::number(painted.pixels)));
    QCOMPARE(shown, fx.control->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

void TestView::rulersKeepTheirStartUpStyleWhenLoaded()
{
    ViewFixture fx;
    Zonecraft& z = fx.z();
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("VisualStyle"), 2, 0);
    bag.WriteProperty(QStringLiteral("RulerBackColor"), 0x00FF00, 0xFFFFFF);
    z.loadProperties(bag);
    QCOMPARE(z.VisualStyle(), Zonecraft::st_CoolXP);
    QCOMPARE(z.RulerBackColor(), OLE_COLOR(0x00FF00));
    QCOMPARE(fx.hRuler()->VisualStyle(), 0);
    QCOMPARE(fx.vRuler()->VisualStyle(), 0);
    // Loading shows the rulers from the next layout on.
    QVERIFY(!fx.shown(fx.hRuler()));
    fx.control->resize(701, 520);
    QVERIFY(fx.shown(fx.hRuler()));
}

void TestView::rulerStyleFollowsTheControl()
{
    ViewFixture fx;
    Zonecraft& z = fx.z();
    z.setRulerBackColor(0x336699);
    for (Zel_AreaScroller* ruler : { fx.hRuler(), fx.vRuler() }) {
        QCOMPARE(ruler->VisualColor(), OLE_COLOR(0x336699));
        QCOMPARE(ruler->VisualStyle(), 0);
    }
    z.setVisualStyle(Zonecraft::st_CoolXP);
    for (Zel_AreaScroller* ruler : { fx.hRuler(), fx.vRuler() }) {
        QCOMPARE(ruler->VisualStyle(), 2);
        QVERIFY(!ruler->paintState().background.isNull()); // refreshed: the shade is built
    }
}

QTEST_MAIN(TestView)
#include "tst_view.moc"
