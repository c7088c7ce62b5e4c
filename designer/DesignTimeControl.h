#pragma once

#include <QMetaProperty>
#include <QWidget>
#include <common/RuntimeError.h>

/// A control as it sits on a Designer form: in its design-time look
/// (UserMode false), with the defaults of a newly placed control
/// (InitProperties; a form's stored values are written over them), and with
/// property writes that cannot take Designer down.
///
/// The controls' setters throw RuntimeError for values they refuse (a
/// ListIndex past the last row of an empty list, say). Designer writes
/// properties through the meta-object system, where nothing catches an
/// exception, so this class catches it at that door and reports it as a
/// warning; the control keeps its value. It adds no meta-object of its
/// own: to Designer and to qobject_cast the widget is the control itself.
template<class Control> class DesignTimeControl : public Control
{
public:
    explicit DesignTimeControl(QWidget* parent)
        : Control(parent)
    {
        Control::setUserMode(false);
        Control::InitProperties();
    }

    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override
    {
        try {
            return Control::qt_metacall(call, id, arguments);
        } catch (const RuntimeError& error) {
            const QMetaObject* meta = Control::metaObject();
            const QMetaProperty property
                = call == QMetaObject::WriteProperty ? meta->property(id) : QMetaProperty();
            qWarning("%s: %s refused: %s (error %d)", meta->className(),
                property.isValid() ? property.name() : "call", qPrintable(error.description()),
                error.number());
            return -1;
        }
    }
};
