// Windows only: the trigonometric functions and hypot of the C library, replaced for the whole
// program by correctly rounded ones. The MinGW-w64 runtime computes them on the x87 unit, whose
// reduction of the argument by pi is inexact (sin near a multiple of pi loses all its digits)
// and whose results differ from glibc's in the last bit for about one argument in ten; glibc's
// are the correctly rounded value for all but about one in a thousand. Evaluated in quadruple
// precision (113 bits) and rounded once, the coordinates of the tooth outlines, the meshes and
// the masses are those of the Linux build.
#include <quadmath.h>

namespace {

__extension__ typedef __float128 Quad;

double Rounded(Quad value) {
    return static_cast<double>(value);
}

}  // namespace

// The definitions take the place of the runtime's: the linker takes a symbol from the first
// archive that defines it, and the project's libraries come before the runtime's.
extern "C" {

double sin(double x) {
    return Rounded(sinq(x));
}

double cos(double x) {
    return Rounded(cosq(x));
}

double tan(double x) {
    return Rounded(tanq(x));
}

double asin(double x) {
    return Rounded(asinq(x));
}

double acos(double x) {
    return Rounded(acosq(x));
}

double atan(double x) {
    return Rounded(atanq(x));
}

double atan2(double y, double x) {
    return Rounded(atan2q(y, x));
}

// The compiler turns a sine and a cosine of the same angle into one call of this.
void sincos(double x, double* sine, double* cosine) {
    *sine = Rounded(sinq(x));
    *cosine = Rounded(cosq(x));
}

double hypot(double x, double y) {
    return Rounded(hypotq(x, y));
}

}  // extern "C"
