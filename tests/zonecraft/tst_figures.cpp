// Figures, their collection and painting.

#include "ZonecraftTestSupport.h"
#include "control/Zonecraft_p.h"
#include "figures/FigureCollection.h"

#include <QRandomGenerator>
#include <QTest>

using zc::Figure;
using zc::FigureCollection;

namespace {

std::unique_ptr<Figure> rectangle(qint32 number, float x1, float y1, float x2, float y2)
{
    auto f = std::make_unique<Figure>();
    f->ControlIndex = number;
    f->ClassFigure = zc::RectangleKind;
    f->setBox(x1, y1, x2, y2);
    return f;
}

QRgb pixel(Zonecraft& z, int x, int y)
{
    return z.WorkPicture()->persistentLayer().pixel(x, y) & 0xFFFFFF;
}

} // namespace

class TestFigures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void numbering();
    void numberingAfterImportedNumbers();
    void duplicateNumberIsRefused();
    void coordinatesText();
    void gridAgreesWithScanningEveryFigure();
    void lastCreatedLiesOnTop();
    void selectionEventsAndShape();
    void visibleObjectFollowsTheCount();
    void colourOfANewFigure();
    void badColourAddsNothing();
    void paintingProbes();
    void previewAndHiddenPaintNothingButStillHit();
    void importPaintsOnceWhenTheEventLoopRuns();
    void importPaintIsNotLateForAnyReader();
    void destroyedWithAPaintDue();
};

void TestFigures::numbering()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(0, 0, 10, 10);
    z.DrawNewRectangle(0, 0, 10, 10);
    z.DrawNewRectangle(0, 0, 10, 10);
    z.DrawNewRectangle(0, 0, 10, 10);
    QCOMPARE(z.CountFigures(), 4);
    z.RemoveFigure(3);
    z.DrawNewCircle(50, 50, 5);
    QCOMPARE(z.SelectedIndex(), 3); // the gap is filled first
    z.DrawNewPolygon(QStringLiteral("1,1,9,1,5,9"));
    QCOMPARE(z.SelectedIndex(), 5);
    z.RemoveFigure(1);
    z.RemoveFigure(4);
    z.DrawNewRectangle(0, 0, 1, 1);
    QCOMPARE(z.SelectedIndex(), 1);
    z.DrawNewRectangle(0, 0, 1, 1);
    QCOMPARE(z.SelectedIndex(), 4);
    z.DrawNewRectangle(0, 0, 1, 1);
    QCOMPARE(z.SelectedIndex(), 6);
}

void TestFigures::numberingAfterImportedNumbers()
{
    FigureCollection c;
    c.add(rectangle(2, 0, 0, 1, 1));
    c.add(rectangle(7, 0, 0, 1, 1));
    QCOMPARE(c.nextFreeNumber(), 1);
    c.add(rectangle(1, 0, 0, 1, 1));
    QCOMPARE(c.nextFreeNumber(), 3);
    for (int n : { 3, 4, 5, 6 })
        c.add(rectangle(n, 0, 0, 1, 1));
    QCOMPARE(c.nextFreeNumber(), 8); // 7 was taken out of order
    c.take(5);
    c.take(7);
    QCOMPARE(c.nextFreeNumber(), 5);
    c.add(rectangle(5, 0, 0, 1, 1));
    QCOMPARE(c.nextFreeNumber(), 7);
    c.clear();
    QCOMPARE(c.nextFreeNumber(), 1);

    // ImportFigure without an index takes a new number, never 0.
    ZonecraftFixture fx;
    fx.z().ImportFigure(QStringLiteral("1,2,3,4"), Zonecraft::zelrectangle);
    fx.z().ImportFigure(QStringLiteral("1,2,3,4"), Zonecraft::zelrectangle);
    QCOMPARE(fx.z().ExportCode(Zonecraft::customcode),
        QStringLiteral("1,2,3,4|Rectangle|1\r\n1,2,3,4|Rectangle|2\r\n"));
}

