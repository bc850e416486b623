// The local view of the bore with its keyway, right of the main view on its axis, enlarged
// where the bore is small on the sheet: its place and its drawing with dimensions.
#pragma once

#include <string>
#include <string_view>

#include "drawing/gear_views.h"
#include "drawing/sheet_pen.h"

namespace gearpair::gear_views {

// The letter of an enlarged local view, as ГОСТ 2.305 designates a view out of its projection.
inline constexpr std::string_view kLocalViewLetter = "А";

bool HasLocalView(const DrawnGear& g);

// Radius of the circle the local view shows.
double LocalRadius(const GearPart& p);

// The local view's place: between it and the main view room for the keyway width's text moved
// left of its arrows (over the view's own left half, above the keyway) and for the bore's
// roughness mark on a shelf to the lower left; right of it the hub depth d + t2 and the keyway
// sides' roughness mark.
LocalViewExtent LocalExtent(const DrawnGear& g);

// The bore and keyway with their centre lines, dimensions and roughness marks, and the bore
// marked as the datum `datum`.
void DrawLocalView(SheetPen& pen, const GearPart& p, const std::string& datum);

}  // namespace gearpair::gear_views
