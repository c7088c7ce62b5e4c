#pragma once

#include <QRect>

namespace Tabulon {

/// The geometry of the list: row height, visible rows, row rectangles, hit
/// testing and the auto-scroll pace. Plain functions shared by the control,
/// its painter and the tests.
namespace PropListLayout {

/// Row height of the automatic mode, whatever the font.
constexpr int AutoRowHeight = 20;
/// Extra gap of the value text after a colour swatch or an icon.
constexpr int ValueIndent = 20;
/// Side of an item icon.
constexpr int IconSize = 16;
/// Initial height of the description pane.
constexpr int DefaultDescriptionHeight = 60;
/// Margins of the splitter's allowed area above and below.
constexpr int SplitterBorder = 30;
/// The auto-scroll never steps faster than this (ms).
constexpr int FastestAutoScroll = 40;

/// The row height: 20 in automatic mode, else \a itemHeight but never below
/// the text height.
int rowHeight(bool autoHeight, int itemHeight, int textHeight);
/// Vertical offset that centres one text line in an automatic row.
int autoTextOffset(int textHeight);
/// Whole rows that fit in \a listHeight.
int visibleRows(int listHeight, int rowHeight);
/// The item under the surface position \a y (may lie outside the list).
int rowAt(int y, int rowHeight, int topIndex);
/// The rectangle of row \a row on the surface, right edge exclusive at \a listWidth.
QRect rowRect(int row, int topIndex, int rowHeight, int listWidth);
/// Milliseconds between auto-scroll steps for a drag \a y above the list (y < 0)
/// or below a control of inner height \a innerHeight.
int autoScrollInterval(int y, int innerHeight);
/// The largest accepted TopIndex.
inline int maxTopIndex(int count, int visible)
{
    return count > visible ? count - visible : 0;
}

} // namespace PropListLayout
} // namespace Tabulon
