// The zoom surface: copying a picture in, zoom sizes and pixels, the
// visible-window zoom against the whole zoomed picture.

#include "graphics/cDIB32.h"

#include <QRandomGenerator>
#include <QTest>
#include <QWidget>

namespace {

/// A picture whose every pixel tells where it came from.
QImage coordinateImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8)));
    return image;
}

} // namespace

class TestDib32 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void createFillsAndReports();
    void createRefusesAnEmptySize();
    void pictureCopiedInKeepsItsPixels();
    void iconKeepsThePreviousSurface();
    void zoomSizes_data();
    void zoomSizes();
    void zoomInRepeatsSourcePixels();
    void squeezedIntoAStandardSize();
    void zoomSizesTheDestination();
    void windowMatchesTheWholeZoom();
    void loadBltCopiesFromAnOffset();
    void pictureOfARectangle();
};

void TestDib32::createFillsAndReports()
{
    cDIB32 dib;
    QVERIFY(dib.Create(10, 5, 0x0000FF)); // red in 0x00BBGGRR
    QCOMPARE(dib.Width(), 10);
    QCOMPARE(dib.Height(), 5);
    QCOMPARE(dib.Size(), 200);
    QCOMPARE(dib.BytesPerScanLine(), 40);
    QVERIFY(dib.hDIBDC() != nullptr);
    QVERIFY(dib.DIBitsPtr() != nullptr);
    QCOMPARE(QColor(dib.hDIB().pixel(9, 4)), QColor(Qt::red));
    // Rows are stored top-down: the first bytes are the top-left pixel.
    dib.hDIBDC()->setPixel(0, 0, qRgb(1, 2, 3));
    QCOMPARE(reinterpret_cast<const QRgb*>(dib.DIBitsPtr())[0] & 0xFFFFFF, 0x010203u);
    dib.Destroy();
    QVERIFY(dib.hDIBDC() == nullptr);
    QCOMPARE(dib.Size(), 0);
}

void TestDib32::createRefusesAnEmptySize()
{
    cDIB32 dib;
    QVERIFY(dib.Create(4, 4));
    QVERIFY(!dib.Create(0, 5));
    QVERIFY(dib.hDIBDC() == nullptr);
    QVERIFY(!dib.Create(5, -1));
}

void TestDib32::pictureCopiedInKeepsItsPixels()
{
    cDIB32 dib;
    const QImage source = coordinateImage(600, 400);
    QCOMPARE(dib.CreateFromStdPicture(StdPicture(source)), -1);
    QCOMPARE(dib.SetImageWidth(), 600);
    QCOMPARE(dib.SetImageHeight(), 400);
    QCOMPARE(dib.hDIB(), source);
    // Zoom 100 gives back exactly the source.
    const StdPicture same = dib.ZoomPicture(nullptr, 100);
    QCOMPARE(same.image().convertToFormat(QImage::Format_RGB32), source);
    QCOMPARE(dib.Area_Width(), 600);
    QCOMPARE(dib.Area_Height(), 400);
    // Drawing on the surface does not reach the host's picture.
    dib.hDIBDC()->fill(Qt::black);
    QCOMPARE(QColor(source.pixel(5, 5)), QColor(qRgb(5, 5, 0)));
}

void TestDib32::iconKeepsThePreviousSurface()
{
    cDIB32 dib;
    QImage red(8, 6, QImage::Format_RGB32);
    red.fill(Qt::red);
    QCOMPARE(dib.CreateFromStdPicture(StdPicture(red)), -1);
    QImage blue(3, 3, QImage::Format_ARGB32);
    blue.fill(Qt::blue);
    QCOMPARE(dib.CreateFromStdPicture(StdPicture(blue, StdPicture::Icon)), 0);
    QCOMPARE(dib.CreateFromStdPicture(StdPicture()), 0);
    QCOMPARE(dib.Width(), 8);
    QCOMPARE(dib.SetImageWidth(), 8);
    QCOMPARE(QColor(dib.hDIB().pixel(0, 0)), QColor(Qt::red));
}

void TestDib32::zoomSizes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("level");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("100") << 600 << 400 << 100 << QSize(600, 400);
    QTest::newRow("200") << 600 << 400 << 200 << QSize(1200, 800);
    QTest::newRow("20, one fifth") << 600 << 400 << 20 << QSize(120, 80);
    QTest::newRow("20, rounded") << 333 << 101 << 20 << QSize(67, 20); // 66.6, 20.2
    QTest::newRow("50, halves to even") << 333 << 101 << 50 << QSize(166, 50); // 166.5, 50.5
    QTest::newRow("75, halves to even up") << 2 << 6 << 75 << QSize(2, 4); // 1.5, 4.5
    QTest::newRow("0") << 600 << 400 << 0 << QSize(0, 0);
    QTest::newRow("negative") << 600 << 400 << -100 << QSize(0, 0);
    QTest::newRow("500 of a large picture") << 4000 << 3000 << 500 << QSize(20000, 15000);
}

void TestDib32::zoomSizes()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, level);
    QFETCH(QSize, expected);
    cDIB32 dib;
    QVERIFY(dib.Create(width, height));
    dib.setSetImageWidth(width);
    dib.setSetImageHeight(height);
    QCOMPARE(dib.zoomedSize(level), expected);
    if (qint64(expected.width()) * expected.height() < 4'000'000) {
        const StdPicture picture = dib.ZoomPicture(nullptr, level);
        QCOMPARE(QSize(picture.Width(), picture.Height()), expected);
        QCOMPARE(picture.isNull(), expected.isEmpty());
    }
    QCOMPARE(QSize(dib.SizeForZoom(nullptr, level)), expected);
    QCOMPARE(QSize(dib.Area_Width(), dib.Area_Height()), expected);
}

