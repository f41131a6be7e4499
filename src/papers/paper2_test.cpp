#include <gtest/gtest.h>

#include "papers/paper2.h"
#include "testing/error_recorder.h"
#include "testing/exact_fraction.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {
QString Text(const TForm4& p, int n) { return p.label(n)->text(); }
long long Num(const TForm4& p, int n) { return Text(p, n).toLongLong(); }
Q Frac(const TForm4& p, int num, int den) { return Q(Num(p, num), Num(p, den)); }
Q MixedQ(const TForm4& p, int whole, int num, int den) { return Q(Num(p, whole)) + Frac(p, num, den); }

// Rights answers computed here, in the order of the answer boxes.
struct Answers {
    std::vector<QStringList> boxes;  // Edit1 … Edit32 in groups
    std::vector<int> signs;          // entries of ComboBox1 … ComboBox3
    int m = 0;                       // boxes 1 … m of the inequality are ticked
};

// A difference of mixed numbers written the paper's way: equal fractions leave
// 0 over the least common multiple of the two denominators.
QStringList DifferenceTexts(const Q& value, long long d1, long long d2) {
    QStringList t = value.mixedTexts();
    if (t[1] == "0") t[2] = QString::number(std::lcm(d1, d2));
    return t;
}

Answers Solve(const TForm4& p) {
    Answers a;
    for (auto [n, d] : {std::pair{3, 4}, {8, 9}, {12, 13}}) a.boxes.push_back(Frac(p, n, d).texts());
    for (int first : {18, 22, 26}) {
        const Q x = Frac(p, first, first + 1), y = Frac(p, first + 2, first + 3);
        a.signs.push_back(y < x ? 0 : x < y ? 1 : 2);
    }
    a.boxes.push_back((Frac(p, 32, 33) + Frac(p, 34, 35)).texts());
    a.boxes.push_back((Frac(p, 38, 39) - Frac(p, 40, 41)).texts());
    a.boxes.push_back((Frac(p, 45, 46) - Frac(p, 47, 48)).texts());
    a.boxes.push_back(DifferenceTexts(MixedQ(p, 56, 52, 53) - MixedQ(p, 57, 54, 55), Num(p, 53), Num(p, 55)));
    {
        const Q x = Frac(p, 62, 63), y = Frac(p, 65, 66);
        // Fractions adding up to exactly one stay a fraction 1/1 beside the wholes.
        if (x + y == Q(1)) a.boxes.push_back({QString::number(Num(p, 61) + Num(p, 64)), "1", "1"});
        else a.boxes.push_back((MixedQ(p, 61, 62, 63) + MixedQ(p, 64, 65, 66)).mixedTexts());
    }
    a.boxes.push_back((Q(Num(p, 72)) - MixedQ(p, 73, 74, 75)).mixedTexts());
    {
        const auto w = NumbersIn(Text(p, 79));
        const Q first = Q(w[1]) + Frac(p, 80, 81);
        a.boxes.push_back((first + first - (Q(w[2]) + Frac(p, 82, 83))).mixedTexts());
    }
    a.boxes.push_back(DifferenceTexts(MixedQ(p, 90, 91, 92) - MixedQ(p, 93, 94, 95), Num(p, 92), Num(p, 95)));
    a.boxes.push_back((Frac(p, 104, 105) + Frac(p, 102, 103) - Frac(p, 100, 101)).mixedTexts());
    a.boxes.push_back((Q(1) - Frac(p, 110, 111) - Frac(p, 112, 113)).texts());
    const long long c = Num(p, 120), e = Num(p, 122), bc = Num(p, 123);
    for (long long x = 1; x <= 20; ++x) a.m += Q(x, c) < Q(e, bc) ? 1 : 0;
    return a;
}

void Answer(TForm4& p, const Answers& a) {
    int box = 1;
    for (const QStringList& group : a.boxes)
        for (const QString& t : group) Type(p.edit(box++), t);
    for (int c = 0; c < 3; ++c) Choose(p.comboBox(c + 1), a.signs[size_t(c)]);
    for (int n = 1; n <= a.m; ++n) Click(p.checkBox(n));
}

int RedCount(const TForm4& p) {
    int red = 0;
    for (QWidget* w : p.controls()) red += IsRed(w) ? 1 : 0;
    return red;
}
}  // namespace

