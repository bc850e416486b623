// The net section moduli of a key seat and of a shoulder.
#include "engine/shaft_fatigue.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

// d = 40 mm with a 12 mm keyway 5 mm deep: π 40³/32 = 6283.19 and π 40³/16 = 12566.37 mm³, less
// 12 x 5 x 35² / 80 = 918.75 mm³ each.
TEST(NetSectionModuli, KeySeatLosesItsKeyway) {
    const SectionModuli w = NetSectionModuli({SectionKind::KeySeat, 40, 12, 5, 0, 0});
    EXPECT_NEAR(w.bending, 5364.435, 1e-3);
    EXPECT_NEAR(w.torsion, 11647.621, 1e-3);
}

TEST(NetSectionModuli, ShoulderIsWhole) {
    const SectionModuli w = NetSectionModuli({SectionKind::Shoulder, 40, 12, 5, 45, 1.5});
    EXPECT_NEAR(w.bending, 6283.185, 1e-3);
    EXPECT_NEAR(w.torsion, 12566.371, 1e-3);
}

// The amplitudes on the net section: σa = M / W, τa = T / (2 Wk), N*m to N*mm.
TEST(SectionSafety, BendingAndTorsionAmplitudesOfTheNetSection) {
    const SectionGeometry keySeat{SectionKind::KeySeat, 40, 12, 5, 0, 0};
    const SectionModuli w = NetSectionModuli(keySeat);
    const SectionFatigue f = SectionSafety(keySeat, 300, 500);
    EXPECT_DOUBLE_EQ(f.sigmaA, 300 * 1000 / w.bending);
    EXPECT_DOUBLE_EQ(f.tauA, 500 * 1000 / (2 * w.torsion));
    EXPECT_NEAR(f.sigmaA, 55.924, 1e-3);
    EXPECT_NEAR(f.tauA, 21.463, 1e-3);
    EXPECT_FALSE(f.known);
}

}  // namespace
}  // namespace gearpair
