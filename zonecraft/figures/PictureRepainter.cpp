#include "PictureRepainter.h"

#include "FigureCollection.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace zc {

namespace {

// Surface rectangles stay well inside the int range.
constexpr double ScreenLimit = 1 << 28;

int screenEdge(double v, bool up)
{
    v = std::clamp(v, -ScreenLimit, ScreenLimit);
    return int(up ? std::ceil(v) : std::floor(v));
}

bool touches(const QRectF& a, const QRectF& b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom()
        && b.top() <= a.bottom();
}

QRectF joined(const QRectF& a, const QRectF& b)
{
    return QRectF(QPointF(std::min(a.left(), b.left()), std::min(a.top(), b.top())),
        QPointF(std::max(a.right(), b.right()), std::max(a.bottom(), b.bottom())));
}

} // namespace

PictureRepainter::PictureRepainter(const PictureScene& scene)
    : m_scene(scene)
{ }

QRect PictureRepainter::screenArea(const QRectF& r) const
{
    const double f = settings().zoom;
    // Every pixel the rectangle overlaps; a rectangle thinner than a pixel
    // still gives the pixel it lies in.
    const int left = screenEdge(r.left() * f, false);
    const int top = screenEdge(r.top() * f, false);
    const int right = std::max(left, screenEdge(r.right() * f, true) - 1);
    const int bottom = std::max(top, screenEdge(r.bottom() * f, true) - 1);
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRectF PictureRepainter::pictureArea(const QRect& r) const
{
    const double f = settings().zoom;
    if (!(f > 0))
        return {};
    return QRectF(
        QPointF(r.left() / f, r.top() / f), QPointF((r.right() + 1) / f, (r.bottom() + 1) / f));
}

QRectF PictureRepainter::figureArea(const QRectF& bounds) const
{
    const double f = settings().zoom;
    if (!(f > 0))
        return bounds;
    // Half the outline lies outside the figure's edge; rounding adds a pixel.
    const double reach = (std::max(1, settings().figureSize) + 2) / f;
    return bounds.adjusted(-reach, -reach, reach, reach);
}

QRectF PictureRepainter::handlesArea() const
{
    const PaintSettings& s = settings();
    if (!m_scene.selected || !s.designMode || !s.showHandles)
        return {};
    return pictureArea(FigurePainter(s).handlesReach(*m_scene.selected, m_scene.selectionBox));
}

void PictureRepainter::paint(QPainter& painter, const QRect& screenRect) const
{
    if (screenRect.isEmpty() || !settings().designMode)
        return;
    painter.save();
    painter.setClipRect(screenRect, Qt::IntersectClip);
    // A painter of its own: it tracks the pen and brush it set on this painter.
    const FigurePainter figurePainter(settings());
    // Every figure whose painting can reach the rectangle, found through the
    // collection's grid instead of asking each figure.
    const std::vector<Figure*> reaching
        = m_scene.figures.figuresIn(figureArea(pictureArea(screenRect)));
    // Where the painter's image lies on the surface, when it holds a part.
    const auto* image = dynamic_cast<const QImage*>(painter.device());
    const QPoint origin(
        -qRound(painter.deviceTransform().dx()), -qRound(painter.deviceTransform().dy()));
    const bool partial = image && !m_scene.surface.isEmpty();
    const QRect held = partial ? QRect(origin, image->size()) : QRect();
    Scratch scratch;
    for (const Figure* figure : reaching) {
        if (partial) {
            const QRect reach = figurePainter.figureReach(*figure).intersected(m_scene.surface);
            if (!held.contains(reach) && qint64(reach.width()) * reach.height() <= ScratchLimit) {
                paintWhole(painter, *figure, reach, screenRect, *image, origin, scratch);
                continue;
            }
        }
        figurePainter.paintFigure(painter, *figure);
    }
    if (m_scene.selected)
        figurePainter.paintHandles(painter, *m_scene.selected, m_scene.selectionBox);
    painter.restore();
}

void PictureRepainter::paintWhole(QPainter& painter, const Figure& figure, const QRect& reach,
    const QRect& screenRect, const QImage& image, QPoint origin, Scratch& scratch) const
{
    const QRect shared = reach.intersected(screenRect).intersected(QRect(origin, image.size()));
    if (shared.isEmpty())
        return;
    // The scratch image spans the figure's whole reach, so Qt rasterises it
    // uncut, but it is painted and read only where it meets the image: a
    // large figure crossing the edge costs what it shows, and the pages of
    // the buffer outside that part are never touched.
    const qsizetype stride = qsizetype(reach.width()) * 4;
    const size_t bytes = size_t(stride) * size_t(reach.height());
    if (scratch.size < bytes) {
        scratch.buffer.reset(new uchar[bytes]);
        scratch.size = bytes;
    }
    QImage whole(scratch.buffer.get(), reach.width(), reach.height(), stride, QImage::Format_RGB32);
    const QRect inScratch = shared.translated(-reach.topLeft());
    // It starts with what the image holds, so fills that leave pixels alone
    // (transparent, hatches) show what lies beneath.
    const QRect from = shared.translated(-origin);
    for (int y = 0; y < shared.height(); ++y)
        std::memcpy(whole.scanLine(inScratch.top() + y) + inScratch.left() * 4,
            image.constScanLine(from.top() + y) + from.left() * 4, size_t(shared.width()) * 4);
    {
        QPainter p(&whole);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setClipRect(inScratch);
        p.translate(-reach.topLeft());
        // A painter of its own: the shared one tracks the pen and brush it
        // set on the other painter.
        FigurePainter(settings()).paintFigure(p, figure);
    }
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(shared.topLeft(), whole, inScratch);
    painter.restore();
}

std::vector<QRectF> PictureRepainter::mergeOverlapping(std::vector<QRectF> rects)
{
    bool merged = true;
    while (merged) {
        merged = false;
        for (size_t i = 0; i < rects.size() && !merged; ++i) {
            for (size_t j = i + 1; j < rects.size(); ++j) {
                if (touches(rects[i], rects[j])) {
                    rects[i] = joined(rects[i], rects[j]);
                    rects.erase(rects.begin() + std::ptrdiff_t(j));
                    merged = true;
                    break;
                }
            }
        }
    }
    return rects;
}

} // namespace zc
