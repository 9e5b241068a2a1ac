#pragma once

#include "render/PointFinder.h"

#include <QObject>

namespace plovex {

class CHelpDlg;
class CMainFrame;
class CPointsDlg;

// The windows that stand beside the main window: the help window (Help > Using Plovex), and
// the Points window, where Tools > Find Roots, Find Extrema and Find Intersections list what
// they find on the active graph's function as the last rendering drew it.
class CToolWindows : public QObject {
    Q_OBJECT

public:
    explicit CToolWindows(CMainFrame& frame);

    CHelpDlg& HelpWindow() const { return *m_helpWindow; }
    CPointsDlg& PointsWindow() const { return *m_pointsWindow; }

    void ShowHelp();
    // The points of `kinds` of the active graph's function, with a sentence that says what was
    // looked for, where, and how many were found.
    void FindPoints(PointSearch kinds);
    // Both go when the main window closes.
    void HideAll();

private:
    CMainFrame& m_frame;
    CHelpDlg* m_helpWindow;
    CPointsDlg* m_pointsWindow;
};

} // namespace plovex
