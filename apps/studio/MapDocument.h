#pragma once

#include "MapArea.h"

#include <QDate>
#include <QObject>
#include <common/StdPicture.h>
#include <optional>

/// The page around the map, for a document read from an HTML page: the text
/// before the map, the map's own tags and the text after it, as they stood.
struct PageFrame
{
    QString before;
    QString mapStartTag;
    /// Between the map's start tag and its first area.
    QString leading;
    /// Between the last area and the map's end tag.
    QString closing;
    /// What stood after each area but the last that is more than blanks and
    /// comments (elements, text): it keeps its place between the n-th and
    /// the next area whatever their order, so moving areas changes no
    /// element around them. Blanks and comments travel with their area.
    QStringList between;
    /// "</map>" as written; "" when the page never closed the map.
    QString mapEndTag;
    QString after;

    /// A place in `before` (QString positions); at -1 when the page has none.
    struct Span
    {
        qsizetype at = -1;
        qsizetype length = 0;
    };
    /// The text of the page's `<title>` element.
    Span titleText;
    /// The whole `<meta name="date">` tag.
    Span dateTag;
    /// Where a head element the page lacks goes (before `</head>`); -1 when nowhere.
    qsizetype headEnd = -1;
    /// The rescaling scripts the studio added before, in `before` and in
    /// `after`: each script element with the line break after it.
    QList<Span> scriptsBefore;
    QList<Span> scriptsAfter;
    /// Where `</body>` stands in `after` (-1 when it is not there).
    qsizetype bodyEnd = -1;
    /// The title and date the document took from the page: while they stand,
    /// the head is written back as it was read.
    QString title;
    QDate date;
};

/// What the studio edits: a picture, its image map's areas in document
/// order (the order browsers use), and, for a page read from disk, the page
/// around the map. The map control shows the areas; this holds them.
class MapDocument : public QObject
{
    Q_OBJECT

public:
    explicit MapDocument(QObject* parent = nullptr);
    ~MapDocument() override;

    /// Starts over on \a picture with no areas and no page around them.
    void reset(const StdPicture& picture, const QString& pictureFile);

    /// Takes every value of \a other (areas with their ids included).
    void assign(const MapDocument& other);
    /// Puts the areas on another picture.
    void setPicture(
        const StdPicture& picture, const QString& pictureFile, const QString& pictureName);

    StdPicture picture() const { return m_picture; }
    /// The picture's file on disk ("" for the bundled sample).
    QString pictureFile() const { return m_pictureFile; }
    /// The picture's name as the page refers to it.
    QString pictureName() const { return m_pictureName; }
    void setPictureName(const QString& name) { m_pictureName = name; }

    QString title() const { return m_title; }
    void setTitle(const QString& title);
    /// The page's date (invalid: the page states none).
    QDate date() const { return m_date; }
    void setDate(const QDate& date);
    QString mapName() const { return m_mapName; }
    void setMapName(const QString& name);

    /// The page the map came from; null when the studio writes the whole page.
    const std::optional<PageFrame>& frame() const { return m_frame; }
    void setFrame(const std::optional<PageFrame>& frame) { m_frame = frame; }

    /// Whether a saved page rescales the coordinates to the shown size of its picture.
    bool responsive() const { return m_responsive; }
    void setResponsive(bool responsive);

    int count() const { return int(m_areas.size()); }
    const QList<MapArea>& areas() const { return m_areas; }
    const MapArea& at(int index) const { return m_areas.at(index); }
    /// The position of the area \a id, -1 when there is none.
    int indexOf(int id) const;
    const MapArea* find(int id) const;

    /// Inserts \a area at \a index and returns its id (a new one when it has none).
    int insert(int index, MapArea area);
    MapArea takeAt(int index);
    void replace(int index, const MapArea& area);
    void move(int from, int to);
    /// Replaces every area; areas without an id get one.
    void setAreas(QList<MapArea> areas);

    /// The area a browser picks at \a point: the first in document order
    /// whose shape holds it, else the first default area; 0 when none.
    int browserPick(QPointF point) const;

Q_SIGNALS:
    /// The list of areas changed: added, removed, reordered or replaced.
    void areasChanged();
    /// One area's attributes or geometry changed.
    void areaChanged(int id);
    /// The title, date, map name or responsive option changed.
    void pageChanged();

private:
    int giveId(MapArea& area);

    StdPicture m_picture;
    QString m_pictureFile;
    QString m_pictureName;
    QString m_title;
    QDate m_date;
    QString m_mapName = QStringLiteral("map");
    std::optional<PageFrame> m_frame;
    bool m_responsive = false;
    QList<MapArea> m_areas;
    int m_nextId = 1;
};
