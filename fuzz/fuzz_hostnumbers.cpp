// The host's number rules on any text: every reader agrees with toDouble
// on what is a number, integers are the double rounded halves to even or
// an overflow, numberText reads back to the very value, and the Boolean and
// colour readers allow the same blanks around a number as the others.

#include "FuzzSupport.h"

#include <QVariant>
#include <cmath>
#include <common/HostConvert.h>
#include <common/OleColor.h>
#include <common/PropertyBag.h>
#include <common/RuntimeError.h>
#include <cstring>
#include <limits>

namespace {

/// The error number \a call throws (0 when it returns), the result in \a out.
template<typename T, typename Call> int attempt(T& out, Call call)
{
    try {
        out = call();
        return 0;
    } catch (const RuntimeError& e) {
        return e.number();
    }
}

QString describe(const QString& text, const char* reader, int error, const QString& value)
{
    return QStringLiteral("%1(%2) gave error %3, value %4")
        .arg(QLatin1String(reader), ZelFuzz::quoted(text))
        .arg(error)
        .arg(value);
}

bool isHostBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

/// \a text without the blanks a number may have around it.
QString withoutBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isHostBlank(text[begin]))
        ++begin;
    while (end > begin && isHostBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

template<typename Int>
void checkInteger(const QString& text, int doubleError, double number, const char* reader,
    Int (*convert)(const QString&))
{
    Int value = 0;
    const int error = attempt(value, [&] { return convert(text); });
    if (doubleError != 0) {
        ZEL_FUZZ_CHECK(error == doubleError,
            describe(text, reader, error, QString::number(value))
                + QStringLiteral(" while toDouble gave error %1").arg(doubleError));
        return;
    }
    const double rounded = Zel::roundHalfEven(number);
    const bool fits = rounded >= double(std::numeric_limits<Int>::min())
        && rounded <= double(std::numeric_limits<Int>::max());
    if (fits)
        ZEL_FUZZ_CHECK(error == 0 && double(value) == rounded,
            describe(text, reader, error, QString::number(value))
                + QStringLiteral(", expected %1").arg(rounded, 0, 'g', 17));
    else
        ZEL_FUZZ_CHECK(error == RuntimeError::Overflow,
            describe(text, reader, error, QString::number(value))
                + QStringLiteral(", expected overflow for %1").arg(rounded, 0, 'g', 17));
}

void checkSingle(const QString& text, int doubleError, double number)
{
    float value = 0;
    const int error = attempt(value, [&] { return Zel::toSingle(text); });
    const QString seen = describe(text, "toSingle", error, Zel::numberText(value));
    if (doubleError != 0) {
        ZEL_FUZZ_CHECK(error == doubleError, seen);
        return;
    }
    constexpr double largest = double(std::numeric_limits<float>::max());
    if (std::abs(number) < largest)
        ZEL_FUZZ_CHECK(error == 0, seen);
    if (error == 0) {
        // Read once into a float; the double rounded to a float may differ
        // by one step in a tie.
        const float viaDouble = float(number);
        ZEL_FUZZ_CHECK(value == viaDouble || std::nextafter(value, viaDouble) == viaDouble
                || (std::isinf(viaDouble) && std::abs(value) == float(largest)),
            seen + QStringLiteral(" while toDouble gave %1").arg(Zel::numberText(number)));
        const QString written = Zel::numberText(value);
        float back = 0;
        ZEL_FUZZ_CHECK(attempt(back, [&] { return Zel::toSingle(written); }) == 0 && back == value,
            QStringLiteral("numberText(float) %1 does not read back").arg(written));
    } else {
        ZEL_FUZZ_CHECK(error == RuntimeError::Overflow && std::abs(number) >= largest, seen);
    }
}

void checkBoolean(const QString& text, int doubleError, double number)
{
    bool value = false;
    const int error = attempt(value, [&] { return Zel::toBoolean(text); });
    const QString seen = describe(text, "toBoolean", error, Zel::booleanText(value));
    const QString word = withoutBlanks(text);
    if (word.compare(u"True", Qt::CaseInsensitive) == 0
        || word.compare(u"False", Qt::CaseInsensitive) == 0) {
        ZEL_FUZZ_CHECK(error == 0 && value == (word.size() == 4), seen);
        return;
    }
    ZEL_FUZZ_CHECK(
        error == doubleError, seen + QStringLiteral(" but toDouble error %1").arg(doubleError));
    if (error == 0)
        ZEL_FUZZ_CHECK(value == (number != 0), seen);
}

void checkColor(const QString& text, int doubleError, double number)
{
    OLE_COLOR value = 0;
    const int error = attempt(value, [&] { return Zel::colorFromText(text); });
    const QString seen = describe(text, "colorFromText", error, Zel::colorText(value));
    ZEL_FUZZ_CHECK(
        error == 0 || error == RuntimeError::Overflow || error == RuntimeError::TypeMismatch, seen);
    if (withoutBlanks(text).startsWith(u"&H", Qt::CaseInsensitive)) {
        // Hex colours are unsigned: a colour may read where an Integer overflows.
        if (error == 0)
            ZEL_FUZZ_CHECK(value == OLE_COLOR(Zel::colorFromText(Zel::colorText(value))), seen);
        return;
    }
    if (doubleError != 0) {
        ZEL_FUZZ_CHECK(error == doubleError, seen);
        return;
    }
    const double rounded = Zel::roundHalfEven(number);
    if (rounded >= -2147483648.0 && rounded <= 4294967295.0)
        ZEL_FUZZ_CHECK(error == 0
                && value
                    == (rounded < 0 ? OLE_COLOR(qint32(rounded)) : OLE_COLOR(quint32(rounded))),
            seen);
    else
        ZEL_FUZZ_CHECK(error == RuntimeError::Overflow, seen);
}

/// A String stored in a bag reads as the direct conversions read it.
void checkThroughTheBag(const QString& text)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Value"), text);
    const QString key = QStringLiteral("value");
    const auto same = [&](const char* reader, auto direct, auto viaBag) {
        decltype(direct()) a {}, b {};
        const int errorA = attempt(a, direct);
        const int errorB = attempt(b, viaBag);
        ZEL_FUZZ_CHECK(errorA == errorB && (errorA != 0 || a == b),
            QStringLiteral("the bag's %1 of %2 gives error %3, the direct conversion error %4")
                .arg(QLatin1String(reader), ZelFuzz::quoted(text))
                .arg(errorB)
                .arg(errorA));
    };
    same(
        "readBoolean", [&] { return Zel::toBoolean(text); },
        [&] { return bag.readBoolean(key, false); });
    same(
        "readLong", [&] { return Zel::toLong(text); }, [&] { return bag.readLong(key, 0); });
    same(
        "readInteger", [&] { return Zel::toInteger(text); },
        [&] { return bag.readInteger(key, 0); });
    same(
        "readColor", [&] { return Zel::colorFromText(text); },
        [&] { return bag.readColor(key, 0); });
    same(
        "readDouble", [&] { return Zel::toDouble(text); }, [&] { return bag.readDouble(key, 0); });
}

