#pragma once

#include <common/RuntimeError.h>
#include <functional>

/// The RuntimeError number \a call throws, 0 when it returns.
inline int errorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const RuntimeError& error) {
        return error.number();
    }
    return 0;
}
