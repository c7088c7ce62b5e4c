#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

/// One attribute of an HTML tag, in the letter case it was written.
struct HtmlAttribute
{
    QString name;
    QString value;
    /// False for an attribute written without "=" (`<area nohref>`).
    bool hasValue = true;

    bool operator==(const HtmlAttribute&) const = default;
};

/// What an area's `shape` attribute asks for, as a browser reads it.
enum class AreaKind { Rectangle, Circle, Polygon, Default, Unknown };

/// The geometry of an area read from its `shape` and `coords`.
struct AreaGeometry
{
    AreaKind kind = AreaKind::Unknown;
    QList<double> numbers;
    /// Why the map control cannot show this area ("" when it can).
    QString problem;

    bool isShown() const { return problem.isEmpty(); }
    /// Whether a browser would pick this area at \a point.
    bool contains(QPointF point) const;
    QRectF bounds() const;
    /// The coordinates as the map control reads them: "x1,y1,x2,y2" with the
    /// corners in order, "x,y,r", or the polygon's vertices.
    QString controlCoordinates() const;
};

/// One `<area>` of an image map: its attributes in document order, and what
/// the studio keeps about it beside them.
struct MapArea
{
    /// The studio's own handle on the area; never written to a page.
    int id = 0;
    QList<HtmlAttribute> attributes;
    /// The tag as it stood in the page it was read from; cleared by any
    /// change, so an untouched area is written back character for character.
    QString sourceTag;
    /// What followed the tag in the page up to the next area when it is
    /// only blanks and comments (other markup stays in the page's place:
    /// PageFrame::between).
    QString trailing;
    /// The line of the page or area list the area came from (0 when drawn).
    int line = 0;
    /// The hotspot's colour on the map (0x00BBGGRR), -1 for the map's own.
    qint32 colour = -1;
    bool locked = false;

    /// The value of the attribute \a name (compared without regard to case).
    QString value(const QString& name) const;
    bool has(const QString& name) const;
    /// Sets \a name to \a value, keeping its place (a new one goes last).
    void setValue(const QString& name, const QString& value);
    void remove(const QString& name);

    AreaGeometry geometry() const;
    /// The tag as the studio writes it: `<area shape="rect" coords="..." ...>`.
    QString generatedTag() const;
    /// The tag the page holds: the source text when untouched, else generatedTag().
    QString tag() const;

    /// A short name for lists and messages: alt, title, href or the shape.
    QString label() const;
};

namespace AreaShape {
/// The kind of a `shape` value: rect/rectangle, circle/circ, poly/polygon,
/// default, in any letter case; an absent shape is a rectangle.
AreaKind kindOf(const QString& shape);
/// The `shape` value the studio writes for \a kind.
QString shapeText(AreaKind kind);
/// The name shown for \a kind ("Rectangle", "Circle", "Polygon", "Default").
QString kindName(AreaKind kind);
/// The numbers of a `coords` value, separated by commas and/or blanks;
/// false when one of them is not a plain number.
bool parseNumbers(const QString& coords, QList<double>* numbers);
/// Numbers written back as `coords` text ("10,20,30").
QString coordsText(const QList<double>& numbers);
/// Escapes an attribute value for a double-quoted attribute.
QString escapeAttribute(const QString& value);
} // namespace AreaShape
