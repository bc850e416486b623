// Texts of sizes and angles as the sheets write them.
#include "drawing/drawing_texts.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(DrawingTexts, DiametersAndChamfersToHundredths) {
    EXPECT_EQ(DiameterText(77.4649), "Ø77,46");
    EXPECT_EQ(ChamferText(3), "3×45°");
}

TEST(DrawingTexts, AnglesInDegreesAndTwoDigitMinutesAndSeconds) {
    EXPECT_EQ(AngleText(8 + 6 / 60.0 + 35 / 3600.0), "8°06′35″");
    EXPECT_EQ(AngleText(9 + 22 / 60.0), "9°22′00″");
    EXPECT_EQ(AngleText(17 + 39 / 3600.0), "17°00′39″");
    EXPECT_EQ(AngleText(0), "0°00′00″");
    EXPECT_EQ(AngleText(14.99999), "15°00′00″");  // rounded to the second, carried into degrees
}

}  // namespace
}  // namespace gearpair
