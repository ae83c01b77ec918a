#include "platform/Numbers.h"

#include <gtest/gtest.h>

using namespace trajecta;

TEST(Numbers, RoundEvenTiesToEvenAndSaturates) {
    EXPECT_EQ(roundEven(0.5L), 0);
    EXPECT_EQ(roundEven(1.5L), 2);
    EXPECT_EQ(roundEven(2.5L), 2);
    EXPECT_EQ(roundEven(-2.5L), -2);
    EXPECT_EQ(roundEven(-3.5L), -4);
    EXPECT_EQ(roundEven(2.4999L), 2);
    EXPECT_EQ(roundEven(1e30L), 2147483647);
    EXPECT_EQ(roundEven(-1e30L), -2147483647 - 1);
}

TEST(Numbers, FormatFixedRoundsHalfAwayFromZero) {
    EXPECT_EQ(formatFixed(0.625, 2, '.'), "0.63"); // an exact binary tie
    EXPECT_EQ(formatFixed(-0.625, 2, ','), "-0,63");
    EXPECT_EQ(formatFixed(99.9999996, 6, '.'), "100.000000");
    EXPECT_EQ(formatFixed(0.1, 6, '.'), "0.100000");
    EXPECT_EQ(formatFixed(-0.0000001, 6, '.'), "0.000000");
    EXPECT_EQ(formatFixed(9.995, 2, '.'), "9.99"); // 9.995 is stored just below the tie
    EXPECT_EQ(formatFixed(12.0, 0, '.'), "12");
}

TEST(Numbers, ParseAcceptsEitherDecimalMark) {
    EXPECT_DOUBLE_EQ(*parseNumber(" 12,5 "), 12.5);
    EXPECT_DOUBLE_EQ(*parseNumber("-0.25"), -0.25);
    EXPECT_FALSE(parseNumber("").has_value());
    EXPECT_FALSE(parseNumber("12a").has_value());
    EXPECT_EQ(*parseInteger("-300"), -300);
    EXPECT_FALSE(parseInteger("3.0").has_value());
    EXPECT_FALSE(parseInteger("99999999999").has_value());
}
