#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

/// The HTML page the studio exports: the picture and its image map, in
/// sections that the code panel shows under header rows.
class MapPage
{
public:
    struct Section
    {
        QString title;
        /// Row keys, one per line ("area:3" for the tag of figure 3).
        QStringList keys;
        QStringList lines;
    };

    /// A page for the picture \a pictureFile of \a pictureSize whose map
    /// holds \a areaTags (the map control's ClientSide export) for the
    /// figures \a figureNumbers, in the same order.
    MapPage(const QString& title, const QString& pictureFile, QSize pictureSize,
        const QString& areaTags, const QList<qint32>& figureNumbers);

    const QList<Section>& sections() const { return m_sections; }
    /// The whole page, lines ending in "\n".
    QString text() const;

    /// The row key of the area tag of figure \a number, and back (0 when none).
    static QString areaKey(qint32 number);
    static qint32 figureNumberOfKey(const QString& key);

private:
    QList<Section> m_sections;
};
