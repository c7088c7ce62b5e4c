// Repainting only the damaged rectangles of the work picture: the pieces it
// is built from, and the picture it leaves after random edits, held against
// a full Redraw(True).

#include "ZonecraftTestSupport.h"
#include "control/Zonecraft_p.h"
#include "figures/FigureCollection.h"
#include "figures/PictureRepainter.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

using zc::Figure;
using zc::FigureCollection;
using zc::PictureRepainter;

namespace {

std::unique_ptr<Figure> rectangle(qint32 number, float x1, float y1, float x2, float y2)
{
    auto f = std::make_unique<Figure>();
    f->ControlIndex = number;
    f->ClassFigure = zc::RectangleKind;
    f->setBox(x1, y1, x2, y2);
    return f;
}

QList<qint32> numbers(const std::vector<Figure*>& figures)
{
    QList<qint32> out;
    for (const Figure* f : figures)
        out << f->ControlIndex;
    return out;
}

// A picture with detail everywhere, so a rectangle cleared to the back
// colour instead of the picture shows.
QImage patternedPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x * 7) & 0xFF, (y * 5) & 0xFF, ((x + y) * 3) & 0xFF);
    }
    return image;
}

// The first pixel where two pictures differ, as text for the failure message.
QString firstDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes differ");
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("(%1, %2): %3 instead of %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'))
                    .arg(b.pixel(x, y) & 0xFFFFFF, 6, 16, QLatin1Char('0'));
        }
    }
    return {};
}

/// Drives one control through random edits of every kind a host can make
/// to one figure at a time.
class RandomEditor
{
public:
    RandomEditor(Zonecraft& z, quint32 seed)
        : z(z)
        , rng(seed)
    { }

    /// One edit; its name, for the failure message.
    QString step()
    {
        const int count = z.CountFigures();
        // New figures come in three of every eighteen edits, so the picture
        // fills up despite the deletions.
        const int draw = int(rng.bounded(18));
        const int choice = count < 4 || draw >= 15 ? 0 : draw;
        try {
            return edit(choice);
        } catch (const RuntimeError& e) {
            return QStringLiteral("refused (%1)").arg(e.description());
        }
    }

private:
    int coordinate(int extent) { return 40 + int(rng.bounded(extent)); }
    // Figures crowd one part of the picture, so most of them overlap.
    int x() { return coordinate(260); }
    int y() { return coordinate(200); }
    int size() { return 4 + int(rng.bounded(70)); }
    QString colour() { return QString::number(rng.bounded(0x1000000)); }

    qint32 someFigure()
    {
        const std::vector<std::unique_ptr<Figure>>& all
            = ZonecraftPrivate::get(&z)->figures.figures();
        return all[rng.bounded(quint32(all.size()))]->ControlIndex;
    }

    QString polygonText()
    {
        const int cx = x(), cy = y(), r = size();
        const int n = 3 + int(rng.bounded(5));
        QStringList values;
        for (int k = 0; k < n; ++k) {
            values << QString::number(cx + int(rng.bounded(2 * r)) - r)
                   << QString::number(cy + int(rng.bounded(2 * r)) - r);
        }
        return values.join(QLatin1Char(','));
    }

    QString coordinatesFor(qint32 kind)
    {
        switch (kind) {
        case zc::RectangleKind: {
            const int x1 = x(), y1 = y();
            return QStringLiteral("%1,%2,%3,%4").arg(x1).arg(y1).arg(x1 + size()).arg(y1 + size());
        }
        case zc::CircleKind:
            return QStringLiteral("%1,%2,%3").arg(x()).arg(y()).arg(size() / 2);
        default:
            return polygonText();
        }
    }

