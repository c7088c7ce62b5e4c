// Mouse and keyboard editing on the work picture: drawing, selecting,
// moving, resizing, reshaping and turning figures, with the events in order.

#include "ZonecraftTestSupport.h"
#include "control/Zonecraft_p.h"

#include <QMouseEvent>
#include <QTest>

using State = zc::EditingEngine::State;

namespace {

PictureBox* workPicture(Zonecraft& z)
{
    return z.findChild<PictureBox*>(QStringLiteral("WorkPicture"));
}

/// A move with no button held (QTest moves the real cursor for those).
void hover(QWidget* w, QPoint at, Qt::KeyboardModifiers modifiers = {})
{
    QMouseEvent e(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, modifiers);
    QApplication::sendEvent(w, &e);
}

/// A move with the left button held and \a modifiers down.
void dragTo(QWidget* w, QPoint at, Qt::KeyboardModifiers modifiers = {})
{
    if (!modifiers) {
        QTest::mouseMove(w, at);
        return;
    }
    QMouseEvent e(
        QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, modifiers);
    QApplication::sendEvent(w, &e);
}

/// Press, moves through \a path, release at its last point.
void drag(QWidget* w, const QList<QPoint>& path, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mousePress(w, Qt::LeftButton, modifiers, path.first());
    for (qsizetype i = 1; i < path.size(); ++i)
        dragTo(w, path[i], modifiers);
    QTest::mouseRelease(w, Qt::LeftButton, modifiers, path.last());
}

QString box(Zonecraft& z, qint32 index)
{
    const zc::Figure* f = ZonecraftPrivate::get(&z)->figures.find(index);
    if (!f)
        return QStringLiteral("none");
    return QStringLiteral("%1,%2,%3,%4").arg(f->X1()).arg(f->Y1()).arg(f->X2()).arg(f->y2());
}

QStringList args(const QSignalSpy& spy, int row)
{
    QStringList out;
    for (const QVariant& v : spy.at(row))
        out << v.toString();
    return out;
}

bool screenMatchesPicture(PictureBox* p)
{
    const QRect r = p->rect();
    return p->screenLayer().copy(r) == p->persistentLayer().copy(r);
}

/// Whether the work picture shows what a full paint pass paints.
bool paintsAsFullPass(Zonecraft& z)
{
    PictureBox* p = workPicture(z);
    const QImage now = p->persistentLayer().copy();
    z.Redraw(true);
    return now == p->persistentLayer();
}

/// What the cases arrange first: the control over its plain picture, the
/// work picture the mouse and keys act on, and the engine behind them.
struct EditingFixture : ZonecraftFixture
{
    Zonecraft& z = *control;
    PictureBox* const p = workPicture(z);
    zc::EditingEngine& engine = ZonecraftPrivate::get(&z)->engine;

    /// The figure numbered \a index, null when there is none.
    zc::Figure* figure(qint32 index) { return ZonecraftPrivate::get(&z)->figures.find(index); }
};

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawRectangle_data();
    void drawRectangle();
    void drawCircleFromDraggedWidth();
    void drawPolygon();
    void polygonUnderThreePointsIsCancelled();
    void moveSelectedFigure();
    void resizeByHandle_data();
    void resizeByHandle();
    void circlesStaySquare();
    void pointDragRenormalises();
    void rotateByNinetyDegrees();
    void lockedFigureDoesNotMove();
    void otherButtonsSelectWithoutDragging();
    void alignToGrid();
    void shiftKeepsSquaresAndOctants();
    void escapeCancels();
    void keyboardEditing();
    void pointers();
    void marksLeaveNoTrace();
    void mouseIsConfined();
    void previewEditsNothing();
    void hostDeletesFigureMidDrag();
};

void TestEditing::drawRectangle_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QString>("coordinates");
    QTest::newRow("down right") << QPoint(10, 20) << QPoint(110, 70) << "10,20,110,70";
    QTest::newRow("up left: zero size") << QPoint(100, 100) << QPoint(50, 50) << "100,100,100,100";
    QTest::newRow("left only") << QPoint(100, 100) << QPoint(40, 130) << "100,100,100,130";
    QTest::newRow("click") << QPoint(30, 30) << QPoint(30, 30) << "30,30,30,30";
}

