#include "StudioWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QPixmap>
#include <QTextStream>
#include <common/StdPicture.h>
#include <common/Units.h>

namespace {

int fail(const QString& message)
{
    QTextStream(stderr) << "zelstudio: " << message << Qt::endl;
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelstudio"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zel Studio"));
    Zel::installFontSubstitutions();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Zel Studio: the image-map editor, property list and code box at work."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("PICTURE"),
        QStringLiteral("The picture to open (the bundled sample when absent)."),
        QStringLiteral("[PICTURE]"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
        QStringLiteral("Render the window into FILE and exit."), QStringLiteral("FILE"));
    parser.addOption(screenshot);
    const QCommandLineOption exportHtml(QStringLiteral("export-html"),
        QStringLiteral("Write the HTML page of the picture and its image map into FILE and exit."),
        QStringLiteral("FILE"));
    parser.addOption(exportHtml);
    const QCommandLineOption areas(QStringLiteral("areas"),
        QStringLiteral("Read the hotspots from the separated area list FILE."),
        QStringLiteral("FILE"));
    parser.addOption(areas);
    parser.process(app);

    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() > 1)
        return fail(QStringLiteral("only one picture can be opened"));

    StudioWindow window;
    if (arguments.isEmpty()) {
        if (StudioWindow::samplePicture().isNull())
            return fail(QStringLiteral("the bundled sample picture is missing"));
        window.openSample();
    } else {
        QString error;
        if (!window.openPicture(arguments.first(), &error))
            return fail(QStringLiteral("cannot open picture %1: %2").arg(arguments.first(), error));
    }

    if (parser.isSet(areas)) {
        const QString fileName = parser.value(areas);
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("cannot read %1: %2").arg(fileName, file.errorString()));
        QString error;
        if (!window.loadAreaList(QString::fromUtf8(file.readAll()), &error))
            return fail(QStringLiteral("cannot read the area list %1: %2").arg(fileName, error));
    }

    if (parser.isSet(exportHtml)) {
        QString error;
        if (!window.exportHtml(parser.value(exportHtml), &error))
            return fail(QStringLiteral("cannot write %1: %2").arg(parser.value(exportHtml), error));
        return 0;
    }

    window.show();
    if (parser.isSet(screenshot)) {
        QApplication::processEvents();
        const QString file = parser.value(screenshot);
        if (!window.grab().save(file))
            return fail(QStringLiteral("cannot write the screenshot %1").arg(file));
        return 0;
    }
    return app.exec();
}
