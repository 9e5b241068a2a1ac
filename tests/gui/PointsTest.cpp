#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "engine/Numbers.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/CPointsDlg.h"
#include "platform/DataTable.h"
#include "platform/PictureStatic.h"
#include "res/Resource.h"
#include "view/CPlovexView.h"
#include "view/CTableQuestionDlg.h"
#include "view/CValueTableDlg.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <cmath>
#include <limits>
#include <string>

namespace plovex {
namespace {

CPlovexView& ActiveView(const CPlovexApp& app)
{
    return ViewOf(Active(app));
}

Program Compile(const std::string& expression)
{
    TokenList queue;
    TokenList operators;
    std::string postfix;
    (void)Parse(expression, false, queue, operators, postfix);
    return Program::Compile(queue);
}

float ReadBack(const QString& text)
{
    return static_cast<float>(std::stod(text.toStdString()));
}

struct WindowRootCase {
    const char* expression;
    int count;
};

// The rows the window lists hold x exactly (the shortest text of the float), so the rule can
// be checked on what the user sees: f is 0 there, or changes sign towards a neighbouring
// float whose |f| is no smaller.
TEST_F(ShellTest, FindRootsListsPointsThatFollowTheRule)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    const WindowRootCase cases[] = {
        { "x^2-2", 2 },
        { "x^3-2*x-5", 1 },
        { "sin x", 19 },
        { "cos x - x", 1 },
        { "1/x", 0 },
        { "tan x", 19 },
        { "x^2", 1 },
        { "sqrt(x)", 1 },
        { "3", 0 },
        { "atan(10000*(x-1.23))", 1 },
    };
    for (const WindowRootCase& c : cases) {
        SCOPED_TRACE(c.expression);
        TypeAndPlot(ActiveView(app), c.expression);
        Trigger(app, res::kCmdFindRoots);
        const CPointsDlg& points = app.MainFrame().PointsWindow();
        EXPECT_TRUE(points.isVisible());
        const QList<QStringList>& rows = points.Table()->Rows();
        ASSERT_EQ(rows.size(), c.count);
        EXPECT_EQ(ActiveView(app).m_graphArea->Marks().size(), c.count);
        const Program program = Compile(c.expression);
        for (const QStringList& row : rows) {
            SCOPED_TRACE(row.join(' ').toStdString());
            EXPECT_EQ(row[0], c.expression);
            EXPECT_EQ(row[1], "root");
            const float x = ReadBack(row[2]);
            const double value = program.Run(x, 0.0f);
            EXPECT_EQ(ReadBack(row[3]), static_cast<float>(value));
            if (value == 0.0)
                continue;
            bool changes = false;
            for (const float to : { -1e30f, 1e30f }) {
                const double other = program.Run(std::nextafter(x, to), 0.0f);
                changes = changes
                    || ((value < 0.0) != (other < 0.0) && other != 0.0
                        && std::fabs(value) <= std::fabs(other));
            }
            EXPECT_TRUE(changes);
        }
    }
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(ShellTest, PointsWindowCopiesExportsAndShowsTheChosenPoint)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ActiveView(app);
    TypeAndPlot(view, "x^3-2*x-5");
    Trigger(app, res::kCmdFindExtrema);
    CPointsDlg& points = app.MainFrame().PointsWindow();
    EXPECT_EQ(points.Summary()->text(),
        "Minima and maxima of y = x^3-2*x-5 for x from -30.5 to 30.4: 2 found.");
    Trigger(app, res::kCmdFindRoots);
    EXPECT_EQ(
        points.Summary()->text(), "Roots of y = x^3-2*x-5 for x from -30.5 to 30.4: 1 found.");
    ASSERT_EQ(points.Table()->rowCount(), 1);
    // The point on the curve, where the renderer draws it: column 305 + 20.9, row 119 - 0.
    ASSERT_EQ(view.m_graphArea->Marks().size(), 1);
    EXPECT_NEAR(view.m_graphArea->Marks()[0].x(), 325.9455, 1e-3);
    EXPECT_NEAR(view.m_graphArea->Marks()[0].y(), 119.0, 1e-3);

    points.CopyButton()->click();
    EXPECT_EQ(QApplication::clipboard()->text(),
        "Function\tKind\tx\ty\nx^3-2*x-5\troot\t2.0945516\t9.536743e-07\n");

    // Ctrl+C in the list copies the rows: the tool window shares the main window's shortcuts,
    // whose Copy would copy the graph's picture.
    QApplication::clipboard()->setText("before");
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(points.Table(), &override);
    EXPECT_TRUE(override.isAccepted());
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(points.Table(), &press);
    EXPECT_EQ(QApplication::clipboard()->text(),
        "Function\tKind\tx\ty\nx^3-2*x-5\troot\t2.0945516\t9.536743e-07\n");

    points.Table()->setCurrentCell(0, 2);
    EXPECT_EQ(app.MainFrame().statusBar()->currentMessage(),
        "Root of x^3-2*x-5: x = 2.0945516, y = 9.536743e-07");

    const QString path = TempPath("points.csv");
    m_dialogs.fileNames = { path };
    points.ExportButton()->click();
    EXPECT_EQ(ReadFile(path), "Function,Kind,x,y\r\nx^3-2*x-5,root,2.0945516,9.536743e-07\r\n");

