#include "Zonecraft.h"

#include "../areacode/AreaCodeReader.h"
#include "../areacode/AreaCodeWriter.h"
#include "../figures/NumberFormat.h"
#include "Zonecraft_p.h"

#include <QEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScopeGuard>
#include <algorithm>
#include <common/Dialogs.h>
#include <common/HostConvert.h>
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

OLE_COLOR ZonecraftPrivate::colorFromHex(QStringView hexColor) const
{
    if (hexColor.isEmpty())
        return drawFigureColor;
    return OLE_COLOR(zc::AreaCodeReader::readLong(hexColor));
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
    shape.X1 = qint32(zc::roundEven(f.X1()));
    shape.Y1 = qint32(zc::roundEven(f.Y1()));
    shape.X2 = qint32(zc::roundEven(f.X2()));
    shape.y2 = qint32(zc::roundEven(f.y2()));
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
    selectionBox = zc::selectionBoxOf(*figure, zoom);
}

void ZonecraftPrivate::clearSelection()
{
    if (selected)
        selected->Selected = false;
    selected = nullptr;
    selectedIndex = 0;
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
    takeFigure(number);
    Figure* figure = figures.add(std::move(replacement));
    if (wasSelected) {
        figure->Selected = true;
        selected = figure;
        selectedIndex = number;
        setFigureFocus(figure);
    }
    return figure;
}

