// The local view of the bore: its contour, centre lines, the keyway width and the hub depth
// d + t2, and the roughness of the bore and the keyway's sides.
#include "drawing/local_view.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/gear_view_layout.h"
#include "drawing/sheet_expand.h"

namespace gearpair::gear_views {

namespace {

constexpr double kGapBetweenViews = 12;  // paper mm between the main and the local view

// The keyway sides' roughness mark stands this far above the keyway, over the depth's text
// where it goes up its line.
constexpr double kKeywayMarkRise = 25;

// Paper right of the local view: the d + t2 dimension and the keyway sides' roughness mark.
double LocalRightMargin() {
    return std::max(kFirstLevel + kTextRoom, kMarkRun + MarkLength(kKeywaySideRa) + 1);
}

}  // namespace

bool HasLocalView(const DrawnGear& g) {
    return !g.GearShaft() && g.part.keyway.has_value();
}

double LocalRadius(const GearPart& p) {
    return std::max(p.bore / 2, p.keyway->width / 2);
}

LocalViewExtent LocalExtent(const DrawnGear& g) {
    if (!HasLocalView(g)) return {};
    const GearPart& p = g.part;
    LocalViewExtent local;
    local.bore = p.bore;
    local.radius = LocalRadius(p);
    local.clearAbove = local.radius - p.keyway->width / 2;
    local.gap = std::max(kGapBetweenViews, kMarkRun + MarkLength(kBoreRa) + 3);
    local.textRun = 3 * kArrowLength + 2 + TextLength(KeywayWidthText(p));
    local.right = LocalRightMargin();
    local.top = p.KeywayRadius();
    local.aboveTop = kKeywayMarkRise + kRoughnessSignHeight + 1;
    return local;
}

void DrawLocalView(SheetPen& pen, const GearPart& p) {
    const double bore = p.bore / 2;
    const double half = p.keyway->width / 2;
    const double k = p.KeywayRadius();
    const double wall = std::sqrt(std::max(bore * bore - half * half, 0.0));
    const double alpha = std::atan2(wall, half) * 180 / std::numbers::pi;
    pen.DrawArc({0, 0}, bore, 180 - alpha, 360 + alpha);
    pen.DrawLine(Layer::Contour, {-half, wall}, {-half, k});
    pen.DrawLine(Layer::Contour, {-half, k}, {half, k});
    pen.DrawLine(Layer::Contour, {half, k}, {half, wall});
    // Centre lines from the centre outwards, so that they cross at their dashes.
    const ViewFrame& f = pen.Frame();
    const double overhang = kAxisOverhang / f.scale;
    const double across = LocalRadius(p) + overhang;
    pen.DrawLine(Layer::Axis, {0, 0}, {across, 0});
    pen.DrawLine(Layer::Axis, {0, 0}, {-across, 0});
    pen.DrawLine(Layer::Axis, {0, 0}, {0, k + overhang});
    pen.DrawLine(Layer::Axis, {0, 0}, {0, -bore - overhang});
    // The keyway width above the view, the hub depth d + t2 on its right.
    // A width text that does not fit goes left, away from the depth's text.
    const Dimension& width = pen.HorizontalDimension(
        {-half, k}, {half, k}, f.origin.y + k * f.scale + kFirstLevel, KeywayWidthText(p));
    if (width.textShift != 0) pen.ShiftLastText(-width.textShift);
    // Roughness on leader shelves: the bore to the lower left, the keyway's sides to the upper
    // right, over the depth's text.
    const double diagonal = bore * std::numbers::sqrt2 / 2;
    const Point boreTip = f.ToPaper({-diagonal, -diagonal});
    RoughnessOnLeader(pen, {-diagonal, -diagonal}, {boreTip.x - kMarkRun, boreTip.y - kMarkRun},
                      RoughnessText(kBoreRa), true);
    const Point side{half, (wall + k) / 2};
    RoughnessOnLeader(pen, side,
                      {f.ToPaper(side).x + kMarkRun, f.origin.y + k * f.scale + kKeywayMarkRise},
                      RoughnessText(kKeywaySideRa), false);
    pen.VerticalDimension({0, -bore}, {half, k},
                          f.origin.x + LocalRadius(p) * f.scale + kFirstLevel, HubDepthText(p));
}

}  // namespace gearpair::gear_views
