// How long a pupil waits on a click or a timer tick: every screen of the registry
// is started in a temporary data folder, shown, and for a few rounds every edit
// box gets a number, every visible button and check box is clicked, every list
// is chosen from, Enter is pressed in every edit box and every running timer
// ticks. Each is timed with the layout and paint it leaves posted. The whole
// walk is made PASSES times on freshly started programs, so that a handler run
// once a pass (marking a paper) is not judged by one sample on a busy machine:
// the table gives per handler the median over the passes of its worst time in a
// pass, the slowest first. Aim: every one under 5 ms.
//   handlers_bench [ROUNDS [PASSES]]      (default 4 rounds, 5 passes)
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>

#include "app/house_style.h"
#include "program/screens.h"
#include "testing/error_recorder.h"
#include "testing/screen_driver.h"

namespace {
const double kAimMs = 5.0;

struct Worst {
    int calls = 0;
    double ms = 0;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

class ScreenTimes {
public:
    void time(const QString& handler, const std::function<void()>& act) {
        QElapsedTimer clock;
        clock.start();
        act();
        // What the handler left to do before the pupil sees it: layouts, repaints.
        QCoreApplication::sendPostedEvents();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        Worst& w = worst_[handler];
        ++w.calls;
        w.ms = std::max(w.ms, ms);
    }
    const std::map<QString, Worst>& worst() const { return worst_; }
    // Folds a later pass in: the median of the passes' worst times.
    void addPass(const ScreenTimes& pass) {
        for (const auto& [name, w] : pass.worst()) {
            passes_[name].push_back(w.ms);
            Worst& mine = worst_[name];
            mine.calls = std::max(mine.calls, w.calls);
            mine.ms = median(passes_[name]);
        }
    }
    std::vector<std::pair<QString, Worst>> slowestFirst() const {
        std::vector<std::pair<QString, Worst>> rows(worst_.begin(), worst_.end());
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.second.ms > b.second.ms; });
        return rows;
    }

private:
    std::map<QString, Worst> worst_;
    std::map<QString, std::vector<double>> passes_;
};

std::vector<QWidget*> live(Screen* screen) {
    std::vector<QWidget*> controls;
    for (QWidget* w : screen->controls()) {
        if (!w->isHidden() && w->isEnabled() && w != screen->dumpButton()) controls.push_back(w);
    }
    return controls;
}

void round(Screen* screen, int number, ScreenTimes& times) {
    // The pupil's answers: small numbers, so that marking compares real text.
    int k = number;
    for (QWidget* w : live(screen)) {
        if (auto* edit = qobject_cast<QLineEdit*>(w)) Type(edit, QString::number(++k % 7));
    }
    QAbstractButton* back = screen->button(1);
    for (QWidget* w : live(screen)) {
        if (!w->isEnabled() || w->isHidden()) continue;  // an earlier click may have changed it
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            times.time(w->objectName() + QStringLiteral("KeyDown (Enter)"), [edit] {
                QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
                QApplication::sendEvent(edit, &enter);
            });
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            if (combo->count() > 0) {
                times.time(w->objectName() + QStringLiteral("Change"), [combo, number] { Choose(combo, number % combo->count()); });
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(w); button && button != back) {
            times.time(w->objectName() + QStringLiteral("Click"), [button] { Click(button); });
        }
    }
    for (QTimer* t : screen->findChildren<QTimer*>()) {
        if (!t->isActive()) continue;
        times.time(t->objectName() + QStringLiteral("Timer"), [t] { QMetaObject::invokeMethod(t, "timeout"); });
    }
}
}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ApplyHouseStyle();
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 4;
    const int passes = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    ErrorRecorder errors;
    std::map<int, ScreenTimes> screens;
    std::map<int, std::vector<double>> paints;
    std::map<int, QStringList> errorBoxes;
    int count = 0;
    std::map<int, QString> titles;
    for (int pass = 0; pass < passes; ++pass) {
        StartedProgram run;
        count = run.program->count();
        for (int n = 1; n <= count; ++n) {
            Screen* screen = run.screen(n);
            titles[n] = screen->windowTitle();
            ScreenTimes times;
            screen->MaximiseOnScreen();
            screen->show();
            QCoreApplication::sendPostedEvents();
            QElapsedTimer paint;
            paint.start();
            screen->grab();
            paints[n].push_back(double(paint.nsecsElapsed()) / 1e6);
            for (int r = 0; r < rounds; ++r) {
                round(screen, n + r, times);
                screen->show();  // "Повернення" is not pressed, but a finished screen may close itself
            }
            screens[n].addPass(times);
            errorBoxes[n] += errors.messages();
            errors.clear();
            // A menu's clicks opened other screens: put everything away before the next.
            for (int m = 1; m <= count; ++m) run.screen(m)->hide();
        }
    }
    int over = 0;
    double worstOfAll = 0;
    QString worstName;
    std::printf("median over %d passes of the worst ms per handler and tick in %d rounds (with the layout and paint "
                "it posts); aim: under %.0f ms\n",
                passes, rounds, kAimMs);
    for (int n = 1; n <= count; ++n) {
        const ScreenTimes& times = screens[n];
        const double paintMs = median(paints[n]);
        const auto rows = times.slowestFirst();
        std::printf("\n%-8s %-34s %6s %9s\n", qPrintable(titles[n]), "handler", "calls", "worst ms");
        std::printf("         %-34s %6s %9.2f%s\n", "whole screen painted (grab)", "1", paintMs, paintMs > kAimMs ? "  OVER" : "");
        int shown = 0;
        for (const auto& [name, w] : rows) {
            if (w.ms > worstOfAll) {
                worstOfAll = w.ms;
                worstName = titles[n] + u'.' + name;
            }
            if (w.ms > kAimMs) ++over;
            // The quick Enter presses of long papers would drown the table.
            if (shown >= 12 && w.ms < 0.5) continue;
            ++shown;
            std::printf("         %-34s %6d %9.2f%s\n", qPrintable(name), w.calls, w.ms, w.ms > kAimMs ? "  OVER" : "");
        }
        if (int(rows.size()) > shown) std::printf("         (%d more, each under 0.5 ms)\n", int(rows.size()) - shown);
        if (!errorBoxes[n].isEmpty()) {
            errorBoxes[n].removeDuplicates();
            std::printf("         error boxes: %s\n", qPrintable(errorBoxes[n].join(QStringLiteral(" | "))));
        }
    }
    std::printf("\nslowest: %s %.2f ms; handlers over %.0f ms: %d\n", qPrintable(worstName), worstOfAll, kAimMs, over);
    return 0;
}
