#include "FakeMessages.h"

#include "res/Resource.h"
#include "view/CInputDlg.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace plovex {
namespace {

QLineEdit* ValueBox(QDialog& dialog)
{
    auto* input = qobject_cast<CInputDlg*>(&dialog);
    return input != nullptr ? qobject_cast<QLineEdit*>(input->GetDlgItem(res::kInputValueEdit))
                            : nullptr;
}

void Press(QDialog& dialog, int id)
{
    qobject_cast<QAbstractButton*>(qobject_cast<TemplateDialog*>(&dialog)->GetDlgItem(id))->click();
}

} // namespace

FakeMessages::FakeMessages()
    : m_previous(SetMessageService(this))
{ }

FakeMessages::~FakeMessages()
{
    SetMessageService(m_previous);
    EXPECT_TRUE(answers.empty()) << "an answer was left unasked";
}

void FakeMessages::MessageBox(QWidget*, const QString& text, MessageKind kind)
{
    messages.push_back(text.toStdString());
    kinds.push_back(kind);
}

bool FakeMessages::Ask(QWidget*, const QString& text)
{
    asked.push_back(text.toStdString());
    if (answers.empty()) {
        ADD_FAILURE() << "an unexpected question: " << text.toStdString();
        return false;
    }
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

int FakeMessages::RunModal(QDialog& dialog)
{
    if (auto* input = qobject_cast<CInputDlg*>(&dialog)) {
        const auto* prompt = qobject_cast<QLabel*>(input->GetDlgItem(res::kInputPromptStatic));
        questions.push_back(
            { prompt->text().toStdString(), ValueBox(dialog)->text().toStdString() });
    }
    if (m_answers.empty()) {
        ADD_FAILURE() << "a dialog opened that the test did not expect";
        return QDialog::Rejected;
    }
    const Answer answer = std::move(m_answers.front());
    m_answers.pop_front();
    answer(dialog);
    return dialog.result();
}

FakeMessages::Answer TypeAndOk(std::string text)
{
    return TypeAndOkEach({ std::move(text) });
}

FakeMessages::Answer TypeAndOkEach(std::vector<std::string> texts)
{
    return [texts](QDialog& dialog) {
        for (const std::string& text : texts) {
            ValueBox(dialog)->setText(QString::fromStdString(text));
            Press(dialog, res::kIdOk);
        }
    };
}

FakeMessages::Answer FillAndOk(
    std::vector<std::pair<int, std::string>> texts, std::vector<int> clicks)
{
    return [texts, clicks](QDialog& dialog) {
        auto& window = *qobject_cast<TemplateDialog*>(&dialog);
        for (const auto& [id, text] : texts)
            qobject_cast<QLineEdit*>(window.GetDlgItem(id))->setText(QString::fromStdString(text));
        for (const int id : clicks)
            qobject_cast<QAbstractButton*>(window.GetDlgItem(id))->click();
        Press(dialog, res::kIdOk);
    };
}

FakeMessages::Answer PressCancel()
{
    return [](QDialog& dialog) { Press(dialog, res::kIdCancel); };
}

FakeMessages::Answer PressEscape()
{
    return [](QDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); };
}

FakeMessages::Answer PressCloseBox()
{
    return [](QDialog& dialog) {
        // Only a window on the screen has a close box.
        dialog.show();
        dialog.close();
    };
}

} // namespace plovex
