// Fuzz target of number conversion: any text either converts to the value std::from_chars
// gives for it (separator swapped for the full stop) or raises exactly the conversion error.
// Input: one byte choosing the separator (even: comma, odd: full stop), then the text.
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "core/errors.h"
#include "core/numbers.h"

namespace {

void Require(bool holds, const char* property, std::string_view text) {
    if (holds) return;
    std::fprintf(stderr, "property violated: %s\ntext: '%.*s'\n", property,
                 static_cast<int>(text.size()), text.data());
    std::abort();
}

bool AllDigits(std::string_view text) {
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

// The value a user means by the text, or nothing when it is not a number: blanks around it,
// a sign, a mantissa of digits with at most one separator, an optional exponent; the value is
// what from_chars makes of the same number written with the full stop.
std::optional<double> Expected(std::string_view text, char separator) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::string_view mantissa = text;
    std::string_view exponent;
    bool hasExponent = false;
    if (const std::size_t e = text.find_first_of("eE"); e != std::string_view::npos) {
        mantissa = text.substr(0, e);
        exponent = text.substr(e + 1);
        hasExponent = true;
    }
    std::string number;
    const std::size_t point = mantissa.find(separator);
    if (point == std::string_view::npos) {
        if (mantissa.empty() || !AllDigits(mantissa)) return std::nullopt;
        number = mantissa;
    } else {
        const std::string_view whole = mantissa.substr(0, point);
        const std::string_view fraction = mantissa.substr(point + 1);
        if (!AllDigits(whole) || !AllDigits(fraction)) return std::nullopt;
        if (whole.empty() && fraction.empty()) return std::nullopt;
        number = std::string(whole) + "." + std::string(fraction);
    }
    if (hasExponent) {
        bool negativeExponent = false;
        if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
            negativeExponent = exponent.front() == '-';
            exponent.remove_prefix(1);
        }
        if (exponent.empty() || !AllDigits(exponent)) return std::nullopt;
        number += negativeExponent ? "e-" : "e";
        number += exponent;
    }
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [ptr, ec] = std::from_chars(number.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char separator = (data[0] & 1) == 0 ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const std::optional<double> expected = Expected(text, separator);
    double value = 0;
    const bool accepted = gearpair::TryTextToFloat(text, separator, value);
    Require(accepted == expected.has_value(), "accepted exactly the numbers", text);
    if (accepted) {
        Require(std::bit_cast<std::uint64_t>(value) == std::bit_cast<std::uint64_t>(*expected),
                "the value of from_chars", text);
    }

    try {
        const double converted = gearpair::TextToFloat(text, separator);
        Require(accepted, "TextToFloat accepts what TryTextToFloat accepts", text);
        Require(std::bit_cast<std::uint64_t>(converted) == std::bit_cast<std::uint64_t>(value),
                "TextToFloat gives the same value", text);
    } catch (const gearpair::ConversionError& error) {
        Require(!accepted, "TextToFloat rejects only what TryTextToFloat rejects", text);
        // what() is a C string: a text with a NUL byte shows up to it.
        const std::string message =
            "'" + std::string(text) + "' is not a valid floating point value";
        Require(std::string_view(error.what()) == message.c_str(), "the conversion error's message",
                text);
    }
    return 0;
}
