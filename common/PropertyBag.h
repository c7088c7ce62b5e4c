#pragma once

#include "OleColor.h"
#include "StdFont.h"
#include "StdPicture.h"

#include <QByteArray>
#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <common/zelcommon_export.h>

/// The host's store of design-time properties.
///
/// Keys are matched without regard to letter case. Values keep their type:
/// QString, bool, qint16, qint32, float, double, OLE_COLOR (a quint32
/// variant), QDate, StdPicture and StdFont.
/// WriteProperty omits a value equal to its default under the host's rules:
/// a Boolean True is -1, so True never equals a stored default of 1.
class ZELCOMMON_EXPORT PropertyBag
{
public:
    PropertyBag();

    /// The value stored under \a key, or \a defaultValue when there is none.
    QVariant ReadProperty(const QString& key, const QVariant& defaultValue = {}) const;
    /// Stores \a value under \a key, or removes the key when \a value equals
    /// \a defaultValue (an empty picture also when there is no default).
    /// Fonts are stored as copies. A type the bag cannot hold throws
    /// RuntimeError 13, a NaN or infinite number 380; the bag is then unchanged.
    void WriteProperty(
        const QString& key, const QVariant& value, const QVariant& defaultValue = {});

    /// \name Typed reads
    ///@{

    /// Typed reads with the host's conversions; a stored value that cannot be
    /// converted throws RuntimeError 13 (type mismatch) and changes nothing.
    QString readString(const QString& key, const QString& defaultValue) const;
    bool readBoolean(const QString& key, bool defaultValue) const;
    qint16 readInteger(const QString& key, qint16 defaultValue) const;
    qint32 readLong(const QString& key, qint32 defaultValue) const;
    float readSingle(const QString& key, float defaultValue) const;
    double readDouble(const QString& key, double defaultValue) const;
    OLE_COLOR readColor(const QString& key, OLE_COLOR defaultValue) const;
    QDate readDate(const QString& key, const QDate& defaultValue) const;
    StdPicture readPicture(const QString& key) const;
    StdFont readFont(const QString& key, const StdFont& defaultValue) const;
    ///@}

    /// Stores a colour as a quint32 variant, omitted when equal to the default.
    void writeColor(const QString& key, OLE_COLOR value, OLE_COLOR defaultValue);

    /// Whether a value is stored under \a key (in any letter case).
    bool contains(const QString& key) const;
    /// Forgets the value under \a key.
    void remove(const QString& key);
    /// Stored keys in the letter case they were written with.
    QStringList keys() const;
    /// How many values are stored.
    int count() const;
    /// Whether nothing is stored.
    bool isEmpty() const { return count() == 0; }
    /// Forgets every value.
    void clear();

    /// The bag as JSON: {"version": 1, "properties": {key: {"type": ...,
    /// "value": ...}}}. Types String, Boolean, Integer, Long, Single, Double
    /// (JSON numbers and strings), Color ("&H..." text), Date (ISO text, ""
    /// for no date), Picture ({"pictureType": "Bitmap"|"Icon"|"None", "png":
    /// base64}), Font ({"name", "size", "weight", "italic", "underline",
    /// "strikethrough", "charset"}). Every value reads back exactly.
    QByteArray toJson() const;
    /// Replaces the contents with \a json. A damaged document or a value that
    /// does not match its type leaves the bag unchanged and returns false with
    /// a message in \a error.
    bool loadJson(const QByteArray& json, QString* error = nullptr);

    /// True when two values are equal under the host's comparison rules.
    static bool sameValue(const QVariant& a, const QVariant& b);

private:
    struct Entry
    {
        QString key;
        QVariant value;
    };
    QMap<QString, Entry> m_entries; // lower-case key -> entry
};
