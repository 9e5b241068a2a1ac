#include "AccessibleNames.h"
#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "help/CHelpDlg.h"
#include "platform/DialogControls.h"
#include "platform/PictureStatic.h"
#include "platform/TemplateDialog.h"
#include "res/Resource.h"
#include "view/CPlovexView.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace plovex {
namespace {

TEST(DialogControls, AControlWithoutACaptionIsNamedByTheLabelBeforeIt)
{
    static constexpr ControlTemplate controls[] = {
        { 1, ControlKind::Static, "&Lower limit:", 0, 0, 40, 10, 0 },
        { 2, ControlKind::Edit, "", 0, 10, 40, 10, ControlStyle::kTabStop },
        { 3, ControlKind::Edit, "", 0, 20, 40, 10, ControlStyle::kTabStop }, // label taken
        { 4, ControlKind::Static, "Save && go :", 0, 30, 40, 10, 0 },
        { 5, ControlKind::CheckBox, "Tick", 0, 40, 40, 10, ControlStyle::kTabStop },
        { 6, ControlKind::ProgressBar, "", 0, 50, 40, 10, 0 },
        { 7, ControlKind::Static, "Ignored:", 0, 60, 40, 10, 0 },
        { 8, ControlKind::PushButton, "+", 0, 70, 40, 10, ControlStyle::kTabStop,
            res::kStrNameXScaleUp },
        { 9, ControlKind::Frame, "", 0, 80, 40, 10, 0, res::kStrNameGraph },
    };
    constexpr DialogTemplate dialogTemplate { 900, "", 60, 100, 8, controls };
    QWidget window;
    DialogControls items;
    items.Create(window, dialogTemplate);

    struct Case {
        int id;
        const char* name;
        int label; // 0: no label has it as buddy
    };
    const Case cases[] = {
        { 2, "Lower limit", 1 }, { 3, "", 0 }, { 5, "", 0 }, // a check box says its caption
        { 6, "Save & go", 4 }, { 8, "Increase X scale", 0 },
        { 9, "Graph", 0 }, // a control with a name of its own leaves the label free
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(items.Item(c.id)->accessibleName().toStdString(), c.name);
        for (const int label : { 1, 4, 7 }) {
            const bool buddy
                = qobject_cast<QLabel*>(items.Item(label))->buddy() == items.Item(c.id);
            EXPECT_EQ(buddy, label == c.label) << label;
        }
    }
    window.show();
    window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    // The label's mnemonic focuses its buddy.
    items.Item(3)->setFocus();
    ASSERT_EQ(window.focusWidget(), items.Item(3));
    QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
    EXPECT_EQ(window.focusWidget(), items.Item(2));
    // A button whose caption is a sign shows its name under the pointer.
    EXPECT_EQ(items.Item(8)->toolTip(), "Increase X scale");
    EXPECT_EQ(items.Item(2)->toolTip(), "");
}

TEST_F(ShellTest, TheGraphWindowNamesEveryControlOnce)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CChildFrame* child = app.MainFrame().ActiveChild();
    ASSERT_NE(child, nullptr);
    const std::vector<std::string> names = FocusableNames(*child);
    ExpectNamedOnce(names);
    EXPECT_EQ(names,
        (std::vector<std::string> { "Expression", "Plot", "Plot dy/dx", "Postfix form",
            "Eval dy/dx", "Evaluate", "Integrate", "Do not clear previous graph",
            "Implicit function", "Statistics", "X Scale", "Increase X scale", "Decrease X scale",
            "Y Scale", "Increase Y scale", "Decrease Y scale", "Quality",
            "Graph" })); // last: the arrow keys move its view

