#include "FakeMessages.h"
#include "platform/FormView.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace plovex {
namespace {

constexpr int kTextBox = 10;
constexpr int kFirstNumber = 11;
constexpr int kSecondNumber = 12;
constexpr int kCheck = 13;
constexpr int kLines = 14;

constexpr unsigned kBox = ControlStyle::kBorder | ControlStyle::kTabStop;

constexpr ControlTemplate kControls[] = {
    { kTextBox, ControlKind::Edit, "", 4, 4, 100, 12, kBox },
    { kFirstNumber, ControlKind::Edit, "", 4, 20, 40, 12, kBox },
    { kSecondNumber, ControlKind::Edit, "", 50, 20, 40, 12, kBox },
    { kCheck, ControlKind::CheckBox, "Check", 4, 36, 60, 10, ControlStyle::kTabStop },
    { kLines, ControlKind::Edit, "", 4, 50, 100, 30, kBox | ControlStyle::kMultiLine },
};

constexpr DialogTemplate kTemplate { 900, "", 120, 100, 8, kControls };

// Bindings in the order text, number, number, check, lines.
class Form : public FormView {
public:
    Form()
        : FormView(kTemplate)
    { }

    using FormView::ReadControlsQuietly;

    std::string text = "old";
    float first = 1.0f;
    float second = 2.0f;
    bool check = false;
    std::string lines;

    QLineEdit* Box(int id) const { return qobject_cast<QLineEdit*>(GetDlgItem(id)); }

protected:
    void DoDataExchange(DataExchange& exchange) override
    {
        exchange.Text(kTextBox, text);
        exchange.Float(kFirstNumber, first);
        exchange.Float(kSecondNumber, second);
        exchange.Check(kCheck, check);
        exchange.Text(kLines, lines);
    }
};

// Every box after the first number holds something new to read.
void TypeEverywhere(Form& form, const char* firstNumber)
{
    form.Box(kTextBox)->setText("new");
    form.Box(kFirstNumber)->setText(firstNumber);
    form.Box(kSecondNumber)->setText("5");
    qobject_cast<QCheckBox*>(form.GetDlgItem(kCheck))->setChecked(true);
    qobject_cast<QPlainTextEdit*>(form.GetDlgItem(kLines))->setPlainText("a\nb");
}

TEST(DataExchange, ReadStopsAtTheFirstBoxThatHoldsNoNumber)
{
    FakeMessages messages;
    Form form;
    form.UpdateData(false);
    TypeEverywhere(form, "abc");
    EXPECT_FALSE(form.UpdateData(true));
    EXPECT_EQ(messages.messages, std::vector<std::string> { "Please enter a number." });
    EXPECT_EQ(form.text, "new"); // read before the bad box
    EXPECT_EQ(form.first, 1.0f); // the bad box's field keeps its value
    EXPECT_EQ(form.second, 2.0f); // so do all later fields
    EXPECT_FALSE(form.check);
    EXPECT_EQ(form.lines, "");
    EXPECT_EQ(form.focusWidget(), form.Box(kFirstNumber));
    EXPECT_EQ(form.Box(kFirstNumber)->selectedText(), "abc");
    EXPECT_EQ(form.Box(kFirstNumber)->text(), "abc"); // nothing is pushed
}

TEST(DataExchange, ReadOfGoodBoxesSucceeds)
{
    FakeMessages messages;
    Form form;
    TypeEverywhere(form, " -2.5 ");
    EXPECT_TRUE(form.UpdateData(true));
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(form.text, "new");
    EXPECT_EQ(form.first, -2.5f);
    EXPECT_EQ(form.second, 5.0f);
    EXPECT_TRUE(form.check);
    EXPECT_EQ(form.lines, "a\r\nb"); // fields hold line breaks as CR LF
}

TEST(DataExchange, LinesKeepTheirBreaksBothWays)
{
    Form form;
    form.lines = "Maximum: 1\r\nMinimum: 0";
    form.UpdateData(false);
    EXPECT_EQ(qobject_cast<QPlainTextEdit*>(form.GetDlgItem(kLines))->toPlainText(),
        "Maximum: 1\nMinimum: 0");
    form.lines.clear();
    form.ReadControlsQuietly();
    EXPECT_EQ(form.lines, "Maximum: 1\r\nMinimum: 0");
}

TEST(DataExchange, QuietReadSkipsABadBoxAndGoesOn)
{
    FakeMessages messages;
    Form form;
    TypeEverywhere(form, "abc");
    form.ReadControlsQuietly();
    EXPECT_TRUE(messages.messages.empty());
    EXPECT_EQ(form.text, "new");
    EXPECT_EQ(form.first, 1.0f);
    EXPECT_EQ(form.second, 5.0f);
    EXPECT_TRUE(form.check);
    EXPECT_EQ(form.Box(kFirstNumber)->text(), "abc");
}

struct Shown {
    float value;
    const char* text;
};

TEST(DataExchange, PushWritesFloatsAsTheShortestTextThatReadsBack)
{
    const Shown cases[] = {
        { 10.0f, "10" },
        { 0.1f, "0.1" },
        { -2.5f, "-2.5" },
        { -0.0f, "-0" },
        { 16777216.0f, "16777216" },
        { 1e-07f, "0.0000001" },
        { 100000.0f, "100000" },
        { 1e20f, "1e+20" },
    };
    for (const Shown& c : cases) {
        SCOPED_TRACE(c.text);
        FakeMessages messages;
        Form form;
        form.first = c.value;
        form.UpdateData(false);
        EXPECT_EQ(form.Box(kFirstNumber)->text(), c.text);
        ASSERT_TRUE(form.UpdateData(true));
        EXPECT_EQ(std::signbit(form.first), std::signbit(c.value));
        EXPECT_EQ(form.first, c.value);
    }
}

TEST(DataExchange, PushLeavesABoxThatAlreadyShowsTheFieldAsItIs)
{
    FakeMessages messages;
    Form form;
    form.UpdateData(false);
    QLineEdit* box = form.Box(kTextBox);
    box->clear();
    QTest::keyClicks(box, "sin(x)");
    box->setCursorPosition(3);
    ASSERT_TRUE(form.UpdateData(true));
    form.UpdateData(false);
    EXPECT_EQ(box->cursorPosition(), 3); // the user typing there keeps their place
    EXPECT_TRUE(box->isUndoAvailable());
}

TEST(DataExchange, ALongTextShowsFromItsStart)
{
    Form form;
    form.text = std::string(200, 'x');
    form.UpdateData(false);
    EXPECT_EQ(form.Box(kTextBox)->cursorPosition(), 0);
}

constexpr int kList = 15;
constexpr ControlTemplate kListControls[] = {
    { kList, ControlKind::ListBox, "", 4, 4, 60, 40, kBox },
};
constexpr DialogTemplate kListTemplate { 901, "", 70, 50, 8, kListControls };

class ListForm : public FormView {
public:
    ListForm()
        : FormView(kListTemplate)
    { }

