#pragma once

#include "FigurePainter.h"
#include "Geometry.h"

#include <QRect>
#include <QRectF>
#include <memory>
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
    /// The whole painted surface (the zoomed work picture) when the painter's
    /// image holds only a part of it; empty when it holds all of it.
    QRect surface;
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
    ///
    /// The painter may draw on an image that holds only a part of the
    /// surface (translated to surface coordinates). Qt rasterises a line it
    /// has to cut at the image's edge differently from the same line drawn
    /// whole, so a figure that crosses that edge is drawn whole in a
    /// scratch image and copied in: the pixels stay those of a pass over
    /// the whole surface. (A figure whose scratch image would exceed
    /// ScratchLimit pixels is drawn cut; its outline may then be a pixel
    /// off where it crosses the edge.)
    void paint(QPainter& painter, const QRect& screenRect) const;
    static constexpr qint64 ScratchLimit = 4 * 1024 * 1024;

    /// Joins the rectangles that overlap or touch until none do, so no
    /// pixel is painted twice and each figure is painted once per piece.
    static std::vector<QRectF> mergeOverlapping(std::vector<QRectF> rects);

private:
    /// Memory for the scratch images of one paint, reused figure to figure.
    struct Scratch
    {
        std::unique_ptr<uchar[]> buffer;
        size_t size = 0;
    };
    void paintWhole(QPainter& painter, const Figure& figure, const QRect& reach,
        const QRect& screenRect, const QImage& image, QPoint origin, Scratch& scratch) const;

    const PictureScene m_scene;
};

} // namespace zc
