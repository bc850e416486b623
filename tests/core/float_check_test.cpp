// Floating-point fault detection: which faults end a step, and with which message.
#include "core/float_check.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/errors.h"
#include "core/ieee_math.h"
#include "core/numbers.h"

namespace gearpair {
namespace {

// Values that the compiler cannot fold, so the faults happen at run time.
volatile double zero = 0.0;
volatile double one = 1.0;
volatile double huge = 1e308;
volatile double tiny = 1e-308;
volatile long double extendedOne = 1;
volatile long double extendedZero = 0;

std::string FaultOf(double (*compute)()) {
    ClearFloatFaults();
    try {
        Checked(compute());
    } catch (const FloatError& error) {
        return error.what();
    }
    return "";
}

TEST(Checked, ReportsEachFaultWithItsMessage) {
    EXPECT_EQ(FaultOf([] { return one / zero; }), "Floating point division by zero");
    EXPECT_EQ(FaultOf([] { return zero / zero; }), "Invalid floating point operation");
    EXPECT_EQ(FaultOf([] { return Sqrt(-one); }), "Invalid floating point operation");
    EXPECT_EQ(FaultOf([] { return huge * huge; }), "Floating point overflow");
    EXPECT_EQ(FaultOf([] { return Log(zero); }), "Floating point division by zero");
    EXPECT_EQ(FaultOf([] { return Exp(1000 * one); }), "Floating point overflow");
    EXPECT_EQ(FaultOf([] { return Sin(std::numeric_limits<double>::infinity()); }),
              "Invalid floating point operation");
}

// The faulting functions still return IEEE's value beside the flag.
TEST(IeeeMath, FaultsGiveTheStandardValues) {
    EXPECT_EQ(Log(zero), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(Sqrt(-one)));
    EXPECT_EQ(Exp(1000 * one), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(Sin(std::numeric_limits<double>::infinity())));
    EXPECT_EQ(Sqrt(4 * one), 2);
    EXPECT_EQ(Log(one), 0);
    EXPECT_EQ(Cos(zero), 1);
    ClearFloatFaults();
}

TEST(Checked, LetsUnderflowAndInexactPass) {
    EXPECT_EQ(FaultOf([] { return tiny * tiny; }), "");
    EXPECT_EQ(FaultOf([] { return one / 3; }), "");
    EXPECT_EQ(FaultOf([] { return Exp(-1000 * one); }), "");
}

TEST(Checked, ClearsTheFlagsAfterReporting) {
    EXPECT_NE(FaultOf([] { return one / zero; }), "");
    EXPECT_NO_THROW(RaiseFloatFaults());
}

TEST(Checked, CatchesAFaultOfAnEarlierFormulaOfTheStep) {
    ClearFloatFaults();
    volatile double lost = Log(-one);  // NaN, not used further
    (void)lost;
    EXPECT_THROW(Checked(one + one), FloatError);
}

// Extended precision runs on the x87 unit where there is one; its flags count as well as
// those of double arithmetic, and clearing removes both.
TEST(Checked, SeesFaultsOfExtendedPrecision) {
    EXPECT_EQ(FaultOf([] {
                  volatile long double quotient = extendedOne / extendedZero;
                  (void)quotient;
                  return 1.0;
              }),
              "Floating point division by zero");
    ClearFloatFaults();
    volatile long double lost = extendedZero / extendedZero;
    (void)lost;
    ClearFloatFaults();
    EXPECT_NO_THROW(RaiseFloatFaults());
}

}  // namespace
}  // namespace gearpair
