// Accepted sizes: the normal sizes of series Ra 40, the standard tooth-tip chamfer and the
// accepted part sizes of a design.
#include "engine/accepted_sizes.h"

#include <gtest/gtest.h>

#include "engine/design_products.h"
#include "engine/design_run.h"

#include <cmath>
#include <vector>

namespace gearpair {
namespace {

constexpr double kMm = 0.0005;

// ГОСТ 6636-69, column Ra 40, decade by decade as the standard's table prints it.
const std::vector<double> kRa40Expected = {
    1.0,  1.05, 1.1,  1.15, 1.2,  1.3,  1.4,  1.5,  1.6,  1.7,  1.8,  1.9,  2.0,  2.1,  2.2,
    2.4,  2.5,  2.6,  2.8,  3.0,  3.2,  3.4,  3.6,  3.8,  4.0,  4.2,  4.5,  4.8,  5.0,  5.3,
    5.6,  6.0,  6.3,  6.7,  7.1,  7.5,  8.0,  8.5,  9.0,  9.5,  10,   10.5, 11,   11.5, 12,
    13,   14,   15,   16,   17,   18,   19,   20,   21,   22,   24,   25,   26,   28,   30,
    32,   34,   36,   38,   40,   42,   45,   48,   50,   53,   56,   60,   63,   67,   71,
    75,   80,   85,   90,   95,   100,  105,  110,  120,  125,  130,  140,  150,  160,  170,
    180,  190,  200,  210,  220,  240,  250,  260,  280,  300,  320,  340,  360,  380,  400,
    420,  450,  480,  500,  530,  560,  600,  630,  670,  710,  750,  800,  850,  900,  950,
    1000, 1060, 1120, 1180, 1250, 1320, 1400, 1500, 1600, 1700, 1800, 1900, 2000, 2120, 2240,
    2360, 2500, 2650, 2800, 3000, 3150, 3350, 3550, 3750, 4000, 4250, 4500, 4750, 5000};

// Every size of the series, and every gap between two neighbours from both of its edges.
TEST(NormalSizes, EverySizeOfSeriesRa40AndBothEdgesOfEveryGap) {
    const std::span<const double> series = NormalSizesRa40();
    ASSERT_EQ(std::vector<double>(series.begin(), series.end()), kRa40Expected);
    for (std::size_t i = 1; i < series.size(); ++i) {
        const double lo = series[i - 1];
        const double hi = series[i];
        SCOPED_TRACE(hi);
        EXPECT_EQ(RoundUpToNormalSize(hi), hi);
        EXPECT_EQ(RoundUpToNormalSize(lo + 0.001), hi);
        EXPECT_EQ(RoundDownToNormalSize(hi - 0.001), lo);
        EXPECT_EQ(RoundDownToNormalSize(lo), lo);
        EXPECT_EQ(NearestNormalSize((lo + hi) / 2), lo);
        EXPECT_EQ(NearestNormalSize((lo + hi) / 2 + 0.001), hi);
    }
    // A computed size that misses a normal size by its last bit is that size.
    EXPECT_EQ(RoundUpToNormalSize(0.3 * 100), 30);
    EXPECT_EQ(RoundDownToNormalSize(std::nextafter(30.0, 0.0)), 30);
    // Outside the series nothing is rounded.
    EXPECT_EQ(RoundUpToNormalSize(5000.5), 5000.5);
    EXPECT_EQ(RoundDownToNormalSize(0.9), 0.9);
}

// Half the module to the nearest chamfer of 0,5 ... 5,0 mm, the shallower at a tie, never
// deeper than the addendum (one module).
TEST(NormalSizes, ToothTipChamferFromHalfTheModule) {
    const std::vector<double> chamfers = {0.5, 0.6, 0.8, 1.0, 1.2, 1.6, 2.0, 2.5, 3.0, 4.0, 5.0};
    for (std::size_t i = 1; i < chamfers.size(); ++i) {
        const double middle = (chamfers[i - 1] + chamfers[i]) / 2;  // of half the module
        SCOPED_TRACE(chamfers[i]);
        EXPECT_EQ(ToothTipChamfer(2 * middle), chamfers[i - 1]);
        EXPECT_EQ(ToothTipChamfer(2 * middle + 0.002), chamfers[i]);
    }
    EXPECT_EQ(ToothTipChamfer(3), 1.6);
    EXPECT_EQ(ToothTipChamfer(36), 5.0);
    EXPECT_EQ(ToothTipChamfer(0.6), 0.5);  // 0,3 has no chamfer; 0,5 is still shallower
    EXPECT_EQ(ToothTipChamfer(0.45), 0);   // no chamfer of the series within the addendum
}

// The default design after its last geometry pass (aw 200, mn 3, 34 and 95 teeth) and its
// part sizes as handed off.
TEST(AcceptedSizes, DefaultDesign) {
    TGearDesign d;
    d.mn = 3;
    d.d2 = 95 * 3.0 / (129 * 3.0 / 400);
    d.df2 = d.d2 - 2.5 * 3;
    d.da2 = d.d2 + 2 * 3;
    PartSizes s;
    s.dvkol = 77.459;
    s.dstkol = 123.934;
    s.lstkol = 116.188;
    s.ckol = 0.3 * 100;
    s.deltakol = 9;
    s.chamferWheel = 3;
    s.DBotvkol = 212.254;
    s.Dotvkol = 29.440;
    s.dvw = 54.956;
    s.dstw = 89.332;
    s.lstw = 120;
    s.chamferPinion = 3;

    const AcceptedSizes a = AcceptSizes(d, s);
    EXPECT_EQ(a.dvkol, 80);
    EXPECT_EQ(a.dstkol, 125);
    EXPECT_EQ(a.lstkol, 120);
    EXPECT_EQ(a.ckol, 30);
    EXPECT_EQ(a.rimInnerDiameter, 260);  // 269,074 rounded down
    EXPECT_NEAR(a.deltakol, 13.537, kMm);
    EXPECT_EQ(a.chamferWheel, 1.6);
    // Halfway between the hub Ø125 and the rim Ø260 is 192,5: the holes on Ø190, whose 32,5 mm
    // of room to the hub (65 / 2) takes a Ø32 hole with 16,5 mm of web to the hub, 19 to the rim.
    EXPECT_EQ(a.DBotvkol, 190);
    EXPECT_EQ(a.Dotvkol, 32);
    EXPECT_EQ(a.dvw, 56);
    EXPECT_EQ(a.dstw, 90);
    EXPECT_EQ(a.lstw, 120);
    EXPECT_EQ(a.chamferPinion, 1.6);
}

// The web centred on a hub of normal length: the thinnest normal web not below its minimum
// whose distance from the hub faces is normal too (a 50 mm hub: 9 gives 20,5, 10 gives 20; a
// 300 mm hub: 42 gives 129, 45 and 48 give 127,5 and 126, 50 gives 125). A gear shaft's stub
// steps down from the root circle Ø138,24 to the next normal size, Ø130, unless that is
// thinner than the shaft the torque needs.
TEST(AcceptedSizes, WebAtNormalDistancesAndGearShaftStubBelowTheRoot) {
    EXPECT_EQ(WebThickness(9, 50), 10);
    EXPECT_EQ(WebThickness(42, 300), 50);
    EXPECT_EQ(WebThickness(15, 71), 15);  // 28 from the faces
    EXPECT_EQ(WebThickness(30, 120), 30);
    EXPECT_EQ(WebThickness(9, 9.5), 9);  // nothing thinner than the hub: the minimum rounded up
    EXPECT_EQ(NormalSizeBelow(140), 130);
    EXPECT_EQ(GearShaftStub(140, 138.24, 120), 130);
    EXPECT_EQ(GearShaftStub(50, 138.24, 45), 50);
    EXPECT_EQ(GearShaftStub(140, 140, 100), 130);
    EXPECT_EQ(GearShaftStub(140, 138.24, 135), 138.24);
}

// A wheel too small for a web with holes is drawn as a solid disc, and its accepted sizes list
// no holes, no web and no rim; its hub stays.
TEST(AcceptedSizes, SolidDiscListsNoHolesWebOrRim) {
    GearSession session;
    DesignInputs inputs;
    inputs.uzText = "2,24";
    inputs.powerText = "60";
    inputs.nwText = "9411,37";
    inputs.hkolText = "567,8";
    inputs.tText = "25707";
    inputs.psibaIndex = 5;  // 0,56
    inputs.bettaText = "19";
    inputs.arrangement = 3;
    ASSERT_TRUE(RunDesign(session, inputs).completed);
    const DesignProducts products = DesignProductsOf(session.design);
    ASSERT_FALSE(products.parts.wheel.web);
    const AcceptedSizes& a = products.accepted;
    EXPECT_EQ(a.DBotvkol, 0);
    EXPECT_EQ(a.Dotvkol, 0);
    EXPECT_EQ(a.ckol, 0);
    EXPECT_EQ(a.deltakol, 0);
    EXPECT_EQ(a.rimInnerDiameter, 0);
    EXPECT_EQ(a.dstkol, products.parts.wheel.hubDiameter);
    EXPECT_GT(a.dstkol, 0);
}

}  // namespace
}  // namespace gearpair
