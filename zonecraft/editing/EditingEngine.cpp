#include "EditingEngine.h"

#include "../figures/Figure.h"
#include "../figures/NumberFormat.h"
#include "EditingHost.h"

#include <QKeyEvent>
#include <algorithm>
#include <cmath>
#include <common/MousePointer.h>
#include <common/PictureBox.h>

namespace zc {

namespace {

constexpr qint16 LeftButton = 1;
constexpr qint16 ShiftKey = 1;
// A vertex is grabbed when the pointer lies closer than this, in screen
// pixels, both across and down.
constexpr int VertexReach = 3;
// The rotation's own constant for the half turn; the quadrant offsets below
// keep their three decimals, so angles match what hosts have always seen.
constexpr double HalfTurn = 3.14159265358979;

using BoxNotice = EditingHost::BoxNotice;
using Notice = EditingHost::Notice;
using ShapeNotice = EditingHost::ShapeNotice;

int roundToInt(double v)
{
    return int(roundEven(v));
}

qint16 toShort(int v)
{
    return qint16(std::clamp(v, -32768, 32767));
}

/// \a at moved onto the nearest line through \a from at a multiple of 45 degrees.
QPoint onOctant(QPoint from, QPoint at)
{
    const double dx = at.x() - from.x();
    const double dy = at.y() - from.y();
    if (dx == 0 && dy == 0)
        return at;
    const double step = HalfTurn / 4;
    const double a = std::round(std::atan2(dy, dx) / step) * step;
    const double ux = std::cos(a), uy = std::sin(a);
    const double length = dx * ux + dy * uy;
    return from + QPoint(roundToInt(length * ux), roundToInt(length * uy));
}

/// The larger of the two extents for both, each keeping its direction.
void makeSquare(int& w, int& h)
{
    const int side = std::max(std::abs(w), std::abs(h));
    w = w < 0 ? -side : side;
    h = h < 0 ? -side : side;
}

} // namespace

EditingEngine::EditingEngine(EditingHost& host)
    : m_host(host)
    , m_marks(host)
    , m_placed(host)
{ }

int EditingEngine::buttonHeld() const
{
    switch (m_state) {
    case State::Banding:
    case State::Dragging:
    case State::Rotating:
        return 1;
    case State::DraggingPoint:
        return 2;
    default:
        return 0;
    }
}

// ---------------------------------------------------------------------------
// Input

void EditingEngine::press(qint16 button, qint16 shift, QPointF at)
{
    if (!m_host.designMode())
        return; // preview acts on the release
    const bool firstButton = !m_buttonDown;
    m_buttonDown = true;
    at = confined(at);
    if (m_state == State::DrawingPolygon) {
        if (button == LeftButton)
            addPolygonPoint(snapped(at), shift & ShiftKey);
        return;
    }
    // A second button during a gesture changes nothing.
    if (m_state != State::Idle || !firstButton)
        return;
    const QPoint point(roundToInt(at.x()), roundToInt(at.y()));
    if (button != LeftButton) {
        if (m_host.operatingMode() == PointerTool)
            otherButtonPress(point, at);
        return;
    }
    switch (m_host.operatingMode()) {
    case RectangleTool:
    case CircleTool:
        startBand(snapped(at));
        break;
    case PolygonTool:
        addPolygonPoint(snapped(at), false);
        break;
    case RotateTool:
        startRotation(point, at);
        break;
    default:
        pointerPress(button, point, at);
        break;
    }
}

void EditingEngine::move(qint16 buttons, qint16 shift, QPointF at)
{
    if (!m_host.designMode()) {
        m_host.previewPointer(at, false, 0);
        return;
    }
    at = confined(at);
    const bool constrained = shift & ShiftKey;
    switch (m_state) {
    case State::Banding:
        moveBand(snapped(at), constrained);
        break;
    case State::DrawingPolygon:
        movePolygonLine(snapped(at), constrained);
        break;
    case State::Dragging:
        moveDrag(QPoint(roundToInt(at.x()), roundToInt(at.y())), constrained);
        break;
    case State::DraggingPoint:
        movePointDrag(snapped(at), constrained);
        break;
    case State::Rotating:
        rotateStep(LeftButton, float(at.x()), float(at.y()));
        break;
    case State::Idle:
        if (buttons == 0 && m_host.operatingMode() == PointerTool)
            hoverSelected(QPoint(roundToInt(at.x()), roundToInt(at.y())), at);
        break;
    case State::Ignoring:
        break;
    }
}

void EditingEngine::release(qint16 button, qint16 shift, QPointF at)
{
    if (!m_host.designMode()) {
        m_buttonDown = false;
        m_host.previewPointer(at, true, button);
        return;
    }
    m_buttonDown = false;
    const QPointF reported = at;
    at = confined(at);
    const bool constrained = shift & ShiftKey;
    switch (m_state) {
    case State::Banding:
        if (button == LeftButton)
            finishBand(snapped(at), constrained);
        else
            m_buttonDown = true; // the band's own button is still down
        return;
    case State::DrawingPolygon:
        if (button == 2)
            finishPolygon();
        return;
    case State::DraggingPoint:
        if (button == LeftButton)
            finishPointDrag(snapped(at), constrained);
        else
            m_buttonDown = true;
        return;
    case State::Dragging:
        if (button != LeftButton) {
            m_buttonDown = true;
            return;
        }
        if (m_resizing)
            m_host.notify(Notice::PointDragFinished);
        if (m_state == State::Dragging)
            finishDrag();
        return;
    case State::Rotating:
        if (button == LeftButton)
            finishRotation();
        else
            m_buttonDown = true;
        return;
    case State::Ignoring:
        m_state = State::Idle;
        return;
    case State::Idle:
        if (m_host.operatingMode() == PointerTool && m_host.selectedFigure() != 0)
            m_host.hotspotClick(
                button, m_host.selectedFigure(), float(reported.x()), float(reported.y()));
        return;
    }
}

bool EditingEngine::key(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (!m_host.designMode())
        return false;
    if (qtKey == Qt::Key_Escape)
        return cancel();
    if (m_state != State::Idle)
        return false;
    const int step = modifiers & Qt::ShiftModifier ? 10 : 1;
    switch (qtKey) {
    case Qt::Key_Left:
        return nudge(-step, 0);
    case Qt::Key_Right:
        return nudge(step, 0);
    case Qt::Key_Up:
        return nudge(0, -step);
    case Qt::Key_Down:
        return nudge(0, step);
    case Qt::Key_Delete:
        if (m_host.selectedFigure() == 0)
            return false;
        m_host.deleteFigure(m_host.selectedFigure());
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const int direction
            = (qtKey == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier)) ? -1 : 1;
        const qint32 next = m_host.neighbourFigure(m_host.selectedFigure(), direction);
        if (next == 0)
            return false; // no figures: Tab moves the focus on as usual
        m_host.activateFigure(next);
        return true;
    }
    default:
        return false;
    }
}

