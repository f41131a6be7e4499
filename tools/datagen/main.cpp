#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "datagen/datagen.h"
#include "datagen/icons.h"

// datagen <folder>: renders the data folder the program runs in (pictures, task files, empty logs).
// datagen --content <folder>: renders the pictures and task files only, the content installed once.
// datagen --icons <folder>: renders the desktop menu's icons.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    // The arguments as the system gave them: on Windows a folder under a Cyrillic
    // user name does not survive the local 8-bit code page of argv.
    const QStringList args = QCoreApplication::arguments();
    const QString mode = args.size() == 3 ? args[1] : QString();
    if (args.size() != 2 && mode != u"--icons" && mode != u"--content") {
        std::fprintf(stderr, "usage: datagen <data folder> | datagen --content <folder> | datagen --icons <folder>\n");
        return 2;
    }
    try {
        if (args.size() == 2) {
            RenderDataFolder(args[1]);
        } else if (mode == u"--icons") {
            RenderIcons(args[2]);
        } else {
            RenderContent(args[2]);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
