// Area text: export character for character, import rules and bad input.

#include "ZonecraftTestSupport.h"

#include <QFile>
#include <QTest>

namespace {

// The three figures of the worked examples.
void addExampleFigures(Zonecraft& z)
{
    z.DrawNewRectangle(10, 20, 110, 70, QStringLiteral("href=a.htm"));
    // A circle of box (50, 50)-(91, 91): centre and radius 70.5, 20.5.
    z.DrawNewRectangle(50, 50, 91, 91);
    z.FigureConvert(Zonecraft::ZELCIRCLE, 2);
    z.DrawNewPolygon(QStringLiteral("100,50,120,50,110,80"));
}

const QString goodLine = QStringLiteral("10,20,110,70|Rectangle|5|&HFF|False\r\n");

} // namespace

class TestAreaCode : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExamples();
    void exportEdges();
    void singleFigureReaders();
    void importAcceptedText();
    void importSeparatorIgnoresCase();
    void badText_data();
    void badText();
    void badLineKeepsEarlierFiguresAndEvents();
    void otherFormatIsRefusedWithoutSilencingEvents();
    void creatingMethods();
    void sampleAreaList();
};

void TestAreaCode::workedExamples()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    addExampleFigures(z);
    QCOMPARE(z.ExportCode(Zonecraft::ClientSide),
        QStringLiteral("<Area Shape=RECT COORDS=10,20,110,70 href=a.htm>\r\n"
                       "<Area Shape=CIRCLE COORDS=70,70,20>\r\n"
                       "<Area Shape=POLY COORDS=100,50,120,50,110,80>\r\n"));
    QCOMPARE(z.ExportCode(Zonecraft::customcode),
        QStringLiteral("10,20,110,70|Rectangle|1\r\n"
                       "70,70,20|Circle|2\r\n"
                       "100,50,120,50,110,80|Polygon|3\r\n"));
    z.setExtractSeperator(QStringLiteral("; "));
    QVERIFY(z.ExportCode(Zonecraft::customcode)
                .startsWith(QStringLiteral("10,20,110,70; Rectangle; 1\r\n")));
    QCOMPARE(z.ExportCode(Zonecraft::Serverside), QString());
    QCOMPARE(z.ExportCode(Zonecraft::UsingCode(3)), QString());
}

void TestAreaCode::exportEdges()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    QCOMPARE(z.ExportCode(Zonecraft::ClientSide), QString());
    z.DrawNewRectangle(0, 0, 10, 10);
    // Polygon vertices keep their fractions but are exported rounded.
    z.DrawNewPolygon(QStringLiteral("0.5,0.5,10.5,0.5,5.5,8.25"));
    QCOMPARE(z.ExportCode(Zonecraft::ClientSide),
        QStringLiteral("<Area Shape=RECT COORDS=0,0,10,10>\r\n"
                       "<Area Shape=POLY COORDS=0,0,10,0,6,8>\r\n"));
    QCOMPARE(z.ExtractCordinates(2), QStringLiteral("0.5,0.5,10.5,0.5,5.5,8.25"));
}

void TestAreaCode::singleFigureReaders()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    addExampleFigures(z);
    QCOMPARE(z.ExtractCordinates(2), QStringLiteral("70.5,70.5,20.5"));
    QCOMPARE(z.ExtractCordinates(1), QStringLiteral("10,20,110,70"));
    QCOMPARE(z.ExtractKey(1), QStringLiteral("href=a.htm"));
    QCOMPARE(z.ExtractFigure(3), QStringLiteral("Polygon"));
    QCOMPARE(z.ExtractFigure(0), QStringLiteral("Polygon")); // the selected one
    QCOMPARE(z.ExtractFigure(99), QString());
    QCOMPARE(z.ExtractKey(99), QString());
    QCOMPARE(z.ExtractID(1), QString());
    QCOMPARE(z.SupportCoordinates(3), QStringLiteral("100,50,120,80"));
    QCOMPARE(z.SupportCoordinates(4), QString());
    try {
        z.ExtractCordinates(99);
        QFAIL("an unknown number reaches the host");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), 5);
    }
}

