// Number conversion, rounding and the power function of the calculation.
#include "numbers.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "errors.h"
#include "float_check.h"

namespace gearpair {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool TryTextToFloat(std::string_view text, char decimalSeparator, double& value) noexcept {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;

    bool negative = false;
    std::size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Copy the unsigned number with '.' as the decimal mark, checking the grammar on the way.
    // Texts typed into the form fit the small-string buffer, so this does not allocate.
    std::string number;
    number.reserve(end - i);
    int mantissaDigits = 0;
    while (i < end && IsDigit(text[i])) {
        number.push_back(text[i++]);
        ++mantissaDigits;
    }
    if (i < end && text[i] == decimalSeparator) {
        ++i;
        number.push_back('.');
        while (i < end && IsDigit(text[i])) {
            number.push_back(text[i++]);
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        number.push_back('e');
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            if (text[i] == '-') number.push_back('-');
            ++i;
        }
        int exponentDigits = 0;
        while (i < end && IsDigit(text[i])) {
            number.push_back(text[i++]);
            ++exponentDigits;
        }
        if (exponentDigits == 0) return false;
    }
    if (i != end) return false;

    double parsed = 0;
    const char* last = number.data() + number.size();
    auto [ptr, ec] = std::from_chars(number.data(), last, parsed);
    if (ec != std::errc() || ptr != last) return false;
    value = negative ? -parsed : parsed;
    return true;
}

std::string ConversionMessage(std::string_view text) {
    std::string message = "'";
    message.append(text);
    message.append("' is not a valid floating point value");
    return message;
}

double TextToFloat(std::string_view text, char decimalSeparator) {
    double value = 0;
    if (!TryTextToFloat(text, decimalSeparator, value))
        throw ConversionError(ConversionMessage(text));
    return value;
}

std::int32_t Round(double value) {
    // nearbyint rounds in the current mode, to nearest with ties to even, without raising
    // inexact; the range test keeps the conversion to 64 bits defined.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -9223372036854775808.0 && rounded < 9223372036854775808.0)) {
        throw FloatError(kInvalidOperationMessage);
    }
    const auto wide = static_cast<std::int64_t>(rounded);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

double Power(double base, double exponent) {
    if (exponent == 0) return 1;
    if (base == 0 && exponent > 0) return 0;
    if (std::trunc(exponent) == exponent && std::fabs(exponent) <= 2147483647.0) {
        auto count = static_cast<std::int64_t>(std::fabs(exponent));
        double product = 1;
        if (count <= 64) {
            // The small exponents of the calculation (0.5^6, 0.3^6) as the plain product.
            for (std::int64_t k = 0; k < count; ++k) product *= base;
        } else {
            double factor = base;
            for (; count > 0; count >>= 1) {
                if (count & 1) product *= factor;
                factor *= factor;
            }
        }
        return exponent < 0 ? 1 / product : product;
    }
    return std::exp(exponent * std::log(base));
}

double CubeRoot(double value) {
    if (value == 0) return 0;
    return std::exp(std::log(value) / 3);
}

}  // namespace gearpair
