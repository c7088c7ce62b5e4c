#pragma once

#include "../editing/FigureHistory.h"
#include "../figures/FigureCollection.h"
#include "../figures/Geometry.h"
#include "Zonecraft.h"

#include <common/StdPicture.h>
#include <memory>

class PictureBox;

/// The figure outline width, hotspot visibility and fill style are one
/// setting for every Zonecraft in the process.
struct ZonecraftSharedSettings
{
    qint32 figureSize = 1;
    bool showHotspot = true;
    qint16 fillStyle = 0;
    static ZonecraftSharedSettings& instance();
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

class ZonecraftPrivate
{
public:
    explicit ZonecraftPrivate(Zonecraft* q);
    ~ZonecraftPrivate();
    static ZonecraftPrivate* get(Zonecraft* control) { return control->d.get(); }

    Zonecraft* const q;
    PictureBox* picture3 = nullptr; // the viewport
    PictureBox* workPicture = nullptr;

    zc::FigureCollection figures;
    zc::FigureHistory history;

    // Selection and the current shape
    zc::Figure* selected = nullptr;
    qint32 selectedIndex = 0;
    zc::SelectionBox selectionBox;
    ShapeFigure currentShape;

    // Settings
    Zonecraft::AppMode imagemapMode = Zonecraft::DesignMode;
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

    // State
    double zoom = 1.0; // the zoom factor; 1 until zooming exists
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
    struct Interaction
    {
        int buttonHeld = 0;
        bool justSelected = false;
        bool moved = false;
        bool pointDrag = false;
        float rotateCenterX = 0, rotateCenterY = 0;
    } interaction;

    // Figures
    OLE_COLOR colorFromHex(QStringView hexColor) const;
    qint32 numberFor(const FigureRequest& request) const;
    ShapeFigure shapeOf(const zc::Figure& figure) const;
    void collectShapeInfo(zc::Figure* figure);
    void setFigureFocus(const zc::Figure* figure);
    void select(zc::Figure* figure);
    void clearSelection();
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

    std::unique_ptr<zc::Figure> makeRectangle(qint32 number, qint32 x1, qint32 y1, qint32 x2,
        qint32 y2, const FigureRequest& request) const;
    std::unique_ptr<zc::Figure> makeCircle(
        qint32 number, qint32 cx, qint32 cy, qint32 radius, const FigureRequest& request) const;
    std::unique_ptr<zc::Figure> makePolygon(
        qint32 number, QStringView polygonString, const FigureRequest& request) const;
    /// ImportFigure: one figure from its coordinates text.
    void importFigure(QStringView coordinates, qint32 kind, const QString& key,
        QStringView hexColor, bool locked, qint32 importIndex, bool addToHistory);
    /// Throws RuntimeError 6 for a circle whose box a float cannot hold exactly.
    static void checkCircle(qint32 cx, qint32 cy, qint32 radius);
    /// Checks that \a coordinates can make a figure of \a kind; throws otherwise.
    static void validateCoordinates(QStringView coordinates, qint32 kind);

    void resetInteraction();
    void paintHandles(QPainter& painter) const;

    // Deferred painting. A bulk change marks the picture stale instead of
    // painting; one paint pass then runs when the event loop next turns, or
    // earlier when the work picture is about to be painted. Whatever draws
    // on or reads the work picture's layers calls flushPaint() first.
    void schedulePaint();
    void flushPaint();

    // History
    void addRecord(int list, qint32 action, const QString& coordinates, const QString& previous,
        const ShapeFigure& shape);
    void eraseHistory(int style);
    void emitHistoryStatus();
    /// Re-creates figure \a record.Index from \a text (move undo and redo).
    void recreateFromText(zc::HistoryRecord& record, const QString& text);
    /// Brings back a removed figure from a record (delete undo, add redo).
    void reimport(const zc::HistoryRecord& record, const QString& text);
    /// Gives figure \a record.Index back the kind and coordinates of the record's shape.
    void restoreConversion(const zc::HistoryRecord& record);
    /// Applies the top record of \a list; false when the list is empty.
    bool step(int list);

    // Last, so it goes first: no paint event reaches a half-destroyed control.
    std::unique_ptr<QObject> paintWatch;
};
