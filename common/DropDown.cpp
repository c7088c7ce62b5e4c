#include "DropDown.h"

#include <QApplication>
#include <QFocusEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace Zel {

QPoint dropDownPosition(const QRect& control, const QSize& size, const QRect& screen)
{
    int y = control.bottom() + 1;
    if (y + size.height() > screen.bottom() + 1)
        y = control.top() - size.height();
    int x = std::min(control.left(), screen.right() + 1 - size.width());
    x = std::max(x, screen.left());
    return QPoint(x, y);
}

void placeDropDown(QWidget* popup, const QWidget* control)
{
    const QRect onScreen(control->mapToGlobal(QPoint(0, 0)), control->size());
    const QScreen* screen = QGuiApplication::screenAt(onScreen.center());
    if (!screen)
        screen = control->screen();
    const QRect area = screen ? screen->availableGeometry() : onScreen;
    popup->move(dropDownPosition(onScreen, popup->size(), area));
}

bool focusStaysWithPopup(const QFocusEvent* event, const QWidget* popup)
{
    if (event->reason() == Qt::PopupFocusReason)
        return true;
    const QWidget* now = QApplication::focusWidget();
    return popup && now && (now == popup || popup->isAncestorOf(now));
}

} // namespace Zel