    QString edit(int choice)
    {
        const qint32 n = choice == 0 ? 0 : someFigure();
        switch (choice) {
        case 0: {
            const int kind = 1 + int(rng.bounded(3));
            const bool locked = rng.bounded(4) == 0;
            if (kind == 1)
                z.DrawNewRectangle(x(), y(), x(), y(), {}, colour(), locked, false, false, 0, true);
            else if (kind == 2)
                z.DrawNewCircle(x(), y(), size() / 2, {}, colour(), locked, false, false, 0, true);
            else
                z.DrawNewPolygon(polygonText(), {}, colour(), locked, false, false, 0, true);
            return QStringLiteral("DrawNew kind %1").arg(kind);
        }
        case 1: {
            const qint32 kind = ZonecraftPrivate::get(&z)->figures.find(n)->ClassFigure;
            z.FigureMove(n, coordinatesFor(kind));
            return QStringLiteral("FigureMove %1").arg(n);
        }
        case 2: {
            const auto point = Zonecraft::FigureCord(1 + rng.bounded(4));
            z.FigureAdjustSize(
                point, point == Zonecraft::fig_X1 || point == Zonecraft::fig_X2 ? x() : y(), n);
            return QStringLiteral("FigureAdjustSize %1 of %2").arg(int(point)).arg(n);
        }
        case 3: {
            const float degrees = float(rng.bounded(360)) - 180;
            z.FigureRotate(degrees, n, true);
            return QStringLiteral("FigureRotate %1 of %2").arg(degrees).arg(n);
        }
        case 4:
            z.FigureConvert(Zonecraft::DrawFigure(1 + rng.bounded(3)), n);
            return QStringLiteral("FigureConvert %1").arg(n);
        case 5:
            z.FigureColor(qint32(rng.bounded(0x1000000)), n);
            return QStringLiteral("FigureColor %1").arg(n);
        case 6:
            z.ActivateHotspot(n);
            return QStringLiteral("ActivateHotspot %1").arg(n);
        case 7:
            z.FigureLock(rng.bounded(2) == 0);
            return QStringLiteral("FigureLock");
        case 8:
            z.DeleteFigure(n);
            return QStringLiteral("DeleteFigure %1").arg(n);
        case 9:
        case 10:
            z.Undo();
            return QStringLiteral("Undo");
        case 11:
            z.Redo();
            return QStringLiteral("Redo");
        case 12:
            z.PictureGetFocus();
            return QStringLiteral("PictureGetFocus");
        case 13:
            z.FigureCut(n);
            return QStringLiteral("FigureCut %1").arg(n);
        default:
            // After cutting a rectangle this makes one whose corners may be
            // the wrong way round.
            z.FigurePaste(x(), y());
            return QStringLiteral("FigurePaste");
        }
    }

    Zonecraft& z;
    QRandomGenerator rng;
};

/// Drives one control's editing engine through random mouse gestures:
/// rubber bands, moves and resizes, polygons, point drags and rotations,
/// some ended by Escape, the pointer always on or near figures.
class RandomGestures
{
public:
    RandomGestures(Zonecraft& z, quint32 seed)
        : z(z)
        , d(ZonecraftPrivate::get(&z))
        , rng(seed)
    { }

    /// One whole gesture, from the press to the release; its name.
    QString step()
    {
        QString done;
        try {
            done = gesture(int(rng.bounded(6)));
        } catch (const RuntimeError& e) {
            done = QStringLiteral("refused (%1)").arg(e.description());
        }
        z.setFigureToDraw(Zonecraft::Pointer);
        return done;
    }

private:
    zc::EditingEngine& engine() { return d->engine; }
    QPointF screen(double x, double y) const
    {
        return QPointF(x * d->zoomFactor(), y * d->zoomFactor());
    }
    QPointF anywhere() { return screen(40 + rng.bounded(300), 40 + rng.bounded(240)); }
    QPointF jitter(QPointF p)
    {
        return p + QPointF(int(rng.bounded(5)) - 2, int(rng.bounded(5)) - 2);
    }
    qint16 shift() { return rng.bounded(4) == 0 ? 1 : 0; }

