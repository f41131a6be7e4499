#include <QApplication>

#include "app/screen.h"
#include "app/screens.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplyHouseStyle();
    const auto program = StartProgram();
    program->mainWindow()->MaximiseOnScreen();
    program->mainWindow()->show();
    return app.exec();
}
