// Zonecraft's design-time properties: what a new control holds, what is
// saved and under which key, what a load gives, and a round trip of every
// persisted property through the property bag's JSON.

#include "ZonecraftTestSupport.h"
#include "control/Zonecraft_p.h"

#include <QMetaProperty>
#include <QTest>
#include <TestSupport.h>
#include <common/PropertyBag.h>
#include <utility>
#include <vector>

namespace {

QVariant property(const Zonecraft& z, const char* name)
{
    const int index = z.metaObject()->indexOfProperty(name);
    return index < 0 ? QVariant() : z.metaObject()->property(index).read(&z);
}

void setProperty(Zonecraft& z, const char* name, const QVariant& value)
{
    const int index = z.metaObject()->indexOfProperty(name);
    QVERIFY2(index >= 0, name);
    QVERIFY2(z.metaObject()->property(index).write(&z, value), name);
}

// Enumerations and colours read back as their own types; compare them as numbers.
bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.metaType() == QMetaType::fromType<StdPicture>()
        || b.metaType() == QMetaType::fromType<StdPicture>())
        return a.value<StdPicture>() == b.value<StdPicture>();
    if (a.metaType() == QMetaType::fromType<QString>()
        || a.metaType() == QMetaType::fromType<bool>())
        return a == b;
    return a.toLongLong() == b.toLongLong();
}

StdPicture picture(QRgb colour, int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(colour);
    return StdPicture(image);
}

using Values = std::vector<std::pair<const char*, QVariant>>;

// A value other than the new control's and the stored default for every
// persisted property.
Values persistedValues()
{
    return {
        { "ImagemapMode", int(Zonecraft::PreviewMode) },
        { "AlignToGrid", false },
        { "Picture", QVariant::fromValue(picture(qRgb(200, 10, 10), 30)) },
        { "PictureAutoSize", false },
        { "FigureToDraw", int(Zonecraft::DrawingCircle) },
        { "VisualStyle", int(Zonecraft::st_CoolXP) },
        { "BorderStyle", int(Zonecraft::Border_FixedSingle) },
        { "FigureSize", 3 },
        { "DrawMousePointer", QVariant::fromValue(qint16(2)) },
        { "ShowHandles", false },
        { "HandleColor", QVariant::fromValue(OLE_COLOR(0x112233)) },
        { "HandleColorLocked", QVariant::fromValue(OLE_COLOR(0x445566)) },
        { "ShowHotspot", false },
        { "FillStyle", QVariant::fromValue(qint16(4)) },
        { "ShowScrollbars", false },
        { "ShowSupport", false },
        { "ExtractSeperator", QStringLiteral(";;") },
        { "DrawFigureColor", QVariant::fromValue(OLE_COLOR(0x778899)) },
        { "PreviewMousePointer", QVariant::fromValue(qint16(5)) },
        { "PreviewMouseIcon", QVariant::fromValue(picture(qRgb(0, 0, 200), 16)) },
        { "RedrawScreen", false },
        { "PreviewTooltips", true },
        { "Tooltips_BackColor", QVariant::fromValue(OLE_COLOR(0x80000005)) },
        { "Tooltips_ForeColor", QVariant::fromValue(OLE_COLOR(0x0000FF)) },
        { "Tooltips_Style", int(Zonecraft::UseBalloon) },
        { "TabBackColor", QVariant::fromValue(OLE_COLOR(0x010203)) },
        { "TabBorderColor", QVariant::fromValue(OLE_COLOR(0x040506)) },
        { "TabMouseOver", QVariant::fromValue(OLE_COLOR(0x070809)) },
        { "ZoomLevel", 300 },
        { "RulerBackColor", QVariant::fromValue(OLE_COLOR(0x0A0B0C)) },
        // True is the stored default: it is omitted and must come back as
        // the default of a load, over the new control's False.
        { "ZoomToNormal", true },
        { "ShapeBorderColor", QVariant::fromValue(OLE_COLOR(0x0D0E0F)) },
        { "CoolCursor", true },
        { "RotateCursor", QVariant::fromValue(picture(qRgb(1, 2, 3), 32)) },
        { "DrawCircleCursor", QVariant::fromValue(picture(qRgb(4, 5, 6), 32)) },
        { "DrawPolygonCursor", QVariant::fromValue(picture(qRgb(7, 8, 9), 32)) },
        { "DrawRectCursor", QVariant::fromValue(picture(qRgb(10, 11, 12), 32)) },
    };
}

