#include "HitRules.h"

#include "NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace zc {

namespace {

// Whether p lies on the segment a-b. The test is exact for the whole
// numbers an area tag holds.
bool onSegment(QPointF a, QPointF b, QPointF p)
{
    const double cross = (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
    if (cross != 0)
        return false;
    return std::min(a.x(), b.x()) <= p.x() && p.x() <= std::max(a.x(), b.x())
        && std::min(a.y(), b.y()) <= p.y() && p.y() <= std::max(a.y(), b.y());
}

} // namespace

bool browserRectContains(double x1, double y1, double x2, double y2, QPointF p)
{
    return std::min(x1, x2) <= p.x() && p.x() <= std::max(x1, x2) && std::min(y1, y2) <= p.y()
        && p.y() <= std::max(y1, y2);
}

bool browserCircleContains(double cx, double cy, double radius, QPointF p)
{
    if (!(radius > 0))
        return false;
    const double dx = p.x() - cx;
    const double dy = p.y() - cy;
    return dx * dx + dy * dy <= radius * radius;
}

bool browserPolygonContains(const QPolygonF& polygon, QPointF p)
{
    const qsizetype n = polygon.size();
    if (n < 3)
        return false;
    bool inside = false;
    for (qsizetype i = 0, j = n - 1; i < n; j = i++) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[j];
        if (onSegment(a, b, p))
            return true;
        // Crossings of a ray to the right; each edge holds its lower end only.
        if ((a.y() > p.y()) != (b.y() > p.y())) {
            const double x = a.x() + (p.y() - a.y()) * (b.x() - a.x()) / (b.y() - a.y());
            if (p.x() < x)
                inside = !inside;
        }
    }
    return inside;
}

bool browserFigureContains(const Figure& f, QPointF p)
{
    // The geometry the exported area tag carries: boxes as stored, circles
    // and polygon vertices rounded to whole pixels.
    switch (f.ClassFigure) {
    case RectangleKind:
        return browserRectContains(f.X1(), f.Y1(), f.X2(), f.y2(), p);
    case CircleKind: {
        const double x1 = f.X1(), y1 = f.Y1(), x2 = f.X2(), y2 = f.y2();
        return browserCircleContains(double(roundEven(x1 + (x2 - x1) / 2)),
            double(roundEven(y1 + (y2 - y1) / 2)), double(roundEven((x2 - x1) / 2)), p);
    }
    case PolygonKind: {
        QPolygonF polygon;
        polygon.reserve(f.vertexCount());
        for (int i = 1; i <= f.vertexCount(); ++i) {
            const QPointF v = f.vertex(i);
            polygon << QPointF(double(roundEven(float(v.x()))), double(roundEven(float(v.y()))));
        }
        return browserPolygonContains(polygon, p);
    }
    default:
        return false;
    }
}

Figure* hotspotAt(const FigureCollection& figures, QPointF p, HitRules rules)
{
    if (rules == HitRules::Control)
        return figures.figureAt(float(p.x()), float(p.y()));
    if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
        return nullptr;
    for (const auto& figure : figures.figures()) {
        if (browserFigureContains(*figure, p))
            return figure.get();
    }
    return nullptr;
}

} // namespace zc
