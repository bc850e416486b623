// Texts of sizes and angles as the sheets write them.
#include "drawing/drawing_texts.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(DrawingTexts, DiametersAndChamfersToHundredths) {
    EXPECT_EQ(DiameterText(77.4649), "Ø77,46");
    EXPECT_EQ(ChamferText(3), "3×45°");
}

TEST(DrawingTexts, AnglesShowOnlyTheMinutesAndSecondsTheyHave) {
    EXPECT_EQ(AngleText(14), "14°");
    EXPECT_EQ(AngleText(14.5), "14°30′");
    EXPECT_EQ(AngleText(14 + 30 / 60.0 + 15 / 3600.0), "14°30′15″");
    EXPECT_EQ(AngleText(8 + 15 / 3600.0), "8°0′15″");
    EXPECT_EQ(AngleText(14.99999), "15°");  // rounded to the second, carried into degrees
}

}  // namespace
}  // namespace gearpair
