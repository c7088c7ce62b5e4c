#pragma once

#include <QImage>
#include <QMetaType>
#include <QString>
#include <common/zelcommon_export.h>
#include <memory>

/// A picture held by reference, as the host's picture objects are: copies
/// share one object. A picture is a bitmap, an icon, or empty. Sizes are in
/// pixels.
class ZELCOMMON_EXPORT StdPicture
{
public:
    /// What a picture holds: nothing, a bitmap or an icon.
    enum Type { None = 0, Bitmap = 1, Icon = 3 };

    /// The empty picture.
    StdPicture();
    /// A picture of \a image; empty when the image is null.
    explicit StdPicture(const QImage& image, Type type = Bitmap);

    /// Loads a picture file (".ico" and ".cur" become icons); an empty name
    /// gives the empty picture. Throws RuntimeError 53 when the file does not
    /// exist, 75 when it cannot be read and 481 when it is not an image.
    static StdPicture LoadPicture(const QString& fileName);

    /// What the picture holds.
    Type type() const;
    /// Whether this is the empty picture.
    bool isNull() const { return type() == None; }
    /// The width in pixels (0 when empty).
    qint32 Width() const;
    /// The height in pixels (0 when empty).
    qint32 Height() const;
    /// The pixels (a null image when empty).
    QImage image() const;

    /// Whether both refer to one picture object (copies share it).
    bool isSameObject(const StdPicture& other) const { return d == other.d; }
    /// Whether both have the same type and pixels.
    bool operator==(const StdPicture& other) const;

private:
    struct Data;
    std::shared_ptr<const Data> d;
};

Q_DECLARE_METATYPE(StdPicture)
