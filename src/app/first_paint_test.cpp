#include "app/first_paint.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <gtest/gtest.h>

namespace {
// Runs the event loop until `done` or a few seconds have passed.
bool SpinUntil(const bool& done) {
    QElapsedTimer waited;
    waited.start();
    while (!done && waited.elapsed() < 5000) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done;
}
}  // namespace

// What the rest of start-up waits for is the window on the display: a paint that
// only filled the backing store of a window not yet exposed does not count.
TEST(FirstPaint, WaitsForThePaintOfTheExposedWindow) {
    QWidget window;
    auto* child = new QWidget(&window);  // paints nothing itself
    window.resize(300, 200);
    bool ran = false, exposedThen = false;
    AfterFirstPaint(&window, [&] {
        ran = true;
        exposedThen = window.windowHandle() && window.windowHandle()->isExposed();
    });
    QPaintEvent early(QRect(0, 0, 10, 10));
    QApplication::sendEvent(child, &early);
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);

    window.show();
    EXPECT_TRUE(SpinUntil(ran));
    EXPECT_TRUE(exposedThen);
}
