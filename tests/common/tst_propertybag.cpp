#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <TestSupport.h>
#include <common/PropertyBag.h>
#include <common/RuntimeError.h>
#include <functional>
#include <limits>

namespace {

QImage samplePicture()
{
    QImage image(5, 3, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgba(x * 50, y * 100, 7, 40 + x * 40));
    return image;
}

/// A bag with a value of every type, including the awkward ones.
PropertyBag everyType()
{
    PropertyBag bag;
    StdFont font(u"Courier New"_qs, 9.75);
    font.setItalic(true);
    font.setStrikethrough(true);
    font.setWeight(600);
    font.setCharset(2);
    bag.WriteProperty(u"Caption"_qs, u"Zoom \"500 %\" – ok\n"_qs);
    bag.WriteProperty(u"Enabled"_qs, false, true);
    bag.WriteProperty(u"Visible"_qs, true);
    bag.WriteProperty(u"Style"_qs, QVariant::fromValue(qint16(-32768)));
    bag.WriteProperty(u"Count"_qs, std::numeric_limits<qint32>::min());
    bag.WriteProperty(u"Tenth"_qs, 0.1f);
    bag.WriteProperty(u"SingleMax"_qs, std::numeric_limits<float>::max());
    bag.WriteProperty(u"SingleTiny"_qs, std::numeric_limits<float>::denorm_min());
    bag.WriteProperty(u"Sum"_qs, 0.1 + 0.2);
    bag.WriteProperty(u"Small"_qs, -1e-300);
    bag.writeColor(u"BackColor"_qs, 0x8000000F, 0);
    bag.writeColor(u"ForeColor"_qs, 0xFF00, 0);
    bag.WriteProperty(u"Day"_qs, QDate(2026, 12, 8));
    bag.WriteProperty(u"NoDay"_qs, QDate());
    bag.WriteProperty(u"Picture"_qs, QVariant::fromValue(StdPicture(samplePicture())));
    bag.WriteProperty(u"Icon"_qs,
        QVariant::fromValue(
            StdPicture(samplePicture().convertToFormat(QImage::Format_RGB32), StdPicture::Icon)));
    bag.WriteProperty(u"NoPicture"_qs, QVariant::fromValue(StdPicture()),
        QVariant::fromValue(StdPicture(samplePicture())));
    bag.WriteProperty(u"Font"_qs, QVariant::fromValue(font));
    return bag;
}

} // namespace

class TestPropertyBag : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keysIgnoreCase();
    void omission_data();
    void omission();
    void omissionRemovesEarlierValue();
    void unsupportedValues();
    void typedReads();
    void wrongTypeReads_data();
    void wrongTypeReads();
    void fontsAreSnapshots();
    void jsonRoundTrip();
    void jsonForm();
    void damagedJson_data();
    void damagedJson();
};

void TestPropertyBag::keysIgnoreCase()
{
    PropertyBag bag;
    QVERIFY(bag.isEmpty());
    bag.WriteProperty(u"RulerBackCOlor"_qs, 5);
    QCOMPARE(bag.ReadProperty(u"RulerBackColor"_qs, 0), QVariant(5));
    QVERIFY(bag.contains(u"rulerbackcolor"_qs));
    bag.WriteProperty(u"RulerBackColor"_qs, 6);
    QCOMPARE(bag.count(), 1);
    QCOMPARE(bag.keys(), QStringList { u"RulerBackColor"_qs });
    QCOMPARE(bag.ReadProperty(u"RULERBACKCOLOR"_qs), QVariant(6));
    QCOMPARE(bag.ReadProperty(u"Other"_qs, u"x"_qs), QVariant(u"x"_qs));
    bag.remove(u"rulerBACKcolor"_qs);
    QVERIFY(bag.isEmpty());
    QCOMPARE(errorOf([&] { bag.WriteProperty(QString(), 1); }), 5);
}

