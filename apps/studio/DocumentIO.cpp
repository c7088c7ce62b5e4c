#include "DocumentIO.h"

#include "AreaListFormat.h"
#include "MapDocument.h"
#include "PageWriter.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <common/RuntimeError.h>

namespace {

// What the reader of a page is told, in the person's language once a translator is installed.
class DocumentTexts
{
    Q_DECLARE_TR_FUNCTIONS(DocumentTexts)
};

const QString SamplePicture = QStringLiteral(":/sample/sample.png");
const QString SampleAreas = QStringLiteral(":/sample/sample-areas.txt");

QByteArray fileHash(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
}

// Where the picture goes beside the page: its own name, or a numbered one
// when another picture of that name is already there.
QString freeNameBeside(const QDir& dir, const QString& name, const QString& source)
{
    const QFileInfo info(name);
    QString candidate = name;
    for (int n = 2; QFileInfo::exists(dir.filePath(candidate)); ++n) {
        if (!source.isEmpty() && fileHash(dir.filePath(candidate)) == fileHash(source))
            break;
        candidate
            = QStringLiteral("%1-%2.%3").arg(info.completeBaseName()).arg(n).arg(info.suffix());
    }
    return candidate;
}

bool isBeside(const QDir& dir, const QString& file)
{
    if (file.isEmpty())
        return false;
    const QString relative = dir.relativeFilePath(QFileInfo(file).absoluteFilePath());
    return !relative.startsWith(QLatin1String("..")) && !QDir::isAbsolutePath(relative);
}

bool writePicture(MapDocument& document, const QDir& dir, QString* error)
{
    const QString source = document.pictureFile();
    if (document.frame()) {
        // The page's own <img> names the picture: put it where that name points.
        const QString target = dir.filePath(document.pictureName());
        if (document.pictureName().isEmpty() || QFileInfo::exists(target))
            return true;
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!source.isEmpty() ? QFile::copy(source, target)
                              : document.picture().image().save(target))
            return true;
        *error = DocumentTexts::tr("cannot write the picture %1").arg(target);
        return false;
    }
    if (isBeside(dir, source)) {
        document.setPictureName(dir.relativeFilePath(QFileInfo(source).absoluteFilePath()));
        return true;
    }
    QString name = document.pictureName().isEmpty() ? QStringLiteral("picture.png")
                                                    : QFileInfo(document.pictureName()).fileName();
    name = freeNameBeside(dir, name, source);
    const QString target = dir.filePath(name);
    bool written = QFileInfo::exists(target);
    if (!written)
        written = !source.isEmpty() ? QFile::copy(source, target)
                                    : document.picture().image().save(target);
    if (!written) {
        *error = DocumentTexts::tr("cannot write the picture %1").arg(target);
        return false;
    }
    document.setPictureName(name);
    return true;
}

} // namespace

StdPicture DocumentIO::samplePicture()
{
    return StdPicture(QImage(SamplePicture));
}

QString DocumentIO::sampleAreaList()
{
    QFile file(SampleAreas);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

void DocumentIO::loadSample(MapDocument& document)
{
    document.reset(samplePicture(), QString());
    document.setPictureName(QStringLiteral("sample.png"));
    document.setTitle(QStringLiteral("Sample floor plan"));
    document.setAreas(AreaListFormat::read(sampleAreaList()).areas);
}

void DocumentIO::readAreaList(MapDocument& document, const QString& text, QString* errors)
{
    const AreaListFormat::Result read = AreaListFormat::read(text);
    QStringList lines;
    for (const AreaListFormat::LineError& e : read.errors)
        lines << e.text();
    document.setAreas(read.areas);
    if (errors)
        *errors = lines.join(QLatin1Char('\n'));
}

bool DocumentIO::isPage(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == u"html" || suffix == u"htm" || suffix == u"xhtml")
        return true;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(512).trimmed().startsWith('<');
}

bool DocumentIO::loadPicture(MapDocument& document, const QString& fileName, QString* error)
{
    try {
        const StdPicture picture = StdPicture::LoadPicture(fileName);
        if (picture.isNull())
            throw RuntimeError(RuntimeError::InvalidPicture);
        document.reset(picture, QFileInfo(fileName).absoluteFilePath());
        return true;
    } catch (const RuntimeError& e) {
        if (error)
            *error = e.description();
        return false;
    }
}

void DocumentIO::showMap(MapDocument& document, const HtmlPage& page, int index,
    const StdPicture& picture, const QString& pictureFile)
{
    const PageMap& map = page.maps.at(index);
    document.reset(picture, pictureFile);
    document.setPictureName(map.pictureSource);
    document.setTitle(page.title.isEmpty() ? map.pictureAlt : page.title);
    document.setDate(page.date);
    document.setMapName(map.name);
    PageFrame frame = map.frame;
    frame.title = document.title();
    frame.date = page.date;
    document.setFrame(frame);
    document.setResponsive(page.responsive);
    document.setAreas(map.areas);
}

bool DocumentIO::loadPage(MapDocument& document, const QString& fileName, const MapChooser& choose,
    QString* error, QStringList* notes)
{
    const auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return false;
    };
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    HtmlPage page;
    PageError pageError;
    if (!HtmlPageReader::read(file.readAll(), &page, &pageError))
        return fail(pageError.text());

    int chosen = 0;
    if (page.maps.size() > 1) {
        QStringList names;
        for (const PageMap& map : std::as_const(page.maps))
            names << DocumentTexts::tr("%1 (line %2, %3 areas)")
                         .arg(map.name)
                         .arg(map.line)
                         .arg(map.areas.size());
        chosen = choose ? choose(names) : 0;
        if (chosen < 0 || chosen >= page.maps.size())
            return fail(DocumentTexts::tr("no map was chosen"));
    }
    const PageMap& map = page.maps.at(chosen);

    StdPicture picture;
    QString pictureFile;
    if (!map.pictureSource.isEmpty() && !map.pictureSource.contains(QLatin1String("://"))) {
        pictureFile = QFileInfo(fileName).absoluteDir().filePath(map.pictureSource);
        try {
            picture = StdPicture::LoadPicture(pictureFile);
        } catch (const RuntimeError& e) {
            page.notes << DocumentTexts::tr("the picture %1 cannot be shown: %2")
                              .arg(map.pictureSource, e.description());
            pictureFile.clear();
        }
    } else {
        page.notes << (map.pictureSource.isEmpty()
                ? QStringLiteral("no <img> uses the map \"%1\"").arg(map.name)
                : DocumentTexts::tr("the picture %1 is not a local file").arg(map.pictureSource));
    }

    showMap(document, page, chosen, picture, pictureFile);
    if (notes)
        *notes = page.notes;
    return true;
}

bool DocumentIO::saveText(const QString& fileName, const QString& text, QString* error)
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.toUtf8());
        if (file.commit())
            return true;
    }
    if (error)
        *error = file.errorString();
    return false;
}

bool DocumentIO::savePage(MapDocument& document, const QString& fileName, QString* error)
{
    QString failure;
    const QDir folder = QFileInfo(fileName).absoluteDir();
    if (!QDir().mkpath(folder.absolutePath())) {
        if (error)
            *error = DocumentTexts::tr("cannot make the folder %1").arg(folder.absolutePath());
        return false;
    }
    if (!writePicture(document, folder, &failure)) {
        if (error)
            *error = failure;
        return false;
    }
    return saveText(fileName, PageWriter(document).text(), error);
}
