// Fixed-point text of a number with a limited count of significant digits: the format of every
// value in the report, the results dialog and the hand-off list.
#pragma once

#include <string>

namespace gearpair {

// At most `precision` significant digits (2 to 18) and exactly `digits` decimals (0 to 18),
// a first dropped digit of 5 or more rounding away from zero; a value with more integer digits
// than `precision` is written in the short scientific form (1,2345679E8). A value that rounds
// to zero has no sign. Infinities and NaN are written INF, -INF and NAN.
std::string FormatFixed(double value, int precision, int digits, char decimalSeparator);

// Appends the same text to `out`, for callers that build long texts.
void AppendFixed(std::string& out, double value, int precision, int digits, char decimalSeparator);

}  // namespace gearpair
