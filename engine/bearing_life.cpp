// The equivalent dynamic load and the rated life in hours of a single-row deep-groove ball
// bearing of ГОСТ 8338-75.
#include "engine/bearing_life.h"

#include <array>
#include <cstddef>

#include "core/float_check.h"
#include "core/numbers.h"

namespace gearpair {

// Чернавский С.А. и др., «Курсовое проектирование деталей машин», 2-е изд., М.:
// Машиностроение, 1988, table 9.19 (the factor Kб by the character of the load): reducers,
// moderate shocks and short overloads up to 150 %, Kб = 1.3...1.5; the lower end is taken.
const double kReducerLoadFactor = 1.3;

namespace {

struct AxialLoadRow {
    double relativeLoad;  // Fa / C0r
    double e;
    double Y;  // for Fa / (V Fr) > e
};

// ГОСТ 18855-2013 (ISO 281:2007), table 3, radial ball bearing, single row:
// X = 1, Y = 0 while Fa / Fr <= e, otherwise X = 0.56 and e, Y by the relative axial load,
// linearly interpolated between the rows (footnote b). The 2013 table states the relative load
// as f0 Fa / C0r (0.172 ... 6.89) with f0 of ГОСТ 18854 from the ball diameter and its pitch
// diameter, which ГОСТ 8338-75 does not give; the load is therefore taken as Fa / C0r with the
// column of the previous edition ГОСТ 18855-94 (ISO 281:1990), whose values are those of the
// 2013 column over f0 = 12.3, rounded.
constexpr double kRadialFactor = 0.56;
constexpr std::array<AxialLoadRow, 9> kAxialLoadRows = {{
    {0.014, 0.19, 2.30},
    {0.028, 0.22, 1.99},
    {0.056, 0.26, 1.71},
    {0.084, 0.28, 1.55},
    {0.11, 0.30, 1.45},
    {0.17, 0.34, 1.31},
    {0.28, 0.38, 1.15},
    {0.42, 0.42, 1.04},
    {0.56, 0.44, 1.00},
}};

// e and Y at a relative axial load: the first row below the table, the last above it.
AxialLoadRow AtRelativeLoad(double relativeLoad) {
    if (!(relativeLoad > kAxialLoadRows.front().relativeLoad)) return kAxialLoadRows.front();
    for (std::size_t i = 1; i < kAxialLoadRows.size(); ++i) {
        const AxialLoadRow& upper = kAxialLoadRows[i];
        if (relativeLoad > upper.relativeLoad) continue;
        if (relativeLoad == upper.relativeLoad) return upper;
        const AxialLoadRow& lower = kAxialLoadRows[i - 1];
        const double t =
            (relativeLoad - lower.relativeLoad) / (upper.relativeLoad - lower.relativeLoad);
        return {relativeLoad, lower.e + t * (upper.e - lower.e), lower.Y + t * (upper.Y - lower.Y)};
    }
    return kAxialLoadRows.back();
}

// Revolutions per million and minutes per hour of the life in hours.
constexpr double kRevolutionsPerMillion = 1e6;
constexpr double kMinutesPerHour = 60;
// Life exponent of ball bearings, ГОСТ 18855-2013 formula (4): L10 = (C / P)^3.
constexpr double kBallLifeExponent = 3;

}  // namespace

BearingRating RateBallBearing(const BallBearing& bearing, double Fr, double Fa, double speed,
                              const BearingFactors& factors) {
    BearingRating r;
    r.Fr = Fr;
    r.Fa = Fa;

    const AxialLoadRow row = AtRelativeLoad(Fa / bearing.C0);
    r.e = row.e;
    // The axial load counts once Fa / (V Fr) exceeds e; with no radial load at all it always
    // does. Fa = 0 leaves X = 1, Y = 0.
    const double rotatingRadial = factors.V * Fr;
    const bool axialCounts = Fa > 0 && !(rotatingRadial > 0 && (Fa / rotatingRadial) <= r.e);
    r.X = axialCounts ? kRadialFactor : 1;
    r.Y = axialCounts ? row.Y : 0;

    // ГОСТ 18855-2013 formula (3), P = X Fr + Y Fa, with the rotation factor V on Fr and the
    // service factors Kб and Kт on the sum.
    r.P = (r.X * rotatingRadial + r.Y * Fa) * factors.Kb * factors.Kt;
    if (r.P == 0) {
        r.L10h = kUnloadedBearingLife;
        return r;
    }
    const double L10 = Power(bearing.C / r.P, kBallLifeExponent);
    r.L10h = L10 * kRevolutionsPerMillion / (kMinutesPerHour * speed);
    RaiseFloatFaults();
    return r;
}

}  // namespace gearpair
