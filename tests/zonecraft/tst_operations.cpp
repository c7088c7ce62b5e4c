// The host's figure operations, their refusals and their events.

#include "ZonecraftTestSupport.h"

#include <PropertyRoundTrip.h>
#include <QTest>
#include <common/PropertyBag.h>
#include <common/RuntimeError.h>
#include <limits>

class TestOperations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void adjustSizeRules();
    void adjustSizeRefusals_data();
    void adjustSizeRefusals();
    void refusesWhatWouldNotReadBack();
    void edgesAtTheTopOfTheRangeReadBack();
    void unknownNumbers();
    void cutAndPaste();
    void convertKinds();
    void moveRefusesBadTextAndKeepsTheFigure();
    void lockKeyColourAndFocus();
    void clearRemovesEverything();
    void hostChangesFiguresFromInsideEvents();
    void persistence();
    void everyPropertyRoundTrips();
};

void TestOperations::persistence()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.InitProperties();
    QVERIFY(!z.ShowRulers());
    PropertyBag bag;
    z.saveProperties(bag);
    // Design mode is omitted; Trues stored against a default of 1 are written.
    QVERIFY(!bag.contains(QStringLiteral("ImagemapMode")));
    QVERIFY(bag.contains(QStringLiteral("AlignToGrid")));
    QVERIFY(bag.contains(QStringLiteral("ShowHandles")));
    QVERIFY(!bag.contains(QStringLiteral("ZoomLevel")));
    z.setAlignToGrid(false);
    z.setRulerBackColor(0x123456);
    z.setImagemapMode(Zonecraft::PreviewMode);
    z.setZoomLevel(200);
    z.setTooltips_Style(Zonecraft::UseBalloon);
    bag.clear();
    z.saveProperties(bag);
    QVERIFY(bag.contains(QStringLiteral("AlignToGrid")));
    QVERIFY(bag.keys().contains(QStringLiteral("RulerBackColor")));

    PropertyBag copy;
    QVERIFY(copy.loadJson(bag.toJson()));
    ZonecraftFixture other;
    Zonecraft& y = other.z();
    y.loadProperties(copy);
    QCOMPARE(y.ImagemapMode(), Zonecraft::PreviewMode);
    QVERIFY(!y.AlignToGrid());
    QCOMPARE(y.RulerBackColor(), OLE_COLOR(0x123456));
    QCOMPARE(y.ZoomLevel(), 200);
    QCOMPARE(y.Tooltips_Style(), Zonecraft::UseBalloon);
    QVERIFY(y.ShowRulers());
    QVERIFY(!y.isDirty());
    y.setImagemapMode(Zonecraft::DesignMode);
    y.setAlignToGrid(true);
}

void TestOperations::adjustSizeRules()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(10, 10, 60, 40);
    z.FigureAdjustSize(Zonecraft::fig_X1, 100, 1);
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("100,10,150,40")); // width kept
    z.FigureAdjustSize(Zonecraft::fig_Y2, 10, 1); // equal to the top: allowed
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("100,10,150,10"));

    z.DrawNewCircle(100, 100, 20); // box 80..120
    z.FigureAdjustSize(Zonecraft::fig_X2, 140, 2);
    QCOMPARE(z.SupportCoordinates(2), QStringLiteral("80,80,140,140")); // stays square
    z.FigureAdjustSize(Zonecraft::fig_Y1, 0, 2);
    QCOMPARE(z.SupportCoordinates(2), QStringLiteral("80,0,140,60"));

    z.DrawNewPolygon(QStringLiteral("10,10,50,10,30,40"));
    QSignalSpy moved(&z, &Zonecraft::HotspotMoved);
    z.FigureAdjustSize(Zonecraft::fig_X1, 110, 3);
    QCOMPARE(z.ExtractCordinates(3), QStringLiteral("110,10,150,10,130,40"));
    QCOMPARE(z.FigureAt(130, 20), 3); // the hit test follows the move
    z.FigureAdjustSize(Zonecraft::fig_X2, 500, 3); // no effect on polygons
    QCOMPARE(z.ExtractCordinates(3), QStringLiteral("110,10,150,10,130,40"));
    QCOMPARE(moved.count(), 2);
    // Index 0: the selected figure (the polygon).
    z.FigureAdjustSize(Zonecraft::fig_Y1, 20);
    QCOMPARE(z.ExtractCordinates(3), QStringLiteral("110,20,150,20,130,50"));
}

