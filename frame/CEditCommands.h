#pragma once

#include <QObject>
#include <functional>

class QEvent;
class QWidget;

namespace plovex {

class CMainFrame;

// The Edit menu's commands on the main window's actions: Undo, Redo, Cut, Copy and Paste act
// on the text box of the active graph window that has the focus; otherwise Undo and Redo act
// on the active graph's document, and Copy copies the graph (`copyGraph`).
class CEditCommands : public QObject {
    Q_OBJECT

public:
    CEditCommands(CMainFrame& frame, std::function<void()> copyGraph);

    // Which commands can act, and what Undo and Redo would do, named in their items.
    void Update();
    void UpdateUndo();
    // A text box claims the copy and undo keys even with nothing to copy or undo; then they
    // are the window's: Copy copies the graph, Undo undoes the document's last step. Whether
    // `event` is taken from the box.
    bool TakeShortcut(QObject* watched, QEvent* event);

    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnUndo();
    void OnRedo();

private:
    // The text box of the active graph window that has the focus; nullptr when none has.
    QWidget* FocusedBox() const;

    CMainFrame& m_frame;
    std::function<void()> m_copyGraph;
};

} // namespace plovex
