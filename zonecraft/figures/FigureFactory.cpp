#include "FigureFactory.h"

#include "../areacode/AreaCodeReader.h"
#include "../areacode/AreaCodeWriter.h"
#include "Geometry.h"
#include "NumberFormat.h"

#include <algorithm>
#include <common/RuntimeError.h>

namespace zc {

namespace {

std::unique_ptr<Figure> blankFigure(
    qint32 number, qint32 kind, const FigureTraits& traits, OLE_COLOR color)
{
    auto f = std::make_unique<Figure>();
    f->ControlIndex = number;
    f->ClassFigure = kind;
    f->Key = traits.key;
    f->Color = color;
    f->Locked = traits.locked;
    return f;
}

void appendValues(QString& out, std::initializer_list<qint64> values)
{
    bool first = true;
    for (const qint64 v : values) {
        if (!first)
            out += QLatin1Char(',');
        appendInteger(out, v);
        first = false;
    }
}

// A vertex as the writer puts it out: the corner plus the offset, summed in
// single precision as Figure::vertex sums them, rounded half to even.
qint64 exportedValue(float corner, float offset)
{
    return roundEven(float(corner + offset));
}

// The whole numbers the writer puts out for every vertex, x and y in turn.
std::vector<qint64> exportedVertices(
    float x1, float y1, const std::vector<float>& dataX, const std::vector<float>& dataY)
{
    std::vector<qint64> values;
    const size_t count = std::min(dataX.size(), dataY.size());
    values.reserve(2 * count);
    for (size_t i = 1; i < count; ++i) {
        values.push_back(exportedValue(x1, dataX[i]));
        values.push_back(exportedValue(y1, dataY[i]));
    }
    return values;
}

[[noreturn]] void throwUnheldVertex(qint64 x, qint64 y)
{
    throw RuntimeError(RuntimeError::Overflow,
        QStringLiteral("The vertex %1,%2 lies too far from the polygon's corner to be held exactly")
            .arg(x)
            .arg(y));
}

// Throws unless every vertex of \a shape writes out as the whole number
// pair in \a values: offsets are single precision, so far from the corner
// the low bits of a vertex are lost.
void checkHolds(const NormalPolygon& shape, const std::vector<qint64>& values)
{
    const std::vector<qint64> held = exportedVertices(shape.x1, shape.y1, shape.dataX, shape.dataY);
    for (size_t i = 0; i + 1 < values.size() && i + 1 < held.size(); i += 2) {
        if (held[i] != values[i] || held[i + 1] != values[i + 1])
            throwUnheldVertex(values[i], values[i + 1]);
    }
}

// The polygon of \a vertices in normal form. Each vertex was in range as
// read, but the offsets are single precision too: far from the origin a
// vertex may come back rounded out, or rounded onto another whole number;
// such a polygon is refused with RuntimeError 6.
NormalPolygon heldPolygon(const std::vector<QPointF>& vertices)
{
    NormalPolygon shape = normalisePolygon(vertices);
    FigureFactory::checkPolygon(shape.x1, shape.y1, shape.dataX, shape.dataY);
    std::vector<qint64> given;
    given.reserve(2 * vertices.size());
    for (const QPointF& v : vertices) {
        given.push_back(roundEven(v.x()));
        given.push_back(roundEven(v.y()));
    }
    checkHolds(shape, given);
    return shape;
}

} // namespace

std::unique_ptr<Figure> FigureFactory::makeRectangle(
    qint32 number, qint32 x1, qint32 y1, qint32 x2, qint32 y2, const FigureTraits& traits)
{
    const OLE_COLOR color = colorFromHex(traits.hexColor, traits.defaultColor);
    auto f = blankFigure(number, RectangleKind, traits, color);
    f->setBox(float(x1), float(y1), float(x2), float(y2));
    f->Coordinates.reserve(24);
    appendValues(f->Coordinates, { x1, y1, x2, y2 });
    return f;
}

std::unique_ptr<Figure> FigureFactory::makeCircle(
    qint32 number, qint32 cx, qint32 cy, qint32 radius, const FigureTraits& traits)
{
    checkCircle(cx, cy, radius);
    const OLE_COLOR color = colorFromHex(traits.hexColor, traits.defaultColor);
    auto f = blankFigure(number, CircleKind, traits, color);
    // In floating point: centre plus radius may leave the 32-bit range
    // (checkCircle has made sure the float box holds them exactly).
    f->setBox(float(cx) - float(radius), float(cy) - float(radius), float(cx) + float(radius),
        float(cy) + float(radius));
    f->Coordinates.reserve(18);
    appendValues(f->Coordinates, { cx, cy, radius });
    return f;
}

std::unique_ptr<Figure> FigureFactory::makePolygon(
    qint32 number, QStringView polygonString, const FigureTraits& traits)
{
    const NormalPolygon shape = heldPolygon(AreaCodeReader::readVertices(polygonString));
    const OLE_COLOR color = colorFromHex(traits.hexColor, traits.defaultColor);
    auto f = blankFigure(number, PolygonKind, traits, color);
    f->setBox(shape.x1, shape.y1, shape.x2, shape.y2);
    f->setData(shape.dataX, shape.dataY);
    f->Coordinates = polygonString.toString();
    return f;
}

std::unique_ptr<Figure> FigureFactory::fromCoordinates(
    qint32 number, qint32 kind, QStringView coordinates, const FigureTraits& traits)
{
    switch (kind) {
    case RectangleKind: {
        const auto v = AreaCodeReader::readIntegers(coordinates, 4);
        return makeRectangle(number, v[0], v[1], v[2], v[3], traits);
    }
    case CircleKind: {
        const auto v = AreaCodeReader::readIntegers(coordinates, 3);
        return makeCircle(number, v[0], v[1], v[2], traits);
    }
    case PolygonKind:
        return makePolygon(number, coordinates, traits);
    default:
        return nullptr;
    }
}

std::unique_ptr<Figure> FigureFactory::polygonFromRectangle(const Figure& rectangle)
{
    auto polygon = std::make_unique<Figure>();
    polygon->ControlIndex = rectangle.ControlIndex;
    polygon->ClassFigure = PolygonKind;
    polygon->Key = rectangle.Key;
    polygon->Color = rectangle.Color;
    polygon->setBox(rectangle.X1(), rectangle.Y1(), rectangle.X2(), rectangle.y2());
    std::vector<float> dx, dy;
    rectangleOffsets(rectangle.X2() - rectangle.X1(), rectangle.y2() - rectangle.Y1(), dx, dy);
    polygon->setData(std::move(dx), std::move(dy));
    polygon->Coordinates = polygon->coordinatesText();
    return polygon;
}

void FigureFactory::checkCircle(qint32 cx, qint32 cy, qint32 radius)
{
    // The box is kept in single precision, which holds whole numbers exactly
    // only up to 2^24: beyond that the centre and radius read back are not
    // the ones given, and the exported radius may not even fit 32 bits.
    constexpr qint64 exact = 1 << 24;
    const auto fits = [](qint64 v) { return v >= -exact && v <= exact; };
    const qint64 r = radius;
    if (!fits(cx - r) || !fits(cx + r) || !fits(cy - r) || !fits(cy + r))
        throw RuntimeError(RuntimeError::Overflow,
            QStringLiteral("The circle %1,%2,%3 is too large").arg(cx).arg(cy).arg(radius));
}

void FigureFactory::checkPolygon(
    float x1, float y1, const std::vector<float>& dataX, const std::vector<float>& dataY)
{
    // Summed in single precision, as Figure::vertex and the writer do.
    for (size_t i = 1; i < dataX.size() && i < dataY.size(); ++i) {
        const float x = x1 + dataX[i];
        const float y = y1 + dataY[i];
        if (!AreaCodeReader::vertexInRange(x) || !AreaCodeReader::vertexInRange(y))
            throw RuntimeError(RuntimeError::Overflow,
                QStringLiteral("The vertex %1,%2 would lie outside the 32-bit range")
                    .arg(double(x), 0, 'f', 0)
                    .arg(double(y), 0, 'f', 0));
    }
    // The text the polygon writes must read back to the same vertices: read
    // again, the corner is the smallest written vertex, and offsets from it
    // may round where the ones held did not.
    const std::vector<qint64> written = exportedVertices(x1, y1, dataX, dataY);
    std::vector<QPointF> reread;
    reread.reserve(written.size() / 2);
    for (size_t i = 0; i + 1 < written.size(); i += 2)
        reread.emplace_back(double(written[i]), double(written[i + 1]));
    checkHolds(normalisePolygon(reread), written);
}

void FigureFactory::checkExportable(const Figure& figure)
{
    if (figure.ClassFigure == PolygonKind) {
        checkPolygon(figure.X1(), figure.Y1(), figure.DataX(), figure.DataY());
        return;
    }
    // A box or a circle is a few numbers: the writer's own text through the
    // reader's own checks says it exactly.
    QString text;
    AreaCodeWriter::appendExportCoordinates(text, figure);
    validateCoordinates(text, figure.ClassFigure);
}

void FigureFactory::validateCoordinates(QStringView coordinates, qint32 kind)
{
    switch (kind) {
    case RectangleKind:
        AreaCodeReader::readIntegers(coordinates, 4);
        break;
    case CircleKind: {
        const auto v = AreaCodeReader::readIntegers(coordinates, 3);
        checkCircle(v[0], v[1], v[2]);
        break;
    }
    case PolygonKind:
        heldPolygon(AreaCodeReader::readVertices(coordinates));
        break;
    default:
        break;
    }
}

OLE_COLOR FigureFactory::colorFromHex(QStringView hexColor, OLE_COLOR defaultColor)
{
    if (hexColor.isEmpty())
        return defaultColor;
    return OLE_COLOR(AreaCodeReader::readLong(hexColor));
}

} // namespace zc
