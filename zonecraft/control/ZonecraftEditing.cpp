// The control's side of mouse and keyboard editing: the work picture's
// input goes to the editing engine, and the engine's requests come back
// here as figure operations, repaints and events.

#include "../figures/NumberFormat.h"
#include "Zonecraft.h"
#include "Zonecraft_p.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <common/EventGuard.h>
#include <common/HostInput.h>
#include <common/MousePointer.h>
#include <common/PictureBox.h>

using zc::Figure;
using zc::FigureHistory;

namespace {

/// Hands the keys of the focused control to the editing engine before Qt
/// uses Tab for focus changes or a host's shortcut takes an arrow key, and
/// the second press of a double click, which the work picture reports only
/// as DblClick.
class KeyWatch : public QObject
{
public:
    explicit KeyWatch(ZonecraftPrivate* d)
        : d(d)
    { }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick && watched == d->workPicture) {
            // The second press of a double click is a press too: quick
            // clicks each place a polygon point.
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QPointF at = mouse->position();
            Zel::guardEvent("Zonecraft", [&] {
                d->engine.press(
                    Zel::hostButton(mouse->button()), Zel::hostShift(mouse->modifiers()), at);
            });
            return false;
        }
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::ShortcutOverride) {
            if (!wanted(key->key()))
                return false;
            event->accept();
            return true;
        }
        if (!d->engine.key(key->key(), key->modifiers()))
            return false;
        event->accept();
        return true;
    }

private:
    // Keys the engine would use now, so a host's shortcut does not take them first.
    bool wanted(int key) const
    {
        if (!d->designMode())
            return false;
        if (key == Qt::Key_Escape)
            return d->engine.state() != zc::EditingEngine::State::Idle;
        const bool editingKey = key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up
            || key == Qt::Key_Down || key == Qt::Key_Delete;
        return editingKey && d->selectedIndex != 0
            && d->engine.state() == zc::EditingEngine::State::Idle;
    }

    ZonecraftPrivate* const d;
};

} // namespace

void ZonecraftPrivate::connectEditing()
{
    PictureBox* picture = workPicture;
    QObject::connect(
        picture, &PictureBox::MouseDown, q, [this](int button, int shift, float x, float y) {
            engine.press(qint16(button), qint16(shift), QPointF(x, y));
        });
    QObject::connect(
        picture, &PictureBox::MouseMove, q, [this](int buttons, int shift, float x, float y) {
            engine.move(qint16(buttons), qint16(shift), QPointF(x, y));
        });
    QObject::connect(
        picture, &PictureBox::MouseUp, q, [this](int button, int shift, float x, float y) {
            engine.release(qint16(button), qint16(shift), QPointF(x, y));
        });
    // Refresh and Cls restore the screen layer: the marks on it are gone.
    QObject::connect(picture, &PictureBox::Paint, q, [this] { ++screenRestores; });
    keyWatch = std::make_unique<KeyWatch>(this);
    for (QObject* watched : { static_cast<QObject*>(q), static_cast<QObject*>(picture3),
             static_cast<QObject*>(picture) })
        watched->installEventFilter(keyWatch.get());
}

QRect ZonecraftPrivate::reachOf(const Figure& figure) const
{
    const zc::FigurePainter painter(paintSettings());
    return painter.figureReach(figure).united(
        painter.handlesReach(figure, zc::selectionBoxOf(figure, zoomFactor())));
}

// ---------------------------------------------------------------------------
// zc::EditingHost

float ZonecraftPrivate::snapTo(double screenValue)
{
    snapping = true;
    return zc::snapTo(screenValue, zoomFactor());
}

void ZonecraftPrivate::setOperatingMode(int mode)
{
    figureToDraw = Zonecraft::OperatingMode(mode);
}

qint32 ZonecraftPrivate::figureSize() const
{
    return ZonecraftSharedSettings::instance().figureSize;
}

qint32 ZonecraftPrivate::figureAt(QPointF picturePoint) const
{
    const Figure* f = figures.figureAt(float(picturePoint.x()), float(picturePoint.y()));
    return f ? f->ControlIndex : 0;
}

