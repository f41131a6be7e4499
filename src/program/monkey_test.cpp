// A restless pupil: random typing, pasting, ticking, choosing and clicking on
// every screen of the program. Whatever happens, the program neither crashes nor
// hangs, and with a complete data folder it never needs an error box.
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/random.h"
#include "testing/error_recorder.h"
#include "testing/screen_driver.h"

namespace {
const QStringList kTexts = {"",     " ",   "0",   "1",        "2",   "-1",  "+2",  "02",   "1,5", "1.5",
                            "abc",  "ІЇЄ", "½",   "99999999999999999999999", "\t", "0x10", "$2",  "-",    "5 ",
                            "３",   QString(300, u'9'), "2\n3"};

// Actions come from a generator of the test's own, so that the program's shared
// one goes on drawing problems as usual.
class Monkey {
public:
    explicit Monkey(uint32_t seed) : random_(seed) {}
    int next(int n) { return random_.next(n); }

    void play(Screen* screen, int moves) {
        // Time flies: every timer of the screen ticks between the moves.
        for (QTimer* t : screen->findChildren<QTimer*>()) t->setInterval(0);
        for (int i = 0; i < moves; ++i) {
            if (i % 5 == 0) QApplication::processEvents();
            std::vector<QWidget*> live;
            for (QWidget* w : screen->controls()) {
                if (!w->isHidden() && w->isEnabled() && w != screen->dumpButton()) live.push_back(w);
            }
            if (live.empty()) return;
            act(live[size_t(next(int(live.size())))]);
        }
    }

    int actions = 0;

private:
    void act(QWidget* w) {
        ++actions;
        if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            if (next(3) == 0) {
                QKeyEvent enter(QEvent::KeyPress, next(2) ? Qt::Key_Return : Qt::Key_Enter, Qt::NoModifier);
                QApplication::sendEvent(edit, &enter);
            } else {
                Type(edit, kTexts[next(int(kTexts.size()))]);
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            if (combo->count() > 0) Choose(combo, next(combo->count()));
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            Click(button);
        }
    }

    LinearRandom random_;
};
}  // namespace

TEST(Monkey, NoScreenCrashesHangsOrNeedsAnErrorBox) {
    StartedProgram run;
    ErrorRecorder errors;
    Monkey monkey(20261208);
    for (int round = 0; round < 6; ++round) {
        for (int n = 2; n <= 36; ++n) {
            Screen* screen = run.screen(n);
            monkey.play(screen, 150);
            EXPECT_TRUE(errors.messages().isEmpty())
                << "Form" << n << ": " << errors.messages().join(" | ").toStdString();
            errors.clear();
        }
    }
    // Most moves found something to do.
    EXPECT_GT(monkey.actions, 6 * 35 * 100);
}

TEST(Monkey, WithAnEmptyDataFolderEveryScreenOnlyReportsTheMissingFiles) {
    ErrorRecorder errors;
    StartedProgram run(TempDataFolder::Empty);
    Monkey monkey(7);
    for (int round = 0; round < 3; ++round) {
        for (int n = 2; n <= 36; ++n) monkey.play(run.screen(n), 150);
    }
    ASSERT_FALSE(errors.messages().isEmpty());
    for (const QString& message : errors.messages()) {
        // "Path not found": a log to be created in a folder that is not there.
        EXPECT_TRUE(message == "File not found" || message == "Path not found" || message.startsWith("Cannot open file \""))
            << message.toStdString();
    }
}
