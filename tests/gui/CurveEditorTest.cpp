#include "AccessibleNames.h"
#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "frame/CChildFrame.h"
#include "frame/CCurveEditor.h"
#include "frame/CFunctionBar.h"
#include "frame/CMainFrame.h"
#include "frame/CNewFunctionMenu.h"
#include "frame/FunctionList.h"
#include "platform/PictureStatic.h"
#include "render/GraphRenderer.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
#include "view/ImageSurface.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace plovex {
namespace {

// Types into a box as the keyboard does: the box tells that it was edited.
void TypeInto(QLineEdit& box, const QString& text)
{
    box.selectAll();
    box.insert(text);
}

// The picture the command line renders for a document's shown functions at the view's size.
QImage Rendered(const CPlovexView& view)
{
    const CPlovexDoc& document = view.GetDocument();
    GraphModel model;
    model.Load(document.Model().Stored(), document.View());
    for (std::size_t i = 0; i < model.Count(); ++i)
        (void)model.Function(i).Parse();
    std::size_t statisticsItem = 0;
    const std::vector<PlotItem> items
        = PlotItems(model.Functions(), 0, false, statisticsItem, model.Variables());
    const QSize size = view.m_graphArea->ClientSize();
    ImageSurface surface(size.width(), size.height());
    (void)DrawGraph(model.View(), {}, items, statisticsItem, surface);
    return surface.Image();
}

// New Function's menu makes each kind; a curve is edited below the list, and the form greys
// out what works on explicit functions alone.
TEST_F(ShellTest, NewFunctionOffersEveryKind)
{
    const struct {
        CurveKind kind;
        bool editor;
        bool secondBox;
        const char* firstLabel;
        bool explicitCommands; // Evaluate, Eval dy/dx, Integrate, Plot dy/dx
        bool quality;
        bool implicitBox;
        const char* row;
    } cases[] = {
        { CurveKind::Explicit, false, false, "", true, true, true, "(empty)" },
        { CurveKind::Implicit, false, false, "", false, false, true, "(empty) = 0" },
        { CurveKind::Parametric, true, true, "x(t) =", false, true, false,
            "Parametric: x = (empty), y = (empty); t: 0 \u2192 6.2831855" },
        { CurveKind::Polar, true, false, "r(t) =", false, true, false,
            "Polar: r = (empty); t: 0 \u2192 6.2831855" },
    };
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    frame.show();
    QApplication::setActiveWindow(&frame);
    CPlovexView& view = ViewOf(Active(app));
    CFunctionBar& bar = *frame.FunctionBar();
    CCurveEditor& editor = *bar.CurveEditor();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firstLabel);
        const std::size_t before = view.GetDocument().Count();
        bar.NewFunctionMenu()->KindAction(c.kind)->trigger();
        ASSERT_EQ(view.GetDocument().Count(), before + 1);
        const GraphFunction& function = view.GetDocument().Function(view.SelectedFunction());
        EXPECT_EQ(function.kind, c.kind);
        EXPECT_FALSE(function.shown);
        EXPECT_EQ(editor.isVisible(), c.editor);
        EXPECT_EQ(editor.SecondBox()->isVisible(), c.secondBox);
        EXPECT_EQ(frame.focusWidget(),
            c.editor ? static_cast<QWidget*>(editor.FirstBox())
                     : view.GetDlgItem(res::kExpressionEdit));
        if (c.editor) {
            EXPECT_EQ(editor.FirstBox()->accessibleName(), QString(c.firstLabel).chopped(2));
            EXPECT_EQ(editor.StartBox()->text(), "0");
            EXPECT_EQ(editor.EndBox()->text(), "6.2831855");
        }
        for (const int id : { res::kEvaluateButton, res::kEvalDerivativeButton,
                 res::kIntegrateButton, res::kPlotDerivativeButton })
            EXPECT_EQ(view.GetDlgItem(id)->isEnabled(), c.explicitCommands) << id;
        EXPECT_EQ(view.GetDlgItem(res::kQualityEdit)->isEnabled(), c.quality);
        EXPECT_EQ(view.GetDlgItem(res::kImplicitCheck)->isEnabled(), c.implicitBox);
        FunctionList& list = *bar.List();
        EXPECT_EQ(list.currentItem()->text().toStdString(), c.row);
    }
}