void TestEditing::drawRectangle()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QString, coordinates);
    EditingFixture fx;
    Zonecraft& z = fx.z;
    z.setFigureToDraw(Zonecraft::DrawingRectangle);
    EventLog log(z);
    QSignalSpy start(&z, &Zonecraft::EditingStart);
    QSignalSpy band(&z, &Zonecraft::MoveHotspot);
    QSignalSpy finished(&z, &Zonecraft::DrawFinished);
    const QPoint middle = (from + to) / 2;
    drag(fx.p, { from, middle, to });

    QCOMPARE(z.CountFigures(), 1);
    QCOMPARE(z.ExtractCordinates(1), coordinates);
    QCOMPARE(args(start, 0),
        QStringList({ QString::number(from.x()), QString::number(from.y()),
            QString::number(from.x()), QString::number(from.y()) }));
    QCOMPARE(band.count(), 2);
    QCOMPARE(args(band, 1),
        QStringList({ QString::number(from.x()), QString::number(from.y()), QString::number(to.x()),
            QString::number(to.y()) }));
    QCOMPARE(finished.first().first().value<ShapeFigure>().Coordinates, coordinates);
    QCOMPARE(log.take(),
        QStringList({ "EditingStart", "MoveHotspot", "MoveHotspot", "GetKey", "VisibleObject",
            "DrawFinished", "HotspotActivate", "HistoryStatus", "HistoryStatus" }));
    QCOMPARE(fx.p->MousePointer(), qint16(0));
    // The drawing is one undo step.
    z.Undo();
    QCOMPARE(z.CountFigures(), 0);
}

void TestEditing::drawCircleFromDraggedWidth()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    z.setFigureToDraw(Zonecraft::DrawingCircle);
    drag(fx.p, { { 10, 10 }, { 30, 60 }, { 50, 90 } });
    QCOMPARE(z.ExtractFigure(1), QStringLiteral("Circle"));
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("30,30,20"));
    // Dragged up and left: a circle of radius 0 on the start point.
    drag(fx.p, { { 200, 200 }, { 150, 150 } });
    QCOMPARE(z.ExtractCordinates(2), QStringLiteral("200,200,0"));
}

void TestEditing::drawPolygon()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.setFigureToDraw(Zonecraft::DrawingPolygn);
    EventLog log(z);
    QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(100, 100));
    hover(p, QPoint(150, 110));
    QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(150, 180));
    QCOMPARE(fx.engine.state(), State::DrawingPolygon);
    QCOMPARE(fx.engine.polygonPoints().size(), size_t(3));
    // The second press of a double click places its point as well.
    QTest::mouseDClick(p, Qt::LeftButton, {}, QPoint(120, 160));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(120, 160));
    QCOMPARE(fx.engine.polygonPoints().size(), size_t(4));
    QCOMPARE(z.CountFigures(), 0);
    QTest::mouseClick(p, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(z.CountFigures(), 1);
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("100,100,200,100,150,180,120,160"));
    QCOMPARE(log.take(),
        QStringList({ "EditingStart", "PointAddStart", "GetKey", "VisibleObject", "DrawFinished",
            "HotspotActivate", "PointAddEnd", "HistoryStatus", "HistoryStatus" }));
    QVERIFY(screenMatchesPicture(p));
}

void TestEditing::polygonUnderThreePointsIsCancelled()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.setFigureToDraw(Zonecraft::DrawingPolygn);
    EventLog log(z);
    QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseClick(p, Qt::RightButton, {}, QPoint(200, 100));
    QCOMPARE(z.CountFigures(), 0);
    QCOMPARE(
        log.take(), QStringList({ "EditingStart", "PointAddStart", "DrawCancel", "PictureClick" }));
    QCOMPARE(fx.engine.state(), State::Idle);
    QVERIFY(screenMatchesPicture(p));
}