void TestFigures::duplicateNumberIsRefused()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.ImportFigure(QStringLiteral("1,2,3,4"), Zonecraft::zelrectangle, {}, {}, false, 9);
    try {
        z.ImportFigure(QStringLiteral("5,6,7,8"), Zonecraft::zelrectangle, {}, {}, false, 9);
        QFAIL("a taken number must be refused");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), 457);
    }
    QCOMPARE(z.CountFigures(), 1);
    QCOMPARE(z.ExtractCordinates(9), QStringLiteral("1,2,3,4"));
}

void TestFigures::coordinatesText()
{
    Figure circle;
    circle.ClassFigure = zc::CircleKind;
    circle.setBox(10, 20, 31, 41);
    QCOMPARE(circle.coordinatesText(), QStringLiteral("20,30,10")); // halves to even

    Figure polygon;
    polygon.ClassFigure = zc::PolygonKind;
    polygon.setBox(100, 50, 120, 80);
    polygon.setData({ 0, 0, 20, 10 }, { 0, 0, 0, 30 });
    QCOMPARE(polygon.coordinatesText(), QStringLiteral("100,50,120,50,110,80"));
    polygon.setData({ 0, 0.5f, 20 }, { 0, 0.25f, 1 });
    QCOMPARE(polygon.coordinatesText(), QStringLiteral("100.5,50.25,120,51"));
}

void TestFigures::gridAgreesWithScanningEveryFigure()
{
    FigureCollection c;
    QRandomGenerator rng(7);
    std::vector<Figure*> all;
    for (int n = 1; n <= 600; ++n) {
        auto f = std::make_unique<Figure>();
        f->ControlIndex = n;
        const float x = rng.bounded(900) - 100, y = rng.bounded(700) - 100;
        const float size = 4 + rng.bounded(300);
        switch (n % 3) {
        case 0:
            f->ClassFigure = zc::RectangleKind;
            f->setBox(x, y, x + size, y + size / 2);
            break;
        case 1:
            f->ClassFigure = zc::CircleKind;
            f->setBox(x, y, x + size, y + size);
            break;
        default:
            f->ClassFigure = zc::PolygonKind;
            f->setBox(x, y, x + size, y + size);
            f->setData({ 0, 0, size, size / 3, 0 }, { 0, 0, size / 4, size, size / 2 });
            break;
        }
        all.push_back(c.add(std::move(f)));
    }
    // Moves and removals keep the index in step.
    for (int n = 1; n <= 600; n += 7) {
        Figure* f = c.find(n);
        f->setBox(f->X1() + 33, f->Y1() - 20, f->X2() + 33, f->y2() - 20);
        c.geometryChanged(f);
    }
    for (int n = 2; n <= 600; n += 11) {
        all.erase(std::find(all.begin(), all.end(), c.find(n)));
        c.take(n);
    }
    for (int i = 0; i < 4000; ++i) {
        const float x = float(rng.bounded(1100) - 200) + 0.5f * float(i % 2);
        const float y = float(rng.bounded(900) - 200);
        Figure* expected = nullptr;
        for (auto it = all.rbegin(); it != all.rend(); ++it) {
            if ((*it)->IsAt(x, y)) {
                expected = *it;
                break;
            }
        }
        QCOMPARE(c.figureAt(x, y), expected);
    }
}

void TestFigures::lastCreatedLiesOnTop()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(0, 0, 100, 100);
    z.DrawNewCircle(50, 50, 20);
    z.DrawNewRectangle(200, 200, 300, 300);
    QCOMPARE(z.FigureAt(50, 50), 2);
    QCOMPARE(z.FigureAt(5, 5), 1);
    QCOMPARE(z.FigureAt(150, 150), 0);
    // A zero-sized rectangle still holds its own point.
    z.DrawNewRectangle(400, 400, 400, 400);
    QCOMPARE(z.FigureAt(400, 400), 4);
}

