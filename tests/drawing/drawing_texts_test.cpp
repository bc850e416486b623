// Texts of sizes and angles as the sheets write them.
#include "drawing/drawing_texts.h"

#include <gtest/gtest.h>

#include "core/numbers.h"
#include "drawing/gear_tables.h"
#include "engine/design_inputs.h"

namespace gearpair {
namespace {

TEST(DrawingTexts, SizesToHundredthsWithTheCommaAndNoTrailingZeros) {
    EXPECT_EQ(SizeText(300.567), "300,57");
    EXPECT_EQ(SizeText(100.004), "100");
    EXPECT_EQ(SizeText(2.5), "2,5");
    EXPECT_EQ(SizeText(0.005), "0,01");
    EXPECT_EQ(SizeText(99.995), "100");
    EXPECT_EQ(DiameterText(77.4649), "Ø77,46");
    EXPECT_EQ(ChamferText(3), "3×45°");
    EXPECT_EQ(DecimalText(294.5744, 3), "294,574");
    EXPECT_EQ(DecimalText(1.125, 3), "1,125");
    EXPECT_EQ(DecimalText(0.05, 3), "0,05");
}

TEST(DrawingTexts, AnglesShowOnlyTheMinutesAndSecondsTheyHave) {
    EXPECT_EQ(AngleText(14), "14°");
    EXPECT_EQ(AngleText(14.5), "14°30′");
    EXPECT_EQ(AngleText(14 + 30 / 60.0 + 15 / 3600.0), "14°30′15″");
    EXPECT_EQ(AngleText(8 + 15 / 3600.0), "8°0′15″");
    EXPECT_EQ(AngleText(14.99999), "15°");  // rounded to the second, carried into degrees
}

TEST(DrawingTexts, EveryHelixOfTheListReadsBackAsEnteredFromTheRecordsRadians) {
    for (const std::string_view helix : kHelixTexts) {
        TGearDesign d;
        d.betta = TextToFloat(helix, ',') * kRadiansPerDegree;
        EXPECT_EQ(AngleText(HelixDegrees(d)), std::string(helix) + "°");
    }
}

}  // namespace
}  // namespace gearpair
