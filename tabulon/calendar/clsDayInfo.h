#pragma once

#include <QDate>
#include <common/OleColor.h>

namespace Tabulon {

/// One day of the month calendar with its colours and selection.
class clsDayInfo
{
public:
    /// The colours a day gets when it is selected or deselected.
    static constexpr OLE_COLOR SelectedBackColor = 0xFF0000;
    static constexpr OLE_COLOR SelectedForeColor = 0xFFFFFF;
    static constexpr OLE_COLOR PlainBackColor = 0xFFFFFF;
    static constexpr OLE_COLOR PlainForeColor = 0x000000;

    QDate DateTime() const { return m_date; }
    void setDateTime(const QDate& New_DateTime) { m_date = New_DateTime; }
    bool Selected() const { return m_selected; }
    /// Also recolours the day: blue with white text when selected, white
    /// with black text when not; the frame takes the fill colour.
    void setSelected(bool New_Selected);
    /// Fill of the day's cell.
    OLE_COLOR BackColor() const { return m_backColor; }
    void setBackColor(OLE_COLOR New_BackColor) { m_backColor = New_BackColor; }
    /// Colour of the day number.
    OLE_COLOR ForeColor() const { return m_foreColor; }
    void setForeColor(OLE_COLOR New_ForeColor) { m_foreColor = New_ForeColor; }
    /// Colour of the cell's outer frame.
    OLE_COLOR RectColor() const { return m_rectColor; }
    void setRectColor(OLE_COLOR New_RectColor) { m_rectColor = New_RectColor; }
    bool Bold() const { return m_bold; }
    void setBold(bool New_Bold) { m_bold = New_Bold; }

private:
    QDate m_date;
    bool m_selected = false;
    OLE_COLOR m_backColor = PlainBackColor;
    OLE_COLOR m_foreColor = PlainForeColor;
    OLE_COLOR m_rectColor = PlainBackColor;
    bool m_bold = false;
};

} // namespace Tabulon
