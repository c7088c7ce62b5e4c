// The code box under a dark palette: its bars and its design-time face read,
// the text area keeps the white the host's token colours are chosen for, and
// a palette change alone shows at once.

#include <PaletteProbe.h>
#include <QApplication>
#include <QStyleFactory>
#include <QTest>
#include <common/OleColor.h>
#include <glyphon/Zel_CodeBox.h>

namespace {

QWidget* surface(Zel_CodeBox& box)
{
    return box.findChild<QWidget*>(QStringLiteral("Picture1"));
}

QImage shot(Zel_CodeBox& box)
{
    return surface(box)->grab().toImage();
}

QRgb at(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFF;
}

QRgb rgbOf(QPalette::ColorRole role)
{
    return QApplication::palette().color(QPalette::Active, role).rgb() & 0xFFFFFF;
}

} // namespace

class TestCodeBoxPalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        light = QApplication::palette();
    }
    void cleanup() { QApplication::setPalette(light); }

    void barsAndRowsReadUnderADarkPalette()
    {
        QApplication::setPalette(darkPalette());
        Zel_CodeBox box;
        box.setBorderStyle(Zel_CodeBox::NoBorder);
        box.setAutoRender(true);
        box.setGutterColor(0xC0C0C0);
        box.AddText(QStringLiteral("Head"), QStringLiteral("h"), QString(), StdPicture(),
            Zel_CodeBox::Header);
        box.AddText(QStringLiteral("<p class=\"a\">text</p>"), QStringLiteral("p"), QString());
        const QImage image = shot(box);
        const int bar = box.Row(0).Height;
        const int width = surface(box)->width();

        // A raised face in the palette's button colours, its caption in button text.
        QCOMPARE(at(image, 5, 0), rgbOf(QPalette::Button));
        QCOMPARE(at(image, 5, 1), rgbOf(QPalette::Light));
        QCOMPARE(at(image, 5, bar - 2), rgbOf(QPalette::Dark));
        const QRect caption(width / 2 - 30, 2, 60, bar - 4);
        QVERIFY(contrastIn(image, caption) >= LegibleContrast);

        // The code row: black tokens on the white text area.
        const int row = box.Row(1).Height;
        QCOMPARE(at(image, width - 10, bar + row / 2), 0xFFFFFFu);
        QVERIFY(contrastIn(image, QRect(41, bar + 1, 150, row - 2)) >= LegibleContrast);
    }

    void designTimeFaceReadsUnderADarkPalette()
    {
        QApplication::setPalette(darkPalette());
        Zel_CodeBox box;
        box.setObjectName(QStringLiteral("CodeBox1"));
        box.setUserMode(false);
        const QImage image = shot(box);
        QCOMPARE(at(image, 200, 100), rgbOf(QPalette::Base));
        QVERIFY(contrastIn(image, QRect(1, 1, 100, 14)) >= LegibleContrast);
    }

    void aPaletteChangeAloneRebuildsTheGutter()
    {
        // A gutter in a system colour follows the palette like the bars do.
        Zel_CodeBox box;
        box.setBorderStyle(Zel_CodeBox::NoBorder);
        box.setGutterColor(Zel::ButtonFaceColor);
        box.setShow_Number(false);
        box.AddText(QStringLiteral("Head"), QStringLiteral("h"), QString(), StdPicture(),
            Zel_CodeBox::Header);
        box.AddText(QStringLiteral("<p>"), QStringLiteral("p"), QString());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const int gutterY = box.Row(0).Height + 4;
        QCOMPARE(at(shot(box), 5, gutterY), rgbOf(QPalette::Button));
        const QRgb lightFace = rgbOf(QPalette::Button);

        QApplication::setPalette(darkPalette());
        QCoreApplication::processEvents();
        const QImage dark = shot(box);
        QVERIFY(rgbOf(QPalette::Button) != lightFace);
        QCOMPARE(at(dark, 5, gutterY), rgbOf(QPalette::Button));
        QCOMPARE(at(dark, 5, 0), rgbOf(QPalette::Button)); // the bar

        QApplication::setPalette(light);
        QCoreApplication::processEvents();
        QCOMPARE(at(shot(box), 5, gutterY), lightFace);
    }

private:
    QPalette light;
};

QTEST_MAIN(TestCodeBoxPalette)
#include "tst_codeboxpalette.moc"
