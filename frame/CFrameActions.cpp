#include "frame/CFrameActions.h"

#include "platform/RecentFileList.h"
#include "platform/StringTable.h"
#include "res/Resource.h"
#include "view/CPlovexView.h"

#include <QAction>
#include <QIcon>
#include <QWidget>
#include <utility>

namespace plovex {

CFrameActions::CFrameActions(QWidget& window, std::function<void(ViewCommand)> viewCommand)
    : QObject(&window)
    , m_window(window)
    , m_viewCommand(std::move(viewCommand))
{
    CreateDocumentActions();
    CreateViewActions();
    CreateToolsAndWindowActions();
}

QAction* CFrameActions::Create(int id, const QString& text, const char* icon)
{
    auto* action = new QAction(text, &m_window);
    if (icon)
        action->setIcon(QIcon(QString(":/icons/toolbar/%1.svg").arg(icon)));
    Add(id, action);
    return action;
}

void CFrameActions::Add(int id, QAction* action)
{
    action->setData(id);
    // The command's string: its prompt, then after a line break its tooltip.
    const QStringList prompt = LoadString(id).split('\n');
    action->setStatusTip(prompt.value(0));
    if (prompt.size() > 1)
        action->setToolTip(prompt.value(1));
    m_actions.insert(id, action);
}

void CFrameActions::ConnectViewCommand(QAction* action, ViewCommand command)
{
    connect(action, &QAction::triggered, this, [this, command] { m_viewCommand(command); });
}

void CFrameActions::SetRecentFiles(const RecentFileList& files)
{
    const int count = static_cast<int>(files.Files().size());
    m_recentPlaceholder->setVisible(count == 0);
    for (int i = 0; i < m_recentFiles.size(); ++i) {
        m_recentFiles[i]->setText(i < count ? files.MenuText(i) : QString());
        m_recentFiles[i]->setVisible(i < count);
    }
}

void CFrameActions::CreateDocumentActions()
{
    QAction* action = Create(res::kCmdFileNew, tr("&New"), "new");
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));

    action = Create(res::kCmdFileOpen, tr("&Open..."), "open");
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));

    Create(res::kCmdFileClose, tr("&Close"));

    action = Create(res::kCmdFileSave, tr("&Save"), "save");
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));

    Create(res::kCmdFileSaveAs, tr("Save &As..."));

    action = Create(res::kCmdExportGraph, tr("&Export Graph..."));
    ConnectViewCommand(action, &CPlovexView::OnExportGraph);

    action = Create(res::kCmdFilePrint, tr("&Print..."), "print");
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    ConnectViewCommand(action, &CPlovexView::OnFilePrint);
    m_window.addAction(action);

    action = Create(res::kCmdFilePrintPreview, tr("Print Pre&view..."));
    ConnectViewCommand(action, &CPlovexView::OnFilePrintPreview);

    action = Create(res::kCmdEditCut, tr("Cu&t"), "cut");
    action->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete) });
    m_window.addAction(action);

    action = Create(res::kCmdEditCopy, tr("&Copy"), "copy");
    action->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert) });
    m_window.addAction(action);

    action = Create(res::kCmdEditPaste, tr("&Paste"), "paste");
    action->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert) });
    m_window.addAction(action);

    action = Create(res::kCmdEditUndo, tr("&Undo"));
    action->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace) });
    m_window.addAction(action);

    action = Create(res::kCmdEditRedo, tr("&Redo"));
    action->setShortcuts(
        { QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y) });
    m_window.addAction(action);

    m_recentPlaceholder = new QAction(tr("Recent File"), &m_window);
    m_recentPlaceholder->setData(res::kCmdFileMru1);
    m_recentPlaceholder->setEnabled(false);
    for (int i = 0; i < kRecentFileCount; ++i)
        m_recentFiles << Create(res::kCmdFileMru1 + i, QString());
    // None until the application reads the list.
    SetRecentFiles(RecentFileList(kRecentFileCount));

    Create(res::kCmdAppExit, tr("E&xit"));
}

