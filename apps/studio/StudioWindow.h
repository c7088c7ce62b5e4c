#pragma once

#include <QMainWindow>
#include <common/StdPicture.h>

class MapPage;
class QLabel;
class QScrollArea;
class QSplitter;
class Zel_CodeBox;
class ZelPropList;
class Zonecraft;
struct ShapeFigure;

/// The studio's main window: the image map in the middle, and beside it the
/// selected hotspot in a property list (top) and the exported HTML page in a
/// code box (bottom). Selecting a hotspot on the map or its tag in the code
/// box selects it in all three.
class StudioWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit StudioWindow(QWidget* parent = nullptr);
    ~StudioWindow() override;

    /// The bundled sample picture and its area list.
    static StdPicture samplePicture();
    static QString sampleAreaList();
    /// Shows the bundled sample: its picture with its hotspots.
    void openSample();

    /// Opens the picture file \a fileName, keeping the hotspots. On failure
    /// the shown picture stays and \a error (when given) receives the reason.
    bool openPicture(const QString& fileName, QString* error = nullptr);
    /// Shows \a picture under the file name \a title.
    void showPicture(const StdPicture& picture, const QString& title);
    /// Replaces the hotspots by those of a separated area list. On failure
    /// \a error receives the reason; the hotspots read before the bad line stay.
    bool loadAreaList(const QString& text, QString* error = nullptr);

    /// The HTML page of the picture and its image map.
    QString htmlPage() const;
    /// Writes htmlPage() to \a fileName.
    bool exportHtml(const QString& fileName, QString* error = nullptr) const;

    StdPicture picture() const { return m_picture; }
    Zonecraft* map() const { return m_map; }
    ZelPropList* properties() const { return m_properties; }
    Zel_CodeBox* code() const { return m_code; }

private:
    MapPage currentPage() const;
    void buildMenus();
    void connectControls();
    void scheduleRefresh();
    void refreshPage();
    void showSelection(const ShapeFigure& figure);
    void selectFigureAt(float x, float y);
    void selectFigureOfRow(const QString& key);
    void openPictureFromDialog();
    void openAreaListFromDialog();
    void exportHtmlFromDialog();

    Zonecraft* m_map;
    QScrollArea* m_mapArea;
    ZelPropList* m_properties;
    Zel_CodeBox* m_code;
    QLabel* m_statusLabel;
    StdPicture m_picture;
    QString m_pictureName;
    bool m_refreshPending = false;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
};
