#pragma once

#include <QDate>
#include <QString>
#include <QVariant>
#include <QtGlobal>
#include <common/zelcommon_export.h>

/// The host's numeric and text conversion rules, in one place. Every
/// conversion that fails throws RuntimeError: 13 (type mismatch) for text
/// that is not a number, 6 (overflow) for a number out of range.
namespace Zel {

/// Rounds halves to even, as the host does ("20.5" -> 20, "21.5" -> 22).
ZELCOMMON_EXPORT double roundHalfEven(double value);

/// The blanks the host allows around a number, a Boolean or a colour: space,
/// tab, carriage return and line feed. Other white space (a vertical tab, a
/// no-break space) is part of the text, which is then no number.
ZELCOMMON_EXPORT bool isBlank(QChar c);
/// \a text without the blanks around it.
ZELCOMMON_EXPORT QStringView trimBlanks(QStringView text);

/// True when \a text reads as a number: decimal (optional sign, fraction,
/// exponent), "&H" hexadecimal or "&O" octal, with surrounding blanks.
ZELCOMMON_EXPORT bool isNumeric(const QString& text);

/// Text to a double with the host's literal rules ("&HFF", "&O17", " 12.5 ").
/// An "&H"/"&O" literal whose value fits in 16 bits (1 to 4 hex digits,
/// leading zeros aside) is an Integer and widens with its sign, in every
/// conversion: "&HFFFF" is -1 as Integer, Long and Double. A larger literal
/// is a 32-bit Long ("&H10000" is 65536, "&HFFFFFFFF" is -1); a trailing "&"
/// makes any literal a Long ("&HFFFF&" is 65535); more than 32 bits
/// overflows (6). The decimal point is "." whatever the locale.
ZELCOMMON_EXPORT double toDouble(const QString& text);
/// Text to a 32-bit integer (Long): fractions rounded halves to even.
ZELCOMMON_EXPORT qint32 toLong(const QString& text);
/// Text to a 16-bit integer (Integer): fractions rounded halves to even.
ZELCOMMON_EXPORT qint16 toInteger(const QString& text);
/// Text to a float (Single).
ZELCOMMON_EXPORT float toSingle(const QString& text);
/// Text to a Boolean: "True", "False" (any letter case) or any number, 0
/// being False, with blanks around it.
ZELCOMMON_EXPORT bool toBoolean(const QString& text);

/// \name Conversions from a variant
///@{

/// The same conversions from a variant (numbers, Booleans, text, colours).
ZELCOMMON_EXPORT double toDouble(const QVariant& value);
ZELCOMMON_EXPORT qint32 toLong(const QVariant& value);
ZELCOMMON_EXPORT qint16 toInteger(const QVariant& value);
ZELCOMMON_EXPORT float toSingle(const QVariant& value);
ZELCOMMON_EXPORT bool toBoolean(const QVariant& value);
///@}

/// A variant as text: numbers in their shortest form, Booleans as "True"/"False".
ZELCOMMON_EXPORT QString toText(const QVariant& value);

/// \name Numbers as text
///@{

/// A number as the host writes it: shortest form, no trailing zeros
/// ("10", "10.5", "-0.25").
ZELCOMMON_EXPORT QString numberText(double value);
ZELCOMMON_EXPORT QString numberText(float value);
///@}

/// "True" or "False".
ZELCOMMON_EXPORT QString booleanText(bool value);
/// The host's Boolean as an integer: True is -1, False is 0.
constexpr qint32 booleanValue(bool value)
{
    return value ? -1 : 0;
}

/// \a date in the short date format of the current locale.
ZELCOMMON_EXPORT QString shortDate(const QDate& date);
/// Reads a date in the short date format of the current locale (or ISO
/// form); an invalid QDate when the text is no date.
ZELCOMMON_EXPORT QDate parseDate(const QString& text);

} // namespace Zel
