#include <gtest/gtest.h>
#include <set>

#include "datagen/papers_8to12.h"
#include "papers/paper9.h"
#include "papers/paper_oracle.h"
#include "testing/error_recorder.h"
#include "testing/fake_clock.h"
#include "testing/random_script.h"
#include "testing/screen_driver.h"
#include "testing/temp_data_folder.h"

using namespace oracle;

namespace {
const std::vector<int> kWorkedPaper = {
    2, 3,                       // item 1: 1,2 and 1,3
    2, 10, 10, 0, 3, 20, 0,     // item 2: 3 3/5 and 4 2/12, whose product is 15
    2, 3, 4, 11,                // items 3 and 4
    2, 1, 2, 1, 0, 10, 20, 0, 1, 1, 2,  // items 5 to 8
    0, 1, 1, 5, 23,             // item 9
    1, 1, 2, 1, 2, 3, 5, 30,    // items 10 and 11, and picture 4
    0, 1, 1, 2, 60, 0, 0, 1, 2, 3, 10, 70, 0, 1,  // item 14
};

std::unique_ptr<TForm11> WorkedPaper() {
    ScriptedRandom random(kWorkedPaper);
    auto paper = CreateScreen<TForm11>();
    EXPECT_TRUE(random.exhausted()) << "drew " << random.used() << " values";
    return paper;
}

QString Text(const TForm11& p, int n) { return p.label(n)->text(); }

const QStringList kRightAnswers = {"-1,56", "14",   "1",    "1",     "1,2",          "-0,14",      "3,6ab", "4a-5b",
                                   "a-50",  "4b+30", "3,9", "-1,76X-1,92Y", "-7,584", "-4,2m-9,5n", "41,05", "-140"};
}  // namespace

TEST(Test9, TheWorkedPaperMarkedUntouchedThenAnswered) {
    TempDataFolder folder;
    FakeClock clock;
    const auto p = WorkedPaper();
    EXPECT_EQ(Text(*p, 1), "Контрольна робота №9");
    EXPECT_EQ(Text(*p, 3), "1. Виконайте дії:  1) -1,2   1,3=               ;  2)  -3        (-4          )=");
    EXPECT_EQ(QStringList({Text(*p, 5), Text(*p, 6), Text(*p, 7), Text(*p, 8)}), QStringList({"3", "5", "2", "12"}));
    EXPECT_EQ(Text(*p, 12), "3)  -1,56:(-1,3)=              ; 4)  2,94:(-21)=");
    EXPECT_EQ(Text(*p, 15), "2. Спростіть вираз:  1)  -1,2a    (-3b)=                   ; 2)  5a-a-7b+2b=");
    EXPECT_EQ(Text(*p, 18), "3)  a+(a-20)-(30+a)=               ;  4) -2(b-3)+6(b+4)=");
    EXPECT_EQ(Text(*p, 21), "3. Знайдіть значення виразу: (-3,48-(-1,23)):(-0,5)+0,2    (-3)=");
    EXPECT_EQ(Text(*p, 23), "4. Спростіть вираз і обчисліть його значення: 1) 0,4(1,2X-1,3Y)-1,4(1,6X+Y)=");
    EXPECT_EQ(Text(*p, 25), "X=3  Y=1,2");
    EXPECT_EQ(Text(*p, 26), "m=-10   n=0,1");
    EXPECT_EQ(Text(*p, 28), "5. Знайдіть значення виразу 3(4X-8Y)-4(6X+10Y)  якщо -6X-32Y=-70  Відповідь:");
    for (int n : {24, 29}) EXPECT_EQ(Text(*p, n), "Спрощений вигляд");
    for (int n : {27, 30}) EXPECT_EQ(Text(*p, n), "Значення виразу");
    EXPECT_EQ(p->image(7)->pictureName(), "kr/pr4.bmp");
    EXPECT_EQ(p->image(2)->pictureName(), "kr/chdr4pumn.bmp");
    EXPECT_EQ(p->itemCount(), 14);

    clock.advance(99);
    Click(p->button(2));
    EXPECT_EQ(p->errorCount(), 14);
    EXPECT_EQ(Text(*p, 2), "Помилок 100%");
    const int labels[] = {4, 9, 10, 11, 13, 14, 16, 17, 19, 20, 22, 24, 27, 29, 30, 31};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(Text(*p, labels[i]), kRightAnswers[i]) << labels[i];
    for (int n = 1; n <= 16; ++n) EXPECT_TRUE(IsRed(p->edit(n)) && !p->edit(n)->isEnabled()) << n;
    EXPECT_FALSE(p->button(2)->isEnabled());
    EXPECT_EQ(folder.lines("stat.txt"),
              QStringList{"дата 08.12.2026 час початку 9:05:03 помилок 100% час виконання 99 c К.р.№9 Ваpіант № + "});

    // Every accepted form that is not the first one, and a few that are not accepted.
    const auto q = WorkedPaper();
    for (int i = 0; i < 16; ++i) Type(q->edit(i + 1), kRightAnswers[i]);
    const struct { int edit; const char* text; bool right; } forms[] = {
        {7, "3,6ba", true},         {8, "-5b+4a", true},  {9, "-50+a", true},      {10, "30+4b", true},
        {12, "-1,92y-1,76x", true}, {14, "-9,5n-4,2m", true}, {11, "3,90", false}, {13, "-7,58", false},
    };
    for (const auto& f : forms) Type(q->edit(f.edit), QString::fromUtf8(f.text));
    Click(q->button(2));
    EXPECT_EQ(q->errorCount(), 2);
    EXPECT_TRUE(IsRed(q->edit(11)) && IsRed(q->edit(13)) && !IsRed(q->edit(7)));
    const auto r = WorkedPaper();
    for (int i = 0; i < 16; ++i) Type(r->edit(i + 1), kRightAnswers[i]);
    Type(r->edit(7), "3,6 ab");
    Type(r->edit(2), "15");
    Type(r->edit(3), "");
    Type(r->edit(4), "");
    Click(r->button(2));
    EXPECT_EQ(r->errorCount(), 2);

    // On the Ukrainian layout: Cyrillic а (U+0430), Х (U+0425) and у (U+0443) stand
    // for the Latin letters they look like; Cyrillic м (U+043C) looks different and stays wrong.
    const auto u = WorkedPaper();
    for (int i = 0; i < 16; ++i) Type(u->edit(i + 1), kRightAnswers[i]);
    Type(u->edit(7), QStringLiteral("3,6\u0430b"));
    Type(u->edit(8), QStringLiteral("4\u0430-5b"));
    Type(u->edit(9), QStringLiteral("-50+\u0430"));
    Type(u->edit(12), QStringLiteral("-1,76\u0425-1,92\u0443"));
    Type(u->edit(14), QStringLiteral("-4,2\u043C-9,5n"));
    Click(u->button(2));
    EXPECT_EQ(u->errorCount(), 1);
    EXPECT_TRUE(IsRed(u->edit(14)) && !IsRed(u->edit(7)) && !IsRed(u->edit(12)));
    EXPECT_EQ(u->edit(7)->text(), QStringLiteral("3,6\u0430b"));  // what was typed stays in the box
    EXPECT_EQ(Text(*u, 29), "-4,2m-9,5n");
}