TEST(Test2, AnUntouchedPaperFromTheMenuOfTheRealProgram) {
    FakeClock clock;
    SeededRandom random(11);
    StartedProgram run;
    ErrorRecorder errors;
    auto* paper = dynamic_cast<TForm4*>(run.screen(4));
    ASSERT_NE(paper, nullptr);
    Click(run.screen(2)->button(3));
    ASSERT_EQ(run.modal.opened.back(), paper);
    EXPECT_EQ(Text(*paper, 1), "Контрольна робота № 2");
    EXPECT_EQ(paper->itemCount(), 36);
    EXPECT_FALSE(Shown(paper->button(3)));
    // Every bar is loaded.
    for (int n = 1; n <= 44; ++n) EXPECT_FALSE(paper->image(n)->isEmpty()) << n;
    // "Перевірка" at the very bottom of the page, below every other control.
    for (QWidget* w : paper->controls()) {
        if (w != paper->button(2)) {
            EXPECT_LT(paper->designRect(w).bottom(), paper->designRect(paper->button(2)).top());
        }
    }

    const Answers a = Solve(*paper);
    clock.advance(300);
    Click(paper->button(2));
    // Sixteen boxes and lists wrong, and the m boxes that should have been ticked.
    const int errorsExpected = 16 + a.m;
    EXPECT_EQ(paper->errorCount(), errorsExpected);
    const QString percent = QString::number(errorsExpected * 100 / 36);
    EXPECT_EQ(Text(*paper, 5), "Помилок " + percent + " %");  // a blank before the sign on the paper only
    EXPECT_TRUE(IsYellow(paper->label(5)));
    EXPECT_EQ(RedCount(*paper), 32 + 3 + a.m);
    EXPECT_EQ(Text(*paper, 6), a.boxes[0][0]);
    EXPECT_EQ(Text(*paper, 60), a.boxes[6][0]);  // whole part of 3, 4)
    EXPECT_EQ(Text(*paper, 117), a.boxes[12][1]);
    EXPECT_FALSE(paper->button(2)->isEnabled());
    EXPECT_TRUE(Shown(paper->button(2)));
    for (QWidget* w : paper->controls()) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QComboBox*>(w)) {
            EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
        }
    }
    // "c" and the "p" of "Ваpіант" are Latin letters; the line ends with a space.
    EXPECT_EQ(run.folder.lines("stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок " + percent +
                          "% час виконання 300 c К.р.№2 Ваpіант № + "});
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST(Test2, UnreducedAndImproperFormsAreWrong) {
    TempDataFolder folder;
    FakeClock clock;
    SeededRandom random(5);
    const auto p = CreateScreen<TForm4>();
    Answers a = Solve(*p);
    Answer(*p, a);
    // Reducing 1: the shown fraction itself; 3, 1): the sum doubled; 3, 6) as an improper fraction.
    Type(p->edit(1), Text(*p, 3));
    Type(p->edit(2), Text(*p, 4));
    Type(p->edit(7), QString::number(2 * a.boxes[3][0].toLongLong()));
    Type(p->edit(8), QString::number(2 * a.boxes[3][1].toLongLong()));
    const Q sixth = Q(Num(*p, 72)) - MixedQ(*p, 73, 74, 75);
    Type(p->edit(19), "0");
    Type(p->edit(20), QString::number(sixth.n));
    Type(p->edit(21), QString::number(sixth.d));
    // A blank, a leading zero and a plus in the problem 6 answer.
    Type(p->edit(31), "+" + a.boxes[12][0]);
    Click(p->button(2));
    EXPECT_EQ(p->errorCount(), 4);
    for (int box : {1, 2, 7, 8, 19, 20, 21, 31, 32}) EXPECT_TRUE(IsRed(p->edit(box))) << box;
    EXPECT_EQ(RedCount(*p), 9);
    EXPECT_EQ(Text(*p, 5), "Помилок 11 %");
}

TEST(Test2, EqualFractionsInThreeFourLeaveZeroOverTheCommonDenominator) {
    TempDataFolder folder;
    FakeClock clock;
    // Rather than script every earlier draw, take the first seed whose 3, 4) has two equal fractions (6/8 and 9/12).
    for (uint32_t seed = 1; seed < 400000; ++seed) {
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm4>();
        if (!(Frac(*p, 52, 53) == Frac(*p, 54, 55))) continue;
        const long long l = std::lcm(Num(*p, 53), Num(*p, 55));
        Click(p->button(2));
        EXPECT_EQ(Text(*p, 60), QString::number(Num(*p, 56) - Num(*p, 57)));
        EXPECT_EQ(Text(*p, 58), "0");
        EXPECT_EQ(Text(*p, 59), QString::number(l));
        return;
    }
    FAIL() << "no paper with equal fractions in 3, 4)";
}

TEST(Test2, OracleRightAnswersScoreZeroAndOneSlipCostsOneItem) {
    TempDataFolder folder;
    FakeClock clock;
    const int seeds = 200;
    for (int seed = 1; seed <= seeds; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm4>();
        const Answers a = Solve(*p);
        // The promises of the draws: proper fractions to reduce, proper fractions to compare.
        for (auto [n, d] : {std::pair{3, 4}, {8, 9}, {12, 13}}) ASSERT_LT(Num(*p, n), Num(*p, d));
        for (auto [n, d] : {std::pair{3, 4}, {8, 9}, {12, 13}}) ASSERT_GT(std::gcd(Num(*p, n), Num(*p, d)), 1);
        ASSERT_TRUE(a.m >= 1 && a.m <= 20);
        Answer(*p, a);
        int slips = 0;
        if (seed % 2 == 0) {
            // One box of one group off by one: the whole group is one error.
            const int box = 1 + seed / 2 % 32;
            Type(p->edit(box), QString::number(p->edit(box)->text().toLongLong() + 1));
            slips = 1;
        }
        Click(p->button(2));
        ASSERT_EQ(p->errorCount(), slips);
        ASSERT_EQ(Text(*p, 5), slips ? "Помилок 2 %" : "Помилок 0 %");
    }
    EXPECT_EQ(folder.lines("stat.txt").size(), seeds);
}
