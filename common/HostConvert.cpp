#include "HostConvert.h"

#include "OleColor.h"
#include "RuntimeError.h"

#include <QColor>
#include <QLocale>
#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace Zel {

namespace {

/// Text read as a number literal: either an "&H"/"&O" integer (already
/// sign-extended from its 16- or 32-bit form) or a decimal in plain ASCII
/// form for std::from_chars, which ignores the C locale a Qt program sets.
struct Literal
{
    bool isInteger = false;
    qint64 integer = 0;
    std::string decimal;
    /// Power of ten of the leading digit, to tell overflow from underflow.
    long magnitude = 0;
};

int digitValue(QChar c, int base)
{
    int value = -1;
    if (c >= u'0' && c <= u'9')
        value = c.unicode() - u'0';
    else if (c >= u'a' && c <= u'f')
        value = c.unicode() - u'a' + 10;
    else if (c >= u'A' && c <= u'F')
        value = c.unicode() - u'A' + 10;
    return value < base ? value : -1;
}

/// "&H..." or "&O..." with an optional Long suffix "&". A literal whose value
/// fits in 16 bits is an Integer and widens with its sign, as the host does.
int parseRadixLiteral(QStringView text, Literal& out)
{
    const QChar marker = text.size() > 1 ? text[1].toUpper() : QChar();
    const int base = marker == u'H' ? 16 : marker == u'O' ? 8 : 0;
    if (base == 0)
        return RuntimeError::TypeMismatch;
    QStringView digits = text.mid(2);
    bool longSuffix = false;
    if (digits.endsWith(u'&')) {
        longSuffix = true;
        digits.chop(1);
    }
    if (digits.isEmpty())
        return RuntimeError::TypeMismatch;
    quint64 value = 0;
    for (QChar c : digits) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return RuntimeError::TypeMismatch;
        value = value * base + digit;
        if (value > 0xFFFFFFFFull) {
            // Keep scanning so that "&H1G..." still reads as a type mismatch.
            for (QChar rest : digits)
                if (digitValue(rest, base) < 0)
                    return RuntimeError::TypeMismatch;
            return RuntimeError::Overflow;
        }
    }
    out.isInteger = true;
    if (value <= 0xFFFF && !longSuffix)
        out.integer = qint16(quint16(value));
    else
        out.integer = qint32(quint32(value));
    return 0;
}

/// [sign] digits [. digits] [E|D [sign] digits], at least one mantissa digit.
int parseDecimal(QStringView text, Literal& out)
{
    std::string ascii;
    ascii.reserve(size_t(text.size()));
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        if (text[i] == u'-')
            ascii += '-';
        ++i;
    }
    bool anyDigit = false;
    bool seenNonZero = false;
    bool inFraction = false;
    long leadPosition = 0; // digits before the point, counted from the first non-zero
    long fractionZeros = 0; // zeros after the point before the first non-zero
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            anyDigit = true;
            ascii += char(c.unicode());
            if (c != u'0')
                seenNonZero = true;
            if (!inFraction && seenNonZero)
                ++leadPosition;
            if (inFraction && !seenNonZero)
                ++fractionZeros;
        } else if (c == u'.' && !inFraction) {
            inFraction = true;
            ascii += '.';
        } else {
            break;
        }
    }
    if (!anyDigit)
        return RuntimeError::TypeMismatch;
    long exponent = 0;
    if (i < text.size() && (text[i].toUpper() == u'E' || text[i].toUpper() == u'D')) {
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
            negative = text[i] == u'-';
            ++i;
        }
        const qsizetype start = i;
        std::string expDigits;
        for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
            expDigits += char(text[i].unicode());
            exponent = std::min(exponent * 10 + (text[i].unicode() - u'0'), 100000L);
        }
        if (i == start)
            return RuntimeError::TypeMismatch;
        if (negative)
            exponent = -exponent;
        ascii += negative ? "e-" : "e";
        ascii += expDigits;
    }
    if (i != text.size())
        return RuntimeError::TypeMismatch;
    out.decimal = std::move(ascii);
    out.magnitude = (leadPosition > 0 ? leadPosition - 1 : -fractionZeros - 1) + exponent;
    if (!seenNonZero)
        out.magnitude = 0;
    return 0;
}

