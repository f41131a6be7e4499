#include <gtest/gtest.h>

#include "papers/paper10.h"
#include "papers/paper_oracle.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

using namespace oracle;

namespace {
const std::vector<int> kWorkedPaper = {
    2, 10, 5, 18,                          // item 1: 12X-20=9X+25
    1, 0, 5,                               // item 2: 6 and 8 hours, 30 km/h more
    0, 1, 4, 9, 1, 2,                      // item 3: D = A·C = 12 holds for every X: drawn again
    1, 2, 0, 4, 2, 4,                      //   R = 160 is a multiple of 10: drawn again
    1, 2, 0, 5, 2, 4,                      //   16,7-1,3(X-5)=3(4-0,2X)
    10, 1, 0,                              // items 4 to 6: 30, 18 and 12 km
    20, 70, 10, 1, 2,                      // items 7 and 8: (6Y+15)(2,4-0,4Y)=0
};

std::unique_ptr<TForm12> WorkedPaper() {
    ScriptedRandom random(kWorkedPaper);
    auto paper = CreateScreen<TForm12>();
    EXPECT_TRUE(random.exhausted()) << "drew " << random.used() << " values";
    return paper;
}

QString Text(const TForm12& p, int n) { return p.label(n)->text(); }

// A linear equation "left=right" in one letter, solved exactly.
Q Root(const QString& equation, QChar letter = u'X') {
    const QStringList sides = equation.split(u'=');
    auto f = [&](Q x) {
        bool ok1 = false, ok2 = false;
        const Q v = Expression(sides[0], letter, x, u'Z', 0).value(&ok1) -
                    Expression(sides[1], letter, x, u'Z', 0).value(&ok2);
        EXPECT_TRUE(ok1 && ok2) << equation.toStdString();
        return v;
    };
    const Q slope = f(1) - f(0);
    EXPECT_NE(slope.n, 0) << "true for every X: " << equation.toStdString();
    return Q(0) - f(0) / (slope.n == 0 ? Q(1) : slope);
}
}  // namespace

TEST(Test10, TheWorkedPaperMarkedUntouchedThenAnswered) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = WorkedPaper();
    EXPECT_EQ(Text(*p, 1), "Контрольна робота №10");
    EXPECT_EQ(Text(*p, 3), "1. Розв`яжіть рівняння: 12X-20=9X+25     X=");
    EXPECT_EQ(Text(*p, 5), "2. Пасажирський поїзд за 6 год пройшов таку саму відстань, як і товарний за 8 год. Знайдіть");
    EXPECT_EQ(Text(*p, 6), "швидкість пасажирського поїзда, якщо відомо, що вона на 30 км/год більша за швидкість");
    EXPECT_EQ(Text(*p, 7), "товарного.       Відповідь:");
    EXPECT_EQ(Text(*p, 9), "3. Знайдіть корінь рівняння: 16,7-1,3(X-5)=3(4-0,2X)          X=");
    EXPECT_EQ(Text(*p, 11), "4. За три дні туристи пройшли 60 км. За другий день вони пройшли 60% відстані, пройденої за");
    EXPECT_EQ(Text(*p, 12), "перший день, а за третій -            відстані, пройденої за перший день.Скільки кілометрів");
    EXPECT_EQ(Text(*p, 15), "проходили туристи кожного дня? ");
    EXPECT_EQ(QStringList({Text(*p, 13), Text(*p, 14)}), QStringList({"2", "5"}));
    // The Y of "Y =" is Latin.
    EXPECT_EQ(Text(*p, 19), "5. Розв`яжіть рівняння: (6Y+15)(2,4-0,4Y)=0        Y =                        Y =");
    EXPECT_EQ(QStringList({Text(*p, 20), Text(*p, 21)}), QStringList({"1", "2"}));
    EXPECT_EQ(QStringList({Text(*p, 16), Text(*p, 17), Text(*p, 18)}),
              QStringList({"Перший день", "Другий день", "Третій день"}));
    EXPECT_EQ(p->image(1)->pictureName(), "kr\\chdr4.bmp");
    EXPECT_EQ(p->itemCount(), 8);

    clock.advance(300);
    Click(p->button(2));
    // Seven errors: the two root boxes give one between them.
    EXPECT_EQ(p->errorCount(), 7);
    EXPECT_EQ(Text(*p, 2), "Помилок 87%");
    const struct { int label; const char* text; } shown[] = {{4, "15"}, {8, "120"}, {10, "16"}, {16, "30"},
                                                             {17, "18"}, {18, "12"}, {22, "-2,5"}, {23, "6"}};
    for (const auto& s : shown) EXPECT_EQ(Text(*p, s.label), QString::fromUtf8(s.text)) << s.label;
    for (int n = 1; n <= 8; ++n) EXPECT_TRUE(IsRed(p->edit(n)) && !p->edit(n)->isEnabled()) << n;
    EXPECT_FALSE(p->button(2)->isEnabled());
    EXPECT_EQ(folder.lines("stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 87% час виконання 300 c К.р.№10 Ваpіант № + "});

    // The roots in either order, the same root twice, one box wrong, both wrong.
    const struct { const char *y1, *y2; int errors; bool red1, red2; const char *shown1, *shown2; } pairs[] = {
        {"-2,5", "6", 0, false, false, "", ""}, {"6", "-2,5", 0, false, false, "", ""},
        {"6", "6", 0, false, false, "", ""},    {"6", "x", 1, false, true, "", "-2,5"},
        {"", "-2,5", 1, true, false, "6", ""},  {"1", "2", 1, true, true, "-2,5", "6"},
    };
    for (const auto& c : pairs) {
        SCOPED_TRACE(std::string(c.y1) + " " + c.y2);
        const auto q = WorkedPaper();
        const QStringList right = {"15", "120", "16", "30", "18", "12", QString::fromUtf8(c.y1), QString::fromUtf8(c.y2)};
        for (int i = 0; i < 8; ++i) Type(q->edit(i + 1), right[i]);
        Click(q->button(2));
        EXPECT_EQ(q->errorCount(), c.errors);
        EXPECT_EQ(IsRed(q->edit(7)), c.red1);
        EXPECT_EQ(IsRed(q->edit(8)), c.red2);
        EXPECT_EQ(Text(*q, 22), QString::fromUtf8(c.shown1));
        EXPECT_EQ(Text(*q, 23), QString::fromUtf8(c.shown2));
    }
}

