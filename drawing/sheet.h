// The sheet model of a working drawing: primitives in millimetres of paper on named layers,
// origin at the sheet's bottom-left corner, y up. Every output (DXF, PDF, SVG, the window) is
// a translation of this model; no drawing decision is taken outside it.
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
};

using Shape = std::variant<Line, Polyline, Circle, Arc, Text>;

struct Item {
    Layer layer;
    Shape shape;
};

// One sheet: its ISO format, the scale of its views and everything drawn on it.
struct Sheet {
    std::string format;  // "A4", "A3", "A2" or "A1"
    double widthMm = 0;
    double heightMm = 0;
    std::string scale;  // "1:2", "2,5:1" ...
    std::vector<Item> items;
    std::string title;  // the part's name, the title of the PDF and SVG files
};

}  // namespace gearpair
