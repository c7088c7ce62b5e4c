// The control under a dark palette: colours it draws by default follow the
// palette, a palette change shows at once, and the preview tip stays legible.

#include "PaletteProbe.h"
#include "ZonecraftTestSupport.h"
#include "control/FigureObject.h"
#include "control/PreviewController.h"
#include "control/Zonecraft_p.h"
#include "graphics/CTooltip.h"
#include "graphics/CTooltipWindow.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QTest>
#include <common/LineControl.h>

namespace {

QRgb persistentPixel(Zonecraft& z, int x, int y)
{
    return z.WorkPicture()->persistentLayer().pixel(x, y) & 0xFFFFFF;
}

QRgb rgbOf(QPalette::ColorRole role)
{
    return QApplication::palette().color(QPalette::Active, role).rgb() & 0xFFFFFF;
}

// How many pixels of \a image have the colour \a rgb.
int countOf(const QImage& image, QRgb rgb)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == rgb;
    return n;
}

} // namespace

class TestPalette : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void handlesFollowAPaletteChange();
    void chromeDrawsInThePalette();
    void previewTipStaysLegible();

private:
    QPalette light;
};

void TestPalette::initTestCase()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    light = QApplication::palette();
}

void TestPalette::cleanup()
{
    QApplication::setPalette(light);
}

void TestPalette::handlesFollowAPaletteChange()
{
    // The handle squares are framed in the button-text colour on the
    // persistent layer (the rectangle's top-left square spans 3..9).
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(10, 10, 50, 40);
    QCoreApplication::processEvents();
    QCOMPARE(persistentPixel(z, 3, 3), rgbOf(QPalette::ButtonText));
    const QRgb lightText = rgbOf(QPalette::ButtonText);

    QApplication::setPalette(darkPalette());
    QTRY_COMPARE(persistentPixel(z, 3, 3), rgbOf(QPalette::ButtonText));
    QVERIFY(persistentPixel(z, 3, 3) != lightText);
    // The figure and the picture are what they were.
    QCOMPARE(persistentPixel(z, 100, 100), 0xFFFFFFu);

    QApplication::setPalette(light);
    QTRY_COMPARE(persistentPixel(z, 3, 3), lightText);
}

void TestPalette::chromeDrawsInThePalette()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.setShowRulers(true);
    z.show();
    QVERIFY(QTest::qWaitForWindowExposed(&z));
    QApplication::setPalette(darkPalette());
    QCoreApplication::processEvents();

    // The rulers stay white, so their marks stay black.
    auto* ruler = z.findChild<QWidget*>(QStringLiteral("Zel_HRuler"));
    QVERIFY(ruler && ruler->isVisible());
    const QImage rulerPixels = ruler->grab().toImage();
    QVERIFY(countOf(rulerPixels, 0xFFFFFF) > rulerPixels.width() * 4);
    QVERIFY(countOf(rulerPixels, 0x000000) > rulerPixels.width() / 4);
    QCOMPARE(countOf(rulerPixels, rgbOf(QPalette::ButtonText)), 0);

    // The separator above the scroll bar is button shadow.
    auto* separator = z.findChild<LineControl*>(QStringLiteral("Line1"));
    QVERIFY(separator);
    const QImage line = z.grab(separator->geometry()).toImage();
    QVERIFY(countOf(line, rgbOf(QPalette::Dark)) >= line.width() - 1);
}

void TestPalette::previewTipStaysLegible()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.DrawNewRectangle(10, 10, 100, 100);
    z.setImagemapMode(Zonecraft::PreviewMode);
    ZonecraftPrivate* d = ZonecraftPrivate::get(&z);
    QObject* hotspot = d->preview->figureObject(1);

    // Black on the light tip background, as tips have always been written.
    z.PreviewObject(hotspot);
    QCOMPARE(d->preview->tooltip()->tipWindow()->settings().textColor,
        std::optional<QColor>(QColor(Qt::black)));

    // Black on a dark tip background would not read: the palette's tip text.
    z.PreviewObject(nullptr);
    QApplication::setPalette(darkPalette());
    z.PreviewObject(hotspot);
    const TipSettings settings = d->preview->tooltip()->tipWindow()->settings();
    QVERIFY(!settings.textColor.has_value());
    QVERIFY(!settings.backColor.has_value());
}

QTEST_MAIN(TestPalette)
#include "tst_palette.moc"
