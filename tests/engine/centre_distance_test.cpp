// Centre-distance estimate, the standard series and the module rule.
#include <gtest/gtest.h>

#include "engine/gear_design.h"

namespace gearpair {
namespace {

using Lines = std::vector<std::string>;

GearSession EstimateInputs(double tkol, double Khbeta, double uz, double psiba, double Ghp) {
    GearSession session;
    TGearDesign& d = session.design;
    d.tkol = tkol;
    d.Khbeta = Khbeta;
    d.uz = uz;
    d.psiba = psiba;
    d.Ghp = Ghp;
    return session;
}

TEST(OpenProjectCalculation, WorkedExampleTakesTheNextSeriesValue) {
    GearSession session = EstimateInputs(1500, 1.05, 2.8, 0.5, 564);
    EXPECT_EQ(OpenProjectCalculation(session), 9);
    EXPECT_EQ(session.design.aw, 180);
    EXPECT_EQ(session.design.mn, 2.5);
    EXPECT_EQ(session.report.Lines(),
              (Lines{"Проектный расчёт", "Ориентировочно aw  176,630",
                     "Выбрано межосевое расстояние  180,000", "Выбран модуль  2,500",
                     "----------------------------------------------"}));

    session = EstimateInputs(100, 1.1, 4, 0.4, 500);
    EXPECT_EQ(OpenProjectCalculation(session), 5);
    EXPECT_EQ(session.report.Lines()[1], "Ориентировочно aw  88,077");
    EXPECT_EQ(session.design.mn, 1.5);
}

TEST(OpenProjectCalculation, SmallDriveTakesTheFirstSeriesValue) {
    GearSession session = EstimateInputs(0.16043, 1.03, 2.8, 0.5, 255.54);
    EXPECT_EQ(OpenProjectCalculation(session), 1);
    EXPECT_EQ(session.report.Lines()[1], "Ориентировочно aw  14,122");
    EXPECT_EQ(session.design.aw, 40);
    EXPECT_EQ(session.design.mn, 0.6);
}

TEST(OpenProjectCalculation, EstimateBeyondTheSeriesStopsAfterItsLine) {
    GearSession session = EstimateInputs(1e9, 1.1, 4, 0.4, 500);
    try {
        OpenProjectCalculation(session);
        FAIL();
    } catch (const DesignStop& stop) {
        EXPECT_EQ(stop.what(), std::string(kSeriesExhaustedMessage));
    }
    ASSERT_EQ(session.report.Lines().size(), 2u);
    EXPECT_EQ(session.report.Lines()[0], "Проектный расчёт");
}

struct PositionCase {
    double estimate;
    int position;
};

class SeriesPosition : public ::testing::TestWithParam<PositionCase> {};

TEST_P(SeriesPosition, IsStrictlyAboveTheEstimate) {
    EXPECT_EQ(SeriesPositionAbove(GetParam().estimate), GetParam().position)
        << "estimate " << GetParam().estimate;
}

INSTANTIATE_TEST_SUITE_P(Boundaries, SeriesPosition,
                         ::testing::Values(PositionCase{0, 1}, PositionCase{39.5, 1},
                                           PositionCase{40, 2}, PositionCase{99.99, 5},
                                           PositionCase{100, 6}, PositionCase{2433, 32},
                                           PositionCase{2499, 32}, PositionCase{2500, 33},
                                           PositionCase{1e12, 33}));

TEST(CentreDistanceAt, GivesEveryPositionOfTheSeriesAndNothingOutside) {
    constexpr int kSeries[32] = {40,  50,   63,   80,   100,  125,  140,  160,  180,  200, 225,
                                 250, 280,  315,  355,  400,  450,  500,  560,  630,  710, 800,
                                 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240, 2500};
    for (int position = 1; position <= 32; ++position) {
        EXPECT_EQ(CentreDistanceAt(position), kSeries[position - 1]) << "position " << position;
    }
    EXPECT_THROW(CentreDistanceAt(33), DesignStop);
    EXPECT_THROW(CentreDistanceAt(0), DesignStop);
}

struct ModuleCase {
    double aw;
    double mn;
};

class ModuleForDistance : public ::testing::TestWithParam<ModuleCase> {};

TEST_P(ModuleForDistance, IsTheLargestStandardModuleNotAboveOnePointFivePercent) {
    GearSession session;
    session.design.aw = GetParam().aw;
    EXPECT_EQ(SelectModule(session), GetParam().mn) << "aw " << GetParam().aw;
}

INSTANTIATE_TEST_SUITE_P(
    WholeSeries, ModuleForDistance,
    ::testing::Values(ModuleCase{40, 0.6}, ModuleCase{50, 0.7}, ModuleCase{63, 0.9},
                      ModuleCase{80, 1.125}, ModuleCase{100, 1.5}, ModuleCase{125, 1.75},
                      ModuleCase{140, 2.0}, ModuleCase{160, 2.25}, ModuleCase{180, 2.5},
                      ModuleCase{200, 3.0}, ModuleCase{225, 3.0}, ModuleCase{250, 3.5},
                      ModuleCase{280, 4.0}, ModuleCase{315, 4.5}, ModuleCase{355, 5.0},
                      ModuleCase{400, 6.0}, ModuleCase{450, 6.0}, ModuleCase{500, 7.0},
                      ModuleCase{560, 8.0}, ModuleCase{630, 9.0}, ModuleCase{710, 10.0},
                      ModuleCase{800, 12.0}, ModuleCase{900, 12.0}, ModuleCase{1000, 14.0},
                      ModuleCase{1120, 16.0}, ModuleCase{1250, 18.0}, ModuleCase{1400, 20.0},
                      ModuleCase{1600, 22.0}, ModuleCase{1800, 25.0}, ModuleCase{2000, 28.0},
                      ModuleCase{2240, 32.0}, ModuleCase{2500, 36.0}));

}  // namespace
}  // namespace gearpair
