#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

#include "app/data_folder.h"
#include "app/data_location.h"
#include "app/error_box.h"
#include "app/first_paint.h"
#include "app/house_style.h"
#include "app/screen.h"
#include "program/screens.h"

// matematyka6 [--data DIR] [--content DIR] [--quit-when-shown]
//   --content DIR      the pictures and task files beneath the data folder, instead of the installed ones.
//   --quit-when-shown  starts up to the main menu and ends: a check of an installation. An error
//                      start-up meets is printed instead of shown, and the run ends with 1.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyHouseStyle();
    const QStringList arguments = QApplication::arguments();
    const QString folder = ChooseDataFolder(arguments, QDir::currentPath(), QCoreApplication::applicationDirPath());
    const QString content = ChooseContentFolder(arguments);
    QString problem;
    const bool check = arguments.contains(QStringLiteral("--quit-when-shown"));
    if (!PrepareDataFolder(folder, content, problem) || !QDir::setCurrent(folder)) {
        // Without a data folder there is nowhere to keep a result: say so and stop.
        if (check) {
            qCritical("%s", qUtf8Printable(problem));
        } else {
            QMessageBox::critical(nullptr, QStringLiteral("Математика 6"), problem);
        }
        return 1;
    }
    SetContentFolder(content);
    // A check has nobody to close a message box: what it would say goes to the log.
    bool errorSeen = false;
    if (check) {
        setErrorSink([&errorSeen](const QString& message) {
            errorSeen = true;
            qCritical("%s", qUtf8Printable(message));
        });
    }
    // The main menu first, on screen at once; the other screens are made once
    // its first paint has reached the display, in order (a click that comes
    // sooner finds start-up completed for it: see ScreenNumber).
    const auto program = StartMainMenu();
    Screen* menu = program->mainWindow();
    menu->MaximiseOnScreen();
    menu->show();
    AfterFirstPaint(menu, [&program] {
        const bool benchmark = StampFirstPaint();
        program->completeStartUp();
        // The benchmark's peak memory includes every screen.
        if (benchmark) QCoreApplication::exit(0);
    });
    if (check) {
        QTimer::singleShot(0, &app, [&program] {
            program->completeStartUp();
            QApplication::quit();
        });
    }
    const int status = app.exec();
    return errorSeen ? 1 : status;
}
