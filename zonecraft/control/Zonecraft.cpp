#include "Zonecraft.h"

#include "../areacode/AreaCodeReader.h"
#include "../areacode/AreaCodeWriter.h"
#include "../figures/NumberFormat.h"
#include "../view/ZonecraftView.h"
#include "ZonecraftAccessible_p.h"
#include "Zonecraft_p.h"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScopeGuard>
#include <algorithm>
#include <common/Dialogs.h>
#include <common/HostConvert.h>
#include <common/MousePointer.h>
#include <common/PictureBox.h>
#include <common/RuntimeError.h>

using zc::Figure;
using zc::FigureHistory;

namespace {

constexpr int ObjectVariableNotSet = 91;

/// Runs a due paint pass right before the work picture paints, so the
/// screen never shows a stale picture even when the paint comes first.
class PaintWatch : public QObject
{
public:
    explicit PaintWatch(ZonecraftPrivate* d)
        : d(d)
    { }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched == d->workPicture)
            d->flushPaint();
        return false;
    }

private:
    ZonecraftPrivate* const d;
};

} // namespace

ZonecraftSharedSettings& ZonecraftSharedSettings::instance()
{
    static ZonecraftSharedSettings settings;
    return settings;
}

ZonecraftPrivate::ZonecraftPrivate(Zonecraft* q)
    : q(q)
{ }

ZonecraftPrivate::~ZonecraftPrivate() = default;

// ---------------------------------------------------------------------------
// Figures

zc::FigureTraits ZonecraftPrivate::traitsOf(const FigureRequest& request) const
{
    return { request.key, request.hexColor, drawFigureColor, request.locked };
}

qint32 ZonecraftPrivate::numberFor(const FigureRequest& request) const
{
    // Numbers are 1 or more: any index below 1 asks for a new one.
    if (request.imported && request.importIndex >= 1)
        return request.importIndex;
    return figures.nextFreeNumber();
}

ShapeFigure ZonecraftPrivate::shapeOf(const Figure& f) const
{
    ShapeFigure shape;
    shape.X1 = zc::roundToLong(f.X1());
    shape.Y1 = zc::roundToLong(f.Y1());
    shape.X2 = zc::roundToLong(f.X2());
    shape.y2 = zc::roundToLong(f.y2());
    shape.Key = f.Key;
    shape.Color = qint32(f.Color);
    shape.Figure = Zonecraft::FigureMode(f.ClassFigure);
    shape.Locked = f.Locked;
    shape.Coordinates = f.coordinatesText();
    shape.Index = f.ControlIndex;
    return shape;
}

void ZonecraftPrivate::collectShapeInfo(Figure* figure)
{
    currentShape = shapeOf(*figure);
    figure->Coordinates = currentShape.Coordinates;
}

void ZonecraftPrivate::setFigureFocus(const Figure* figure)
{
    selectionBox = zc::selectionBoxOf(*figure, zoomFactor());
}

void ZonecraftPrivate::clearSelection()
{
    if (selected)
        selected->Selected = false;
    selected = nullptr;
    selectedIndex = 0;
    reportSelection();
}

void ZonecraftPrivate::setMouseObject(qint32 number)
{
    if (mouseObject == number)
        return;
    mouseObject = number;
    Q_EMIT q->m_MouseObjectChanged(number);
}

void ZonecraftPrivate::reportSelection()
{
    if (selectionNoticeHeld)
        return;
    const qint32 number = selected ? selected->ControlIndex : 0;
    if (number == reportedSelection)
        return;
    reportedSelection = number;
    Q_EMIT q->m_SelectedObjectChanged(number);
}

void ZonecraftPrivate::select(Figure* figure)
{
    if (!figure) {
        clearSelection();
        return;
    }
    if (selected)
        selected->Selected = false;
    figure->Selected = true;
    selected = figure;
    selectedIndex = figure->ControlIndex;
    setFigureFocus(figure);
    reportSelection();
    const qint32 number = figure->ControlIndex;
    Q_EMIT q->GetKey(figure->Key, number);
    // The host may have changed the figures from inside the event.
    figure = figures.find(number);
    if (!figure || figure != selected)
        return;
    collectShapeInfo(figure);
    if (figureToDraw == Zonecraft::Pointer || figureToDraw == Zonecraft::movingshape)
        Q_EMIT q->HotspotActivate(currentShape);
}

