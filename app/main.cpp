#include "app/CPlovexApp.h"
#include "app/Headless.h"
#include "frame/CMainFrame.h"
#include "view/Screenshot.h"

#include <QApplication>
#include <clocale>

int main(int argc, char** argv)
{
    if (plovex::IsHeadlessCommand(argc, argv))
        return plovex::RunHeadless(argc, argv);

    QApplication application(argc, argv);
    // QApplication has just taken the user's locale; numbers are read and written with ".".
    std::setlocale(LC_NUMERIC, "C");
    // The form's captions are checked to fit in this style.
    QApplication::setStyle("Fusion");

    // The arguments Qt has not taken for itself are the documents to open.
    plovex::CPlovexApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    plovex::ScheduleScreenshot(app.MainFrame());
    return application.exec();
}
