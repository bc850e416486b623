// Floating-point fault detection through the IEEE flags.
#include "core/float_check.h"

#include <cfenv>

#include "core/errors.h"

namespace gearpair {

namespace {

constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

// The raised fault flags. A run tests them after every stored quantity, so on x86-64 they are
// read here directly: the SSE status register holds the flags of double arithmetic, the x87
// status word those of any x87 code, with the same bit positions as the FE_ constants; the
// library's fetestexcept reads the same two registers.
int RaisedFaults() noexcept {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    unsigned int sse = 0;
    unsigned short x87 = 0;
    __asm__ volatile("stmxcsr %0" : "=m"(sse));
    __asm__ volatile("fnstsw %0" : "=am"(x87));
    return static_cast<int>(sse | x87) & kFaults;
#else
    return std::fetestexcept(kFaults);
#endif
}

}  // namespace

void ClearFloatFaults() noexcept {
    // Clearing costs a save and reload of the x87 environment; nothing to clear is the rule.
    if (RaisedFaults() != 0) std::feclearexcept(kFaults);
}

void RaiseFloatFaults() {
    const int raised = RaisedFaults();
    if (raised == 0) return;
    ClearFloatFaults();
    if (raised & FE_DIVBYZERO) throw FloatError(kDivisionByZeroMessage);
    if (raised & FE_INVALID) throw FloatError(kInvalidOperationMessage);
    throw FloatError(kOverflowMessage);
}

}  // namespace gearpair
