#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "help/CHelpDlg.h"
#include "res/Resource.h"
#include "view/CPlovexView.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace plovex {
namespace {

QRect Area(const CMainFrame& frame)
{
    return QRect(QPoint(0, 0), frame.MdiArea()->viewport()->size());
}

// Sizes the main window so that its area for the graph windows is `area`.
void SetArea(CMainFrame& frame, const QSize& area)
{
    frame.showNormal();
    // Twice: a scroll bar the old size needed goes once the area has grown.
    for (int i = 0; i < 2; ++i) {
        const QSize chrome = frame.size() - frame.MdiArea()->viewport()->size();
        frame.resize(chrome + area);
        QCoreApplication::processEvents();
    }
    ASSERT_EQ(Area(frame).size(), area);
}

// Chooses the window titled `title` from the Window menu, as a person would.
void ChooseFromWindowMenu(const CMainFrame& frame, const QString& title)
{
    for (QAction* menu : frame.menuBar()->actions()) {
        if (menu->text() != "&Window")
            continue;
        emit menu->menu()->aboutToShow();
        for (QAction* item : menu->menu()->actions()) {
            if (item->text().endsWith(" " + title)) {
                item->trigger();
                return;
            }
        }
    }
    ADD_FAILURE() << "no Window menu item for " << title.toStdString();
}

TEST_F(ShellTest, NewWindowsCascadeInsideTheAreaAndWrapToTheTopLeft)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    QPoint previous = app.MainFrame().ActiveChild()->pos();
    EXPECT_EQ(previous, QPoint(0, 0));
    // Room for a few steps down and right.
    SetArea(frame, frame.ActiveChild()->size() * 5 / 4);
    int wraps = 0;
    int step = 0;
    for (int i = 2; i <= 12; ++i) {
        SCOPED_TRACE(i);
        Trigger(app, res::kCmdFileNew);
        const CChildFrame* child = frame.ActiveChild();
        EXPECT_EQ(child->Title(), QString("Graph%1").arg(i));
        EXPECT_TRUE(Area(frame).contains(child->geometry())) << child->x() << "," << child->y();
        const QPoint position = child->pos();
        if (position == QPoint(0, 0)) {
            ++wraps;
        } else {
            // One title bar down and right of the window before.
            EXPECT_GT(position.x() - previous.x(), 0);
            EXPECT_EQ(position.x() - previous.x(), position.y() - previous.y());
            if (step != 0) {
                EXPECT_EQ(position.x() - previous.x(), step);
            }
            step = position.x() - previous.x();
        }
        previous = position;
    }
    EXPECT_GT(wraps, 0);
}

// A window exactly over another hides it: a new one takes the next free place instead.
TEST_F(ShellTest, ANewWindowNeverLandsOnAnOpenOne)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    SetArea(frame, frame.ActiveChild()->size() * 2);
    CChildFrame& first = Active(app);
    EXPECT_EQ(first.pos(), QPoint(0, 0));
    Trigger(app, res::kCmdFileNew);
    const QPoint step = Active(app).pos();
    ASSERT_GT(step.x(), 0);
    // The last placed window is gone: the cascade starts again at the top left, where the
    // first window still stands.
    Trigger(app, res::kCmdFileClose);
    DeleteClosedWindows();
    Trigger(app, res::kCmdFileNew);
    EXPECT_EQ(Active(app).pos(), step);
    // The next place is taken by a window moved there.
    first.move(step * 2);
    Trigger(app, res::kCmdFileNew);
    EXPECT_EQ(Active(app).pos(), step * 3);
}

