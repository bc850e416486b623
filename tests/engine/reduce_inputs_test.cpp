// Input reduction: the default design of the input form and the failure cases.
#include <gtest/gtest.h>

#include "core/errors.h"
#include "engine/gear_design.h"

namespace gearpair {
namespace {

using Lines = std::vector<std::string>;

constexpr double kTight = 1e-9;  // relative tolerance for quantities derived in one formula

void ReduceDefaults(GearSession& session) {
    ReduceInputs(session, DesignInputs{"2,8", "6000", "86,3", "250", "15000", 4, "14"});
}

TEST(ReduceInputs, DefaultDesignOfTheInputForm) {
    GearSession session;
    ReduceDefaults(session);
    const TGearDesign& d = session.design;
    EXPECT_EQ(d.uz, 2.8);
    EXPECT_EQ(d.nw, 86.3);
    EXPECT_NEAR(d.nkol, 30.8214285714, 30.82 * kTight);
    EXPECT_NEAR(d.tw, 663.9140152, 663.9 * kTight);
    EXPECT_NEAR(d.tkol, 1858.9592426, 1859 * kTight);
    EXPECT_EQ(d.hkol, 250);
    EXPECT_EQ(d.hw, 280);
    EXPECT_EQ(d.t, 15000);
    EXPECT_EQ(d.psiba, 0.5);
    EXPECT_EQ(d.betta, 14);
    EXPECT_DOUBLE_EQ(d.psibd, 0.95);
    EXPECT_EQ(
        session.report.Lines(),
        (Lines{"Введённые значения", "uz  2,800", "tw   663,914", "tkol  1858,959", "nw  86,300",
               "nkol  30,821", "betta  14,000", "psibd  0,950", "t  15000,000", "hw  280,000",
               "hkol  250,000", "psiba  0,500", "----------------------------------------------"}));
}

TEST(ReduceInputs, AppendsASecondSectionUnlessCleared) {
    GearSession session;
    ReduceDefaults(session);
    ReduceDefaults(session);
    EXPECT_EQ(session.report.Lines().size(), 26u);
    EXPECT_EQ(session.report.Lines()[13], "Введённые значения");
}

TEST(ReduceInputs, PinionHardnessFollowsTheWheel) {
    GearSession session;
    ReduceInputs(session, DesignInputs{"2,8", "6000", "86,3", "320", "15000", 4, "14"});
    EXPECT_EQ(session.design.hw, 350);
    ReduceInputs(session, DesignInputs{"2,8", "6000", "86,3", "320,5", "15000", 4, "14"});
    EXPECT_EQ(session.design.hw, 350.5);
}

TEST(ReduceInputs, WidthCoefficientsFromTheTable) {
    GearSession session;
    ReduceInputs(session, DesignInputs{"2", "6000", "86,3", "250", "15000", 0, "14"});
    EXPECT_EQ(session.design.psiba, 0.315);
    EXPECT_DOUBLE_EQ(session.design.psibd, 0.4725);
    ReduceInputs(session, DesignInputs{"7,1", "6000", "86,3", "250", "15000", 6, "14"});
    EXPECT_EQ(session.design.psiba, 0.63);
    EXPECT_DOUBLE_EQ(session.design.psibd, 2.5515);
}

// The width list's index comes from a list; one outside it is refused, not ignored, so
// that no run goes on with the previous run's coefficient.
TEST(ReduceInputs, WidthIndexOutsideTheListIsRejected) {
    GearSession session;
    ReduceInputs(session, DesignInputs{"2,8", "6000", "86,3", "250", "15000", 2, "14"});
    session.report.Clear();
    for (const int index : {-1, 7}) {
        try {
            ReduceInputs(session, DesignInputs{"2,8", "6000", "86,3", "250", "15000", index, "14"});
            FAIL() << "accepted index " << index;
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(),
                         "Значение может быть одним из: 0,315; 0,355; 0,4; 0,45; 0,5; 0,56; 0,63");
        }
    }
    EXPECT_TRUE(session.report.Lines().empty());
}

TEST(ReduceInputs, BlanksAroundAnInputAreAccepted) {
    GearSession session;
    ReduceInputs(session, DesignInputs{"2,8", "6000", " 86,3 ", "250", "15000", 4, "14"});
    EXPECT_EQ(session.design.nw, 86.3);
}

TEST(ReduceInputs, FirstBadTextStopsTheStepWithoutReportLines) {
    GearSession session;
    ReduceDefaults(session);
    session.report.Clear();
    try {
        ReduceInputs(session, DesignInputs{"2", "5000", "86.3", "abc", "15000", 4, "14"});
        FAIL() << "accepted 86.3";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'86.3' is not a valid floating point value");
    }
    EXPECT_EQ(session.design.uz, 2);      // converted before the failure
    EXPECT_EQ(session.design.nw, 86.3);   // kept from the earlier run
    EXPECT_EQ(session.design.hkol, 250);  // later fields keep their old values
    EXPECT_TRUE(session.report.Lines().empty());
}

TEST(ReduceInputs, ZeroRatioOrSpeedIsAFloatingPointError) {
    GearSession session;
    try {
        ReduceInputs(session, DesignInputs{"0", "6000", "86,3", "250", "15000", 4, "14"});
        FAIL();
    } catch (const FloatError& error) {
        EXPECT_STREQ(error.what(), "Floating point division by zero");
    }
    try {
        ReduceInputs(session, DesignInputs{"2,8", "6000", "0", "250", "15000", 4, "14"});
        FAIL();
    } catch (const FloatError& error) {
        EXPECT_STREQ(error.what(), "Floating point division by zero");
    }
    EXPECT_TRUE(session.report.Lines().empty());
}

}  // namespace
}  // namespace gearpair