    const Figure* someFigure(qint32 kind = 0)
    {
        std::vector<const Figure*> all;
        for (const auto& f : d->figures.figures())
            if (kind == 0 || f->ClassFigure == kind)
                all.push_back(f.get());
        return all.empty() ? nullptr : all[rng.bounded(quint32(all.size()))];
    }

    /// A corner, an edge's middle or the centre of the selected figure's
    /// box, where the handles and the move grip are.
    QPointF aroundSelected()
    {
        const Figure* f = d->figures.find(d->selectedIndex);
        if (!f)
            return anywhere();
        const double xs[] = { f->X1(), (f->X1() + f->X2()) / 2, f->X2() };
        const double ys[] = { f->Y1(), (f->Y1() + f->y2()) / 2, f->y2() };
        return jitter(screen(xs[rng.bounded(3)], ys[rng.bounded(3)]));
    }

    /// Moves with the left button held; the last place reached.
    QPointF drag(QPointF from)
    {
        QPointF at = from;
        const int moves = 1 + int(rng.bounded(5));
        for (int i = 0; i < moves; ++i) {
            at += QPointF(int(rng.bounded(61)) - 30, int(rng.bounded(61)) - 30);
            engine().move(1, shift(), at);
        }
        return at;
    }

    QString finish(QPointF at, const QString& what)
    {
        if (rng.bounded(6) == 0) {
            engine().cancel();
            engine().release(1, 0, at); // the button let go after Escape
            return what + QStringLiteral(", Escape");
        }
        engine().release(1, shift(), at);
        return what;
    }

    void select(const Figure* f)
    {
        if (f)
            z.ActivateHotspot(f->ControlIndex);
    }

    QString gesture(int kind)
    {
        switch (kind) {
        case 0: {
            const bool circle = rng.bounded(2) == 0;
            z.setFigureToDraw(circle ? Zonecraft::DrawingCircle : Zonecraft::DrawingRectangle);
            const QPointF from = anywhere();
            engine().press(1, 0, from);
            return finish(
                drag(from), circle ? QStringLiteral("circle band") : QStringLiteral("band"));
        }
        case 1:
        case 2: {
            if (rng.bounded(2) == 0)
                select(someFigure());
            const QPointF from = aroundSelected();
            engine().move(0, 0, from); // the handle under the pointer
            engine().press(1, 0, from);
            return finish(drag(from), QStringLiteral("move or resize"));
        }
        case 3: {
            z.setFigureToDraw(Zonecraft::DrawingPolygn);
            const int points = 1 + int(rng.bounded(5));
            QPointF at = anywhere();
            for (int i = 0; i < points; ++i) {
                engine().press(1, shift(), at);
                engine().release(1, 0, at);
                at = jitter(at + QPointF(int(rng.bounded(81)) - 40, int(rng.bounded(81)) - 40));
                engine().move(0, shift(), at);
            }
            if (rng.bounded(5) == 0) {
                engine().cancel();
                return QStringLiteral("polygon, Escape");
            }
            engine().press(2, 0, at);
            engine().release(2, 0, at);
            return QStringLiteral("polygon of %1").arg(points);
        }
        case 4: {
            const Figure* f = someFigure(zc::PolygonKind);
            if (!f)
                return QStringLiteral("no polygon");
            select(f);
            f = d->figures.find(d->selectedIndex);
            const QPointF v = f->vertex(1 + int(rng.bounded(quint32(f->vertexCount()))));
            const QPointF from = screen(v.x(), v.y());
            engine().move(0, 0, from); // finds the vertex
            engine().press(1, 0, from);
            return finish(drag(from), QStringLiteral("point drag"));
        }
        default: {
            const Figure* f = someFigure();
            if (!f)
                return QStringLiteral("nothing to turn");
            select(f);
            z.setFigureToDraw(Zonecraft::RotatingFigure);
            f = d->figures.find(d->selectedIndex);
            if (!f)
                return QStringLiteral("nothing to turn");
            const QPointF from = jitter(screen(f->X1(), f->Y1()));
            engine().press(1, 0, from);
            return finish(drag(from), QStringLiteral("rotation"));
        }
        }
    }

