#include <gtest/gtest.h>

#include <numeric>
#include <set>

#include "problems/set5.h"
#include "testing/fake_clock.h"
#include "testing/problem_set_testing.h"
#include "testing/random_script.h"

using namespace settest;

namespace {

Answer Solve(const TForm28& s) {
    Answer a;
    const QString l2 = s.label(2)->text();
    const auto n2 = Numbers(l2), n3 = Numbers(s.label(3)->text());
    const Q part = Frac(s, 6, 7);
    Q value;
    if (l2.contains("прямого кута")) {
        a.kind = 1;
        value = Q(90) * part;
    } else if (l2.contains("розгорнутого кута")) {
        a.kind = 2;
        value = Q(180) * part;
    } else if (l2.startsWith("Михайлик")) {
        a.kind = 3;
        value = Q(n2.at(0)) * part;
    } else if (l2.startsWith("Магазин")) {
        a.kind = 4;
        value = Q(n2.at(0)) * Q(n2.at(1), 100);
    } else if (l2.contains("Мідь")) {
        a.kind = 5;
        value = Q(n3.at(0)) * part;
    } else if (l2.contains("На скільки")) {
        a.kind = 6;
        // "0,x", "P,p%" and Q
        const Q decimal(n2.at(1), 100), percent(n2.at(2) * 10 + n2.at(3), 10);
        value = percent / Q(100) * Q(n2.at(4)) - part * decimal;
        EXPECT_TRUE(Q(0) < value);
    } else if (l2.contains("Каштани")) {
        a.kind = 7;
        // c is drawn apart from p1 and q, so the first fraction stands reduced.
        EXPECT_EQ(std::gcd(Num(s, 6), Num(s, 7)), 1) << "c/(p1·q) = " << Num(s, 6) << "/" << Num(s, 7);
        const Q oaks = part * Frac(s, 12, 13);
        a.edits = {{2, T(oaks.n)}, {3, T(oaks.d)}};
        a.shown = {{10, T(oaks.n)}, {11, T(oaks.d)}};
        return a;
    }
    if (a.kind != 6) {
        EXPECT_EQ(value.d, 1) << l2.toStdString();
    }
    a.edits = {{1, Decimal(value)}};
    a.shown = {{9, Decimal(value)}};
    return a;
}

}  // namespace

TEST(Set5, FaultlessAttemptAnimatesFourFramesAndLogs) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom random(28);
    auto s = CreateScreen<TForm28>();
    EXPECT_EQ(s->label(15)->text(), "404-423  (7)");
    EXPECT_EQ(s->timer(1)->interval(), 250);
    const auto [stills, frames] = PlayFaultless(*s, 2, 5, [&](const TForm28& t) {
        clock.advance(20);
        return Solve(t);
    });
    EXPECT_EQ(stills, (QStringList{"z5\\n1(4).bmp", "z5\\n1(3).bmp", "z5\\n1(2).bmp", "z5\\n1(1).bmp"}));
    EXPECT_EQ(frames, (QStringList{"z5\\n1.bmp", "z5\\n2.bmp", "z5\\n3.bmp", "z5\\n4.bmp", "z5\\n1.bmp"}));
    EXPECT_EQ(s->label(15)->text(), "404-423  (7)");  // set 5 keeps its reference
    EXPECT_EQ(s->image(5)->pictureName(), "z5\\ocenka5s.bmp");
    EXPECT_EQ(s->label(14)->text(), "Час 100 c");
    EXPECT_EQ(folder.lines("z5\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 0 час виконання 100 c  рівень 5"});
}

TEST(Set5, AWholeDifferenceIsWrittenWithoutAComma) {
    // kind 6; d = 3, x' = 4 (x = 12), m = 2; P = 45, Q = 24: 1,08 − 0,08 = 1
    for (const QString& typed : {QStringLiteral("1,"), QStringLiteral("1")}) {
        TempDataFolder folder;
        ScriptedRandom random({50, 10, 20, 1, 60, 2});
        auto s = CreateScreen<TForm28>();
        Click(s->button(2));
        EXPECT_EQ(s->label(2)->text(),
                  "                                           На скільки        від числа 0,12 менше ніж 4,5% від числа 24?");
        EXPECT_EQ(QStringList({s->label(6)->text(), s->label(7)->text()}), QStringList({"2", "3"}));
        Type(s->edit(1), typed);
        Click(s->button(3));
        EXPECT_EQ(s->label(8)->text(), typed == "1" ? "Правильно" : "Неправильно");
        EXPECT_EQ(s->label(9)->text(), typed == "1" ? "" : "1");
    }
}

TEST(Set5, OracleAgreesWithMarkingOverSeededAttempts) {
    TempDataFolder folder;
    SeededRandom random(20265);
    std::set<int64_t> chestnutParts;  // p1·q
    RunOracle<TForm28>(700, 7, "z5", 8, 5, [&](const TForm28& s) {
        if (s.currentKind() == 7) chestnutParts.insert(Num(s, 7));
        return Solve(s);
    });
    // q is drawn whatever p1 is, so p1 = q comes too: 5·5 and 7·7.
    EXPECT_TRUE(chestnutParts.count(25) && chestnutParts.count(49));
}
