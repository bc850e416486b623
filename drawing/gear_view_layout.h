// What a gear's views and their dimensions share: the paper distances of dimension lines and
// leaders, the part's drawn half length and chamfer, and the sizes' texts with their fits.
#pragma once

#include <string>

#include "drawing/gear_views.h"
#include "drawing/roughness.h"
#include "drawing/sheet_pen.h"

namespace gearpair::gear_views {

// Paper distances of dimension lines: the first 10 mm from the contour, 7 mm between
// parallel ones; a rotated or shelf text takes its height and gap beside its line.
inline constexpr double kFirstLevel = 10;
inline constexpr double kLevelStep = 7;
inline constexpr double kTextRoom = 6;
inline constexpr double kShelfRise = 6;  // leader shelves above the tip line
inline constexpr double kShelfRun = 6;   // and beside the rim face
// Centre lines end this far outside the contour.
inline constexpr double kAxisOverhang = 3;
// Roughness marks of the main view stand on leader shelves this far above the tip line, clear
// of the face width's dimension and the leaders below it; the leaders leave the surface this
// far inside the chamfers.
inline constexpr double kMarkShelf = kFirstLevel + kTextRoom;
inline constexpr double kMarkInset = 1.5;
inline constexpr double kMarkLevelStep = kRoughnessSignHeight + 1;
// From a leader's target to its shelf, each way.
inline constexpr double kMarkRun = 5;

// The datum of the bore (ГОСТ 2.308-2011): a filled equilateral triangle with its base on a
// line of the bore's surface, hanging below it, joined by a thin line to the square frame of
// its letter; paper mm. The letter is "А", or "Б" on a sheet whose enlarged local view is
// lettered "А" (a letter names one thing on a sheet).
inline constexpr double kDatumSide = 4;
inline constexpr double kDatumStem = 3;
inline constexpr double kDatumFrame = 7;
inline constexpr double kDatumDepth = kDatumSide * 0.8660254037844386 + kDatumStem + kDatumFrame;
// `base` the middle of the triangle's base (paper).
void DatumBelow(SheetPen& pen, Point base, const std::string& letter);

// A roughness mark's shelf, paper mm.
double MarkLength(double ra);

double TextLength(const std::string& text);

// The sizes that carry a fit or a limit deviation, written with it: the bore H7, the keyway
// width Js9 and the hub depth d + t2, the tip h11.
std::string BoreText(const GearPart& p);
// Only for a bore with a keyway: both come from the same key table.
std::string KeywayWidthText(const GearPart& p);
std::string HubDepthText(const GearPart& p);
std::string TipText(const GearPart& p);
std::string HolesText(const GearPart& p);

// Half the drawn length along the axis, part mm: the hub, or the broken-off stubs of a gear
// shaft.
double HalfLength(const DrawnGear& g);

// The tips' chamfer as drawn: no more than half the face width or the tooth height.
double Chamfer(const GearPart& p);

}  // namespace gearpair::gear_views
