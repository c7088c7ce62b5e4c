#include "PageWriter.h"

#include "AreaListFormat.h"
#include "HtmlPageReader.h"
#include "MapDocument.h"

#include <QDate>
#include <QSet>
#include <algorithm>

namespace {

const QString AreaKeyPrefix = QStringLiteral("area:");
const QString Indent = QStringLiteral("  ");

QString escaped(const QString& text)
{
    return AreaShape::escapeAttribute(text);
}

// The "#fragment" targets of the areas that nothing on a generated page
// carries as an id, so every link of the page leads somewhere.
QStringList missingTargets(const MapDocument& document, QStringList* labels)
{
    QSet<QString> ids;
    for (const MapArea& area : document.areas())
        ids.insert(area.value(QStringLiteral("id")));
    QStringList targets;
    for (const MapArea& area : document.areas()) {
        const QString href = area.value(QStringLiteral("href"));
        if (href.size() < 2 || !href.startsWith(QLatin1Char('#')))
            continue;
        const QString target = href.mid(1);
        if (ids.contains(target) || targets.contains(target))
            continue;
        targets << target;
        *labels << area.label();
    }
    return targets;
}

// \a text without the rescaling scripts the studio added to the page before.
QString withoutScripts(QString text, const QList<PageFrame::Span>& scripts)
{
    // Back to front, so each place still stands where the page had it.
    for (qsizetype i = scripts.size() - 1; i >= 0; --i)
        text.remove(scripts.at(i).at, scripts.at(i).length);
    return text;
}

QString dateTag(const QDate& date)
{
    return QStringLiteral("<meta name=\"date\" content=\"%1\">").arg(date.toString(Qt::ISODate));
}

// The text before the map with the head's title and date as the document
// holds them and without the studio's scripts; what the person did not
// change stays as the page wrote it.
QString withHeadFields(const MapDocument& document)
{
    const PageFrame& frame = *document.frame();
    struct Splice
    {
        qsizetype at;
        qsizetype length;
        QString text;
    };
    QList<Splice> splices;
    const auto place
        = [&](const PageFrame::Span& span, const QString& replacement, const QString& inserted) {
              if (span.at >= 0)
                  splices.append({ span.at, span.length, replacement });
              else if (frame.headEnd >= 0 && !inserted.isEmpty())
                  splices.append({ frame.headEnd, 0, inserted });
          };
    // Of two elements new to the head, the one placed last comes first: the title.
    if (document.date() != frame.date) {
        const QString tag = document.date().isValid() ? dateTag(document.date()) : QString();
        place(frame.dateTag, tag, tag.isEmpty() ? QString() : tag + QLatin1Char('\n'));
    }
    if (document.title() != frame.title) {
        const QString title = escaped(document.title());
        place(frame.titleText, title, QStringLiteral("<title>%1</title>\n").arg(title));
    }
    for (const PageFrame::Span& script : frame.scriptsBefore)
        splices.append({ script.at, script.length, QString() });
    // Back to front, so each place still stands where the page had it.
    std::stable_sort(splices.begin(), splices.end(),
        [](const Splice& a, const Splice& b) { return a.at > b.at; });
    QString text = frame.before;
    for (const Splice& s : std::as_const(splices))
        text.replace(s.at, s.length, s.text);
    return text;
}

} // namespace

PageWriter::PageWriter(const MapDocument& document)
{
    if (document.frame())
        writeFramed(document);
    else
        writeGenerated(document);
}

