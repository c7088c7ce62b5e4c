#pragma once

#include "../editing/EditingEngine.h"
#include "../editing/EditingHost.h"
#include "../editing/FigureHistory.h"
#include "../editing/HistoryPlayer.h"
#include "../figures/FigureCollection.h"
#include "../figures/FigureFactory.h"
#include "../figures/FigurePainter.h"
#include "../figures/Geometry.h"
#include "../figures/PictureRepainter.h"
#include "../goldbutton/TabStrip.h"
#include "PreviewController.h"
#include "Zonecraft.h"

#include <array>
#include <common/StdPicture.h>
#include <memory>

class PictureBox;
namespace zc {
class ZonecraftView;
}

/// The figure outline width, hotspot visibility and fill style are one
/// setting for every Zonecraft in the process (the tab colours are too, in
/// zc::TabColors).
struct ZonecraftSharedSettings
{
    qint32 figureSize = 1;
    bool showHotspot = true;
    qint16 fillStyle = 0;
    static ZonecraftSharedSettings& instance();
};

/// Settings of the control that the view, the preview and the tab strip
/// read; here they are stored, persisted and notified.
struct ShellSettings
{
    QVariant workWidth = 0; // persisted only
    qint32 workHeight = 0; // persisted only
    bool pictureAutoSize = true;
    Zonecraft::Zel_Style visualStyle = Zonecraft::Zel_Style(0);
    Zonecraft::BorderStil borderStyle = Zonecraft::Border_None;
    qint16 drawMousePointer = 0;
    bool showScrollbars = true;
    qint16 previewMousePointer = 0;
    StdPicture previewMouseIcon;
    bool redrawScreen = true;
    bool previewTooltips = false;
    OLE_COLOR tooltipsBackColor = 0x80000018;
    OLE_COLOR tooltipsForeColor = 0x80000017;
    Zonecraft::Tool_Style tooltipsStyle = Zonecraft::UseStandard;
    qint32 zoomLevel = 0;
    OLE_COLOR rulerBackColor = 0x00FFFFFF;
    bool zoomToNormal = false;
    bool coolCursor = false;
    StdPicture rotateCursor;
    StdPicture drawCircleCursor;
    StdPicture drawPolygonCursor;
    StdPicture drawRectCursor;
    bool showRulers = false;
    bool enabledVerticalBar = true;
};

/// What a created figure should be, before it joins the collection.
struct FigureRequest
{
    QString key;
    QStringView hexColor; // read while the figure is made
    bool locked = false;
    bool imported = false;
    qint32 importIndex = 0;
    bool addToHistory = false;
};

class ZonecraftPrivate : public zc::HistoryTarget, public zc::EditingHost
{
public:
    explicit ZonecraftPrivate(Zonecraft* q);
    ~ZonecraftPrivate() override;
    static ZonecraftPrivate* get(Zonecraft* control) { return control->d.get(); }

    Zonecraft* const q;
    PictureBox* picture3 = nullptr; // the viewport
    PictureBox* workPicture = nullptr;
    /// Width of the tab strip left of the horizontal scroll bar; 0 while
    /// there is no tab. The layout reads it.
    qint32 tabStripWidth = 0;

    zc::FigureCollection figures;
    zc::FigureHistory history;

    // Selection and the current shape
    zc::Figure* selected = nullptr;
    qint32 selectedIndex = 0;
    qint32 reportedSelection = 0; // m_SelectedObject as bindings last heard of it
    bool selectionNoticeHeld = false; // a figure is swapped for its replacement
    zc::SelectionBox selectionBox;
    ShapeFigure currentShape;

    // Settings
    Zonecraft::AppMode imagemapMode = Zonecraft::DesignMode;
    /// The zoom level in force when preview was last entered, given back on
    /// the return to design; 0 until preview was first entered.
    qint32 savedZoomLevel = 0;
    bool alignToGrid = true;
    Zonecraft::OperatingMode figureToDraw = Zonecraft::Pointer;
    bool showHandles = true;
    OLE_COLOR handleColor = 0x00FFFFFF;
    OLE_COLOR handleColorLocked = 0x00FFFFFF;
    bool showSupport = true;
    QString extractSeperator = QStringLiteral("|");
    OLE_COLOR drawFigureColor = 0;
    OLE_COLOR shapeBorderColor = 0;
    bool lockAll = false;
    StdPicture picture;
    float startRotate = 0;
    ShellSettings shell;
    /// Pointer numbers of the handle codes 0..9 (resize handles, move, nothing).
    std::array<qint16, 10> handlePointers { 8, 7, 6, 9, 8, 7, 6, 9, 5, 1 };
    qint32 mouseObject = 0; // preview: the figure under the mouse

