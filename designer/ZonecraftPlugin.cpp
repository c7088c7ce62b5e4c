#include "ZonecraftPlugin.h"

#include "DesignTimeControl.h"

#include <QPainter>
#include <zonecraft/Zonecraft.h>

namespace {

// A picture with a rectangle and a circle drawn over it.
void drawImageMap(QPainter& p, const QRect& r)
{
    p.fillRect(r, QColor(0xd8, 0xe8, 0xf8));
    p.setPen(QPen(QColor(0x20, 0x50, 0xa0), 1));
    p.drawRect(r.adjusted(1, 1, -9, -9));
    p.setBrush(QColor(0xf0, 0x80, 0x30));
    p.drawEllipse(QRect(r.right() - 9, r.bottom() - 9, 8, 8));
}

} // namespace

ZonecraftPlugin::ZonecraftPlugin(QObject* parent)
    : ControlPlugin(
        {
            QStringLiteral("Zonecraft"),
            QStringLiteral("zonecraft/Zonecraft.h"),
            QStringLiteral("Image-map editor"),
            QStringLiteral("Draws rectangles, circles and polygons over a picture and exchanges "
                           "them with the host as HTML area tags or a separated list."),
            QSize(400, 300),
            { QStringLiteral("ExtractSeperator") },
            drawImageMap,
            [](QWidget* parent) { return new DesignTimeControl<Zonecraft>(parent); },
        },
        parent)
{ }
