#pragma once

#include <QtGlobal>
#include <common/RuntimeError.h>
#include <exception>

namespace Zel {

/// Runs an event handler's \a work so that nothing it calls (a host's slot
/// included) throws out of a Qt event handler: a failure is logged under
/// \a who and absorbed.
template<typename Work> void guardEvent(const char* who, Work&& work) noexcept
{
    try {
        work();
    } catch (const RuntimeError& e) {
        qWarning("%s: run-time error %d in an event handler: %s", who, e.number(),
            qPrintable(e.description()));
    } catch (const std::exception& e) {
        qWarning("%s: exception in an event handler: %s", who, e.what());
    } catch (...) {
        qWarning("%s: unknown exception in an event handler", who);
    }
}

} // namespace Zel
