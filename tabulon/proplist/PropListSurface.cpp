#include "PropListSurface.h"

#include "ZelPropList_p.h"

#include <QPaintEvent>
#include <QPainter>
#include <common/EventGuard.h>

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
    Zel::guardEvent("ZelPropList", [&] { d->surfacePress(event); });
}

void PropListSurface::mouseMoveEvent(QMouseEvent* event)
{
    Zel::guardEvent("ZelPropList", [&] { d->surfaceMove(event); });
}

void PropListSurface::mouseReleaseEvent(QMouseEvent* event)
{
    Zel::guardEvent("ZelPropList", [&] { d->surfaceRelease(event); });
}

void PropListSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    Zel::guardEvent("ZelPropList", [&] { d->surfaceDoubleClick(event); });
}

void PropListSurface::wheelEvent(QWheelEvent* event)
{
    Zel::guardEvent("ZelPropList", [&] { d->surfaceWheel(event); });
}

} // namespace Tabulon
