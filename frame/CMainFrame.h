#pragma once

#include "frame/CFrameActions.h"
#include "frame/CToolWindows.h"
#include "frame/CWindowPlacement.h"
#include "platform/KeyLocks.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>

class QLabel;
class QMdiArea;

namespace plovex {

class CChildFrame;
class CEditCommands;
class CFrameDocks;
class CFrameMenus;
class CFrameStatusBar;
class CFullScreenGraph;
class CFunctionBar;
class CParameterBar;
class CHelpDlg;
class CPointsDlg;
class CPlovexView;
class RecentFileList;

// The main window: the graph windows in a multiple-document area, which one is active and
// which was before it, the title and menus that follow it, the grid and full screen that act on
// every graph; and the parts it owns and wires: the actions, menus, toolbar, status bar, docks,
// tool windows, the Edit commands and the graph windows' places.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kRecentFileCount = CFrameActions::kRecentFileCount;

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    QMdiArea* MdiArea() const { return m_mdiArea; }
    CHelpDlg& HelpWindow() const { return m_tools->HelpWindow(); }
    CPointsDlg& PointsWindow() const { return m_tools->PointsWindow(); }
    // The precise position of the pointer over a graph: "x = 1.25, y = -0.375".
    QLabel* ReadoutPane() const;
    QToolBar* ToolBar() const { return m_toolBar; }
    QLabel* MessagePane() const;
    QLabel* Indicator(int stringId) const;
    // The "Functions" dock: the active graph window's functions.
    CFunctionBar* FunctionBar() const;
    // The "Parameters" dock: the sliders of the active graph window's parameters.
    CParameterBar* ParameterBar() const;

    // The action behind command `id`: a menu item, toolbar button or accelerator.
    QAction* Action(int id) const { return m_actions->Action(id); }

    // Takes `child` into the document area, still hidden.
    void AddChild(CChildFrame* child);
    // The form of a new graph window: its pointer readout goes to the status bar.
    void AttachView(CPlovexView& view);
    // Shows the new window `child` inside the visible area, cascaded from the last one, and
    // makes it the active graph window.
    void ActivateChild(CChildFrame* child);
    // The open graph windows, in the order they were opened.
    QList<CChildFrame*> ChildFrames() const;
    // The graph window that document commands act on; nullptr when none is open.
    CChildFrame* ActiveChild() const;
    // The form of the active graph window; nullptr when none is open.
    CPlovexView* ActiveView() const;

    // The File menu's recent-file entries.
    void SetRecentFiles(const RecentFileList& files);
    void SetKeyLocks(const KeyLocks& locks);

    // View > Grid: whether graph windows draw the grid and tick labels.
    bool GridShown() const;
    // Back and Forward follow the active graph's view history.
    void OnUpdateViewHistory();

    // Asked before the main window closes (Exit, the close box); false keeps it open.
    void SetCloseQuery(std::function<bool()> query);

signals:
    // Local files dropped on the window, to be opened as documents.
    void FilesDropped(const QStringList& paths);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectActions();
    void CreateStatusBar();

    void OnUpdateFrameMenu();
    void OnUpdateFrameTitle();
    void OnViewCommand(ViewCommand command);
    void OnWindowActivated(CChildFrame* child);
    void OnChildClosed(CChildFrame* child);
    void OnViewGrid(bool shown);
    // View > Full Screen Graph: the active graph on the whole screen, or back from it.
    void OnViewFullScreen();

    QMdiArea* m_mdiArea;
    CFrameActions* m_actions;
    CFrameMenus* m_menus;
    CToolWindows* m_tools;
    CFrameStatusBar* m_statusBar = nullptr;
    std::unique_ptr<CFrameDocks> m_docks;
    CEditCommands* m_edit = nullptr;
    CWindowPlacement m_placement { *this };
    QToolBar* m_toolBar = nullptr;
    // The graph windows, most recently active last.
    QList<QPointer<CChildFrame>> m_activationHistory;
    // The window being closed, and whether it was the active one.
    QPointer<CChildFrame> m_closing;
    bool m_closingWasActive = false;
    std::function<bool()> m_closeQuery;
    QPointer<CFullScreenGraph> m_fullScreen;
};

} // namespace plovex
