// The keyway of a prismatic key, in the hub and in the shaft, (ГОСТ 23360, the sizes of ISO/DIN
// 6885) for a bore.
#pragma once

#include <optional>

namespace gearpair {

struct Keyway {
    double width = 0;       // b, mm
    double hubDepth = 0;    // t2, depth into the hub from the bore surface, mm
    double keyHeight = 0;   // h, mm: selects the limit deviation of the hub depth
    double shaftDepth = 0;  // t1, depth into the shaft, mm
};

// The keyway for a bore of diameter `bore` in mm: the row whose range "over .. up to" holds it
// (6 itself falls in the first row). No standard key outside 6 to 500 mm: nothing.
std::optional<Keyway> KeywayForBore(double bore);

}  // namespace gearpair
