#include "frame/CMainFrame.h"

#include "frame/CChildFrame.h"
#include "frame/CEditCommands.h"
#include "frame/CFrameActions.h"
#include "frame/CFrameDocks.h"
#include "frame/CFrameMenus.h"
#include "frame/CFrameStatusBar.h"
#include "frame/CFrameToolBar.h"
#include "frame/CParameterBar.h"
#include "frame/CPointsDlg.h"
#include "frame/CToolWindows.h"
#include "frame/FrameSettings.h"
#include "platform/RecentFileList.h"
#include "platform/StringTable.h"
#include "res/Resource.h"
#include "view/CFullScreenGraph.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <utility>

namespace plovex {
namespace {

QStringList LocalFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            files << url.toLocalFile();
    }
    return files;
}

} // namespace

CMainFrame::CMainFrame(QWidget* parent)
    : QMainWindow(parent)
    , m_mdiArea(new QMdiArea(this))
    , m_actions(new CFrameActions(*this, [this](ViewCommand command) { OnViewCommand(command); }))
    , m_menus(new CFrameMenus(*this, *m_actions))
    , m_tools(new CToolWindows(*this))
{
    setWindowTitle(LoadString(res::kStrAppTitle));
    setWindowIcon(QIcon(":/icons/plovex.svg"));

    // Fixed-size graph windows must never make the area grow: scroll instead.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        OnWindowActivated(qobject_cast<CChildFrame*>(window));
        OnUpdateFrameMenu();
        OnUpdateFrameTitle();
    });

    ConnectActions();
    // A box's own undo becomes possible as the user types, which no signal tells.
    connect(m_menus->EditMenu(), &QMenu::aboutToShow, m_edit, &CEditCommands::UpdateUndo);
    m_toolBar = new CFrameToolBar(*m_actions, this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    CreateStatusBar();
    m_docks = std::make_unique<CFrameDocks>(*this, *m_actions, *m_menus);
    OnUpdateFrameMenu();

    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, m_edit, &CEditCommands::Update);
}

CMainFrame::~CMainFrame()
{
    // The area and the graph windows outlive this part of the frame: their last signals
    // must not reach it.
    qApp->removeEventFilter(this);
    qApp->disconnect(this);
    qApp->disconnect(m_edit);
    m_mdiArea->disconnect(this);
    if (m_fullScreen)
        m_fullScreen->disconnect(this);
    // Closed windows waiting to be deleted too: the area no longer lists them.
    for (QMdiSubWindow* window : m_mdiArea->findChildren<QMdiSubWindow*>())
        window->disconnect(this);
}

void CMainFrame::ConnectActions()
{
    // The edit commands act on the text box that has the focus; Copy without selected text
    // copies the active graph's picture.
    m_edit = new CEditCommands(*this, [this] { OnViewCommand(&CPlovexView::OnCopyGraph); });
    const struct {
        int id;
        void (CEditCommands::*command)();
    } editCommands[] = {
        { res::kCmdEditCut, &CEditCommands::OnCut },
        { res::kCmdEditCopy, &CEditCommands::OnCopy },
        { res::kCmdEditPaste, &CEditCommands::OnPaste },
        { res::kCmdEditUndo, &CEditCommands::OnUndo },
        { res::kCmdEditRedo, &CEditCommands::OnRedo },
    };
    for (const auto& edit : editCommands)
        connect(Action(edit.id), &QAction::triggered, m_edit, edit.command);
    const auto on
        = [this](int id, auto handler) { connect(Action(id), &QAction::triggered, this, handler); };
    on(res::kCmdAppExit, [this] { close(); });
    // Off until the user turns it on.
    Action(res::kCmdViewGrid)->setChecked(FrameSettings::GridShown());
    connect(Action(res::kCmdViewGrid), &QAction::toggled, this, &CMainFrame::OnViewGrid);
    on(res::kCmdViewFullScreen, [this] { OnViewFullScreen(); });
    on(res::kCmdFindRoots, [this] { m_tools->FindPoints(PointSearch::Roots); });
    on(res::kCmdFindExtrema, [this] { m_tools->FindPoints(PointSearch::Extrema); });
    on(res::kCmdFindIntersections, [this] { m_tools->FindPoints(PointSearch::Intersections); });
    on(res::kCmdWindowCascade, [this] { m_placement.Cascade(); });
    on(res::kCmdWindowTile, [this] { m_placement.Tile(); });
    on(res::kCmdWindowArrange, [this] { m_placement.ArrangeIcons(); });
    on(res::kCmdUsingPlovex, [this] { m_tools->ShowHelp(); });
}

