// The views of a gear with their dimensions (ГОСТ 2.305, 2.402, 2.307).
#include "drawing/gear_views.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "drawing/drawing_texts.h"
#include "drawing/roughness.h"
#include "drawing/sheet_expand.h"
#include "drawing/sheet_pen.h"
#include "engine/tolerances.h"

namespace gearpair {

namespace {

// Paper distances of dimension lines: the first 10 mm from the contour, 7 mm between
// parallel ones; a rotated or shelf text takes its height and gap beside its line.
constexpr double kFirstLevel = 10;
constexpr double kLevelStep = 7;
constexpr double kTextRoom = 6;
constexpr double kShelfRise = 6;  // leader shelves above the tip line
constexpr double kShelfRun = 6;   // and beside the rim face
constexpr double kGapBetweenViews = 12;
// Centre lines end this far outside the contour.
constexpr double kAxisOverhang = 3;
constexpr double kHatchSpacing = 2;
// Roughness marks of the main view stand on leader shelves this far above the tip line, clear
// of the face width's dimension and the leaders below it; the leaders leave the surface this
// far inside the chamfers.
constexpr double kMarkShelf = kFirstLevel + kTextRoom;
constexpr double kMarkInset = 1.5;
constexpr double kMarkLevelStep = kRoughnessSignHeight + 1;
// From a leader's target to its shelf, each way.
constexpr double kMarkRun = 5;

// A roughness mark's shelf, paper mm.
double MarkLength(double ra) {
    return RoughnessMarkWidth(RoughnessText(ra)) + 2;
}

double TextLength(const std::string& text) {
    return TextWidth(text, kTextHeight);
}

// The sizes that carry a fit or a limit deviation, written with it: the bore H7, the keyway
// width Js9 and the hub depth d + t2, the tip h11.
std::string BoreText(const GearPart& p) {
    return BoreToleranceTexts(p.bore).bore;
}

// Only for a bore with a keyway: both come from the same key table.
std::string KeywayWidthText(const GearPart& p) {
    return BoreToleranceTexts(p.bore).keywayWidth;
}

std::string HubDepthText(const GearPart& p) {
    return BoreToleranceTexts(p.bore).hubDepth;
}

std::string TipText(const GearPart& p) {
    return TipDiameterText(p.tip, 2);
}

std::string HolesText(const GearPart& p) {
    return std::to_string(p.holes) + " отв. " + DiameterText(p.holeDiameter) + " равномерно";
}

double HalfLength(const DrawnGear& g) {
    const GearPart& p = g.part;
    if (g.GearShaft()) {
        // The stubs are broken off: shown as long as half their diameter, not dimensioned.
        return p.face / 2 + std::max(g.shaftDiameter / 2, p.face / 4);
    }
    return p.HasHub() ? std::max(p.hubLength, p.face) / 2 : p.face / 2;
}

double Chamfer(const GearPart& p) {
    return std::max(0.0, std::min(p.chamfer, std::min(p.face / 2, (p.tip - p.root) / 2)));
}

int LeftLevels(const DrawnGear& g) {
    if (!g.dimensioned) return 0;
    if (g.GearShaft()) return 2;
    return g.part.HasHub() ? 3 : 2;
}

int RightLevels(const DrawnGear& g) {
    return g.dimensioned && !g.GearShaft() && g.part.web ? 2 : 0;
}

double LevelsMargin(int levels) {
    return levels == 0 ? kAxisOverhang + 2 : kFirstLevel + kLevelStep * (levels - 1) + kTextRoom;
}

double LeftMargin(const DrawnGear& g) {
    double margin = LevelsMargin(LeftLevels(g));
    if (g.dimensioned) {
        margin = std::max({margin, kShelfRun + TextLength(ChamferText(g.part.chamfer)) + 3,
                           MarkLength(kFlankRa)});
    }
    return margin;
}

double RightMargin(const DrawnGear& g) {
    double margin = LevelsMargin(RightLevels(g));
    if (RightLevels(g) > 0) {
        margin = std::max(margin, kShelfRun + TextLength(HolesText(g.part)) + 3);
        // The web chain's texts moved right of the hub.
        const GearPart& p = g.part;
        margin = std::max(
            margin, 6 + TextLength(SizeText(p.webThickness)) +
                        TextLength(SizeText((std::max(p.hubLength, p.face) - p.webThickness) / 2)));
    }
    return margin;
}

// Below the view: the hub length and the web's chain.
double BottomMargin(const DrawnGear& g) {
    const GearPart& p = g.part;
    if (!g.dimensioned) return kAxisOverhang;
    double margin = kAxisOverhang;
    if (!g.GearShaft() && p.HasHub() && p.hubLength > p.face) margin = kFirstLevel + kTextRoom;
    if (!g.GearShaft() && p.web) margin += kLevelStep;
    return margin;
}

// The inner diameters' texts, which go down their lines below the view where a line is too
// short for its text.
std::vector<DroppedText> DroppedTexts(const DrawnGear& g) {
    if (!g.dimensioned) return {};
    const GearPart& p = g.part;
    std::vector<std::pair<double, std::string>> lines;
    if (g.GearShaft()) {
        lines.emplace_back(g.shaftDiameter, DiameterText(g.shaftDiameter));
    } else {
        lines.emplace_back(p.bore, BoreText(p));
        if (p.HasHub()) lines.emplace_back(p.hubDiameter, DiameterText(p.hubDiameter));
    }
    std::vector<DroppedText> texts;
    for (const auto& [line, text] : lines) {
        const double width = TextLength(text);
        texts.push_back({line, width, kArrowLength + width + 1});
    }
    return texts;
}

// The letter of an enlarged local view, as ГОСТ 2.305 designates a view out of its projection.
constexpr std::string_view kLocalViewLetter = "А";

bool HasLocalView(const DrawnGear& g) {
    return !g.GearShaft() && g.part.keyway.has_value();
}

// The keyway sides' roughness mark stands this far above the keyway, over the depth's text
// where it goes up its line.
constexpr double kKeywayMarkRise = 25;

// Paper right of the local view: the d + t2 dimension and the keyway sides' roughness mark.
double LocalRightMargin() {
    return std::max(kFirstLevel + kTextRoom, kMarkRun + MarkLength(kKeywaySideRa) + 1);
}

// Radius of the circle the local view shows.
double LocalRadius(const GearPart& p) {
    return std::max(p.bore / 2, p.keyway->width / 2);
}

// The local view's place: between it and the main view room for the keyway width's text moved
// left of its arrows (over the view's own left half, above the keyway) and for the bore's
// roughness mark on a shelf to the lower left; right of it the hub depth d + t2 and the keyway
// sides' roughness mark.
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

// One half of the section (y >= 0) in part mm as closed outlines of cut material. `inner` is
// the radius of the bore's edge in this half; `top` true gives the outline over the chamfered
// tips, false the hatched area, which stops at the root line (teeth are not cut).
std::vector<std::vector<Point>> HalfSection(const GearPart& p, double inner, bool outline) {
    const double b = p.face / 2;
    const double top = outline ? p.tip / 2 : p.root / 2;
    const double n = outline ? Chamfer(p) : 0;
    const double l = std::max(p.hubLength, p.face) / 2;
    const double hub = p.HasHub() ? p.hubDiameter / 2 : inner;
    auto rim = [&](double foot, std::vector<Point>& out) {
        out.push_back({-b, foot});
        out.push_back({-b, top - n});
        if (n > 0) out.push_back({-b + n, top});
        if (n > 0) out.push_back({b - n, top});
        out.push_back({b, top - n});
        out.push_back({b, foot});
    };
    std::vector<std::vector<Point>> pieces;
    if (!p.web) {
        std::vector<Point> piece;
        if (p.HasHub() && l > b) {
            piece = {{-l, inner}, {-l, hub}};
            rim(hub, piece);
            piece.push_back({l, hub});
            piece.push_back({l, inner});
        } else {
            rim(inner, piece);
        }
        pieces.push_back(std::move(piece));
        return pieces;
    }
    // The web cut through a hole: the hole is drawn in both halves, as holes evenly spaced on
    // a circle are.
    const double c = p.webThickness / 2;
    const double rimInner = p.rimInner / 2;
    const double holeLow = (p.holeCircle - p.holeDiameter) / 2;
    const double holeHigh = (p.holeCircle + p.holeDiameter) / 2;
    std::vector<Point> lower = {{-l, inner},  {-l, hub}, {-c, hub}, {-c, holeLow},
                                {c, holeLow}, {c, hub},  {l, hub},  {l, inner}};
    std::vector<Point> upper = {{-c, holeHigh}, {-c, rimInner}};
    rim(rimInner, upper);
    upper.push_back({c, rimInner});
    upper.push_back({c, holeHigh});
    pieces.push_back(std::move(lower));
    pieces.push_back(std::move(upper));
    return pieces;
}

std::vector<std::vector<Point>> Mirrored(std::vector<std::vector<Point>> pieces) {
    for (auto& piece : pieces) {
        for (Point& point : piece) point.y = -point.y;
    }
    return pieces;
}

void DrawSection(SheetPen& pen, const GearPart& p) {
    const double b = p.face / 2;
    const double l = std::max(p.hubLength, p.face) / 2;
    const double bore = p.bore / 2;
    std::vector<std::vector<Point>> hatch;
    for (bool upperHalf : {true, false}) {
        const double inner = upperHalf ? p.KeywayRadius() : bore;
        auto outlines = HalfSection(p, inner, true);
        auto hatched = HalfSection(p, inner, false);
        if (!upperHalf) {
            outlines = Mirrored(std::move(outlines));
            hatched = Mirrored(std::move(hatched));
        }
        for (const auto& piece : outlines) pen.DrawPolygon(Layer::Contour, piece);
        for (auto& piece : hatched) hatch.push_back(std::move(piece));
    }
    pen.Hatch(hatch, kHatchSpacing);
    // The bore's edge seen beyond the keyway; the root lines (main: the teeth are uncut) and
    // the pitch lines; the holes' edges behind the cutting plane and their axes.
    if (p.keyway) pen.DrawLine(Layer::Contour, {-l, bore}, {l, bore});
    for (double sign : {1.0, -1.0}) {
        pen.DrawLine(Layer::Contour, {-b, sign * p.root / 2}, {b, sign * p.root / 2});
        pen.DrawAxis({-b, sign * p.pitch / 2}, {b, sign * p.pitch / 2}, 2);
        if (p.web) {
            const double c = p.webThickness / 2;
            const double low = (p.holeCircle - p.holeDiameter) / 2;
            const double high = (p.holeCircle + p.holeDiameter) / 2;
            pen.DrawLine(Layer::Contour, {-c, sign * low}, {-c, sign * high});
            pen.DrawLine(Layer::Contour, {c, sign * low}, {c, sign * high});
            pen.DrawAxis({-c, sign * p.holeCircle / 2}, {c, sign * p.holeCircle / 2}, 2);
        }
    }
    pen.DrawAxis({-l, 0}, {l, 0}, kAxisOverhang + 2);
}

// A wavy break line across a stub end, thin.
void BreakLine(SheetPen& pen, double x, double radius) {
    const ViewFrame& f = pen.Frame();
    Polyline wave;
    const int steps = 24;
    const double amplitude = 1.2;  // paper mm
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const Point on = f.ToPaper({x, -radius + 2 * radius * t});
        wave.points.push_back({on.x + amplitude * std::sin(2 * std::numbers::pi * t), on.y});
    }
    pen.Add(Layer::Thin, std::move(wave));
}

void DrawGearShaft(SheetPen& pen, const DrawnGear& g) {
    const GearPart& p = g.part;
    const double b = p.face / 2;
    const double top = p.tip / 2;
    const double n = Chamfer(p);
    const double l = HalfLength(g);
    const double r = g.shaftDiameter / 2;
    for (double sign : {1.0, -1.0}) {
        std::vector<Point> outline = {{-l, r}, {-b, r}, {-b, top - n}};
        if (n > 0) outline.push_back({-b + n, top});
        if (n > 0) outline.push_back({b - n, top});
        outline.push_back({b, top - n});
        outline.push_back({b, r});
        outline.push_back({l, r});
        Polyline contour;
        for (Point& point : outline) {
            point.y *= sign;
            contour.points.push_back(pen.Frame().ToPaper(point));
        }
        pen.Add(Layer::Contour, std::move(contour));
        // In a view the root line is thin.
        pen.DrawLine(Layer::Thin, {-b, sign * p.root / 2}, {b, sign * p.root / 2});
        pen.DrawAxis({-b, sign * p.pitch / 2}, {b, sign * p.pitch / 2}, 2);
    }
    if (n > 0) {
        pen.DrawLine(Layer::Contour, {-b + n, -top}, {-b + n, top});
        pen.DrawLine(Layer::Contour, {b - n, -top}, {b - n, top});
    }
    BreakLine(pen, -l, r);
    BreakLine(pen, l, r);
    pen.DrawAxis({-l, 0}, {l, 0}, kAxisOverhang + 2);
}

// Where the web's position from the left hub face and its thickness are dimensioned inside
// the lower half's empty space between hub and rim, so that no extension line crosses the rim:
// the radius of their line, in the taller of the two spaces that the hole circle's extension
// line leaves between hub and rim, the text towards the axis. Nothing where the space or the
// texts do not fit at the scale; the chain then goes below the view.
std::optional<double> WebChainRadius(const DrawnGear& g, double scale) {
    const GearPart& p = g.part;
    if (!g.dimensioned || g.GearShaft() || !p.web) return std::nullopt;
    const double l = HalfLength(g);
    const double c = p.webThickness / 2;
    // Paper: the line with the text above it and 1 mm clear on both sides.
    const double block = kDimensionTextGap + kTextHeight;
    const double hub = p.hubDiameter / 2;
    const double holes = p.holeCircle / 2;
    const double rim = p.rimInner / 2;
    const bool inner = holes - hub >= rim - holes;
    const double low = inner ? hub : holes;
    const double high = inner ? holes : rim;
    if ((high - low) * scale < block + 2) return std::nullopt;
    // Paper between a hub face and the web: the position between its arrows, the thickness's
    // text beyond its right arrow.
    const double side = (l - c) * scale;
    if (side < std::max(TextLength(SizeText(l - c)) + 2, 2 * kArrowLength + 1) ||
        side < 2 * kArrowLength + 2 + TextLength(SizeText(p.webThickness))) {
        return std::nullopt;
    }
    return (low + high) / 2 + block / 2 / scale;
}

void DimensionMainView(SheetPen& pen, const DrawnGear& g) {
    const GearPart& p = g.part;
    const ViewFrame& f = pen.Frame();
    const double b = p.face / 2;
    const double l = HalfLength(g);
    const double top = p.tip / 2;
    const double n = Chamfer(p);
    const double leftX = f.origin.x - l * f.scale;
    const double rightX = f.origin.x + l * f.scale;
    const double topY = f.origin.y + top * f.scale;
    const double bottomY = f.origin.y - top * f.scale;

    // Diameters left of the view, the smallest nearest.
    // A text too long for its own dimension goes down the line's continuation, below the
    // extension lines of the larger diameters outside it.
    auto clearBelow = [&](const Dimension& d) {
        if (d.textShift != 0) {
            pen.ShiftLastText(-(top * f.scale + kArrowLength + TextLength(d.text) / 2));
        }
    };
    double level = leftX - kFirstLevel;
    if (g.GearShaft()) {
        const double r = g.shaftDiameter / 2;
        clearBelow(pen.VerticalDimension({-l, -r}, {-l, r}, level, DiameterText(g.shaftDiameter)));
        level -= kLevelStep;
    } else {
        clearBelow(pen.VerticalDimension({-l, -p.bore / 2}, {-l, p.bore / 2}, level, BoreText(p)));
        level -= kLevelStep;
        if (p.HasHub()) {
            clearBelow(pen.VerticalDimension({-l, -p.hubDiameter / 2}, {-l, p.hubDiameter / 2},
                                             level, DiameterText(p.hubDiameter)));
            level -= kLevelStep;
        }
    }
    pen.VerticalDimension({-b, -top}, {-b, top}, level, TipText(p));
    // The face width above; the chamfer on a leader to the upper left.
    pen.HorizontalDimension({-b, top - n}, {b, top - n}, topY + kFirstLevel, SizeText(p.face));
    pen.Leader({-b + n / 2, top - n / 2}, {f.origin.x - b * f.scale - kShelfRun, topY + kShelfRise},
               ChamferText(p.chamfer), true);
    // Roughness on shelves above the face width, both running left so that nothing passes the
    // right end of the view: the flanks marked on the pitch line, and over it the tip.
    const double shelfY = topY + kMarkShelf;
    const double inset = kMarkInset / f.scale;
    const double flankX = -b + n + inset;
    const double tipX = b - n - inset;
    RoughnessOnLeader(pen, {flankX, p.pitch / 2}, {f.ToPaper({flankX, 0}).x, shelfY},
                      RoughnessText(kFlankRa), true);
    RoughnessOnLeader(pen, {tipX, top}, {f.ToPaper({tipX, 0}).x, shelfY + kMarkLevelStep},
                      RoughnessText(kTipRa), true);
    if (g.GearShaft()) return;
    // The hub length below, outside the web's chain where that goes below the view too.
    const std::optional<double> pocket = WebChainRadius(g, f.scale);
    if (p.HasHub() && p.hubLength > p.face) {
        pen.HorizontalDimension({-l, -p.hubDiameter / 2}, {l, -p.hubDiameter / 2},
                                bottomY - kFirstLevel - (p.web && !pocket ? kLevelStep : 0),
                                SizeText(p.hubLength));
    }
    if (!p.web) return;
    // Right of the view: the hole circle and the rim's inner diameter; the holes on a leader
    // to the upper right.
    const double c = p.webThickness / 2;
    pen.VerticalDimension({c, -p.holeCircle / 2}, {c, p.holeCircle / 2}, rightX + kFirstLevel,
                          DiameterText(p.holeCircle));
    pen.VerticalDimension({b, -p.rimInner / 2}, {b, p.rimInner / 2},
                          rightX + kFirstLevel + kLevelStep, DiameterText(p.rimInner));
    pen.Leader({c, (p.holeCircle + p.holeDiameter / 2) / 2},
               {f.origin.x + b * f.scale + kShelfRun, topY + kShelfRise}, HolesText(p));
    if (pocket) {
        // The position from the hub face's extension line to the web, the thickness across
        // the web with its arrows outside.
        pen.HorizontalDimension({-l, -p.hubDiameter / 2}, {-c, -*pocket},
                                f.origin.y - *pocket * f.scale, SizeText(l - c));
        pen.InnerDimension({-c, -*pocket}, {c, -*pocket}, SizeText(p.webThickness));
        return;
    }
    // Below the view, as a chain: the web's position from the left hub face and its
    // thickness, their extension lines down through the rim. A text that does not fit between
    // its arrows goes right, past the right hub face's extension line where it would cross it.
    const double s = f.scale;
    const double chainY = bottomY - kFirstLevel;
    const double clear = l * s + 2;  // paper from the axis' middle, right of the hub face
    double cursor = clear;
    const Dimension& web = pen.HorizontalDimension({-c, -p.rimInner / 2}, {c, -p.rimInner / 2},
                                                   chainY, SizeText(p.webThickness));
    if (web.textShift != 0) {
        const double width = TextLength(web.text);
        double start = c * s + 2 * kArrowLength + 1;
        if (start + width > l * s - 1) start = clear;
        pen.ShiftLastText(start + width / 2);
        cursor = std::max(clear, start + width + 2);
    }
    const Dimension& position = pen.HorizontalDimension(
        {-l, -p.hubDiameter / 2}, {-c, -p.rimInner / 2}, chainY, SizeText(l - c));
    if (position.textShift != 0) {
        pen.ShiftLastText(cursor + TextLength(position.text) / 2 + (l + c) / 2 * s);
    }
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

}  // namespace

ViewsExtent GearViewsExtent(const DrawnGear& g) {
    const GearPart& p = g.part;
    ViewsExtent extent;
    extent.partWidth = 2 * HalfLength(g);
    extent.partHeight = p.tip;
    extent.paperWidth = LeftMargin(g) + RightMargin(g);
    extent.local = LocalExtent(g);
    extent.paperBelow = BottomMargin(g);
    extent.paperHeight =
        (g.dimensioned ? kMarkShelf + kMarkLevelStep + kRoughnessSignHeight + 1 : kAxisOverhang) +
        extent.paperBelow;
    extent.droppedTexts = DroppedTexts(g);
    return extent;
}

void DrawGearViews(Sheet& sheet, const DrawnGear& g, const Box& area, double scale) {
    const GearPart& p = g.part;
    const ViewsExtent extent = GearViewsExtent(g);
    const LocalViewExtent& local = extent.local;
    const bool enlarged = HasLocalView(g) && local.Enlarged(scale);
    const double left =
        area.left + (area.Width() - extent.Width(scale)) / 2 + (enlarged ? kViewArrowRoom : 0);
    const double bottom = area.bottom + (area.Height() - extent.Height(scale)) / 2;
    const double axisY = bottom + extent.Below(scale) + p.tip / 2 * scale;
    const double mainX = left + LeftMargin(g) + HalfLength(g) * scale;

    SheetPen main(sheet, g.GearShaft() ? "view" : "section", ViewFrame{{mainX, axisY}, scale});
    if (g.GearShaft()) {
        DrawGearShaft(main, g);
    } else {
        DrawSection(main, p);
    }
    if (g.dimensioned) DimensionMainView(main, g);
    if (!HasLocalView(g)) return;
    const double localScale = local.Scale(scale);
    const double localX = mainX + HalfLength(g) * scale + RightMargin(g) + local.Gap(scale) +
                          LocalRadius(p) * localScale;
    SheetPen pen(sheet, "bore", ViewFrame{{localX, axisY}, localScale});
    DrawLocalView(pen, p);
    if (!enlarged) return;
    // Out of its projection at a scale of its own: the view's letter with its scale above it,
    // and on the main view the arrow that looks at the hub's left face, left of its dimensions.
    const DrawingScale* named = &kDrawingScales.front();
    for (const DrawingScale& standard : kDrawingScales) {
        if (standard.factor == localScale) named = &standard;
    }
    pen.PaperText({localX, axisY + local.Above(scale) - kViewLabelHeight},
                  std::string(kLocalViewLetter) + " (" + std::string(named->text) + ")",
                  kViewLabelHeight, Anchor::BottomCentre);
    const double arrowX = mainX - HalfLength(g) * scale - LeftMargin(g) - kViewArrowRoom + 2;
    const double arrowY = axisY + kViewLabelGap;
    main.PaperLine(Layer::Thin, {arrowX, arrowY}, {arrowX + kViewArrowRoom - 4, arrowY});
    main.Arrow({arrowX + kViewArrowRoom - 4, arrowY}, {1, 0});
    main.PaperText({arrowX + (kViewArrowRoom - 4) / 2, arrowY + kViewLabelGap},
                   std::string(kLocalViewLetter), kViewLabelHeight, Anchor::BottomCentre);
}

}  // namespace gearpair
