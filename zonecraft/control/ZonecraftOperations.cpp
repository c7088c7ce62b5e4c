// The host's figure operations and the undo/redo history of Zonecraft.

#include "../figures/NumberFormat.h"
#include "Zonecraft.h"
#include "Zonecraft_p.h"

#include <cmath>
#include <common/Dialogs.h>
#include <common/PictureBox.h>
#include <common/RuntimeError.h>

using zc::Figure;
using zc::FigureFactory;
using zc::FigureHistory;

namespace {

constexpr qint32 InsideOutBox = 1005;
constexpr qint32 UnknownFigure = 1006;

QString decimalColor(qint32 color)
{
    return QString::number(color);
}

} // namespace

// ---------------------------------------------------------------------------
// Figure operations

void Zonecraft::RemoveFigure(qint32 Index)
{
    d->takeFigure(Index == 0 ? d->selectedIndex : Index);
    d->clearSelection();
    d->workPicture->setMousePointer(0);
    Q_EMIT VisibleObject(!d->figures.isEmpty());
}

void Zonecraft::DeleteFigure(qint32 Index)
{
    Figure* f = d->figureOrThrow(Index);
    d->collectShapeInfo(f);
    const ShapeFigure shape = d->currentShape;
    RemoveFigure(shape.Index);
    d->repaintChanges();
    d->addRecord(FigureHistory::UndoList, Figure_Delete, shape.Coordinates, QString(), shape);
    d->eraseHistory(EraseRedo);
}

void Zonecraft::FigureCut(qint32 Index)
{
    const Figure* f = d->figureOrThrow(Index < 1 ? 0 : Index);
    auto& clip = d->clipboard;
    clip.x1 = zc::roundToLong(f->X1());
    clip.y1 = zc::roundToLong(f->Y1());
    clip.x2 = zc::roundToLong(f->X2());
    clip.y2 = zc::roundToLong(f->y2());
    clip.coordinates = f->coordinatesText();
    clip.kind = f->ClassFigure;
    RemoveFigure(f->ControlIndex);
    d->repaintChanges();
    Q_EMIT PictureClick();
}

void Zonecraft::FigurePaste(qint32 X, qint32 Y)
{
    if (d->clipboard.kind != zc::RectangleKind)
        return;
    DrawNewRectangle(
        X, Y, d->clipboard.x2, d->clipboard.y2, QString(), QString(), false, false, false, 0, true);
}

void Zonecraft::FigureMove(qint32 Index, const QString& Coordinates)
{
    Figure* f = d->figureOrThrow(Index);
    const qint32 number = f->ControlIndex;
    const qint32 kind = f->ClassFigure;
    // Checked first: the figure is removed before it is re-created.
    FigureFactory::validateCoordinates(Coordinates, kind);
    const OLE_COLOR color = f->Color;
    const QString key = f->Key;
    const bool locked = f->Locked;
    std::unique_ptr<Figure> old = d->takeFigure(number);
    d->collectShapeInfo(old.get());
    const QString oldText = d->currentShape.Coordinates;
    ImportFigure(
        Coordinates, DrawFigure(kind), key, decimalColor(qint32(color)), locked, number, false);
    const Figure* moved = d->figures.find(number);
    d->addRecord(FigureHistory::UndoList, Figure_Move, moved ? moved->Coordinates : Coordinates,
        oldText, d->currentShape);
    d->eraseHistory(EraseRedo);
}

void Zonecraft::FigureRotate(float Degrees, qint32 Index, bool UseRedraw)
{
    Figure* f = d->figureOrThrow(Index);
    if (f->ClassFigure == zc::CircleKind || f->ClassFigure == zc::NoKind)
        return;
    // An angle that is no number would turn every vertex into one.
    if (!std::isfinite(Degrees))
        throw RuntimeError(RuntimeError::InvalidProcedureCall,
            QStringLiteral("%1 degrees is no angle").arg(double(Degrees)));
    // A rectangle turns as the polygon of its corners, under the same number.
    std::unique_ptr<Figure> corners;
    if (f->ClassFigure == zc::RectangleKind)
        corners = FigureFactory::polygonFromRectangle(*f);
    const Figure& shape = corners ? *corners : *f;
    const float w = shape.X2() - shape.X1();
    const float h = shape.y2() - shape.Y1();
    std::vector<float> dx = shape.DataX();
    std::vector<float> dy = shape.DataY();
    zc::rotateOffsets(dx, dy, Degrees, w / 2.0, h / 2.0);
    std::vector<QPointF> vertices;
    vertices.reserve(dx.size());
    for (size_t i = 1; i < dx.size(); ++i)
        vertices.emplace_back(shape.X1() + dx[i], shape.Y1() + dy[i]);
    const zc::NormalPolygon turned = zc::normalisePolygon(vertices);
    // Turned corners may reach past the range the reader accepts; the figure stays as it was.
    FigureFactory::checkPolygon(turned.x1, turned.y1, turned.dataX, turned.dataY);
    if (corners)
        f = d->replaceFigure(std::move(corners));
    f->setBox(turned.x1, turned.y1, turned.x2, turned.y2);
    f->setData(turned.dataX, turned.dataY);
    f->Coordinates = f->coordinatesText();
    d->figures.geometryChanged(f);
    if (f == d->selected)
        d->setFigureFocus(f);
    if (UseRedraw) {
        d->repaintChanges();
        d->collectShapeInfo(f);
        Q_EMIT HotspotMoved(d->currentShape);
    }
}

