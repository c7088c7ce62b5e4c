// The studio's document without a window: reading area lists and real-world
// pages, writing pages back, the undo commands and the map's problems.

#include "AreaListFormat.h"
#include "DocumentCommands.h"
#include "DocumentIO.h"
#include "HtmlPageReader.h"
#include "MapDocument.h"
#include "MapProblems.h"
#include "PageWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

namespace {

MapArea rectangle(const QString& coords, const QString& alt = {}, const QString& href = {})
{
    MapArea area;
    area.setValue(QStringLiteral("shape"), QStringLiteral("rect"));
    area.setValue(QStringLiteral("coords"), coords);
    if (!href.isEmpty())
        area.setValue(QStringLiteral("href"), href);
    if (!alt.isEmpty())
        area.setValue(QStringLiteral("alt"), alt);
    return area;
}

QStringList labels(const MapDocument& document)
{
    QStringList result;
    for (const MapArea& area : document.areas())
        result << area.label();
    return result;
}

QByteArray readFile(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& fileName, const QByteArray& bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The pages in pages/ are written as authors and other tools write them:
// letter case, every quoting style, the long and short shape names, blanks
// between coordinates, attributes no browser knows, two maps and areas
// outside any, and markup a browser repairs (an unclosed map and quote).
QByteArray testPage(const QString& name)
{
    QFile file(QStringLiteral(STUDIO_PAGES) + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test page %s", qPrintable(name));
    return file.readAll();
}

} // namespace

class TestStudioDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void areaListKeepsGoodLinesAndNamesTheField_data();
    void areaListKeepsGoodLinesAndNamesTheField();
    void areaListRoundTrip();
    void areaListLinksLeadSomewhere();

    void readsMixedPage();
    void mixedPageSavedBackUnchanged();
    void editedAreaOnlyRewritesItsTag();
    void readsTwoMapsAndStrayAreas();
    void readsBrokenMarkupWithNotes();
    void rejectsWhatIsNoPage_data();
    void rejectsWhatIsNoPage();

    void generatedPageWorksOnItsOwn();
    void savedPageReadsBackTheSame();
    void loadPageChoosesAMapAndFindsThePicture();
    void failedLoadLeavesDocumentAlone();
    void responsivePageRoundTrip();
    void headFieldsOfAReadPage_data();
    void headFieldsOfAReadPage();

    void undoOfRemoveKeepsDocumentOrder();
    void moveAndChangeUndoRedo();
    void browserPicksFirstInDocumentOrder();
    void problems();
    void codeBoxLinesFollowThePage();
};

void TestStudioDocument::areaListKeepsGoodLinesAndNamesTheField_data()
{
    QTest::addColumn<QString>("badLine");
    QTest::addColumn<QString>("field");
    QTest::newRow("kind") << QStringLiteral("1,2,3,4|Triangle|2||False|Bad")
                          << QStringLiteral("kind");
    QTest::newRow("missing kind") << QStringLiteral("1,2,3,4") << QStringLiteral("kind");
    QTest::newRow("number") << QStringLiteral("1,2,3,4|Rectangle|two||False|Bad")
                            << QStringLiteral("number");
    QTest::newRow("colour") << QStringLiteral("1,2,3,4|Rectangle|2|&HZZ|False|Bad")
                            << QStringLiteral("colour");
    QTest::newRow("locked") << QStringLiteral("1,2,3,4|Rectangle|2||Maybe|Bad")
                            << QStringLiteral("locked");
    QTest::newRow("coordinates") << QStringLiteral("1,2,x,4|Rectangle|2||False|Bad")
                                 << QStringLiteral("coordinates");
    QTest::newRow("too few") << QStringLiteral("5,5|Circle|2||False|Bad")
                             << QStringLiteral("coordinates");
}

void TestStudioDocument::areaListKeepsGoodLinesAndNamesTheField()
{
    QFETCH(QString, badLine);
    QFETCH(QString, field);
    const QString text = QStringLiteral("10,10,50,50|rectangle|1|&H40B0E0|False|Kitchen\r\n")
        + badLine + QStringLiteral("\r\n60,60,20|circ|3||True|Table|table.html\r\n");
    const AreaListFormat::Result read = AreaListFormat::read(text);
    QCOMPARE(read.areas.size(), 2);
    QCOMPARE(read.areas.at(0).value(QStringLiteral("shape")), QStringLiteral("rect"));
    QCOMPARE(read.areas.at(0).colour, 0x40B0E0);
    QCOMPARE(read.areas.at(1).value(QStringLiteral("shape")), QStringLiteral("circle"));
    QCOMPARE(read.areas.at(1).value(QStringLiteral("href")), QStringLiteral("table.html"));
    QVERIFY(read.areas.at(1).locked);
    QCOMPARE(read.errors.size(), 1);
    QCOMPARE(read.errors.first().line, 2);
    QCOMPARE(read.errors.first().field, field);
    QVERIFY2(read.errors.first().text().startsWith(QStringLiteral("line 2, %1: ").arg(field)),
        qPrintable(read.errors.first().text()));
}

void TestStudioDocument::areaListRoundTrip()
{
    MapDocument document;
    DocumentIO::loadSample(document);
    QVERIFY(document.count() >= 8);
    const QString written = AreaListFormat::write(document.areas());
    const AreaListFormat::Result again = AreaListFormat::read(written);
    QVERIFY(again.errors.isEmpty());
    QCOMPARE(again.areas.size(), document.count());
    for (int i = 0; i < document.count(); ++i) {
        QCOMPARE(again.areas.at(i).geometry().numbers, document.at(i).geometry().numbers);
        QCOMPARE(again.areas.at(i).value(QStringLiteral("alt")),
            document.at(i).value(QStringLiteral("alt")));
        QCOMPARE(again.areas.at(i).colour, document.at(i).colour);
        QCOMPARE(again.areas.at(i).locked, document.at(i).locked);
    }
    // Areas the list cannot hold are left out rather than written wrongly.
    MapArea fallback;
    fallback.setValue(QStringLiteral("shape"), QStringLiteral("default"));
    QVERIFY(AreaListFormat::write({ fallback }).isEmpty());
}

void TestStudioDocument::areaListLinksLeadSomewhere()
{
    // A line without a name or href still gives a link with an alt text.
    const AreaListFormat::Result read
        = AreaListFormat::read(QStringLiteral("1,1,9,9|Rectangle|7||False\n"));
    QCOMPARE(read.areas.size(), 1);
    const MapArea& area = read.areas.first();
    QCOMPARE(area.value(QStringLiteral("alt")), QStringLiteral("Hotspot 7"));
    QCOMPARE(area.value(QStringLiteral("href")), QStringLiteral("#hotspot-7"));
    QCOMPARE(AreaListFormat::fragmentFor(QStringLiteral("  Living room / Hall!")),
        QStringLiteral("living-room-hall"));
}

void TestStudioDocument::readsMixedPage()
{
    HtmlPage page;
    PageError error;
    QVERIFY2(HtmlPageReader::read(
                 testPage(QStringLiteral("mixed-case-and-quoting.html")), &page, &error),
        qPrintable(error.text()));
    QCOMPARE(page.title, QStringLiteral("Campus & grounds"));
    QCOMPARE(page.maps.size(), 1);
    const PageMap& map = page.maps.first();
    QCOMPARE(map.name, QStringLiteral("Campus"));
    QCOMPARE(map.pictureSource, QStringLiteral("campus.png"));
    QCOMPARE(map.areas.size(), 6);

    const QList<MapArea>& areas = map.areas;
    QCOMPARE(areas.at(0).geometry().kind, AreaKind::Rectangle);
    QCOMPARE(areas.at(0).value(QStringLiteral("data-room")), QStringLiteral("12"));
    QCOMPARE(areas.at(0).attributes.first().name, QStringLiteral("SHAPE")); // case as written
    QCOMPARE(areas.at(1).geometry().kind, AreaKind::Circle);
    QCOMPARE(areas.at(1).geometry().numbers, (QList<double> { 150, 60, 30 }));
    QCOMPARE(areas.at(1).value(QStringLiteral("onclick")), QStringLiteral("track('pond')"));
    QCOMPARE(areas.at(1).value(QStringLiteral("target")), QStringLiteral("_blank"));
    QCOMPARE(areas.at(2).geometry().kind, AreaKind::Polygon);
    QCOMPARE(areas.at(2).geometry().numbers, (QList<double> { 200, 10, 260, 10, 230, 70 }));
    QCOMPARE(areas.at(2).value(QStringLiteral("x-custom")), QStringLiteral("kept"));
    QCOMPARE(areas.at(3).geometry().kind, AreaKind::Rectangle);
    QVERIFY(areas.at(3).has(QStringLiteral("nohref")));
    QVERIFY(!areas.at(3).attributes.at(2).hasValue);
    QCOMPARE(areas.at(4).geometry().kind, AreaKind::Default);
    QVERIFY(!areas.at(4).geometry().isShown());
    QCOMPARE(areas.at(5).geometry().kind, AreaKind::Unknown);
    QCOMPARE(areas.at(2).line, 9);

    // The areas a browser would use but the map cannot show are named with their lines.
    const QString notes = page.notes.join(QLatin1Char('\n'));
    QVERIFY2(
        notes.contains(QStringLiteral("line 11:")) && notes.contains(QStringLiteral("line 12:")),
        qPrintable(notes));
}

void TestStudioDocument::mixedPageSavedBackUnchanged()
{
    for (const QByteArray& source : { testPage(QStringLiteral("mixed-case-and-quoting.html")),
             testPage(QStringLiteral("broken-markup.html")) }) {
        HtmlPage page;
        QVERIFY(HtmlPageReader::read(source, &page, nullptr));
        MapDocument document;
        document.setFrame(page.maps.first().frame);
        document.setAreas(page.maps.first().areas);
        QCOMPARE(PageWriter(document).text(), QString::fromUtf8(source));
    }
}

void TestStudioDocument::editedAreaOnlyRewritesItsTag()
{
    HtmlPage page;
    QVERIFY(HtmlPageReader::read(
        testPage(QStringLiteral("mixed-case-and-quoting.html")), &page, nullptr));
    MapDocument document;
    document.setFrame(page.maps.first().frame);
    document.setAreas(page.maps.first().areas);
    MapArea pond = document.at(1);
    pond.setValue(QStringLiteral("alt"), QStringLiteral("Duck pond & fountain"));
    document.replace(1, pond);
    document.move(0, 2);

    const QString saved = PageWriter(document).text();
    QVERIFY(saved.contains(QStringLiteral("<area shape=\"circ\" coords=\"150 60 30\" "
                                          "href=\"pond.html\" alt=\"Duck pond &amp; fountain\" "
                                          "onclick=\"track('pond')\" target=\"_blank\">")));
    QVERIFY(saved.contains(QStringLiteral("<AREA SHAPE=RECT COORDS=\"10,10,100,80\" "
                                          "HREF=\"library.html\" ALT=\"Library\" data-room=12>")));
    QVERIFY(
        saved.indexOf(QStringLiteral("pond.html")) < saved.indexOf(QStringLiteral("tower.html")));
    QVERIFY(saved.indexOf(QStringLiteral("tower.html"))
        < saved.indexOf(QStringLiteral("library.html")));
    QVERIFY(saved.contains(QStringLiteral("<!-- the campus map -->")));

    // Read again, every area and attribute is there in the new order.
    HtmlPage again;
    QVERIFY(HtmlPageReader::read(saved.toUtf8(), &again, nullptr));
    QCOMPARE(again.maps.first().areas.size(), 6);
    QCOMPARE(again.maps.first().areas.at(0).value(QStringLiteral("alt")),
        QStringLiteral("Duck pond & fountain"));
    QCOMPARE(
        again.maps.first().areas.at(2).value(QStringLiteral("data-room")), QStringLiteral("12"));
}

void TestStudioDocument::readsTwoMapsAndStrayAreas()
{
    HtmlPage page;
    QVERIFY(HtmlPageReader::read(testPage(QStringLiteral("two-maps.html")), &page, nullptr));
    QCOMPARE(page.maps.size(), 2);
    QCOMPARE(page.maps.at(0).name, QStringLiteral("first"));
    QCOMPARE(page.maps.at(1).name, QStringLiteral("second")); // named by its id
    QCOMPARE(page.maps.at(1).pictureSource, QStringLiteral("b.png"));
    QCOMPARE(page.maps.at(1).areas.size(), 2);
    QCOMPARE(page.areasOutsideMaps, QList<int> { 8 });

    // Writing back the second map leaves the first and the stray area alone.
    MapDocument document;
    document.setFrame(page.maps.at(1).frame);
    document.setAreas(page.maps.at(1).areas);
    document.takeAt(0);
    const QString saved = PageWriter(document).text();
    QVERIFY(
        saved.contains(QStringLiteral("<map name=\"first\"><area shape=\"rect\" "
                                      "coords=\"0,0,10,10\" href=\"a.html\" alt=\"A\"></map>")));
    QVERIFY(saved.contains(QStringLiteral("stray.html")));
    QVERIFY(!saved.contains(QStringLiteral("b.html")));
    QVERIFY(saved.contains(QStringLiteral("c.html")));
}

void TestStudioDocument::readsBrokenMarkupWithNotes()
{
    HtmlPage page;
    QVERIFY(HtmlPageReader::read(testPage(QStringLiteral("broken-markup.html")), &page, nullptr));
    QCOMPARE(page.maps.size(), 1);
    // The misplaced quote runs into the next attribute, as a browser reads it.
    QCOMPARE(page.maps.first().areas.size(), 3);
    QCOMPARE(page.maps.first().areas.at(1).value(QStringLiteral("href")),
        QStringLiteral("two.html alt="));
    const QString notes = page.notes.join(QLatin1Char('\n'));
    QVERIFY2(
        notes.contains(QStringLiteral("line 3: the map \"m\" is never closed")), qPrintable(notes));
}

void TestStudioDocument::rejectsWhatIsNoPage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("binary") << QByteArray("<html>\nab\0cd", 13)
                            << QStringLiteral("line 2: the file holds binary data");
    QTest::newRow("no map") << QByteArray("<p>hello") << QStringLiteral("no image map");
    QTest::newRow("areas only") << QByteArray("<p>\n<area shape=rect coords=1,2,3,4>")
                                << QStringLiteral("line 2: the <area> tags are in no <map>");
}

