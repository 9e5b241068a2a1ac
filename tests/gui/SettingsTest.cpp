#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "frame/CFunctionBar.h"
#include "frame/CMainFrame.h"
#include "frame/CPointsDlg.h"
#include "frame/FunctionList.h"
#include "res/Resource.h"
#include "view/CPlovexView.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>

namespace plovex {
namespace {

using Values = std::map<std::string, std::string>;

Values Read(QSettings& settings)
{
    Values values;
    for (const QString& key : settings.allKeys())
        values[key.toStdString()] = settings.value(key).toString().toStdString();
    return values;
}

void Write(QSettings& settings, const Values& values)
{
    for (const auto& [key, value] : values)
        settings.setValue(QString::fromStdString(key), QString::fromStdString(value));
    settings.sync();
}

// The settings live in plovex/plovex.conf under the configuration folder; an earlier
// version's file is carried over the first time, and left as it was.
TEST_F(ShellTest, SettingsLiveUnderTheProgramsNameAndTheOldOnesComeOverOnce)
{
    const struct {
        const char* name;
        Values earlier;
        Values before;
        Values after;
    } cases[] = {
        { "nothing anywhere", {}, {}, {} },
        { "carried over",
            { { "Recent File List/File1", "/tmp/a.pxg" }, { "Settings/Grid", "true" } }, {},
            { { "Recent File List/File1", "/tmp/a.pxg" }, { "Settings/Grid", "true" } } },
        { "carried over once: the program's own file wins",
            { { "Recent File List/File1", "/tmp/a.pxg" } }, { { "Settings/Grid", "false" } },
            { { "Settings/Grid", "false" } } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QSettings earlier("Local AppWizard-Generated Applications", "Plovex 2");
        QSettings own("plovex", "plovex");
        earlier.clear();
        own.clear();
        Write(earlier, c.earlier);
        Write(own, c.before);
        {
            CPlovexApp app;
            ASSERT_TRUE(app.InitInstance({}));
            EXPECT_TRUE(QSettings().fileName().endsWith("/config/plovex/plovex.conf"))
                << QSettings().fileName().toStdString();
            own.sync();
            Values after = Read(own);
            // What the run itself writes: the function list's place.
            std::erase_if(after, [](const auto& entry) {
                return entry.first.rfind("Settings/FunctionList", 0) == 0;
            });
            EXPECT_EQ(after, c.after);
        }
        earlier.sync();
        EXPECT_EQ(Read(earlier), c.earlier);
    }
}

// Only the user hides the function list for the next start: its close button or View >
// Function List; Ctrl+Shift+L shows it again. Windows that come and go, and the end of the
// run, leave it as it was.
TEST_F(ShellTest, TheFunctionListIsHiddenAtTheNextStartOnlyWhenTheUserHidItLast)
{
    const struct {
        const char* name;
        std::function<void(CPlovexApp&)> act;
        bool shownAtNextStart;
    } cases[] = {
        { "points found, their window closed",
            [this](CPlovexApp& app) {
                TypeAndPlot(ViewOf(*app.MainFrame().ActiveChild()), "x^2-1");
                m_dialogs.saveAnswers.push_back(FileDialogService::SaveAnswer::Discard);
                Trigger(app, res::kCmdFindRoots);
                EXPECT_TRUE(app.MainFrame().PointsWindow().isVisible());
                app.MainFrame().PointsWindow().close();
            },
            true },
        { "minimised and restored",
            [](CPlovexApp& app) {
                app.MainFrame().showMinimized();
                app.MainFrame().showNormal();
            },
            true },
        { "closed with its close button",
            [](CPlovexApp& app) { app.MainFrame().FunctionBar()->close(); }, false },
        { "hidden from the View menu",
            [](CPlovexApp& app) { app.MainFrame().Action(res::kCmdViewFunctionList)->trigger(); },
            false },
        // A floating list is a window of its own, which the end of the run closes too.
        { "floating", [](CPlovexApp& app) { app.MainFrame().FunctionBar()->setFloating(true); },
            true },
        { "floating, closed with its close button",
            [](CPlovexApp& app) {
                app.MainFrame().FunctionBar()->setFloating(true);
                app.MainFrame().FunctionBar()->close();
            },
            false },
        { "hidden, then reached with Ctrl+Shift+L",
            [](CPlovexApp& app) {
                CMainFrame& frame = app.MainFrame();
                frame.Action(res::kCmdViewFunctionList)->trigger();
                QApplication::setActiveWindow(&frame);
                QTest::keyClick(ViewOf(*frame.ActiveChild()).GetDlgItem(res::kExpressionEdit),
                    Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
                EXPECT_FALSE(frame.FunctionBar()->isHidden());
            },
            true },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QSettings("plovex", "plovex").clear();
        {
            CPlovexApp app;
            ASSERT_TRUE(app.InitInstance({}));
            CMainFrame& frame = app.MainFrame();
            frame.show();
            ASSERT_FALSE(frame.FunctionBar()->isHidden());
            c.act(app);
            // File > Exit; the last window closed, the application quits, which closes every
            // window still open.
            frame.Action(res::kCmdAppExit)->trigger();
            QApplication::processEvents();
            EXPECT_FALSE(frame.isVisible());
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            QApplication::exec();
        }
        CPlovexApp next;
        ASSERT_TRUE(next.InitInstance({}));
        EXPECT_EQ(!next.MainFrame().FunctionBar()->isHidden(), c.shownAtNextStart);
        EXPECT_EQ(
            next.MainFrame().Action(res::kCmdViewFunctionList)->isChecked(), c.shownAtNextStart);
    }
}

} // namespace
} // namespace plovex
