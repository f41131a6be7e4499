#include <QRegularExpression>
#include <gtest/gtest.h>
#include <numeric>
#include <random>
#include <set>

#include "app/layout_dump.h"
#include "problems/set8.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {

std::vector<int64_t> Terms(const QString& ratio) {
    std::vector<int64_t> terms;
    for (const QString& t : ratio.split(u':')) terms.push_back(t.toLongLong());
    return terms;
}

// Shares of `total` in the given ratio, each checked to be whole.
QStringList Shares(int64_t total, const std::vector<int64_t>& terms) {
    const int64_t sum = std::accumulate(terms.begin(), terms.end(), int64_t(0));
    QStringList parts;
    for (int64_t t : terms) {
        EXPECT_EQ(total * t % sum, 0) << total << " in " << t << "/" << sum;
        parts << QString::number(total * t / sum);
    }
    return parts;
}

bool IsPrime(int64_t n) {
    for (int64_t d = 2; d * d <= n; ++d)
        if (n % d == 0) return false;
    return n >= 2;
}

// The parts worked out from the text alone. The patterns are the whole texts:
// the "i" of "Y i Z" and the "a" of "a Y:Z" are Latin.
QStringList Solve(const TForm32& s, int stage) {
    const QString text = s.label(2)->text() + "|" + s.label(3)->text();
    QRegularExpressionMatch m;
    auto is = [&](const char* pattern) {
        m = QRegularExpression(QStringLiteral("^") + QString::fromUtf8(pattern) + "$").match(text);
        return m.hasMatch();
    };
    QStringList parts;
    int seen = -1;
    if (is("Поділіть число (\\d+) на дві частини у відношенні (\\d+:\\d+)\\|")) {
        seen = 0, parts = Shares(m.captured(1).toLongLong(), Terms(m.captured(2)));
    } else if (is("Поділіть число (\\d+) на три частини у відношенні (\\d+:\\d+:\\d+)\\|")) {
        seen = 1, parts = Shares(m.captured(1).toLongLong(), Terms(m.captured(2)));
    } else if (is("Периметр трикутника дорівнює (\\d+) см, а довжини його сторін відносяться \\|"
                  "як (\\d+:\\d+:\\d+) Знайдіть сторони трикутника\\.")) {
        seen = 2, parts = Shares(m.captured(1).toLongLong(), Terms(m.captured(2)));
        const int64_t a = parts[0].toLongLong(), b = parts[1].toLongLong(), c = parts[2].toLongLong();
        EXPECT_TRUE(a < b + c && b < a + c && c < a + b) << "no triangle: " << text.toStdString();
    } else if (is("Поділіть число (\\d+) на чотири частини у відношенні (\\d+:\\d+:\\d+:\\d+)\\|")) {
        seen = 3;
        const auto terms = Terms(m.captured(2));
        EXPECT_EQ(std::set<int64_t>(terms.begin(), terms.end()).size(), 4u) << "a term repeats: " << text.toStdString();
        parts = Shares(m.captured(1).toLongLong(), terms);
    } else if (is("Поділіть число (\\d+) на три частини X, Y i Z так, щоб X:Y=(\\d+):(\\d+),\\|a Y:Z=(\\d+):(\\d+)")) {
        seen = 4;
        const int64_t x1 = m.captured(2).toLongLong(), x2 = m.captured(3).toLongLong();
        const int64_t x3 = m.captured(4).toLongLong(), x4 = m.captured(5).toLongLong();
        EXPECT_EQ(std::set<int64_t>({x1, x2, x3, x4}).size(), 4u);
        for (int64_t x : {x1, x2, x3, x4}) EXPECT_TRUE(IsPrime(x) && x <= 37) << x;
        // Y taken as x2·x3 shares: X = x1·x3, Z = x2·x4.
        parts = Shares(m.captured(1).toLongLong(), {x1 * x3, x2 * x3, x2 * x4});
    }
    EXPECT_EQ(seen, stage) << "unexpected problem: " << text.toStdString();
    return parts;
}

void Tick(TForm32& s) { RunGuarded([&] { s.Timer1Timer(); }); }

}  // namespace

