// Normal linear sizes, standard chamfers and the accepted part sizes of a design.
#include "engine/accepted_sizes.h"

#include <algorithm>
#include <array>

#include "engine/gear_part.h"

namespace gearpair {

namespace {

// ГОСТ 6636-69 "Нормальные линейные размеры" (reissue of 1991 with amendments 1 and 2), the
// table's column Ra 40, from 1 to 5000 mm; the standard's text is published on omegametall.ru,
// and the values from 10 mm up agree with a second public transcription of the column. Above
// 1000 mm the series takes the preferred numbers R 40 as they are; below it, the standard's
// rounded values (11,5 and 12 where R 40 has 11,8 and 12,5; 120 and 125 for 118 and 125).
constexpr std::array<double, 149> kRa40 = {
    1.0,  1.05, 1.1,  1.15, 1.2,  1.3,  1.4,  1.5,  1.6,  1.7,  1.8,  1.9,  2.0,  2.1,  2.2,
    2.4,  2.5,  2.6,  2.8,  3.0,  3.2,  3.4,  3.6,  3.8,  4.0,  4.2,  4.5,  4.8,  5.0,  5.3,
    5.6,  6.0,  6.3,  6.7,  7.1,  7.5,  8.0,  8.5,  9.0,  9.5,  10,   10.5, 11,   11.5, 12,
    13,   14,   15,   16,   17,   18,   19,   20,   21,   22,   24,   25,   26,   28,   30,
    32,   34,   36,   38,   40,   42,   45,   48,   50,   53,   56,   60,   63,   67,   71,
    75,   80,   85,   90,   95,   100,  105,  110,  120,  125,  130,  140,  150,  160,  170,
    180,  190,  200,  210,  220,  240,  250,  260,  280,  300,  320,  340,  360,  380,  400,
    420,  450,  480,  500,  530,  560,  600,  630,  670,  710,  750,  800,  850,  900,  950,
    1000, 1060, 1120, 1180, 1250, 1320, 1400, 1500, 1600, 1700, 1800, 1900, 2000, 2120, 2240,
    2360, 2500, 2650, 2800, 3000, 3150, 3350, 3550, 3750, 4000, 4250, 4500, 4750, 5000};

// ГОСТ 10948-64, radii and chamfers, the part of the series from 0,5 to 5,0 mm as the drawing
// rules list it; a larger chamfer is not taken, so a module above 10 mm gets 5,0.
constexpr std::array<double, 11> kChamfers = {0.5, 0.6, 0.8, 1.0, 1.2, 1.6,
                                              2.0, 2.5, 3.0, 4.0, 5.0};

// A computed size this close to a normal size is taken as that size, mm.
constexpr double kSameSize = 1e-6;

double Nearest(std::span<const double> series, double value) {
    const auto above = std::lower_bound(series.begin(), series.end(), value);
    if (above == series.begin()) return *above;
    if (above == series.end()) return series.back();
    const double below = *(above - 1);
    // Equally near within the tolerance of a computed size: the smaller.
    return *above - value < value - below - kSameSize ? *above : below;
}

}  // namespace

std::span<const double> NormalSizesRa40() {
    return kRa40;
}

double RoundUpToNormalSize(double mm) {
    const auto up = std::lower_bound(kRa40.begin(), kRa40.end(), mm - kSameSize);
    return up == kRa40.end() || mm < kRa40.front() ? mm : *up;
}

double RoundDownToNormalSize(double mm) {
    const auto above = std::upper_bound(kRa40.begin(), kRa40.end(), mm + kSameSize);
    return above == kRa40.begin() || mm > kRa40.back() ? mm : *(above - 1);
}

double NearestNormalSize(double mm) {
    if (mm < kRa40.front() || mm > kRa40.back()) return mm;
    return Nearest(kRa40, mm);
}

double NormalSizeBelow(double mm) {
    const auto below = std::lower_bound(kRa40.begin(), kRa40.end(), mm - kSameSize);
    return below == kRa40.begin() ? mm : *(below - 1);
}

double WebThickness(double minimum, double hubLength) {
    // The web is centred on the hub and the rim, so only one of its thickness and its position
    // is the designer's: the thickness, a strength minimum that a thicker web only exceeds.
    const auto isNormal = [](double mm) {
        return std::binary_search(kRa40.begin(), kRa40.end(), mm,
                                  [](double a, double b) { return a < b - kSameSize; });
    };
    for (auto c = std::lower_bound(kRa40.begin(), kRa40.end(), minimum - kSameSize);
         c != kRa40.end() && *c < hubLength; ++c) {
        if (isNormal((hubLength - *c) / 2)) return *c;
    }
    return RoundUpToNormalSize(minimum);
}

double GearShaftStub(double bore, double root, double needed) {
    // No table of the hob's run-out was at hand: the stub steps down to the next normal size
    // below the root circle, and the shoulder that leaves is the run-out.
    const double below = NormalSizeBelow(root);
    if (below >= root || below < needed) return std::min(bore, root);
    return std::min(bore, below);
}

double ToothTipChamfer(double mn) {
    // The addendum of the basic rack is one module.
    const double chamfer = Nearest(kChamfers, 0.5 * mn);
    if (chamfer <= mn) return chamfer;
    const auto deepest = std::upper_bound(kChamfers.begin(), kChamfers.end(), mn);
    return deepest == kChamfers.begin() ? 0 : *(deepest - 1);
}

AcceptedSizes AcceptSizes(const TGearDesign& d, const PartSizes& s) {
    AcceptedSizes a;
    a.dvkol = RoundUpToNormalSize(s.dvkol);
    a.dstkol = RoundUpToNormalSize(s.dstkol);
    a.lstkol = RoundUpToNormalSize(s.lstkol);
    a.ckol = WebThickness(s.ckol, a.lstkol);
    const double rim = d.df2 - 2 * s.deltakol;
    a.rimInnerDiameter = RoundDownToNormalSize(rim);
    a.deltakol = (d.df2 - a.rimInnerDiameter) / 2;
    a.chamferWheel = ToothTipChamfer(d.mn);

    // The holes in the middle of the web, on the normal size nearest halfway between the hub and
    // the rim; each the largest normal size that leaves at least its own radius of web to the
    // hub and to the rim: 2·D ≤ the radial room on either side of the hole circle.
    a.DBotvkol = NearestNormalSize((a.dstkol + a.rimInnerDiameter) / 2);
    const double room = std::min(a.DBotvkol - a.dstkol, a.rimInnerDiameter - a.DBotvkol) / 2;
    a.Dotvkol = room >= kRa40.front() ? RoundDownToNormalSize(room) : 0;

    // A wheel too small for a web with holes is a solid disc (WheelPart decides): it has no
    // holes, no web and no rim apart from it, and its sizes say so with 0 as a hole diameter
    // of 0 already means no hole; the hub's sizes stay, as it is drawn.
    if (!WheelPart(d, a).web) {
        a.DBotvkol = 0;
        a.Dotvkol = 0;
        a.ckol = 0;
        a.deltakol = 0;
        a.rimInnerDiameter = 0;
    }

    a.dvw = RoundUpToNormalSize(s.dvw);
    a.dstw = RoundUpToNormalSize(s.dstw);
    a.lstw = RoundUpToNormalSize(s.lstw);
    a.chamferPinion = a.chamferWheel;
    return a;
}

}  // namespace gearpair