void TestStudioDocument::rejectsWhatIsNoPage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    HtmlPage page;
    PageError error;
    QVERIFY(!HtmlPageReader::read(bytes, &page, &error));
    QVERIFY2(error.text().contains(message), qPrintable(error.text()));
}

void TestStudioDocument::generatedPageWorksOnItsOwn()
{
    QTemporaryDir dir;
    MapDocument document;
    DocumentIO::loadSample(document);
    document.insert(document.count(),
        rectangle(QStringLiteral("1,1,5,5"), {}, QStringLiteral("https://example.org/")));
    const QString pageFile = dir.filePath(QStringLiteral("site/floor.html"));
    QString error;
    QVERIFY2(DocumentIO::savePage(document, pageFile, &error), qPrintable(error));

    // The picture lies beside the page and the page names it relatively.
    QVERIFY(!QImage(dir.filePath(QStringLiteral("site/sample.png"))).isNull());
    const QString saved = QString::fromUtf8(readFile(pageFile));
    QVERIFY(saved.contains(QStringLiteral("<img src=\"sample.png\" width=\"640\" height=\"480\" "
                                          "alt=\"Sample floor plan\" usemap=\"#map\">")));
    // Every fragment link has its target on the page.
    for (const MapArea& area : document.areas()) {
        const QString href = area.value(QStringLiteral("href"));
        if (href.startsWith(QLatin1Char('#')))
            QVERIFY2(
                saved.contains(QStringLiteral("id=\"%1\"").arg(href.mid(1))), qPrintable(href));
    }
    QVERIFY(!saved.contains(QStringLiteral("id=\"https")));

    // A picture of the same name but other content is not overwritten.
    MapDocument other;
    QImage red(20, 10, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString redFile = dir.filePath(QStringLiteral("sample.png"));
    QVERIFY(red.save(redFile));
    QVERIFY(DocumentIO::loadPicture(other, redFile, &error));
    QVERIFY(DocumentIO::savePage(other, dir.filePath(QStringLiteral("site/red.html")), &error));
    QCOMPARE(other.pictureName(), QStringLiteral("sample-2.png"));
    QCOMPARE(QImage(dir.filePath(QStringLiteral("site/sample-2.png"))).size(), QSize(20, 10));
    QCOMPARE(other.title(), QStringLiteral("sample"));
}

void TestStudioDocument::savedPageReadsBackTheSame()
{
    QTemporaryDir dir;
    MapDocument document;
    DocumentIO::loadSample(document);
    const QString pageFile = dir.filePath(QStringLiteral("floor.html"));
    QString error;
    QVERIFY(DocumentIO::savePage(document, pageFile, &error));

    MapDocument reopened;
    QVERIFY2(DocumentIO::loadPage(reopened, pageFile, {}, &error), qPrintable(error));
    QCOMPARE(reopened.title(), QStringLiteral("Sample floor plan"));
    QCOMPARE(reopened.picture().Width(), 640);
    QCOMPARE(labels(reopened), labels(document));
    QCOMPARE(PageWriter(reopened).text(), QString::fromUtf8(readFile(pageFile)));
}

void TestStudioDocument::loadPageChoosesAMapAndFindsThePicture()
{
    QTemporaryDir dir;
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(dir.filePath(QStringLiteral("b.png"))));
    writeFile(dir.filePath(QStringLiteral("two.html")), testPage(QStringLiteral("two-maps.html")));

    QStringList offered;
    MapDocument document;
    QString error;
    QVERIFY(DocumentIO::loadPage(
        document, dir.filePath(QStringLiteral("two.html")),
        [&offered](const QStringList& maps) {
            offered = maps;
            return 1;
        },
        &error));
    QCOMPARE(offered.size(), 2);
    QVERIFY(offered.at(1).startsWith(QStringLiteral("second (line 4, 2 areas)")));
    QCOMPARE(document.mapName(), QStringLiteral("second"));
    QCOMPARE(document.picture().Width(), 30);
    QCOMPARE(document.count(), 2);

    // Cancelling the choice opens nothing.
    MapDocument untouched;
    QVERIFY(!DocumentIO::loadPage(
        untouched, dir.filePath(QStringLiteral("two.html")), [](const QStringList&) { return -1; },
        &error));
    QCOMPARE(untouched.count(), 0);
}