void Zonecraft::FigureConvert(DrawFigure NewFigure, qint32 Index)
{
    const Figure* old = d->figureOrThrow(Index);
    if (old->ClassFigure == zc::PolygonKind && NewFigure == zelpolygon)
        return;
    if (NewFigure < zelrectangle || NewFigure > zelpolygon)
        throw RuntimeError(RuntimeError::InvalidPropertyValue,
            QStringLiteral("%1 is no figure kind").arg(int(NewFigure)));
    const ShapeFigure oldShape = d->shapeOf(*old);

    auto f = std::make_unique<Figure>();
    f->ControlIndex = old->ControlIndex;
    f->ClassFigure = NewFigure;
    f->Key = old->Key;
    f->Color = old->Color;
    f->Locked = old->Locked;
    const float x1 = old->X1(), y1 = old->Y1(), x2 = old->X2(), y2 = old->y2();
    const float w = x2 - x1, h = y2 - y1;
    switch (NewFigure) {
    case zelrectangle:
        f->setBox(x1, y1, x2, y2);
        break;
    case ZELCIRCLE:
        // The circle's diameter is the old width.
        f->setBox(x1, y1, x2, y1 + w);
        break;
    case zelpolygon: {
        if (old->ClassFigure != zc::CircleKind) {
            f = FigureFactory::polygonFromRectangle(*old);
            f->Locked = old->Locked;
            break;
        }
        // A circle becomes the four middles of its box's sides.
        f->setBox(x1, y1, x2, y2);
        f->setData({ 0.0f, w / 2, 0.0f, w / 2, w }, { 0.0f, 0.0f, h / 2, h, h / 2 });
        break;
    }
    }
    f->Coordinates = f->coordinatesText();
    // A box wider than a circle can hold exactly is refused as DrawNewCircle
    // refuses it, before the old figure goes.
    FigureFactory::checkExportable(*f);
    Figure* converted = d->replaceFigure(std::move(f));
    d->repaintChanges();
    d->collectShapeInfo(converted);
    Q_EMIT HotspotMoved(d->currentShape);
    d->addRecord(FigureHistory::UndoList, Figure_Convert, oldShape.Coordinates,
        d->currentShape.Coordinates, oldShape);
}

void Zonecraft::FigureAdjustSize(FigureCord CoordinatePoint, qint32 Value, qint32 Index)
{
    Figure* f = d->figureOrThrow(Index < 0 ? 0 : Index);
    const qint32 number = f->ControlIndex;
    const float v = float(Value);
    const float x1 = f->X1(), y1 = f->Y1(), x2 = f->X2(), y2 = f->y2();
    const float w = x2 - x1, h = y2 - y1;
    float nx1 = x1, ny1 = y1, nx2 = x2, ny2 = y2;
    bool refused = false;
    switch (f->ClassFigure) {
    case zc::RectangleKind:
    case zc::CircleKind: {
        const bool circle = f->ClassFigure == zc::CircleKind;
        switch (CoordinatePoint) {
        case fig_X1:
            nx1 = v;
            nx2 = v + w;
            break;
        case fig_Y1:
            ny1 = v;
            ny2 = v + h;
            break;
        case fig_X2:
            refused = v < x1;
            nx2 = refused ? x2 : v;
            ny2 = refused || !circle ? y2 : y1 + (v - x1);
            break;
        case fig_Y2:
            refused = v < y1;
            ny2 = refused ? y2 : v;
            nx2 = refused || !circle ? x2 : x1 + (v - y1);
            break;
        }
        break;
    }
    case zc::PolygonKind:
        // The vertices move with the corner; X2 and y2 keep the old edges.
        if (CoordinatePoint == fig_X1)
            nx1 = v;
        else if (CoordinatePoint == fig_Y1)
            ny1 = v;
        break;
    default:
        break;
    }
    f->setBox(nx1, ny1, nx2, ny2);
    // A box the reader would refuse never reaches the figure: the host
    // gets the reader's error and the figure keeps its place.
    try {
        zc::FigureFactory::checkExportable(*f);
    } catch (const RuntimeError&) {
        f->setBox(x1, y1, x2, y2);
        throw;
    }
    d->figures.geometryChanged(f);
    if (refused) {
        Q_EMIT ErrorTracer(InsideOutBox);
        f = d->figures.find(number);
        if (!f)
            return;
    }
    if (f == d->selected)
        d->setFigureFocus(f);
    d->repaintChanges();
    d->collectShapeInfo(f);
    Q_EMIT HotspotMoved(d->currentShape);
}