/// 0 on success, else the host's error number.
int parseLiteral(const QString& text, Literal& out)
{
    const QStringView trimmed = trimBlanks(text);
    if (trimmed.isEmpty())
        return RuntimeError::TypeMismatch;
    if (trimmed[0] == u'&')
        return parseRadixLiteral(trimmed, out);
    return parseDecimal(trimmed, out);
}

template<typename Real> int literalValue(const Literal& literal, Real& value)
{
    if (literal.isInteger) {
        value = Real(literal.integer);
        return 0;
    }
    const char* first = literal.decimal.data();
    const char* last = first + literal.decimal.size();
    const auto result = std::from_chars(first, last, value);
    if (result.ec == std::errc::result_out_of_range) {
        if (literal.magnitude > 0)
            return RuntimeError::Overflow;
        value = literal.decimal.front() == '-' ? -Real(0) : Real(0); // underflow
        return 0;
    }
    if (result.ec != std::errc() || result.ptr != last)
        return RuntimeError::TypeMismatch;
    return 0;
}

template<typename Real> Real parseReal(const QString& text)
{
    Literal literal;
    Real value = 0;
    int error = parseLiteral(text, literal);
    if (error == 0)
        error = literalValue(literal, value);
    if (error != 0)
        throw RuntimeError(error);
    return value;
}

template<typename Int> Int integerFromDouble(double value)
{
    const double rounded = roundHalfEven(value);
    if (!(rounded >= double(std::numeric_limits<Int>::min())
            && rounded <= double(std::numeric_limits<Int>::max())))
        throw RuntimeError(RuntimeError::Overflow); // also NaN
    return Int(rounded);
}

template<typename Int> Int integerFromText(const QString& text)
{
    Literal literal;
    int error = parseLiteral(text, literal);
    if (error != 0)
        throw RuntimeError(error);
    if (literal.isInteger) {
        if (literal.integer < std::numeric_limits<Int>::min()
            || literal.integer > std::numeric_limits<Int>::max())
            throw RuntimeError(RuntimeError::Overflow);
        return Int(literal.integer);
    }
    double value = 0;
    error = literalValue(literal, value);
    if (error != 0)
        throw RuntimeError(error);
    return integerFromDouble<Int>(value);
}

/// The host counts dates in days from 30 December 1899.
const QDate dateEpoch(1899, 12, 30);

/// Shortest round-trip digits of \a value in host form: plain notation for
/// moderate exponents, "1.5E+20" style beyond.
template<typename Real> QString shortestText(Real value)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    if (value == 0)
        return QStringLiteral("0");
    char buffer[64];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string sci(buffer, result.ptr); // "-1.2345e+02"
    const size_t ePos = sci.find('e');
    std::string mantissa = sci.substr(0, ePos);
    const int exponent = std::stoi(sci.substr(ePos + 1));
    const bool negative = mantissa.front() == '-';
    std::string digits;
    for (char c : mantissa)
        if (c >= '0' && c <= '9')
            digits += c;
    std::string out = negative ? "-" : "";
    if (exponent >= -5 && exponent < 15) {
        if (exponent >= 0) {
            const size_t intLength = size_t(exponent) + 1;
            if (digits.size() <= intLength) {
                out += digits + std::string(intLength - digits.size(), '0');
            } else {
                out += digits.substr(0, intLength) + '.' + digits.substr(intLength);
            }
        } else {
            out += "0." + std::string(size_t(-exponent - 1), '0') + digits;
        }
    } else {
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += '.' + digits.substr(1);
        char expText[16];
        std::snprintf(
            expText, sizeof expText, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += expText;
    }
    return QString::fromLatin1(out.data(), qsizetype(out.size()));
}

