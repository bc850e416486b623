// The local view of the bore: its contour, centre lines, the keyway width and the hub depth
// d + t2, and the roughness of the bore and the keyway's sides.
#include "drawing/local_view.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "drawing/gear_view_layout.h"
#include "drawing/sheet_expand.h"
#include "drawing/sheet_marks.h"

namespace gearpair::gear_views {

namespace {

constexpr double kGapBetweenViews = 12;  // paper mm between the main and the local view

// The keyway sides' roughness mark stands this far above the keyway, over the depth's text
// where it goes up its line.
constexpr double kKeywayMarkRise = 25;

// The bore's diameter line leaves the circle at its upper left, runs on this far up and left
// (paper mm each way) and turns into the shelf its text stands on.
constexpr double kBoreLeaderRun = 4;

// Paper right of the local view: the d + t2 dimension and the keyway sides' roughness mark.
double LocalRightMargin() {
    return std::max(kFirstLevel + kTextRoom, kMarkRun + MarkLength(kKeywaySideRa) + 1);
}

// One centre line from the centre out to `reach` (paper mm) along `direction` (a unit
// vector): dashes of equal length with a gap, a dot and a gap between them (ГОСТ 2.303: dashes
// 5 to 30 mm, gaps 3 to 5 mm), the first starting at the centre, so that two lines cross there
// at their dashes, and the last ending at `reach`, so that it crosses the contour. A dash is
// drawn in pieces no longer than the line type's own dash, so that every output draws it solid.
void CentreLine(SheetPen& pen, Point direction, double reach) {
    const Point c = pen.Frame().origin;
    const auto line = [&](double from, double to) {
        for (double at = from; at < to - 1e-9;) {
            const double next = std::min(to, at + kDash);
            pen.PaperLine(Layer::Axis, {c.x + direction.x * at, c.y + direction.y * at},
                          {c.x + direction.x * next, c.y + direction.y * next});
            at = next;
        }
    };
    // Half a dash at the centre, then `count` periods of gap, dot, gap and dash: as many as
    // keep the dashes nearest the line type's 12 mm.
    const double between = 2 * kDashGap + kDot;
    const int count =
        std::max(0, static_cast<int>(std::lround((reach - kDash / 2) / (kDash + between))));
    const double dash = (reach - count * between) / (count + 0.5);
    line(0, dash / 2);
    double at = dash / 2;
    for (int i = 0; i < count; ++i) {
        line(at + kDashGap, at + kDashGap + kDot);
        at += between;
        line(at, at + dash);
        at += dash;
    }
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
    local.shelfRun = kBoreLeaderRun + TextLength(BoreText(p)) + 2 + 1;
    local.textRun = 3 * kArrowLength + 2 + TextLength(KeywayWidthText(p));
    local.right = LocalRightMargin();
    local.top = p.KeywayRadius();
    local.aboveTop = kKeywayMarkRise + kRoughnessSignHeight + 1;
    return local;
}

void DrawLocalView(SheetPen& pen, const GearPart& p, const std::string& datum) {
    const double bore = p.bore / 2;
    const double half = p.keyway->width / 2;
    const double k = p.KeywayRadius();
    const double wall = std::sqrt(std::max(bore * bore - half * half, 0.0));
    const double alpha = std::atan2(wall, half) * 180 / std::numbers::pi;
    pen.DrawArc({0, 0}, bore, 180 - alpha, 360 + alpha);
    pen.DrawLine(Layer::Contour, {-half, wall}, {-half, k});
    pen.DrawLine(Layer::Contour, {-half, k}, {half, k});
    pen.DrawLine(Layer::Contour, {half, k}, {half, wall});
    // Centre lines from the centre outwards, crossing there at their dashes and ending 3 mm
    // outside the contour.
    const ViewFrame& f = pen.Frame();
    const double across = LocalRadius(p) * f.scale + kAxisOverhang;
    CentreLine(pen, {1, 0}, across);
    CentreLine(pen, {-1, 0}, across);
    CentreLine(pen, {0, 1}, k * f.scale + kAxisOverhang);
    CentreLine(pen, {0, -1}, bore * f.scale + kAxisOverhang);
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
    const double depthX = f.origin.x + LocalRadius(p) * f.scale + kFirstLevel;
    pen.VerticalDimension({0, -bore}, {half, k}, depthX, HubDepthText(p));
    // The datum on the extension line of the bore's lowest line, halfway between the vertical
    // centre line's end and the depth's dimension line.
    const double centreLineEnd = f.origin.x + kDatumFrame / 2 + 1;
    DatumBelow(pen, {(centreLineEnd + depthX) / 2, f.origin.y - bore * f.scale}, datum);
    // The bore's diameter (ГОСТ 2.307): its line through the centre at 45 degrees with the
    // arrows on the circle from inside, carried on beyond the upper left one into a leader and
    // the shelf of its text, in the quarter that the keyway, the hub depth and the bore's
    // roughness mark leave free.
    const Point upper = f.ToPaper({-diagonal, diagonal});
    const Point lower = f.ToPaper({diagonal, -diagonal});
    pen.PaperLine(Layer::Dimension, lower, upper);
    pen.Arrow(upper, {-1, 1});
    pen.Arrow(lower, {1, -1});
    const Point knee{upper.x - kBoreLeaderRun, upper.y + kBoreLeaderRun};
    const std::string text = BoreText(p);
    const double shelf = TextLength(text) + 2;
    pen.PaperLine(Layer::Dimension, upper, knee);
    pen.PaperLine(Layer::Dimension, knee, {knee.x - shelf, knee.y});
    pen.PaperText({knee.x - shelf / 2, knee.y + kDimensionTextGap}, text, kTextHeight,
                  Anchor::BottomCentre);
}

}  // namespace gearpair::gear_views