    Zonecraft& z;
    ZonecraftPrivate* d;
    QRandomGenerator rng;
};

/// Where the work picture's persistent layer differs from a fresh full
/// Redraw(True), or its screen layer from the persistent one; empty when
/// they agree. A full pass that did not run is a difference too.
QString differenceFromFullRedraw(Zonecraft& z)
{
    const ZonecraftPrivate* d = ZonecraftPrivate::get(&z);
    const QImage persistent = z.WorkPicture()->persistentLayer().copy();
    const QImage screen = z.WorkPicture()->screenLayer().copy();
    const int passes = d->paintPasses;
    z.Redraw(true);
    if (d->paintPasses != passes + 1)
        return QStringLiteral("no full pass ran");
    const QString persistentDifference
        = firstDifference(persistent, z.WorkPicture()->persistentLayer());
    if (!persistentDifference.isEmpty())
        return QStringLiteral("picture ") + persistentDifference;
    const QString screenDifference = firstDifference(screen, persistent);
    return screenDifference.isEmpty() ? QString() : QStringLiteral("screen ") + screenDifference;
}

} // namespace

class TestDamageRepaint : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void figuresInFindsWhatMeetsTheAreaInOrder();
    void figuresInAgreesWithScanningEveryFigure();
    void changedAreasCoverBeforeAndAfter();
    void mergeOverlappingLeavesDisjointPieces();
    void zoomAppliesToEveryArea();
    void aRectangleRepaintMatchesTheFullPass();
    void oneFigureChangeRunsNoFullPass();
    void randomEditsMatchAFullRedraw_data();
    void randomEditsMatchAFullRedraw();
    void randomGesturesMatchAFullRedraw_data();
    void randomGesturesMatchAFullRedraw();
};

void TestDamageRepaint::cleanup()
{
    // These settings are shared by every control in the process.
    auto& shared = ZonecraftSharedSettings::instance();
    shared.figureSize = 1;
    shared.fillStyle = 0;
    shared.showHotspot = true;
}

void TestDamageRepaint::figuresInFindsWhatMeetsTheAreaInOrder()
{
    FigureCollection c;
    c.add(rectangle(1, 0, 0, 10, 10));
    c.add(rectangle(2, 300, 300, 310, 310)); // far away, in other cells
    c.add(rectangle(3, 100, 0, 140, 10)); // spans two grid cells
    c.add(rectangle(4, 20, 20, 20, 20)); // a point
    c.add(rectangle(5, -1e6, -1e6, 1e6, 1e6)); // too large for the grid
    c.add(rectangle(6, 50, 40, 5, 0)); // corners the wrong way round

    QCOMPARE(numbers(c.figuresIn(QRectF(0, 0, 200, 50))), QList<qint32>({ 1, 3, 4, 5, 6 }));
    // Edges count: an area that only touches a figure's edge finds it.
    QCOMPARE(numbers(c.figuresIn(QRectF(10, 10, 5, 5))), QList<qint32>({ 1, 5, 6 }));
    QCOMPARE(numbers(c.figuresIn(QRectF(20, 20, 0, 0))), QList<qint32>({ 4, 5, 6 }));
    QCOMPARE(numbers(c.figuresIn(QRectF(130, 5, 100, 1))), QList<qint32>({ 3, 5 }));

    // A re-created figure goes to the end of the order.
    std::unique_ptr<Figure> first = c.take(1);
    c.add(std::move(first));
    QCOMPARE(numbers(c.figuresIn(QRectF(0, 0, 11, 11))), QList<qint32>({ 5, 6, 1 }));
    // An area larger than the filled grid gives the same answer from one pass.
    QCOMPARE(numbers(c.figuresIn(QRectF(-5000, -5000, 10000, 10000))),
        QList<qint32>({ 2, 3, 4, 5, 6, 1 }));
    QVERIFY(c.figuresIn(QRectF(qQNaN(), 0, 1, 1)).empty());
}

