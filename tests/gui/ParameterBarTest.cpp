#include "AccessibleNames.h"
#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "document/GraphModel.h"
#include "engine/Numbers.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/CParameterBar.h"
#include "frame/CParameterRow.h"
#include "frame/ParameterAnimator.h"
#include "platform/PictureStatic.h"
#include "render/GraphRenderer.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
#include "view/ImageSurface.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace plovex {
namespace {

using Strings = std::vector<std::string>;

// The picture the command line renders for `expression` alone at the view's size and scales,
// the parameters' values written into it as numbers.
QImage Rendered(const CPlovexView& view, const std::string& expression)
{
    GraphModel model;
    model.Load({ { expression } }, view.CurrentView());
    EXPECT_TRUE(model.Parse(0).Ok()) << expression;
    std::size_t statisticsItem = 0;
    const std::vector<PlotItem> items
        = PlotItems(model.Functions(), 0, false, statisticsItem, model.Variables());
    const QSize size = view.m_graphArea->ClientSize();
    ImageSurface surface(size.width(), size.height());
    (void)DrawGraph(model.View(), {}, items, statisticsItem, surface);
    return surface.Image();
}

// Lets the windows that follow the document draw.
void Settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

void Commit(QLineEdit& box, const QString& text)
{
    box.setFocus();
    box.selectAll();
    box.insert(text);
    QTest::keyClick(&box, Qt::Key_Return);
}

Strings Names(const CPlovexDoc& document)
{
    Strings names;
    for (const Parameter& parameter : document.Parameters())
        names.push_back(parameter.name);
    return names;
}

// Plot of an expression with a name that is not defined offers to make it a parameter: Yes
// makes it and plots, No leaves the parse error.
TEST_F(ShellTest, PlotOffersToCreateAnUndefinedName)
{
    const std::string question = "The expression uses '%1', which is not defined. Create a "
                                 "parameter %1 = 1 (from \u22125 to 5)?";
    const auto asked = [&question](const char* name) {
        return QString::fromStdString(question).arg(name).toStdString();
    };
    const struct {
        const char* expression;
        std::vector<bool> answers;
        Strings asked;
        Strings messages;
        Strings parameters;
        const char* drawn; // what the picture equals
    } cases[] = {
        { "a*sin(x)", { true }, { asked("a") }, {}, { "a" }, "1*sin(x)" },
        { "a*x+b2", { true, true }, { asked("a"), asked("b2") }, {}, { "a", "b2" }, "1*x+1" },
        { "a*x+b2", { true, false }, { asked("a"), asked("b2") },
            { "Parse Error: Unrecognised function 'b2'." }, { "a" }, "1*x+" },
        { "k*x", { false }, { asked("k") }, { "Parse Error: Unrecognised function 'k'." }, {}, "" },
        // "max" is "ma" times x: the name the parse did not know is offered.
        { "max(x)", { false }, { asked("ma") }, { "Parse Error: Unrecognised function 'ma'." }, {},
            "" },
        { "x+Sin(x)", {}, {}, { "Parse Error: Unrecognised symbol 'S'." }, {}, "x+" },
        { "e^x", {}, {}, { "Parse Error: Function 'e' has no argument." }, {}, "" },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        CPlovexView& view = ViewOf(Active(app));
        m_messages.asked.clear();
        m_messages.messages.clear();
        m_messages.answers.assign(c.answers.begin(), c.answers.end());
        TypeAndPlot(view, c.expression);
        Settle();
        EXPECT_EQ(m_messages.asked, c.asked);
        EXPECT_EQ(m_messages.messages, c.messages);
        EXPECT_EQ(Names(view.GetDocument()), c.parameters);
        EXPECT_EQ(
            app.MainFrame().ParameterBar()->RowCount(), static_cast<int>(c.parameters.size()));
        EXPECT_EQ(view.GraphPicture(), Rendered(view, c.drawn));
    }
}

// A slider moved by the keyboard or the mouse sets its position's value, and every window of
// the document draws what the command line draws with that value.
TEST_F(ShellTest, TheSliderRedrawsEveryWindow)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    frame.show();
    QApplication::setActiveWindow(&frame);
    CPlovexView& first = ViewOf(Active(app));
    m_messages.answers = { true };
    TypeAndPlot(first, "a*sin(x)+a^2/8");
    Trigger(app, res::kCmdWindowNew);
    CPlovexView& second = ViewOf(Active(app));
    ASSERT_NE(&first, &second);
    CParameterBar& bar = *frame.ParameterBar();
    ASSERT_EQ(bar.RowCount(), 1);
    CParameterRow& row = *bar.Row(0);
    QSlider& slider = *row.Slider();
    EXPECT_EQ(slider.maximum(), 100);
    EXPECT_EQ(slider.value(), 60);
    slider.setFocus();
    const struct {
        Qt::Key key;
        float value;
        const char* shown;
        const char* literal; // the value as a number of the expression
    } keys[] = {
        // -5 + 61·0.1f is 1.10000009..., nearer 1.1000001f than 1.1f
        { Qt::Key_Right, 1.1000001f, "1.1000001", "1.1000001" },
        { Qt::Key_PageUp, 2.1000001f, "2.1000001", "2.1000001" },
        { Qt::Key_Left, 2.0f, "2", "2" },
        { Qt::Key_PageDown, 1.0000001f, "1.0000001", "1.0000001" },
        { Qt::Key_End, 5.0f, "5", "5" },
        { Qt::Key_Home, -5.0f, "-5", "(0-5)" },
        { Qt::Key_Up, -4.9f, "-4.9", "(0-4.9)" },
    };
    for (const auto& move : keys) {
        SCOPED_TRACE(move.shown);
        QTest::keyClick(&slider, move.key);
        Settle();
        EXPECT_EQ(first.GetDocument().GetParameter(0).value, move.value);
        EXPECT_EQ(row.ValueBox()->text().toStdString(), move.shown);
        const std::string literal = move.literal;
        const std::string expression = literal + "*sin(x)+" + literal + "^2/8";
        EXPECT_EQ(first.GraphPicture(), Rendered(first, expression));
        EXPECT_EQ(second.GraphPicture(), Rendered(second, expression));
    }
    // The mouse drags the handle to the far right, through the positions between.
    const QRect groove = slider.rect();
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(3, groove.center().y()));
    for (int x = 3; x <= groove.width(); x += 20)
        QTest::mouseMove(&slider, QPoint(x, groove.center().y()));
    QTest::mouseMove(&slider, QPoint(groove.width() + 50, groove.center().y()));
    QTest::mouseRelease(
        &slider, Qt::LeftButton, {}, QPoint(groove.width() + 50, groove.center().y()));
    Settle();
    EXPECT_EQ(slider.value(), 100);
    EXPECT_EQ(row.ValueBox()->text(), "5");
    EXPECT_EQ(first.GraphPicture(), Rendered(first, "5*sin(x)+5^2/8"));
    EXPECT_EQ(second.GraphPicture(), Rendered(second, "5*sin(x)+5^2/8"));
    EXPECT_TRUE(first.GetDocument().IsModified());
}

