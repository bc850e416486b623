// Fuzz target of FormatFixed over any double, precision and digit count: the text follows
// the format (fixed form with exactly `digits` decimals, or the short scientific form for a
// value with more integer digits than the precision), keeps at most `precision` significant
// digits, and reads back within half a unit of its last kept digit.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/format_fixed.h"

namespace {

struct Case {
    double value;
    int precision;
    int digits;
    char separator;
};

void Require(bool holds, const char* property, const Case& c, const std::string& text) {
    if (holds) return;
    std::fprintf(stderr,
                 "property violated: %s\nvalue %.17g (bits %016llx), precision %d, digits %d, "
                 "separator '%c'\ntext: %s\n",
                 property, c.value,
                 static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(c.value)),
                 c.precision, c.digits, c.separator, text.c_str());
    std::abort();
}

std::size_t CountDigits(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; }));
}

bool AllDigits(std::string_view text) {
    return CountDigits(text) == text.size();
}

// Digits from the first non-zero one to the last non-zero one.
std::size_t SignificantDigits(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return 0;
    return digits.find_last_not_of('0') - first + 1;
}

// The decimal exponent e of |value| = 0.d1d2... x 10^e, d1 not zero, at 18 significant digits.
int DecimalExponent(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17e", std::fabs(value));
    return std::atoi(std::strchr(buffer, 'e') + 1) + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    Case c;
    c.value = std::bit_cast<double>(input.ConsumeIntegral<std::uint64_t>());
    c.precision = input.ConsumeIntegral<std::int8_t>();
    c.digits = input.ConsumeIntegral<std::int8_t>();
    c.separator = input.ConsumeBool() ? ',' : '.';

    const std::string text = gearpair::FormatFixed(c.value, c.precision, c.digits, c.separator);
    std::string appended = "(x ";
    gearpair::AppendFixed(appended, c.value, c.precision, c.digits, c.separator);
    Require(appended == "(x " + text, "AppendFixed appends the same text", c, text);

    if (std::isnan(c.value)) {
        Require(text == "NAN", "NaN is written NAN", c, text);
        return 0;
    }
    if (std::isinf(c.value)) {
        Require(text == (c.value < 0 ? "-INF" : "INF"), "infinities", c, text);
        return 0;
    }
    const int precision = std::clamp(c.precision, 2, 18);
    const int digits = std::clamp(c.digits, 0, 18);

    // The grammar: [-] then either the fixed form or the scientific form.
    std::string_view rest = text;
    const bool negative = rest.starts_with('-');
    if (negative) rest.remove_prefix(1);
    std::string number;  // the same number with '.' and 'e', to read back
    const std::size_t letter = rest.find('E');
    if (letter == std::string_view::npos) {
        const std::size_t point = rest.find(c.separator);
        const std::string_view whole = rest.substr(0, point);
        Require(!whole.empty() && AllDigits(whole) && (whole == "0" || whole[0] != '0'),
                "integer part without leading zeros", c, text);
        Require(whole.size() <= static_cast<std::size_t>(precision),
                "no more integer digits than the precision in the fixed form", c, text);
        std::string_view fraction;
        if (digits == 0) {
            Require(point == std::string_view::npos, "no separator without decimals", c, text);
        } else {
            Require(point != std::string_view::npos, "a separator before the decimals", c, text);
            fraction = rest.substr(point + 1);
            Require(fraction.size() == static_cast<std::size_t>(digits) && AllDigits(fraction),
                    "exactly `digits` decimals", c, text);
        }
        const std::string all = std::string(whole) + std::string(fraction);
        Require(SignificantDigits(all) <= static_cast<std::size_t>(precision),
                "at most `precision` significant digits", c, text);
        Require(!negative || SignificantDigits(all) > 0, "zero has no sign", c, text);
        number = std::string(whole) + "." + std::string(fraction) + "0";
    } else {
        const std::string_view mantissa = rest.substr(0, letter);
        std::string_view exponent = rest.substr(letter + 1);
        Require(!mantissa.empty() && mantissa[0] >= '1' && mantissa[0] <= '9',
                "scientific form opens with a non-zero digit", c, text);
        std::string_view fraction;
        if (mantissa.size() > 1) {
            Require(mantissa[1] == c.separator, "separator after the first digit", c, text);
            fraction = mantissa.substr(2);
            Require(!fraction.empty() && AllDigits(fraction) && fraction.back() != '0',
                    "scientific decimals without trailing zeros", c, text);
        }
        Require(1 + fraction.size() <= static_cast<std::size_t>(precision),
                "at most `precision` digits in the scientific form", c, text);
        if (exponent.starts_with('-')) exponent.remove_prefix(1);
        Require(!exponent.empty() && AllDigits(exponent) && (exponent == "0" || exponent[0] != '0'),
                "exponent digits without leading zeros or plus sign", c, text);
        number = std::string(mantissa.substr(0, 1)) + "." + std::string(fraction) + "0e" +
                 std::string(rest.substr(letter + 1));
        int exponentValue = 0;
        std::from_chars(rest.data() + letter + 1, rest.data() + rest.size(), exponentValue);
        Require(exponentValue >= precision,
                "scientific only with more integer digits than the precision", c, text);
    }

    // Read back in extended precision: a value rounded up past the largest double still has
    // its text.
    char* end = nullptr;
    long double back = std::strtold(number.c_str(), &end);
    Require(end == number.c_str() + number.size() && std::isfinite(back), "text reads back", c,
            text);
    if (negative) back = -back;

    if (c.value == 0) {
        Require(back == 0, "zero stays zero", c, text);
        return 0;
    }
    // Half a unit of the last kept digit, plus what rounding to 18 digits first and reading
    // the text back into a double may add.
    const int e = DecimalExponent(c.value);
    const int kept = std::min(e + digits, precision);
    if (kept < 0) {
        Require(back == 0, "a value below the last decimal is zero", c, text);
        return 0;
    }
    const long double magnitude = std::fabs(static_cast<long double>(c.value));
    const long double tolerance =
        0.5L * std::pow(10.0L, e - kept) + 0.5L * std::pow(10.0L, e - 18) +
        (magnitude + std::fabs(static_cast<long double>(back))) * 0x1p-52L;
    const long double error = std::fabs(static_cast<long double>(back) - c.value);
    Require(error <= tolerance, "reads back within half a unit of the last kept digit", c, text);
    return 0;
}
