#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <TestSupport.h>
#include <cmath>
#include <common/HostConvert.h>
#include <common/OleColor.h>
#include <common/PropertyBag.h>
#include <common/RuntimeError.h>
#include <common/StdPicture.h>
#include <functional>
#include <limits>

class TestHostConvert : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void textToLong_data();
    void textToLong();
    void textToInteger_data();
    void textToInteger();
    void textToReal_data();
    void textToReal();
    void textToSingle();
    void textToBoolean_data();
    void textToBoolean();
    void oneBlankRuleForEveryReader_data();
    void oneBlankRuleForEveryReader();
    void roundHalfEven_data();
    void roundHalfEven();
    void numberText_data();
    void numberText();
    void shortestTextRoundTrips();
    void variants();
    void dates_data();
    void dates();
    void errorDescriptions_data();
    void errorDescriptions();
};

void TestHostConvert::textToLong_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("error");
    const int max = std::numeric_limits<qint32>::max();
    const int min = std::numeric_limits<qint32>::min();
    QTest::newRow("zero") << "0" << 0 << 0;
    QTest::newRow("blanks around") << " \t12 " << 12 << 0;
    QTest::newRow("plus sign") << "+5" << 5 << 0;
    QTest::newRow("minus sign") << "-7" << -7 << 0;
    QTest::newRow("half down to even") << "20.5" << 20 << 0;
    QTest::newRow("half up to even") << "21.5" << 22 << 0;
    QTest::newRow("negative half to even") << "-2.5" << -2 << 0;
    QTest::newRow("below half") << "2.4999" << 2 << 0;
    QTest::newRow("exponent") << "1.5E+2" << 150 << 0;
    QTest::newRow("lower-case exponent") << "1e3" << 1000 << 0;
    QTest::newRow("D exponent") << "2D2" << 200 << 0;
    QTest::newRow("leading point") << ".5" << 0 << 0;
    QTest::newRow("trailing point") << "1." << 1 << 0;
    QTest::newRow("hex") << "&HFF" << 255 << 0;
    QTest::newRow("hex lower case") << "&hff" << 255 << 0;
    QTest::newRow("4-digit hex is 16-bit") << "&HFFFF" << -1 << 0;
    QTest::newRow("4-digit hex sign") << "&H8000" << -32768 << 0;
    QTest::newRow("leading zeros do not widen") << "&H0000FFFF" << -1 << 0;
    QTest::newRow("Long suffix widens") << "&HFFFF&" << 65535 << 0;
    QTest::newRow("5-digit hex is 32-bit") << "&H10000" << 65536 << 0;
    QTest::newRow("8-digit hex") << "&HFFFFFFFF" << -1 << 0;
    QTest::newRow("8-digit hex sign") << "&H80000000" << min << 0;
    QTest::newRow("octal") << "&O17" << 15 << 0;
    QTest::newRow("16-bit octal") << "&O177777" << -1 << 0;
    QTest::newRow("32-bit octal") << "&O37777777777" << -1 << 0;
    QTest::newRow("largest") << "2147483647" << max << 0;
    QTest::newRow("smallest") << "-2147483648" << min << 0;
    QTest::newRow("one past largest") << "2147483648" << 0 << 6;
    QTest::newRow("rounds past largest") << "2147483647.5" << 0 << 6;
    QTest::newRow("9-digit hex") << "&H123456789" << 0 << 6;
    QTest::newRow("octal past 32 bits") << "&O40000000000" << 0 << 6;
    QTest::newRow("huge exponent") << "1e999" << 0 << 6;
    QTest::newRow("empty") << "" << 0 << 13;
    QTest::newRow("only blanks") << "   " << 0 << 13;
    QTest::newRow("word") << "abc" << 0 << 13;
    QTest::newRow("trailing letters") << "12abc" << 0 << 13;
    QTest::newRow("inner blank") << "1 2" << 0 << 13;
    QTest::newRow("two signs") << "--1" << 0 << 13;
    QTest::newRow("bare exponent") << "1e" << 0 << 13;
    QTest::newRow("bare point") << "." << 0 << 13;
    QTest::newRow("bare hex marker") << "&H" << 0 << 13;
    QTest::newRow("bad hex digit") << "&HFG" << 0 << 13;
    QTest::newRow("bad octal digit") << "&O8" << 0 << 13;
    QTest::newRow("long bad hex") << "&H123456789G" << 0 << 13;
    QTest::newRow("unknown radix") << "&X1" << 0 << 13;
    QTest::newRow("C hex") << "0x10" << 0 << 13;
    QTest::newRow("infinity") << "inf" << 0 << 13;
}

