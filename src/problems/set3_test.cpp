#include <gtest/gtest.h>

#include "problems/set3.h"
#include "testing/fake_clock.h"
#include "testing/problem_set_testing.h"
#include "testing/random_script.h"

using namespace settest;

namespace {

void AddFraction(Answer& a, int numEdit, Q v) {
    a.edits.push_back({numEdit, T(v.n)});
    a.edits.push_back({numEdit + 1, T(v.d)});
    a.shown.push_back({13 + numEdit, T(v.n)});
    a.shown.push_back({14 + numEdit, T(v.d)});
}
void AddMixed(Answer& a, int wholeEdit, int64_t whole, Q fraction) {
    a.edits.push_back({wholeEdit, T(whole)});
    a.shown.push_back({13 + wholeEdit, T(whole)});
    AddFraction(a, wholeEdit + 1, fraction);
}

Answer Solve(const TForm26& s) {
    Answer a;
    const QString l2 = s.label(2)->text(), l3 = s.label(3)->text(), l4 = s.label(4)->text();
    const auto n2 = Numbers(l2), n3 = Numbers(l3), n4 = Numbers(l4), n5 = Numbers(s.label(5)->text());
    if (l2.startsWith("В трьох ящиках")) {
        a.kind = 1;
        const Q total = Q(n2.at(0)) + Frac(s, 7, 8), s12 = Q(n2.at(1)) + Frac(s, 9, 10), s13 = Q(n3.at(0)) + Frac(s, 11, 12);
        const Q box3 = total - s12, box2 = total - s13, box1 = s12 - box2;
        int edit = 1;
        for (const Q& box : {box1, box2, box3}) {
            const int64_t whole = box.n / box.d;
            AddMixed(a, edit, whole, box - Q(whole));
            edit += 3;
        }
    } else if (l2.startsWith("Довжина однієї")) {
        a.kind = 2;
        const Q side = Q(n2.at(0)) + Frac(s, 26, 27);
        const Q perimeter = side + (side - (Q(n2.at(1)) + Frac(s, 28, 29))) + (side + Q(n3.at(0)) + Frac(s, 11, 12));
        const MixedText m = Split(perimeter);
        AddMixed(a, 1, m.whole, Q(m.num, m.den));
    } else if (l2.contains("Золотов")) {
        a.kind = 3;
        AddFraction(a, 2, Q(1) - Frac(s, 9, 10) - Frac(s, 30, 31) - Frac(s, 11, 12));
    } else if (l4.startsWith("Івасик")) {
        a.kind = 4;
        const Q hour = Q(1, n4.at(0)) + Q(1, n4.at(1));
        AddFraction(a, 2, hour);
        AddFraction(a, 5, Q(2) * hour);
    } else if (l4.startsWith("Один робітник")) {
        a.kind = 5;
        const Q hour = Q(1, n4.at(0)) + Q(1, n4.at(1)) + Q(1, n4.at(2));
        AddFraction(a, 2, hour);
        AddFraction(a, 5, Q(3) * hour);
    } else if (l4.startsWith("Михайлик")) {
        a.kind = 6;
        AddFraction(a, 2, Q(1) - Q(1, n4.at(0)) - Q(1, n4.at(1)));
    } else if (l4.startsWith("Басейн можна")) {
        a.kind = 7;
        AddFraction(a, 2, Q(1) - (Q(1, n4.at(0)) - Q(1, n4.at(1))));
    } else if (l4.startsWith("Через дві труби")) {
        a.kind = 8;
        AddFraction(a, 2, Q(1, n4.at(0)) - Q(1, n5.at(1)));
    }
    return a;
}

}  // namespace

TEST(Set3, FaultlessAttemptAnimatesFourFramesAndLogs) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom random(26);
    auto s = CreateScreen<TForm26>();
    EXPECT_EQ(s->label(32)->text(), "302 - 315 (8)");
    EXPECT_EQ(s->timer(1)->interval(), 250);
    const auto [stills, frames] = PlayFaultless(*s, 4, 5, [&](const TForm26& t) {
        clock.advance(30);
        return Solve(t);
    });
    EXPECT_EQ(stills, (QStringList{"z3\\e1(1).bmp", "z3\\e1(2).bmp", "z3\\e1(3).bmp", "z3\\e1(4).bmp"}));
    EXPECT_EQ(frames, (QStringList{"z3\\e1.bmp", "z3\\e2.bmp", "z3\\e3.bmp", "z3\\e4.bmp", "z3\\e1.bmp"}));
    EXPECT_EQ(s->image(11)->pictureName(), "z3\\ocenka5s.bmp");
    EXPECT_EQ(s->label(24)->text(), "Час 150 c");
    EXPECT_EQ(folder.lines("z3\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 0 час виконання 150 c  рівень 3"});
}

TEST(Set3, ThreeBoxesNeedAllNineFields) {
    TempDataFolder folder;
    // kind 1; boxes 10, 11 (a redraw of 10), 12; k = 2; d = 4, 6, 10; m = 1, 1, 3
    ScriptedRandom random({0, 0, 0, 1, 2, 0, 0, 10, 20, 0, 0, 2});
    auto s = CreateScreen<TForm26>();
    Click(s->button(2));
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(s->label(2)->text(), "В трьох ящиках було 33          кг апельсинів. У першому і другому ящиках було 21          кг");
    EXPECT_EQ(s->label(3)->text(), "апельсинів, а в першому і третьому -22          кг. Скільки кілограмів апельсинів було в");
    EXPECT_EQ(QStringList({s->label(7)->text(), s->label(8)->text(), s->label(9)->text(), s->label(10)->text(),
                           s->label(11)->text(), s->label(12)->text()}),
              QStringList({"43", "60", "5", "12", "11", "20"}));
    EXPECT_EQ(QStringList({s->label(23)->text(), s->label(24)->text(), s->label(25)->text()}),
              QStringList({"перший", "другий", "третій"}));
    const QStringList right{"10", "1", "4", "11", "1", "6", "12", "3", "10"};
    for (int n = 1; n <= 9; ++n) Type(s->edit(n), right[n - 1]);
    Type(s->edit(9), "5");
    Click(s->button(3));
    EXPECT_EQ(s->label(13)->text(), "Неправильно");
    EXPECT_EQ(s->errorCount(), 1);
    QStringList shown;
    for (int n = 14; n <= 22; ++n) shown << s->label(n)->text();
    EXPECT_EQ(shown, right);
}

TEST(Set3, OracleAgreesWithMarkingOverSeededAttempts) {
    TempDataFolder folder;
    SeededRandom random(20263);
    RunOracle<TForm26>(600, 8, "z3", 13, 11, [](const TForm26& s) { return Solve(s); });
}
