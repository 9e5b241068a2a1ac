#include "app/CPlovexApp.h"
#include "app/Headless.h"
#include "platform/Translations.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (plovex::IsHeadlessCommand(argc, argv))
        return plovex::RunHeadless(argc, argv);

    QApplication application(argc, argv);
    plovex::CPlovexApp::InitApplication();
    // Before the first window: every text is read in the user's language as it is created.
    plovex::Translations translations;
    translations.Install(QLocale().uiLanguages(), plovex::Translations::Folders());

    // The arguments Qt has not taken for itself are the documents to open.
    plovex::CPlovexApp app;
    if (!app.InitInstance(QApplication::arguments().mid(1)))
        return 1;
    return application.exec();
}
