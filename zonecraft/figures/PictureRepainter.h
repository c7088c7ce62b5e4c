#pragma once

#include "FigurePainter.h"
#include "Geometry.h"

#include <QRect>
#include <QRectF>
#include <vector>

class QPainter;

namespace zc {

class Figure;
class FigureCollection;

/// What the work picture shows over its background: the figures, and the
/// handles of the selected one.
struct PictureScene
{
    const FigureCollection& figures;
    const Figure* selected = nullptr;
    SelectionBox selectionBox;
    PaintSettings settings;
};

/// Repaints one rectangle of the work picture from the figure state, so a
/// change of one figure costs what the figures around it cost, not a pass
/// over all of them.
///
/// Rectangles are given in picture pixels; screenArea() is the one place
/// the zoom factor turns them into pixels of the painted surface. Painting a
/// rectangle gives, inside it, the very pixels a full pass over every
/// figure gives.
class PictureRepainter
{
public:
    explicit PictureRepainter(const PictureScene& scene);

    const PaintSettings& settings() const { return m_scene.settings; }

    /// The surface pixels that \a pictureRect covers at the zoom, rounded outwards.
    QRect screenArea(const QRectF& pictureRect) const;
    /// The picture rectangle that holds the surface pixels of \a screenRect.
    QRectF pictureArea(const QRect& screenRect) const;

    /// The picture area painting a figure of \a bounds (picture pixels, as
    /// the figure collection keeps them) can touch, outline included.
    QRectF figureArea(const QRectF& bounds) const;
    /// The picture area the selected figure's handles cover now; empty when
    /// none are painted.
    QRectF handlesArea() const;

    /// Paints, clipped to \a screenRect of the painter's surface, the
    /// figures that reach it in collection order, then the handles. The
    /// caller has cleared the rectangle to the background before.
    void paint(QPainter& painter, const QRect& screenRect) const;

    /// Joins the rectangles that overlap or touch until none do, so no
    /// pixel is painted twice and each figure is painted once per piece.
    static std::vector<QRectF> mergeOverlapping(std::vector<QRectF> rects);

private:
    const PictureScene m_scene;
};

} // namespace zc