// What InitProperties gives a newly placed control.
Values newControlValues()
{
    return {
        { "AlignToGrid", true },
        { "Picture", QVariant::fromValue(StdPicture()) },
        { "LockAll", false },
        { "PictureAutoSize", true },
        { "FigureToDraw", int(Zonecraft::Pointer) },
        { "VisualStyle", int(Zonecraft::st_Standard) },
        { "FigureSize", 1 },
        { "DrawMousePointer", 0 },
        { "ShowHandles", true },
        { "HandleColor", 0xFFFFFF },
        { "HandleColorLocked", 0xFFFFFF },
        { "ShowHotspot", true },
        { "FillStyle", 0 },
        { "ShowScrollbars", true },
        { "ShowSupport", true },
        { "ExtractSeperator", QStringLiteral("|") },
        { "DrawFigureColor", 0 },
        { "PreviewMousePointer", 0 },
        { "PreviewMouseIcon", QVariant::fromValue(StdPicture()) },
        { "RedrawScreen", true },
        { "PreviewTooltips", false },
        { "Tooltips_BackColor", qint64(0x80000018) },
        { "Tooltips_ForeColor", qint64(0x80000017) },
        { "Tooltips_Style", int(Zonecraft::UseStandard) },
        { "TabBackColor", 0 },
        { "TabBorderColor", 0 },
        { "TabMouseOver", 0 },
        { "ZoomLevel", 0 },
        { "RulerBackColor", 0xFFFFFF },
        { "CoolCursor", false },
        { "RotateCursor", QVariant::fromValue(StdPicture()) },
        { "DrawCircleCursor", QVariant::fromValue(StdPicture()) },
        { "DrawPolygonCursor", QVariant::fromValue(StdPicture()) },
        { "DrawRectCursor", QVariant::fromValue(StdPicture()) },
        { "ShowRulers", false },
        { "EnabledVerticalBar", true },
    };
}

void setAll(Zonecraft& z, const Values& values)
{
    for (const auto& [name, value] : values)
        setProperty(z, name, value);
}

void compareAll(const Zonecraft& z, const Values& values)
{
    for (const auto& [name, value] : values) {
        const QVariant actual = property(z, name);
        QVERIFY2(sameValue(actual, value),
            qPrintable(QStringLiteral("%1 is %2, not %3")
                           .arg(QLatin1String(name), actual.toString(), value.toString())));
    }
}

QStringList sortedKeys(const PropertyBag& bag)
{
    QStringList keys = bag.keys();
    keys.sort();
    return keys;
}

} // namespace

class TestPersistence : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void newControlValues();
    void savingANewControlWritesOnlyWhatDiffersFromTheStoredDefaults();
    void storedTypes();
    void emptyBagLoadsTheStoredDefaults();
    void rulerColourKeys();
    void imagemapModeAndZoomLevel();
    void badStoredValueLeavesTheControlAsItWas();
    void everyPropertyRoundTripsThroughJson();
};

void TestPersistence::cleanup()
{
    // Outline width, hotspot visibility, fill and tab colours are shared by
    // every control in the process.
    ZonecraftFixture fx;
    fx.z().InitProperties();
    fx.z().setImagemapMode(Zonecraft::DesignMode);
}

void TestPersistence::newControlValues()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    setAll(z, persistedValues());
    ZonecraftPrivate::get(&z)->lockAll = true;
    z.setShowRulers(true);
    z.setEnabledVerticalBar(false);
    z.InitProperties();
    compareAll(z, ::newControlValues());
    // These three are not assigned and keep what they had.
    QCOMPARE(z.ImagemapMode(), Zonecraft::PreviewMode);
    QCOMPARE(z.ZoomToNormal(), true);
    QCOMPARE(z.ShapeBorderColor(), OLE_COLOR(0x0D0E0F));
    const ShellSettings& shell = ZonecraftPrivate::get(&z)->shell;
    QCOMPARE(shell.workWidth.toInt(), 0);
    QCOMPARE(shell.workHeight, 0);
}

