#include "UserControl.h"

#include "RuntimeError.h"
#include "Units.h"

UserControl::UserControl(QWidget* parent)
    : QWidget(parent)
{
    Zel::installFontSubstitutions();
}

UserControl::~UserControl() = default;

bool UserControl::UserMode() const
{
    return m_userMode;
}

void UserControl::setUserMode(bool New_UserMode)
{
    if (m_userMode == New_UserMode)
        return;
    m_userMode = New_UserMode;
    Q_EMIT userModeChanged(m_userMode);
    Q_EMIT ambientChanged(QStringLiteral("UserMode"));
}

StdFont UserControl::AmbientFont() const
{
    return m_ambientFont;
}

void UserControl::setAmbientFont(const StdFont& font)
{
    if (m_ambientFont.isSameObject(font))
        return;
    m_ambientFont = font;
    Q_EMIT ambientChanged(QStringLiteral("Font"));
}

void UserControl::saveProperties(PropertyBag& bag)
{
    WriteProperties(bag);
    m_dirty = false;
}

void UserControl::loadProperties(const PropertyBag& bag)
{
    // A bag that fails half way through must not leave half of it read:
    // the properties are put back from what the control wrote before.
    PropertyBag before;
    WriteProperties(before);
    const bool wasDirty = m_dirty;
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
        m_dirty = wasDirty;
        throw;
    }
    m_dirty = false;
}

bool UserControl::isDirty() const
{
    return m_dirty;
}

void UserControl::setDirty(bool dirty)
{
    m_dirty = dirty;
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
    m_dirty = true;
    Q_EMIT propertyChanged(key);
}
