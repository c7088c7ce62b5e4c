// Hit testing edges, distance, snapping, rotation and handles.

#include "ZonecraftTestSupport.h"
#include "figures/Geometry.h"

#include <QTest>
#include <limits>

using zc::Figure;

namespace {

Figure makeFigure(qint32 kind, float x1, float y1, float x2, float y2)
{
    Figure f;
    f.ClassFigure = kind;
    f.setBox(x1, y1, x2, y2);
    return f;
}

} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isAtEdges_data();
    void isAtEdges();
    void polygonHitWithoutPaint();
    void distance();
    void snapTo_data();
    void snapTo();
    void snapToOutOfRange();
    void rotateRectangleOffsets();
    void figureRotateMakesAPolygon();
    void handlesOfACircleAndPolygon();
};

void TestGeometry::isAtEdges_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<bool>("inside");
    QTest::newRow("rectangle bottom-right corner") << 1 << 10.f << 10.f << true;
    QTest::newRow("rectangle top-left corner") << 1 << 0.f << 0.f << true;
    QTest::newRow("rectangle just outside") << 1 << 10.01f << 5.f << false;
    QTest::newRow("circle near rim") << 2 << 5.f << 1.f << true;
    QTest::newRow("circle on rim") << 2 << 5.f << 0.f << false;
    QTest::newRow("circle box corner") << 2 << 0.f << 0.f << false;
    // The polygon (0,0)-(10,0)-(10,10)-(0,10) follows region rules:
    // left and top edges inside, right and bottom outside.
    QTest::newRow("polygon top-left") << 3 << 0.f << 0.f << true;
    QTest::newRow("polygon right edge") << 3 << 10.f << 5.f << false;
    QTest::newRow("polygon bottom edge") << 3 << 5.f << 10.f << false;
    QTest::newRow("polygon inside, rounded") << 3 << 9.4f << 9.4f << true;
    QTest::newRow("polygon half rounds to even") << 3 << 9.5f << 5.f << false;
}

void TestGeometry::isAtEdges()
{
    QFETCH(int, kind);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(bool, inside);
    Figure f = makeFigure(kind, 0, 0, 10, 10);
    if (kind == zc::PolygonKind)
        f.setData({ 0, 0, 10, 10, 0 }, { 0, 0, 0, 10, 10 });
    QCOMPARE(f.IsAt(x, y), inside);
}

void TestGeometry::polygonHitWithoutPaint()
{
    // The region follows later geometry changes without a paint in between.
    Figure f = makeFigure(zc::PolygonKind, 0, 0, 10, 10);
    f.setData({ 0, 0, 10, 10, 0 }, { 0, 0, 0, 10, 10 });
    QVERIFY(f.IsAt(5, 5));
    f.setBox(100, 100, 110, 110);
    QVERIFY(!f.IsAt(5, 5));
    QVERIFY(f.IsAt(105, 105));
}

void TestGeometry::distance()
{
    ZonecraftFixture fx;
    QCOMPARE(fx.z().Distance(3, 4, 3, 10), 6.0);
    QCOMPARE(fx.z().Distance(0, 0, 3, 4), 5.0);
    QCOMPARE(fx.z().Distance(7, 1, -2, 1), 9.0);
}

void TestGeometry::snapTo_data()
{
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("value");
    QTest::addColumn<float>("snapped");
    QTest::newRow("200% 7") << 2.0 << 7.0 << 6.f;
    QTest::newRow("200% 8") << 2.0 << 8.0 << 8.f;
    QTest::newRow("300% 5") << 3.0 << 5.0 << 6.f;
    QTest::newRow("300% 4") << 3.0 << 4.0 << 3.f;
    QTest::newRow("300% -5, remainder keeps the sign") << 3.0 << -5.0 << -3.f;
    QTest::newRow("100% 13") << 1.0 << 13.0 << 13.f;
    QTest::newRow("50% nothing snapped") << 0.5 << 13.0 << 13.f;
    QTest::newRow("75% step 1") << 0.75 << 13.0 << 13.f;
    QTest::newRow("fraction rounds first") << 2.0 << 8.5 << 8.f;
}

void TestGeometry::snapTo()
{
    QFETCH(double, zoom);
    QFETCH(double, value);
    QFETCH(float, snapped);
    QCOMPARE(zc::snapTo(value, zoom), snapped);
}

