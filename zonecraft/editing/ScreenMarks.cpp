#include "ScreenMarks.h"

#include "EditingHost.h"

#include <common/PictureBox.h>
#include <cstring>

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
    if (generation != m_generation) {
        // What a repaint left of the older marks goes; they are drawn afresh.
        for (const Mark& old : m_marks)
            restore(surface, reach(old));
        for (const Mark& old : m_marks)
            draw(surface, old);
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
    } else {
        // Part of the screen was restored meanwhile: drawing the marks again
        // would bring back what it wiped. The picture under them is restored instead.
        for (const Mark& mark : m_marks)
            restore(surface, reach(mark));
    }
    m_marks.clear();
}

QRect ScreenMarks::reach(const Mark& mark)
{
    const int pen = mark.width / 2 + 2;
    QRect r = mark.points.boundingRect();
    if (mark.kind == Kind::Circle)
        r = QRect(r.center(), r.center())
                .adjusted(-mark.radius, -mark.radius, mark.radius, mark.radius);
    return r.adjusted(-pen, -pen, pen, pen);
}

void ScreenMarks::restore(PictureBox& surface, const QRect& area)
{
    const bool autoRedraw = surface.AutoRedraw();
    surface.setAutoRedraw(false);
    QImage& screen = surface.drawingLayer();
    const QImage& picture = surface.persistentLayer();
    const QRect r = area.intersected(screen.rect()).intersected(picture.rect());
    if (!r.isEmpty() && screen.format() == picture.format()) {
        const qsizetype bytes = qsizetype(r.width()) * picture.depth() / 8;
        const qsizetype offset = qsizetype(r.left()) * picture.depth() / 8;
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::memcpy(
                screen.scanLine(y) + offset, picture.constScanLine(y) + offset, size_t(bytes));
        surface.update(r);
    }
    surface.setAutoRedraw(autoRedraw);
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
