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

// An angle rounded to the second as a drawing writes it, minutes and seconds always in two
// digits: "8°06′35″", "9°22′00″", "0°00′00″".
std::string AngleText(double degrees);

}  // namespace gearpair
