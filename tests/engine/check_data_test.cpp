// Check data: common normal length, teeth spanned, and the constant chord where W does not fit
// on the face.
#include "engine/check_data.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace gearpair {
namespace {

// The default design after its last geometry pass: aw 200, mn 3, 34 and 95 teeth.
TGearDesign DefaultDesign() {
    TGearDesign d;
    d.aw = 200;
    d.mn = 3;
    d.z1 = 34;
    d.z2 = 95;
    d.bkol = 100;
    d.bw = 110;
    return d;
}

TEST(CheckData, DefaultDesignAtTheCutHelixAngle) {
    const TGearDesign d = DefaultDesign();
    const PairCheckData c = DesignCheckData(d);
    EXPECT_TRUE(c.wheel.normalMeasurable);
    EXPECT_EQ(c.wheel.teethSpanned, 12);
    EXPECT_NEAR(c.wheel.commonNormal, 106.235, 0.0005);
    EXPECT_TRUE(c.pinion.normalMeasurable);
    EXPECT_EQ(c.pinion.teethSpanned, 5);
    EXPECT_NEAR(c.pinion.commonNormal, 41.424, 0.0005);
}

// Spur gears of module 1 against the 20° rule computed apart from the engine: z_w is the count
// of ninths of z rounded up (z·20°/180° + 0,5 with ties down, as the standard's tables have
// 18 teeth over 2), W the base pitches between the outer flanks plus a base tooth thickness.
// The points the standard's table prints are checked to its four decimals.
TEST(CheckData, SpurModuleOneFrom17To200Teeth) {
    const long double alpha = 20.0L * std::numbers::pi_v<long double> / 180;
    const long double invAlpha = std::tan(alpha) - alpha;
    const long double cosAlpha = std::cos(alpha);
    for (std::int32_t z = 17; z <= 200; ++z) {
        SCOPED_TRACE(z);
        const CheckData c = GearCheckData(z, 1, 0, 1000);
        const std::int32_t zw = (z + 8) / 9;
        const long double basePitch = std::numbers::pi_v<long double> * cosAlpha;
        const long double baseThickness =
            z * cosAlpha * (std::numbers::pi_v<long double> / (2 * z) + invAlpha);
        EXPECT_EQ(c.teethSpanned, zw);
        EXPECT_NEAR(c.commonNormal, static_cast<double>((zw - 1) * basePitch + baseThickness),
                    1e-9);
    }
    struct Point {
        std::int32_t z, zw;
        double w;
    };
    for (const Point p : {Point{17, 2, 4.6663}, Point{20, 3, 7.6604}, Point{40, 5, 13.8448},
                          Point{100, 12, 35.3501}}) {
        const CheckData c = GearCheckData(p.z, 1, 0, 1000);
        EXPECT_EQ(c.teethSpanned, p.zw) << p.z;
        EXPECT_NEAR(c.commonNormal, p.w, 0.00005) << p.z;
    }
}

// W is measured only where the face is wider than W's axial extent by 5 mm; a narrower face
// takes the constant chord of the normal module.
TEST(CheckData, NarrowFaceTakesTheConstantChord) {
    const double beta = 20 * std::numbers::pi / 180;
    const CheckData wide = GearCheckData(95, 3, beta, 1000);
    const double betaB = std::asin(std::sin(beta) * std::cos(20 * std::numbers::pi / 180));
    const double limit = wide.commonNormal * std::sin(betaB) + 5;
    EXPECT_TRUE(GearCheckData(95, 3, beta, std::nextafter(limit, 1000.0)).normalMeasurable);
    const CheckData narrow = GearCheckData(95, 3, beta, limit);
    EXPECT_FALSE(narrow.normalMeasurable);
    EXPECT_DOUBLE_EQ(narrow.constantChord, 4.1613);
    EXPECT_DOUBLE_EQ(narrow.chordHeight, 2.2428);
}

}  // namespace
}  // namespace gearpair
