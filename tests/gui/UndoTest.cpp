#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "platform/PictureStatic.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace plovex {
namespace {

void Click(CPlovexView& view, int id)
{
    qobject_cast<QAbstractButton*>(view.GetDlgItem(id))->click();
}

QLineEdit* Box(CPlovexView& view, int id)
{
    return qobject_cast<QLineEdit*>(view.GetDlgItem(id));
}

QString MenuText(const CPlovexApp& app, int id)
{
    return app.MainFrame().Action(id)->text();
}

// Every form shows the document: its selected function's text and kind, and after catching
// up, a drawing of the document as it now is.
void ExpectFormsShowDocument(std::initializer_list<CPlovexView*> views)
{
    QApplication::processEvents();
    for (CPlovexView* view : views) {
        const CPlovexDoc& document = view->GetDocument();
        ASSERT_LT(view->SelectedFunction(), document.Count());
        const GraphFunction& function = document.Function(view->SelectedFunction());
        EXPECT_EQ(Box(*view, res::kExpressionEdit)->text().toStdString(), function.expression);
        EXPECT_EQ(view->m_implicit, function.kind == CurveKind::Implicit);
        EXPECT_EQ(view->m_postfix, function.PostfixText());
    }
}

// Each kind of edit, made in one window or the other of one document, is undone and redone
// through the Edit menu, which names it; both windows show the result.
TEST_F(ShellTest, EveryEditIsUndoneAndRedoneInEitherWindow)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& first = ViewOf(Active(app));
    CPlovexDoc& document = first.GetDocument();
    TypeAndPlot(first, "x^2/10");
    Trigger(app, res::kCmdWindowNew);
    CPlovexView& second = ViewOf(Active(app));
    ASSERT_NE(&first, &second);
    const struct {
        const char* step; // as the Edit menu names it
        std::function<void()> edit;
    } edits[] = {
        { "Plot", [&] { TypeAndPlot(second, "x^3"); } },
        { "Change Scale", [&] { Click(second, res::kXScaleUpButton); } },
        { "Change Kind", [&] { Click(first, res::kImplicitCheck); } },
        { "Change Kind", [&] { Click(first, res::kImplicitCheck); } },
        { "New Function", [&] { first.OnNewFunction(); } },
        { "Plot", [&] { TypeAndPlot(first, "sin(x)"); } }, // shows the new function
        { "Move Function", [&] { second.OnMoveFunctionUp(); } }, // the new one, selected in both
        { "Change Colour",
            [&] {
                second.SetFunctionColour(1, { 1, 2, 3 });
            } },
        { "Hide Function", [&] { first.SetFunctionShown(0, false); } },
        { "Delete Function", [&] { second.OnDeleteFunction(); } },
        { "New Parameter", [&] { (void)document.AddParameter({ "a" }); } },
        { "Plot", [&] { TypeAndPlot(first, "a*x"); } },
        { "Rename Parameter", [&] { (void)document.SetParameter(0, { "b" }); } },
        { "Change Range",
            [&] {
                (void)document.SetParameter(0, { "b", 1.0f, -1.0f });
            } },
        { "Change Value", // one drag
            [&] {
                for (const float value : { 1.5f, 2.0f, 2.5f })
                    (void)document.SetParameterValue(0, value);
            } },
        { "Delete Parameter", [&] { document.RemoveParameter(0); } },
        { "New Function", [&] { first.OnNewFunctionOfKind(CurveKind::Polar); } },
        { "Plot", [&] { TypeAndPlot(first, "t/2"); } }, // r(t), parsed again when restored
        { "Typing", [&] { Type(second, "typed, not plotted"); } },
    };
    for (const auto& edit : edits) {
        SCOPED_TRACE(edit.step);
        // No text box has the focus: the keys undo the document's steps.
        first.m_graphArea->setFocus();
        const GraphState before = document.Model().State();
        edit.edit();
        const GraphState after = document.Model().State();
        ASSERT_FALSE(before == after);
        EXPECT_EQ(MenuText(app, res::kCmdEditUndo), QString("&Undo %1").arg(edit.step));
        Trigger(app, res::kCmdEditUndo);
        EXPECT_TRUE(document.Model().State() == before);
        ExpectFormsShowDocument({ &first, &second });
        EXPECT_EQ(MenuText(app, res::kCmdEditRedo), QString("&Redo %1").arg(edit.step));
        Trigger(app, res::kCmdEditRedo);
        EXPECT_TRUE(document.Model().State() == after);
        ExpectFormsShowDocument({ &first, &second });
    }
    EXPECT_FALSE(app.MainFrame().Action(res::kCmdEditRedo)->isEnabled());
    // Back to the start, and a scale the first step did not change stays as the form has it.
    while (document.CanUndo())
        Trigger(app, res::kCmdEditUndo);
    EXPECT_EQ(document.Count(), 1u);
    EXPECT_EQ(document.Expression(), "");
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(MenuText(app, res::kCmdEditUndo), "&Undo");
    EXPECT_FALSE(app.MainFrame().Action(res::kCmdEditUndo)->isEnabled());
}

