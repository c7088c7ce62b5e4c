#pragma once

#include <exception>

namespace Tabulon {

/// Runs an event handler's work so that nothing it calls (a host's slot
/// included) throws out of a Qt event handler: failures are absorbed.
template<typename Work> void guardEvent(Work&& work) noexcept
{
    try {
        work();
    } catch (...) { }
}

} // namespace Tabulon
