// The sheet as the PDF and SVG writers put it on paper: stroked and filled paths (lines, arcs as
// cubic Béziers) with their line weights, and texts placed in the drafting font, all in
// millimetres of paper with the model's origin at the bottom-left corner and y up. Dimensions
// and hatches arrive expanded, the axes' dash-dot line cut into its pieces.
#pragma once

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "drawing/sheet.h"

namespace gearpair {

// Line weights, mm of paper: the contour and the frame, and every other line.
inline constexpr double kThickWidth = 0.5;
inline constexpr double kThinWidth = 0.25;

// The dash-dot thin line of the axes: 12 mm dashes and 3 mm gaps with a dot as long as the line
// is wide between them. Cut into pieces here rather than left to a device's dash pattern, which
// counts in pen widths on some devices.
inline constexpr double kDash = 12;
inline constexpr double kDashGap = 3;
inline constexpr double kDot = kThinWidth;

// The pieces of the dash-dot pattern along a path `length` mm long, from its start: (from, to)
// in mm along the path.
std::vector<std::pair<double, double>> DashDotPieces(double length);

enum class PathOp { Move, Line, Curve, Close };

// Move and Line use points[0]; Curve the two control points and the end.
struct PathStep {
    PathOp op = PathOp::Move;
    Point points[3];
};

struct PathMark {
    std::vector<PathStep> steps;
    double width = kThinWidth;
    bool filled = false;  // filled without an outline (arrowheads), else stroked
};

// A text's baseline start, turned `angleDeg` counter-clockwise about it; `size` the em of the
// font in mm, `stretch` the horizontal scale of the glyphs (the drafting width).
struct TextMark {
    Point origin;
    double angleDeg = 0;
    double size = 0;
    double stretch = 1;
    std::string text;  // UTF-8
};

using Mark = std::variant<PathMark, TextMark>;

// Every mark of the sheet in the order of its items. Needs the drafting font.
std::vector<Mark> SheetMarks(const Sheet& sheet);

// How a text is set: em size, horizontal scale and baseline start. Needs the drafting font.
TextMark PlaceText(const Text& text);

}  // namespace gearpair

namespace gearpair {

// A coordinate or size in the vector files: at most four decimals, a full stop, no trailing
// zeros, no "-0"; the same text on every platform and locale.
std::string MarkNumber(double value);

}  // namespace gearpair
