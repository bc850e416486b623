// The keyway table at both ends of every row.
#include "engine/keyway.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gearpair {
namespace {

// The key table by bore diameter, over..up to: width b, hub depth t2, key height h and shaft
// depth t1
// (prismatic keys, ГОСТ 23360-78, table 1), transcribed here independently of the code.
struct Row {
    double over, upTo, width, depth, height, shaftDepth;
};
constexpr Row kRows[] = {
    {6, 8, 2, 1.0, 2, 1.2},         {8, 10, 3, 1.4, 3, 1.8},         {10, 12, 4, 1.8, 4, 2.5},
    {12, 17, 5, 2.3, 5, 3.0},       {17, 22, 6, 2.8, 6, 3.5},        {22, 30, 8, 3.3, 7, 4.0},
    {30, 38, 10, 3.3, 8, 5.0},      {38, 44, 12, 3.3, 8, 5.0},       {44, 50, 14, 3.8, 9, 5.5},
    {50, 58, 16, 4.3, 10, 6.0},     {58, 65, 18, 4.4, 11, 7.0},      {65, 75, 20, 4.9, 12, 7.5},
    {75, 85, 22, 5.4, 14, 9.0},     {85, 95, 25, 5.4, 14, 9.0},      {95, 110, 28, 6.4, 16, 10.0},
    {110, 130, 32, 7.4, 18, 11.0},  {130, 150, 36, 8.4, 20, 12.0},   {150, 170, 40, 9.4, 22, 13.0},
    {170, 200, 45, 10.4, 25, 15.0}, {200, 230, 50, 11.4, 28, 17.0},  {230, 260, 56, 12.4, 32, 20.0},
    {260, 290, 63, 12.4, 32, 20.0}, {290, 330, 70, 14.4, 36, 22.0},  {330, 380, 80, 15.4, 40, 25.0},
    {380, 440, 90, 17.4, 45, 28.0}, {440, 500, 100, 19.5, 50, 31.0},
};

// Each row holds its upper end and starts just above its lower one; 6 mm itself has a key.
TEST(KeywayTable, EveryRowAtBothEnds) {
    for (const Row& row : kRows) {
        const double first = row.over == 6 ? 6 : std::nextafter(row.over, 1e9);
        for (const double bore : {first, row.upTo}) {
            const auto keyway = KeywayForBore(bore);
            ASSERT_TRUE(keyway.has_value()) << bore;
            EXPECT_EQ(keyway->width, row.width) << bore;
            EXPECT_EQ(keyway->hubDepth, row.depth) << bore;
            EXPECT_EQ(keyway->keyHeight, row.height) << bore;
            EXPECT_EQ(keyway->shaftDepth, row.shaftDepth) << bore;
        }
    }
}

TEST(KeywayTable, NoStandardKeyOutsideSixToFiveHundredMillimetres) {
    EXPECT_FALSE(KeywayForBore(5.999));
    EXPECT_FALSE(KeywayForBore(500.001));
    EXPECT_FALSE(KeywayForBore(std::nan("")));
}

}  // namespace
}  // namespace gearpair