void TestEditing::moveSelectedFigure()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    z.DrawNewRectangle(100, 100, 200, 150);
    z.PictureGetFocus();
    EventLog log(z);
    QSignalSpy xy(&z, &Zonecraft::FigureXY);
    QSignalSpy moved(&z, &Zonecraft::MoveHotspot);
    PictureBox* p = fx.p;
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(150, 125));
    QCOMPARE(z.FigureToDraw(), Zonecraft::movingshape);
    QCOMPARE(fx.engine.buttonHeld(), 1);
    QTest::mouseMove(p, QPoint(160, 130));
    QTest::mouseMove(p, QPoint(170, 135));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(170, 135));

    QCOMPARE(box(z, 1), QStringLiteral("120,110,220,160"));
    QCOMPARE(z.FigureToDraw(), Zonecraft::Pointer);
    // FigureXY tells the box before each move (screen pixels), MoveHotspot after it.
    QCOMPARE(args(xy, 1), QStringList({ "110", "105", "210", "155" }));
    QCOMPARE(args(moved, 1), QStringList({ "120", "110", "220", "160" }));
    QCOMPARE(log.take(),
        QStringList({ "GetKey", "HotspotActivate", "ObjectLock", "MovingStart", "FigureXY",
            "MoveHotspot", "FigureXY", "MoveHotspot", "HotspotMoved", "HistoryStatus",
            "HistoryStatus", "MovingFinished" }));
    z.Undo();
    QCOMPARE(box(z, 1), QStringLiteral("100,100,200,150"));
    log.take();

    // A click without a drag changes and records nothing.
    QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(150, 125));
    QCOMPARE(box(z, 1), QStringLiteral("100,100,200,150"));
    QCOMPARE(log.take(), QStringList({ "MovingStart", "MovingFinished" }));
}

void TestEditing::resizeByHandle_data()
{
    // The rectangle (100, 100)-(200, 160); each handle is grabbed on its
    // square and dragged by (10, 20).
    QTest::addColumn<QPoint>("grab");
    QTest::addColumn<QString>("result");
    QTest::addColumn<bool>("resize");
    QTest::newRow("0 top left") << QPoint(96, 96) << "106,116,200,160" << true;
    QTest::newRow("1 top") << QPoint(150, 96) << "100,116,200,160" << true;
    QTest::newRow("2 top right") << QPoint(204, 96) << "100,116,214,160" << true;
    QTest::newRow("3 right") << QPoint(204, 130) << "100,100,214,160" << true;
    QTest::newRow("4 bottom right") << QPoint(204, 164) << "100,100,214,184" << true;
    QTest::newRow("5 bottom") << QPoint(150, 164) << "100,100,200,184" << true;
    QTest::newRow("6 bottom left") << QPoint(96, 164) << "106,100,200,184" << true;
    QTest::newRow("7 left") << QPoint(96, 130) << "106,100,200,160" << true;
    QTest::newRow("8 move") << QPoint(150, 130) << "110,120,210,180" << false;
}

void TestEditing::resizeByHandle()
{
    QFETCH(QPoint, grab);
    QFETCH(QString, result);
    QFETCH(bool, resize);
    EditingFixture fx;
    Zonecraft& z = fx.z;
    z.DrawNewRectangle(100, 100, 200, 160);
    EventLog log(z);
    drag(fx.p, { grab, grab + QPoint(5, 10), grab + QPoint(10, 20) });
    QCOMPARE(box(z, 1), result);
    const QStringList events = log.take();
    QCOMPARE(events.first(), resize ? QStringLiteral("PointDragStart") : "MovingStart");
    QCOMPARE(events.contains(QStringLiteral("PointDragFinished")), resize);
    QCOMPARE(events.last(), QStringLiteral("MovingFinished"));
    QVERIFY(screenMatchesPicture(fx.p));
    QVERIFY(paintsAsFullPass(z));
}

void TestEditing::circlesStaySquare()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.DrawNewCircle(130, 130, 30); // box (100, 100)-(160, 160)
    drag(p, { { 164, 130 }, { 184, 130 } }); // right handle
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("142,142,42"));
    drag(p, { { 142, 188 }, { 142, 174 } }); // bottom handle: the width follows
    QCOMPARE(box(z, 1), QStringLiteral("100,100,174,174"));

    // A rectangle dragged past its opposite side comes out in order.
    z.DrawNewRectangle(300, 300, 400, 360);
    drag(p, { { 296, 330 }, { 450, 330 } });
    QCOMPARE(box(z, 2), QStringLiteral("400,300,450,360"));
}

