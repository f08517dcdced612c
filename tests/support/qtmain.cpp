// The window tests need a QApplication, and no display: Qt's offscreen platform
// draws nothing and needs no X server, also when CTest lists the tests. Like the program,
// they start quietly in a session without a runtime folder (the build lists them).

#include "divers/files.h"

#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    talco::ProvideRuntimeFolder();
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
