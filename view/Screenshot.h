#pragma once

class QWidget;

namespace plovex {

// For `make screenshot` only: when PLOVEX_SCREENSHOT names a PNG file, plots x*sin(x) at
// quality 50 in the first graph form of `window` once the event loop runs, as a user would
// through the controls, writes the window's picture to that file and quits. Does nothing
// otherwise.
void ScheduleScreenshot(QWidget& window);

} // namespace plovex
