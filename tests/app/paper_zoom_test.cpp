// The zoom of a sheet in a view: fitted with its margin, zoomed about a point within its
// limits, moved, and fitted again on resizing only while fitted.
#include "app/paper_zoom.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(PaperZoom, FitZoomAboutAPointLimitsPanAndResize) {
    PaperZoom zoom;
    zoom.Resize(424, 324);
    zoom.SetPaper(400, 300);
    EXPECT_TRUE(zoom.IsFitted());
    EXPECT_EQ(zoom.Scale(), 1.0);
    EXPECT_EQ(zoom.Origin().x, 12.0);
    EXPECT_EQ(zoom.Origin().y, 12.0);

    // The paper's point (100, 100) stays under the cursor.
    zoom.ZoomAt({112, 112}, 2);
    EXPECT_FALSE(zoom.IsFitted());
    EXPECT_EQ(zoom.Scale(), 2.0);
    EXPECT_EQ(zoom.Origin().x, -88.0);
    EXPECT_EQ(zoom.PaperAt({112, 112}).x, 100.0);
    EXPECT_EQ(zoom.PaperAt({112, 112}).y, 100.0);

    zoom.ZoomAt({0, 0}, 0.01);
    EXPECT_EQ(zoom.Scale(), 0.25);  // a quarter of the fitted zoom
    zoom.ZoomAt({0, 0}, 1000);
    EXPECT_EQ(zoom.Scale(), PaperZoom::kMaxScale);

    // A zoomed view keeps its zoom when resized; Fit takes the new size.
    zoom.Resize(848, 648);
    EXPECT_EQ(zoom.Scale(), PaperZoom::kMaxScale);
    zoom.Fit();
    EXPECT_DOUBLE_EQ(zoom.Scale(), 824.0 / 400);
    EXPECT_DOUBLE_EQ(zoom.Origin().x, 12.0);
    EXPECT_DOUBLE_EQ(zoom.Origin().y, 15.0);
    // A fitted one is fitted again.
    zoom.Resize(424, 324);
    EXPECT_EQ(zoom.Scale(), 1.0);

    zoom.Pan(5, -3);
    EXPECT_FALSE(zoom.IsFitted());
    EXPECT_DOUBLE_EQ(zoom.Origin().x, 17.0);
    EXPECT_DOUBLE_EQ(zoom.Origin().y, 9.0);
}

}  // namespace
}  // namespace gearpair