// Whole fractions make the draw begin again with every prime free: under the
// old rule the second attempt could not take 2 for the denominator again.
TEST(Test9, TheMixedProductBeginsAgainWithThePrimesFreed) {
    ScriptedRandom random({0, 10, 0, 4, 20, 0, 0, 1, 10, 0, 5, 20, 10});
    const MixedProduct m = DrawMixedProduct();
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(m.attempts, 2);
    EXPECT_EQ(std::vector<int>({m.w1, m.n1, m.d1, m.w2, m.n2, m.d2}), std::vector<int>({2, 1, 7, 10, 5, 10}));
}

TEST(Test9, TheMixedProductAlwaysEndsAMillionTimesOver) {
    SeededRandom random(12);
    int retried = 0;
    for (int i = 0; i < 1000000; ++i) {
        const MixedProduct m = DrawMixedProduct();
        retried += m.attempts > 1;
        ASSERT_TRUE(m.n1 >= 1 && m.n1 < m.d1 && m.n2 >= 1 && m.n2 < m.d2 && m.w1 >= 1 && m.w2 >= 1) << i;
    }
    EXPECT_GT(retried, 1000);
}

TEST(Test9, EveryExpressionPictureIsInTheDataFolder) {
    TempDataFolder folder;
    for (int k = 1; k <= 12; ++k) EXPECT_TRUE(folder.exists(QStringLiteral("kr/pr%1.bmp").arg(k))) << k;
}