QString PageWriter::mapText(const MapDocument& document, const QString& startTag,
    const QString& leading, const QStringList& between, const QString& closing,
    const QString& endTag)
{
    // A new area takes the indent of the line the first area is on: its
    // blanks, not the markup that may stand before the area.
    const QString firstLine = leading.section(QLatin1Char('\n'), -1);
    qsizetype indent = 0;
    while (indent < firstLine.size()
        && (firstLine.at(indent) == u' ' || firstLine.at(indent) == u'\t'))
        ++indent;
    const QString lineBreak = QLatin1Char('\n') + firstLine.left(indent);
    QString text = startTag + leading;
    const QList<MapArea>& areas = document.areas();
    for (int i = 0; i < areas.size(); ++i) {
        m_spans.append({ areas.at(i).id, m_text.size() + text.size() });
        text += areas.at(i).tag();
        const QString& trailing = areas.at(i).trailing;
        if (i + 1 < areas.size()) {
            const QString& place = i < between.size() ? between.at(i) : QString();
            text += trailing.isEmpty() && place.isEmpty() ? lineBreak : trailing + place;
        } else if (!trailing.trimmed().isEmpty()) {
            text += trailing; // what stood after an area moved to the end stays with it
        }
    }
    // The places of areas deleted keep their markup. Each stood before an
    // area's tag; before the rest of the page a text ending in "<" would
    // open a tag with what follows, so a line break keeps it text.
    for (qsizetype i = std::max<qsizetype>(areas.size() - 1, 0); i < between.size(); ++i) {
        text += between.at(i);
        if (!between.at(i).isEmpty() && !between.at(i).back().isSpace())
            text += lineBreak;
    }
    return text + closing + endTag;
}

void PageWriter::writeGenerated(const MapDocument& document)
{
    const QString title = escaped(document.title());
    const QString mapName = escaped(document.mapName());
    const QString pictureStyle = document.responsive()
        ? QStringLiteral(" style=\"max-width: 100%; height: auto\"")
        : QString();
    m_text = QStringLiteral(
        "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
        "%1<title>%2</title>\n</head>\n<body>\n")
                 .arg(document.date().isValid() ? dateTag(document.date()) + QLatin1Char('\n')
                                                : QString(),
                     title);
    m_text += QStringLiteral(
        "<img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\" usemap=\"#%5\"%6>\n")
                  .arg(escaped(document.pictureName()))
                  .arg(document.picture().Width())
                  .arg(document.picture().Height())
                  .arg(title, mapName, pictureStyle);
    m_mapStart = m_text.size();
    m_text += mapText(document, QStringLiteral("<map name=\"%1\">").arg(mapName),
        QLatin1Char('\n') + Indent, {}, QStringLiteral("\n"), QStringLiteral("</map>"));
    m_text += QLatin1Char('\n');
    m_mapEnd = m_text.size();

    QStringList labels;
    const QStringList targets = missingTargets(document, &labels);
    if (!targets.isEmpty()) {
        m_text += QStringLiteral("<ul>\n");
        for (int i = 0; i < targets.size(); ++i) {
            m_text += QStringLiteral("%1<li id=\"%2\">%3</li>\n")
                          .arg(Indent, escaped(targets.at(i)), labels.at(i).toHtmlEscaped());
        }
        m_text += QStringLiteral("</ul>\n");
    }
    if (document.responsive())
        m_text += responsiveScript();
    m_text += QStringLiteral("</body>\n</html>\n");
}

void PageWriter::writeFramed(const MapDocument& document)
{
    const PageFrame& frame = *document.frame();
    m_text = withHeadFields(document);
    m_mapStart = m_text.size();
    m_text += mapText(
        document, frame.mapStartTag, frame.leading, frame.between, frame.closing, frame.mapEndTag);
    m_mapEnd = m_text.size();
    QString after = withoutScripts(frame.after, frame.scriptsAfter);
    if (document.responsive()) {
        // Before "</body>", else right after the map: the end of the page
        // can be inside a comment or a tag never finished.
        qsizetype at = frame.bodyEnd;
        for (const PageFrame::Span& script : frame.scriptsAfter) {
            if (script.at < frame.bodyEnd)
                at -= script.length;
        }
        if (at < 0)
            at = 0;
        if (at > 0 && after.at(at - 1) != QLatin1Char('\n'))
            after.insert(at++, QLatin1Char('\n'));
        after.insert(at, responsiveScript());
    }
    m_text += after;
}

