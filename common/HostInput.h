#pragma once

#include <Qt>
#include <QtGlobal>
#include <common/zelcommon_export.h>

/// Qt's mouse buttons, modifiers and keys in the numbers the host's mouse and
/// key events carry.
namespace Zel {

/// The host's number of one mouse button: 1 left, 2 right, 4 middle, 0 other.
ZELCOMMON_EXPORT qint16 hostButton(Qt::MouseButton button);
/// The host's bit set of the held mouse buttons (1 left, 2 right, 4 middle).
ZELCOMMON_EXPORT qint16 hostButtons(Qt::MouseButtons buttons);
/// The host's shift state: 1 Shift, 2 Ctrl, 4 Alt, added together.
ZELCOMMON_EXPORT qint16 hostShift(Qt::KeyboardModifiers modifiers);
/// The host's virtual key code of a Qt key; 0 for keys it has no code for.
ZELCOMMON_EXPORT qint16 hostKeyCode(int key);

} // namespace Zel
