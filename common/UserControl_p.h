#pragma once

#include "StdFont.h"

/// The state UserControl keeps for every control, out of the installed
/// header so it can grow without changing the size of a control.
class UserControlPrivate
{
public:
    bool userMode = true;
    bool dirty = false;
    StdFont ambientFont;
};
