// Expansion of dimensions and hatches into plain primitives.
#include "drawing/sheet_expand.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/sheet_geometry.h"

namespace gearpair {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

Point Plus(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}
Point Minus(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
Point Times(Point a, double k) {
    return {a.x * k, a.y * k};
}
double Dot(Point a, Point b) {
    return a.x * b.x + a.y * b.y;
}
double Length(Point a) {
    return std::hypot(a.x, a.y);
}

void AddLine(std::vector<Item>& out, Layer layer, Point a, Point b, int view) {
    out.push_back({layer, Line{a, b}, view});
}

void AddText(std::vector<Item>& out, const Dimension& d, Point at, double angleDeg, int view) {
    out.push_back(
        {Layer::Text, Text{at, d.text, d.textHeight, Anchor::BottomCentre, angleDeg}, view});
}

// A dimension line between two paper points with arrows at both: inside when they fit with
// the text, else pointing in from outside with the line carried on beyond them.
void DimensionLine(std::vector<Item>& out, Point a, Point b, bool outside, int view) {
    const Point u = Times(Minus(b, a), 1 / std::max(Length(Minus(b, a)), 1e-9));
    if (!outside) {
        AddLine(out, Layer::Dimension, a, b, view);
        out.push_back({Layer::Dimension, ArrowHead(a, Times(u, -1)), view});
        out.push_back({Layer::Dimension, ArrowHead(b, u), view});
        return;
    }
    AddLine(out, Layer::Dimension, Minus(a, Times(u, 2 * kArrowLength)),
            Plus(b, Times(u, 2 * kArrowLength)), view);
    out.push_back({Layer::Dimension, ArrowHead(a, u), view});
    out.push_back({Layer::Dimension, ArrowHead(b, Times(u, -1)), view});
}

void ExpandLinear(const Dimension& d, std::vector<Item>& out, int view) {
    const Point u{std::cos(d.directionDeg * kDegree), std::sin(d.directionDeg * kDegree)};
    const Point n{-u.y, u.x};
    const Point pa = d.view.ToPaper(d.first);
    const Point pb = d.view.ToPaper(d.second);
    const Point pl = d.view.ToPaper(d.line);
    const Point fa = Plus(pl, Times(u, Dot(Minus(pa, pl), u)));
    const Point fb = Plus(pl, Times(u, Dot(Minus(pb, pl), u)));
    if (d.extensionLines) {
        for (const auto& [from, foot] : {std::pair{pa, fa}, std::pair{pb, fb}}) {
            const Point run = Minus(foot, from);
            const double length = Length(run);
            if (length < 1e-9) continue;
            AddLine(out, Layer::Thin, from, Plus(foot, Times(run, kExtensionOverrun / length)),
                    view);
        }
    }
    // The arrows in the order of the direction, so that "outside" means outside.
    const bool swap = Dot(Minus(fb, fa), u) < 0;
    DimensionLine(out, swap ? fb : fa, swap ? fa : fb, d.arrowsOutside, view);
    const Point middle = Times(Plus(fa, fb), 0.5);
    // A text moved beyond the extension lines stands on the dimension line carried on to it.
    const double half = Length(Minus(fb, fa)) / 2;
    if (std::fabs(d.textShift) > half) {
        const double sign = d.textShift > 0 ? 1 : -1;
        const double reach = std::fabs(d.textShift) + TextWidth(d.text, d.textHeight) / 2;
        AddLine(out, Layer::Dimension, Plus(middle, Times(u, sign * half)),
                Plus(middle, Times(u, sign * reach)), view);
    }
    AddText(out, d, Plus(Plus(middle, Times(u, d.textShift)), Times(n, kDimensionTextGap)),
            d.directionDeg, view);
}

void ExpandDiameterOrRadius(const Dimension& d, std::vector<Item>& out, int view) {
    const Point c = d.view.ToPaper(d.first);
    const Point s = d.view.ToPaper(d.second);
    const Point run = Minus(s, c);
    const double length = std::max(Length(run), 1e-9);
    const Point u = Times(run, 1 / length);
    const Point from = d.kind == DimensionKind::Diameter ? Minus(c, run) : c;
    if (d.kind == DimensionKind::Diameter) {
        DimensionLine(out, from, s, d.arrowsOutside, view);
    } else {
        AddLine(out, Layer::Dimension, from, s, view);
        out.push_back({Layer::Dimension, ArrowHead(s, u), view});
    }
    double angle = std::atan2(u.y, u.x) / kDegree;
    Point n{-u.y, u.x};
    if (angle > 90 || angle <= -90) {  // texts read from below or from the right
        angle += angle > 0 ? -180 : 180;
        n = Times(n, -1);
    }
    const Point middle = Times(Plus(from, s), 0.5);
    AddText(out, d, Plus(Plus(middle, Times(u, d.textShift)), Times(n, kDimensionTextGap)), angle,
            view);
}

void ExpandAngular(const Dimension& d, std::vector<Item>& out, int view) {
    const Point v = d.view.ToPaper(d.first);
    const double radius = Length(Minus(d.view.ToPaper(d.line), v));
    const Point a = Minus(d.view.ToPaper(d.second), v);
    const Point b = Minus(d.view.ToPaper(d.third), v);
    const double start = std::atan2(a.y, a.x) / kDegree;
    double end = std::atan2(b.y, b.x) / kDegree;
    if (end < start) end += 360;
    out.push_back({Layer::Dimension, Arc{v, radius, start, end}, view});
    const Point pa{v.x + radius * std::cos(start * kDegree),
                   v.y + radius * std::sin(start * kDegree)};
    const Point pb{v.x + radius * std::cos(end * kDegree), v.y + radius * std::sin(end * kDegree)};
    out.push_back({Layer::Dimension,
                   ArrowHead(pa, {std::sin(start * kDegree), -std::cos(start * kDegree)}), view});
    out.push_back({Layer::Dimension,
                   ArrowHead(pb, {-std::sin(end * kDegree), std::cos(end * kDegree)}), view});
    const double middle = (start + end) / 2 * kDegree;
    AddText(out, d,
            {v.x + (radius + kDimensionTextGap) * std::cos(middle),
             v.y + (radius + kDimensionTextGap) * std::sin(middle)},
            middle / kDegree - 90, view);
}

}  // namespace

Polyline ArrowHead(Point tip, Point direction) {
    const double length = std::max(Length(direction), 1e-12);
    const double ux = direction.x / length;
    const double uy = direction.y / length;
    const Point base{tip.x - ux * kArrowLength, tip.y - uy * kArrowLength};
    return Polyline{{tip,
                     {base.x - uy * kArrowHalfWidth, base.y + ux * kArrowHalfWidth},
                     {base.x + uy * kArrowHalfWidth, base.y - ux * kArrowHalfWidth}},
                    true,
                    true};
}

std::vector<Item> ExpandDimension(const Dimension& d, int view) {
    std::vector<Item> out;
    out.reserve(8);
    switch (d.kind) {
        case DimensionKind::Linear:
            ExpandLinear(d, out, view);
            break;
        case DimensionKind::Diameter:
        case DimensionKind::Radius:
            ExpandDiameterOrRadius(d, out, view);
            break;
        case DimensionKind::Angular:
            ExpandAngular(d, out, view);
            break;
    }
    return out;
}

std::vector<Item> ExpandHatch(const Hatch& hatch, int view) {
    std::vector<Item> out;
    if (hatch.spacing <= 0) return out;
    // Each corner as (across, along): across the lines says which line it lies on, along where
    // a crossing falls.
    const Point d{std::cos(hatch.angleDeg * kDegree), std::sin(hatch.angleDeg * kDegree)};
    const Point n{-d.y, d.x};
    double low = 1e300;
    double high = -1e300;
    for (const auto& loop : hatch.loops) {
        for (const Point& p : loop) {
            low = std::min(low, Dot(p, n));
            high = std::max(high, Dot(p, n));
        }
    }
    std::vector<double> crossings;
    for (double k = std::floor(low / hatch.spacing) * hatch.spacing + hatch.spacing / 2; k < high;
         k += hatch.spacing) {
        crossings.clear();
        for (const auto& loop : hatch.loops) {
            if (loop.size() < 3) continue;
            const Point* previous = &loop.back();
            for (const Point& corner : loop) {
                const double fp = Dot(*previous, n) - k;
                const double fq = Dot(corner, n) - k;
                if ((fp < 0) != (fq < 0)) {
                    const double ap = Dot(*previous, d);
                    const double aq = Dot(corner, d);
                    crossings.push_back(ap + fp / (fp - fq) * (aq - ap));
                }
                previous = &corner;
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            AddLine(out, Layer::Hatch, Plus(Times(n, k), Times(d, crossings[i])),
                    Plus(Times(n, k), Times(d, crossings[i + 1])), view);
        }
    }
    return out;
}

std::vector<Item> PlainItems(const Item& item) {
    if (const auto* dimension = std::get_if<Dimension>(&item.shape)) {
        return ExpandDimension(*dimension, item.view);
    }
    if (const auto* hatch = std::get_if<Hatch>(&item.shape)) return ExpandHatch(*hatch, item.view);
    return {item};
}

Sheet PlainSheet(const Sheet& sheet) {
    Sheet plain;
    plain.format = sheet.format;
    plain.widthMm = sheet.widthMm;
    plain.heightMm = sheet.heightMm;
    plain.scale = sheet.scale;
    plain.views = sheet.views;
    plain.items.reserve(sheet.items.size() * 2);
    for (const Item& item : sheet.items) {
        for (Item& plainItem : PlainItems(item)) plain.items.push_back(std::move(plainItem));
    }
    return plain;
}

}  // namespace gearpair