std::unique_ptr<Figure> ZonecraftPrivate::takeFigure(qint32 index)
{
    std::unique_ptr<Figure> figure = figures.take(index);
    if (figure && figure.get() == selected)
        clearSelection();
    return figure;
}

Figure* ZonecraftPrivate::figureOrThrow(qint32 index) const
{
    Figure* figure = figures.find(index == 0 ? selectedIndex : index);
    if (!figure)
        throw RuntimeError(RuntimeError::InvalidProcedureCall,
            QStringLiteral("No figure is numbered %1").arg(index == 0 ? selectedIndex : index));
    return figure;
}

Figure* ZonecraftPrivate::replaceFigure(std::unique_ptr<Figure> replacement)
{
    const qint32 number = replacement->ControlIndex;
    const bool wasSelected = selected && selected->ControlIndex == number;
    // The same number stays selected: bindings hear of no change.
    selectionNoticeHeld = true;
    takeFigure(number);
    selectionNoticeHeld = false;
    Figure* figure = figures.add(std::move(replacement));
    if (wasSelected) {
        figure->Selected = true;
        selected = figure;
        selectedIndex = number;
        setFigureFocus(figure);
    }
    reportSelection();
    return figure;
}

void ZonecraftPrivate::addCreated(
    std::unique_ptr<Figure> figure, const FigureRequest& request, bool raiseMoved)
{
    // A figure made by a host's call ends any gesture under way.
    engine.reset();
    Figure* added = figures.add(std::move(figure));
    const qint32 number = added->ControlIndex;
    if (!loading) {
        select(added);
        repaintChanges();
        Q_EMIT q->VisibleObject(true);
        if (raiseMoved)
            Q_EMIT q->HotspotMoved(currentShape);
    }
    if (request.addToHistory) {
        if (Figure* f = figures.find(number)) {
            const ShapeFigure shape = loading ? shapeOf(*f) : currentShape;
            addRecord(FigureHistory::UndoList, Zonecraft::Figure_Add, f->Coordinates,
                QStringLiteral("0"), shape);
        }
    }
}

void ZonecraftPrivate::importFigure(QStringView coordinates, qint32 kind, const QString& key,
    QStringView hexColor, bool locked, qint32 importIndex, bool addToHistory)
{
    // An imported figure keeps its number unless the index asks for a new one.
    const FigureRequest request { key, hexColor, locked, true, importIndex, addToHistory };
    // The coordinates are read before the number is taken: a bad text adds nothing.
    if (kind == zc::RectangleKind || kind == zc::CircleKind || kind == zc::PolygonKind) {
        std::unique_ptr<Figure> figure
            = zc::FigureFactory::fromCoordinates(0, kind, coordinates, traitsOf(request));
        figure->ControlIndex = numberFor(request);
        // A rectangle re-created from text reports its new place.
        addCreated(std::move(figure), request, kind == zc::RectangleKind);
    }
}

zc::PaintSettings ZonecraftPrivate::paintSettings() const
{
    const auto& shared = ZonecraftSharedSettings::instance();
    zc::PaintSettings settings;
    settings.zoom = zoomFactor();
    settings.designMode = imagemapMode == Zonecraft::DesignMode;
    // Figures act as invisible hotspots in preview.
    settings.figuresVisible = settings.designMode && figuresVisible;
    settings.borderColor = shapeBorderColor;
    settings.figureSize = shared.figureSize;
    settings.showHotspot = shared.showHotspot;
    settings.fillStyle = shared.fillStyle;
    settings.showHandles = showHandles;
    settings.handleColor = handleColor;
    settings.handleColorLocked = handleColorLocked;
    settings.handleFrame = workPicture->ForeColor();
    return settings;
}

void ZonecraftPrivate::schedulePaint()
{
    paintStale = true;
    if (paintPosted)
        return;
    paintPosted = true;
    // Posted to the control: a control destroyed first takes the call with it.
    QMetaObject::invokeMethod(
        q,
        [this] {
            paintPosted = false;
            flushPaint();
        },
        Qt::QueuedConnection);
}

void ZonecraftPrivate::flushPaint()
{
    // In the middle of a bulk load the collection is half built; the load
    // schedules the pass again when it ends.
    if (!paintStale || loading)
        return;
    q->Redraw(true);
}