void TestGeometry::snapToOutOfRange()
{
    // The remainder is taken on a 32-bit integer: anything beyond is an overflow.
    ZonecraftFixture fx;
    QCOMPARE(fx.z().SnapTo(2147483647.0), 2147483647.f);
    for (const double bad : { 3e9, -3e9, std::numeric_limits<double>::quiet_NaN(),
             std::numeric_limits<double>::infinity() }) {
        try {
            fx.z().SnapTo(bad);
            QFAIL("expected an overflow");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 6);
        }
    }
}

void TestGeometry::rotateRectangleOffsets()
{
    std::vector<float> dx, dy;
    zc::rectangleOffsets(100, 50, dx, dy);
    zc::rotateOffsets(dx, dy, 90, 50, 25);
    const std::vector<QPointF> expected { { 25, 75 }, { 75, 75 }, { 75, -25 }, { 25, -25 } };
    for (int i = 1; i <= 4; ++i) {
        QVERIFY2(qAbs(dx[size_t(i)] - expected[size_t(i - 1)].x()) < 1e-4,
            qPrintable(QString::number(i)));
        QVERIFY2(qAbs(dy[size_t(i)] - expected[size_t(i - 1)].y()) < 1e-4,
            qPrintable(QString::number(i)));
    }
}

void TestGeometry::figureRotateMakesAPolygon()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(100, 100, 200, 150, QStringLiteral("k"), QStringLiteral("255"), true);
    z.DrawNewCircle(300, 300, 20);
    QSignalSpy moved(&z, &Zonecraft::HotspotMoved);
    z.FigureRotate(90, 1, true);
    QCOMPARE(z.ExtractFigure(1), QStringLiteral("Polygon"));
    // Turned about its centre (150, 125); it now stands after the circle.
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("125,175,175,175,175,75,125,75"));
    QCOMPARE(z.SupportCoordinates(2), QStringLiteral("125,75,175,175"));
    QCOMPARE(z.ExtractKey(1), QStringLiteral("k"));
    QCOMPARE(moved.count(), 1);
    const ShapeFigure shape = moved.at(0).at(0).value<ShapeFigure>();
    QCOMPARE(shape.Color, 255);
    // The polygon is a new figure: it keeps number, box, key and colour, and
    // starts unlocked like every new figure.
    QVERIFY(!shape.Locked);
    QCOMPARE(z.FigureAt(150, 110), 1);
    QCOMPARE(z.FigureAt(110, 110), 0);

    z.FigureRotate(45, 2, true); // circles are not turned
    QCOMPARE(z.ExtractFigure(2), QStringLiteral("Circle"));
    QCOMPARE(moved.count(), 1);

    // An angle that is no number is refused and the vertices stay.
    for (const float bad :
        { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity() }) {
        try {
            z.FigureRotate(bad, 1, true);
            QFAIL("expected an error");
        } catch (const RuntimeError& e) {
            QCOMPARE(e.number(), 5);
        }
        QCOMPARE(z.ExtractCordinates(1), QStringLiteral("125,175,175,175,175,75,125,75"));
        QCOMPARE(z.SupportCoordinates(2), QStringLiteral("125,75,175,175"));
    }
    QCOMPARE(moved.count(), 1);
}

void TestGeometry::handlesOfACircleAndPolygon()
{
    zc::SelectionBox box { 100, 40, 100, 40, zc::CircleKind };
    // Circles have only the four middle handles.
    QCOMPARE(zc::handleAt(box, false, 93, 93), int(zc::HandleNone));
    QCOMPARE(zc::handleAt(box, false, 120, 95), int(zc::HandleTop));
    QCOMPARE(zc::handleAt(box, false, 145, 120), int(zc::HandleRight));
    QCOMPARE(zc::handleAt(box, false, 120, 145), int(zc::HandleBottom));
    QCOMPARE(zc::handleAt(box, false, 95, 120), int(zc::HandleLeft));
    QCOMPARE(zc::handleAt(box, true, 120, 120), int(zc::HandleMove));
    box.classFigure = zc::PolygonKind;
    QCOMPARE(zc::handleAt(box, false, 0, 0), int(zc::HandleMove));
    box.classFigure = zc::RectangleKind;
    QCOMPARE(zc::handleAt(box, false, 92, 120), int(zc::HandleNone)); // 8 px outside
    QCOMPARE(zc::handleAt(box, false, 93, 93), int(zc::HandleTopLeft));
    QCOMPARE(zc::handleAt(box, false, 147, 147), int(zc::HandleBottomRight));
    QCOMPARE(zc::handleAt(box, false, 93, 147), int(zc::HandleBottomLeft));
}

QTEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