void TestPropertyBag::omission_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("defaultValue");
    QTest::addColumn<bool>("stored");
    StdFont arial(u"Arial"_qs, 10);
    const QImage image = samplePicture();
    QTest::newRow("True against 1") << QVariant(true) << QVariant(1) << true;
    QTest::newRow("True against -1") << QVariant(true) << QVariant(-1) << false;
    QTest::newRow("True against True") << QVariant(true) << QVariant(true) << false;
    QTest::newRow("False against 0") << QVariant(false) << QVariant(0) << false;
    QTest::newRow("Integer against Long") << QVariant::fromValue(qint16(5)) << QVariant(5) << false;
    QTest::newRow("Long against Single") << QVariant(3) << QVariant(3.0f) << false;
    QTest::newRow("Single tenth against Double tenth") << QVariant(0.1f) << QVariant(0.1) << true;
    QTest::newRow("different numbers") << QVariant(2) << QVariant(3) << true;
    QTest::newRow("numeric text against number") << QVariant(u"5"_qs) << QVariant(5) << false;
    QTest::newRow("word against number") << QVariant(u"five"_qs) << QVariant(5) << true;
    QTest::newRow("same text") << QVariant(u"abc"_qs) << QVariant(u"abc"_qs) << false;
    QTest::newRow("text differs in case") << QVariant(u"abc"_qs) << QVariant(u"ABC"_qs) << true;
    QTest::newRow("empty text against empty") << QVariant(QString()) << QVariant(u""_qs) << false;
    QTest::newRow("colour against its Long")
        << QVariant::fromValue(OLE_COLOR(0x8000000F)) << QVariant(qint32(0x8000000F)) << false;
    QTest::newRow("same date") << QVariant(QDate(2020, 1, 2)) << QVariant(QDate(2020, 1, 2))
                               << false;
    QTest::newRow("other date") << QVariant(QDate(2020, 1, 2)) << QVariant(QDate(2020, 1, 3))
                                << true;
    QTest::newRow("no default stores zero") << QVariant(0) << QVariant() << true;
    QTest::newRow("empty picture, no default")
        << QVariant::fromValue(StdPicture()) << QVariant() << false;
    QTest::newRow("picture, no default")
        << QVariant::fromValue(StdPicture(image)) << QVariant() << true;
    QTest::newRow("equal pictures") << QVariant::fromValue(StdPicture(image))
                                    << QVariant::fromValue(StdPicture(image.copy())) << false;
    QTest::newRow("bitmap against icon of same pixels")
        << QVariant::fromValue(StdPicture(image))
        << QVariant::fromValue(StdPicture(image, StdPicture::Icon)) << true;
    QTest::newRow("font of same description")
        << QVariant::fromValue(arial) << QVariant::fromValue(StdFont(u"arial"_qs, 10)) << false;
    QTest::newRow("font of other size")
        << QVariant::fromValue(arial) << QVariant::fromValue(StdFont(u"Arial"_qs, 11)) << true;
}

void TestPropertyBag::omission()
{
    QFETCH(QVariant, value);
    QFETCH(QVariant, defaultValue);
    QFETCH(bool, stored);
    PropertyBag bag;
    bag.WriteProperty(u"Key"_qs, value, defaultValue);
    QCOMPARE(bag.contains(u"Key"_qs), stored);
    if (defaultValue.isValid())
        QCOMPARE(PropertyBag::sameValue(value, defaultValue), !stored);
}

void TestPropertyBag::omissionRemovesEarlierValue()
{
    PropertyBag bag;
    bag.WriteProperty(u"Zoom"_qs, 200, 100);
    QCOMPARE(bag.readLong(u"Zoom"_qs, 100), 200);
    bag.WriteProperty(u"zoom"_qs, 100, 100);
    QVERIFY(!bag.contains(u"Zoom"_qs));
    bag.writeColor(u"BackColor"_qs, 0x8000000F, 0x8000000F);
    QVERIFY(!bag.contains(u"BackColor"_qs));
}

void TestPropertyBag::unsupportedValues()
{
    PropertyBag bag;
    bag.WriteProperty(u"Kept"_qs, 1);
    QCOMPARE(errorOf([&] { bag.WriteProperty(u"Point"_qs, QPoint(1, 2)); }), 13);
    QCOMPARE(errorOf([&] { bag.WriteProperty(u"Kept"_qs, std::nan("")); }), 380);
    QCOMPARE(errorOf([&] { bag.WriteProperty(u"Kept"_qs, QVariantList { 1 }); }), 13);
    QCOMPARE(bag.keys(), QStringList { u"Kept"_qs });
    QCOMPARE(bag.readLong(u"Kept"_qs, 0), 1);
    // Wider integers are stored in a type the bag knows.
    bag.WriteProperty(u"Wide"_qs, qint64(7));
    QCOMPARE(bag.ReadProperty(u"Wide"_qs).typeId(), QMetaType::Int);
    bag.WriteProperty(u"Huge"_qs, qint64(1) << 40);
    QCOMPARE(bag.ReadProperty(u"Huge"_qs).typeId(), QMetaType::Double);
}

