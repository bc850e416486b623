// Fits and tolerances of the working drawings: the standard tolerance grades of ISO 286-1,
// the limit deviations of the bore, the keyway and the tip circle, the hub-depth deviation of
// a prismatic key, and these deviations written as a drawing writes them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace gearpair {

enum class ToleranceGrade { IT7, IT9, IT11, IT14 };

// The standard tolerance of the grade for a nominal size in mm, in µm: the row "over .. up to
// and including" that holds the size. ISO 286-1 gives none above 3150 mm (or for a size that is
// not positive): nothing.
std::optional<int> StandardTolerance(ToleranceGrade grade, double size);

// Upper and lower limit deviation, µm.
struct LimitDeviations {
    int upper = 0;
    int lower = 0;
};

// Hole H7: 0 .. +IT7. Shaft h11: -IT11 .. 0. Nothing where the grade has no value.
std::optional<LimitDeviations> HoleH7(double size);
std::optional<LimitDeviations> ShaftH11(double size);

// Js9: ±IT9/2, an odd IT9 in µm rounded down to the even number below (±0,021 for IT9 43).
// Nothing where the grade has no value.
std::optional<LimitDeviations> Js9(double size);

// The limit deviation of the hub depth d + t2 of a prismatic key (ГОСТ 23360) by the key's
// height h in mm: +0,1 for h from 2 to 6, +0,2 over 6 up to 18, +0,3 over 18 up to 50.
// Nothing outside 2 to 50 mm.
std::optional<LimitDeviations> HubDepthDeviation(double keyHeight);

// The size with its deviations as a drawing writes them, deviations in mm with `decimals`
// decimals and a decimal comma: "Ø80H7(+0,030)", "22Js9(±0,026)", "Ø300,574h11(-0,320)" with a
// tolerance class in `size` (the deviations in brackets), "85,4+0,2" without one. A zero
// deviation is not written.
std::string WithDeviations(std::string_view size, LimitDeviations deviations, int decimals,
                           bool inBrackets);

// A hub's bore with its keyway as the drawing dimensions them, the bore an accepted size:
// "Ø80H7(+0,030)", the keyway width "22Js9(±0,026)" and the hub depth d + t2 "85,4+0,2". The
// keyway texts are empty for a bore with no standard key. Where a table ends the size carries
// its tolerance field's symbol alone ("Ø3200H7").
struct BoreTexts {
    std::string bore;
    std::string keywayWidth;
    std::string hubDepth;
};
BoreTexts BoreToleranceTexts(double bore);

// The tip diameter with h11, its nominal to `decimals` places: "Ø300,574h11(-0,320)"; above
// 3150 mm, where ISO 286-1 has no grade, the field's symbol alone: "Ø3984h11".
std::string TipDiameterText(double tipDiameter, int decimals);

}  // namespace gearpair
