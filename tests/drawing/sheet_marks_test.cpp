// The sheet flattened for the vector files: the axes' dash-dot pieces, arcs as Béziers, texts
// placed by their anchors, and the numbers as the files write them.
#include "drawing/sheet_marks.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

// 12 mm dashes and 3 mm gaps with a dot as long as the thin line is wide, in mm of paper.
TEST(SheetMarks, AxisDashDotPiecesInMillimetresOfPaper) {
    using Pieces = std::vector<std::pair<double, double>>;
    EXPECT_EQ(DashDotPieces(40),
              (Pieces{{0, 12}, {15, 15.25}, {18.25, 30.25}, {33.25, 33.5}, {36.5, 40}}));
    EXPECT_EQ(DashDotPieces(14), (Pieces{{0, 12}}));
    Sheet sheet;
    sheet.items = {{Layer::Axis, Line{{0, 5}, {20, 5}}}};
    const std::vector<Mark> marks = SheetMarks(sheet);
    ASSERT_EQ(marks.size(), 3u);
    const auto& dot = std::get<PathMark>(marks[1]);
    EXPECT_EQ(dot.steps[0].points[0].x, 15);
    EXPECT_EQ(dot.steps[1].points[0].x, 15.25);
    EXPECT_EQ(dot.width, kThinWidth);
}

TEST(SheetMarks, ArcsAreQuarterBeziersOnTheCircle) {
    Sheet sheet;
    sheet.items = {{Layer::Contour, Arc{{10, 10}, 5, 270, 90}}};  // through 0 degrees
    const auto path = std::get<PathMark>(SheetMarks(sheet).at(0));
    EXPECT_EQ(path.width, kThickWidth);
    ASSERT_EQ(path.steps.size(), 3u);
    EXPECT_NEAR(path.steps[0].points[0].y, 5, 1e-12);
    const Point* first = path.steps[1].points;
    EXPECT_NEAR(first[0].x, 10 + 5 * 0.5522847498, 1e-9);  // 4/3 tan(22.5°) of the radius
    EXPECT_NEAR(first[0].y, 5, 1e-12);
    EXPECT_NEAR(first[2].x, 15, 1e-12);
    EXPECT_NEAR(first[2].y, 10, 1e-12);
    EXPECT_NEAR(path.steps[2].points[2].y, 15, 1e-12);
}

// DejaVu Sans: 2048 units to the em, capitals 1493 tall; "Ø" 1612 wide, digits 1303.
TEST(SheetMarks, TextsSitOnTheirAnchorsAtTheWidthTheLayoutMeasured) {
    const TextMark centred = PlaceText(Text{{100, 50}, "Ø22", 3.5, Anchor::BottomCentre, 90});
    EXPECT_NEAR(centred.size, 3.5 * 2048 / 1493, 1e-12);
    EXPECT_EQ(centred.stretch, 0.8);
    EXPECT_NEAR(centred.origin.x, 100, 1e-12);
    EXPECT_NEAR(centred.origin.y, 50 - 0.8 * 3.5 * (1612 + 2 * 1303) / 1493 / 2, 1e-12);
    // Middle anchors drop half the capital height.
    const TextMark right = PlaceText(Text{{100, 50}, "1", 5, Anchor::MiddleRight, 0});
    EXPECT_NEAR(right.origin.x, 100 - 0.8 * 5 * 1303 / 1493, 1e-12);
    EXPECT_NEAR(right.origin.y, 47.5, 1e-12);
}

TEST(SheetMarks, NumbersHaveFourDecimalsAtMostAndNoNegativeZero) {
    EXPECT_EQ(MarkNumber(594), "594");
    EXPECT_EQ(MarkNumber(2.8346456692913), "2.8346");
    EXPECT_EQ(MarkNumber(-0.00001), "0");
    EXPECT_EQ(MarkNumber(-12.50005), "-12.5001");
    EXPECT_EQ(MarkNumber(0.25), "0.25");
}

}  // namespace
}  // namespace gearpair
