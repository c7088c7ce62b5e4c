#pragma once

#include "HtmlPageReader.h"

#include <QString>
#include <functional>

class MapDocument;

/// Fills documents from files and writes them back, without a window, so
/// the command line can export headless.
class DocumentIO
{
public:
    /// Chooses one of several maps of a page by name; -1 cancels.
    using MapChooser = std::function<int(const QStringList& mapNames)>;

    /// The bundled floor plan and its hotspots.
    static void loadSample(MapDocument& document);
    static StdPicture samplePicture();
    static QString sampleAreaList();

    /// Replaces the areas of \a document by those of an area list; the lines
    /// that cannot be read are skipped and listed in \a errors ("" when none).
    static void readAreaList(MapDocument& document, const QString& text, QString* errors);

    /// Whether \a fileName looks like an HTML page rather than a picture.
    static bool isPage(const QString& fileName);

    /// Starts \a document over on the picture \a fileName; on failure the
    /// document is untouched and \a error says why.
    static bool loadPicture(MapDocument& document, const QString& fileName, QString* error);
    /// Reads the page \a fileName into \a document, its picture from beside it.
    /// \a notes receives what a person should know about the page.
    static bool loadPage(MapDocument& document, const QString& fileName, const MapChooser& choose,
        QString* error, QStringList* notes = nullptr);

    /// Starts \a document over on map \a index of \a page, shown on \a picture
    /// read from \a pictureFile: its areas, title, date and frame.
    static void showMap(MapDocument& document, const HtmlPage& page, int index,
        const StdPicture& picture, const QString& pictureFile);

    /// Writes the page to \a fileName and the picture beside it when the page
    /// cannot reach it yet. The document's picture name follows.
    static bool savePage(MapDocument& document, const QString& fileName, QString* error);
    static bool saveText(const QString& fileName, const QString& text, QString* error);
};
