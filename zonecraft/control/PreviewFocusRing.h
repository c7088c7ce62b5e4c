#pragma once

#include <QPainterPath>
#include <QWidget>

namespace zc {

class Figure;

/// The keyboard focus ring of preview mode: a dotted outline of one hotspot
/// drawn over the work picture, as a browser marks the focused area of a
/// map. It takes no mouse input, so the work picture keeps every press and
/// move.
class PreviewFocusRing : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewFocusRing(QWidget* workPicture);

    /// Outlines \a figure at \a zoom (screen pixels per picture pixel).
    void outline(const Figure& figure, double zoom);
    /// The outline in the work picture's coordinates.
    QPainterPath path() const { return m_path.translated(pos()); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPainterPath m_path; // in the ring's own coordinates
};

/// The outline of \a figure on the work picture at \a zoom.
QPainterPath figureOutline(const Figure& figure, double zoom);

} // namespace zc
