#pragma once

#include <QString>
#include <algorithm>
#include <cmath>
#include <common/HostConvert.h>

namespace zc {

/// Appends \a value in plain decimal.
inline void appendInteger(QString& out, qint64 value)
{
    // Written backwards into a small buffer: no temporary string per number.
    char16_t buffer[24];
    int at = 24;
    const bool negative = value < 0;
    quint64 v = negative ? 0 - quint64(value) : quint64(value);
    do {
        buffer[--at] = char16_t(u'0' + v % 10);
        v /= 10;
    } while (v != 0);
    if (negative)
        buffer[--at] = u'-';
    out.append(reinterpret_cast<const QChar*>(buffer + at), 24 - at);
}

/// Appends a figure value in its shortest decimal form ("10", "10.5").
/// Whole values, by far the common case, skip the general formatter.
inline void appendNumber(QString& out, float value)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e9f) {
        appendInteger(out, qint64(value));
        return;
    }
    out += Zel::numberText(value);
}

/// Rounds to the nearest integer, halves to even.
inline qint64 roundEven(double value)
{
    return qint64(Zel::roundHalfEven(value));
}

/// Rounds halves to even into the 32-bit range. A box edge of 2^31 is the
/// single-precision value nearest INT32_MAX, so it comes back as INT32_MAX,
/// which reads back as that same edge.
inline qint32 roundToLong(double value)
{
    return qint32(std::clamp<qint64>(roundEven(value), INT32_MIN, INT32_MAX));
}

} // namespace zc
