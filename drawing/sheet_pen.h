// Drawing on a sheet: the primitives of a view in the part's own millimetres (mapped onto the
// paper by the view's origin and scale), section hatching, and dimensions and leaders with
// arrows and texts in paper millimetres.
#pragma once

#include <string>
#include <vector>

#include "drawing/sheet.h"

namespace gearpair {

// Texts of dimensions, tables and requirements: capital height in mm.
inline constexpr double kTextHeight = 3.5;

// A view placed on the paper: a part point p lands on origin + p * scale.
struct ViewFrame {
    Point origin;
    double scale = 1;

    Point ToPaper(Point part) const {
        return {origin.x + part.x * scale, origin.y + part.y * scale};
    }
};

class SheetPen {
public:
    SheetPen(Sheet& sheet, ViewFrame frame) : sheet_(sheet), frame_(frame) {}

    const ViewFrame& Frame() const { return frame_; }

    // Part coordinates.
    void DrawLine(Layer layer, Point from, Point to);
    void DrawPolygon(Layer layer, const std::vector<Point>& points);
    void DrawCircle(Layer layer, Point centre, double radius);
    // A contour arc counter-clockwise between two angles in degrees.
    void DrawArc(Point centre, double radius, double startDeg, double endDeg);
    // Hatching at 45 degrees inside a closed polygon, lines `pitch` mm of paper apart.
    void Hatch(const std::vector<Point>& polygon, double pitch);
    // An axis through two part points, sticking out `overhang` mm of paper at both ends.
    void DrawAxis(Point from, Point to, double overhang);

    // Dimensions between two part points. A horizontal one has its line at paper height
    // `levelY` with the text above it; a vertical one its line at paper x `levelX` with the
    // text on its left, read from below. Extension lines run from the points to 2 mm past the
    // line.
    void HorizontalDimension(Point a, Point b, double levelY, const std::string& text);
    void VerticalDimension(Point a, Point b, double levelX, const std::string& text);
    // A dimension line between two part points with no extension lines (both points lie on
    // the measured contour), the text on a shelf to the right of `b`.
    void InnerDimension(Point a, Point b, const std::string& text);
    // A leader from a part point to a shelf starting at `shelf` (paper), the text on the
    // shelf; the shelf runs right, or left when `leftward`.
    void Leader(Point target, Point shelf, const std::string& text, bool leftward = false);

    // Paper coordinates.
    void PaperLine(Layer layer, Point from, Point to);
    void PaperText(Point at, const std::string& text, double height, Anchor anchor,
                   double angleDeg = 0);
    void Arrow(Point tip, Point direction);

private:
    Sheet& sheet_;
    ViewFrame frame_;
};

}  // namespace gearpair