bool EditingEngine::cancel()
{
    const State was = m_state;
    switch (was) {
    case State::Idle:
    case State::Ignoring:
        return false;
    case State::DrawingPolygon:
        cancelPolygon();
        return true;
    case State::Banding:
        endGesture(State::Idle);
        return true;
    case State::Dragging:
    case State::DraggingPoint:
    case State::Rotating:
        break;
    }
    const qint32 number = m_number;
    const bool resizing = m_resizing;
    const QRect before = reachOf(number);
    endGesture(State::Idle);
    if (was == State::Dragging)
        m_host.setOperatingMode(PointerTool);
    if (Figure* f = m_host.figure(number)) {
        // An erased figure shows again where it was.
        if (f->EraseMode) {
            f->EraseMode = false;
            m_host.repaintFigures(before);
        }
    }
    // Hosts pair every start with its finish.
    if (was == State::Dragging) {
        if (resizing)
            m_host.notify(Notice::PointDragFinished);
        m_host.notify(Notice::MovingFinished);
    } else if (was == State::DraggingPoint) {
        m_host.notify(Notice::PointDragFinished);
    } else {
        m_host.notify(Notice::RotateFinished);
    }
    return true;
}

void EditingEngine::reset()
{
    if (m_state == State::Idle)
        return;
    if (Figure* f = m_host.figure(m_number))
        f->EraseMode = false;
    if (m_state == State::Dragging)
        m_host.setOperatingMode(PointerTool);
    endGesture(State::Idle);
}

// ---------------------------------------------------------------------------
// Pointer tool