// ---------------------------------------------------------------------------
// Zonecraft

Zonecraft::Zonecraft(QWidget* parent)
    : UserControl(parent)
    , d(std::make_unique<ZonecraftPrivate>(this))
{
    d->picture3 = new PictureBox(this);
    d->picture3->setObjectName(QStringLiteral("Picture3"));
    d->picture3->setBackColor(0xC0C0C0);
    d->workPicture = new PictureBox(d->picture3);
    d->workPicture->setObjectName(QStringLiteral("WorkPicture"));
    zc::watchAccessibility(this);
    d->workPicture->setBackColor(0xE0E0E0);
    d->workPicture->move(0, 0);
    d->workPicture->resize(0, 0);
    d->paintWatch = std::make_unique<PaintWatch>(d.get());
    d->workPicture->installEventFilter(d->paintWatch.get());
    d->view = std::make_unique<zc::ZonecraftView>(*d);
    // Start-up applies zoom 100, which shows nothing until a picture exists.
    d->view->applyZoom(100);
    d->preview = std::make_unique<zc::PreviewController>(*d);
    d->connectEditing();
    d->tabs = std::make_unique<zc::TabStrip>(this);
}

Zonecraft::~Zonecraft() = default;

void Zonecraft::resizeEvent(QResizeEvent* event)
{
    UserControl::resizeEvent(event);
    d->view->layout();
    // The tabs and the contained controls follow every layout.
    d->tabs->redrawTabs();
    d->tabs->resizeContainedControls();
}

void Zonecraft::changeEvent(QEvent* event)
{
    UserControl::changeEvent(event);
    // Posted, so the palette reaching the control and its children paints once.
    if (event->type() == QEvent::PaletteChange)
        d->schedulePaint();
}

PictureBox* Zonecraft::WorkPicture() const
{
    return d->workPicture;
}

// Properties

Zonecraft::AppMode Zonecraft::ImagemapMode() const
{
    return d->imagemapMode;
}

void Zonecraft::setImagemapMode(AppMode New_ImagemapMode)
{
    // Whatever the mode, the pointer starts from the default again.
    d->workPicture->setMousePointer(Zel::PointerDefault);
    const AppMode previous = d->imagemapMode;
    if (previous == New_ImagemapMode)
        return;
    if (previous == DesignMode)
        d->engine.reset(); // a gesture under way ends with its marks
    if (previous == PreviewMode)
        d->preview->leavePreview();
    d->imagemapMode = New_ImagemapMode;
    PropertyChanged(QStringLiteral("ImagemapMode"));
    // The zoom of editing is kept while a visitor's view is shown. Until
    // preview was first entered no level was kept, and the zoom stays.
    bool zoomed = false;
    if (New_ImagemapMode == DesignMode && d->savedZoomLevel != 0) {
        d->view->applyZoom(d->savedZoomLevel);
        zoomed = true;
    } else if (New_ImagemapMode == PreviewMode) {
        d->savedZoomLevel = d->view->lastZoomLevel();
        if (d->shell.zoomToNormal) {
            d->view->applyZoom(100);
            zoomed = true;
        }
    }
    // A zoom ends in a paint pass of its own; without one the figures show
    // or hide here.
    if (!zoomed || d->view->repaintSuppressed() || !d->view->hasPicture())
        Redraw(true);
    Q_EMIT ImagemapModeChanged(ImagemapMode());
}

bool Zonecraft::AlignToGrid() const
{
    return d->alignToGrid;
}

void Zonecraft::setAlignToGrid(bool New_AlignToGrid)
{
    setIfChanged(d->alignToGrid, New_AlignToGrid, QStringLiteral("AlignToGrid"),
        &Zonecraft::AlignToGridChanged);
}

Zonecraft::OperatingMode Zonecraft::FigureToDraw() const
{
    return d->figureToDraw;
}

void Zonecraft::setFigureToDraw(OperatingMode New_FigureToDraw)
{
    // Another tool drops what the old one had under way.
    d->engine.cancel();
    // Choosing the tool in use again still starts it afresh, but changes no stored value.
    const bool changed = d->figureToDraw != New_FigureToDraw;
    d->figureToDraw = New_FigureToDraw;
    if (changed)
        PropertyChanged(QStringLiteral("FigureToDraw"));
    d->applyToolPointer();
    if (changed)
        Q_EMIT FigureToDrawChanged(New_FigureToDraw);
    if (New_FigureToDraw != RotatingFigure || !d->selected)
        return;
    // Turning works on vertices: a rectangle becomes the polygon of its corners.
    d->prepareRotation(d->selectedIndex);
}

