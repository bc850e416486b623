// Deep-groove ball bearings, single row, of ГОСТ 8338-75: the light (200) and the medium (300)
// series with their sizes and load ratings, for the shafts' supports.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace gearpair {

enum class BearingSeries { Light, Medium };

struct BallBearing {
    std::string_view designation;  // "208"
    double d = 0;                  // bore, mm
    double D = 0;                  // outer diameter, mm
    double B = 0;                  // width, mm
    double r = 0;                  // chamfer coordinate of the rings, mm
    double C = 0;                  // basic dynamic load rating, N
    double C0 = 0;                 // basic static load rating, N
};

// The rows of a series, bore ascending.
std::span<const BallBearing> BallBearingSeries(BearingSeries series);

// The bearing of the series with this bore, or nothing.
std::optional<BallBearing> BallBearingFor(double bore, BearingSeries series);

}  // namespace gearpair
