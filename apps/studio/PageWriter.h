#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class MapDocument;

/// The HTML page of a document, exactly as Save writes it, and its lines as
/// the code box shows them.
class PageWriter
{
public:
    /// One line of the page, keyed for the code box: "area:ID" for the line
    /// an area's tag starts on ("area:ID:2" and on for its further lines),
    /// "line:N" for the others.
    struct Line
    {
        QString text;
        QString key;
        /// The group the line falls in: "Page", "Map" or "End".
        QString section;
    };

    explicit PageWriter(const MapDocument& document);

    /// The whole page.
    QString text() const { return m_text; }
    QList<Line> lines() const;

    /// The area id of a line key, 0 when the line holds no area tag.
    static int areaOfKey(const QString& key);
    static QString areaKey(int id);

    /// The script that rescales every area's coordinates to the shown size
    /// of its picture, on load and on resize.
    static QString responsiveScript();

private:
    struct Span
    {
        int id;
        qsizetype start;
    };
    void writeGenerated(const MapDocument& document);
    void writeFramed(const MapDocument& document);
    QString mapText(const MapDocument& document, const QString& startTag, const QString& leading,
        const QStringList& between, const QString& closing, const QString& endTag);

    QString m_text;
    QList<Span> m_spans;
    qsizetype m_mapStart = 0;
    qsizetype m_mapEnd = 0;
};
