#pragma once
// The moment a window is first on screen: the rest of start-up waits for it, and
// the start-up benchmark stamps it.
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMetaObject>
#include <QObject>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <ctime>
#include <functional>

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> then)
        : QObject(window), window_(window), then_(std::move(then)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!then_ || scheduled_) return false;
        if (event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(watched);
            // A window covered by opaque children gets no paint event itself: the
            // first one to any widget of it opens the pass, which paints the rest
            // and flushes the backing store before the pass returns. A pass made
            // while the window is not exposed stays in the backing store and only
            // reaches the display with the expose that follows.
            if (widget && widget->window() == window_) {
                if (exposed()) {
                    finishAfterThisPass();
                } else {
                    paintedUnexposed_ = true;
                }
            }
        } else if (event->type() == QEvent::Expose && paintedUnexposed_ && watched == window_->windowHandle() &&
                   exposed()) {
            // Handling the expose flushes what was painted before it.
            finishAfterThisPass();
        }
        return false;
    }

private:
    bool exposed() const {
        const QWindow* handle = window_->windowHandle();
        return handle && handle->isExposed();
    }
    void finishAfterThisPass() {
        scheduled_ = true;
        // Posted: runs once the pass (or the expose) has been handled in full.
        QMetaObject::invokeMethod(this, [this] { finish(); }, Qt::QueuedConnection);
    }
    void finish() {
        QCoreApplication::instance()->removeEventFilter(this);
        // The flushed picture can still sit in the connection to the display
        // server; a round trip has the server draw it before the program goes on
        // to heavy work that would keep it waiting.
        QGuiApplication::sync();
        auto then = std::move(then_);
        then_ = nullptr;
        then();
    }

    QWidget* window_;
    std::function<void()> then_;
    bool paintedUnexposed_ = false;
    bool scheduled_ = false;
};

// Runs `then` once the window's first complete paint is on the display.
inline void AfterFirstPaint(QWidget* window, std::function<void()> then) {
    QCoreApplication::instance()->installEventFilter(new FirstPaintWatch(window, std::move(then)));
}

// With M6_FIRST_PAINT set (the start-up benchmark), "first-paint <monotonic ns>"
// goes to standard output. Returns whether it is set.
inline bool StampFirstPaint() {
    if (qEnvironmentVariableIsEmpty("M6_FIRST_PAINT")) return false;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::printf("first-paint %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
    std::fflush(stdout);
    return true;
}
