#pragma once

#include "Figure.h"

#include <QPointF>
#include <QRect>
#include <vector>

namespace zc {

/// Distance between two points; exact along an axis.
double distance(double x1, double y1, double x2, double y2);

/// Snaps a screen coordinate to whole picture pixels at \a zoom: the step is
/// the zoom rounded (halves to even); a remainder above half a step goes up,
/// others go down. A step of 0 (zoom below 50 %) leaves the value rounded.
float snapTo(double value, double zoom);

/// Turns offsets (element 0 unused) by \a degrees about (cx, cy); positive
/// degrees turn anticlockwise on the screen.
void rotateOffsets(
    std::vector<float>& dataX, std::vector<float>& dataY, double degrees, double cx, double cy);

/// A polygon in normal form: box from the rounded extremes, offsets from the
/// box's top-left corner, element 0 the placeholder.
struct NormalPolygon
{
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::vector<float> dataX { 0.0f };
    std::vector<float> dataY { 0.0f };
};
/// Brings absolute vertices to normal form (no vertices: an empty box at 0).
NormalPolygon normalisePolygon(const std::vector<QPointF>& vertices);

/// The four offsets of a rectangle of \a w by \a h as a polygon, in the
/// order (0, 0), (0, h), (w, h), (w, 0).
void rectangleOffsets(float w, float h, std::vector<float>& dataX, std::vector<float>& dataY);

/// The selected figure's box in screen pixels.
struct SelectionBox
{
    int left = 0, width = 0, top = 0, height = 0;
    qint32 classFigure = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
};
/// The selection box of \a figure at \a zoom (polygons use the unzoomed box).
SelectionBox selectionBoxOf(const Figure& figure, double zoom);

/// Handle codes: 0..7 resize handles clockwise from the top left, 8 move,
/// 9 nothing.
enum HandleCode {
    HandleTopLeft = 0,
    HandleTop,
    HandleTopRight,
    HandleRight,
    HandleBottomRight,
    HandleBottom,
    HandleBottomLeft,
    HandleLeft,
    HandleMove,
    HandleNone
};

/// The handle squares of a rectangle (8) or circle (4, odd codes), each with
/// its code, in painting order.
struct HandleSquare
{
    int code;
    QRect rect;
};
std::vector<HandleSquare> handleSquares(const SelectionBox& box);
/// The square painted on polygon vertex \a screenPoint.
QRect vertexHandle(QPoint screenPoint);

/// The handle of the selected figure under screen point (x, y); \a inside
/// tells whether the figure itself contains the point (used for circles).
int handleAt(const SelectionBox& box, bool inside, int x, int y);

} // namespace zc
