// Part sizes of the wheel and the pinion from the finished design.
#include "engine/part_sizes.h"

#include "core/float_check.h"
#include "core/numbers.h"

namespace gearpair {

namespace {

// The tooth-tip chamfer: half the module, but at least 3 mm.
double HalfModuleAtLeast3(double mn) {
    const double size = Checked(0.5 * mn);
    return size >= 3 ? size : 3;
}

}  // namespace

PartSizes DerivePartSizes(const TGearDesign& d) {
    ClearFloatFaults();
    PartSizes s;

    // Wheel: shaft from the torque (N*m to N*mm, over 0.2 x 20 MPa allowable torsion stress),
    // hub 1.6 x shaft, hub length 1.5 x shaft unless the face width needs more, web 0.3 x width,
    // rim 3 x module; the web holes sit midway between hub and tip circle.
    s.dvkol = Checked(CubeRoot(Checked(d.tkol * 1000 / 4)));
    s.dstkol = Checked(1.6 * s.dvkol);
    s.lstkol = Checked(1.5 * s.dvkol);
    if (Checked(d.bkol + 15) > s.lstkol) s.lstkol = Checked(d.bkol + 20);
    s.ckol = Checked(0.3 * d.bkol);
    s.deltakol = Checked(3 * d.mn);
    s.chamferWheel = HalfModuleAtLeast3(d.mn);
    s.DBotvkol = Checked((d.da2 + s.dstkol) / 2);
    s.Dotvkol = Checked((d.da2 - s.dstkol) / 6);

    // Pinion: shaft from its torque as for the wheel, hub reaching four fifths of the way to
    // the root circle, hub length 1.5 x shaft but never shorter than the face width.
    s.dvw = Checked(CubeRoot(Checked(d.tw * 1000 / 4)));
    s.dstw = Checked(s.dvw + Checked((d.df1 - s.dvw) * 4 / 5));
    s.lstw = Checked(1.5 * s.dvw);
    if (s.lstw < d.bw) s.lstw = Checked(d.bw + 10);
    s.chamferPinion = HalfModuleAtLeast3(d.mn);
    return s;
}

}  // namespace gearpair
