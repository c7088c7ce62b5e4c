#pragma once

#include <QDate>
#include <QDebug>
#include <QHash>
#include <QMetaProperty>
#include <QSet>
#include <QSignalSpy>
#include <QStringList>
#include <common/PropertyBag.h>
#include <common/RuntimeError.h>
#include <common/StdFont.h>
#include <common/UserControl.h>
#include <functional>
#include <memory>

/// What a control's property round trip needs to know beyond its meta-object.
struct RoundTripOptions
{
    /// The value to write, for properties whose range the generic change would leave or whose
    /// type it does not know (pictures, variants of a given kind).
    QHash<QByteArray, QVariant> values;
    /// Properties of the running control only: written and read back, not stored.
    QSet<QByteArray> notPersisted;
    /// Properties left alone, each with the reason: read-only at run time in effect, owned by
    /// another test, or written with side effects the walk cannot foresee.
    QHash<QByteArray, QString> skipped;
    /// Stored properties whose setters only store the value and mark nothing changed.
    QSet<QByteArray> unmarked;
    /// When set, a writable property without a notify signal is a fault unless it is listed in
    /// silent, with the reason, and a stored property written its own value again must not mark
    /// the control changed.
    bool notifyRequired = false;
    QHash<QByteArray, QString> silent;
};

namespace RoundTrip {

/// A value of \a current's type that differs from it, or an invalid QVariant for a type
/// this helper cannot vary.
inline QVariant changedValue(const QMetaProperty& property, const QVariant& current)
{
    if (property.isEnumType()) {
        const QMetaEnum e = property.enumerator();
        const int now = current.toInt();
        for (int i = 0; i < e.keyCount(); ++i) {
            if (e.value(i) != now) {
                QVariant next(e.value(i));
                return next.convert(property.metaType()) ? next : QVariant();
            }
        }
        return {};
    }
    switch (property.metaType().id()) {
    case QMetaType::Bool:
        return !current.toBool();
    case QMetaType::Short:
        return QVariant::fromValue(qint16(current.toInt() == 1 ? 0 : 1));
    case QMetaType::Int:
        return QVariant::fromValue(qint32(current.toInt() == 1 ? 0 : 1));
    case QMetaType::UInt: // colours: a plain RGB value either way
        return QVariant::fromValue(quint32(current.toUInt() == 0x123456 ? 0x654321 : 0x123456));
    case QMetaType::Float:
        return QVariant::fromValue(current.toFloat() + 1.5f);
    case QMetaType::Double:
        return current.toDouble() + 1.5;
    case QMetaType::QString:
        return QVariant(current.toString() + QStringLiteral("x"));
    case QMetaType::QDate: {
        const QDate date = current.toDate();
        return date.isValid() ? date.addDays(1) : QDate(2004, 2, 29);
    }
    default:
        break;
    }
    if (property.metaType() == QMetaType::fromType<StdFont>()) {
        StdFont font = current.value<StdFont>();
        StdFont changed(font.Name() == QStringLiteral("Verdana") ? QStringLiteral("Arial")
                                                                 : QStringLiteral("Verdana"),
            font.Size() == 11 ? 9 : 11);
        changed.setBold(!font.Bold());
        return QVariant::fromValue(changed);
    }
    return {};
}

inline QString describe(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<StdFont>()) {
        const StdFont font = value.value<StdFont>();
        return QStringLiteral("font %1 %2").arg(font.Name()).arg(font.Size());
    }
    return value.toString();
}

/// The properties a control declares itself (QWidget's own are not persisted by it).
inline QList<QMetaProperty> ownProperties(const QObject& control)
{
    QList<QMetaProperty> properties;
    const QMetaObject* mo = control.metaObject();
    for (int i = UserControl::staticMetaObject.propertyCount(); i < mo->propertyCount(); ++i) {
        const QMetaProperty property = mo->property(i);
        if (property.isWritable())
            properties << property;
    }
    return properties;
}

} // namespace RoundTrip

