#include "ControlPlugin.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QXmlStreamWriter>

namespace {

// Designer's default form object name: the class name with a lower-case initial.
QString defaultObjectName(const QString& className)
{
    QString name = className;
    if (!name.isEmpty())
        name[0] = name.at(0).toLower();
    return name;
}

} // namespace

ControlPlugin::ControlPlugin(ControlDescription description, QObject* parent)
    : QObject(parent)
    , m_description(std::move(description))
{ }

QString ControlPlugin::groupName()
{
    return QStringLiteral("Zel Widgets");
}

QString ControlPlugin::name() const
{
    return m_description.className;
}

QString ControlPlugin::group() const
{
    return groupName();
}

QString ControlPlugin::toolTip() const
{
    return m_description.toolTip;
}

QString ControlPlugin::whatsThis() const
{
    return m_description.whatsThis;
}

QString ControlPlugin::includeFile() const
{
    return m_description.includeFile;
}

QIcon ControlPlugin::icon() const
{
    if (!m_description.drawIcon)
        return {};
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    m_description.drawIcon(painter, QRect(2, 2, 18, 18));
    painter.end();
    return QIcon(pixmap);
}

bool ControlPlugin::isContainer() const
{
    return false;
}

QWidget* ControlPlugin::createWidget(QWidget* parent)
{
    return m_description.create(parent);
}

bool ControlPlugin::isInitialized() const
{
    return m_initialized;
}

void ControlPlugin::initialize(QDesignerFormEditorInterface* core)
{
    Q_UNUSED(core)
    m_initialized = true;
}

QString ControlPlugin::domXml() const
{
    QString xml;
    QXmlStreamWriter out(&xml);
    out.setAutoFormatting(true);
    out.writeStartElement(QStringLiteral("ui"));
    out.writeAttribute(QStringLiteral("language"), QStringLiteral("c++"));
    out.writeAttribute(QStringLiteral("displayname"), m_description.className);

    out.writeStartElement(QStringLiteral("widget"));
    out.writeAttribute(QStringLiteral("class"), m_description.className);
    out.writeAttribute(QStringLiteral("name"), defaultObjectName(m_description.className));
    out.writeStartElement(QStringLiteral("property"));
    out.writeAttribute(QStringLiteral("name"), QStringLiteral("geometry"));
    out.writeStartElement(QStringLiteral("rect"));
    out.writeTextElement(QStringLiteral("x"), QStringLiteral("0"));
    out.writeTextElement(QStringLiteral("y"), QStringLiteral("0"));
    out.writeTextElement(
        QStringLiteral("width"), QString::number(m_description.defaultSize.width()));
    out.writeTextElement(
        QStringLiteral("height"), QString::number(m_description.defaultSize.height()));
    out.writeEndElement(); // rect
    out.writeEndElement(); // property
    out.writeEndElement(); // widget

    out.writeStartElement(QStringLiteral("customwidgets"));
    out.writeStartElement(QStringLiteral("customwidget"));
    out.writeTextElement(QStringLiteral("class"), m_description.className);
    out.writeTextElement(QStringLiteral("extends"), QStringLiteral("QWidget"));
    out.writeStartElement(QStringLiteral("header"));
    out.writeAttribute(QStringLiteral("location"), QStringLiteral("global"));
    out.writeCharacters(m_description.includeFile);
    out.writeEndElement(); // header
    if (!m_description.singleLineProperties.isEmpty()) {
        out.writeStartElement(QStringLiteral("propertyspecifications"));
        for (const QString& property : m_description.singleLineProperties) {
            out.writeEmptyElement(QStringLiteral("stringpropertyspecification"));
            out.writeAttribute(QStringLiteral("name"), property);
            out.writeAttribute(QStringLiteral("type"), QStringLiteral("singleline"));
        }
        out.writeEndElement(); // propertyspecifications
    }
    out.writeEndElement(); // customwidget
    out.writeEndElement(); // customwidgets
    out.writeEndElement(); // ui
    return xml;
}
