// The variant plot's layout: which points go where, the axes' span and ticks, the pixels and
// the point under a click.
#include "app/variant_plot_layout.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

Variant Completed(double margin, double mass, bool pareto, bool buildable = true) {
    Variant v;
    v.end = QuietEnd::Completed;
    v.contactMargin = margin;
    v.bendingMargin = margin + 0.3;
    v.masses.total = mass;
    v.pareto = pareto;
    v.buildable = buildable;
    return v;
}

std::vector<std::string> Labels(const std::vector<PlotTick>& ticks) {
    std::vector<std::string> labels;
    for (const PlotTick& tick : ticks) labels.push_back(tick.label);
    return labels;
}

class Layout : public testing::Test {
protected:
    void SetUp() override {
        // Rows: Pareto, plain, Pareto, cannot be made, did not complete.
        const std::vector<Variant> variants = {
            Completed(0.30, 80, true), Completed(0.20, 90, false), Completed(0.10, 50, true),
            Completed(0.05, 40, false, false), Variant{}};
        layout.SetVariants(variants, 2);
    }
    VariantPlotLayout layout;
};

TEST_F(Layout, PointsByKindFrontByMarginLegendCountsTheRest) {
    ASSERT_EQ(layout.Pareto().size(), 2u);
    EXPECT_EQ(layout.Pareto()[0].row, 2u);
    EXPECT_EQ(layout.Pareto()[0].value, (PlotXY{10, 50}));
    EXPECT_EQ(layout.Pareto()[1].row, 0u);
    ASSERT_EQ(layout.Others().size(), 1u);
    EXPECT_EQ(layout.Others()[0].row, 1u);
    ASSERT_EQ(layout.Unbuildable().size(), 1u);
    EXPECT_EQ(layout.Unbuildable()[0].row, 3u);
    ASSERT_TRUE(layout.Current());
    EXPECT_EQ(layout.Current()->row, 2u);
    layout.SetChosen(4);  // no point
    EXPECT_FALSE(layout.Chosen());
    layout.SetChosen(1);
    ASSERT_TRUE(layout.Chosen());
    EXPECT_EQ(layout.Chosen()->value, (PlotXY{20, 90}));

    std::vector<std::string> legend;
    for (const PlotLegendEntry& entry : layout.Legend()) legend.push_back(entry.text);
    EXPECT_EQ(legend, (std::vector<std::string>{"Варианты", "Изготовить нельзя", "Множество Парето",
                                                "Текущий вариант", "Выбранный",
                                                "Не рассчитано (нет точки): 1"}));
}

TEST_F(Layout, AxesSpanThePointsWithRoomFromTickToTick) {
    // Margins 5 to 30 with 1,25 room: step 5 from 0 to 35; masses 40 to 90: step 10.
    const PlotSpan& span = layout.Span();
    EXPECT_EQ(span.left, 0);
    EXPECT_EQ(span.right, 35);
    EXPECT_EQ(span.bottom, 30);
    EXPECT_EQ(span.top, 100);
    EXPECT_EQ(Labels(layout.XTicks()),
              (std::vector<std::string>{"0", "5", "10", "15", "20", "25", "30", "35"}));
    EXPECT_EQ(Labels(layout.YTicks()),
              (std::vector<std::string>{"30", "40", "50", "60", "70", "80", "90", "100"}));

    // Light pairs: at least a kilogram of room, ticks of 0,5 kg with their decimal.
    const std::vector<Variant> light = {Completed(0.12, 1.0, true), Completed(0.15, 1.2, true)};
    layout.SetVariants(light, std::nullopt);
    EXPECT_EQ(Labels(layout.YTicks()),
              (std::vector<std::string>{"0,0", "0,5", "1,0", "1,5", "2,0", "2,5"}));
    EXPECT_FALSE(layout.Current());
}

TEST_F(Layout, PixelsAndPickingScaleWithTheScreen) {
    const PlotRect area = VariantPlotLayout::Area(400, 300);
    EXPECT_EQ(area.left, 64);
    EXPECT_EQ(area.top, 30);
    EXPECT_EQ(area.width, 318);
    EXPECT_EQ(area.height, 198);
    EXPECT_EQ(layout.PixelOf({0, 30}, area), (PlotXY{64, 228}));
    EXPECT_EQ(layout.PixelOf({35, 100}, area), (PlotXY{382, 30}));

    const PlotXY point = layout.PixelOf({10, 50}, area);
    EXPECT_EQ(layout.VariantAtPixel({point.x + 12, point.y}, area), 2u);
    EXPECT_EQ(layout.VariantAtPixel({point.x + 13, point.y}, area), std::nullopt);

    // Twice the pixels per logical pixel: the rooms and the radius double.
    const PlotRect large = VariantPlotLayout::Area(800, 600, 2);
    EXPECT_EQ(large.left, 128);
    EXPECT_EQ(large.height, 396);
    const PlotXY scaled = layout.PixelOf({10, 50}, large);
    EXPECT_EQ(layout.VariantAtPixel({scaled.x + 24, scaled.y}, large, 2), 2u);
    EXPECT_EQ(layout.VariantAtPixel({scaled.x + 25, scaled.y}, large, 2), std::nullopt);
}

}  // namespace
}  // namespace gearpair