void TestFigures::selectionEventsAndShape()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    QSignalSpy getKey(&z, &Zonecraft::GetKey);
    QSignalSpy activate(&z, &Zonecraft::HotspotActivate);
    z.DrawNewRectangle(10, 20, 110, 70, QStringLiteral("href=a.htm"), QStringLiteral("&HFF"), true);
    QCOMPARE(getKey.count(), 1);
    QCOMPARE(getKey.at(0).at(0).toString(), QStringLiteral("href=a.htm"));
    QCOMPARE(getKey.at(0).at(1).toInt(), 1);
    QCOMPARE(activate.count(), 1);
    const ShapeFigure shape = activate.at(0).at(0).value<ShapeFigure>();
    QCOMPARE(shape.X1, 10);
    QCOMPARE(shape.y2, 70);
    QCOMPARE(shape.Color, 255);
    QCOMPARE(shape.Figure, Zonecraft::figrectangle);
    QVERIFY(shape.Locked);
    QCOMPARE(shape.Coordinates, QStringLiteral("10,20,110,70"));
    QCOMPARE(shape.Index, 1);
    QCOMPARE(z.GetFigureIndex(), 1);

    // In a drawing mode the selection raises GetKey but not HotspotActivate.
    z.setFigureToDraw(Zonecraft::DrawingCircle);
    z.DrawNewCircle(300, 300, 10);
    QCOMPARE(getKey.count(), 2);
    QCOMPARE(activate.count(), 1);

    z.PictureGetFocus();
    QCOMPARE(z.SelectedIndex(), 0);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, z.GetFigureIndex());
}

void TestFigures::visibleObjectFollowsTheCount()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    QSignalSpy visible(&z, &Zonecraft::VisibleObject);
    z.DrawNewRectangle(0, 0, 5, 5);
    z.DrawNewRectangle(0, 0, 5, 5);
    z.RemoveFigure(1);
    z.RemoveFigure(2);
    QCOMPARE(visible.count(), 4);
    QCOMPARE(visible.at(0).at(0).toBool(), true);
    QCOMPARE(visible.at(2).at(0).toBool(), true);
    QCOMPARE(visible.at(3).at(0).toBool(), false);
}

void TestFigures::colourOfANewFigure()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.setDrawFigureColor(0x123456);
    QSignalSpy activate(&z, &Zonecraft::HotspotActivate);
    z.DrawNewRectangle(0, 0, 5, 5);
    z.DrawNewRectangle(0, 0, 5, 5, {}, QStringLiteral("&HFF0000"));
    z.DrawNewRectangle(0, 0, 5, 5, {}, QStringLiteral("255"));
    QCOMPARE(activate.at(0).at(0).value<ShapeFigure>().Color, 0x123456);
    QCOMPARE(activate.at(1).at(0).value<ShapeFigure>().Color, 0xFF0000);
    QCOMPARE(activate.at(2).at(0).value<ShapeFigure>().Color, 255);
}

void TestFigures::badColourAddsNothing()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(0, 0, 5, 5);
    try {
        z.DrawNewCircle(10, 10, 5, {}, QStringLiteral("blue"));
        QFAIL("a colour that is no number must fail");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), 13);
    }
    QCOMPARE(z.CountFigures(), 1);
    z.DrawNewCircle(10, 10, 5);
    QCOMPARE(z.SelectedIndex(), 2); // the failed figure used no number
}

