#pragma once
// The start-up benchmark's one hook into a program's main: with M6_FIRST_PAINT
// set, the first complete paint of the window is stamped on standard output
// ("first-paint <monotonic ns>") and the program ends there. Without it, nothing.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

class FirstPaintStamp : public QObject {
public:
    explicit FirstPaintStamp(QWidget* window) : QObject(window), window_(window) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = event->type() == QEvent::Paint ? qobject_cast<QWidget*>(watched) : nullptr;
        // A window covered by opaque children gets no paint event itself: the
        // first one to any widget of it opens the pass, which paints the rest and
        // is flushed to the display before a zero timer runs.
        if (widget && widget->window() == window_ && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("first-paint %lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    QWidget* window_;
    bool seen_ = false;
};

inline void ReportFirstPaint(QWidget* window) {
    if (qEnvironmentVariableIsEmpty("M6_FIRST_PAINT")) return;
    QCoreApplication::instance()->installEventFilter(new FirstPaintStamp(window));
}
