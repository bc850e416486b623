// Number conversion, Round and Power.
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/errors.h"

namespace gearpair {
namespace {

TEST(TextToFloat, AcceptsDecimalCommaBlanksSignAndExponent) {
    EXPECT_EQ(TextToFloat("86,3", ','), 86.3);
    EXPECT_EQ(TextToFloat(" 86,3 ", ','), 86.3);
    EXPECT_EQ(TextToFloat("1e3", ','), 1000.0);
    EXPECT_EQ(TextToFloat("1E+3", ','), 1000.0);
    EXPECT_EQ(TextToFloat("2,5e-1", ','), 0.25);
    EXPECT_EQ(TextToFloat("-6000", ','), -6000.0);
    EXPECT_EQ(TextToFloat("+0,5", ','), 0.5);
    EXPECT_EQ(TextToFloat(",5", ','), 0.5);
    EXPECT_EQ(TextToFloat("5,", ','), 5.0);
    EXPECT_EQ(TextToFloat("1,025", ','), 1.025);
}

// Short numbers are converted without the standard library and long ones with it; either way
// the value is the correctly rounded one that from_chars gives for the text with a full stop.
// Mantissas of 15 to 17 digits and scales around 10^22 lie on the border of the two paths.
TEST(TextToFloat, GivesTheCorrectlyRoundedValueOfEveryLength) {
    std::uint64_t state = 7;
    const auto next = [&state](std::uint64_t range) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state >> 33) % range;
    };
    for (int i = 0; i < 20000; ++i) {
        std::string whole;
        std::string fraction;
        const auto wholeDigits = next(19);
        const auto fractionDigits = next(19);
        for (std::uint64_t k = 0; k < wholeDigits; ++k) whole += static_cast<char>('0' + next(10));
        for (std::uint64_t k = 0; k < fractionDigits; ++k) {
            fraction += static_cast<char>('0' + next(10));
        }
        if (whole.empty() && fraction.empty()) whole = "9";
        std::string exponent;
        if (next(2) == 0) exponent = "e" + std::to_string(static_cast<int>(next(61)) - 30);
        const std::string comma = whole + "," + fraction + exponent;
        const std::string fullStop = whole + "." + fraction + exponent;
        double expected = 0;
        const auto result =
            std::from_chars(fullStop.data(), fullStop.data() + fullStop.size(), expected);
        ASSERT_EQ(result.ec, std::errc()) << fullStop;
        ASSERT_EQ(TextToFloat(comma, ','), expected) << comma;
        ASSERT_EQ(TextToFloat("-" + fullStop, '.'), -expected) << fullStop;
    }
}

TEST(TextToFloat, FollowsTheSeparatorInForce) {
    EXPECT_EQ(TextToFloat("86.3", '.'), 86.3);
    EXPECT_THROW(TextToFloat("86,3", '.'), ConversionError);
}

class RejectedText : public ::testing::TestWithParam<const char*> {};

TEST_P(RejectedText, RaisesConversionErrorNamingTheText) {
    const std::string text = GetParam();
    try {
        TextToFloat(text, ',');
        FAIL() << "accepted '" << text << "'";
    } catch (const ConversionError& error) {
        EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(NotNumbers, RejectedText,
                         ::testing::Values("86.3", "", "   ", "abc", "1,2,3", "1 000", "1e", "e3",
                                           ",", "-", "+-1", "6000.5", "1e3,5", "\t5", "5x", "1e999",
                                           "0x10", "inf", "nan"));

TEST(ConversionMessage, QuotesTheText) {
    EXPECT_EQ(ConversionMessage("86.3"), "'86.3' is not a valid floating point value");
}

TEST(Round, SendsHalfwayValuesToTheEvenNeighbour) {
    EXPECT_EQ(Round(2.5), 2);
    EXPECT_EQ(Round(3.5), 4);
    EXPECT_EQ(Round(-2.5), -2);
    EXPECT_EQ(Round(22.5), 22);
    EXPECT_EQ(Round(2.6), 3);
    EXPECT_EQ(Round(129.3728), 129);
    EXPECT_EQ(Round(-0.4), 0);
}

TEST(Round, KeepsTheLowThirtyTwoBits) {
    EXPECT_EQ(Round(4294967296.0 + 7), 7);
    EXPECT_EQ(Round(2147483648.0), -2147483647 - 1);
}

TEST(Round, RejectsValuesBeyondSixtyFourBits) {
    EXPECT_THROW(Round(1e19), FloatError);
    EXPECT_THROW(Round(std::nan("")), FloatError);
}

TEST(Power, FollowsItsRules) {
    EXPECT_EQ(Power(0, 0), 1.0);
    EXPECT_EQ(Power(-3, 0), 1.0);
    EXPECT_EQ(Power(0, 2.4), 0.0);
    EXPECT_EQ(Power(0.5, 6), 0.015625);
    EXPECT_EQ(Power(0.3, 6), 0.3 * 0.3 * 0.3 * 0.3 * 0.3 * 0.3);
    EXPECT_EQ(Power(2, -2), 0.25);
    EXPECT_EQ(Power(-2, 3), -8.0);
    EXPECT_EQ(Power(2, 100), std::ldexp(1.0, 100));
    EXPECT_EQ(Power(250, 2.4), std::exp(2.4 * std::log(250.0)));
}

TEST(CubeRoot, IsExpOfAThirdOfTheLogarithm) {
    EXPECT_EQ(CubeRoot(0), 0.0);
    EXPECT_NEAR(CubeRoot(62500), 39.6850263, 1e-7);
    EXPECT_EQ(CubeRoot(16500), std::exp(std::log(16500.0) / 3));
}

}  // namespace
}  // namespace gearpair