// The editor and the form's box show the same document: what is typed in either goes into it
// at once, and a range box that holds no finite number when it is left is told about.
TEST_F(ShellTest, TheCurveEditorEditsTheDocument)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    CPlovexView& view = ViewOf(Active(app));
    CPlovexDoc& document = view.GetDocument();
    CCurveEditor& editor = *frame.FunctionBar()->CurveEditor();
    frame.FunctionBar()->NewFunctionMenu()->KindAction(CurveKind::Parametric)->trigger();
    const std::size_t index = view.SelectedFunction();
    TypeInto(*editor.FirstBox(), "t-sin t");
    TypeInto(*editor.SecondBox(), "1-cos t");
    TypeInto(*editor.StartBox(), "-2.5");
    TypeInto(*editor.EndBox(), " 1e1 ");
    const GraphFunction& function = document.Function(index);
    EXPECT_EQ(function.expression, "t-sin t");
    EXPECT_EQ(function.yExpression, "1-cos t");
    EXPECT_EQ(function.range, (ParameterRange { -2.5f, 10.0f }));
    EXPECT_EQ(view.m_expression, "t-sin t");
    EXPECT_EQ(view.GetDlgItem(res::kExpressionEdit)->property("text").toString(), "t-sin t");
    EXPECT_TRUE(document.IsModified());

    Type(view, "2*t");
    EXPECT_EQ(editor.FirstBox()->text(), "2*t");
    EXPECT_EQ(function.expression, "2*t");

    const struct {
        const char* typed;
        const char* message; // empty: taken
        const char* shown;
    } entries[] = {
        { "abc", "\"abc\" is not a finite number. The range of t stays from -2.5 to 10.", "-2.5" },
        { "1e39", "\"1e39\" is not a finite number. The range of t stays from -2.5 to 10.",
            "-2.5" },
        { "", "\"\" is not a finite number. The range of t stays from -2.5 to 10.", "-2.5" },
        { "7", "", "7" },
    };
    for (const auto& entry : entries) {
        SCOPED_TRACE(entry.typed);
        m_messages.messages.clear();
        TypeInto(*editor.StartBox(), entry.typed);
        emit editor.StartBox()->editingFinished();
        if (*entry.message)
            EXPECT_EQ(m_messages.messages, std::vector<std::string> { entry.message });
        else
            EXPECT_TRUE(m_messages.messages.empty());
        EXPECT_EQ(editor.StartBox()->text(), entry.shown);
    }
    EXPECT_EQ(function.range, (ParameterRange { 7.0f, 10.0f }));

    // Another function selected hides the editor; the curve selected again shows it again.
    view.SelectFunction(0);
    EXPECT_TRUE(editor.isHidden());
    view.SelectFunction(index);
    EXPECT_FALSE(editor.isHidden());
    EXPECT_EQ(editor.SecondBox()->text(), "1-cos t");
    EXPECT_EQ(editor.StartBox()->text(), "7");
}

// The editor's boxes are named for screen readers, once each; the readout of a curve, which has
// no value at an x, shows where the pointer is without the on-curve mark.
TEST_F(ShellTest, ACurveIsNamedAndReadOutWithoutTheMark)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    frame.show();
    CPlovexView& view = ViewOf(Active(app));
    TypeAndPlot(view, "0");
    const QPoint centre = view.m_graphArea->mapTo(&view,
        view.m_graphArea->contentsRect().topLeft()
            + QPoint(view.m_graphArea->ClientSize().width() / 2,
                view.m_graphArea->ClientSize().height() / 2));
    view.OnMouseMove(centre);
    EXPECT_EQ(view.m_status, "(0,0) *");
    frame.FunctionBar()->NewFunctionMenu()->KindAction(CurveKind::Parametric)->trigger();
    const std::vector<std::string> names = FocusableNames(*frame.FunctionBar());
    ExpectNamedOnce(names);
    for (const char* name : { "x(t)", "y(t)", "Start of the range of t", "End of the range of t" })
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
    TypeInto(*frame.FunctionBar()->CurveEditor()->SecondBox(), "0");
    emit frame.FunctionBar()->CurveEditor()->SecondBox()->returnPressed();
    view.OnMouseMove(centre);
    EXPECT_EQ(view.m_status, "(0,0)");
}

