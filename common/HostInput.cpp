#include "HostInput.h"

namespace Zel {

namespace {

struct KeyCodePair
{
    int qtKey;
    qint16 hostCode;
};

// The Qt keys, other than letters, digits and function keys, that the host has a code for.
constexpr KeyCodePair HostKeyCodes[] = {
    { Qt::Key_Backspace, 0x08 },
    { Qt::Key_Tab, 0x09 },
    { Qt::Key_Backtab, 0x09 },
    { Qt::Key_Clear, 0x0C },
    { Qt::Key_Return, 0x0D },
    { Qt::Key_Enter, 0x0D },
    { Qt::Key_Shift, 0x10 },
    { Qt::Key_Control, 0x11 },
    { Qt::Key_Alt, 0x12 },
    { Qt::Key_Pause, 0x13 },
    { Qt::Key_CapsLock, 0x14 },
    { Qt::Key_Escape, 0x1B },
    { Qt::Key_Space, 0x20 },
    { Qt::Key_PageUp, 0x21 },
    { Qt::Key_PageDown, 0x22 },
    { Qt::Key_End, 0x23 },
    { Qt::Key_Home, 0x24 },
    { Qt::Key_Left, 0x25 },
    { Qt::Key_Up, 0x26 },
    { Qt::Key_Right, 0x27 },
    { Qt::Key_Down, 0x28 },
    { Qt::Key_Insert, 0x2D },
    { Qt::Key_Delete, 0x2E },
    { Qt::Key_Semicolon, 0xBA },
    { Qt::Key_Plus, 0xBB },
    { Qt::Key_Equal, 0xBB },
    { Qt::Key_Comma, 0xBC },
    { Qt::Key_Minus, 0xBD },
    { Qt::Key_Period, 0xBE },
    { Qt::Key_Slash, 0xBF },
    { Qt::Key_QuoteLeft, 0xC0 },
    { Qt::Key_BracketLeft, 0xDB },
    { Qt::Key_Backslash, 0xDC },
    { Qt::Key_BracketRight, 0xDD },
    { Qt::Key_Apostrophe, 0xDE },
};

} // namespace

qint16 hostButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

qint16 hostButtons(Qt::MouseButtons buttons)
{
    return qint16((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
        | (buttons & Qt::MiddleButton ? 4 : 0));
}

qint16 hostShift(Qt::KeyboardModifiers modifiers)
{
    return qint16((modifiers & Qt::ShiftModifier ? 1 : 0)
        | (modifiers & Qt::ControlModifier ? 2 : 0) | (modifiers & Qt::AltModifier ? 4 : 0));
}

qint16 hostKeyCode(int key)
{
    // Letters and digits keep their character codes; the host numbers F1..F24 from 0x70.
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return qint16(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return qint16(0x70 + (key - Qt::Key_F1));
    for (const KeyCodePair& pair : HostKeyCodes) {
        if (pair.qtKey == key)
            return pair.hostCode;
    }
    return 0;
}

} // namespace Zel
