// Detection of floating-point faults. The calculation runs with the IEEE flags of <cfenv>:
// a step clears them, computes, and tests them after each stored quantity, so that a division
// by zero, an invalid operation or an overflow ends the run with its message. Underflow and
// inexact results pass.
#pragma once

namespace gearpair {

inline constexpr const char* kDivisionByZeroMessage = "Floating point division by zero";
inline constexpr const char* kInvalidOperationMessage = "Invalid floating point operation";
inline constexpr const char* kOverflowMessage = "Floating point overflow";

// Clears the division-by-zero, invalid and overflow flags.
void ClearFloatFaults() noexcept;

// Throws FloatError when one of the three flags is set (division by zero first, then invalid,
// then overflow, when one formula raised several) and clears them.
void RaiseFloatFaults();

// Tests the flags once the value has been computed and returns it unchanged: wrap each stored
// quantity, `d.nkol = Checked(d.nw / d.uz);`. Defined out of line: the value arrives computed,
// so no inlining can move its arithmetic past the reading of the flags.
double Checked(double value);

}  // namespace gearpair
