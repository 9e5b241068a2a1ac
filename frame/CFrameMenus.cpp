#include "frame/CFrameMenus.h"

#include "frame/CChildFrame.h"
#include "frame/CFrameActions.h"
#include "frame/CMainFrame.h"
#include "res/Resource.h"

#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

namespace plovex {

CFrameMenus::CFrameMenus(CMainFrame& frame, const CFrameActions& actions)
    : QObject(&frame)
    , m_frame(frame)
    , m_actions(actions)
    , m_fileMenuNoDocument(CreateFileMenu(false))
    , m_fileMenuGraph(CreateFileMenu(true))
{
    const auto add = [this](QMenu* menu, std::initializer_list<int> ids) {
        for (const int id : ids)
            menu->addAction(m_actions.Action(id));
    };
    m_editMenu = new QMenu(tr("&Edit"), &m_frame);
    add(m_editMenu, { res::kCmdEditUndo, res::kCmdEditRedo });
    m_editMenu->addSeparator();
    add(m_editMenu, { res::kCmdEditCut, res::kCmdEditCopy, res::kCmdEditPaste });

    m_viewMenu = new QMenu(tr("&View"), &m_frame);
    add(m_viewMenu,
        { res::kCmdViewToolbar, res::kCmdViewStatusBar, res::kCmdViewGrid,
            res::kCmdViewFunctionList });
    m_viewMenu->addSeparator();
    add(m_viewMenu,
        { res::kCmdViewZoomIn, res::kCmdViewZoomOut, res::kCmdViewReset,
            res::kCmdViewEqualScales });
    m_viewMenu->addSeparator();
    add(m_viewMenu, { res::kCmdViewBack, res::kCmdViewForward });
    m_viewMenu->addSeparator();
    add(m_viewMenu, { res::kCmdViewFullScreen });

    m_toolsMenu = new QMenu(tr("&Tools"), &m_frame);
    add(m_toolsMenu, { res::kCmdFindRoots, res::kCmdFindExtrema, res::kCmdFindIntersections });
    m_toolsMenu->addSeparator();
    add(m_toolsMenu, { res::kCmdTableOfValues });

    m_windowMenu = new QMenu(tr("&Window"), &m_frame);
    add(m_windowMenu,
        { res::kCmdWindowNew, res::kCmdWindowCascade, res::kCmdWindowTile,
            res::kCmdWindowArrange });
    connect(m_windowMenu, &QMenu::aboutToShow, this, &CFrameMenus::OnUpdateWindowMenu);

    m_helpMenu = new QMenu(tr("&Help"), &m_frame);
    add(m_helpMenu, { res::kCmdUsingPlovex, res::kCmdAppAbout });
}

QMenu* CFrameMenus::CreateFileMenu(bool graph)
{
    auto* menu = new QMenu(tr("&File"), &m_frame);
    menu->addAction(m_actions.Action(res::kCmdFileNew));
    menu->addAction(m_actions.Action(res::kCmdFileOpen));
    if (graph) {
        for (const int id :
            { res::kCmdFileClose, res::kCmdFileSave, res::kCmdFileSaveAs, res::kCmdExportGraph })
            menu->addAction(m_actions.Action(id));
        menu->addSeparator();
        menu->addAction(m_actions.Action(res::kCmdFilePrint));
        menu->addAction(m_actions.Action(res::kCmdFilePrintPreview));
    }
    menu->addSeparator();
    menu->addAction(m_actions.RecentPlaceholder());
    menu->addActions(m_actions.RecentFiles());
    menu->addSeparator();
    menu->addAction(m_actions.Action(res::kCmdAppExit));
    return menu;
}

void CFrameMenus::AddToViewMenu(QAction* action, int afterId)
{
    const QList<QAction*> items = m_viewMenu->actions();
    const qsizetype after = items.indexOf(m_actions.Action(afterId));
    m_viewMenu->insertAction(items.value(after + 1), action);
}

void CFrameMenus::Show(bool graph)
{
    QMenuBar* bar = m_frame.menuBar();
    const QMenu* file = graph ? m_fileMenuGraph : m_fileMenuNoDocument;
    const QList<QAction*> current = bar->actions();
    if (!current.isEmpty() && current.first() == file->menuAction())
        return;
    bar->clear();
    bar->addMenu(graph ? m_fileMenuGraph : m_fileMenuNoDocument);
    if (graph)
        bar->addMenu(m_editMenu);
    bar->addMenu(m_viewMenu);
    if (graph) {
        bar->addMenu(m_toolsMenu);
        bar->addMenu(m_windowMenu);
    }
    bar->addMenu(m_helpMenu);
}

void CFrameMenus::OnUpdateWindowMenu()
{
    qDeleteAll(m_windowList);
    m_windowList.clear();
    const QList<CChildFrame*> children = m_frame.ChildFrames();
    if (children.isEmpty())
        return;
    m_windowList << m_windowMenu->addSeparator();
    const CChildFrame* active = m_frame.ActiveChild();
    for (int i = 0; i < children.size(); ++i) {
        CChildFrame* child = children[i];
        QAction* entry = m_windowMenu->addAction(
            QString("&%1 %2").arg(i + 1).arg(QString(child->Title()).replace("&", "&&")));
        entry->setCheckable(true);
        entry->setChecked(child == active);
        connect(entry, &QAction::triggered, this, [this, child] {
            if (child->isMinimized())
                child->showNormal();
            m_frame.MdiArea()->setActiveSubWindow(child);
        });
        m_windowList << entry;
    }
}

} // namespace plovex
