// Primitives, hatching, dimensions and leaders on a sheet.
#include "drawing/sheet_pen.h"

#include <algorithm>
#include <cmath>

#include "drawing/sheet_geometry.h"

namespace gearpair {

namespace {

constexpr double kArrowLength = 3;
constexpr double kArrowHalfWidth = 0.5;
constexpr double kExtensionOverrun = 2;
constexpr double kTextGap = 1;

}  // namespace

void SheetPen::PaperLine(Layer layer, Point from, Point to) {
    sheet_.items.push_back({layer, Line{from, to}});
}

void SheetPen::PaperText(Point at, const std::string& text, double height, Anchor anchor,
                         double angleDeg) {
    sheet_.items.push_back({Layer::Text, Text{at, text, height, anchor, angleDeg}});
}

void SheetPen::Arrow(Point tip, Point direction) {
    const double length = std::hypot(direction.x, direction.y);
    const double ux = direction.x / length;
    const double uy = direction.y / length;
    const Point base{tip.x - ux * kArrowLength, tip.y - uy * kArrowLength};
    Polyline arrow{{tip,
                    {base.x - uy * kArrowHalfWidth, base.y + ux * kArrowHalfWidth},
                    {base.x + uy * kArrowHalfWidth, base.y - ux * kArrowHalfWidth}},
                   true,
                   true};
    sheet_.items.push_back({Layer::Dimension, std::move(arrow)});
}

void SheetPen::DrawLine(Layer layer, Point from, Point to) {
    PaperLine(layer, frame_.ToPaper(from), frame_.ToPaper(to));
}

void SheetPen::DrawPolygon(Layer layer, const std::vector<Point>& points) {
    Polyline outline;
    outline.closed = true;
    outline.points.reserve(points.size());
    for (const Point& p : points) outline.points.push_back(frame_.ToPaper(p));
    sheet_.items.push_back({layer, std::move(outline)});
}

void SheetPen::DrawCircle(Layer layer, Point centre, double radius) {
    sheet_.items.push_back({layer, Circle{frame_.ToPaper(centre), radius * frame_.scale}});
}

void SheetPen::DrawArc(Point centre, double radius, double startDeg, double endDeg) {
    sheet_.items.push_back(
        {Layer::Contour, Arc{frame_.ToPaper(centre), radius * frame_.scale, startDeg, endDeg}});
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

void SheetPen::Hatch(const std::vector<Point>& polygon, double pitch) {
    // Lines x - y = k in paper coordinates, clipped by the even-odd rule. Each corner as its
    // (x - y, x + y): the first says which side of a line it lies on, the second where along
    // the line a crossing falls.
    struct Corner {
        double across;
        double along;
    };
    std::vector<Corner> corners;
    corners.reserve(polygon.size());
    for (const Point& part : polygon) {
        const Point p = frame_.ToPaper(part);
        corners.push_back({p.x - p.y, p.x + p.y});
    }
    double low = corners.front().across;
    double high = low;
    for (const Corner& c : corners) {
        low = std::min(low, c.across);
        high = std::max(high, c.across);
    }
    std::vector<double> crossings;  // x + y of the crossings
    for (double k = std::floor(low / pitch) * pitch + pitch / 2; k < high; k += pitch) {
        crossings.clear();
        const Corner* previous = &corners.back();
        for (const Corner& corner : corners) {
            const double fp = previous->across - k;
            const double fq = corner.across - k;
            if ((fp < 0) != (fq < 0)) {
                crossings.push_back(previous->along +
                                    fp / (fp - fq) * (corner.along - previous->along));
            }
            previous = &corner;
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            // On x - y = k with s = x + y: x = (s + k) / 2, y = (s - k) / 2.
            PaperLine(Layer::Hatch, {(crossings[i] + k) / 2, (crossings[i] - k) / 2},
                      {(crossings[i + 1] + k) / 2, (crossings[i + 1] - k) / 2});
        }
    }
}

void SheetPen::HorizontalDimension(Point a, Point b, double levelY, const std::string& text) {
    const Point pa = frame_.ToPaper(a);
    const Point pb = frame_.ToPaper(b);
    const double over = levelY > pa.y ? kExtensionOverrun : -kExtensionOverrun;
    PaperLine(Layer::Thin, pa, {pa.x, levelY + over});
    const double overB = levelY > pb.y ? kExtensionOverrun : -kExtensionOverrun;
    PaperLine(Layer::Thin, pb, {pb.x, levelY + overB});
    const double left = std::min(pa.x, pb.x);
    const double right = std::max(pa.x, pb.x);
    if (right - left >= 2 * kArrowLength + 1) {
        PaperLine(Layer::Dimension, {left, levelY}, {right, levelY});
        Arrow({left, levelY}, {-1, 0});
        Arrow({right, levelY}, {1, 0});
    } else {
        // Too short for arrows inside: they point in from outside.
        PaperLine(Layer::Dimension, {left - 2 * kArrowLength, levelY},
                  {right + 2 * kArrowLength, levelY});
        Arrow({left, levelY}, {1, 0});
        Arrow({right, levelY}, {-1, 0});
    }
    PaperText({(left + right) / 2, levelY + kTextGap}, text, kTextHeight, Anchor::BottomCentre);
}

void SheetPen::VerticalDimension(Point a, Point b, double levelX, const std::string& text) {
    const Point pa = frame_.ToPaper(a);
    const Point pb = frame_.ToPaper(b);
    const double overA = levelX > pa.x ? kExtensionOverrun : -kExtensionOverrun;
    PaperLine(Layer::Thin, pa, {levelX + overA, pa.y});
    const double overB = levelX > pb.x ? kExtensionOverrun : -kExtensionOverrun;
    PaperLine(Layer::Thin, pb, {levelX + overB, pb.y});
    const double low = std::min(pa.y, pb.y);
    const double high = std::max(pa.y, pb.y);
    if (high - low >= 2 * kArrowLength + 1) {
        PaperLine(Layer::Dimension, {levelX, low}, {levelX, high});
        Arrow({levelX, low}, {0, -1});
        Arrow({levelX, high}, {0, 1});
    } else {
        PaperLine(Layer::Dimension, {levelX, low - 2 * kArrowLength},
                  {levelX, high + 2 * kArrowLength});
        Arrow({levelX, low}, {0, 1});
        Arrow({levelX, high}, {0, -1});
    }
    PaperText({levelX - kTextGap, (low + high) / 2}, text, kTextHeight, Anchor::BottomCentre, 90);
}

void SheetPen::InnerDimension(Point a, Point b, const std::string& text) {
    const Point pa = frame_.ToPaper(a);
    const Point pb = frame_.ToPaper(b);
    // Arrows from outside towards the two faces, the line carried on as the text's shelf.
    const double width = TextWidth(text, kTextHeight);
    PaperLine(Layer::Dimension, {pa.x - 2 * kArrowLength, pa.y},
              {pb.x + 2 * kArrowLength + width + 2, pb.y});
    Arrow(pa, {1, 0});
    Arrow(pb, {-1, 0});
    PaperText({pb.x + 2 * kArrowLength + 1, pb.y + kTextGap}, text, kTextHeight,
              Anchor::BottomLeft);
}

void SheetPen::Leader(Point target, Point shelf, const std::string& text, bool leftward) {
    const Point tip = frame_.ToPaper(target);
    const double width = TextWidth(text, kTextHeight) + 2;
    const Point end{leftward ? shelf.x - width : shelf.x + width, shelf.y};
    PaperLine(Layer::Dimension, tip, shelf);
    PaperLine(Layer::Dimension, shelf, end);
    Arrow(tip, {tip.x - shelf.x, tip.y - shelf.y});
    PaperText({(shelf.x + end.x) / 2, shelf.y + kTextGap}, text, kTextHeight, Anchor::BottomCentre);
}

}  // namespace gearpair