void TestEditing::pointDragRenormalises()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.DrawNewPolygon(QStringLiteral("100,100,200,100,150,200"));
    hover(p, QPoint(160, 150));
    QVERIFY(!fx.engine.pointEditing());
    hover(p, QPoint(203, 100)); // 3 pixels away is too far
    QVERIFY(!fx.engine.pointEditing());
    QCOMPARE(p->MousePointer(), qint16(0));
    hover(p, QPoint(102, 98));
    QVERIFY(fx.engine.pointEditing());
    QCOMPARE(fx.engine.grabbedVertex(), 1);
    QCOMPARE(p->MousePointer(), qint16(2));

    EventLog log(z);
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(102, 98));
    QCOMPARE(fx.engine.buttonHeld(), 2);
    QTest::mouseMove(p, QPoint(90, 80));
    QTest::mouseMove(p, QPoint(80, 60));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(80, 60));
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("80,60,200,100,150,200"));
    QCOMPARE(box(z, 1), QStringLiteral("80,60,200,200"));
    const zc::Figure* f = fx.figure(1);
    QCOMPARE(f->DataX()[1], 0.0f);
    QCOMPARE(f->DataY()[1], 0.0f);
    QCOMPARE(f->DataX()[2], 120.0f);
    QCOMPARE(log.take(),
        QStringList({ "ObjectLock", "PointDragStart", "HistoryStatus", "HistoryStatus",
            "PointDragFinished", "HotspotMoved", "HotspotActivate" }));
    QVERIFY(screenMatchesPicture(p));
    QVERIFY(paintsAsFullPass(z));
    z.Undo();
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("100,100,200,100,150,200"));
}

void TestEditing::rotateByNinetyDegrees()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.DrawNewRectangle(100, 100, 200, 150);
    z.DrawNewRectangle(100, 100, 200, 150);
    z.ActivateHotspot(1);
    z.setFigureToDraw(Zonecraft::RotatingFigure);
    QCOMPARE(z.ExtractFigure(1), QStringLiteral("Polygon"));
    EventLog log(z);
    QSignalSpy angles(&z, &Zonecraft::RotateAngle);
    // About the centre (150, 125): from the upper left (134 degrees) to the
    // lower left (224 degrees), a quarter turn anticlockwise.
    drag(p, { { 100, 75 }, { 100, 175 } });
    QCOMPARE(z.StartRotate(), 134.0f);
    QCOMPARE(angles.count(), 1);
    QCOMPARE(angles.first().first().toInt(), 224);
    z.FigureRotate(90, 2);
    QCOMPARE(z.ExtractCordinates(1), z.ExtractCordinates(2));
    QCOMPARE(box(z, 1), box(z, 2));
    QCOMPARE(log.take(),
        QStringList({ "RotateStart", "RotateAngle", "RotateMove", "HotspotMoved", "RotateFinished",
            "HistoryStatus", "HistoryStatus" }));
    QVERIFY(screenMatchesPicture(p));

    // The angle steps of every quadrant, whole degrees growing anticlockwise,
    // truncated: the lower right diagonal comes out a hair under 315.
    z.ActivateHotspot(1);
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(150, 75));
    const QList<std::pair<QPoint, int>> steps { { { 200, 75 }, 45 }, { { 100, 75 }, 134 },
        { { 100, 175 }, 224 }, { { 200, 175 }, 314 }, { { 250, 125 }, 359 }, { { 150, 25 }, 90 } };
    for (const auto& [at, degrees] : steps) {
        QTest::mouseMove(p, at);
        QCOMPARE(fx.engine.currentAngle(), degrees);
    }
    QTest::keyClick(p, Qt::Key_Escape);
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(150, 25));
}