void EditingEngine::pointerPress(qint16 button, QPoint at, QPointF exact)
{
    Q_UNUSED(button)
    qint32 number = m_host.selectedFigure();
    int code = HandleNone;
    if (number != 0) {
        const Figure* f = m_host.figure(number);
        m_host.surface().setAutoRedraw(false);
        if (f && f->ClassFigure == PolygonKind && m_pointEditing && m_vertex >= 1
            && m_vertex <= f->vertexCount()) {
            const bool locked = f->Locked;
            m_host.objectLock(locked);
            if (!locked && m_host.figure(number) && m_host.selectedFigure() == number)
                startPointDrag(number);
            return;
        }
        code = f ? handleUnder(number, at, exact) : HandleNone;
        if (code != HandleNone) {
            if (f->Locked) {
                // A locked figure keeps its place and size.
                m_host.objectLock(true);
                return;
            }
            m_handle = code;
            startDrag(number, code, at);
            return;
        }
    }
    const qint32 previous = number;
    const QRect before = previous ? reachOf(previous) : QRect();
    number = m_host.figureAt(toPicture(exact));
    m_host.selectFigure(number);
    // The old handles go and the new ones show.
    if (previous != number)
        m_host.repaintFigures(before.united(number ? reachOf(number) : QRect()));
    if (number == 0 || !m_host.figure(number)) {
        m_handle = HandleNone;
        m_host.notify(Notice::PictureClick);
        return;
    }
    code = handleUnder(number, at, exact);
    m_handle = code;
    const bool locked = m_host.figure(number)->Locked;
    m_host.objectLock(locked);
    if (locked || code == HandleNone || !m_host.figure(number) || m_host.selectedFigure() != number)
        return;
    startDrag(number, code, at);
}

void EditingEngine::otherButtonPress(QPoint at, QPointF exact)
{
    // The middle and right buttons pick the figure under the pointer (for the
    // host's context menu at the release) and never start a drag.
    const qint32 previous = m_host.selectedFigure();
    if (previous != 0 && handleUnder(previous, at, exact) != HandleNone)
        return;
    const QRect before = previous ? reachOf(previous) : QRect();
    const qint32 number = m_host.figureAt(toPicture(exact));
    m_host.selectFigure(number);
    if (previous != number)
        m_host.repaintFigures(before.united(number ? reachOf(number) : QRect()));
    if (number == 0) {
        m_host.notify(Notice::PictureClick);
        return;
    }
    if (const Figure* f = m_host.figure(number))
        m_host.objectLock(f->Locked);
}

int EditingEngine::handleUnder(qint32 number, QPoint at, QPointF exact) const
{
    const Figure* f = m_host.figure(number);
    if (!f)
        return HandleNone;
    const QPointF p = toPicture(exact);
    const bool inside = f->IsAt(float(p.x()), float(p.y()));
    // A polygon has no resize handles: inside it the press moves it.
    if (f->ClassFigure == PolygonKind)
        return inside ? HandleMove : HandleNone;
    return handleAt(dragBoxOf(*f), inside, at.x(), at.y());
}

void EditingEngine::hoverSelected(QPoint at, QPointF exact)
{
    const qint32 number = m_host.selectedFigure();
    const Figure* f = number ? m_host.figure(number) : nullptr;
    if (!f) {
        m_pointEditing = false;
        m_vertex = 0;
        showPointer(Zel::PointerDefault);
        return;
    }
    if (f->ClassFigure == PolygonKind) {
        m_handle = HandleNone;
        findVertex(*f, at);
        showPointer(m_pointEditing ? Zel::PointerCross : Zel::PointerDefault);
        return;
    }
    m_handle = handleUnder(number, at, exact);
    showPointer(m_host.handlePointer(m_handle));
}

void EditingEngine::showPointer(qint16 pointer)
{
    if (m_host.surface().MousePointer() != pointer)
        m_host.setPointer(pointer);
}

// ---------------------------------------------------------------------------
// Rubber bands

void EditingEngine::startBand(QPoint at)
{
    m_box = SelectionBox { at.x(), 0, at.y(), 0,
        m_host.operatingMode() == CircleTool ? CircleKind : RectangleKind };
    m_state = State::Banding;
    confine(true);
    reportBox(int(BoxNotice::EditingStart), m_box);
}

void EditingEngine::moveBand(QPoint at, bool square)
{
    int w = at.x() - m_box.left;
    int h = at.y() - m_box.top;
    if (square && m_box.classFigure == RectangleKind)
        makeSquare(w, h);
    m_marks.eraseAll();
    m_box.width = w;
    m_box.height = h;
    drawBand();
    reportBox(int(BoxNotice::MoveHotspot), m_box);
}

void EditingEngine::drawBand()
{
    const QPoint from(m_box.left, m_box.top);
    if (m_box.classFigure == RectangleKind) {
        m_marks.add(ScreenMarks::box(from, QPoint(m_box.right(), m_box.bottom())));
        return;
    }
    // The circle the release will make: it fills the square of the dragged
    // width from the press point; the dragged height plays no part.
    const int r = roundToInt(std::max(0, m_box.width) / 2.0);
    if (r <= 0)
        return;
    m_marks.add(ScreenMarks::circle(from + QPoint(r, r), r));
    if (m_host.showsSupport())
        m_marks.add(ScreenMarks::box(from, from + QPoint(2 * r, 2 * r), 1, PictureBox::Dot));
}

