#include <QApplication>
#include <QDir>
#include <QFont>
#include <QStyleFactory>

#include "core/pupil_data_folder.h"
#include "report/report_window.h"

// matematyka6-report [FOLDER…]: a data folder, or a class folder of data folders.
// With none, the pupil's own data folder of this computer.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The faces the package brings (fonts-liberation): a bare system may have no other.
    QFont face(QStringLiteral("Arial"));
    face.setStyleHint(QFont::SansSerif);
    face.setPointSize(11);
    QApplication::setFont(face);
    QStringList folders = QApplication::arguments().mid(1);
    if (folders.isEmpty()) folders << PupilDataFolder();
    for (QString& f : folders) f = QDir(f).absolutePath();
    ReportWindow window;
    window.openFolders(folders);
    window.show();
    return app.exec();
}
