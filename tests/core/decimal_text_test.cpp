// Sizes with the decimal comma, rounded as the report rounds, without trailing zeros.
#include "core/decimal_text.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(DecimalText, RoundsHalfAwayFromZeroAndDropsTrailingZeros) {
    EXPECT_EQ(SizeText(300.567), "300,57");
    EXPECT_EQ(SizeText(100.004), "100");
    EXPECT_EQ(SizeText(2.5), "2,5");
    EXPECT_EQ(SizeText(0.005), "0,01");
    EXPECT_EQ(SizeText(99.995), "100");
    EXPECT_EQ(DecimalText(294.5744, 3), "294,574");
    EXPECT_EQ(DecimalText(1.125, 3), "1,125");
    EXPECT_EQ(DecimalText(0.05, 3), "0,05");
}

}  // namespace
}  // namespace gearpair