TEST(Test10, OracleRightAnswersScoreZero) {
    TempDataFolder folder;
    FakeClock clock;
    for (int seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm12>();
        auto d = [&](int label) {
            QList<Q> values;
            for (const QString& t : Decimals(Text(*p, label))) values << ReadDecimal(t);
            return values;
        };
        auto equation = [&](int label, const QString& from, const QString& to) {
            const QString text = Text(*p, label);
            const int start = int(text.indexOf(from)) + int(from.size());
            return text.mid(start, text.indexOf(to) - start);
        };
        const Q x1 = Root(equation(3, "рівняння: ", "     X="));
        ASSERT_EQ(x1.d, 1);
        Type(p->edit(1), Decimal(x1));
        // Trains: t1·v = t2·(v − Δ).
        const Q t1 = d(5)[1], t2 = d(5)[2], delta = d(6)[0];
        Type(p->edit(2), Decimal(t2 * delta / (t2 - t1)));
        // Item 3 has one root only, and it is whole.
        const Q x3 = Root(equation(9, "рівняння: ", "          X="));
        ASSERT_EQ(x3.d, 1);
        Type(p->edit(3), Decimal(x3));
        // Tourists: day1 · (1 + P/100 + y/5) = total.
        const Q total = d(11)[1], share = d(11)[2] / Q(100), third = Q(Text(*p, 13).toLongLong(), 5);
        const Q day1 = total / (Q(1) + share + third);
        for (const Q& day : {day1, day1 * share, day1 * third}) ASSERT_EQ(day.d, 1);
        Type(p->edit(4), Decimal(day1));
        Type(p->edit(5), Decimal(day1 * share));
        Type(p->edit(6), Decimal(day1 * third));
        // A product equal to zero: each factor's root, in the order of the seed.
        const QString product = equation(19, "рівняння: (", ")=0");
        const QStringList factors = product.split(QStringLiteral(")("));
        ASSERT_EQ(factors.size(), 2);
        const Q roots[] = {Root(factors[0] + "=0", u'Y'), Root(factors[1] + "=0", u'Y')};
        Type(p->edit(7 + seed % 2), Decimal(roots[0]));
        Type(p->edit(8 - seed % 2), Decimal(roots[1]));

        Click(p->button(2));
        QString red;
        for (int n = 1; n <= 8; ++n)
            if (IsRed(p->edit(n))) red += QStringLiteral(" Edit%1 %2").arg(n).arg(p->edit(n)->text());
        ASSERT_EQ(p->errorCount(), 0) << red.toStdString() << " " << Text(*p, 9).toStdString();
    }
}