void TestEditing::lockedFigureDoesNotMove()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.DrawNewRectangle(100, 100, 200, 150, {}, {}, true);
    z.PictureGetFocus();
    EventLog log(z);
    QSignalSpy lock(&z, &Zonecraft::ObjectLock);
    QSignalSpy click(&z, &Zonecraft::HotspotClick);
    drag(p, { { 150, 125 }, { 180, 140 } });
    QCOMPARE(box(z, 1), QStringLiteral("100,100,200,150"));
    QCOMPARE(lock.first().first().toBool(), true);
    QCOMPARE(
        log.take(), QStringList({ "GetKey", "HotspotActivate", "ObjectLock", "HotspotClick" }));
    QCOMPARE(args(click, 0), QStringList({ "1", "1", "180", "140" }));
    // Nor by a handle, the rotation tool or the keys.
    drag(p, { { 204, 154 }, { 260, 200 } });
    QTest::keyClick(p, Qt::Key_Right);
    z.setFigureToDraw(Zonecraft::RotatingFigure);
    drag(p, { { 100, 75 }, { 100, 175 } });
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("100,100,100,150,200,150,200,100"));
    QVERIFY(z.ExtractFigure(1) == QStringLiteral("Polygon"));
    QVERIFY(fx.figure(1)->Locked);
    QVERIFY(!log.take().contains(QStringLiteral("HotspotMoved")));
}

void TestEditing::otherButtonsSelectWithoutDragging()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.DrawNewRectangle(100, 100, 200, 150);
    z.DrawNewRectangle(300, 100, 400, 150);
    z.PictureGetFocus();
    EventLog log(z);
    QSignalSpy selection(&z, &Zonecraft::m_SelectedObjectChanged);
    QTest::mousePress(p, Qt::RightButton, {}, QPoint(150, 125));
    QTest::mouseMove(p, QPoint(170, 140));
    QTest::mouseRelease(p, Qt::RightButton, {}, QPoint(170, 140));
    QCOMPARE(z.SelectedIndex(), 1);
    // The user property follows the selection made with the mouse.
    QCOMPARE(selection.count(), 1);
    QCOMPARE(selection.first().first().toInt(), 1);
    QCOMPARE(box(z, 1), QStringLiteral("100,100,200,150"));
    QCOMPARE(
        log.take(), QStringList({ "GetKey", "HotspotActivate", "ObjectLock", "HotspotClick" }));
    QTest::mouseClick(p, Qt::MiddleButton, {}, QPoint(10, 10));
    QCOMPARE(z.SelectedIndex(), 0);
    QCOMPARE(log.take(), QStringList({ "PictureClick" }));
    QCOMPARE(selection.count(), 2);
    QCOMPARE(selection.last().first().toInt(), 0);
    // A press on the bare picture drops the selection.
    z.ActivateHotspot(2);
    log.take();
    QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(10, 400));
    QCOMPARE(z.SelectedIndex(), 0);
    QCOMPARE(log.take(), QStringList({ "PictureClick" }));
}

void TestEditing::alignToGrid()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    ZonecraftPrivate* d = ZonecraftPrivate::get(&z);
    QVERIFY(z.AlignToGrid());
    // At zoom 1 positions land on whole pixels.
    z.setFigureToDraw(Zonecraft::DrawingPolygn);
    fx.engine.press(1, 0, QPointF(10.4, 20.6));
    fx.engine.press(1, 0, QPointF(60.5, 20.2));
    fx.engine.press(1, 0, QPointF(40.7, 70.49));
    fx.engine.release(2, 0, QPointF(40, 70));
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("10,21,60,20,41,70"));

    // At zoom 2 drawn points land on even screen pixels: whole picture pixels.
    d->zoom = 2.0;
    fx.engine.press(1, 0, QPointF(21, 33));
    fx.engine.press(1, 0, QPointF(61, 35));
    fx.engine.press(1, 0, QPointF(43, 81));
    fx.engine.release(2, 0, QPointF(0, 0));
    QCOMPARE(z.ExtractCordinates(2), QStringLiteral("10,16,30,17,21,40"));
    z.setAlignToGrid(false);
    fx.engine.press(1, 0, QPointF(21, 33));
    fx.engine.press(1, 0, QPointF(61, 35));
    fx.engine.press(1, 0, QPointF(43, 81));
    fx.engine.release(2, 0, QPointF(0, 0));
    QCOMPARE(z.ExtractCordinates(3), QStringLiteral("10.5,16.5,30.5,17.5,21.5,40.5"));
    d->zoom = 1.0;
}