    // The rings go with the next rendering; the next command replaces the list.
    TypeAndPlot(view, "x^2-4");
    EXPECT_TRUE(view.m_graphArea->Marks().isEmpty());
    Trigger(app, res::kCmdFindRoots);
    // The evaluator gives 4 - 4 as -0, which the window shows as 0.
    EXPECT_EQ(points.Table()->CsvText().toStdString(),
        "Function,Kind,x,y\r\nx^2-4,root,-2,0\r\nx^2-4,root,2,0\r\n");
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(ShellTest, FindIntersectionsMeetsEveryOtherShownExplicitFunction)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ActiveView(app);
    TypeAndPlot(view, "x^2");
    Trigger(app, res::kCmdFindIntersections);
    ASSERT_EQ(m_messages.messages.size(), 1u); // one function: nothing to meet
    view.OnNewFunction();
    TypeAndPlot(view, "x+2");
    view.OnNewFunction();
    qobject_cast<QCheckBox*>(view.GetDlgItem(res::kImplicitCheck))->click();
    TypeAndPlot(view, "x^2+y^2-25"); // implicit: not met
    view.SelectFunction(0);
    Trigger(app, res::kCmdFindIntersections);
    const CPointsDlg& points = app.MainFrame().PointsWindow();
    EXPECT_EQ(
        points.Summary()->text(), "Intersections of y = x^2 for x from -30.5 to 30.4: 2 found.");
    EXPECT_EQ(points.Table()->Rows(),
        (QList<QStringList> { { "x^2", "intersection with function 2", "-1", "1" },
            { "x^2", "intersection with function 2", "2", "4" } }));
    ASSERT_EQ(view.m_graphArea->Marks().size(), 2);
    EXPECT_EQ(m_messages.messages.size(), 1u);
}

TEST_F(ShellTest, ImplicitGraphsAndIntersectionsAreTold)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ActiveView(app);
    qobject_cast<QCheckBox*>(view.GetDlgItem(res::kImplicitCheck))->click();
    TypeAndPlot(view, "x^2+y^2-25");
    Trigger(app, res::kCmdFindRoots);
    Trigger(app, res::kCmdTableOfValues);
    Trigger(app, res::kCmdFindIntersections);
    ASSERT_EQ(m_messages.messages.size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(m_messages.messages[i],
            "Roots, extrema and tables of values are found for explicit functions: clear "
            "Implicit function and plot.");
    }
    EXPECT_FALSE(app.MainFrame().PointsWindow().isVisible());
}

TEST_F(ShellTest, ReadoutInTheStatusBarHasTheDecimalsOfTheScale)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ActiveView(app);
    auto* xScale = qobject_cast<QLineEdit*>(view.GetDlgItem(res::kXScaleEdit));
    auto* yScale = qobject_cast<QLineEdit*>(view.GetDlgItem(res::kYScaleEdit));
    xScale->setText("80");
    yScale->setText("80");
    TypeAndPlot(view, "x");
    const QSize client = view.m_graphArea->ClientSize();
    const QPoint centre(client.width() / 2, client.height() / 2);
    const QPoint origin
        = view.m_graphArea->mapTo(&view, view.m_graphArea->contentsRect().topLeft());
    view.OnMouseMove(origin + centre + QPoint(100, 30));
    EXPECT_EQ(app.MainFrame().ReadoutPane()->text(), "x = 1.25, y = -0.375");
    EXPECT_EQ(view.m_status, "(1,0)"); // the form's whole numbers stay
    view.OnMouseMove(QPoint(0, 0));
    EXPECT_EQ(app.MainFrame().ReadoutPane()->text(), "");
}

// Answers the table's question with three texts and OK.
FakeMessages::Answer AskTable(QString from, QString to, QString step)
{
    return [=](QDialog& dialog) {
        auto& question = static_cast<CTableQuestionDlg&>(dialog);
        qobject_cast<QLineEdit*>(question.GetDlgItem(res::kTableFromEdit))->setText(from);
        qobject_cast<QLineEdit*>(question.GetDlgItem(res::kTableToEdit))->setText(to);
        qobject_cast<QLineEdit*>(question.GetDlgItem(res::kTableStepEdit))->setText(step);
        qobject_cast<QAbstractButton*>(question.GetDlgItem(res::kIdOk))->click();
    };
}

TEST_F(ShellTest, TableOfValuesAsksShowsCopiesAndRefuses)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    TypeAndPlot(ActiveView(app), "x^2");
    m_messages.Script(AskTable("1", "2", "0.5"));
    QString copied;
    int rows = 0;
    m_messages.Script([&](QDialog& dialog) {
        auto& table = static_cast<CValueTableDlg&>(dialog);
        rows = table.Table()->rowCount();
        table.CopyButton()->click();
        copied = QApplication::clipboard()->text();
        dialog.reject();
    });
    Trigger(app, res::kCmdTableOfValues);
    EXPECT_EQ(rows, 3);
    EXPECT_EQ(copied,
        "x\tf(x)\tdy/dx\n1.000000\t1.000000\t2.010000\n1.500000\t2.250000\t3.009987\n"
        "2.000000\t4.000000\t4.010010\n");

    // Refused: told, and asked again with the numbers kept, until the user cancels.
    m_messages.Script(AskTable("0", "1", "0"));
    m_messages.Script(AskTable("0", "1", "-1"));
    m_messages.Script(AskTable("0", "1e6", "1"));
    QString kept;
    m_messages.Script([&](QDialog& dialog) {
        auto& question = static_cast<CTableQuestionDlg&>(dialog);
        kept = qobject_cast<QLineEdit*>(question.GetDlgItem(res::kTableToEdit))->text();
        dialog.reject();
    });
    Trigger(app, res::kCmdTableOfValues);
    EXPECT_EQ(kept, "1000000");
    EXPECT_EQ(m_messages.messages,
        (std::vector<std::string> { "The step must be a number other than 0.",
            "The step leads away from To: give it the sign of To - From.",
            "The table would have more than 100000 rows: choose a larger step or a shorter "
            "range." }));
}

} // namespace
} // namespace plovex
