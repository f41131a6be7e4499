#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "datagen/datagen.h"
#include "datagen/icons.h"

// datagen <folder>: renders the data folder the program runs in.
// datagen --icons <folder>: renders the desktop menu's icons.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    // The arguments as the system gave them: on Windows a folder under a Cyrillic
    // user name does not survive the local 8-bit code page of argv.
    const QStringList args = QCoreApplication::arguments();
    const bool icons = args.size() == 3 && args[1] == u"--icons";
    if (args.size() != 2 && !icons) {
        std::fprintf(stderr, "usage: datagen <data folder> | datagen --icons <folder>\n");
        return 2;
    }
    try {
        if (icons) {
            RenderIcons(args[2]);
        } else {
            RenderDataFolder(args[1]);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
