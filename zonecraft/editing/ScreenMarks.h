#pragma once

#include <QPolygon>
#include <QRect>
#include <QtGlobal>
#include <vector>

class PictureBox;

namespace zc {

class EditingHost;

/// Marks of a gesture under way (rubber bands, dragged frames, rubber
/// lines) drawn on the work picture's screen layer in not-xor mode, so that
/// drawing each again erases it exactly and the figures' picture is never
/// touched.
///
/// A repaint of the work picture wipes the screen layer, or part of it;
/// marks drawn before it are then erased by restoring the picture under
/// them rather than by drawing them a second time.
class ScreenMarks
{
public:
    explicit ScreenMarks(EditingHost& host);

    enum class Kind { Line, Box, Circle, Polygon };
    struct Mark
    {
        Kind kind = Kind::Line;
        /// Line and Box: the two corners; Circle: the centre; Polygon: the vertices.
        QPolygon points;
        int radius = 0;
        qint16 drawStyle = 0; ///< the picture box's draw styles (0 solid, 2 dot, 5 invisible)
        qint16 width = 1;
    };

    static Mark line(QPoint a, QPoint b, qint16 width = 1);
    static Mark box(QPoint a, QPoint b, qint16 width = 1, qint16 drawStyle = 0);
    static Mark circle(QPoint centre, int radius, qint16 width = 1);
    static Mark polygon(const QPolygon& vertices, qint16 width = 1);

    /// Draws \a mark and remembers it.
    void add(const Mark& mark);
    /// Erases every remembered mark that is still on the screen.
    void eraseAll();
    bool isEmpty() const { return m_marks.empty(); }
    int count() const { return int(m_marks.size()); }

private:
    void draw(PictureBox& surface, const Mark& mark);
    static QRect reach(const Mark& mark);
    /// Copies \a area of the persistent layer onto the screen layer.
    static void restore(PictureBox& surface, const QRect& area);

    EditingHost& m_host;
    std::vector<Mark> m_marks;
    quint64 m_generation = 0; // the screen the marks were drawn on
};

} // namespace zc