TEST(Test9, OracleRightAnswersScoreZero) {
    TempDataFolder folder;
    FakeClock clock;
    std::set<QString> pictures;
    for (int seed = 1; seed <= 400; ++seed) {
        SCOPED_TRACE(seed);
        SeededRandom random(seed);
        const auto p = CreateScreen<TForm11>();
        pictures.insert(p->image(7)->pictureName());
        auto d = [&](int label) {
            QList<Q> values;
            for (const QString& t : Decimals(Text(*p, label))) values << ReadDecimal(t);
            return values;
        };
        auto whole = [&](int n) { return Text(*p, n).toLongLong(); };
        // Problem 1: "1." "1)" a b "2)" W1 W2; then "3)" ab b "4)" ab b.
        const auto l3 = d(3);
        Type(p->edit(1), Decimal(Q(0) - l3[2] * l3[3]));
        const Q product = (l3[5] + Q(whole(5), whole(6))) * (l3[6] + Q(whole(7), whole(8)));
        // Whole units taken out while the numerator is greater: a whole K is K − 1 and 1/1.
        const long long w = (product.n - 1) / product.d;
        const Q rest = product - Q(w);
        Type(p->edit(2), QString::number(w));
        Type(p->edit(3), QString::number(rest.n));
        Type(p->edit(4), QString::number(rest.d));
        const auto l12 = d(12);
        Type(p->edit(5), Decimal((Q(0) - l12[1]) / (Q(0) - l12[2])));
        Type(p->edit(6), Decimal(l12[4] / (Q(0) - l12[5])));
        // Problem 2: the coefficients, typed in the second accepted order where there is one.
        const auto l15 = d(15);
        Type(p->edit(7), Decimal(l15[2] * l15[3]) + (seed % 2 ? "ab" : "ba"));
        const Q a6 = l15[5] - Q(1), b6 = l15[6] - l15[7];
        Type(p->edit(8), "-" + Decimal(b6) + "b+" + Decimal(a6) + "a");
        const auto l18 = d(18);
        Type(p->edit(9), "a-" + Decimal(l18[1] + l18[2]));
        const Q r1 = l18[4], r2 = l18[5], r3 = l18[6], r4 = l18[7];
        Type(p->edit(10), Decimal(r1 * r2 + r3 * r4) + "+" + Decimal(r3 - r1) + "b");
        // Problem 3: (−X + d) : (−w/10) + u/10 · (−v).
        const auto l21 = d(21);
        Type(p->edit(11), Decimal((Q(0) - l21[1] + l21[2]) / (Q(0) - l21[3]) + l21[4] * (Q(0) - l21[5])));
        // Problem 4: 0,A(B X − C Y) − D(E X + Y).
        const auto l23 = d(23);
        const Q fx = l23[2] * l23[3] - l23[5] * l23[6], gy = l23[2] * l23[4] + l23[5];
        Type(p->edit(12), Decimal(fx, 2) + "x-" + Decimal(gy, 2) + "Y");
        const auto l25 = d(25);
        Type(p->edit(13), Decimal(fx * l25[0] - gy * l25[1], 3).replace(QRegularExpression("^-?0,000$"), "0"));
        // Item 12's picture: its expression, simplified and evaluated here.
        const int k = p->image(7)->pictureName().mid(5).chopped(4).toInt();
        ASSERT_TRUE(k >= 1 && k <= 12) << p->image(7)->pictureName().toStdString();
        const QString expression = Test9Expressions()[size_t(k - 1)];
        const QStringList letters = Text(*p, 26).split(QStringLiteral("   "));
        ASSERT_EQ(letters.size(), 2);
        const QChar l1 = letters[0][0], l2 = letters[1][0];
        auto at = [&](Q x, Q y) {
            bool ok = false;
            const Q v = Expression(expression, l1, x, l2, y).value(&ok);
            EXPECT_TRUE(ok);
            return v;
        };
        const Q c1 = at(1, 0), c2 = at(0, 1);
        Type(p->edit(14), Decimal(c1) + l1 + (c2.n < 0 ? "-" : "+") + Decimal(Q(std::llabs(c2.n), c2.d)) + l2);
        Type(p->edit(15), Decimal(at(ReadDecimal(letters[0].mid(2)), ReadDecimal(letters[1].mid(2)))));
        // Problem 5: A(J X + K Y) + B(M X + N Y) at O X + P Y = Q.
        static const QRegularExpression five(
            QStringLiteral("виразу (-?\\d+)\\((\\d+)X([-+]\\d+)Y\\)([-+]\\d+)\\((\\d+)X([-+]\\d+)Y\\)  якщо (-?\\d+)X([-+]\\d+)Y=(-?\\d+)  "));
        const auto m = five.match(Text(*p, 28));
        ASSERT_TRUE(m.hasMatch()) << Text(*p, 28).toStdString();
        auto c = [&](int i) { return m.captured(i).toLongLong(); };
        const long long xs = c(1) * c(2) + c(4) * c(5), ys = c(1) * c(3) + c(4) * c(6);
        // The expression is a multiple of O X + P Y.
        ASSERT_EQ(xs * c(8), ys * c(7));
        Type(p->edit(16), QString::number(xs / c(7) * c(9)));

        Click(p->button(2));
        QString red;
        for (int n = 1; n <= 16; ++n)
            if (IsRed(p->edit(n))) red += QStringLiteral(" Edit%1 %2").arg(n).arg(p->edit(n)->text());
        ASSERT_EQ(p->errorCount(), 0) << red.toStdString();
    }
    EXPECT_EQ(pictures.size(), 12u);
}