/// Any double and float written by numberText reads back bit for bit
/// (zero's sign aside).
void checkNumberText(const uint8_t* data, size_t size)
{
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            const QString written = Zel::numberText(value);
            double back = 0;
            ZEL_FUZZ_CHECK(
                attempt(back, [&] { return Zel::toDouble(written); }) == 0 && back == value,
                QStringLiteral("numberText(%1) = %2 reads back as %3")
                    .arg(value, 0, 'g', 17)
                    .arg(written)
                    .arg(back, 0, 'g', 17));
        }
    }
    if (size >= sizeof(float)) {
        float value;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            const QString written = Zel::numberText(value);
            float back = 0;
            ZEL_FUZZ_CHECK(
                attempt(back, [&] { return Zel::toSingle(written); }) == 0 && back == value,
                QStringLiteral("numberText(%1f) = %2 reads back as %3")
                    .arg(double(value), 0, 'g', 9)
                    .arg(written)
                    .arg(double(back), 0, 'g', 9));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZelFuzz::ensureApplication();
    const QString text = ZelFuzz::text(data, size);

    double number = 0;
    const int doubleError = attempt(number, [&] { return Zel::toDouble(text); });
    ZEL_FUZZ_CHECK(doubleError == 0 || doubleError == RuntimeError::Overflow
            || doubleError == RuntimeError::TypeMismatch,
        describe(text, "toDouble", doubleError, QString()));
    ZEL_FUZZ_CHECK(Zel::isNumeric(text) == (doubleError == 0),
        describe(text, "toDouble", doubleError, Zel::numberText(number)));
    if (doubleError == 0) {
        const QString written = Zel::numberText(number);
        double back = 0;
        ZEL_FUZZ_CHECK(attempt(back, [&] { return Zel::toDouble(written); }) == 0 && back == number,
            QStringLiteral("numberText %1 does not read back").arg(written));
    }
    checkInteger<qint32>(text, doubleError, number, "toLong", Zel::toLong);
    checkInteger<qint16>(text, doubleError, number, "toInteger", Zel::toInteger);
    checkSingle(text, doubleError, number);
    checkBoolean(text, doubleError, number);
    checkColor(text, doubleError, number);
    checkThroughTheBag(text);
    checkNumberText(data, size);
    return 0;
}
