// The report reads the lines the program's screens really write: one screen of
// every line shape is worked through to the end of its attempt in one data
// folder, and the folder is read back as a teacher would open it.
#include <QDir>
#include <gtest/gtest.h>
#include <map>

#include "games/finger.h"
#include "games/fraction.h"
#include "games/maugli.h"
#include "lessons/fraction_addition.h"
#include "lessons/fraction_arithmetic.h"
#include "lessons/prime_divisors.h"
#include "problems/circle.h"
#include "problems/set1.h"
#include "problems/set8.h"
#include "report/attempt_log.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"

namespace {

template <class T>
T& ScreenOf(const StartedProgram& run, int number) {
    T* screen = dynamic_cast<T*>(run.screen(number));
    if (!screen) throw std::runtime_error("not the screen expected");
    return *screen;
}

// What a log line must read back as.
struct Expected {
    QString module, part, level;
    int errors;  // -1: no error count in the line; -2: a percentage above 0 (an untouched paper)
    QTime start;
    int seconds;
};

}  // namespace

TEST(ReportOfRealScreens, EveryLineShapeTheScreensWriteIsReadBack) {
    FakeClock clock;  // 08.12.2026 9:05:03: start-up, and so test 1's start
    SeededRandom random(21);
    StartedProgram run;
    std::map<QString, std::vector<Expected>> expected;  // by log folder
    const QTime startUp = clock.now().time();

    // A lesson of prime divisors, level 2: ten wrong answers, 3 seconds each.
    {
        clock.advance(60);
        const QTime start = clock.now().time();
        auto& s = ScreenOf<TForm19>(run, 19);
        Click(s.button(5));
        for (int exercise = 1; exercise <= 10; ++exercise) {
            clock.advance(3);
            Type(s.edit(2 + s.step()), "4");  // never a prime
            Click(s.button(3));
            if (exercise < 10) Click(s.button(4));
        }
        expected["deli"].push_back({"Прості дільники", "рівень 2", "2", 10, start, 30});
    }
    // Problem set 1: five checks of empty answers.
    {
        clock.advance(60);
        auto& s = ScreenOf<TForm24>(run, 24);
        Click(s.button(2));
        const QTime start = clock.now().time();  // the first "Початок" starts the attempt
        for (int problem = 1; problem <= 5; ++problem) {
            if (problem > 1) Click(s.button(2));
            clock.advance(20);
            Click(s.button(3));
        }
        expected["z1"].push_back({"Задачі 1", "рівень 1", "1", 5, start, 100});
    }
    // The circle and set 8, both ending in level 8: every check wrong.
    {
        clock.advance(60);
        auto& circle = ScreenOf<TForm31>(run, 31);
        Click(circle.button(2));
        QTime start = clock.now().time();
        for (int check = 1; check <= 8; ++check) {
            if (check > 1) Click(circle.button(2));
            clock.advance(7);
            Click(circle.button(3));
        }
        expected["zcircle"].push_back({"Коло", "рівень 8", "8", 8, start, 56});

        clock.advance(60);
        auto& set8 = ScreenOf<TForm32>(run, 32);
        Click(set8.button(2));
        start = clock.now().time();
        for (int check = 1; check <= 5; ++check) {
            if (check > 1) Click(set8.button(2));
            clock.advance(9);
            Click(set8.button(3));
        }
        expected["z8"].push_back({"Задачі 8", "рівень 8", "8", 5, start, 45});
    }
    // The finger game, lesson 2, and the fraction game (level 3): both log to "vch".
    {
        clock.advance(60);
        const QTime fingerStart = clock.now().time();
        auto& finger = ScreenOf<TForm34>(run, 34);
        Click(finger.button(5));
        for (int problem = 1; problem <= 10; ++problem) {
            clock.advance(4);
            Type(finger.edit(1), "x");
            Click(finger.button(3));
            if (problem < 10) Click(finger.button(2));
        }
        expected["vch"].push_back({"Десяткові дроби", "рівень 2", "2", 10, fingerStart, 40});

        clock.advance(60);
        const QTime fractionStart = clock.now().time();
        auto& fraction = ScreenOf<TForm35>(run, 35);
        Click(fraction.button(2));
        for (int problem = 1; problem <= 10; ++problem) {
            clock.advance(5);
            Type(fraction.edit(1), problem == 1 ? "" : "x");
            Click(fraction.button(3));
            if (problem < 10) Click(fraction.button(4));
        }
        expected["vch"].push_back({"Звичайні дроби", "рівень 3", "3", 10, fractionStart, 50});
    }
    // Maugli, garden 3: only a won game is logged, so twelve right answers.
    {
        clock.advance(60);
        const QTime start = clock.now().time();
        auto& maugli = ScreenOf<TForm36>(run, 36);
        maugli.timer(1)->stop();  // ticked by hand
        Click(maugli.button(5));
        for (int problem = 1; problem <= 12; ++problem) {
            clock.advance(6);
            const MaugliProblem p = maugli.problem();
            Type(maugli.edit(1), p.whole);
            Type(maugli.edit(2), p.numerator);
            Type(maugli.edit(3), p.denominator);
            Click(maugli.button(3));
            if (problem < 12) RunGuarded([&] { maugli.Timer1Timer(); });
        }
        expected["GTM"].push_back({"Гра \"Мауглі\"", "сад 3", "3", -1, start, 72});
    }
    // Arithmetic with fractions, subtraction lesson 1: the "урок" line, ten wrong answers.
    {
        clock.advance(60);
        auto& s = ScreenOf<TForm22>(run, 22);
        Click(s.button(3));
        const QTime start = clock.now().time();
        Click(s.button(6));
        for (int exercise = 1; exercise <= 10; ++exercise) {
            if (exercise > 1) Click(s.button(12));
            clock.advance(4);
            for (int box = 1; box <= 3; ++box) Type(s.edit(box), "x");
            Click(s.button(11));
        }
        expected["Add"].push_back({"Арифметичні дії з дробами", "урок 1 віднімання", "1", 10, start, 40});
    }
    // Addition of fractions, a short series of type 2: the " короткий" line.
    {
        clock.advance(60);
        auto& s = ScreenOf<TForm23>(run, 23);
        const QTime start = clock.now().time();
        Click(s.button(9));
        for (int exercise = 1; exercise <= 5; ++exercise) {
            if (exercise > 1) Click(s.button(4));
            clock.advance(6);
            for (int box = 1; box <= 4; ++box) Type(s.edit(box), "x");
            Click(s.button(3));
        }
        expected["dd"].push_back({"Додавання дробів", "рівень 2, коротка серія", "2", 5, start, 30});
    }
    // Test 1 last, marked untouched: its attempt began at start-up.
    clock.advance(60);
    Click(run.screen(3)->button(2));
    expected[""].push_back({"Контрольні роботи", "К.р.№1", "1", -2, startUp, int(startUp.secsTo(clock.now().time()))});

    const ClassLog log = ReadClass({run.folder.path()});
    for (const UnreadLine& u : log.unread)
        ADD_FAILURE() << u.file.toStdString() << ":" << u.lineNumber << " " << u.text.toStdString() << " — "
                      << u.reason.toStdString();
    int lines = 0;
    for (const auto& [folder, attempts] : expected) {
        const QString file = folder.isEmpty() ? QStringLiteral("stat.txt") : folder + QStringLiteral("\\stat.txt");
        const QStringList written = run.folder.lines(file);
        ASSERT_EQ(written.size(), int(attempts.size())) << file.toStdString();
        for (size_t i = 0; i < attempts.size(); ++i, ++lines) {
            const Expected& e = attempts[i];
            SCOPED_TRACE(written[int(i)].toStdString());
            // ReadClass keeps the attempts in order of time: find this line's by its file and line.
            const LoggedAttempt* read = nullptr;
            for (const LoggedAttempt& a : log.attempts)
                if (QDir(run.folder.path()).relativeFilePath(a.file) == QString(file).replace(u'\\', u'/') &&
                    a.lineNumber == int(i) + 1)
                    read = &a;
            ASSERT_NE(read, nullptr);
            EXPECT_EQ(read->module, e.module);
            EXPECT_EQ(read->part, e.part);
            EXPECT_EQ(read->level, e.level);
            if (e.errors == -2) {
                // The untouched paper: a percentage, as tests log it.
                EXPECT_TRUE(read->percent);
                EXPECT_GT(read->errors, 0);
            } else {
                EXPECT_FALSE(read->percent);
                EXPECT_EQ(read->errors, e.errors);
            }
            EXPECT_EQ(read->date, QDate(2026, 12, 8));
            EXPECT_EQ(read->start, e.start);
            EXPECT_EQ(read->seconds, e.seconds);

            // The same line read alone gives the same figures.
            LoggedAttempt alone;
            QString why;
            ASSERT_TRUE(ParseLogLine(written[int(i)], folder, alone, why)) << why.toStdString();
            EXPECT_EQ(alone.part, read->part);
            EXPECT_EQ(alone.resultText(), read->resultText());
        }
    }
    EXPECT_EQ(int(log.attempts.size()), lines);
    EXPECT_EQ(lines, 10);
}
