#include "TabColors.h"

namespace zc {

TabColors& TabColors::instance()
{
    static TabColors colors;
    return colors;
}

void TabColors::assign(OLE_COLOR& member, OLE_COLOR color)
{
    if (member == color)
        return;
    member = color;
    Q_EMIT changed();
}

void TabColors::setBack(OLE_COLOR color)
{
    assign(m_back, color);
}

void TabColors::setBorder(OLE_COLOR color)
{
    assign(m_border, color);
}

void TabColors::setMouseOver(OLE_COLOR color)
{
    assign(m_mouseOver, color);
}

} // namespace zc
