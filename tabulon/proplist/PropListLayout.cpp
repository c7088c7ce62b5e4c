#include "PropListLayout.h"

#include <algorithm>
#include <cmath>
#include <common/HostConvert.h>

namespace Tabulon::PropListLayout {

int rowHeight(bool autoHeight, int itemHeight, int textHeight)
{
    if (autoHeight)
        return AutoRowHeight;
    return std::max({ itemHeight, textHeight, 1 });
}

int autoTextOffset(int textHeight)
{
    return int(Zel::roundHalfEven(AutoRowHeight / 2.0 - textHeight / 2.0));
}

int visibleRows(int listHeight, int rowHeight)
{
    if (rowHeight <= 0 || listHeight <= 0)
        return 0;
    return listHeight / rowHeight;
}

int rowAt(int y, int rowHeight, int topIndex)
{
    // Int() of the host rounds towards minus infinity.
    return int(std::floor(double(y) / rowHeight)) + topIndex;
}

QRect rowRect(int row, int topIndex, int rowHeight, int listWidth)
{
    const int top = rowHeight * (row - topIndex);
    return QRect(0, top, listWidth, rowHeight);
}

int autoScrollInterval(int y, int innerHeight)
{
    if (y < 0)
        return std::max(FastestAutoScroll, 500 + 20 * y);
    return std::max(FastestAutoScroll, 500 - 20 * (y - innerHeight - 1));
}

} // namespace Tabulon::PropListLayout
