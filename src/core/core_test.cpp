#include <gtest/gtest.h>

#include "core/arithmetic.h"
#include "core/look_alike.h"
#include "core/noun_form.h"
#include "core/number_text.h"
#include "core/random.h"
#include "testing/random_script.h"

TEST(Gcd, IsOneWhenEitherNumberIsNotPositive) {
    EXPECT_EQ(Gcd(0, 12), 1);
    EXPECT_EQ(Gcd(12, 0), 1);
    EXPECT_EQ(Gcd(-4, 8), 1);
}

TEST(Gcd, AgreesWithRepeatedSubtraction) {
    auto bySubtraction = [](int64_t a, int64_t b) {
        while (a != b) (a > b ? a : b) -= (a > b ? b : a);
        return a;
    };
    for (int64_t a = 1; a <= 60; ++a)
        for (int64_t b = 1; b <= 60; ++b) ASSERT_EQ(Gcd(a, b), bySubtraction(a, b)) << a << " " << b;
    EXPECT_EQ(Lcm(4, 6), 12);
    EXPECT_EQ(Gcd(2 * 3 * 5 * 7 * 11, 3 * 7 * 13), 21);
}

TEST(Fractions, ReduceAndTheTwoSplitRules) {
    EXPECT_EQ(Reduce({6, 8}), (Fraction{3, 4}));
    EXPECT_EQ(Reduce({-6, 8}), (Fraction{-3, 4}));
    // While greater: a whole value keeps one unit as den/den.
    EXPECT_EQ(SplitWhileGreater({6, 3}), (Mixed{1, 3, 3}));
    EXPECT_EQ(SplitWhileGreater({7, 3}), (Mixed{2, 1, 3}));
    EXPECT_EQ(SplitWhileGreater({2, 3}), (Mixed{0, 2, 3}));
    // While not less: the remainder is below the denominator.
    EXPECT_EQ(SplitWhileNotLess({6, 3}), (Mixed{2, 0, 3}));
    EXPECT_EQ(SplitWhileNotLess({7, 3}), (Mixed{2, 1, 3}));
    EXPECT_EQ(SplitWhileNotLess({3, 3}), (Mixed{1, 0, 3}));
}

TEST(NumberText, DecimalsWithAComma) {
    EXPECT_EQ(TenthsText(57), "5,7");
    EXPECT_EQ(TenthsText(105), "10,5");
    EXPECT_EQ(TenthsText(7), "0,7");
    EXPECT_EQ(TenthsText(-57), "-5,7");
    EXPECT_EQ(HundredthsText(388), "3,88");
    EXPECT_EQ(HundredthsText(5), "0,05");
    EXPECT_EQ(HundredthsText(1200), "12,00");
    EXPECT_EQ(TrimmedDecimalText(2500, 3), "2,5");
    EXPECT_EQ(TrimmedDecimalText(2000, 3), "2");
    EXPECT_EQ(TrimmedDecimalText(1001, 1), "100,1");
}

TEST(NounForm, AgreesWithTheCount) {
    const QString one = "шоколадка", few = "шоколадки", many = "шоколадок";
    for (int n : {1, 21, 101, 171}) EXPECT_EQ(NounForm(n, one, few, many), one) << n;
    for (int n : {2, 3, 4, 22, 34, 102}) EXPECT_EQ(NounForm(n, one, few, many), few) << n;
    for (int n : {0, 5, 9, 10, 11, 12, 14, 19, 20, 25, 111, 112, 114, 211}) EXPECT_EQ(NounForm(n, one, few, many), many) << n;
}

TEST(Random, StaysInRangeAndCoversIt) {
    SeededRandom seeded(12345);
    std::vector<int> seen(7, 0);
    for (int i = 0; i < 7000; ++i) {
        const int v = Random(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
        ++seen[v];
    }
    for (int count : seen) EXPECT_GT(count, 800);
    EXPECT_EQ(Random(0), 0);
}

TEST(Random, SameSeedSameSequenceAndRandomizeLeavesATestSeedAlone) {
    std::vector<int> first, second;
    {
        SeededRandom seeded(99);
        for (int i = 0; i < 20; ++i) first.push_back(Random(1000));
    }
    {
        SeededRandom seeded(99);
        Randomize();
        for (int i = 0; i < 20; ++i) second.push_back(Random(1000));
    }
    EXPECT_EQ(first, second);
}

TEST(Random, DrawCategoryTruncates) {
    ScriptedRandom script({0, 9, 10, 28, 29});
    EXPECT_EQ(DrawCategory(29, 10), 1);   // (0 + 10) / 10
    EXPECT_EQ(DrawCategory(29, 10), 1);   // 19 / 10
    EXPECT_EQ(DrawCategory(29, 10), 2);   // 20 / 10
    EXPECT_EQ(DrawCategory(29, 10), 3);   // 38 / 10
    EXPECT_EQ(DrawCategory(30, 0), 2);    // 29 / 10
}

TEST(LookAlike, CyrillicLettersDrawnLikeLatinOnesReadAsThem) {
    // Written as code points, so the two alphabets cannot be mixed up here.
    const QString cyrillic = QString::fromUtf16(u"\u0430\u0441\u0435\u043E\u0440\u0445\u0443\u0456"
                                                u"\u0410\u0412\u0421\u0415\u041D\u0406\u041A\u041C\u041E\u0420\u0422\u0425");
    EXPECT_EQ(LatinLookAlikes(cyrillic), "aceopxyiABCEHIKMOPTX");
    EXPECT_TRUE(LooksTheSame(QString::fromUtf16(u"-0,6\u0440-12,5m"), "-0,6p-12,5m"));
    EXPECT_TRUE(LooksTheSame("36,4ab", "36,4ab"));
    // Lower-case п, м, т, н, к, в and capital У, Я look different from any Latin letter.
    const QString different = QString::fromUtf16(u"\u043F\u043C\u0442\u043D\u043A\u0432\u0423\u042F");
    EXPECT_EQ(LatinLookAlikes(different), different);
    EXPECT_FALSE(LooksTheSame(QString::fromUtf16(u"\u043Cn"), "mn"));
    EXPECT_FALSE(LooksTheSame("ab", "ba"));
}
