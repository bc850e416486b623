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

// Three significant digits below 1 kg, where two decimals would lose the mass of a small part.
TEST(DrawingTexts, MassOfSmallPartsToThreeSignificantDigits) {
    EXPECT_EQ(MassText(0.0146), "0,0146");
    EXPECT_EQ(MassText(0.123), "0,123");
    EXPECT_EQ(MassText(0.10004), "0,1");
    EXPECT_EQ(MassText(0.99951), "1");
    EXPECT_EQ(MassText(1.234), "1,23");
    EXPECT_EQ(MassText(26.46), "26,5");
    EXPECT_EQ(MassText(123.4), "123");
}

}  // namespace
}  // namespace gearpair
