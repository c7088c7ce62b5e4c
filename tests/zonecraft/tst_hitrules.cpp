// The hotspot under a point: the editor's own rules against a browser's.

#include "figures/HitRules.h"

#include <QTest>
#include <limits>
#include <memory>

using zc::Figure;
using zc::FigureCollection;
using zc::HitRules;

Q_DECLARE_METATYPE(QPolygonF)

namespace {

std::unique_ptr<Figure> makeFigure(
    qint32 number, qint32 kind, float x1, float y1, float x2, float y2)
{
    auto f = std::make_unique<Figure>();
    f->ControlIndex = number;
    f->ClassFigure = kind;
    f->setBox(x1, y1, x2, y2);
    return f;
}

// A polygon from absolute vertices.
std::unique_ptr<Figure> makePolygon(qint32 number, const QPolygonF& points)
{
    const QRectF box = points.boundingRect();
    auto f = makeFigure(number, zc::PolygonKind, float(box.left()), float(box.top()),
        float(box.right()), float(box.bottom()));
    std::vector<float> xs { 0.0f }, ys { 0.0f };
    for (const QPointF& p : points) {
        xs.push_back(float(p.x() - box.left()));
        ys.push_back(float(p.y() - box.top()));
    }
    f->setData(xs, ys);
    return f;
}

// A figure alone in a collection, asked under both rules.
struct Single
{
    explicit Single(std::unique_ptr<Figure> f) { figures.add(std::move(f)); }
    bool under(HitRules rules, QPointF p) const
    {
        return zc::hotspotAt(figures, p, rules) != nullptr;
    }
    FigureCollection figures;
};

const QPolygonF unitSquare { QPointF(0, 0), QPointF(10, 0), QPointF(10, 10), QPointF(0, 10) };
// A five-pointed star drawn in one stroke: its middle is wound twice.
const QPolygonF pentagram { QPointF(50, 0), QPointF(79, 90), QPointF(2, 35), QPointF(98, 35),
    QPointF(21, 90) };

} // namespace

class TestHitRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rectangle_data();
    void rectangle();
    void circle_data();
    void circle();
    void polygon_data();
    void polygon();
    void polygonPrimitive();
    void overlapOrder();
    void badPoints();
};

void TestHitRules::rectangle_data()
{
    QTest::addColumn<QRectF>("corners"); // x1, y1 as the top-left, x2, y2 as the size's end
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<bool>("control");
    QTest::addColumn<bool>("browser");
    const QRectF box(QPointF(0, 0), QPointF(10, 10));
    QTest::newRow("inside") << box << QPointF(5, 5) << true << true;
    QTest::newRow("top-left corner") << box << QPointF(0, 0) << true << true;
    QTest::newRow("bottom-right corner") << box << QPointF(10, 10) << true << true;
    QTest::newRow("right edge") << box << QPointF(10, 3) << true << true;
    QTest::newRow("just right of the edge") << box << QPointF(10.5, 3) << false << false;
    QTest::newRow("just above") << box << QPointF(5, -0.5) << false << false;
    // A browser swaps corners given the wrong way round; the editor's box
    // test assumes ordered corners.
    const QRectF reversed(QPointF(10, 10), QPointF(0, 0));
    QTest::newRow("reversed corners") << reversed << QPointF(5, 5) << false << true;
    const QRectF line(QPointF(0, 5), QPointF(10, 5));
    QTest::newRow("zero-height box, on its line") << line << QPointF(4, 5) << true << true;
}

void TestHitRules::rectangle()
{
    QFETCH(QRectF, corners);
    QFETCH(QPointF, point);
    QFETCH(bool, control);
    QFETCH(bool, browser);
    Single s(makeFigure(1, zc::RectangleKind, float(corners.left()), float(corners.top()),
        float(corners.right()), float(corners.bottom())));
    QCOMPARE(s.under(HitRules::Control, point), control);
    QCOMPARE(s.under(HitRules::Browser, point), browser);
}

void TestHitRules::circle_data()
{
    QTest::addColumn<float>("size"); // box (0, 0)-(size, size)
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<bool>("control");
    QTest::addColumn<bool>("browser");
    QTest::newRow("near the rim") << 10.f << QPointF(5, 1) << true << true;
    QTest::newRow("on the rim (top)") << 10.f << QPointF(5, 0) << false << true;
    QTest::newRow("on the rim (right)") << 10.f << QPointF(10, 5) << false << true;
    QTest::newRow("box corner") << 10.f << QPointF(0, 0) << false << false;
    QTest::newRow("outside the rim") << 10.f << QPointF(5, -0.5) << false << false;
    // The tag carries whole numbers: centre 5.5 and radius 5.5 become 6 and 6.
    QTest::newRow("rounded as exported") << 11.f << QPointF(12, 6) << false << true;
    QTest::newRow("no radius") << 0.f << QPointF(0, 0) << false << false;
}

void TestHitRules::circle()
{
    QFETCH(float, size);
    QFETCH(QPointF, point);
    QFETCH(bool, control);
    QFETCH(bool, browser);
    Single s(makeFigure(1, zc::CircleKind, 0, 0, size, size));
    QCOMPARE(s.under(HitRules::Control, point), control);
    QCOMPARE(s.under(HitRules::Browser, point), browser);
}

