#include <QApplication>
#include <clocale>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // QApplication has just set the user's locale for everything.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setStyle("Fusion");
    return RUN_ALL_TESTS();
}