void ZonecraftPrivate::addCreated(
    std::unique_ptr<Figure> figure, const FigureRequest& request, bool raiseMoved)
{
    Figure* added = figures.add(std::move(figure));
    const qint32 number = added->ControlIndex;
    if (!loading) {
        select(added);
        q->Redraw(true);
        resetInteraction();
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

std::unique_ptr<Figure> ZonecraftPrivate::makeRectangle(
    qint32 number, qint32 x1, qint32 y1, qint32 x2, qint32 y2, const FigureRequest& request) const
{
    const OLE_COLOR color = colorFromHex(request.hexColor);
    auto f = std::make_unique<Figure>();
    f->ControlIndex = number;
    f->ClassFigure = zc::RectangleKind;
    f->setBox(float(x1), float(y1), float(x2), float(y2));
    f->Key = request.key;
    f->Coordinates.reserve(24);
    zc::appendInteger(f->Coordinates, x1);
    f->Coordinates += QLatin1Char(',');
    zc::appendInteger(f->Coordinates, y1);
    f->Coordinates += QLatin1Char(',');
    zc::appendInteger(f->Coordinates, x2);
    f->Coordinates += QLatin1Char(',');
    zc::appendInteger(f->Coordinates, y2);
    f->Color = color;
    f->Locked = request.locked;
    return f;
}

std::unique_ptr<Figure> ZonecraftPrivate::makeCircle(
    qint32 number, qint32 cx, qint32 cy, qint32 radius, const FigureRequest& request) const
{
    checkCircle(cx, cy, radius);
    const OLE_COLOR color = colorFromHex(request.hexColor);
    auto f = std::make_unique<Figure>();
    f->ControlIndex = number;
    f->ClassFigure = zc::CircleKind;
    // In floating point: centre plus radius may leave the 32-bit range
    // (checkCircle has made sure the float box holds them exactly).
    f->setBox(float(cx) - float(radius), float(cy) - float(radius), float(cx) + float(radius),
        float(cy) + float(radius));
    f->Key = request.key;
    f->Coordinates.reserve(18);
    zc::appendInteger(f->Coordinates, cx);
    f->Coordinates += QLatin1Char(',');
    zc::appendInteger(f->Coordinates, cy);
    f->Coordinates += QLatin1Char(',');
    zc::appendInteger(f->Coordinates, radius);
    f->Color = color;
    f->Locked = request.locked;
    return f;
}

std::unique_ptr<Figure> ZonecraftPrivate::makePolygon(
    qint32 number, QStringView polygonString, const FigureRequest& request) const
{
    const zc::NormalPolygon shape
        = zc::normalisePolygon(zc::AreaCodeReader::readVertices(polygonString));
    const OLE_COLOR color = colorFromHex(request.hexColor);
    auto f = std::make_unique<Figure>();
    f->ControlIndex = number;
    f->ClassFigure = zc::PolygonKind;
    f->setBox(shape.x1, shape.y1, shape.x2, shape.y2);
    f->setData(shape.dataX, shape.dataY);
    f->Key = request.key;
    f->Coordinates = polygonString.toString();
    f->Color = color;
    f->Locked = request.locked;
    return f;
}

void ZonecraftPrivate::importFigure(QStringView coordinates, qint32 kind, const QString& key,
    QStringView hexColor, bool locked, qint32 importIndex, bool addToHistory)
{
    // An imported figure keeps its number unless the index asks for a new one.
    const FigureRequest request { key, hexColor, locked, true, importIndex, addToHistory };
    switch (kind) {
    case zc::RectangleKind: {
        const auto v = zc::AreaCodeReader::readIntegers(coordinates, 4);
        addCreated(
            makeRectangle(numberFor(request), v[0], v[1], v[2], v[3], request), request, true);
        break;
    }
    case zc::CircleKind: {
        const auto v = zc::AreaCodeReader::readIntegers(coordinates, 3);
        addCreated(makeCircle(numberFor(request), v[0], v[1], v[2], request), request, false);
        break;
    }
    case zc::PolygonKind:
        addCreated(makePolygon(numberFor(request), coordinates, request), request, false);
        break;
    default:
        break;
    }
}

void ZonecraftPrivate::checkCircle(qint32 cx, qint32 cy, qint32 radius)
{
    // The box is kept in single precision, which holds whole numbers exactly
    // only up to 2^24: beyond that the centre and radius read back are not
    // the ones given, and the exported radius may not even fit 32 bits.
    constexpr qint64 exact = 1 << 24;
    const auto fits = [](qint64 v) { return v >= -exact && v <= exact; };
    const qint64 r = radius;
    if (!fits(cx - r) || !fits(cx + r) || !fits(cy - r) || !fits(cy + r))
        throw RuntimeError(RuntimeError::Overflow,
            QStringLiteral("The circle %1,%2,%3 is too large").arg(cx).arg(cy).arg(radius));
}

void ZonecraftPrivate::validateCoordinates(QStringView coordinates, qint32 kind)
{
    switch (kind) {
    case zc::RectangleKind:
        zc::AreaCodeReader::readIntegers(coordinates, 4);
        break;
    case zc::CircleKind: {
        const auto v = zc::AreaCodeReader::readIntegers(coordinates, 3);
        checkCircle(v[0], v[1], v[2]);
        break;
    }
    case zc::PolygonKind:
        zc::AreaCodeReader::readVertices(coordinates);
        break;
    default:
        break;
    }
}

void ZonecraftPrivate::resetInteraction()
{
    interaction.buttonHeld = 0;
    interaction.justSelected = false;
    interaction.moved = false;
    interaction.pointDrag = false;
}

void ZonecraftPrivate::paintHandles(QPainter& painter) const
{
    const QColor color = Zel::toQColor(selected->Locked ? handleColorLocked : handleColor);
    if (selected->ClassFigure == zc::PolygonKind) {
        painter.setPen(QPen(Zel::toQColor(workPicture->ForeColor()), 1));
        painter.setBrush(color);
        const QPolygon points = selected->screenPolygon(zoom);
        for (const QPoint& p : points)
            painter.drawRect(zc::vertexHandle(p).adjusted(0, 0, -1, -1));
        return;
    }
    for (const zc::HandleSquare& h : zc::handleSquares(selectionBox))
        painter.fillRect(h.rect, color);
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
    d->workPicture->setBackColor(0xE0E0E0);
    d->workPicture->move(0, 0);
    d->workPicture->resize(0, 0);
    d->paintWatch = std::make_unique<PaintWatch>(d.get());
    d->workPicture->installEventFilter(d->paintWatch.get());
}

Zonecraft::~Zonecraft() = default;

void Zonecraft::resizeEvent(QResizeEvent* event)
{
    UserControl::resizeEvent(event);
    d->picture3->setGeometry(rect());
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
    if (d->imagemapMode == New_ImagemapMode)
        return;
    d->imagemapMode = New_ImagemapMode;
    PropertyChanged(QStringLiteral("ImagemapMode"));
    Redraw(true);
}

bool Zonecraft::AlignToGrid() const
{
    return d->alignToGrid;
}

void Zonecraft::setAlignToGrid(bool New_AlignToGrid)
{
    if (d->alignToGrid == New_AlignToGrid)
        return;
    d->alignToGrid = New_AlignToGrid;
    PropertyChanged(QStringLiteral("AlignToGrid"));
}

Zonecraft::OperatingMode Zonecraft::FigureToDraw() const
{
    return d->figureToDraw;
}

void Zonecraft::setFigureToDraw(OperatingMode New_FigureToDraw)
{
    d->figureToDraw = New_FigureToDraw;
    PropertyChanged(QStringLiteral("FigureToDraw"));
    if (New_FigureToDraw != RotatingFigure || !d->selected)
        return;
    // Turning works on vertices: a rectangle becomes the polygon of its corners.
    Figure* f = d->selected;
    const float w = f->X2() - f->X1();
    const float h = f->y2() - f->Y1();
    d->interaction.rotateCenterX = w / 2;
    d->interaction.rotateCenterY = h / 2;
    if (f->ClassFigure != zc::RectangleKind)
        return;
    auto polygon = std::make_unique<Figure>();
    polygon->ControlIndex = f->ControlIndex;
    polygon->ClassFigure = zc::PolygonKind;
    polygon->Key = f->Key;
    polygon->Color = f->Color;
    polygon->Locked = f->Locked;
    polygon->setBox(f->X1(), f->Y1(), f->X2(), f->y2());
    std::vector<float> dx, dy;
    zc::rectangleOffsets(w, h, dx, dy);
    polygon->setData(std::move(dx), std::move(dy));
    polygon->Coordinates = polygon->coordinatesText();
    d->replaceFigure(std::move(polygon));
}

qint32 Zonecraft::FigureSize() const
{
    return ZonecraftSharedSettings::instance().figureSize;
}

void Zonecraft::setFigureSize(qint32 New_FigureSize)
{
    auto& shared = ZonecraftSharedSettings::instance();
    if (shared.figureSize == New_FigureSize)
        return;
    shared.figureSize = New_FigureSize;
    PropertyChanged(QStringLiteral("FigureSize"));
    Redraw(true);
}

bool Zonecraft::ShowHotspot() const
{
    return ZonecraftSharedSettings::instance().showHotspot;
}

void Zonecraft::setShowHotspot(bool New_ShowHotspot)
{
    auto& shared = ZonecraftSharedSettings::instance();
    if (shared.showHotspot == New_ShowHotspot)
        return;
    shared.showHotspot = New_ShowHotspot;
    PropertyChanged(QStringLiteral("ShowHotspot"));
    Redraw(true);
}

qint16 Zonecraft::FillStyle() const
{
    return ZonecraftSharedSettings::instance().fillStyle;
}

void Zonecraft::setFillStyle(qint16 New_FillStyle)
{
    auto& shared = ZonecraftSharedSettings::instance();
    if (shared.fillStyle == New_FillStyle)
        return;
    shared.fillStyle = New_FillStyle;
    PropertyChanged(QStringLiteral("FillStyle"));
    Redraw(true);
}

bool Zonecraft::ShowHandles() const
{
    return d->showHandles;
}

void Zonecraft::setShowHandles(bool New_ShowHandles)
{
    if (d->showHandles == New_ShowHandles)
        return;
    d->showHandles = New_ShowHandles;
    PropertyChanged(QStringLiteral("ShowHandles"));
    Redraw(true);
}

OLE_COLOR Zonecraft::HandleColor() const
{
    return d->handleColor;
}

void Zonecraft::setHandleColor(OLE_COLOR New_HandleColor)
{
    if (d->handleColor == New_HandleColor)
        return;
    d->handleColor = New_HandleColor;
    PropertyChanged(QStringLiteral("HandleColor"));
    Redraw(true);
}

OLE_COLOR Zonecraft::HandleColorLocked() const
{
    return d->handleColorLocked;
}

void Zonecraft::setHandleColorLocked(OLE_COLOR New_HandleColorLocked)
{
    if (d->handleColorLocked == New_HandleColorLocked)
        return;
    d->handleColorLocked = New_HandleColorLocked;
    PropertyChanged(QStringLiteral("HandleColorLocked"));
    Redraw(true);
}

bool Zonecraft::ShowSupport() const
{
    return d->showSupport;
}

void Zonecraft::setShowSupport(bool New_ShowSupport)
{
    if (d->showSupport == New_ShowSupport)
        return;
    d->showSupport = New_ShowSupport;
    PropertyChanged(QStringLiteral("ShowSupport"));
}

QString Zonecraft::ExtractSeperator() const
{
    return d->extractSeperator;
}

void Zonecraft::setExtractSeperator(const QString& New_ExtractSeperator)
{
    if (d->extractSeperator == New_ExtractSeperator)
        return;
    d->extractSeperator = New_ExtractSeperator;
    PropertyChanged(QStringLiteral("ExtractSeperator"));
}

OLE_COLOR Zonecraft::DrawFigureColor() const
{
    return d->drawFigureColor;
}

void Zonecraft::setDrawFigureColor(OLE_COLOR New_DrawFigureColor)
{
    if (d->drawFigureColor == New_DrawFigureColor)
        return;
    d->drawFigureColor = New_DrawFigureColor;
    PropertyChanged(QStringLiteral("DrawFigureColor"));
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
    if (d->picture.isSameObject(New_Picture))
        return;
    d->picture = New_Picture;
    d->workPicture->setPicture(New_Picture);
    d->workPicture->resize(int(New_Picture.Width() * d->zoom), int(New_Picture.Height() * d->zoom));
    PropertyChanged(QStringLiteral("Picture"));
    Redraw(true);
}

float Zonecraft::StartRotate() const
{
    return d->startRotate;
}

void Zonecraft::setStartRotate(float New_StartRotate)
{
    d->startRotate = New_StartRotate;
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
    const bool design = d->imagemapMode == DesignMode;
    // Figures act as invisible hotspots in preview.
    const bool visible = design ? d->figuresVisible : false;
    const auto& shared = ZonecraftSharedSettings::instance();
    zc::FigurePaintStyle style;
    style.figureSize = shared.figureSize;
    style.showHotspot = shared.showHotspot;
    style.fillStyle = shared.fillStyle;
    const bool handles = design && d->selected && d->showHandles;
    if (design && !picture->drawingLayer().isNull()) {
        std::unique_ptr<QPainter> painter = picture->beginPaint();
        painter->setRenderHint(QPainter::Antialiasing, false);
        // Figures wholly outside the layer are not handed to the painter.
        const double reach = std::max(1, style.figureSize) + 1;
        const QRectF layer
            = QRectF(picture->drawingLayer().rect()).adjusted(-reach, -reach, reach, reach);
        const double f = d->zoom;
        for (const auto& figure : d->figures.figures()) {
            figure->LevelFactor = f;
            figure->BorderColor = d->shapeBorderColor;
            figure->ClassMode = d->imagemapMode;
            figure->VisibleMode = visible;
            const QRectF b = figure->paintBounds();
            if (b.left() * f > layer.right() || b.right() * f < layer.left()
                || b.top() * f > layer.bottom() || b.bottom() * f < layer.top())
                continue;
            figure->Draw(*painter, style);
        }
        if (handles)
            d->paintHandles(*painter);
        picture->endPaint(std::move(painter));
    }
    if (Repaint)
        picture->setAutoRedraw(false);
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
    const Figure* f = d->figures.figureAt(float(X / d->zoom), float(Y / d->zoom));
    return f ? f->ControlIndex : 0;
}

qint32 Zonecraft::HandleAt(float X, float Y) const
{
    if (!d->selected)
        return zc::HandleNone;
    const bool inside = d->selected->IsAt(float(X / d->zoom), float(Y / d->zoom));
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
    return zc::snapTo(value, d->zoom);
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
    d->addCreated(
        d->makeRectangle(d->numberFor(request), X1, Y1, X2, y2, request), request, Imported);
}

void Zonecraft::DrawNewCircle(qint32 X1, qint32 Y1, qint32 Radius, const QString& Key,
    const QString& HexColor, bool Locked, bool ImportFigure, bool Imported, qint32 ImportIndex,
    bool AddToHistory)
{
    Q_UNUSED(ImportFigure)
    const FigureRequest request { Key, HexColor, Locked, Imported, ImportIndex, AddToHistory };
    d->addCreated(d->makeCircle(d->numberFor(request), X1, Y1, Radius, request), request, false);
}

void Zonecraft::DrawNewPolygon(const QString& PolygonString, const QString& Key,
    const QString& HexColor, bool Locked, bool ImportFigure, bool Imported, qint32 ImportIndex,
    bool AddToHistory)
{
    Q_UNUSED(ImportFigure)
    const FigureRequest request { Key, HexColor, Locked, Imported, ImportIndex, AddToHistory };
    d->addCreated(d->makePolygon(d->numberFor(request), PolygonString, request), request, false);
}