void TestFigures::paintingProbes()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.setShapeBorderColor(0x0000FF); // red outline
    z.setShowHandles(false);
    z.DrawNewRectangle(10, 10, 50, 40, {}, QStringLiteral("&HFF00&")); // green fill
    z.DrawNewCircle(200, 200, 30, {}, QStringLiteral("&HFF0000")); // blue
    z.DrawNewPolygon(QStringLiteral("300,100,400,100,350,180"), {}, QStringLiteral("65535"));
    QCOMPARE(pixel(z, 30, 25), qRgb(0, 255, 0) & 0xFFFFFF);
    QCOMPARE(pixel(z, 10, 25), qRgb(255, 0, 0) & 0xFFFFFF);
    QCOMPARE(pixel(z, 200, 200), qRgb(0, 0, 255) & 0xFFFFFF);
    QCOMPARE(pixel(z, 350, 130), qRgb(255, 255, 0) & 0xFFFFFF);
    QCOMPARE(pixel(z, 100, 100), qRgb(255, 255, 255) & 0xFFFFFF); // the picture

    // Handles of the selected rectangle: squares 1 to 7 pixels outside the box.
    z.setHandleColor(0x00FF00FF);
    z.setShowHandles(true);
    z.ActivateHotspot(1);
    QCOMPARE(pixel(z, 6, 6), qRgb(255, 0, 255) & 0xFFFFFF); // top left
    QCOMPARE(pixel(z, 54, 44), qRgb(255, 0, 255) & 0xFFFFFF); // bottom right
    // Each square has a dark 1-pixel frame on its own edge (3..9), so white
    // handles show on a white picture; outside it the picture is untouched.
    for (const QPoint& edge : { QPoint(3, 3), QPoint(9, 3), QPoint(3, 9), QPoint(9, 9),
             QPoint(6, 3), QPoint(51, 47), QPoint(57, 41) })
        QCOMPARE(pixel(z, edge.x(), edge.y()), qRgb(0, 0, 0) & 0xFFFFFF);
    QCOMPARE(pixel(z, 2, 6), qRgb(255, 255, 255) & 0xFFFFFF);
    QCOMPARE(pixel(z, 6, 2), qRgb(255, 255, 255) & 0xFFFFFF);
    QCOMPARE(pixel(z, 58, 44), qRgb(255, 255, 255) & 0xFFFFFF);
    QCOMPARE(z.HandleAt(6, 6), 0);
    QCOMPARE(z.HandleAt(54, 44), 4);
    QCOMPARE(z.HandleAt(30, 25), 8);
    QCOMPARE(z.HandleAt(30, 60), 9);
    z.setShowHandles(false);
    QCOMPARE(pixel(z, 6, 6), qRgb(255, 255, 255) & 0xFFFFFF);

    z.setFillStyle(1); // transparent: only the outline remains
    QCOMPARE(pixel(z, 30, 25), qRgb(255, 255, 255) & 0xFFFFFF);
    QCOMPARE(pixel(z, 10, 25), qRgb(255, 0, 0) & 0xFFFFFF);
    z.setFillStyle(0);
}

void TestFigures::previewAndHiddenPaintNothingButStillHit()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    // Created in preview, so never painted: still hit, every kind.
    z.setImagemapMode(Zonecraft::PreviewMode);
    z.DrawNewRectangle(10, 10, 50, 40);
    z.DrawNewCircle(200, 200, 30);
    z.DrawNewPolygon(QStringLiteral("300,100,400,100,350,180"));
    QCOMPARE(pixel(z, 30, 25), qRgb(255, 255, 255) & 0xFFFFFF);
    QCOMPARE(pixel(z, 200, 200), qRgb(255, 255, 255) & 0xFFFFFF);
    QCOMPARE(z.FigureAt(30, 25), 1);
    QCOMPARE(z.FigureAt(200, 200), 2);
    QCOMPARE(z.FigureAt(350, 130), 3);

    z.setImagemapMode(Zonecraft::DesignMode);
    z.setShowHotspot(false);
    QCOMPARE(pixel(z, 200, 200), qRgb(255, 255, 255) & 0xFFFFFF);
    QCOMPARE(z.FigureAt(200, 200), 2);
    z.setShowHotspot(true);
    QVERIFY(pixel(z, 200, 200) != (qRgb(255, 255, 255) & 0xFFFFFF));
    z.FigureHide(Zonecraft::Hide);
    QCOMPARE(pixel(z, 200, 200), qRgb(255, 255, 255) & 0xFFFFFF);
    QCOMPARE(z.FigureAt(200, 200), 2);
    z.FigureHide(Zonecraft::Show);
}

namespace {

constexpr QRgb White = 0xFFFFFF;
constexpr QRgb Red = 0xFF0000;
constexpr QRgb Green = 0x00FF00;
constexpr QRgb Blue = 0x0000FF;

const QString GreenRectangle = QStringLiteral("10,10,50,40|Rectangle|1|&HFF00&|False\r\n");
const QString RedCircle = QStringLiteral("200,200,30|Circle|2|&HFF|False\r\n");

} // namespace

