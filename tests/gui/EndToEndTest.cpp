#include "AccessibleNames.h"
#include "platform/FileDialogService.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace plovex {
namespace {

// Answers the real modal dialogs as a person would. Each time a modal dialog is shown the
// next scripted answer runs on a fresh zero-time timer, inside the dialog's own event loop;
// a dialog shown again (the same input dialog asking twice) is answered again. A watchdog
// rejects any dialog still open after a few seconds, so no test can hang.
class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QDialog&)>;

    ModalAnswerer() { qApp->installEventFilter(this); }
    ~ModalAnswerer() override
    {
        qApp->removeEventFilter(this);
        EXPECT_TRUE(m_answers.empty()) << m_answers.size() << " answers were not needed";
    }

    void Script(Answer answer) { m_answers.push_back(std::move(answer)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() != QEvent::Show || event->spontaneous() || dialog == nullptr
            || !dialog->isModal())
            return false;
        const int show = ++m_shows[dialog];
        QPointer<QDialog> guard(dialog);
        QTimer::singleShot(0, this, [this, guard] {
            if (guard == nullptr || !guard->isVisible())
                return;
            if (m_answers.empty()) {
                ADD_FAILURE() << "a dialog opened that the test did not expect";
                guard->reject();
                return;
            }
            const Answer answer = std::move(m_answers.front());
            m_answers.pop_front();
            answer(*guard);
        });
        QTimer::singleShot(kWatchdogMilliseconds, this, [this, guard, show] {
            if (guard != nullptr && guard->isVisible() && m_shows[guard.data()] == show) {
                ADD_FAILURE() << "a dialog was left open";
                guard->reject();
            }
        });
        return false;
    }

private:
    static constexpr int kWatchdogMilliseconds = 5000;

    std::deque<Answer> m_answers;
    std::map<QDialog*, int> m_shows;
};

// A message box: records its text and presses OK. A result has no icon, a refusal a
// warning's.
ModalAnswerer::Answer ReadAndOk(
    std::vector<std::string>& texts, QMessageBox::Icon icon = QMessageBox::NoIcon)
{
    return [&texts, icon](QDialog& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), "Plovex 2");
        EXPECT_EQ(box->icon(), icon);
        EXPECT_EQ(box->buttons().size(), 1);
        texts.push_back(box->text().toStdString());
        box->button(QMessageBox::Ok)->click();
    };
}

// The input dialog: records its prompt and what its box showed, types over it and presses
// Enter, once for each text.
ModalAnswerer::Answer TypeAndEnter(std::vector<std::string> typed, std::vector<std::string>& seen)
{
    return [typed, &seen](QDialog& dialog) {
        seen.push_back(dialog.findChild<QLabel*>()->text().toStdString());
        for (const std::string& text : typed) {
            auto* box = qobject_cast<QLineEdit*>(dialog.focusWidget());
            ASSERT_NE(box, nullptr);
            seen.push_back(box->text().toStdString());
            QTest::keyClicks(box, QString::fromStdString(text));
            QTest::keyClick(box, Qt::Key_Return);
        }
    };
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    void Type(int id, const char* text)
    {
        qobject_cast<QLineEdit*>(view.GetDlgItem(id))->setText(text);
    }
    void Click(int id) { qobject_cast<QAbstractButton*>(view.GetDlgItem(id))->click(); }

    CPlovexDoc document;
    CPlovexView view { document };
    ModalAnswerer answerer;
    std::vector<std::string> shown;
    std::vector<std::string> seen;
};

TEST_F(EndToEnd, EvaluateAsksAndShowsTheValue)
{
    Type(res::kExpressionEdit, "x^2");
    answerer.Script(TypeAndEnter({ "3" }, seen));
    answerer.Script(ReadAndOk(shown));
    Click(res::kEvaluateButton);
    EXPECT_EQ(seen, (std::vector<std::string> { "Evaluate function for what value of x?", "0" }));
    EXPECT_EQ(shown, std::vector<std::string> { "9.000000" });
}

TEST_F(EndToEnd, TheInputDialogPromptsUntilANumberIsTyped)
{
    Type(res::kExpressionEdit, "x");
    answerer.Script(TypeAndEnter({ "abc", "0" }, seen));
    answerer.Script(ReadAndOk(shown, QMessageBox::Warning));
    answerer.Script(ReadAndOk(shown));
    Click(res::kEvalDerivativeButton);
    // The refused text stays in the box, selected, so typing replaces it.
    EXPECT_EQ(
        seen, (std::vector<std::string> { "Evaluate dy/dx for what value of x?", "0", "abc" }));
    EXPECT_EQ(shown, (std::vector<std::string> { "Please enter a number.", "1.000000" }));
    EXPECT_TRUE(view.m_derivative);
}

TEST_F(EndToEnd, IntegrateAsksTwiceWithOneDialog)
{
    Type(res::kExpressionEdit, "x");
    Click(res::kPlotButton);
    answerer.Script(TypeAndEnter({ "0.25" }, seen));
    answerer.Script(TypeAndEnter({ "1.25" }, seen));
    answerer.Script(ReadAndOk(shown));
    Click(res::kIntegrateButton);
    EXPECT_EQ(seen,
        (std::vector<std::string> { "Enter lower limit for integration:", "0",
            "Enter upper limit for integration:", "0.25" }));
    // 101 samples from 0.25 to about 1.25, each weighted by h.
    EXPECT_EQ(shown, std::vector<std::string> { "0.757500" });
}

TEST_F(EndToEnd, AParseErrorIsShownAndThePlotGoesOn)
{
    answerer.Script(ReadAndOk(shown, QMessageBox::Warning));
    Type(res::kExpressionEdit, "SIN(x)");
    Click(res::kPlotButton);
    EXPECT_EQ(shown, std::vector<std::string> { "Parse Error: Unrecognised symbol 'S'." });
    EXPECT_EQ(view.m_status, "DONE");
}

TEST_F(EndToEnd, EscapeCancelsTheQuestion)
{
    answerer.Script([](QDialog& dialog) { QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape); });
    Click(res::kEvaluateButton);
    EXPECT_FALSE(view.m_derivative);
}

TEST_F(EndToEnd, TheSaveQuestionNamesEachButtonOnce)
{
    std::vector<std::string> names;
    answerer.Script([&names](QDialog& dialog) {
        names = FocusableNames(dialog);
        qobject_cast<QMessageBox*>(&dialog)->button(QMessageBox::Cancel)->click();
    });
    EXPECT_EQ(FileDialogs().AskSaveChanges(&view, "Graph1"), FileDialogService::SaveAnswer::Cancel);
    ExpectNamedOnce(names);
    // The question's text can be selected: it is read as it stands.
    EXPECT_EQ(names,
        (std::vector<std::string> { "Save changes to Graph1?", "Save", "Cancel", "Discard" }));
}

} // namespace
} // namespace plovex
