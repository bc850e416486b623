// Number conversion, rounding and the power function of the calculation.
#include "core/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <system_error>

#include "core/errors.h"
#include "core/float_check.h"
#include "core/ieee_math.h"

namespace gearpair {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// 10^0 to 10^22: every one is a double exactly.
constexpr std::array<double, 23> kExactPowersOf10 = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22,
};

// Largest integer below which every integer is a double exactly: 2^53.
constexpr std::uint64_t kExactIntegers = 1ULL << 53;

// Reads the unsigned number, whose grammar is already checked, with the standard library: a
// decimal separator becomes a full stop in a copy. A value outside the range of double fails.
bool LibraryConversion(std::string_view number, std::size_t separatorAt, double& parsed) {
    std::string copy(number);
    if (separatorAt != std::string_view::npos) copy[separatorAt] = '.';
    const auto result = std::from_chars(copy.data(), copy.data() + copy.size(), parsed);
    return result.ec == std::errc() && result.ptr == copy.data() + copy.size();
}

bool Convert(std::string_view text, char decimalSeparator, double& value) noexcept {
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

    // Check the grammar of the unsigned number, which the standard library's conversion does
    // not share (it reads no separator but the full stop, and reads "inf" and "nan"), and
    // gather its digits as an integer while they fit: number = mantissa x 10^(exponent -
    // decimals).
    const std::size_t numberBegin = i;
    std::size_t separatorAt = std::string_view::npos;
    std::uint64_t mantissa = 0;
    int mantissaDigits = 0;
    int decimals = 0;
    bool mantissaFits = true;
    const auto takeDigit = [&](char c) {
        ++mantissaDigits;
        if (mantissa >= kExactIntegers / 10) {
            mantissaFits = false;
        } else {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
        }
    };
    while (i < end && IsDigit(text[i])) takeDigit(text[i++]);
    if (i < end && text[i] == decimalSeparator) {
        separatorAt = i - numberBegin;
        ++i;
        while (i < end && IsDigit(text[i])) {
            takeDigit(text[i++]);
            ++decimals;
        }
    }
    if (mantissaDigits == 0) return false;
    int exponent = 0;
    bool exponentFits = true;
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool exponentNegative = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            exponentNegative = text[i] == '-';
            ++i;
        }
        int exponentDigits = 0;
        for (; i < end && IsDigit(text[i]); ++i, ++exponentDigits) {
            if (exponent < 1000) {
                exponent = exponent * 10 + (text[i] - '0');
            } else {
                exponentFits = false;
            }
        }
        if (exponentDigits == 0) return false;
        if (exponentNegative) exponent = -exponent;
    }
    if (i != end) return false;

    // Every text of the form and the files converts in the time of the library's conversion
    // only this way: a mantissa below 2^53 times or divided by a power of ten up to 10^22 is
    // one correctly rounded operation on two exact doubles, the value the library gives.
    // Longer numbers and larger exponents go to the library.
    double parsed = 0;
    const int scale = exponent - decimals;
    if (mantissaFits && exponentFits && scale >= -22 && scale <= 22) {
        const auto exact = static_cast<double>(mantissa);
        parsed = scale >= 0 ? exact * kExactPowersOf10[static_cast<std::size_t>(scale)]
                            : exact / kExactPowersOf10[static_cast<std::size_t>(-scale)];
    } else if (!LibraryConversion(text.substr(numberBegin, end - numberBegin), separatorAt,
                                  parsed)) {
        return false;
    }
    value = negative ? -parsed : parsed;
    return true;
}

}  // namespace

bool TryTextToFloat(std::string_view text, char decimalSeparator, double& value) noexcept {
    return Convert(text, decimalSeparator, value);
}

std::string ConversionMessage(std::string_view text) {
    std::string message = "'";
    message.append(text);
    message.append("' is not a valid floating point value");
    return message;
}

double TextToFloat(std::string_view text, char decimalSeparator) {
    double value = 0;
    if (!Convert(text, decimalSeparator, value)) throw ConversionError(ConversionMessage(text));
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
        const auto count = static_cast<std::int64_t>(std::fabs(exponent));
        double product = 1;
        for (std::int64_t k = 0; k < count; ++k) product *= base;
        return exponent < 0 ? 1 / product : product;
    }
    return Exp(exponent * Log(base));
}

double CubeRoot(double value) {
    if (value == 0) return 0;
    return Exp(Log(value) / 3);
}

}  // namespace gearpair