qint32 ZonecraftPrivate::neighbourFigure(qint32 number, int step) const
{
    const int count = figures.count();
    if (count == 0)
        return 0;
    const int position = figures.positionOf(figures.find(number));
    int next = 0;
    if (position == 0)
        next = step > 0 ? 1 : count;
    else
        next = (position - 1 + step % count + count) % count + 1;
    return figures.at(next)->ControlIndex;
}

void ZonecraftPrivate::selectFigure(qint32 number)
{
    select(figures.find(number));
}

void ZonecraftPrivate::activateFigure(qint32 number)
{
    q->ActivateHotspot(number);
}

void ZonecraftPrivate::geometryChanged(qint32 number)
{
    Figure* f = figures.find(number);
    if (!f)
        return;
    figures.geometryChanged(f);
    if (f == selected)
        setFigureFocus(f);
}

void ZonecraftPrivate::prepareRotation(qint32 number)
{
    const Figure* f = figures.find(number);
    if (!f || f->ClassFigure != zc::RectangleKind)
        return;
    // Choosing the rotation tool must not unlock a figure.
    std::unique_ptr<Figure> polygon = zc::FigureFactory::polygonFromRectangle(*f);
    polygon->Locked = f->Locked;
    replaceFigure(std::move(polygon));
}

void ZonecraftPrivate::rotateFigure(qint32 number, float degrees)
{
    q->FigureRotate(degrees, number, false);
}

void ZonecraftPrivate::deleteFigure(qint32 number)
{
    q->DeleteFigure(number);
}

qint32 ZonecraftPrivate::createRectangle(qint32 x1, qint32 y1, qint32 x2, qint32 y2)
{
    const qint32 number = figures.nextFreeNumber();
    q->DrawNewRectangle(x1, y1, x2, y2);
    return figures.contains(number) ? number : 0;
}

qint32 ZonecraftPrivate::createCircle(qint32 cx, qint32 cy, qint32 radius)
{
    const qint32 number = figures.nextFreeNumber();
    q->DrawNewCircle(cx, cy, radius);
    return figures.contains(number) ? number : 0;
}

qint32 ZonecraftPrivate::createPolygon(const QString& points)
{
    const qint32 number = figures.nextFreeNumber();
    q->DrawNewPolygon(points);
    return figures.contains(number) ? number : 0;
}

void ZonecraftPrivate::collectShape(qint32 number)
{
    if (Figure* f = figures.find(number))
        collectShapeInfo(f);
}

QString ZonecraftPrivate::coordinatesOf(qint32 number) const
{
    const Figure* f = figures.find(number);
    return f ? f->coordinatesText() : QString();
}

void ZonecraftPrivate::recordAdd(qint32 number)
{
    const Figure* f = figures.find(number);
    if (!f)
        return;
    const ShapeFigure shape = shapeOf(*f);
    addRecord(FigureHistory::UndoList, Zonecraft::Figure_Add, shape.Coordinates,
        QStringLiteral("0"), shape);
    // Redoing an older record now could clash with the new figure's number.
    eraseHistory(Zonecraft::EraseRedo);
}

void ZonecraftPrivate::recordMove(qint32 number, const QString& previous)
{
    const Figure* f = figures.find(number);
    if (!f)
        return;
    const ShapeFigure shape = shapeOf(*f);
    addRecord(FigureHistory::UndoList, Zonecraft::Figure_Move, shape.Coordinates, previous, shape);
    eraseHistory(Zonecraft::EraseRedo);
}

PictureBox& ZonecraftPrivate::surface()
{
    flushPaint();
    return *workPicture;
}

void ZonecraftPrivate::repaintFigures(const QRect& damaged)
{
    if (damaged.isEmpty()) {
        q->Redraw(true);
        return;
    }
    // Figures that only changed their look (hidden while dragged) are not
    // known to the collection's change list: their reach is named here.
    const double zoom = zoomFactor();
    damageArea(QRectF(
        damaged.x() / zoom, damaged.y() / zoom, damaged.width() / zoom, damaged.height() / zoom));
    repaintChanges();
}