void TestPersistence::savingANewControlWritesOnlyWhatDiffersFromTheStoredDefaults()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.InitProperties();
    PropertyBag bag;
    z.saveProperties(bag);
    // Every True stored against a default of 1 is written, and so are the
    // style of a new control (1 against 0) and its ZoomToNormal (False
    // against True). DesignMode is the stored default of ImagemapMode.
    QStringList expected { QStringLiteral("AlignToGrid"), QStringLiteral("PictureAutoSize"),
        QStringLiteral("RedrawScreen"), QStringLiteral("ShowHandles"),
        QStringLiteral("ShowHotspot"), QStringLiteral("ShowScrollbars"),
        QStringLiteral("ShowSupport"), QStringLiteral("VisualStyle"),
        QStringLiteral("ZoomToNormal") };
    expected.sort();
    QCOMPARE(sortedKeys(bag), expected);
    QVERIFY(!z.isDirty());

    // False differs from 1 as much as True does.
    z.setAlignToGrid(false);
    QVERIFY(z.isDirty());
    bag.clear();
    z.saveProperties(bag);
    QCOMPARE(bag.ReadProperty(QStringLiteral("AlignToGrid")), QVariant(false));
}

void TestPersistence::storedTypes()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    setAll(z, persistedValues());
    ZonecraftPrivate::get(&z)->shell.workWidth = 640;
    ZonecraftPrivate::get(&z)->shell.workHeight = 480;
    PropertyBag bag;
    z.saveProperties(bag);
    for (const char* key : { "AlignToGrid", "PictureAutoSize", "ShowHandles", "ShowHotspot",
             "ShowScrollbars", "ShowSupport", "RedrawScreen", "PreviewTooltips", "CoolCursor" })
        QVERIFY2(
            bag.ReadProperty(QLatin1String(key)).metaType() == QMetaType::fromType<bool>(), key);
    for (const char* key : { "ImagemapMode", "FigureToDraw", "VisualStyle", "BorderStyle",
             "Tooltips_Style", "WorkWidth", "WorkHeight", "ZoomLevel", "FigureSize" })
        QVERIFY2(
            bag.ReadProperty(QLatin1String(key)).metaType() == QMetaType::fromType<qint32>(), key);

    // A work width stored by another writer as a number of another type is
    // written back as an integer.
    PropertyBag stored;
    stored.WriteProperty(QStringLiteral("WorkWidth"), 12.0);
    ZonecraftFixture other;
    other.z().loadProperties(stored);
    bag.clear();
    other.z().saveProperties(bag);
    const QVariant workWidth = bag.ReadProperty(QStringLiteral("WorkWidth"));
    QCOMPARE(workWidth.metaType(), QMetaType::fromType<qint32>());
    QCOMPARE(workWidth.toInt(), 12);
}

void TestPersistence::emptyBagLoadsTheStoredDefaults()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    setAll(z, persistedValues());
    z.loadProperties(PropertyBag());
    QCOMPARE(z.ImagemapMode(), Zonecraft::DesignMode);
    // A missing Boolean with a stored default of 1 reads True.
    QVERIFY(z.AlignToGrid() && z.PictureAutoSize() && z.ShowHandles() && z.ShowHotspot()
        && z.ShowScrollbars() && z.ShowSupport() && z.RedrawScreen() && z.ZoomToNormal());
    QVERIFY(!z.PreviewTooltips() && !z.CoolCursor() && !z.LockAll());
    QCOMPARE(z.VisualStyle(), Zonecraft::Zel_Style(0));
    QCOMPARE(z.ZoomLevel(), 0);
    QCOMPARE(z.ExtractSeperator(), QStringLiteral("|"));
    QCOMPARE(z.RulerBackColor(), OLE_COLOR(0xFFFFFF));
    QCOMPARE(z.Tooltips_BackColor(), OLE_COLOR(0x80000018));
    QVERIFY(z.Picture().isNull());
    // Loading shows the rulers; reading raises no property change.
    QVERIFY(z.ShowRulers());
    QVERIFY(!z.isDirty());
}