void TestDamageRepaint::figuresInAgreesWithScanningEveryFigure()
{
    FigureCollection c;
    QRandomGenerator rng(77);
    for (qint32 i = 1; i <= 600; ++i) {
        const float x = float(rng.bounded(2000)), y = float(rng.bounded(1500));
        c.add(rectangle(i, x, y, x + float(rng.bounded(400)), y + float(rng.bounded(300))));
    }
    for (int q = 0; q < 200; ++q) {
        const QRectF area(
            rng.bounded(2400) - 200, rng.bounded(1800) - 200, rng.bounded(600), rng.bounded(600));
        QList<qint32> expected;
        for (const auto& f : c.figures()) {
            const QRectF b = f->hitBounds();
            if (b.left() <= area.right() && area.left() <= b.right() && b.top() <= area.bottom()
                && area.top() <= b.bottom())
                expected << f->ControlIndex;
        }
        QCOMPARE(numbers(c.figuresIn(area)), expected);
    }
}

void TestDamageRepaint::changedAreasCoverBeforeAndAfter()
{
    FigureCollection c;
    Figure* f = c.add(rectangle(1, 0, 0, 10, 10));
    c.add(rectangle(2, 100, 100, 110, 110));
    c.takeChangedAreas();

    f->setBox(50, 50, 60, 70);
    c.geometryChanged(f);
    FigureCollection::ChangedAreas changed = c.takeChangedAreas();
    QVERIFY(!changed.allChanged);
    QCOMPARE(changed.areas, std::vector<QRectF>({ QRectF(0, 0, 10, 10), QRectF(50, 50, 10, 20) }));
    QVERIFY(c.takeChangedAreas().areas.empty()); // taken once

    c.take(2);
    c.markChanged(f);
    QCOMPARE(c.takeChangedAreas().areas,
        std::vector<QRectF>({ QRectF(100, 100, 10, 10), QRectF(50, 50, 10, 20) }));

    // A circle whose box is not square paints below its hit bounds.
    auto circle = std::make_unique<Figure>();
    circle->ControlIndex = 3;
    circle->ClassFigure = zc::CircleKind;
    circle->setBox(0, 0, 20, 60);
    c.add(std::move(circle));
    const QRectF area = c.takeChangedAreas().areas.at(0);
    QVERIFY(area.contains(QRectF(0, 0, 20, 20)));
    QVERIFY(area.contains(QRectF(0, 20, 20, 20)));

    c.clear();
    QVERIFY(c.takeChangedAreas().allChanged);
    // So many changes that tracking them costs more than one full repaint.
    for (qint32 i = 1; i <= 300; ++i)
        c.add(rectangle(i, float(i), 0, float(i) + 1, 1));
    changed = c.takeChangedAreas();
    QVERIFY(changed.allChanged);
    QVERIFY(changed.areas.empty());
}

void TestDamageRepaint::mergeOverlappingLeavesDisjointPieces()
{
    const std::vector<QRectF> merged
        = PictureRepainter::mergeOverlapping({ QRectF(0, 0, 10, 10), QRectF(100, 100, 10, 10),
            QRectF(5, 5, 10, 10), QRectF(14, 14, 90, 90), QRectF(300, 0, 1, 1) });
    // The chain 0-0, 5-5, 14-14 reaches the rectangle at 100-100.
    QCOMPARE(merged, std::vector<QRectF>({ QRectF(0, 0, 110, 110), QRectF(300, 0, 1, 1) }));
    QVERIFY(PictureRepainter::mergeOverlapping({}).empty());
}

