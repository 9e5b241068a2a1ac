#include "frame/FunctionList.h"

#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "document/GraphModel.h"
#include "engine/Numbers.h"
#include "frame/CChildFrame.h"
#include "frame/CFunctionBar.h"
#include "frame/CMainFrame.h"
#include "platform/ColourDialogService.h"
#include "platform/PictureStatic.h"
#include "render/GraphRenderer.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
#include "view/ImageSurface.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace plovex {
namespace {

// Answers each colour question with the next colour of its script.
class FakeColourDialogs : public ColourDialogService {
public:
    FakeColourDialogs()
        : m_previous(SetColourDialogService(this))
    { }
    ~FakeColourDialogs() override { SetColourDialogService(m_previous); }

    std::optional<QColor> GetColour(QWidget*, const QColor&) override
    {
        if (answers.empty())
            return std::nullopt;
        const QColor colour = answers.front();
        answers.pop_front();
        return colour;
    }

    std::deque<QColor> answers;

private:
    ColourDialogService* m_previous;
};

void Click(CPlovexView& view, int id)
{
    qobject_cast<QAbstractButton*>(view.GetDlgItem(id))->click();
}

// What --list prints of a document's functions, one line each.
std::vector<std::string> Listed(const CPlovexDoc& document)
{
    std::vector<std::string> lines;
    for (const StoredFunction& function : document.Model().Stored()) {
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02x%02x%02x", function.colour.red,
            function.colour.green, function.colour.blue);
        lines.push_back(
            std::string(function.kind == CurveKind::Implicit ? "implicit " : "explicit ") + colour
            + (function.shown ? " shown " : " hidden ") + function.expression);
    }
    return lines;
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

// Three functions added through the list's commands (one implicit), one coloured, one
// hidden; saved, and opened again in a new run: the list, the picture and the statistics
// come back.
TEST_F(ShellTest, FunctionsRoundTripThroughTheWindow)
{
    FakeColourDialogs colours;
    colours.answers = { QColor(170, 0, 0) };
    const QString path = TempPath("three.pxg");
    const std::vector<std::string> expected = {
        "explicit #aa0000 shown sin(x)*10",
        "explicit #d55e00 hidden x-x^3/6",
        "implicit #009e73 shown x^2+y^2-100",
        "explicit #cc79a7 shown x/2",
    };
    {
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
        CPlovexDoc& document = view.GetDocument();
        TypeAndPlot(view, "sin(x)*10");
        for (const char* expression : { "x-x^3/6", "x^2+y^2-100", "x/2" }) {
            Trigger(app, res::kCmdFunctionNew);
            EXPECT_EQ(view.focusWidget(), view.GetDlgItem(res::kExpressionEdit));
            if (std::string(expression) == "x^2+y^2-100")
                Click(view, res::kImplicitCheck);
            TypeAndPlot(view, expression);
        }
        FunctionList& list = *app.MainFrame().FunctionBar()->List();
        ASSERT_EQ(list.count(), 4);
        EXPECT_EQ(list.currentRow(), 3);
        list.setCurrentRow(0);
        EXPECT_EQ(view.SelectedFunction(), 0u);
        Trigger(app, res::kCmdFunctionColour);
        list.item(1)->setCheckState(Qt::Unchecked);
        EXPECT_EQ(Listed(document), expected);
        EXPECT_EQ(
            list.item(1)->data(Qt::AccessibleTextRole).toString(), "x-x^3/6, vermillion, hidden");
        EXPECT_EQ(view.GraphPicture(), Rendered(view));
        EXPECT_EQ(view.GraphCaption(), "y = sin(x)*10\nx^2+y^2-100 = 0\ny = x/2");

        m_dialogs.fileNames = { path };
        Trigger(app, res::kCmdFileSaveAs);
        EXPECT_FALSE(document.IsModified());
    }
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({ path }));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    EXPECT_EQ(Listed(view.GetDocument()), expected);
    EXPECT_FALSE(view.GetDocument().IsModified());
    EXPECT_EQ(view.GraphPicture(), Rendered(view));
    EXPECT_EQ(InfoText(view.m_info), "Maximum: 10.000000\r\nMinimum: -9.999999\r\nMean: 0.001055");
    EXPECT_TRUE(m_messages.messages.empty());
}

