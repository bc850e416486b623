// Sections of the gears: the bore with its keyway, the hands of the helices, the pinion made
// on its shaft.
#include "model/gear_section.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/accepted_sizes.h"

namespace gearpair {
namespace {

// The keyway's four corners exactly, every other point on the bore, chords within the
// tolerance, and a point on each ray asked for.
TEST(BoreContour, KeywayCornersAndBore) {
    const double r = 40;
    const double tolerance = 0.001;
    const std::vector<OutlinePoint> c = BoreContour(2 * r, 22, 5.4, tolerance, {0.3, 4});
    const double onBore = std::sqrt(r * r - 11 * 11);
    int corners = 0;
    bool through[2] = {false, false};
    for (std::size_t i = 0; i < c.size(); ++i) {
        const OutlinePoint p = c[i];
        const double radius = std::hypot(p.x, p.y);
        if (std::abs(std::abs(p.x) - 11) < 1e-12 &&
            (std::abs(p.y - 45.4) < 1e-12 || std::abs(p.y - onBore) < 1e-12)) {
            ++corners;
        } else if (p.y > onBore) {
            // Inside the keyway's angles only the rays asked for add points, on its sides or
            // bottom.
            EXPECT_TRUE(std::abs(std::abs(p.x) - 11) < 1e-9 || std::abs(p.y - 45.4) < 1e-9);
        } else {
            EXPECT_NEAR(radius, r, 1e-12);
            const OutlinePoint q = c[(i + 1) % c.size()];
            if (q.y < onBore) {
                EXPECT_LE(r - std::hypot((p.x + q.x) / 2, (p.y + q.y) / 2), tolerance);
            }
        }
        for (int k = 0; k < 2; ++k) {
            through[k] |=
                std::abs(std::atan2(p.y, p.x) - (k == 0 ? 0.3 : 4 - 2 * std::numbers::pi)) < 1e-12;
        }
    }
    EXPECT_EQ(corners, 4);
    EXPECT_TRUE(through[0] && through[1]);
    // Counter-clockwise, the disc and the keyway's rectangle above the bore.
    const double segment = r * r * std::asin(11 / r) - 11 * onBore;
    EXPECT_NEAR(PolygonArea(c), std::numbers::pi * r * r + 22 * (45.4 - onBore) - segment, 0.5);
}

TGearDesign DefaultDesign() {
    TGearDesign d;
    d.aw = 200;
    d.mn = 3;
    d.z1 = 34;
    d.z2 = 95;
    d.bkol = 100;
    d.bw = 110;
    d.d1 = 34 * 3 / (129 * 3.0 / 400);
    d.df1 = d.d1 - 7.5;
    return d;
}

DrawnParts PartsOf(const TGearDesign& d, const PartSizes& sizes) {
    return DrawnPartsOf(d, sizes, AcceptSizes(d, sizes));
}

// The wheel right-hand, the pinion left-hand, each with the pitch cylinder's helix; the bores
// as drawn (the accepted sizes) with the key table's keyways.
TEST(GearSection, DefaultPair) {
    const TGearDesign d = DefaultDesign();
    PartSizes sizes;
    sizes.dvkol = 77.459;
    sizes.dvw = 54.956;
    sizes.dstw = 89.332;
    const GearSection wheel = WheelSection(d, PartsOf(d, sizes), 0.001);
    const GearSection pinion = PinionSection(d, PartsOf(d, sizes), 0.001);
    const double tanBeta = std::tan(std::acos(129 * 3.0 / 400));
    EXPECT_EQ(wheel.outline.gear.z, 95);
    EXPECT_DOUBLE_EQ(wheel.face, 100);
    EXPECT_NEAR(wheel.twist, tanBeta / (95 * 3 / (129 * 3.0 / 400) / 2), 1e-15);
    EXPECT_EQ(pinion.outline.gear.z, 34);
    EXPECT_DOUBLE_EQ(pinion.face, 110);
    EXPECT_NEAR(pinion.twist, -tanBeta / (d.d1 / 2), 1e-15);
    EXPECT_EQ(wheel.boreDiameter, 80);
    EXPECT_EQ(wheel.keyWidth, 22);
    EXPECT_EQ(wheel.keyDepth, 5.4);
    EXPECT_EQ(pinion.keyWidth, 16);
    EXPECT_EQ(pinion.keyDepth, 4.3);
    EXPECT_FALSE(pinion.bore.empty());
}

// A keyway whose bottom leaves less than 2,5 modules under the root circle, as the pinion is
// made (with its accepted bore): the pinion is made on its shaft, without a bore.
TEST(GearSection, PinionOnItsShaftHasNoBore) {
    const TGearDesign d = DefaultDesign();  // root radius 48,96
    PartSizes sizes;
    sizes.dvw = 71;  // keyway 20 x 4,9: bottom at 40,4, 8,56 mm under the root: 2,5 modules 7,5
    sizes.dstw = 90;
    EXPECT_FALSE(PinionSection(d, PartsOf(d, sizes), 0.01).bore.empty());
    sizes.dvw = 72;  // made at 75: bottom at 42,4, 6,56 mm
    const GearSection pinion = PinionSection(d, PartsOf(d, sizes), 0.01);
    EXPECT_TRUE(pinion.bore.empty());
    EXPECT_EQ(pinion.boreDiameter, 0);
}

}  // namespace
}  // namespace gearpair
