#pragma once

#include <QString>
#include <QStringList>

class Zonecraft;

/// The studio's area list: the separated format the map control reads
/// ("coordinates|kind|number|colour|locked"), with an optional sixth field
/// that names the area. A named area gets link attributes
/// (`href="#living-room" alt="Living room"`) that the exported page carries.
class AreaList
{
public:
    /// Replaces the figures of \a map with those of \a text. Lines may end in
    /// "\r\n" or "\n". Throws RuntimeError when the map rejects a line; the
    /// map then keeps the figures it had.
    static void load(Zonecraft& map, const QString& text);

    /// The link attributes of an area called \a name.
    static QString linkAttributes(const QString& name);
    /// The area name inside link attributes written by linkAttributes ("" when none).
    static QString nameFromAttributes(const QString& attributes);

    /// The figure numbers of \a map in creation order, the order of its exported tags.
    static QList<qint32> figureNumbers(const Zonecraft& map);
};
