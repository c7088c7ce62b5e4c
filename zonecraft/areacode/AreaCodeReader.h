#pragma once

#include <QPointF>
#include <QString>
#include <QStringView>
#include <QVarLengthArray>
#include <vector>

namespace zc {

/// Reads area text and coordinates.
namespace AreaCodeReader {

/// One line of a separated area list, its fields as read.
struct AreaLine
{
    QStringView coordinates;
    QStringView kind;
    qint32 key = 0;
    QStringView color;
    QStringView locked;
    int lineNumber = 0; ///< 1-based, for error messages
};

/// Splits a separated list into lines (each ending in "\r\n"; text after the
/// last "\r\n" is ignored) and fields (\a separator, letter case ignored).
/// Throws RuntimeError 9 for a line of fewer than five fields and 13 for a
/// key that is not a number, naming the line; nothing is returned then.
std::vector<AreaLine> parseSeparated(const QString& text, const QString& separator);

/// 1, 2 or 3 for "Rectangle"/"1", "Circle"/"2", "Polygon"/"3" (exact case), else 0.
int kindFromText(QStringView kind);

/// The first \a count comma-separated pieces of \a text as 32-bit integers
/// (halves to even). Throws RuntimeError 9 when there are fewer pieces and
/// 13 for a piece that is not a number.
QVarLengthArray<qint32, 4> readIntegers(QStringView text, int count);

/// The vertices of "x1,y1,x2,y2,..." as single-precision pairs; a trailing
/// odd piece is ignored. Throws RuntimeError 9 when there is no vertex, 13
/// for a piece that is not a number and 6 for a value that does not round
/// to a 32-bit integer.
std::vector<QPointF> readVertices(QStringView text);

/// Whether a vertex coordinate rounds to a 32-bit integer, the range
/// readVertices accepts.
bool vertexInRange(float value);

/// Text to a Long with the host's rules; plain decimal integers take a fast path.
qint32 readLong(QStringView text);
/// Text to a Single with the host's rules.
float readSingle(QStringView text);
/// Text to a Boolean with the host's rules ("True", "False", numbers); empty is False.
bool readBoolean(QStringView text);

} // namespace AreaCodeReader

} // namespace zc
