// The light and medium series of ГОСТ 8338-75 against the standard, row by row, and the
// look-up by bore.
#include "engine/ball_bearings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gearpair {
namespace {

struct Row {
    const char* designation;
    double d, D, B, r;  // mm
    double C, C0;       // N
};

// ГОСТ 8338-75, edition of September 2003 with amendment No. 1: d, D, B, r from tables 5 and 6,
// C and C0 (given there in N) from tables 5 and 6 of the reference appendix, transcribed again
// from the standard for this test.
const std::vector<Row> kLight = {
    {"200", 10, 30, 9, 1.0, 5900, 2650},        {"201", 12, 32, 10, 1.0, 6890, 3100},
    {"202", 15, 35, 11, 1.0, 7800, 3550},       {"203", 17, 40, 12, 1.0, 9560, 4500},
    {"204", 20, 47, 14, 1.5, 12700, 6200},      {"205", 25, 52, 15, 1.5, 14000, 6950},
    {"206", 30, 62, 16, 1.5, 19500, 10000},     {"207", 35, 72, 17, 2.0, 25500, 13700},
    {"208", 40, 80, 18, 2.0, 32000, 17800},     {"209", 45, 85, 19, 2.0, 33200, 18600},
    {"210", 50, 90, 20, 2.0, 35100, 19800},     {"211", 55, 100, 21, 2.5, 43600, 25000},
    {"212", 60, 110, 22, 2.5, 52000, 31000},    {"213", 65, 120, 23, 2.5, 56000, 34000},
    {"214", 70, 125, 24, 2.5, 61800, 37500},    {"215", 75, 130, 25, 2.5, 66300, 41000},
    {"216", 80, 140, 26, 3.0, 70200, 45000},    {"217", 85, 150, 28, 3.0, 83200, 53000},
    {"218", 90, 160, 30, 3.0, 95600, 62000},    {"219", 95, 170, 32, 3.5, 108000, 69500},
    {"220", 100, 180, 34, 3.5, 124000, 79000},  {"221", 105, 190, 36, 3.5, 133000, 90000},
    {"222", 110, 200, 38, 3.5, 146000, 100000}, {"224", 120, 215, 40, 3.5, 156000, 112000},
    {"226", 130, 230, 40, 4.0, 156000, 112000}, {"228", 140, 250, 42, 4.0, 165000, 122000},
    {"230", 150, 270, 45, 4.0, 189000, 150000}, {"232", 160, 290, 48, 4.0, 200000, 165000},
    {"234", 170, 310, 52, 5.0, 240000, 209000}, {"236", 180, 320, 52, 5.0, 229000, 196000},
    {"238", 190, 340, 55, 5.0, 255000, 232000}, {"240", 200, 360, 58, 5.0, 270000, 250000},
    {"244", 220, 400, 65, 5.0, 296000, 290000}, {"248", 240, 440, 72, 5.0, 358000, 380000},
    {"252", 260, 480, 80, 6.0, 390000, 430000}, {"256", 280, 500, 80, 6.0, 416000, 480000},
};
const std::vector<Row> kMedium = {
    {"300", 10, 35, 11, 1.0, 8060, 3750},       {"301", 12, 37, 12, 1.5, 9750, 4650},
    {"302", 15, 42, 13, 1.5, 11400, 5400},      {"303", 17, 47, 14, 1.5, 13500, 6650},
    {"304", 20, 52, 15, 2.0, 15900, 7800},      {"305", 25, 62, 17, 2.0, 22500, 11400},
    {"306", 30, 72, 19, 2.0, 28100, 14600},     {"307", 35, 80, 21, 2.5, 33200, 18000},
    {"308", 40, 90, 23, 2.5, 41000, 22400},     {"309", 45, 100, 25, 2.5, 52700, 30000},
    {"310", 50, 110, 27, 3.0, 61800, 36000},    {"311", 55, 120, 29, 3.0, 71500, 41500},
    {"312", 60, 130, 31, 3.5, 81900, 48000},    {"313", 65, 140, 33, 3.5, 92300, 56000},
    {"314", 70, 150, 35, 3.5, 104000, 63000},   {"315", 75, 160, 37, 3.5, 112000, 72500},
    {"316", 80, 170, 39, 3.5, 124000, 80000},   {"317", 85, 180, 41, 4.0, 133000, 90000},
    {"318", 90, 190, 43, 4.0, 143000, 99000},   {"319", 95, 200, 45, 4.0, 153000, 110000},
    {"320", 100, 215, 47, 4.0, 174000, 132000}, {"321", 105, 225, 49, 4.0, 182000, 143000},
    {"322", 110, 240, 50, 4.0, 203000, 166000}, {"324", 120, 260, 55, 4.0, 217000, 180000},
    {"326", 130, 280, 58, 5.0, 229000, 193000}, {"328", 140, 300, 62, 5.0, 255000, 224000},
    {"330", 150, 320, 65, 5.0, 276000, 250000},
};

void ExpectSeries(BearingSeries series, const std::vector<Row>& rows) {
    const auto table = BallBearingSeries(series);
    ASSERT_EQ(table.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        const BallBearing& b = table[i];
        SCOPED_TRACE(row.designation);
        EXPECT_EQ(b.designation, row.designation);
        EXPECT_EQ(b.d, row.d);
        EXPECT_EQ(b.D, row.D);
        EXPECT_EQ(b.B, row.B);
        EXPECT_EQ(b.r, row.r);
        EXPECT_EQ(b.C, row.C);
        EXPECT_EQ(b.C0, row.C0);
    }
}

TEST(BallBearingSeries, EveryRowAsTheStandardGivesIt) {
    ExpectSeries(BearingSeries::Light, kLight);
    ExpectSeries(BearingSeries::Medium, kMedium);
}

// The last two digits of the designation code the bore: 00..03 are 10, 12, 15 and 17 mm,
// from 04 on the bore is five times the code; so the rows also ascend by bore.
TEST(BallBearingSeries, DesignationCodesTheBore) {
    const double smallBores[] = {10, 12, 15, 17};
    for (const BearingSeries series : {BearingSeries::Light, BearingSeries::Medium}) {
        double previous = 0;
        for (const BallBearing& b : BallBearingSeries(series)) {
            const int code = std::stoi(std::string(b.designation.substr(1)));
            EXPECT_EQ(b.d, code < 4 ? smallBores[code] : 5.0 * code) << b.designation;
            EXPECT_GT(b.d, previous) << b.designation;
            previous = b.d;
        }
    }
}

TEST(BallBearingFor, FindsTheExactBoreOnly) {
    const auto light = BallBearingFor(40, BearingSeries::Light);
    ASSERT_TRUE(light.has_value());
    EXPECT_EQ(light->designation, "208");
    const auto medium = BallBearingFor(40, BearingSeries::Medium);
    ASSERT_TRUE(medium.has_value());
    EXPECT_EQ(medium->designation, "308");
    EXPECT_FALSE(BallBearingFor(42, BearingSeries::Light));
    EXPECT_FALSE(BallBearingFor(40.0001, BearingSeries::Light));
    EXPECT_FALSE(BallBearingFor(280, BearingSeries::Medium));  // the medium table ends at 150
    EXPECT_EQ(BallBearingFor(280, BearingSeries::Light)->designation, "256");
}

}  // namespace
}  // namespace gearpair
