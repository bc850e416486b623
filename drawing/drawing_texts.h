// The texts of a working drawing: sizes with the decimal comma to a given number of decimals
// without trailing zeros, diameters, chamfers, angles in degrees, minutes and seconds, and the
// part's mass.
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

// The mass as the title block writes it, kg: three significant digits below 1 kg (0,0146;
// 0,123), two decimals below 10 kg, one below 100 kg, whole kilograms above; no trailing zeros.
std::string MassText(double kg);

}  // namespace gearpair
