// The ruler: marks and numbers at known pixels for several zooms and start
// values, both orientations, the shaded look, its colours and persistence.

#include "ruler/Zel_AreaScroller.h"

#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <common/Drawing.h>
#include <common/PropertyBag.h>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

/// A white ruler with black marks, as the image-map editor sets it up.
std::unique_ptr<Zel_AreaScroller> makeRuler(int orientation, QSize size, double zoom)
{
    auto ruler = std::make_unique<Zel_AreaScroller>();
    ruler->setOrientation(orientation);
    ruler->setBackColor(0xFFFFFF);
    ruler->setForeColor(0);
    ruler->setZoomValue(zoom);
    ruler->resize(size);
    ruler->show();
    return ruler;
}

QImage shot(Zel_AreaScroller& ruler)
{
    return ruler.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

/// Where \a text prints along a horizontal ruler at \a x: the ink of the
/// text alone on white.
QImage horizontalText(const QString& text, int x, QSize size, int pointSize = 7)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(White);
    QPainter p(&image);
    p.setFont(zc::rulerFont(pointSize));
    p.setPen(Qt::black);
    p.drawText(QPoint(x, p.fontMetrics().ascent()), text);
    return image;
}

QImage verticalText(const QString& text, int y, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(White);
    QPainter p(&image);
    p.setFont(zc::rulerTurnedFont(7));
    p.setPen(Qt::black);
    Zel::drawRotatedText(p, text, QPoint(-1, y), 90);
    return image;
}

/// True when \a area of \a actual shows exactly \a expected's ink.
bool sameInk(const QImage& actual, const QImage& expected, const QRect& area)
{
    const QRect r = area.intersected(actual.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return false;
    return true;
}

bool hasInk(const QImage& image, const QRect& area)
{
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) != White)
                return true;
    return false;
}

/// The width of the text up to the next mark, in the ruler's font.
int textWidth(const QString& text, int pointSize = 7)
{
    return QFontMetrics(zc::rulerFont(pointSize)).horizontalAdvance(text);
}

} // namespace

class TestRuler : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void horizontalMarksAtZoom1();
    void horizontalNumbers_data();
    void horizontalNumbers();
    void zoom2SpreadsTheMarks();
    void smallestZoomHalfMarksNoMiddleNumbers();
    void startValueShiftsNumbersNotMarks();
    void verticalMarksAndTurnedNumbers();
    void otherOrientationDrawsNothing();
    void zoomZeroDrawsNoMarks();
    void numberText();
    void shade_data();
    void shade();
    void shadedLookIsAGradientAcross();
    void styleTakesEffectAtRefresh();
    void persistence();
    void resizeRaisesResize();
    void scaleModeMenuHasItsEntries();
};

void TestRuler::horizontalMarksAtZoom1()
{
    auto ruler = makeRuler(0, QSize(450, 20), 1);
    const QImage image = shot(*ruler);
    // Full-height marks every 100 pixels and at the midpoints.
    for (int x : { 0, 100, 200, 300, 400, 50, 150, 250, 350 }) {
        QCOMPARE(image.pixel(x, 11), Black);
        QCOMPARE(image.pixel(x, 16), Black);
    }
    // Short marks every 10 pixels: the lower third (20 - 20 / 3 rounds to 13).
    for (int x : { 10, 20, 40, 60, 90, 110, 440 }) {
        QCOMPARE(image.pixel(x, 13), Black);
        QCOMPARE(image.pixel(x, 17), Black);
        QCOMPARE(image.pixel(x, 12), White);
    }
    // Nothing between the marks below the numbers.
    QCOMPARE(image.pixel(15, 15), White);
    QCOMPARE(image.pixel(101, 15), White);
    // The edge lines along the bottom: black, and the menu colour above it.
    QCOMPARE(image.pixel(15, 19), Black);
    QCOMPARE(image.pixel(15, 18), Zel::toQColor(Zel::MenuColor).rgb());
    QCOMPARE(image.pixel(0, 19), Black); // the mark reaches down there
    QCOMPARE(ruler->scale().fontSize, 7);
}

void TestRuler::horizontalNumbers_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << QStringLiteral(" 0");
    QTest::newRow("50") << 50 << QStringLiteral(" 50");
    QTest::newRow("100") << 100 << QStringLiteral(" 100");
    QTest::newRow("250") << 250 << QStringLiteral(" 250");
    QTest::newRow("400") << 400 << QStringLiteral(" 400");
}