    // State
    /// Screen pixels per picture pixel. Mouse editing, hit testing and
    /// painting all read it here.
    double zoomFactor() const { return zoom; }
    double zoom = 1.0; // the factor of the zoom last applied
    bool loading = false; // FigActivate_Loading
    // The work picture's persistent content no longer shows the figures; a
    // paint pass is due before the picture is next shown or drawn on.
    bool paintStale = false;
    bool paintPosted = false; // a coalesced paint pass waits in the event queue
    int paintPasses = 0; // paint passes run so far
    bool figuresVisible = true; // FigureHide
    bool snapping = false;
    struct Clipboard
    {
        qint32 x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        QString coordinates;
        qint32 kind = 0;
    } clipboard;

    /// Stores \a value in \a field and marks the property of \a key changed;
    /// false when it held that value already. Pictures compare by object.
    template<typename T> bool setIfChanged(T& field, const T& value, const QString& key)
    {
        return q->setIfChanged(field, value, key);
    }
    template<typename T, typename Arg>
    bool setIfChanged(T& field, const T& value, const QString& key, void (Zonecraft::*notify)(Arg))
    {
        return q->setIfChanged(field, value, key, notify);
    }

    // Figures
    /// Key, colour and lock of a new figure as the factory takes them.
    zc::FigureTraits traitsOf(const FigureRequest& request) const;
    qint32 numberFor(const FigureRequest& request) const;
    ShapeFigure shapeOf(const zc::Figure& figure) const;
    void collectShapeInfo(zc::Figure* figure);
    void setFigureFocus(const zc::Figure* figure);
    void select(zc::Figure* figure);
    void clearSelection();
    /// Raises m_SelectedObjectChanged when the selected number differs from the one last
    /// reported.
    void reportSelection();
    /// Sets the figure under the mouse in preview, raising m_MouseObjectChanged when it moves.
    void setMouseObject(qint32 number);
    /// Removes a figure, dropping the selection when it was selected.
    std::unique_ptr<zc::Figure> takeFigure(qint32 index);
    /// Adds a new figure and does what a creation does next (selection,
    /// repaint, events, history). Returns false when the host removed it
    /// again from inside an event.
    void addCreated(
        std::unique_ptr<zc::Figure> figure, const FigureRequest& request, bool raiseMoved);
    /// The figure numbered \a index (0: the selected one); throws RuntimeError 5 when absent.
    zc::Figure* figureOrThrow(qint32 index) const;
    /// Puts \a replacement where the figure of the same number was, keeping the selection.
    zc::Figure* replaceFigure(std::unique_ptr<zc::Figure> replacement);

    /// ImportFigure: one figure from its coordinates text.
    void importFigure(QStringView coordinates, qint32 kind, const QString& key,
        QStringView hexColor, bool locked, qint32 importIndex, bool addToHistory);
    /// Shows the pointer of the chosen drawing tool on the work picture.
    void applyToolPointer();
    /// The settings the paint pass reads now.
    zc::PaintSettings paintSettings() const;

    // Deferred painting. A bulk change marks the picture stale instead of
    // painting; one paint pass then runs when the event loop next turns, or
    // earlier when the work picture is about to be painted. Whatever draws
    // on or reads the work picture's layers calls flushPaint() first.
    void schedulePaint();
    void flushPaint();

    // Painting only what changed (ZonecraftRepaint.cpp). After a change of
    // a few figures only the rectangles they and the handles covered before
    // and after are repainted; the result is the picture a full Redraw(True)
    // paints.
    /// The figures, selection and settings a repaint reads now.
    zc::PictureScene pictureScene() const;
    /// Repaints \a pictureRect (picture pixels) of the work picture's
    /// persistent layer: cleared to the back colour and picture, then the
    /// figures that reach it in collection order, then the handles.
    void repaintPictureRect(const QRectF& pictureRect);
    /// Paints what changed since the last paint pass; a full pass when one
    /// is due or the changes are too many to track.
    void repaintChanges();
    /// Adds \a pictureRect to what the next repaintChanges() repaints.
    void damageArea(const QRectF& pictureRect);
    /// Notes that a full pass just painted everything.
    void fullPassPainted();
    std::vector<QRectF> extraDamage;
    /// Where the last pass painted the handles (picture pixels); empty when none.
    QRectF paintedHandles;