void TestHostConvert::textToLong()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(int, error);
    qint32 value = 0;
    QCOMPARE(errorOf([&] { value = Zel::toLong(text); }), error);
    if (error == 0)
        QCOMPARE(value, expected);
    if (error == 0 || error == 13)
        QCOMPARE(Zel::isNumeric(text), error == 0);
}

void TestHostConvert::textToInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("error");
    QTest::newRow("largest") << "32767" << 32767 << 0;
    QTest::newRow("smallest") << "-32768" << -32768 << 0;
    QTest::newRow("one past largest") << "32768" << 0 << 6;
    QTest::newRow("rounds past largest") << "32767.5" << 0 << 6;
    QTest::newRow("negative half to even") << "-32768.5" << -32768 << 0;
    QTest::newRow("4-digit hex") << "&HFFFF" << -1 << 0;
    QTest::newRow("5-digit hex") << "&H10000" << 0 << 6;
    QTest::newRow("8-digit hex minus one") << "&HFFFFFFFF" << -1 << 0;
    QTest::newRow("Long suffix") << "&HFFFF&" << 0 << 6;
    QTest::newRow("fraction") << "21.5" << 22 << 0;
    QTest::newRow("not a number") << "x" << 0 << 13;
}

void TestHostConvert::textToInteger()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(int, error);
    qint16 value = 0;
    QCOMPARE(errorOf([&] { value = Zel::toInteger(text); }), error);
    if (error == 0)
        QCOMPARE(int(value), expected);
}

void TestHostConvert::textToReal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("error");
    QTest::newRow("fraction with blanks") << " 12.5 " << 12.5 << 0;
    QTest::newRow("negative exponent") << "-2.5e-3" << -0.0025 << 0;
    QTest::newRow("hex") << "&HFF" << 255.0 << 0;
    QTest::newRow("16-bit hex") << "&HFFFF" << -1.0 << 0;
    QTest::newRow("largest double") << "1.7976931348623157E+308" << 1.7976931348623157e308 << 0;
    QTest::newRow("overflow") << "1e400" << 0.0 << 6;
    QTest::newRow("underflow is zero") << "1e-400" << 0.0 << 0;
    QTest::newRow("many digits") << "0.1000000000000000055511151231257827" << 0.1 << 0;
    QTest::newRow("nan") << "nan" << 0.0 << 13;
}

void TestHostConvert::textToReal()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(int, error);
    double value = 0;
    QCOMPARE(errorOf([&] { value = Zel::toDouble(text); }), error);
    if (error == 0)
        QCOMPARE(value, expected);
}

void TestHostConvert::textToSingle()
{
    QCOMPARE(Zel::toSingle(u"0.1"_qs), 0.1f);
    QCOMPARE(Zel::toSingle(u"16777217"_qs), 16777216.0f);
    QCOMPARE(Zel::toSingle(u"3.4028235E+38"_qs), std::numeric_limits<float>::max());
    QCOMPARE(errorOf([] { Zel::toSingle(u"1e39"_qs); }), 6);
    QCOMPARE(errorOf([] { Zel::toSingle(u"one"_qs); }), 13);
}

void TestHostConvert::textToBoolean_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<int>("error");
    QTest::newRow("True") << "True" << true << 0;
    QTest::newRow("false lower case") << "false" << false << 0;
    QTest::newRow("upper case with blanks") << " TRUE " << true << 0;
    QTest::newRow("zero") << "0" << false << 0;
    QTest::newRow("zero fraction") << "0.0" << false << 0;
    QTest::newRow("minus one") << "-1" << true << 0;
    QTest::newRow("any number") << "2.5" << true << 0;
    QTest::newRow("hex zero") << "&H0" << false << 0;
    QTest::newRow("yes") << "yes" << false << 13;
    QTest::newRow("empty") << "" << false << 13;
}

void TestHostConvert::textToBoolean()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QFETCH(int, error);
    bool value = false;
    QCOMPARE(errorOf([&] { value = Zel::toBoolean(text); }), error);
    if (error == 0)
        QCOMPARE(value, expected);
}

