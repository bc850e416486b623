// The load-concentration factor K_H-beta by gear arrangement, psibd and pinion hardness.
#include <array>
#include <string_view>

#include "engine/gear_design.h"
#include "core/numbers.h"

namespace gearpair {

namespace {

// psibd values that stand for rows 1 to 8, in single precision as the table was drawn up.
constexpr std::array<float, 8> kPsibdBreakpoints = {0.2f, 0.4f, 0.6f, 0.8f, 1.0f, 1.2f, 1.4f, 1.6f};

// Pinion hardness up to which the softer class applies, HB.
constexpr double kHardnessSplit = 350;

// [arrangement 1..3][hardness class: up to 350 HB, above][row 1..8]; "n/a": no value.
constexpr std::string_view kKhbetaTable[3][2][8] = {
    {{"1,05", "1,12", "1,2", "1,27", "n/a", "n/a", "n/a", "n/a"},
     {"1,1", "1,25", "1,45", "n/a", "n/a", "n/a", "n/a", "n/a"}},
    {{"1,03", "1,03", "1,04", "1,05", "1,07", "1,1", "1,13", "1,15"},
     {"1,02", "1,05", "1,08", "1,14", "1,2", "1,25", "1,31", "n/a"}},
    {{"1,01", "1,02", "1,025", "1,025", "1,03", "1,04", "1,05", "1,06"},
     {"1,01", "1,02", "1,025", "1,03", "1,06", "1,08", "1,12", "1,16"}},
};

}  // namespace

double LookupKhbeta(GearSession& session, std::uint8_t arrangement, double psibd) {
    TGearDesign& d = session.design;

    // Coarse row: the number of breakpoints at or below psibd (each widened to double).
    std::uint8_t row = 0;
    for (std::uint8_t i = 0; i < kPsibdBreakpoints.size(); ++i) {
        if (psibd >= kPsibdBreakpoints[i]) row = static_cast<std::uint8_t>(i + 1);
    }
    // Nearest row: from the midpoint to the next breakpoint, rounded to single precision,
    // psibd belongs to the upper row. The sum and halving of two floats are exact in double.
    if (row >= 1 && row <= 7) {
        const double sum = static_cast<double>(kPsibdBreakpoints[row - 1]) + kPsibdBreakpoints[row];
        const auto midpoint = static_cast<float>(sum / 2);
        if (psibd >= midpoint) ++row;
    }
    if (row == 0) row = 1;
    d.khbetaRow = row;

    const int hardnessClass = d.hw > kHardnessSplit ? 1 : 0;
    std::string_view entry;
    if (arrangement >= 1 && arrangement <= 3)
        entry = kKhbetaTable[arrangement - 1][hardnessClass][row - 1];
    if (entry == "n/a") return -1;
    return TextToFloat(entry, ',');
}

}  // namespace gearpair
