#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

#include "app/data_location.h"
#include "app/first_paint.h"
#include "app/screen.h"
#include "app/screens.h"

// matematyka6 [--data DIR] [--quit-when-shown]
//   --quit-when-shown  starts up to the main menu and ends: a check of an installation.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyHouseStyle();
    const QStringList arguments = QApplication::arguments();
    const QString folder = ChooseDataFolder(arguments, QDir::currentPath(), QCoreApplication::applicationDirPath());
    QString problem;
    const bool check = arguments.contains(QStringLiteral("--quit-when-shown"));
    if (!PrepareDataFolder(folder, problem) || !QDir::setCurrent(folder)) {
        // Without a data folder there is nowhere to keep a result: say so and stop.
        if (check) {
            qCritical("%s", qUtf8Printable(problem));
        } else {
            QMessageBox::critical(nullptr, QStringLiteral("Математика 6"), problem);
        }
        return 1;
    }
    // The main menu first, on screen at once; the other screens are made right
    // after its first paint, in order, before any click is handled (a click that
    // comes sooner finds start-up completed for it: see ScreenNumber).
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
    return app.exec();
}