void EditingEngine::finishBand(QPoint at, bool square)
{
    const bool circle = m_box.classFigure == CircleKind;
    const QPointF start = toPicture(QPointF(m_box.left, m_box.top));
    endGesture(State::Idle);
    const int x1 = roundToInt(start.x());
    const int y1 = roundToInt(start.y());
    const QPointF end = toPicture(at);
    // A band dragged left or up ends on its start: never inside out.
    int x2 = std::max(x1, roundToInt(end.x()));
    int y2 = std::max(y1, roundToInt(end.y()));
    if (square && !circle) {
        int w = x2 - x1, h = y2 - y1;
        makeSquare(w, h);
        x2 = x1 + w;
        y2 = y1 + h;
    }
    qint32 number = 0;
    if (circle) {
        const int r = roundToInt((x2 - x1) / 2.0);
        number = m_host.createCircle(x1 + r, y1 + r, r);
    } else {
        number = m_host.createRectangle(x1, y1, x2, y2);
    }
    m_host.setPointer(Zel::PointerDefault);
    if (number == 0 || !m_host.figure(number))
        return;
    m_host.collectShape(number);
    m_host.notifyShape(ShapeNotice::DrawFinished);
    m_host.notifyShape(ShapeNotice::HotspotActivate);
    if (m_host.figure(number))
        m_host.recordAdd(number);
}

// ---------------------------------------------------------------------------
// Polygons

void EditingEngine::addPolygonPoint(QPoint at, bool constrained)
{
    if (m_points.empty()) {
        m_points.push_back(at);
        m_state = State::DrawingPolygon;
        m_box = SelectionBox { at.x(), 0, at.y(), 0, PolygonKind };
        reportBox(int(BoxNotice::EditingStart), m_box);
        if (m_state == State::DrawingPolygon)
            m_host.notify(Notice::PointAddStart);
        return;
    }
    if (constrained)
        at = onOctant(m_points.back(), at);
    // A point on the last one (a double click) adds no edge.
    if (at == m_points.back())
        return;
    m_marks.eraseAll();
    m_placed.add(ScreenMarks::line(m_points.back(), at));
    m_points.push_back(at);
}

void EditingEngine::movePolygonLine(QPoint at, bool constrained)
{
    if (constrained)
        at = onOctant(m_points.back(), at);
    m_marks.eraseAll();
    m_marks.add(ScreenMarks::line(m_points.back(), at));
}

void EditingEngine::finishPolygon()
{
    const std::vector<QPoint> points = std::move(m_points);
    if (points.size() < 3) {
        cancelPolygon();
        return;
    }
    endGesture(State::Idle);
    QString text;
    for (const QPoint& p : points) {
        const QPointF q = toPicture(QPointF(p));
        if (!text.isEmpty())
            text += QLatin1Char(',');
        appendNumber(text, float(q.x()));
        text += QLatin1Char(',');
        appendNumber(text, float(q.y()));
    }
    const qint32 number = m_host.createPolygon(text);
    m_host.setPointer(Zel::PointerDefault);
    if (number == 0 || !m_host.figure(number))
        return;
    m_host.collectShape(number);
    m_host.notifyShape(ShapeNotice::DrawFinished);
    m_host.notifyShape(ShapeNotice::HotspotActivate);
    m_host.notify(Notice::PointAddEnd);
    if (m_host.figure(number))
        m_host.recordAdd(number);
}

void EditingEngine::cancelPolygon()
{
    endGesture(State::Idle);
    m_host.notify(Notice::DrawCancel);
    m_host.notify(Notice::PictureClick);
}

// ---------------------------------------------------------------------------
// Moving and resizing

SelectionBox EditingEngine::dragBoxOf(const Figure& figure) const
{
    // Every kind is dragged in screen pixels, polygons included, so the
    // release's division by the zoom lands where the frame was shown.
    Figure probe;
    probe.ClassFigure = RectangleKind;
    probe.setBox(figure.X1(), figure.Y1(), figure.X2(), figure.y2());
    SelectionBox box = selectionBoxOf(probe, m_host.screenScale());
    box.classFigure = figure.ClassFigure;
    return box;
}