void TestEditing::shiftKeepsSquaresAndOctants()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.setFigureToDraw(Zonecraft::DrawingRectangle);
    drag(p, { { 10, 10 }, { 40, 90 } }, Qt::ShiftModifier);
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("10,10,90,90"));

    z.setFigureToDraw(Zonecraft::DrawingPolygn);
    QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseClick(p, Qt::LeftButton, Qt::ShiftModifier, QPoint(150, 140)); // near 45 degrees
    QTest::mouseClick(p, Qt::LeftButton, Qt::ShiftModifier, QPoint(148, 210)); // near straight down
    QTest::mouseClick(p, Qt::RightButton, {}, QPoint(148, 210));
    QCOMPARE(z.ExtractCordinates(2), QStringLiteral("100,100,145,145,145,210"));

    // Resizing a rectangle by its corner with Shift keeps it square, the
    // opposite corner in place.
    z.setFigureToDraw(Zonecraft::Pointer);
    z.DrawNewRectangle(300, 300, 400, 350);
    drag(p, { { 296, 296 }, { 290, 320 } }, Qt::ShiftModifier);
    QCOMPARE(box(z, 3), QStringLiteral("290,240,400,350"));
}

void TestEditing::escapeCancels()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    QSignalSpy history(&z, &Zonecraft::HistoryStatus);

    // A rubber band: nothing is drawn.
    z.setFigureToDraw(Zonecraft::DrawingRectangle);
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(p, QPoint(80, 80));
    QTest::keyClick(p, Qt::Key_Escape);
    QCOMPARE(fx.engine.state(), State::Ignoring);
    QTest::mouseMove(p, QPoint(90, 90));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(90, 90));
    QCOMPARE(z.CountFigures(), 0);
    QCOMPARE(fx.engine.state(), State::Idle);
    QVERIFY(screenMatchesPicture(p));

    // A polygon being drawn goes as DrawCancel.
    z.setFigureToDraw(Zonecraft::DrawingPolygn);
    QSignalSpy cancelled(&z, &Zonecraft::DrawCancel);
    for (const QPoint& at : { QPoint(10, 10), QPoint(90, 10), QPoint(50, 60) })
        QTest::mouseClick(p, Qt::LeftButton, {}, at);
    QTest::keyClick(p, Qt::Key_Escape);
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(z.CountFigures(), 0);

    // A move, a resize, a point drag and a rotation leave the figure as it was.
    z.setFigureToDraw(Zonecraft::Pointer);
    z.DrawNewPolygon(QStringLiteral("100,100,200,100,150,200"));
    history.clear();
    EventLog log(z);
    const QString before = z.ExtractCordinates(1);
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(150, 130));
    QTest::mouseMove(p, QPoint(250, 230));
    QTest::keyClick(p, Qt::Key_Escape);
    QTest::mouseMove(p, QPoint(260, 240));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(260, 240));
    QCOMPARE(z.ExtractCordinates(1), before);
    QCOMPARE(z.FigureToDraw(), Zonecraft::Pointer);
    QCOMPARE(
        log.take(), QStringList({ "MovingStart", "FigureXY", "MoveHotspot", "MovingFinished" }));

    hover(p, QPoint(200, 100));
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(200, 100));
    QTest::mouseMove(p, QPoint(300, 20));
    QTest::keyClick(p, Qt::Key_Escape);
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(300, 20));
    QCOMPARE(z.ExtractCordinates(1), before);

    z.setFigureToDraw(Zonecraft::RotatingFigure);
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(p, QPoint(100, 250));
    QTest::keyClick(p, Qt::Key_Escape);
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(100, 250));
    QCOMPARE(z.ExtractCordinates(1), before);
    QCOMPARE(history.count(), 0);
    QVERIFY(!fx.figure(1)->EraseMode);
    QVERIFY(screenMatchesPicture(p));
}

