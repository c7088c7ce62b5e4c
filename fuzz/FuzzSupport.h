#pragma once

// What every fuzz target shares: the application object, dialogs that never
// block, the decoding of an input and the check that turns a broken promise
// into a finding.

#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>

namespace ZelFuzz {

/// Creates the application object on the first call (offscreen when no
/// platform is named), pins the C locale and replaces the modal dialogs by
/// hooks that record instead of waiting for a user.
void ensureApplication();

/// The prompts the message-box hook has seen since the last call.
QStringList takeMessages();

/// The input as text: UTF-8, bytes that are no UTF-8 becoming U+FFFD.
QString text(const uint8_t* data, size_t size);

/// Describes the broken check and aborts, which libFuzzer records as a
/// finding and the replay test as a failure.
[[noreturn]] void fail(const char* file, int line, const QString& what);

/// \a text quoted for a failure message, control characters escaped and
/// long texts cut.
QString quoted(const QString& text);

} // namespace ZelFuzz

#define ZEL_FUZZ_CHECK(condition, what)                                                            \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ZelFuzz::fail(__FILE__, __LINE__, QStringLiteral(#condition " -- ") + (what));         \
    } while (false)
