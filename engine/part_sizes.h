// The sizes of the wheel and the pinion as parts: shaft bore, hub, web, rim, chamfers and web
// holes, derived from the finished design. The hand-off for the drawing script and the
// working drawings read them from here.
#pragma once

#include <array>
#include <string_view>

#include "engine/gear_design.h"

namespace gearpair {

// All lengths in mm.
struct PartSizes {
    // Wheel.
    double dvkol = 0;         // shaft (bore) diameter
    double dstkol = 0;        // hub diameter
    double lstkol = 0;        // hub length
    double ckol = 0;          // web thickness
    double deltakol = 0;      // rim thickness under the root circle
    double chamferWheel = 0;  // tooth-tip chamfer (hand-off label nkol)
    double DBotvkol = 0;      // diameter of the circle through the web-hole centres
    double Dotvkol = 0;       // web-hole diameter
    // Pinion.
    double dvw = 0;            // shaft (bore) diameter
    double dstw = 0;           // hub diameter
    double lstw = 0;           // hub length
    double chamferPinion = 0;  // tooth-tip chamfer (hand-off label nw)
};

// One part size as the outputs name it: its label in the hand-off, its key in the JSON (the
// chamfers' hand-off labels name the speeds in the record, so the JSON renames them) and its
// member.
struct PartSizeField {
    std::string_view handoffLabel;
    std::string_view key;
    double PartSizes::*size;
};

// The wheel's sizes and the pinion's, each in the hand-off's order.
inline constexpr std::array<PartSizeField, 8> kWheelSizeFields = {{
    {"dvkol", "dvkol", &PartSizes::dvkol},
    {"dstkol", "dstkol", &PartSizes::dstkol},
    {"lstkol", "lstkol", &PartSizes::lstkol},
    {"ckol", "ckol", &PartSizes::ckol},
    {"deltakol", "deltakol", &PartSizes::deltakol},
    {"nkol", "chamfer_wheel", &PartSizes::chamferWheel},
    {"DBotvkol", "DBotvkol", &PartSizes::DBotvkol},
    {"Dotvkol", "Dotvkol", &PartSizes::Dotvkol},
}};
inline constexpr std::array<PartSizeField, 4> kPinionSizeFields = {{
    {"dvw", "dvw", &PartSizes::dvw},
    {"dstw", "dstw", &PartSizes::dstw},
    {"lstw", "lstw", &PartSizes::lstw},
    {"nw", "chamfer_pinion", &PartSizes::chamferPinion},
}};

// Derives the part sizes from the record (torques, face widths, module, diameters). Clears the
// floating-point flags first; throws FloatError.
PartSizes DerivePartSizes(const TGearDesign& d);

}  // namespace gearpair
