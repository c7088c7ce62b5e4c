#include <QImage>
#include <QPainter>
#include <QTest>
#include <tabulon/proplist/PropListLayout.h>
#include <tabulon/proplist/PropListPainter.h>

using namespace Tabulon;

class TestPropListPainter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void hexToRgb_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("delimiter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("orange") << "FF8000"
                                << ","
                                << "255,128,0";
        QTest::newRow("mixed case") << "00ff0A"
                                    << ";"
                                    << "0;255;10";
        QTest::newRow("bad digits count 0") << "GZ10x1"
                                            << ","
                                            << "0,16,1";
        QTest::newRow("short text") << "F0"
                                    << ","
                                    << "240,0,0";
        QTest::newRow("empty") << ""
                               << "-"
                               << "0-0-0";
    }

    void hexToRgb()
    {
        QFETCH(QString, hex);
        QFETCH(QString, delimiter);
        QFETCH(QString, expected);
        QCOMPARE(PropListPainter::hexToRgb(hex, delimiter), expected);
    }

    void swatchReadsTheLastSixCharacters()
    {
        QCOMPARE(PropListPainter::swatchColor(QStringLiteral("#FF0000")), QColor(255, 0, 0));
        QCOMPARE(PropListPainter::swatchColor(QStringLiteral("&H0000FF")), QColor(0, 0, 255));
        QCOMPARE(PropListPainter::swatchColor(QStringLiteral("F0")), QColor(240, 0, 0));
    }

    void shadeClampsAndScalesBlue()
    {
        // 0x00BBGGRR: red 100, green 250, blue 96.
        const qint32 color = 100 | (250 << 8) | (96 << 16);
        const qint32 lighter = PropListPainter::shade(color, 48, true);
        QCOMPARE(lighter & 0xFF, 148);
        QCOMPARE((lighter >> 8) & 0xFF, 255);
        QCOMPARE((lighter >> 16) & 0xFF, 120); // 96 + 96 * 48 / 192
        const qint32 unscaled = PropListPainter::shade(color, 48, false);
        QCOMPARE((unscaled >> 16) & 0xFF, 144);
        QCOMPARE(PropListPainter::shade(0, -10, true), 0);
        // Truncation towards zero when darkening blue.
        QCOMPARE((PropListPainter::shade(100 << 16, -3, true) >> 16) & 0xFF, 99);
    }

    void gradientDarkensTwoAndAHalfStepsPerLineOfATwentyPixelHeader()
    {
        const qint32 base = 200 | (200 << 8);
        // Steps: round(2.5 k) with halves to even: 2, 5, 8, 10 ...
        const int expected[] = { 2, 5, 8, 10, 12, 15 };
        for (int k = 1; k <= 6; ++k)
            QCOMPARE(PropListPainter::gradientLine(base, k, 20) & 0xFF, 200 - expected[k - 1]);
    }

    void layoutRules()
    {
        QCOMPARE(PropListLayout::rowHeight(true, 50, 13), 20);
        QCOMPARE(PropListLayout::rowHeight(false, 3, 13), 13);
        QCOMPARE(PropListLayout::rowHeight(false, 25, 13), 25);
        QCOMPARE(PropListLayout::visibleRows(130, 20), 6);
        QCOMPARE(PropListLayout::visibleRows(-5, 20), 0);
        QCOMPARE(PropListLayout::rowAt(-1, 20, 4), 3);
        QCOMPARE(PropListLayout::rowAt(39, 20, 4), 5);
        QCOMPARE(PropListLayout::autoTextOffset(13), 4); // 10 - 6.5 = 3.5 -> 4
        QCOMPARE(PropListLayout::autoTextOffset(15), 2); // 2.5 -> 2
        QCOMPARE(PropListLayout::autoScrollInterval(-10, 200), 300);
        QCOMPARE(PropListLayout::autoScrollInterval(-23, 200), 40);
        QCOMPARE(PropListLayout::autoScrollInterval(-60, 200), 40);
        QCOMPARE(PropListLayout::autoScrollInterval(211, 200), 300);
        QCOMPARE(PropListLayout::maxTopIndex(5, 6), 0);
        QCOMPARE(PropListLayout::maxTopIndex(10, 6), 4);
    }

    void rowPaintingProbes()
    {
        RowPaintContext c;
        c.listWidth = c.surfaceWidth = 300;
        c.backNormal = Qt::white;
        c.backSelected = QColor(0, 0, 128);
        c.backDisabled = QColor(192, 192, 192);
        c.fontNormal = c.fontSelected = Qt::black;
        c.gridColor = QColor(1, 0, 0);
        c.windowBackground = Qt::white;
        c.buttonFace = QColor(212, 208, 200);
        c.buttonShadow = QColor(128, 128, 128);
        QImage image(300, 100, QImage::Format_RGB32);
        image.fill(Qt::green);
        QPainter painter(&image);

        Item swatch;
        swatch.Style = propColor;
        swatch.Value = QStringLiteral("#FF0000");
        PropListPainter::paintRow(painter, c, swatch, 0, false);
        Item selected;
        selected.Style = propString;
        PropListPainter::paintRow(painter, c, selected, 1, true);
        Item disabled;
        disabled.Style = propString;
        disabled.Status = ItemDisabled;
        c.gridLines = GridLines::None;
        PropListPainter::paintRow(painter, c, disabled, 2, false);
        painter.end();

        // Swatch box at the value column: x 102 .. 117, inside from y 3.
        QCOMPARE(image.pixelColor(108, 10), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(102, 10), QColor(Qt::black)); // left outline
        QCOMPARE(image.pixelColor(117, 10), QColor(Qt::black)); // right outline
        QCOMPARE(image.pixelColor(50, 0), QColor(1, 0, 0)); // grid line on the row's top
        QCOMPARE(image.pixelColor(100, 10), QColor(1, 0, 0)); // column split
        QCOMPARE(image.pixelColor(250, 10), QColor(Qt::white));
        // Selected row: name column in BackSelected, value column in window background.
        QCOMPARE(image.pixelColor(50, 30), QColor(0, 0, 128));
        QCOMPARE(image.pixelColor(250, 30), QColor(Qt::white));
        // Disabled row without grid lines: BackDisabled everywhere.
        QCOMPARE(image.pixelColor(1, 40), QColor(192, 192, 192));
        QCOMPARE(image.pixelColor(100, 50), QColor(192, 192, 192));
    }

    void coolHeaderGradient()
    {
        RowPaintContext c;
        c.listWidth = c.surfaceWidth = 200;
        c.coolXP = true;
        c.buttonFace = QColor(212, 208, 200);
        c.visualColor = 100 | (100 << 8) | (100 << 16);
        QImage image(200, 20, QImage::Format_RGB32);
        image.fill(Qt::green);
        QPainter painter(&image);
        Item header;
        header.Style = propHeader;
        PropListPainter::paintRow(painter, c, header, 0, true);
        painter.end();
        // Base (148, 148, 125) from grey 100 lightened by 48; line y darkens it by
        // round(2.5 (y + 1)), blue scaled by 1/192 and truncated.
        const QColor expected[] = { { 143, 143, 122 }, { 140, 140, 120 }, { 138, 138, 119 },
            { 136, 136, 118 }, { 133, 133, 116 }, { 130, 130, 114 }, { 128, 128, 112 },
            { 126, 126, 111 }, { 123, 123, 109 }, { 120, 120, 107 }, { 118, 118, 106 },
            { 116, 116, 105 }, { 113, 113, 103 }, { 110, 110, 101 }, { 108, 108, 99 },
            { 106, 106, 98 }, { 103, 103, 96 }, { 100, 100, 94 }, { 98, 98, 93 } };
        QCOMPARE(image.pixelColor(150, 0), c.buttonFace); // the top line
        for (int y = 1; y < 20; ++y)
            QCOMPARE(image.pixelColor(150, y), expected[y - 1]);
        QCOMPARE(image.pixelColor(0, 5), c.buttonFace); // the gradient starts one pixel in
    }
};

QTEST_MAIN(TestPropListPainter)
#include "tst_proplistpainter.moc"
