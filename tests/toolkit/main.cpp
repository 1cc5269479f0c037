// One application object for the whole run, as in the program. Without a display the tests
// use Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "TApplication.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (as the build does) needs no window system at all.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    tk::TApplication application;
    return RUN_ALL_TESTS();
}