void TestStudioDocument::failedLoadLeavesDocumentAlone()
{
    QTemporaryDir dir;
    writeFile(dir.filePath(QStringLiteral("bad.html")), QByteArray("<p>\n<p>no map here"));
    writeFile(dir.filePath(QStringLiteral("bad.png")), QByteArray("not a picture"));
    MapDocument document;
    DocumentIO::loadSample(document);
    const QStringList before = labels(document);
    QString error;
    QVERIFY(!DocumentIO::loadPage(document, dir.filePath(QStringLiteral("bad.html")), {}, &error));
    QVERIFY(error.contains(QStringLiteral("no image map")));
    QVERIFY(!DocumentIO::loadPicture(document, dir.filePath(QStringLiteral("bad.png")), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(labels(document), before);
    QCOMPARE(document.picture().Width(), 640);
}

void TestStudioDocument::responsivePageRoundTrip()
{
    MapDocument document;
    DocumentIO::loadSample(document);
    document.setResponsive(true);
    const QString once = PageWriter(document).text();
    QCOMPARE(once.count(HtmlPageReader::responsiveMarker()), 1);

    // Read back, the option is on and saving does not add a second script.
    HtmlPage page;
    QVERIFY(HtmlPageReader::read(once.toUtf8(), &page, nullptr));
    QVERIFY(page.responsive);
    MapDocument reread;
    reread.setFrame(page.maps.first().frame);
    reread.setAreas(page.maps.first().areas);
    reread.setResponsive(true);
    QCOMPARE(PageWriter(reread).text().count(HtmlPageReader::responsiveMarker()), 1);
    reread.setResponsive(false);
    QVERIFY(!PageWriter(reread).text().contains(HtmlPageReader::responsiveMarker()));
}

void TestStudioDocument::headFieldsOfAReadPage_data()
{
    QTest::addColumn<QString>("head");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("newHead"); // after the title and date are changed
    QTest::newRow("both") << QStringLiteral(
        "<HEAD><Title>Old</Title>\n<META NAME=Date CONTENT='2001-02-03'></HEAD>")
                          << QDate(2001, 2, 3)
                          << QStringLiteral("<HEAD><Title>New &amp; better</Title>\n"
                                            "<meta name=\"date\" content=\"2024-12-31\"></HEAD>");
    QTest::newRow("no date") << QStringLiteral("<head><title>Old</title></head>") << QDate()
                             << QStringLiteral(
                                    "<head><title>New &amp; better</title>"
                                    "<meta name=\"date\" content=\"2024-12-31\">\n</head>");
    QTest::newRow("no title, no end of head")
        << QStringLiteral("<head><meta charset=utf-8>") << QDate()
        << QStringLiteral("<head><title>New &amp; better</title>\n"
                          "<meta name=\"date\" content=\"2024-12-31\">\n<meta charset=utf-8>");
    QTest::newRow("a drawing's title is not the page's")
        << QStringLiteral("<head></head><svg><title>Icon</title></svg>") << QDate()
        << QStringLiteral("<head><title>New &amp; better</title>\n"
                          "<meta name=\"date\" content=\"2024-12-31\">\n</head>"
                          "<svg><title>Icon</title></svg>");
    QTest::newRow("date not ISO is kept")
        << QStringLiteral("<head><title>Old</title><meta name=date content=\"3 Feb 2001\"></head>")
        << QDate()
        << QStringLiteral("<head><title>New &amp; better</title>"
                          "<meta name=\"date\" content=\"2024-12-31\"></head>");
}

void TestStudioDocument::headFieldsOfAReadPage()
{
    QFETCH(QString, head);
    QFETCH(QDate, date);
    QFETCH(QString, newHead);
    QTemporaryDir dir;
    const QString body = QStringLiteral(
        "\n<body><img src=\"x.png\" usemap=\"#m\" alt=\"Pic\">"
        "<map name=\"m\"><area shape=rect coords=\"1,1,5,5\" href=\"a.html\" alt=\"A\"></map>"
        "</body></html>\n");
    const QString source = QStringLiteral("<!doctype html><html>") + head + body;
    const QString pageFile = dir.filePath(QStringLiteral("page.html"));
    writeFile(pageFile, source.toUtf8());
    MapDocument document;
    QString error;
    QVERIFY2(DocumentIO::loadPage(document, pageFile, {}, &error), qPrintable(error));
    QCOMPARE(document.date(), date);

    // Unchanged, the head stays as written; changed, only its title and date are rewritten,
    // and the page reads back with them.
    QCOMPARE(PageWriter(document).text(), source);
    document.setTitle(QStringLiteral("New & better"));
    document.setDate(QDate(2024, 12, 31));
    const QString saved = PageWriter(document).text();
    QCOMPARE(saved, QStringLiteral("<!doctype html><html>") + newHead + body);
    HtmlPage again;
    QVERIFY(HtmlPageReader::read(saved.toUtf8(), &again, nullptr));
    QCOMPARE(again.title, QStringLiteral("New & better"));
    QCOMPARE(again.date, QDate(2024, 12, 31));
    // Going back to what was read gives the page as it was.
    document.setTitle(
        head.contains(QStringLiteral("itle>Old")) ? QStringLiteral("Old") : QStringLiteral("Pic"));
    document.setDate(date);
    QCOMPARE(PageWriter(document).text(), source);
}

void TestStudioDocument::undoOfRemoveKeepsDocumentOrder()
{
    MapDocument document;
    for (const char* name : { "a", "b", "c", "d", "e" })
        document.insert(document.count(),
            rectangle(QStringLiteral("0,0,9,9"), QLatin1String(name), QStringLiteral("x.html")));
    const QStringList before = labels(document);
    QUndoStack stack;
    stack.push(new RemoveAreasCommand(
        &document, { document.at(1).id, document.at(3).id, document.at(4).id }, {}));
    QCOMPARE(labels(document), (QStringList { QStringLiteral("a"), QStringLiteral("c") }));
    stack.undo();
    QCOMPARE(labels(document), before);
    stack.redo();
    stack.push(new RemoveAreasCommand(&document, { document.at(0).id }, {}));
    stack.undo();
    stack.undo();
    QCOMPARE(labels(document), before);
}

void TestStudioDocument::moveAndChangeUndoRedo()
{
    MapDocument document;
    for (const char* name : { "a", "b", "c" })
        document.insert(document.count(),
            rectangle(QStringLiteral("0,0,9,9"), QLatin1String(name), QStringLiteral("x.html")));
    QUndoStack stack;
    stack.push(new MoveAreaCommand(&document, document.at(2).id, 0, {}));
    QCOMPARE(labels(document),
        (QStringList { QStringLiteral("c"), QStringLiteral("a"), QStringLiteral("b") }));
    MapArea changed = document.at(1);
    changed.setValue(QStringLiteral("title"), QStringLiteral("Tip"));
    changed.remove(QStringLiteral("href"));
    stack.push(new ChangeAreaCommand(&document, document.at(1), changed, {}));
    QCOMPARE(document.at(1).value(QStringLiteral("title")), QStringLiteral("Tip"));
    stack.undo();
    QVERIFY(!document.at(1).has(QStringLiteral("title")));
    QCOMPARE(document.at(1).value(QStringLiteral("href")), QStringLiteral("x.html"));
    stack.undo();
    QCOMPARE(labels(document),
        (QStringList { QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c") }));
    stack.redo();
    stack.redo();
    QCOMPARE(labels(document).first(), QStringLiteral("c"));
    QVERIFY(!document.at(1).has(QStringLiteral("href")));
}

void TestStudioDocument::browserPicksFirstInDocumentOrder()
{
    MapDocument document;
    const int big = document.insert(0,
        rectangle(QStringLiteral("0,0,100,100"), QStringLiteral("big"), QStringLiteral("b.html")));
    MapArea circle;
    circle.setValue(QStringLiteral("shape"), QStringLiteral("circ"));
    circle.setValue(QStringLiteral("coords"), QStringLiteral("50,50,10"));
    const int small = document.insert(1, circle);
    MapArea fallback;
    fallback.setValue(QStringLiteral("shape"), QStringLiteral("default"));
    const int rest = document.insert(0, fallback);
    QCOMPARE(document.browserPick(QPointF(50, 50)), big);
    QCOMPARE(document.browserPick(QPointF(150, 150)), rest);
    document.move(document.indexOf(small), 0);
    QCOMPARE(document.browserPick(QPointF(50, 50)), small);
    QCOMPARE(document.browserPick(QPointF(30, 50)), big);
}

void TestStudioDocument::problems()
{
    MapDocument document;
    QList<MapProblems::Problem> found = MapProblems::check(document);
    QCOMPARE(found.size(), 1);
    QVERIFY(found.first().message.contains(QStringLiteral("empty")));

    const int noAlt
        = document.insert(0, rectangle(QStringLiteral("0,0,50,50"), {}, QStringLiteral("a.html")));
    const int altOnly
        = document.insert(1, rectangle(QStringLiteral("200,0,250,50"), QStringLiteral("Decor")));
    const int hidden = document.insert(2,
        rectangle(
            QStringLiteral("10,10,20,20"), QStringLiteral("Inner"), QStringLiteral("i.html")));
    const int fine = document.insert(3,
        rectangle(
            QStringLiteral("50,0,90,50"), QStringLiteral("Next door"), QStringLiteral("n.html")));
    found = MapProblems::check(document);
    const auto about = [&found](int id) {
        QStringList attributes;
        for (const MapProblems::Problem& p : MapProblems::ofArea(found, id))
            attributes << p.attribute;
        return attributes;
    };
    QCOMPARE(about(noAlt), QStringList { QStringLiteral("alt") });
    QCOMPARE(about(altOnly), QStringList { QStringLiteral("alt") });
    QCOMPARE(about(hidden), QStringList { QStringLiteral("coords") });
    QVERIFY(
        MapProblems::ofArea(found, hidden).first().message.contains(QStringLiteral("\"a.html\"")));
    QVERIFY(about(fine).isEmpty()); // touching edges are no overlap
    QVERIFY(MapProblems::ofArea(found, 0).isEmpty());

    // Put first, the inner area is no longer hidden.
    document.move(document.indexOf(hidden), 0);
    found = MapProblems::check(document);
    QVERIFY(about(hidden).isEmpty());
}

void TestStudioDocument::codeBoxLinesFollowThePage()
{
    MapDocument document;
    DocumentIO::loadSample(document);
    MapArea tall
        = rectangle(QStringLiteral("1,1,5,5"), QStringLiteral("Tall"), QStringLiteral("t.html"));
    tall.sourceTag = QStringLiteral("<area shape=rect coords=1,1,5,5\n      href=t.html alt=Tall>");
    const int id = document.insert(0, tall);
    const PageWriter writer(document);
    QStringList texts;
    int tagLines = 0;
    for (const PageWriter::Line& line : writer.lines()) {
        texts << line.text;
        if (PageWriter::areaOfKey(line.key) == id)
            ++tagLines;
        if (line.text.contains(QStringLiteral("<area")))
            QCOMPARE(line.section, QStringLiteral("Map"));
    }
    QCOMPARE(texts.join(QLatin1Char('\n')) + QLatin1Char('\n'), writer.text());
    QCOMPARE(tagLines, 2);
}

QTEST_MAIN(TestStudioDocument)
#include "tst_studio_document.moc"