void TestAreaCode::importAcceptedText()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(1, 1, 2, 2);
    z.ImportCode(Zonecraft::customcode, goodLine);
    QCOMPARE(z.CountFigures(), 2);
    QCOMPARE(z.ExtractKey(2), QStringLiteral("5"));
    QCOMPARE(z.ExtractCordinates(2), QStringLiteral("10,20,110,70"));
    QCOMPARE(z.FigActivate_Loading(), Zonecraft::Ready);

    // Without the final line end nothing is read; kinds are exact.
    z.ImportCode(Zonecraft::customcode, goodLine.chopped(2));
    z.ImportCode(Zonecraft::customcode, QStringLiteral("1,2,3,4|rectangle|1||0\r\n"));
    QCOMPARE(z.CountFigures(), 2);
    z.ImportCode(Zonecraft::customcode,
        QStringLiteral("1,2,3,4|1|7|255|True|extra|fields\r\n"
                       "30,30,10|2|8||0\r\n"
                       "1,1,9,1,5,9,7|Polygon|9|&H8000000F|-1\r\n"));
    QCOMPARE(z.ExportCode(Zonecraft::customcode),
        QStringLiteral("1,1,2,2|Rectangle|1\r\n10,20,110,70|Rectangle|2\r\n"
                       "1,2,3,4|Rectangle|3\r\n30,30,10|Circle|4\r\n1,1,9,1,5,9|Polygon|5\r\n"));
    QCOMPARE(z.ExtractKey(5), QStringLiteral("9"));
    // Exported separated text has three fields: not read back.
    const QString exported = z.ExportCode(Zonecraft::customcode);
    QVERIFY_THROWS_EXCEPTION(RuntimeError, z.ImportCode(Zonecraft::customcode, exported));
    QCOMPARE(z.CountFigures(), 5);
}

void TestAreaCode::importSeparatorIgnoresCase()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.setExtractSeperator(QStringLiteral("sep"));
    z.ImportCode(Zonecraft::customcode, QStringLiteral("1,2,3,4SEPRectanglesEp1sep0sep0\r\n"));
    QCOMPARE(z.CountFigures(), 1);
    z.setExtractSeperator(QString()); // nothing to split at: one field, refused
    QVERIFY_THROWS_EXCEPTION(RuntimeError, z.ImportCode(Zonecraft::customcode, goodLine));
    QCOMPARE(z.CountFigures(), 1);
}

void TestAreaCode::badText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("error"); // 0: no error
    QTest::addColumn<int>("added");
    QTest::newRow("empty text") << QString() << 0 << 0;
    QTest::newRow("only a line end") << QStringLiteral("\r\n") << 9 << 0;
    QTest::newRow("too few fields") << QStringLiteral("1,2,3,4|Rectangle|1|0\r\n") << 9 << 0;
    QTest::newRow("key not a number") << QStringLiteral("1,2,3,4|Rectangle|abc|0|0\r\n") << 13 << 0;
    QTest::newRow("too few coordinates") << QStringLiteral("1,2,3|Rectangle|1|0|0\r\n") << 9 << 0;
    QTest::newRow("polygon without a vertex") << QStringLiteral("7|Polygon|1|0|0\r\n") << 9 << 0;
    QTest::newRow("coordinate not a number") << QStringLiteral("1,x,3|Circle|1|0|0\r\n") << 13 << 0;
    QTest::newRow("colour not a number")
        << QStringLiteral("1,2,3,4|Rectangle|1|red|0\r\n") << 13 << 0;
    QTest::newRow("lock not a Boolean")
        << QStringLiteral("1,2,3,4|Rectangle|1|0|maybe\r\n") << 13 << 0;
    QTest::newRow("polygon vertex beyond 32 bits")
        << QStringLiteral("0,0,3e9,0,0,10|Polygon|1|0|0\r\n") << 6 << 0;
    QTest::newRow("unknown kind is skipped")
        << QStringLiteral("1,2,3,4|Hexagon|1|0|0\r\n") << 0 << 0;
    QTest::newRow("bad line after good ones")
        << (goodLine + goodLine + QStringLiteral("1,2|Rectangle|1|0|0\r\n") + goodLine) << 9 << 2;
    QTest::newRow("bad key stops before any figure")
        << (goodLine + QStringLiteral("1,2,3,4|Rectangle|1.5.5|0|0\r\n")) << 13 << 0;
}

void TestAreaCode::badText()
{
    QFETCH(QString, text);
    QFETCH(int, error);
    QFETCH(int, added);
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewCircle(300, 300, 10, QStringLiteral("keep"));
    int thrown = 0;
    try {
        z.ImportCode(Zonecraft::customcode, text);
    } catch (const RuntimeError& e) {
        thrown = e.number();
        QVERIFY(!e.description().isEmpty());
    }
    QCOMPARE(thrown, error);
    QCOMPARE(z.CountFigures(), 1 + added);
    QCOMPARE(z.ExtractKey(1), QStringLiteral("keep"));
    QCOMPARE(z.FigActivate_Loading(), Zonecraft::Ready);
}

void TestAreaCode::badLineKeepsEarlierFiguresAndEvents()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    QSignalSpy activate(&z, &Zonecraft::HotspotActivate);
    try {
        z.ImportCode(Zonecraft::customcode, goodLine + QStringLiteral("1|Circle|1|0|0\r\n"));
        QFAIL("expected an error");
    } catch (const RuntimeError& e) {
        QVERIFY(e.description().contains(QStringLiteral("line 2")));
    }
    QCOMPARE(activate.count(), 0); // nothing per figure while loading
    QCOMPARE(z.CountFigures(), 1);
    // The loading flag is cleared: the next figure behaves interactively.
    z.DrawNewRectangle(0, 0, 5, 5);
    QCOMPARE(activate.count(), 1);
}