// Each form has its own selection, and its statistics and readout follow it.
TEST_F(ShellTest, EachFormKeepsItsSelectionAndItsStatisticsFollowIt)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& first = ViewOf(*app.MainFrame().ActiveChild());
    TypeAndPlot(first, "3");
    Trigger(app, res::kCmdFunctionNew);
    TypeAndPlot(first, "5");
    Trigger(app, res::kCmdWindowNew);
    CPlovexView& second = ViewOf(*app.MainFrame().ActiveChild());
    ASSERT_NE(&first, &second);
    const struct {
        CPlovexView* view;
        std::size_t select;
        const char* info;
    } steps[] = {
        { &second, 0, "Maximum: 3.000000\r\nMinimum: 3.000000\r\nMean: 3.000000" },
        { &first, 1, "Maximum: 5.000000\r\nMinimum: 5.000000\r\nMean: 5.000000" },
        { &second, 1, "Maximum: 5.000000\r\nMinimum: 5.000000\r\nMean: 5.000000" },
        { &first, 0, "Maximum: 3.000000\r\nMinimum: 3.000000\r\nMean: 3.000000" },
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.select);
        step.view->SelectFunction(step.select);
        EXPECT_EQ(step.view->SelectedFunction(), step.select);
        EXPECT_EQ(InfoText(step.view->m_info), step.info);
        EXPECT_EQ(step.view->m_expression, step.select == 0 ? "3" : "5");
    }
    EXPECT_EQ(first.SelectedFunction(), 0u);
    EXPECT_EQ(second.SelectedFunction(), 1u);
    // A function deleted in one form leaves the other on its own function.
    second.OnDeleteFunction();
    EXPECT_EQ(first.SelectedFunction(), 0u);
    EXPECT_EQ(second.SelectedFunction(), 0u);
    EXPECT_EQ(second.GetDocument().Count(), 1u);
    EXPECT_FALSE(app.MainFrame().Action(res::kCmdFunctionDelete)->isEnabled());
}

// The picture and statistics the command line renders for a form: the document's functions
// at the form's view, the form's selected function giving the statistics.
std::pair<QImage, std::string> RenderedFor(const CPlovexView& view)
{
    GraphModel model;
    model.Load(view.GetDocument().Model().Stored(), view.CurrentView());
    for (std::size_t i = 0; i < model.Count(); ++i)
        (void)model.Function(i).Parse();
    std::size_t statisticsItem = 0;
    const std::vector<PlotItem> items = PlotItems(
        model.Functions(), view.SelectedFunction(), false, statisticsItem, model.Variables());
    const QSize size = view.m_graphArea->ClientSize();
    ImageSurface surface(size.width(), size.height());
    const RenderResult result = DrawGraph(view.CurrentView(), {}, items, statisticsItem, surface);
    return { surface.Image(), StatisticsText(result.statistics, FormatFixed) };
}

