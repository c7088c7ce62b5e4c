#include "StudioWindow.h"

#include <QApplication>
#include <QCommandLineParser>
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
    parser.process(app);

    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() > 1)
        return fail(QStringLiteral("only one picture can be opened"));

    StudioWindow window;
    if (arguments.isEmpty()) {
        const StdPicture sample = StudioWindow::samplePicture();
        if (sample.isNull())
            return fail(QStringLiteral("the bundled sample picture is missing"));
        window.showPicture(sample, QStringLiteral("sample.png"));
    } else {
        QString error;
        if (!window.openPicture(arguments.first(), &error))
            return fail(QStringLiteral("cannot open picture %1: %2").arg(arguments.first(), error));
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