/// A date format that also reads days and months typed without a leading zero.
QString lenient(QString format)
{
    static const QRegularExpression twoDigitDay(QStringLiteral("(?<!d)dd(?!d)"));
    static const QRegularExpression twoDigitMonth(QStringLiteral("(?<!M)MM(?!M)"));
    return format.replace(twoDigitDay, QStringLiteral("d"))
        .replace(twoDigitMonth, QStringLiteral("M"));
}

/// \a format with four-digit years, for text typed in full.
QString withFullYear(QString format)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return format.replace(twoDigitYear, QStringLiteral("yyyy"));
}

} // namespace

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

QStringView trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff < 0.5)
        return floor;
    if (diff > 0.5)
        return floor + 1;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

bool isNumeric(const QString& text)
{
    Literal literal;
    double value = 0;
    return parseLiteral(text, literal) == 0 && literalValue(literal, value) == 0;
}

double toDouble(const QString& text)
{
    return parseReal<double>(text);
}

qint32 toLong(const QString& text)
{
    return integerFromText<qint32>(text);
}

qint16 toInteger(const QString& text)
{
    return integerFromText<qint16>(text);
}

float toSingle(const QString& text)
{
    return parseReal<float>(text);
}

bool toBoolean(const QString& text)
{
    const QStringView trimmed = trimBlanks(text);
    if (trimmed.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (trimmed.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    return toDouble(text) != 0;
}

double toDouble(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return 0; // the host's Empty
    case QMetaType::Bool:
        return booleanValue(value.toBool());
    case QMetaType::QString:
        return toDouble(value.toString());
    case QMetaType::UInt:
        // The one unsigned type in a bag is OLE_COLOR, which the host holds in a Long.
        return qint32(value.toUInt());
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return value.toDouble();
    case QMetaType::QDate:
        return double(dateEpoch.daysTo(value.toDate()));
    case QMetaType::QColor:
        return double(fromQColor(value.value<QColor>()));
    default:
        throw RuntimeError(RuntimeError::TypeMismatch);
    }
}

qint32 toLong(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return toLong(value.toString());
    return integerFromDouble<qint32>(toDouble(value));
}

qint16 toInteger(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return toInteger(value.toString());
    return integerFromDouble<qint16>(toDouble(value));
}

float toSingle(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return toSingle(value.toString());
    if (value.typeId() == QMetaType::Float)
        return value.toFloat();
    const double number = toDouble(value);
    if (std::isfinite(number) && std::abs(number) > double(std::numeric_limits<float>::max()))
        throw RuntimeError(RuntimeError::Overflow);
    return float(number);
}

bool toBoolean(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::QString:
        return toBoolean(value.toString());
    default:
        return toDouble(value) != 0;
    }
}

QString toText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return QString();
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Bool:
        return booleanText(value.toBool());
    case QMetaType::Float:
        return numberText(value.toFloat());
    case QMetaType::QDate:
        return shortDate(value.toDate());
    default:
        break;
    }
    return numberText(toDouble(value));
}

QString numberText(double value)
{
    return shortestText(value);
}

QString numberText(float value)
{
    return shortestText(value);
}

QString booleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

QString shortDate(const QDate& date)
{
    if (!date.isValid())
        return QString();
    return QLocale().toString(date, QLocale::ShortFormat);
}

QDate parseDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QDate();
    const QLocale locale;
    const QString shortFormat = lenient(locale.dateFormat(QLocale::ShortFormat));
    const QString fullYearFormat = withFullYear(shortFormat);
    QDate date = locale.toDate(trimmed, fullYearFormat);
    if (date.isValid())
        return date;
    if (fullYearFormat != shortFormat) {
        date = locale.toDate(trimmed, shortFormat);
        // Two-digit years fall in 1930-2029, as the host reads them.
        if (date.isValid() && date.year() < 1930)
            date = date.addYears(100);
        if (date.isValid())
            return date;
    }
    date = locale.toDate(trimmed, QLocale::LongFormat);
    if (date.isValid())
        return date;
    return QDate::fromString(trimmed, Qt::ISODate);
}

} // namespace Zel
