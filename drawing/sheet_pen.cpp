// Primitives, hatching, dimensions and leaders on a sheet.
#include "drawing/sheet_pen.h"

#include <algorithm>
#include <cmath>

#include "drawing/sheet_expand.h"
#include "drawing/sheet_geometry.h"

namespace gearpair {

SheetPen::SheetPen(Sheet& sheet, const std::string& viewName, ViewFrame frame)
    : sheet_(sheet), frame_(frame), view_(static_cast<int>(sheet.views.size())) {
    sheet.views.push_back({viewName, frame});
}

void SheetPen::Add(Layer layer, Shape shape) {
    sheet_.items.push_back({layer, std::move(shape), view_});
}

void SheetPen::PaperLine(Layer layer, Point from, Point to) {
    Add(layer, Line{from, to});
}

void SheetPen::PaperText(Point at, const std::string& text, double height, Anchor anchor,
                         double angleDeg) {
    Add(Layer::Text, Text{at, text, height, anchor, angleDeg});
}

void SheetPen::Arrow(Point tip, Point direction) {
    Add(Layer::Dimension, ArrowHead(tip, direction));
}

void SheetPen::DrawLine(Layer layer, Point from, Point to) {
    PaperLine(layer, frame_.ToPaper(from), frame_.ToPaper(to));
}

void SheetPen::DrawPolygon(Layer layer, const std::vector<Point>& points) {
    Polyline outline;
    outline.closed = true;
    outline.points.reserve(points.size());
    for (const Point& p : points) outline.points.push_back(frame_.ToPaper(p));
    Add(layer, std::move(outline));
}

void SheetPen::DrawCircle(Layer layer, Point centre, double radius) {
    Add(layer, Circle{frame_.ToPaper(centre), radius * frame_.scale});
}

void SheetPen::DrawArc(Point centre, double radius, double startDeg, double endDeg) {
    Add(Layer::Contour, Arc{frame_.ToPaper(centre), radius * frame_.scale, startDeg, endDeg});
}

void SheetPen::DrawAxis(Point from, Point to, double overhang) {
    Point a = frame_.ToPaper(from);
    Point b = frame_.ToPaper(to);
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    if (length > 0) {
        const double ux = (b.x - a.x) / length * overhang;
        const double uy = (b.y - a.y) / length * overhang;
        a = {a.x - ux, a.y - uy};
        b = {b.x + ux, b.y + uy};
    }
    PaperLine(Layer::Axis, a, b);
}

void SheetPen::Hatch(const std::vector<std::vector<Point>>& loops, double spacing) {
    gearpair::Hatch hatch;
    hatch.spacing = spacing;
    for (const auto& loop : loops) {
        std::vector<Point> paper;
        paper.reserve(loop.size());
        for (const Point& p : loop) paper.push_back(frame_.ToPaper(p));
        hatch.loops.push_back(std::move(paper));
    }
    Add(Layer::Hatch, std::move(hatch));
}

const Dimension& SheetPen::AddDimension(Point a, Point b, Point line, double directionDeg,
                                        const std::string& text, bool extensionLines) {
    Dimension d;
    d.view = frame_;
    d.first = a;
    d.second = b;
    d.line = line;
    d.directionDeg = directionDeg;
    d.text = text;
    d.textHeight = kTextHeight;
    d.extensionLines = extensionLines;
    const Point pa = frame_.ToPaper(a);
    const Point pb = frame_.ToPaper(b);
    const double span = directionDeg == 0 ? std::fabs(pb.x - pa.x) : std::fabs(pb.y - pa.y);
    d.arrowsOutside = span < 2 * kArrowLength + 1;
    const double width = TextWidth(text, kTextHeight);
    if (width + 2 > span) {
        // The text on the line's continuation beyond the arrow.
        d.textShift =
            span / 2 + (d.arrowsOutside ? 2 * kArrowLength : kArrowLength) + 1 + width / 2;
    }
    Add(Layer::Dimension, std::move(d));
    return std::get<Dimension>(sheet_.items.back().shape);
}

const Dimension& SheetPen::HorizontalDimension(Point a, Point b, double levelY,
                                               const std::string& text) {
    return AddDimension(a, b, frame_.ToPart({frame_.origin.x, levelY}), 0, text, true);
}

const Dimension& SheetPen::VerticalDimension(Point a, Point b, double levelX,
                                             const std::string& text) {
    return AddDimension(a, b, frame_.ToPart({levelX, frame_.origin.y}), 90, text, true);
}

const Dimension& SheetPen::InnerDimension(Point a, Point b, const std::string& text) {
    // Across material: the arrows point at its faces from outside, the text beyond one of them.
    AddDimension(a, b, a, 0, text, false);
    Dimension& d = std::get<Dimension>(sheet_.items.back().shape);
    const double span = std::fabs(frame_.ToPaper(b).x - frame_.ToPaper(a).x);
    d.arrowsOutside = true;
    d.textShift = span / 2 + 2 * kArrowLength + 1 + TextWidth(text, kTextHeight) / 2;
    return d;
}

void SheetPen::ShiftLastText(double shift) {
    std::get<Dimension>(sheet_.items.back().shape).textShift = shift;
}

void SheetPen::Leader(Point target, Point shelf, const std::string& text, bool leftward) {
    const Point tip = frame_.ToPaper(target);
    const double width = TextWidth(text, kTextHeight) + 2;
    const Point end{leftward ? shelf.x - width : shelf.x + width, shelf.y};
    PaperLine(Layer::Dimension, tip, shelf);
    PaperLine(Layer::Dimension, shelf, end);
    Arrow(tip, {tip.x - shelf.x, tip.y - shelf.y});
    PaperText({(shelf.x + end.x) / 2, shelf.y + kDimensionTextGap}, text, kTextHeight,
              Anchor::BottomCentre);
}

}  // namespace gearpair
