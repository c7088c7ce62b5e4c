#pragma once

#include "Figure.h"

#include <QStringView>
#include <memory>

namespace zc {

/// What a new figure carries besides its geometry.
struct FigureTraits
{
    QString key;
    /// The colour as the host wrote it ("&HFF0000", "255"); empty takes
    /// defaultColor. Read while the figure is made, after its coordinates.
    QStringView hexColor;
    OLE_COLOR defaultColor = 0;
    bool locked = false;
};

/// Makes figures from their coordinates; each maker throws RuntimeError
/// (the area reader's errors, 6 for a circle too large) before anything
/// is made, so a failed creation leaves nothing behind.
class FigureFactory
{
public:
    /// A rectangle with its box stored as given (no corner ordering).
    static std::unique_ptr<Figure> makeRectangle(
        qint32 number, qint32 x1, qint32 y1, qint32 x2, qint32 y2, const FigureTraits& traits);
    /// A circle of centre (cx, cy).
    static std::unique_ptr<Figure> makeCircle(
        qint32 number, qint32 cx, qint32 cy, qint32 radius, const FigureTraits& traits);
    /// A polygon from "x1,y1,x2,y2,...", brought to normal form.
    static std::unique_ptr<Figure> makePolygon(
        qint32 number, QStringView polygonString, const FigureTraits& traits);
    /// A figure of \a kind (1, 2, 3) from its coordinates text; nullptr for
    /// another kind.
    static std::unique_ptr<Figure> fromCoordinates(
        qint32 number, qint32 kind, QStringView coordinates, const FigureTraits& traits);

    /// The polygon of a rectangle's corners, (0, 0), (0, h), (w, h), (w, 0)
    /// from its top-left corner, keeping number, box, key and colour. Like
    /// every new figure it starts unlocked.
    static std::unique_ptr<Figure> polygonFromRectangle(const Figure& rectangle);

    /// Throws RuntimeError 6 for a circle whose box a float cannot hold exactly.
    static void checkCircle(qint32 cx, qint32 cy, qint32 radius);
    /// Throws RuntimeError 6 when a vertex of the polygon at (\a x1, \a y1)
    /// with these offsets leaves the range the area reader accepts, or when
    /// the polygon's own text would read back to other vertices.
    static void checkPolygon(
        float x1, float y1, const std::vector<float>& dataX, const std::vector<float>& dataY);
    /// Throws RuntimeError 6 when the exported text of \a figure would not
    /// read back: what the control holds must survive export and import.
    static void checkExportable(const Figure& figure);
    /// Checks that \a coordinates can make a figure of \a kind; throws otherwise.
    static void validateCoordinates(QStringView coordinates, qint32 kind);
    /// The colour of \a hexColor, \a defaultColor when it is empty; throws
    /// RuntimeError 13 for text that is no number.
    static OLE_COLOR colorFromHex(QStringView hexColor, OLE_COLOR defaultColor);
};

} // namespace zc
