#include "MapPage.h"

namespace {

const QString AreaKeyPrefix = QStringLiteral("area:");
const QString MapName = QStringLiteral("map");

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

MapPage::Section section(const QString& title, const QString& keyPrefix, const QStringList& lines)
{
    MapPage::Section s { title, {}, lines };
    for (int i = 0; i < lines.size(); ++i)
        s.keys << QStringLiteral("%1:%2").arg(keyPrefix).arg(i + 1);
    return s;
}

} // namespace

MapPage::MapPage(const QString& title, const QString& pictureFile, QSize pictureSize,
    const QString& areaTags, const QList<qint32>& figureNumbers)
{
    m_sections << section(QStringLiteral("Document"), QStringLiteral("head"),
        { QStringLiteral("<!DOCTYPE html>"), QStringLiteral("<html>"), QStringLiteral("<head>"),
            QStringLiteral("<meta charset=\"utf-8\">"),
            QStringLiteral("<title>%1</title>").arg(escaped(title)), QStringLiteral("</head>"),
            QStringLiteral("<body>") });

    m_sections << section(QStringLiteral("Picture"), QStringLiteral("picture"),
        { QStringLiteral("<!-- %1 -->").arg(escaped(title)),
            QStringLiteral("<img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\" usemap=\"#%5\">")
                .arg(escaped(pictureFile))
                .arg(pictureSize.width())
                .arg(pictureSize.height())
                .arg(escaped(title), MapName) });

    Section map { QStringLiteral("Map"), { QStringLiteral("map:open") },
        { QStringLiteral("<map name=\"%1\">").arg(MapName) } };
    const QStringList tags = areaTags.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (int i = 0; i < tags.size(); ++i) {
        map.keys << (i < figureNumbers.size() ? areaKey(figureNumbers.at(i))
                                              : QStringLiteral("map:%1").arg(i + 1));
        map.lines << tags.at(i);
    }
    map.keys << QStringLiteral("map:close");
    map.lines << QStringLiteral("</map>");
    m_sections << map;

    m_sections << section(QStringLiteral("End"), QStringLiteral("end"),
        { QStringLiteral("</body>"), QStringLiteral("</html>") });
}

QString MapPage::text() const
{
    QString page;
    for (const Section& s : m_sections) {
        for (const QString& line : s.lines)
            page += line + QLatin1Char('\n');
    }
    return page;
}

QString MapPage::areaKey(qint32 number)
{
    return AreaKeyPrefix + QString::number(number);
}

qint32 MapPage::figureNumberOfKey(const QString& key)
{
    if (!key.startsWith(AreaKeyPrefix))
        return 0;
    bool ok = false;
    const qint32 number = key.mid(AreaKeyPrefix.size()).toInt(&ok);
    return ok ? number : 0;
}
