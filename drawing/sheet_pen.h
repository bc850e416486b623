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

using ViewFrame = ViewPlace;

// Draws one view: every item it adds belongs to the view, which it adds to the sheet.
class SheetPen {
public:
    SheetPen(Sheet& sheet, const std::string& viewName, ViewFrame frame);

    const ViewFrame& Frame() const { return frame_; }
    int View() const { return view_; }

    // Part coordinates.
    void DrawLine(Layer layer, Point from, Point to);
    void DrawPolygon(Layer layer, const std::vector<Point>& points);
    void DrawCircle(Layer layer, Point centre, double radius);
    // A contour arc counter-clockwise between two angles in degrees.
    void DrawArc(Point centre, double radius, double startDeg, double endDeg);
    // Hatching at 45 degrees inside closed loops (even-odd), lines `spacing` mm of paper apart.
    void Hatch(const std::vector<std::vector<Point>>& loops, double spacing);
    // An axis through two part points, sticking out `overhang` mm of paper at both ends.
    void DrawAxis(Point from, Point to, double overhang);

    // Linear dimensions between two part points. A horizontal one has its line at paper
    // height `levelY` with the text above it; a vertical one its line at paper x `levelX` with
    // the text on its left, read from below. Extension lines run from the points to 2 mm past
    // the line. Arrows go outside when they do not fit between the extension lines, and the
    // text goes onto the line's continuation (towards +x or +y) when it does not fit either.
    // The dimension is returned as added.
    const Dimension& HorizontalDimension(Point a, Point b, double levelY, const std::string& text);
    const Dimension& VerticalDimension(Point a, Point b, double levelX, const std::string& text);
    // A horizontal dimension across material whose line runs through both part points (no
    // extension lines): arrows outside, the text beyond the right one.
    const Dimension& InnerDimension(Point a, Point b, const std::string& text);
    // Moves the text of the last dimension along its line by `shift` paper mm.
    void ShiftLastText(double shift);
    // A leader from a part point to a shelf starting at `shelf` (paper), the text on the
    // shelf; the shelf runs right, or left when `leftward`.
    void Leader(Point target, Point shelf, const std::string& text, bool leftward = false);

    // Paper coordinates.
    void PaperLine(Layer layer, Point from, Point to);
    void PaperText(Point at, const std::string& text, double height, Anchor anchor,
                   double angleDeg = 0);
    void Arrow(Point tip, Point direction);
    // Any shape already in paper mm, as an item of the view.
    void Add(Layer layer, Shape shape);

private:
    const Dimension& AddDimension(Point a, Point b, Point line, double directionDeg,
                                  const std::string& text, bool extensionLines);

    Sheet& sheet_;
    ViewFrame frame_;
    int view_ = kNoView;
};

}  // namespace gearpair
