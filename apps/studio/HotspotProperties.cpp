#include "HotspotProperties.h"

#include "AreaList.h"

#include <QDate>
#include <common/HostConvert.h>
#include <common/OleColor.h>
#include <tabulon/ZelPropList.h>
#include <zonecraft/Zonecraft.h>

namespace {

namespace Key {
const QString Picture = QStringLiteral("picture");
const QString PictureFile = QStringLiteral("picture.file");
const QString PictureWidth = QStringLiteral("picture.width");
const QString PictureHeight = QStringLiteral("picture.height");
const QString Map = QStringLiteral("map");
const QString MapCount = QStringLiteral("map.count");
const QString MapFormat = QStringLiteral("map.format");
const QString MapDate = QStringLiteral("map.date");
const QString Hotspot = QStringLiteral("hotspot");
const QString Number = QStringLiteral("hotspot.number");
const QString Name = QStringLiteral("hotspot.name");
const QString Kind = QStringLiteral("hotspot.kind");
const QString Coordinates = QStringLiteral("hotspot.coordinates");
const QString Colour = QStringLiteral("hotspot.colour");
const QString Locked = QStringLiteral("hotspot.locked");
} // namespace Key

// The "#RRGGBB" text a colour item shows for a figure colour (0x00BBGGRR).
QString colourText(qint32 colour)
{
    const QColor c = Zel::toQColor(OLE_COLOR(colour));
    return c.isValid() ? c.name().toUpper() : QString();
}

QString kindText(Zonecraft::FigureMode kind)
{
    switch (kind) {
    case Zonecraft::figrectangle:
        return QStringLiteral("Rectangle");
    case Zonecraft::figcircles:
        return QStringLiteral("Circle");
    case Zonecraft::figpolygon:
        return QStringLiteral("Polygon");
    case Zonecraft::Nofigure:
        break;
    }
    return {};
}

void setText(ZelPropList& list, const QString& key, const QString& text)
{
    const qint32 index = list.ItemIndex(key);
    if (index >= 0 && list.ItemText(index) != text)
        list.setItemText(index, text);
}

} // namespace

void HotspotProperties::fill(ZelPropList& list, const QString& pictureName, QSize pictureSize)
{
    using namespace Tabulon;
    list.LockUpdate(true);
    list.Clear();
    list.AddItem(Key::Picture, QStringLiteral("Picture"), propHeader, {}, {});
    list.AddItem(Key::PictureFile, QStringLiteral("File"), propFile, pictureName,
        QStringLiteral("The picture the hotspots lie on."));
    list.AddItem(Key::PictureWidth, QStringLiteral("Width"), propNumber,
        QString::number(pictureSize.width()), QStringLiteral("Width of the picture in pixels."));
    list.AddItem(Key::PictureHeight, QStringLiteral("Height"), propNumber,
        QString::number(pictureSize.height()), QStringLiteral("Height of the picture in pixels."));

    list.AddItem(Key::Map, QStringLiteral("Image map"), propHeader, {}, {});
    list.AddItem(Key::MapCount, QStringLiteral("Hotspots"), propNumber, QStringLiteral("0"),
        QStringLiteral("How many hotspots the map holds."));
    list.AddItem(Key::MapFormat, QStringLiteral("Export as"), propcombo,
        QStringLiteral("HTML area tags"), QStringLiteral("The form the map is exported in."));
    list.AddItem(Key::MapDate, QStringLiteral("Date"), propcalendar,
        Zel::shortDate(QDate::currentDate()), QStringLiteral("When the map was last changed."));

    list.AddItem(Key::Hotspot, QStringLiteral("Selected hotspot"), propHeader, {}, {});
    list.AddItem(Key::Number, QStringLiteral("Number"), propNumber, {},
        QStringLiteral("The hotspot's number in the map."));
    list.AddItem(Key::Name, QStringLiteral("Name"), propString, {},
        QStringLiteral("The link's alternative text."));
    list.AddItem(Key::Kind, QStringLiteral("Shape"), propList, {},
        QStringLiteral("Rectangle, circle or polygon."));
    list.AddItem(Key::Coordinates, QStringLiteral("Coordinates"), propString, {},
        QStringLiteral("The coordinates of the area tag, in picture pixels."));
    list.AddItem(Key::Colour, QStringLiteral("Colour"), propColor, {},
        QStringLiteral("The colour the hotspot is drawn in."));
    list.AddItem(Key::Locked, QStringLiteral("Locked"), propBoolean, {},
        QStringLiteral("A locked hotspot cannot be moved or resized."));
    list.LockUpdate(false);
}

void HotspotProperties::showFigure(ZelPropList& list, const ShapeFigure& figure)
{
    setText(list, Key::Number, QString::number(figure.Index));
    setText(list, Key::Name, AreaList::nameFromAttributes(figure.Key));
    setText(list, Key::Kind, kindText(figure.Figure));
    setText(list, Key::Coordinates, figure.Coordinates);
    setText(list, Key::Colour, colourText(figure.Color));
    setText(list, Key::Locked, Zel::booleanText(figure.Locked));
}

void HotspotProperties::showNoFigure(ZelPropList& list)
{
    for (const QString& key :
        { Key::Number, Key::Name, Key::Kind, Key::Coordinates, Key::Colour, Key::Locked })
        setText(list, key, {});
}

void HotspotProperties::showFigureCount(ZelPropList& list, qint32 count)
{
    setText(list, Key::MapCount, QString::number(count));
}
