// Speed of mouse editing with 10,000 figures over a 4000 x 3000 picture:
// one mouse move of a rubber band or a dragged figure, and the button-up
// that finishes a move, a resize or a rotation. The engine is fed the
// mouse events the work picture would pass on.

#include "../BenchSupport.h"
#include "control/Zonecraft_p.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <benchmark/benchmark.h>
#include <common/PictureBox.h>
#include <common/StdPicture.h>
#include <memory>
#include <zonecraft/Zonecraft.h>

namespace {

constexpr int PictureWidth = 4000;
constexpr int PictureHeight = 3000;
constexpr int Columns = 100;
constexpr int Rows = 100;
constexpr int CellWidth = PictureWidth / Columns; // 40
constexpr int CellHeight = PictureHeight / Rows; // 30

/// A figure in every cell of a 100 x 100 grid, rectangles, circles and
/// triangles in turn; figure n sits in cell n - 1.
QString gridList()
{
    QString text;
    for (int i = 0; i < Columns * Rows; ++i) {
        const int x = (i % Columns) * CellWidth + 4;
        const int y = (i / Columns) * CellHeight + 4;
        QString coords;
        QString kind;
        switch (i % 3) {
        case 0:
            coords = QStringLiteral("%1,%2,%3,%4").arg(x).arg(y).arg(x + 30).arg(y + 20);
            kind = QStringLiteral("Rectangle");
            break;
        case 1:
            coords = QStringLiteral("%1,%2,%3").arg(x + 11).arg(y + 11).arg(10);
            kind = QStringLiteral("Circle");
            break;
        default:
            coords = QStringLiteral("%1,%2,%3,%4,%5,%6")
                         .arg(x)
                         .arg(y + 20)
                         .arg(x + 15)
                         .arg(y)
                         .arg(x + 30)
                         .arg(y + 20);
            kind = QStringLiteral("Polygon");
            break;
        }
        text += coords + QStringLiteral("|") + kind
            + QStringLiteral("|%1|&H80C0FF|False\r\n").arg(i);
    }
    return text;
}

/// The control with its 10,000 figures painted, kept for the whole run.
Zonecraft& control()
{
    static Zonecraft* z = nullptr;
    if (!z) {
        z = new Zonecraft;
        z->resize(800, 600);
        QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        z->setPicture(StdPicture(image));
        z->ImportCode(Zonecraft::customcode, gridList());
        z->Redraw(true);
    }
    return *z;
}

zc::EditingEngine& engine(Zonecraft& z)
{
    return ZonecraftPrivate::get(&z)->engine;
}

/// The screen centre of the cell of figure \a number.
QPointF cellCentre(int number)
{
    const int i = number - 1;
    return QPointF((i % Columns) * CellWidth + 19, (i / Columns) * CellHeight + 14);
}

/// A point of a small loop around \a from, \a i steps on.
QPointF wander(QPointF from, qint64 i)
{
    return from + QPointF(double(20 + i % 61), double(15 + (i / 61) % 47));
}

void endGesture(Zonecraft& z, QPointF at)
{
    engine(z).cancel();
    engine(z).release(1, 0, at);
}

void BM_RubberBandMove(benchmark::State& state)
{
    Zonecraft& z = control();
    z.setFigureToDraw(Zonecraft::DrawingRectangle);
    const QPointF start(1000, 1000);
    engine(z).press(1, 0, start);
    qint64 i = 0;
    for (auto _ : state)
        engine(z).move(1, 0, wander(start, i++));
    endGesture(z, start);
    z.setFigureToDraw(Zonecraft::Pointer);
    state.SetLabel("rectangle band, 10,000 figures");
}
BENCHMARK(BM_RubberBandMove)->Unit(benchmark::kMicrosecond);

void BM_DraggedFigureMove(benchmark::State& state)
{
    Zonecraft& z = control();
    z.setFigureToDraw(Zonecraft::Pointer);
    z.PictureGetFocus();
    const QPointF grab = cellCentre(5051);
    engine(z).press(1, 0, grab);
    // The first move hides the figure (one repaint); the rest only move its frame.
    engine(z).move(1, 0, grab + QPointF(1, 1));
    qint64 i = 0;
    for (auto _ : state)
        engine(z).move(1, 0, wander(grab, i++));
    if (engine(z).state() != zc::EditingEngine::State::Dragging)
        state.SkipWithError("no drag under way");
    endGesture(z, grab);
    state.SetLabel("circle, 10,000 figures");
}
BENCHMARK(BM_DraggedFigureMove)->Unit(benchmark::kMicrosecond);

// The first move of a drag also hides the figure: one repaint of its area.
void BM_FirstDragMove(benchmark::State& state)
{
    Zonecraft& z = control();
    z.setFigureToDraw(Zonecraft::Pointer);
    z.ActivateHotspot(5051);
    const QPointF grab = cellCentre(5051);
    for (auto _ : state) {
        state.PauseTiming();
        engine(z).press(1, 0, grab);
        state.ResumeTiming();
        engine(z).move(1, 0, grab + QPointF(3, 2));
        state.PauseTiming();
        endGesture(z, grab);
        state.ResumeTiming();
    }
    state.SetLabel("circle, 10,000 figures");
}
BENCHMARK(BM_FirstDragMove)->Unit(benchmark::kMicrosecond)->Iterations(200);

/// A shown control like control(), for the moves that go through the work
/// picture's events and end in a paint of the window.
Zonecraft& shownControl()
{
    static Zonecraft* z = nullptr;
    if (!z) {
        z = new Zonecraft;
        z->resize(800, 600);
        QImage image(PictureWidth, PictureHeight, QImage::Format_RGB32);
        image.fill(Qt::white);
        z->setPicture(StdPicture(image));
        z->ImportCode(Zonecraft::customcode, gridList());
        z->show();
        QApplication::processEvents();
    }
    return *z;
}

void sendMouse(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// What a person drawing a band pays per move: the event, the band erased and
// drawn again, and the paint of what changed on the screen.
void BM_RubberBandMoveOnScreen(benchmark::State& state)
{
    Zonecraft& z = shownControl();
    z.setFigureToDraw(Zonecraft::DrawingRectangle);
    QWidget* work = z.WorkPicture();
    const QPointF start(300, 200);
    sendMouse(work, QEvent::MouseButtonPress, start, Qt::LeftButton);
    qint64 i = 0;
    for (auto _ : state) {
        sendMouse(work, QEvent::MouseMove, wander(start, i++), Qt::LeftButton);
        QApplication::processEvents();
    }
    if (engine(z).state() != zc::EditingEngine::State::Banding)
        state.SkipWithError("no band under way");
    sendMouse(work, QEvent::MouseButtonRelease, start, Qt::NoButton);
    z.Undo();
    z.setFigureToDraw(Zonecraft::Pointer);
    state.SetLabel("rectangle band, shown, 10,000 figures");
}
BENCHMARK(BM_RubberBandMoveOnScreen)->Unit(benchmark::kMicrosecond);

// The same for a dragged figure's frame.
void BM_DraggedFigureMoveOnScreen(benchmark::State& state)
{
    Zonecraft& z = shownControl();
    z.setFigureToDraw(Zonecraft::Pointer);
    QWidget* work = z.WorkPicture();
    const QPointF grab = cellCentre(608); // inside the shown window
    sendMouse(work, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    sendMouse(work, QEvent::MouseMove, grab + QPointF(1, 1), Qt::LeftButton);
    QApplication::processEvents();
    qint64 i = 0;
    for (auto _ : state) {
        sendMouse(work, QEvent::MouseMove, wander(grab, i++), Qt::LeftButton);
        QApplication::processEvents();
    }
    if (engine(z).state() != zc::EditingEngine::State::Dragging)
        state.SkipWithError("no drag under way");
    endGesture(z, grab);
    state.SetLabel("circle, shown, 10,000 figures");
}
BENCHMARK(BM_DraggedFigureMoveOnScreen)->Unit(benchmark::kMicrosecond);

/// Times the button-up of a drag from \a grab by (dx, dy), each iteration
/// back and forth so the figure stays in its cell.
void finishDrag(
    benchmark::State& state, Zonecraft::OperatingMode tool, int number, QPointF grab, QPointF by)
{
    Zonecraft& z = control();
    z.setFigureToDraw(Zonecraft::Pointer);
    z.ActivateHotspot(number);
    z.setFigureToDraw(tool);
    const int records = ZonecraftPrivate::get(&z)->history.size(zc::FigureHistory::UndoList);
    qint64 i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QPointF from = (i % 2) ? grab + by : grab;
        const QPointF to = (i % 2) ? grab : grab + by;
        ++i;
        engine(z).press(1, 0, from);
        engine(z).move(1, 0, (from + to) / 2);
        engine(z).move(1, 0, to);
        state.ResumeTiming();
        engine(z).release(1, 0, to);
    }
    if (ZonecraftPrivate::get(&z)->history.size(zc::FigureHistory::UndoList)
        != records + int(state.iterations()))
        state.SkipWithError("not every drag was recorded");
    z.setFigureToDraw(Zonecraft::Pointer);
}

void BM_FinishMove(benchmark::State& state)
{
    finishDrag(state, Zonecraft::Pointer, 5051, cellCentre(5051), QPointF(6, 4));
}
BENCHMARK(BM_FinishMove)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_FinishResize(benchmark::State& state)
{
    // The bottom-right handle of the rectangle of figure 5053.
    const QPointF corner = cellCentre(5053) + QPointF(19, 14);
    finishDrag(state, Zonecraft::Pointer, 5053, corner, QPointF(5, 3));
}
BENCHMARK(BM_FinishResize)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_FinishRotation(benchmark::State& state)
{
    // About the triangle of figure 5052: from its upper left to its lower left.
    const QPointF centre = cellCentre(5052);
    finishDrag(state, Zonecraft::RotatingFigure, 5052, centre + QPointF(-12, -12), QPointF(0, 24));
}
BENCHMARK(BM_FinishRotation)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace

int main(int argc, char** argv)
{
    return runBenchmarks(argc, argv);
}
