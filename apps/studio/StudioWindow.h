#pragma once

#include "MapProblems.h"

#include <QHash>
#include <QMainWindow>
#include <QPointF>
#include <functional>
#include <optional>

class MapDocument;
class QActionGroup;
class QLabel;
class QListWidget;
class QMenu;
class QSpinBox;
class QUndoCommand;
class QUndoStack;
class Zel_CodeBox;
class ZelPropList;
class Zonecraft;
struct MapArea;
struct ShapeFigure;

/// The questions the studio asks a person. Each is a replaceable hook, so
/// tests and scripts answer them without a modal dialog.
struct StudioPrompts
{
    enum class SaveChoice { Save, Discard, Cancel };
    /// Unsaved changes are about to be lost.
    std::function<SaveChoice(const QString& documentName)> askToSave;
    /// A page holds several maps: the index of the one to edit, -1 to cancel.
    std::function<int(const QStringList& maps)> chooseMap;
    /// A file to open ("" to cancel); \a filter is a file dialog filter.
    std::function<QString(const QString& caption, const QString& filter)> openFileName;
    /// A file to write ("" to cancel).
    std::function<QString(const QString& caption, const QString& suggested, const QString& filter)>
        saveFileName;
    /// A line of text, starting from \a current; a null string cancels.
    std::function<QString(const QString& caption, const QString& label, const QString& current)>
        askText;
    /// Something failed or needs to be said.
    std::function<void(const QString& title, const QString& message)> tell;
};

/// The studio's main window: the image map in the middle; beside it the
/// document's and the selected hotspot's values in a property list, the page
/// as it will be saved in a code box, and the map's problems. The document
/// (MapDocument) holds the areas in page order; the map control shows them,
/// and every change a person makes goes through the window's undo stack.
class StudioWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit StudioWindow(QWidget* parent = nullptr);
    ~StudioWindow() override;

    /// The prompts in use; replace members to answer them without dialogs.
    StudioPrompts& prompts() { return m_prompts; }

    // Documents

    /// Shows the bundled sample: its picture with its hotspots.
    void openSample();
    /// Opens a picture (a new map on it) or an HTML page with an image map,
    /// asking first about unsaved changes. On failure what was open stays.
    bool openFile(const QString& fileName, QString* error = nullptr);
    /// Starts a new map on the picture \a pictureFile.
    bool newDocument(const QString& pictureFile, QString* error = nullptr);
    /// Replaces the hotspots by those of an area list, as one undoable step;
    /// lines that cannot be read are skipped and described in \a error.
    bool loadAreaList(const QString& text, QString* error = nullptr);
    /// Saves to the current file, or asks for one.
    bool save();
    /// Saves the page (and its picture beside it) to \a fileName, which becomes the document's
    /// file.
    bool saveAs(const QString& fileName, QString* error = nullptr);
    /// Writes the page and its picture to \a fileName, keeping the document's own file.
    bool exportHtml(const QString& fileName, QString* error = nullptr);
    /// Writes the area list of the map to \a fileName.
    bool exportAreaList(const QString& fileName, QString* error = nullptr);
    /// Asks whether to save unsaved changes; false when the person cancels.
    bool maybeSave();

    /// The page exactly as Save writes it.
    QString htmlPage() const;
    QString fileName() const { return m_fileName; }
    bool isModified() const;
    QStringList recentFiles() const;
    /// What reading the last page had to say (repaired markup, areas kept but not shown).
    QStringList notes() const { return m_notes; }

    // Editing

    /// Selects the area \a id on the map, in the properties and in the code box.
    void selectArea(int id);
    /// The selected area's id, 0 when none.
    int selectedArea() const { return m_selectedId; }
    /// Applies a value typed into the property list item \a key, as one undoable step.
    void applyProperty(const QString& key, const QString& value);
    void deleteSelected();
    void copySelected();
    void cutSelected();
    void paste();
    void duplicateSelected();
    /// Moves the selected area first in the page (browsers pick it where areas overlap).
    void bringToFront();
    /// Moves the selected area last in the page.
    void sendToBack();
    /// Switches between editing and trying the map as a browser would.
    void setPreview(bool on);

    /// Shows the map at \a level percent (20 to 500), keeping the picture
    /// point under \a anchor (viewport pixels; its centre by default) in place.
    void setZoom(int level, std::optional<QPointF> anchor = {});
    /// The level the map shows, as the zoom box says.
    int zoom() const { return m_zoom; }
    /// The largest level that shows the whole picture in the map's viewport.
    int fittingZoom() const;

    QList<MapProblems::Problem> problems() const { return m_problems; }

    MapDocument* document() const { return m_document; }
    QUndoStack* undoStack() const { return m_undo; }
    Zonecraft* map() const { return m_map; }
    ZelPropList* properties() const { return m_properties; }
    Zel_CodeBox* code() const { return m_code; }
    QListWidget* problemList() const { return m_problemList; }
    /// The figure number the map control shows area \a id under (0: not shown).
    qint32 figureOf(int id) const { return m_areaToFigure.value(id); }
    int areaOfFigure(qint32 figure) const { return m_figureToArea.value(figure); }

    /// The libraries' versions for Help > About.
    static QString aboutText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildActions();
    void buildMenusAndToolbars();
    void connectControls();
    void installDefaultPrompts();

    void documentReplaced(const QString& fileName);
    void push(QUndoCommand* command);
    void scheduleRefresh();
    void refresh();
    void syncMap();
    void reconcileWithMap();
    void showPage();
    void showProperties();
    void showProblems();
    void updateTitle();
    void addRecentFile(const QString& fileName);
    void rebuildRecentMenu();
    void insertAreasAfterSelection(QList<MapArea> areas, const QString& text);
    void propertyEdited(const QString& key, const QString& value);
    void browseForProperty(const QString& key);
    void showPreviewTip(qint32 figure);
    void showPreviewClick(qint32 figure);
    void showZoom(int level);

    void openFromDialog();
    void newFromDialog();
    bool saveAsFromDialog();
    void importAreaListFromDialog();
    void exportAreaListFromDialog();

    MapDocument* m_document;
    QUndoStack* m_undo;
    Zonecraft* m_map;
    ZelPropList* m_properties;
    Zel_CodeBox* m_code;
    QListWidget* m_problemList;
    QLabel* m_statusLabel;
    QMenu* m_recentMenu = nullptr;
    QActionGroup* m_tools = nullptr;
    QSpinBox* m_zoomBox = nullptr;
    StudioPrompts m_prompts;

    QString m_fileName;
    QStringList m_notes;
    QList<MapProblems::Problem> m_problems;
    int m_selectedId = 0;
    QHash<qint32, int> m_figureToArea;
    QHash<int, qint32> m_areaToFigure;
    /// The colour and lock each area's figure was given; the map does not report them back.
    QHash<int, QPair<qint32, bool>> m_shownLook;
    bool m_refreshPending = false;
    bool m_reconcilePending = false;
    bool m_syncing = false;
    // The level shown; set by the window's own zooms and the map's reports.
    int m_zoom = 100;
    bool m_zooming = false;
    // Wheel movement not yet worth a zoom step (fine-grained wheels).
    int m_wheelZoom = 0;
};
