#include <QApplication>
#include <gtest/gtest.h>

#include "TestEnvironment.h"
#include "platform/DesktopOpener.h"

int main(int argc, char** argv)
{
    // As the program does: the tests start children and read their exit status.
    twinsweep::keepExitStatusOfChildren();
    // Widget tests never need a display; test discovery runs this at build time too.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    twinsweep::test::isolateUserFolders();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
