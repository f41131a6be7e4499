#include <gtest/gtest.h>

#include "papers/paper3.h"
#include "testing/error_recorder.h"
#include "testing/exact_fraction.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {
QString Text(const TForm5& p, int n) { return p.label(n)->text(); }
long long Num(const TForm5& p, int n) { return NumbersIn(Text(p, n)).value(0); }
Q Frac(const TForm5& p, int num, int den) { return Q(Num(p, num), Num(p, den)); }
Q MixedQ(const TForm5& p, int whole, int num, int den) { return Q(Num(p, whole)) + Frac(p, num, den); }

// The right texts of the eight items, computed from what the paper shows.
std::vector<QStringList> Solve(const TForm5& p) {
    std::vector<QStringList> a;
    a.push_back((Frac(p, 4, 5) * Frac(p, 6, 7)).texts());
    a.push_back((MixedQ(p, 10, 11, 12) * MixedQ(p, 13, 14, 15)).mixedTexts());
    a.push_back(GreaterTexts(Q(Num(p, 20)) * Frac(p, 22, 21)));
    a.push_back({QString::number((Q(NumbersIn(Text(p, 26))[1]) * Frac(p, 27, 28)).n)});
    const auto wk = NumbersIn(Text(p, 32));  // "3.", W, K
    a.push_back(GreaterTexts((Q(wk[1]) - Frac(p, 33, 34) * (Q(wk[2]) + Frac(p, 35, 36))) * MixedQ(p, 37, 38, 39)));
    const Q width = MixedQ(p, 45, 46, 47), length = width * MixedQ(p, 49, 50, 51);
    const Q volume = width * length * length * Q(NumbersIn(Text(p, 52))[0], 100);
    EXPECT_EQ(volume.d, 1);
    a.push_back({QString::number(volume.n)});
    const Q m = MixedQ(p, 59, 60, 61);
    a.push_back(GreaterTexts(m * (MixedQ(p, 56, 57, 58) + MixedQ(p, 62, 63, 64) - MixedQ(p, 71, 72, 73))));
    // The largest share over the whole sum, as it stands: not reduced.
    const long long t = Num(p, 79), first = Num(p, 78), second = Num(p, 81);
    a.push_back({QString::number(std::max({first, second, t - first - second})), QString::number(t)});
    return a;
}

void Answer(TForm5& p, const std::vector<QStringList>& a) {
    int box = 1;
    for (const QStringList& group : a)
        for (const QString& t : group) Type(p.edit(box++), t);
}
}  // namespace

TEST(Test3, AnUntouchedPaperFromTheMenuOfTheRealProgram) {
    FakeClock clock;
    SeededRandom random(3);
    StartedProgram run;
    ErrorRecorder errors;
    auto* paper = dynamic_cast<TForm5*>(run.screen(5));
    ASSERT_NE(paper, nullptr);
    Click(run.screen(2)->button(4));
    ASSERT_EQ(run.modal.opened.back(), paper);
    EXPECT_EQ(Text(*paper, 1), "Контрольна робота № 3");
    EXPECT_EQ(paper->itemCount(), 8);
    for (int n = 1; n <= 33; ++n) EXPECT_FALSE(paper->image(n)->isEmpty()) << n;
    EXPECT_EQ(paper->image(2)->pictureName(), "kr/umn.bmp");
    const auto a = Solve(*paper);
    clock.advance(1234);
    Click(paper->button(2));
    EXPECT_EQ(paper->errorCount(), 8);
    EXPECT_EQ(Text(*paper, 2), "Помилок 100%");
    EXPECT_TRUE(IsYellow(paper->label(2)));
    EXPECT_FALSE(Shown(paper->button(2)));
    for (int n = 1; n <= 18; ++n) {
        EXPECT_TRUE(IsRed(paper->edit(n))) << n;
        EXPECT_FALSE(paper->edit(n)->isEnabled()) << n;
    }
    // Item 7's answer labels stand whole, numerator, denominator in Label76, Label74, Label75.
    EXPECT_EQ(QStringList({Text(*paper, 76), Text(*paper, 74), Text(*paper, 75)}), a[6]);
    EXPECT_EQ(QStringList({Text(*paper, 83), Text(*paper, 84)}), a[7]);
    // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
    EXPECT_EQ(run.folder.lines("stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 100% час виконання 1234 c К.р.№3 Ваpіант № + "});
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST(Test3, ImproperAndReducedFormsOfAnUnreducedShareAreWrong) {
    TempDataFolder folder;
    FakeClock clock;
    // A paper whose largest share could be reduced and whose item 3 is above one.
    std::unique_ptr<TForm5> p;
    for (uint32_t seed = 1; !p; ++seed) {
        SeededRandom random(seed);
        auto candidate = CreateScreen<TForm5>();
        const auto a = Solve(*candidate);
        if (std::gcd(a[7][0].toLongLong(), a[7][1].toLongLong()) > 1 && a[2][0] != "0") p = std::move(candidate);
    }
    auto a = Solve(*p);
    Answer(*p, a);
    // Item 3 typed as an improper fraction in the boxes, item 6's share reduced, item 4 with a blank.
    const Q third = Q(Num(*p, 20)) * Frac(*p, 22, 21);
    Type(p->edit(6), "0");
    Type(p->edit(7), QString::number(third.n));
    Type(p->edit(8), QString::number(third.d));
    const Q share(a[7][0].toLongLong(), a[7][1].toLongLong());
    Type(p->edit(17), QString::number(share.n));
    Type(p->edit(18), QString::number(share.d));
    Type(p->edit(9), " " + a[3][0]);
    Click(p->button(2));
    EXPECT_EQ(p->errorCount(), 3);
    EXPECT_EQ(Text(*p, 2), "Помилок 37%");
}

TEST(Test3, OracleRightAnswersScoreZeroAndTheNotebooksWordAgrees) {
    TempDataFolder folder;
    FakeClock clock;
    const int seeds = 300;
    int fewAfterAHundred = 0;
    for (int seed = 1; seed <= seeds; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm5>();
        // 102, 104, 203 … take "зошити", not "зошитів".
        const long long total = NumbersIn(Text(*p, 26))[1];
        ASSERT_EQ(Text(*p, 26), "2. У хлопчика було " + QString::number(total) +
                                    AgreeingForm(total, " зошит, ", " зошити, ", " зошитів, ") +
                                    "з них            cтановили зошити в клітинку.");
        if (total > 100 && total % 100 >= 2 && total % 100 <= 4) ++fewAfterAHundred;
        const auto a = Solve(*p);
        Answer(*p, a);
        const int slips = seed % 2;
        if (slips) Type(p->edit(1 + seed / 2 % 18), "-1");
        Click(p->button(2));
        ASSERT_EQ(p->errorCount(), slips);
        ASSERT_EQ(Text(*p, 2), slips ? "Помилок 12%" : "Помилок 0%");
    }
    EXPECT_GT(fewAfterAHundred, 0);
}
