// The helix angle of a design in degrees: as the engineer entered it, as the hand-off has always
// given it, and as the teeth are cut. The procedure rounds the total tooth count and takes the
// diameters from cos(beta) = zs * mn / (2 * aw), so the angle the teeth are cut at is not the
// entered one (14 degrees entered, 14 deg 38' 51" cut, for the default design).
#pragma once

#include "engine/gear_design.h"

namespace gearpair {

// The angle the engineer entered, degrees.
double EnteredHelixDegrees(const TGearDesign& d);

// The record's angle (radians after the first geometry pass) in degrees with the hand-off's
// own constant: 13.99999958... for an entered 14, which the hand-off writes as 14.000.
double HandoffHelixDegrees(const TGearDesign& d);

// The angle the teeth are cut at after the last geometry pass, degrees:
// arccos((z1 + z2) * mn / (2 * aw)), 14.6474693... for the default design.
double CutHelixDegrees(const TGearDesign& d);

}  // namespace gearpair