// Each box of a row changes its parameter as one command; what the document refuses is told
// and the row shows the parameter again.
TEST_F(ShellTest, TheRowEditsTheParameter)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    frame.show();
    QApplication::setActiveWindow(&frame);
    CPlovexView& view = ViewOf(Active(app));
    CPlovexDoc& document = view.GetDocument();
    CParameterBar& bar = *frame.ParameterBar();
    bar.AddButton()->click();
    bar.AddButton()->click();
    EXPECT_EQ(Names(document), (Strings { "a", "b" }));
    CParameterRow& row = *bar.Row(0);
    EXPECT_EQ(frame.focusWidget(), bar.Row(1)->NameBox());
    const struct {
        QLineEdit* (CParameterRow::*box)() const;
        const char* typed;
        const char* message; // empty: taken
        Parameter after;
        int position;
    } entries[] = {
        { &CParameterRow::NameBox, "k", "", { "k", 1, -5, 5, 0.1f }, 60 },
        { &CParameterRow::NameBox, "b", "There is already a parameter 'b'.",
            { "k", 1, -5, 5, 0.1f }, 60 },
        { &CParameterRow::NameBox, "sin",
            "'sin' cannot name a parameter: it is a built-in function.", { "k", 1, -5, 5, 0.1f },
            60 },
        { &CParameterRow::ValueBox, "2.46", "", { "k", 2.46f, -5, 5, 0.1f }, 75 },
        { &CParameterRow::ValueBox, "12", "", { "k", 12, -5, 5, 0.1f }, 100 },
        { &CParameterRow::ValueBox, "1e39", "The value of a parameter must be a finite number.",
            { "k", 12, -5, 5, 0.1f }, 100 },
        { &CParameterRow::ValueBox, "two", "The value of a parameter must be a finite number.",
            { "k", 12, -5, 5, 0.1f }, 100 },
        { &CParameterRow::MinimumBox, "0", "", { "k", 12, 0, 5, 0.1f }, 50 },
        { &CParameterRow::MaximumBox, "-1", "The minimum must be less than the maximum.",
            { "k", 12, 0, 5, 0.1f }, 50 },
        { &CParameterRow::StepBox, "0", "The step must be more than 0.", { "k", 12, 0, 5, 0.1f },
            50 },
        { &CParameterRow::StepBox, "0.3", "", { "k", 12, 0, 5, 0.3f }, 17 },
    };
    for (const auto& entry : entries) {
        SCOPED_TRACE(entry.typed);
        m_messages.messages.clear();
        Commit(*(row.*entry.box)(), entry.typed);
        EXPECT_EQ(m_messages.messages, *entry.message ? Strings { entry.message } : Strings {});
        EXPECT_EQ(document.GetParameter(0), entry.after);
        EXPECT_EQ(row.Slider()->value(), entry.position);
        EXPECT_EQ(row.NameBox()->text().toStdString(), entry.after.name);
        EXPECT_EQ(row.ValueBox()->text().toStdString(), FormatField(entry.after.value));
        EXPECT_EQ(row.StepBox()->text().toStdString(), FormatField(entry.after.step));
    }
    // Every control is named for screen readers, once.
    Settle();
    const std::vector<std::string> names = FocusableNames(bar);
    ExpectNamedOnce(names);
    EXPECT_EQ(names,
        (Strings { "Add parameter", "Name of parameter k", "Value of k", "Play k", "Delete k",
            "Slider of k", "Minimum of k", "Maximum of k", "Step of k", "Name of parameter b",
            "Value of b", "Play b", "Delete b", "Slider of b", "Minimum of b", "Maximum of b",
            "Step of b" }));
    row.DeleteButton()->click();
    DeleteClosedWindows();
    EXPECT_EQ(Names(document), (Strings { "b" }));
    EXPECT_EQ(bar.RowCount(), 1);
}

