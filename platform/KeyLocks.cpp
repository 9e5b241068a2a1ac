#include "platform/KeyLocks.h"

#include <QGuiApplication>

// Last: Xlib defines macros (Bool, None, KeyPress) that clash with Qt's names.
#include <X11/XKBlib.h>

namespace plovex {

std::optional<KeyLocks> QueryKeyLocks()
{
    const auto* x11
        = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    const auto isOn = [display](const char* indicator) {
        Bool on = False;
        const Atom name = XInternAtom(display, indicator, False);
        return XkbGetNamedIndicator(display, name, nullptr, &on, nullptr, nullptr) && on;
    };
    return KeyLocks { isOn("Caps Lock"), isOn("Num Lock"), isOn("Scroll Lock") };
}

} // namespace plovex