qint32 Zonecraft::FigureSize() const
{
    return ZonecraftSharedSettings::instance().figureSize;
}

void Zonecraft::setFigureSize(qint32 New_FigureSize)
{
    auto& shared = ZonecraftSharedSettings::instance();
    if (!setIfChanged(shared.figureSize, New_FigureSize, QStringLiteral("FigureSize")))
        return;
    Redraw(true);
    Q_EMIT FigureSizeChanged(FigureSize());
}

bool Zonecraft::ShowHotspot() const
{
    return ZonecraftSharedSettings::instance().showHotspot;
}

void Zonecraft::setShowHotspot(bool New_ShowHotspot)
{
    auto& shared = ZonecraftSharedSettings::instance();
    if (!setIfChanged(shared.showHotspot, New_ShowHotspot, QStringLiteral("ShowHotspot")))
        return;
    Redraw(true);
    Q_EMIT ShowHotspotChanged(ShowHotspot());
}

qint16 Zonecraft::FillStyle() const
{
    return ZonecraftSharedSettings::instance().fillStyle;
}

void Zonecraft::setFillStyle(qint16 New_FillStyle)
{
    auto& shared = ZonecraftSharedSettings::instance();
    if (!setIfChanged(shared.fillStyle, New_FillStyle, QStringLiteral("FillStyle")))
        return;
    Redraw(true);
    Q_EMIT FillStyleChanged(FillStyle());
}

bool Zonecraft::ShowHandles() const
{
    return d->showHandles;
}

void Zonecraft::setShowHandles(bool New_ShowHandles)
{
    if (!setIfChanged(d->showHandles, New_ShowHandles, QStringLiteral("ShowHandles")))
        return;
    Redraw(true);
    Q_EMIT ShowHandlesChanged(ShowHandles());
}

OLE_COLOR Zonecraft::HandleColor() const
{
    return d->handleColor;
}

void Zonecraft::setHandleColor(OLE_COLOR New_HandleColor)
{
    if (!setIfChanged(d->handleColor, New_HandleColor, QStringLiteral("HandleColor")))
        return;
    Redraw(true);
    Q_EMIT HandleColorChanged(HandleColor());
}

OLE_COLOR Zonecraft::HandleColorLocked() const
{
    return d->handleColorLocked;
}

void Zonecraft::setHandleColorLocked(OLE_COLOR New_HandleColorLocked)
{
    if (!setIfChanged(
            d->handleColorLocked, New_HandleColorLocked, QStringLiteral("HandleColorLocked")))
        return;
    Redraw(true);
    Q_EMIT HandleColorLockedChanged(HandleColorLocked());
}

bool Zonecraft::ShowSupport() const
{
    return d->showSupport;
}

void Zonecraft::setShowSupport(bool New_ShowSupport)
{
    setIfChanged(d->showSupport, New_ShowSupport, QStringLiteral("ShowSupport"),
        &Zonecraft::ShowSupportChanged);
}

QString Zonecraft::ExtractSeperator() const
{
    return d->extractSeperator;
}

void Zonecraft::setExtractSeperator(const QString& New_ExtractSeperator)
{
    setIfChanged(d->extractSeperator, New_ExtractSeperator, QStringLiteral("ExtractSeperator"),
        &Zonecraft::ExtractSeperatorChanged);
}

OLE_COLOR Zonecraft::DrawFigureColor() const
{
    return d->drawFigureColor;
}

void Zonecraft::setDrawFigureColor(OLE_COLOR New_DrawFigureColor)
{
    setIfChanged(d->drawFigureColor, New_DrawFigureColor, QStringLiteral("DrawFigureColor"),
        &Zonecraft::DrawFigureColorChanged);
}

OLE_COLOR Zonecraft::ShapeBorderColor() const
{
    return d->shapeBorderColor;
}

void Zonecraft::setShapeBorderColor(OLE_COLOR New_ShapeBorderColor)
{
    if (d->shapeBorderColor == New_ShapeBorderColor)
        return;
    d->shapeBorderColor = New_ShapeBorderColor;
    Redraw(true);
    Q_EMIT ShapeBorderColorChanged(ShapeBorderColor());
}

