#include <gtest/gtest.h>

#include "problems/set4.h"
#include "testing/fake_clock.h"
#include "testing/problem_set_testing.h"
#include "testing/random_script.h"

using namespace settest;

namespace {

Answer Solve(const TForm27& s) {
    Answer a;
    const QString l2 = s.label(2)->text();
    const auto n2 = Numbers(l2), n3 = Numbers(s.label(3)->text());
    Q value;
    if (l2.startsWith("Яку відстань")) {
        a.kind = 1;
        const Q distance = Q(n2.at(1)) * (Q(n2.at(0)) + Frac(s, 6, 7));
        EXPECT_EQ(distance.d, 1);
        a.edits = {{1, T(distance.n)}};
        a.shown = {{8, T(distance.n)}};
        return a;
    }
    if (l2.contains("Скільки коштують")) {
        a.kind = 2;
        value = (Q(n2.at(0)) + Frac(s, 6, 7)) * (Q(n2.at(2)) + Frac(s, 10, 11));
    } else if (l2.startsWith("З одного порту")) {
        a.kind = 3;
        const Q speeds = Q(n3.at(0)) + Frac(s, 14, 15) - (Q(n3.at(1)) + Frac(s, 16, 17));
        value = speeds * (Q(n3.at(2)) + Frac(s, 18, 19));
    } else if (l2.startsWith("Довжина прямокутника")) {
        a.kind = 4;
        const Q length = Q(n2.at(0)) + Frac(s, 6, 7);
        value = length * (length - (Q(n2.at(1)) + Frac(s, 20, 21)));
    } else if (l2.startsWith("Сторона прямокутника")) {
        a.kind = 5;
        const Q side = Q(n2.at(0)) + Frac(s, 6, 7);
        value = side * side * (Q(n2.at(1)) + Frac(s, 20, 21));
    }
    EXPECT_NE(value.d, 1) << "kind " << a.kind << ": a whole number asked as a mixed one";
    const MixedText m = Split(value);
    a.edits = {{1, T(m.whole)}, {2, T(m.num)}, {3, T(m.den)}};
    a.shown = {{8, T(m.whole)}, {12, T(m.num)}, {13, T(m.den)}};
    return a;
}

}  // namespace

TEST(Set4, FaultlessAttemptAnimatesFourFramesAndLogs) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom random(27);
    auto s = CreateScreen<TForm27>();
    EXPECT_EQ(s->label(23)->text(), "354-379  (5)");
    EXPECT_EQ(s->timer(1)->interval(), 250);
    const auto [stills, frames] = PlayFaultless(*s, 2, 5, [&](const TForm27& t) {
        clock.advance(7);
        return Solve(t);
    });
    EXPECT_EQ(stills, (QStringList{"z4\\k1(1).bmp", "z4\\k1(2).bmp", "z4\\k1(3).bmp", "z4\\k1(4).bmp"}));
    EXPECT_EQ(frames, (QStringList{"z4\\k1.bmp", "z4\\k2.bmp", "z4\\k3.bmp", "z4\\k4.bmp", "z4\\k1.bmp"}));
    EXPECT_EQ(s->image(9)->pictureName(), "z4\\ocenka5s.bmp");
    EXPECT_EQ(s->label(22)->text(), "Час 35 c");
    EXPECT_EQ(folder.lines("z4\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 0 час виконання 35 c  рівень 4"});
}

TEST(Set4, TwoShipsTimeIsChosenToCancel) {
    TempDataFolder folder;
    // kind 3; A = 40, B = 25; k = 2, d1 = 2·3, d2 = 2·5; m1 = 1, m2 = 3.
    // Speeds 40 1/6 − 25 3/10 = 223/15: P1 = 3 (none divides), P2 = 2, td = 6; Q = 5, less than 6, so 11.
    ScriptedRandom random({20, 8, 5, 0, 10, 20, 0, 2});
    auto s = CreateScreen<TForm27>();
    Click(s->button(2));
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(s->label(3)->text(),
              "40        км/год, а швидкість катера - 25        км/год. Якою буде відстань між ними через 1");
    EXPECT_EQ(QStringList({s->label(18)->text(), s->label(19)->text()}), QStringList({"5", "6"}));
    ExpectBarsClearOfText(*s);  // the time's fraction stands after "через 1", not over its 1
    // 223/15 · 11/6 = 2453/90 = 27 23/90; the whole part is always typed.
    Type(s->edit(1), "27");
    Type(s->edit(2), "23");
    Type(s->edit(3), "90");
    Click(s->button(3));
    EXPECT_EQ(s->label(9)->text(), "Правильно");
}

TEST(Set4, OracleAgreesWithMarkingOverSeededAttempts) {
    TempDataFolder folder;
    SeededRandom random(20264);
    RunOracle<TForm27>(600, 5, "z4", 9, 9, [](const TForm27& s) { return Solve(s); });
}
