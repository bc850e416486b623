// Allowable contact and bending stresses: the default design and the life-factor limits.
#include <gtest/gtest.h>

#include "core/errors.h"
#include "engine/gear_design.h"

namespace gearpair {
namespace {

using Lines = std::vector<std::string>;

GearSession ReducedDefaults() {
    GearSession session;
    ReduceInputs(session, DesignInputs{"2,8", "6000", "86,3", "250", "15000", 4, "14"});
    session.report.Clear();
    return session;
}

TEST(AllowableContactStress, DefaultDesignSection) {
    GearSession session = ReducedDefaults();
    AllowableContactStress(session);
    EXPECT_NEAR(session.design.Ghp, 564.2319, 1e-4);
    EXPECT_EQ(session.report.Lines(),
              (Lines{"Допускаемые контактные напряжения", "Ghlimbw  630,000", "Ghlimbkol  570,000",
                     "Nhow  22402709,000", "Nhokol  17067789,000", "t  15000,000",
                     "Nhew  19495170,000", "Nhekol  6962560,700", "Khlw  1,023", "Khlkol  1,161",
                     "Ghpw  556,844", "Ghpkol  571,620", "Ghp  564,232",
                     "----------------------------------------------"}));
}

TEST(AllowableBendingStress, DefaultDesignSection) {
    GearSession session = ReducedDefaults();
    AllowableBendingStress(session);
    EXPECT_EQ(session.design.Gfpw, 252);
    EXPECT_EQ(session.design.Gfpkol, 225);
    EXPECT_EQ(session.report.Lines(),
              (Lines{"Допускаемые изгибные напряжения", "Gflimbw  504,000", "Gflimbkol  450,000",
                     "Nfew  15926389,000", "Nfekol  5687996,000", "Kflw  1,000", "Kflkol  1,000",
                     "Gfpw  252,000", "Gfpkol  225,000",
                     "----------------------------------------------"}));
}

TEST(AllowableContactStress, LifeFactorFallsBelowOneForManyCycles) {
    GearSession session;
    ReduceInputs(session, DesignInputs{"2,8", "6000", "10000", "250", "40000", 4, "14"});
    session.report.Clear();
    AllowableContactStress(session);
    const Lines& lines = session.report.Lines();
    EXPECT_EQ(lines[6], "Nhew  6,024E9");
    EXPECT_EQ(lines[8], "Khlw  0,394");
    EXPECT_LT(session.design.Ghp, 564);
}

TEST(AllowableBendingStress, LifeFactorRisesForFewCyclesAndStopsAtOne) {
    GearSession session;
    ReduceInputs(session, DesignInputs{"2,8", "6000", "1", "250", "10000", 4, "14"});
    session.report.Clear();
    AllowableBendingStress(session);
    const Lines& lines = session.report.Lines();
    EXPECT_EQ(lines[3], "Nfew  123031,200");
    EXPECT_EQ(lines[5], "Kflw  1,787");
    EXPECT_GT(session.design.Gfpw, 504 / 1.8 * 0.9);

    // 4000000 cycles: 0.205052 x t x 60 x n; t = 40000 and n = 8.128 give just above it.
    ReduceInputs(session, DesignInputs{"2,8", "6000", "8,13", "250", "40000", 4, "14"});
    session.report.Clear();
    AllowableBendingStress(session);
    EXPECT_EQ(session.report.Lines()[5], "Kflw  1,000");
    EXPECT_EQ(session.design.Gfpw, 252);
    ReduceInputs(session, DesignInputs{"2,8", "6000", "8,12", "250", "40000", 4, "14"});
    session.report.Clear();
    AllowableBendingStress(session);
    EXPECT_GT(session.design.Gfpw, 252);
}

TEST(AllowableStresses, ZeroLifeIsAFloatingPointError) {
    GearSession session;
    ReduceInputs(session, DesignInputs{"2,8", "6000", "86,3", "250", "0", 4, "14"});
    EXPECT_THROW(AllowableContactStress(session), FloatError);
}

}  // namespace
}  // namespace gearpair
