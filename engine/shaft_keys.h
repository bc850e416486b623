// The prismatic keys of a shaft (ГОСТ 23360): the key for a seat, its length from the standard
// series within the hub or the shaft end, and its crush stress against the allowable one.
#pragma once

#include <optional>
#include <span>

namespace gearpair {

struct ShaftKey {
    double d = 0;          // shaft diameter at the key, mm
    double b = 0;          // width, mm
    double h = 0;          // height, mm
    double t1 = 0;         // keyway depth in the shaft, mm
    double l = 0;          // length, mm, of the standard series
    int count = 1;         // keys in the seat: 1, or 2 at 180 degrees
    double torque = 0;     // N*m on one key: with two keys the share each is checked under
    double stress = 0;     // crush stress 2T / (d l_p (h - t1)) on one key, MPa, l_p = l - b
    double allowable = 0;  // MPa
    bool passes = false;   // stress <= allowable
};

// The allowable crush stress of a steel hub under a steady load, MPa; see shaft_keys.cpp.
extern const double kKeyAllowableStress;

// The standard key lengths of ГОСТ 23360, ascending, mm.
std::span<const double> KeyLengths();

// The key for a seat of diameter `d` (mm) and length `seatLength` (mm) carrying `torque` (N*m):
// the key of the table by d, the standard length as the seat allows, lengthened and then
// doubled while the crush stress is above `allowable`; a key that still fails comes back with
// passes == false. Nothing where the table has no key for d or no standard length fits the
// seat. Throws FloatError.
std::optional<ShaftKey> DesignKey(double d, double seatLength, double torque, double allowable);

}  // namespace gearpair
