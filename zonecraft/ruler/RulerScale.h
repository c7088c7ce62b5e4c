#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLine>
#include <QPoint>
#include <QSize>
#include <QString>
#include <common/OleColor.h>
#include <vector>

class QPainter;

namespace zc {

/// What a ruler shows: its orientation, zoom and start value, and the
/// surface it is drawn on.
struct RulerState
{
    qint32 orientation = 0; ///< 0 horizontal, 1 vertical, other values: no scale
    qint32 startValue = 0; ///< picture coordinate at the ruler's origin
    double zoom = 1; ///< zoom factor F of the work picture
    QSize size; ///< the ruler's outer size in pixels
    int border = 0; ///< frame width around the inner surface (0 or 1)
    QColor foreColor = Qt::black;
    QColor backColor = Qt::white;
    QColor edgeColor = Qt::lightGray; ///< the lighter of the two edge lines
    QImage background; ///< the shaded look, drawn over backColor; null for the flat look

    /// The smallest zoom (0.2) draws a smaller font and no middle numbers.
    bool smallestZoom() const { return zoom == 0.2; }
    QSize innerSize() const;
};

/// A number printed along the ruler. For a vertical ruler \a at is the
/// text's top-left corner before it is turned 90 degrees to read upwards.
struct RulerLabel
{
    QPoint at;
    QString text;
};

/// The marks and numbers of a ruler in inner-surface pixels. Lines include
/// both end points; what lies beyond the surface is clipped when painting.
struct RulerScale
{
    std::vector<QLine> marks; ///< in the fore colour
    std::vector<RulerLabel> labels;
    QLine edgeDark; ///< the black edge line along the work area
    QLine edgeLight; ///< the line beside it in the edge colour
    int fontSize = 7; ///< in points; 6 at the smallest zoom
    bool vertical = false;
};

/// The label of a picture coordinate: the number with one leading blank
/// where a sign would go (" 37" for 37, "-12" for -12).
QString rulerNumberText(double value);

/// Lays out the scale: one major mark per 100 picture units (100 x F
/// pixels) from the origin to the ruler's length, numbered with the picture
/// coordinate plus the start value; nine minor marks between them, the
/// middle one full-length and numbered too (a half mark without number at
/// the smallest zoom). A zoom that is not positive, or so small that the
/// marks could not be told apart, lays out no marks.
RulerScale layoutRulerScale(const RulerState& state);

/// Darkens or lightens colour \a K by \a A levels of red and green, and of
/// blue in proportion to its own value (\a Scaled) or by \a A as well; each
/// component is held to 0..255. A system colour is resolved first.
OLE_COLOR shadeColor(OLE_COLOR K, qint32 A, bool Scaled);

/// The gradient of the shaded look across a ruler of \a thickness pixels,
/// from \a visualColor: a strip 2 pixels long whose line i (0-based) is
/// the base colour darkened by 50 x (i + 1) / thickness levels, rounded.
/// Horizontal rulers shade from top to bottom, vertical ones from left to
/// right. Null for a thickness below 1.
QImage rulerGradientStrip(OLE_COLOR visualColor, int thickness, bool vertical);

/// The fonts of the numbers: \a pointSize for a horizontal ruler, and the
/// upright font of the same size in whole pixels for a vertical ruler's
/// turned numbers.
QFont rulerFont(int pointSize);
QFont rulerTurnedFont(int pointSize);

/// Paints a ruler: its back colour, the shaded background when it has one,
/// the marks, the numbers and the edge lines. Reads \a state only.
void paintRuler(QPainter& painter, const RulerState& state, const RulerScale& scale);

} // namespace zc
