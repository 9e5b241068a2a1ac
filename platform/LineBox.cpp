#include "platform/LineBox.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

namespace plovex {

LineBox::LineBox(QWidget* parent)
    : QLineEdit(parent)
{ }

void LineBox::Paste(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString text = QGuiApplication::clipboard()->text(mode).trimmed();
    if (!text.isEmpty() || hasSelectedText())
        insert(text);
}

void LineBox::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        Paste();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void LineBox::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection where the window system keeps one (X11).
    if (event->button() == Qt::MiddleButton && !isReadOnly()
        && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        Paste(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void LineBox::contextMenuEvent(QContextMenuEvent* event)
{
    const QPointer<QMenu> menu = createStandardContextMenu();
    // The standard menu's Paste, whose name Qt gives it, pastes as the keys do.
    for (QAction* action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            action->disconnect();
            connect(action, &QAction::triggered, this, [this] { Paste(); });
        }
    }
    menu->exec(event->globalPos());
    delete menu;
}

} // namespace plovex
