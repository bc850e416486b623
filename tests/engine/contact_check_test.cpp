// Contact fatigue check: the worked example, the speed classes of the load-distribution
// factor and the pass at equality.
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
    d.v = 3.2;
    d.uz = 4;
    d.tw = 100;
    d.Khbeta = 1.1;
    d.bkol = 50;
    d.Ghp = 500;
    return session;
}

TEST(ContactCheck, WorkedExampleFails) {
    GearSession session = WorkedExample();
    EXPECT_FALSE(ContactCheck(session, 125, 2.5));
    EXPECT_EQ(session.design.aw, 125);
    EXPECT_EQ(session.design.mn, 2.5);
    EXPECT_NEAR(session.design.ea, 1.6544770, 1e-7);
    EXPECT_EQ(session.report.Lines(),
              (Lines{"----------------------------------------------", "ea  1,654",
                     "Khalpha selected    1,090", "Допускаемые контактные напряжения  500,000",
                     "Проверка на контактную выносливость не сошлась, Gh  574,849",
                     "----------------------------------------------"}));
}

TEST(ContactCheck, StressEqualToTheAllowablePasses) {
    GearSession session = WorkedExample();
    ContactCheck(session, 125, 2.5);
    const double Gh = ContactStress(session.design, KhalphaForSpeed(3.2));
    session.design.Ghp = Gh;
    session.report.Clear();
    EXPECT_TRUE(ContactCheck(session, 125, 2.5));
    EXPECT_EQ(session.report.Lines()[4],
              "Проверка на контактную выносливость сошлась, Gh  574,849");
    session.design.Ghp = std::nextafter(Gh, 0.0);
    EXPECT_FALSE(ContactCheck(session, 125, 2.5));
}

struct SpeedCase {
    double v;
    double Khalpha;
};

class SpeedClass : public ::testing::TestWithParam<SpeedCase> {};

TEST_P(SpeedClass, SelectsTheColumnOfAccuracyDegreeEight) {
    EXPECT_EQ(KhalphaForSpeed(GetParam().v), GetParam().Khalpha) << "v " << GetParam().v;
}

INSTANTIATE_TEST_SUITE_P(RoundedSpeeds, SpeedClass,
                         ::testing::Values(SpeedCase{0, 1.05f}, SpeedCase{2.5, 1.05f},
                                           SpeedCase{2.6, 1.09f}, SpeedCase{7.4, 1.09f},
                                           SpeedCase{7.5, 1.13f}, SpeedCase{12.5, 1.13f},
                                           SpeedCase{12.6, 1.0f}, SpeedCase{22, 1.0f},
                                           SpeedCase{30, 1.0f}));

TEST(KhalphaForSpeed, WidensTheSinglePrecisionEntry) {
    EXPECT_EQ(KhalphaForSpeed(1), 1.0499999523162842);
    EXPECT_EQ(KhalphaForSpeed(5), 1.090000033378601);
    EXPECT_EQ(KhalphaForSpeed(10), 1.1299999952316284);
}

}  // namespace
}  // namespace gearpair
