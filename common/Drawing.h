#pragma once

#include "OleColor.h"

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <common/zelcommon_export.h>

class QPainter;

/// Drawing helpers with the classic edge, focus-rectangle and text-flag rules.
/// Painters are expected to have antialiasing off.
namespace Zel {

/// Edge parts (DrawEdge's edge argument).
enum EdgeStyle : unsigned {
    BDR_RAISEDOUTER = 0x1,
    BDR_SUNKENOUTER = 0x2,
    BDR_RAISEDINNER = 0x4,
    BDR_SUNKENINNER = 0x8,
    EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER, // 5
    EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER, // 10
    EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER, // 6
    EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER, // 9
};

/// Which sides and how (DrawEdge's flags argument).
enum EdgeFlag : unsigned {
    BF_LEFT = 0x1,
    BF_TOP = 0x2,
    BF_RIGHT = 0x4,
    BF_BOTTOM = 0x8,
    BF_RECT = 0xF,
    BF_MIDDLE = 0x800,
    BF_SOFT = 0x1000,
    BF_ADJUST = 0x2000,
    BF_FLAT = 0x4000,
    BF_MONO = 0x8000,
};

/// Draws the edge \a edge on the sides \a flags names, inside \a rect
/// (right and bottom exclusive). BF_FLAT draws in the shadow colour with the
/// button face inside, BF_MONO in the frame colour with the window colour
/// inside; BF_MIDDLE fills the inside with the button face (the window colour
/// with BF_MONO); BF_ADJUST shrinks \a rect by the edge width.
ZELCOMMON_EXPORT void DrawEdge(QPainter& painter, QRect& rect, unsigned edge, unsigned flags);

/// Draws a dotted focus rectangle by inverting pixels, so drawing it twice at
/// the same place restores the image.
ZELCOMMON_EXPORT void DrawFocusRect(QImage& image, const QRect& rect);

/// DrawText flags.
enum TextFlag : unsigned {
    DT_LEFT = 0x0,
    DT_TOP = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
    DT_WORD_ELLIPSIS = 0x40000,
};

/// Draws \a text in \a rect with the painter's font and pen, following
/// \a format. With DT_CALCRECT nothing is drawn and \a rect is resized to
/// fit the text (its width kept for DT_WORDBREAK). Returns the text height.
/// DT_VCENTER and DT_BOTTOM take effect with DT_SINGLELINE only; a single "&"
/// marks a mnemonic and is not shown unless DT_NOPREFIX is given.
ZELCOMMON_EXPORT int DrawText(QPainter& painter, const QString& text, QRect& rect, unsigned format);

/// Draws \a text turned by \a degrees (90: reading bottom to top) with its
/// top-left corner before turning at \a origin.
ZELCOMMON_EXPORT void drawRotatedText(
    QPainter& painter, const QString& text, QPoint origin, int degrees = 90);

/// The pixels a LineTo from \a from to \a to lights: the line's pixels
/// without its end point (none when the two are equal), so lines drawn end
/// to end meet without a doubled pixel.
ZELCOMMON_EXPORT QPolygon lineToPoints(QPoint from, QPoint to);

/// A pattern brush of \a tile whose pattern starts at \a origin.
ZELCOMMON_EXPORT QBrush patternBrush(const QImage& tile, QPoint origin = {});

/// The four arrow glyphs that stand for "Marlett" characters: '3' left,
/// '4' right, '5' up, '6' down.
enum class Arrow { Left, Right, Up, Down };
/// The arrow of a "Marlett" character; false when it names no arrow.
ZELCOMMON_EXPORT bool arrowForMarlett(QChar glyph, Arrow* arrow);
/// Draws a filled arrow centred in \a rect, sized like the font glyph for a
/// rectangle of that height.
ZELCOMMON_EXPORT void drawArrow(
    QPainter& painter, const QRect& rect, Arrow arrow, const QColor& color);

/// The classic 8x8 hatch patterns of fill styles 2 to 7 (horizontal,
/// vertical, upward diagonal, downward diagonal, cross, diagonal cross).
ZELCOMMON_EXPORT Qt::BrushStyle hatchStyle(int fillStyle);

} // namespace Zel
