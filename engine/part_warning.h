// What the engineer must be told about the parts of a completed design, as codes with the
// numbers that explain them; the front ends' text set turns them into sentences.
#pragma once

namespace gearpair {

enum class PartWarningCode {
    // The pinion's root circle is smaller than the shaft the torque needs: not even a gear
    // shaft carries the torque. first = df1, second = the shaft's diameter, mm.
    Unbuildable,
    // The pinion is made in one piece with its shaft: its hub is no larger than its bore.
    // first = hub diameter, second = bore, mm.
    GearShaftNoHub,
    // The pinion is made in one piece with its shaft: the material between its roots and the
    // keyway's bottom (or the bore, without a key) is thinner than 2.5 modules.
    // first = that thickness, second = 2.5 mn, mm; keyway tells which of the two it is.
    GearShaftThinRim,
};

struct PartWarning {
    PartWarningCode code = PartWarningCode::Unbuildable;
    double first = 0;
    double second = 0;
    bool keyway = false;

    bool operator==(const PartWarning&) const = default;
};

}  // namespace gearpair
