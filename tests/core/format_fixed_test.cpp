// FormatFixed: the report's number text, checked against worked values.
#include "core/format_fixed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace gearpair {
namespace {

struct FixedCase {
    double value;
    int precision;
    int digits;
    const char* text;
};

class FormatFixedTable : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTable, WritesExpectedText) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.precision, c.digits, ','), c.text)
        << "value " << c.value << " precision " << c.precision << " digits " << c.digits;
}

INSTANTIATE_TEST_SUITE_P(
    ReportPrecision, FormatFixedTable,
    ::testing::Values(FixedCase{2.8, 8, 3, "2,800"}, FixedCase{15000, 8, 3, "15000,000"},
                      FixedCase{1234.5678, 8, 3, "1234,568"},
                      FixedCase{123456.789, 8, 3, "123456,790"},
                      FixedCase{12345678.9, 8, 3, "12345679,000"},
                      FixedCase{123456789, 8, 3, "1,2345679E8"}, FixedCase{6.02e9, 8, 3, "6,02E9"},
                      FixedCase{2.4e9, 8, 3, "2,4E9"}, FixedCase{0.0005, 8, 3, "0,001"},
                      FixedCase{-0.0004, 8, 3, "0,000"}, FixedCase{-0.0006, 8, 3, "-0,001"},
                      FixedCase{-12.3456, 8, 3, "-12,346"}, FixedCase{99999999.9996, 8, 3, "1E8"},
                      FixedCase{6962560.714285714, 8, 3, "6962560,700"},
                      FixedCase{22402708.602, 8, 3, "22402709,000"}, FixedCase{0, 8, 3, "0,000"},
                      FixedCase{-0.0, 8, 3, "0,000"}, FixedCase{25, 8, 3, "25,000"}));

INSTANTIATE_TEST_SUITE_P(
    DialogPrecision, FormatFixedTable,
    ::testing::Values(FixedCase{1.125, 4, 2, "1,13"}, FixedCase{1.375, 4, 2, "1,38"},
                      FixedCase{3.0, 4, 2, "3,00"}, FixedCase{183.4532, 4, 1, "183,5"},
                      FixedCase{66.5468, 4, 1, "66,5"}, FixedCase{1234.5678, 4, 2, "1235,00"},
                      FixedCase{0.6, 4, 2, "0,60"}));

INSTANTIATE_TEST_SUITE_P(
    Limits, FormatFixedTable,
    ::testing::Values(FixedCase{0, 8, 0, "0"}, FixedCase{2.5, 8, 0, "3"}, FixedCase{0.4, 8, 0, "0"},
                      FixedCase{0.5, 8, 0, "1"},
                      FixedCase{999.5, 3, 0, "1E3"},  // the carry adds an integer digit
                      FixedCase{1.5, 1, 3, "1,500"},  // precision below 2 counts as 2
                      FixedCase{1.25, 40, 40, "1,250000000000000000"},  // 18 at most
                      FixedCase{1e-30, 8, 3, "0,000"},  // far below the last decimal
                      FixedCase{0.000123, 8, 6, "0,000123"},
                      FixedCase{0.1 + 0.2, 18, 18, "0,300000000000000044"},
                      FixedCase{1e300, 8, 3, "1E300"}, FixedCase{-1.5e12, 8, 3, "-1,5E12"},
                      FixedCase{std::numeric_limits<double>::infinity(), 8, 3, "INF"},
                      FixedCase{-std::numeric_limits<double>::infinity(), 8, 3, "-INF"},
                      FixedCase{std::numeric_limits<double>::quiet_NaN(), 8, 3, "NAN"}));

TEST(FormatFixed, UsesTheGivenSeparator) {
    EXPECT_EQ(FormatFixed(2.8, 8, 3, '.'), "2.800");
    EXPECT_EQ(FormatFixed(123456789, 8, 3, '.'), "1.2345679E8");
}

TEST(AppendFixed, AppendsToExistingText) {
    std::string text = "(aw ";
    AppendFixed(text, 200, 8, 3, '.');
    EXPECT_EQ(text, "(aw 200.000");
}

