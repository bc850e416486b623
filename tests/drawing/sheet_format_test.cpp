// The choice of format and scale.
#include "drawing/sheet_format.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

std::string Chosen(const ViewsExtent& views) {
    const auto layout = ChooseLayout(views, 3);
    if (!layout) return "none";
    return std::string(layout->format.name) + " " + std::string(layout->scale.text);
}

TEST(SheetLayout, SmallestFormatThenLargestScaleThatHoldsTheViews) {
    EXPECT_EQ(Chosen({20, 10, 50, 20, 0}), "A4 5:1");
    EXPECT_EQ(Chosen({1000, 300, 100, 26, 0}), "A4 1:15");
    EXPECT_EQ(Chosen({20000, 4000, 100, 26, 0}), "A2 1:50");
    EXPECT_EQ(Chosen({40000, 4000, 100, 26, 0}), "none");
}

TEST(SheetLayout, AnIllegibleScaleMovesTheViewsToALargerFormat) {
    // A 3 mm chamfer needs 1:2.5 at least: A2 instead of A4 at 1:15.
    EXPECT_EQ(Chosen({1000, 300, 100, 26, 1 / 3.0}), "A2 1:2,5");
    // Where no format holds it legibly, the largest format at the largest scale that fits.
    EXPECT_EQ(Chosen({20000, 4000, 100, 26, 1 / 3.0}), "A1 1:40");
}

TEST(SheetLayout, TheFreeAreaStaysClearOfTableRequirementsAndTitleBlock) {
    const auto layout = ChooseLayout({20, 10, 50, 20, 0}, 3);
    ASSERT_TRUE(layout);
    const Box frame = InnerFrame(layout->format);
    EXPECT_TRUE(frame.Contains(layout->viewsArea));
    EXPECT_FALSE(layout->viewsArea.Overlaps(TableBox(frame)));
    EXPECT_FALSE(layout->viewsArea.Overlaps(TitleBlockBox(frame)));
    EXPECT_FALSE(layout->viewsArea.Overlaps(RequirementsBox(frame, 3)));
}

}  // namespace
}  // namespace gearpair
