// A host of the code box: an image map's HTML in rows of one category, and
// a line for every row the user chooses.
// With --quit-after-setup it chooses the second area's row and exits.

#include <QApplication>
#include <QDebug>
#include <QTimer>
#include <glyphon/Zel_CodeBox.h>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(420, 200);

    auto* code = new Zel_CodeBox(&window); // the code box
    code->InitProperties();
    code->setNormalizeEntities(false); // show &amp; as written
    code->setAutoRender(false);
    code->AddText(
        QStringLiteral("<map name=\"m\">"), QStringLiteral("start"), QStringLiteral("Map"));
    code->AddText(QStringLiteral("<area href=\"a.html\" alt=\"A &amp; B\">"),
        QStringLiteral("area1"), QStringLiteral("Map"));
    code->AddText(QStringLiteral("<area href=\"c.html\" alt=\"C\">"), QStringLiteral("area2"),
        QStringLiteral("Map"));
    code->AddText(QStringLiteral("</map>"), QStringLiteral("end"), QStringLiteral("Map"));
    code->setAutoRender(true);
    QObject::connect(code, qOverload<const QString&, const QString&>(&Zel_CodeBox::ReturnKey),
        &window, [](const QString& key, const QString& category) {
            qInfo().noquote() << "chose" << key << "in" << category;
        });

    code->resize(window.size());
    window.show();
    if (app.arguments().contains(QStringLiteral("--quit-after-setup"))) {
        QTimer::singleShot(0, &app, [code, &app] {
            code->SelectItem(QStringLiteral("area2"), true);
            app.quit();
        });
    }
    return app.exec();
}
