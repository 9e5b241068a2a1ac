#pragma once

#include "platform/MessageService.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class QDialog;

namespace plovex {

// Stands in for a person while it lives: records every message box and answers every modal
// dialog with the next scripted answer. A dialog with no answer left fails the test and is
// cancelled.
class FakeMessages : public MessageService {
public:
    using Answer = std::function<void(QDialog&)>;

    // What an input dialog showed when it opened.
    struct Question {
        std::string prompt;
        std::string value;
    };

    FakeMessages();
    ~FakeMessages() override;

    using MessageService::MessageBox;
    void MessageBox(QWidget* owner, const QString& text, MessageKind kind) override;
    // Records the question and gives the next of `answers`; with none left the test fails and
    // the answer is No.
    bool Ask(QWidget* owner, const QString& text) override;
    int RunModal(QDialog& dialog) override;

    void Script(Answer answer) { m_answers.push_back(std::move(answer)); }

    std::vector<std::string> messages;
    // Each message's kind, in the same order.
    std::vector<MessageKind> kinds;
    std::vector<Question> questions;
    // The Yes or No questions asked, and the answers to give them in turn (true: Yes).
    std::vector<std::string> asked;
    std::deque<bool> answers;

private:
    MessageService* m_previous;
    std::deque<Answer> m_answers;
};

// Answers for the input dialog, as a person gives them through its controls.
FakeMessages::Answer TypeAndOk(std::string text);
// Types each text in turn and presses OK after each (the dialog refuses all but a number).
FakeMessages::Answer TypeAndOkEach(std::vector<std::string> texts);
FakeMessages::Answer PressCancel();
// Answers a dialog built from a template as a person would: types each text into the box with
// its id, clicks each button (a choice) with its id in turn, then presses OK.
FakeMessages::Answer FillAndOk(
    std::vector<std::pair<int, std::string>> texts, std::vector<int> clicks = {});
FakeMessages::Answer PressEscape();
FakeMessages::Answer PressCloseBox();

} // namespace plovex