// Play moves the slider a position at a time up to the maximum and back, the windows following;
// Esc stops it wherever the focus is.
TEST_F(ShellTest, PlayRunsUntilEsc)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    frame.show();
    QApplication::setActiveWindow(&frame);
    CPlovexView& view = ViewOf(Active(app));
    m_messages.answers = { true };
    TypeAndPlot(view, "x^2*a");
    CParameterBar& bar = *frame.ParameterBar();
    CParameterRow& row = *bar.Row(0);
    Commit(*row.ValueBox(), "4.7");
    Commit(*row.StepBox(), "0.5");
    ParameterAnimator& animator = bar.Animator();
    row.PlayButton()->click();
    ASSERT_TRUE(animator.Playing());
    EXPECT_EQ(row.PlayButton()->accessibleName(), "Stop a");
    // The timer moves it too while events are served, so each move is checked against the
    // value just before it: up to the maximum, then down. A tick may come as the events are
    // served; the window must catch up with the value the box shows within a few rounds.
    animator.Step();
    EXPECT_EQ(row.ValueBox()->text(), "5");
    for (int move = 0; move < 3; ++move) {
        SCOPED_TRACE(move);
        bool followed = false;
        for (int round = 0; round < 20 && !followed; ++round) {
            Settle();
            followed = view.GraphPicture()
                == Rendered(view, "x^2*" + row.ValueBox()->text().toStdString());
        }
        EXPECT_TRUE(followed) << row.ValueBox()->text().toStdString();
        const QString shown = row.ValueBox()->text();
        animator.Step();
        EXPECT_EQ(row.ValueBox()->text(), QString::number(shown.toFloat() - 0.5f));
    }
    // A range of more than 200 steps is crossed in 200 moves: 1001 steps of 0.01f, 6 a move,
    // from the position nearest to 3.5.
    Commit(*row.ValueBox(), "3.5");
    Commit(*row.StepBox(), "0.01");
    animator.Step();
    EXPECT_EQ(row.ValueBox()->text(), "3.4399998");
    // The timer runs the moves too.
    const float before = view.GetDocument().GetParameter(0).value;
    QTest::qWait(200);
    EXPECT_NE(view.GetDocument().GetParameter(0).value, before);
    view.GetDlgItem(res::kExpressionEdit)->setFocus();
    QTest::keyClick(view.GetDlgItem(res::kExpressionEdit), Qt::Key_Escape);
    EXPECT_FALSE(animator.Playing());
    EXPECT_EQ(row.PlayButton()->accessibleName(), "Play a");
    const float stopped = view.GetDocument().GetParameter(0).value;
    QTest::qWait(100);
    EXPECT_EQ(view.GetDocument().GetParameter(0).value, stopped);
    // Removing the parameter stops it too.
    row.PlayButton()->click();
    ASSERT_TRUE(animator.Playing());
    row.DeleteButton()->click();
    EXPECT_FALSE(animator.Playing());
}

