#include "UserControl.h"

#include "RuntimeError.h"
#include "Units.h"
#include "UserControl_p.h"

UserControl::UserControl(QWidget* parent)
    : QWidget(parent)
    , d(std::make_unique<UserControlPrivate>())
{
    Zel::installFontSubstitutions();
}

UserControl::~UserControl() = default;

bool UserControl::UserMode() const
{
    return d->userMode;
}

void UserControl::setUserMode(bool New_UserMode)
{
    if (d->userMode == New_UserMode)
        return;
    d->userMode = New_UserMode;
    Q_EMIT userModeChanged(d->userMode);
    Q_EMIT ambientChanged(QStringLiteral("UserMode"));
}

StdFont UserControl::AmbientFont() const
{
    return d->ambientFont;
}

void UserControl::setAmbientFont(const StdFont& font)
{
    if (d->ambientFont.isSameObject(font))
        return;
    d->ambientFont = font;
    Q_EMIT ambientChanged(QStringLiteral("Font"));
}

void UserControl::saveProperties(PropertyBag& bag)
{
    WriteProperties(bag);
    d->dirty = false;
}

void UserControl::loadProperties(const PropertyBag& bag)
{
    // A bag that fails half way through must not leave half of it read:
    // the properties are put back from what the control wrote before.
    PropertyBag before;
    WriteProperties(before);
    const bool wasDirty = d->dirty;
    try {
        ReadProperties(bag);
    } catch (const RuntimeError&) {
        // A control that reads everything before it changes anything is
        // already as it was; reading the old bag again would apply its
        // load-time rules a second time.
        PropertyBag now;
        WriteProperties(now);
        if (now.toJson() != before.toJson())
            ReadProperties(before);
        d->dirty = wasDirty;
        throw;
    }
    d->dirty = false;
}

bool UserControl::isDirty() const
{
    return d->dirty;
}

void UserControl::setDirty(bool dirty)
{
    d->dirty = dirty;
}

float UserControl::TwipsPerPixelX()
{
    return Zel::twipsPerPixelX();
}

float UserControl::TwipsPerPixelY()
{
    return Zel::twipsPerPixelY();
}

void UserControl::PropertyChanged(const QString& key)
{
    d->dirty = true;
    Q_EMIT propertyChanged(key);
}
