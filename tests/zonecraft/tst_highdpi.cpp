// The control on a screen of device pixel ratio 2: the picture at 100 % is
// shown pixel for pixel (each picture pixel a sharp 2 x 2 block), and
// handles, hit testing and mouse editing work in the same logical pixels as
// at ratio 1.

#include "ZonecraftTestSupport.h"

#include <QApplication>
#include <QTest>
#include <common/PictureBox.h>

namespace {

// One-pixel black and white columns, with a red row every eighth line: any
// smoothing of the picture shows as in-between colours.
QImage stripes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, y % 8 == 0 ? qRgb(255, 0, 0) : (x % 2 ? qRgb(255, 255, 255) : 0));
    return image;
}

} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void pictureIsSharpAt100();
    void handlesAndHitsInLogicalPixels();

private:
    std::unique_ptr<ZonecraftFixture> fixture;
    Zonecraft& z() { return fixture->z(); }
};

void TestHighDpi::init()
{
    fixture = std::make_unique<ZonecraftFixture>();
    z().show();
    QVERIFY(QTest::qWaitForWindowExposed(&z()));
    QCOMPARE(z().devicePixelRatioF(), 2.0);
}

void TestHighDpi::cleanup()
{
    fixture.reset();
}

void TestHighDpi::pictureIsSharpAt100()
{
    const QImage picture = stripes(640, 480);
    z().setPicture(StdPicture(picture));
    z().DrawNewRectangle(400, 300, 500, 400); // figures elsewhere do not matter
    QCoreApplication::processEvents();
    PictureBox* work = z().WorkPicture();
    QCOMPARE(work->size(), QSize(640, 480));
    const QImage shown = work->grab(QRect(0, 0, 300, 200)).toImage();
    QCOMPARE(shown.size(), QSize(600, 400));
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 300; ++x) {
            const QRgb want = picture.pixel(x, y) & 0xFFFFFF;
            for (const QPoint d : { QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1) }) {
                const QRgb got = shown.pixel(2 * x + d.x(), 2 * y + d.y()) & 0xFFFFFF;
                if (got != want)
                    QFAIL(qPrintable(QStringLiteral("picture pixel (%1, %2): %3 instead of %4")
                                         .arg(x)
                                         .arg(y)
                                         .arg(got, 6, 16, QLatin1Char('0'))
                                         .arg(want, 6, 16, QLatin1Char('0'))));
            }
        }
    }
}

void TestHighDpi::handlesAndHitsInLogicalPixels()
{
    z().setHandleColor(0x00FF00FF);
    z().DrawNewRectangle(10, 10, 50, 40);
    QCoreApplication::processEvents();
    // The handle codes of the same points as at ratio 1.
    QCOMPARE(z().HandleAt(6, 6), 0);
    QCOMPARE(z().HandleAt(54, 44), 4);
    QCOMPARE(z().HandleAt(30, 25), 8);
    QCOMPARE(z().HandleAt(30, 60), 9);
    QCOMPARE(z().FigureAt(30, 25), 1);

    // A handle is a square of 7 logical pixels (3..9), framed, on the screen
    // twice as many device pixels wide.
    const QImage shown = z().WorkPicture()->grab(QRect(0, 0, 60, 50)).toImage();
    QCOMPARE(shown.pixel(2 * 6, 2 * 6) & 0xFFFFFF, 0xFF00FFu);
    QCOMPARE(shown.pixel(2 * 6 + 1, 2 * 6 + 1) & 0xFFFFFF, 0xFF00FFu);
    QCOMPARE(shown.pixel(2 * 3, 2 * 6) & 0xFFFFFF, 0u);
    QCOMPARE(shown.pixel(2 * 3 + 1, 2 * 6) & 0xFFFFFF, 0u);
    QCOMPARE(shown.pixel(2 * 2 + 1, 2 * 6) & 0xFFFFFF, 0xFFFFFFu);

    // The bottom-right handle drags the corner to the pointer, in logical pixels.
    PictureBox* work = z().WorkPicture();
    QTest::mousePress(work, Qt::LeftButton, {}, QPoint(54, 44));
    QTest::mouseMove(work, QPoint(70, 60));
    QTest::mouseMove(work, QPoint(84, 74));
    QTest::mouseRelease(work, Qt::LeftButton, {}, QPoint(84, 74));
    QCOMPARE(z().ExtractCordinates(1), QStringLiteral("10,10,84,74"));
}

int main(int argc, char** argv)
{
    // Before the application exists, so every screen reports ratio 2.
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    TestHighDpi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdpi.moc"
