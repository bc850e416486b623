// The texts of a working drawing: sizes with the decimal comma to a given number of decimals
// without trailing zeros, diameters, chamfers and angles in degrees, minutes and seconds.
#pragma once

#include <string>

namespace gearpair {

// `value` rounded half away from zero to `decimals` places (0 to 3), decimal comma, trailing
// zeros and a bare comma dropped: 300.567 -> "300,57", 100.004 -> "100".
std::string DecimalText(double value, int decimals);

// A length on a dimension: the part's real size in mm to 0.01 mm, "77,46".
std::string SizeText(double mm);

// "Ø77,46".
std::string DiameterText(double mm);

// A chamfer at 45 degrees, "3×45°".
std::string ChamferText(double mm);

// An angle rounded to the second, with only the parts it needs: "14°", "14°30′", "14°0′15″".
std::string AngleText(double degrees);

}  // namespace gearpair
