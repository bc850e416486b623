// Extents of texts and items on a sheet.
#include "drawing/sheet_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "drawing/drafting_font.h"
#include "drawing/sheet_expand.h"

namespace gearpair {

namespace {

Box PointsBox(const Point* first, std::size_t count) {
    Box box{first->x, first->y, first->x, first->y};
    for (std::size_t i = 1; i < count; ++i) {
        box.left = std::min(box.left, first[i].x);
        box.right = std::max(box.right, first[i].x);
        box.bottom = std::min(box.bottom, first[i].y);
        box.top = std::max(box.top, first[i].y);
    }
    return box;
}

// Descenders reach a third of the capital height below the baseline.
constexpr double kDescent = 1.0 / 3;

Box TextBox(const Text& t) {
    const double width = TextWidth(t);
    double left = 0;
    if (t.anchor == Anchor::BottomCentre || t.anchor == Anchor::MiddleCentre) left = -width / 2;
    if (t.anchor == Anchor::BottomRight || t.anchor == Anchor::MiddleRight) left = -width;
    double bottom = -kDescent * t.height;
    if (t.anchor == Anchor::MiddleLeft || t.anchor == Anchor::MiddleCentre ||
        t.anchor == Anchor::MiddleRight) {
        bottom -= t.height / 2;
    }
    const double top = bottom + (1 + kDescent) * t.height;
    const double angle = t.angleDeg * std::numbers::pi / 180;
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const Point corners[4] = {
        {left, bottom}, {left + width, bottom}, {left, top}, {left + width, top}};
    Point turned[4];
    for (int i = 0; i < 4; ++i) {
        turned[i] = {t.at.x + corners[i].x * c - corners[i].y * s,
                     t.at.y + corners[i].x * s + corners[i].y * c};
    }
    return PointsBox(turned, 4);
}

}  // namespace

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

double TextWidth(const Text& text) {
    return TextWidth(text.text, text.height);
}

double TextWidth(std::string_view utf8, double height) {
    return AdvanceWidth(DraftingFont().TextAdvance(utf8), height);
}

double AdvanceWidth(int advance, double height) {
    return kFontNarrowing * height * advance / DraftingFont().CapHeight();
}

Box ItemBox(const Item& item) {
    return std::visit(
        [](const auto& shape) -> Box {
            using T = std::decay_t<decltype(shape)>;
            if constexpr (std::is_same_v<T, Line>) {
                const Point ends[2] = {shape.from, shape.to};
                return PointsBox(ends, 2);
            } else if constexpr (std::is_same_v<T, Polyline>) {
                if (shape.points.empty()) return Box{};
                return PointsBox(shape.points.data(), shape.points.size());
            } else if constexpr (std::is_same_v<T, Circle> || std::is_same_v<T, Arc>) {
                return Box{shape.centre.x - shape.radius, shape.centre.y - shape.radius,
                           shape.centre.x + shape.radius, shape.centre.y + shape.radius};
            } else if constexpr (std::is_same_v<T, Text>) {
                return TextBox(shape);
            } else if constexpr (std::is_same_v<T, Hatch>) {
                Box box{1e300, 1e300, -1e300, -1e300};
                for (const auto& loop : shape.loops) {
                    if (!loop.empty()) Include(box, PointsBox(loop.data(), loop.size()));
                }
                return box;
            } else {
                const std::vector<Item> plain = ExpandDimension(shape);
                Box box = ItemBox(plain.front());
                for (const Item& part : plain) Include(box, ItemBox(part));
                return box;
            }
        },
        item.shape);
}

void Include(Box& box, const Box& other) {
    box.left = std::min(box.left, other.left);
    box.bottom = std::min(box.bottom, other.bottom);
    box.right = std::max(box.right, other.right);
    box.top = std::max(box.top, other.top);
}

}  // namespace gearpair
