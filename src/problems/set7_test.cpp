#include <gtest/gtest.h>

#include "problems/set7.h"
#include "testing/fake_clock.h"
#include "testing/problem_set_testing.h"
#include "testing/random_script.h"

using namespace settest;

namespace {

Answer Solve(const TForm30& s) {
    Answer a;
    const QString l2 = s.label(2)->text();
    const auto n2 = Numbers(l2), n3 = Numbers(s.label(3)->text()), n4 = Numbers(s.label(4)->text());
    Q value;
    if (l2.startsWith("У двох резервуарах")) {
        a.kind = 1;
        const Q total(n2.at(0)), ratio = Q(n3.at(0)) + Frac(s, 12, 13);
        const Q second = total / (Q(1) + ratio), first = total - second;
        EXPECT_EQ(first.d * second.d, 1);
        a.edits = {{1, T(first.n)}, {2, T(second.n)}};
        a.shown = {{8, T(first.n)}, {9, T(second.n)}};
        return a;
    }
    if (l2.startsWith("Автомобіль")) {
        a.kind = 2;
        const Q metres = Q(1000 * n2.at(0), 60);
        const int64_t whole = metres.n / metres.d;
        const Q rest = metres - Q(whole);
        a.edits = {{1, T(whole)}, {3, T(rest.n)}, {4, T(rest.d)}};
        a.shown = {{8, T(whole)}, {14, T(rest.n)}, {15, T(rest.d)}};
        return a;
    }
    if (l2.startsWith("Довжина трамвайного")) {
        a.kind = 3;
        const Q length = Q(n2.at(0)) + Frac(s, 17, 18), speed = Q(n4.at(0)) + Frac(s, 21, 22);
        const Q stop = Q(n3.at(0)) + Frac(s, 19, 20);
        value = Q(60) * length / speed + Q(n2.at(1)) * stop;
    } else if (l2.startsWith("Маляр")) {
        a.kind = 4;
        value = Q(1) / (Q(1, n2.at(0)) + Q(1, n3.at(0)));
    } else if (l2.startsWith("Два робітники")) {
        a.kind = 5;
        value = Q(1) / (Q(1, n2.at(0)) - Q(1, n3.at(0)));
    }
    EXPECT_EQ(value.d, 1) << l2.toStdString();
    a.edits = {{1, T(value.n)}};
    a.shown = {{8, T(value.n)}};
    return a;
}

}  // namespace

TEST(Set7, FaultlessAttemptLosesTheReferenceAndAnimatesTenFrames) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom random(30);
    auto s = CreateScreen<TForm30>();
    EXPECT_EQ(s->label(11)->text(), "475-497  (5)");
    EXPECT_EQ(s->timer(1)->interval(), 250);
    const auto [stills, frames] = PlayFaultless(*s, 2, 11, [&](const TForm30& t) {
        EXPECT_EQ(t.label(11)->text(), "");
        clock.advance(41);
        return Solve(t);
    });
    EXPECT_EQ(stills, (QStringList{"z7\\o1(4).bmp", "z7\\o1(3).bmp", "z7\\o1(2).bmp", "z7\\o1(1).bmp"}));
    QStringList loop;
    for (int frame : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 1}) loop << QStringLiteral("z7\\o%1.bmp").arg(frame);
    EXPECT_EQ(frames, loop);
    EXPECT_EQ(s->image(7)->pictureName(), "z7\\ocenka5s.bmp");
    EXPECT_EQ(s->label(23)->text(), "Час 205 c");
    EXPECT_EQ(folder.lines("z7\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 0 час виконання 205 c  рівень 7"});
}

TEST(Set7, TwelveStopsTakeThirteenMinutes) {
    TempDataFolder folder;
    // kind 3; k = 11, p2 = 13, p3 = 3, p4 = 5: 28 3/5 km at 3 3/10 km/h is 520 minutes; 12 stops of 1 1/12.
    ScriptedRandom random({20, 0, 10, 0, 10, 60});
    auto s = CreateScreen<TForm30>();
    Click(s->button(2));
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(s->label(2)->text(), "Довжина трамвайного маршруту дорівнює 28           км. На маршруті є 12 зупинок, на кожну з");
    EXPECT_EQ(s->label(4)->text(), "його швидкість дорівнює 3          км/год.");
    EXPECT_EQ(QStringList({s->label(17)->text(), s->label(18)->text(), s->label(19)->text(), s->label(20)->text(),
                           s->label(21)->text(), s->label(22)->text()}),
              QStringList({"3", "5", "1", "12", "3", "10"}));
    EXPECT_EQ(s->label(16)->text(), "хв");
    EXPECT_FALSE(Shown(s->edit(2)));
    Type(s->edit(1), "532");
    Click(s->button(3));
    EXPECT_EQ(s->label(10)->text(), "Неправильно");
    EXPECT_EQ(s->label(8)->text(), "533");
    EXPECT_EQ(s->label(9)->text(), "");
}

TEST(Set7, OracleAgreesWithMarkingOverSeededAttempts) {
    TempDataFolder folder;
    SeededRandom random(20267);
    RunOracle<TForm30>(600, 5, "z7", 10, 7, [](const TForm30& s) { return Solve(s); });
}
