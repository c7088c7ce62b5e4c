// A host of the property list: a link's attributes under a header, a combo
// the host fills when it opens, and a line for every value the user changes.
// With --quit-after-setup it opens the target combo, types a new href as a
// person would in the text box, and exits.

#include <QApplication>
#include <QDebug>
#include <QLineEdit>
#include <QTimer>
#include <tabulon/ZelPropList.h>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(320, 200);

    auto* list = new ZelPropList(&window); // the property list
    list->InitProperties();
    list->AddItem(QStringLiteral("link"), QStringLiteral("Link"), Tabulon::propHeader, {}, {});
    list->AddItem(QStringLiteral("href"), QStringLiteral("href"), Tabulon::propString,
        QStringLiteral("a.html"), QStringLiteral("Where it leads"));
    list->AddItem(QStringLiteral("target"), QStringLiteral("Target"), Tabulon::propcombo,
        QStringLiteral("_self"), QStringLiteral("Where it opens"));
    QObject::connect(list, &ZelPropList::ComboAddItem, &window, [](QStringList& entries, QString&) {
        entries = { QStringLiteral("_self"), QStringLiteral("_blank") };
        qInfo() << "offered" << entries.size() << "targets";
    });
    QObject::connect(
        list, &ZelPropList::ChangeItem, &window, [](const QString& value, const QString& key) {
            qInfo().noquote() << key << "is now" << value;
        });

    list->resize(window.size());
    window.show();
    if (app.arguments().contains(QStringLiteral("--quit-after-setup"))) {
        QTimer::singleShot(0, &app, [list, &app] {
            list->ActivateStyle(list->ItemIndex(QStringLiteral("target")));
            list->setListIndex(list->ItemIndex(QStringLiteral("href")));
            list->StartEdit2();
            list->findChild<QLineEdit*>(QStringLiteral("txtEdit"))
                ->setText(QStringLiteral("b.html"));
            list->EndEdit(true);
            app.quit();
        });
    }
    return app.exec();
}
