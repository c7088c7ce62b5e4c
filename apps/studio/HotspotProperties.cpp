#include "HotspotProperties.h"

#include "MapDocument.h"

#include <common/HostConvert.h>
#include <common/OleColor.h>
#include <tabulon/ZelPropList.h>

const QString HotspotProperties::PageTitle = QStringLiteral("page.title");
const QString HotspotProperties::PageDate = QStringLiteral("page.date");
const QString HotspotProperties::PictureFile = QStringLiteral("picture.file");
const QString HotspotProperties::MapName = QStringLiteral("map.name");
const QString HotspotProperties::MapCount = QStringLiteral("map.count");
const QString HotspotProperties::Responsive = QStringLiteral("map.responsive");
const QString HotspotProperties::Order = QStringLiteral("hotspot.order");
const QString HotspotProperties::Shape = QStringLiteral("hotspot.shape");
const QString HotspotProperties::Coords = QStringLiteral("hotspot.coords");
const QString HotspotProperties::Colour = QStringLiteral("hotspot.colour");
const QString HotspotProperties::Locked = QStringLiteral("hotspot.locked");
const QString HotspotProperties::NewAttribute = QStringLiteral("hotspot.new");
const QString HotspotProperties::AttributePrefix = QStringLiteral("attr.");

namespace {

using namespace Tabulon;

struct KnownAttribute
{
    const char* name;
    const char* caption;
    PropertyStyle style;
    const char* description;
};

// The link attributes every hotspot shows, present or not.
const KnownAttribute LinkAttributes[] = {
    { "href", QT_TRANSLATE_NOOP("HotspotProperties", "Link (href)"), propBrowse,
        QT_TRANSLATE_NOOP("HotspotProperties",
            "Where the hotspot leads: an address, a page beside this one, or #id.") },
    { "alt", QT_TRANSLATE_NOOP("HotspotProperties", "Alt text"), propString,
        QT_TRANSLATE_NOOP(
            "HotspotProperties", "Read out instead of the picture; every link needs one.") },
    { "title", QT_TRANSLATE_NOOP("HotspotProperties", "Title"), propString,
        QT_TRANSLATE_NOOP("HotspotProperties", "The tip a browser shows over the hotspot.") },
    { "target", QT_TRANSLATE_NOOP("HotspotProperties", "Target"), propcombo,
        QT_TRANSLATE_NOOP("HotspotProperties",
            "Where the link opens: _self, _blank, _parent, _top, or a frame name (Other...).") },
};

bool isLinkAttribute(const QString& name)
{
    for (const KnownAttribute& a : LinkAttributes) {
        if (name.compare(QLatin1String(a.name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString colourText(qint32 colour)
{
    return colour < 0 ? QString() : Zel::toQColor(OLE_COLOR(colour)).name().toUpper();
}

void addItem(ZelPropList& list, const QString& key, const QString& caption, PropertyStyle style,
    const QString& value, const QString& description, const QList<MapProblems::Problem>& problems,
    const QString& attribute)
{
    QString shownCaption = caption;
    QString shownDescription = description;
    for (const MapProblems::Problem& p : problems) {
        if (!attribute.isEmpty() && p.attribute.compare(attribute, Qt::CaseInsensitive) == 0) {
            shownCaption = HotspotProperties::warningMark() + caption;
            shownDescription = p.message;
        }
    }
    list.AddItem(key, shownCaption, style, value, shownDescription);
}

} // namespace

bool HotspotProperties::isTargetKey(const QString& key)
{
    return key.compare(AttributePrefix + QStringLiteral("target"), Qt::CaseInsensitive) == 0;
}

QString HotspotProperties::otherChoice()
{
    return tr("Other...");
}

QString HotspotProperties::valueFromEditor(const QString& key, const QString& value)
{
    // A combo hands back the index of the entry chosen, not its text.
    const QStringList choices = choicesOf(key);
    bool isIndex = false;
    const int index = value.trimmed().toInt(&isIndex);
    if (isIndex && index >= 0 && index < choices.size())
        return choices.at(index);
    return value;
}

QString HotspotProperties::warningMark()
{
    return QStringLiteral("\u26A0 ");
}

QStringList HotspotProperties::choicesOf(const QString& key)
{
    if (key == Shape)
        return { QStringLiteral("Rectangle"), QStringLiteral("Circle"), QStringLiteral("Polygon"),
            QStringLiteral("Default") };
    if (isTargetKey(key))
        return { QStringLiteral("_self"), QStringLiteral("_blank"), QStringLiteral("_parent"),
            QStringLiteral("_top"), otherChoice() };
    if (key == Responsive || key == Locked)
        return { Zel::booleanText(true), Zel::booleanText(false) };
    return {};
}

void HotspotProperties::fill(ZelPropList& list, const MapDocument& document,
    const MapArea* selected, const QList<MapProblems::Problem>& problems)
{
    const QList<MapProblems::Problem> mapProblems = MapProblems::ofArea(problems, 0);
    list.LockUpdate(true);
    list.Clear();
    list.AddItem(QStringLiteral("page"), tr("Page"), propHeader, {}, {});
    list.AddItem(PageTitle, tr("Title"), propString, document.title(),
        tr("The page's title, and the picture's alt text on a new page."));
    list.AddItem(PageDate, tr("Date"), propcalendar,
        document.date().isValid() ? Zel::shortDate(document.date()) : QString(),
        tr("The page's date, written in its head for search engines and archives."));
    list.AddItem(PictureFile, tr("Picture"), propBrowse, document.pictureName(),
        tr("The picture the hotspots lie on (%1 x %2 pixels).")
            .arg(document.picture().Width())
            .arg(document.picture().Height()));

    list.AddItem(QStringLiteral("map"), tr("Image map"), propHeader, {}, {});
    list.AddItem(MapName, tr("Name"), propString, document.mapName(),
        tr("The map's name, which the picture's usemap refers to."));
    addItem(list, MapCount, tr("Hotspots"), propVariant, QString::number(document.count()),
        tr("How many areas the map holds."), mapProblems, QStringLiteral("count"));
    list.AddItem(Responsive, tr("Rescale in browsers"), propcombo,
        Zel::booleanText(document.responsive()),
        tr("Adds a script that fits the coordinates to the shown size of the picture."));

    list.AddItem(QStringLiteral("hotspot"), tr("Selected hotspot"), propHeader, {}, {});
    // The only number row is the hotspot's place, so the spin box stops at the last one.
    list.setSpinMaxValue(std::max(1, document.count()));
    if (selected) {
        const QList<MapProblems::Problem> own = MapProblems::ofArea(problems, selected->id);
        list.AddItem(Order, tr("Place in the page"), propNumber,
            QString::number(document.indexOf(selected->id) + 1),
            tr("Its position among the areas, from 1: where areas overlap, browsers pick the "
               "one that comes first."));
        addItem(list, Shape, tr("Shape"), propcombo,
            AreaShape::kindName(AreaShape::kindOf(selected->value(QStringLiteral("shape")))),
            tr("Rectangle, circle, polygon, or default (the whole picture)."), own,
            QStringLiteral("shape"));
        addItem(list, Coords, tr("Coordinates"), propString,
            selected->value(QStringLiteral("coords")),
            tr("x1,y1,x2,y2 for a rectangle, x,y,r for a circle, x1,y1,x2,y2,... for a polygon."),
            own, QStringLiteral("coords"));
        for (const KnownAttribute& a : LinkAttributes) {
            const QString name = QLatin1String(a.name);
            addItem(list, AttributePrefix + name, tr(a.caption), a.style, selected->value(name),
                tr(a.description), own, name);
        }
        for (const HtmlAttribute& a : selected->attributes) {
            const QString name = a.name.toLower();
            if (name == u"shape" || name == u"coords" || isLinkAttribute(name))
                continue;
            addItem(list, AttributePrefix + a.name, a.name, propString, a.value,
                tr("An attribute of the area tag, written back as it is."), own, a.name);
        }
        list.AddItem(NewAttribute, tr("Add attribute"), propString, {},
            tr("Type name=value to add an attribute to the tag."));
        list.AddItem(Colour, tr("Colour on the map"), propColor, colourText(selected->colour),
            tr("How the studio paints this hotspot; not written to the page."));
        list.AddItem(Locked, tr("Locked"), propcombo, Zel::booleanText(selected->locked),
            tr("A locked hotspot cannot be moved or resized with the mouse."));
    }
    list.LockUpdate(false);
}