    CPlovexView& view = ViewOf(*child);
    QAccessibleInterface* graph = FindByRole(*child, QAccessible::Graphic);
    ASSERT_NE(graph, nullptr);
    EXPECT_EQ(graph->object(), view.m_graphArea);
    EXPECT_EQ(graph->text(QAccessible::Name), "Graph");
    QAccessibleInterface* progress = FindByRole(*child, QAccessible::ProgressBar);
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->text(QAccessible::Name), "Progress");

    // The labels' mnemonics and relations lead to their boxes; the captions stay.
    for (const auto& [label, box] :
        { std::pair { "X Scale:", res::kXScaleEdit }, std::pair { "Y Scale:", res::kYScaleEdit },
            std::pair { "Quality:", res::kQualityEdit } }) {
        SCOPED_TRACE(label);
        const QLabel* found = nullptr;
        for (const QLabel* candidate : view.findChildren<QLabel*>())
            found = candidate->text() == label ? candidate : found;
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(found->buddy(), view.GetDlgItem(box));
    }
    for (const int id : { res::kXScaleUpButton, res::kYScaleUpButton })
        EXPECT_EQ(qobject_cast<QAbstractButton*>(view.GetDlgItem(id))->text(), "+");
    EXPECT_EQ(
        view.GetDlgItem(res::kYScaleDownButton)->toolTip(), "Decrease Y scale (Alt+Shift+Down)");

    // The toolbar's buttons show only icons: they say their tooltips.
    std::vector<std::string> buttons;
    QToolBar* toolBar = app.MainFrame().ToolBar();
    for (QAction* action : toolBar->actions()) {
        if (!action->isSeparator()) {
            buttons.push_back(
                QAccessible::queryAccessibleInterface(toolBar->widgetForAction(action))
                    ->text(QAccessible::Name)
                    .toStdString());
        }
    }
    EXPECT_EQ(buttons,
        (std::vector<std::string> {
            "New", "Open", "Save", "Cut", "Copy", "Paste", "Print", "About" }));
}

TEST_F(ShellTest, TheGraphDescribesEachRendering)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    QAccessibleInterface* graph = QAccessible::queryAccessibleInterface(view.m_graphArea);
    ASSERT_EQ(graph->role(), QAccessible::Graphic);
    // The new document's first plot.
    EXPECT_EQ(graph->text(QAccessible::Description).toStdString(),
        "No expression, explicit. X scale 10, Y scale 10. Maximum: 0.000000, Minimum: "
        "0.000000, Mean: 0.000000.");

    TypeAndPlot(view, "x^2");
    EXPECT_EQ(graph->text(QAccessible::Description).toStdString(),
        "x^2, explicit. X scale 10, Y scale 10. Maximum: 930.250000, Minimum: 0.000001, Mean: "
        "310.094890.");
    // Typed since, not parsed: a scale button draws, and describes, the parsed one.
    qobject_cast<QLineEdit*>(view.GetDlgItem(res::kExpressionEdit))->setText("x");
    qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kXScaleUpButton))->click();
    EXPECT_EQ(graph->text(QAccessible::Description).toStdString(),
        "x^2, explicit. X scale 11, Y scale 10. Maximum: 768.801660, Minimum: 0.000001, Mean: "
        "256.276769.");
}

TEST_F(ShellTest, TheInputDialogNamesItsBoxAfterThePrompt)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    std::vector<std::vector<std::string>> asked;
    const auto readAndOk = [&asked](QDialog& dialog) {
        dialog.show(); // as a modal run shows it
        asked.push_back(FocusableNames(dialog));
        qobject_cast<QAbstractButton*>(
            qobject_cast<TemplateDialog*>(&dialog)->GetDlgItem(res::kIdOk))
            ->click();
    };
    m_messages.Script(readAndOk);
    m_messages.Script(readAndOk);
    qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kIntegrateButton))->click();
    m_messages.Script(readAndOk);
    qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kEvaluateButton))->click();
    ASSERT_EQ(asked.size(), 3u);
    for (const std::vector<std::string>& names : asked)
        ExpectNamedOnce(names);
    // The same dialog asks twice: its box follows the prompt, without the colon.
    EXPECT_EQ(asked[0],
        (std::vector<std::string> { "Enter lower limit for integration", "OK", "Cancel" }));
    EXPECT_EQ(asked[1],
        (std::vector<std::string> { "Enter upper limit for integration", "OK", "Cancel" }));
    EXPECT_EQ(asked[2],
        (std::vector<std::string> { "Evaluate function for what value of x?", "OK", "Cancel" }));
}

TEST_F(ShellTest, TheHelpAndAboutWindowsNameEveryControlOnce)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CHelpDlg& help = app.MainFrame().HelpWindow();
    app.MainFrame().Action(res::kCmdUsingPlovex)->trigger();
    std::vector<std::string> names = FocusableNames(help);
    ExpectNamedOnce(names);
    EXPECT_EQ(names,
        (std::vector<std::string> { "Help topics", "Introduction", "Plotting Graphs",
            "Function List", "Additional Features", "Other Uses of Plovex", "Examples",
            "Topic text", "Close" }));

    m_messages.Script([&names](QDialog& dialog) {
        dialog.show();
        names = FocusableNames(dialog);
        QAccessibleInterface* icon = FindByRole(dialog, QAccessible::Graphic);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(icon->text(QAccessible::Name), "Plovex 2");
        dialog.accept();
    });
    app.MainFrame().Action(res::kCmdAppAbout)->trigger();
    EXPECT_EQ(names, std::vector<std::string> { "OK" });
}

} // namespace
} // namespace plovex
