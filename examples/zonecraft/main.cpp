// A host of the image-map editor: a window with a floor plan, two hotspots
// read from an area list, and a line for every hotspot the user selects.
// With --quit-after-setup it selects the second hotspot itself and exits.

#include <QApplication>
#include <QDebug>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <common/StdPicture.h>
#include <zonecraft/Zonecraft.h>

namespace {

// Two rooms on a plain background, drawn here so the example needs no file.
QImage floorPlan()
{
    QImage plan(320, 200, QImage::Format_RGB32);
    plan.fill(Qt::white);
    QPainter painter(&plan);
    painter.drawRect(10, 10, 80, 50);
    painter.drawRect(120, 40, 80, 60);
    return plan;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(360, 240);

    auto* map = new Zonecraft(&window); // the image-map editor
    map->InitProperties();
    map->setPicture(StdPicture(floorPlan()));
    map->ImportCode(Zonecraft::customcode,
        QStringLiteral("10,10,90,60|Rectangle|1||False\r\n120,40,200,100|Rectangle|2||False\r\n"));
    QObject::connect(map, &Zonecraft::HotspotActivate, &window, [](const ShapeFigure& f) {
        qInfo().noquote()
            << QStringLiteral("selected hotspot %1 at %2,%3").arg(f.Index).arg(f.X1).arg(f.Y1);
    });
    const QString tags = map->ExportCode(Zonecraft::ClientSide); // <Area Shape=...> tags

    map->resize(window.size());
    window.show();
    qInfo().noquote() << tags;
    if (app.arguments().contains(QStringLiteral("--quit-after-setup"))) {
        QTimer::singleShot(0, &app, [map, &app] {
            map->ActivateHotspot(2);
            app.quit();
        });
    }
    return app.exec();
}