void TestOperations::adjustSizeRefusals_data()
{
    QTest::addColumn<bool>("circle");
    QTest::addColumn<int>("coordinate");
    QTest::newRow("rectangle right edge left of left") << false << int(Zonecraft::fig_X2);
    QTest::newRow("rectangle bottom above top") << false << int(Zonecraft::fig_Y2);
    QTest::newRow("circle right edge left of left") << true << int(Zonecraft::fig_X2);
    QTest::newRow("circle bottom above top") << true << int(Zonecraft::fig_Y2);
}

void TestOperations::adjustSizeRefusals()
{
    QFETCH(bool, circle);
    QFETCH(int, coordinate);
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    if (circle)
        z.DrawNewCircle(100, 100, 20);
    else
        z.DrawNewRectangle(80, 80, 120, 110);
    const QString before = z.SupportCoordinates(1);
    EventLog log(z);
    QSignalSpy error(&z, &Zonecraft::ErrorTracer);
    z.FigureAdjustSize(Zonecraft::FigureCord(coordinate), 79, 1);
    QCOMPARE(error.count(), 1);
    QCOMPARE(error.at(0).at(0).toInt(), 1005);
    QCOMPARE(z.SupportCoordinates(1), before);
    QCOMPARE(log.take(), (QStringList { "ErrorTracer", "HotspotMoved" }));
}

namespace {

/// Runs \a call, which must fail with the reader's overflow error and leave
/// every figure as it was.
template<typename Call> void expectOverflowAndNoChange(Zonecraft& z, const char* what, Call call)
{
    const QString before = z.ExportCode(Zonecraft::customcode);
    int number = 0;
    try {
        call();
    } catch (const RuntimeError& e) {
        number = e.number();
    }
    QVERIFY2(number == 6, what);
    QVERIFY2(z.ExportCode(Zonecraft::customcode) == before, what);
}

/// The separated export of \a z imported into a fresh control and exported again.
QString exportReadBack(const Zonecraft& z)
{
    QString list;
    for (const QString& line : z.ExportCode(Zonecraft::customcode).split(QStringLiteral("\r\n")))
        if (!line.isEmpty())
            list += line + QStringLiteral("||0\r\n");
    Zonecraft fresh;
    fresh.ImportCode(Zonecraft::customcode, list);
    return fresh.ExportCode(Zonecraft::customcode);
}

} // namespace

