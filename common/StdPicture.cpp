#include "StdPicture.h"

#include "RuntimeError.h"

#include <QFileInfo>
#include <QImageReader>

struct StdPicture::Data
{
    QImage image;
    Type type = None;
};

namespace {

bool isIconFormat(const QByteArray& format, const QString& suffix)
{
    return format == "ico" || format == "cur" || suffix.compare(u"ico", Qt::CaseInsensitive) == 0
        || suffix.compare(u"cur", Qt::CaseInsensitive) == 0;
}

/// Pixels compared in one format, so a picture read back from PNG equals the
/// one that was written whatever format the original image had.
QImage comparable(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

StdPicture::StdPicture()
{
    static const std::shared_ptr<const Data> empty = std::make_shared<const Data>();
    d = empty;
}

StdPicture::StdPicture(const QImage& image, Type type)
{
    auto data = std::make_shared<Data>();
    if (!image.isNull()) {
        data->image = image;
        data->type = type == Icon ? Icon : Bitmap;
    }
    d = std::move(data);
}

StdPicture StdPicture::LoadPicture(const QString& fileName)
{
    if (fileName.isEmpty())
        return StdPicture(); // the host's way to clear a picture
    const QFileInfo info(fileName);
    if (!info.isFile())
        throw RuntimeError(RuntimeError::FileNotFound,
            QStringLiteral("File not found: %1").arg(QFileInfo(fileName).fileName()));
    if (!info.isReadable())
        throw RuntimeError(75);
    QImageReader reader(fileName);
    const QByteArray format = reader.format();
    const QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError(RuntimeError::InvalidPicture,
            QStringLiteral("Invalid picture: %1 (%2)").arg(info.fileName(), reader.errorString()));
    return StdPicture(image, isIconFormat(format, info.suffix()) ? Icon : Bitmap);
}

StdPicture::Type StdPicture::type() const
{
    return d->type;
}

qint32 StdPicture::Width() const
{
    return d->image.width();
}

qint32 StdPicture::Height() const
{
    return d->image.height();
}

QImage StdPicture::image() const
{
    return d->image;
}

bool StdPicture::operator==(const StdPicture& other) const
{
    if (d == other.d)
        return true;
    if (d->type != other.d->type || d->image.size() != other.d->image.size())
        return false;
    return d->type == None || comparable(d->image) == comparable(other.d->image);
}
