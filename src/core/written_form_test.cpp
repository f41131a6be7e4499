#include <gtest/gtest.h>

#include "core/written_form.h"

TEST(WrittenForm, LowestTermsKeepAZeroNumeratorsDenominator) {
    EXPECT_EQ(LowestTerms(4, 6), (Fraction{2, 3}));
    EXPECT_EQ(LowestTerms(0, 24), (Fraction{0, 24}));
    EXPECT_EQ(LowestMixedWhileGreater(12, 6), (Mixed{1, 1, 1}));
    EXPECT_EQ(LowestMixedWhileNotLess(12, 6), (Mixed{2, 0, 1}));
    EXPECT_EQ(LowestMixedWhileGreater(5, 15), (Mixed{0, 1, 3}));
    EXPECT_EQ(Texts(Mixed{2, 3, 7}), (QStringList{"2", "3", "7"}));
}

TEST(WrittenForm, DecimalsWithACommaRoundedHalfUp) {
    EXPECT_EQ(RoundedDecimalText(63428, 4, 2), "6,34");
    EXPECT_EQ(RoundedDecimalText(63451, 4, 2), "6,35");
    EXPECT_EQ(RoundedDecimalText(63450, 4, 2), "6,35");
    EXPECT_EQ(RoundedDecimalText(99960, 4, 2), "10,00");
    EXPECT_EQ(RoundedDecimalText(2051, 3, 1), "2,1");
    EXPECT_EQ(CommaOrPoint("0,(3)"), (QStringList{"0,(3)", "0.(3)"}));
}
