// Bending fatigue check: form factors, the weaker gear, the overlap ratio and the verdict.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/gear_design.h"

namespace gearpair {
namespace {

using Lines = std::vector<std::string>;

GearSession WorkedExample() {
    GearSession session;
    TGearDesign& d = session.design;
    d.betta = 0.17453292;  // 10 degrees
    d.z1 = 20;
    d.z2 = 80;
    d.Gfpw = 290;
    d.Gfpkol = 255;
    d.bw = 40;
    d.bkol = 30;
    d.d1 = 50.8;
    d.d2 = 203.1;
    d.tw = 100;
    d.tkol = 390;
    d.ea = 1.654477;
    d.Khbeta = 1.1;
    return session;
}

TEST(BendingCheck, WorkedExamplePassesOnTheWheel) {
    GearSession session = WorkedExample();
    EXPECT_TRUE(BendingCheck(session, 125, 2.5));
    EXPECT_EQ(
        session.report.Lines(),
        (Lines{"zew  21,000", "zekol  84,000", "Yfw  4,052", "Yfkol  3,608", "yf  3,608",
               "ybetta  0,929", "tkol  390,000", "kfalpha  0,901", "kfbetta  1,265", "kfv  1,100",
               "d  203,100", "b  30,000", "mn  2,500", "Допускаемые изгибные напряжения  255,000",
               "Проверка на изгибную выносливость сошлась, Gf  215,112",
               "----------------------------------------------"}));
    const BendingFactors f = WeakerGearBending(session.design, 4.052, 3.608);
    EXPECT_NEAR(f.eb, 0.8843829, 1e-7);
    EXPECT_NEAR(f.kfalpha, 0.9011052, 1e-7);
}

TEST(BendingCheck, StressEqualToTheAllowablePasses) {
    GearSession session = WorkedExample();
    session.design.Gfpw = 1000;  // keeps the wheel the weaker gear
    session.design.aw = 125;
    session.design.mn = 2.5;
    const double Gf = WeakerGearBending(session.design, 4.052, 3.608).Gf;
    session.design.Gfpkol = Gf;
    EXPECT_TRUE(BendingCheck(session, 125, 2.5));
    session.design.Gfpkol = std::nextafter(Gf, 0.0);
    EXPECT_FALSE(BendingCheck(session, 125, 2.5));
    EXPECT_EQ(session.report.Lines()[30],
              "Проверка на изгибную выносливость не сошлась, Gf  215,112");
}

TEST(WeakerGearBending, PinionWeakerUsesItsTorqueButReportsTheWheelTorque) {
    GearSession session = WorkedExample();
    session.design.Gfpw = 200;  // 200 / 4.052 < 255 / 3.608
    BendingCheck(session, 125, 2.5);
    const Lines& lines = session.report.Lines();
    EXPECT_EQ(lines[4], "yf  4,052");
    EXPECT_EQ(lines[6], "tkol  390,000");
    EXPECT_EQ(lines[10], "d  50,800");
    EXPECT_EQ(lines[11], "b  40,000");
    EXPECT_EQ(lines[13], "Допускаемые изгибные напряжения  200,000");
}

TEST(WeakerGearBending, EqualRatiosTakeTheWheel) {
    GearSession session = WorkedExample();
    session.design.mn = 2.5;
    session.design.Gfpw = 4.0;
    session.design.Gfpkol = 3.0;
    EXPECT_FALSE(WeakerGearBending(session.design, 4.0, 3.0).pinionWeaker);
    EXPECT_TRUE(WeakerGearBending(session.design, 4.0, 2.9).pinionWeaker);
}

TEST(WeakerGearBending, OverlapOfOneOrMoreTakesKfalphaOne) {
    GearSession session = WorkedExample();
    TGearDesign& d = session.design;
    // eb = sin(betta) x bw / (pi x mn) is exactly 1 with mn = 1 and a face width whose
    // product with sin(betta) rounds to pi: search the neighbours of pi / sin(betta).
    d.mn = 1;
    const double pi = 3.141592653589793;
    double width = pi / std::sin(d.betta);
    for (int step = 0; step < 64 && std::sin(d.betta) * width != pi; ++step) {
        width = std::nextafter(width, std::sin(d.betta) * width < pi ? 1e9 : 0.0);
    }
    d.bw = width;
    const BendingFactors f = WeakerGearBending(d, 4.052, 3.608);
    ASSERT_EQ(f.eb, 1.0);
    EXPECT_EQ(f.kfalpha, 1.0);
    d.bw = std::nextafter(d.bw, 0.0);
    EXPECT_LT(WeakerGearBending(d, 4.052, 3.608).kfalpha, 1.0);
}

struct FormFactorCase {
    int z;
    double factor;
};

class FormFactor : public ::testing::TestWithParam<FormFactorCase> {};

TEST_P(FormFactor, InterpolatesInTheTable) {
    EXPECT_NEAR(ToothFormFactor(GetParam().z), GetParam().factor, 1e-7) << "z " << GetParam().z;
}

INSTANTIATE_TEST_SUITE_P(Points, FormFactor,
                         ::testing::Values(FormFactorCase{17, 4.28}, FormFactorCase{18, 4.2166667},
                                           FormFactorCase{20, 4.09}, FormFactorCase{21, 4.052},
                                           FormFactorCase{22, 4.014}, FormFactorCase{84, 3.608},
                                           FormFactorCase{90, 3.605}, FormFactorCase{100, 3.6},
                                           FormFactorCase{120, 3.6}, FormFactorCase{150, 3.6},
                                           FormFactorCase{300, 3.6}));

TEST(ToothFormFactor, BelowTheTableStopsTheRun) {
    try {
        ToothFormFactor(16);
        FAIL();
    } catch (const DesignStop& stop) {
        EXPECT_EQ(stop.what(), std::string(kToothNumberMessage));
    }
}

}  // namespace
}  // namespace gearpair
