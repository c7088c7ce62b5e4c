#pragma once

#include "StdPicture.h"

#include <QCursor>
#include <QtGlobal>
#include <common/zelcommon_export.h>

namespace Zel {

/// The host's mouse pointer numbers.
enum MousePointer : qint16 {
    PointerDefault = 0,
    PointerArrow = 1,
    PointerCross = 2,
    PointerIBeam = 3,
    PointerIcon = 4,
    PointerSize = 5,
    PointerSizeNESW = 6,
    PointerSizeNS = 7,
    PointerSizeNWSE = 8,
    PointerSizeWE = 9,
    PointerUpArrow = 10,
    PointerHourglass = 11,
    PointerNoDrop = 12,
    PointerArrowHourglass = 13,
    PointerArrowQuestion = 14,
    PointerSizeAll = 15,
    PointerCustom = 99,
};

/// True for the numbers above.
ZELCOMMON_EXPORT bool isValidMousePointer(qint16 pointer);
/// The cursor for a pointer number; 99 uses \a customIcon (the arrow when it
/// is empty). Unknown numbers give the arrow.
ZELCOMMON_EXPORT QCursor cursorForPointer(qint16 pointer, const StdPicture& customIcon = {});

} // namespace Zel
