#pragma once

class QDialog;
class QString;
class QWidget;

namespace plovex {

// What a message box tells, shown by its icon: a result or a plain note (no icon), something
// worth knowing about a result, input or a file that was refused, or a failure.
enum class MessageKind { Plain, Information, Refusal, Failure };

// The modal questions the windows ask: a message box and running a modal dialog. The
// windows reach them through Messages(), so a test can install a service that answers
// them instead of a person.
class MessageService {
public:
    virtual ~MessageService() = default;

    // A modal message box over `owner`'s window: the application title as caption, `text` as plain
    // text, an OK button and the icon of its kind. Returns when the box is closed.
    virtual void MessageBox(QWidget* owner, const QString& text, MessageKind kind) = 0;
    void MessageBox(QWidget* owner, const QString& text)
    {
        MessageBox(owner, text, MessageKind::Plain);
    }

    // A modal question over `owner`'s window with Yes and No buttons, Yes the default and Esc
    // No; whether the answer was Yes.
    virtual bool Ask(QWidget* owner, const QString& text) = 0;

    // Runs `dialog` modally over its parent's window until it is closed and returns its
    // result code (QDialog::Accepted when it was accepted). The dialog's own controls decide
    // when it closes.
    virtual int RunModal(QDialog& dialog) = 0;
};

// The service in use: the Qt one unless a test has installed another.
MessageService& Messages();

// Installs `service` (not owned; it must outlive its use) and returns the one it replaces;
// nullptr goes back to the Qt service.
MessageService* SetMessageService(MessageService* service);

} // namespace plovex
