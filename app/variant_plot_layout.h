// The plot of the variants window without its painting: total mass against the smaller of the
// two check margins, one point per completed variant, the Pareto set's points joined in order
// of margin, pairs that cannot be made as crosses, the form's design as a star and the chosen
// variant framed; the variants that did not complete have no point and are counted in the
// legend. The axes' span and ticks, the plotting area in a widget, the pixel of a value, the
// point under a click, the marks' colours and the legend come from here for every painter.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/variant_search.h"

namespace gearpair {

struct PlotXY {
    double x = 0;
    double y = 0;
    friend bool operator==(const PlotXY&, const PlotXY&) = default;
};

// A rectangle in pixels, y downwards.
struct PlotRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
};

// Values shown across (margin, %) and up (mass, kg), ends on their ticks.
struct PlotSpan {
    double left = 0;
    double right = 1;
    double bottom = 0;
    double top = 1;
    double xStep = 1;
    double yStep = 1;
};

struct PlotTick {
    double value = 0;
    std::string label;  // with the decimals the step needs and a decimal comma
};

enum class PlotMark { Other, Unbuildable, Pareto, Current, Chosen, None };

struct PlotColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// The colour of a mark's fill or line; a rim is this colour darkened.
PlotColour MarkColour(PlotMark mark);
inline constexpr PlotColour kGridColour{225, 225, 225};

struct PlotLegendEntry {
    PlotMark mark;
    std::string text;
};

inline constexpr std::string_view kPlotTitle = "Масса передачи и меньший из запасов";
inline constexpr std::string_view kPlotXCaption = "Меньший из двух запасов, %";
inline constexpr std::string_view kPlotYCaption = "Масса пары, кг";

class VariantPlotLayout {
public:
    // Room around the plotting area for the title, the tick labels, the axis titles and the
    // legend, logical pixels.
    static constexpr double kLeftRoom = 64;
    static constexpr double kRightRoom = 18;
    static constexpr double kTopRoom = 30;
    static constexpr double kBottomRoom = 72;
    // A click picks a point no farther than this, logical pixels.
    static constexpr double kPickRadius = 12;

    // A completed variant's point: the smaller margin in per cent, the total mass in kg.
    struct Point {
        PlotXY value;
        std::size_t row;  // the variant's place in the search's list
    };

    // The points of `variants`, the form's design among them being `current`; none chosen.
    void SetVariants(std::span<const Variant> variants, std::optional<std::size_t> current);
    // Frames the chosen variant's point; none when it has no point.
    void SetChosen(std::optional<std::size_t> row);

    const std::vector<Point>& Others() const { return others_; }
    const std::vector<Point>& Unbuildable() const { return unbuildable_; }
    const std::vector<Point>& Pareto() const { return pareto_; }  // by margin ascending
    const std::optional<Point>& Current() const { return current_; }
    const std::optional<Point>& Chosen() const { return chosen_; }
    const PlotSpan& Span() const { return span_; }
    std::vector<PlotTick> XTicks() const;
    std::vector<PlotTick> YTicks() const;
    // The legend's entries in order: the unbuildable one only when there are such points, the
    // count of variants without a point (mark None) only when there are such.
    std::vector<PlotLegendEntry> Legend() const;

    // The plotting area of a widget `width` x `height` pixels with `scale` device pixels per
    // logical pixel.
    static PlotRect Area(double width, double height, double scale = 1);
    // The pixel of a value in the plotting area.
    PlotXY PixelOf(PlotXY value, const PlotRect& area) const;
    // The variant whose point is nearest to `pixel`, within the pick radius.
    std::optional<std::size_t> VariantAtPixel(PlotXY pixel, const PlotRect& area,
                                              double scale = 1) const;

private:
    std::vector<Point> others_;
    std::vector<Point> unbuildable_;
    std::vector<Point> pareto_;
    std::optional<Point> current_;
    std::optional<Point> chosen_;
    std::vector<Point> all_;  // every point, for the picking
    int notCompleted_ = 0;
    PlotSpan span_;
};

// The corners of a five-pointed star around `centre`, outer radius `outer`, first point up.
std::vector<PlotXY> StarCorners(PlotXY centre, double outer);

}  // namespace gearpair