void TestOperations::refusesWhatWouldNotReadBack()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewCircle(100, 100, 50);
    // Moving or growing a circle past what a single-precision box holds exactly.
    expectOverflowAndNoChange(
        z, "circle grown", [&] { z.FigureAdjustSize(Zonecraft::fig_X2, 40000000, 1); });
    expectOverflowAndNoChange(
        z, "circle moved down", [&] { z.FigureAdjustSize(Zonecraft::fig_Y1, 16777200, 1); });

    // A rectangle too wide to become a circle stays a rectangle.
    z.DrawNewRectangle(0, 0, 40000000, 10);
    expectOverflowAndNoChange(
        z, "wide rectangle to circle", [&] { z.FigureConvert(Zonecraft::ZELCIRCLE, 2); });
    // A rectangle moved so far right that its right edge leaves the range.
    expectOverflowAndNoChange(
        z, "rectangle moved right", [&] { z.FigureAdjustSize(Zonecraft::fig_X1, 2147483000, 2); });

    // A polygon whose vertex would round to 2^31.
    z.DrawNewPolygon(QStringLiteral("0,0,10,0,10,10"));
    expectOverflowAndNoChange(
        z, "polygon moved right", [&] { z.FigureAdjustSize(Zonecraft::fig_X1, 2147483600, 3); });
    // Turned by 45 degrees, a square that spans the range would reach past it.
    z.DrawNewPolygon(QStringLiteral("-2000000000,-2000000000,2000000000,-2000000000,2000000000,"
                                    "2000000000,-2000000000,2000000000"));
    expectOverflowAndNoChange(z, "polygon turned", [&] { z.FigureRotate(45, 4, true); });
    QCOMPARE(z.ExtractFigure(4), QStringLiteral("Polygon"));
    // Each vertex in range, but the second one's offset from the first
    // rounds up in single precision: the reader refuses it at the door.
    expectOverflowAndNoChange(z, "polygon imported", [&] {
        z.ImportCode(
            Zonecraft::customcode, QStringLiteral("-2147483648,0,2147483520,0|Polygon|1||0\r\n"));
    });
    // In range, but 10 lies 2^31 + 10 from the corner, which single precision
    // holds as 2^31: the polygon would come back with that vertex at 0.
    expectOverflowAndNoChange(z, "polygon vertex rounded onto another",
        [&] { z.DrawNewPolygon(QStringLiteral("10,0,10,10,-2147483648,10,-2147483648,0")); });
    // Refused before the polygon is taken out to be made again.
    expectOverflowAndNoChange(z, "polygon moved onto vertices it cannot hold",
        [&] { z.FigureMove(3, QStringLiteral("10,0,10,10,-2147483648,10,-2147483648,0")); });
    // An inside-out rectangle with its corner at 10 converts to a polygon
    // whose text reads back with the corner at -2^31, and the same rounding.
    z.DrawNewRectangle(10, 0, std::numeric_limits<qint32>::min(), 10);
    QCOMPARE(z.CountFigures(), 5);
    expectOverflowAndNoChange(
        z, "inside-out rectangle to polygon", [&] { z.FigureConvert(Zonecraft::zelpolygon, 5); });
    QCOMPARE(z.ExtractFigure(5), QStringLiteral("Rectangle"));
    z.DeleteFigure(5);
    QCOMPARE(z.CountFigures(), 4);
    QCOMPARE(exportReadBack(z), z.ExportCode(Zonecraft::customcode));
}

void TestOperations::edgesAtTheTopOfTheRangeReadBack()
{
    // 2147483647 is stored as the single 2^31; the texts the control gives
    // out must still read back, the history's included.
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(0, 0, 2147483647, 10, {}, {}, false, false, false, 0, true);
    const QString stored = z.ExportCode(Zonecraft::customcode);
    QCOMPARE(exportReadBack(z), stored);
    z.Undo();
    QCOMPARE(z.CountFigures(), 0);
    z.Redo();
    QVERIFY(fx.messages.isEmpty());
    QCOMPARE(z.ExportCode(Zonecraft::customcode), stored);
}

void TestOperations::unknownNumbers()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(0, 0, 10, 10);
    QSignalSpy error(&z, &Zonecraft::ErrorTracer);
    QSignalSpy lock(&z, &Zonecraft::ObjectLock);
    z.ActivateHotspot(7);
    QCOMPARE(error.count(), 1);
    QCOMPARE(error.at(0).at(0).toInt(), 1006);
    QCOMPARE(z.SelectedIndex(), 1);
    QCOMPARE(lock.count(), 0);

    // 0 names the selected figure: it is selected again, then removed.
    QSignalSpy activated(&z, &Zonecraft::HotspotActivate);
    z.ActivateHotspot(0);
    QCOMPARE(error.count(), 1);
    QCOMPARE(activated.count(), 1);
    QCOMPARE(lock.count(), 1);
    z.DrawNewRectangle(20, 20, 30, 30);
    z.ActivateHotspot(1);
    z.RemoveFigure(0);
    QCOMPARE(z.CountFigures(), 1);
    QCOMPARE(z.ExtractCordinates(2), QStringLiteral("20,20,30,30"));
    QCOMPARE(z.SelectedIndex(), 0);
    z.RemoveFigure(0); // nothing selected: nothing removed
    QCOMPARE(z.CountFigures(), 1);
    z.ActivateHotspot(0);
    QCOMPARE(error.count(), 2);

    const auto fails = [&](const std::function<void()>& call) {
        try {
            call();
        } catch (const RuntimeError& e) {
            return e.number() == 5;
        }
        return false;
    };
    QVERIFY(fails([&] { z.DeleteFigure(7); }));
    QVERIFY(fails([&] { z.FigureMove(7, QStringLiteral("1,2,3,4")); }));
    QVERIFY(fails([&] { z.FigureRotate(30, 7); }));
    QVERIFY(fails([&] { z.FigureConvert(Zonecraft::ZELCIRCLE, 7); }));
    QVERIFY(fails([&] { z.FigureAdjustSize(Zonecraft::fig_X1, 3, 7); }));
    QVERIFY(fails([&] { z.FigureColor(255, 7); }));
    QVERIFY(fails([&] { z.FigureCut(7); }));
    QCOMPARE(z.CountFigures(), 1);
    z.RemoveFigure(7); // ignored
    z.SetKey(QStringLiteral("x"), 7); // ignored
    QCOMPARE(z.CountFigures(), 1);

    z.PictureGetFocus();
    QVERIFY(fails([&] { z.DeleteFigure(); })); // nothing selected
    lock.clear();
    z.FigureLock(true); // ignored without a selection
    QCOMPARE(lock.count(), 0);
}

