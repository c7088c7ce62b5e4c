#include "StudioWindow.h"

#include <QFile>
#include <QImage>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int exitCode = -1;
    QString errors;
};

Run runStudio(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZELSTUDIO_PATH), arguments);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    Run run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.errors = QString::fromLocal8Bit(process.readAllStandardError());
    return run;
}

int countColour(const QImage& image, QRgb colour)
{
    int n = 0;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            n += (line[x] & 0xFFFFFF) == (colour & 0xFFFFFF) ? 1 : 0;
    }
    return n;
}

// The living-room floor of the bundled floor plan.
constexpr QRgb SampleFloor = 0xFBE7B5;

} // namespace

class TestStudio : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void screenshotShowsTheSample()
    {
        QTemporaryDir dir;
        const QString out = dir.filePath(QStringLiteral("out.png"));
        const Run run = runStudio({ QStringLiteral("--screenshot"), out });
        QCOMPARE(run.exitCode, 0);
        const QImage shot(out);
        QVERIFY(!shot.isNull());
        QVERIFY(shot.width() >= 640 && shot.height() >= 480);
        // The living room alone is 320 x 200 pixels, furniture and label aside.
        QVERIFY(countColour(shot, SampleFloor) > 40000);
    }

    void screenshotShowsAGivenPicture()
    {
        QTemporaryDir dir;
        const QString picture = dir.filePath(QStringLiteral("magenta.png"));
        QImage image(120, 90, QImage::Format_RGB32);
        image.fill(QColor(0xFF, 0x00, 0xFF));
        QVERIFY(image.save(picture));
        const QString out = dir.filePath(QStringLiteral("out.png"));
        const Run run = runStudio({ picture, QStringLiteral("--screenshot"), out });
        QCOMPARE(run.exitCode, 0);
        const QImage shot(out);
        QCOMPARE(countColour(shot, 0xFF00FF), 120 * 90);
        QCOMPARE(countColour(shot, SampleFloor), 0);
    }

    void panelsCanBeReplaced()
    {
        StudioWindow window;
        QPointer<QWidget> placeholder = window.propertyPanel();
        QVERIFY(placeholder);
        auto* properties = new QWidget;
        window.setPropertyPanel(properties);
        QCOMPARE(window.propertyPanel(), properties);
        QVERIFY(!placeholder); // deleted
        auto* code = new QWidget;
        window.setCodePanel(code);
        QCOMPARE(window.codePanel(), code);
        QCOMPARE(code->parentWidget(), properties->parentWidget());

        QSignalSpy changed(&window, &StudioWindow::pictureChanged);
        QPointer<PictureBox> box = window.pictureBox();
        window.setPicturePanel(new QWidget);
        QVERIFY(!box && !window.pictureBox());
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(Qt::red);
        window.showPicture(StdPicture(image), QStringLiteral("red"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(window.picture().Width(), 8);
    }

    void badPictureFails_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QStringLiteral("missing.png") << QByteArray();
        QTest::newRow("not an image")
            << QStringLiteral("notes.png") << QByteArray("just some text\n");
    }

    void badPictureFails()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        const QString out = dir.filePath(QStringLiteral("out.png"));
        const Run run = runStudio({ path, QStringLiteral("--screenshot"), out });
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.errors.contains(name), qPrintable(run.errors));
        QVERIFY(!QFile::exists(out));
    }
};

QTEST_MAIN(TestStudio)
#include "tst_studio.moc"
