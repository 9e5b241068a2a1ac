#include "frame/CFrameDocks.h"

#include "frame/CFrameActions.h"
#include "frame/CFrameMenus.h"
#include "frame/CFunctionBar.h"
#include "frame/CMainFrame.h"
#include "frame/CParameterBar.h"
#include "frame/FrameSettings.h"
#include "frame/FunctionList.h"
#include "res/Resource.h"

#include <QAction>
#include <QEvent>
#include <QShortcut>

namespace plovex {

CFrameDocks::CFrameDocks(CMainFrame& frame, CFrameActions& actions, CFrameMenus& menus)
    : m_frame(frame)
{
    CreateFunctionBar(actions);
    CreateParameterBar(actions, menus);
}

CFrameDocks::~CFrameDocks()
{
    SetView(nullptr);
    m_functionBar->disconnect(this);
}

void CFrameDocks::SetView(CPlovexView* view)
{
    m_functionBar->SetView(view);
    m_parameterBar->SetView(view);
}

void CFrameDocks::CreateFunctionBar(const CFrameActions& actions)
{
    QList<QAction*> commands;
    for (const int id : { res::kCmdFunctionNew, res::kCmdFunctionDelete, res::kCmdFunctionColour,
             res::kCmdFunctionMoveUp, res::kCmdFunctionMoveDown })
        commands << actions.Action(id);
    m_functionBar = new CFunctionBar(
        commands, [&actions](int id) { return actions.Action(id); }, &m_frame);
    const FrameSettings::DockPlace place = FrameSettings::FunctionListPlace();
    m_frame.addDockWidget(
        m_functionBar->isAreaAllowed(place.area) ? place.area : Qt::RightDockWidgetArea,
        m_functionBar);
    if (place.floating) {
        m_functionBar->setFloating(true);
        m_functionBar->restoreGeometry(place.geometry);
    }
    const bool shown = FrameSettings::FunctionListShown();
    m_functionBar->setVisible(shown);

    // Only what the user does to the list is remembered: View > Function List, its close
    // button (see eventFilter) and Ctrl+Shift+L. It also goes out of sight when the whole
    // window hides or closes, which says nothing about the next start.
    m_functionBar->installEventFilter(this);
    m_frame.installEventFilter(this);
    QAction* toggle = actions.Action(res::kCmdViewFunctionList);
    toggle->setChecked(shown);
    connect(toggle, &QAction::triggered, this, [this](bool show) {
        m_functionBar->setVisible(show);
        FrameSettings::SetFunctionListShown(show);
        if (show)
            m_functionBar->List()->setFocus();
    });
    connect(m_functionBar, &QDockWidget::visibilityChanged, this, [this, toggle] {
        if (m_functionBar->isVisible() || m_functionBar->isHidden())
            toggle->setChecked(!m_functionBar->isHidden());
    });
    // The keyboard's way into the list: shown if it was not, and the focus in it.
    auto* goToList = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L), &m_frame);
    connect(goToList, &QShortcut::activated, this, [this, toggle] {
        m_functionBar->show();
        toggle->setChecked(true);
        FrameSettings::SetFunctionListShown(true);
        m_functionBar->List()->setFocus();
    });
    connect(
        m_functionBar, &QDockWidget::dockLocationChanged, this, &CFrameDocks::SaveFunctionBarPlace);
    connect(m_functionBar, &QDockWidget::topLevelChanged, this, &CFrameDocks::SaveFunctionBarPlace);
}

// Below the function list; View > Parameter List shows and hides it, Ctrl+Shift+P goes to it.
void CFrameDocks::CreateParameterBar(CFrameActions& actions, CFrameMenus& menus)
{
    m_parameterBar = new CParameterBar(&m_frame);
    m_frame.addDockWidget(Qt::RightDockWidgetArea, m_parameterBar);
    if (m_frame.dockWidgetArea(m_functionBar) == Qt::RightDockWidgetArea
        && !m_functionBar->isFloating())
        m_frame.splitDockWidget(m_functionBar, m_parameterBar, Qt::Vertical);
    QAction* toggle = m_parameterBar->ToggleAction();
    actions.Add(res::kCmdViewParameterList, toggle);
    menus.AddToViewMenu(toggle, res::kCmdViewFunctionList);
    auto* goToParameters = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P), &m_frame);
    connect(goToParameters, &QShortcut::activated, this, [this] {
        m_parameterBar->show();
        m_parameterBar->FocusFirst();
    });
}

void CFrameDocks::SaveFunctionBarPlace()
{
    FrameSettings::SetFunctionListPlace({ m_frame.dockWidgetArea(m_functionBar),
        m_functionBar->isFloating(), m_functionBar->saveGeometry() });
}

bool CFrameDocks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_frame) {
        // A floating list shown at the start is mapped before the main window, which the window
        // manager then stacks over it: once the main window is up, the list comes to the top.
        if (event->type() == QEvent::WindowActivate) {
            m_frame.removeEventFilter(this);
            if (m_functionBar->isFloating() && m_functionBar->isVisible())
                m_functionBar->raise();
        }
        return QObject::eventFilter(watched, event);
    }
    if (watched != m_functionBar)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Close:
        // The list's close button, or the window manager's for a floating list: the user hid
        // it. The application's end closes a floating list as it closes every window left,
        // after the main window.
        if (m_frame.isVisible())
            FrameSettings::SetFunctionListShown(false);
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (m_functionBar->isFloating() && m_functionBar->isVisible())
            SaveFunctionBarPlace();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace plovex
