// Floating-point fault detection through the IEEE flags.
#include "float_check.h"

#include <cfenv>

#include "errors.h"

namespace gearpair {

void ClearFloatFaults() noexcept {
    std::feclearexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
}

void RaiseFloatFaults() {
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    if (raised == 0) return;
    ClearFloatFaults();
    if (raised & FE_DIVBYZERO) throw FloatError(kDivisionByZeroMessage);
    if (raised & FE_INVALID) throw FloatError(kInvalidOperationMessage);
    throw FloatError(kOverflowMessage);
}

}  // namespace gearpair
