// Floating-point fault detection through the IEEE flags.
#include "core/float_check.h"

#include <cfenv>

#include "core/errors.h"

namespace gearpair {

namespace {

constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

}  // namespace

void ClearFloatFaults() noexcept {
    // Clearing saves and reloads the whole x87 environment, which costs a design run more than
    // its formatting allows; a step nearly always starts with no flag set.
    if (std::fetestexcept(kFaults) != 0) std::feclearexcept(kFaults);
}

void RaiseFloatFaults() {
    const int raised = std::fetestexcept(kFaults);
    if (raised == 0) return;
    ClearFloatFaults();
    if (raised & FE_DIVBYZERO) throw FloatError(kDivisionByZeroMessage);
    if (raised & FE_INVALID) throw FloatError(kInvalidOperationMessage);
    throw FloatError(kOverflowMessage);
}

double Checked(double value) {
    RaiseFloatFaults();
    return value;
}

}  // namespace gearpair
