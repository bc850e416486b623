// The prismatic key of a gear seat or a shaft end: the section of the table by diameter, the
// length from the standard series within the seat, and the crush check that lengthens the key,
// then sets two of them, before it reports a key that still fails.
#include "engine/shaft_keys.h"

#include <array>

#include "core/float_check.h"
#include "engine/keyway.h"

namespace gearpair {

// The allowable crush stress of a key in a steel hub: the lower end of 100...150 MPa given for
// steel hubs beside the table of prismatic keys on studopedia.ru ("Таблица. Размеры
// призматических шпонок"); leg.co.ua gives 10...15 kgf/mm² for steel couplings, the same range.
const double kKeyAllowableStress = 100;

namespace {

// ГОСТ 23360-78, table 1: the series of key lengths, mm.
constexpr std::array<double, 36> kKeyLengths = {
    6,  8,  10, 12,  14,  16,  18,  20,  22,  25,  28,  32,  36,  40,  45,  50,  56,  63,
    70, 80, 90, 100, 110, 125, 140, 160, 180, 200, 220, 250, 280, 320, 360, 400, 450, 500,
};

struct LengthRange {
    double b;  // key width, mm
    double lMin, lMax;
};

// ГОСТ 23360-78, table 1: the lengths made for each key width, mm, as the table of prismatic keys
// on studopedia.ru gives them for b = 5...28, DIN 6885 / ISO 773 (engineeringhardware.com) for
// b = 2...16 and GB/T 1096-1979 for b = 2...36, all three agreeing where they overlap. For the
// wider keys (bores over 150 mm) the sources disagree, so those keys are bounded by the series
// only.
constexpr std::array<LengthRange, 17> kLengthRanges = {{
    {2, 6, 20},
    {3, 6, 36},
    {4, 8, 45},
    {5, 10, 56},
    {6, 14, 70},
    {8, 18, 90},
    {10, 22, 110},
    {12, 28, 140},
    {14, 36, 160},
    {16, 45, 180},
    {18, 50, 200},
    {20, 56, 220},
    {22, 63, 250},
    {25, 70, 280},
    {28, 80, 320},
    {32, 90, 360},
    {36, 100, 400},
}};

// The hub is made 8...10 mm longer than its key (the same table on studopedia.ru; 3-net.ru,
// "lст = L + 8...10 мм"): the key first leaves the larger clearance, and a key that fails is
// lengthened to leave the smaller one.
constexpr double kFirstClearance = 10;
constexpr double kLeastClearance = 8;

// Two keys at 180 degrees carry 0.75 of twice the torque of one (КБ Семёнов, "Расчёт шпоночных
// соединений", dzen.ru: the correction factor 0.75 for two opposite keys), so each is checked
// under the torque divided by 2 x 0.75.
constexpr double kTwoKeysFactor = 0.75;

// The longest standard length not above `limit` that the section of width b is made in, and
// longer than b so that a rounded-end key has a working length; 0 when there is none.
double LongestLength(double b, double limit) {
    double lMin = 0;
    double lMax = kKeyLengths.back();
    for (const LengthRange& range : kLengthRanges) {
        if (range.b == b) {
            lMin = range.lMin;
            lMax = range.lMax;
            break;
        }
    }
    for (auto l = kKeyLengths.rbegin(); l != kKeyLengths.rend(); ++l) {
        if (*l <= limit && *l >= lMin && *l <= lMax && *l > b) return *l;
    }
    return 0;
}

// Crush stress on one key, MPa: torque in N*m, lengths in mm, working length l - b.
double CrushStress(const ShaftKey& key) {
    return 2 * key.torque * 1000 / (key.d * (key.l - key.b) * (key.h - key.t1));
}

// The key with its stress and verdict from its own fields.
ShaftKey WithStress(ShaftKey key) {
    key.stress = CrushStress(key);
    key.passes = key.stress <= key.allowable;
    return key;
}

}  // namespace

std::span<const double> KeyLengths() {
    return kKeyLengths;
}

std::optional<ShaftKey> DesignKey(double d, double seatLength, double torque, double allowable) {
    const std::optional<Keyway> keyway = KeywayForBore(d);
    if (!keyway) return std::nullopt;

    ShaftKey key;
    key.d = d;
    key.b = keyway->width;
    key.h = keyway->keyHeight;
    key.t1 = keyway->shaftDepth;
    key.torque = torque;
    key.allowable = allowable;

    const double longest = LongestLength(key.b, (seatLength - kLeastClearance));
    if (longest == 0) return std::nullopt;
    const double first = LongestLength(key.b, (seatLength - kFirstClearance));
    key.l = first != 0 ? first : longest;

    key = WithStress(key);
    if (!key.passes && key.l != longest) {
        key.l = longest;
        key = WithStress(key);
    }
    if (!key.passes) {
        key.count = 2;
        key.torque = torque / (2 * kTwoKeysFactor);
        key = WithStress(key);
    }
    RaiseFloatFaults();
    return key;
}

}  // namespace gearpair
