// The sheet model of a working drawing: primitives in millimetres of paper on named layers,
// origin at the sheet's bottom-left corner, y up. Every output (DXF, PDF, SVG, the window) is
// a translation of this model; no drawing decision is taken outside it. Besides the plain
// primitives the model keeps what a CAD file needs to stay editable: dimensions as dimensions
// (measured in the part's own millimetres), hatching as closed boundary loops, section
// contours as closed polylines, and for every item of a view the view it belongs to, so that a
// writer can put a view's geometry back at the part's real size.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace gearpair {

// Layers of a sheet, each with its line type and weight in every output.
enum class Layer {
    Contour,    // main contour, solid 0.5 mm
    Thin,       // extension lines and other thin solid lines, 0.25 mm
    Axis,       // axes and pitch lines, dash-dot 0.25 mm
    Hatch,      // section hatching, 0.25 mm
    Dimension,  // dimension lines and arrows, 0.25 mm
    Text,       // texts
    Frame,      // sheet edge, inner frame, title block and table grids
};

struct Point {
    double x = 0;
    double y = 0;
};

struct Line {
    Point from;
    Point to;
};

struct Polyline {
    std::vector<Point> points;
    bool closed = false;
    bool filled = false;  // arrowheads
};

struct Circle {
    Point centre;
    double radius = 0;
};

// Counter-clockwise from startDeg to endDeg, degrees from the x axis.
struct Arc {
    Point centre;
    double radius = 0;
    double startDeg = 0;
    double endDeg = 0;
};

// How a text's anchor point sits on the text.
enum class Anchor { BottomLeft, BottomCentre, BottomRight, MiddleLeft, MiddleCentre, MiddleRight };

// One line of text in UTF-8, height of the capitals in mm, rotated about the anchor.
struct Text {
    Point at;
    std::string text;
    double height = 3.5;
    Anchor anchor = Anchor::BottomLeft;
    double angleDeg = 0;
    std::string attribute{};  // the title-block field the text fills ("DESIGNATION"), or empty
};

// Where a view sits on the paper: a part point p (mm of the part, origin on the part's axis)
// lands on origin + p * scale.
struct ViewPlace {
    Point origin;
    double scale = 1;  // paper mm per part mm

    Point ToPaper(Point part) const {
        return {origin.x + part.x * scale, origin.y + part.y * scale};
    }
    Point ToPart(Point paper) const {
        return {(paper.x - origin.x) / scale, (paper.y - origin.y) / scale};
    }
};

enum class DimensionKind {
    Linear,    // the distance of two points along `directionDeg`
    Diameter,  // a circle's diameter, the line through its centre
    Radius,    // a circle's radius, from the centre
    Angular,   // the angle at a vertex between two legs
};

// A dimension as a CAD program keeps it. Every point is in the part's millimetres of the view
// in `view` (a copy of the view's place, so that a dimension expands on its own); text sizes
// and offsets are in paper millimetres.
//   Linear:   first, second the measured points; `line` a point the dimension line passes
//             through; directionDeg 0 measures along x, 90 along y.
//   Diameter: first the centre, second a point of the circle; the line runs through the centre
//             at the angle from first to second, across the whole circle.
//   Radius:   first the centre, second the point of the circle the arrow points at.
//   Angular:  first the vertex, second and third on the two legs, `line` on the arc.
struct Dimension {
    DimensionKind kind = DimensionKind::Linear;
    ViewPlace view;
    Point first;
    Point second;
    Point third;
    Point line;
    double directionDeg = 0;
    std::string text;           // as the sheet writes it, "Ø300,57", "22"
    bool textOverride = false;  // the text is not the measured value written plainly
    double textHeight = 3.5;
    double textShift = 0;        // paper mm along the line from its middle
    bool arrowsOutside = false;  // too short for arrows and text between the extension lines
    bool extensionLines = true;  // false where both points lie on the line itself
};

// Section hatching: thin lines at `angleDeg` from the x axis, `spacing` mm of paper apart,
// inside the closed boundary loops (even-odd: a loop inside another is a hole). Paper mm.
struct Hatch {
    std::vector<std::vector<Point>> loops;
    double angleDeg = 45;
    double spacing = 2.5;
};

using Shape = std::variant<Line, Polyline, Circle, Arc, Text, Dimension, Hatch>;

// No view: the frame, the title block, the table and the requirements.
inline constexpr int kNoView = -1;

struct Item {
    Layer layer;
    Shape shape;
    int view = kNoView;       // index into Sheet::views
    bool titleBlock = false;  // drawn as one block in CAD
};

// A view of the part on the sheet.
struct DrawingView {
    std::string name;  // "section", "bore"
    ViewPlace place;
};

// One sheet: its ISO format, the scale of its views and everything drawn on it.
struct Sheet {
    std::string format;  // "A4", "A3", "A2" or "A1"
    double widthMm = 0;
    double heightMm = 0;
    std::string scale;  // "1:2", "2,5:1" ...
    std::vector<Item> items;
    std::string title;  // the part's name, the title of the PDF and SVG files
    std::vector<DrawingView> views;
};

}  // namespace gearpair
