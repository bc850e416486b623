// Dimensions and hatches drawn as plain lines, arrowheads and texts.
#include "drawing/sheet_expand.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gearpair {
namespace {

// A loop inside another is a hole: no hatch line crosses it, and every line ends on a loop.
TEST(ExpandHatch, AnInnerLoopIsAHole) {
    Hatch hatch;
    hatch.loops = {{{0, 0}, {20, 0}, {20, 20}, {0, 20}}, {{5, 5}, {15, 5}, {15, 15}, {5, 15}}};
    hatch.spacing = 2;
    int lines = 0;
    for (const Item& item : ExpandHatch(hatch)) {
        const Line& line = std::get<Line>(item.shape);
        ++lines;
        EXPECT_EQ(item.layer, Layer::Hatch);
        EXPECT_NEAR(std::fabs(line.to.x - line.from.x), std::fabs(line.to.y - line.from.y), 1e-9);
        const Point middle{(line.from.x + line.to.x) / 2, (line.from.y + line.to.y) / 2};
        EXPECT_FALSE(middle.x > 5 && middle.x < 15 && middle.y > 5 && middle.y < 15);
    }
    // 45-degree lines 2 mm apart at odd distances from the origin's diagonal: 14 across the
    // square's 28,3 mm, the 8 of them within 7,07 mm of the middle split in two by the hole.
    EXPECT_EQ(lines, 22);
}

// A linear dimension measured in part millimetres lands on the paper through its view; a text
// moved beyond the arrows stands on the dimension line carried on under it.
TEST(ExpandDimension, PartPointsThroughTheViewAndAMovedTextOnTheCarriedLine) {
    Dimension d;
    d.view = ViewPlace{{100, 50}, 2};
    d.first = {-2, 10};
    d.second = {2, 10};
    d.line = {0, 20};
    d.text = "4";
    d.arrowsOutside = true;
    d.textShift = 20;
    double rightmost = 0;
    int arrows = 0;
    Point text{};
    for (const Item& item : ExpandDimension(d)) {
        if (const Line* line = std::get_if<Line>(&item.shape)) {
            if (item.layer == Layer::Dimension) {
                EXPECT_DOUBLE_EQ(line->from.y, 90);
                rightmost = std::max({rightmost, line->from.x, line->to.x});
            }
        } else if (std::holds_alternative<Polyline>(item.shape)) {
            ++arrows;
        } else {
            text = std::get<Text>(item.shape).at;
        }
    }
    EXPECT_EQ(arrows, 2);
    EXPECT_DOUBLE_EQ(text.x, 120);
    EXPECT_DOUBLE_EQ(text.y, 90 + kDimensionTextGap);
    // Half the printed width of "4": a digit of DejaVu Sans, 1303 units, narrowed to 0,8.
    EXPECT_NEAR(rightmost, 120 + 0.8 * 3.5 * 1303 / 1493 / 2, 1e-9);
}

}  // namespace
}  // namespace gearpair
