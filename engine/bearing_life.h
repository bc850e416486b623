// The rated life of a single-row deep-groove ball bearing under a radial and an axial load:
// the equivalent dynamic load with X, Y and e of ГОСТ 18855-2013 (ISO 281) and L10h.
#pragma once

#include "engine/ball_bearings.h"

namespace gearpair {

// Service factors of the equivalent load.
struct BearingFactors {
    double V = 1;    // rotation factor: the inner ring turns
    double Kb = 0;   // load (safety) factor; its default is kReducerLoadFactor
    double Kt = 1;   // temperature factor, up to 100 °C
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

// The load factor Kб of a gear reducer's bearings; see bearing_life.cpp for its source.
extern const double kReducerLoadFactor;

// X, Y, e, P = (X V Fr + Y Fa) Kб Kт and L10h = (C / P)^3 10^6 / (60 n) of `bearing` under the
// loads (N) at `speed` (min^-1). Throws FloatError.
BearingRating RateBallBearing(const BallBearing& bearing, double Fr, double Fa, double speed,
                              const BearingFactors& factors);

}  // namespace gearpair
