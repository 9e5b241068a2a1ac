#include "view/CInputDlg.h"

#include "FakeMessages.h"
#include "platform/DialogUnits.h"
#include "res/Resource.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace plovex {
namespace {

QLineEdit* ValueBox(CInputDlg& dialog)
{
    return qobject_cast<QLineEdit*>(dialog.GetDlgItem(res::kInputValueEdit));
}

TEST(CInputDlg, IsTheTemplateWithItsCaptionAndButtons)
{
    CInputDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), "Plovex 2");
    QFont font("DejaVu Sans");
    font.setPointSize(8);
    const DialogUnits units(font);
    EXPECT_EQ(dialog.size(), units.Size(272, 57));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()); // fixed size
    EXPECT_EQ(ValueBox(dialog)->geometry(), units.Rect(7, 17, 258, 14));
    EXPECT_EQ(dialog.GetDlgItem(res::kInputPromptStatic)->geometry(), units.Rect(7, 7, 258, 8));
    auto* ok = qobject_cast<QPushButton*>(dialog.GetDlgItem(res::kIdOk));
    auto* cancel = qobject_cast<QPushButton*>(dialog.GetDlgItem(res::kIdCancel));
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(ok->isDefault());
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_FALSE(cancel->isDefault());
    EXPECT_EQ(ok->geometry(), units.Rect(84, 36, 50, 14));
    EXPECT_EQ(cancel->geometry(), units.Rect(137, 36, 50, 14));
}

TEST(CInputDlg, OpensShowingItsFieldsWithTheFocusInTheBox)
{
    FakeMessages messages;
    CInputDlg dialog;
    dialog.m_prompt = "Enter lower limit for integration:";
    dialog.m_value = 2.5f;
    bool focusInBox = false;
    bool allSelected = false;
    messages.Script([&](QDialog&) {
        focusInBox = dialog.focusWidget() == ValueBox(dialog);
        allSelected = ValueBox(dialog)->selectedText() == "2.5";
        dialog.reject();
    });
    dialog.DoModal();
    ASSERT_EQ(messages.questions.size(), 1u);
    EXPECT_EQ(messages.questions[0].prompt, "Enter lower limit for integration:");
    EXPECT_EQ(messages.questions[0].value, "2.5");
    EXPECT_TRUE(focusInBox);
    EXPECT_TRUE(allSelected); // typing replaces the number shown
}

struct Typed {
    const char* text;
    float value;
};

TEST(CInputDlg, OkStoresADecimalNumberAsAFloat)
{
    const float infinity = std::numeric_limits<float>::infinity();
    const Typed cases[] = {
        { "3", 3.0f }, { "  2.5\t", 2.5f }, // blanks around the number are allowed
        { "-0.1", -0.1f }, { ".5", 0.5f }, { "1e3", 1000.0f },
        { "1e40", infinity }, // beyond the float range
        { "-1e40", -infinity },
        { "0.1000000000000000055511151231257827", 0.1f }, // rounded once to float
    };
    for (const Typed& c : cases) {
        SCOPED_TRACE(c.text);
        FakeMessages messages;
        CInputDlg dialog;
        messages.Script(TypeAndOk(c.text));
        EXPECT_EQ(dialog.DoModal(), res::kIdOk);
        EXPECT_EQ(dialog.m_value, c.value);
        EXPECT_TRUE(messages.messages.empty());
    }
}

TEST(CInputDlg, OkRefusesAnythingButANumberAndStaysOpen)
{
    const char* const refused[]
        = { "", " ", "abc", "1,5", "2x", "inf", "nan", "0x10", "1e", "--1", "1 2" };
    for (const char* text : refused) {
        SCOPED_TRACE(text);
        FakeMessages messages;
        CInputDlg dialog;
        dialog.m_value = 7.0f;
        bool stillOpen = false;
        messages.Script([&](QDialog&) {
            ValueBox(dialog)->setText(text);
            qobject_cast<QAbstractButton*>(dialog.GetDlgItem(res::kIdOk))->click();
            stillOpen = dialog.result() != QDialog::Accepted;
            ValueBox(dialog)->setText("4");
            qobject_cast<QAbstractButton*>(dialog.GetDlgItem(res::kIdOk))->click();
        });
        EXPECT_EQ(dialog.DoModal(), res::kIdOk);
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(messages.messages, std::vector<std::string> { "Please enter a number." });
        EXPECT_EQ(dialog.m_value, 4.0f);
    }
}

TEST(CInputDlg, CancelEscapeAndTheCloseBoxReadNothing)
{
    const std::pair<const char*, FakeMessages::Answer> ways[] = {
        { "Cancel", PressCancel() },
        { "Escape", PressEscape() },
        { "close box", PressCloseBox() },
    };
    for (const auto& [name, answer] : ways) {
        SCOPED_TRACE(name);
        FakeMessages messages;
        CInputDlg dialog;
        dialog.m_prompt = "Evaluate function for what value of x?";
        dialog.m_value = 5.0f;
        messages.Script([&, answer = answer](QDialog& shown) {
            ValueBox(dialog)->setText("abc");
            answer(shown);
        });
        EXPECT_NE(dialog.DoModal(), res::kIdOk);
        EXPECT_EQ(dialog.m_value, 5.0f);
        EXPECT_EQ(dialog.m_prompt, "Evaluate function for what value of x?");
        EXPECT_TRUE(messages.messages.empty()); // no prompt about the text left in the box
    }
}

} // namespace
} // namespace plovex