void TestAreaCode::otherFormatIsRefusedWithoutSilencingEvents()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    QSignalSpy activate(&z, &Zonecraft::HotspotActivate);
    try {
        z.ImportCode(Zonecraft::ClientSide, goodLine);
        QFAIL("expected an error");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), 9);
    }
    QCOMPARE(z.CountFigures(), 0);
    QCOMPARE(z.FigActivate_Loading(), Zonecraft::Ready);
    z.DrawNewRectangle(0, 0, 5, 5);
    QCOMPARE(activate.count(), 1);
}

void TestAreaCode::creatingMethods()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewCircle(100, 100, 25);
    QCOMPARE(z.SupportCoordinates(1), QStringLiteral("75,75,125,125"));
    z.DrawNewPolygon(QStringLiteral("10,10,50,10,30,40"));
    QCOMPARE(z.SupportCoordinates(2), QStringLiteral("10,10,50,40"));
    QCOMPARE(z.ExtractCordinates(2), QStringLiteral("10,10,50,10,30,40"));
    z.DrawNewPolygon(QStringLiteral("10,10,50,10,30"));
    QCOMPARE(z.ExtractCordinates(3), QStringLiteral("10,10,50,10"));
    // Corners are stored as given.
    z.DrawNewRectangle(200, 200, 60, 40);
    QCOMPARE(z.SupportCoordinates(4), QStringLiteral("200,200,60,40"));
    // An explicit number; -1 asks for a new one even when imported.
    z.DrawNewRectangle(0, 0, 1, 1, {}, {}, false, true, true, 40);
    z.DrawNewRectangle(0, 0, 1, 1, {}, {}, false, true, true, -1);
    QVERIFY(z.ExportCode(Zonecraft::customcode)
                .endsWith(QStringLiteral("0,0,1,1|Rectangle|40\r\n0,0,1,1|Rectangle|5\r\n")));
    // A vertex whose box edge would not fit a 32-bit integer is refused
    // before anything is added, here and when a polygon is moved there.
    const int before = z.CountFigures();
    try {
        z.DrawNewPolygon(QStringLiteral("0,0,1e30,0,0,10"));
        QFAIL("expected an overflow");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), 6);
    }
    QCOMPARE(z.CountFigures(), before);
    try {
        z.FigureMove(2, QStringLiteral("0,0,-3e9,0,0,10"));
        QFAIL("expected an overflow");
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), 6);
    }
    QCOMPARE(z.ExtractCordinates(2), QStringLiteral("10,10,50,10,30,40"));
    QSignalSpy moved(&z, &Zonecraft::HotspotMoved);
    z.ImportFigure(QStringLiteral("1,1,5,5"), Zonecraft::zelrectangle);
    QCOMPARE(moved.count(), 1); // imported rectangles report a move
    z.ImportFigure(QStringLiteral("1,1,5"), Zonecraft::ZELCIRCLE);
    QCOMPARE(moved.count(), 1);
}

void TestAreaCode::sampleAreaList()
{
    QFile file(QStringLiteral(ZONECRAFT_SAMPLE_AREAS));
    QVERIFY(file.open(QIODevice::ReadOnly));
    // The sample is kept with plain line ends; the list's lines end in CR LF.
    QString text = QString::fromUtf8(file.readAll());
    if (!text.contains(QLatin1Char('\r')))
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.ImportCode(Zonecraft::customcode, text);
    QVERIFY(z.CountFigures() >= 6 && z.CountFigures() <= 10);
    QSet<QString> kinds;
    for (int i = 1; i <= z.CountFigures(); ++i) {
        kinds << z.ExtractFigure(i);
        QVERIFY(!z.ExtractKey(i).isEmpty());
        const QStringList box = z.SupportCoordinates(i).split(QLatin1Char(','));
        QCOMPARE(box.size(), 4);
        QVERIFY(box[0].toInt() >= 0 && box[2].toInt() <= 640);
        QVERIFY(box[1].toInt() >= 0 && box[3].toInt() <= 480);
    }
    QCOMPARE(kinds,
        (QSet<QString> {
            QStringLiteral("Rectangle"), QStringLiteral("Circle"), QStringLiteral("Polygon") }));
    QCOMPARE(z.ExportCode(Zonecraft::ClientSide).count(QStringLiteral("<Area ")), z.CountFigures());
}

QTEST_MAIN(TestAreaCode)
#include "tst_areacode.moc"