// The title's mark follows the saved state through undo and redo, and undoing back to what was
// opened saves the very bytes that were opened.
TEST_F(ShellTest, UndoFollowsTheSavedState)
{
    const QString path = TempPath("saved.pxg");
    {
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        TypeAndPlot(ViewOf(Active(app)), "x/2");
        m_dialogs.fileNames = { path };
        Trigger(app, res::kCmdFileSaveAs);
    }
    DeleteClosedWindows();
    const QByteArray opened = ReadFile(path);
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({ path }));
    CPlovexView& view = ViewOf(Active(app));
    view.m_graphArea->setFocus();
    const auto edit = [&] {
        view.OnNewFunction();
        TypeAndPlot(view, "x^2");
        view.m_graphArea->setFocus();
    };
    enum Command { Edit, Undo, Redo, Save };
    const struct {
        Command command;
        const char* title;
        bool savesOpened; // the file then holds the opened bytes
    } steps[] = {
        { Edit, "saved.pxg*", true },
        { Undo, "saved.pxg*", true }, // the new function, still empty
        { Undo, "saved.pxg", true },
        { Save, "saved.pxg", true },
        { Redo, "saved.pxg*", true },
        { Redo, "saved.pxg*", true },
        { Save, "saved.pxg", false }, // the list stays
        { Undo, "saved.pxg*", false },
        { Redo, "saved.pxg", false },
        { Undo, "saved.pxg*", false },
        { Undo, "saved.pxg*", false },
        { Save, "saved.pxg", true },
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.title);
        switch (step.command) {
        case Edit:
            edit();
            break;
        case Undo:
            Trigger(app, res::kCmdEditUndo);
            break;
        case Redo:
            Trigger(app, res::kCmdEditRedo);
            break;
        case Save:
            Trigger(app, res::kCmdFileSave);
            EXPECT_EQ(ReadFile(path) == opened, step.savesOpened);
            break;
        }
        EXPECT_EQ(ShownTitle(Active(app)).toStdString(), step.title);
    }
    EXPECT_TRUE(m_messages.messages.empty());
}

// Ctrl+Z in a text box undoes its typing while it has some; then the document's last step.
TEST_F(ShellTest, UndoKeysGoToTheFocusedBoxFirst)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    CPlovexView& view = ViewOf(Active(app));
    CPlovexDoc& document = view.GetDocument();
    QLineEdit* box = Box(view, res::kExpressionEdit);
    box->setFocus();
    QTest::keyClicks(box, "x+1");
    QTest::keyClick(box, Qt::Key_Return); // Plot
    QTest::keyClicks(box, "0");
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* box;
        const char* plotted;
    } keys[] = {
        { Qt::Key_Z, Qt::ControlModifier, "x+1", "x+1" }, // the box's typing
        { Qt::Key_Z, Qt::ControlModifier, "", "" }, // the document's Plot
        { Qt::Key_Z, Qt::ControlModifier, "", "" }, // nothing left
        { Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "x+1", "x+1" }, // Plot again
        { Qt::Key_Y, Qt::ControlModifier, "x+1", "x+1" }, // nothing to redo
    };
    for (const auto& key : keys) {
        SCOPED_TRACE(key.box);
        QTest::keyClick(box, key.key, key.modifiers);
        EXPECT_EQ(box->text().toStdString(), key.box);
        EXPECT_EQ(document.Expression(), key.box);
        EXPECT_EQ(document.Function(0).ParsedExpression(), key.plotted);
    }
}

} // namespace
} // namespace plovex
