#pragma once

#include "FigureCollection.h"

#include <QPointF>
#include <QPolygonF>
#include <QRectF>

namespace zc {

/// Which rules decide the hotspot under a point.
enum class HitRules {
    /// The editor's own: the figure created last wins; rectangle edges are
    /// inside, circle rims outside, polygons fill by winding with their right
    /// and bottom edges outside.
    Control,
    /// A browser's rules for image-map areas: the first area in document
    /// order wins; rectangle edges and circle rims are inside, polygons fill
    /// even-odd with their outline inside.
    Browser,
};

/// A rectangle area of corners (x1, y1) and (x2, y2) in either order; its edges are inside.
bool browserRectContains(double x1, double y1, double x2, double y2, QPointF p);
/// A circle area; the rim is inside; a radius of 0 or less holds nothing.
bool browserCircleContains(double cx, double cy, double radius, QPointF p);
/// A polygon area under the even-odd rule; the outline is inside; fewer than
/// three vertices hold nothing.
bool browserPolygonContains(const QPolygonF& polygon, QPointF p);

/// Whether \a figure, as its area tag would describe it, holds \a p
/// (picture pixels) under a browser's rules.
bool browserFigureContains(const Figure& figure, QPointF p);

/// The figure under \a p (picture pixels) under \a rules, or nullptr.
Figure* hotspotAt(const FigureCollection& figures, QPointF p, HitRules rules);

} // namespace zc
