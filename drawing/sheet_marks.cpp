// Flattening a sheet into paths and placed texts.
#include "drawing/sheet_marks.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "drawing/drafting_font.h"
#include "drawing/sheet_expand.h"
#include "drawing/sheet_geometry.h"

namespace gearpair {

namespace {

constexpr double kDashDotPeriod = kDash + kDashGap + kDot + kDashGap;
constexpr double kDegree = std::numbers::pi / 180;

Point Along(Point from, Point to, double t) {
    return {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
}

Point OnCircle(Point centre, double radius, double deg) {
    return {centre.x + radius * std::cos(deg * kDegree),
            centre.y + radius * std::sin(deg * kDegree)};
}

// An arc counter-clockwise from `startDeg` through `spanDeg`, as Béziers of at most 90°.
std::vector<PathStep> ArcSteps(Point centre, double radius, double startDeg, double spanDeg) {
    std::vector<PathStep> steps{{PathOp::Move, {OnCircle(centre, radius, startDeg)}}};
    const int pieces = std::max(1, static_cast<int>(std::ceil(spanDeg / 90 - 1e-9)));
    const double piece = spanDeg / pieces;
    const double k = 4.0 / 3 * std::tan(piece * kDegree / 4) * radius;
    for (int i = 0; i < pieces; ++i) {
        const double a = (startDeg + piece * i) * kDegree;
        const double b = (startDeg + piece * (i + 1)) * kDegree;
        const Point p0 = OnCircle(centre, radius, a / kDegree);
        const Point p3 = OnCircle(centre, radius, b / kDegree);
        steps.push_back({PathOp::Curve,
                         {{p0.x - k * std::sin(a), p0.y + k * std::cos(a)},
                          {p3.x + k * std::sin(b), p3.y - k * std::cos(b)},
                          p3}});
    }
    return steps;
}

struct Flattening {
    std::vector<Mark>& marks;
    double width = kThinWidth;
    bool dashDot = false;

    void Stroke(std::vector<PathStep> steps) const {
        marks.emplace_back(PathMark{std::move(steps), width, false});
    }

    void Segment(Point a, Point b) const { Stroke({{PathOp::Move, {a}}, {PathOp::Line, {b}}}); }

    void ArcOf(Point centre, double radius, double startDeg, double spanDeg) const {
        if (!dashDot || radius <= 0) {
            Stroke(ArcSteps(centre, radius, startDeg, spanDeg));
            return;
        }
        const double degPerMm = 180 / (std::numbers::pi * radius);
        for (const auto& [from, to] : DashDotPieces(spanDeg / degPerMm)) {
            Stroke(ArcSteps(centre, radius, startDeg + from * degPerMm, (to - from) * degPerMm));
        }
    }

    void operator()(const Line& line) const {
        const double length = std::hypot(line.to.x - line.from.x, line.to.y - line.from.y);
        if (!dashDot || length == 0) {
            Segment(line.from, line.to);
            return;
        }
        for (const auto& [from, to] : DashDotPieces(length)) {
            Segment(Along(line.from, line.to, from / length),
                    Along(line.from, line.to, to / length));
        }
    }

    void operator()(const Polyline& polyline) const {
        const std::size_t count = polyline.points.size();
        if (count == 0) return;
        if (dashDot && !polyline.filled) {
            // Each side on its own.
            for (std::size_t i = 0; i + 1 < count + (polyline.closed ? 1 : 0); ++i) {
                (*this)(Line{polyline.points[i], polyline.points[(i + 1) % count]});
            }
            return;
        }
        std::vector<PathStep> steps{{PathOp::Move, {polyline.points[0]}}};
        for (std::size_t i = 1; i < count; ++i)
            steps.push_back({PathOp::Line, {polyline.points[i]}});
        if (polyline.closed || polyline.filled) steps.push_back({PathOp::Close, {}});
        marks.emplace_back(PathMark{std::move(steps), width, polyline.filled});
    }

    void operator()(const Circle& circle) const { ArcOf(circle.centre, circle.radius, 0, 360); }

    void operator()(const Arc& arc) const {
        double span = std::fmod(arc.endDeg - arc.startDeg, 360.0);
        if (span <= 0) span += 360;
        ArcOf(arc.centre, arc.radius, arc.startDeg, span);
    }

    void operator()(const Text& text) const { marks.emplace_back(PlaceText(text)); }

    void operator()(const Dimension& dimension) const {
        for (const Item& item : ExpandDimension(dimension)) Flatten(item);
    }

    void operator()(const Hatch& hatch) const {
        for (const Item& item : ExpandHatch(hatch)) Flatten(item);
    }

    void Flatten(const Item& item) const {
        const bool thick = item.layer == Layer::Contour || item.layer == Layer::Frame;
        std::visit(Flattening{marks, thick ? kThickWidth : kThinWidth, item.layer == Layer::Axis},
                   item.shape);
    }
};

}  // namespace

std::vector<std::pair<double, double>> DashDotPieces(double length) {
    std::vector<std::pair<double, double>> pieces;
    for (double at = 0; at < length; at += kDashDotPeriod) {
        pieces.emplace_back(at, std::min(at + kDash, length));
        const double dot = at + kDash + kDashGap;
        if (dot < length) pieces.emplace_back(dot, std::min(dot + kDot, length));
    }
    return pieces;
}

TextMark PlaceText(const Text& text) {
    const TrueTypeFont& font = DraftingFont();
    // The capitals `height` tall, the glyphs narrowed to the drafting width, as the layout
    // measured the text.
    const double size = text.height * font.UnitsPerEm() / font.CapHeight();
    const double width = TextWidth(text);
    double dx = 0;
    if (text.anchor == Anchor::BottomCentre || text.anchor == Anchor::MiddleCentre) dx = -width / 2;
    if (text.anchor == Anchor::BottomRight || text.anchor == Anchor::MiddleRight) dx = -width;
    const bool middle = text.anchor == Anchor::MiddleLeft || text.anchor == Anchor::MiddleCentre ||
                        text.anchor == Anchor::MiddleRight;
    const double dy = middle ? -text.height / 2 : 0;
    const double c = std::cos(text.angleDeg * kDegree);
    const double s = std::sin(text.angleDeg * kDegree);
    return TextMark{{text.at.x + dx * c - dy * s, text.at.y + dx * s + dy * c},
                    text.angleDeg,
                    size,
                    kFontNarrowing,
                    text.text};
}

std::vector<Mark> SheetMarks(const Sheet& sheet) {
    std::vector<Mark> marks;
    const Flattening flattening{marks};
    for (const Item& item : sheet.items) flattening.Flatten(item);
    return marks;
}

}  // namespace gearpair

namespace gearpair {

std::string MarkNumber(double value) {
    char buffer[64];
    const double rounded = std::round(value * 10000) / 10000;
    const auto [end, error] = std::to_chars(
        buffer, buffer + sizeof buffer, rounded == 0 ? 0.0 : rounded, std::chars_format::fixed, 4);
    std::string text(buffer, end);
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

}  // namespace gearpair
