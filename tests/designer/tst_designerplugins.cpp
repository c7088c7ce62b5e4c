#include <QMetaProperty>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

// Loads each library's Designer plugin the way Designer does and uses it as
// Designer would: widget-box entry, domain XML, instances on a form.
class TestDesignerPlugins : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void plugin_data();
    void plugin();
    void domXml_data() { plugin_data(); }
    void domXml();
    void propertiesRoundTrip_data() { plugin_data(); }
    void propertiesRoundTrip();
    void refusedValueIsReportedNotThrown_data();
    void refusedValueIsReportedNotThrown();

private:
    static QDesignerCustomWidgetInterface* load(const QString& path);
};

QDesignerCustomWidgetInterface* TestDesignerPlugins::load(const QString& path)
{
    QPluginLoader loader(path);
    QObject* instance = loader.instance();
    if (!instance)
        qWarning("%s", qPrintable(loader.errorString()));
    return qobject_cast<QDesignerCustomWidgetInterface*>(instance);
}

void TestDesignerPlugins::plugin_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("header");
    QTest::newRow("Zonecraft") << QStringLiteral(ZONECRAFT_PLUGIN) << QStringLiteral("Zonecraft")
                               << QStringLiteral("zonecraft/Zonecraft.h");
    QTest::newRow("ZelPropList") << QStringLiteral(TABULON_PLUGIN) << QStringLiteral("ZelPropList")
                                 << QStringLiteral("tabulon/ZelPropList.h");
    QTest::newRow("Zel_CodeBox") << QStringLiteral(GLYPHON_PLUGIN) << QStringLiteral("Zel_CodeBox")
                                 << QStringLiteral("glyphon/Zel_CodeBox.h");
}

void TestDesignerPlugins::plugin()
{
    QFETCH(QString, path);
    QFETCH(QString, className);
    QFETCH(QString, header);

    QPluginLoader loader(path);
    QCOMPARE(loader.metaData().value(u"IID").toString(),
        QLatin1String(QDesignerCustomWidgetInterface_iid));
    QDesignerCustomWidgetInterface* plugin = load(path);
    QVERIFY(plugin);
    QCOMPARE(plugin->name(), className);
    QCOMPARE(plugin->includeFile(), header);
    QCOMPARE(plugin->group(), QStringLiteral("Zel Widgets"));
    QVERIFY(!plugin->toolTip().isEmpty());
    QVERIFY(!plugin->whatsThis().isEmpty());
    QVERIFY(!plugin->icon().isNull());
    QVERIFY(!plugin->isContainer());
    plugin->initialize(nullptr);
    QVERIFY(plugin->isInitialized());

    QWidget form;
    QWidget* widget = plugin->createWidget(&form);
    QVERIFY(widget);
    QCOMPARE(widget->parentWidget(), &form);
    // Designer knows the widget by its meta-object's class name.
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QVERIFY(widget->inherits("UserControl"));
    QCOMPARE(widget->property("UserMode"), QVariant(false));
    // Shown on the form, the control paints its design-time look.
    widget->resize(200, 150);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!widget->grab().isNull());
}

void TestDesignerPlugins::domXml()
{
    QFETCH(QString, path);
    QFETCH(QString, className);
    QFETCH(QString, header);
    QDesignerCustomWidgetInterface* plugin = load(path);
    QVERIFY(plugin);

    QXmlStreamReader xml(plugin->domXml());
    QString widgetClass, widgetName, headerText, extends;
    int width = 0, height = 0;
    QStringList path_;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            path_.append(xml.name().toString());
            if (path_ == QStringList { u"ui"_qs, u"widget"_qs }) {
                widgetClass = xml.attributes().value(QLatin1String("class")).toString();
                widgetName = xml.attributes().value(QLatin1String("name")).toString();
            } else if (path_.endsWith(u"width"_qs)) {
                width = xml.readElementText().toInt();
                path_.removeLast();
            } else if (path_.endsWith(u"height"_qs)) {
                height = xml.readElementText().toInt();
                path_.removeLast();
            } else if (path_.endsWith(u"header"_qs)) {
                QCOMPARE(
                    xml.attributes().value(QLatin1String("location")).toString(), u"global"_qs);
                headerText = xml.readElementText();
                path_.removeLast();
            } else if (path_.endsWith(u"extends"_qs)) {
                extends = xml.readElementText();
                path_.removeLast();
            }
        } else if (xml.isEndElement()) {
            path_.removeLast();
        }
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QCOMPARE(widgetClass, className);
    QCOMPARE(widgetName, QString(className.at(0).toLower() + className.mid(1)));
    QVERIFY(width >= 100 && height >= 100);
    QCOMPARE(headerText, header);
    QCOMPARE(extends, u"QWidget"_qs);
}

// Designer writes every property a form stores back into a fresh widget; a
// control must take each value it reports as its own.
void TestDesignerPlugins::propertiesRoundTrip()
{
    QFETCH(QString, path);
    QDesignerCustomWidgetInterface* plugin = load(path);
    QVERIFY(plugin);
    std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
    const QMetaObject* meta = widget->metaObject();
    int controlProperties = 0;
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (!property.isWritable() || !property.isDesignable())
            continue;
        ++controlProperties;
        const QVariant value = property.read(widget.get());
        QVERIFY2(value.isValid(), property.name());
        QVERIFY2(property.write(widget.get(), value), property.name());
        QCOMPARE(property.read(widget.get()), value);
        if (property.isEnumType()) {
            // Designer offers enums by their keys.
            QVERIFY2(property.enumerator().valueToKey(value.toInt()), property.name());
        }
    }
    QVERIFY(controlProperties > 10);
}

void TestDesignerPlugins::refusedValueIsReportedNotThrown_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("property");
    QTest::newRow("ZelPropList") << QStringLiteral(TABULON_PLUGIN) << QByteArray("ListIndex");
    QTest::newRow("Zel_CodeBox") << QStringLiteral(GLYPHON_PLUGIN) << QByteArray("ListIndex");
}

// A value the control refuses (a current row in an empty list) must not
// unwind through Designer's property editor.
void TestDesignerPlugins::refusedValueIsReportedNotThrown()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, property);
    QDesignerCustomWidgetInterface* plugin = load(path);
    QVERIFY(plugin);
    std::unique_ptr<QWidget> widget(plugin->createWidget(nullptr));
    const QVariant before = widget->property(property.constData());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"ListIndex refused.*380"_qs));
    widget->setProperty(property.constData(), 7);
    QCOMPARE(widget->property(property.constData()), before);
}

QTEST_MAIN(TestDesignerPlugins)
#include "tst_designerplugins.moc"
