#pragma once

#include "PropItem.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <common/OleColor.h>

class QPainter;

namespace Tabulon {

/// Everything the row painter reads, resolved once per paint.
struct RowPaintContext
{
    int rowHeight = 20; ///< H
    int textOffset = 0; ///< V: vertical centring offset of text in automatic rows
    int topIndex = 0;
    int listWidth = 0; ///< W: surface width without the scroll bar when it shows
    int surfaceWidth = 0; ///< SW: the surface's own width
    int columnWidth = 100; ///< ListColumWidth
    int itemOffset = 0; ///< IO
    int itemTextLeft = 2;
    bool wordWrap = true;
    bool enabled = true;
    GridLines gridLines = GridLines::Solid;
    bool coolXP = false;
    int editingRow = -1; ///< the row whose editor is open, -1 for none
    QFont font; ///< the list font (name and size only)
    QFont boldFont;
    QColor backNormal, backSelected, backDisabled, fontNormal, fontSelected, gridColor;
    QColor windowBackground, windowText, buttonFace, buttonShadow;
    qint32 visualColor = 0; ///< resolved 0x00BBGGRR base of the gradient
    qint32 buttonFaceRgb = 0; ///< resolved 0x00BBGGRR
    QImage headerBackPicture;
};

/// Paints one row of the list; pure functions of the item and the context.
class PropListPainter
{
public:
    /// Paints item \a item at position \a row (selected when \a selected).
    static void paintRow(QPainter& painter, const RowPaintContext& context, const Item& item,
        int row, bool selected);

    /// Lightens (amount > 0) or darkens a 0x00BBGGRR colour; the scaled form
    /// changes blue in proportion to its own value. Channels are clamped.
    static qint32 shade(qint32 color, int amount, bool scaled);
    /// The colour of header line \a k (1-based) of a gradient \a height lines
    /// high starting from \a base.
    static qint32 gradientLine(qint32 base, int k, int height);
    /// Six hexadecimal digits (red, green, blue) as three decimal numbers
    /// joined by \a delimiter; characters that are no hex digit count 0.
    static QString hexToRgb(const QString& hexValue, const QString& delimiter);
    /// The colour a swatch shows for a colour item's value text.
    static QColor swatchColor(const QString& value);
    /// The swatch box inside the swatch rectangle (GDI-style: right, bottom exclusive).
    static QRect swatchBox(const QRect& swatchRect);
};

} // namespace Tabulon