QList<PageWriter::Line> PageWriter::lines() const
{
    QList<Line> result;
    qsizetype start = 0;
    int spanIndex = 0;
    int continuing = 0; // id of an area tag that runs over this line
    int continuation = 1;
    int lineNumber = 0;
    while (start < m_text.size()) {
        qsizetype end = m_text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = m_text.size();
        ++lineNumber;
        Line line;
        line.text = m_text.mid(start, end - start);
        line.section = start < m_mapStart ? QStringLiteral("Page")
            : start < m_mapEnd            ? QStringLiteral("Map")
                                          : QStringLiteral("End");
        while (spanIndex < m_spans.size() && m_spans.at(spanIndex).start < start)
            ++spanIndex;
        if (spanIndex < m_spans.size() && m_spans.at(spanIndex).start <= end) {
            continuing = m_spans.at(spanIndex).id;
            continuation = 1;
            line.key = areaKey(continuing);
            // The tag runs over the line end when no ">" closes it on this line.
            const qsizetype close = m_text.indexOf(QLatin1Char('>'), m_spans.at(spanIndex).start);
            if (close < 0 || close <= end)
                continuing = 0;
        } else if (continuing != 0) {
            line.key = QStringLiteral("%1:%2").arg(areaKey(continuing)).arg(++continuation);
            if (line.text.contains(QLatin1Char('>')))
                continuing = 0;
        } else {
            line.key = QStringLiteral("line:%1").arg(lineNumber);
        }
        result << line;
        start = end + 1;
    }
    return result;
}

int PageWriter::areaOfKey(const QString& key)
{
    if (!key.startsWith(AreaKeyPrefix))
        return 0;
    bool ok = false;
    const int id = key.mid(AreaKeyPrefix.size()).section(QLatin1Char(':'), 0, 0).toInt(&ok);
    return ok ? id : 0;
}

QString PageWriter::areaKey(int id)
{
    return AreaKeyPrefix + QString::number(id);
}

QString PageWriter::responsiveScript()
{
    return QStringLiteral(
        "<script %1>\n"
        "/* Browsers read area coordinates in picture pixels: scale them to the shown picture. */\n"
        "(function () {\n"
        "  function rescale() {\n"
        "    var images = document.querySelectorAll('img[usemap]');\n"
        "    for (var i = 0; i < images.length; i++) {\n"
        "      var img = images[i];\n"
        "      var name = img.getAttribute('usemap').replace(/^#/, '');\n"
        "      var w = parseFloat(img.getAttribute('width')) || img.naturalWidth;\n"
        "      var h = parseFloat(img.getAttribute('height')) || img.naturalHeight;\n"
        "      if (!w || !h || !img.clientWidth) continue;\n"
        "      var sx = img.clientWidth / w, sy = img.clientHeight / h;\n"
        "      var maps = document.getElementsByTagName('map');\n"
        "      for (var m = 0; m < maps.length; m++) {\n"
        "        if (maps[m].name !== name && maps[m].id !== name) continue;\n"
        "        var areas = maps[m].getElementsByTagName('area');\n"
        "        for (var a = 0; a < areas.length; a++) {\n"
        "          var area = areas[a];\n"
        "          if (area.zelCoords === undefined) area.zelCoords = area.getAttribute('coords') "
        "|| '';\n"
        "          var circle = /^circ/i.test(area.getAttribute('shape') || '');\n"
        "          var values = area.zelCoords.split(/[\\s,;]+/).filter(function (v) { return v "
        "!== ''; });\n"
        "          var scaled = values.map(function (v, k) {\n"
        "            var s = circle && k === 2 ? Math.min(sx, sy) : (k % 2 ? sy : sx);\n"
        "            return Math.round(parseFloat(v) * s * 100) / 100;\n"
        "          });\n"
        "          if (scaled.every(function (v) { return !isNaN(v); }))\n"
        "            area.setAttribute('coords', scaled.join(','));\n"
        "        }\n"
        "      }\n"
        "    }\n"
        "  }\n"
        "  window.addEventListener('load', rescale);\n"
        "  window.addEventListener('resize', rescale);\n"
        "  if (document.readyState === 'complete') rescale();\n"
        "})();\n"
        "</script>\n")
        .arg(HtmlPageReader::responsiveMarker());
}
