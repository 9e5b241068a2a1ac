#include "platform/ToolWindow.h"

#include <QWidget>
#include <QWindow>

namespace plovex {

void ShowToolWindow(QWidget& window)
{
    window.winId();
    QWindow* handle = window.windowHandle();
    const QWidget* owner = window.parentWidget() ? window.parentWidget()->window() : nullptr;
    if (owner) {
        // The window system learns the owner when the window is shown...
        owner->winId();
        handle->setTransientParent(owner->windowHandle());
    }
    window.show();
    window.raise();
    window.activateWindow();
    // ...and keeps it; Qt's modality follows the owner chain, which ends here. A dialog
    // that is modal to the owner then blocks the owner alone.
    handle->setTransientParent(nullptr);
}

} // namespace plovex
