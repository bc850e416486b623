// The sizes a designer accepts for the working drawing: the part sizes that the gear
// calculation does not fix, taken to normal linear sizes, and the tooth-tip chamfer taken to a
// standard chamfer. The hand-off keeps the computed part sizes; only the sheets show these.
#pragma once

#include <span>

#include "engine/gear_design.h"
#include "engine/part_sizes.h"

namespace gearpair {

// The normal linear sizes of series Ra 40 (ГОСТ 6636-69) from 1 to 5000 mm, ascending: the
// span of every size the input domain gives a part.
std::span<const double> NormalSizesRa40();

// The smallest normal size not below `mm`, the largest not above it, and the nearest one (the
// smaller of two equally near). A size within 1 nm of a normal size is that size, so that a
// computed 30.000000000000004 stays 30. Outside the series the size comes back unchanged.
double RoundUpToNormalSize(double mm);
double RoundDownToNormalSize(double mm);
double NearestNormalSize(double mm);

// The largest normal size strictly below `mm` (a size within 1 nm of a normal size is that
// size, so the next one down); `mm` itself below the series.
double NormalSizeBelow(double mm);

// The web's thickness, mm: the thinnest normal size not below `minimum` that leaves the web's
// position from a hub face, (hubLength - thickness) / 2 with the web centred, a normal size as
// well; where none thinner than the hub is long does, `minimum` rounded up.
double WebThickness(double minimum, double hubLength);

// The stub diameter of a gear shaft drawn without its shaft's own steps, mm: the accepted bore,
// but below the root circle by at least the step to the next normal size, so that the hob
// runs out over a shoulder; the root diameter itself where that step would leave less than the
// shaft the torque needs (`needed`).
double GearShaftStub(double bore, double root, double needed);

// The tooth-tip chamfer for the normal module `mn`, mm: half the module taken to the nearest
// chamfer of ГОСТ 10948 (the shallower of two equally near), never deeper than the addendum;
// 0 when no chamfer of the series is that shallow.
double ToothTipChamfer(double mn);

// The accepted sizes, in mm, in the members of PartSizes (so every output names them as it
// names the computed ones): bore, hub diameter and length, and web thickness rounded up (they
// are strength minimums; the web further to a thickness that puts it at a normal distance from
// the hub faces); the rim thickness that the rim's inner diameter, rounded down, leaves
// under the root circle; the circle of the web holes at the normal size nearest the middle of
// the web, and their diameter 0 when no normal size keeps the ligaments; the standard
// tooth-tip chamfers.
struct AcceptedSizes : PartSizes {
    double rimInnerDiameter = 0;  // of the wheel, rounded down so the rim keeps its thickness
};

// The accepted sizes of a finished design and its part sizes. The web holes lie halfway
// between the accepted hub and rim (the computed hole circle and diameter stay the hand-off's),
// each hole the largest normal size that keeps a ligament of at least its own radius to both.
AcceptedSizes AcceptSizes(const TGearDesign& d, const PartSizes& s);

}  // namespace gearpair
