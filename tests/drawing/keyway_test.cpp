// The keyway table at the ends of its rows.
#include "drawing/keyway.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gearpair {
namespace {

void ExpectKeyway(double bore, double width, double depth) {
    const auto keyway = KeywayForBore(bore);
    ASSERT_TRUE(keyway.has_value()) << bore;
    EXPECT_EQ(keyway->width, width) << bore;
    EXPECT_EQ(keyway->hubDepth, depth) << bore;
}

TEST(KeywayTable, RowsIncludeTheirUpperEndAndStartAboveTheLowerOne) {
    ExpectKeyway(6, 2, 1.0);
    ExpectKeyway(8, 2, 1.0);
    ExpectKeyway(8.001, 3, 1.4);
    ExpectKeyway(58, 16, 4.3);
    ExpectKeyway(58.001, 18, 4.4);
    ExpectKeyway(77.46, 22, 5.4);
    ExpectKeyway(290, 63, 12.4);
    ExpectKeyway(290.001, 70, 14.4);
    ExpectKeyway(500, 100, 19.5);
}

TEST(KeywayTable, NoStandardKeyOutsideSixToFiveHundredMillimetres) {
    EXPECT_FALSE(KeywayForBore(5.999));
    EXPECT_FALSE(KeywayForBore(500.001));
    EXPECT_FALSE(KeywayForBore(std::nan("")));
}

}  // namespace
}  // namespace gearpair
