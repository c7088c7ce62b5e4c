#include "AreaListFormat.h"

#include <common/HostConvert.h>
#include <common/OleColor.h>

namespace {

const QChar Separator = QLatin1Char('|');

namespace Field {
enum { Coordinates, Kind, Number, Colour, Locked, Name, Href };
}

AreaKind kindOfField(const QString& text)
{
    const QString kind = text.trimmed();
    if (kind == u"1")
        return AreaKind::Rectangle;
    if (kind == u"2")
        return AreaKind::Circle;
    if (kind == u"3")
        return AreaKind::Polygon;
    const AreaKind parsed = AreaShape::kindOf(kind);
    return kind.isEmpty() || parsed == AreaKind::Default ? AreaKind::Unknown : parsed;
}

bool readColour(const QString& text, qint32* colour)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        *colour = -1;
        return true;
    }
    if (!Zel::isNumeric(t))
        return false;
    const double value = Zel::toDouble(t);
    if (value < 0 || value > 0xFFFFFF)
        return false;
    *colour = qint32(value);
    return true;
}

bool readLocked(const QString& text, bool* locked)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.compare(u"false", Qt::CaseInsensitive) == 0) {
        *locked = false;
        return true;
    }
    if (t.compare(u"true", Qt::CaseInsensitive) == 0) {
        *locked = true;
        return true;
    }
    if (!Zel::isNumeric(t))
        return false;
    *locked = Zel::toDouble(t) != 0;
    return true;
}

QString colourField(qint32 colour)
{
    return colour < 0 ? QString() : QStringLiteral("&H%1").arg(colour, 0, 16).toUpper();
}

} // namespace

QString AreaListFormat::LineError::text() const
{
    return QStringLiteral("line %1, %2: %3").arg(line).arg(field, message);
}

QString AreaListFormat::fragmentFor(const QString& name)
{
    QString fragment;
    for (const QChar c : name.toLower()) {
        if (c.isLetterOrNumber())
            fragment += c;
        else if (!fragment.isEmpty() && !fragment.endsWith(QLatin1Char('-')))
            fragment += QLatin1Char('-');
    }
    while (fragment.endsWith(QLatin1Char('-')))
        fragment.chop(1);
    return fragment;
}

void AreaListFormat::giveLink(
    MapArea& area, const QString& name, qint32 number, const QString& href)
{
    const QString alt = name.isEmpty() ? QStringLiteral("Hotspot %1").arg(number) : name;
    const QString fragment = fragmentFor(alt);
    area.setValue(QStringLiteral("href"), href.isEmpty() ? QLatin1Char('#') + fragment : href);
    area.setValue(QStringLiteral("alt"), alt);
}

AreaListFormat::Result AreaListFormat::read(const QString& text)
{
    Result result;
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = normalised.split(QLatin1Char('\n'));
    qint32 nextNumber = 1;
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        if (line.trimmed().isEmpty())
            continue;
        const int lineNumber = i + 1;
        const QStringList fields = line.split(Separator);
        const auto field
            = [&fields](int n) { return n < fields.size() ? fields.at(n) : QString(); };
        const auto fail = [&](const QString& name, const QString& message) {
            result.errors.append({ lineNumber, name, message });
        };

        const AreaKind kind = kindOfField(field(Field::Kind));
        if (fields.size() < 2) {
            fail(QStringLiteral("kind"),
                QStringLiteral("missing; a line needs at least the coordinates and the kind"));
            continue;
        }
        if (kind == AreaKind::Unknown) {
            fail(QStringLiteral("kind"),
                QStringLiteral("\"%1\" is not Rectangle, Circle or Polygon")
                    .arg(field(Field::Kind).trimmed()));
            continue;
        }
        qint32 number = nextNumber;
        const QString numberText = field(Field::Number).trimmed();
        if (!numberText.isEmpty()) {
            bool ok = false;
            number = numberText.toInt(&ok);
            if (!ok) {
                fail(QStringLiteral("number"),
                    QStringLiteral("\"%1\" is not a whole number").arg(numberText));
                continue;
            }
        }
        MapArea area;
        if (!readColour(field(Field::Colour), &area.colour)) {
            fail(QStringLiteral("colour"),
                QStringLiteral("\"%1\" is not a colour such as &H40B0E0")
                    .arg(field(Field::Colour).trimmed()));
            continue;
        }
        if (!readLocked(field(Field::Locked), &area.locked)) {
            fail(QStringLiteral("locked"),
                QStringLiteral("\"%1\" is not True or False").arg(field(Field::Locked).trimmed()));
            continue;
        }
        area.setValue(QStringLiteral("shape"), AreaShape::shapeText(kind));
        area.setValue(QStringLiteral("coords"), field(Field::Coordinates).trimmed());
        const AreaGeometry geometry = area.geometry();
        if (!geometry.isShown()) {
            fail(QStringLiteral("coordinates"), geometry.problem);
            continue;
        }
        area.setValue(QStringLiteral("coords"), AreaShape::coordsText(geometry.numbers));
        giveLink(area, field(Field::Name).trimmed(), number, field(Field::Href).trimmed());
        area.line = lineNumber;
        nextNumber = std::max(nextNumber, number + 1);
        result.areas << area;
    }
    return result;
}

QString AreaListFormat::write(const QList<MapArea>& areas)
{
    QString text;
    int number = 0;
    for (const MapArea& area : areas) {
        const AreaGeometry g = area.geometry();
        if (!g.isShown())
            continue;
        ++number;
        const QStringList fields { AreaShape::coordsText(g.numbers), AreaShape::kindName(g.kind),
            QString::number(number), colourField(area.colour), Zel::booleanText(area.locked),
            area.value(QStringLiteral("alt")), area.value(QStringLiteral("href")) };
        text += fields.join(Separator) + QStringLiteral("\r\n");
    }
    return text;
}
