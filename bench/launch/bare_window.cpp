// The yardstick: a bare Qt Widgets program, one maximised window with a label,
// started and stamped exactly as the trainer is.
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include "app/first_paint.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Математика 6"), &window));
    // Without a window manager maximising is only a wish: take the free area as the trainer does.
    if (const QScreen* display = QGuiApplication::primaryScreen()) window.setGeometry(display->availableGeometry());
    window.setWindowState(Qt::WindowMaximized);
    window.show();
    AfterFirstPaint(&window, [] {
        if (StampFirstPaint()) QCoreApplication::exit(0);
    });
    return app.exec();
}
