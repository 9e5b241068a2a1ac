#include "../render/FormRendering.h"
#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "engine/Parser.h"
#include "engine/Program.h"
#include "engine/TokenList.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "platform/PictureStatic.h"
#include "render/GraphRenderer.h"
#include "res/Resource.h"
#include "view/CPlovexDoc.h"
#include "view/CPlovexView.h"
#include "view/ImageSurface.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTest>
#include <set>
#include <string>
#include <utility>

namespace plovex {
namespace {

CPlovexView& ActiveView(const CPlovexApp& app)
{
    CChildFrame* child = app.MainFrame().ActiveChild();
    EXPECT_NE(child, nullptr);
    return ViewOf(*child);
}

QAction& GridAction(const CPlovexApp& app)
{
    return *app.MainFrame().Action(res::kCmdViewGrid);
}

// What the command line draws for the view's fields and parsed queue, the grid as given.
QImage Rendered(const CPlovexView& view, bool grid)
{
    FormFields fields = view;
    fields.m_grid = grid;
    const QSize size = view.m_graphArea->ClientSize();
    ImageSurface surface(size.width(), size.height());
    DrawFormGraph(fields, Program::Compile(view.GetDocument().Function(0).PostfixQueue()), surface);
    return surface.Image();
}

std::set<std::pair<int, int>> BluePixels(const QImage& image)
{
    std::set<std::pair<int, int>> blue;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) | 0xFF000000u) == qRgb(0, 0, 255))
                blue.emplace(x, y);
        }
    }
    return blue;
}

void Click(CPlovexView& view, int id)
{
    qobject_cast<QAbstractButton*>(view.GetDlgItem(id))->click();
}

// A surface used before renders as a fresh one: clearing wipes the last grid, also when it
// left too many parts to list (the large area).
TEST(GridSurface, ClearingWipesTheLastGrid)
{
    const struct {
        int width;
        int height;
        float scale;
    } cases[] = { { 610, 238, 10.0f }, { 211, 121, -3.7f }, { 3000, 2000, 1.0f } };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        TokenList queue;
        TokenList operators;
        std::string postfix;
        ASSERT_TRUE(Parse("x*sin(x)", false, queue, operators, postfix).Ok());
        const Program program = Program::Compile(queue);
        const auto render = [&](ImageSurface& surface, bool grid) {
            FormFields fields;
            fields.m_xScale = c.scale;
            fields.m_yScale = c.scale;
            fields.m_quality = 1.0f;
            fields.m_grid = grid;
            DrawFormGraph(fields, program, surface);
            return std::as_const(surface).Image();
        };
        ImageSurface freshPlain(c.width, c.height);
        ImageSurface freshGrid(c.width, c.height);
        ImageSurface used(c.width, c.height);
        const QImage plain = render(freshPlain, false);
        const QImage gridded = render(freshGrid, true);
        ASSERT_NE(plain, gridded);
        EXPECT_EQ(render(used, true), gridded);
        EXPECT_EQ(render(used, false), plain);
        EXPECT_EQ(render(used, true), gridded);
        EXPECT_EQ(render(used, true), gridded);
        EXPECT_EQ(render(used, false), plain);
    }
}