// With 18 significant digits and no decimals beyond them, FormatFixed shows the first 18
// digits of the value exactly rounded, as the standard library's fixed notation does. Values
// near powers of two and ten, and binary fractions whose exact expansion ends in a 5 just
// after the 18th digit, probe the exponent and the rounding of the digit generation.
TEST(FormatFixed, EighteenDigitsAreTheExactlyRoundedValue) {
    std::vector<double> values;
    for (int power = -3; power <= 59; ++power) {
        double value = std::ldexp(1.0, power);
        for (int step = 0; step < 3; ++step) value = std::nextafter(value, 0.0);
        for (int step = 0; step < 6; ++step, value = std::nextafter(value, 1e300)) {
            values.push_back(value);
        }
    }
    for (int power = -1; power <= 17; ++power) {
        double value = std::pow(10.0, power);
        for (int step = 0; step < 3; ++step) value = std::nextafter(value, 0.0);
        for (int step = 0; step < 6; ++step, value = std::nextafter(value, 1e300)) {
            values.push_back(value);
        }
    }
    for (int bits = 1; bits <= 52; ++bits) values.push_back(1 + std::ldexp(1.0, -bits));
    std::uint64_t state = 1;
    for (int i = 0; i < 20000; ++i) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        const double mantissa = static_cast<double>(state >> 11);  // 53 bits
        values.push_back(std::ldexp(mantissa, -static_cast<int>(state % 56) - 4));
    }
    for (const double value : values) {
        if (!(value >= 0.1 && value < 1e18)) continue;
        char integer[32];
        const char* integerEnd = std::to_chars(integer, integer + sizeof integer, std::floor(value),
                                               std::chars_format::fixed, 0)
                                     .ptr;
        const int integerDigits = value < 1 ? 0 : static_cast<int>(integerEnd - integer);
        const int decimals = 18 - integerDigits;
        char buffer[48];
        const char* bufferEnd =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals)
                .ptr;
        const std::string exact(static_cast<const char*>(buffer), bufferEnd);
        ASSERT_EQ(FormatFixed(value, 18, decimals, '.'), exact) << "value " << value;
        ASSERT_EQ(FormatFixed(-value, 18, decimals, '.'), "-" + exact) << "value " << -value;
    }
}

// A report value with up to 8 kept digits is its 18-digit text (checked above) rounded half up
// at the last kept digit and padded with zeros to the decimals asked for.
TEST(FormatFixed, KeptDigitsAreTheEighteenDigitTextRoundedHalfUp) {
    std::uint64_t state = 3;
    const auto next = [&state](std::uint64_t range) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state >> 33) % range;
    };
    for (int i = 0; i < 20000; ++i) {
        const int integerDigits = 1 + static_cast<int>(next(8));
        double value = std::pow(10.0, integerDigits - 1) *
                       (1 + static_cast<double>(next(1000000000)) / 1e9 * 8.999);
        if (i % 4 == 0) value = std::round(value * 1000) / 1000 + 0.0005;  // near a half
        if (!(value >= 1 && value < 1e8)) continue;
        const int precision = 2 + static_cast<int>(next(7));
        const int digits = static_cast<int>(next(7));
        if (integerDigits > precision) continue;  // the scientific form: see the tables

        std::string full = FormatFixed(value, 18, 18 - integerDigits, '.');
        if (full.size() != 19 || full[static_cast<std::size_t>(integerDigits)] != '.') continue;
        full.erase(static_cast<std::size_t>(integerDigits), 1);
        const int kept = std::min(integerDigits + digits, precision);
        std::uint64_t rounded = std::stoull(full.substr(0, static_cast<std::size_t>(kept)));
        if (full[static_cast<std::size_t>(kept)] >= '5') ++rounded;
        std::string keptText = std::to_string(rounded);
        if (keptText.size() != static_cast<std::size_t>(kept)) continue;  // a carry: see tables
        std::string expected = keptText.substr(0, static_cast<std::size_t>(integerDigits));
        if (digits > 0) {
            std::string decimals = keptText.substr(static_cast<std::size_t>(integerDigits));
            decimals.resize(static_cast<std::size_t>(digits), '0');
            expected += ',' + decimals;
        }
        ASSERT_EQ(FormatFixed(value, precision, digits, ','), expected)
            << "value " << value << " precision " << precision << " digits " << digits;
        ASSERT_EQ(FormatFixed(-value, precision, digits, ','), "-" + expected)
            << "value " << -value << " precision " << precision << " digits " << digits;
    }
}

}  // namespace
}  // namespace gearpair