void Zonecraft::FigureColor(qint32 HexColor, qint32 Index)
{
    Figure* f = d->figureOrThrow(Index);
    f->Color = OLE_COLOR(HexColor);
    d->figures.markChanged(f);
    d->repaintChanges();
}

void Zonecraft::FigureLock(bool LockIt)
{
    if (!d->selected)
        return;
    d->selected->Locked = LockIt;
    d->repaintChanges();
    Q_EMIT ObjectLock(LockIt);
}

void Zonecraft::SetKey(const QString& Key, qint32 Index)
{
    Figure* f = Index == 0 ? d->selected : d->figures.at(Index);
    if (f)
        f->Key = Key;
}

void Zonecraft::FigureHide(FigureVisible Choice)
{
    d->figuresVisible = Choice != Hide;
    Redraw(true);
}

void Zonecraft::Clear()
{
    const bool hadFigures = !d->figures.isEmpty();
    d->clearSelection();
    d->figures.clear();
    Redraw(true);
    if (hadFigures)
        Q_EMIT VisibleObject(false);
    Q_EMIT PictureClick();
}

void Zonecraft::ActivateHotspot(qint32 FigureIndex)
{
    if (FigureIndex == 0)
        FigureIndex = d->selectedIndex;
    Figure* f = d->figures.find(FigureIndex);
    if (!f) {
        Q_EMIT ErrorTracer(UnknownFigure);
        return;
    }
    d->select(f);
    d->repaintChanges();
    if (const Figure* now = d->figures.find(FigureIndex))
        Q_EMIT ObjectLock(now->Locked);
}

void Zonecraft::PictureGetFocus(bool CallEvent)
{
    d->engine.reset();
    d->clearSelection();
    d->repaintChanges();
    if (CallEvent)
        Q_EMIT PictureClick();
}

void Zonecraft::ChangePolygonValue(qint32 Index, QObject* Obj)
{
    // Reading the offsets changes nothing: the figure, selection and picture stay.
    Q_UNUSED(Index)
    Q_UNUSED(Obj)
}

// ---------------------------------------------------------------------------
// History

void ZonecraftPrivate::addRecord(int list, qint32 action, const QString& coordinates,
    const QString& previous, const ShapeFigure& shape)
{
    history.append(list, action, coordinates, previous, shape);
    emitHistoryStatus();
}

void ZonecraftPrivate::eraseHistory(int style)
{
    if (style == Zonecraft::EraseRedo)
        history.eraseRedo();
    emitHistoryStatus();
}

void ZonecraftPrivate::emitHistoryStatus()
{
    Q_EMIT q->HistoryStatus(history.undoReady(), history.redoReady());
}

bool ZonecraftPrivate::hasFigure(qint32 index) const
{
    return figures.contains(index);
}

void ZonecraftPrivate::removeFigure(qint32 index)
{
    q->RemoveFigure(index);
}

void ZonecraftPrivate::recreateFigure(const QString& coordinates, qint32 kind, const QString& key,
    const QString& colorText, bool locked, qint32 index)
{
    q->ImportFigure(coordinates, Zonecraft::DrawFigure(kind), key, colorText, locked, index);
}

void ZonecraftPrivate::restoreFigure(std::unique_ptr<Figure> figure)
{
    collectShapeInfo(replaceFigure(std::move(figure)));
}

void ZonecraftPrivate::historyAction(qint32 action, qint32 index, const ShapeFigure& shape)
{
    Q_EMIT q->HistoryAction(Zonecraft::HistoryActions(action), index, shape);
}

void ZonecraftPrivate::historyStatus()
{
    emitHistoryStatus();
}

void ZonecraftPrivate::stepFinished()
{
    Q_EMIT q->HotspotMoved(currentShape);
    repaintChanges();
}

void Zonecraft::Undo()
{
    try {
        if (!zc::HistoryPlayer(d->history, *d).step(FigureHistory::UndoList))
            d->emitHistoryStatus();
    } catch (const RuntimeError& e) {
        Zel::MsgBox(QStringLiteral("ERROR HAVE APPEAR---%1ERR.UNDO").arg(e.number()));
    }
}

void Zonecraft::Redo()
{
    try {
        if (!zc::HistoryPlayer(d->history, *d).step(FigureHistory::RedoList))
            d->emitHistoryStatus();
    } catch (const RuntimeError& e) {
        Zel::MsgBox(e.description() + QStringLiteral("--") + QStringLiteral("REDO.ERR"));
    }
}

void Zonecraft::ClearHistory()
{
    d->history.clear();
    d->emitHistoryStatus();
}

void Zonecraft::UpdateControl()
{
    d->emitHistoryStatus();
}