void TestHostConvert::oneBlankRuleForEveryReader_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::newRow("space, tab, CR, LF") << " \t7\r\n" << true;
    QTest::newRow("vertical tab") << "1\v" << false;
    QTest::newRow("form feed") << "\f1" << false;
    QTest::newRow("no-break space") << "\u00a07" << false;
    QTest::newRow("ideographic space") << "7\u3000" << false;
    QTest::newRow("line separator") << "\u20287" << false;
}

void TestHostConvert::oneBlankRuleForEveryReader()
{
    // Whether text is a number does not depend on which reader asks, in a
    // property bag or not.
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    const int expected = isNumber ? 0 : 13;
    QCOMPARE(Zel::isNumeric(text), isNumber);
    QCOMPARE(errorOf([&] { Zel::toDouble(text); }), expected);
    QCOMPARE(errorOf([&] { Zel::toLong(text); }), expected);
    QCOMPARE(errorOf([&] { Zel::toBoolean(text); }), expected);
    QCOMPARE(errorOf([&] { Zel::colorFromText(text); }), expected);
    PropertyBag bag;
    bag.WriteProperty(u"Value"_qs, text);
    QCOMPARE(errorOf([&] { bag.readBoolean(u"Value"_qs, false); }), expected);
    QCOMPARE(errorOf([&] { bag.readColor(u"Value"_qs, 0); }), expected);
    QCOMPARE(errorOf([&] { bag.readLong(u"Value"_qs, 0); }), expected);
    // The words and hex colours follow the same rule.
    QString word = text;
    word.replace(QRegularExpression(u"[17]"_qs), u"True"_qs);
    QCOMPARE(errorOf([&] { Zel::toBoolean(word); }), expected);
    QString hex = text;
    hex.replace(QRegularExpression(u"([17])"_qs), u"&H\\1"_qs);
    QCOMPARE(errorOf([&] { Zel::colorFromText(hex); }), expected);
}

void TestHostConvert::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("just above half") << 2.5000001 << 3.0;
    QTest::newRow("just below half") << 3.4999999 << 3.0;
    QTest::newRow("integral") << -7.0 << -7.0;
    QTest::newRow("huge") << 1e300 << 1e300;
}

void TestHostConvert::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(Zel::roundHalfEven(value), expected);
}

void TestHostConvert::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 10.0 << false << "10";
    QTest::newRow("fraction") << 10.5 << false << "10.5";
    QTest::newRow("negative fraction") << -0.25 << false << "-0.25";
    QTest::newRow("tenth") << 0.1 << false << "0.1";
    QTest::newRow("negative zero") << -0.0 << false << "0";
    QTest::newRow("small") << 0.0001 << false << "0.0001";
    QTest::newRow("tiny") << 1.5e-7 << false << "1.5E-07";
    QTest::newRow("15 digits") << 123456789012345.0 << false << "123456789012345";
    QTest::newRow("large") << 1e20 << false << "1E+20";
    QTest::newRow("sum keeps every digit") << 0.1 + 0.2 << false << "0.30000000000000004";
    QTest::newRow("single tenth") << double(0.1f) << true << "0.1";
    QTest::newRow("single fraction") << 10.5 << true << "10.5";
    QTest::newRow("single 2^24") << 16777216.0 << true << "16777216";
    QTest::newRow("single largest")
        << double(std::numeric_limits<float>::max()) << true << "3.4028235E+38";
}

void TestHostConvert::numberText()
{
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(QString, expected);
    QCOMPARE(single ? Zel::numberText(float(value)) : Zel::numberText(value), expected);
}

void TestHostConvert::shortestTextRoundTrips()
{
    // Bit patterns spread over the whole range of finite values.
    quint32 bits = 12345;
    for (int i = 0; i < 5000; ++i) {
        bits = bits * 1664525u + 1013904223u;
        float single;
        std::memcpy(&single, &bits, sizeof single);
        if (!std::isfinite(single))
            continue;
        const QString text = Zel::numberText(single);
        QVERIFY2(Zel::toSingle(text) == single, qPrintable(text));
        const double dbl = double(single) * 1.0000000001;
        QVERIFY2(Zel::toDouble(Zel::numberText(dbl)) == dbl, qPrintable(Zel::numberText(dbl)));
    }
}

