#include <gtest/gtest.h>

#include "problems/set2.h"
#include "testing/fake_clock.h"
#include "testing/problem_set_testing.h"
#include "testing/random_script.h"

using namespace settest;

namespace {

// Worked out from the screen's texts and fractions alone.
Answer Solve(const TForm25& s) {
    Answer a;
    const QString l2 = s.label(2)->text(), l5 = s.label(5)->text();
    if (l2.startsWith("Головку сиру")) {
        a.kind = 1;
        const auto n = Numbers(l2);  // m1, d1, m2, d2
        EXPECT_GT(n.at(2), 0) << "a cheese of no mass";
        const int second = Q(n[0], n[1]) < Q(n[2], n[3]) ? 1 : 0;
        a.combos = {{1, second}};
        a.shown = {{10, T(second + 1)}};
    } else if (l2.startsWith("Відстань між")) {
        a.kind = 2;
        const auto n = Numbers(l2 + " " + s.label(3)->text());  // car d1 h, lorry m1 h; car d2 h, lorry m2 h
        const bool lorry = Q(n.at(2), n.at(0)) < Q(n.at(3), n.at(1));
        a.combos = {{2, lorry ? 1 : 0}};
        a.shown = {{10, lorry ? "вантажна" : "легкова"}};
    } else if (l5.startsWith("В одному глечику")) {
        a.kind = 3;
        const Q first = Frac(s, 18, 19), second = Frac(s, 20, 21);
        const bool more = first < second;
        const Q diff = more ? second - first : first - second;
        a.combos = {{1, more ? 1 : 0}};
        a.edits = {{1, T(diff.n)}, {2, T(diff.d)}};
        a.shown = {{17, T(diff.n)}, {16, T(diff.d)}, {10, T(more ? 2 : 1)}};
    } else {
        Q total;
        if (l5.contains("Попелюшка")) {
            a.kind = 4;
            const Q cleaning = Frac(s, 18, 19);
            total = cleaning + (cleaning - Frac(s, 12, 13));
        } else {
            a.kind = 5;
            const auto n = Numbers(l5);  // S, C
            total = Q(n.at(0)) + Frac(s, 20, 21) - Q(2) * (Q(n.at(1)) + Frac(s, 22, 23));
        }
        EXPECT_NE(total.d, 1) << "a whole number asked as a mixed one";
        const MixedText m = Split(total);
        const QString whole = m.whole == 0 ? QString() : T(m.whole);
        a.edits = {{1, T(m.num)}, {3, whole}, {2, T(m.den)}};
        a.shown = {{17, T(m.num)}, {16, T(m.den)}, {15, whole}};
    }
    return a;
}

}  // namespace

TEST(Set2, FaultlessAttemptShowsStillsBackwardsAnimatesFiveFramesAndLogs) {
    TempDataFolder folder;
    FakeClock clock;  // 08.12.2026 9:05:03
    SeededRandom random(25);
    auto s = CreateScreen<TForm25>();
    EXPECT_EQ(s->label(25)->text(), "255-295 (5)");
    EXPECT_EQ(s->timer(1)->interval(), 500);
    EXPECT_FALSE(Shown(s->button(4)));
    const auto [stills, frames] = PlayFaultless(*s, 1, 6, [&](const TForm25& t) {
        clock.advance(13);
        return Solve(t);
    });
    EXPECT_EQ(stills, (QStringList{"z2\\i1(4).bmp", "z2\\i1(3).bmp", "z2\\i1(2).bmp", "z2\\i1(1).bmp"}));
    EXPECT_EQ(frames, (QStringList{"z2\\i1.bmp", "z2\\i2.bmp", "z2\\i3.bmp", "z2\\i4.bmp", "z2\\i5.bmp", "z2\\i1.bmp"}));
    EXPECT_EQ(s->label(1)->text(), "Поздоровляю!");
    EXPECT_EQ(s->image(2)->pictureName(), "z2\\ocenka5s.bmp");
    EXPECT_EQ(s->label(24)->text(), "Час 65 c");  // Latin c
    EXPECT_EQ(folder.lines("z2\\stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 0 час виконання 65 c  рівень 2"});
}

