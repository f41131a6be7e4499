#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "datagen/datagen.h"

// datagen <folder>: renders the data folder the program runs in.
int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: datagen <data folder>\n");
        return 2;
    }
    try {
        RenderDataFolder(QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
