// Number conversion with a given decimal separator, rounding to an integer, and the power
// function of the calculation.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gearpair {

// Converts a decimal number: optional blanks around it, an optional sign, digits with at most
// one decimal separator, an optional exponent (E or e, optional sign, digits). Anything else
// throws ConversionError "'<text>' is not a valid floating point value". A value outside the
// range of double is rejected the same way.
double TextToFloat(std::string_view text, char decimalSeparator);

// The same test without throwing: true and the value when the text is a number.
bool TryTextToFloat(std::string_view text, char decimalSeparator, double& value) noexcept;

// The conversion error's message for a text.
std::string ConversionMessage(std::string_view text);

// Nearest integer, a value exactly halfway going to the even neighbour; the low 32 bits of
// the 64-bit result are kept. NaN or a value beyond the 64-bit range is an invalid operation.
std::int32_t Round(double value);

// x^y: exponent 0 gives 1; base 0 with a positive exponent gives 0; a whole-number exponent is
// a repeated product (its reciprocal for a negative exponent); any other is exp(y * ln x).
double Power(double base, double exponent);

// Cube root as the drawings and the centre-distance estimate take it: exp(ln(x) / 3), 0 for 0.
double CubeRoot(double value);

}  // namespace gearpair
