#include "app/CPlovexDoc.h"
#include "app/Headless.h"
#include "view/CPlovexView.h"
#include "view/Screenshot.h"

#include <QApplication>
#include <QIcon>
#include <QMainWindow>
#include <clocale>

int main(int argc, char** argv)
{
    if (plovex::IsHeadlessCommand(argc, argv))
        return plovex::RunHeadless(argc, argv);

    QApplication app(argc, argv);
    // QApplication has just taken the user's locale; numbers are read and written with ".".
    std::setlocale(LC_NUMERIC, "C");
    // The form's captions are checked to fit in this style.
    QApplication::setStyle("Fusion");

    plovex::CPlovexDoc document;
    QMainWindow window;
    window.setWindowTitle("Plovex 2");
    window.setWindowIcon(QIcon(":/icons/plovex-32.png"));
    auto* view = new plovex::CPlovexView(document, &window);
    window.setCentralWidget(view);
    view->OnInitialUpdate();
    window.show();
    plovex::ScheduleScreenshot(window);
    return app.exec();
}
