// The key of a seat: the standard lengths, the crush boundary, lengthening, two keys, failure.
#include "engine/shaft_keys.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace gearpair {
namespace {

// ГОСТ 23360-78, table 1, the series of key lengths, written out again.
TEST(KeyLengths, StandardSeries) {
    const std::vector<double> expected = {
        6,  8,  10, 12,  14,  16,  18,  20,  22,  25,  28,  32,  36,  40,  45,  50,  56,  63,
        70, 80, 90, 100, 110, 125, 140, 160, 180, 200, 220, 250, 280, 320, 360, 400, 450, 500};
    const std::span<const double> lengths = KeyLengths();
    EXPECT_EQ(std::vector<double>(lengths.begin(), lengths.end()), expected);
}

// d = 40 mm: key 12 x 8, t1 = 5, lengths 28...140. A 64 mm seat takes a 50 mm key first
// (64 - 10 = 54) and at most a 56 mm one (64 - 8 = 56). At 228 N*m the 50 mm key is crushed at
// 2 * 228 * 1000 / (40 * 38 * 3) = 100 MPa, the allowable itself.
constexpr double kD = 40;
constexpr double kSeat = 64;
constexpr double kAllowable = 100;

double RecordStress(const ShaftKey& k) {
    return 2 * k.torque * 1000 / (k.d * (k.l - k.b) * (k.h - k.t1));
}

TEST(DesignKey, StressAtTheAllowablePassesWithTheFirstLength) {
    const auto key = DesignKey(kD, kSeat, 228, kAllowable);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->b, 12);
    EXPECT_EQ(key->h, 8);
    EXPECT_EQ(key->t1, 5);
    EXPECT_EQ(key->l, 50);
    EXPECT_EQ(key->count, 1);
    EXPECT_EQ(key->stress, 100);
    EXPECT_TRUE(key->passes);
}

TEST(DesignKey, JustAboveTheAllowableLengthensToTheLeastClearance) {
    const auto key = DesignKey(kD, kSeat, std::nextafter(228.0, 1e9), kAllowable);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->l, 56);
    EXPECT_EQ(key->count, 1);
    EXPECT_EQ(key->stress, RecordStress(*key));
    EXPECT_TRUE(key->passes);
}

// 300 N*m crushes the 56 mm key at 113.6 MPa; two keys are each checked under
// 300 / (2 x 0.75) = 200 N*m: 75.8 MPa.
TEST(DesignKey, TwoKeysCarryTheirShare) {
    const auto key = DesignKey(kD, kSeat, 300, kAllowable);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->l, 56);
    EXPECT_EQ(key->count, 2);
    EXPECT_DOUBLE_EQ(key->torque, 200);
    EXPECT_EQ(key->stress, RecordStress(*key));
    EXPECT_TRUE(key->passes);
}

TEST(DesignKey, TwoKeysThatStillFailAreReported) {
    const auto key = DesignKey(kD, kSeat, 500, kAllowable);
    ASSERT_TRUE(key);
    EXPECT_EQ(key->count, 2);
    EXPECT_EQ(key->stress, RecordStress(*key));
    EXPECT_GT(key->stress, kAllowable);
    EXPECT_FALSE(key->passes);
}

// A seat too short for the shortest 12 x 8 key (28 mm) with 8 mm to spare, and a shaft outside the
// table, have no key; a seat only long enough for the least clearance takes that length.
TEST(DesignKey, NoKeyWhereNoStandardLengthFits) {
    EXPECT_FALSE(DesignKey(kD, std::nextafter(36.0, 0), 10, kAllowable));
    const auto shortest = DesignKey(kD, 36, 10, kAllowable);
    ASSERT_TRUE(shortest);
    EXPECT_EQ(shortest->l, 28);
    EXPECT_FALSE(DesignKey(501, 400, 10, kAllowable));
}

// ГОСТ 23360-78, table 1, written out again: the lengths made for each key width, with a bore
// of that width. The shortest fits a seat 8 mm longer and no shorter one; a long seat gets the
// longest.
struct Range {
    double bore, b, lMin, lMax;
};
constexpr Range kRanges[] = {
    {8, 2, 6, 20},       {10, 3, 6, 36},    {12, 4, 8, 45},     {17, 5, 10, 56},
    {22, 6, 14, 70},     {30, 8, 18, 90},   {38, 10, 22, 110},  {44, 12, 28, 140},
    {50, 14, 36, 160},   {58, 16, 45, 180}, {65, 18, 50, 200},  {75, 20, 56, 220},
    {85, 22, 63, 250},   {95, 25, 70, 280}, {110, 28, 80, 320}, {130, 32, 90, 360},
    {150, 36, 100, 400},
};

TEST(DesignKey, LengthsWithinTheRangeOfEachWidth) {
    for (const Range& r : kRanges) {
        EXPECT_FALSE(DesignKey(r.bore, std::nextafter(r.lMin + 8, 0), 1, 1e9)) << r.b;
        const auto shortest = DesignKey(r.bore, r.lMin + 8, 1, 1e9);
        ASSERT_TRUE(shortest) << r.b;
        EXPECT_EQ(shortest->b, r.b);
        EXPECT_EQ(shortest->l, r.lMin) << r.b;
        const auto longest = DesignKey(r.bore, 1000, 1, 1e9);
        ASSERT_TRUE(longest) << r.b;
        EXPECT_EQ(longest->l, r.lMax) << r.b;
    }
}

}  // namespace
}  // namespace gearpair
