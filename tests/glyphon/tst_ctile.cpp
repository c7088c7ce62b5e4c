#include <QPainter>
#include <QTest>
#include <zeltile/cTile.h>

class TestTile : public QObject
{
    Q_OBJECT

    static QImage canvas()
    {
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }

    // A 2 x 1 bitmap: red then blue.
    static StdPicture stripe()
    {
        QImage image(2, 1, QImage::Format_RGB32);
        image.setPixel(0, 0, qRgb(255, 0, 0));
        image.setPixel(1, 0, qRgb(0, 0, 255));
        return StdPicture(image);
    }

private Q_SLOTS:
    void solidAndHatch()
    {
        cTile tile;
        QVERIFY(tile.SetPatternFromSolidColor(0x00FF00));
        QImage image = canvas();
        {
            QPainter p(&image);
            tile.Tile(p, 2, 3, 4, 5);
        }
        QCOMPARE(image.pixel(2, 3), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(5, 7), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(6, 3), qRgb(255, 255, 255)); // right edge outside
        QCOMPARE(image.pixel(2, 8), qRgb(255, 255, 255)); // bottom edge outside

        QVERIFY(tile.SetPatternFromHatchBrush(cTile::HS_HORIZONTAL, 0x0000FF));
        image = canvas();
        {
            QPainter p(&image);
            tile.Tile(p, 0, 0, 20, 10);
        }
        int red = 0;
        for (int y = 0; y < 10; ++y)
            red += image.pixel(5, y) == qRgb(255, 0, 0);
        QVERIFY(red > 0 && red < 10); // lines with gaps between
        QVERIFY(!tile.SetPatternFromHatchBrush(99, 0));
        QVERIFY(!tile.hasPattern());
        QVERIFY(!tile.SetPatternFromSolidColor(0x80000FFF)); // names no colour
    }

    void pictureAndOrigin()
    {
        cTile tile;
        QVERIFY(tile.SetPatternFromStdPicture(stripe()));
        QImage image = canvas();
        {
            QPainter p(&image);
            tile.Tile(p, 1, 0, 4, 1, true); // the pattern starts at (1, 0)
            tile.Tile(p, 1, 1, 4, 1, false); // the pattern starts at the device origin
        }
        QCOMPARE(image.pixel(1, 0), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(2, 0), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(1, 1), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(2, 1), qRgb(255, 0, 0));
    }

    void refusedPicturesKeepThePattern()
    {
        cTile tile;
        QVERIFY(!tile.SetPatternFromStdPicture(StdPicture()));
        QVERIFY(tile.SetPatternFromSolidColor(0xFF0000));
        QImage icon(4, 4, QImage::Format_ARGB32);
        icon.fill(Qt::red);
        QVERIFY(tile.SetPatternFromStdPicture(StdPicture(icon, StdPicture::Icon)));
        QCOMPARE(tile.brush().color(), QColor(0, 0, 255));
        QVERIFY(tile.SetPatternFromStdPicture(StdPicture()));
        QCOMPARE(tile.brush().style(), Qt::SolidPattern);
    }

    void withoutPatternNothingIsDrawn()
    {
        cTile tile;
        QImage image = canvas();
        {
            QPainter p(&image);
            tile.Tile(p, 0, 0, 20, 10, true);
        }
        QCOMPARE(image, canvas());
    }

    void eachBrushReleasedOnce()
    {
        const qint64 created = cTile::brushesCreated();
        const qint64 released = cTile::brushesReleased();
        {
            cTile tile;
            tile.SetPatternFromSolidColor(0);
            tile.SetPatternFromHatchBrush(cTile::HS_CROSS, 0);
            tile.SetPatternFromStdPicture(stripe());
            QCOMPARE(cTile::brushesCreated() - created, 3);
            QCOMPARE(cTile::brushesReleased() - released, 2);
            tile.DestroyPattern();
            tile.DestroyPattern();
            QCOMPARE(cTile::brushesReleased() - released, 3);
            tile.SetPatternFromSolidColor(0xFF);
        }
        QCOMPARE(cTile::brushesCreated() - created, 4);
        QCOMPARE(cTile::brushesReleased() - released, 4);
    }
};

QTEST_MAIN(TestTile)
#include "tst_ctile.moc"
