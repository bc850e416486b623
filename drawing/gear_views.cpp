// Section and left view of a gear with their dimensions.
#include "drawing/gear_views.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "drawing/drawing_texts.h"
#include "drawing/sheet_pen.h"

namespace gearpair {

namespace {

// Paper distances of the section's dimension lines from the part.
constexpr double kFirstLevel = 8;
constexpr double kLevelStep = 8;
constexpr double kLeftMargin = kFirstLevel + 2 * kLevelStep + 6;  // three diameters
constexpr double kTopMargin = 14;
constexpr double kBottomMargin = 12;
constexpr double kGapBetweenViews = 10;
constexpr double kChamferShelf = 10;  // from the rim face to the chamfer leader's shelf
constexpr double kSideShelf = 6;      // from three quarters of the tip radius
constexpr double kAxisOverhang = 3;
constexpr double kHatchPitch = 2.5;
// A gear is not drawn smaller than this across its tips (mm of paper): small gears are
// enlarged rather than shrunk to fit the smallest format.
constexpr double kSmallestTipOnPaper = 50;

double TextLength(const std::string& text) {
    return TextWidth(text, kTextHeight);
}

std::string HolesText(const GearPart& p) {
    return std::to_string(p.holes) + " отв. " + DiameterText(p.holeDiameter);
}

// Radius of what the views show: the tip circle, or a bore wider still (a pinion whose shaft
// outgrows it, drawn as it is under its gear-shaft warning).
double OuterRadius(const GearPart& p) {
    return std::max(p.tip, p.bore) / 2;
}

double SectionHalfLength(const GearPart& p) {
    return p.HasHub() ? std::max(p.hubLength, p.face) / 2 : p.face / 2;
}

// Paper the section takes right of its part: chamfer leader or web dimension.
double SectionRightMargin(const GearPart& p) {
    double margin = kChamferShelf + TextLength(ChamferText(p.chamfer)) + 3;
    if (p.web) margin = std::max(margin, 13 + TextLength(SizeText(p.webThickness)));
    return margin;
}

double SideRightMargin(const GearPart& p) {
    double widest = 0;
    if (p.holes > 0) {
        widest = std::max(TextLength(HolesText(p)), TextLength(DiameterText(p.holeCircle)));
    }
    return widest > 0 ? kSideShelf + widest + 3 : kAxisOverhang + 1;
}

// The upper half of the section in part mm, x along the axis from the middle of the face: one
// closed outline per piece of cut material. `inner` is the radius of the bore's edge in this
// half (the keyway's bottom above the axis); `cutHole` cuts the web by a hole.
std::vector<std::vector<Point>> HalfSection(const GearPart& p, double inner, bool cutHole) {
    const double b = p.face / 2;
    const double top = p.tip / 2;
    const double n = std::max(0.0, std::min(p.chamfer, std::min(b, top - inner) / 2));
    const double l = SectionHalfLength(p);
    const double hub = p.HasHub() ? p.hubDiameter / 2 : inner;
    // The rim's outline from its left face's foot over the chamfered tips to its right foot.
    auto rimFromTo = [&](double foot, std::vector<Point>& out) {
        out.push_back({-b, foot});
        out.push_back({-b, top - n});
        out.push_back({-b + n, top});
        out.push_back({b - n, top});
        out.push_back({b, top - n});
        out.push_back({b, foot});
    };
    std::vector<std::vector<Point>> pieces;
    if (!p.web) {
        std::vector<Point> outline;
        if (p.HasHub() && l > b) {
            outline = {{-l, inner}, {-l, hub}};
            rimFromTo(hub, outline);
            outline.push_back({l, hub});
            outline.push_back({l, inner});
        } else {
            rimFromTo(inner, outline);
        }
        pieces.push_back(std::move(outline));
        return pieces;
    }
    const double c = p.webThickness / 2;
    const double rimInner = p.rimInner / 2;
    const double holeLow = (p.holeCircle - p.holeDiameter) / 2;
    const double holeHigh = (p.holeCircle + p.holeDiameter) / 2;
    std::vector<Point> lower = {{-l, inner}, {-l, hub}, {-c, hub}};
    std::vector<Point> upper;
    if (cutHole) {
        lower.push_back({-c, holeLow});
        lower.push_back({c, holeLow});
        upper = {{-c, holeHigh}, {-c, rimInner}};
        rimFromTo(rimInner, upper);
        upper.push_back({c, rimInner});
        upper.push_back({c, holeHigh});
    } else {
        lower.push_back({-c, rimInner});
        rimFromTo(rimInner, lower);
        lower.push_back({c, rimInner});
    }
    lower.push_back({c, hub});
    lower.push_back({l, hub});
    lower.push_back({l, inner});
    pieces.push_back(std::move(lower));
    if (!upper.empty()) pieces.push_back(std::move(upper));
    return pieces;
}

void DrawSection(SheetPen& pen, const GearPart& p) {
    const double b = p.face / 2;
    const double l = SectionHalfLength(p);
    const double bore = p.bore / 2;
    const bool bottomHole = p.holes > 0 && p.holes % 2 == 0;
    for (bool upperHalf : {true, false}) {
        const double inner = upperHalf ? p.KeywayRadius() : bore;
        auto pieces = HalfSection(p, inner, upperHalf ? p.holes > 0 : bottomHole);
        for (auto& piece : pieces) {
            if (!upperHalf) {
                for (Point& point : piece) point.y = -point.y;
            }
            pen.Hatch({piece}, kHatchPitch);
            pen.DrawPolygon(Layer::Contour, piece);
        }
    }
    // The bore's edge seen beyond the keyway, the root lines and the pitch lines.
    if (p.keyway) pen.DrawLine(Layer::Contour, {-l, bore}, {l, bore});
    for (double sign : {1.0, -1.0}) {
        pen.DrawLine(Layer::Contour, {-b, sign * p.root / 2}, {b, sign * p.root / 2});
        pen.DrawAxis({-b, sign * p.pitch / 2}, {b, sign * p.pitch / 2}, 2);
    }
    pen.DrawAxis({-l, 0}, {l, 0}, kAxisOverhang + 2);
}

void DimensionSection(SheetPen& pen, const GearPart& p) {
    const ViewFrame& f = pen.Frame();
    const double b = p.face / 2;
    const double l = SectionHalfLength(p);
    const double top = p.tip / 2;
    const double leftX = f.origin.x - l * f.scale;
    // Diameters left of the section, smallest nearest.
    double level = leftX - kFirstLevel;
    pen.VerticalDimension({-l, -p.bore / 2}, {-l, p.bore / 2}, level, DiameterText(p.bore));
    level -= kLevelStep;
    if (p.HasHub()) {
        pen.VerticalDimension({-l, -p.hubDiameter / 2}, {-l, p.hubDiameter / 2}, level,
                              DiameterText(p.hubDiameter));
    }
    level -= kLevelStep;
    pen.VerticalDimension({-b, -top}, {-b, top}, level, DiameterText(p.tip));
    // Face width above, hub length below.
    const double topY = f.origin.y + OuterRadius(p) * f.scale;
    const double bottomY = f.origin.y - OuterRadius(p) * f.scale;
    pen.HorizontalDimension({-b, top}, {b, top}, topY + kFirstLevel, SizeText(p.face));
    if (p.HasHub() && p.hubLength > p.face) {
        pen.HorizontalDimension({-l, -p.hubDiameter / 2}, {l, -p.hubDiameter / 2},
                                bottomY - kFirstLevel, SizeText(p.hubLength));
    }
    // Web thickness across the lower recess, between hub and hole.
    if (p.web) {
        const double y = -(p.hubDiameter / 2 + (p.holeCircle - p.holeDiameter) / 2) / 2;
        pen.InnerDimension({-p.webThickness / 2, y}, {p.webThickness / 2, y},
                           SizeText(p.webThickness));
    }
    const double n = p.chamfer;
    pen.Leader({b - n / 2, top - n / 2},
               {f.origin.x + b * f.scale + kChamferShelf, topY + kFirstLevel - 2},
               ChamferText(p.chamfer));
}

void DrawSideView(SheetPen& pen, const GearPart& p) {
    const double top = p.tip / 2;
    const double bore = p.bore / 2;
    pen.DrawCircle(Layer::Contour, {0, 0}, top);
    pen.DrawCircle(Layer::Axis, {0, 0}, p.pitch / 2);
    if (p.web) pen.DrawCircle(Layer::Contour, {0, 0}, p.rimInner / 2);
    if (p.HasHub()) pen.DrawCircle(Layer::Contour, {0, 0}, p.hubDiameter / 2);
    pen.DrawAxis({-top, 0}, {top, 0}, kAxisOverhang);
    pen.DrawAxis({0, -top}, {0, top}, kAxisOverhang);

    const ViewFrame& f = pen.Frame();
    if (p.keyway) {
        const double half = p.keyway->width / 2;
        const double wall = std::sqrt(std::max(bore * bore - half * half, 0.0));
        const double alpha = std::atan2(wall, half) * 180 / std::numbers::pi;
        pen.DrawArc({0, 0}, bore, 180 - alpha, 360 + alpha);
        const double k = p.KeywayRadius();
        pen.DrawLine(Layer::Contour, {-half, wall}, {-half, k});
        pen.DrawLine(Layer::Contour, {-half, k}, {half, k});
        pen.DrawLine(Layer::Contour, {half, k}, {half, wall});
        // The width above the view, where its text is clear of the circles.
        pen.HorizontalDimension({-half, k}, {half, k}, f.origin.y + OuterRadius(p) * f.scale + 6,
                                SizeText(p.keyway->width));
        pen.VerticalDimension({0, -bore}, {half, k}, f.origin.x + half * f.scale + 5,
                              SizeText(p.bore + p.keyway->hubDepth));
    } else {
        pen.DrawCircle(Layer::Contour, {0, 0}, bore);
    }

    if (p.holes > 0) {
        const double ring = p.holeCircle / 2;
        pen.DrawCircle(Layer::Axis, {0, 0}, ring);
        for (int i = 0; i < p.holes; ++i) {
            const double angle = std::numbers::pi / 2 + 2 * std::numbers::pi * i / p.holes;
            const Point centre{ring * std::cos(angle), ring * std::sin(angle)};
            pen.DrawCircle(Layer::Contour, centre, p.holeDiameter / 2);
            const double r = p.holeDiameter / 2;
            pen.DrawAxis({centre.x - r * std::cos(angle), centre.y - r * std::sin(angle)},
                         {centre.x + r * std::cos(angle), centre.y + r * std::sin(angle)}, 1.5);
        }
        // Leaders to the first hole right of the top one and to the hole circle between two
        // holes below it.
        const double step = 2 * std::numbers::pi / p.holes;
        const double first = std::numbers::pi / 2 - step;
        const Point hole{ring * std::cos(first) + p.holeDiameter / 2 * std::cos(first + 0.6),
                         ring * std::sin(first) + p.holeDiameter / 2 * std::sin(first + 0.6)};
        const double shelfX = f.origin.x + 0.75 * top * f.scale + kSideShelf;
        pen.Leader(hole, {shelfX, f.origin.y + top * f.scale + 6}, HolesText(p));
        const double between = -std::numbers::pi / 2 + step / 2;
        pen.Leader({ring * std::cos(between), ring * std::sin(between)},
                   {shelfX, f.origin.y - top * f.scale - 6}, DiameterText(p.holeCircle));
    }
}

}  // namespace

ViewsExtent GearViewsExtent(const GearPart& p) {
    ViewsExtent extent;
    extent.partWidth = 2 * SectionHalfLength(p) + 2 * OuterRadius(p);
    extent.partHeight = 2 * OuterRadius(p);
    extent.paperWidth =
        kLeftMargin + SectionRightMargin(p) + kGapBetweenViews + kAxisOverhang + SideRightMargin(p);
    extent.paperHeight = kTopMargin + kBottomMargin;
    extent.legibleScale = std::max(1 / p.chamfer, kSmallestTipOnPaper / p.tip);
    return extent;
}

void DrawGearViews(Sheet& sheet, const GearPart& p, const Box& area, double scale) {
    const ViewsExtent extent = GearViewsExtent(p);
    const double left = area.left + (area.Width() - extent.Width(scale)) / 2;
    const double bottom = area.bottom + (area.Height() - extent.Height(scale)) / 2;
    const double axisY = bottom + kBottomMargin + OuterRadius(p) * scale;
    const double sectionX = left + kLeftMargin + SectionHalfLength(p) * scale;
    const double sideX = sectionX + SectionHalfLength(p) * scale + SectionRightMargin(p) +
                         kGapBetweenViews + kAxisOverhang + OuterRadius(p) * scale;

    SheetPen section(sheet, "section", ViewFrame{{sectionX, axisY}, scale});
    DrawSection(section, p);
    DimensionSection(section, p);
    SheetPen side(sheet, "side", ViewFrame{{sideX, axisY}, scale});
    DrawSideView(side, p);
}

}  // namespace gearpair
