#include "frame/CEditCommands.h"

#include "document/UndoStep.h"
#include "frame/CChildFrame.h"
#include "frame/CFrameActions.h"
#include "frame/CMainFrame.h"
#include "platform/LineBox.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/EngineTexts.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <utility>

namespace plovex {
namespace {

// A text box of a graph form: what the edit commands act on when it has the focus.
bool IsTextBox(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget);
}

bool HasSelectedText(const QWidget* widget)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return line->hasSelectedText();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(widget))
        return text->textCursor().hasSelection();
    return false;
}

bool IsEditable(const QWidget* widget)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return !line->isReadOnly();
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(widget))
        return !text->isReadOnly();
    return false;
}

bool CanUndoTyping(const QWidget* widget)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return line->isUndoAvailable();
    const auto* text = qobject_cast<const QPlainTextEdit*>(widget);
    return text && !text->isReadOnly() && text->document()->isUndoAvailable();
}

bool CanRedoTyping(const QWidget* widget)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(widget))
        return line->isRedoAvailable();
    const auto* text = qobject_cast<const QPlainTextEdit*>(widget);
    return text && !text->isReadOnly() && text->document()->isRedoAvailable();
}

} // namespace

CEditCommands::CEditCommands(CMainFrame& frame, std::function<void()> copyGraph)
    : QObject(&frame)
    , m_frame(frame)
    , m_copyGraph(std::move(copyGraph))
{ }

QWidget* CEditCommands::FocusedBox() const
{
    QWidget* focus = m_frame.focusWidget();
    const CChildFrame* child = m_frame.ActiveChild();
    return IsTextBox(focus) && child && child->isAncestorOf(focus) ? focus : nullptr;
}

void CEditCommands::Update()
{
    const QWidget* focus = FocusedBox();
    const bool editable = IsEditable(focus);
    m_frame.Action(res::kCmdEditCut)->setEnabled(editable);
    m_frame.Action(res::kCmdEditPaste)->setEnabled(editable);
    m_frame.Action(res::kCmdEditCopy)
        ->setEnabled(IsTextBox(focus) || !m_frame.ChildFrames().isEmpty());
    UpdateUndo();
}

void CEditCommands::UpdateUndo()
{
    const bool boxUndo = CanUndoTyping(FocusedBox());
    const bool boxRedo = CanRedoTyping(FocusedBox());
    const CChildFrame* child = m_frame.ActiveChild();
    const CPlovexDoc* document = child ? &child->GetDocument() : nullptr;
    QAction* undo = m_frame.Action(res::kCmdEditUndo);
    QAction* redo = m_frame.Action(res::kCmdEditRedo);
    const QString typing = EngineTexts::UndoStepName(UndoStep::Typing);
    if (boxUndo)
        undo->setText(CFrameActions::tr("&Undo %1").arg(typing));
    else if (document && document->CanUndo())
        undo->setText(
            CFrameActions::tr("&Undo %1").arg(EngineTexts::UndoStepName(document->NextUndo())));
    else
        undo->setText(CFrameActions::tr("&Undo"));
    if (boxRedo)
        redo->setText(CFrameActions::tr("&Redo %1").arg(typing));
    else if (document && document->CanRedo())
        redo->setText(
            CFrameActions::tr("&Redo %1").arg(EngineTexts::UndoStepName(document->NextRedo())));
    else
        redo->setText(CFrameActions::tr("&Redo"));
    undo->setEnabled(boxUndo || (document && document->CanUndo()));
    redo->setEnabled(boxRedo || (document && document->CanRedo()));
}

bool CEditCommands::TakeShortcut(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::ShortcutOverride || !widget || widget->window() != &m_frame)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy))
        return IsTextBox(widget) && !HasSelectedText(widget);
    const bool undo = key->matches(QKeySequence::Undo);
    if (!undo && !key->matches(QKeySequence::Redo))
        return false;
    UpdateUndo();
    const auto* line = qobject_cast<const QLineEdit*>(widget);
    return line && !(undo ? line->isUndoAvailable() : line->isRedoAvailable());
}

void CEditCommands::OnCut()
{
    if (auto* line = qobject_cast<QLineEdit*>(FocusedBox()))
        line->cut();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(FocusedBox()))
        text->cut();
}

void CEditCommands::OnCopy()
{
    QWidget* focus = FocusedBox();
    if (HasSelectedText(focus)) {
        if (auto* line = qobject_cast<QLineEdit*>(focus))
            line->copy();
        else if (auto* text = qobject_cast<QPlainTextEdit*>(focus))
            text->copy();
        return;
    }
    m_copyGraph();
}

void CEditCommands::OnPaste()
{
    if (auto* box = qobject_cast<LineBox*>(FocusedBox()))
        box->Paste();
    else if (auto* line = qobject_cast<QLineEdit*>(FocusedBox()))
        line->paste();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(FocusedBox()))
        text->paste();
}

void CEditCommands::OnUndo()
{
    QWidget* focus = FocusedBox();
    auto* line = qobject_cast<QLineEdit*>(focus);
    if (CanUndoTyping(focus)) {
        if (line) {
            line->undo();
            // The box's own undo, as its key makes it, tells that the text was edited.
            emit line->textEdited(line->text());
        } else {
            qobject_cast<QPlainTextEdit*>(focus)->undo();
        }
    } else if (CChildFrame* child = m_frame.ActiveChild()) {
        child->GetDocument().Undo();
    }
    UpdateUndo();
}

void CEditCommands::OnRedo()
{
    QWidget* focus = FocusedBox();
    auto* line = qobject_cast<QLineEdit*>(focus);
    if (CanRedoTyping(focus)) {
        if (line) {
            line->redo();
            emit line->textEdited(line->text());
        } else {
            qobject_cast<QPlainTextEdit*>(focus)->redo();
        }
    } else if (CChildFrame* child = m_frame.ActiveChild()) {
        child->GetDocument().Redo();
    }
    UpdateUndo();
}

} // namespace plovex