// The Tools commands say that they work on explicit functions.
TEST_F(ShellTest, TheToolsSayACurveIsNoExplicitFunction)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    app.MainFrame().FunctionBar()->NewFunctionMenu()->KindAction(CurveKind::Polar)->trigger();
    for (const int command : { res::kCmdFindRoots, res::kCmdFindExtrema, res::kCmdTableOfValues }) {
        SCOPED_TRACE(command);
        m_messages.messages.clear();
        Trigger(app, command);
        EXPECT_EQ(m_messages.messages,
            std::vector<std::string> { "Roots, extrema and tables of values are found for "
                                       "explicit functions y = f(x), not for parametric or "
                                       "polar curves." });
    }
}

// Curves made and typed in the window draw what the command line draws for the document,
// over the explicit function before them; saved and opened again, they come back with their
// kinds, expressions and ranges, and the same picture.
TEST_F(ShellTest, CurvesInTheWindowAreTheCommandLinesPicture)
{
    const QString path = TempPath("curves.pxg");
    const QString caption = "y = x/4\nx = 8*sin(3t), y = 5*sin(2t); t: 0 \u2192 6.2831855\n"
                            "r = 5*cos(5t); t: -1 \u2192 2";
    {
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        CPlovexView& view = ViewOf(Active(app));
        CFunctionBar& bar = *app.MainFrame().FunctionBar();
        CCurveEditor& editor = *bar.CurveEditor();
        TypeAndPlot(view, "x/4");
        bar.NewFunctionMenu()->KindAction(CurveKind::Parametric)->trigger();
        TypeInto(*editor.FirstBox(), "8*sin(3t)");
        TypeInto(*editor.SecondBox(), "5*sin(2t)");
        emit editor.SecondBox()->returnPressed();
        bar.NewFunctionMenu()->KindAction(CurveKind::Polar)->trigger();
        TypeInto(*editor.FirstBox(), "5*cos(5t)");
        TypeInto(*editor.StartBox(), "-1");
        TypeInto(*editor.EndBox(), "2");
        emit editor.EndBox()->returnPressed();
        EXPECT_TRUE(m_messages.messages.empty());
        EXPECT_EQ(view.m_postfix, "(5.000000)(5.000000){t}*c*");
        EXPECT_EQ(view.GraphCaption(), caption);
        EXPECT_EQ(view.GraphPicture(), Rendered(view));
        const QString description = QAccessible::queryAccessibleInterface(view.m_graphArea)
                                        ->text(QAccessible::Description);
        EXPECT_TRUE(description.contains("Selected: Polar curve r = 5*cos(5t) for t from -1 to 2."))
            << description.toStdString();
        m_dialogs.fileNames = { path };
        Trigger(app, res::kCmdFileSaveAs);
    }
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({ path }));
    CPlovexView& view = ViewOf(Active(app));
    const CPlovexDoc& document = view.GetDocument();
    ASSERT_EQ(document.Count(), 3u);
    EXPECT_EQ(document.Function(1).kind, CurveKind::Parametric);
    EXPECT_EQ(document.Function(1).yExpression, "5*sin(2t)");
    EXPECT_EQ(document.Function(2).kind, CurveKind::Polar);
    EXPECT_EQ(document.Function(2).range, (ParameterRange { -1.0f, 2.0f }));
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(view.GraphCaption(), caption);
    EXPECT_EQ(view.GraphPicture(), Rendered(view));
    EXPECT_TRUE(m_messages.messages.empty());
}

// A parse error names the expression it is in, one line for each.
TEST_F(ShellTest, AParseErrorNamesTheCurvesExpression)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(Active(app));
    CFunctionBar& bar = *app.MainFrame().FunctionBar();
    bar.NewFunctionMenu()->KindAction(CurveKind::Parametric)->trigger();
    TypeInto(*bar.CurveEditor()->FirstBox(), "x");
    TypeInto(*bar.CurveEditor()->SecondBox(), "t)");
    emit bar.CurveEditor()->FirstBox()->returnPressed();
    EXPECT_EQ(m_messages.messages,
        std::vector<std::string> { "x(t): Parse Error: Variable 'x' not allowed in parametric and "
                                   "polar functions, which use t.\ny(t): Parse Error: Unmatched "
                                   "parentheses." });
    EXPECT_TRUE(view.GetDocument().Function(1).shown);
}

} // namespace
} // namespace plovex
