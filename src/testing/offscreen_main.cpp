// The main of every test program: a headless application with the house style,
// and an error box that fails the running test unless the test records it.
#include <QApplication>
#include <gtest/gtest.h>

#include "app/house_style.h"
#include "program/screens.h"
#include "testing/error_recorder.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyHouseStyle();
    ErrorRecorder::InstallUnexpectedErrorFailure();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
