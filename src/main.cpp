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
    const QString folder = ChooseDataFolder(arguments, QDir::currentPath());
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
    const auto program = StartProgram();
    program->mainWindow()->MaximiseOnScreen();
    program->mainWindow()->show();
    ReportFirstPaint(program->mainWindow());
    if (check) QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
