// Picture files through StdPicture::LoadPicture. The first byte picks the
// file's suffix, the rest is its content. A file either loads as a picture
// of its own size (an icon for ".ico" and ".cur") or is refused with error
// 481; a loaded picture goes through the property bag's JSON unchanged.

#include "FuzzSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <common/PropertyBag.h>
#include <common/RuntimeError.h>
#include <common/StdPicture.h>

namespace {

const char* const suffixes[]
    = { "png", "bmp", "ico", "cur", "gif", "jpg", "ppm", "xpm", "xbm", "pbm", "pgm", "bin" };

QString writeInput(const char* suffix, const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("input.") + QLatin1String(suffix));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        ZelFuzz::fail(__FILE__, __LINE__, QStringLiteral("cannot write ") + path);
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZelFuzz::ensureApplication();
    if (size == 0)
        return 0;
    const char* suffix = suffixes[data[0] % std::size(suffixes)];
    const QString path = writeInput(suffix, data + 1, size - 1);

    StdPicture picture;
    try {
        picture = StdPicture::LoadPicture(path);
    } catch (const RuntimeError& e) {
        ZEL_FUZZ_CHECK(e.number() == RuntimeError::InvalidPicture,
            QStringLiteral("a damaged .%1 file gives error %2 (%3)")
                .arg(QLatin1String(suffix))
                .arg(e.number())
                .arg(e.description()));
        return 0;
    }
    ZEL_FUZZ_CHECK(!picture.isNull() && picture.Width() > 0 && picture.Height() > 0,
        QStringLiteral("a .%1 file loads as an empty picture").arg(QLatin1String(suffix)));
    ZEL_FUZZ_CHECK(
        picture.Width() == picture.image().width() && picture.Height() == picture.image().height(),
        QStringLiteral("the picture's size is not its image's"));
    const bool icon = qstrcmp(suffix, "ico") == 0 || qstrcmp(suffix, "cur") == 0;
    if (icon)
        ZEL_FUZZ_CHECK(picture.type() == StdPicture::Icon,
            QStringLiteral("a .%1 file is no icon").arg(QLatin1String(suffix)));

    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Picture"), QVariant::fromValue(picture));
    PropertyBag reloaded;
    QString error;
    ZEL_FUZZ_CHECK(reloaded.loadJson(bag.toJson(), &error),
        QStringLiteral("a saved picture does not load: ") + error);
    const StdPicture back = reloaded.readPicture(QStringLiteral("Picture"));
    ZEL_FUZZ_CHECK(back == picture,
        QStringLiteral("a %1x%2 picture of format %3 changes in the bag (type %4 -> %5)")
            .arg(picture.Width())
            .arg(picture.Height())
            .arg(int(picture.image().format()))
            .arg(int(picture.type()))
            .arg(int(back.type())));
    return 0;
}
