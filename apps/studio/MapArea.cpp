#include "MapArea.h"

#include <QCoreApplication>
#include <QPainterPath>
#include <QPolygonF>
#include <QRegularExpression>
#include <cmath>

namespace {

// What the reader of a page is told, in the person's language once a translator is installed.
class AreaTexts
{
    Q_DECLARE_TR_FUNCTIONS(AreaTexts)
};

const QString Shape = QStringLiteral("shape");
const QString Coords = QStringLiteral("coords");

int attributeIndex(const QList<HtmlAttribute>& attributes, const QString& name)
{
    for (int i = 0; i < attributes.size(); ++i) {
        if (attributes.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString wholeNumberText(double value)
{
    return QString::number(qint64(std::llround(value)));
}

QPolygonF polygonOf(const QList<double>& numbers)
{
    QPolygonF polygon;
    for (int i = 0; i + 1 < numbers.size(); i += 2)
        polygon << QPointF(numbers.at(i), numbers.at(i + 1));
    return polygon;
}

} // namespace

// --- AreaShape ---------------------------------------------------------------

AreaKind AreaShape::kindOf(const QString& shape)
{
    const QString s = shape.trimmed().toLower();
    if (s.isEmpty() || s == u"rect" || s == u"rectangle")
        return AreaKind::Rectangle;
    if (s == u"circle" || s == u"circ")
        return AreaKind::Circle;
    if (s == u"poly" || s == u"polygon")
        return AreaKind::Polygon;
    if (s == u"default")
        return AreaKind::Default;
    return AreaKind::Unknown;
}

QString AreaShape::shapeText(AreaKind kind)
{
    switch (kind) {
    case AreaKind::Rectangle:
        return QStringLiteral("rect");
    case AreaKind::Circle:
        return QStringLiteral("circle");
    case AreaKind::Polygon:
        return QStringLiteral("poly");
    case AreaKind::Default:
        return QStringLiteral("default");
    case AreaKind::Unknown:
        break;
    }
    return {};
}

QString AreaShape::kindName(AreaKind kind)
{
    switch (kind) {
    case AreaKind::Rectangle:
        return QStringLiteral("Rectangle");
    case AreaKind::Circle:
        return QStringLiteral("Circle");
    case AreaKind::Polygon:
        return QStringLiteral("Polygon");
    case AreaKind::Default:
        return QStringLiteral("Default");
    case AreaKind::Unknown:
        break;
    }
    return QStringLiteral("Unknown");
}

bool AreaShape::parseNumbers(const QString& coords, QList<double>* numbers)
{
    static const QRegularExpression separators(QStringLiteral("[\\s,;]+"));
    numbers->clear();
    const QStringList pieces = coords.trimmed().split(separators, Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        bool ok = false;
        const double value = piece.toDouble(&ok);
        if (!ok || !std::isfinite(value) || std::abs(value) > 1e9)
            return false;
        numbers->append(value);
    }
    return true;
}

QString AreaShape::coordsText(const QList<double>& numbers)
{
    QStringList texts;
    for (const double n : numbers)
        texts << (n == std::floor(n) ? wholeNumberText(n) : QString::number(n));
    return texts.join(QLatin1Char(','));
}

QString AreaShape::escapeAttribute(const QString& value)
{
    QString text;
    text.reserve(value.size());
    for (const char32_t c : QStringView(value).toUcs4()) {
        // A page's line breaks reach the parser as LF alone, and it reads a
        // control character or noncharacter written as it is as U+FFFD: a
        // carriage return or such a character only comes back as a reference.
        const bool control = c == u'\r' || (c < 0x20 && c != u'\t' && c != u'\n' && c != u'\f')
            || (c >= 0x7f && c <= 0x9f);
        const bool nonCharacter = (c >= 0xfdd0 && c <= 0xfdef) || (c & 0xfffe) == 0xfffe;
        if (c == u'&')
            text += QLatin1String("&amp;");
        else if (c == u'"')
            text += QLatin1String("&quot;");
        else if (c == u'<')
            text += QLatin1String("&lt;");
        else if (c == u'>')
            text += QLatin1String("&gt;");
        else if (control || nonCharacter)
            text += QStringLiteral("&#%1;").arg(uint(c));
        else if (QChar::requiresSurrogates(c))
            text.append(QChar(QChar::highSurrogate(c))).append(QChar(QChar::lowSurrogate(c)));
        else
            text += QChar(char16_t(c)); // not fromUcs4(), which drops a byte order mark
    }
    return text;
}

// --- AreaGeometry ------------------------------------------------------------

bool AreaGeometry::contains(QPointF point) const
{
    switch (kind) {
    case AreaKind::Default:
        return true;
    case AreaKind::Rectangle:
        return isShown() && bounds().contains(point);
    case AreaKind::Circle: {
        if (!isShown())
            return false;
        const double dx = point.x() - numbers.at(0);
        const double dy = point.y() - numbers.at(1);
        return dx * dx + dy * dy <= numbers.at(2) * numbers.at(2);
    }
    case AreaKind::Polygon: {
        if (!isShown())
            return false;
        QPainterPath path;
        path.addPolygon(polygonOf(numbers));
        path.setFillRule(Qt::WindingFill);
        return path.contains(point);
    }
    case AreaKind::Unknown:
        break;
    }
    return false;
}

QRectF AreaGeometry::bounds() const
{
    if (!isShown())
        return {};
    switch (kind) {
    case AreaKind::Rectangle:
        return QRectF(QPointF(numbers.at(0), numbers.at(1)), QPointF(numbers.at(2), numbers.at(3)))
            .normalized();
    case AreaKind::Circle: {
        const double r = numbers.at(2);
        return QRectF(numbers.at(0) - r, numbers.at(1) - r, 2 * r, 2 * r);
    }
    case AreaKind::Polygon:
        return polygonOf(numbers).boundingRect();
    case AreaKind::Default:
    case AreaKind::Unknown:
        break;
    }
    return {};
}

QString AreaGeometry::controlCoordinates() const
{
    if (!isShown())
        return {};
    QList<double> values = numbers;
    if (kind == AreaKind::Rectangle) {
        const QRectF box = bounds();
        values = { box.left(), box.top(), box.right(), box.bottom() };
    }
    QStringList texts;
    for (const double n : std::as_const(values))
        texts << wholeNumberText(n);
    return texts.join(QLatin1Char(','));
}

// --- MapArea -----------------------------------------------------------------

QString MapArea::value(const QString& name) const
{
    const int i = attributeIndex(attributes, name);
    return i < 0 ? QString() : attributes.at(i).value;
}

bool MapArea::has(const QString& name) const
{
    return attributeIndex(attributes, name) >= 0;
}

void MapArea::setValue(const QString& name, const QString& value)
{
    const int i = attributeIndex(attributes, name);
    if (i >= 0 && attributes.at(i).value == value && attributes.at(i).hasValue)
        return;
    if (i >= 0) {
        attributes[i].value = value;
        attributes[i].hasValue = true;
    } else {
        attributes.append({ name, value, true });
    }
    sourceTag.clear();
}

void MapArea::remove(const QString& name)
{
    const int i = attributeIndex(attributes, name);
    if (i < 0)
        return;
    attributes.removeAt(i);
    sourceTag.clear();
}

AreaGeometry MapArea::geometry() const
{
    AreaGeometry g;
    g.kind = AreaShape::kindOf(value(Shape));
    if (g.kind == AreaKind::Unknown) {
        g.problem = AreaTexts::tr("the shape \"%1\" is not one browsers know").arg(value(Shape));
        return g;
    }
    if (g.kind == AreaKind::Default) {
        g.problem = AreaTexts::tr("a default area covers the whole picture");
        return g;
    }
    if (!AreaShape::parseNumbers(value(Coords), &g.numbers)) {
        g.problem
            = AreaTexts::tr("the coordinates \"%1\" are not plain numbers").arg(value(Coords));
        return g;
    }
    switch (g.kind) {
    case AreaKind::Rectangle:
        if (g.numbers.size() < 4)
            g.problem = AreaTexts::tr("a rectangle needs four coordinates");
        else
            g.numbers = g.numbers.mid(0, 4);
        break;
    case AreaKind::Circle:
        if (g.numbers.size() < 3)
            g.problem = AreaTexts::tr("a circle needs three coordinates");
        else if (g.numbers.at(2) <= 0)
            g.problem = AreaTexts::tr("a circle needs a radius above 0");
        else
            g.numbers = g.numbers.mid(0, 3);
        break;
    case AreaKind::Polygon:
        if (g.numbers.size() % 2 == 1)
            g.numbers.removeLast();
        if (g.numbers.size() < 6)
            g.problem = AreaTexts::tr("a polygon needs at least three points");
        break;
    case AreaKind::Default:
    case AreaKind::Unknown:
        break;
    }
    return g;
}

QString MapArea::generatedTag() const
{
    QString tag = QStringLiteral("<area");
    for (int i = 0; i < attributes.size(); ++i) {
        const HtmlAttribute& a = attributes.at(i);
        // After a name without a value, a name that starts with "=" would
        // become that name's value; "/" ends the name as a blank does, and
        // the next one is read as a name.
        const bool afterBareName = i > 0 && !attributes.at(i - 1).hasValue;
        tag += (afterBareName && a.name.startsWith(QLatin1Char('=')) ? QLatin1Char('/')
                                                                     : QLatin1Char(' '))
            + a.name;
        if (a.hasValue)
            tag += QStringLiteral("=\"%1\"").arg(AreaShape::escapeAttribute(a.value));
    }
    return tag + QLatin1Char('>');
}

QString MapArea::tag() const
{
    return sourceTag.isEmpty() ? generatedTag() : sourceTag;
}

QString MapArea::label() const
{
    for (const char* name : { "alt", "title", "href", "id" }) {
        const QString text = value(QLatin1String(name)).simplified();
        if (!text.isEmpty())
            return text;
    }
    return AreaShape::kindName(AreaShape::kindOf(value(Shape))).toLower();
}
