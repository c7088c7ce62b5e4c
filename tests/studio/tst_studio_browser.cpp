// A saved page in a real browser: headless Chromium hit-tests a grid of
// points over the picture, and every point must land on the area the studio
// says a browser picks there, at full size and, with the rescaling script,
// at half size. Skipped where Chromium is not installed.

#include "DocumentIO.h"
#include "MapDocument.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace {

// The probe written into the page before </body>, with its grid filled in.
QString probe(double step, int columns, int rows)
{
    QFile file(QStringLiteral(STUDIO_TESTS) + QStringLiteral("/browser-probe.html"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing browser-probe.html");
    return QString::fromUtf8(file.readAll())
        .replace(QStringLiteral("STEP"), QString::number(step))
        .replace(QStringLiteral("COLUMNS"), QString::number(columns))
        .replace(QStringLiteral("ROWS"), QString::number(rows));
}

struct Hit
{
    QPointF point;
    int index;
};

} // namespace

class TestStudioBrowser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void browserPicksWhatTheStudioSays_data();
    void browserPicksWhatTheStudioSays();

private:
    QList<Hit> hitsInBrowser(const QString& page);

    QString m_chromium;
    QTemporaryDir m_dir;
};

void TestStudioBrowser::initTestCase()
{
    for (const char* name : { "chromium", "chromium-browser" }) {
        m_chromium = QStandardPaths::findExecutable(QLatin1String(name));
        if (!m_chromium.isEmpty())
            break;
    }
    if (m_chromium.isEmpty())
        QSKIP("Chromium is not installed");
}

QList<Hit> TestStudioBrowser::hitsInBrowser(const QString& page)
{
    QProcess browser;
    // --no-sandbox: CI runs as root, where Chromium's sandbox refuses to start.
    browser.start(m_chromium,
        { QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
            QStringLiteral("--disable-gpu"), QStringLiteral("--window-size=1200,1000"),
            QStringLiteral("--dump-dom"), QUrl::fromLocalFile(page).toString() });
    if (!browser.waitForFinished(120000)) {
        browser.kill();
        browser.waitForFinished();
        return {};
    }
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());
    static const QRegularExpression result(QStringLiteral("<pre id=\"probe\">([^<]*)</pre>"));
    QList<Hit> hits;
    for (const QString& entry :
        result.match(dom).captured(1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList fields = entry.split(QLatin1Char(','));
        if (fields.size() == 3)
            hits.append({ QPointF(fields.at(0).toDouble(), fields.at(1).toDouble()),
                fields.at(2).toInt() });
    }
    return hits;
}

void TestStudioBrowser::browserPicksWhatTheStudioSays_data()
{
    QTest::addColumn<bool>("halfSize");
    QTest::newRow("full size") << false;
    QTest::newRow("half size, rescaled") << true;
}

void TestStudioBrowser::browserPicksWhatTheStudioSays()
{
    QFETCH(bool, halfSize);
    MapDocument document;
    DocumentIO::loadSample(document);
    // An area laid over two rooms, after them in the page: the rooms win where they meet.
    MapArea across;
    across.setValue(QStringLiteral("shape"), QStringLiteral("rect"));
    across.setValue(QStringLiteral("coords"), QStringLiteral("150,150,300,300"));
    across.setValue(QStringLiteral("href"), QStringLiteral("#across"));
    across.setValue(QStringLiteral("alt"), QStringLiteral("Across"));
    document.insert(document.count(), across);
    document.setResponsive(halfSize);

    const QString name = halfSize ? QStringLiteral("half.html") : QStringLiteral("full.html");
    const QString pageFile = m_dir.filePath(name);
    QString error;
    QVERIFY2(DocumentIO::savePage(document, pageFile, &error), qPrintable(error));

    // The test page: the saved page with the probe, and for the half size a
    // style that shows the picture at 320 x 240.
    QFile file(pageFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString page = QString::fromUtf8(file.readAll());
    file.close();
    const double scale = halfSize ? 0.5 : 1.0;
    const double step = 20 * scale;
    page.replace(QStringLiteral("</body>"), probe(step, 32, 24) + QStringLiteral("</body>"));
    if (halfSize)
        page.replace(QStringLiteral("</head>"),
            QStringLiteral("<style>img { width: 320px; height: 240px }</style>\n</head>"));
    const QString testPage = m_dir.filePath(QStringLiteral("probe-") + name);
    QFile out(testPage);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(page.toUtf8());
    out.close();

    const QList<Hit> hits = hitsInBrowser(testPage);
    QCOMPARE(hits.size(), 32 * 24);
    int onAreas = 0;
    for (const Hit& hit : hits) {
        const QPointF inPicture = hit.point / scale;
        const int expected = document.indexOf(document.browserPick(inPicture));
        if (expected >= 0)
            ++onAreas;
        QVERIFY2(hit.index == expected,
            qPrintable(QStringLiteral("at %1,%2 the browser picks %3, the studio says %4")
                           .arg(inPicture.x())
                           .arg(inPicture.y())
                           .arg(hit.index)
                           .arg(expected)));
    }
    QVERIFY(onAreas > hits.size() / 2); // the grid really crosses the hotspots
}

QTEST_MAIN(TestStudioBrowser)
#include "tst_studio_browser.moc"
