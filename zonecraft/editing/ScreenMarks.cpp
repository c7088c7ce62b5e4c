#include "ScreenMarks.h"

#include "EditingHost.h"

#include <common/PictureBox.h>

namespace zc {

ScreenMarks::ScreenMarks(EditingHost& host)
    : m_host(host)
{ }

ScreenMarks::Mark ScreenMarks::line(QPoint a, QPoint b, qint16 width)
{
    return { Kind::Line, QPolygon({ a, b }), 0, PictureBox::Solid, width };
}

ScreenMarks::Mark ScreenMarks::box(QPoint a, QPoint b, qint16 width, qint16 drawStyle)
{
    return { Kind::Box, QPolygon({ a, b }), 0, drawStyle, width };
}

ScreenMarks::Mark ScreenMarks::circle(QPoint centre, int radius, qint16 width)
{
    return { Kind::Circle, QPolygon({ centre }), radius, PictureBox::Solid, width };
}

ScreenMarks::Mark ScreenMarks::polygon(const QPolygon& vertices, qint16 width)
{
    return { Kind::Polygon, vertices, 0, PictureBox::Solid, width };
}

void ScreenMarks::add(const Mark& mark)
{
    // An invisible outline leaves nothing to erase later.
    if (mark.drawStyle == PictureBox::Invisible)
        return;
    PictureBox& surface = m_host.surface();
    const quint64 generation = m_host.surfaceGeneration();
    if (m_marks.empty() || generation != m_generation) {
        m_marks.clear();
        m_generation = generation;
    }
    draw(surface, mark);
    m_marks.push_back(mark);
}

void ScreenMarks::eraseAll()
{
    if (m_marks.empty())
        return;
    PictureBox& surface = m_host.surface();
    if (m_host.surfaceGeneration() == m_generation) {
        for (const Mark& mark : m_marks)
            draw(surface, mark);
    }
    m_marks.clear();
}

void ScreenMarks::draw(PictureBox& surface, const Mark& mark)
{
    // The surface's pen settings belong to the paint pass: borrowed and given back.
    const bool autoRedraw = surface.AutoRedraw();
    const qint16 drawMode = surface.DrawMode();
    const qint16 drawStyle = surface.DrawStyle();
    const qint16 drawWidth = surface.DrawWidth();
    const qint16 fillStyle = surface.FillStyle();
    surface.setAutoRedraw(false);
    surface.setDrawMode(PictureBox::NotXorPen);
    surface.setDrawStyle(mark.drawStyle);
    surface.setDrawWidth(qMax<qint16>(1, mark.width));
    surface.setFillStyle(PictureBox::FillTransparent);
    const QPolygon& p = mark.points;
    switch (mark.kind) {
    case Kind::Line:
        surface.Line(float(p[0].x()), float(p[0].y()), float(p[1].x()), float(p[1].y()));
        break;
    case Kind::Box:
        surface.Line(float(p[0].x()), float(p[0].y()), float(p[1].x()), float(p[1].y()), {},
            PictureBox::LineKind::Box);
        break;
    case Kind::Circle:
        surface.Circle(float(p[0].x()), float(p[0].y()), float(mark.radius));
        break;
    case Kind::Polygon:
        surface.Polygon(p);
        break;
    }
    surface.setFillStyle(fillStyle);
    surface.setDrawWidth(drawWidth);
    surface.setDrawStyle(drawStyle);
    surface.setDrawMode(drawMode);
    surface.setAutoRedraw(autoRedraw);
}

} // namespace zc
