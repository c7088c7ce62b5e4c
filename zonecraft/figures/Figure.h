#pragma once

#include <QPointF>
#include <QRectF>
#include <QRegion>
#include <QString>
#include <common/OleColor.h>
#include <optional>
#include <vector>

namespace zc {

/// Figure kinds as stored in ClassFigure.
enum FigureKind : qint32 { NoKind = 0, RectangleKind = 1, CircleKind = 2, PolygonKind = 3 };

/// One hotspot: a rectangle, a circle or a polygon (one class with a kind).
///
/// Geometry lives in X1, Y1, X2, y2 and, for polygons, the vertex offsets
/// DataX/DataY (element 0 is a placeholder). Change geometry only through the
/// setters so the derived circle values and the hit region stay in step;
/// hit testing never depends on an earlier paint.
class Figure
{
public:
    qint32 ControlIndex = 0;
    qint32 ClassFigure = NoKind;
    QString Key;
    OLE_COLOR Color = 0;
    bool Locked = false;
    bool Selected = false;
    QString Coordinates;
    /// Set while the figure is dragged: it is left out of painting, so only
    /// the dragged frame shows.
    bool EraseMode = false;

    float X1() const { return m_x1; }
    float Y1() const { return m_y1; }
    float X2() const { return m_x2; }
    float y2() const { return m_y2; }
    /// Sets the bounding box as given (no ordering of the corners).
    void setBox(float x1, float y1, float x2, float y2);

    /// Vertex offsets from (X1, Y1); index 0 is always 0 and not a vertex.
    const std::vector<float>& DataX() const { return m_dataX; }
    const std::vector<float>& DataY() const { return m_dataY; }
    /// Replaces the vertex offsets; both arrays hold the placeholder at 0.
    void setData(std::vector<float> dataX, std::vector<float> dataY);
    /// Number of polygon vertices (n).
    int vertexCount() const { return m_dataX.empty() ? 0 : int(m_dataX.size()) - 1; }
    /// Vertex i (1..n) in picture pixels.
    QPointF vertex(int i) const { return { m_x1 + m_dataX[i], m_y1 + m_dataY[i] }; }

    /// Circle values, always in step with the box.
    float Radius() const { return m_radius; }
    float centerX() const { return m_cx; }
    float centerY() const { return m_cy; }

    /// True when (x, y), in picture pixels at zoom 100 %, lies inside.
    bool IsAt(float x, float y) const;
    /// A rectangle, in picture pixels, that holds every point IsAt accepts.
    QRectF hitBounds() const;
    /// A rectangle, in picture pixels, that holds what painting covers (outline
    /// width not included).
    QRectF paintBounds() const;

    /// The coordinates text of the figure's kind ("x1,y1,x2,y2", "cx,cy,r",
    /// "x1,y1,...").
    QString coordinatesText() const;

    /// The polygon's vertices on the screen at \a zoom, rounded.
    QPolygon screenPolygon(double zoom) const;

    /// Position in the figure collection's order; larger means created later.
    quint64 sequence = 0;
    /// Grid cells the collection's spatial index holds this figure in.
    QRect gridCells;
    bool gridOversize = false;
    /// hitBounds() as the index last saw it.
    QRectF gridBounds;

private:
    void refreshDerived();

    float m_x1 = 0, m_y1 = 0, m_x2 = 0, m_y2 = 0;
    float m_radius = 0, m_cx = 0, m_cy = 0;
    // Empty for rectangles and circles, so they cost no allocation.
    std::vector<float> m_dataX;
    std::vector<float> m_dataY;
    mutable std::optional<QRegion> m_hitRegion; // built on the first polygon hit test
};

} // namespace zc
