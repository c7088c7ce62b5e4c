// A load that fails leaves what was there as it was: each control's
// persisted properties, and the figures of the image-map editor.

#include <QMetaEnum>
#include <QMetaProperty>
#include <QTest>
#include <common/PropertyBag.h>
#include <common/RuntimeError.h>
#include <functional>
#include <glyphon/Zel_CodeBox.h>
#include <memory>
#include <tabulon/ZelPropList.h>
#include <zonecraft/Zonecraft.h>

namespace {

using Maker = std::function<std::unique_ptr<UserControl>()>;

/// Moves every writable property of the control's own classes off its
/// default, where the setter takes the change, so a bag from it holds keys.
void changeEveryProperty(UserControl& control)
{
    const QMetaObject* meta = control.metaObject();
    for (int i = UserControl::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (!p.isWritable())
            continue;
        const QVariant value = p.read(&control);
        QVariant changed;
        if (p.isEnumType()) {
            // Another value the enumeration names, as a host would set.
            const QMetaEnum e = p.enumerator();
            const int current = value.toInt();
            for (int k = 0; k < e.keyCount() && !changed.isValid(); ++k)
                if (e.value(k) != current)
                    changed = e.value(k);
        }
        switch (changed.isValid() ? QMetaType::UnknownType : value.typeId()) {
        case QMetaType::Bool:
            changed = !value.toBool();
            break;
        case QMetaType::Int:
        case QMetaType::UInt:
            changed = value.toInt() + 1;
            break;
        case QMetaType::QString:
            changed = value.toString() + QStringLiteral("x");
            break;
        default:
            break;
        }
        if (!changed.isValid())
            continue;
        try {
            p.write(&control, changed);
        } catch (const RuntimeError&) {
            // A value the setter refuses: the property keeps its default.
        }
    }
}

QByteArray bagOf(const UserControl& control)
{
    PropertyBag bag;
    control.WriteProperties(bag);
    return bag.toJson();
}

/// The keys whose values differ between two bags a control wrote.
QStringList changedKeys(const UserControl& control, const PropertyBag& before)
{
    PropertyBag now;
    control.WriteProperties(now);
    QStringList keys = now.keys() + before.keys();
    keys.removeDuplicates();
    QStringList changed;
    for (const QString& key : std::as_const(keys))
        if (!PropertyBag::sameValue(now.ReadProperty(key), before.ReadProperty(key)))
            changed << key;
    return changed;
}

} // namespace

class TestFailedLoads : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aRefusedBagChangesNoProperty_data();
    void aRefusedBagChangesNoProperty();
    void aRefusedAreaListKeepsTheFigures();
};

void TestFailedLoads::aRefusedBagChangesNoProperty_data()
{
    QTest::addColumn<Maker>("make");
    QTest::newRow("Zonecraft") << Maker([] { return std::make_unique<Zonecraft>(); });
    QTest::newRow("ZelPropList") << Maker([] { return std::make_unique<ZelPropList>(); });
    QTest::newRow("Zel_CodeBox") << Maker([] { return std::make_unique<Zel_CodeBox>(); });
}

void TestFailedLoads::aRefusedBagChangesNoProperty()
{
    QFETCH(Maker, make);
    const auto control = make();
    changeEveryProperty(*control);
    PropertyBag own;
    control->WriteProperties(own);
    const QByteArray before = own.toJson();
    QVERIFY2(own.keys().size() >= 5, before.constData());

    // Each key in turn holds a value of the wrong type; the keys read before
    // it are absent, so a half-read bag would put them back to their defaults.
    int refused = 0;
    for (const QString& key : own.keys()) {
        PropertyBag damaged;
        if (own.ReadProperty(key).typeId() == qMetaTypeId<StdFont>())
            damaged.WriteProperty(key, QStringLiteral("no font"));
        else
            damaged.WriteProperty(key, QVariant::fromValue(StdFont(QStringLiteral("Tahoma"), 9)));
        try {
            control->loadProperties(damaged);
        } catch (const RuntimeError& e) {
            ++refused;
            QCOMPARE(e.number(), 13);
            const QStringList changed = changedKeys(*control, own);
            QVERIFY2(changed.isEmpty(),
                qPrintable(QStringLiteral("a refused %1 changed %2").arg(key, changed.join(u' '))));
            continue;
        }
        // A value the control takes after all: start again from the same state.
        control->loadProperties(own);
        QCOMPARE(bagOf(*control), before);
    }
    QVERIFY(refused > 0);
}

void TestFailedLoads::aRefusedAreaListKeepsTheFigures()
{
    Zonecraft z;
    z.ImportCode(Zonecraft::customcode, QStringLiteral("10,10,40,30|Rectangle|1||0\r\n"));
    const QString present = z.ExportCode(Zonecraft::customcode);
    // A line short of fields is found before any figure is made: nothing is added.
    QVERIFY_THROWS_EXCEPTION(RuntimeError,
        z.ImportCode(
            Zonecraft::customcode, QStringLiteral("1,1,5,5|Rectangle|2||0\r\n2,2,6|Circle\r\n")));
    QCOMPARE(z.ExportCode(Zonecraft::customcode), present);
    // Bad coordinates stop the list at their line; the figures already there
    // keep their lines, and those of the lines before it are added.
    QVERIFY_THROWS_EXCEPTION(RuntimeError,
        z.ImportCode(Zonecraft::customcode,
            QStringLiteral("1,1,5,5|Rectangle|2||0\r\n2,2|Circle|3||0\r\n")));
    QCOMPARE(
        z.ExportCode(Zonecraft::customcode), present + QStringLiteral("1,1,5,5|Rectangle|2\r\n"));
}

QTEST_MAIN(TestFailedLoads)
#include "tst_failedloads.moc"
