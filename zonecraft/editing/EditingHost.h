#pragma once

#include <QPointF>
#include <QRect>
#include <QString>
#include <QtGlobal>

class PictureBox;

namespace zc {

class Figure;

/// The drawing tools, numbered as the control's OperatingMode.
enum Tool : int {
    PointerTool = 0,
    RectangleTool = 1,
    CircleTool = 2,
    PolygonTool = 3,
    MovingTool = 4,
    RotateTool = 5
};

/// What the editing engine asks of the control it edits for.
///
/// The engine names figures by number and looks them up again after every
/// call that may reach the host: an event handler may delete, re-create or
/// convert any figure before it returns.
class EditingHost
{
public:
    virtual ~EditingHost() = default;

    // Settings

    /// Screen pixels per picture pixel.
    virtual double screenScale() const = 0;
    /// Whether mouse positions snap to whole picture pixels.
    virtual bool snapsToGrid() const = 0;
    /// Snaps one screen coordinate to whole picture pixels (SnapTo).
    virtual float snapTo(double screenValue) = 0;
    /// True in design mode; otherwise the mouse only previews hotspots.
    virtual bool designMode() const = 0;
    /// The drawing tool (the control's OperatingMode values).
    virtual int operatingMode() const = 0;
    /// Changes the tool as the mouse engine does (no persistence, no pointer change).
    virtual void setOperatingMode(int mode) = 0;
    /// Whether a dragged circle or polygon shows its box dotted.
    virtual bool showsSupport() const = 0;
    /// The figures' outline width.
    virtual qint32 figureSize() const = 0;
    /// The start angle of an interactive rotation (StartRotate).
    virtual float rotationStart() const = 0;
    virtual void setRotationStart(float degrees) = 0;

    // Figures and the selection

    virtual Figure* figure(qint32 number) const = 0;
    /// The figure under a point in picture pixels (the last created wins), 0 when none.
    virtual qint32 figureAt(QPointF picturePoint) const = 0;
    /// The number of the figure after (\a step 1) or before (-1) \a number
    /// in collection order, wrapping round; the first or last when \a number is 0.
    virtual qint32 neighbourFigure(qint32 number, int step) const = 0;
    virtual qint32 selectedFigure() const = 0;
    /// Selects a figure (0: nothing), raising what a selection raises.
    virtual void selectFigure(qint32 number) = 0;
    /// Selects a figure as the host's ActivateHotspot does (repaint, ObjectLock).
    virtual void activateFigure(qint32 number) = 0;
    /// Re-files a figure whose geometry the engine changed in place and
    /// refreshes the selection box when it is the selected one.
    virtual void geometryChanged(qint32 number) = 0;
    /// Makes a figure ready to turn (a rectangle becomes the polygon of its
    /// corners, under the same number).
    virtual void prepareRotation(qint32 number) = 0;
    /// Turns a figure for good, as FigureRotate does without a repaint.
    virtual void rotateFigure(qint32 number, float degrees) = 0;
    /// Deletes a figure as DeleteFigure does.
    virtual void deleteFigure(qint32 number) = 0;

    // Creating figures (picture pixels). Each returns the new figure's number,
    // 0 when no figure was made.
    virtual qint32 createRectangle(qint32 x1, qint32 y1, qint32 x2, qint32 y2) = 0;
    virtual qint32 createCircle(qint32 cx, qint32 cy, qint32 radius) = 0;
    virtual qint32 createPolygon(const QString& points) = 0;

    // Records

    /// Copies a figure into the current shape, which the shape notices pass on.
    virtual void collectShape(qint32 number) = 0;
    /// The figure's coordinates text now.
    virtual QString coordinatesOf(qint32 number) const = 0;
    /// An add record for a figure drawn with the mouse; the redo list is erased.
    virtual void recordAdd(qint32 number) = 0;
    /// A move record (coordinates now, \a previous before); the redo list is erased.
    virtual void recordMove(qint32 number, const QString& previous) = 0;

    // The work surface

    /// The work picture, its persistent layer up to date.
    virtual PictureBox& surface() = 0;
    /// Changes whenever the screen layer is restored from the persistent
    /// one, which wipes every mark drawn on it.
    virtual quint64 surfaceGeneration() const = 0;
    /// Repaints the figures after a change of those inside \a damaged
    /// (screen pixels, handles included); an empty rectangle repaints all.
    virtual void repaintFigures(const QRect& damaged) = 0;
    /// The screen rectangle a figure and its handles can cover.
    virtual QRect figureReach(qint32 number) const = 0;
    /// Shows a mouse pointer number over the work picture.
    virtual void setPointer(qint16 pointer) = 0;
    /// The pointer number of a handle code (0..7 resize, 8 move, 9 nothing).
    virtual qint16 handlePointer(int handleCode) const = 0;
    /// Shows the pointer of the chosen tool again.
    virtual void showToolPointer() = 0;
    /// Captures the mouse for the work picture (or releases it).
    virtual void confineMouse(bool confine) = 0;

    /// Preview mode: the pointer is at \a screenPoint; \a click for a release of \a button.
    virtual void previewPointer(QPointF screenPoint, bool click, qint16 button) = 0;

    // Events

    enum class Notice {
        DrawCancel,
        PictureClick,
        MovingStart,
        MovingFinished,
        RotateStart,
        RotateMove,
        RotateFinished,
        PointDragStart,
        PointDragFinished,
        PointAddStart,
        PointAddEnd
    };
    virtual void notify(Notice notice) = 0;
    enum class BoxNotice { EditingStart, FigureXY, MoveHotspot };
    virtual void notifyBox(BoxNotice notice, qint32 x1, qint32 y1, qint32 x2, qint32 y2) = 0;
    /// Events that carry the current shape.
    enum class ShapeNotice { DrawFinished, HotspotActivate, HotspotMoved };
    virtual void notifyShape(ShapeNotice notice) = 0;
    virtual void hotspotClick(qint16 button, qint32 index, float x, float y) = 0;
    virtual void objectLock(bool locked) = 0;
    virtual void rotateAngle(qint32 degrees) = 0;
};

} // namespace zc