QRect ZonecraftPrivate::figureReach(qint32 number) const
{
    const Figure* f = figures.find(number);
    return f ? reachOf(*f) : QRect();
}

void ZonecraftPrivate::setPointer(qint16 pointer)
{
    workPicture->setMousePointer(pointer);
}

qint16 ZonecraftPrivate::handlePointer(int handleCode) const
{
    return handlePointers[size_t(std::clamp(handleCode, 0, int(handlePointers.size()) - 1))];
}

void ZonecraftPrivate::confineMouse(bool confine)
{
    // Qt has no cursor clipping: the engine holds positions inside the
    // picture, and the grab keeps the moves coming from outside it.
    if (confine && workPicture->isVisible())
        workPicture->grabMouse();
    else if (!confine && QWidget::mouseGrabber() == workPicture)
        workPicture->releaseMouse();
}

void ZonecraftPrivate::previewPointer(QPointF screenPoint, bool click, qint16 button)
{
    if (click)
        preview->mouseReleased(screenPoint, button);
    else
        preview->mouseMoved(screenPoint);
}

void ZonecraftPrivate::notify(Notice notice)
{
    switch (notice) {
    case Notice::DrawCancel:
        Q_EMIT q->DrawCancel();
        break;
    case Notice::PictureClick:
        Q_EMIT q->PictureClick();
        break;
    case Notice::MovingStart:
        Q_EMIT q->MovingStart();
        break;
    case Notice::MovingFinished:
        Q_EMIT q->MovingFinished();
        break;
    case Notice::RotateStart:
        Q_EMIT q->RotateStart();
        break;
    case Notice::RotateMove:
        Q_EMIT q->RotateMove();
        break;
    case Notice::RotateFinished:
        Q_EMIT q->RotateFinished();
        break;
    case Notice::PointDragStart:
        Q_EMIT q->PointDragStart();
        break;
    case Notice::PointDragFinished:
        Q_EMIT q->PointDragFinished();
        break;
    case Notice::PointAddStart:
        Q_EMIT q->PointAddStart();
        break;
    case Notice::PointAddEnd:
        Q_EMIT q->PointAddEnd();
        break;
    }
}

void ZonecraftPrivate::notifyBox(BoxNotice notice, qint32 x1, qint32 y1, qint32 x2, qint32 y2)
{
    switch (notice) {
    case BoxNotice::EditingStart:
        Q_EMIT q->EditingStart(x1, y1, x2, y2);
        break;
    case BoxNotice::FigureXY:
        Q_EMIT q->FigureXY(x1, y1, x2, y2);
        break;
    case BoxNotice::MoveHotspot:
        Q_EMIT q->MoveHotspot(x1, y1, x2, y2);
        break;
    }
}

void ZonecraftPrivate::notifyShape(ShapeNotice notice)
{
    // A copy: a handler that collects another figure must not change what it was given.
    const ShapeFigure shape = currentShape;
    switch (notice) {
    case ShapeNotice::DrawFinished:
        Q_EMIT q->DrawFinished(shape);
        break;
    case ShapeNotice::HotspotActivate:
        Q_EMIT q->HotspotActivate(shape);
        break;
    case ShapeNotice::HotspotMoved:
        Q_EMIT q->HotspotMoved(shape);
        break;
    }
}

void ZonecraftPrivate::hotspotClick(qint16 button, qint32 index, float x, float y)
{
    Q_EMIT q->HotspotClick(button, index, x, y);
}

void ZonecraftPrivate::objectLock(bool locked)
{
    Q_EMIT q->ObjectLock(locked);
}

void ZonecraftPrivate::rotateAngle(qint32 degrees)
{
    Q_EMIT q->RotateAngle(QVariant(degrees));
}

// ---------------------------------------------------------------------------
// Zonecraft

void Zonecraft::RotateFigure(qint16 Button, float X, float Y)
{
    d->engine.rotateStep(Button, X, Y);
}
