#include "AreaCodeReader.h"

#include <common/HostConvert.h>
#include <common/RuntimeError.h>

namespace zc::AreaCodeReader {

namespace {

// Plain "-123" style text; anything else goes through the host's rules.
bool plainInteger(QStringView text, qint64& value)
{
    if (text.isEmpty() || text.size() > 10)
        return false;
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == QLatin1Char('-')) {
        negative = true;
        i = 1;
        if (text.size() == 1)
            return false;
    }
    qint64 v = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
    }
    value = negative ? -v : v;
    return true;
}

using Pieces = QVarLengthArray<QStringView, 32>;

Pieces splitComma(QStringView view)
{
    Pieces pieces;
    qsizetype start = 0;
    for (;;) {
        const qsizetype comma = view.indexOf(QLatin1Char(','), start);
        if (comma < 0) {
            pieces.push_back(view.mid(start));
            break;
        }
        pieces.push_back(view.mid(start, comma - start));
        start = comma + 1;
    }
    return pieces;
}

RuntimeError lineError(int number, int line, const QString& what)
{
    return RuntimeError(number, QStringLiteral("Area line %1: %2").arg(line).arg(what));
}

} // namespace

qint32 readLong(QStringView text)
{
    qint64 v = 0;
    if (plainInteger(text, v) && v >= INT32_MIN && v <= INT32_MAX)
        return qint32(v);
    return Zel::toLong(text.toString());
}

bool vertexInRange(float value)
{
    // The box takes the extremes as 32-bit integers; a vertex beyond that
    // range would leave it garbage, so it is refused as the host's
    // conversion would refuse it.
    return value >= -2147483648.5 && value < 2147483647.5;
}

float readSingle(QStringView text)
{
    qint64 v = 0;
    if (plainInteger(text, v) && v > -(1 << 24) && v < (1 << 24))
        return float(v);
    return Zel::toSingle(text.toString());
}

bool readBoolean(QStringView text)
{
    // The common spellings first; everything else follows the host's rules.
    if (text.isEmpty() || text == QLatin1String("False") || text == QLatin1String("0"))
        return false;
    if (text == QLatin1String("True") || text == QLatin1String("-1"))
        return true;
    return Zel::toBoolean(text.toString());
}

std::vector<AreaLine> parseSeparated(const QString& text, const QString& separator)
{
    std::vector<AreaLine> lines;
    const QStringView all(text);
    qsizetype start = 0;
    int lineNumber = 0;
    // A single character without letter case ("|") is found by a plain search.
    const bool singleChar
        = separator.size() == 1 && separator.front().toLower() == separator.front().toUpper();
    for (;;) {
        const qsizetype end = all.indexOf(QLatin1String("\r\n"), start);
        if (end < 0)
            break; // what follows the last line end is not a line
        ++lineNumber;
        const QStringView line = all.mid(start, end - start);
        start = end + 2;

        // An empty separator cannot split: the whole line is one field.
        QStringView fields[5];
        int count = 0;
        qsizetype from = 0;
        while (count < 5) {
            qsizetype at = -1;
            if (singleChar)
                at = line.indexOf(separator.front(), from);
            else if (!separator.isEmpty())
                at = line.indexOf(separator, from, Qt::CaseInsensitive);
            if (at < 0) {
                fields[count++] = line.mid(from);
                break;
            }
            fields[count++] = line.mid(from, at - from);
            from = at + separator.size();
        }
        if (count < 5)
            throw lineError(RuntimeError::SubscriptOutOfRange, lineNumber,
                QStringLiteral("fewer than five fields"));
        AreaLine entry;
        entry.lineNumber = lineNumber;
        entry.coordinates = fields[0];
        entry.kind = fields[1];
        try {
            entry.key = readLong(fields[2]);
        } catch (const RuntimeError& e) {
            throw lineError(e.number(), lineNumber,
                QStringLiteral("the key \"%1\" is not a number").arg(fields[2]));
        }
        entry.color = fields[3];
        entry.locked = fields[4];
        lines.push_back(entry);
    }
    return lines;
}

int kindFromText(QStringView kind)
{
    if (kind == QLatin1String("Rectangle") || kind == QLatin1String("1"))
        return 1;
    if (kind == QLatin1String("Circle") || kind == QLatin1String("2"))
        return 2;
    if (kind == QLatin1String("Polygon") || kind == QLatin1String("3"))
        return 3;
    return 0;
}

QVarLengthArray<qint32, 4> readIntegers(QStringView text, int count)
{
    const Pieces pieces = splitComma(text);
    if (int(pieces.size()) < count)
        throw RuntimeError(RuntimeError::SubscriptOutOfRange,
            QStringLiteral("\"%1\" has fewer than %2 coordinates").arg(text).arg(count));
    QVarLengthArray<qint32, 4> values;
    for (int i = 0; i < count; ++i)
        values.push_back(readLong(pieces[i]));
    return values;
}

std::vector<QPointF> readVertices(QStringView text)
{
    const Pieces pieces = splitComma(text);
    if (pieces.size() < 2)
        throw RuntimeError(
            RuntimeError::SubscriptOutOfRange, QStringLiteral("\"%1\" holds no vertex").arg(text));
    std::vector<QPointF> vertices;
    vertices.reserve(pieces.size() / 2);
    for (qsizetype k = 0; k + 1 < pieces.size(); k += 2) {
        const float x = readSingle(pieces[k]);
        const float y = readSingle(pieces[k + 1]);
        if (!vertexInRange(x) || !vertexInRange(y))
            throw RuntimeError(RuntimeError::Overflow,
                QStringLiteral("The vertex %1,%2 lies outside the 32-bit range")
                    .arg(pieces[k])
                    .arg(pieces[k + 1]));
        vertices.emplace_back(x, y);
    }
    return vertices;
}

} // namespace zc::AreaCodeReader
