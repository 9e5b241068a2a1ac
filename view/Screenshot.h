#pragma once

class QWidget;

namespace plovex {

// For `make screenshot` only: when PLOVEX_SCREENSHOT names a PNG file, once the event loop
// runs, plots x*sin(x) at quality 50 in the first graph form of the main window `window`,
// opens a second graph with an implicit curve, the help window and the first graph's context
// menu, as a user would through the controls and menus, writes the screen's picture to that file
// and quits. Does nothing otherwise.
void ScheduleScreenshot(QWidget& window);

} // namespace plovex
