#include "FigurePainter.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <common/Drawing.h>

namespace zc {

namespace {

// Screen rectangles are kept well inside the int range.
constexpr double ScreenLimit = 1 << 28;

QRect screenRect(const QRectF& r)
{
    const auto clampEdge = [](double v) { return std::clamp(v, -ScreenLimit, ScreenLimit); };
    return QRect(QPoint(int(std::floor(clampEdge(r.left()))), int(std::floor(clampEdge(r.top())))),
        QPoint(int(std::ceil(clampEdge(r.right()))), int(std::ceil(clampEdge(r.bottom())))));
}

} // namespace

FigurePainter::FigurePainter(const PaintSettings& settings)
    : m_settings(settings)
{ }

bool FigurePainter::outsideArea(const Figure& figure, const QRectF& area) const
{
    const QRectF b = figure.paintBounds();
    const double f = m_settings.zoom;
    return b.left() * f > area.right() || b.right() * f < area.left() || b.top() * f > area.bottom()
        || b.bottom() * f < area.top();
}

void FigurePainter::paintFigures(
    QPainter& painter, const std::vector<std::unique_ptr<Figure>>& figures, const QRect& area) const
{
    if (!m_settings.designMode)
        return;
    const double reach = std::max(1, m_settings.figureSize) + 1;
    const QRectF wide = QRectF(area).adjusted(-reach, -reach, reach, reach);
    for (const auto& figure : figures) {
        if (!outsideArea(*figure, wide))
            paintFigure(painter, *figure);
    }
}

void FigurePainter::paintFigures(
    QPainter& painter, const std::vector<Figure*>& figures, const QRect& area) const
{
    if (!m_settings.designMode)
        return;
    const double reach = std::max(1, m_settings.figureSize) + 1;
    const QRectF wide = QRectF(area).adjusted(-reach, -reach, reach, reach);
    for (const Figure* figure : figures) {
        if (!outsideArea(*figure, wide))
            paintFigure(painter, *figure);
    }
}

void FigurePainter::paintFigure(QPainter& painter, const Figure& figure) const
{
    if (!m_settings.designMode)
        return;
    bool outline = m_settings.showHotspot;
    qint16 fill = m_settings.showHotspot ? m_settings.fillStyle : qint16(1);
    if (figure.EraseMode || !m_settings.figuresVisible) {
        outline = false;
        fill = 1;
    }
    if (!outline && fill == 1)
        return; // invisible outline and transparent fill leave no mark

    auto& state = m_state;
    const OLE_COLOR border = m_settings.borderColor;
    if (!state.valid || state.outline != outline || (outline && state.penColor != border)) {
        if (outline) {
            QPen pen(Zel::toQColor(border));
            pen.setWidth(std::max(1, m_settings.figureSize));
            painter.setPen(pen);
        } else {
            painter.setPen(Qt::NoPen);
        }
        state.outline = outline;
        state.penColor = border;
    }
    if (!state.valid || state.fill != fill || (fill != 1 && state.brushColor != figure.Color)) {
        if (fill == 1)
            painter.setBrush(Qt::NoBrush);
        else if (fill == 0)
            painter.setBrush(Zel::toQColor(figure.Color));
        else
            painter.setBrush(QBrush(Zel::toQColor(figure.Color), Zel::hatchStyle(fill)));
        state.fill = fill;
        state.brushColor = figure.Color;
    }
    state.valid = true;

    const double f = m_settings.zoom;
    switch (figure.ClassFigure) {
    case RectangleKind:
        painter.drawRect(QRectF(
            QPointF(figure.X1() * f, figure.Y1() * f), QPointF(figure.X2() * f, figure.y2() * f)));
        break;
    case CircleKind: {
        // The circle sits in the square of the box's width from its top-left corner.
        const double r = figure.Radius();
        painter.drawEllipse(QPointF((figure.X1() + r) * f, (figure.Y1() + r) * f), r * f, r * f);
        break;
    }
    case PolygonKind:
        if (figure.vertexCount() > 0)
            painter.drawPolygon(figure.screenPolygon(f), Qt::WindingFill);
        break;
    default:
        break;
    }
}

void FigurePainter::paintHandles(
    QPainter& painter, const Figure& figure, const SelectionBox& box) const
{
    if (!m_settings.designMode || !m_settings.showHandles)
        return;
    const QColor color
        = Zel::toQColor(figure.Locked ? m_settings.handleColorLocked : m_settings.handleColor);
    painter.setPen(QPen(Zel::toQColor(m_settings.handleFrame), 1));
    painter.setBrush(color);
    // A 1-pixel frame on the square's own edge pixels keeps its size.
    if (figure.ClassFigure == PolygonKind) {
        for (const QPoint& p : figure.screenPolygon(m_settings.zoom))
            painter.drawRect(vertexHandle(p).adjusted(0, 0, -1, -1));
    } else {
        for (const HandleSquare& h : handleSquares(box))
            painter.drawRect(h.rect.adjusted(0, 0, -1, -1));
    }
    m_state.valid = false;
}

QRect FigurePainter::figureReach(const Figure& figure) const
{
    const double f = m_settings.zoom;
    const QRectF b = figure.paintBounds();
    const double pen = std::max(1, m_settings.figureSize) + 2;
    return screenRect(
        QRectF(QPointF(b.left() * f, b.top() * f), QPointF(b.right() * f, b.bottom() * f))
            .adjusted(-pen, -pen, pen, pen));
}

QRect FigurePainter::handlesReach(const Figure& figure, const SelectionBox& box) const
{
    if (figure.ClassFigure == PolygonKind) {
        const QRectF b = figure.paintBounds();
        const double f = m_settings.zoom;
        return screenRect(
            QRectF(QPointF(b.left() * f, b.top() * f), QPointF(b.right() * f, b.bottom() * f))
                .adjusted(-5, -5, 5, 5));
    }
    return QRect(QPoint(box.left, box.top), QPoint(box.right(), box.bottom()))
        .normalized()
        .adjusted(-9, -9, 9, 9);
}

} // namespace zc
