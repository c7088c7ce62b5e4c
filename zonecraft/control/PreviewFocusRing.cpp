#include "PreviewFocusRing.h"

#include "../figures/Figure.h"

#include <QPainter>

namespace zc {

QPainterPath figureOutline(const Figure& figure, double zoom)
{
    QPainterPath path;
    switch (figure.ClassFigure) {
    case RectangleKind:
        path.addRect(QRectF(
            QPointF(figure.X1(), figure.Y1()) * zoom, QPointF(figure.X2(), figure.y2()) * zoom)
                         .normalized());
        break;
    case CircleKind: {
        const double r = figure.Radius() * zoom;
        path.addEllipse(QPointF(figure.centerX(), figure.centerY()) * zoom, r, r);
        break;
    }
    case PolygonKind:
        path.addPolygon(QPolygonF(figure.screenPolygon(zoom)));
        path.closeSubpath();
        break;
    default:
        break;
    }
    return path;
}

PreviewFocusRing::PreviewFocusRing(QWidget* workPicture)
    : QWidget(workPicture)
{
    setObjectName(QStringLiteral("PreviewFocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void PreviewFocusRing::outline(const Figure& figure, double zoom)
{
    const QPainterPath path = figureOutline(figure, zoom);
    // One pixel of room on every side for the pen.
    const QRect area = path.boundingRect().toAlignedRect().adjusted(-1, -1, 2, 2);
    m_path = path.translated(-area.topLeft());
    setGeometry(area);
    update();
}

void PreviewFocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // Dots in two colours show on light and dark pictures alike.
    QPen pen(Qt::white, 1, Qt::SolidLine);
    painter.setPen(pen);
    painter.drawPath(m_path);
    pen.setColor(Qt::black);
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawPath(m_path);
}

} // namespace zc
