#include "DocumentIO.h"
#include "MapDocument.h"
#include "StudioTranslations.h"
#include "StudioWindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QPixmap>
#include <QTextStream>
#include <common/Units.h>
#include <memory>

namespace {

// The command line's own texts, in the person's language once the translator is installed.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

int fail(const QString& message)
{
    QTextStream(stderr) << "zelstudio: " << message << Qt::endl;
    return 1;
}

bool hasOption(int argc, char** argv, const char* name)
{
    const QByteArray option = QByteArray("--") + name;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == option || argument.startsWith(option + '='))
            return true;
    }
    return false;
}

// Built after the translator is installed, so the help reads in the person's language.
struct Options
{
    QCommandLineOption screenshot { QStringLiteral("screenshot"),
        CommandLine::tr("Render the window into FILE and exit."), QStringLiteral("FILE") };
    QCommandLineOption exportHtml { QStringLiteral("export-html"),
        CommandLine::tr("Write the HTML page and its picture beside it into FILE and exit (no "
                        "display needed)."),
        QStringLiteral("FILE") };
    QCommandLineOption areas { QStringLiteral("areas"),
        CommandLine::tr("Read the hotspots from the area list FILE."), QStringLiteral("FILE") };
    QCommandLineOption open { QStringLiteral("open"),
        CommandLine::tr("Open FILE: a picture, or an HTML page with an image map."),
        QStringLiteral("FILE") };
};

// The file to open: --open FILE or the one positional argument ("" for the sample).
bool fileToOpen(
    const QCommandLineParser& parser, const Options& options, QString* file, QString* error)
{
    QStringList files = parser.positionalArguments();
    if (parser.isSet(options.open))
        files.prepend(parser.value(options.open));
    if (files.size() > 1) {
        *error = CommandLine::tr("only one file can be opened");
        return false;
    }
    *file = files.value(0);
    return true;
}

bool loadInto(MapDocument& document, const QString& file, QString* error)
{
    if (file.isEmpty()) {
        if (DocumentIO::samplePicture().isNull()) {
            *error = CommandLine::tr("the bundled sample picture is missing");
            return false;
        }
        DocumentIO::loadSample(document);
        return true;
    }
    QString reason;
    const bool ok = DocumentIO::isPage(file) ? DocumentIO::loadPage(document, file, {}, &reason)
                                             : DocumentIO::loadPicture(document, file, &reason);
    if (!ok)
        *error = CommandLine::tr("cannot open %1: %2").arg(file, reason);
    return ok;
}

QString readAreaList(const QString& fileName, QString* error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = CommandLine::tr("cannot read %1: %2").arg(fileName, file.errorString());
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

// Without a window: read, write, done. Runs where no display exists.
int exportHeadless(QCoreApplication& app, const Options& options)
{
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"), CommandLine::tr("The picture or page to open."));
    parser.addOptions({ options.screenshot, options.exportHtml, options.areas, options.open });
    parser.process(app);
    QString file;
    QString error;
    if (!fileToOpen(parser, options, &file, &error))
        return fail(error);
    MapDocument document;
    if (!loadInto(document, file, &error))
        return fail(error);
    if (parser.isSet(options.areas)) {
        const QString text = readAreaList(parser.value(options.areas), &error);
        if (!error.isEmpty())
            return fail(error);
        DocumentIO::readAreaList(document, text, &error);
        if (!error.isEmpty())
            return fail(
                CommandLine::tr("the area list %1: %2").arg(parser.value(options.areas), error));
    }
    const QString out = parser.value(options.exportHtml);
    if (!DocumentIO::savePage(document, out, &error))
        return fail(CommandLine::tr("cannot write %1: %2").arg(out, error));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (hasOption(argc, argv, "export-html")) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("zelstudio"));
        StudioTranslations::install();
        const Options options;
        return exportHeadless(app, options);
    }
    // A screenshot needs no screen.
    if (hasOption(argc, argv, "screenshot") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Zel"));
    QApplication::setApplicationName(QStringLiteral("zelstudio"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zel Studio"));
    Zel::installFontSubstitutions();
    // Before the window exists, so its menus are built in the person's language.
    StudioTranslations::install();

    const Options options;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        CommandLine::tr("Zel Studio: an image-map editor for web pages."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FILE"),
        CommandLine::tr("A picture or an HTML page to open (the bundled sample when absent)."),
        QStringLiteral("[FILE]"));
    parser.addOptions({ options.screenshot, options.exportHtml, options.areas, options.open });
    parser.process(app);

    QString file;
    QString error;
    if (!fileToOpen(parser, options, &file, &error))
        return fail(error);
    StudioWindow window;
    if (file.isEmpty()) {
        if (DocumentIO::samplePicture().isNull())
            return fail(CommandLine::tr("the bundled sample picture is missing"));
        window.openSample();
    } else if (!window.openFile(file, &error)) {
        return fail(CommandLine::tr("cannot open %1: %2").arg(file, error));
    }
    if (parser.isSet(options.areas)) {
        const QString text = readAreaList(parser.value(options.areas), &error);
        if (!error.isEmpty())
            return fail(error);
        if (!window.loadAreaList(text, &error))
            return fail(
                CommandLine::tr("the area list %1: %2").arg(parser.value(options.areas), error));
    }

    window.show();
    if (parser.isSet(options.screenshot)) {
        QApplication::processEvents();
        const QString shot = parser.value(options.screenshot);
        if (!window.grab().save(shot))
            return fail(CommandLine::tr("cannot write the screenshot %1").arg(shot));
        return 0;
    }
    return app.exec();
}
