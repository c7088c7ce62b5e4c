#pragma once

#include "PropertyBag.h"
#include "StdFont.h"
#include "StdPicture.h"

#include <QWidget>
#include <common/zelcommon_export.h>
#include <memory>

class UserControlPrivate;

/// The base of every control: persistence through a PropertyBag, the
/// property-changed notification, the ambient properties the host supplies,
/// and unit conversion.
class ZELCOMMON_EXPORT UserControl : public QWidget
{
    Q_OBJECT
    /// False at design time, true at run time (the host's Ambient.UserMode).
    Q_PROPERTY(bool UserMode READ UserMode WRITE setUserMode NOTIFY userModeChanged)

public:
    /// A control at run time (UserMode true) with no properties read yet.
    explicit UserControl(QWidget* parent = nullptr);
    ~UserControl() override;

    /// \name UserMode accessors
    ///@{

    /// The getter or setter of UserMode.
    bool UserMode() const;
    void setUserMode(bool New_UserMode);
    ///@}

    /// The host's ambient font, used by a control whose own font is not set.
    StdFont AmbientFont() const;
    /// Sets the ambient font and raises ambientChanged("Font").
    void setAmbientFont(const StdFont& font);

    /// A new control: set every property to its default.
    virtual void InitProperties() { }
    /// Read the persisted properties from \a bag.
    virtual void ReadProperties(const PropertyBag& bag) { Q_UNUSED(bag) }
    /// Write every property to \a bag (values equal to their defaults are omitted by the bag).
    virtual void WriteProperties(PropertyBag& bag) const { Q_UNUSED(bag) }

    /// WriteProperties into \a bag, then clears the dirty flag (the host's save).
    void saveProperties(PropertyBag& bag);
    /// ReadProperties from \a bag, then clears the dirty flag the setters
    /// raised. When the bag is refused (RuntimeError, a value of the wrong
    /// type) every property and the dirty flag are put back as they were,
    /// and the error goes on to the caller.
    void loadProperties(const PropertyBag& bag);

    /// True once a property changed since the last WriteProperties.
    bool isDirty() const;
    /// Sets or clears the changed-since-saved flag.
    void setDirty(bool dirty);

    /// Screen twips per pixel: 1440 / logical DPI (15 at 96 DPI).
    static float TwipsPerPixelX();
    /// Screen twips per pixel vertically.
    static float TwipsPerPixelY();

Q_SIGNALS:
    /// A persisted property changed; \a key is its persistence key.
    void propertyChanged(const QString& key);
    /// UserMode changed to \a userMode.
    void userModeChanged(bool userMode);
    /// An ambient property the host supplies changed ("UserMode", "Font").
    void ambientChanged(const QString& name);

protected:
    /// Marks the property stored under \a key changed and notifies the host.
    void PropertyChanged(const QString& key);

    /// A setter's common start: stores \a value in \a field and marks the
    /// property of \a key changed; false, changing nothing, when the field
    /// held that value already.
    template<typename T, typename U> bool setIfChanged(T& field, const U& value, const QString& key)
    {
        if (field == value)
            return false;
        field = value;
        PropertyChanged(key);
        return true;
    }
    /// As above, then raises \a notify, a signal of the derived control taking the new value,
    /// so a binding hears of each change once and of a repeated value not at all.
    template<typename T, typename U, typename Control, typename Arg>
    bool setIfChanged(T& field, const U& value, const QString& key, void (Control::*notify)(Arg))
    {
        if (!setIfChanged(field, value, key))
            return false;
        Q_EMIT(static_cast<Control*>(this)->*notify)(field);
        return true;
    }
    /// Pictures are held by reference: the same object is no change, another
    /// one with equal pixels is.
    bool setIfChanged(StdPicture& field, const StdPicture& value, const QString& key)
    {
        if (field.isSameObject(value))
            return false;
        field = value;
        PropertyChanged(key);
        return true;
    }

private:
    std::unique_ptr<UserControlPrivate> const d;
};
