#include <gtest/gtest.h>

#include "problems/set6.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/problem_set_testing.h"
#include "testing/random_script.h"

#include <QDir>

using namespace settest;

namespace {

Answer Solve(const TForm29& s, const TempDataFolder& folder) {
    Answer a;
    const QString l2 = s.label(2)->text();
    const auto n2 = Numbers(l2), n3 = Numbers(s.label(3)->text());
    Q value;
    if (l2.startsWith("За три тижні")) {
        a.kind = 1;
        const Q total(n2.at(0));
        const Q rest = total - total * Frac(s, 7, 8);
        value = rest - rest * Frac(s, 9, 10);
    } else if (l2.startsWith("Банк \"Ламаний гріш\"")) {
        a.kind = 2;
        const Q june(n2.at(0)), july = june * Q(n2.at(2), 100);
        value = june + july + july * Frac(s, 13, 14);
        // The draw is kept in "otlz6.txt": the denominator, its place among the primes, and y.
        const int64_t d = Num(s, 14);
        const int64_t place = d == 11 ? 5 : d == 13 ? 6 : d == 17 ? 7 : 8;
        EXPECT_EQ(folder.lines("otlz6.txt"), QStringList({T(d), T(place), T(n2.at(2))}));
    } else if (l2.startsWith("До їдальні")) {
        a.kind = 3;
        value = Q(n2.at(0)) / (Q(1) + Q(n3.at(0), 100) + Q(n3.at(1), 100));
    } else if (l2.startsWith("У саду")) {
        a.kind = 4;
        // apples·P1% = (total − apples)·P2%
        value = Q(n3.at(0)) * Q(n2.at(0)) / Q(n2.at(1) + n3.at(0));
    } else if (l2.contains("Від шнура")) {
        a.kind = 5;
        const Q length(n2.at(0));
        value = (length - length * Frac(s, 7, 8) - length * Frac(s, 9, 10)) * (Q(1) - Frac(s, 15, 16));
    }
    if (a.kind != 5) {
        EXPECT_EQ(value.d, 1) << l2.toStdString();
    }
    a.edits = {{1, Decimal(value)}};
    a.shown = {{12, Decimal(value)}};
    return a;
}

}  // namespace

TEST(Set6, FaultlessAttemptLosesTheReferenceAnimatesFiveFramesAndLogs) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom random(29);
    auto s = CreateScreen<TForm29>();
    EXPECT_EQ(s->label(6)->text(), "430-444  (5)");
    EXPECT_EQ(s->timer(1)->interval(), 125);
    const auto [stills, frames] = PlayFaultless(*s, 2, 6, [&](const TForm29& t) {
        EXPECT_EQ(t.label(6)->text(), "");
        clock.advance(9);
        return Solve(t, folder);
    });
    EXPECT_EQ(stills, (QStringList{"z6\\l5(4).bmp", "z6\\l5(3).bmp", "z6\\l5(2).bmp", "z6\\l5(1).bmp"}));
    EXPECT_EQ(frames, (QStringList{"z6\\l1.bmp", "z6\\l2.bmp", "z6\\l3.bmp", "z6\\l4.bmp", "z6\\l5.bmp", "z6\\l1.bmp"}));
    EXPECT_EQ(s->image(6)->pictureName(), "z6\\ocenka5s.bmp");
    EXPECT_EQ(s->label(17)->text(), "Час 45 c");
    EXPECT_EQ(folder.lines("z6\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 0 час виконання 45 c  рівень 6"});
}

TEST(Set6, SweetsRetryFreesBothPrimesSoTheDrawEnds) {
    TempDataFolder folder;
    // kind 1; p = 5, q1 = 3, q2 = 2 (t1/d1 = 13/15). Rounds: r = 13, s = 11 (33 ≥ 26);
    // r = 7, s = 11 again, free once more (33 ≥ 14); r = 17, s = 7 (21 < 34). N = 15·17·3.
    ScriptedRandom random({0, 0, 10, 0, 20, 40, 0, 40, 30, 30, 0});
    auto s = CreateScreen<TForm29>();
    Click(s->button(2));
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(s->label(2)->text(), "За три тижні продали 765 коробок цукерок. За перший тиждень продали           цієї кількості,");
    EXPECT_EQ(QStringList({s->label(7)->text(), s->label(8)->text(), s->label(9)->text(), s->label(10)->text()}),
              QStringList({"13", "15", "21", "34"}));
    Type(s->edit(1), "39");  // 765 − 663 = 102, and 102 − 63
    Click(s->button(3));
    EXPECT_EQ(s->label(11)->text(), "Правильно");
}

TEST(Set6, ABankDrawThatCannotBeKeptIsStillShownAndCanBeAnsweredRight) {
    TempDataFolder folder;
    QDir(folder.path()).mkdir("otlz6.txt");  // a folder in the file's place cannot be written
    // kind 2; d = 11 (place 5), n = 12, y = 55, June 200: 200 + 110 + 120.
    ScriptedRandom random({10, 0, 0, 0, 0});
    auto s = CreateScreen<TForm29>();
    ErrorRecorder errors;
    Click(s->button(2));
    EXPECT_EQ(errors.messages().size(), 1);
    // The problem stands whole before the write is tried.
    EXPECT_EQ(s->label(1)->text(), "Задача 1");
    EXPECT_EQ(s->label(5)->text(), "Відповідь: ");
    EXPECT_EQ(s->label(2)->text(),
              "Банк \"Ламаний гріш\" отримав у червні 200 сольдо прибутку, у липні - 0,55 від прибутку");
    EXPECT_EQ(QStringList({s->label(13)->text(), s->label(14)->text()}), QStringList({"12", "11"}));
    EXPECT_TRUE(Shown(s->edit(1)) && s->edit(1)->isEnabled());
    Type(s->edit(1), "430");
    Click(s->button(3));
    EXPECT_EQ(s->label(11)->text(), "Правильно");
    EXPECT_EQ(s->errorCount(), 0);
    EXPECT_TRUE(Shown(s->button(2)));
}

TEST(Set6, OracleAgreesWithMarkingOverSeededAttempts) {
    TempDataFolder folder;
    SeededRandom random(20266);
    RunOracle<TForm29>(700, 5, "z6", 11, 6, [&](const TForm29& s) { return Solve(s, folder); });
}
