#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "help/CHelpDlg.h"
#include "res/Resource.h"
#include "view/CPlovexView.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace plovex {
namespace {

// Counts the times a window is blocked by a modal dialog.
class BlockCounter : public QObject {
public:
    int blocked = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        blocked += event->type() == QEvent::WindowBlocked;
        return false;
    }
};

void ClickTopic(CHelpDlg& help, int row)
{
    QListWidget* list = help.TopicList();
    const QRect item = list->visualItemRect(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
}

TEST(HelpWindow, StartsHiddenWithSixTopicsAndNothingSelected)
{
    CHelpDlg help;
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(help.windowTitle(), "Plovex 2 Help");
    EXPECT_EQ(help.minimumSize(), help.maximumSize());
    QStringList titles;
    for (int i = 0; i < help.TopicList()->count(); ++i)
        titles << help.TopicList()->item(i)->text();
    EXPECT_EQ(titles,
        (QStringList { "Introduction", "Plotting Graphs", "Function List", "Additional Features",
            "Other Uses of Plovex", "Examples" }));
    EXPECT_EQ(help.SelectedTopic(), -1);
    EXPECT_EQ(help.TextBox()->toPlainText(), "");
    EXPECT_TRUE(help.TextBox()->isReadOnly());
    EXPECT_EQ(help.focusWidget(), help.TopicList());

    // Showing it and giving the list the focus selects nothing yet.
    help.show();
    help.TopicList()->setFocus();
    EXPECT_EQ(help.SelectedTopic(), -1);
    EXPECT_EQ(help.TextBox()->toPlainText(), "");
}

TEST(HelpWindow, EachTopicShowsItsOwnText)
{
    struct Topic {
        int row;
        std::vector<const char*> mentions;
    };
    const Topic topics[] = {
        { 0, { "graphs of mathematical functions", "quality", "dy/dx", "integrate", "implicit" } },
        { 1,
            { "click Plot", "x^2 + 5*x + 6", "sin x and sin(x)", "Implicit function",
                "without an equals sign", "x^2 + y^2 - 25", "radius 5" } },
        { 2,
            { "sin, cos, tan, cosec, sec, cot", "asin, acos, atan", "e, ln, log", "abs", "modulus",
                "sqrt", "1/2", "floor", "greatest integer" } },
        { 3,
            { "X Scale and Y Scale", "Quality", "dotted", "Plot dy/dx", "Integrate",
                "Evaluate and Eval dy/dx", "maximum, minimum and mean", "co-ordinates", "*",
                "View > Grid (Ctrl+G)", "1, 2 or 5 times a power of ten", "Alt+P plots" } },
        { 4, { "Calculator", "information box", "Solving equations", "f(x) = 0", "x*sin x" } },
        { 5,
            { "x*sin(x)  with Quality 50", "x+sin(x)  with X Scale and Y Scale 2",
                "(cos x)^2  with X Scale 30 and Y Scale 125",
                "1/((x^2+1)^1.5)  with X Scale 25 and Y Scale 90", "tan(x*y)", "tan(x/y)",
                "sin(x*y/(x+y))" } },
    };
    CHelpDlg help;
    help.show();
    for (const Topic& topic : topics) {
        SCOPED_TRACE(topic.row);
        ClickTopic(help, topic.row);
        EXPECT_EQ(help.SelectedTopic(), topic.row);
        const QString text = help.TextBox()->toPlainText();
        EXPECT_EQ(text, help.TopicText());
        for (const char* mention : topic.mentions)
            EXPECT_TRUE(text.contains(mention)) << mention;
    }
    // The keyboard moves through the topics too.
    QTest::keyClick(help.TopicList(), Qt::Key_Up);
    EXPECT_EQ(help.SelectedTopic(), 4);
    EXPECT_TRUE(help.TextBox()->toPlainText().startsWith("Calculator"));
}

TEST_F(ShellTest, HelpIgnoresEnterHidesOnCloseAndComesBackAtTheSameTopic)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CHelpDlg& help = app.MainFrame().HelpWindow();
    QAction* usingPlovex = app.MainFrame().Action(res::kCmdUsingPlovex);
    usingPlovex->trigger();
    ASSERT_TRUE(help.isVisible());
    ClickTopic(help, 3);
    const QString text = help.TextBox()->toPlainText();
    ASSERT_FALSE(text.isEmpty());

    for (QWidget* target :
        std::initializer_list<QWidget*> { help.TopicList(), help.CloseButton() }) {
        for (const Qt::Key key : { Qt::Key_Return, Qt::Key_Enter }) {
            QTest::keyClick(target, key);
            EXPECT_TRUE(help.isVisible());
            EXPECT_EQ(help.SelectedTopic(), 3);
        }
    }

    QTest::keyClick(help.TopicList(), Qt::Key_Escape);
    EXPECT_FALSE(help.isVisible());
    usingPlovex->trigger();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(&app.MainFrame().HelpWindow(), &help);
    EXPECT_EQ(help.SelectedTopic(), 3);
    EXPECT_EQ(help.TextBox()->toPlainText(), text);

    help.CloseButton()->click();
    EXPECT_FALSE(help.isVisible());
    usingPlovex->trigger();
    EXPECT_TRUE(help.close()); // the close box
    EXPECT_FALSE(help.isVisible());
    usingPlovex->trigger();
    EXPECT_EQ(help.SelectedTopic(), 3);
}

TEST_F(ShellTest, HelpStaysUsableBesideTheGraphsAndTheirDialogs)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    CHelpDlg& help = frame.HelpWindow();
    frame.Action(res::kCmdUsingPlovex)->trigger();

    // A graph window takes the focus; the help still answers.
    ViewOf(*frame.ActiveChild()).GetDlgItem(res::kExpressionEdit)->setFocus();
    ClickTopic(help, 1);
    EXPECT_EQ(help.SelectedTopic(), 1);

    // A dialog of the main window blocks the main window only.
    BlockCounter mainBlocks;
    BlockCounter helpBlocks;
    frame.installEventFilter(&mainBlocks);
    help.installEventFilter(&helpBlocks);
    QDialog dialog(&frame);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.show();
    EXPECT_EQ(mainBlocks.blocked, 1);
    EXPECT_EQ(helpBlocks.blocked, 0);
    ClickTopic(help, 2);
    EXPECT_EQ(help.SelectedTopic(), 2);
    dialog.hide();
}

} // namespace
} // namespace plovex
