// The picture for the README, taken by `make screenshot` (scripts/screenshot) under Xvfb: the
// program as it starts, driven as a user would through its controls and menus.
//   plovex_screenshot OUTPUT.png

#include "app/CPlovexApp.h"
#include "frame/CMainFrame.h"
#include "platform/PictureStatic.h"
#include "res/Resource.h"
#include "view/CPlovexView.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdio>

namespace plovex {
namespace {

void TypeInto(CPlovexView& view, int id, const char* text)
{
    qobject_cast<QLineEdit*>(view.GetDlgItem(id))->setText(QString::fromUtf8(text));
}

// Carries out command `id` of the main window's menus, as a click on the item would.
void Command(QWidget& window, int id)
{
    for (QAction* action : window.findChildren<QAction*>()) {
        if (action->data().toInt() == id && action->isEnabled()) {
            action->trigger();
            return;
        }
    }
}

void Plot(CPlovexView& view, const char* expression)
{
    TypeInto(view, res::kExpressionEdit, expression);
    qobject_cast<QAbstractButton*>(view.GetDlgItem(res::kPlotButton))->click();
}

void WriteScreen(QWidget& window, const QString& path)
{
    if (!window.screen()->grabWindow(0).save(path, "PNG")) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(path));
        QApplication::exit(1);
        return;
    }
    QApplication::exit(0);
}

// The whole program: the main window filling the screen (there is no window manager to
// maximise it), one explicit and one implicit graph, and the help window at a topic.
void TakeScreenshot(QWidget& window, const QString& path)
{
    auto* view = window.findChild<CPlovexView*>();
    if (view == nullptr) {
        std::fprintf(stderr, "screenshot: no graph form in the window\n");
        QApplication::exit(1);
        return;
    }
    window.setGeometry(window.screen()->availableGeometry());
    TypeInto(*view, res::kQualityEdit, "50");
    Plot(*view, "x*sin(x)");

    Command(window, res::kCmdFileNew);
    const QList<CPlovexView*> views = window.findChildren<CPlovexView*>();
    CPlovexView* implicit = views.size() == 2 ? views[views[0] == view ? 1 : 0] : nullptr;
    if (implicit == nullptr) {
        std::fprintf(stderr, "screenshot: no second graph form\n");
        QApplication::exit(1);
        return;
    }
    qobject_cast<QAbstractButton*>(implicit->GetDlgItem(res::kImplicitCheck))->click();
    Plot(*implicit, "(x^2+y^2)/2-50");
    QWidget* first = view->parentWidget();
    first->move(0, 0);
    implicit->parentWidget()->move(0, first->height());

    Command(window, res::kCmdUsingPlovex);
    for (QWidget* top : QApplication::topLevelWidgets()) {
        // The help window, a window of its own inside the main window's tree.
        auto* topics
            = top != &window && top->isVisible() ? top->findChild<QListWidget*>() : nullptr;
        if (topics == nullptr)
            continue;
        topics->setCurrentRow(1);
        const QRect screen = window.screen()->availableGeometry();
        top->move(screen.right() - top->width() - 20, screen.top() + first->height() / 2);
    }
    // The first graph's context menu, as a right click on its right half opens it.
    const QRect area = view->m_graphArea->geometry();
    const QPoint click(area.left() + area.width() * 3 / 4, area.top() + area.height() / 4);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, click, view->mapToGlobal(click));
    QApplication::sendEvent(view, &menu);
    // Once the windows have been drawn on the screen.
    QTimer::singleShot(1000, &window, [&window, path] { WriteScreen(window, path); });
}

} // namespace
} // namespace plovex

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QApplication application(argc, argv);
    plovex::CPlovexApp::InitApplication();
    plovex::CPlovexApp app;
    if (!app.InitInstance({}))
        return 1;
    QWidget& window = app.MainFrame();
    // After the window is shown and laid out.
    QTimer::singleShot(500, &window, [&window, path] { plovex::TakeScreenshot(window, path); });
    return application.exec();
}