bool Zonecraft::LockAll() const
{
    return d->lockAll;
}

StdPicture Zonecraft::Picture() const
{
    return d->picture;
}

void Zonecraft::setPicture(const StdPicture& New_Picture)
{
    const bool changed = d->setIfChanged(d->picture, New_Picture, QStringLiteral("Picture"));
    // Assigning a picture, even the same one again, shows it at 100 %.
    if (!New_Picture.isNull())
        d->view->assignPicture(New_Picture);
    if (changed)
        Q_EMIT PictureChanged(New_Picture);
}

float Zonecraft::StartRotate() const
{
    return d->startRotate;
}

void Zonecraft::setStartRotate(float New_StartRotate)
{
    if (d->startRotate == New_StartRotate)
        return;
    d->startRotate = New_StartRotate;
    Q_EMIT StartRotateChanged(New_StartRotate);
}

Zonecraft::UpdateFigActivate Zonecraft::FigActivate_Loading() const
{
    return d->loading ? NotReady : Ready;
}

// Figures and painting

void Zonecraft::Redraw(bool Repaint)
{
    // A stale picture still shows figures that may be gone: start afresh.
    if (d->paintStale)
        Repaint = true;
    d->paintStale = false;
    ++d->paintPasses;
    PictureBox* picture = d->workPicture;
    if (Repaint) {
        picture->setAutoRedraw(true);
        picture->Cls();
    }
    picture->setDrawMode(PictureBox::CopyPen);
    const zc::FigurePainter painter(d->paintSettings());
    if (painter.settings().designMode && !picture->drawingLayer().isNull()) {
        std::unique_ptr<QPainter> p = picture->beginPaint();
        p->setRenderHint(QPainter::Antialiasing, false);
        // The layer may hold only the part of the work picture that shows.
        d->view->paintFigures(*p, picture->layerRect());
        picture->endPaint(std::move(p));
    }
    if (Repaint) {
        picture->setAutoRedraw(false);
        d->fullPassPainted();
    }
    d->loading = false;
}

qint32 Zonecraft::CountFigures() const
{
    return d->figures.count();
}

qint32 Zonecraft::GetFigureIndex() const
{
    if (!d->selected)
        throw RuntimeError(ObjectVariableNotSet, QStringLiteral("No figure is selected"));
    return d->selected->ControlIndex;
}

qint32 Zonecraft::SelectedIndex() const
{
    return d->selectedIndex;
}

qint32 Zonecraft::FigureAt(float X, float Y) const
{
    const Figure* f = d->figures.figureAt(float(X / d->zoomFactor()), float(Y / d->zoomFactor()));
    return f ? f->ControlIndex : 0;
}

qint32 Zonecraft::HandleAt(float X, float Y) const
{
    if (!d->selected)
        return zc::HandleNone;
    const bool inside = d->selected->IsAt(float(X / d->zoomFactor()), float(Y / d->zoomFactor()));
    return zc::handleAt(d->selectionBox, inside, int(zc::roundEven(X)), int(zc::roundEven(Y)));
}

// Geometry

double Zonecraft::Distance(double X1, double Y1, double X2, double y2) const
{
    return zc::distance(X1, Y1, X2, y2);
}

float Zonecraft::SnapTo(const QVariant& intX)
{
    d->snapping = true;
    const double value = Zel::toDouble(intX);
    // The remainder is taken on a 32-bit integer, as the host's Mod does.
    if (!(value >= -2147483648.5 && value < 2147483647.5))
        throw RuntimeError(
            RuntimeError::Overflow, QStringLiteral("%1 does not fit a 32-bit integer").arg(value));
    return zc::snapTo(value, d->zoomFactor());
}

// Area code

QString Zonecraft::ExportCode(UsingCode ChooseCode) const
{
    switch (ChooseCode) {
    case ClientSide:
        return zc::AreaCodeWriter::clientSide(d->figures);
    case customcode:
        return zc::AreaCodeWriter::separated(d->figures, d->extractSeperator);
    default:
        return {};
    }
}

QString Zonecraft::ExtractKey(qint32 Index) const
{
    const Figure* f = d->figures.find(Index == 0 ? d->selectedIndex : Index);
    return f ? f->Key : QString();
}