    int index = -1;

    QListWidget* List() const { return qobject_cast<QListWidget*>(GetDlgItem(kList)); }

protected:
    void DoDataExchange(DataExchange& exchange) override { exchange.ListIndex(kList, index); }
};

// A push selects as the program asks, without the change report that the user's selecting
// brings: a window that pushes from its change handler must not be called again.
TEST(DataExchange, ListIndexSelectsQuietlyAndReadsTheSelection)
{
    ListForm form;
    QListWidget* list = form.List();
    list->addItems({ "a", "b", "c" });
    int reports = 0;
    QObject::connect(list, &QListWidget::itemSelectionChanged, [&reports] { ++reports; });
    for (const int pushed : { 2, -1, 0, 0 }) {
        SCOPED_TRACE(pushed);
        form.index = pushed;
        EXPECT_TRUE(form.UpdateData(false));
        const QList<QListWidgetItem*> selected = list->selectedItems();
        EXPECT_EQ(selected.isEmpty() ? -1 : list->row(selected.first()), pushed);
        form.index = 7;
        EXPECT_TRUE(form.UpdateData(true));
        EXPECT_EQ(form.index, pushed);
    }
    EXPECT_EQ(reports, 0);

    list->setCurrentRow(1);
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(form.UpdateData(true));
    EXPECT_EQ(form.index, 1);
}

} // namespace
} // namespace plovex
