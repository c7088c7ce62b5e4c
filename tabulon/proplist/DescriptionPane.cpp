#include "DescriptionPane.h"

#include "ZelPropList_p.h"

#include <QPainter>
#include <common/EventGuard.h>
#include <common/OleColor.h>

namespace Tabulon {

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
    Zel::guardEvent("ZelPropList", [&] { d->panePress(event); });
}

void DescriptionPane::mouseMoveEvent(QMouseEvent* event)
{
    Zel::guardEvent("ZelPropList", [&] { d->paneMove(event); });
}

void DescriptionPane::mouseReleaseEvent(QMouseEvent* event)
{
    Zel::guardEvent("ZelPropList", [&] { d->paneRelease(event); });
}

} // namespace Tabulon