void TestDib32::zoomInRepeatsSourcePixels()
{
    cDIB32 dib;
    const QImage source = coordinateImage(40, 30);
    dib.CreateFromStdPicture(StdPicture(source));
    const QImage five = dib.ZoomPicture(nullptr, 500).image();
    QCOMPARE(five.size(), QSize(200, 150));
    for (int y = 0; y < 150; y += 7)
        for (int x = 0; x < 200; x += 3)
            QCOMPARE(five.pixel(x, y), source.pixel(x / 5, y / 5));
    // Zooming out takes the source pixel under each target pixel's centre.
    const QImage fifth = dib.ZoomPicture(nullptr, 20).image();
    QCOMPARE(fifth.size(), QSize(8, 6));
    QCOMPARE(fifth.pixel(0, 0), source.pixel(2, 2));
    QCOMPARE(fifth.pixel(7, 5), source.pixel(37, 27));
    // Repeated zooms start from the surface, not from the last zoom.
    const QImage back = dib.ZoomPicture(nullptr, 100).image();
    QCOMPARE(back, source);
}

void TestDib32::squeezedIntoAStandardSize()
{
    cDIB32 dib;
    const QImage source = coordinateImage(600, 100);
    dib.CreateFromStdPicture(StdPicture(source));
    dib.setSetImageWidth(300);
    QCOMPARE(dib.SetImageWidth(), 300);
    const QImage squeezed = dib.ZoomPicture(nullptr, 100).image();
    QCOMPARE(squeezed.size(), QSize(300, 100));
    QCOMPARE(squeezed.pixel(0, 10), source.pixel(1, 10));
    QCOMPARE(squeezed.pixel(299, 10), source.pixel(599, 10));
    QCOMPARE(dib.Width(), 600); // the surface itself keeps the picture
}

void TestDib32::zoomSizesTheDestination()
{
    cDIB32 dib;
    dib.CreateFromStdPicture(StdPicture(coordinateImage(60, 40)));
    QWidget target;
    dib.ZoomPicture(&target, 300);
    QCOMPARE(target.size(), QSize(180, 120));
    dib.SizeForZoom(&target, 50);
    QCOMPARE(target.size(), QSize(30, 20));
}

void TestDib32::windowMatchesTheWholeZoom()
{
    cDIB32 dib;
    dib.CreateFromStdPicture(StdPicture(coordinateImage(97, 61)));
    QRandomGenerator rng(9);
    for (int level : { 20, 50, 75, 100, 200, 300, 500, 137 }) {
        const QSize zoomed = dib.zoomedSize(level);
        const QImage whole = dib.ZoomPicture(nullptr, level).image();
        for (int i = 0; i < 20; ++i) {
            // Windows that reach beyond the picture on any side, too.
            const QRect window(int(rng.bounded(zoomed.width() + 20)) - 10,
                int(rng.bounded(zoomed.height() + 20)) - 10, 1 + int(rng.bounded(80)),
                1 + int(rng.bounded(60)));
            const QImage part = dib.zoomedWindow(zoomed, window);
            QCOMPARE(part.size(), window.size());
            QImage expected(window.size(), QImage::Format_RGB32);
            expected.fill(Qt::black);
            const QRect inside = window.intersected(whole.rect());
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    expected.setPixel(x - window.left(), y - window.top(), whole.pixel(x, y));
            QVERIFY2(part == expected,
                qPrintable(QStringLiteral("level %1, window %2,%3 %4x%5")
                               .arg(level)
                               .arg(window.x())
                               .arg(window.y())
                               .arg(window.width())
                               .arg(window.height())));
        }
    }
}

void TestDib32::loadBltCopiesFromAnOffset()
{
    cDIB32 empty;
    empty.LoadBlt(coordinateImage(10, 10), 2, 2); // no surface: nothing happens
    QVERIFY(empty.hDIBDC() == nullptr);

    cDIB32 dib;
    dib.Create(4, 3, 0xFFFFFF);
    const QImage source = coordinateImage(5, 5);
    dib.LoadBlt(source, 2, 3);
    QCOMPARE(dib.hDIB().pixel(0, 0), source.pixel(2, 3));
    QCOMPARE(dib.hDIB().pixel(2, 1), source.pixel(4, 4));
    // Beyond the source the surface keeps its own pixels.
    QCOMPARE(QColor(dib.hDIB().pixel(3, 0)), QColor(Qt::white));
    QCOMPARE(QColor(dib.hDIB().pixel(0, 2)), QColor(Qt::white));
}

void TestDib32::pictureOfARectangle()
{
    const QImage source = coordinateImage(50, 40);
    const StdPicture part = cDIB32::hDCToPicture(source, 10, 5, 20, 8);
    QCOMPARE(part.type(), StdPicture::Bitmap);
    QCOMPARE(QSize(part.Width(), part.Height()), QSize(20, 8));
    QCOMPARE(part.image().pixel(0, 0), source.pixel(10, 5));
    QCOMPARE(part.image().pixel(19, 7), source.pixel(29, 12));
    QVERIFY(cDIB32::hDCToPicture(source, 0, 0, 0, 5).isNull());

    QImage indexed(2, 1, QImage::Format_Indexed8);
    indexed.setColorCount(2);
    indexed.setPixel(0, 0, 0);
    indexed.setPixel(1, 0, 1);
    const StdPicture withPalette
        = cDIB32::CreateBitmapPicture(indexed, { qRgb(255, 0, 0), qRgb(0, 0, 255) });
    QCOMPARE(QColor(withPalette.image().pixel(1, 0)), QColor(Qt::blue));
}

QTEST_MAIN(TestDib32)
#include "tst_dib32.moc"
