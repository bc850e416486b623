// The trigonometric functions give glibc's values on every platform, those the Windows runtime
// gets wrong included: near a multiple of pi, where its reduction of the argument is inexact,
// and in the last bit of an ordinary argument.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace gearpair {
namespace {

// A sine and a cosine of one angle, which the compiler makes one call.
void SineAndCosine(double angle, double& sine, double& cosine) {
    sine = std::sin(angle);
    cosine = std::cos(angle);
}

TEST(WindowsMath, GivesTheCorrectlyRoundedValues) {
    volatile double pi = std::numbers::pi;
    EXPECT_EQ(std::sin(pi), 1.2246467991473532e-16);
    double sine = 0;
    double cosine = 0;
    SineAndCosine(pi / 2, sine, cosine);
    EXPECT_EQ(sine, 1.0);
    EXPECT_EQ(cosine, 6.123233995736766e-17);
    volatile double angle = 0.93466429308980636;
    EXPECT_EQ(std::tan(angle), 1.3540064832224366);
}

}  // namespace
}  // namespace gearpair
