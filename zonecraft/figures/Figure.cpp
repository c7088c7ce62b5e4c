#include "Figure.h"

#include "NumberFormat.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace zc {

void Figure::setBox(float x1, float y1, float x2, float y2)
{
    m_x1 = x1;
    m_y1 = y1;
    m_x2 = x2;
    m_y2 = y2;
    refreshDerived();
}

void Figure::setData(std::vector<float> dataX, std::vector<float> dataY)
{
    if (dataX.empty())
        dataX.push_back(0.0f);
    dataY.resize(dataX.size(), 0.0f);
    dataX[0] = 0.0f;
    dataY[0] = 0.0f;
    m_dataX = std::move(dataX);
    m_dataY = std::move(dataY);
    refreshDerived();
}

void Figure::refreshDerived()
{
    // The circle values follow the box at once, so a figure can be hit
    // before it was ever painted.
    m_radius = (m_x2 - m_x1) / 2;
    m_cx = m_x1 + (m_x2 - m_x1) / 2;
    m_cy = m_y1 + (m_y2 - m_y1) / 2;
    m_hitRegion.reset();
}

bool Figure::IsAt(float x, float y) const
{
    switch (ClassFigure) {
    case RectangleKind:
        return m_x1 <= x && x <= m_x2 && m_y1 <= y && y <= m_y2;
    case CircleKind: {
        const float dx = m_cx - x;
        const float dy = m_cy - y;
        return dx * dx + dy * dy < m_radius * m_radius;
    }
    case PolygonKind: {
        if (vertexCount() < 1)
            return false;
        if (!m_hitRegion)
            m_hitRegion = QRegion(screenPolygon(1.0), Qt::WindingFill);
        return m_hitRegion->contains(QPoint(int(roundEven(x)), int(roundEven(y))));
    }
    default:
        return false;
    }
}

QRectF Figure::hitBounds() const
{
    switch (ClassFigure) {
    case RectangleKind:
        return QRectF(QPointF(std::min(m_x1, m_x2), std::min(m_y1, m_y2)),
            QPointF(std::max(m_x1, m_x2), std::max(m_y1, m_y2)));
    case CircleKind: {
        const float r = std::fabs(m_radius);
        return QRectF(m_cx - r, m_cy - r, 2 * r, 2 * r);
    }
    case PolygonKind: {
        if (vertexCount() < 1)
            return {};
        // Points are rounded before the region test: one pixel of slack.
        const QRect box = screenPolygon(1.0).boundingRect();
        // From the corners in floating point: vertices may span the whole
        // 32-bit range, and QRect's width and height would overflow.
        return QRectF(
            QPointF(box.left(), box.top()), QPointF(box.right() + 1.0, box.bottom() + 1.0))
            .adjusted(-1, -1, 1, 1);
    }
    default:
        return {};
    }
}

QRectF Figure::paintBounds() const
{
    if (ClassFigure == CircleKind) {
        const float r = std::fabs(m_radius);
        return QRectF(m_x1 + m_radius - r, m_y1 + m_radius - r, 2 * r, 2 * r);
    }
    // The collection keeps a polygon's bounds; building them costs a pass over the vertices.
    if (ClassFigure == PolygonKind && !gridBounds.isNull())
        return gridBounds;
    return hitBounds();
}

QString Figure::coordinatesText() const
{
    QString text;
    switch (ClassFigure) {
    case RectangleKind:
        appendInteger(text, roundToLong(m_x1));
        text += QLatin1Char(',');
        appendInteger(text, roundToLong(m_y1));
        text += QLatin1Char(',');
        appendInteger(text, roundToLong(m_x2));
        text += QLatin1Char(',');
        appendInteger(text, roundToLong(m_y2));
        break;
    case CircleKind: {
        const double x1 = m_x1, y1 = m_y1, x2 = m_x2, y2 = m_y2;
        appendInteger(text, roundEven(x1 + (x2 - x1) / 2));
        text += QLatin1Char(',');
        appendInteger(text, roundEven(y1 + (y2 - y1) / 2));
        text += QLatin1Char(',');
        appendInteger(text, roundEven((x2 - x1) / 2));
        break;
    }
    case PolygonKind:
        for (int i = 1; i <= vertexCount(); ++i) {
            if (i > 1)
                text += QLatin1Char(',');
            appendNumber(text, m_x1 + m_dataX[i]);
            text += QLatin1Char(',');
            appendNumber(text, m_y1 + m_dataY[i]);
        }
        break;
    default:
        break;
    }
    return text;
}

QPolygon Figure::screenPolygon(double zoom) const
{
    QPolygon points(vertexCount());
    for (int i = 1; i <= vertexCount(); ++i) {
        points[i - 1] = QPoint(int(roundEven((double(m_dataX[i] + m_x1)) * zoom)),
            int(roundEven((double(m_dataY[i] + m_y1)) * zoom)));
    }
    return points;
}

} // namespace zc