void TestPropertyBag::typedReads()
{
    PropertyBag bag;
    bag.WriteProperty(u"Text"_qs, u" 21.5 "_qs);
    bag.WriteProperty(u"Flag"_qs, true);
    bag.WriteProperty(u"Word"_qs, u"true"_qs);
    bag.WriteProperty(u"Green"_qs, u"&HFF00"_qs);
    bag.WriteProperty(u"System"_qs, qint32(0x8000000F));
    bag.WriteProperty(u"When"_qs, u"2026-12-08"_qs);
    bag.writeColor(u"Color"_qs, 0x80000005, 0);
    QCOMPARE(bag.readLong(u"Text"_qs, 0), 22);
    QCOMPARE(bag.readInteger(u"Text"_qs, 0), qint16(22));
    QCOMPARE(bag.readDouble(u"Text"_qs, 0), 21.5);
    QCOMPARE(bag.readSingle(u"Text"_qs, 0), 21.5f);
    QCOMPARE(bag.readLong(u"Flag"_qs, 0), -1);
    QCOMPARE(bag.readString(u"Flag"_qs, {}), u"True"_qs);
    QCOMPARE(bag.readBoolean(u"Word"_qs, false), true);
    QCOMPARE(bag.readColor(u"Green"_qs, 0), OLE_COLOR(0xFF00));
    QCOMPARE(bag.readColor(u"System"_qs, 0), OLE_COLOR(0x8000000F));
    QCOMPARE(bag.readColor(u"Color"_qs, 0), OLE_COLOR(0x80000005));
    QCOMPARE(bag.readLong(u"Color"_qs, 0), qint32(0x80000005));
    QCOMPARE(bag.readDate(u"When"_qs, {}), QDate(2026, 12, 8));
    QCOMPARE(bag.readString(u"Missing"_qs, u"d"_qs), u"d"_qs);
    QCOMPARE(bag.readColor(u"Missing"_qs, 0x8000000F), OLE_COLOR(0x8000000F));
    QVERIFY(bag.readPicture(u"Missing"_qs).isNull());
    QCOMPARE(bag.readFont(u"Missing"_qs, StdFont(u"Verdana"_qs, 7)).Name(), u"Verdana"_qs);
}

void TestPropertyBag::wrongTypeReads_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("read");
    QTest::addColumn<int>("error");
    QTest::newRow("word as Long") << QVariant(u"abc"_qs) << "Long" << 13;
    QTest::newRow("word as Boolean") << QVariant(u"maybe"_qs) << "Boolean" << 13;
    QTest::newRow("word as Color") << QVariant(u"red"_qs) << "Color" << 13;
    QTest::newRow("word as Date") << QVariant(u"someday"_qs) << "Date" << 13;
    QTest::newRow("number as Picture") << QVariant(5) << "Picture" << 13;
    QTest::newRow("number as Font") << QVariant(5) << "Font" << 13;
    QTest::newRow("picture as String")
        << QVariant::fromValue(StdPicture(samplePicture())) << "String" << 13;
    QTest::newRow("font as Double") << QVariant::fromValue(StdFont()) << "Double" << 13;
    QTest::newRow("date as Color") << QVariant(QDate(2020, 1, 1)) << "Color" << 13;
    QTest::newRow("big Long as Integer") << QVariant(40000) << "Integer" << 6;
    QTest::newRow("huge Double as Single") << QVariant(1e300) << "Single" << 6;
}

