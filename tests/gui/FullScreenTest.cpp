#include "ShellFixture.h"
#include "app/CPlovexApp.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "platform/PictureStatic.h"
#include "res/Resource.h"
#include "view/CFullScreenGraph.h"
#include "view/CPlovexView.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QTest>
#include <QWheelEvent>

namespace plovex {
namespace {

CFullScreenGraph* FullScreen()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* graph = qobject_cast<CFullScreenGraph*>(window); graph && graph->isVisible())
            return graph;
    }
    return nullptr;
}

// What the full screen shows, once its rendering has run.
QImage Shown(CFullScreenGraph& window)
{
    QCoreApplication::processEvents();
    return window.findChild<PictureStatic*>()->Picture().convertToFormat(QImage::Format_RGB32);
}

// The command line's picture of `document` at `size`.
QImage Headless(const QString& document, const QSize& size, const QString& output)
{
    QProcess plovex;
    plovex.start(PLOVEX_EXECUTABLE,
        { "--document=" + document, "--render=" + output,
            QString("--size=%1x%2").arg(size.width()).arg(size.height()) });
    EXPECT_TRUE(plovex.waitForFinished(60000));
    EXPECT_EQ(plovex.exitCode(), 0) << plovex.readAllStandardError().toStdString();
    return QImage(output).convertToFormat(QImage::Format_RGB32);
}

void Wheel(QWidget& window, QPoint at, int notches)
{
    QWheelEvent event(at, window.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window, &event);
}

TEST_F(ShellTest, FullScreenShowsTheCommandLinesPictureAtTheScreensSize)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CMainFrame& frame = app.MainFrame();
    CPlovexView& view = ViewOf(*frame.ActiveChild());
    TypeAndPlot(view, "x*sin(x)");
    const QImage form = view.GraphPicture();
    const GraphView before = view.CurrentView();

    Trigger(app, res::kCmdViewFullScreen);
    CFullScreenGraph* window = FullScreen();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(frame.Action(res::kCmdViewFullScreen)->isChecked());
    const QSize screen = frame.screen()->geometry().size();
    EXPECT_EQ(window->size(), screen);
    const QImage shown = Shown(*window);
    ASSERT_EQ(shown.size(), screen);
    // The same graph: the scales and the centre stay.
    EXPECT_EQ(view.CurrentView(), before);
    const QString document = TempPath("graph.pxg");
    m_dialogs.fileNames = { document };
    Trigger(app, res::kCmdFileSaveAs);
    EXPECT_EQ(shown, Headless(document, screen, TempPath("screen.png")));

    // The wheel zooms about the pointer there, and the View commands act there.
    Wheel(*window, QPoint(screen.width() / 4, screen.height() / 4), 2);
    EXPECT_EQ(view.CurrentView().xScale, 15.625f);
    const QImage zoomed = Shown(*window);
    EXPECT_NE(zoomed, shown);
    m_dialogs.fileNames = { TempPath("zoomed.pxg") };
    Trigger(app, res::kCmdFileSaveAs);
    EXPECT_EQ(zoomed, Headless(TempPath("zoomed.pxg"), screen, TempPath("zoomed.png")));
    Trigger(app, res::kCmdViewBack);
    EXPECT_EQ(view.CurrentView(), before);
    EXPECT_EQ(Shown(*window), shown);

    // A drag moves the picture by as many pixels.
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(window, QPoint(130, 80));
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, QPoint(130, 80));
    EXPECT_EQ(view.CurrentView().xOffset, -30.0);
    EXPECT_EQ(view.CurrentView().yOffset, -20.0);
    // The readout shows in the overlay while the pointer moves.
    const QPointF centre(screen.width() / 2 + 30, screen.height() / 2 - 20);
    QMouseEvent move(QEvent::MouseMove, centre, window->mapToGlobal(centre), Qt::NoButton,
        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window, &move);
    const QLabel* overlay = window->findChild<QLabel*>();
    ASSERT_NE(overlay, nullptr);
    EXPECT_TRUE(overlay->isVisible());
    EXPECT_EQ(overlay->text(), "x = 0, y = 0");

    // Esc goes back; the form draws the view as it was left, at its own size.
    QTest::keyClick(window, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(FullScreen(), nullptr);
    EXPECT_FALSE(frame.Action(res::kCmdViewFullScreen)->isChecked());
    EXPECT_EQ(view.GraphPicture().size(), form.size());
    EXPECT_EQ(view.CurrentView().xOffset, -30.0);
    EXPECT_NE(view.GraphPicture(), form);
    Trigger(app, res::kCmdViewBack);
    EXPECT_EQ(view.GraphPicture(), form);

    // F11 goes there and back.
    Trigger(app, res::kCmdViewFullScreen);
    ASSERT_NE(FullScreen(), nullptr);
    Trigger(app, res::kCmdViewFullScreen);
    QCoreApplication::processEvents();
    EXPECT_EQ(FullScreen(), nullptr);
    EXPECT_TRUE(m_messages.messages.empty());
}

TEST_F(ShellTest, ClosingTheGraphsWindowEndsItsFullScreen)
{
    CPlovexApp app;
    ASSERT_TRUE(app.InitInstance({}));
    CPlovexView& view = ViewOf(*app.MainFrame().ActiveChild());
    TypeAndPlot(view, "x");
    Trigger(app, res::kCmdViewFullScreen);
    ASSERT_NE(FullScreen(), nullptr);
    m_dialogs.saveAnswers = { FileDialogService::SaveAnswer::Discard };
    app.MainFrame().ActiveChild()->close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(FullScreen(), nullptr);
}

} // namespace
} // namespace plovex
