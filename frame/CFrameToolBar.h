#pragma once

#include <QToolBar>

namespace plovex {

class CFrameActions;

// The main window's toolbar: the file, edit and print commands, the navigation the desktop's
// theme has pictures for, and About. View > Toolbar shows and hides it.
class CFrameToolBar : public QToolBar {
    Q_OBJECT

public:
    CFrameToolBar(const CFrameActions& actions, QWidget* parent);
};

} // namespace plovex