void EditingEngine::startDrag(qint32 number, int code, QPoint at)
{
    const Figure* f = m_host.figure(number);
    m_number = number;
    m_handle = code;
    m_box = dragBoxOf(*f);
    m_rightAnchor = m_box.right();
    m_bottomAnchor = m_box.bottom();
    m_grabX = toShort(at.x() - m_box.left);
    m_grabY = toShort(at.y() - m_box.top);
    m_downPoint = at;
    m_previousText = f->coordinatesText();
    m_firstDragMove = true;
    m_resizing = code != HandleMove;
    m_state = State::Dragging;
    m_host.notify(m_resizing ? Notice::PointDragStart : Notice::MovingStart);
    if (m_state != State::Dragging)
        return;
    if (!m_host.figure(number)) {
        endGesture(State::Ignoring);
        return;
    }
    m_host.setOperatingMode(MovingTool);
    confine(true);
}

Figure* EditingEngine::hideForGesture(Figure& figure, State gesture)
{
    // Only the gesture's frame shows while the figure is dragged or turned.
    const QRect reach = reachOf(m_number);
    figure.EraseMode = true;
    m_host.repaintFigures(reach);
    // The host hears of the repaint and may drop the figure or end the gesture.
    Figure* f = m_host.figure(m_number);
    return f && m_state == gesture ? f : nullptr;
}

void EditingEngine::moveDrag(QPoint at, bool square)
{
    reportBox(int(BoxNotice::FigureXY), m_box);
    Figure* f = m_state == State::Dragging ? m_host.figure(m_number) : nullptr;
    if (!f)
        return;
    if (f->Locked) {
        m_host.objectLock(true);
        return;
    }
    if (m_firstDragMove) {
        m_firstDragMove = false;
        f = hideForGesture(*f, State::Dragging);
        if (!f)
            return;
    } else {
        m_marks.eraseAll();
    }
    const int x = snap(at.x());
    const int y = snap(at.y());
    const bool circle = f->ClassFigure == CircleKind;
    SelectionBox& b = m_box;
    const int h = m_handle;
    if (h == HandleMove) {
        b.left = snap(at.x() - m_grabX);
        b.top = snap(at.y() - m_grabY);
    } else {
        // A handle moves the sides it sits on; the opposite ones stay anchored.
        if (h == HandleTopLeft || h == HandleLeft || h == HandleBottomLeft) {
            b.left = x;
            b.width = m_rightAnchor - x;
        }
        if (h == HandleTopLeft || h == HandleTop || h == HandleTopRight) {
            b.top = y;
            b.height = m_bottomAnchor - y;
        }
        if (h == HandleTopRight || h == HandleRight || h == HandleBottomRight)
            b.width = x - b.left;
        if (h == HandleBottomLeft || h == HandleBottom || h == HandleBottomRight)
            b.height = y - b.top;
        // A circle dragged by a side stays round.
        if (circle && (h == HandleTop || h == HandleBottom))
            b.width = b.height;
        if (circle && (h == HandleLeft || h == HandleRight))
            b.height = b.width;
    }
    if (square && m_resizing && f->ClassFigure == RectangleKind) {
        if (m_handle == HandleTop || m_handle == HandleBottom)
            b.width = b.height;
        else if (m_handle == HandleLeft || m_handle == HandleRight)
            b.height = b.width;
        else
            makeSquare(b.width, b.height);
        // The anchored sides stay where they are.
        if (m_handle == HandleTopLeft || m_handle == HandleBottomLeft)
            b.left = m_rightAnchor - b.width;
        if (m_handle == HandleTopLeft || m_handle == HandleTopRight)
            b.top = m_bottomAnchor - b.height;
    }
    drawFrame(*f);
    reportBox(int(BoxNotice::MoveHotspot), m_box);
}

void EditingEngine::drawFrame(const Figure& figure)
{
    const SelectionBox& b = m_box;
    const qint16 width = qint16(std::clamp(m_host.figureSize(), 1, 32767));
    const QPoint topLeft(b.left, b.top);
    const QPoint bottomRight(b.right(), b.bottom());
    if (figure.ClassFigure == RectangleKind) {
        m_marks.add(ScreenMarks::box(topLeft, bottomRight, width));
        return;
    }
    if (figure.ClassFigure == CircleKind) {
        const int r = roundToInt(b.width / 2.0);
        m_marks.add(ScreenMarks::circle(topLeft + QPoint(r, r), std::abs(r), width));
    } else {
        const SelectionBox home = dragBoxOf(figure);
        m_marks.add(ScreenMarks::polygon(figure.screenPolygon(m_host.screenScale())
                                             .translated(b.left - home.left, b.top - home.top),
            width));
    }
    m_marks.add(ScreenMarks::box(
        topLeft, bottomRight, 1, m_host.showsSupport() ? PictureBox::Dot : PictureBox::Invisible));
}

