// The rating of a deep-groove ball bearing: e and Y by the relative axial load, the Fa / Fr = e
// boundary, the equivalent load with its factors, the life formula and the unloaded bearing.
#include "engine/bearing_life.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/errors.h"

namespace gearpair {
namespace {

// Interpolated factors are compared with their exact rational values to this tolerance.
constexpr double kFactorTolerance = 1e-12;

BallBearing Bearing(double C, double C0) {
    return {"test", 40, 80, 18, 2.0, C, C0};
}

BearingFactors Plain() {
    BearingFactors f;
    f.Kb = 1;
    return f;
}

// 208 of ГОСТ 8338-75 (C = 32 000 N, C0 = 17 800 N) under Fr = 2000 N, Fa = 700 N at
// 1000 min^-1 in a reducer, worked by hand in exact fractions: Fa / C0r = 7/178 lies between
// the rows 0.028 and 0.056, so e = 1051/4450 and Y = 16703/8900; Fa / Fr = 0.35 > e, so
// X = 0.56; P = (0.56 * 2000 + Y * 700) * 1.3 = 2815813/890 N; L10h = (C / P)^3 10^6 / 60000.
TEST(RateBallBearing, Bearing208InAReducer) {
    const auto b208 = BallBearingFor(40, BearingSeries::Light);
    ASSERT_TRUE(b208.has_value());
    const BearingRating r = RateBallBearing(*b208, 2000, 700, 1000, BearingFactors{});
    EXPECT_EQ(r.Fr, 2000);
    EXPECT_EQ(r.Fa, 700);
    EXPECT_NEAR(r.e, 1051.0 / 4450, kFactorTolerance);
    EXPECT_EQ(r.X, 0.56);
    EXPECT_NEAR(r.Y, 16703.0 / 8900, kFactorTolerance);
    EXPECT_NEAR(r.P, 2815813.0 / 890, 1e-9);
    EXPECT_NEAR(r.L10h, 17244.764805637, 1e-6);
}

// C0 = 1000 N puts Fa / C0r at Fa / 1000; Fr = 1 N makes the axial load count.
TEST(RateBallBearing, AxialFactorsFollowTheTable) {
    const BallBearing b = Bearing(30000, 1000);
    const BearingRating atRow = RateBallBearing(b, 1, 56, 1000, Plain());
    EXPECT_EQ(atRow.e, 0.26);
    EXPECT_EQ(atRow.Y, 1.71);
    EXPECT_EQ(atRow.X, 0.56);

    // Half way from 0.028 to 0.056.
    const BearingRating between = RateBallBearing(b, 1, 42, 1000, Plain());
    EXPECT_NEAR(between.e, 0.24, kFactorTolerance);
    EXPECT_NEAR(between.Y, 1.85, kFactorTolerance);

    const BearingRating below = RateBallBearing(b, 1, 7, 1000, Plain());
    EXPECT_EQ(below.e, 0.19);
    EXPECT_EQ(below.Y, 2.30);
    const BearingRating above = RateBallBearing(b, 1, 700, 1000, Plain());
    EXPECT_EQ(above.e, 0.44);
    EXPECT_EQ(above.Y, 1.00);

    // No axial load: X = 1, Y = 0, e from the first row.
    const BearingRating radialOnly = RateBallBearing(b, 1000, 0, 1000, Plain());
    EXPECT_EQ(radialOnly.e, 0.19);
    EXPECT_EQ(radialOnly.X, 1);
    EXPECT_EQ(radialOnly.Y, 0);
    EXPECT_EQ(radialOnly.P, 1000);

    // An axial load alone always counts.
    const BearingRating axialOnly = RateBallBearing(b, 0, 110, 1000, Plain());
    EXPECT_EQ(axialOnly.X, 0.56);
    EXPECT_EQ(axialOnly.Y, 1.45);
    EXPECT_NEAR(axialOnly.P, 159.5, 1e-12);
}

// Fa / C0r far below the first row gives e = 0.19; 19 / 100 is the double nearest 0.19.
TEST(RateBallBearing, AxialLoadLeftOutUpToE) {
    const BallBearing b = Bearing(30000, 100000);
    const BearingRating atE = RateBallBearing(b, 100, 19, 1000, Plain());
    EXPECT_EQ(atE.e, 0.19);
    EXPECT_EQ(atE.X, 1);
    EXPECT_EQ(atE.Y, 0);
    EXPECT_EQ(atE.P, 100);

    const double justAbove = std::nextafter(19.0, 20.0);
    const BearingRating aboveE = RateBallBearing(b, 100, justAbove, 1000, Plain());
    EXPECT_EQ(aboveE.X, 0.56);
    EXPECT_EQ(aboveE.Y, 2.30);
}

// C / P = 3 at 450 min^-1: L10h = 27 * 10^6 / 27000 = 1000 h.
TEST(RateBallBearing, LifeFormulaAndServiceFactors) {
    const BallBearing b = Bearing(30000, 100000);
    EXPECT_EQ(RateBallBearing(b, 10000, 0, 450, Plain()).L10h, 1000);

    BearingFactors f;
    f.V = 1.2;
    f.Kb = 1.5;
    f.Kt = 1.25;
    const BearingRating r = RateBallBearing(b, 10000, 0, 450, f);
    EXPECT_EQ(r.P, 22500);                              // 1.2 * 10000 * 1.5 * 1.25
    EXPECT_DOUBLE_EQ(r.L10h, 64.0 / 27 * 1e6 / 27000);  // C / P = 4/3

    // The default load factor is the reducer's.
    EXPECT_DOUBLE_EQ(RateBallBearing(b, 10000, 0, 450, BearingFactors{}).P,
                     10000 * kReducerLoadFactor);
}

TEST(RateBallBearing, UnloadedBearingHasUnboundedFiniteLife) {
    const BearingRating r = RateBallBearing(Bearing(30000, 100000), 0, 0, 450, BearingFactors{});
    EXPECT_EQ(r.P, 0);
    EXPECT_EQ(r.L10h, kUnloadedBearingLife);
    EXPECT_TRUE(std::isfinite(r.L10h));
}

TEST(RateBallBearing, ZeroSpeedUnderLoadIsAFloatFault) {
    EXPECT_THROW(RateBallBearing(Bearing(30000, 100000), 1000, 0, 0, Plain()), FloatError);
}

}  // namespace
}  // namespace gearpair
