// The sizes of the wheel and the pinion as parts: shaft bore, hub, web, rim, chamfers and web
// holes, derived from the finished design. The hand-off for the drawing script and the
// working drawings read them from here.
#pragma once

#include "engine/gear_design.h"

namespace gearpair {

// All lengths in mm.
struct PartSizes {
    // Wheel.
    double dvkol = 0;     // shaft (bore) diameter
    double dstkol = 0;    // hub diameter
    double lstkol = 0;    // hub length
    double ckol = 0;      // web thickness
    double deltakol = 0;  // rim thickness under the root circle
    double nkol = 0;      // tooth-tip chamfer
    double DBotvkol = 0;  // diameter of the circle through the web-hole centres
    double Dotvkol = 0;   // web-hole diameter
    // Pinion.
    double dvw = 0;   // shaft (bore) diameter
    double dstw = 0;  // hub diameter
    double lstw = 0;  // hub length
    double nw = 0;    // tooth-tip chamfer
};

// Derives the part sizes from the record (torques, face widths, module, diameters). Clears the
// floating-point flags first; throws FloatError.
PartSizes DerivePartSizes(const TGearDesign& d);

}  // namespace gearpair
