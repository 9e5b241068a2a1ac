#include "frame/CChildFrame.h"

#include "view/CPlovexDoc.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QMenu>

namespace plovex {

CChildFrame::CChildFrame(CPlovexDoc& document, QWidget* parent)
    : QMdiSubWindow(parent)
    , m_document(document)
{
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(":/icons/plovex-graph.svg"));
    // The window menu offers only what the window can do: no sizing, no staying on top.
    // Removed rather than hidden, as the window shows its actions again on every change of
    // state.
    // Known by their texts, which Qt's translation may have changed.
    static const char* const kUnwanted[] = { "&Size", "Stay on &Top", "Ma&ximize" };
    for (QAction* action : systemMenu()->actions()) {
        for (const char* text : kUnwanted) {
            if (action->text() == QMdiSubWindow::tr(text))
                systemMenu()->removeAction(action);
        }
    }
    connect(&m_document, &CPlovexDoc::TitleChanged, this, &CChildFrame::OnUpdateFrameTitle);
    connect(&m_document, &CPlovexDoc::ModifiedChanged, this,
        [this] { setWindowModified(m_document.IsModified()); });
    OnUpdateFrameTitle();
    setWindowModified(m_document.IsModified());
}

void CChildFrame::SetView(QWidget* view)
{
    setWidget(view);
    view->adjustSize();
    adjustSize();
    m_fixedSize = size();
    setFixedSize(m_fixedSize);
}

void CChildFrame::showEvent(QShowEvent* event)
{
    QMdiSubWindow::showEvent(event);
    if (!isMinimized())
        setFixedSize(m_fixedSize);
}

void CChildFrame::SetWindowNumber(int number)
{
    m_windowNumber = number;
    OnUpdateFrameTitle();
}

void CChildFrame::SetCloseQuery(std::function<bool(CChildFrame&)> query)
{
    m_closeQuery = std::move(query);
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (m_closeQuery && !m_closeQuery(*this)) {
        event->ignore();
        return;
    }
    emit AboutToClose();
    // Closed already for whatever the closing sets off (another window's activation).
    m_closed = true;
    QMdiSubWindow::closeEvent(event);
    m_closed = event->isAccepted();
    if (m_closed)
        emit Closed();
}

void CChildFrame::OnUpdateFrameTitle()
{
    m_title = m_document.Title();
    if (m_windowNumber > 0)
        m_title += QString(":%1").arg(m_windowNumber);
    // A changed document's windows show a "*" after the name.
    setWindowTitle(m_title + "[*]");
}

} // namespace plovex
