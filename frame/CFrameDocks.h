#pragma once

#include <QObject>

namespace plovex {

class CFrameActions;
class CFrameMenus;
class CFunctionBar;
class CMainFrame;
class CParameterBar;
class CPlovexView;

// The main window's docks: the function list, on the right at first and afterwards where the
// user left it, shown or hidden as it was; below it the sliders of the parameters. Each has
// its View menu toggle and its key that goes to it.
class CFrameDocks : public QObject {
    Q_OBJECT

public:
    CFrameDocks(CMainFrame& frame, CFrameActions& actions, CFrameMenus& menus);
    // Both docks let go of the form they show, and the frame hears no more from them.
    ~CFrameDocks() override;

    // The "Functions" dock: the active graph window's functions.
    CFunctionBar* FunctionBar() const { return m_functionBar; }
    // The "Parameters" dock: the sliders of the active graph window's parameters.
    CParameterBar* ParameterBar() const { return m_parameterBar; }
    // Both docks show `view`, the active form; nullptr for none.
    void SetView(CPlovexView* view);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateFunctionBar(const CFrameActions& actions);
    void CreateParameterBar(CFrameActions& actions, CFrameMenus& menus);
    void SaveFunctionBarPlace();

    CMainFrame& m_frame;
    CFunctionBar* m_functionBar = nullptr;
    CParameterBar* m_parameterBar = nullptr;
};

} // namespace plovex
