// The elementary functions of the calculation, raising the IEEE flags that the fault check
// reads on every platform: invalid for a domain error, division by zero for a pole, overflow
// for a result too large. Some C libraries (the Windows runtime's among them) return the NaN
// or infinity without raising the flag, which would let a fault pass as a number.
#pragma once

namespace gearpair {

double Sqrt(double x);  // x < 0: invalid
double Log(double x);   // x < 0: invalid; x = 0: division by zero (-infinity)
double Exp(double x);   // a finite x whose result is infinite: overflow
double Sin(double x);   // x infinite: invalid
double Cos(double x);   // x infinite: invalid

}  // namespace gearpair