void EditingEngine::finishDrag()
{
    const qint32 number = m_number;
    SelectionBox b = m_box;
    const bool moved = !m_firstDragMove;
    endGesture(State::Idle);
    m_host.setOperatingMode(PointerTool);
    m_host.surface().setDrawMode(PictureBox::CopyPen);
    Figure* f = m_host.figure(number);
    if (!f)
        return;
    if (f->ClassFigure == CircleKind)
        b.height = b.width;
    const QRect before = reachOf(number);
    const bool wasErased = f->EraseMode;
    f->EraseMode = false;
    if (f->Locked || !moved) {
        if (wasErased)
            m_host.repaintFigures(before);
        m_host.notify(Notice::MovingFinished);
        return;
    }
    const double zoom = m_host.screenScale();
    const int oldX1 = roundToInt(f->X1()), oldY1 = roundToInt(f->Y1());
    const int oldX2 = roundToInt(f->X2()), oldY2 = roundToInt(f->y2());
    int x1 = roundToInt(b.left / zoom);
    int y1 = roundToInt(b.top / zoom);
    int x2 = roundToInt(b.right() / zoom);
    int y2 = roundToInt(b.bottom() / zoom);
    if (x2 < x1)
        std::swap(x1, x2);
    if (y2 < y1)
        std::swap(y1, y2);
    if (f->ClassFigure == PolygonKind) {
        // The vertices hang from the top-left corner; the extent stays theirs.
        f->setBox(
            float(x1), float(y1), float(x1) + (f->X2() - f->X1()), float(y1) + (f->y2() - f->Y1()));
    } else {
        f->setBox(float(x1), float(y1), float(x2), float(y2));
    }
    m_host.geometryChanged(number);
    m_host.repaintFigures(before.united(reachOf(number)));
    m_host.collectShape(number);
    const bool changed = x1 != oldX1 || y1 != oldY1 || x2 != oldX2 || y2 != oldY2;
    if (changed) {
        m_host.notifyShape(ShapeNotice::HotspotMoved);
        if (m_host.figure(number))
            m_host.recordMove(number, m_previousText);
    }
    m_host.notify(Notice::MovingFinished);
}

// ---------------------------------------------------------------------------
// Vertex drag

void EditingEngine::findVertex(const Figure& figure, QPoint at)
{
    const double zoom = m_host.screenScale();
    const double left = zoom * figure.X1();
    const double top = zoom * figure.Y1();
    m_pointEditing = false;
    m_vertex = 0;
    for (int i = 1; i <= figure.vertexCount(); ++i) {
        const double x = left + zoom * figure.DataX()[size_t(i)];
        const double y = top + zoom * figure.DataY()[size_t(i)];
        if (std::fabs(x - at.x()) < VertexReach && std::fabs(y - at.y()) < VertexReach) {
            m_vertex = i;
            m_pointEditing = true;
            return;
        }
    }
}

void EditingEngine::startPointDrag(qint32 number)
{
    const Figure* f = m_host.figure(number);
    const int n = f->vertexCount();
    const double zoom = m_host.screenScale();
    const auto screenOf = [&](int i) {
        const QPointF v = f->vertex(i);
        return QPoint(roundToInt(zoom * v.x()), roundToInt(zoom * v.y()));
    };
    m_number = number;
    m_before = screenOf(m_vertex == 1 ? n : m_vertex - 1);
    m_after = screenOf(m_vertex == n ? 1 : m_vertex + 1);
    m_previousText = f->coordinatesText();
    m_state = State::DraggingPoint;
    confine(true);
    m_host.notify(Notice::PointDragStart);
}

void EditingEngine::movePointDrag(QPoint at, bool constrained)
{
    if (constrained)
        at = onOctant(m_before, at);
    m_marks.eraseAll();
    m_marks.add(ScreenMarks::line(m_before, at));
    m_marks.add(ScreenMarks::line(at, m_after));
}

