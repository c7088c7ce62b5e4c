#pragma once

#include "../graphics/cDIB32.h"

#include <QObject>
#include <QRect>
#include <QSize>
#include <common/PictureBox.h>
#include <common/StdPicture.h>
#include <optional>

class LineControl;
class QPainter;
class QScrollBar;
class Zel_AreaScroller;
class ZonecraftPrivate;

namespace zc {

/// The level ZoomLevelSet reports for an applied zoom \a level: 25 reports
/// 20 (the smallest listed level), the listed levels report themselves, and
/// any other level, 20 included, reports nothing.
std::optional<qint32> reportedZoomLevel(qint32 level);

/// The view of a Zonecraft: the viewport ("Picture3") with the work picture
/// ("WorkPicture") inside it, the two rulers, the two scroll bars, the
/// separator above the horizontal bar ("Line1") and the grey marks along the
/// picture's right and bottom edges ("Line3", "Line2"); the zoom of the
/// picture and the scrolling of the work picture inside the viewport.
///
/// The work surface. WorkPicture is as large as the zoomed picture (a
/// 4000 x 3000 picture at 500 % is a 20,000 x 15,000 widget) and sits at
/// minus the scroll values inside the viewport, but its layers hold only
/// the part the viewport shows: after every layout, zoom and scroll the
/// view gives WorkPicture the visible rectangle as its layer window. What
/// enters the window is produced there and then, from the picture and the
/// figures:
/// - the background is the back colour with the zoomed picture, made for
///   that rectangle alone from the unzoomed surface (cDIB32::zoomedWindow,
///   the same pixels a whole zoomed picture has there), so no zoomed
///   picture is ever made and WorkPicture's Picture property stays empty;
/// - the persistent drawing is the figures that reach the rectangle, in
///   collection order and clipped to it, then the selected figure's
///   handles: exactly what the paint pass leaves there.
/// A scroll keeps the part both windows share (marks drawn with AutoRedraw
/// off included), shifted in place in the same layers, and produces only
/// the strips that come into view; on the screen Qt moves the work
/// picture's pixels and only those strips are repainted. A zoom
/// discards the window and the paint pass that follows every zoom paints
/// it. Time and memory thus follow the viewport, never the zoomed size.
/// Everything a host observes stays as it would be with whole layers:
/// child geometry, scroll values, events, the viewport's pixels, and
/// WorkPicture's Point, which answers outside the window from the same
/// background and drawing. Marks drawn with AutoRedraw off outside the
/// window are not kept.
class ZonecraftView : public QObject
{
public:
    /// Scroll bar thickness (the width of VScroll1 and height of HScroll1).
    static constexpr int ScrollBarThickness = 20;

    explicit ZonecraftView(ZonecraftPrivate& d);
    ~ZonecraftView() override;

    Zel_AreaScroller* horizontalRuler() const { return m_hRuler; }
    Zel_AreaScroller* verticalRuler() const { return m_vRuler; }
    QScrollBar* horizontalBar() const { return m_hBar; }
    QScrollBar* verticalBar() const { return m_vBar; }

    /// Places every child for the control's size, then updates the scroll
    /// ranges (the control's resize, ShowScrollbars and ShowRulers).
    void layout();
    /// Runs the layout now when the control was sized while hidden, whose
    /// resize event Qt holds back until it is shown.
    void layoutIfPending();
    /// Ranges, enabled state and value of the scroll bars, and the edge marks.
    void updateScrollRanges();

    /// ZoomLevel assigned: rulers back to 0, the level kept as the last
    /// one, then applied.
    void setZoomLevel(qint32 level);
    /// Shows the picture at \a level percent (reported by ZoomLevelSet),
    /// then runs the paint pass.
    void applyZoom(qint32 level);
    /// The level last assigned through ZoomLevel; 100 until then.
    qint32 lastZoomLevel() const { return m_lastZoomLevel; }

    /// A picture assigned: copied into the zoom surface and shown at 100 %.
    void assignPicture(const StdPicture& picture);
    /// A stored picture read back: shown at 100 % without events.
    void loadPicture(const StdPicture& picture);
    /// No picture any more (a new control).
    void clearPicture();
    bool hasPicture() const { return !m_surface.hDIB().isNull(); }
    /// Size of the work picture right after the last picture assignment.
    QSize workSize() const { return m_workSize; }

    /// The size zoom 100 maps to; changing it re-applies the last level
    /// unless repainting is suppressed.
    qint32 pictureWidth() const { return m_surface.SetImageWidth(); }
    void setPictureWidth(qint32 width);
    qint32 pictureHeight() const { return m_surface.SetImageHeight(); }
    void setPictureHeight(qint32 height);

    /// RepaintArea: while suppressed, zooms and ruler relayouts show nothing new.
    void setRepaintSuppressed(bool suppressed) { m_repaintSuppressed = suppressed; }
    bool repaintSuppressed() const { return m_repaintSuppressed; }

    /// The control's VisualStyle and RulerBackColor given to both rulers.
    void applyRulerStyle();
    /// EnabledVerticalBar turned off: the horizontal bar is disabled at once.
    void disableHorizontalBar();

    /// The part of the work picture the viewport shows, in its own pixels.
    QRect visibleWindow() const;

    /// Paints the figures that reach \a area and the selected figure's
    /// handles with \a painter, which draws on an image in work-picture
    /// coordinates (a translation only), clipped to \a area; the pixels are
    /// those of one paint over the whole work picture.
    void paintFigures(QPainter& painter, const QRect& area) const;

private:
    void scrolled(Qt::Orientation orientation, int value);
    void updateLayerWindow(PictureBox::WindowChange change);
    void showAtZoom(qint32 level);
    void paintBackground(QPainter& painter, const QRect& area) const;
    void paintContent(QPainter& painter, const QRect& area) const;

    ZonecraftPrivate& d;
    Zel_AreaScroller* m_hRuler = nullptr;
    Zel_AreaScroller* m_vRuler = nullptr;
    QScrollBar* m_hBar = nullptr;
    QScrollBar* m_vBar = nullptr;
    LineControl* m_separator = nullptr; // "Line1"
    LineControl* m_bottomEdge = nullptr; // "Line2"
    LineControl* m_rightEdge = nullptr; // "Line3"
    cDIB32 m_surface;
    QSize m_workSize;
    qint32 m_lastZoomLevel = 100;
    bool m_repaintSuppressed = false;
    // While a zoom moves things about, scrolling does not chase the window:
    // the zoom sets it once at the end.
    bool m_zooming = false;
};

} // namespace zc
