#include "Geometry.h"

#include "NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zc {

double distance(double x1, double y1, double x2, double y2)
{
    if (x1 == x2)
        return std::fabs(y1 - y2);
    if (y1 == y2)
        return std::fabs(x1 - x2);
    return std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
}

float snapTo(double value, double zoom)
{
    const qint64 v = roundEven(value);
    const qint64 step = roundEven(zoom * 1);
    if (step <= 0)
        return float(v);
    const qint64 r = v % step; // sign of v, as the host's Mod
    if (r > step / 2.0)
        return float(v + step - r);
    return float(v - r);
}

void rotateOffsets(
    std::vector<float>& dataX, std::vector<float>& dataY, double degrees, double cx, double cy)
{
    const double a = degrees * 0.017453292519943278;
    const double s = std::sin(a);
    const double c = std::cos(a);
    for (size_t i = 1; i < dataX.size() && i < dataY.size(); ++i) {
        const double x = dataX[i];
        const double y = dataY[i];
        const float nx = float(cx + (x - cx) * c + (y - cy) * s);
        const double ny = cy + (y - cy) * c - (x - cx) * s;
        dataX[i] = nx;
        dataY[i] = float(ny);
    }
}

NormalPolygon normalisePolygon(const std::vector<QPointF>& vertices)
{
    NormalPolygon out;
    if (vertices.empty())
        return out;
    double minX = vertices[0].x(), maxX = minX, minY = vertices[0].y(), maxY = minY;
    for (const QPointF& p : vertices) {
        minX = std::min(minX, p.x());
        maxX = std::max(maxX, p.x());
        minY = std::min(minY, p.y());
        maxY = std::max(maxY, p.y());
    }
    out.x1 = float(roundEven(minX));
    out.y1 = float(roundEven(minY));
    out.x2 = float(roundEven(maxX));
    out.y2 = float(roundEven(maxY));
    out.dataX.reserve(vertices.size() + 1);
    out.dataY.reserve(vertices.size() + 1);
    for (const QPointF& p : vertices) {
        out.dataX.push_back(float(p.x() - out.x1));
        out.dataY.push_back(float(p.y() - out.y1));
    }
    return out;
}

void rectangleOffsets(float w, float h, std::vector<float>& dataX, std::vector<float>& dataY)
{
    dataX = { 0.0f, 0.0f, 0.0f, w, w };
    dataY = { 0.0f, 0.0f, h, h, 0.0f };
}

SelectionBox selectionBoxOf(const Figure& figure, double zoom)
{
    SelectionBox box;
    box.classFigure = figure.ClassFigure;
    const double f = figure.ClassFigure == PolygonKind ? 1.0 : zoom;
    // Edges are held well inside the int range, so the handle arithmetic
    // cannot overflow; a handle that far out is off any picture anyway.
    const auto edge = [f](float v) { return std::clamp(double(v) * f, -536870912.0, 536870912.0); };
    box.left = int(roundEven(edge(figure.X1())));
    box.width = int(roundEven(edge(figure.X2()) - box.left));
    box.top = int(roundEven(edge(figure.Y1())));
    box.height = int(roundEven(edge(figure.y2()) - box.top));
    return box;
}

std::vector<HandleSquare> handleSquares(const SelectionBox& box)
{
    const int L = box.left, T = box.top, R = box.right(), B = box.bottom();
    const int mx = int(roundEven(box.width / 2.0 + L - 3));
    const int my = int(roundEven(box.height / 2.0 + T - 3));
    // Each square covers the band 1 to 7 pixels outside its edge.
    const auto square = [](int x, int y) { return QRect(x, y, 7, 7); };
    const QRect top = square(mx, T - 7);
    const QRect right = square(R + 1, my);
    const QRect bottom = square(mx, B + 1);
    const QRect left = square(L - 7, my);
    if (box.classFigure == CircleKind)
        return { { HandleTop, top }, { HandleRight, right }, { HandleBottom, bottom },
            { HandleLeft, left } };
    return { { HandleTopLeft, square(L - 7, T - 7) }, { HandleTop, top },
        { HandleTopRight, square(R + 1, T - 7) }, { HandleRight, right },
        { HandleBottomRight, square(R + 1, B + 1) }, { HandleBottom, bottom },
        { HandleBottomLeft, square(L - 7, B + 1) }, { HandleLeft, left } };
}

QRect vertexHandle(QPoint screenPoint)
{
    // A vertex may sit at the very end of the 32-bit range; its square,
    // far off any picture, is kept inside that range.
    constexpr int lo = std::numeric_limits<int>::min() + 3;
    constexpr int hi = std::numeric_limits<int>::max() - 3;
    return QRect(
        std::clamp(screenPoint.x(), lo, hi) - 3, std::clamp(screenPoint.y(), lo, hi) - 3, 7, 7);
}

int handleAt(const SelectionBox& box, bool inside, int x, int y)
{
    switch (box.classFigure) {
    case PolygonKind:
        return HandleMove;
    case CircleKind:
        if (inside)
            return HandleMove;
        break;
    case RectangleKind:
        if (x < box.left - 7 || x > box.right() + 7 || y < box.top - 7 || y > box.bottom() + 7)
            return HandleNone;
        if (x >= box.left && x <= box.right() && y >= box.top && y <= box.bottom())
            return HandleMove;
        break;
    default:
        return HandleNone;
    }
    for (const HandleSquare& h : handleSquares(box)) {
        if (h.rect.contains(x, y))
            return h.code;
    }
    return HandleNone;
}

} // namespace zc