void EditingEngine::finishPointDrag(QPoint at, bool constrained)
{
    if (constrained)
        at = onOctant(m_before, at);
    const qint32 number = m_number;
    const int k = m_vertex;
    endGesture(State::Idle);
    m_pointEditing = false;
    Figure* f = m_host.figure(number);
    if (!f || f->ClassFigure != PolygonKind || k < 1 || k > f->vertexCount())
        return;
    const QRect before = reachOf(number);
    const QPointF q = toPicture(QPointF(at));
    std::vector<float> dx = f->DataX();
    std::vector<float> dy = f->DataY();
    dx[size_t(k)] = float(q.x() - f->X1());
    dy[size_t(k)] = float(q.y() - f->Y1());
    // Normal form: the smallest offsets are 0 again, the box follows.
    const auto minX = *std::min_element(dx.begin() + 1, dx.end());
    const auto minY = *std::min_element(dy.begin() + 1, dy.end());
    for (size_t i = 1; i < dx.size(); ++i) {
        dx[i] -= minX;
        dy[i] -= minY;
    }
    const float x1 = f->X1() + minX;
    const float y1 = f->Y1() + minY;
    const float maxX = *std::max_element(dx.begin() + 1, dx.end());
    const float maxY = *std::max_element(dy.begin() + 1, dy.end());
    f->setData(std::move(dx), std::move(dy));
    f->setBox(x1, y1, x1 + maxX, y1 + maxY);
    f->Coordinates = f->coordinatesText();
    m_host.geometryChanged(number);
    m_host.repaintFigures(before.united(reachOf(number)));
    m_host.collectShape(number);
    const bool changed = f->Coordinates != m_previousText;
    if (changed)
        m_host.recordMove(number, m_previousText);
    m_host.notify(Notice::PointDragFinished);
    if (changed && m_host.figure(number))
        m_host.notifyShape(ShapeNotice::HotspotMoved);
    if (m_host.figure(number))
        m_host.notifyShape(ShapeNotice::HotspotActivate);
}

// ---------------------------------------------------------------------------
// Rotation

void EditingEngine::startRotation(QPoint at, QPointF exact)
{
    Q_UNUSED(at)
    qint32 number = m_host.selectedFigure();
    const qint32 hit = m_host.figureAt(toPicture(exact));
    if (hit != 0 && hit != number) {
        // Pressing on another figure turns that one.
        const QRect before = number ? reachOf(number) : QRect();
        m_host.selectFigure(hit);
        m_host.prepareRotation(hit);
        number = m_host.selectedFigure();
        m_host.repaintFigures(before.united(number ? reachOf(number) : QRect()));
    }
    const Figure* f = number ? m_host.figure(number) : nullptr;
    if (!f) {
        m_host.notify(Notice::PictureClick);
        return;
    }
    if (f->ClassFigure == CircleKind)
        return; // a circle looks the same at any angle
    if (f->Locked) {
        m_host.objectLock(true);
        return;
    }
    if (f->ClassFigure != PolygonKind) {
        m_host.prepareRotation(number);
        f = m_host.figure(number);
        if (!f || f->ClassFigure != PolygonKind)
            return;
    }
    m_number = number;
    m_centreX = f->X1() + (f->X2() - f->X1()) / 2.0;
    m_centreY = f->Y1() + (f->y2() - f->Y1()) / 2.0;
    m_previousText = f->coordinatesText();
    m_firstRotateStep = true;
    m_state = State::Rotating;
    const double zoom = m_host.screenScale();
    m_angle = angleAt(exact.x() / zoom, exact.y() / zoom);
    confine(true);
    m_host.notify(Notice::RotateStart);
    if (m_state == State::Rotating)
        m_host.setRotationStart(float(m_angle));
}

qint32 EditingEngine::angleAt(double x, double y) const
{
    double dx = x - m_centreX;
    double dy = y - m_centreY;
    if (dx == 0)
        dx = 0.00001;
    if (dy == 0)
        dy = 0.00001;
    double t = std::atan(dy / dx);
    if (dx > 0 && dy < 0)
        t += 6.283;
    else if (dx < 0)
        t += 3.142;
    return qint32(std::trunc(360 - t * 180 / HalfTurn));
}

void EditingEngine::rotateStep(qint16 button, float x, float y)
{
    if (button != LeftButton || m_state != State::Rotating)
        return;
    const double zoom = m_host.screenScale();
    const qint32 angle = angleAt(x / zoom, y / zoom);
    if (m_host.rotationStart() == 0)
        m_host.setRotationStart(float(angle));
    m_angle = angle;
    m_host.rotateAngle(angle);
    Figure* f = m_state == State::Rotating ? m_host.figure(m_number) : nullptr;
    if (!f)
        return;
    if (m_firstRotateStep) {
        m_firstRotateStep = false;
        f = hideForGesture(*f, State::Rotating);
        if (!f)
            return;
    }
    std::vector<float> dx = f->DataX();
    std::vector<float> dy = f->DataY();
    rotateOffsets(dx, dy, double(m_angle) - double(m_host.rotationStart()),
        (f->X2() - f->X1()) / 2.0, (f->y2() - f->Y1()) / 2.0);
    QPolygon outline;
    outline.reserve(qsizetype(dx.size()) - 1);
    for (size_t i = 1; i < dx.size(); ++i)
        outline << QPoint(
            roundToInt((f->X1() + dx[i]) * zoom), roundToInt((f->Y1() + dy[i]) * zoom));
    m_marks.eraseAll();
    m_marks.add(ScreenMarks::polygon(outline, qint16(std::clamp(m_host.figureSize(), 1, 32767))));
    m_host.notify(Notice::RotateMove);
}

