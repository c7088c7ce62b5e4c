#include "ViewLayout.h"

namespace zc {

ViewLayout layoutView(const ViewLayoutInput& in)
{
    const int SW = in.inner.width();
    const int SH = in.inner.height();
    const int T = in.thickness;
    const int R = in.rulerHeight;
    const int VW = in.verticalBarWidth;
    const int TW = in.tabStripWidth;
    ViewLayout out;
    out.scrollbarsVisible = in.showScrollbars;
    out.scrollbarsPlaced = in.showScrollbars;
    out.rulersVisible = in.showRulers;
    out.rulersPlaced = in.showRulers;

    // The rulers take the top and left edges; the horizontal one ends where
    // the vertical scroll bar begins, whether that bar shows or not.
    if (in.showRulers)
        out.horizontalRuler = QRect(R, 0, SW - VW - R, T);

    if (in.showScrollbars) {
        out.verticalBar = QRect(SW - VW, 0, T, SH - T);
        // The tab strip occupies the bottom-left corner.
        out.horizontalBar = QRect(TW, SH - T, SW - VW - TW, T);
        const int separatorY = out.horizontalBar.top() - 1;
        out.separator = QLine(0, separatorY, SW - VW, separatorY);
        if (in.showRulers) {
            out.verticalRuler = QRect(0, R - 1, T + 1, SH - (T + 1) - R);
            out.viewport = QRect(R + 1, R, SW - (T + 1) - T, SH - (T + 1) - R);
        } else {
            out.viewport = QRect(0, 0, SW - (T + 1), SH - (T + 1));
        }
        return out;
    }
    if (in.showRulers) {
        out.verticalRuler = QRect(0, R - 1, T, SH - (T + 1) - R);
        out.viewport = QRect(R + 1, R, SW - T, SH);
    } else {
        out.viewport = QRect(0, 0, SW, SH);
    }
    return out;
}

} // namespace zc
