#pragma once

#include "../figures/Geometry.h"
#include "ScreenMarks.h"

#include <QPoint>
#include <QPointF>
#include <QString>
#include <vector>

namespace zc {

class EditingHost;

/// The mouse and keyboard editing of the work picture: drawing rectangles,
/// circles and polygons, selecting, moving and resizing by the handles,
/// dragging polygon vertices and turning figures.
///
/// Positions arrive in work-picture (screen) pixels with the host's button
/// and shift numbers (buttons 1 left, 2 right, 4 middle; shift 1 Shift).
/// The engine keeps the gesture under way in one explicit state and reaches
/// the figures, the surface and the events only through its EditingHost.
class EditingEngine
{
public:
    enum class State {
        Idle, ///< nothing under way
        Banding, ///< a rectangle or circle band follows the mouse
        DrawingPolygon, ///< polygon points placed; a rubber line follows the mouse
        Dragging, ///< a figure is moved (handle 8) or resized (0..7)
        DraggingPoint, ///< a polygon vertex follows the mouse
        Rotating, ///< a figure turns about its centre
        Ignoring, ///< a cancelled gesture: nothing happens until the button goes up
    };

    explicit EditingEngine(EditingHost& host);

    // Input

    void press(qint16 button, qint16 shift, QPointF at);
    void move(qint16 buttons, qint16 shift, QPointF at);
    void release(qint16 button, qint16 shift, QPointF at);
    /// A key of the focused control; true when the engine used it.
    bool key(int qtKey, Qt::KeyboardModifiers modifiers);

    /// The interactive rotation step (RotateFigure): acts only for the left
    /// button while a rotation is under way.
    void rotateStep(qint16 button, float x, float y);
    /// Escape: drops the gesture under way, leaving every figure as it was
    /// and recording nothing. False when nothing was under way.
    bool cancel();
    /// Forgets the gesture under way without events (a figure was created or
    /// the selection cleared through the host's calls).
    void reset();

    // State, for the control and for tests

    State state() const { return m_state; }
    /// 0 idle, 1 dragging with the left button, 2 dragging a polygon point.
    int buttonHeld() const;
    /// The handle code of the last press or plain move (9 nothing).
    int handleCode() const { return m_handle; }
    /// True while the pointer rests on a vertex of the selected polygon.
    bool pointEditing() const { return m_pointEditing; }
    /// The grabbed vertex (1..n), 0 when none.
    int grabbedVertex() const { return m_vertex; }
    /// The figure being moved, resized, reshaped or turned; 0 when none.
    qint32 editedFigure() const { return m_number; }
    /// The rubber band or dragged box, screen pixels.
    const SelectionBox& box() const { return m_box; }
    /// The polygon being drawn, screen pixels.
    const std::vector<QPoint>& polygonPoints() const { return m_points; }
    /// The angle of the last rotation step, whole degrees.
    qint32 currentAngle() const { return m_angle; }
    /// Whether the mouse is held inside the work picture.
    bool mouseConfined() const { return m_confined; }
    /// The mark drawn for the gesture under way (band, frame, rubber line...).
    const ScreenMarks& marks() const { return m_marks; }

private:
    // Pointer tool
    void pointerPress(qint16 button, QPoint at, QPointF exact);
    void otherButtonPress(QPoint at, QPointF exact);
    int handleUnder(qint32 number, QPoint at, QPointF exact) const;
    void hoverSelected(QPoint at, QPointF exact);
    void showPointer(qint16 pointer);

    // Rubber bands
    void startBand(QPoint at);
    void moveBand(QPoint at, bool square);
    void finishBand(QPoint at, bool square);
    void drawBand();

    // Polygons
    void addPolygonPoint(QPoint at, bool constrained);
    void movePolygonLine(QPoint at, bool constrained);
    void finishPolygon();
    void cancelPolygon();

    // Moving and resizing
    void startDrag(qint32 number, int code, QPoint at);
    void moveDrag(QPoint at, bool square);
    void finishDrag();
    void drawFrame(const Figure& figure);

    // Vertex drag
    void findVertex(const Figure& figure, QPoint at);
    void startPointDrag(qint32 number);
    void movePointDrag(QPoint at, bool constrained);
    void finishPointDrag(QPoint at, bool constrained);

    // Rotation
    void startRotation(QPoint at, QPointF exact);
    void finishRotation();
    qint32 angleAt(double x, double y) const;

    // Keyboard
    bool nudge(int dx, int dy);

    // Helpers
    QPointF confined(QPointF at) const;
    QPoint snapped(QPointF at);
    int snap(int v);
    QPointF toPicture(QPointF screen) const;
    SelectionBox dragBoxOf(const Figure& figure) const;
    void reportBox(int notice, const SelectionBox& box);
    void confine(bool on);
    void endGesture(State next);
    QRect reachOf(qint32 number) const;
    /// Stops \a figure (the gesture's) painting itself on the first step of
    /// \a gesture; the figure again, or null when the gesture ended meanwhile.
    Figure* hideForGesture(Figure& figure, State gesture);

    EditingHost& m_host;
    ScreenMarks m_marks; // the moving mark of the gesture
    ScreenMarks m_placed; // polygon edges placed so far

    State m_state = State::Idle;
    bool m_buttonDown = false;
    bool m_confined = false;
    int m_handle = HandleNone;
    bool m_pointEditing = false;
    int m_vertex = 0;
    qint32 m_number = 0;

    // Band and dragged box (screen pixels)
    SelectionBox m_box;
    int m_rightAnchor = 0;
    int m_bottomAnchor = 0;
    qint16 m_grabX = 0;
    qint16 m_grabY = 0;
    QPoint m_downPoint;
    bool m_firstDragMove = true;
    bool m_resizing = false;
    QString m_previousText;

    // Polygon being drawn
    std::vector<QPoint> m_points;

    // Vertex drag: the grabbed vertex's neighbours on the screen
    QPoint m_before;
    QPoint m_after;

    // Rotation
    double m_centreX = 0;
    double m_centreY = 0;
    qint32 m_angle = 0;
    bool m_firstRotateStep = true;
};

} // namespace zc
