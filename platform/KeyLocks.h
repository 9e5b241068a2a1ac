#pragma once

#include <optional>

namespace plovex {

// The keyboard's lock keys, as the status bar's CAP, NUM and SCRL indicators show them.
struct KeyLocks {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;

    friend bool operator==(const KeyLocks&, const KeyLocks&) = default;
};

// The lock states as the windowing system reports them; empty where it cannot tell (the
// offscreen platform, Wayland).
std::optional<KeyLocks> QueryKeyLocks();

} // namespace plovex
