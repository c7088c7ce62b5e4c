#pragma once

#include <QLine>
#include <QRect>
#include <QSize>

namespace zc {

/// What the placement of the view's children depends on.
struct ViewLayoutInput
{
    QSize inner; ///< the control's inner width and height (SW, SH)
    int thickness = 20; ///< scroll bar thickness (T)
    int rulerHeight = 20; ///< the horizontal ruler's height before this layout (R)
    int verticalBarWidth = 20; ///< the vertical scroll bar's width before this layout (VW)
    int tabStripWidth = 0; ///< the tab strip's width left of the horizontal bar (TW)
    bool showScrollbars = true;
    bool showRulers = false;
};

/// Where the children go. A child whose rectangle is not placed keeps the
/// geometry it had; only its visibility changes.
struct ViewLayout
{
    QRect viewport; ///< "Picture3"
    bool scrollbarsVisible = true;
    bool scrollbarsPlaced = false;
    QRect verticalBar; ///< "VScroll1"
    QRect horizontalBar; ///< "HScroll1"
    QLine separator; ///< "Line1", above the horizontal bar
    bool rulersVisible = false;
    bool rulersPlaced = false;
    QRect horizontalRuler; ///< "Zel_HRuler"
    QRect verticalRuler; ///< "Zel_VRuler"
};

/// The rectangles of the viewport, the scroll bars, the separator and the
/// rulers for one combination of scroll bars and rulers. Very small sizes
/// give negative widths or heights, which the widgets treat as empty.
ViewLayout layoutView(const ViewLayoutInput& in);

} // namespace zc