    // History
    void addRecord(int list, qint32 action, const QString& coordinates, const QString& previous,
        const ShapeFigure& shape);
    void eraseHistory(int style);
    void emitHistoryStatus();

    // zc::HistoryTarget: what undo and redo do to the figures.
    bool hasFigure(qint32 index) const override;
    void removeFigure(qint32 index) override;
    void recreateFigure(const QString& coordinates, qint32 kind, const QString& key,
        const QString& decimalColor, bool locked, qint32 index) override;
    void restoreFigure(std::unique_ptr<zc::Figure> figure) override;
    void historyAction(qint32 action, qint32 index, const ShapeFigure& shape) override;
    void historyStatus() override;
    void stepFinished() override;

    /// Layout, zoom and scrolling, and the work picture's visible window.
    std::unique_ptr<zc::ZonecraftView> view;
    /// Preview mode: hover, click, tooltip, keyboard and the mode switch.
    std::unique_ptr<zc::PreviewController> preview;
    /// The tab strip and the contained controls; made last, so every child
    /// made before it counts as the control's own.
    std::unique_ptr<zc::TabStrip> tabs;
    // Mouse and keyboard editing of the work picture (ZonecraftEditing.cpp)
    zc::EditingEngine engine { *this };
    quint64 screenRestores = 0; // the work picture's screen layer was wiped this often
    std::unique_ptr<QObject> keyWatch;
    /// Routes the work picture's mouse and the control's keys to the engine.
    void connectEditing();
    /// The screen rectangle a figure (and its handles when selected) covers.
    QRect reachOf(const zc::Figure& figure) const;

    // zc::EditingHost: what the editing engine does to the control.
    double screenScale() const override { return zoomFactor(); }
    bool snapsToGrid() const override { return alignToGrid; }
    float snapTo(double screenValue) override;
    bool designMode() const override { return imagemapMode == Zonecraft::DesignMode; }
    int operatingMode() const override { return figureToDraw; }
    void setOperatingMode(int mode) override;
    bool showsSupport() const override { return showSupport; }
    qint32 figureSize() const override;
    float rotationStart() const override { return startRotate; }
    void setRotationStart(float degrees) override { startRotate = degrees; }
    zc::Figure* figure(qint32 number) const override { return figures.find(number); }
    qint32 figureAt(QPointF picturePoint) const override;
    qint32 neighbourFigure(qint32 number, int step) const override;
    qint32 selectedFigure() const override { return selectedIndex; }
    void selectFigure(qint32 number) override;
    void activateFigure(qint32 number) override;
    void geometryChanged(qint32 number) override;
    void prepareRotation(qint32 number) override;
    void rotateFigure(qint32 number, float degrees) override;
    void deleteFigure(qint32 number) override;
    qint32 createRectangle(qint32 x1, qint32 y1, qint32 x2, qint32 y2) override;
    qint32 createCircle(qint32 cx, qint32 cy, qint32 radius) override;
    qint32 createPolygon(const QString& points) override;
    void collectShape(qint32 number) override;
    QString coordinatesOf(qint32 number) const override;
    void recordAdd(qint32 number) override;
    void recordMove(qint32 number, const QString& previous) override;
    PictureBox& surface() override;
    quint64 surfaceGeneration() const override { return quint64(paintPasses) + screenRestores; }
    void repaintFigures(const QRect& damaged) override;
    QRect figureReach(qint32 number) const override;
    void setPointer(qint16 pointer) override;
    qint16 handlePointer(int handleCode) const override;
    void showToolPointer() override { applyToolPointer(); }
    void confineMouse(bool confine) override;
    void previewPointer(QPointF screenPoint, bool click, qint16 button) override;
    void notify(Notice notice) override;
    void notifyBox(BoxNotice notice, qint32 x1, qint32 y1, qint32 x2, qint32 y2) override;
    void notifyShape(ShapeNotice notice) override;
    void hotspotClick(qint16 button, qint32 index, float x, float y) override;
    void objectLock(bool locked) override;
    void rotateAngle(qint32 degrees) override;

    // Last, so it goes first: no paint event reaches a half-destroyed control.
    std::unique_ptr<QObject> paintWatch;
};
