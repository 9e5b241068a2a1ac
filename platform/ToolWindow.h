#pragma once

class QWidget;

namespace plovex {

// Shows `window`, a tool window of its parent's window: the window manager keeps it above
// that window, yet it stays outside that window's modal chain, so a dialog over the parent
// leaves it usable.
void ShowToolWindow(QWidget& window);

} // namespace plovex
