#pragma once

#include "MapArea.h"
#include "MapDocument.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

/// One `<map>` of a page, with the picture that uses it.
struct PageMap
{
    /// The map's `name` (or its `id` when it has no name).
    QString name;
    /// The line of its start tag.
    int line = 0;
    QList<MapArea> areas;
    /// The page around the map, so writing it back changes only the map.
    PageFrame frame;
    /// The `src` of the first `<img>` whose `usemap` names this map ("" when none).
    QString pictureSource;
    /// That picture's `alt` text.
    QString pictureAlt;
};

/// What an HTML page holds for the studio.
struct HtmlPage
{
    QString title;
    /// The date of `<meta name="date" content="yyyy-MM-dd">` (invalid when the page has none).
    QDate date;
    QList<PageMap> maps;
    /// Lines of `<area>` tags that are in no map (the page keeps them as they are).
    QList<int> areasOutsideMaps;
    /// Things a person should know: markup a browser repairs, areas kept
    /// without being shown. Each names its line.
    QStringList notes;
    /// Whether the page carries the studio's rescaling script.
    bool responsive = false;
};

/// The page's first fault that stops it being read, with the line it is on.
struct PageError
{
    int line = 0;
    QString message;

    /// "line N: message".
    QString text() const;
};

/// Reads an HTML page the way a browser does (an HTML5 parser, so letter
/// case, quoting and broken markup are handled as browsers handle them) and
/// finds its image maps and their areas, every attribute kept in order.
/// A plain class: text in, page out; the window is not needed.
class HtmlPageReader
{
public:
    /// Reads \a page (UTF-8). Returns false and fills \a error when the page
    /// cannot be used: not text, or no image map in it.
    static bool read(const QByteArray& page, HtmlPage* result, PageError* error);

    /// The marker of the rescaling script the studio adds to pages.
    static QString responsiveMarker();
};