void TestPersistence::rulerColourKeys()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.setRulerBackColor(0x123456);
    PropertyBag bag;
    z.saveProperties(bag);
    QVERIFY(bag.keys().contains(QStringLiteral("RulerBackColor")));
    QVERIFY(!bag.keys().contains(QStringLiteral("RulerBackCOlor")));
    ZonecraftFixture other;
    other.z().loadProperties(bag);
    QCOMPARE(other.z().RulerBackColor(), OLE_COLOR(0x123456));

    // A bag written with the reading spelling, or any other, loads the same.
    for (const QString& key :
        { QStringLiteral("RulerBackCOlor"), QStringLiteral("RULERBACKCOLOR") }) {
        PropertyBag spelled;
        spelled.writeColor(key, 0x654321, 0xFFFFFF);
        other.z().loadProperties(spelled);
        QCOMPARE(other.z().RulerBackColor(), OLE_COLOR(0x654321));
    }
}

void TestPersistence::imagemapModeAndZoomLevel()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.setImagemapMode(Zonecraft::PreviewMode);
    z.setZoomLevel(Zonecraft::Factor200);
    PropertyBag bag;
    z.saveProperties(bag);
    QCOMPARE(bag.ReadProperty(QStringLiteral("ImagemapMode")), QVariant(qint32(2)));
    QCOMPARE(bag.ReadProperty(QStringLiteral("ZoomLevel")), QVariant(qint32(200)));
    ZonecraftFixture other;
    other.z().loadProperties(bag);
    QCOMPARE(other.z().ImagemapMode(), Zonecraft::PreviewMode);
    QCOMPARE(other.z().ZoomLevel(), 200);

    // Zoom level 0 equals the stored default text "0" and is left out; a
    // stored text reads back as a number.
    z.setZoomLevel(0);
    z.setImagemapMode(Zonecraft::DesignMode);
    bag.clear();
    z.saveProperties(bag);
    QVERIFY(!bag.contains(QStringLiteral("ZoomLevel")));
    QVERIFY(!bag.contains(QStringLiteral("ImagemapMode")));
    bag.WriteProperty(QStringLiteral("ZoomLevel"), QStringLiteral("75"));
    other.z().loadProperties(bag);
    QCOMPARE(other.z().ZoomLevel(), 75);
    QCOMPARE(other.z().ImagemapMode(), Zonecraft::DesignMode);
}

void TestPersistence::badStoredValueLeavesTheControlAsItWas()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    z.setRulerBackColor(0x010101);
    z.setExtractSeperator(QStringLiteral("#"));
    PropertyBag bag;
    bag.writeColor(QStringLiteral("RulerBackCOlor"), 0x222222, 0xFFFFFF);
    bag.WriteProperty(QStringLiteral("ExtractSeperator"), QStringLiteral(";"));
    bag.WriteProperty(QStringLiteral("FigureSize"), QStringLiteral("wide"));
    QCOMPARE(errorOf([&] { z.loadProperties(bag); }), int(RuntimeError::TypeMismatch));
    QCOMPARE(z.RulerBackColor(), OLE_COLOR(0x010101));
    QCOMPARE(z.ExtractSeperator(), QStringLiteral("#"));
    QVERIFY(!z.ShowRulers());
}

void TestPersistence::everyPropertyRoundTripsThroughJson()
{
    ZonecraftFixture fx;
    Zonecraft& z = fx.z();
    const Values values = persistedValues();
    setAll(z, values);
    ZonecraftPrivate* d = ZonecraftPrivate::get(&z);
    d->lockAll = true;
    d->shell.workWidth = 1234;
    d->shell.workHeight = 567;
    PropertyBag bag;
    z.saveProperties(bag);
    PropertyBag copy;
    QString error;
    QVERIFY2(copy.loadJson(bag.toJson(), &error), qPrintable(error));

    ZonecraftFixture other;
    Zonecraft& y = other.z();
    y.InitProperties(); // also the settings every control shares
    y.loadProperties(copy);
    compareAll(y, values);
    QVERIFY(y.LockAll());
    const ShellSettings& shell = ZonecraftPrivate::get(&y)->shell;
    QCOMPARE(shell.workWidth.metaType(), QMetaType::fromType<qint32>());
    QCOMPARE(shell.workWidth.toInt(), 1234);
    QCOMPARE(shell.workHeight, 567);
    QVERIFY(!y.isDirty());

    // Saved again, the loaded control writes the very same bag.
    PropertyBag again;
    y.saveProperties(again);
    QCOMPARE(again.toJson(), bag.toJson());
}

QTEST_MAIN(TestPersistence)
#include "tst_persistence.moc"
