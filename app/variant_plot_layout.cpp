// The variant plot's layout.
#include "app/variant_plot_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numbers>

namespace gearpair {

namespace {

// A round tick step (1, 2 or 5 times a power of ten) giving about six intervals over `span`.
double TickStep(double span) {
    const double raw = std::max(span, 1e-9) / 6;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double normal = raw / magnitude;
    const double factor = normal < 1.5 ? 1 : normal < 3 ? 2 : normal < 7 ? 5 : 10;
    return factor * magnitude;
}

std::string TickLabel(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step)));
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string label = text;
    std::replace(label.begin(), label.end(), '.', ',');
    return label;
}

std::vector<PlotTick> Ticks(double from, double to, double step) {
    std::vector<PlotTick> ticks;
    const auto count = static_cast<int>(std::lround((to - from) / step));
    for (int i = 0; i <= count; ++i) {
        const double value = from + i * step;
        ticks.push_back({value, TickLabel(value, step)});
    }
    return ticks;
}

}  // namespace

PlotColour MarkColour(PlotMark mark) {
    switch (mark) {
        case PlotMark::Unbuildable:
            return {200, 40, 40};
        case PlotMark::Pareto:
            return {40, 90, 170};
        case PlotMark::Current:
            return {230, 120, 0};
        case PlotMark::Chosen:
            return {20, 160, 60};
        default:
            return {150, 150, 150};
    }
}

void VariantPlotLayout::SetVariants(std::span<const Variant> variants,
                                    std::optional<std::size_t> current) {
    others_.clear();
    unbuildable_.clear();
    pareto_.clear();
    all_.clear();
    current_.reset();
    chosen_.reset();
    notCompleted_ = 0;
    for (std::size_t i = 0; i < variants.size(); ++i) {
        const Variant& v = variants[i];
        if (!v.Completed()) {
            ++notCompleted_;
            continue;
        }
        const Point point{{100 * v.SmallerMargin(), v.masses.total}, i};
        (!v.buildable ? unbuildable_ : v.pareto ? pareto_ : others_).push_back(point);
        all_.push_back(point);
        if (current == i) current_ = point;
    }
    std::stable_sort(pareto_.begin(), pareto_.end(),
                     [](const Point& a, const Point& b) { return a.value.x < b.value.x; });

    // The axes span the points with a little room, from tick to tick.
    double left = std::numeric_limits<double>::infinity();
    double right = -left;
    double bottom = left;
    double top = -left;
    for (const Point& point : all_) {
        left = std::min(left, point.value.x);
        right = std::max(right, point.value.x);
        bottom = std::min(bottom, point.value.y);
        top = std::max(top, point.value.y);
    }
    if (all_.empty()) {
        left = bottom = 0;
        right = top = 1;
    }
    const double dx = std::max((right - left) * 0.05, 1.0);
    const double dy = std::max((top - bottom) * 0.05, 1.0);
    left = std::max(0.0, left - dx);  // a completed design has room
    right += dx;
    bottom = std::max(0.0, bottom - dy);
    top += dy;
    span_.xStep = TickStep(right - left);
    span_.yStep = TickStep(top - bottom);
    span_.left = std::floor(left / span_.xStep) * span_.xStep;
    span_.right = std::ceil(right / span_.xStep) * span_.xStep;
    span_.bottom = std::floor(bottom / span_.yStep) * span_.yStep;
    span_.top = std::ceil(top / span_.yStep) * span_.yStep;
}

void VariantPlotLayout::SetChosen(std::optional<std::size_t> row) {
    chosen_.reset();
    for (const Point& point : all_) {
        if (point.row == row) chosen_ = point;
    }
}

std::vector<PlotTick> VariantPlotLayout::XTicks() const {
    return Ticks(span_.left, span_.right, span_.xStep);
}

std::vector<PlotTick> VariantPlotLayout::YTicks() const {
    return Ticks(span_.bottom, span_.top, span_.yStep);
}

std::vector<PlotLegendEntry> VariantPlotLayout::Legend() const {
    std::vector<PlotLegendEntry> legend{{PlotMark::Other, "Варианты"}};
    if (!unbuildable_.empty()) legend.push_back({PlotMark::Unbuildable, "Изготовить нельзя"});
    legend.push_back({PlotMark::Pareto, "Множество Парето"});
    legend.push_back({PlotMark::Current, "Текущий вариант"});
    legend.push_back({PlotMark::Chosen, "Выбранный"});
    if (notCompleted_ > 0) {
        legend.push_back(
            {PlotMark::None, "Не рассчитано (нет точки): " + std::to_string(notCompleted_)});
    }
    return legend;
}

PlotRect VariantPlotLayout::Area(double width, double height, double scale) {
    return {kLeftRoom * scale, kTopRoom * scale,
            std::max(1.0, width - (kLeftRoom + kRightRoom) * scale),
            std::max(1.0, height - (kTopRoom + kBottomRoom) * scale)};
}

PlotXY VariantPlotLayout::PixelOf(PlotXY value, const PlotRect& area) const {
    return {area.left + (value.x - span_.left) / (span_.right - span_.left) * area.width,
            area.Bottom() - (value.y - span_.bottom) / (span_.top - span_.bottom) * area.height};
}

std::optional<std::size_t> VariantPlotLayout::VariantAtPixel(PlotXY pixel, const PlotRect& area,
                                                             double scale) const {
    std::optional<std::size_t> nearest;
    double best = kPickRadius * scale * kPickRadius * scale;
    for (const Point& point : all_) {
        const PlotXY at = PixelOf(point.value, area);
        const double distance =
            (at.x - pixel.x) * (at.x - pixel.x) + (at.y - pixel.y) * (at.y - pixel.y);
        if (distance <= best) {
            best = distance;
            nearest = point.row;
        }
    }
    return nearest;
}

std::vector<PlotXY> StarCorners(PlotXY centre, double outer) {
    std::vector<PlotXY> corners;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : outer * 0.45;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        corners.push_back(
            {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
    return corners;
}

}  // namespace gearpair