// A saved graph opens with its parameters, its sliders where they were and its picture.
TEST_F(ShellTest, ParametersAreSavedAndOpened)
{
    const QString path = TempPath("waves.pxg");
    QImage picture;
    {
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        CPlovexView& view = ViewOf(Active(app));
        m_messages.answers = { true, true };
        TypeAndPlot(view, "a*sin(k x)");
        CParameterRow& k = *app.MainFrame().ParameterBar()->Row(1);
        Commit(*k.MaximumBox(), "10");
        k.Slider()->setValue(87);
        Settle();
        picture = view.GraphPicture();
        m_dialogs.fileNames = { path };
        Trigger(app, res::kCmdFileSaveAs);
        EXPECT_FALSE(view.GetDocument().IsModified());
    }
    DeleteClosedWindows();
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({ path }));
    CPlovexView& view = ViewOf(Active(app));
    Settle();
    EXPECT_EQ(m_messages.messages, Strings {});
    EXPECT_EQ(Names(view.GetDocument()), (Strings { "a", "k" }));
    const CParameterBar& bar = *app.MainFrame().ParameterBar();
    ASSERT_EQ(bar.RowCount(), 2);
    EXPECT_EQ(bar.Row(1)->Slider()->value(), 87);
    EXPECT_EQ(bar.Row(1)->ValueBox()->text(), "3.7");
    EXPECT_EQ(bar.Row(1)->MaximumBox()->text(), "10");
    EXPECT_EQ(view.GraphPicture(), picture);
    EXPECT_EQ(view.GraphPicture(), Rendered(view, "1*sin(3.7 x)"));

    // Its parameter part damaged: the functions open without parameters, and the user is told.
    QByteArray bytes = ReadFile(path);
    bytes.chop(2);
    const QString damaged = WriteFile("damaged.pxg", bytes);
    m_messages.messages.clear();
    ASSERT_TRUE(app.OpenDocumentFiles({ damaged }));
    // An opened document's unknown name is reported, not offered as a parameter.
    EXPECT_EQ(m_messages.messages,
        (Strings { "The parameters stored in \"" + damaged.toStdString()
                + "\" are damaged. The functions open without parameters.",
            "Parse Error: Unrecognised function 'a'." }));
    EXPECT_TRUE(ViewOf(Active(app)).GetDocument().Parameters().empty());
}

} // namespace
} // namespace plovex
