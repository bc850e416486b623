// The shafts of the reducer after a completed design: the input shaft with the pinion (or cut
// in one piece with it), the output shaft with the wheel; their layout, loads, support
// reactions, bending and torque diagrams, steps, keys, rolling bearings and fatigue strength.
// Computed once from the design and its products; every output reads this record.
#pragma once

#include <array>
#include <optional>
#include <stdexcept>
#include <vector>

#include "engine/ball_bearings.h"
#include "engine/bearing_life.h"
#include "engine/design_products.h"
#include "engine/gear_design.h"
#include "engine/shaft_fatigue.h"
#include "engine/shaft_keys.h"

namespace gearpair {

// The frame of a shaft: x along the axis from the shaft's left end, the end that carries the
// coupling or pulley; r in the plane of the gear's radial force, positive the way it acts (to
// the shaft's own axis); t in the plane of the gear's tangential force, positive the way it
// acts. In each plane the loads and the reactions sum to zero.

// The distances a sketch layout gives a shaft, mm, and the radial load on its end, N. Each can
// be replaced by the user's own.
struct ShaftDistances {
    double endLoadToSupport = 0;  // from the end load (the middle of the shaft end) to support 1
    double span = 0;              // between the middles of the two supports
    double gearToSupport = 0;     // from support 1 to the gear's middle (arrangements 2 and 3),
                                  // or from support 2 out to the gear's middle (arrangement 1)
    double endLoad = 0;           // radial load of the coupling or pulley on the shaft end, N
};

struct ShaftOverrides {
    std::optional<double> endLoadToSupport;
    std::optional<double> span;
    std::optional<double> gearToSupport;
    std::optional<double> endLoad;
};

struct ShaftsOptions {
    ShaftOverrides input;
    ShaftOverrides output;
    std::optional<double> loadFactor;  // Kб of the bearings; kReducerLoadFactor by default
    // The bearings and the steps alone, without the diagrams, keys and sections: what a row of
    // the batch or the variant search reports.
    bool bearingsOnly = false;
};

enum class LoadKind { Gear, EndLoad };

// A load on the shaft, signed components in the shaft's frame.
struct ShaftLoad {
    LoadKind kind = LoadKind::Gear;
    double x = 0;   // mm
    double Fr = 0;  // N
    double Ft = 0;  // N
    double Fa = 0;  // N, along x
    double moment =
        0;  // N*m: the moment of Fa about the axis in the r plane, in the sense of x * Fr
};

struct ShaftSupport {
    double x = 0;   // mm
    double Rr = 0;  // reaction in the r plane, N
    double Rt = 0;  // reaction in the t plane, N
    double R = 0;   // resultant radial reaction, N
    double Fa = 0;  // axial force the support takes, N (0 at the floating support)
};

enum class StepKind { End, Seal, Bearing, Gear, Teeth, Collar };

// One cylindrical step of the shaft, left to right.
struct ShaftStep {
    StepKind kind = StepKind::End;
    double d = 0;       // mm
    double length = 0;  // mm
};

// A key of the shaft: in the gear's seat or in the shaft end.
struct ShaftKeyAt {
    StepKind at = StepKind::Gear;
    ShaftKey key;
};

struct ShaftBearing {
    BallBearing bearing;
    BearingRating rating;
};

// The bending moments and the torque at one station of the shaft, N*m.
struct DiagramStation {
    double x = 0;
    double Mr = 0;  // in the r plane
    double Mt = 0;  // in the t plane
    double M = 0;   // resultant
    double T = 0;   // torque just right of x
};

struct ShaftSection {
    SectionKind kind = SectionKind::KeySeat;
    double x = 0;  // mm
    double M = 0;  // resultant bending moment, N*m
    double T = 0;  // torque, N*m
    SectionFatigue fatigue;
};

enum class Shaft { Input, Output };

struct ShaftDesign {
    Shaft shaft = Shaft::Input;
    bool gearShaft = false;  // the pinion is cut on the input shaft
    double speed = 0;        // min^-1
    double torque = 0;       // N*m
    ShaftDistances distances;
    std::vector<ShaftLoad> loads;
    std::array<ShaftSupport, 2> supports;
    std::vector<ShaftStep> steps;
    std::vector<ShaftKeyAt> keys;
    std::array<ShaftBearing, 2> bearings;  // the same bearing at both supports
    std::vector<DiagramStation> diagram;   // at the ends, the loads and the supports, x ascending
    std::vector<ShaftSection> sections;
    bool lifeReached = false;    // both bearings reach the planned life
    double gearSeatWidened = 0;  // the gear seat above the part's accepted bore, mm
};

enum class ShaftsStatus { Ok, LifeNotReached };

struct ShaftsDesign {
    ShaftDesign input;
    ShaftDesign output;
    double plannedLife = 0;  // h, from the form
    double loadFactor = 0;   // Kб
    ShaftsStatus status = ShaftsStatus::Ok;
};

// A shaft end thicker than the bore of the largest bearing of the two series.
class ShaftBeyondBearings : public std::runtime_error {
public:
    ShaftBeyondBearings(Shaft shaft, double end);
    Shaft shaft;
    double end;  // the shaft end's diameter, mm
};

// The shafts of a completed design whose pair can be made, with the user's overrides. Throws
// FloatError; ShaftLayoutError for a distance the shaft cannot have (a span shorter than the
// gear's hub, a distance not above zero); ShaftBeyondBearings for a shaft no bearing fits.
ShaftsDesign DesignShafts(const TGearDesign& d, const DesignProducts& products,
                          std::uint8_t arrangement, const ShaftsOptions& options = {});

}  // namespace gearpair
