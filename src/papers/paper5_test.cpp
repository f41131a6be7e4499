#include <QRegularExpression>
#include <gtest/gtest.h>

#include "papers/paper5.h"
#include "testing/error_recorder.h"
#include "testing/exact_fraction.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

namespace {
QString Text(const TForm7& p, int n) { return p.label(n)->text(); }
long long Num(const TForm7& p, int n) { return NumbersIn(Text(p, n)).value(0); }

// A decimal with a comma (or a whole number) in a text right after `before`.
Q DecimalAfter(const QString& text, const QString& before) {
    const QRegularExpression re(QRegularExpression::escape(before) + QStringLiteral("(\\d+)(?:,(\\d))?"));
    const auto m = re.match(text);
    EXPECT_TRUE(m.hasMatch()) << text.toStdString();
    return Q(m.captured(1).toLongLong() * 10 + m.captured(2).toLongLong(), 10);
}

QString Decimal(const Q& q) {
    const Q t = q * Q(10);
    EXPECT_EQ(t.d, 1);
    return t.n % 10 ? QString::number(t.n / 10) + "," + QString::number(t.n % 10) : QString::number(t.n / 10);
}

struct Answers {
    std::vector<QStringList> boxes;
    int entry = -1;
};

Answers Solve(const TForm7& p) {
    Answers a;
    const Q s = DecimalAfter(Text(p, 3), "З "), seeds = DecimalAfter(Text(p, 3), "отримують ");
    a.boxes.push_back({Decimal(s * DecimalAfter(Text(p, 4), "отримати ") / seeds)});
    const auto flats = NumbersIn(Text(p, 6));
    a.boxes.push_back({QString::number((Q(flats[1]) * Q(100) / Q(flats[2])).n)});
    const auto prices = NumbersIn(Text(p, 9));
    a.boxes.push_back({QString::number((Q(prices[2] - prices[1]) * Q(100) / Q(prices[1])).n)});
    const auto ab = NumbersIn(Text(p, 13));  // "AX-B": the X is Latin
    const Q x = (Q(Num(p, 15), Num(p, 16)) * Q(Num(p, 14)) + Q(ab[1])) / Q(ab[0]);
    a.boxes.push_back(GreaterTexts(x));
    const QString ore = Text(p, 20);
    const Q first = DecimalAfter(ore, "містять ") / Q(NumbersIn(ore)[1]);
    const Q second = DecimalAfter(ore, "сорту -") / Q(NumbersIn(ore)[4]);
    a.entry = second < first ? 0 : 1;
    a.boxes.push_back({QString::number((Q(10000) / Q(NumbersIn(Text(p, 23))[1])).n)});
    return a;
}

void Answer(TForm7& p, const Answers& a) {
    const int boxes[] = {1, 2, 3, 4, 7};
    int box = 0;
    for (const QStringList& group : a.boxes) {
        for (int i = 0; i < group.size(); ++i) Type(p.edit(boxes[box] + i), group[i]);
        ++box;
    }
    Choose(p.comboBox(1), a.entry);
}
}  // namespace

TEST(Test5, AnUntouchedPaperFromTheMenuOfTheRealProgram) {
    FakeClock clock;
    SeededRandom random(5);
    StartedProgram run;
    ErrorRecorder errors;
    auto* paper = dynamic_cast<TForm7*>(run.screen(7));
    ASSERT_NE(paper, nullptr);
    Click(run.screen(2)->button(6));
    ASSERT_EQ(run.modal.opened.back(), paper);
    EXPECT_EQ(Text(*paper, 1), "Контрольна робота №5");
    EXPECT_EQ(paper->itemCount(), 6);
    EXPECT_EQ(paper->image(1)->pictureName(), "kr\\chdr.bmp");
    for (int n = 1; n <= 3; ++n) EXPECT_FALSE(paper->image(n)->isEmpty()) << n;
    const Answers a = Solve(*paper);
    clock.advance(86);
    Click(paper->button(2));
    EXPECT_EQ(paper->errorCount(), 6);
    EXPECT_EQ(Text(*paper, 2), "Помилок 100%");
    EXPECT_TRUE(IsYellow(paper->label(2)));
    EXPECT_FALSE(Shown(paper->button(2)));
    EXPECT_TRUE(IsRed(paper->comboBox(1)));
    EXPECT_FALSE(paper->comboBox(1)->isEnabled());
    for (int n = 1; n <= 7; ++n) EXPECT_FALSE(paper->edit(n)->isEnabled()) << n;
    // Problem 5 shows the two percentages compared, problem 6 its answer with "%".
    const auto percents = NumbersIn(Text(*paper, 22));
    ASSERT_EQ(percents.size(), 2);
    EXPECT_EQ(Text(*paper, 22), QString::number(percents[0]) + (a.entry == 0 ? ">" : "<") + QString::number(percents[1]));
    EXPECT_EQ(Text(*paper, 25), a.boxes[4][0] + "%");
    EXPECT_EQ(Text(*paper, 5), a.boxes[0][0]);
    EXPECT_EQ(run.folder.lines("stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 100% час виконання 86 c К.р.№5 Ваpіант № + "});
    EXPECT_TRUE(errors.messages().isEmpty());
}

TEST(Test5, OracleRightAnswersScoreZeroAndOneSlipCostsOneItem) {
    TempDataFolder folder;
    FakeClock clock;
    const int seeds = 400;
    bool sawLessThanOne = false;
    for (int seed = 1; seed <= seeds; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm7>();
        Answers a = Solve(*p);
        sawLessThanOne = sawLessThanOne || a.boxes[3][0] == "0";
        int slips = 0;
        switch (seed % 4) {
            case 1: a.entry = 1 - a.entry, slips = 1; break;          // the other ore
            case 2: a.boxes[4][0] += "%", slips = 1; break;           // "%" typed too
            case 3: a.boxes[0][0].replace(",", "."), slips = a.boxes[0][0].contains('.'); break;  // only a comma
        }
        Answer(*p, a);
        Click(p->button(2));
        ASSERT_EQ(p->errorCount(), slips);
        ASSERT_EQ(Text(*p, 2), slips ? "Помилок 16%" : "Помилок 0%");
    }
    EXPECT_TRUE(sawLessThanOne);
}
