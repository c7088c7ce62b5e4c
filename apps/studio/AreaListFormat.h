#pragma once

#include "MapArea.h"

#include <QList>
#include <QString>

/// The studio's area list: one hotspot a line, fields separated by "|":
///
///     coordinates|kind|number|colour|locked|name|href
///
/// coordinates "x1,y1,x2,y2" (rectangle), "x,y,r" (circle) or "x1,y1,x2,y2,..."
/// (polygon); kind Rectangle, Circle or Polygon (any case, also rect, circ,
/// poly or 1, 2, 3); number a whole number, or empty; colour "&HBBGGRR", a
/// decimal number or empty; locked True, False, a number or empty. The name
/// (the link's alternative text) and the href may be left out.
class AreaListFormat
{
public:
    /// A line that could not be read.
    struct LineError
    {
        int line = 0;
        /// The field at fault: "coordinates", "kind", "number", "colour", "locked".
        QString field;
        QString message;

        /// "line 3, colour: ..."
        QString text() const;
    };

    struct Result
    {
        QList<MapArea> areas;
        QList<LineError> errors;
    };

    /// Reads \a text (lines ending in "\r\n" or "\n"); a bad line is reported and
    /// skipped, the others are read.
    static Result read(const QString& text);
    /// Writes \a areas that the list can hold (rectangles, circles and polygons);
    /// every line ends in "\r\n".
    static QString write(const QList<MapArea>& areas);

    /// The link attributes of an area list line: href and alt from the name
    /// and number when the line has none of its own.
    static void giveLink(MapArea& area, const QString& name, qint32 number, const QString& href);
    /// "Living room" -> "living-room": an id and fragment that needs no escaping.
    static QString fragmentFor(const QString& name);
};
