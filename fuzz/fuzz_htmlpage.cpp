// HTML pages through the studio's page reader. A page the reader refuses
// leaves the result as it was and says why. Every map of a page it takes is
// written back as Save writes it, and that page reads again to the same
// maps; so does the page with the map's tags written afresh by the studio
// (names in the other letter case, attributes in reverse order, values
// quoted anew), and the page with the map's areas in reverse order gives
// the same areas again.

#include "DocumentIO.h"
#include "FuzzSupport.h"
#include "HtmlPageReader.h"
#include "MapDocument.h"
#include "PageWriter.h"

#include <algorithm>

namespace {

// Writing and reading a page is quick, but a page of hundreds of maps would
// make one input take seconds; the first few show every rule.
constexpr int MapsChecked = 4;

QString asciiLower(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return out;
}

// The other letter case for ASCII letters, as the parser folds only those.
QString asciiFlipped(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
        else if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    }
    return out;
}

QString attributeText(const HtmlAttribute& a, bool foldCase)
{
    const QString name = foldCase ? asciiLower(a.name) : a.name;
    return a.hasValue ? name + QLatin1Char('=') + ZelFuzz::quoted(a.value) : name;
}

// One area as text, its attributes in page order, or sorted by name with the
// letter case folded when only what it says counts.
QString areaText(const MapArea& area, bool asSet)
{
    QStringList attributes;
    for (const HtmlAttribute& a : area.attributes)
        attributes << attributeText(a, asSet);
    if (asSet)
        attributes.sort();
    return QStringLiteral("<area ") + attributes.join(QLatin1Char(' ')) + QLatin1Char('>');
}

QString areasText(const QList<MapArea>& areas, bool asSet)
{
    QStringList lines;
    for (const MapArea& area : areas)
        lines << areaText(area, asSet);
    if (asSet)
        lines.sort();
    return lines.join(QLatin1Char('\n'));
}

QString mapText(const PageMap& map, bool asSet)
{
    return QStringLiteral("map %1 (picture %2, alt %3)\n%4")
        .arg(ZelFuzz::quoted(map.name), ZelFuzz::quoted(map.pictureSource),
            ZelFuzz::quoted(map.pictureAlt), areasText(map.areas, asSet));
}

// The page's maps as text; the map \a loose compared by its areas as a set.
QString mapsText(const HtmlPage& page, int loose = -1)
{
    QStringList maps;
    for (int i = 0; i < page.maps.size(); ++i)
        maps << mapText(page.maps.at(i), i == loose);
    return QStringLiteral("%1 maps, %2 areas outside them\n")
               .arg(page.maps.size())
               .arg(page.areasOutsideMaps.size())
        + maps.join(QLatin1Char('\n'));
}

// Reads \a saved, which the studio wrote, and checks it holds the maps of
// \a expected (the map \a loose by its areas as a set).
HtmlPage readBack(const QString& how, const QString& saved, const HtmlPage& expected, int loose)
{
    HtmlPage again;
    PageError error;
    if (!HtmlPageReader::read(saved.toUtf8(), &again, &error)) {
        ZelFuzz::fail(__FILE__, __LINE__,
            QStringLiteral("the page written %1 does not read back (%2):\n%3")
                .arg(how, error.text(), ZelFuzz::quoted(saved)));
    }
    const QString want = mapsText(expected, loose);
    const QString got = mapsText(again, loose);
    ZEL_FUZZ_CHECK(got == want,
        QStringLiteral("the page written %1 reads back to other maps:\n%2\ninstead of\n%3\n"
                       "page:\n%4")
            .arg(how, got, want, ZelFuzz::quoted(saved)));
    return again;
}

void checkMap(const HtmlPage& page, int index)
{
    MapDocument document;
    DocumentIO::showMap(document, page, index, StdPicture(), QString());

    // As it was: the same maps, and saving the page read back changes nothing.
    const QString saved = PageWriter(document).text();
    const HtmlPage again = readBack(QStringLiteral("unchanged"), saved, page, -1);
    MapDocument reopened;
    DocumentIO::showMap(reopened, again, index, StdPicture(), QString());
    const QString savedAgain = PageWriter(reopened).text();
    ZEL_FUZZ_CHECK(savedAgain == saved,
        QStringLiteral("saving the saved page again changes it:\n%1\nbecomes\n%2")
            .arg(ZelFuzz::quoted(saved), ZelFuzz::quoted(savedAgain)));

    // Every tag written by the studio, from names in the other case and in
    // reverse order.
    QList<MapArea> rewritten = page.maps.at(index).areas;
    for (MapArea& area : rewritten) {
        std::reverse(area.attributes.begin(), area.attributes.end());
        for (HtmlAttribute& a : area.attributes)
            a.name = asciiFlipped(a.name);
        area.sourceTag.clear();
    }
    document.setAreas(rewritten);
    readBack(QStringLiteral("with its tags rewritten"), PageWriter(document).text(), page, index);

    // The areas in reverse order, each tag as the page wrote it.
    QList<MapArea> reversed = page.maps.at(index).areas;
    std::reverse(reversed.begin(), reversed.end());
    document.setAreas(reversed);
    readBack(QStringLiteral("with its areas reversed"), PageWriter(document).text(), page, index);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZelFuzz::ensureApplication();
    const QByteArray source(reinterpret_cast<const char*>(data), qsizetype(size));

    HtmlPage page;
    page.title = QStringLiteral("kept");
    page.notes << QStringLiteral("kept");
    PageError error;
    if (!HtmlPageReader::read(source, &page, &error)) {
        ZEL_FUZZ_CHECK(
            page.title == QStringLiteral("kept") && page.notes.size() == 1 && page.maps.isEmpty(),
            QStringLiteral("a refused page changed the result"));
        ZEL_FUZZ_CHECK(!error.message.isEmpty(), QStringLiteral("a refused page names no fault"));
        return 0;
    }
    ZEL_FUZZ_CHECK(!page.maps.isEmpty(), QStringLiteral("a page taken without a map"));
    for (int i = 0; i < std::min(int(page.maps.size()), MapsChecked); ++i)
        checkMap(page, i);
    return 0;
}
