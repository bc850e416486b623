// The sketch layout of a shaft.
#include "engine/shaft_layout.h"

#include <cmath>
#include <numbers>

#include "core/float_check.h"
#include "core/numbers.h"
#include "engine/accepted_sizes.h"

namespace gearpair {

namespace {

// Allowable shear stress of a shaft end in the torsion estimate of its diameter, MPa, the upper
// value of the range [τк] = 20…25 МПа: Чернавский С.А. и др., «Курсовое проектирование деталей
// машин», 1988, гл. VIII, formula (8.16) (the low stress allows for the bending the estimate
// leaves out).
constexpr double kEndShear = 25;

// The length of a cylindrical shaft end for a coupling or pulley, as a multiple of its diameter:
// Дунаев П.Ф., Леликов О.П., «Конструирование узлов и деталей машин», 2004, § 3.1.
constexpr double kEndLengthPerDiameter = 1.5;

// The length from the shaft end's shoulder to the bearing's inner face (the seal, the bearing's
// cover and the bearing), as a multiple of the bearing's bore, l_КБ of the input shaft and l_КТ of
// the output one: Дунаев, Леликов, § 3.1.
constexpr double kInputSealLengthPerBore = 1.4;
constexpr double kOutputSealLengthPerBore = 1.2;

// The span of a shaft whose gear overhangs, as a multiple of the overhang: Дунаев, Леликов, § 3.1.
constexpr double kOverhangSpanRatio = 2.5;

// Coupling loads on the shaft ends, N per sqrt(N*m): the radial cantilever load a single-stage
// gear reducer's input and output shafts are rated for, at the middle of the end (ГОСТ 16162-85,
// п. 2.8).
constexpr double kInputEndLoadPerRootTorque = 50;
constexpr double kOutputEndLoadPerRootTorque = 125;

}  // namespace

ShaftLayoutError::ShaftLayoutError(Shaft shaft_, std::string distance_, LayoutFault fault_,
                                   double limit_)
    : std::runtime_error("shaft layout: " + distance_),
      shaft(shaft_),
      distance(std::move(distance_)),
      fault(fault_),
      limit(limit_) {}

double ShaftEndLength(double end) {
    return RoundUpToNormalSize(kEndLengthPerDiameter * end);
}

double ShaftEndDiameter(double torque) {
    // τ = 16 T / (π d³).
    return RoundUpToNormalSize(CubeRoot(16 * torque * 1000 / (std::numbers::pi * kEndShear)));
}

double WallClearance(const TGearDesign& d) {
    // a = ∛L + 3 mm with L the overall size of the gears across the housing (Дунаев, Леликов,
    // § 3.1), taken up to a whole millimetre.
    const double overall = d.aw + d.da1 / 2 + d.da2 / 2;
    return std::ceil(CubeRoot(overall) + 3);
}

double EndLoadOf(Shaft shaft, double torque) {
    const double k =
        shaft == Shaft::Input ? kInputEndLoadPerRootTorque : kOutputEndLoadPerRootTorque;
    return k * std::sqrt(torque);
}

namespace {

double Positive(Shaft shaft, const char* name, std::optional<double> given, double sketch) {
    if (!given) return sketch;
    if (!(*given > 0)) throw ShaftLayoutError(shaft, name, LayoutFault::NotPositive, 0);
    return *given;
}

}  // namespace

ShaftDistances SketchDistances(const ShaftPlan& plan, const ShaftDiameters& diameters, double B,
                               const ShaftOverrides& overrides) {
    const double a = plan.clearance;
    const double hub = plan.hubLength;
    ShaftDistances sketch;
    const double perBore =
        plan.shaft == Shaft::Input ? kInputSealLengthPerBore : kOutputSealLengthPerBore;
    const double toBearing = RoundUpToNormalSize(perBore * diameters.bearing);
    sketch.endLoadToSupport = diameters.endLength / 2 + toBearing - B / 2;
    // The gear in the middle of the housing between the walls a from both of its sides, with the
    // bearings' inner faces at the walls; near one bearing, the housing keeps room for a second
    // hub beside the gear.
    const double wall = plan.housingHub + 2 * a;
    switch (plan.arrangement) {
        case 1:
            sketch.gearToSupport = B / 2 + a + hub / 2;
            sketch.span = kOverhangSpanRatio * sketch.gearToSupport;
            break;
        case 2:
            sketch.span = wall + hub + a + B;
            sketch.gearToSupport = B / 2 + a + hub / 2;
            break;
        default:
            sketch.span = wall + B;
            sketch.gearToSupport = sketch.span / 2;
            break;
    }
    sketch.endLoad = EndLoadOf(plan.shaft, plan.torque);

    ShaftDistances used;
    used.endLoadToSupport =
        Positive(plan.shaft, "end", overrides.endLoadToSupport, sketch.endLoadToSupport);
    used.span = Positive(plan.shaft, "span", overrides.span, sketch.span);
    used.gearToSupport =
        Positive(plan.shaft, "gear", overrides.gearToSupport, sketch.gearToSupport);
    used.endLoad = sketch.endLoad;
    if (overrides.endLoad) {
        if (!(*overrides.endLoad >= 0)) {
            throw ShaftLayoutError(plan.shaft, "load", LayoutFault::NotPositive, 0);
        }
        used.endLoad = *overrides.endLoad;
    }
    // The shaft end and the first bearing must not overlap.
    const double endRoom = diameters.endLength / 2 + B / 2;
    if (!(used.endLoadToSupport > endRoom)) {
        throw ShaftLayoutError(plan.shaft, "end", LayoutFault::EndTooShort, endRoom);
    }
    if (plan.arrangement == 1) {
        // Two bearings side by side at least, the hub clear of the outer one.
        if (!(used.span >= B)) {
            throw ShaftLayoutError(plan.shaft, "span", LayoutFault::HubOutsideSpan, B);
        }
        if (!(used.gearToSupport >= B / 2 + hub / 2)) {
            throw ShaftLayoutError(plan.shaft, "gear", LayoutFault::HubOutsideSpan,
                                   B / 2 + hub / 2);
        }
    } else {
        // The hub between the two bearings.
        if (!(used.span >= B + hub)) {
            throw ShaftLayoutError(plan.shaft, "span", LayoutFault::HubOutsideSpan, B + hub);
        }
        const double nearest = B / 2 + hub / 2;
        if (!(used.gearToSupport >= nearest && used.gearToSupport <= used.span - nearest)) {
            throw ShaftLayoutError(plan.shaft, "gear", LayoutFault::HubOutsideSpan, nearest);
        }
    }
    RaiseFloatFaults();
    return used;
}

ShaftStations StationsOf(const ShaftPlan& plan, double B, const ShaftDistances& distances,
                         const ShaftDiameters& diameters) {
    ShaftStations stations;
    stations.endLoad = diameters.endLength / 2;
    stations.support1 = stations.endLoad + distances.endLoadToSupport;
    stations.support2 = stations.support1 + distances.span;
    stations.gear =
        (plan.arrangement == 1 ? stations.support2 : stations.support1) + distances.gearToSupport;
    stations.length =
        plan.arrangement == 1 ? stations.gear + plan.hubLength / 2 : stations.support2 + B / 2;
    RaiseFloatFaults();
    return stations;
}

std::vector<ShaftStep> LayoutSteps(const ShaftPlan& plan, const ShaftDiameters& diameters, double B,
                                   const ShaftDistances& distances, ShaftStations& stations) {
    const double hub = plan.hubLength;
    const double endLength = diameters.endLength;
    stations = StationsOf(plan, B, distances, diameters);
    std::vector<ShaftStep> steps;
    double at = 0;
    // Appends a step reaching to `to`; a step of no length is left out.
    const auto add = [&](StepKind kind, double d, double to) {
        const double length = to - at;
        if (length > 0) steps.push_back({kind, d, length});
        at = to;
    };
    const StepKind gearKind = plan.gearShaft ? StepKind::Teeth : StepKind::Gear;
    add(StepKind::End, diameters.end, endLength);
    add(StepKind::Seal, diameters.seal, stations.support1 - B / 2);
    if (plan.arrangement == 1) {
        add(StepKind::Bearing, diameters.bearing, stations.support1 + B / 2);
        add(StepKind::Collar, diameters.collar, stations.support2 - B / 2);
        if (plan.gearShaft) {
            add(StepKind::Bearing, diameters.bearing, stations.support2 + B / 2);
            add(StepKind::Collar, diameters.collar, stations.gear - hub / 2);
        } else {
            // The bearing's seat runs on under the distance bush to the hub.
            add(StepKind::Bearing, diameters.bearing, stations.gear - hub / 2);
        }
        add(gearKind, diameters.gear, stations.gear + hub / 2);
    } else {
        if (plan.gearShaft) {
            add(StepKind::Bearing, diameters.bearing, stations.support1 + B / 2);
            add(StepKind::Collar, diameters.collar, stations.gear - hub / 2);
        } else {
            add(StepKind::Bearing, diameters.bearing, stations.gear - hub / 2);
        }
        add(gearKind, diameters.gear, stations.gear + hub / 2);
        add(StepKind::Collar, diameters.collar, stations.support2 - B / 2);
        add(StepKind::Bearing, diameters.bearing, stations.support2 + B / 2);
    }
    stations.length = at;
    RaiseFloatFaults();
    return steps;
}

}  // namespace gearpair
