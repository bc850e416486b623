// The sketch layout of a shaft: the diameters of its steps from the torque, the bearing and the
// gear's seat, the distances between the loads and the supports from the part sizes and the
// housing's clearances, and the steps that fill them.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/shafts.h"

namespace gearpair {

// A distance the shaft cannot have: which one (the ShaftOverrides member's name: "span",
// "gear", "end", "load") and why.
enum class LayoutFault { NotPositive, HubOutsideSpan, EndTooShort };

class ShaftLayoutError : public std::runtime_error {
public:
    ShaftLayoutError(Shaft shaft, std::string distance, LayoutFault fault, double limit);
    Shaft shaft;
    std::string distance;
    LayoutFault fault;
    double limit;  // the distance the layout needs at least, mm; 0 for NotPositive
};

// The diameters of a shaft's steps, mm.
struct ShaftDiameters {
    double end = 0;        // the shaft end, from torsion
    double endLength = 0;  // the shaft end's length
    double seal = 0;       // the step under the seal, between the end and the bearing seat
    double bearing = 0;    // the bearings' bore
    double gear = 0;       // the gear's seat, or the tip circle of a gear shaft's teeth
    double collar = 0;     // the collar beside the gear, the bearing's shoulder
};

// The shaft end's diameter for a torque (N*m): the torsion diameter at the allowable shear
// stress of a shaft end, taken up to a normal size.
double ShaftEndDiameter(double torque);

// The length of a cylindrical shaft end of diameter `end` for a coupling or pulley, mm.
double ShaftEndLength(double end);

// The housing's inner clearance between the gears and its walls, mm, for the pair's overall size.
double WallClearance(const TGearDesign& d);

// The radial load of a coupling on a shaft end by its torque (N*m), N.
double EndLoadOf(Shaft shaft, double torque);

// What a shaft carries and where: the gear's hub or toothed length, mm.
struct ShaftPlan {
    Shaft shaft = Shaft::Input;
    std::uint8_t arrangement = 3;
    bool gearShaft = false;
    double hubLength = 0;   // the gear's hub, or a gear shaft's face width
    double housingHub = 0;  // the longer of the two gears' hubs: the housing's width
    double clearance = 0;   // wall clearance a, mm
    double torque = 0;      // N*m
};

// The sketch distances for a bearing of width B, with the user's overrides in place. Throws
// ShaftLayoutError for a distance that leaves no room.
ShaftDistances SketchDistances(const ShaftPlan& plan, const ShaftDiameters& diameters, double B,
                               const ShaftOverrides& overrides);

// Where the loads and the supports sit, mm from the left end.
struct ShaftStations {
    double endLoad = 0;
    double support1 = 0;
    double support2 = 0;
    double gear = 0;
    double length = 0;
};

// Where the loads and the supports of a shaft on bearings of width B sit.
ShaftStations StationsOf(const ShaftPlan& plan, double B, const ShaftDistances& distances,
                         const ShaftDiameters& diameters);

// The steps of the shaft left to right and the stations of its loads and supports. Throws
// ShaftLayoutError where the distances leave a step no length.
std::vector<ShaftStep> LayoutSteps(const ShaftPlan& plan, const ShaftDiameters& diameters, double B,
                                   const ShaftDistances& distances, ShaftStations& stations);

}  // namespace gearpair