void TestPropertyBag::wrongTypeReads()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, read);
    QFETCH(int, error);
    PropertyBag bag;
    bag.WriteProperty(u"Key"_qs, stored);
    const QByteArray before = bag.toJson();
    const QHash<QString, std::function<void()>> readers {
        { u"Long"_qs, [&] { bag.readLong(u"key"_qs, 1); } },
        { u"Integer"_qs, [&] { bag.readInteger(u"key"_qs, 1); } },
        { u"Single"_qs, [&] { bag.readSingle(u"key"_qs, 1); } },
        { u"Double"_qs, [&] { bag.readDouble(u"key"_qs, 1); } },
        { u"Boolean"_qs, [&] { bag.readBoolean(u"key"_qs, true); } },
        { u"String"_qs, [&] { bag.readString(u"key"_qs, {}); } },
        { u"Color"_qs, [&] { bag.readColor(u"key"_qs, 1); } },
        { u"Date"_qs, [&] { bag.readDate(u"key"_qs, {}); } },
        { u"Picture"_qs, [&] { bag.readPicture(u"key"_qs); } },
        { u"Font"_qs, [&] { bag.readFont(u"key"_qs, {}); } },
    };
    QCOMPARE(errorOf(readers.value(read)), error);
    QCOMPARE(bag.toJson(), before);
}

void TestPropertyBag::fontsAreSnapshots()
{
    PropertyBag bag;
    StdFont font(u"Tahoma"_qs, 8);
    bag.WriteProperty(u"Font"_qs, QVariant::fromValue(font));
    font.setBold(true);
    const StdFont first = bag.readFont(u"Font"_qs, {});
    QVERIFY(!first.Bold());
    QVERIFY(!first.isSameObject(bag.readFont(u"Font"_qs, {})));
    QVERIFY(!bag.ReadProperty(u"Font"_qs).value<StdFont>().isSameObject(first));
}

void TestPropertyBag::jsonRoundTrip()
{
    const PropertyBag bag = everyType();
    PropertyBag loaded;
    loaded.WriteProperty(u"Stale"_qs, 1);
    QString error = u"not cleared"_qs;
    QVERIFY(loaded.loadJson(bag.toJson(), &error));
    QCOMPARE(error, QString());
    QCOMPARE(loaded.keys(), bag.keys());
    for (const QString& key : bag.keys()) {
        const QVariant original = bag.ReadProperty(key);
        const QVariant copy = loaded.ReadProperty(key);
        QVERIFY2(copy.metaType() == original.metaType(), qPrintable(key));
        QVERIFY2(PropertyBag::sameValue(copy, original), qPrintable(key));
    }
    QCOMPARE(loaded.readSingle(u"tenth"_qs, 0), 0.1f);
    QCOMPARE(loaded.readSingle(u"SingleTiny"_qs, 0), std::numeric_limits<float>::denorm_min());
    QCOMPARE(loaded.readDouble(u"Sum"_qs, 0), 0.1 + 0.2);
    QCOMPARE(loaded.readColor(u"ForeColor"_qs, 0), OLE_COLOR(0xFF00));
    QCOMPARE(loaded.readDate(u"NoDay"_qs, QDate(1, 1, 1)), QDate());
    QCOMPARE(loaded.readPicture(u"Icon"_qs).type(), StdPicture::Icon);
    QCOMPARE(loaded.readPicture(u"Picture"_qs).image().pixel(4, 2), samplePicture().pixel(4, 2));
    QVERIFY(loaded.readPicture(u"NoPicture"_qs).isNull());
    QVERIFY(loaded.contains(u"NoPicture"_qs));
    const StdFont font = loaded.readFont(u"Font"_qs, {});
    QCOMPARE(font.Weight(), qint16(600));
    QVERIFY(font.Bold() && font.Italic() && font.Strikethrough() && !font.Underline());
    QCOMPARE(font.Size(), 9.75);
    QCOMPARE(loaded.toJson(), bag.toJson());
}