void TestHitRules::polygon_data()
{
    QTest::addColumn<QPolygonF>("points");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<bool>("control");
    QTest::addColumn<bool>("browser");
    QTest::newRow("inside") << unitSquare << QPointF(5, 5) << true << true;
    QTest::newRow("top-left vertex") << unitSquare << QPointF(0, 0) << true << true;
    QTest::newRow("left edge") << unitSquare << QPointF(0, 5) << true << true;
    // The editor's region leaves the right and bottom edges out; a browser
    // counts the whole outline in.
    QTest::newRow("right edge") << unitSquare << QPointF(10, 5) << false << true;
    QTest::newRow("bottom edge") << unitSquare << QPointF(5, 10) << false << true;
    QTest::newRow("bottom-right vertex") << unitSquare << QPointF(10, 10) << false << true;
    QTest::newRow("outside") << unitSquare << QPointF(11, 5) << false << false;
    // Winding fills the star's middle, even-odd leaves it empty.
    QTest::newRow("star middle") << pentagram << QPointF(50, 50) << true << false;
    QTest::newRow("star point") << pentagram << QPointF(50, 10) << true << true;
    const QPolygonF slanted { QPointF(0, 0), QPointF(20, 10), QPointF(0, 20) };
    // The slanted edge is a right-hand edge: outside for the region, inside for a browser.
    QTest::newRow("on a slanted edge") << slanted << QPointF(10, 5) << false << true;
    QTest::newRow("inside a slanted edge") << slanted << QPointF(9, 5) << true << true;
    QTest::newRow("beyond a slanted edge") << slanted << QPointF(12, 5) << false << false;
}

void TestHitRules::polygon()
{
    QFETCH(QPolygonF, points);
    QFETCH(QPointF, point);
    QFETCH(bool, control);
    QFETCH(bool, browser);
    Single s(makePolygon(1, points));
    QCOMPARE(s.under(HitRules::Control, point), control);
    QCOMPARE(s.under(HitRules::Browser, point), browser);
}

void TestHitRules::polygonPrimitive()
{
    // Fewer than three vertices make no area, even on their own segment.
    QVERIFY(!zc::browserPolygonContains({ QPointF(0, 0), QPointF(10, 10) }, QPointF(5, 5)));
    QVERIFY(!zc::browserPolygonContains({}, QPointF(0, 0)));
    // A horizontal edge at the point's height is neither crossed twice nor missed.
    const QPolygonF notch { QPointF(0, 0), QPointF(10, 0), QPointF(10, 10), QPointF(5, 5),
        QPointF(0, 10) };
    QVERIFY(zc::browserPolygonContains(notch, QPointF(2, 5)));
    QVERIFY(zc::browserPolygonContains(notch, QPointF(5, 5))); // the notch's vertex
    QVERIFY(!zc::browserPolygonContains(notch, QPointF(5, 8)));
    QVERIFY(zc::browserPolygonContains(notch, QPointF(5, 0)));
    QVERIFY(!zc::browserCircleContains(0, 0, -3, QPointF(0, 0)));
}

void TestHitRules::overlapOrder()
{
    // The first area of a page wins in a browser; the figure created last
    // lies on top in the editor.
    FigureCollection figures;
    Figure* first = figures.add(makeFigure(1, zc::RectangleKind, 0, 0, 50, 50));
    Figure* second = figures.add(makeFigure(2, zc::RectangleKind, 25, 25, 75, 75));
    Figure* third
        = figures.add(makePolygon(3, { QPointF(20, 20), QPointF(60, 20), QPointF(60, 60) }));
    QCOMPARE(zc::hotspotAt(figures, QPointF(30, 40), HitRules::Control), second);
    QCOMPARE(zc::hotspotAt(figures, QPointF(30, 40), HitRules::Browser), first);
    QCOMPARE(zc::hotspotAt(figures, QPointF(55, 30), HitRules::Control), third);
    QCOMPARE(zc::hotspotAt(figures, QPointF(55, 30), HitRules::Browser), second);
    QCOMPARE(zc::hotspotAt(figures, QPointF(70, 70), HitRules::Browser), second);
    QCOMPARE(zc::hotspotAt(figures, QPointF(90, 90), HitRules::Browser), nullptr);
    QCOMPARE(zc::hotspotAt(figures, QPointF(90, 90), HitRules::Control), nullptr);
}

void TestHitRules::badPoints()
{
    Single s(makeFigure(1, zc::RectangleKind, -1e9f, -1e9f, 1e9f, 1e9f));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (HitRules rules : { HitRules::Control, HitRules::Browser }) {
        QVERIFY(s.under(rules, QPointF(0, 0)));
        QVERIFY(!s.under(rules, QPointF(nan, 0)));
        QVERIFY(!s.under(rules, QPointF(0, inf)));
    }
}

QTEST_GUILESS_MAIN(TestHitRules)
#include "tst_hitrules.moc"
