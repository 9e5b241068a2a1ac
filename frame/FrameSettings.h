#pragma once

#include <QByteArray>
#include <Qt>

namespace plovex {

// The main window's choices kept across runs in the settings file, beside the recent-file list:
// the grid, and where the function list was docked, whether it floated (and where) and whether
// it showed.
class FrameSettings {
public:
    struct DockPlace {
        Qt::DockWidgetArea area = Qt::RightDockWidgetArea;
        bool floating = false;
        // The floating list's place and size.
        QByteArray geometry;
    };

    // Off until the user turns it on.
    static bool GridShown();
    static void SetGridShown(bool shown);
    // On the right, docked, until the user moves it.
    static DockPlace FunctionListPlace();
    static void SetFunctionListPlace(const DockPlace& place);
    // Shown until the user hides it.
    static bool FunctionListShown();
    static void SetFunctionListShown(bool shown);
};

} // namespace plovex
