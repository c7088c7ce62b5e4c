#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <array>
#include <common/OleColor.h>

namespace Tabulon {

/// The cells of the colour popup, numbered as the selector knows them.
enum ColorCell {
    TransparentCell = 1,
    FirstPaletteCell = 2,
    LastPaletteCell = 49,
    FirstCustomCell = 50,
    LastCustomCell = 57,
    NormalButtonCell = 58,
    SystemButtonCell = 59,
    MoreColorCell = 60,
    CellCount = 60,
};

/// Where the cells of the colour popup lie for a set of shown parts: the
/// transparent cell, 6 rows of 8 palette cells, a row of 8 custom colours,
/// the "Normal"/"System" buttons and the "More Color" button, top to bottom.
/// Rectangles are right- and bottom-exclusive like the pointer tests.
class ColorPopupLayout
{
public:
    ColorPopupLayout(
        bool showTransparent, bool showCustomColor, bool showMoreColor, bool showNormalColor);

    /// The rectangle of \a cell (1..60); empty for a hidden cell.
    QRect cellRect(int cell) const;
    bool isShown(int cell) const { return !cellRect(cell).isEmpty(); }
    /// The first shown cell containing \a point, -1 for none.
    int cellAt(QPoint point) const;
    /// The height the parts take, without the popup's bottom margin.
    int layoutHeight() const { return m_height; }
    /// The popup's size: 143 wide, the layout height and a 7-pixel margin high.
    QSize popupSize() const { return QSize(Left + Width, m_height + 7); }

    /// Left edge and width of the rows.
    static constexpr int Left = 4;
    static constexpr int Width = 139;

private:
    std::array<QRect, CellCount + 1> m_cells; // index 0 unused
    int m_height = 0;
};

/// The colour cell \a cell (2..49) shows: the 48-colour palette, or with
/// \a systemColors the 25 system colours followed by white.
OLE_COLOR paletteColor(int cell, bool systemColors);

} // namespace Tabulon
