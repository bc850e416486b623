// A window beside a dialog: the roomier side, the dialog moved aside when neither side has room,
// the window kept on the screen.
#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

// A frame of 8 x 30 pixels around a client of 960 x 680 at most, 320 wide at least, 8 apart.
constexpr BesideRule kRule{8, 30, 960, 680, 320, 8};

TEST(PlaceBeside, RoomierSideOrTheDialogMovesToTheOtherEdge) {
    // 294 pixels either side: the dialog goes to the left edge, the window takes the rest.
    BesidePlacement placed = PlaceBeside({0, 0, 1024, 768}, {302, 270, 420, 260}, kRule);
    EXPECT_EQ(placed.dialogAt, (ScreenPoint{0, 270}));
    EXPECT_EQ(placed.frame, (ScreenRect{428, 44, 596, 710}));

    // More room on the left: the window's right edge 8 pixels from the dialog, kept on screen.
    placed = PlaceBeside({0, 0, 2560, 1440}, {1800, 100, 400, 200}, kRule);
    EXPECT_EQ(placed.dialogAt, std::nullopt);
    EXPECT_EQ(placed.frame, (ScreenRect{824, 0, 968, 710}));

    // More room on the right; centred on the dialog, unless that would leave the screen below.
    placed = PlaceBeside({0, 0, 1920, 1080}, {100, 500, 400, 200}, kRule);
    EXPECT_EQ(placed.frame, (ScreenRect{508, 244, 968, 710}));
    placed = PlaceBeside({0, 0, 1920, 1080}, {100, 900, 400, 160}, kRule);
    EXPECT_EQ(placed.frame, (ScreenRect{508, 370, 968, 710}));
}

TEST(PlaceBeside, NoNarrowerThanTheLeastWidth) {
    // A dialog filling the screen leaves no room: the window keeps its least width, on the
    // screen over the dialog.
    const BesidePlacement placed = PlaceBeside({0, 0, 800, 600}, {0, 0, 800, 600}, kRule);
    EXPECT_EQ(placed.dialogAt, (ScreenPoint{0, 0}));
    EXPECT_EQ(placed.frame, (ScreenRect{472, 0, 328, 600}));
}

// A work area that does not start at the screen's corner: a taskbar of 100 pixels on the left,
// a second monitor left of the first. A dialog or form off the work area leaves the window on
// it.
TEST(WindowPlacement, OffsetWorkAreaKeepsTheWindowOnIt) {
    constexpr ScreenRect kWork{100, 0, 1820, 1040};
    // A dialog dragged off the work area to the left.
    BesidePlacement beside = PlaceBeside(kWork, {-500, 300, 420, 260}, kRule);
    EXPECT_EQ(beside.dialogAt, std::nullopt);
    EXPECT_EQ(beside.frame, (ScreenRect{108, 74, 968, 710}));
    // Partly under the taskbar: the window starts the gap after the dialog.
    beside = PlaceBeside(kWork, {-300, 300, 420, 260}, kRule);
    EXPECT_EQ(beside.frame, (ScreenRect{128, 74, 968, 710}));

    // The form on the second monitor, the work area the first one's.
    const FormSidePlacement form =
        PlaceBesideForm(kWork, {-1500, 400, 570, 270}, {600, 400}, {1240, 860});
    EXPECT_EQ(form.formAt, std::nullopt);
    EXPECT_EQ(form.frame, (ScreenRect{100, 0, 1240, 860}));
}

TEST(PlaceBesideForm, LargestSideThenTheFormInTheCornerThenTheWholeScreen) {
    constexpr ScreenPoint kLeast{600, 400};
    constexpr ScreenPoint kWanted{1240, 860};
    // 1920 x 1080 with the form near the left edge: the right side is the largest; the window
    // touches the form and is no larger than wanted.
    FormSidePlacement placed =
        PlaceBesideForm({0, 0, 1920, 1080}, {100, 400, 570, 270}, kLeast, kWanted);
    EXPECT_EQ(placed.formAt, std::nullopt);
    EXPECT_EQ(placed.frame, (ScreenRect{670, 0, 1240, 860}));
    // The form in the middle: the band below it is larger than either side.
    placed = PlaceBesideForm({0, 0, 1920, 1080}, {700, 400, 570, 270}, kLeast, kWanted);
    EXPECT_EQ(placed.frame, (ScreenRect{0, 670, 1240, 410}));
    // A form near the bottom of a tall screen: the band above it, ending at the form.
    placed = PlaceBesideForm({0, 0, 1920, 1200}, {700, 1000, 570, 150}, kLeast, kWanted);
    EXPECT_EQ(placed.frame, (ScreenRect{0, 140, 1240, 860}));
    // A form near the right edge: the left side, ending at the form.
    placed = PlaceBesideForm({0, 0, 1920, 1080}, {1300, 400, 570, 270}, kLeast, kWanted);
    EXPECT_EQ(placed.frame, (ScreenRect{60, 0, 1240, 860}));

    // 1024 x 768 with the form centred: no side has room, so the form goes to the corner and the
    // window below it.
    placed = PlaceBesideForm({0, 0, 1024, 768}, {227, 249, 570, 270}, kLeast, kWanted);
    EXPECT_EQ(placed.formAt, (ScreenPoint{0, 0}));
    EXPECT_EQ(placed.frame, (ScreenRect{0, 270, 1024, 498}));

    // 800 x 600: not even then; the window takes the screen.
    placed = PlaceBesideForm({0, 0, 800, 600}, {115, 165, 570, 270}, kLeast, kWanted);
    EXPECT_EQ(placed.formAt, (ScreenPoint{0, 0}));
    EXPECT_EQ(placed.frame, (ScreenRect{0, 0, 800, 600}));
}

}  // namespace
}  // namespace gearpair