TEST_F(ShellTest, GridIsOffAtFirstStartDrawsAtOnceAndIsRemembered)
{
    QImage today;
    {
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        QAction& grid = GridAction(app);
        EXPECT_TRUE(grid.isCheckable());
        EXPECT_FALSE(grid.isChecked());
        EXPECT_EQ(grid.shortcut(), QKeySequence("Ctrl+G"));
        EXPECT_EQ(grid.statusTip(), "Show or hide the grid and tick labels");
        EXPECT_EQ(grid.toolTip(), "Toggle Grid");

        CPlovexView& view = ActiveView(app);
        TypeAndPlot(view, "x*sin(x)");
        today = view.m_graphArea->Picture();
        EXPECT_EQ(today, Rendered(view, false));

        grid.trigger();
        const QImage gridded = view.m_graphArea->Picture();
        EXPECT_EQ(gridded, Rendered(view, true));
        EXPECT_NE(gridded, today);
        EXPECT_EQ(BluePixels(gridded), BluePixels(today));
        EXPECT_TRUE(QSettings().value("Settings/Grid").toBool());
    }

    // The next run starts with the grid, and turning it off gives back today's picture.
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    EXPECT_TRUE(GridAction(app).isChecked());
    CPlovexView& view = ActiveView(app);
    TypeAndPlot(view, "x*sin(x)");
    EXPECT_EQ(view.m_graphArea->Picture(), Rendered(view, true));
    GridAction(app).trigger();
    EXPECT_EQ(view.m_graphArea->Picture(), today);
    EXPECT_FALSE(QSettings().value("Settings/Grid").toBool());
}

TEST_F(ShellTest, GridRedrawsLikeAScaleButtonWithoutParsing)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ActiveView(app);
    qobject_cast<QLineEdit*>(view.GetDlgItem(res::kExpressionEdit))->setText("x^2/10");
    Click(view, res::kPlotDerivativeButton);
    // A new expression not yet plotted and a new scale typed: the scale counts, the expression
    // waits for Plot.
    qobject_cast<QLineEdit*>(view.GetDlgItem(res::kExpressionEdit))->setText("x");
    qobject_cast<QLineEdit*>(view.GetDlgItem(res::kXScaleEdit))->setText("25");
    GridAction(app).trigger();
    EXPECT_TRUE(view.m_derivative);
    EXPECT_EQ(view.m_xScale, 25.0f);
    EXPECT_EQ(view.m_postfix, "x(2.000000)^(10.000000)/");
    EXPECT_EQ(view.m_graphArea->Picture(), Rendered(view, true));
    EXPECT_EQ(qobject_cast<QLabel*>(view.GetDlgItem(res::kStatusStatic))->text(), "DONE");

    // Piling graphs up clears nothing, so no grid is drawn.
    GridAction(app).trigger();
    qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kNoClearCheck))->setChecked(true);
    GridAction(app).trigger();
    const QImage piled = view.m_graphArea->Picture();
    for (int y = 0; y < piled.height(); ++y) {
        for (int x = 0; x < piled.width(); ++x) {
            const QRgb pixel = piled.pixel(x, y) | 0xFF000000u;
            ASSERT_NE(pixel, qRgb(222, 212, 202)) << x << "," << y;
            ASSERT_NE(pixel, qRgb(80, 80, 80)) << x << "," << y;
        }
    }
}

TEST_F(ShellTest, OtherGraphWindowsShowTheGridAtTheirNextRendering)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& first = ActiveView(app);
    TypeAndPlot(first, "x");
    app.MainFrame().Action(res::kCmdFileNew)->trigger();
    CPlovexView& second = ActiveView(app);
    ASSERT_NE(&first, &second);
    TypeAndPlot(second, "0-x");
    const QImage firstBefore = first.m_graphArea->Picture();

    // Ctrl+G in the active graph's expression box.
    app.MainFrame().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.MainFrame()));
    QTest::keyClick(second.GetDlgItem(res::kExpressionEdit), Qt::Key_G, Qt::ControlModifier);
    ASSERT_TRUE(GridAction(app).isChecked());
    EXPECT_EQ(second.m_graphArea->Picture(), Rendered(second, true));
    EXPECT_EQ(first.m_graphArea->Picture(), firstBefore);
    Click(first, res::kXScaleUpButton);
    EXPECT_EQ(first.m_graphArea->Picture(), Rendered(first, true));

    // A window opened while the grid is on draws it from its first plot.
    app.MainFrame().Action(res::kCmdWindowNew)->trigger();
    CPlovexView& third = ActiveView(app);
    EXPECT_EQ(third.m_graphArea->Picture(), Rendered(third, true));
}

} // namespace
} // namespace plovex
