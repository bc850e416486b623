// Surface roughness marks (ГОСТ 2.309-73 in its edition with amendment 3): the sign with its
// shelf and the parameter "Ra 1,6" under the shelf, standing on a line or on a leader's shelf,
// and the mark of the roughness of every surface not marked, "Ra 6,3 (√)".
#pragma once

#include <string>

#include "drawing/sheet.h"
#include "drawing/sheet_geometry.h"
#include "drawing/sheet_pen.h"

namespace gearpair {

// The roughness of a gear's surfaces, Ra in µm: the flanks and the bore that the gear runs and
// sits on; the tip and the hub's end faces, which it is set up, checked and held by, and the
// keyway's sides, which carry the key; every other surface (the keyway's bottom among them)
// takes the general mark.
inline constexpr double kFlankRa = 1.6;
inline constexpr double kBoreRa = 1.6;
inline constexpr double kTipRa = 3.2;
inline constexpr double kEndFaceRa = 3.2;  // the hub's end faces, the datum faces of the axial set
inline constexpr double kKeywaySideRa = 3.2;
inline constexpr double kGeneralRa = 6.3;

// Height of the sign's long leg, paper mm; the short leg is one text height.
inline constexpr double kRoughnessSignHeight = 7;

// "Ra 1,6" for a value in µm.
std::string RoughnessText(double ra);

// Paper the sign with its parameter takes beside its tip.
double RoughnessMarkWidth(const std::string& parameter);

// The sign with its tip at `tip` (paper), standing upright, the parameter under the shelf.
void DrawRoughnessSign(SheetPen& pen, Point tip, const std::string& parameter);

// The sign standing on a vertical line (a face's contour or extension line) with its tip at
// `tip` (paper), turned a quarter towards the side it stands on: left of the line its shelf
// runs up and the parameter reads from below, right of it down and read from the right.
void DrawRoughnessSignOnVertical(SheetPen& pen, Point tip, const std::string& parameter,
                                 bool leftOfLine);
// Paper such a sign takes along its line from its tip: on its shelf's side, and on the other.
double RoughnessShelfReach(const std::string& parameter);
double RoughnessBackReach();

// A sign on the shelf of a leader from a part point to `shelf` (paper): the shelf runs right,
// or left when `leftward`, as long as the sign with its parameter and 1 mm on each side.
void RoughnessOnLeader(SheetPen& pen, Point target, Point shelf, const std::string& parameter,
                       bool leftward);

// The mark of every surface not marked: the sign with the parameter followed by the bare sign
// in brackets, drawn outside the views with its box's top right corner at `topRight` (paper).
void DrawGeneralRoughness(Sheet& sheet, Point topRight, const std::string& parameter);
double GeneralRoughnessWidth(const std::string& parameter);
inline constexpr double kGeneralRoughnessHeight = kRoughnessSignHeight;

}  // namespace gearpair