void CMainFrame::CreateStatusBar()
{
    m_statusBar = new CFrameStatusBar(this);
    setStatusBar(m_statusBar);
    // A chosen point of the Points window shows until the next prompt covers it.
    connect(&PointsWindow(), &CPointsDlg::PointChosen, m_statusBar,
        [this](const QString& text) { m_statusBar->showMessage(text); });
    connect(Action(res::kCmdViewStatusBar), &QAction::toggled, m_statusBar, &QWidget::setVisible);
}

QLabel* CMainFrame::ReadoutPane() const
{
    return m_statusBar->ReadoutPane();
}

QLabel* CMainFrame::MessagePane() const
{
    return m_statusBar->MessagePane();
}

QLabel* CMainFrame::Indicator(int stringId) const
{
    return m_statusBar->Indicator(stringId);
}

CFunctionBar* CMainFrame::FunctionBar() const
{
    return m_docks->FunctionBar();
}

CParameterBar* CMainFrame::ParameterBar() const
{
    return m_docks->ParameterBar();
}

void CMainFrame::AddChild(CChildFrame* child)
{
    m_mdiArea->addSubWindow(child);
    connect(child, &QWidget::windowTitleChanged, this, &CMainFrame::OnUpdateFrameTitle);
    connect(
        &child->GetDocument(), &CPlovexDoc::ModifiedChanged, this, &CMainFrame::OnUpdateFrameTitle);
    // Typed texts can be undone as a step of their own.
    const auto updateUndo = [this] { m_edit->UpdateUndo(); };
    connect(&child->GetDocument(), &CPlovexDoc::UndoChanged, this, updateUndo);
    connect(&child->GetDocument(), &CPlovexDoc::FunctionChanged, this, updateUndo);
    const auto update = [this] {
        OnUpdateFrameMenu();
        OnUpdateFrameTitle();
    };
    connect(child, &CChildFrame::AboutToClose, this, [this, child] {
        m_closing = child;
        m_closingWasActive = ActiveChild() == child;
    });
    connect(child, &CChildFrame::Closed, this, [this, child] { OnChildClosed(child); });
    connect(child, &CChildFrame::Closed, this, update);
    connect(child, &QObject::destroyed, this, update);
}

void CMainFrame::AttachView(CPlovexView& view)
{
    connect(&view, &CPlovexView::Readout, ReadoutPane(), &QLabel::setText);
    // Esc that stops a rendering stops Play too, which would only start the next.
    connect(
        &view, &CPlovexView::EscapePressed, m_docks->ParameterBar(), &CParameterBar::StopPlaying);
}

void CMainFrame::ActivateChild(CChildFrame* child)
{
    if (!child->isVisible())
        m_placement.Place(*child);
    child->show();
    m_mdiArea->setActiveSubWindow(child);
    OnUpdateFrameMenu();
    OnUpdateFrameTitle();
}

QList<CChildFrame*> CMainFrame::ChildFrames() const
{
    QList<CChildFrame*> children;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        // A closed window stays listed until it is deleted.
        auto* child = qobject_cast<CChildFrame*>(window);
        if (child && !child->IsClosed())
            children << child;
    }
    return children;
}

CPlovexView* CMainFrame::ActiveView() const
{
    const CChildFrame* child = ActiveChild();
    return child ? qobject_cast<CPlovexView*>(child->widget()) : nullptr;
}

CChildFrame* CMainFrame::ActiveChild() const
{
    const QList<CChildFrame*> children = ChildFrames();
    auto* current = qobject_cast<CChildFrame*>(m_mdiArea->currentSubWindow());
    if (current && children.contains(current))
        return current;
    // Without an active window (the application is in the background), the last active.
    const QList<QMdiSubWindow*> history
        = m_mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        auto* child = qobject_cast<CChildFrame*>(*it);
        if (child && children.contains(child))
            return child;
    }
    return nullptr;
}

void CMainFrame::SetRecentFiles(const RecentFileList& files)
{
    m_actions->SetRecentFiles(files);
}

void CMainFrame::SetKeyLocks(const KeyLocks& locks)
{
    m_statusBar->SetKeyLocks(locks);
}

bool CMainFrame::GridShown() const
{
    return Action(res::kCmdViewGrid)->isChecked();
}

