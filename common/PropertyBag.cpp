#include "PropertyBag.h"

#include "HostConvert.h"
#include "RuntimeError.h"

#include <QBuffer>
#include <QColor>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr int FormatVersion = 1;
const QDate dateEpoch(1899, 12, 30);

bool isPicture(const QVariant& value)
{
    return value.metaType() == QMetaType::fromType<StdPicture>();
}

bool isFont(const QVariant& value)
{
    return value.metaType() == QMetaType::fromType<StdFont>();
}

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

QString typeName(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return QStringLiteral("String");
    case QMetaType::Bool:
        return QStringLiteral("Boolean");
    case QMetaType::Short:
        return QStringLiteral("Integer");
    case QMetaType::Int:
        return QStringLiteral("Long");
    case QMetaType::UInt:
        return QStringLiteral("Color");
    case QMetaType::Float:
        return QStringLiteral("Single");
    case QMetaType::Double:
        return QStringLiteral("Double");
    case QMetaType::QDate:
        return QStringLiteral("Date");
    default:
        return isPicture(value) ? QStringLiteral("Picture") : QStringLiteral("Font");
    }
}

/// The stored form of a written value: one of the bag's types. Fonts are
/// copied, so a later edit of the caller's font does not change what was saved.
QVariant storedForm(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::QDate:
        return value;
    case QMetaType::Float:
    case QMetaType::Double:
        if (!std::isfinite(value.toDouble()))
            throw RuntimeError(RuntimeError::InvalidPropertyValue);
        return value;
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::UShort:
        return QVariant(value.toInt());
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: {
        const double number = value.toDouble();
        if (number >= std::numeric_limits<qint32>::min()
            && number <= std::numeric_limits<qint32>::max())
            return QVariant(qint32(value.toLongLong()));
        return QVariant(number);
    }
    case QMetaType::QColor:
        return QVariant::fromValue(Zel::fromQColor(value.value<QColor>()));
    default:
        break;
    }
    if (isPicture(value))
        return value;
    if (isFont(value))
        return QVariant::fromValue(value.value<StdFont>().clone());
    throw RuntimeError(RuntimeError::TypeMismatch,
        QStringLiteral("Type mismatch: a property bag cannot hold a %1")
            .arg(QString::fromLatin1(value.typeName())));
}

/// What the caller gets back: a fresh font object, as after a reload.
QVariant handedOut(const QVariant& stored)
{
    if (isFont(stored))
        return QVariant::fromValue(stored.value<StdFont>().clone());
    return stored;
}

// JSON form of each type.

QJsonValue pictureToJson(const StdPicture& picture)
{
    QJsonObject object;
    const StdPicture::Type type = picture.type();
    object.insert(u"pictureType",
        type == StdPicture::None       ? QStringLiteral("None")
            : type == StdPicture::Icon ? QStringLiteral("Icon")
                                       : QStringLiteral("Bitmap"));
    if (type != StdPicture::None) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        picture.image().save(&buffer, "PNG");
        object.insert(u"png", QString::fromLatin1(png.toBase64()));
    }
    return object;
}

QJsonValue fontToJson(const StdFont& font)
{
    return QJsonObject {
        { QStringLiteral("name"), font.Name() },
        { QStringLiteral("size"), font.Size() },
        { QStringLiteral("weight"), font.Weight() },
        { QStringLiteral("italic"), font.Italic() },
        { QStringLiteral("underline"), font.Underline() },
        { QStringLiteral("strikethrough"), font.Strikethrough() },
        { QStringLiteral("charset"), font.Charset() },
    };
}

QJsonValue valueToJson(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Short:
    case QMetaType::Int:
        return value.toInt();
    case QMetaType::UInt:
        return Zel::colorText(value.toUInt());
    case QMetaType::Float:
        return double(value.toFloat());
    case QMetaType::Double:
        return value.toDouble();
    case QMetaType::QDate:
        return value.toDate().toString(Qt::ISODate);
    default:
        break;
    }
    if (isPicture(value))
        return pictureToJson(value.value<StdPicture>());
    return fontToJson(value.value<StdFont>());
}

std::optional<double> integralNumber(const QJsonValue& json, double low, double high)
{
    if (!json.isDouble())
        return std::nullopt;
    const double number = json.toDouble();
    if (number != std::floor(number) || number < low || number > high)
        return std::nullopt;
    return number;
}