void TestHostConvert::variants()
{
    QCOMPARE(Zel::toLong(QVariant(true)), -1);
    QCOMPARE(Zel::toLong(QVariant(false)), 0);
    QCOMPARE(Zel::toLong(QVariant(2.5)), 2);
    QCOMPARE(Zel::toLong(QVariant(u"&HFFFF"_qs)), -1);
    QCOMPARE(Zel::toLong(QVariant::fromValue(quint32(0x8000000F))), qint32(0x8000000F));
    QCOMPARE(Zel::toInteger(QVariant(qint64(-32768))), qint16(-32768));
    QCOMPARE(errorOf([] { Zel::toInteger(QVariant(40000)); }), 6);
    QCOMPARE(errorOf([] { Zel::toLong(QVariant(std::nan(""))); }), 6);
    QCOMPARE(errorOf([] { Zel::toSingle(QVariant(1e300)); }), 6);
    QCOMPARE(Zel::toSingle(QVariant(0.5f)), 0.5f);
    QCOMPARE(Zel::toDouble(QVariant()), 0.0);
    QCOMPARE(Zel::toBoolean(QVariant(u"False"_qs)), false);
    QCOMPARE(Zel::toBoolean(QVariant(3)), true);
    QCOMPARE(Zel::toText(QVariant(true)), u"True"_qs);
    QCOMPARE(Zel::toText(QVariant(1.5f)), u"1.5"_qs);
    QCOMPARE(Zel::toText(QVariant(qint16(-3))), u"-3"_qs);
    QCOMPARE(Zel::toText(QVariant()), QString());
    QCOMPARE(errorOf([] { Zel::toLong(QVariant::fromValue(StdPicture())); }), 13);
    QCOMPARE(errorOf([] { Zel::toText(QVariant(QPoint(1, 2))); }), 13);
    QCOMPARE(Zel::booleanValue(true), -1);
}

void TestHostConvert::dates_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("US short") << "en_US"
                              << "12/8/26" << QDate(2026, 12, 8);
    QTest::newRow("US full year") << "en_US"
                                  << "12/8/2026" << QDate(2026, 12, 8);
    QTest::newRow("US two-digit year 29") << "en_US"
                                          << "1/1/29" << QDate(2029, 1, 1);
    QTest::newRow("US two-digit year 30") << "en_US"
                                          << "1/1/30" << QDate(1930, 1, 1);
    QTest::newRow("US ISO") << "en_US"
                            << "2026-12-08" << QDate(2026, 12, 8);
    QTest::newRow("US no date") << "en_US"
                                << "not a date" << QDate();
    QTest::newRow("US impossible") << "en_US"
                                   << "2/30/26" << QDate();
    QTest::newRow("US empty") << "en_US"
                              << "" << QDate();
    QTest::newRow("C locale ISO") << "C"
                                  << "2026-12-08" << QDate(2026, 12, 8);
    QTest::newRow("German short") << "de_DE"
                                  << "08.12.26" << QDate(2026, 12, 8);
    QTest::newRow("German full year") << "de_DE"
                                      << "8.12.2026" << QDate(2026, 12, 8);
    QTest::newRow("German no leading zeros") << "de_DE"
                                             << "8.1.26" << QDate(2026, 1, 8);
}

void TestHostConvert::dates()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(Zel::parseDate(text), expected);
    if (expected.isValid())
        QCOMPARE(Zel::parseDate(Zel::shortDate(expected)), expected);
    QCOMPARE(Zel::shortDate(QDate()), QString());
}

void TestHostConvert::errorDescriptions_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::newRow("5") << 5 << "Invalid procedure call or argument";
    QTest::newRow("6") << 6 << "Overflow";
    QTest::newRow("9") << 9 << "Subscript out of range";
    QTest::newRow("13") << 13 << "Type mismatch";
    QTest::newRow("53") << 53 << "File not found";
    QTest::newRow("380") << 380 << "Invalid property value";
    QTest::newRow("381") << 381 << "Invalid property array index";
    QTest::newRow("457") << 457
                         << "This key is already associated with an element of this collection";
    QTest::newRow("481") << 481 << "Invalid picture";
}

void TestHostConvert::errorDescriptions()
{
    QFETCH(int, number);
    QFETCH(QString, description);
    const RuntimeError error(number);
    QCOMPARE(error.number(), number);
    QCOMPARE(error.description(), description);
    QVERIFY(QString::fromUtf8(error.what()).contains(description));
    QVERIFY(QString::fromUtf8(error.what()).contains(QString::number(number)));
    const RuntimeError own(number, u"Own words"_qs);
    QCOMPARE(own.description(), u"Own words"_qs);
}

QTEST_GUILESS_MAIN(TestHostConvert)
#include "tst_hostconvert.moc"
