// FormatFixed: the report's number text, checked against worked values.
#include "report/format_fixed.h"

#include <gtest/gtest.h>

#include <limits>

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

}  // namespace
}  // namespace gearpair