void TestRuler::horizontalNumbers()
{
    QFETCH(int, x);
    QFETCH(QString, text);
    auto ruler = makeRuler(0, QSize(450, 20), 1);
    const QImage image = shot(*ruler);
    // Above the short marks (rows 0-12) and right of the mark itself, the
    // ruler shows just the number printed at the mark.
    const QRect area(x + 1, 0, textWidth(text) + 2, 13);
    QVERIFY(hasInk(image, area));
    QVERIFY(sameInk(image, horizontalText(text, x, image.size()), area));
}

void TestRuler::zoom2SpreadsTheMarks()
{
    auto ruler = makeRuler(0, QSize(450, 20), 2);
    const QImage image = shot(*ruler);
    for (int x : { 0, 100, 200, 300, 400 })
        QCOMPARE(image.pixel(x, 11), Black);
    for (int x : { 20, 40, 60, 80, 120, 380 }) {
        QCOMPARE(image.pixel(x, 14), Black);
        QCOMPARE(image.pixel(x, 11), White);
    }
    QCOMPARE(image.pixel(10, 15), White);
    QCOMPARE(image.pixel(50, 15), White);
    // The numbers are the same picture coordinates, twice as far apart.
    const struct
    {
        int x;
        QString text;
    } numbers[] = { { 200, QStringLiteral(" 100") }, { 100, QStringLiteral(" 50") },
        { 300, QStringLiteral(" 150") }, { 400, QStringLiteral(" 200") } };
    for (const auto& n : numbers) {
        const QRect area(n.x + 1, 0, textWidth(n.text) + 2, 13);
        QVERIFY2(
            sameInk(image, horizontalText(n.text, n.x, image.size()), area), qPrintable(n.text));
    }
}

void TestRuler::smallestZoomHalfMarksNoMiddleNumbers()
{
    auto ruler = makeRuler(0, QSize(450, 20), 0.2);
    QCOMPARE(ruler->scale().fontSize, 6);
    const QImage image = shot(*ruler);
    // Major marks every 20 pixels, minor every 2, the middle one half high.
    for (int x : { 0, 20, 40, 440 })
        QCOMPARE(image.pixel(x, 16), Black);
    QCOMPARE(image.pixel(30, 10), Black);
    QCOMPARE(image.pixel(30, 9), White);
    QCOMPARE(image.pixel(32, 13), Black);
    QCOMPARE(image.pixel(32, 12), White);
    QCOMPARE(image.pixel(33, 15), White);
    // The numbers of the major marks are there, in the smaller font; no
    // number sits at the half marks.
    const auto scale = ruler->scale();
    QStringList texts;
    for (const auto& label : scale.labels)
        texts << label.text;
    QCOMPARE(texts.mid(0, 3),
        QStringList({ QStringLiteral(" 0"), QStringLiteral(" 100"), QStringLiteral(" 200") }));
    QVERIFY(!texts.contains(QStringLiteral(" 50")));
    QCOMPARE(scale.labels.at(1).at, QPoint(20, 0));
    QCOMPARE(scale.labels.back().text, QStringLiteral(" 2200"));
    QCOMPARE(scale.labels.back().at, QPoint(440, 0));
}

void TestRuler::startValueShiftsNumbersNotMarks()
{
    auto plain = makeRuler(0, QSize(450, 20), 1);
    auto shifted = makeRuler(0, QSize(450, 20), 1);
    shifted->setStartValue(37);
    const QImage a = shot(*plain);
    const QImage b = shot(*shifted);
    // Below the numbers everything is the same.
    QVERIFY(a.copy(0, 13, 450, 7) == b.copy(0, 13, 450, 7));
    const struct
    {
        int x;
        QString text;
    } numbers[] = { { 0, QStringLiteral(" 37") }, { 50, QStringLiteral(" 87") },
        { 100, QStringLiteral(" 137") }, { 350, QStringLiteral(" 387") } };
    for (const auto& n : numbers) {
        const QRect area(n.x + 1, 0, textWidth(n.text) + 2, 13);
        QVERIFY2(sameInk(b, horizontalText(n.text, n.x, b.size()), area), qPrintable(n.text));
    }
    shifted->setStartValue(-120);
    QCOMPARE(shifted->scale().labels.at(0).text, QStringLiteral("-120"));
    QCOMPARE(shifted->scale().labels.at(1).text, QStringLiteral("-70"));
}