void CMainFrame::SetCloseQuery(std::function<bool()> query)
{
    m_closeQuery = std::move(query);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_closeQuery && !m_closeQuery()) {
        event->ignore();
        return;
    }
    m_tools->HideAll();
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty())
        return;
    event->acceptProposedAction();
    activateWindow();
    emit FilesDropped(files);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (m_edit->TakeShortcut(watched, event))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::OnUpdateFrameMenu()
{
    const bool graph = !ChildFrames().isEmpty();
    // The toolbar's buttons and the keys act on the active graph.
    for (const int id : { res::kCmdFileSave, res::kCmdExportGraph, res::kCmdFilePrint,
             res::kCmdFilePrintPreview, res::kCmdViewZoomIn, res::kCmdViewZoomOut,
             res::kCmdViewReset, res::kCmdViewEqualScales, res::kCmdViewFullScreen })
        Action(id)->setEnabled(graph);
    OnUpdateViewHistory();
    m_edit->Update();
    // A window that closes hands the list to the next active one, or to none.
    m_docks->SetView(ActiveView());
    m_menus->Show(graph);
}

void CMainFrame::OnUpdateFrameTitle()
{
    const QString application = LoadString(res::kStrAppTitle);
    const CChildFrame* child = ActiveChild();
    setWindowTitle(
        child ? application + " - " + child->GetDocument().Title() + "[*]" : application);
    setWindowModified(child && child->GetDocument().IsModified());
}

void CMainFrame::OnUpdateViewHistory()
{
    const CPlovexView* view = ActiveView();
    Action(res::kCmdViewBack)->setEnabled(view && view->CanGoBack());
    Action(res::kCmdViewForward)->setEnabled(view && view->CanGoForward());
}

void CMainFrame::OnViewCommand(ViewCommand command)
{
    // On the full screen the commands act on the graph it shows.
    CPlovexView* view = m_fullScreen ? m_fullScreen->View() : ActiveView();
    if (view)
        (view->*command)();
}

void CMainFrame::OnViewFullScreen()
{
    QAction* toggle = Action(res::kCmdViewFullScreen);
    if (m_fullScreen) {
        m_fullScreen->close();
        return;
    }
    CPlovexView* view = ActiveView();
    if (!view) {
        toggle->setChecked(false);
        return;
    }
    QList<QAction*> commands;
    for (const int id :
        { res::kCmdViewZoomIn, res::kCmdViewZoomOut, res::kCmdViewReset, res::kCmdViewEqualScales,
            res::kCmdViewBack, res::kCmdViewForward, res::kCmdViewGrid, res::kCmdViewFullScreen })
        commands << Action(id);
    m_fullScreen = new CFullScreenGraph(*view, commands, this);
    connect(m_fullScreen, &QObject::destroyed, this, [this] {
        Action(res::kCmdViewFullScreen)->setChecked(false);
        activateWindow();
    });
    toggle->setChecked(true);
    m_fullScreen->ShowOver(*this);
}

void CMainFrame::OnWindowActivated(CChildFrame* child)
{
    // What the closing of a window activates on its own is not the user's choice.
    if (!child || (m_closing && m_closing->IsClosed()))
        return;
    m_activationHistory.removeAll(child);
    m_activationHistory.removeAll(nullptr);
    m_activationHistory.append(child);
}

void CMainFrame::OnChildClosed(CChildFrame* child)
{
    m_activationHistory.removeAll(child);
    m_activationHistory.removeAll(nullptr);
    const bool wasActive = m_closing == child && m_closingWasActive;
    m_closing = nullptr;
    if (!wasActive)
        return;
    // The window that was active before the closed one takes over.
    const QList<CChildFrame*> open = ChildFrames();
    for (auto it = m_activationHistory.crbegin(); it != m_activationHistory.crend(); ++it) {
        if (*it && open.contains(it->data())) {
            m_mdiArea->setActiveSubWindow(*it);
            return;
        }
    }
}

// Every form draws by the new choice from its next rendering on; the active one draws again now.
void CMainFrame::OnViewGrid(bool shown)
{
    FrameSettings::SetGridShown(shown);
    for (CChildFrame* child : ChildFrames()) {
        if (auto* view = qobject_cast<CPlovexView*>(child->widget()))
            view->m_grid = shown;
    }
    if (CPlovexView* view = m_fullScreen ? m_fullScreen->View() : ActiveView())
        view->OnViewGrid();
}

} // namespace plovex
