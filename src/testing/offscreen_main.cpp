// The main of every test program: a headless application with the house style,
// and an error box that fails the running test unless the test records it.
#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

#include "app/house_style.h"
#include "program/screens.h"
#include "testing/error_recorder.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef M6_TEST_FONT_DIR
    // Offscreen on Windows reads its faces from one folder only, not the system's
    // (wine, which runs the cross-built tests, passes no QT_ variable in).
    if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR")) qputenv("QT_QPA_FONTDIR", M6_TEST_FONT_DIR);
#endif
    QApplication app(argc, argv);
#ifdef M6_TEST_FONT_DIR
    // The faces fontconfig gives on Linux for the names the screens ask for.
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
#endif
    ApplyHouseStyle();
    ErrorRecorder::InstallUnexpectedErrorFailure();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