/// Writes every writable property a control declares with a value other than its default,
/// checks it reads back, that its notify signal (where it has one) and, for a stored
/// property, propertyChanged fired once, and that writing the value it now holds again fires
/// neither; then saves the control through the property bag's JSON, loads that into a fresh
/// control and checks every stored property reads back equal.
/// Returns the faults found, one a line; empty when there are none.
inline QString checkPropertyRoundTrip(
    const std::function<std::unique_ptr<UserControl>()>& make, const RoundTripOptions& options = {})
{
    QStringList faults;
    const std::unique_ptr<UserControl> original = make();
    const QList<QMetaProperty> properties = RoundTrip::ownProperties(*original);
    // Taken before anything is written: some settings are shared by every control.
    QHash<QByteArray, QVariant> defaults;
    for (const QMetaProperty& property : properties)
        defaults.insert(property.name(), property.read(original.get()));

    for (const QMetaProperty& property : properties) {
        const QByteArray name = property.name();
        if (options.skipped.contains(name))
            continue;
        const QVariant before = property.read(original.get());
        const QVariant value
            = options.values.value(name, RoundTrip::changedValue(property, before));
        if (!value.isValid()) {
            faults << QStringLiteral("%1: no test value for type %2")
                          .arg(QLatin1String(name), QLatin1String(property.typeName()));
            continue;
        }
        std::unique_ptr<QSignalSpy> notify;
        if (property.hasNotifySignal())
            notify = std::make_unique<QSignalSpy>(original.get(), property.notifySignal());
        else if (options.notifyRequired && !options.silent.contains(name))
            faults << QStringLiteral("%1: no notify signal").arg(QLatin1String(name));
        QSignalSpy changed(original.get(), &UserControl::propertyChanged);
        bool written = false;
        try {
            written = property.write(original.get(), value);
        } catch (const RuntimeError& error) {
            faults << QStringLiteral("%1: writing %2 raised error %3")
                          .arg(QLatin1String(name), RoundTrip::describe(value))
                          .arg(error.number());
            continue;
        }
        if (!written) {
            faults << QStringLiteral("%1: write refused").arg(QLatin1String(name));
            continue;
        }
        const QVariant after = property.read(original.get());
        if (after != value)
            faults << QStringLiteral("%1: wrote %2, read %3")
                          .arg(QLatin1String(name), RoundTrip::describe(value),
                              RoundTrip::describe(after));
        if (notify && notify->count() != 1)
            faults << QStringLiteral("%1: %2 fired %3 times")
                          .arg(QLatin1String(name), QLatin1String(property.notifySignal().name()))
                          .arg(notify->count());
        // A property of the running control may or may not mark the control changed.
        const bool stored = !options.notPersisted.contains(name);
        const int marks = options.unmarked.contains(name) ? 0 : 1;
        if (stored && changed.count() != marks)
            faults << QStringLiteral("%1: propertyChanged fired %2 times")
                          .arg(QLatin1String(name))
                          .arg(changed.count());

        // The value it holds, written again, is no change.
        if (notify)
            notify->clear();
        changed.clear();
        try {
            property.write(original.get(), after);
        } catch (const RuntimeError& error) {
            faults << QStringLiteral("%1: writing the same %2 again raised error %3")
                          .arg(QLatin1String(name), RoundTrip::describe(after))
                          .arg(error.number());
            continue;
        }
        if (notify && !notify->isEmpty())
            faults << QStringLiteral("%1: the same value again fired %2 %3 times")
                          .arg(QLatin1String(name), QLatin1String(property.notifySignal().name()))
                          .arg(notify->count());
        if (options.notifyRequired && stored && !changed.isEmpty())
            faults << QStringLiteral("%1: the same value again fired propertyChanged %2 times")
                          .arg(QLatin1String(name))
                          .arg(changed.count());
    }

    PropertyBag bag;
    original->saveProperties(bag);
    PropertyBag reread;
    QString error;
    if (!reread.loadJson(bag.toJson(), &error))
        return faults.join(u'\n') + QStringLiteral("\nJSON not read back: ") + error;
    const std::unique_ptr<UserControl> copy = make();
    copy->loadProperties(reread);

    for (const QMetaProperty& property : properties) {
        const QByteArray name = property.name();
        if (options.skipped.contains(name) || options.notPersisted.contains(name))
            continue;
        const QVariant written = property.read(original.get());
        const QVariant loaded = property.read(copy.get());
        if (loaded != written)
            faults << QStringLiteral("%1: saved %2, loaded %3")
                          .arg(QLatin1String(name), RoundTrip::describe(written),
                              RoundTrip::describe(loaded));
        else if (written == defaults.value(name))
            faults << QStringLiteral("%1: ends at its default, so its storage went untested")
                          .arg(QLatin1String(name));
    }
    // Settings shared by every control go back to where they were for the tests that follow.
    for (const QMetaProperty& property : properties) {
        if (!options.skipped.contains(property.name())) {
            try {
                property.write(original.get(), defaults.value(property.name()));
            } catch (const RuntimeError&) { }
        }
    }

    // The test's own message is cut short; the whole list goes to the log.
    if (!faults.isEmpty())
        qWarning().noquote() << faults.join(u'\n');
    return faults.join(u'\n');
}
