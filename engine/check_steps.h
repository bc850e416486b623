// What each geometry pass of the project calculation tried: its centre distance, module and
// tooth counts, and the stress and allowable stress of each check it ran, exactly as the
// report lines of that pass print them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace gearpair {

struct ContactCheckFigures {
    double stress = 0;     // Gh, MPa
    double allowable = 0;  // Ghp, MPa
    bool passed = false;
};

struct BendingCheckFigures {
    bool pinion = false;   // the weaker gear is the pinion (else the wheel)
    double stress = 0;     // Gf of the weaker gear, MPa
    double allowable = 0;  // its allowable bending stress, MPa
    bool passed = false;
};

// One geometry pass. A check is absent when the pass did not run it: the bending check after
// a failed contact check, or any check after the run stopped or failed inside the pass.
struct CheckStep {
    double aw = 0;  // mm
    double mn = 0;  // mm
    std::int32_t z1 = 0;
    std::int32_t z2 = 0;
    std::optional<ContactCheckFigures> contact;
    std::optional<BendingCheckFigures> bending;
};

// How much room a check leaves: 1 - stress / allowable, positive when the check passes with
// room, negative when it fails.
inline double CheckMargin(double stress, double allowable) {
    return 1 - stress / allowable;
}

// A margin in per cent to one decimal, as the results print it before " %": "15,2".
std::string MarginPercentText(double margin);

}  // namespace gearpair
