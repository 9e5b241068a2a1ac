#include "view/Screenshot.h"

#include "res/Resource.h"
#include "view/CPlovexView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

namespace plovex {
namespace {

void TypeInto(CPlovexView& view, int id, const char* text)
{
    qobject_cast<QLineEdit*>(view.GetDlgItem(id))->setText(QString::fromUtf8(text));
}

void TakeScreenshot(QWidget& window, const QString& path)
{
    auto* view = window.findChild<CPlovexView*>();
    if (view == nullptr) {
        std::fprintf(stderr, "screenshot: no graph form in the window\n");
        QApplication::exit(1);
        return;
    }
    TypeInto(*view, res::kExpressionEdit, "x*sin(x)");
    TypeInto(*view, res::kQualityEdit, "50");
    qobject_cast<QAbstractButton*>(view->GetDlgItem(res::kPlotButton))->click();
    if (!window.grab().save(path, "PNG")) {
        std::fprintf(stderr, "screenshot: cannot write %s\n", qPrintable(path));
        QApplication::exit(1);
        return;
    }
    QApplication::exit(0);
}

} // namespace

void ScheduleScreenshot(QWidget& window)
{
    const QString path = qEnvironmentVariable("PLOVEX_SCREENSHOT");
    if (path.isEmpty())
        return;
    // After the window is shown and laid out.
    QTimer::singleShot(500, &window, [&window, path] { TakeScreenshot(window, path); });
}

} // namespace plovex
