#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;

namespace plovex {

class CFrameActions;
class CMainFrame;

// The main window's menus: one set while no graph is open (File, View, Help), the full one
// while a graph is (File, Edit, View, Tools, Window, Help), and the Window menu's list of the
// open graph windows.
class CFrameMenus : public QObject {
    Q_OBJECT

public:
    CFrameMenus(CMainFrame& frame, const CFrameActions& actions);

    QMenu* EditMenu() const { return m_editMenu; }
    // Puts `action` into the View menu just after the item of command `id`.
    void AddToViewMenu(QAction* action, int afterId);
    // The menu bar of the set for `graph`: whether a graph window is open.
    void Show(bool graph);

private:
    QMenu* CreateFileMenu(bool graph);
    void OnUpdateWindowMenu();

    CMainFrame& m_frame;
    const CFrameActions& m_actions;
    QMenu* m_fileMenuNoDocument;
    QMenu* m_fileMenuGraph;
    QMenu* m_editMenu = nullptr;
    QMenu* m_viewMenu = nullptr;
    QMenu* m_toolsMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QList<QAction*> m_windowList;
};

} // namespace plovex