void EditingEngine::finishRotation()
{
    const qint32 number = m_number;
    const bool turned = !m_firstRotateStep;
    const float degrees = float(double(m_angle) - double(m_host.rotationStart()));
    endGesture(State::Idle);
    Figure* f = m_host.figure(number);
    if (!f)
        return;
    const QRect before = reachOf(number);
    const bool wasErased = f->EraseMode;
    f->EraseMode = false;
    if (turned && degrees != 0)
        m_host.rotateFigure(number, degrees);
    if (!m_host.figure(number))
        return;
    if (wasErased || turned)
        m_host.repaintFigures(before.united(reachOf(number)));
    m_host.collectShape(number);
    const bool changed = m_host.coordinatesOf(number) != m_previousText;
    if (changed)
        m_host.notifyShape(ShapeNotice::HotspotMoved);
    m_host.notify(Notice::RotateFinished);
    if (changed && m_host.figure(number))
        m_host.recordMove(number, m_previousText);
}

// ---------------------------------------------------------------------------
// Keyboard

bool EditingEngine::nudge(int dx, int dy)
{
    const qint32 number = m_host.selectedFigure();
    Figure* f = number ? m_host.figure(number) : nullptr;
    if (!f)
        return false;
    if (f->Locked) {
        m_host.objectLock(true);
        return true;
    }
    const QString previous = f->coordinatesText();
    const QRect before = reachOf(number);
    f->setBox(f->X1() + float(dx), f->Y1() + float(dy), f->X2() + float(dx), f->y2() + float(dy));
    f->Coordinates = f->coordinatesText();
    m_host.geometryChanged(number);
    m_host.repaintFigures(before.united(reachOf(number)));
    m_host.collectShape(number);
    m_host.notifyShape(ShapeNotice::HotspotMoved);
    if (m_host.figure(number))
        m_host.recordMove(number, previous);
    return true;
}

// ---------------------------------------------------------------------------
// Helpers

QPointF EditingEngine::confined(QPointF at) const
{
    if (!m_confined)
        return at;
    const PictureBox& surface = m_host.surface();
    const double right = std::max(0, surface.width() - 1);
    const double bottom = std::max(0, surface.height() - 1);
    return QPointF(std::clamp(at.x(), 0.0, right), std::clamp(at.y(), 0.0, bottom));
}

int EditingEngine::snap(int v)
{
    return m_host.snapsToGrid() ? roundToInt(m_host.snapTo(v)) : v;
}

QPoint EditingEngine::snapped(QPointF at)
{
    if (!m_host.snapsToGrid())
        return QPoint(roundToInt(at.x()), roundToInt(at.y()));
    return QPoint(roundToInt(m_host.snapTo(at.x())), roundToInt(m_host.snapTo(at.y())));
}

QPointF EditingEngine::toPicture(QPointF screen) const
{
    const double zoom = m_host.screenScale();
    return QPointF(screen.x() / zoom, screen.y() / zoom);
}

void EditingEngine::reportBox(int notice, const SelectionBox& b)
{
    if (notice == int(BoxNotice::FigureXY)) {
        m_host.notifyBox(BoxNotice::FigureXY, b.left, b.top, b.right(), b.bottom());
        return;
    }
    const double zoom = m_host.screenScale();
    m_host.notifyBox(BoxNotice(notice), roundToInt(b.left / zoom), roundToInt(b.top / zoom),
        roundToInt(b.right() / zoom), roundToInt(b.bottom() / zoom));
}

void EditingEngine::confine(bool on)
{
    if (m_confined == on)
        return;
    m_confined = on;
    m_host.confineMouse(on);
}

void EditingEngine::endGesture(State next)
{
    m_marks.eraseAll();
    m_placed.eraseAll();
    m_points.clear();
    confine(false);
    m_number = 0;
    m_state = (next == State::Idle && m_buttonDown) ? State::Ignoring : next;
}

QRect EditingEngine::reachOf(qint32 number) const
{
    return m_host.figureReach(number);
}

} // namespace zc
