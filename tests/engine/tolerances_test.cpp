// Standard tolerance grades, limit deviations and their texts on the drawings.
#include "engine/tolerances.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

namespace gearpair {
namespace {

// ISO 286-1:2010 Table 1: up to and including (mm), IT7, IT9, IT11, IT14 (µm).
constexpr std::array<std::array<int, 5>, 21> kTable1 = {{
    {3, 10, 25, 60, 250},        {6, 12, 30, 75, 300},         {10, 15, 36, 90, 360},
    {18, 18, 43, 110, 430},      {30, 21, 52, 130, 520},       {50, 25, 62, 160, 620},
    {80, 30, 74, 190, 740},      {120, 35, 87, 220, 870},      {180, 40, 100, 250, 1000},
    {250, 46, 115, 290, 1150},   {315, 52, 130, 320, 1300},    {400, 57, 140, 360, 1400},
    {500, 63, 155, 400, 1550},   {630, 70, 175, 440, 1750},    {800, 80, 200, 500, 2000},
    {1000, 90, 230, 560, 2300},  {1250, 105, 260, 660, 2600},  {1600, 125, 310, 780, 3100},
    {2000, 150, 370, 920, 3700}, {2500, 175, 440, 1100, 4400}, {3150, 210, 540, 1350, 5400},
}};

TEST(StandardTolerance, EveryCellAtBothEdgesOfItsSizeRange) {
    constexpr std::array<ToleranceGrade, 4> grades = {ToleranceGrade::IT7, ToleranceGrade::IT9,
                                                      ToleranceGrade::IT11, ToleranceGrade::IT14};
    double over = 0;
    for (const auto& row : kTable1) {
        const double justOver = std::nextafter(over, std::numeric_limits<double>::infinity());
        for (std::size_t g = 0; g < grades.size(); ++g) {
            SCOPED_TRACE(testing::Message() << "up to " << row[0] << ", column " << g);
            EXPECT_EQ(StandardTolerance(grades[g], justOver), row[g + 1]);
            EXPECT_EQ(StandardTolerance(grades[g], row[0]), row[g + 1]);
        }
        over = row[0];
    }
    EXPECT_EQ(StandardTolerance(ToleranceGrade::IT7, std::nextafter(3150.0, 4000.0)), std::nullopt);
    EXPECT_EQ(StandardTolerance(ToleranceGrade::IT7, 0), std::nullopt);
    EXPECT_EQ(StandardTolerance(ToleranceGrade::IT7, std::nan("")), std::nullopt);
}

// The default design's wheel: bore 80, key 22 x 14 with t2 5,4, tip 300,574.
TEST(Deviations, DefaultWheelAsTheDrawingWritesThem) {
    EXPECT_EQ(WithDeviations("40", LimitDeviations{200, -100}, 1, false), "40+0,2/-0,1");
    // Beyond 3150 mm no grade at all.
    EXPECT_EQ(ShaftH11(3200), std::nullopt);

    const BoreTexts bore = BoreToleranceTexts(80);
    EXPECT_EQ(bore.bore, "Ø80H7(+0,030)");
    EXPECT_EQ(bore.keywayWidth, "22Js9(±0,026)");
    EXPECT_EQ(bore.hubDepth, "85,4+0,2");
    EXPECT_EQ(TipDiameterText(300.5736434108527, 3), "Ø300,574h11(-0,320)");
    // Beyond the table's last size the tolerance field's symbol alone.
    EXPECT_EQ(TipDiameterText(4461.25, 2), "Ø4461,25h11");
    EXPECT_EQ(BoreToleranceTexts(3200).bore, "Ø3200H7");
    EXPECT_EQ(BoreToleranceTexts(400).hubDepth, "417,4+0,3");
    EXPECT_EQ(BoreToleranceTexts(5).keywayWidth, "");
}

// Every row of the key table by its largest bore: the width with Js9, an odd IT9 (widths 2, 3,
// 12 to 18, 90 and 100) halved down to the even micrometre.
TEST(Deviations, EveryKeywayWidthCarriesItsJs9) {
    constexpr std::array<std::pair<double, std::string_view>, 26> rows = {{
        {8, "2Js9(±0,012)"},    {10, "3Js9(±0,012)"},    {12, "4Js9(±0,015)"},
        {17, "5Js9(±0,015)"},   {22, "6Js9(±0,015)"},    {30, "8Js9(±0,018)"},
        {38, "10Js9(±0,018)"},  {44, "12Js9(±0,021)"},   {50, "14Js9(±0,021)"},
        {58, "16Js9(±0,021)"},  {65, "18Js9(±0,021)"},   {75, "20Js9(±0,026)"},
        {85, "22Js9(±0,026)"},  {95, "25Js9(±0,026)"},   {110, "28Js9(±0,026)"},
        {130, "32Js9(±0,031)"}, {150, "36Js9(±0,031)"},  {170, "40Js9(±0,031)"},
        {200, "45Js9(±0,031)"}, {230, "50Js9(±0,031)"},  {260, "56Js9(±0,037)"},
        {290, "63Js9(±0,037)"}, {330, "70Js9(±0,037)"},  {380, "80Js9(±0,037)"},
        {440, "90Js9(±0,043)"}, {500, "100Js9(±0,043)"},
    }};
    for (const auto& [bore, width] : rows) {
        SCOPED_TRACE(bore);
        EXPECT_EQ(BoreToleranceTexts(bore).keywayWidth, width);
    }
}

TEST(Deviations, HubDepthByKeyHeightAtTheBandEdges) {
    const auto upper = [](double h) { return HubDepthDeviation(h)->upper; };
    EXPECT_EQ(upper(2), 100);
    EXPECT_EQ(upper(6), 100);
    EXPECT_EQ(upper(std::nextafter(6.0, 7.0)), 200);
    EXPECT_EQ(upper(18), 200);
    EXPECT_EQ(upper(std::nextafter(18.0, 19.0)), 300);
    EXPECT_EQ(upper(50), 300);
    EXPECT_EQ(HubDepthDeviation(std::nextafter(2.0, 0.0)), std::nullopt);
    EXPECT_EQ(HubDepthDeviation(std::nextafter(50.0, 51.0)), std::nullopt);
}

}  // namespace
}  // namespace gearpair
