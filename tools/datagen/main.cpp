#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "datagen/datagen.h"
#include "datagen/icons.h"

// datagen <folder>: renders the data folder the program runs in.
// datagen --icons <folder>: renders the desktop menu's icons.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const bool icons = argc == 3 && QByteArray(argv[1]) == "--icons";
    if (argc != 2 && !icons) {
        std::fprintf(stderr, "usage: datagen <data folder> | datagen --icons <folder>\n");
        return 2;
    }
    try {
        if (icons) {
            RenderIcons(QString::fromLocal8Bit(argv[2]));
        } else {
            RenderDataFolder(QString::fromLocal8Bit(argv[1]));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