void TestPropertyBag::jsonForm()
{
    const QJsonObject root = QJsonDocument::fromJson(everyType().toJson()).object();
    QCOMPARE(root.value(u"version").toInt(), 1);
    const QJsonObject properties = root.value(u"properties").toObject();
    const auto typeOf = [&](const QString& key) {
        return properties.value(key).toObject().value(u"type").toString();
    };
    QCOMPARE(typeOf(u"Caption"_qs), u"String"_qs);
    QCOMPARE(typeOf(u"Enabled"_qs), u"Boolean"_qs);
    QCOMPARE(typeOf(u"Style"_qs), u"Integer"_qs);
    QCOMPARE(typeOf(u"Count"_qs), u"Long"_qs);
    QCOMPARE(typeOf(u"Tenth"_qs), u"Single"_qs);
    QCOMPARE(typeOf(u"Sum"_qs), u"Double"_qs);
    QCOMPARE(typeOf(u"BackColor"_qs), u"Color"_qs);
    QCOMPARE(typeOf(u"Day"_qs), u"Date"_qs);
    QCOMPARE(typeOf(u"Picture"_qs), u"Picture"_qs);
    QCOMPARE(typeOf(u"Font"_qs), u"Font"_qs);
    QCOMPARE(
        properties.value(u"BackColor").toObject().value(u"value").toString(), u"&H8000000F"_qs);
    const QJsonObject picture = properties.value(u"Icon").toObject().value(u"value").toObject();
    QCOMPARE(picture.value(u"pictureType").toString(), u"Icon"_qs);
    const QByteArray png = QByteArray::fromBase64(picture.value(u"png").toString().toLatin1());
    QVERIFY(png.startsWith("\x89PNG"));
}

void TestPropertyBag::damagedJson_data()
{
    QTest::addColumn<QByteArray>("json");
    const auto one = [](const char* type, const char* value) {
        return QByteArray(R"({"version":1,"properties":{"A":{"type":")") + type + R"(","value":)"
            + value + "}}}";
    };
    QTest::newRow("cut short") << QByteArray(R"({"version":1,"properties":{)");
    QTest::newRow("not json") << QByteArray("Caption = Hello");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("array") << QByteArray("[]");
    QTest::newRow("no properties") << QByteArray(R"({"version":1})");
    QTest::newRow("no version") << QByteArray(R"({"properties":{}})");
    QTest::newRow("newer version") << QByteArray(R"({"version":2,"properties":{}})");
    QTest::newRow("entry not an object") << QByteArray(R"({"version":1,"properties":{"A":5}})");
    QTest::newRow("unknown type") << one("Currency", "1");
    QTest::newRow("no value") << QByteArray(R"({"version":1,"properties":{"A":{"type":"Long"}}})");
    QTest::newRow("Long fraction") << one("Long", "1.5");
    QTest::newRow("Long too big") << one("Long", "2147483648");
    QTest::newRow("Integer too big") << one("Integer", "40000");
    QTest::newRow("Single too big") << one("Single", "1e39");
    QTest::newRow("Double as text") << one("Double", R"("1.5")");
    QTest::newRow("Boolean as text") << one("Boolean", R"("true")");
    QTest::newRow("String as number") << one("String", "1");
    QTest::newRow("bad colour") << one("Color", R"("&HZZ")");
    QTest::newRow("negative colour") << one("Color", "-1");
    QTest::newRow("bad date") << one("Date", R"("2026-13-01")");
    QTest::newRow("picture without kind") << one("Picture", R"({"png":""})");
    QTest::newRow("picture of unknown kind") << one("Picture", R"({"pictureType":"Metafile"})");
    QTest::newRow("picture bad base64") << one("Picture", R"({"pictureType":"Bitmap","png":"!!"})");
    QTest::newRow("picture not png")
        << one("Picture", R"({"pictureType":"Bitmap","png":"aGVsbG8="})");
    QTest::newRow("font without name") << one("Font", R"({"size":8})");
    QTest::newRow("font of size 0") << one("Font", R"({"name":"Arial","size":0})");
    QTest::newRow("font weight as text")
        << one("Font", R"({"name":"Arial","size":8,"weight":"bold"})");
    QTest::newRow("font italic as number")
        << one("Font", R"({"name":"Arial","size":8,"italic":1})");
    QTest::newRow("keys equal but for case")
        << QByteArray(R"({"version":1,"properties":{"A":{"type":"Long","value":1},)"
                      R"("a":{"type":"Long","value":2}}})");
    QTest::newRow("good entry then bad")
        << QByteArray(R"({"version":1,"properties":{"A":{"type":"Long","value":1},)"
                      R"("B":{"type":"Long","value":"x"}}})");
}

void TestPropertyBag::damagedJson()
{
    QFETCH(QByteArray, json);
    PropertyBag bag = everyType();
    const QByteArray before = bag.toJson();
    QString error;
    QVERIFY(!bag.loadJson(json, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(bag.toJson(), before);
    QVERIFY(!bag.loadJson(json)); // no message wanted
}

QTEST_MAIN(TestPropertyBag)
#include "tst_propertybag.moc"
