// The median that the benchmark ratios are taken from.
#include "bench/ratio_main.h"

#include <gtest/gtest.h>

namespace gearpair::bench {
namespace {

TEST(Median, IsTheMiddleValueOrTheMeanOfTheMiddleTwo) {
    EXPECT_EQ(Median({}), 0.0);
    EXPECT_EQ(Median({7}), 7.0);
    EXPECT_EQ(Median({9, 1, 5}), 5.0);  // unsorted repetitions
    EXPECT_EQ(Median({4, 1, 3, 2}), 2.5);
    EXPECT_EQ(Median({1, 1000, 2, 3, 2}), 2.0);  // an outlier does not move it
}

}  // namespace
}  // namespace gearpair::bench