void TestOperations::cutAndPaste()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(10, 10, 60, 40);
    QSignalSpy click(&z, &Zonecraft::PictureClick);
    z.FigureCut();
    QCOMPARE(z.CountFigures(), 0);
    QCOMPARE(click.count(), 1);
    z.FigurePaste(200, 200);
    QCOMPARE(z.SupportCoordinates(1), QStringLiteral("200,200,60,40")); // no corner ordering
    z.Undo(); // the paste is recorded
    QCOMPARE(z.CountFigures(), 0);

    z.DrawNewCircle(50, 50, 10);
    z.FigureCut(0);
    z.FigurePaste(5, 5); // only rectangles are pasted
    QCOMPARE(z.CountFigures(), 0);
    z.DrawNewPolygon(QStringLiteral("1,1,9,1,5,9"));
    z.FigureCut(1);
    z.FigurePaste(5, 5);
    QCOMPARE(z.CountFigures(), 0);
}

void TestOperations::convertKinds()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(10, 20, 50, 80, QStringLiteral("r"), QStringLiteral("255"), true);
    z.FigureConvert(Zonecraft::ZELCIRCLE, 1);
    QCOMPARE(z.ExtractFigure(1), QStringLiteral("Circle"));
    QCOMPARE(z.SupportCoordinates(1), QStringLiteral("10,20,50,60")); // diameter = old width
    QCOMPARE(z.ExtractKey(1), QStringLiteral("r"));
    z.FigureConvert(Zonecraft::zelpolygon, 1);
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("30,20,10,40,30,60,50,40"));
    z.FigureConvert(Zonecraft::zelpolygon, 1); // polygon to polygon: nothing
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("30,20,10,40,30,60,50,40"));
    z.DrawNewRectangle(0, 0, 10, 20);
    z.FigureConvert(Zonecraft::zelpolygon, 2);
    QCOMPARE(z.ExtractCordinates(2), QStringLiteral("0,0,0,20,10,20,10,0"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, z.FigureConvert(Zonecraft::DrawFigure(9), 2));
    QCOMPARE(z.ExtractFigure(2), QStringLiteral("Polygon"));
    // The selection follows the converted figure.
    z.ActivateHotspot(2);
    z.FigureConvert(Zonecraft::zelrectangle);
    QCOMPARE(z.SelectedIndex(), 2);
    QCOMPARE(z.GetFigureIndex(), 2);
}

void TestOperations::moveRefusesBadTextAndKeepsTheFigure()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(10, 10, 60, 40, QStringLiteral("k"));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, z.FigureMove(1, QStringLiteral("1,2")));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, z.FigureMove(1, QStringLiteral("1,2,x,4")));
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("10,10,60,40"));
    QCOMPARE(z.ExtractKey(1), QStringLiteral("k"));
    QSignalSpy moved(&z, &Zonecraft::HotspotMoved);
    z.FigureMove(1, QStringLiteral("20,20,70,50"));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(z.ExtractKey(1), QStringLiteral("k"));
}

