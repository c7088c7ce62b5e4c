#include "MousePointer.h"

#include <QGuiApplication>
#include <QPixmap>

namespace Zel {

namespace {

/// The Qt shape of a standard pointer; the host's "icon" pointer has no Qt
/// counterpart and shows the arrow.
Qt::CursorShape shapeForPointer(qint16 pointer)
{
    switch (pointer) {
    case PointerCross:
        return Qt::CrossCursor;
    case PointerIBeam:
        return Qt::IBeamCursor;
    case PointerSize:
    case PointerSizeAll:
        return Qt::SizeAllCursor;
    case PointerSizeNESW:
        return Qt::SizeBDiagCursor;
    case PointerSizeNS:
        return Qt::SizeVerCursor;
    case PointerSizeNWSE:
        return Qt::SizeFDiagCursor;
    case PointerSizeWE:
        return Qt::SizeHorCursor;
    case PointerUpArrow:
        return Qt::UpArrowCursor;
    case PointerHourglass:
        return Qt::WaitCursor;
    case PointerNoDrop:
        return Qt::ForbiddenCursor;
    case PointerArrowHourglass:
        return Qt::BusyCursor;
    case PointerArrowQuestion:
        return Qt::WhatsThisCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

bool isValidMousePointer(qint16 pointer)
{
    return (pointer >= PointerDefault && pointer <= PointerSizeAll) || pointer == PointerCustom;
}

QCursor cursorForPointer(qint16 pointer, const StdPicture& customIcon)
{
    if (pointer == PointerCustom) {
        // A pixmap needs a GUI application; without one the arrow stands in.
        if (customIcon.isNull() || !qGuiApp)
            return QCursor(Qt::ArrowCursor);
        return QCursor(QPixmap::fromImage(customIcon.image()));
    }
    return QCursor(shapeForPointer(pointer));
}

} // namespace Zel
