// The load-concentration factor K_H-beta by gear arrangement, psibd and pinion hardness.
#include <array>
#include <cassert>
#include <charconv>
#include <optional>

#include "engine/gear_design.h"

namespace gearpair {

namespace {

// psibd values that stand for rows 1 to 8, in single precision as the table was drawn up.
constexpr std::array<float, 8> kPsibdBreakpoints = {0.2f, 0.4f, 0.6f, 0.8f, 1.0f, 1.2f, 1.4f, 1.6f};

// Pinion hardness up to which the softer class applies, HB.
constexpr double kHardnessSplit = 350;

using Entry = std::optional<float>;
constexpr Entry kNone = std::nullopt;

// [arrangement 1..3][hardness class: up to 350 HB, above][row 1..8], in single precision as
// the table was drawn up; empty where the table has no value.
constexpr Entry kKhbetaTable[3][2][8] = {
    {{1.05f, 1.12f, 1.2f, 1.27f, kNone, kNone, kNone, kNone},
     {1.1f, 1.25f, 1.45f, kNone, kNone, kNone, kNone, kNone}},
    {{1.03f, 1.03f, 1.04f, 1.05f, 1.07f, 1.1f, 1.13f, 1.15f},
     {1.02f, 1.05f, 1.08f, 1.14f, 1.2f, 1.25f, 1.31f, kNone}},
    {{1.01f, 1.02f, 1.025f, 1.025f, 1.03f, 1.04f, 1.05f, 1.06f},
     {1.01f, 1.02f, 1.025f, 1.03f, 1.06f, 1.08f, 1.12f, 1.16f}},
};

// The factor as the calculation uses it: the double nearest to the entry's decimal value
// (1.05, not the single-precision 1.0499999523...). The shortest text that reads back as the
// same float is that decimal value.
double DecimalValue(float entry) {
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, entry).ptr;
    double value = 0;
    std::from_chars(text, end, value);
    return value;
}

}  // namespace

std::optional<double> LookupKhbeta(GearSession& session, std::uint8_t arrangement, double psibd) {
    assert(arrangement >= 1 && arrangement <= 3);
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
    const Entry entry = kKhbetaTable[arrangement - 1][hardnessClass][row - 1];
    if (!entry) return std::nullopt;
    return DecimalValue(*entry);
}

}  // namespace gearpair
