#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <TestSupport.h>
#include <common/RuntimeError.h>
#include <common/StdPicture.h>
#include <functional>

namespace {

QImage squares()
{
    QImage image(16, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    image.setPixel(3, 4, qRgb(0, 0, 255));
    return image;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestStdPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void kinds();
    void copiesShareOneObject();
    void equalityByPixels();
    void loadImages();
    void loadErrors_data();
    void loadErrors();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TestStdPicture::kinds()
{
    const StdPicture empty;
    QCOMPARE(empty.type(), StdPicture::None);
    QVERIFY(empty.isNull());
    QCOMPARE(empty.Width(), 0);
    QCOMPARE(empty.Height(), 0);
    QCOMPARE(StdPicture(QImage()).type(), StdPicture::None);
    QCOMPARE(StdPicture(QImage(), StdPicture::Icon).type(), StdPicture::None);
    const StdPicture bitmap(squares());
    QCOMPARE(bitmap.type(), StdPicture::Bitmap);
    QCOMPARE(bitmap.Width(), 16);
    QCOMPARE(bitmap.Height(), 8);
    QCOMPARE(StdPicture(squares(), StdPicture::Icon).type(), StdPicture::Icon);
    // A picture of an unknown kind with an image is a bitmap.
    QCOMPARE(StdPicture(squares(), StdPicture::None).type(), StdPicture::Bitmap);
}

void TestStdPicture::copiesShareOneObject()
{
    const StdPicture picture(squares());
    const StdPicture copy = picture;
    QVERIFY(copy.isSameObject(picture));
    QVERIFY(!StdPicture(squares()).isSameObject(picture));
    // The image handed out is a value: painting on it leaves the picture alone.
    QImage image = picture.image();
    image.fill(Qt::green);
    QCOMPARE(picture.image().pixel(0, 0), qRgb(255, 0, 0));
}

void TestStdPicture::equalityByPixels()
{
    const StdPicture picture(squares());
    QVERIFY(picture == StdPicture(squares().convertToFormat(QImage::Format_ARGB32)));
    QVERIFY(!(picture == StdPicture(squares(), StdPicture::Icon)));
    QImage other = squares();
    other.setPixel(0, 0, qRgb(1, 2, 3));
    QVERIFY(!(picture == StdPicture(other)));
    QVERIFY(!(picture == StdPicture(squares().copy(0, 0, 8, 8))));
    QVERIFY(StdPicture() == StdPicture(QImage()));
}

void TestStdPicture::loadImages()
{
    QVERIFY(squares().save(path(u"squares.png"_qs)));
    const StdPicture png = StdPicture::LoadPicture(path(u"squares.png"_qs));
    QCOMPARE(png.type(), StdPicture::Bitmap);
    QCOMPARE(png.Width(), 16);
    QCOMPARE(png.image().pixel(3, 4), qRgb(0, 0, 255));

    QVERIFY(squares().copy(0, 0, 8, 8).save(path(u"small.ico"_qs), "ICO"));
    const StdPicture icon = StdPicture::LoadPicture(path(u"small.ico"_qs));
    QCOMPARE(icon.type(), StdPicture::Icon);
    QCOMPARE(icon.Width(), 8);
    // Upper-case suffixes count too.
    QFile::copy(path(u"small.ico"_qs), path(u"CURSOR.CUR"_qs));
    QCOMPARE(StdPicture::LoadPicture(path(u"CURSOR.CUR"_qs)).type(), StdPicture::Icon);

    QVERIFY(StdPicture::LoadPicture(QString()).isNull());
}

void TestStdPicture::loadErrors_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("error");
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        squares().save(&buffer, "PNG");
    }
    QTest::newRow("missing file") << "missing.png" << QByteArray() << 53;
    QTest::newRow("text file") << "notes.txt" << QByteArray("not a picture\n") << 481;
    QTest::newRow("text named png") << "fake.png" << QByteArray("not a picture\n") << 481;
    QTest::newRow("empty file") << "empty.bmp" << QByteArray("") << 481;
    QTest::newRow("cut-off png") << "cut.png" << png.left(png.size() / 3) << 481;
    QTest::newRow("folder") << "." << QByteArray() << 53;
}

void TestStdPicture::loadErrors()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(int, error);
    if (error != 53)
        writeFile(path(name), content);
    QString description;
    try {
        StdPicture::LoadPicture(path(name));
    } catch (const RuntimeError& e) {
        QCOMPARE(e.number(), error);
        description = e.description();
    }
    QVERIFY(!description.isEmpty());
    QCOMPARE(errorOf([&] { StdPicture::LoadPicture(path(name)); }), error);
}

QTEST_MAIN(TestStdPicture)
#include "tst_stdpicture.moc"
