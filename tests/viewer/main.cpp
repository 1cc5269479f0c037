// One application object for all window tests, on Qt's offscreen platform unless the
// environment asks for another.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "TApplication.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    tk::TApplication application;
    tk::Application->Initialize();
    return RUN_ALL_TESTS();
}
