#include "ColorPopupLayout.h"

namespace Tabulon {

namespace {

constexpr int CellSize = 16;
constexpr int CellPitch = 17;
constexpr int PerRow = 8;

QRect edges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

/// Rows of 8 from light to dark: tints, light, full, dark, darker, darkest.
constexpr OLE_COLOR NormalPalette[48] = {
    0xFFFFFF,
    0xC0C0FF,
    0xC0E0FF,
    0xC0FFFF,
    0xC0FFC0,
    0xFFFFC0,
    0xFFC0C0,
    0xFFC0FF, //
    0xE0E0E0,
    0x8080FF,
    0x80C0FF,
    0x80FFFF,
    0x80FF80,
    0xFFFF80,
    0xFF8080,
    0xFF80FF, //
    0xC0C0C0,
    0x0000FF,
    0x0080FF,
    0x00FFFF,
    0x00FF00,
    0xFFFF00,
    0xFF0000,
    0xFF00FF, //
    0x808080,
    0x0000C0,
    0x0040C0,
    0x00C0C0,
    0x00C000,
    0xC0C000,
    0xC00000,
    0xC000C0, //
    0x404040,
    0x000080,
    0x004080,
    0x008080,
    0x008000,
    0x808000,
    0x800000,
    0x800080, //
    0x000000,
    0x000040,
    0x404080,
    0x004040,
    0x004000,
    0x404000,
    0x400000,
    0x400040,
};
constexpr int SystemColorCount = 25;

} // namespace

ColorPopupLayout::ColorPopupLayout(
    bool showTransparent, bool showCustomColor, bool showMoreColor, bool showNormalColor)
{
    int y = 0;
    if (showTransparent) {
        m_cells[TransparentCell] = edges(Left, 4, Width, 26);
        y = 26;
    }
    for (int cell = FirstPaletteCell; cell <= LastPaletteCell; ++cell) {
        const int n = cell - FirstPaletteCell;
        m_cells[cell] = QRect(
            Left + CellPitch * (n % PerRow), y + 4 + CellPitch * (n / PerRow), CellSize, CellSize);
    }
    y += 101;
    if (showCustomColor) {
        y += 7;
        for (int cell = FirstCustomCell; cell <= LastCustomCell; ++cell)
            m_cells[cell]
                = QRect(Left + CellPitch * (cell - FirstCustomCell), y + 2, CellSize, CellSize);
        y += 15;
    }
    if (showMoreColor)
        y += 3;
    if (showNormalColor) {
        m_cells[NormalButtonCell] = QRect(4, y + 5, 64, 21);
        m_cells[SystemButtonCell] = QRect(75, y + 5, 64, 21);
        y += 26;
    }
    if (showMoreColor) {
        m_cells[MoreColorCell] = edges(Left, y + 4, Width, y + 26);
        y += 22;
    }
    m_height = y;
}

QRect ColorPopupLayout::cellRect(int cell) const
{
    if (cell < 1 || cell > CellCount)
        return QRect();
    return m_cells[size_t(cell)];
}

int ColorPopupLayout::cellAt(QPoint point) const
{
    for (int cell = 1; cell <= CellCount; ++cell) {
        if (m_cells[size_t(cell)].contains(point))
            return cell;
    }
    return -1;
}

OLE_COLOR paletteColor(int cell, bool systemColors)
{
    const int n = cell - FirstPaletteCell;
    if (n < 0 || n >= 48)
        return 0xFFFFFF;
    if (!systemColors)
        return NormalPalette[n];
    return n < SystemColorCount ? Zel::SystemColorFlag + OLE_COLOR(n) : 0xFFFFFF;
}

} // namespace Tabulon
