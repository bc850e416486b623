// The main view's contours, hatching, root, pitch and centre lines (ГОСТ 2.305, 2.402).
#include "drawing/main_view.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "drawing/gear_view_layout.h"

namespace gearpair::gear_views {

namespace {

constexpr double kHatchSpacing = 2;  // paper mm between the section's hatch lines

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

}  // namespace

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

}  // namespace gearpair::gear_views
