// The texts of a working drawing: sizes with the decimal comma to a given number of decimals
// without trailing zeros, diameters, chamfers and angles in degrees, minutes and seconds.
#pragma once

#include <string>

#include "core/decimal_text.h"

namespace gearpair {

// "Ø77,46".
std::string DiameterText(double mm);

// A chamfer at 45 degrees, "3×45°".
std::string ChamferText(double mm);

// An angle rounded to the second, with only the parts it needs: "14°", "14°30′", "14°0′15″".
std::string AngleText(double degrees);

}  // namespace gearpair
