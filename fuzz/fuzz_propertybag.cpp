// Property-bag JSON through loadJson and every control's ReadProperties.
// A document the bag refuses leaves the bag as it was; one it takes writes
// back to the same JSON; a bag a control refuses leaves its properties as
// they were; and what a control writes after reading it reads back into a
// fresh control that writes the very same bag.

#include "FuzzSupport.h"

#include <QImage>
#include <common/PropertyBag.h>
#include <common/RuntimeError.h>
#include <functional>
#include <glyphon/Zel_CodeBox.h>
#include <memory>
#include <tabulon/ZelPropList.h>
#include <zonecraft/Zonecraft.h>

namespace {

struct ControlKind
{
    const char* name;
    std::function<std::unique_ptr<UserControl>()> make;
};

const std::vector<ControlKind>& controlKinds()
{
    static const std::vector<ControlKind> kinds {
        { "ZelPropList", [] { return std::make_unique<ZelPropList>(); } },
        { "Zel_CodeBox", [] { return std::make_unique<Zel_CodeBox>(); } },
        { "Zonecraft", [] { return std::make_unique<Zonecraft>(); } },
    };
    return kinds;
}

/// A bag with one value of every type, to see that a refused load keeps it.
PropertyBag filledBag()
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("Text"), QStringLiteral("kept"));
    bag.WriteProperty(QStringLiteral("Flag"), true);
    bag.WriteProperty(QStringLiteral("Small"), QVariant::fromValue(qint16(-7)));
    bag.WriteProperty(QStringLiteral("Large"), QVariant::fromValue(qint32(123456789)));
    bag.WriteProperty(QStringLiteral("Single"), QVariant::fromValue(0.1f));
    bag.WriteProperty(QStringLiteral("Double"), 0.1);
    bag.writeColor(QStringLiteral("Colour"), 0x8000000F, 0);
    bag.WriteProperty(QStringLiteral("Day"), QDate(2026, 12, 9));
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 40));
    bag.WriteProperty(QStringLiteral("Picture"), QVariant::fromValue(StdPicture(image)));
    bag.WriteProperty(
        QStringLiteral("Font"), QVariant::fromValue(StdFont(QStringLiteral("Tahoma"), 9)));
    return bag;
}

void checkControl(const ControlKind& kind, const PropertyBag& loaded)
{
    const auto first = kind.make();
    PropertyBag defaults;
    first->WriteProperties(defaults);
    try {
        first->loadProperties(loaded);
    } catch (const RuntimeError&) {
        // A stored value of the wrong type is the host's error 13; the
        // control keeps every property it had.
        PropertyBag after;
        first->WriteProperties(after);
        ZEL_FUZZ_CHECK(after.toJson() == defaults.toJson(),
            QStringLiteral("%1 refused the bag but changed its properties to\n%2")
                .arg(QLatin1String(kind.name), QString::fromUtf8(after.toJson())));
    }
    PropertyBag written;
    first->saveProperties(written);

    const auto second = kind.make();
    try {
        second->loadProperties(written);
    } catch (const RuntimeError& e) {
        ZelFuzz::fail(__FILE__, __LINE__,
            QStringLiteral("%1 refuses the bag it wrote itself: error %2 %3\n%4")
                .arg(QLatin1String(kind.name))
                .arg(e.number())
                .arg(e.description(), QString::fromUtf8(written.toJson())));
    }
    PropertyBag rewritten;
    second->saveProperties(rewritten);
    ZEL_FUZZ_CHECK(rewritten.toJson() == written.toJson(),
        QStringLiteral("%1 writes\n%2\nafter reading back\n%3")
            .arg(QLatin1String(kind.name), QString::fromUtf8(rewritten.toJson()),
                QString::fromUtf8(written.toJson())));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZelFuzz::ensureApplication();
    const QByteArray json(reinterpret_cast<const char*>(data), qsizetype(size));

    PropertyBag bag = filledBag();
    const QByteArray before = bag.toJson();
    QString error;
    if (!bag.loadJson(json, &error)) {
        ZEL_FUZZ_CHECK(!error.isEmpty(), QStringLiteral("a refused load gives no message"));
        ZEL_FUZZ_CHECK(bag.toJson() == before, QStringLiteral("a refused load changed the bag"));
        return 0;
    }
    ZEL_FUZZ_CHECK(error.isEmpty(), QStringLiteral("a load that worked left the message ") + error);

    // The bag's own format reads back exactly.
    const QByteArray saved = bag.toJson();
    PropertyBag reloaded;
    ZEL_FUZZ_CHECK(
        reloaded.loadJson(saved, &error), QStringLiteral("the bag refuses its own JSON: ") + error);
    ZEL_FUZZ_CHECK(reloaded.toJson() == saved,
        QStringLiteral("the bag's JSON changes on reload:\n%1\n%2")
            .arg(QString::fromUtf8(saved), QString::fromUtf8(reloaded.toJson())));
    for (const QString& key : bag.keys())
        ZEL_FUZZ_CHECK(PropertyBag::sameValue(bag.ReadProperty(key), reloaded.ReadProperty(key)),
            QStringLiteral("the value of %1 changes on reload").arg(key));

    for (const ControlKind& kind : controlKinds())
        checkControl(kind, bag);
    return 0;
}