void TestEditing::keyboardEditing()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.DrawNewRectangle(10, 10, 20, 20);
    z.DrawNewCircle(100, 100, 10);
    z.DrawNewPolygon(QStringLiteral("200,200,250,200,220,240"));
    z.ActivateHotspot(1);
    QSignalSpy moved(&z, &Zonecraft::HotspotMoved);
    QTest::keyClick(p, Qt::Key_Right);
    QTest::keyClick(p, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(p, Qt::Key_Up);
    QTest::keyClick(p, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(box(z, 1), QStringLiteral("1,19,11,29"));
    QCOMPARE(moved.count(), 4);
    // One recorded move per key.
    z.Undo();
    QCOMPARE(box(z, 1), QStringLiteral("11,19,21,29"));

    // Tab walks the figures in collection order, round the end; Shift+Tab back.
    QTest::keyClick(p, Qt::Key_Tab);
    QCOMPARE(z.SelectedIndex(), 2);
    QTest::keyClick(p, Qt::Key_Tab);
    QTest::keyClick(p, Qt::Key_Tab);
    QCOMPARE(z.SelectedIndex(), 1);
    QTest::keyClick(p, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(z.SelectedIndex(), 3);
    QTest::keyClick(p, Qt::Key_Up, Qt::ShiftModifier);
    QCOMPARE(z.ExtractCordinates(3), QStringLiteral("200,190,250,190,220,230"));

    // Delete removes the selected figure, recorded for undo.
    QTest::keyClick(p, Qt::Key_Delete);
    QCOMPARE(z.CountFigures(), 2);
    z.Undo();
    QCOMPARE(z.CountFigures(), 3);
    QCOMPARE(z.ExtractCordinates(3), QStringLiteral("200,190,250,190,220,230"));
    QVERIFY(paintsAsFullPass(z));
}

void TestEditing::pointers()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.DrawNewRectangle(100, 100, 200, 160);
    z.setFigureToDraw(Zonecraft::Pointer);
    // The handle pointer table: 8, 7, 6, 9, 8, 7, 6, 9, 5, 1.
    const QList<std::pair<QPoint, qint16>> at { { { 96, 96 }, 8 }, { { 150, 96 }, 7 },
        { { 204, 96 }, 6 }, { { 204, 130 }, 9 }, { { 204, 164 }, 8 }, { { 150, 164 }, 7 },
        { { 96, 164 }, 6 }, { { 96, 130 }, 9 }, { { 150, 130 }, 5 }, { { 300, 300 }, 1 } };
    for (const auto& [point, pointer] : at) {
        hover(p, point);
        QCOMPARE(p->MousePointer(), pointer);
    }
    z.setDrawMousePointer(2);
    z.setFigureToDraw(Zonecraft::DrawingRectangle);
    QCOMPARE(p->MousePointer(), qint16(2));
    QImage cursor(16, 16, QImage::Format_ARGB32);
    cursor.fill(Qt::red);
    z.setDrawRectCursor(StdPicture(cursor));
    z.setCoolCursor(true);
    z.setFigureToDraw(Zonecraft::DrawingRectangle);
    QCOMPARE(p->MousePointer(), qint16(99));
    drag(p, { { 300, 300 }, { 320, 320 } });
    QCOMPARE(p->MousePointer(), qint16(0));
    z.setFigureToDraw(Zonecraft::DrawingRectangle);
    QCOMPARE(p->MousePointer(), qint16(99));
    z.setFigureToDraw(Zonecraft::Pointer);
    QCOMPARE(p->MousePointer(), qint16(0));
}

void TestEditing::marksLeaveNoTrace()
{
    // Bands, frames and rubber lines are drawn and erased on the screen
    // layer only; whatever the path, the picture underneath is untouched.
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.setFigureSize(3);
    z.DrawNewCircle(200, 200, 40);
    z.DrawNewPolygon(QStringLiteral("300,300,400,310,350,390"));
    z.setFigureToDraw(Zonecraft::DrawingCircle);
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(10, 10));
    for (int i = 1; i < 20; ++i)
        QTest::mouseMove(p, QPoint(10 + i * 7, 10 + i * 3));
    QVERIFY(!screenMatchesPicture(p));
    QVERIFY(!fx.engine.marks().isEmpty());
    QTest::keyClick(p, Qt::Key_Escape);
    QVERIFY(screenMatchesPicture(p));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(80, 80));

    z.setFigureToDraw(Zonecraft::Pointer);
    z.ActivateHotspot(2);
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(350, 330));
    for (int i = 1; i < 20; ++i)
        QTest::mouseMove(p, QPoint(350 - i * 5, 330 - i * 4));
    QTest::keyClick(p, Qt::Key_Escape);
    QVERIFY(screenMatchesPicture(p));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(0, 0));

    // A host repainting part of the picture in the middle of a band wipes
    // the band there; it is not drawn back when the band moves on.
    z.setFigureToDraw(Zonecraft::DrawingRectangle);
    QObject::connect(&z, &Zonecraft::MoveHotspot, &z, [&z] { z.FigureColor(0xFF, 1); });
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(150, 150));
    QTest::mouseMove(p, QPoint(260, 260));
    QTest::mouseMove(p, QPoint(270, 250));
    QTest::keyClick(p, Qt::Key_Escape);
    QVERIFY(screenMatchesPicture(p));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(0, 0));
    // Likewise for the edges of a polygon placed before and after the repaint.
    z.setFigureToDraw(Zonecraft::DrawingPolygn);
    QObject::connect(&z, &Zonecraft::PointAddStart, &z, [&z] { z.FigureColor(0xFF00, 1); });
    for (const QPoint& at : { QPoint(150, 150), QPoint(260, 170), QPoint(200, 260) })
        QTest::mouseClick(p, Qt::LeftButton, {}, at);
    hover(p, QPoint(180, 250));
    z.FigureColor(0xFF0000, 1);
    QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(170, 230));
    QTest::keyClick(p, Qt::Key_Escape);
    QVERIFY(screenMatchesPicture(p));
    z.setFigureSize(1);
}

