// Sizes as a drawing or a warning writes them: the decimal comma, as many decimals as the value
// needs up to a given number, rounded as the report rounds.
#pragma once

#include <string>

namespace gearpair {

// `value` rounded half away from zero to `decimals` places (0 to 3), decimal comma, trailing
// zeros and a bare comma dropped: 300.567 -> "300,57", 100.004 -> "100".
std::string DecimalText(double value, int decimals);

// A length in mm to 0.01 mm, "77,46".
std::string SizeText(double mm);

}  // namespace gearpair