void TestRuler::verticalMarksAndTurnedNumbers()
{
    auto ruler = makeRuler(1, QSize(20, 450), 1);
    const QImage image = shot(*ruler);
    for (int y : { 0, 100, 200, 400, 50, 350 }) {
        QCOMPARE(image.pixel(11, y), Black);
        QCOMPARE(image.pixel(16, y), Black);
    }
    // Short marks anchored at the right edge.
    for (int y : { 10, 20, 90, 110 }) {
        QCOMPARE(image.pixel(13, y), Black);
        QCOMPARE(image.pixel(12, y), White);
    }
    // The edge lines along the right side.
    QCOMPARE(image.pixel(19, 15), Black);
    QCOMPARE(image.pixel(18, 15), Zel::toQColor(Zel::MenuColor).rgb());
    // Numbers read upwards from the mark they belong to.
    for (int y : { 100, 150, 300 }) {
        const QString text = QStringLiteral(" %1").arg(y);
        const int length = QFontMetrics(zc::rulerTurnedFont(7)).horizontalAdvance(text);
        const QRect area(0, y - length - 1, 13, length);
        QVERIFY(hasInk(image, area));
        QVERIFY2(sameInk(image, verticalText(text, y, image.size()), area), qPrintable(text));
    }
}

void TestRuler::otherOrientationDrawsNothing()
{
    auto ruler = makeRuler(2, QSize(200, 20), 1);
    const QImage image = shot(*ruler);
    QVERIFY(!hasInk(image, image.rect()));
}

void TestRuler::zoomZeroDrawsNoMarks()
{
    // A zoom of 0 would make the mark step 0; the ruler stays usable.
    auto ruler = makeRuler(0, QSize(200, 20), 0);
    QVERIFY(ruler->scale().marks.empty());
    ruler->setZoomValue(1e-9);
    QVERIFY(ruler->scale().marks.empty());
    ruler->setZoomValue(-1);
    QVERIFY(ruler->scale().marks.empty());
    ruler->setZoomValue(0.01); // ZoomLevel 1: one mark per pixel, still drawn
    QCOMPARE(ruler->scale().marks.size(), size_t(201 * 10));
}

void TestRuler::numberText()
{
    QCOMPARE(zc::rulerNumberText(0), QStringLiteral(" 0"));
    QCOMPARE(zc::rulerNumberText(137), QStringLiteral(" 137"));
    QCOMPARE(zc::rulerNumberText(-5), QStringLiteral("-5"));
    QCOMPARE(zc::rulerNumberText(12.5), QStringLiteral(" 12.5"));
    // 300 / 0.3 is not exactly 1000 in floating point; the number printed is.
    auto ruler = makeRuler(0, QSize(700, 20), 0.3);
    QCOMPARE(ruler->scale().labels.at(20).text, QStringLiteral(" 1000"));
}

void TestRuler::shade_data()
{
    QTest::addColumn<quint32>("color");
    QTest::addColumn<int>("amount");
    QTest::addColumn<bool>("scaled");
    QTest::addColumn<quint32>("expected");
    QTest::newRow("lighter, blue scaled") << 0x808080u << 48 << true << Zel::rgb(176, 176, 160);
    QTest::newRow("lighter, blue as well") << 0x808080u << 48 << false << Zel::rgb(176, 176, 176);
    QTest::newRow("clamped high") << 0xFFF0F0u << 40 << true << Zel::rgb(255, 255, 255);
    QTest::newRow("clamped low") << 0x101010u << -50 << false << 0u;
    // (100 x -5) / 192 truncates toward zero: -2.
    QTest::newRow("darker, truncating")
        << Zel::rgb(10, 20, 100) << -5 << true << Zel::rgb(5, 15, 98);
}

void TestRuler::shade()
{
    QFETCH(quint32, color);
    QFETCH(int, amount);
    QFETCH(bool, scaled);
    QFETCH(quint32, expected);
    QCOMPARE(Zel_AreaScroller::Shade(color, amount, scaled), expected);
}

