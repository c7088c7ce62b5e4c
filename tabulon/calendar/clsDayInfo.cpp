#include "clsDayInfo.h"

namespace Tabulon {

void clsDayInfo::setSelected(bool New_Selected)
{
    m_selected = New_Selected;
    m_backColor = m_selected ? SelectedBackColor : PlainBackColor;
    m_foreColor = m_selected ? SelectedForeColor : PlainForeColor;
    m_rectColor = m_backColor;
}

} // namespace Tabulon
