#include "StudioWindow.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <glyphon/Zel_CodeBox.h>
#include <tabulon/ZelPropList.h>
#include <zonecraft/Zonecraft.h>

namespace {

struct Run
{
    int exitCode = -1;
    QString errors;
};

Run runStudio(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZELSTUDIO_PATH), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    Run run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

int countColour(const QImage& image, QRgb colour)
{
    int n = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            n += (line[x] & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
    }
    return n;
}

// The living-room floor of the bundled floor plan.
constexpr QRgb SampleFloor = 0xFBE7B5;
// The colour of the living room's hotspot in the sample area list (&H40B0E0).
constexpr QRgb LivingRoomHotspot = 0xE0B040;

QString propertyText(const StudioWindow& window, const QString& key)
{
    return window.properties()->ItemText(window.properties()->ItemIndex(key));
}

} // namespace

class TestStudio : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screenshotShowsTheSample()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.png"));
        const Run run = runStudio({ QStringLiteral("--screenshot"), out });
        QCOMPARE(run.exitCode, 0);
        const QImage shot(out);
        QVERIFY(!shot.isNull());
        QVERIFY(shot.width() >= 640 && shot.height() >= 480);
        // The living room is 320 x 200 pixels; its hotspot's hatch lets most
        // of the floor show through, in the hotspot's colour.
        const int floor = countColour(shot, SampleFloor);
        const int hatch = countColour(shot, LivingRoomHotspot);
        QVERIFY2(floor > 25000 && hatch > 4000,
            qPrintable(QStringLiteral("%1 %2").arg(floor).arg(hatch)));
    }

    void screenshotShowsAGivenPicture()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("magenta.png"));
        QImage image(120, 90, QImage::Format_RGB32);
        image.fill(QColor(0xFF, 0x00, 0xFF));
        QVERIFY(image.save(picture));
        const QString out = dir.filePath(QStringLiteral("out.png"));
        const Run run = runStudio({ picture, QStringLiteral("--screenshot"), out });
        QCOMPARE(run.exitCode, 0);
        const QImage shot(out);
        QCOMPARE(countColour(shot, 0xFF00FF), 120 * 90);
        QCOMPARE(countColour(shot, SampleFloor), 0);
    }

    void sampleShowsItsHotspotsInAllThreeControls()
    {
        StudioWindow window;
        window.openSample();
        QCOMPARE(window.map()->CountFigures(), 8);
        const QString page = window.htmlPage();
        QCOMPARE(page.count(QStringLiteral("<Area Shape=")), 8);
        QVERIFY(page.contains(QStringLiteral(
            "<Area Shape=RECT COORDS=42,42,358,238 href=\"#living-room\" alt=\"Living room\">")));
        QVERIFY(page.contains(QStringLiteral("usemap=\"#map\"")));
        // Every page line is a code row, each section under a header row.
        QCOMPARE(window.code()->Count().toInt() + 1, page.count(QLatin1Char('\n')) + 4);
        QCOMPARE(propertyText(window, QStringLiteral("map.count")), QStringLiteral("8"));
        QCOMPARE(propertyText(window, QStringLiteral("picture.width")), QStringLiteral("640"));
    }

    void selectionFollowsAcrossTheControls()
    {
        StudioWindow window;
        window.openSample();
        const qint32 bath = window.map()->FigureAt(100, 300);
        QVERIFY(bath > 0);
        window.map()->ActivateHotspot(bath);
        QCOMPARE(propertyText(window, QStringLiteral("hotspot.name")), QStringLiteral("Bath"));
        QCOMPARE(propertyText(window, QStringLiteral("hotspot.kind")), QStringLiteral("Rectangle"));
        const qint32 bathRow = window.code()->ReturnKey(QStringLiteral("area:%1").arg(bath));
        QVERIFY(bathRow > 0);
        QCOMPARE(window.code()->ListIndex(), bathRow);

        // Choosing the pond's tag in the code box selects the pond on the map.
        const qint32 pond = window.map()->FigureAt(480, 424);
        QVERIFY(pond > 0 && pond != bath);
        window.code()->SelectItem(QStringLiteral("area:%1").arg(pond), true);
        QCOMPARE(window.map()->SelectedIndex(), pond);
        QCOMPARE(propertyText(window, QStringLiteral("hotspot.name")), QStringLiteral("Pond"));
    }

    void deletingAHotspotUpdatesThePage()
    {
        StudioWindow window;
        window.openSample();
        const qint32 table = window.map()->FigureAt(480, 115);
        window.map()->ActivateHotspot(table);
        window.map()->DeleteFigure();
        QCOMPARE(window.htmlPage().count(QStringLiteral("<Area Shape=")), 7);
        QTRY_COMPARE(propertyText(window, QStringLiteral("map.count")), QStringLiteral("7"));
        QCOMPARE(window.code()->ReturnKey(QStringLiteral("area:%1").arg(table)), -1);
        window.map()->Undo();
        QCOMPARE(window.htmlPage().count(QStringLiteral("<Area Shape=")), 8);
        QTRY_COMPARE(propertyText(window, QStringLiteral("map.count")), QStringLiteral("8"));
    }

    void badAreaListIsReported()
    {
        StudioWindow window;
        window.openSample();
        QString error;
        const QString page = window.htmlPage();
        const int figures = window.map()->CountFigures();
        // The second line fails after the first was read: nothing of the
        // open list is lost, and the page is the one it was.
        QVERIFY(!window.loadAreaList(QStringLiteral("1,1,50,50|Rectangle|1||False|Box\r\n"
                                                    "10,10|Rectangle|1|&H0|False\r\n"),
            &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(window.map()->CountFigures(), figures);
        QCOMPARE(window.htmlPage(), page);
        // An area list with other line ends still reads.
        QVERIFY(window.loadAreaList(QStringLiteral("1,1,50,50|Rectangle|1||False|Box\n"), &error));
        QCOMPARE(window.map()->CountFigures(), 1);
    }

    void exportWritesTheWholePage()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("map.html"));
        const Run run = runStudio({ QStringLiteral("--export-html"), out });
        QCOMPARE(run.exitCode, 0);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(file.readAll());
        QVERIFY(page.startsWith(QStringLiteral("<!DOCTYPE html>")));
        QVERIFY(
            page.contains(QStringLiteral("<img src=\"sample.png\" width=\"640\" height=\"480\"")));
        QCOMPARE(page.count(QStringLiteral("<Area Shape=")), 8);
        QVERIFY(page.indexOf(QStringLiteral("<map name=\"map\">"))
            < page.indexOf(QStringLiteral("<Area")));
        QVERIFY(page.trimmed().endsWith(QStringLiteral("</html>")));
    }

    void badPictureFails_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QStringLiteral("missing.png") << QByteArray();
        QTest::newRow("not an image")
            << QStringLiteral("notes.png") << QByteArray("just some text\n");
    }

    void badPictureFails()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QString out = dir.filePath(QStringLiteral("out.png"));
        const Run run = runStudio({ path, QStringLiteral("--screenshot"), out });
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(name), qPrintable(run.errors));
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_MAIN(TestStudio)
#include "tst_studio.moc"