void TestFigures::importPaintsOnceWhenTheEventLoopRuns()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.setShowHandles(false);
    z.DrawNewRectangle(300, 300, 320, 320, {}, QStringLiteral("&HFF0000"));
    const ZonecraftPrivate* d = ZonecraftPrivate::get(&z);
    const int passes = d->paintPasses;
    EventLog log(z);

    z.ImportCode(Zonecraft::customcode, GreenRectangle);
    z.ImportCode(Zonecraft::customcode, RedCircle);
    QCOMPARE(z.FigActivate_Loading(), Zonecraft::Ready);
    QCOMPARE(z.CountFigures(), 3);
    QCOMPARE(z.SelectedIndex(), 1);
    QCOMPARE(z.FigureAt(30, 25), 2); // hit testing needs no paint
    QCOMPARE(d->paintPasses, passes);
    QCOMPARE(pixel(z, 30, 25), White);

    QCoreApplication::processEvents();
    QCOMPARE(d->paintPasses, passes + 1);
    QCOMPARE(pixel(z, 30, 25), Green);
    QCOMPARE(pixel(z, 200, 200), Red);
    QCOMPARE(pixel(z, 310, 310), Blue);
    QCoreApplication::processEvents();
    QCOMPARE(d->paintPasses, passes + 1);
    QCOMPARE(log.take(), QStringList()); // neither the imports nor the paint raise events

    // A line that stops the import: the figures before it are painted too.
    QVERIFY_THROWS_EXCEPTION(RuntimeError,
        z.ImportCode(Zonecraft::customcode,
            QStringLiteral("400,10,450,40|1|3|&HFF|0\r\n1,2|Rectangle|4|0|0\r\n")));
    QCOMPARE(z.FigActivate_Loading(), Zonecraft::Ready);
    QCOMPARE(pixel(z, 420, 25), White);
    QCoreApplication::processEvents();
    QCOMPARE(pixel(z, 420, 25), Red);
    QCOMPARE(d->paintPasses, passes + 2);
}

void TestFigures::importPaintIsNotLateForAnyReader()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    const ZonecraftPrivate* d = ZonecraftPrivate::get(&z);

    // The host's Redraw paints at once; nothing is left for the event loop.
    z.ImportCode(Zonecraft::customcode, GreenRectangle);
    int passes = d->paintPasses;
    z.Redraw();
    QCOMPARE(pixel(z, 30, 25), Green);
    QCoreApplication::processEvents();
    QCOMPARE(d->paintPasses, passes + 1);

    // Without a clear, Redraw draws on the screen only; a due import still
    // reaches the persistent picture.
    z.ImportCode(Zonecraft::customcode, RedCircle);
    z.Redraw(false);
    QCOMPARE(pixel(z, 200, 200), Red);

    // An operation that paints takes the due pass with it.
    z.ImportCode(Zonecraft::customcode, QStringLiteral("400,10,450,40|1|3|&HFF0000|0\r\n"));
    passes = d->paintPasses;
    z.DrawNewRectangle(500, 300, 520, 320);
    QCOMPARE(pixel(z, 420, 25), Blue);
    QCoreApplication::processEvents();
    QCOMPARE(d->paintPasses, passes + 1);

    // A paint of the work picture that comes before the event loop turns
    // shows the figures, not the stale picture.
    z.ImportCode(Zonecraft::customcode, QStringLiteral("100,300,140,340|1|5|&HFF00&|0\r\n"));
    const QImage shown = z.WorkPicture()->grab().toImage();
    QCOMPARE(shown.pixel(120, 320) & 0xFFFFFF, Green);
    passes = d->paintPasses;
    QCoreApplication::processEvents();
    QCOMPARE(d->paintPasses, passes);
}

void TestFigures::destroyedWithAPaintDue()
{
    auto fx = std::make_unique<ZonecraftFixture>();
    fx->z().ImportCode(Zonecraft::customcode, GreenRectangle + RedCircle);
    fx.reset();
    QCoreApplication::processEvents(); // the due pass went with the control
}

QTEST_MAIN(TestFigures)
#include "tst_figures.moc"
