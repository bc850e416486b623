// The text of a DIMENSION entity: the measured value kept live where the sheet writes it.
#include "drawing/dxf_dimensions.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(DimensionText, MeasuredValueStaysLiveUnlessTheSheetStatesAnotherSize) {
    Dimension d{DimensionKind::Linear, {}, {0, 0}, {77.4587, 0}, {}, {0, 10}, 0, "Ø77,46", false};
    EXPECT_EQ(DimensionTextOverride(d), "%%c<>");
    d.text = "Ø77,46H7(+0,030)";
    EXPECT_EQ(DimensionTextOverride(d), "%%c<>H7(+0,030)");
    d.text = "77,46";
    EXPECT_EQ(DimensionTextOverride(d), "");
    d.text = "Ø80H7(+0,030)";  // the accepted size, not the drawn one
    d.textOverride = true;
    EXPECT_EQ(DimensionTextOverride(d), "%%c80H7(+0,030)");
}

}  // namespace
}  // namespace gearpair