void TestOperations::lockKeyColourAndFocus()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(0, 0, 10, 10);
    z.DrawNewRectangle(20, 20, 30, 30);
    QSignalSpy lock(&z, &Zonecraft::ObjectLock);
    z.FigureLock(true);
    QCOMPARE(lock.count(), 1);
    QVERIFY(lock.at(0).at(0).toBool());
    z.ActivateHotspot(2);
    QCOMPARE(lock.count(), 2);
    QVERIFY(lock.at(1).at(0).toBool()); // figure 2 is the locked one
    z.RemoveFigure(1);
    z.DrawNewRectangle(0, 0, 1, 1); // number 1 again, but last in the collection
    z.SetKey(QStringLiteral("by position"), 1);
    QCOMPARE(z.ExtractKey(2), QStringLiteral("by position"));
    z.SetKey(QStringLiteral("selected"));
    QCOMPARE(z.ExtractKey(1), QStringLiteral("selected"));
    z.FigureColor(0xFF, 1);
    QSignalSpy activate(&z, &Zonecraft::HotspotActivate);
    z.ActivateHotspot(1);
    QCOMPARE(activate.at(0).at(0).value<ShapeFigure>().Color, 0xFF);
    QSignalSpy click(&z, &Zonecraft::PictureClick);
    z.PictureGetFocus(false);
    z.PictureGetFocus(true);
    QCOMPARE(click.count(), 1);
    QCOMPARE(z.SelectedIndex(), 0);
    QVERIFY(!z.LockAll());
    z.ChangePolygonValue(2);
    QCOMPARE(z.CountFigures(), 2);
}

void TestOperations::clearRemovesEverything()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    for (int i = 0; i < 5; ++i)
        z.DrawNewCircle(50 * i + 20, 50, 10);
    EventLog log(z);
    z.Clear();
    QCOMPARE(z.CountFigures(), 0);
    QCOMPARE(z.SelectedIndex(), 0);
    QCOMPARE(log.take(), (QStringList { "VisibleObject", "PictureClick" }));
    z.DrawNewCircle(0, 0, 1);
    QCOMPARE(z.SelectedIndex(), 1);
}

void TestOperations::hostChangesFiguresFromInsideEvents()
{
    // Events are synchronous calls into the host, which may call back.
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    auto removeOnKey = QObject::connect(
        &z, &Zonecraft::GetKey, [&z](const QString&, qint32 index) { z.RemoveFigure(index); });
    z.DrawNewRectangle(0, 0, 10, 10, {}, {}, false, false, false, 0, true);
    QCOMPARE(z.CountFigures(), 0);
    QObject::disconnect(removeOnKey);

    z.DrawNewRectangle(0, 0, 10, 10);
    z.DrawNewCircle(50, 50, 10);
    auto clearOnActivate = QObject::connect(
        &z, &Zonecraft::HotspotActivate, [&z](const ShapeFigure&) { z.Clear(); });
    z.ActivateHotspot(1);
    QCOMPARE(z.CountFigures(), 0);
    QObject::disconnect(clearOnActivate);

    z.DrawNewRectangle(0, 0, 10, 10);
    z.DeleteFigure(1);
    auto clearOnAction = QObject::connect(&z, &Zonecraft::HistoryAction,
        [&z](Zonecraft::HistoryActions, qint32, const ShapeFigure&) { z.ClearHistory(); });
    z.Undo();
    QCOMPARE(z.CountFigures(), 1);
    QObject::disconnect(clearOnAction);
    z.Undo(); // nothing left
    QCOMPARE(z.CountFigures(), 1);
}

void TestOperations::everyPropertyRoundTrips()
{
    RoundTripOptions options;
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::red);
    for (const char* picture : { "Picture", "PreviewMouseIcon", "RotateCursor", "DrawCircleCursor",
             "DrawPolygonCursor", "DrawRectCursor" })
        options.values.insert(picture, QVariant::fromValue(StdPicture(image)));
    options.unmarked = { "ZoomToNormal", "ShapeBorderColor" };
    // The angle a rotation starts from and the picture's size belong to the running control.
    // The preview's hit rules are a run-time choice the stored file does not carry.
    options.notPersisted = { "StartRotate", "EnabledVerticalBar", "PictureWidth", "PictureHeight",
        "BrowserHitRules" };
    // The drawing tabs are objects the host owns; the tab strip's tests cover them.
    options.skipped = { { "m_DrawingTabs", QStringLiteral("objects the host owns") } };
    options.notifyRequired = true;
    const QString faults
        = checkPropertyRoundTrip([] { return std::make_unique<Zonecraft>(); }, options);
    QVERIFY2(faults.isEmpty(), qPrintable(faults));
}

QTEST_MAIN(TestOperations)
#include "tst_operations.moc"