QString Zonecraft::ExtractID(qint32 Index) const
{
    Q_UNUSED(Index)
    return {};
}

QString Zonecraft::ExtractCordinates(qint32 my_index) const
{
    return zc::AreaCodeWriter::unroundedCoordinates(*d->figureOrThrow(my_index));
}

QString Zonecraft::ExtractFigure(qint32 Index) const
{
    const Figure* f = d->figures.find(Index == 0 ? d->selectedIndex : Index);
    return f ? zc::AreaCodeWriter::kindName(f->ClassFigure) : QString();
}

QString Zonecraft::SupportCoordinates(qint32 Index) const
{
    const Figure* f = d->figures.at(Index == 0 ? d->selectedIndex : Index);
    return f ? zc::AreaCodeWriter::boxText(*f) : QString();
}

void Zonecraft::ImportCode(UsingCode ChooseCode, const QString& CoordsString)
{
    if (ChooseCode != customcode)
        throw RuntimeError(RuntimeError::SubscriptOutOfRange,
            QStringLiteral("ImportCode reads only the separated list (customcode)"));
    // Every line is split and its key read before any figure is made, so
    // a malformed line there adds nothing.
    const std::vector<zc::AreaCodeReader::AreaLine> lines
        = zc::AreaCodeReader::parseSeparated(CoordsString, d->extractSeperator);
    d->loading = true;
    // However the import ends, later events are not silenced and the figures
    // added so far get painted. Painting a large list costs far more than
    // reading it, so the pass is coalesced to the next turn of the event
    // loop, as widget updates are.
    const auto finish = qScopeGuard([this] {
        d->loading = false;
        d->schedulePaint();
    });
    int lineNumber = 0;
    try {
        for (const auto& line : lines) {
            lineNumber = line.lineNumber;
            const int kind = zc::AreaCodeReader::kindFromText(line.kind);
            if (kind == 0)
                continue;
            d->importFigure(line.coordinates, kind, QString::number(line.key), line.color,
                zc::AreaCodeReader::readBoolean(line.locked), -1, false);
        }
    } catch (const RuntimeError& e) {
        // The figures of the earlier lines stay.
        throw RuntimeError(
            e.number(), QStringLiteral("Area line %1: %2").arg(lineNumber).arg(e.description()));
    }
}

void Zonecraft::ImportFigure(const QString& Coordinates, DrawFigure Figure, const QString& Key,
    const QString& HexColor, bool Locked, qint32 ImportIndex, bool AddToHistory)
{
    d->importFigure(Coordinates, Figure, Key, HexColor, Locked, ImportIndex, AddToHistory);
}

void Zonecraft::DrawNewRectangle(qint32 X1, qint32 Y1, qint32 X2, qint32 y2, const QString& Key,
    const QString& HexColor, bool Locked, bool ImportFigure, bool Imported, qint32 ImportIndex,
    bool AddToHistory)
{
    Q_UNUSED(ImportFigure)
    const FigureRequest request { Key, HexColor, Locked, Imported, ImportIndex, AddToHistory };
    d->addCreated(zc::FigureFactory::makeRectangle(
                      d->numberFor(request), X1, Y1, X2, y2, d->traitsOf(request)),
        request, Imported);
}

void Zonecraft::DrawNewCircle(qint32 X1, qint32 Y1, qint32 Radius, const QString& Key,
    const QString& HexColor, bool Locked, bool ImportFigure, bool Imported, qint32 ImportIndex,
    bool AddToHistory)
{
    Q_UNUSED(ImportFigure)
    const FigureRequest request { Key, HexColor, Locked, Imported, ImportIndex, AddToHistory };
    d->addCreated(
        zc::FigureFactory::makeCircle(d->numberFor(request), X1, Y1, Radius, d->traitsOf(request)),
        request, false);
}

void Zonecraft::DrawNewPolygon(const QString& PolygonString, const QString& Key,
    const QString& HexColor, bool Locked, bool ImportFigure, bool Imported, qint32 ImportIndex,
    bool AddToHistory)
{
    Q_UNUSED(ImportFigure)
    const FigureRequest request { Key, HexColor, Locked, Imported, ImportIndex, AddToHistory };
    d->addCreated(
        zc::FigureFactory::makePolygon(d->numberFor(request), PolygonString, d->traitsOf(request)),
        request, false);
}
