#include <QCoreApplication>
#include <gtest/gtest.h>

#include "TestEnvironment.h"
#include "platform/DesktopOpener.h"

int main(int argc, char** argv)
{
    // As the program does: the tests start children and read their exit status.
    twinsweep::keepExitStatusOfChildren();
    twinsweep::test::isolateUserFolders();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
