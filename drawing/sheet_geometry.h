// Extents on a sheet: the box a text takes in the drafting font, and the boxes of items, so that
// layout and tests can check that nothing leaves the frame or overlaps.
#pragma once

#include <string_view>

#include "drawing/sheet.h"

namespace gearpair {

struct Box {
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;

    double Width() const { return right - left; }
    double Height() const { return top - bottom; }
    bool Overlaps(const Box& other) const {
        return left < other.right && other.left < right && bottom < other.top && other.bottom < top;
    }
    bool Contains(const Box& other) const {
        return other.left >= left && other.right <= right && other.bottom >= bottom &&
               other.top <= top;
    }
};

// Characters of a UTF-8 text (code points).
std::size_t CharacterCount(std::string_view utf8);

// Width of a text line in mm as printed: the drafting font's advances at the capital height
// `height`, narrowed to the drafting width. Needs the font; its absence throws Error.
double TextWidth(const Text& text);
double TextWidth(std::string_view utf8, double height);
// The same for a text whose advances add up to `advance` font units.
double AdvanceWidth(int advance, double height);

// The box of an item: a text's rotated box from its anchor, width and height (descenders
// included); an arc's whole circle; a dimension's expansion; a hatch's boundary.
Box ItemBox(const Item& item);

// Grows `box` to hold `other`.
void Include(Box& box, const Box& other);

}  // namespace gearpair
