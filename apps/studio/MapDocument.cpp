#include "MapDocument.h"

#include <QFileInfo>

MapDocument::MapDocument(QObject* parent)
    : QObject(parent)
{ }

MapDocument::~MapDocument() = default;

void MapDocument::reset(const StdPicture& picture, const QString& pictureFile)
{
    m_picture = picture;
    m_pictureFile = pictureFile;
    m_pictureName = QFileInfo(pictureFile).fileName();
    m_title = QFileInfo(pictureFile).completeBaseName();
    m_date = QDate();
    m_mapName = QStringLiteral("map");
    m_frame.reset();
    m_responsive = false;
    m_areas.clear();
    Q_EMIT pageChanged();
    Q_EMIT areasChanged();
}

void MapDocument::assign(const MapDocument& other)
{
    m_picture = other.m_picture;
    m_pictureFile = other.m_pictureFile;
    m_pictureName = other.m_pictureName;
    m_title = other.m_title;
    m_date = other.m_date;
    m_mapName = other.m_mapName;
    m_frame = other.m_frame;
    m_responsive = other.m_responsive;
    m_areas = other.m_areas;
    m_nextId = other.m_nextId;
    Q_EMIT pageChanged();
    Q_EMIT areasChanged();
}

void MapDocument::setPicture(
    const StdPicture& picture, const QString& pictureFile, const QString& pictureName)
{
    m_picture = picture;
    m_pictureFile = pictureFile;
    m_pictureName = pictureName;
    Q_EMIT pageChanged();
}

void MapDocument::setTitle(const QString& title)
{
    if (m_title == title)
        return;
    m_title = title;
    Q_EMIT pageChanged();
}

void MapDocument::setDate(const QDate& date)
{
    if (m_date == date)
        return;
    m_date = date;
    Q_EMIT pageChanged();
}

void MapDocument::setMapName(const QString& name)
{
    if (m_mapName == name)
        return;
    m_mapName = name;
    Q_EMIT pageChanged();
}

void MapDocument::setResponsive(bool responsive)
{
    if (m_responsive == responsive)
        return;
    m_responsive = responsive;
    Q_EMIT pageChanged();
}

int MapDocument::indexOf(int id) const
{
    for (int i = 0; i < m_areas.size(); ++i) {
        if (m_areas.at(i).id == id)
            return i;
    }
    return -1;
}

const MapArea* MapDocument::find(int id) const
{
    const int i = indexOf(id);
    return i < 0 ? nullptr : &m_areas.at(i);
}

int MapDocument::giveId(MapArea& area)
{
    if (area.id <= 0 || indexOf(area.id) >= 0)
        area.id = m_nextId++;
    else
        m_nextId = std::max(m_nextId, area.id + 1);
    return area.id;
}

int MapDocument::insert(int index, MapArea area)
{
    const int id = giveId(area);
    m_areas.insert(std::clamp(index, 0, count()), area);
    Q_EMIT areasChanged();
    return id;
}

MapArea MapDocument::takeAt(int index)
{
    MapArea area = m_areas.takeAt(index);
    Q_EMIT areasChanged();
    return area;
}

void MapDocument::replace(int index, const MapArea& area)
{
    const int id = m_areas.at(index).id;
    m_areas[index] = area;
    m_areas[index].id = id;
    Q_EMIT areaChanged(id);
}

void MapDocument::move(int from, int to)
{
    to = std::clamp(to, 0, count() - 1);
    if (from == to)
        return;
    m_areas.move(from, to);
    Q_EMIT areasChanged();
}

void MapDocument::setAreas(QList<MapArea> areas)
{
    m_areas.clear();
    for (MapArea& area : areas) {
        giveId(area);
        m_areas.append(area);
    }
    Q_EMIT areasChanged();
}

int MapDocument::browserPick(QPointF point) const
{
    int fallback = 0;
    for (const MapArea& area : m_areas) {
        const AreaGeometry g = area.geometry();
        if (g.kind == AreaKind::Default) {
            if (fallback == 0)
                fallback = area.id;
        } else if (g.contains(point)) {
            return area.id;
        }
    }
    return fallback;
}
