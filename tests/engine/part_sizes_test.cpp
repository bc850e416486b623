// Part sizes: shaft, hub, web, rim, chamfers and web holes of both gears from the record.
#include "engine/part_sizes.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/errors.h"

namespace gearpair {
namespace {

// The sizes are handed off and drawn to 0.001 mm.
constexpr double kMm = 0.0005;

// The default design after its last geometry pass (aw 200, mn 3, 34 and 95 teeth).
TGearDesign DefaultDesign() {
    TGearDesign d;
    d.mn = 3;
    const double cosbetta = 129 * 3.0 / 400;
    d.d1 = 34 * 3.0 / cosbetta;
    d.d2 = 95 * 3.0 / cosbetta;
    d.df1 = d.d1 - 2.5 * 3.0;
    d.da2 = d.d2 + 2 * 3.0;
    d.bkol = 100;
    d.bw = 110;
    d.tkol = 1858.959;
    d.tw = 663.914;
    return d;
}

TEST(PartSizes, DefaultDesignAsHandedOff) {
    const PartSizes s = DerivePartSizes(DefaultDesign());
    EXPECT_NEAR(s.dvkol, 77.459, kMm);
    EXPECT_NEAR(s.dstkol, 123.934, kMm);
    EXPECT_NEAR(s.lstkol, 116.188, kMm);
    EXPECT_NEAR(s.ckol, 30, kMm);
    EXPECT_NEAR(s.deltakol, 9, kMm);
    EXPECT_EQ(s.chamferWheel, 3);
    EXPECT_NEAR(s.DBotvkol, 212.254, kMm);
    EXPECT_NEAR(s.Dotvkol, 29.440, kMm);
    EXPECT_NEAR(s.dvw, 54.956, kMm);
    EXPECT_NEAR(s.dstw, 89.332, kMm);
    EXPECT_NEAR(s.lstw, 120, kMm);
    EXPECT_EQ(s.chamferPinion, 3);
}

TEST(PartSizes, ShaftsFromTheTorques) {
    TGearDesign d = DefaultDesign();
    d.tkol = 250;
    d.tw = 66;
    d.df1 = 45;
    const PartSizes s = DerivePartSizes(d);
    EXPECT_NEAR(s.dvkol, 39.685, kMm);
    EXPECT_NEAR(s.dstkol, 63.496, kMm);
    EXPECT_NEAR(s.dvw, 25.458, kMm);
    EXPECT_NEAR(s.dstw, 41.092, kMm);
}

// The wheel hub is 1.5 shafts long until the face width plus 15 mm exceeds that; then it is
// the face width plus 20 mm. At equality it keeps 1.5 shafts.
TEST(PartSizes, WheelHubLengthAtTheFaceWidthBoundary) {
    TGearDesign d = DefaultDesign();
    d.tkol = 250;
    d.bkol = 10;
    const double shaftLength = DerivePartSizes(d).lstkol;  // 1.5 x 39.685, in [32, 64)
    EXPECT_NEAR(shaftLength, 59.528, kMm);

    d.bkol = shaftLength - 15;  // exact: the difference keeps every bit
    EXPECT_EQ(DerivePartSizes(d).lstkol, shaftLength);
    d.bkol = std::nextafter(shaftLength - 15, 100.0);
    EXPECT_EQ(DerivePartSizes(d).lstkol, d.bkol + 20);
}

// The pinion hub is 1.5 shafts long unless that is shorter than the face width; then it is
// the face width plus 10 mm. At equality it keeps 1.5 shafts.
TEST(PartSizes, PinionHubLengthAtTheFaceWidthBoundary) {
    TGearDesign d = DefaultDesign();
    d.tw = 66;
    d.bw = 1;
    const double shaftLength = DerivePartSizes(d).lstw;
    EXPECT_NEAR(shaftLength, 38.187, kMm);

    d.bw = shaftLength;
    EXPECT_EQ(DerivePartSizes(d).lstw, shaftLength);
    d.bw = std::nextafter(shaftLength, 100.0);
    EXPECT_EQ(DerivePartSizes(d).lstw, d.bw + 10);
}

TEST(PartSizes, ChamferIsHalfTheModuleButAtLeast3) {
    TGearDesign d = DefaultDesign();
    d.mn = 2;
    PartSizes s = DerivePartSizes(d);
    EXPECT_EQ(s.deltakol, 6);
    EXPECT_EQ(s.chamferWheel, 3);
    EXPECT_EQ(s.chamferPinion, 3);
    d.mn = 8;
    s = DerivePartSizes(d);
    EXPECT_EQ(s.deltakol, 24);
    EXPECT_EQ(s.chamferWheel, 4);
    EXPECT_EQ(s.chamferPinion, 4);
}

TEST(PartSizes, NegativeTorqueIsAnInvalidOperation) {
    TGearDesign d = DefaultDesign();
    d.tw = -663.914;
    try {
        DerivePartSizes(d);
        ADD_FAILURE() << "no error";
    } catch (const FloatError& error) {
        EXPECT_EQ(std::string(error.what()), "Invalid floating point operation");
    }
}

}  // namespace
}  // namespace gearpair
