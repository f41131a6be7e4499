#include <gtest/gtest.h>

#include "core/truncated_decimal.h"

TEST(ThreeDecimalsText, TruncatesAndKeepsTheSign) {
    EXPECT_EQ(ThreeDecimalsText(-5, 7), "-0,714");
    EXPECT_EQ(ThreeDecimalsText(-1, 11), "-0,090");
    EXPECT_EQ(ThreeDecimalsText(-9, 4), "-2,250");
    EXPECT_EQ(ThreeDecimalsText(1, 2), "0,500");
    EXPECT_EQ(ThreeDecimalsText(3, -7), "-0,428");
    EXPECT_EQ(ThreeDecimalsText(-2147483648LL, 1), "-2147483648,000");
}
