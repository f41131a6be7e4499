#pragma once
// The moment a window is first on screen: the rest of start-up waits for it, and
// the start-up benchmark stamps it.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>
#include <functional>

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> then)
        : QObject(window), window_(window), then_(std::move(then)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = event->type() == QEvent::Paint ? qobject_cast<QWidget*>(watched) : nullptr;
        // A window covered by opaque children gets no paint event itself: the
        // first one to any widget of it opens the pass, which paints the rest and
        // is flushed to the display before a zero timer runs.
        if (widget && widget->window() == window_ && then_) {
            QTimer::singleShot(0, this, std::move(then_));
            then_ = nullptr;
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> then_;
};

// Runs `then` once the window's first complete paint is done.
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