void TestDamageRepaint::zoomAppliesToEveryArea()
{
    FigureCollection c;
    Figure* f = c.add(rectangle(1, 10, 10, 20, 30));
    zc::PictureScene scene { c, f, zc::selectionBoxOf(*f, 2.0), {}, {} };
    scene.settings.zoom = 2.0;
    scene.settings.figureSize = 3;
    const PictureRepainter r(scene);
    QCOMPARE(r.screenArea(QRectF(10.2, 10, 10, 20.3)), QRect(QPoint(20, 20), QPoint(40, 60)));
    QCOMPARE(r.screenArea(QRectF(10, 10, 10, 20)), QRect(20, 20, 20, 40));
    QCOMPARE(r.screenArea(QRectF(10.1, 10.1, 0, 0)), QRect(20, 20, 1, 1));
    QCOMPARE(r.pictureArea(QRect(20, 20, 20, 40)), QRectF(10, 10, 10, 20));
    // The outline reaches 5 screen pixels, 2.5 picture pixels, past the box.
    QCOMPARE(r.figureArea(QRectF(10, 10, 10, 20)), QRectF(7.5, 7.5, 15, 25));
    // The handles lie 1 to 7 screen pixels outside the zoomed box.
    const QRectF handles = r.handlesArea();
    QVERIFY(handles.contains(QRectF(QPointF(13 / 2.0, 13 / 2.0), QPointF(47 / 2.0, 67 / 2.0))));
    scene.settings.showHandles = false;
    QVERIFY(PictureRepainter(scene).handlesArea().isEmpty());
}

void TestDamageRepaint::aRectangleRepaintMatchesTheFullPass()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(patternedPicture(640, 480)));
    z.setShapeBorderColor(0x0000FF);
    z.setHandleColor(0x00FF00);
    z.DrawNewRectangle(100, 100, 200, 180, {}, QStringLiteral("&HFF0000"));
    z.DrawNewCircle(150, 150, 40, {}, QStringLiteral("&H00FFFF"));
    z.DrawNewPolygon(QStringLiteral("120,90,260,140,140,230"), {}, QStringLiteral("&HFF00FF"));
    z.Redraw(true);
    const QImage full = z.WorkPicture()->persistentLayer().copy();

    // Scribble over a rectangle of the persistent layer; repainting just that
    // rectangle restores it, and nothing outside it moves.
    ZonecraftPrivate* d = ZonecraftPrivate::get(&z);
    const QRect area(130, 120, 90, 70);
    {
        QPainter p(&const_cast<QImage&>(z.WorkPicture()->persistentLayer()));
        p.fillRect(area.adjusted(-20, -20, 20, 20), Qt::black);
    }
    d->repaintPictureRect(QRectF(area));
    const QImage after = z.WorkPicture()->persistentLayer();
    QCOMPARE(after.copy(area), full.copy(area));
    QCOMPARE(after.pixel(area.left() - 1, area.top()) & 0xFFFFFF, 0u);
    QCOMPARE(after.pixel(area.right() + 1, area.bottom()) & 0xFFFFFF, 0u);
    QCOMPARE(z.WorkPicture()->screenLayer().copy(area), full.copy(area));
}

void TestDamageRepaint::oneFigureChangeRunsNoFullPass()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(10, 10, 50, 50);
    const ZonecraftPrivate* d = ZonecraftPrivate::get(&z);
    const int passes = d->paintPasses;
    z.DrawNewCircle(100, 100, 20, {}, QStringLiteral("&HFF"));
    z.FigureAdjustSize(Zonecraft::fig_X1, 30, 1);
    z.FigureRotate(30, 2, true);
    z.DeleteFigure(1);
    z.Undo();
    QCOMPARE(d->paintPasses, passes);
    QCOMPARE(z.WorkPicture()->persistentLayer().pixel(100, 100) & 0xFFFFFF, 0xFF0000u);
    // A change of every figure still paints them all in one pass.
    z.FigureHide(Zonecraft::Hide);
    QCOMPARE(d->paintPasses, passes + 1);
}

