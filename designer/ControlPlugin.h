#pragma once

#include <QObject>
#include <QSize>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>
#include <functional>

/// What Qt Designer needs to know about one control: its class, header,
/// texts for the widget box, the size a new instance gets on a form and how
/// to make one.
struct ControlDescription
{
    QString className;
    /// As a host includes it: "zonecraft/Zonecraft.h".
    QString includeFile;
    QString toolTip;
    QString whatsThis;
    QSize defaultSize;
    /// String properties that take a single line (Designer offers a line edit, not a text dialog).
    QStringList singleLineProperties;
    /// A small sketch of the control for the widget box.
    std::function<void(class QPainter&, const QRect&)> drawIcon;
    /// Creates the control in its design-time form.
    std::function<QWidget*(QWidget* parent)> create;
};

/// The Designer side of one control library: the control's entry in the
/// widget box, its domain XML, and the instances dragged onto forms.
class ControlPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    /// The group every control of these libraries is listed under.
    static QString groupName();

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override;
    void initialize(QDesignerFormEditorInterface* core) override;
    QString domXml() const override;

protected:
    ControlPlugin(ControlDescription description, QObject* parent);

private:
    ControlDescription m_description;
    bool m_initialized = false;
};
