// The choice of scale, then format.
#include "drawing/sheet_format.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

std::string Chosen(const ViewsExtent& views, double tip) {
    const auto layout = ChooseLayout(views, tip, SheetFurniture{13, 4});
    if (!layout) return "none";
    return std::string(layout->format.name) + " " + std::string(layout->scale.text);
}

TEST(SheetLayout, ScaleFirstThenTheSmallestFormat) {
    // 1:1 where A1 holds it, on the smallest format that does.
    EXPECT_EQ(Chosen({100, 40, 50, 30}, 60), "A4 1:1");
    EXPECT_EQ(Chosen({300, 250, 50, 30}, 250), "A2 1:1");
    // Too large for A1 at 1:1: the largest reduction at which A1 holds it.
    EXPECT_EQ(Chosen({1000, 800, 50, 30}, 800), "A1 1:2");
    // Small parts enlarged to the smallest enlargement that shows the tip at 50 mm.
    EXPECT_EQ(Chosen({30, 20, 50, 18}, 20), "A4 2,5:1");
    EXPECT_EQ(Chosen({20, 13, 50, 18}, 13), "A4 4:1");
    EXPECT_EQ(Chosen({20, 8, 50, 30}, 8), "A4 5:1");
    EXPECT_EQ(Chosen({40000, 4000, 100, 26}, 4000), "none");
}

// A bore under 20 mm on paper: its local view at the smallest standard scale that shows it
// at 20 mm, at most 5:1; the arrow's room then widens the views.
TEST(SheetLayout, SmallBoresEnlargedInTheirLocalView) {
    LocalViewExtent local;
    const auto scale = [&local](double bore, double sheet) {
        local.bore = bore;
        return local.Scale(sheet);
    };
    EXPECT_EQ(scale(20, 1), 1);
    EXPECT_EQ(scale(17, 1), 2);
    EXPECT_EQ(scale(6, 1), 4);
    EXPECT_EQ(scale(3, 1), 5);
    EXPECT_EQ(scale(8, 2), 2.5);
    EXPECT_EQ(scale(100, 0.1), 0.2);
    local = LocalViewExtent{6, 5, 2, 30, 40, 16, 6, 30};
    // The text above reaches 40 mm left of the view's axis part, over 2 mm of it at its scale.
    EXPECT_EQ(local.Width(1), (40 - 2 * 4) + 2 * 5 * 4 + 16 + kViewArrowRoom);
    local.bore = 20;
    EXPECT_EQ(local.Width(1), (40 - 2) + 2 * 5 + 16);
}

TEST(SheetLayout, TheFreeAreaStaysClearOfTableRequirementsTitleBlockAndGraph26) {
    const SheetFurniture furniture{13, 4};
    for (double width : {60.0, 150.0, 400.0}) {
        const auto layout = ChooseLayout({width, 100, 50, 30}, 100, furniture);
        ASSERT_TRUE(layout);
        const Box frame = InnerFrame(layout->format);
        EXPECT_TRUE(frame.Contains(layout->viewsArea));
        EXPECT_FALSE(layout->viewsArea.Overlaps(TableBox(frame, 13)));
        EXPECT_FALSE(layout->viewsArea.Overlaps(TitleBlockBox(frame)));
        EXPECT_FALSE(layout->viewsArea.Overlaps(RequirementsBox(frame, 4)));
        EXPECT_FALSE(layout->viewsArea.Overlaps(Graph26Box(frame)));
    }
}

// A tall main view with a short local view beside it, too large for any free rectangle of A3
// as one box (250 x 215 mm): the main view reaches down beside the title block's column and
// the local view stands above the requirements, each clear of everything.
TEST(SheetLayout, MainViewBesideTheTitleBlockLocalViewAboveTheRequirements) {
    ViewsExtent views{71, 163, 60, 52, 17};
    views.local = LocalViewExtent{40, 20, 14, 30, 0, 16, 21.6, 33};
    const SheetFurniture furniture{13, 3};
    EXPECT_EQ(views.Width(1), 71 + 60 + 30 + 40 + 16);
    EXPECT_EQ(views.Height(1), 81.5 + 35 + 81.5 + 17);
    const auto layout = ChooseLayout(views, 163, furniture);
    ASSERT_TRUE(layout);
    EXPECT_EQ(std::string(layout->format.name) + " " + std::string(layout->scale.text), "A3 1:1");
    const Box frame = InnerFrame(layout->format);
    const Box& area = layout->viewsArea;
    const double axis = area.bottom + 81.5 + 17;
    const Box main{area.left, area.bottom, area.left + 131, axis + 81.5 + 35};
    const Box local{area.left + 131, axis - 25, area.right, axis + 21.6 + 33};
    for (const Box& view : {main, local}) {
        EXPECT_TRUE(frame.Contains(view));
        EXPECT_FALSE(view.Overlaps(TableBox(frame, 13)));
        EXPECT_FALSE(view.Overlaps(RequirementsBox(frame, 3)));
        EXPECT_FALSE(view.Overlaps(TitleBlockBox(frame)));
        EXPECT_FALSE(view.Overlaps(Graph26Box(frame)));
    }
}

}  // namespace
}  // namespace gearpair
