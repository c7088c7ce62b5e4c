#include <QApplication>
#include <QPainter>
#include <QRegion>
#include <QTest>
#include <common/Drawing.h>

using namespace Zel;

namespace {

QImage canvas(int w, int h, QColor color = Qt::white)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QColor at(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

// Bounding box of the pixels darker than mid grey.
QRect inkBounds(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

int inkInRow(const QImage& image, int y)
{
    int n = 0;
    for (int x = 0; x < image.width(); ++x)
        n += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return n;
}

} // namespace

class TestDrawing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9)); }

    void edgeColours_data()
    {
        QTest::addColumn<unsigned>("edge");
        QTest::addColumn<unsigned>("flags");
        QTest::addColumn<OLE_COLOR>("outerTopLeft");
        QTest::addColumn<OLE_COLOR>("innerTopLeft");
        QTest::addColumn<OLE_COLOR>("innerBottomRight");
        QTest::addColumn<OLE_COLOR>("outerBottomRight");
        QTest::newRow("raised") << unsigned(EDGE_RAISED) << unsigned(BF_RECT)
                                << OLE_COLOR(ButtonLightColor) << OLE_COLOR(ButtonHighlightColor)
                                << OLE_COLOR(ButtonShadowColor) << OLE_COLOR(ButtonDarkShadowColor);
        QTest::newRow("sunken") << unsigned(EDGE_SUNKEN) << unsigned(BF_RECT)
                                << OLE_COLOR(ButtonShadowColor) << OLE_COLOR(ButtonDarkShadowColor)
                                << OLE_COLOR(ButtonLightColor) << OLE_COLOR(ButtonHighlightColor);
        QTest::newRow("sunken flat") << unsigned(EDGE_SUNKEN) << unsigned(BF_RECT | BF_FLAT)
                                     << OLE_COLOR(ButtonShadowColor) << OLE_COLOR(ButtonFaceColor)
                                     << OLE_COLOR(ButtonFaceColor) << OLE_COLOR(ButtonShadowColor);
        // A single inner edge takes the outer line's place.
        QTest::newRow("raised inner only")
            << unsigned(BDR_RAISEDINNER) << unsigned(BF_RECT) << OLE_COLOR(ButtonHighlightColor)
            << OLE_COLOR(0x00FFFFFF) << OLE_COLOR(0x00FFFFFF) << OLE_COLOR(ButtonShadowColor);
        QTest::newRow("sunken outer flat mono")
            << unsigned(BDR_SUNKENOUTER) << unsigned(BF_RECT | BF_FLAT | BF_MONO)
            << OLE_COLOR(WindowFrameColor) << OLE_COLOR(0x00FFFFFF) << OLE_COLOR(0x00FFFFFF)
            << OLE_COLOR(WindowFrameColor);
    }

    void edgeColours()
    {
        QFETCH(unsigned, edge);
        QFETCH(unsigned, flags);
        QFETCH(OLE_COLOR, outerTopLeft);
        QFETCH(OLE_COLOR, innerTopLeft);
        QFETCH(OLE_COLOR, innerBottomRight);
        QFETCH(OLE_COLOR, outerBottomRight);
        QImage image = canvas(12, 10);
        QRect rect(1, 1, 10, 8); // pixels 1..10 x 1..8
        {
            QPainter p(&image);
            DrawEdge(p, rect, edge, flags);
        }
        QCOMPARE(rect, QRect(1, 1, 10, 8)); // no BF_ADJUST: unchanged
        QCOMPARE(at(image, 0, 0), QColor(Qt::white)); // outside untouched
        QCOMPARE(at(image, 1, 4), toQColor(outerTopLeft));
        QCOMPARE(at(image, 5, 1), toQColor(outerTopLeft));
        QCOMPARE(at(image, 2, 4), toQColor(innerTopLeft));
        QCOMPARE(at(image, 9, 4), toQColor(innerBottomRight));
        QCOMPARE(at(image, 10, 4), toQColor(outerBottomRight));
        QCOMPARE(at(image, 5, 8), toQColor(outerBottomRight));
        // The bottom-right colour owns the top-right and bottom-left corners.
        QCOMPARE(at(image, 10, 1), toQColor(outerBottomRight));
        QCOMPARE(at(image, 1, 8), toQColor(outerBottomRight));
        QCOMPARE(at(image, 5, 4), QColor(Qt::white)); // no BF_MIDDLE
    }

    void edgeMiddleAndAdjust()
    {
        QImage image = canvas(20, 20);
        QRect rect(0, 0, 20, 20);
        {
            QPainter p(&image);
            DrawEdge(p, rect, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST);
        }
        QCOMPARE(rect, QRect(2, 2, 16, 16));
        QCOMPARE(at(image, 10, 10), toQColor(ButtonFaceColor));
        QCOMPARE(at(image, 2, 2), toQColor(ButtonFaceColor));

        // Only the named sides are drawn and adjusted.
        image = canvas(20, 20);
        rect = QRect(0, 0, 20, 20);
        {
            QPainter p(&image);
            DrawEdge(p, rect, BDR_RAISEDINNER, BF_LEFT | BF_TOP | BF_ADJUST);
        }
        QCOMPARE(rect, QRect(1, 1, 19, 19));
        QCOMPARE(at(image, 0, 10), toQColor(ButtonHighlightColor));
        QCOMPARE(at(image, 19, 10), QColor(Qt::white));
        QCOMPARE(at(image, 10, 19), QColor(Qt::white));
    }

    void lineToStopsShortOfTheEndPoint_data()
    {
        QTest::addColumn<QPoint>("from");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPolygon>("expected");
        QTest::newRow("right") << QPoint(2, 5) << QPoint(5, 5)
                               << QPolygon({ QPoint(2, 5), QPoint(3, 5), QPoint(4, 5) });
        QTest::newRow("up") << QPoint(1, 3) << QPoint(1, 0)
                            << QPolygon({ QPoint(1, 3), QPoint(1, 2), QPoint(1, 1) });
        QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(-3, 3)
                                  << QPolygon({ QPoint(0, 0), QPoint(-1, 1), QPoint(-2, 2) });
        // The pixel nearest to the true line in each column.
        QTest::newRow("shallow") << QPoint(0, 0) << QPoint(6, 2)
                                 << QPolygon({ QPoint(0, 0), QPoint(1, 0), QPoint(2, 1),
                                        QPoint(3, 1), QPoint(4, 1), QPoint(5, 2) });
        QTest::newRow("one pixel") << QPoint(7, 7) << QPoint(8, 7) << QPolygon({ QPoint(7, 7) });
        QTest::newRow("no length") << QPoint(7, 7) << QPoint(7, 7) << QPolygon();
    }

    void lineToStopsShortOfTheEndPoint()
    {
        QFETCH(QPoint, from);
        QFETCH(QPoint, to);
        QFETCH(QPolygon, expected);
        const QPolygon points = Zel::lineToPoints(from, to);
        QCOMPARE(points, expected);
        // Steps never skip a pixel.
        for (qsizetype i = 1; i < points.size(); ++i) {
            const QPoint step = points.at(i) - points.at(i - 1);
            QVERIFY(std::abs(step.x()) <= 1 && std::abs(step.y()) <= 1);
        }
    }

    void focusRectInvertsDottedAndRestores()
    {
        QImage image = canvas(20, 12, QColor(0x10, 0x80, 0xF0));
        const QImage before = image;
        DrawFocusRect(image, QRect(2, 2, 10, 6)); // pixels 2..11 x 2..7
        const QColor inverted(0xEF, 0x7F, 0x0F);
        QCOMPARE(at(image, 2, 2), inverted);
        QCOMPARE(at(image, 3, 2), QColor(0x10, 0x80, 0xF0));
        QCOMPARE(at(image, 4, 2), inverted);
        QCOMPARE(at(image, 2, 4), inverted);
        QCOMPARE(at(image, 11, 7), inverted); // the bottom-right corner
        QCOMPARE(at(image, 11, 6), QColor(0x10, 0x80, 0xF0));
        QCOMPARE(at(image, 10, 7), QColor(0x10, 0x80, 0xF0));
        QCOMPARE(at(image, 6, 4), QColor(0x10, 0x80, 0xF0)); // inside untouched
        QVERIFY(image != before);
        DrawFocusRect(image, QRect(2, 2, 10, 6));
        QCOMPARE(image, before);

        // Partly outside the image: clipped, no crash, still restorable.
        DrawFocusRect(image, QRect(-5, -5, 40, 40));
        DrawFocusRect(image, QRect(-5, -5, 40, 40));
        QCOMPARE(image, before);
    }

    void polygonRegionLeavesRightAndBottomEdgesOut()
    {
        const QPolygon square({ QPoint(0, 0), QPoint(10, 0), QPoint(10, 10), QPoint(0, 10) });
        const QRegion region(square, Qt::WindingFill);
        QVERIFY(region.contains(QPoint(0, 0)));
        QVERIFY(region.contains(QPoint(9, 9)));
        QVERIFY(!region.contains(QPoint(10, 5)));
        QVERIFY(!region.contains(QPoint(5, 10)));
        // Winding fill keeps the middle of a self-crossing star inside.
        const QPolygon star(
            { QPoint(50, 0), QPoint(79, 90), QPoint(2, 34), QPoint(98, 34), QPoint(21, 90) });
        QVERIFY(QRegion(star, Qt::WindingFill).contains(QPoint(50, 45)));
        QVERIFY(!QRegion(star, Qt::OddEvenFill).contains(QPoint(50, 45)));
    }

    void calcRect()
    {
        QImage image = canvas(200, 200);
        QPainter p(&image);
        const QFontMetrics fm = p.fontMetrics();
        const int h = fm.height();

        QRect r(5, 6, 1000, 1000);
        QCOMPARE(DrawText(p, QStringLiteral("Hello"), r, DT_CALCRECT | DT_SINGLELINE), h);
        QCOMPARE(r, QRect(5, 6, fm.horizontalAdvance(QStringLiteral("Hello")), h));

        r = QRect(0, 0, 1000, 1000);
        DrawText(p, QStringLiteral("ab\nlonger line"), r, DT_CALCRECT);
        QCOMPARE(r.height(), 2 * h);
        QCOMPARE(r.width(), fm.horizontalAdvance(QStringLiteral("longer line")));

        r = QRect(0, 0, 1000, 1000);
        DrawText(p, QStringLiteral("ab\nlonger line"), r, DT_CALCRECT | DT_SINGLELINE);
        QCOMPARE(r.height(), h);

        // Word wrapping keeps the width and grows the height.
        const int narrow = fm.horizontalAdvance(QStringLiteral("three")) + 2;
        r = QRect(0, 0, narrow, 10);
        DrawText(p, QStringLiteral("one two three four"), r, DT_CALCRECT | DT_WORDBREAK);
        QCOMPARE(r.width(), narrow);
        QVERIFY(r.height() >= 3 * h);

        // A single "&" marks a mnemonic and takes no room; "&&" shows one.
        r = QRect(0, 0, 1000, 1000);
        DrawText(p, QStringLiteral("&File"), r, DT_CALCRECT | DT_SINGLELINE);
        QCOMPARE(r.width(), fm.horizontalAdvance(QStringLiteral("File")));
        r = QRect(0, 0, 1000, 1000);
        DrawText(p, QStringLiteral("&File"), r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        QCOMPARE(r.width(), fm.horizontalAdvance(QStringLiteral("&File")));
    }

    void textPlacement()
    {
        auto draw = [](unsigned flags, const QString& text = QStringLiteral("XX")) {
            QImage image = canvas(200, 60);
            QPainter p(&image);
            p.setPen(Qt::black);
            QRect r(20, 10, 160, 40);
            DrawText(p, text, r, flags);
            p.end();
            return inkBounds(image);
        };
        const QRect left = draw(DT_LEFT | DT_SINGLELINE);
        const QRect right = draw(DT_RIGHT | DT_SINGLELINE);
        const QRect centre = draw(DT_CENTER | DT_SINGLELINE);
        QVERIFY(left.left() >= 20 && left.left() <= 23);
        QVERIFY(right.right() <= 179 && right.right() >= 175);
        QVERIFY(qAbs((centre.left() + centre.right()) / 2 - 100) <= 2);

        const QRect top = draw(DT_SINGLELINE);
        const QRect middle = draw(DT_SINGLELINE | DT_VCENTER);
        QVERIFY(top.top() < 20);
        QVERIFY(qAbs((middle.top() + middle.bottom()) / 2 - 30) <= 3);
        // Vertical centring needs a single line; otherwise the text stays on top.
        QCOMPARE(draw(DT_VCENTER), top);

        // Nothing is drawn outside the rectangle unless asked.
        const QRect clipped = draw(DT_SINGLELINE, QString(60, QLatin1Char('W')));
        QVERIFY(clipped.right() <= 179);
        const QRect unclipped = draw(DT_SINGLELINE | DT_NOCLIP, QString(60, QLatin1Char('W')));
        QVERIFY(unclipped.right() > 179);
        const QRect elided
            = draw(DT_SINGLELINE | DT_NOCLIP | DT_END_ELLIPSIS, QString(60, QLatin1Char('W')));
        QVERIFY(elided.right() <= 179);
        const QRect wordElided = draw(DT_SINGLELINE | DT_NOCLIP | DT_WORD_ELLIPSIS,
            QStringLiteral("Alpha Beta Gamma Delta Epsilon Zeta Eta Theta Iota"));
        QVERIFY(wordElided.right() <= 179);
        QVERIFY(!wordElided.isEmpty());
        // A very long line is cut in one go.
        const QRect longLine = draw(
            DT_SINGLELINE | DT_NOCLIP | DT_WORD_ELLIPSIS, QStringLiteral("word ").repeated(200000));
        QVERIFY(longLine.right() <= 179);
    }

    void rotatedTextRunsUpwards()
    {
        QImage image = canvas(60, 120);
        {
            QPainter p(&image);
            p.setPen(Qt::black);
            drawRotatedText(p, QStringLiteral("Rotated"), QPoint(10, 100));
        }
        const QRect ink = inkBounds(image);
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.height() > ink.width());
        QVERIFY(ink.left() >= 10);
        QVERIFY(ink.bottom() <= 100);
    }

    void patternOriginShiftsPattern()
    {
        QImage tile = canvas(8, 8);
        tile.setPixel(0, 0, qRgb(255, 0, 0));
        auto fill = [&](QPoint origin) {
            QImage image = canvas(24, 24, Qt::black);
            QPainter p(&image);
            p.fillRect(image.rect(), patternBrush(tile, origin));
            return image;
        };
        const QImage plain = fill({});
        QCOMPARE(at(plain, 0, 0), QColor(Qt::red));
        QCOMPARE(at(plain, 8, 16), QColor(Qt::red));
        QCOMPARE(at(plain, 3, 2), QColor(Qt::white));
        const QImage shifted = fill(QPoint(3, 2));
        QCOMPARE(at(shifted, 0, 0), QColor(Qt::white));
        QCOMPARE(at(shifted, 3, 2), QColor(Qt::red));
        QCOMPARE(at(shifted, 11, 10), QColor(Qt::red));
        // A one-bit tile keeps its own two colours.
        QImage mono(8, 8, QImage::Format_Mono);
        mono.fill(0);
        mono.setPixel(1, 1, 1);
        mono.setColorTable({ qRgb(0, 0, 255), qRgb(0, 255, 0) });
        QImage image = canvas(8, 8);
        QPainter p(&image);
        p.fillRect(image.rect(), patternBrush(mono));
        p.end();
        QCOMPARE(at(image, 1, 1), QColor(Qt::green));
        QCOMPARE(at(image, 0, 0), QColor(Qt::blue));
    }

    void marlettArrows()
    {
        Arrow arrow;
        QVERIFY(arrowForMarlett(QLatin1Char('3'), &arrow));
        QCOMPARE(arrow, Arrow::Left);
        QVERIFY(arrowForMarlett(QLatin1Char('4'), &arrow));
        QCOMPARE(arrow, Arrow::Right);
        QVERIFY(arrowForMarlett(QLatin1Char('5'), &arrow));
        QCOMPARE(arrow, Arrow::Up);
        QVERIFY(arrowForMarlett(QLatin1Char('6'), &arrow));
        QCOMPARE(arrow, Arrow::Down);
        QVERIFY(!arrowForMarlett(QLatin1Char('7'), &arrow));

        QImage down = canvas(16, 16);
        QImage up = canvas(16, 16);
        QImage right = canvas(16, 16);
        {
            QPainter p(&down);
            drawArrow(p, down.rect(), Arrow::Down, Qt::black);
            QPainter q(&up);
            drawArrow(q, up.rect(), Arrow::Up, Qt::black);
            QPainter r(&right);
            drawArrow(r, right.rect(), Arrow::Right, Qt::black);
        }
        const QRect ink = inkBounds(down);
        QCOMPARE(ink.size(), QSize(7, 4)); // the classic down arrow
        QVERIFY(qAbs(ink.center().x() - 7) <= 1 && qAbs(ink.center().y() - 7) <= 1);
        QCOMPARE(inkInRow(down, ink.top()), 7);
        QCOMPARE(inkInRow(down, ink.bottom()), 1);
        QCOMPARE(up, down.mirrored(false, true));
        QCOMPARE(inkInRow(up, inkBounds(up).top()), 1);
        QCOMPARE(inkBounds(right).size(), QSize(4, 7));
    }

    void hatchPatterns()
    {
        auto fill = [](int style) {
            QImage image = canvas(16, 16);
            QPainter p(&image);
            p.fillRect(image.rect(), QBrush(Qt::black, hatchStyle(style)));
            return image;
        };
        QCOMPARE(hatchStyle(0), Qt::SolidPattern);
        QCOMPARE(hatchStyle(1), Qt::NoBrush);
        QCOMPARE(hatchStyle(8), Qt::NoBrush);

        const QImage hor = fill(2);
        int fullRows = 0;
        for (int y = 0; y < 16; ++y)
            fullRows += inkInRow(hor, y) == 16 ? 1 : 0;
        QCOMPARE(fullRows, 2); // a line every 8 pixels

        const QImage ver = fill(3);
        QCOMPARE(inkInRow(ver, 3), 2);

        // Upward diagonal: the line climbs to the right.
        const QImage upward = fill(4);
        const QImage downward = fill(5);
        for (int y = 0; y < 15; ++y) {
            for (int x = 1; x < 16; ++x) {
                if (qGray(upward.pixel(x, y)) < 128)
                    QVERIFY(qGray(upward.pixel(x - 1, y + 1)) < 128);
                if (qGray(downward.pixel(x - 1, y)) < 128)
                    QVERIFY(qGray(downward.pixel(x, y + 1)) < 128);
            }
        }
        QVERIFY(inkInRow(fill(6), 5) >= 2);
        QVERIFY(inkInRow(fill(7), 5) >= 2);
    }
};

QTEST_MAIN(TestDrawing)
#include "tst_drawing.moc"
