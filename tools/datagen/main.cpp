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
    const QByteArray mode = argc == 3 ? QByteArray(argv[1]) : QByteArray();
    if (argc != 2 && mode != "--icons" && mode != "--content") {
        std::fprintf(stderr, "usage: datagen <data folder> | datagen --content <folder> | datagen --icons <folder>\n");
        return 2;
    }
    try {
        if (argc == 2) {
            RenderDataFolder(QString::fromLocal8Bit(argv[1]));
        } else if (mode == "--icons") {
            RenderIcons(QString::fromLocal8Bit(argv[2]));
        } else {
            RenderContent(QString::fromLocal8Bit(argv[2]));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