std::optional<QVariant> pictureFromJson(const QJsonValue& json)
{
    const QJsonObject object = json.toObject();
    const QString type = object.value(u"pictureType").toString();
    if (!json.isObject() || type.isEmpty())
        return std::nullopt;
    if (type == u"None")
        return QVariant::fromValue(StdPicture());
    if (type != u"Bitmap" && type != u"Icon")
        return std::nullopt;
    const auto decoded = QByteArray::fromBase64Encoding(
        object.value(u"png").toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    const QImage image = QImage::fromData(*decoded, "PNG");
    if (image.isNull())
        return std::nullopt;
    return QVariant::fromValue(
        StdPicture(image, type == u"Icon" ? StdPicture::Icon : StdPicture::Bitmap));
}

std::optional<QVariant> fontFromJson(const QJsonValue& json)
{
    const QJsonObject object = json.toObject();
    const QJsonValue name = object.value(u"name");
    const QJsonValue size = object.value(u"size");
    if (!json.isObject() || !name.isString() || !size.isDouble())
        return std::nullopt;
    const QJsonValue weight = object.value(u"weight");
    const QJsonValue charset = object.value(u"charset");
    for (const auto flag : { u"bold", u"italic", u"underline", u"strikethrough" })
        if (object.contains(flag) && !object.value(flag).isBool())
            return std::nullopt;
    try {
        StdFont font(name.toString(), size.toDouble());
        font.setBold(object.value(u"bold").toBool());
        if (!weight.isUndefined()) {
            const auto number = integralNumber(weight, 0, 1000);
            if (!number)
                return std::nullopt;
            font.setWeight(qint16(*number));
        }
        if (!charset.isUndefined()) {
            const auto number = integralNumber(charset, -32768, 32767);
            if (!number)
                return std::nullopt;
            font.setCharset(qint16(*number));
        }
        font.setItalic(object.value(u"italic").toBool());
        font.setUnderline(object.value(u"underline").toBool());
        font.setStrikethrough(object.value(u"strikethrough").toBool());
        return QVariant::fromValue(font);
    } catch (const RuntimeError&) {
        return std::nullopt; // empty name or size out of range
    }
}

std::optional<QVariant> colorFromJson(const QJsonValue& json)
{
    if (json.isDouble()) {
        const auto number = integralNumber(json, 0, 4294967295.0);
        return number ? std::optional<QVariant>(QVariant::fromValue(OLE_COLOR(*number)))
                      : std::nullopt;
    }
    if (!json.isString())
        return std::nullopt;
    try {
        return QVariant::fromValue(Zel::colorFromText(json.toString()));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

/// The value of a stored entry, or nothing when it does not match its type.
std::optional<QVariant> valueFromJson(const QString& type, const QJsonValue& json)
{
    if (type == u"String")
        return json.isString() ? std::optional<QVariant>(json.toString()) : std::nullopt;
    if (type == u"Boolean")
        return json.isBool() ? std::optional<QVariant>(json.toBool()) : std::nullopt;
    if (type == u"Integer") {
        const auto number = integralNumber(json, -32768, 32767);
        return number ? std::optional<QVariant>(QVariant::fromValue(qint16(*number)))
                      : std::nullopt;
    }
    if (type == u"Long") {
        const auto number = integralNumber(json, -2147483648.0, 2147483647.0);
        return number ? std::optional<QVariant>(QVariant::fromValue(qint32(*number)))
                      : std::nullopt;
    }
    if (type == u"Single") {
        const double number = json.toDouble();
        if (!json.isDouble() || std::abs(number) > double(std::numeric_limits<float>::max()))
            return std::nullopt;
        return QVariant::fromValue(float(number));
    }
    if (type == u"Double")
        return json.isDouble() ? std::optional<QVariant>(json.toDouble()) : std::nullopt;
    if (type == u"Color")
        return colorFromJson(json);
    if (type == u"Date") {
        if (!json.isString())
            return std::nullopt;
        const QDate date = QDate::fromString(json.toString(), Qt::ISODate);
        if (!date.isValid() && !json.toString().isEmpty())
            return std::nullopt;
        return QVariant(date);
    }
    if (type == u"Picture")
        return pictureFromJson(json);
    if (type == u"Font")
        return fontFromJson(json);
    return std::nullopt;
}

bool fail(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return false;
}

bool isKnownType(const QString& type)
{
    static const QStringList types { QStringLiteral("String"), QStringLiteral("Boolean"),
        QStringLiteral("Integer"), QStringLiteral("Long"), QStringLiteral("Single"),
        QStringLiteral("Double"), QStringLiteral("Color"), QStringLiteral("Date"),
        QStringLiteral("Picture"), QStringLiteral("Font") };
    return types.contains(type);
}

} // namespace

PropertyBag::PropertyBag() = default;

QVariant PropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) const
{
    const auto it = m_entries.constFind(key.toLower());
    return it == m_entries.cend() ? defaultValue : handedOut(it->value);
}

void PropertyBag::WriteProperty(
    const QString& key, const QVariant& value, const QVariant& defaultValue)
{
    if (key.isEmpty())
        throw RuntimeError(RuntimeError::InvalidProcedureCall);
    // A value with no type has nothing to store, like one equal to its default.
    // Without a default only an empty picture is left out: it is the host's
    // Nothing, and reading the missing key gives the empty picture back.
    const bool compare = defaultValue.isValid() || isPicture(value);
    if (!value.isValid() || (compare && sameValue(value, defaultValue))) {
        remove(key);
        return;
    }
    m_entries.insert(key.toLower(), Entry { key, storedForm(value) });
}

QString PropertyBag::readString(const QString& key, const QString& defaultValue) const
{
    const auto it = m_entries.constFind(key.toLower());
    if (it == m_entries.cend())
        return defaultValue;
    if (isFont(it->value) || isPicture(it->value))
        throw RuntimeError(RuntimeError::TypeMismatch);
    return Zel::toText(it->value);
}

bool PropertyBag::readBoolean(const QString& key, bool defaultValue) const
{
    const auto it = m_entries.constFind(key.toLower());
    return it == m_entries.cend() ? defaultValue : Zel::toBoolean(it->value);
}

qint16 PropertyBag::readInteger(const QString& key, qint16 defaultValue) const
{
    const auto it = m_entries.constFind(key.toLower());
    return it == m_entries.cend() ? defaultValue : Zel::toInteger(it->value);
}

qint32 PropertyBag::readLong(const QString& key, qint32 defaultValue) const
{
    const auto it = m_entries.constFind(key.toLower());
    return it == m_entries.cend() ? defaultValue : Zel::toLong(it->value);
}

float PropertyBag::readSingle(const QString& key, float defaultValue) const
{
    const auto it = m_entries.constFind(key.toLower());
    return it == m_entries.cend() ? defaultValue : Zel::toSingle(it->value);
}

double PropertyBag::readDouble(const QString& key, double defaultValue) const
{
    const auto it = m_entries.constFind(key.toLower());
    return it == m_entries.cend() ? defaultValue : Zel::toDouble(it->value);
}

OLE_COLOR PropertyBag::readColor(const QString& key, OLE_COLOR defaultValue) const
{
    const auto it = m_entries.constFind(key.toLower());
    if (it == m_entries.cend())
        return defaultValue;
    const QVariant& value = it->value;
    if (value.typeId() == QMetaType::UInt)
        return value.toUInt();
    if (value.typeId() == QMetaType::QString)
        return Zel::colorFromText(value.toString());
    if (!isNumber(value))
        throw RuntimeError(RuntimeError::TypeMismatch);
    // A colour written as a Long keeps its bit pattern (system colours are negative Longs).
    const double number = Zel::roundHalfEven(Zel::toDouble(value));
    if (number < -2147483648.0 || number > 4294967295.0)
        throw RuntimeError(RuntimeError::Overflow);
    return number < 0 ? OLE_COLOR(qint32(number)) : OLE_COLOR(quint32(number));
}

QDate PropertyBag::readDate(const QString& key, const QDate& defaultValue) const
{
    const auto it = m_entries.constFind(key.toLower());
    if (it == m_entries.cend())
        return defaultValue;
    const QVariant& value = it->value;
    if (value.typeId() == QMetaType::QDate)
        return value.toDate();
    if (value.typeId() == QMetaType::QString) {
        const QDate date = Zel::parseDate(value.toString());
        if (!date.isValid())
            throw RuntimeError(RuntimeError::TypeMismatch);
        return date;
    }
    if (isNumber(value) && value.typeId() != QMetaType::Bool) {
        const double days = std::floor(Zel::toDouble(value));
        const QDate date = std::abs(days) < 4e6 ? dateEpoch.addDays(qint64(days)) : QDate();
        if (!date.isValid())
            throw RuntimeError(RuntimeError::Overflow);
        return date;
    }
    throw RuntimeError(RuntimeError::TypeMismatch);
}

StdPicture PropertyBag::readPicture(const QString& key) const
{
    const auto it = m_entries.constFind(key.toLower());
    if (it == m_entries.cend())
        return StdPicture();
    if (!isPicture(it->value))
        throw RuntimeError(RuntimeError::TypeMismatch);
    return it->value.value<StdPicture>();
}

StdFont PropertyBag::readFont(const QString& key, const StdFont& defaultValue) const
{
    const auto it = m_entries.constFind(key.toLower());
    if (it == m_entries.cend())
        return defaultValue;
    if (!isFont(it->value))
        throw RuntimeError(RuntimeError::TypeMismatch);
    return it->value.value<StdFont>().clone();
}

void PropertyBag::writeColor(const QString& key, OLE_COLOR value, OLE_COLOR defaultValue)
{
    WriteProperty(key, QVariant::fromValue(value), QVariant::fromValue(defaultValue));
}

bool PropertyBag::contains(const QString& key) const
{
    return m_entries.contains(key.toLower());
}

void PropertyBag::remove(const QString& key)
{
    m_entries.remove(key.toLower());
}

QStringList PropertyBag::keys() const
{
    QStringList result;
    result.reserve(m_entries.size());
    for (const Entry& entry : m_entries)
        result.append(entry.key);
    return result;
}

int PropertyBag::count() const
{
    return int(m_entries.size());
}

void PropertyBag::clear()
{
    m_entries.clear();
}

QByteArray PropertyBag::toJson() const
{
    QJsonObject properties;
    for (const Entry& entry : m_entries) {
        properties.insert(entry.key,
            QJsonObject { { QStringLiteral("type"), typeName(entry.value) },
                { QStringLiteral("value"), valueToJson(entry.value) } });
    }
    const QJsonObject root { { QStringLiteral("version"), FormatVersion },
        { QStringLiteral("properties"), properties } };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool PropertyBag::loadJson(const QByteArray& json, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        return fail(error,
            QStringLiteral("Damaged property file at offset %1: %2")
                .arg(parseError.offset)
                .arg(parseError.errorString()));
    const QJsonObject root = document.object();
    if (!document.isObject() || !root.value(u"properties").isObject())
        return fail(error, QStringLiteral("Not a property file: no \"properties\" object"));
    if (root.value(u"version").toDouble() != FormatVersion)
        return fail(error,
            QStringLiteral("Unsupported property file version %1 (expected %2)")
                .arg(root.value(u"version").toVariant().toString())
                .arg(FormatVersion));

    QMap<QString, Entry> entries;
    const QJsonObject properties = root.value(u"properties").toObject();
    for (auto it = properties.begin(); it != properties.end(); ++it) {
        const QString key = it.key();
        const QJsonObject entry = it.value().toObject();
        const QString type = entry.value(u"type").toString();
        if (key.isEmpty())
            return fail(error, QStringLiteral("A property has an empty name"));
        if (entries.contains(key.toLower()))
            return fail(error, QStringLiteral("Property \"%1\" appears twice").arg(key));
        if (!isKnownType(type))
            return fail(
                error, QStringLiteral("Property \"%1\" has an unknown type \"%2\"").arg(key, type));
        const auto value = valueFromJson(type, entry.value(u"value"));
        if (!value)
            return fail(error,
                QStringLiteral("Property \"%1\": the value is not a valid %2").arg(key, type));
        entries.insert(key.toLower(), Entry { key, *value });
    }
    m_entries.swap(entries);
    if (error)
        error->clear();
    return true;
}

bool PropertyBag::sameValue(const QVariant& a, const QVariant& b)
{
    if (isPicture(a) || isPicture(b)) {
        if (isPicture(a) && isPicture(b))
            return a.value<StdPicture>() == b.value<StdPicture>();
        const QVariant& picture = isPicture(a) ? a : b;
        const QVariant& other = isPicture(a) ? b : a;
        return !other.isValid() && picture.value<StdPicture>().isNull();
    }
    if (isFont(a) || isFont(b))
        return isFont(a) && isFont(b) && a.value<StdFont>() == b.value<StdFont>();
    if (!a.isValid() || !b.isValid()) {
        // The host's Empty equals 0 and "".
        const QVariant& other = a.isValid() ? a : b;
        if (!other.isValid())
            return true;
        if (other.typeId() == QMetaType::QString)
            return other.toString().isEmpty();
        return isNumber(other) && Zel::toDouble(other) == 0;
    }
    const bool aText = a.typeId() == QMetaType::QString;
    const bool bText = b.typeId() == QMetaType::QString;
    if (aText && bText)
        return a.toString() == b.toString();
    if (a.typeId() == QMetaType::QDate || b.typeId() == QMetaType::QDate)
        return a.typeId() == b.typeId() && a.toDate() == b.toDate();
    if ((aText || isNumber(a)) && (bText || isNumber(b))) {
        // Text against a number compares as a number when it reads as one.
        const QVariant& text = aText ? a : b;
        if ((aText || bText) && !Zel::isNumeric(text.toString()))
            return false;
        return Zel::toDouble(a) == Zel::toDouble(b);
    }
    return false;
}
