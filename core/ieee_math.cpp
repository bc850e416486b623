// The elementary functions with their IEEE flags raised by an operation that raises them
// everywhere; the values are the C library's own, so no digit changes.
#include "core/ieee_math.h"

#include <cfloat>
#include <cmath>

namespace gearpair {

namespace {

// Volatile, so that the compiler neither folds the operation nor drops it.
double RaiseInvalid() {
    volatile double zero = 0;
    return zero / zero;
}

double RaiseDivisionByZero(double numerator) {
    volatile double zero = 0;
    return numerator / zero;
}

double RaiseOverflow(double sign) {
    volatile double largest = DBL_MAX;
    return sign * (largest * largest);
}

}  // namespace

double Sqrt(double x) {
    if (x < 0) return RaiseInvalid();
    return std::sqrt(x);
}

double Log(double x) {
    if (x < 0) return RaiseInvalid();
    if (x == 0) return RaiseDivisionByZero(-1);
    return std::log(x);
}

double Exp(double x) {
    const double result = std::exp(x);
    if (std::isinf(result) && std::isfinite(x)) return RaiseOverflow(1);
    return result;
}

double Sin(double x) {
    if (std::isinf(x)) return RaiseInvalid();
    return std::sin(x);
}

double Cos(double x) {
    if (std::isinf(x)) return RaiseInvalid();
    return std::cos(x);
}

}  // namespace gearpair