TEST(Set8, StagesOpenTheirOwnBoxesAndAWrongAnswerShowsEveryPart) {
    TempDataFolder folder;
    ScriptedRandom random({20, 40, 30});  // a = 12, b = 7, f = 6
    auto s = CreateScreen<TForm32>();
    EXPECT_EQ(s->button(2)->text(), "Початок");
    EXPECT_FALSE(Shown(s->button(3)) || Shown(s->button(4)));
    for (int n = 1; n <= 4; ++n) EXPECT_FALSE(Shown(s->edit(n)));
    EXPECT_EQ(s->timer(1)->interval(), 1000);
    EXPECT_TRUE(LayoutDumpLines(*s).front().startsWith("button1.Left:="));
    Click(s->button(2));
    EXPECT_EQ(s->label(1)->text(), "Задача 1");
    EXPECT_EQ(s->label(2)->text(), "Поділіть число 114 на дві частини у відношенні 12:7");
    EXPECT_TRUE(Shown(s->edit(1)) && Shown(s->edit(2)));
    EXPECT_FALSE(Shown(s->edit(3)) || Shown(s->edit(4)));
    Type(s->edit(1), "72");
    Type(s->edit(2), "42 ");
    Click(s->button(3));
    EXPECT_EQ(s->label(9)->text(), "Неправильно");
    EXPECT_EQ(s->label(5)->text(), "72");
    EXPECT_EQ(s->label(6)->text(), "42");
    EXPECT_TRUE(IsRed(s->edit(1)) && IsRed(s->edit(2)));
    EXPECT_FALSE(s->edit(1)->isEnabled() || s->edit(2)->isEnabled());
    EXPECT_EQ(s->stage(), 0);
    // The same stage again, fresh and white.
    random.then({0, 0, 0});  // a = 10, b = 3, f = 3
    Click(s->button(2));
    EXPECT_EQ(s->label(1)->text(), "Задача 2");
    EXPECT_EQ(s->label(2)->text(), "Поділіть число 39 на дві частини у відношенні 10:3");
    EXPECT_EQ(s->label(5)->text(), "");
    EXPECT_FALSE(IsRed(s->edit(1)));
    Type(s->edit(1), "30");
    Type(s->edit(2), "9");
    Click(s->button(3));
    EXPECT_EQ(s->label(9)->text(), "Правильно");
    EXPECT_EQ(s->image(1)->pictureName(), "z8\\e1(1).bmp");
    EXPECT_EQ(s->stage(), 1);
}

// Thousands of attempts: the parts worked out from the text are what marking
// accepts, wrong answers show every part, and every picture met exists.
TEST(Set8, OracleAgreesWithMarkingOverSeededAttempts) {
    TempDataFolder folder;
    SeededRandom random(808);
    std::mt19937 pupil(8);
    std::set<int> marks;
    const double wrongShare[] = {0, 0.15, 0.4, 1};
    const int attempts = 600;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        auto s = CreateScreen<TForm32>();
        std::bernoulli_distribution wrong(wrongShare[attempt % 4]);
        for (int check = 1; check <= 5; ++check) {
            const int stage = s->stage();
            Click(s->button(2));
            const QStringList parts = Solve(*s, stage);
            ASSERT_FALSE(parts.isEmpty());
            const bool right = !wrong(pupil);
            for (int n = 1; n <= 4; ++n) ASSERT_EQ(Shown(s->edit(n)), n <= parts.size());
            for (int n = 1; n <= parts.size(); ++n) Type(s->edit(n), parts[n - 1]);
            if (!right) Type(s->edit(int(parts.size())), "-" + parts.back());
            Click(s->button(3));
            ASSERT_EQ(s->label(9)->text(), right ? "Правильно" : "Неправильно");
            ASSERT_EQ(s->stage(), stage + (right ? 1 : 0));
            if (!right) {
                for (int n = 1; n <= parts.size(); ++n) ASSERT_EQ(s->label(n + 4)->text(), parts[n - 1]);
            }
        }
        marks.insert(s->stage());
        ASSERT_EQ(s->image(2)->pictureName(), QStringLiteral("z8\\ocenka%1s.bmp").arg(s->stage()));
        ASSERT_EQ(s->animating(), s->stage() == 5);
        if (s->stage() == 5)
            for (int tick = 0; tick < 6; ++tick) Tick(*s);
    }
    EXPECT_EQ(marks.size(), 6u);
    EXPECT_EQ(folder.lines("z8\\stat.txt").size(), attempts);
}

TEST(Set8, FaultlessSetLoopsTheFeastAndLogsLevel8) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom random(32);
    auto s = CreateScreen<TForm32>();
    for (int check = 1; check <= 5; ++check) {
        Click(s->button(2));
        const QStringList parts = Solve(*s, check - 1);
        for (int n = 1; n <= parts.size(); ++n) Type(s->edit(n), parts[n - 1]);
        clock.advance(41);
        Click(s->button(3));
        ASSERT_EQ(s->label(9)->text(), "Правильно");
        if (check < 5) {
            EXPECT_EQ(s->image(1)->pictureName(), QStringLiteral("z8\\e1(%1).bmp").arg(check));
        }
        EXPECT_EQ(Shown(s->button(2)), check < 5);
    }
    EXPECT_EQ(s->image(1)->pictureName(), "z8\\e1(4).bmp");
    EXPECT_EQ(s->label(1)->text(), "Поздоровляю!");
    EXPECT_EQ(s->image(2)->pictureName(), "z8\\ocenka5s.bmp");
    EXPECT_EQ(s->label(10)->text(), "Час 205 c");
    QStringList frames;
    for (int tick = 0; tick < 6; ++tick) {
        Tick(*s);
        frames << s->image(1)->pictureName();
    }
    EXPECT_EQ(frames, (QStringList{"z8\\e1.bmp", "z8\\e2.bmp", "z8\\e3.bmp", "z8\\e4.bmp", "z8\\e5.bmp", "z8\\e1.bmp"}));
    // Latin "c" after the seconds, two blanks before "рівень"; the circle logs to its own folder.
    EXPECT_EQ(folder.lines("z8\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 0 час виконання 205 c  рівень 8"});
    EXPECT_TRUE(folder.lines("zcircle\\stat.txt").isEmpty());
}
