// Default material and heat treatment of the gears by their hardness.
#include "engine/material.h"

#include <array>
#include <cmath>

namespace gearpair {

namespace {

struct HardnessRow {
    int hrc;
    int hb;
};

// Approximate hardness conversion numbers for non-austenitic steels, Rockwell C scale: ASTM
// A370 (the table also in ASTM E140, Table 1), column Brinell 3000 kgf; transcribed from its
// reproduction on yidecasting.com ("Rockwell hardness to Brinell hardness conversion").
constexpr std::array<HardnessRow, 46> kConversion = {{
    {20, 226}, {21, 231}, {22, 237}, {23, 243}, {24, 247}, {25, 253}, {26, 258}, {27, 264},
    {28, 271}, {29, 279}, {30, 286}, {31, 294}, {32, 301}, {33, 311}, {34, 319}, {35, 327},
    {36, 336}, {37, 344}, {38, 353}, {39, 362}, {40, 371}, {41, 381}, {42, 390}, {43, 400},
    {44, 409}, {45, 421}, {46, 432}, {47, 442}, {48, 455}, {49, 468}, {50, 482}, {51, 496},
    {52, 512}, {53, 525}, {54, 543}, {55, 560}, {56, 577}, {57, 595}, {58, 615}, {59, 634},
    {60, 654}, {61, 670}, {62, 688}, {63, 706}, {64, 722}, {65, 739},
}};

constexpr const char* kSteel45 = "Сталь 45 ГОСТ 1050-2013";
constexpr const char* kSteel40X = "Сталь 40Х ГОСТ 4543-2016";
constexpr const char* kSteel40XN = "Сталь 40ХН ГОСТ 4543-2016";
constexpr const char* kSteel20XN2M = "Сталь 20ХН2М ГОСТ 4543-2016";

// Induction hardening keeps a through-hardened core up to about this hardness of the teeth.
constexpr double kInductionLimitHrc = 53;

std::string Whole(double value) {
    return std::to_string(static_cast<long long>(std::llround(value)));
}

// "a…b HRC": five units around the converted hardness.
std::string RockwellRange(double hrc) {
    const double lower = std::round(hrc - 2.5);
    return Whole(lower) + "…" + Whole(lower + 5) + " HRC";
}

}  // namespace

std::optional<double> BrinellToRockwellC(double hb) {
    if (!(hb >= kConversion.front().hb && hb <= kConversion.back().hb)) return std::nullopt;
    for (std::size_t i = 1; i < kConversion.size(); ++i) {
        const HardnessRow& lo = kConversion[i - 1];
        const HardnessRow& hi = kConversion[i];
        if (hb <= hi.hb) {
            return lo.hrc + (hb - lo.hb) / static_cast<double>(hi.hb - lo.hb);
        }
    }
    return kConversion.back().hrc;
}

GearMaterial DefaultMaterial(double hb) {
    if (hb <= 350) {
        const char* steel = hb <= 262 ? kSteel45 : hb <= 302 ? kSteel40X : kSteel40XN;
        const auto toFive = [](double value) { return Whole(std::round(value / 5) * 5); };
        return {steel, "Улучшение " + toFive(hb - 15) + "…" + toFive(hb + 15) + " HB"};
    }
    const std::optional<double> hrc = BrinellToRockwellC(hb);
    const std::string range = hrc ? " " + RockwellRange(*hrc) : "";
    if (hrc && *hrc <= kInductionLimitHrc) {
        return {kSteel40X, "Улучшение, закалка ТВЧ зубьев" + range};
    }
    return {kSteel20XN2M, "Цементация, закалка" + range};
}

PairMaterials MaterialsOf(const TGearDesign& d, const std::optional<std::string>& steel) {
    return WithSteel({DefaultMaterial(d.hkol), DefaultMaterial(d.hw)}, steel);
}

PairMaterials WithSteel(PairMaterials pair, const std::optional<std::string>& steel) {
    if (steel) {
        pair.wheel.steel = *steel;
        pair.pinion.steel = *steel;
    }
    return pair;
}

}  // namespace gearpair
