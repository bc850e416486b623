// The rated life of a single-row deep-groove ball bearing under a radial and an axial load:
// the equivalent dynamic load with X, Y and e of ГОСТ 18855 (ISO 281) and the life L10h in hours.
#pragma once

#include <limits>

#include "engine/ball_bearings.h"

namespace gearpair {

// The load factor Kб of a gear reducer's bearings; see bearing_life.cpp for its source.
extern const double kReducerLoadFactor;

// The life of a bearing that carries no load (Fr = Fa = 0, so P = 0): the largest finite double,
// so that it passes every required life and stays a finite number in every output; an output
// tests for it to show an unloaded support instead of a number of hours.
inline constexpr double kUnloadedBearingLife = std::numeric_limits<double>::max();

// Service factors of the equivalent load.
struct BearingFactors {
    double V = 1;                    // rotation factor: the inner ring turns
    double Kb = kReducerLoadFactor;  // load (safety) factor
    double Kt = 1;                   // temperature factor, up to 100 °C
};

struct BearingRating {
    double Fr = 0;    // radial load, N
    double Fa = 0;    // axial load, N
    double e = 0;     // the limit of Fa / (V Fr) below which the axial load is left out
    double X = 0;     // radial load factor
    double Y = 0;     // axial load factor
    double P = 0;     // equivalent dynamic load, N
    double L10h = 0;  // rated life at the speed, h
};

// X, Y, e, P = (X V Fr + Y Fa) Kб Kт and L10h = (C / P)^3 10^6 / (60 n) of `bearing` under the
// loads (N, magnitudes) at `speed` (min^-1). With no load at all P is 0 and L10h is
// kUnloadedBearingLife. Throws FloatError (a zero speed under load divides by zero).
BearingRating RateBallBearing(const BallBearing& bearing, double Fr, double Fa, double speed,
                              const BearingFactors& factors);

}  // namespace gearpair
