#include "PropListSurface.h"

#include "EventGuard.h"
#include "ZelPropList_p.h"

#include <QPaintEvent>
#include <QPainter>
namespace Tabulon {

PropListSurface::PropListSurface(ZelPropListPrivate* d, QWidget* parent)
    : QWidget(parent)
    , d(d)
{
    setObjectName(QStringLiteral("iUC"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PropListSurface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    d->paintSurface(painter, event->rect());
}

void PropListSurface::mousePressEvent(QMouseEvent* event)
{
    guardEvent([&] { d->surfacePress(event); });
}

void PropListSurface::mouseMoveEvent(QMouseEvent* event)
{
    guardEvent([&] { d->surfaceMove(event); });
}

void PropListSurface::mouseReleaseEvent(QMouseEvent* event)
{
    guardEvent([&] { d->surfaceRelease(event); });
}

void PropListSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    guardEvent([&] { d->surfaceDoubleClick(event); });
}

void PropListSurface::wheelEvent(QWheelEvent* event)
{
    guardEvent([&] { d->surfaceWheel(event); });
}

} // namespace Tabulon