void TestDamageRepaint::randomEditsMatchAFullRedraw_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("figureSize");
    QTest::addColumn<int>("fillStyle");
    QTest::newRow("solid, thin outline") << 1u << 1.0 << 1 << 0;
    QTest::newRow("hatched, wide outline") << 2u << 1.0 << 5 << 6;
    QTest::newRow("transparent, zoom 2") << 3u << 2.0 << 2 << 1;
    QTest::newRow("solid, zoom 0.75") << 4u << 0.75 << 3 << 0;
}

void TestDamageRepaint::randomEditsMatchAFullRedraw()
{
    QFETCH(quint32, seed);
    QFETCH(double, zoom);
    QFETCH(int, figureSize);
    QFETCH(int, fillStyle);
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(patternedPicture(640, 480)));
    ZonecraftPrivate* d = ZonecraftPrivate::get(&z);
    d->zoom = zoom;
    z.setFigureSize(figureSize);
    z.setFillStyle(qint16(fillStyle));
    z.setShapeBorderColor(0x2040A0);
    z.setHandleColor(0x00FF00);
    z.setHandleColorLocked(0xFF00FF);
    z.Redraw(true);

    RandomEditor editor(z, seed);
    QRandomGenerator checks(seed * 31);
    QStringList recent;
    for (int step = 1; step <= 400; ++step) {
        recent << editor.step();
        if (recent.size() > 4)
            recent.removeFirst();
        // Some checks come after several edits, so damage of one edit is
        // repainted next to the damage of the following ones.
        if (checks.bounded(3) != 0)
            continue;
        const QString difference = differenceFromFullRedraw(z);
        if (!difference.isEmpty())
            QFAIL(qPrintable(QStringLiteral("step %1 after %2: %3")
                                 .arg(step)
                                 .arg(recent.join(QStringLiteral(", ")), difference)));
    }
    QVERIFY(z.CountFigures() > 10);
}

void TestDamageRepaint::randomGesturesMatchAFullRedraw_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<int>("figureSize");
    QTest::newRow("thin outline") << 5u << 1.0 << 1;
    QTest::newRow("wide outline") << 6u << 1.0 << 4;
    QTest::newRow("zoom 2") << 7u << 2.0 << 2;
    QTest::newRow("zoom 0.75") << 8u << 0.75 << 3;
}

void TestDamageRepaint::randomGesturesMatchAFullRedraw()
{
    // Every gesture draws and erases its marks on the screen layer and ends
    // in a repaint of what it changed; afterwards both layers are what a
    // full pass gives.
    QFETCH(quint32, seed);
    QFETCH(double, zoom);
    QFETCH(int, figureSize);
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.setPicture(StdPicture(patternedPicture(640, 480)));
    ZonecraftPrivate* d = ZonecraftPrivate::get(&z);
    d->zoom = zoom;
    z.setFigureSize(figureSize);
    z.setShapeBorderColor(0x2040A0);
    z.setHandleColor(0x00FF00);
    z.Redraw(true);

    RandomEditor editor(z, seed);
    RandomGestures gestures(z, seed * 7);
    QStringList recent;
    int drawn = 0;
    for (int step = 1; step <= 300; ++step) {
        // A host's edit now and then keeps figures of every kind about.
        const bool byHost = z.CountFigures() < 4 || step % 4 == 0;
        const int before = z.CountFigures();
        recent << (byHost ? editor.step() : gestures.step());
        if (!byHost && z.CountFigures() > before)
            ++drawn;
        if (recent.size() > 3)
            recent.removeFirst();
        QCOMPARE(d->engine.state(), zc::EditingEngine::State::Idle);
        QVERIFY(d->engine.marks().isEmpty());
        if (step % 3 != 0)
            continue;
        const QString difference = differenceFromFullRedraw(z);
        if (!difference.isEmpty())
            QFAIL(qPrintable(QStringLiteral("step %1 after %2: %3")
                                 .arg(step)
                                 .arg(recent.join(QStringLiteral(", ")), difference)));
    }
    QVERIFY(drawn > 10);
}

QTEST_MAIN(TestDamageRepaint)
#include "tst_damagerepaint.moc"
