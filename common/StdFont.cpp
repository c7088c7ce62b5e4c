#include "StdFont.h"

#include "RuntimeError.h"
#include "Units.h"

#include <QFontInfo>
#include <algorithm>

struct StdFont::Data
{
    QString name = QStringLiteral("MS Sans Serif");
    double size = 8;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    qint16 charset = 0;
    qint16 weight = 400;
};

namespace {

constexpr qint16 RegularWeight = 400;
constexpr qint16 BoldWeight = 700;
/// Weights from semi-bold up read as bold.
constexpr qint16 BoldThreshold = 600;
/// The largest point size the host accepts.
constexpr double MaximumSize = 2160;

} // namespace

StdFont::StdFont()
    : d(std::make_shared<Data>())
{ }

StdFont::StdFont(const QString& name, double size)
    : StdFont()
{
    setName(name);
    setSize(size);
}

StdFont StdFont::fromQFont(const QFont& font)
{
    StdFont result;
    if (!font.family().isEmpty())
        result.d->name = font.family();
    double size = font.pointSizeF();
    if (size <= 0)
        size = font.pixelSize() * 72.0 / 96.0;
    result.d->size = std::clamp(size, 1.0, MaximumSize);
    result.d->weight = qint16(font.weight());
    result.d->italic = font.italic();
    result.d->underline = font.underline();
    result.d->strikethrough = font.strikeOut();
    return result;
}

QString StdFont::Name() const
{
    return d->name;
}

void StdFont::setName(const QString& New_Name)
{
    if (New_Name.trimmed().isEmpty())
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    d->name = New_Name;
}

double StdFont::Size() const
{
    return d->size;
}

void StdFont::setSize(double New_Size)
{
    if (!(New_Size > 0 && New_Size <= MaximumSize))
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    d->size = New_Size;
}

bool StdFont::Bold() const
{
    return d->weight >= BoldThreshold;
}

void StdFont::setBold(bool New_Bold)
{
    d->weight = New_Bold ? BoldWeight : RegularWeight;
}

bool StdFont::Italic() const
{
    return d->italic;
}

void StdFont::setItalic(bool New_Italic)
{
    d->italic = New_Italic;
}

bool StdFont::Underline() const
{
    return d->underline;
}

void StdFont::setUnderline(bool New_Underline)
{
    d->underline = New_Underline;
}

bool StdFont::Strikethrough() const
{
    return d->strikethrough;
}

void StdFont::setStrikethrough(bool New_Strikethrough)
{
    d->strikethrough = New_Strikethrough;
}

qint16 StdFont::Charset() const
{
    return d->charset;
}

void StdFont::setCharset(qint16 New_Charset)
{
    d->charset = New_Charset;
}

qint16 StdFont::Weight() const
{
    return d->weight;
}

void StdFont::setWeight(qint16 New_Weight)
{
    if (New_Weight < 0 || New_Weight > 1000)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    d->weight = New_Weight;
}

QFont StdFont::toQFont() const
{
    Zel::installFontSubstitutions();
    QFont font(d->name);
    font.setPointSizeF(d->size);
    // Weight 0 means "the default weight" to the host.
    const int weight = d->weight == 0 ? RegularWeight : d->weight;
    font.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
    font.setItalic(d->italic);
    font.setUnderline(d->underline);
    font.setStrikeOut(d->strikethrough);
    return font;
}

StdFont StdFont::clone() const
{
    StdFont copy;
    *copy.d = *d;
    return copy;
}

bool StdFont::operator==(const StdFont& other) const
{
    if (d == other.d)
        return true;
    return d->name.compare(other.d->name, Qt::CaseInsensitive) == 0 && d->size == other.d->size
        && d->weight == other.d->weight && d->italic == other.d->italic
        && d->underline == other.d->underline && d->strikethrough == other.d->strikethrough
        && d->charset == other.d->charset;
}