void TestEditing::mouseIsConfined()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.setFigureToDraw(Zonecraft::DrawingRectangle);
    QTest::mousePress(p, Qt::LeftButton, {}, QPoint(600, 400));
    QVERIFY(fx.engine.mouseConfined());
    QTest::mouseMove(p, QPoint(900, 700));
    QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(900, 700));
    QVERIFY(!fx.engine.mouseConfined());
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("600,400,639,479"));

    z.setFigureToDraw(Zonecraft::Pointer);
    drag(p, { { 610, 410 }, { -200, -300 } });
    QCOMPARE(box(z, 1), QStringLiteral("-10,-10,29,69"));
}

void TestEditing::previewEditsNothing()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.DrawNewRectangle(100, 100, 200, 150);
    z.setImagemapMode(Zonecraft::PreviewMode);
    EventLog log(z);
    z.setFigureToDraw(Zonecraft::DrawingRectangle);
    log.take();
    drag(p, { { 10, 10 }, { 90, 90 } });
    z.setFigureToDraw(Zonecraft::Pointer);
    drag(p, { { 150, 120 }, { 300, 300 } });
    QCOMPARE(z.CountFigures(), 1);
    QCOMPARE(box(z, 1), QStringLiteral("100,100,200,150"));
    QVERIFY(!log.take().contains(QStringLiteral("HotspotMoved")));
    hover(p, QPoint(150, 120));
    QCOMPARE(z.m_MouseObject(), 1);
    hover(p, QPoint(20, 20));
    QCOMPARE(z.m_MouseObject(), 0);
}

void TestEditing::hostDeletesFigureMidDrag()
{
    EditingFixture fx;
    Zonecraft& z = fx.z;
    PictureBox* p = fx.p;
    z.DrawNewRectangle(100, 100, 200, 150);
    z.DrawNewPolygon(QStringLiteral("300,300,400,310,350,390"));
    QObject::connect(&z, &Zonecraft::FigureXY, &z, [&z] {
        if (z.CountFigures() == 2)
            z.RemoveFigure(1);
    });
    drag(p, { { 150, 125 }, { 160, 130 }, { 170, 140 } });
    QCOMPARE(z.CountFigures(), 1);
    QCOMPARE(fx.engine.state(), State::Idle);
    QCOMPARE(z.FigureToDraw(), Zonecraft::Pointer);
    // A figure created by the host mid-gesture ends the gesture.
    z.setFigureToDraw(Zonecraft::DrawingRectangle);
    QObject::connect(&z, &Zonecraft::MoveHotspot, &z, [&z] {
        if (z.CountFigures() == 1)
            z.DrawNewCircle(50, 50, 5);
    });
    drag(p, { { 10, 400 }, { 40, 450 }, { 60, 470 } });
    QCOMPARE(z.CountFigures(), 2);
    QVERIFY(screenMatchesPicture(p));
}

QTEST_MAIN(TestEditing)
#include "tst_editing.moc"