TEST(Set2, CheeseOfNoMassIsDrawnAgain) {
    TempDataFolder folder;
    // kind 1; d1 = 2·2·11, d2 = 2·2·2; m1 = 2 would leave the second cheese 0 kg on
    // the downward count, so m1 and the count are drawn again: m1 = 42, m2 = 7.
    ScriptedRandom random({0, 0, 0, 40, 0, 0, 0, 40, 0});
    auto s = CreateScreen<TForm25>();
    Click(s->button(2));
    EXPECT_TRUE(random.exhausted());
    // The p that begins "pівних" is Latin in both lines.
    EXPECT_EQ(s->label(2)->text(), "Головку сиру масою 42 кг поділили на 44 pівних кусочків, а головку масою 7 кг на 8");
    EXPECT_EQ(s->label(3)->text(), "pівних кусочків. Кусочок якої головки сиру, першої чи другої, ви  порадите з`їсти");
    EXPECT_EQ(s->label(4)->text(), "Мишкові, який дуже його полюбляє?");
    EXPECT_TRUE(Shown(s->comboBox(1)) && s->comboBox(1)->currentIndex() == -1);
    Click(s->button(3));  // no choice is wrong
    EXPECT_EQ(s->label(8)->text(), "Неправильно");
    EXPECT_EQ(s->label(9)->text(), "Правильна відповідь:");
    EXPECT_EQ(s->label(10)->text(), "1");
}

TEST(Set2, ANoughtWholePartIsLeftEmpty) {
    // kind 4; d1 = 2·7, d2 = 2·5; m1 = 8, m2 = 3: 2·8/14 − 3/10 = 59/70
    for (const QString& whole : {QStringLiteral("0"), QString()}) {
        TempDataFolder folder;
        ScriptedRandom random({30, 0, 30, 0, 0, 2});
        auto s = CreateScreen<TForm25>();
        Click(s->button(2));
        EXPECT_EQ(s->label(5)->text(),
                  "                  Попелюшка             год прибирала кімнати, що на         год більше часу, який вона ");
        EXPECT_EQ(QStringList({s->label(18)->text(), s->label(19)->text(), s->label(12)->text(), s->label(13)->text()}),
                  QStringList({"8", "14", "3", "10"}));
        for (int n : {3, 5, 6}) EXPECT_TRUE(Shown(s->image(n))) << n;
        EXPECT_FALSE(Shown(s->image(4)));
        Type(s->edit(1), "59");
        Type(s->edit(2), "70");
        Type(s->edit(3), whole);
        Click(s->button(3));
        EXPECT_EQ(s->label(8)->text(), whole.isEmpty() ? "Правильно" : "Неправильно");
        if (!whole.isEmpty()) {
            EXPECT_EQ(QStringList({s->label(15)->text(), s->label(17)->text(), s->label(16)->text()}),
                      QStringList({"", "59", "70"}));
        }
    }
}

TEST(Set2, AWholeBoatSpeedIsDrawnAgain) {
    TempDataFolder folder;
    // kind 5; S = 15, C = 2; d1 = 5·2, d2 = 5·3. m1 = 4, m2 = 3 would make the speed
    // 15 4/10 − 2·(2 3/15) = 11, to be typed "10 1/1": m1 and m2 are drawn again, 1 and 1.
    ScriptedRandom random({40, 0, 0, 20, 0, 0, 3, 2, 0, 0});
    auto s = CreateScreen<TForm25>();
    Click(s->button(2));
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(QStringList({s->label(20)->text(), s->label(21)->text(), s->label(22)->text(), s->label(23)->text()}),
              QStringList({"1", "10", "1", "15"}));
    // 15 1/10 − 2·(2 1/15) = 10 29/30
    Type(s->edit(3), "10");
    Type(s->edit(1), "29");
    Type(s->edit(2), "30");
    Click(s->button(3));
    EXPECT_EQ(s->label(8)->text(), "Правильно");
}

TEST(Set2, OracleAgreesWithMarkingOverSeededAttempts) {
    TempDataFolder folder;
    SeededRandom random(20262);
    RunOracle<TForm25>(600, 5, "z2", 8, 2, [](const TForm25& s) { return Solve(s); });
    EXPECT_EQ(folder.lines("z2\\stat.txt").size(), 600);
}
