#include "PropListSurface.h"

#include "ZelPropList_p.h"

#include <QPaintEvent>
#include <QPainter>
#include <common/OleColor.h>

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
    d->surfacePress(event);
}

void PropListSurface::mouseMoveEvent(QMouseEvent* event)
{
    d->surfaceMove(event);
}

void PropListSurface::mouseReleaseEvent(QMouseEvent* event)
{
    d->surfaceRelease(event);
}

void PropListSurface::mouseDoubleClickEvent(QMouseEvent* event)
{
    d->surfaceDoubleClick(event);
}

void PropListSurface::wheelEvent(QWheelEvent* event)
{
    d->surfaceWheel(event);
}

DescriptionPane::DescriptionPane(ZelPropListPrivate* d, QWidget* parent)
    : QWidget(parent)
    , d(d)
{
    setObjectName(QStringLiteral("Picture3"));
}

void DescriptionPane::paintEvent(QPaintEvent*)
{
    // A one-pixel frame in button shadow around the description area.
    QPainter painter(this);
    painter.setPen(Zel::toQColor(Zel::ButtonShadowColor));
    painter.drawRect(2, 1, width() - 5, height() - 3);
}

void DescriptionPane::mousePressEvent(QMouseEvent* event)
{
    d->panePress(event);
}

void DescriptionPane::mouseMoveEvent(QMouseEvent* event)
{
    d->paneMove(event);
}

void DescriptionPane::mouseReleaseEvent(QMouseEvent* event)
{
    d->paneRelease(event);
}

} // namespace Tabulon
