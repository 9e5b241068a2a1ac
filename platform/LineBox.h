#pragma once

#include <QClipboard>
#include <QLineEdit>

namespace plovex {

// A one-line box of a dialog template. What is pasted into it loses the white space around
// it: a line copied from a terminal or a document brings its line break along ("x^2\n"),
// which would become part of an expression or a number and fail to read. Every way of
// pasting does so: Ctrl+V and Shift+Insert, the box's context menu, the middle button, and
// the Edit menu through Paste().
class LineBox : public QLineEdit {
    Q_OBJECT

public:
    explicit LineBox(QWidget* parent = nullptr);

    // The clipboard's text at the cursor, in place of the selection, without the white space
    // around it.
    void Paste(QClipboard::Mode mode = QClipboard::Clipboard);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace plovex