TEST_F(ShellTest, TileAndCascadeKeepEveryWindowInside)
{
    struct Case {
        const char* name;
        int columns; // of window widths the area is wide
        int rows;
        int windows;
        bool sideBySide; // room for all without overlap
    };
    const Case cases[] = {
        { "roomy", 3, 3, 5, true },
        { "tight", 1, 2, 5, false },
        { "one wide", 2, 1, 5, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CPlovexApp app;
        ASSERT_TRUE(app.InitInstance({}));
        CMainFrame& frame = app.MainFrame();
        for (int i = 1; i < c.windows; ++i)
            Trigger(app, res::kCmdFileNew);
        const QList<CChildFrame*> children = frame.ChildFrames();
        const QSize size = children[0]->size();
        // The room is the graph windows' alone.
        Trigger(app, res::kCmdViewFunctionList);
        SetArea(frame, QSize(size.width() * c.columns + 10, size.height() * c.rows + 10));

        Trigger(app, res::kCmdWindowTile);
        bool overlap = false;
        for (qsizetype i = 0; i < children.size(); ++i) {
            EXPECT_EQ(children[i]->size(), size);
            EXPECT_TRUE(Area(frame).contains(children[i]->geometry())) << i;
            for (qsizetype j = i + 1; j < children.size(); ++j)
                overlap = overlap || children[i]->geometry().intersects(children[j]->geometry());
        }
        EXPECT_EQ(overlap, !c.sideBySide);

        Trigger(app, res::kCmdWindowCascade);
        for (qsizetype i = 0; i < children.size(); ++i) {
            EXPECT_EQ(children[i]->size(), size);
            EXPECT_TRUE(Area(frame).contains(children[i]->geometry())) << i;
        }
        EXPECT_EQ(children[0]->pos(), QPoint(0, 0));
        EXPECT_EQ(frame.ActiveChild(), children.last());
    }
}

TEST_F(ShellTest, TheWindowMenuRestoresAMinimisedWindow)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    Trigger(app, res::kCmdFileNew);
    const CMainFrame& frame = app.MainFrame();
    CChildFrame* first = frame.ChildFrames().first();
    const QSize size = first->size();
    first->showMinimized();
    ASSERT_TRUE(first->isMinimized());

    ChooseFromWindowMenu(frame, "Graph1");
    EXPECT_FALSE(first->isMinimized());
    EXPECT_EQ(first->size(), size);
    EXPECT_EQ(frame.ActiveChild(), first);
    EXPECT_EQ(ShownTitle(frame), "Plovex 2 - Graph1");
}

TEST_F(ShellTest, ClosingAWindowActivatesTheOneActiveBeforeIt)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    Trigger(app, res::kCmdFileNew);
    Trigger(app, res::kCmdFileNew);
    Trigger(app, res::kCmdFileNew);
    const CMainFrame& frame = app.MainFrame();
    ChooseFromWindowMenu(frame, "Graph2");
    ChooseFromWindowMenu(frame, "Graph4");
    ChooseFromWindowMenu(frame, "Graph1");
    ChooseFromWindowMenu(frame, "Graph3");

    // Each close goes back one step in the order the windows were used.
    const char* const expected[] = { "Graph1", "Graph4", "Graph2" };
    for (const char* title : expected) {
        SCOPED_TRACE(title);
        frame.ActiveChild()->close();
        DeleteClosedWindows();
        ASSERT_NE(frame.ActiveChild(), nullptr);
        EXPECT_EQ(frame.ActiveChild()->Title(), title);
        EXPECT_EQ(frame.MdiArea()->activeSubWindow(), frame.ActiveChild());
    }

    // Closing a window in the background leaves the active one active.
    Trigger(app, res::kCmdFileNew);
    ChooseFromWindowMenu(frame, "Graph2");
    frame.ChildFrames().last()->close();
    DeleteClosedWindows();
    EXPECT_EQ(frame.ActiveChild()->Title(), "Graph2");
}

TEST_F(ShellTest, F1OpensTheHelpAsAToolWindowAboveTheMainWindow)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    CHelpDlg& help = frame.HelpWindow();
    EXPECT_EQ(help.parentWidget(), &frame);
    EXPECT_EQ(help.windowType(), Qt::Tool);
    QApplication::setActiveWindow(&frame);
    QWidget* box = ViewOf(*frame.ActiveChild()).GetDlgItem(res::kExpressionEdit);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F1);
    EXPECT_TRUE(help.isVisible());
}

} // namespace
} // namespace plovex