void CFrameActions::CreateViewActions()
{
    QAction* action = Create(res::kCmdViewToolbar, tr("&Toolbar"));
    action->setCheckable(true);
    action->setChecked(true);

    action = Create(res::kCmdViewStatusBar, tr("&Status Bar"));
    action->setCheckable(true);
    action->setChecked(true);

    // One choice for every graph window, kept across runs.
    action = Create(res::kCmdViewGrid, tr("&Grid"));
    action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    action->setCheckable(true);

    // Moving around the active graph; the icons come from the desktop's theme where it has them.
    const struct {
        int id;
        const char* text;
        const char* icon;
        QKeySequence key;
        ViewCommand command;
    } navigation[] = {
        { res::kCmdViewZoomIn, QT_TR_NOOP("Zoom &In"), "zoom-in", QKeySequence::ZoomIn,
            &CPlovexView::OnZoomIn },
        { res::kCmdViewZoomOut, QT_TR_NOOP("Zoom &Out"), "zoom-out", QKeySequence::ZoomOut,
            &CPlovexView::OnZoomOut },
        { res::kCmdViewReset, QT_TR_NOOP("&Reset View"), "zoom-original",
            QKeySequence(Qt::CTRL | Qt::Key_0), &CPlovexView::OnResetView },
        { res::kCmdViewEqualScales, QT_TR_NOOP("&Equal Scales"), nullptr, QKeySequence(),
            &CPlovexView::OnEqualScales },
        { res::kCmdViewBack, QT_TR_NOOP("&Back"), "go-previous",
            QKeySequence(Qt::ALT | Qt::Key_Left), &CPlovexView::OnViewBack },
        { res::kCmdViewForward, QT_TR_NOOP("For&ward"), "go-next",
            QKeySequence(Qt::ALT | Qt::Key_Right), &CPlovexView::OnViewForward },
    };
    for (const auto& command : navigation) {
        action = Create(command.id, tr(command.text));
        if (command.icon)
            action->setIcon(QIcon::fromTheme(command.icon));
        action->setShortcut(command.key);
        ConnectViewCommand(action, command.command);
    }
    action = Create(res::kCmdViewFullScreen, tr("F&ull Screen Graph"));
    action->setShortcut(QKeySequence(Qt::Key_F11));
    action->setCheckable(true);

    // Ctrl+= as well: on most keyboards + needs Shift.
    Action(res::kCmdViewZoomIn)
        ->setShortcuts(
            { QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal) });
    Action(res::kCmdViewZoomOut)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    // The function list and the commands on the active form's selected function.
    action = Create(res::kCmdViewFunctionList, tr("&Function List"));
    action->setCheckable(true);
    // The list's buttons have short captions, so that the dock stays narrow.
    const struct {
        int id;
        const char* text;
        const char* button;
        QKeySequence key;
        ViewCommand command;
    } functionCommands[] = {
        { res::kCmdFunctionNew, QT_TR_NOOP("&New Function"), QT_TR_NOOP("New"),
            QKeySequence(Qt::Key_Insert), &CPlovexView::OnNewFunction },
        { res::kCmdFunctionDelete, QT_TR_NOOP("&Delete Function"), QT_TR_NOOP("Delete"),
            QKeySequence(Qt::Key_Delete), &CPlovexView::OnDeleteFunction },
        { res::kCmdFunctionColour, QT_TR_NOOP("&Colour..."), QT_TR_NOOP("Colour"),
            QKeySequence(Qt::Key_F2), &CPlovexView::OnFunctionColour },
        { res::kCmdFunctionMoveUp, QT_TR_NOOP("Move &Up"), QT_TR_NOOP("Up"),
            QKeySequence(Qt::ALT | Qt::Key_Up), &CPlovexView::OnMoveFunctionUp },
        { res::kCmdFunctionMoveDown, QT_TR_NOOP("Move Do&wn"), QT_TR_NOOP("Down"),
            QKeySequence(Qt::ALT | Qt::Key_Down), &CPlovexView::OnMoveFunctionDown },
    };
    for (const auto& command : functionCommands) {
        action = Create(command.id, tr(command.text));
        action->setIconText(tr(command.button));
        // The keys belong to the list: elsewhere Insert and Delete edit the focused box.
        action->setShortcut(command.key);
        action->setShortcutContext(Qt::WidgetShortcut);
        ConnectViewCommand(action, command.command);
    }
}

void CFrameActions::CreateToolsAndWindowActions()
{
    // The Tools commands work on the active graph's function as the last rendering drew it.
    Create(res::kCmdFindRoots, tr("Find &Roots"));
    Create(res::kCmdFindExtrema, tr("Find &Extrema"));
    Create(res::kCmdFindIntersections, tr("Find &Intersections"));
    QAction* action = Create(res::kCmdTableOfValues, tr("&Table of Values..."));
    ConnectViewCommand(action, &CPlovexView::OnTableOfValues);

    Create(res::kCmdWindowNew, tr("&New Window"));
    Create(res::kCmdWindowCascade, tr("&Cascade"));
    Create(res::kCmdWindowTile, tr("&Tile"));
    Create(res::kCmdWindowArrange, tr("&Arrange Icons"));

    action = Create(res::kCmdUsingPlovex, tr("&Using Plovex"));
    action->setShortcut(QKeySequence(Qt::Key_F1));
    m_window.addAction(action);

    Create(res::kCmdAppAbout, tr("&About Plovex..."), "about");

    // Commands without a handler anywhere: shown disabled.
    struct Unhandled {
        int id;
        const char* text;
        const char* icon;
        QList<QKeySequence> keys;
    };
    const Unhandled unhandled[] = {
        { res::kCmdNextPane, QT_TR_NOOP("Ne&xt Pane"), nullptr, { QKeySequence(Qt::Key_F6) } },
        { res::kCmdPrevPane, QT_TR_NOOP("Pre&vious Pane"), nullptr,
            { QKeySequence(Qt::SHIFT | Qt::Key_F6) } },
    };
    for (const Unhandled& command : unhandled) {
        action = Create(command.id, tr(command.text), command.icon);
        action->setShortcuts(command.keys);
        action->setEnabled(false);
        m_window.addAction(action);
    }
}

} // namespace plovex
