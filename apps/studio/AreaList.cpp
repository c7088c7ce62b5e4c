#include "AreaList.h"

#include <QRegularExpression>
#include <zonecraft/Zonecraft.h>

namespace {

const QString CrLf = QStringLiteral("\r\n");

// "Living room" -> "living-room": a fragment name that needs no escaping.
QString fragmentFor(const QString& name)
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

QString htmlAttributeText(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('"'), QLatin1String("&quot;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"));
}

} // namespace

void AreaList::load(Zonecraft& map, const QString& text)
{
    QString normalised = text;
    normalised.replace(CrLf, QStringLiteral("\n"));
    QStringList lines = normalised.split(QLatin1Char('\n'), Qt::SkipEmptyParts);

    QStringList names;
    for (const QString& line : std::as_const(lines)) {
        const QStringList fields
            = line.split(map.ExtractSeperator(), Qt::KeepEmptyParts, Qt::CaseInsensitive);
        names << (fields.size() > 5 ? fields.at(5).trimmed() : QString());
    }

    // Read first into a scratch map: a list the map refuses half way must
    // not have cleared the figures that were open.
    const QString list = lines.join(CrLf) + CrLf;
    {
        Zonecraft trial;
        trial.setExtractSeperator(map.ExtractSeperator());
        trial.ImportCode(Zonecraft::customcode, list);
    }
    map.Clear();
    map.ImportCode(Zonecraft::customcode, list);

    // Imported figures take the list's order, so position i is line i.
    for (int i = 0; i < names.size() && i < map.CountFigures(); ++i) {
        if (!names.at(i).isEmpty())
            map.SetKey(linkAttributes(names.at(i)), i + 1);
    }
}

QString AreaList::linkAttributes(const QString& name)
{
    return QStringLiteral("href=\"#%1\" alt=\"%2\"")
        .arg(fragmentFor(name), htmlAttributeText(name));
}

QString AreaList::nameFromAttributes(const QString& attributes)
{
    static const QRegularExpression alt(QStringLiteral("alt=\"([^\"]*)\""));
    const QRegularExpressionMatch match = alt.match(attributes);
    if (!match.hasMatch())
        return {};
    return match.captured(1)
        .replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

QList<qint32> AreaList::figureNumbers(const Zonecraft& map)
{
    // The separated export ends each line with the figure's number.
    QList<qint32> numbers;
    const QStringList lines = map.ExportCode(Zonecraft::customcode).split(CrLf, Qt::SkipEmptyParts);
    for (const QString& line : lines)
        numbers << line.section(map.ExtractSeperator(), -1).toInt();
    return numbers;
}