// Two windows of one document: whichever changes the functions, both draw them all, each
// with its own selection, whose statistics and text it shows.
TEST_F(ShellTest, TwoWindowsOfADocumentStayInStep)
{
    FakeColourDialogs colours;
    colours.answers = { QColor(170, 0, 0) };
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& first = ViewOf(*app.MainFrame().ActiveChild());
    TypeAndPlot(first, "x^2/10");
    Trigger(app, res::kCmdWindowNew);
    CPlovexView& second = ViewOf(*app.MainFrame().ActiveChild());
    ASSERT_NE(&first, &second);
    Trigger(app, res::kCmdWindowTile);
    // Each window at a view of its own.
    Click(second, res::kXScaleUpButton);
    const struct {
        const char* name;
        std::function<void()> change;
        // Each window's selected function afterwards and the text its box shows.
        std::size_t firstSelected;
        const char* firstText;
        std::size_t secondSelected;
        const char* secondText;
    } steps[] = {
        { "x/2 added and plotted in the second",
            [&] {
                second.OnNewFunction();
                TypeAndPlot(second, "x/2");
            },
            0, "x^2/10", 1, "x/2" },
        { "selected and deleted in the first",
            [&] {
                first.SelectFunction(1);
                first.OnDeleteFunction();
            },
            0, "x^2/10", 0, "x^2/10" },
        { "sin(x)*5 added in the first, coloured in the second",
            [&] {
                first.OnNewFunction();
                TypeAndPlot(first, "sin(x)*5");
                second.SelectFunction(1);
                second.OnFunctionColour();
            },
            1, "sin(x)*5", 1, "sin(x)*5" },
        { "moved up in the second", [&] { second.OnMoveFunctionUp(); }, 0, "sin(x)*5", 0,
            "sin(x)*5" },
        { "hidden in the first", [&] { first.SetFunctionShown(1, false); }, 0, "sin(x)*5", 0,
            "sin(x)*5" },
        { "parsed anew in the second by Evaluate",
            [&] {
                Type(second, "sin(x)*3");
                m_messages.Script(TypeAndOk("1"));
                Click(second, res::kEvaluateButton);
            },
            0, "sin(x)*3", 0, "sin(x)*3" },
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        step.change();
        // The other window follows once the event loop runs.
        QApplication::processEvents();
        for (const auto& [view, selected, text] :
            { std::tuple { &first, step.firstSelected, step.firstText },
                std::tuple { &second, step.secondSelected, step.secondText } }) {
            SCOPED_TRACE(view == &first ? "first window" : "second window");
            EXPECT_EQ(view->SelectedFunction(), selected);
            EXPECT_EQ(view->m_expression, text);
            const auto [picture, statistics] = RenderedFor(*view);
            // The window that evaluated keeps its picture until its next rendering.
            if (std::string(step.name).find("Evaluate") == std::string::npos || view == &first) {
                EXPECT_EQ(view->GraphPicture(), picture);
                EXPECT_EQ(InfoText(view->m_info), statistics);
            }
        }
    }
    EXPECT_EQ(m_messages.messages, std::vector<std::string> { "2.524413" });
}

// The selected row's swatch shows its colour as it is, not tinted by the highlight.
TEST_F(ShellTest, TheSelectedRowsSwatchKeepsItsColour)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    TypeAndPlot(view, "x");
    for (int i = 0; i < 6; ++i)
        Trigger(app, res::kCmdFunctionNew);
    FunctionList& list = *app.MainFrame().FunctionBar()->List();
    const QRgb palette[] = { qRgb(0, 0, 255), qRgb(213, 94, 0), qRgb(0, 158, 115),
        qRgb(204, 121, 167), qRgb(230, 159, 0), qRgb(86, 180, 233), qRgb(0, 0, 0) };
    ASSERT_EQ(list.count(), 7);
    for (int row = 0; row < list.count(); ++row) {
        SCOPED_TRACE(row);
        list.setCurrentRow(row);
        const QIcon icon = list.item(row)->icon();
        for (const QIcon::Mode mode : { QIcon::Normal, QIcon::Selected, QIcon::Active }) {
            const QImage swatch = icon.pixmap(list.iconSize(), mode).toImage();
            EXPECT_EQ(swatch.pixel(swatch.width() / 2, swatch.height() / 2), palette[row]);
        }
    }
}

// The keyboard reaches the list, adds, moves, shows and hides functions there.
TEST_F(ShellTest, TheFunctionListWorksFromTheKeyboard)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    frame.show();
    // Shortcuts go to the active window.
    QApplication::setActiveWindow(&frame);
    CPlovexView& view = ViewOf(*frame.ActiveChild());
    TypeAndPlot(view, "x");
    FunctionList& list = *frame.FunctionBar()->List();
    auto* box = view.GetDlgItem(res::kExpressionEdit);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(frame.focusWidget(), &list);
    QTest::keyClick(&list, Qt::Key_Insert);
    EXPECT_EQ(view.GetDocument().Count(), 2u);
    EXPECT_EQ(frame.focusWidget(), box);
    TypeAndPlot(view, "x*2");
    list.setFocus();
    QTest::keyClick(&list, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(view.GetDocument().Expression(0), "x*2");
    EXPECT_EQ(list.currentRow(), 0);
    QTest::keyClick(&list, Qt::Key_Space);
    EXPECT_FALSE(view.GetDocument().Function(0).shown);
    QTest::keyClick(&list, Qt::Key_Down);
    EXPECT_EQ(view.SelectedFunction(), 1u);
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(view.GetDocument().Count(), 1u);
    QTest::keyClick(&list, Qt::Key_Escape);
    EXPECT_EQ(frame.focusWidget(), box);
}

} // namespace
} // namespace plovex
