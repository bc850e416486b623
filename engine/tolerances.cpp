// Standard tolerances, limit deviations and their texts.
#include "engine/tolerances.h"

#include <array>
#include <cstdlib>

#include "core/decimal_text.h"
#include "core/format_fixed.h"
#include "engine/keyway.h"

namespace gearpair {

namespace {

struct ToleranceRow {
    double upTo;  // mm, the row's nominal sizes are over the previous row's upTo up to this
    int it7, it9, it11, it14;  // µm
};

// ISO 286-1:2010, Table 1 "Values of standard tolerance grades for nominal sizes up to 3 150
// mm" (ГОСТ 25346-2013 is identical), the columns IT7, IT9, IT11 and IT14. Transcribed from
// the identical table of GB/T 1800.3-1998 (reproduced on m.cadhome.net) up to 1000 mm; the rows
// over 1000 mm from a second reproduction of Table 1, each value checked against the standard's
// formula IT = k·I, I = 0,004·D + 2,1 µm (D the geometric mean of the row; k 16, 40, 100, 400)
// within the standard's rounding.
constexpr std::array<ToleranceRow, 21> kTolerances = {{
    {3, 10, 25, 60, 250},        {6, 12, 30, 75, 300},         {10, 15, 36, 90, 360},
    {18, 18, 43, 110, 430},      {30, 21, 52, 130, 520},       {50, 25, 62, 160, 620},
    {80, 30, 74, 190, 740},      {120, 35, 87, 220, 870},      {180, 40, 100, 250, 1000},
    {250, 46, 115, 290, 1150},   {315, 52, 130, 320, 1300},    {400, 57, 140, 360, 1400},
    {500, 63, 155, 400, 1550},   {630, 70, 175, 440, 1750},    {800, 80, 200, 500, 2000},
    {1000, 90, 230, 560, 2300},  {1250, 105, 260, 660, 2600},  {1600, 125, 310, 780, 3100},
    {2000, 150, 370, 920, 3700}, {2500, 175, 440, 1100, 4400}, {3150, 210, 540, 1350, 5400},
}};

void AppendDeviation(std::string& text, int microns, int decimals) {
    text += microns > 0 ? "+" : "-";
    text += FormatFixed(std::abs(microns) / 1000.0, 15, decimals, ',');
}

}  // namespace

std::optional<int> StandardTolerance(ToleranceGrade grade, double size) {
    if (!(size > 0)) return std::nullopt;
    for (const ToleranceRow& row : kTolerances) {
        if (size <= row.upTo) {
            switch (grade) {
                case ToleranceGrade::IT7:
                    return row.it7;
                case ToleranceGrade::IT9:
                    return row.it9;
                case ToleranceGrade::IT11:
                    return row.it11;
                case ToleranceGrade::IT14:
                    return row.it14;
            }
        }
    }
    return std::nullopt;
}

std::optional<LimitDeviations> HoleH7(double size) {
    const std::optional<int> it = StandardTolerance(ToleranceGrade::IT7, size);
    if (!it) return std::nullopt;
    return LimitDeviations{*it, 0};
}

std::optional<LimitDeviations> ShaftH11(double size) {
    const std::optional<int> it = StandardTolerance(ToleranceGrade::IT11, size);
    if (!it) return std::nullopt;
    return LimitDeviations{0, -*it};
}

// Js9 is symmetric about zero. ISO 286-1:2010 lets the js deviations of grades 7 to 11 round
// an odd standard tolerance in µm down to the even number below, and ISO 286-2:2010's table of
// js deviations does so for js9: ±12 µm up to 3 mm (IT9 25), ±21 µm over 10 up to 18 mm (IT9
// 43), ±43 over 80 up to 120 (IT9 87), ±57 over 180 up to 250 (IT9 115). The integer half is
// exactly that rounding.
std::optional<LimitDeviations> Js9(double size) {
    const std::optional<int> it = StandardTolerance(ToleranceGrade::IT9, size);
    if (!it) return std::nullopt;
    return LimitDeviations{*it / 2, -(*it / 2)};
}

// ГОСТ 23360-78, the limit deviations of the keyway depths t1 and t2 by key height, as the
// drawing rules state them; the bands up to 9 mm high agree with the DIN 6885-1 extract of a
// parts catalogue (berger-tools.co.uk, "DIN 6885 Keyway, Key Details"), the band over 18 mm was
// not found in a second source.
std::optional<LimitDeviations> HubDepthDeviation(double keyHeight) {
    if (keyHeight < 2 || keyHeight > 50) return std::nullopt;
    if (keyHeight <= 6) return LimitDeviations{100, 0};
    if (keyHeight <= 18) return LimitDeviations{200, 0};
    return LimitDeviations{300, 0};
}

std::string WithDeviations(std::string_view size, LimitDeviations deviations, int decimals,
                           bool inBrackets) {
    std::string text(size);
    if (inBrackets) text += '(';
    if (deviations.upper == -deviations.lower && deviations.upper > 0) {
        text += "±" + FormatFixed(deviations.upper / 1000.0, 15, decimals, ',');
    } else {
        if (deviations.upper != 0) AppendDeviation(text, deviations.upper, decimals);
        if (deviations.upper != 0 && deviations.lower != 0) text += '/';
        if (deviations.lower != 0) AppendDeviation(text, deviations.lower, decimals);
    }
    if (inBrackets) text += ')';
    return text;
}

BoreTexts BoreToleranceTexts(double bore) {
    BoreTexts texts;
    const std::string diameter = "Ø" + DecimalText(bore, 3);
    const std::optional<LimitDeviations> h7 = HoleH7(bore);
    // Beyond ISO 286-1's sizes the tolerance field's symbol alone, never a bare fitted size.
    texts.bore = h7 ? WithDeviations(diameter + "H7", *h7, 3, true) : diameter + "H7";
    const std::optional<Keyway> keyway = KeywayForBore(bore);
    if (!keyway) return texts;
    const std::string width = DecimalText(keyway->width, 3);
    const std::optional<LimitDeviations> js9 = Js9(keyway->width);
    texts.keywayWidth = js9 ? WithDeviations(width + "Js9", *js9, 3, true) : width + "Js9";
    const std::string depth = DecimalText(bore + keyway->hubDepth, 3);
    const std::optional<LimitDeviations> deviation = HubDepthDeviation(keyway->keyHeight);
    texts.hubDepth = deviation ? WithDeviations(depth, *deviation, 1, false) : depth;
    return texts;
}

std::string TipDiameterText(double tipDiameter, int decimals) {
    const std::string diameter = "Ø" + DecimalText(tipDiameter, decimals);
    const std::optional<LimitDeviations> h11 = ShaftH11(tipDiameter);
    return h11 ? WithDeviations(diameter + "h11", *h11, 3, true) : diameter + "h11";
}

}  // namespace gearpair