void TestRuler::shadedLookIsAGradientAcross()
{
    auto ruler = makeRuler(0, QSize(450, 20), 1);
    ruler->setVisualStyle(Zel_AreaScroller::st_CoolXP);
    ruler->setVisualColor(0x808080);
    const QImage image = shot(*ruler);
    const OLE_COLOR base = Zel_AreaScroller::Shade(0x808080, 48, true);
    // Row y darkens the base by 50 x (y + 1) / 20 levels, rounded (halves to even).
    const int steps[] = { 2, 5, 8, 10, 12, 15, 18, 20, 22, 25, 28, 30, 32 };
    for (int y = 0; y < 13; ++y) {
        const QRgb expected = Zel::toQColor(Zel_AreaScroller::Shade(base, -steps[y], true)).rgb();
        // Columns between the marks and clear of numbers, far apart.
        QCOMPARE(image.pixel(35, y), expected);
        QCOMPARE(image.pixel(435, y), expected);
    }
    QCOMPARE(image.pixel(30, 15), Black); // the marks are drawn over it
    const QImage strip = zc::rulerGradientStrip(0x808080, 20, false);
    QCOMPARE(strip.size(), QSize(2, 20));

    auto vertical = makeRuler(1, QSize(20, 300), 1);
    vertical->setVisualStyle(Zel_AreaScroller::st_CoolXP);
    vertical->setVisualColor(0x808080);
    const QImage v = shot(*vertical);
    QCOMPARE(v.pixel(0, 35), Zel::toQColor(Zel_AreaScroller::Shade(base, -2, true)).rgb());
    QCOMPARE(v.pixel(4, 265), Zel::toQColor(Zel_AreaScroller::Shade(base, -12, true)).rgb());
}

void TestRuler::styleTakesEffectAtRefresh()
{
    auto ruler = makeRuler(0, QSize(200, 20), 1);
    QCOMPARE(shot(*ruler).pixel(35, 3), White);
    ruler->setVisualStyle(Zel_AreaScroller::st_CoolXP);
    QCOMPARE(shot(*ruler).pixel(35, 3), White);
    ruler->Refresh();
    QVERIFY(shot(*ruler).pixel(35, 3) != White);
    // Back to the flat look: the back colour shows again once refreshed.
    ruler->setVisualStyle(Zel_AreaScroller::st_Standard);
    ruler->Refresh();
    QCOMPARE(shot(*ruler).pixel(35, 3), White);
}

void TestRuler::persistence()
{
    Zel_AreaScroller ruler;
    PropertyBag bag;
    ruler.WriteProperties(bag);
    QVERIFY(bag.isEmpty()); // every default is omitted

    ruler.setOrientation(1);
    ruler.setStartValue(37);
    ruler.setBorderStyle(1);
    ruler.setMouseTrackingOn(true);
    ruler.setForeColor(0x0000FF);
    ruler.setBackColor(0x00FF00);
    ruler.setVisualStyle(2);
    ruler.setVisualColor(0x123456); // not persisted
    ruler.setZoomValue(2); // not persisted
    QVERIFY(ruler.isDirty());
    ruler.WriteProperties(bag);
    QCOMPARE(bag.count(), 7);

    Zel_AreaScroller loaded;
    loaded.loadProperties(bag);
    QCOMPARE(loaded.Orientation(), 1);
    QCOMPARE(loaded.StartValue(), 37);
    QCOMPARE(loaded.BorderStyle(), 1);
    QCOMPARE(loaded.MouseTrackingOn(), true);
    QCOMPARE(loaded.ForeColor(), 0x0000FFu);
    QCOMPARE(loaded.BackColor(), 0x00FF00u);
    QCOMPARE(loaded.VisualStyle(), 2);
    QCOMPARE(loaded.VisualColor(), 0u);
    QCOMPARE(loaded.ZoomValue(), 1.0);
    // Through the meta-object system too.
    QCOMPARE(loaded.property("StartValue").toInt(), 37);
    QVERIFY(loaded.setProperty("ZoomValue", 0.2));
    QVERIFY(loaded.paintState().smallestZoom());
}

void TestRuler::resizeRaisesResize()
{
    Zel_AreaScroller ruler;
    ruler.show();
    QSignalSpy resized(&ruler, &Zel_AreaScroller::Resize);
    ruler.resize(300, 20);
    QCOMPARE(resized.count(), 1);
    QCOMPARE(ruler.paintState().size, QSize(300, 20));
}

void TestRuler::scaleModeMenuHasItsEntries()
{
    Zel_AreaScroller ruler;
    QMenu* menu = ruler.findChild<QMenu*>(QStringLiteral("ScaleModeMenu"));
    QVERIFY(menu);
    QStringList entries;
    for (const QAction* a : menu->actions())
        entries << a->text();
    QCOMPARE(entries,
        QStringList({ QStringLiteral("Twips"), QStringLiteral("Pixels"),
            QStringLiteral("Milimeters"), QStringLiteral("Inches") }));
}

QTEST_MAIN(TestRuler)
#include "tst_ruler.moc"
