// Centre-distance estimate, the standard series and the module rule.
#include <gtest/gtest.h>

#include "engine/gear_design.h"
#include "tests/engine/standard_series.h"

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

// Every position of the series, and for each centre distance its module.
TEST(CentreDistanceAt, GivesEveryPositionOfTheSeriesWithItsModule) {
    for (int position = 1; position <= 32; ++position) {
        const testing::SeriesEntry& entry = testing::kStandardSeries[position - 1];
        EXPECT_EQ(CentreDistanceAt(position), entry.aw) << "position " << position;
        GearSession session;
        session.design.aw = entry.aw;
        EXPECT_EQ(SelectModule(session), entry.mn) << "aw " << entry.aw;
    }
    EXPECT_THROW(CentreDistanceAt(33), DesignStop);
    EXPECT_THROW(CentreDistanceAt(0), DesignStop);
}

}  // namespace
}  // namespace gearpair
