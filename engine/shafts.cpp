// The shafts' stage: for each shaft the bearing seats from the smallest that clears the shaft
// end upward, on each seat the light bearing before the medium one, until both supports reach
// the planned life; then the keys and the fatigue safety of the critical sections.
#include "engine/shafts.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/float_check.h"
#include "engine/accepted_sizes.h"
#include "engine/shaft_layout.h"
#include "engine/shaft_loads.h"

namespace gearpair {

namespace {

// What the stage knows of one shaft before its bearing is chosen.
struct ShaftTask {
    ShaftPlan plan;
    double speed = 0;
    double pitchDiameter = 0;
    double gearSeat = 0;   // the gear's accepted bore; 0 on a gear shaft
    double tip = 0;        // a gear shaft's tip circle
    double root = 0;       // a gear shaft's root circle
    double hub = 0;        // the hub's diameter around the gear's seat
    double helix = 0;      // radians
    MeshForces mesh;       // on the gear
    double axialSign = 1;  // +1: the gear's axial force points along x
};

// The bores of both series, ascending, without repeats; gathered once, every shaft reads them.
const std::vector<double>& StandardBores() {
    static const std::vector<double> bores = [] {
        std::vector<double> all;
        for (BearingSeries series : {BearingSeries::Light, BearingSeries::Medium}) {
            for (const BallBearing& b : BallBearingSeries(series)) all.push_back(b.d);
        }
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        return all;
    }();
    return bores;
}

// The seal step: the largest normal size between the end and the bearing seat, or the seat's own.
double SealDiameter(double end, double bearing) {
    const double below = RoundDownToNormalSize(std::nextafter(bearing, 0.0));
    return below > end ? below : bearing;
}

// The collar beside the gear, the bearing's shoulder: d_БП ≥ d_П + 3r with r the bearing's
// chamfer (Дунаев П.Ф., Леликов О.П., «Конструирование узлов и деталей машин», 2004, § 3.1), over
// the larger of the bearing seat and the gear's seat, on a normal size.
double CollarDiameter(double seat, double r) {
    return RoundUpToNormalSize(seat + 3 * r);
}

// The reactions of the supports at x1 and x2 to the gear's load and to the end load at endX:
// the gear's own reactions plus those of the end load, turned in the direction (a unit vector
// in the r and t planes) that adds its reaction at a support to the gear's there, at the
// support where that gives the larger resultant. Also returns that end load's components.
std::array<ShaftSupport, 2> WorstCaseReactions(const ShaftLoad& gearLoad, ShaftLoad& end, double x1,
                                               double x2, int axialSupport, double endLoad) {
    const std::array<ShaftSupport, 2> gear = SupportReactions({&gearLoad, 1}, x1, x2, axialSupport);
    // A newton of end load across the span: the lever rule.
    const std::array<double, 2> perNewton = {-1 + (end.x - x1) / (x2 - x1),
                                             -(end.x - x1) / (x2 - x1)};
    std::array<ShaftSupport, 2> best = gear;
    if (endLoad == 0) return best;
    double bestLoad = -1;
    for (int i = 0; i < 2; ++i) {
        std::array<double, 2> u = {1, 0};
        if (gear[i].R > 0) {
            const double sign = perNewton[i] < 0 ? -1 : 1;
            u = {sign * gear[i].Rr / gear[i].R, sign * gear[i].Rt / gear[i].R};
        }
        std::array<ShaftSupport, 2> both = gear;
        double load = 0;
        for (int j = 0; j < 2; ++j) {
            both[j].Rr += perNewton[j] * endLoad * u[0];
            both[j].Rt += perNewton[j] * endLoad * u[1];
            both[j].R = std::sqrt(both[j].Rr * both[j].Rr + both[j].Rt * both[j].Rt);
            load = std::max(load, both[j].R);
        }
        if (load > bestLoad) {
            bestLoad = load;
            best = both;
            end.Fr = endLoad * u[0];
            end.Ft = endLoad * u[1];
        }
    }
    RaiseFloatFaults();
    return best;
}

// A shaft on `bearing` without its steps and diagram, which only the chosen one needs.
ShaftDesign Candidate(const ShaftTask& task, const ShaftDiameters& diameters,
                      const BallBearing& bearing, const ShaftOverrides& overrides,
                      double loadFactor) {
    ShaftDesign s;
    s.shaft = task.plan.shaft;
    s.gearShaft = task.plan.gearShaft;
    s.speed = task.speed;
    s.torque = task.plan.torque;
    s.distances = SketchDistances(task.plan, diameters, bearing.B, overrides);
    const ShaftStations at = StationsOf(task.plan, bearing.B, s.distances, diameters);
    s.gearSeatWidened = task.gearSeat > 0 ? diameters.gear - task.gearSeat : 0;

    const MeshForces& mesh = task.mesh;
    ShaftLoad gear;
    gear.kind = LoadKind::Gear;
    gear.x = at.gear;
    gear.Fr = mesh.Fr;
    gear.Ft = mesh.Ft;
    gear.Fa = task.axialSign * mesh.Fa;
    // The axial force acts at the pitch point, half the pitch diameter against r from the axis.
    gear.moment = gear.Fa * task.pitchDiameter / 2 / 1000;
    // The support the axial force pushes the shaft against takes it.
    const int fixed = gear.Fa > 0 ? 1 : 0;
    ShaftLoad end;
    end.kind = LoadKind::EndLoad;
    end.x = at.endLoad;
    s.supports =
        WorstCaseReactions(gear, end, at.support1, at.support2, fixed, s.distances.endLoad);
    s.loads = {end, gear};

    BearingFactors factors;
    factors.Kb = loadFactor;
    s.lifeReached = true;
    for (int i = 0; i < 2; ++i) {
        s.bearings[i].bearing = bearing;
        s.bearings[i].rating =
            RateBallBearing(bearing, s.supports[i].R, std::abs(s.supports[i].Fa), s.speed, factors);
    }
    return s;
}

// The keys and the fatigue sections of the chosen shaft, the sections along it.
void KeysAndSections(ShaftDesign& s) {
    double x = 0;
    std::optional<ShaftStep> previous;
    for (const ShaftStep& step : s.steps) {
        const double middle = x + step.length / 2;
        if (step.kind == StepKind::End || step.kind == StepKind::Gear) {
            if (std::optional<ShaftKey> key =
                    DesignKey(step.d, step.length, s.torque, kKeyAllowableStress)) {
                s.keys.push_back({step.kind, *key});
                if (step.kind == StepKind::Gear) {
                    SectionGeometry g;
                    g.kind = SectionKind::KeySeat;
                    g.d = step.d;
                    g.keyB = key->b;
                    g.keyT1 = key->t1;
                    const DiagramStation m = DiagramAt(s.diagram, middle);
                    s.sections.push_back(
                        {SectionKind::KeySeat, middle, m.M, m.T, SectionSafety(g, m.M, m.T)});
                }
            } else {
                ShaftKey none;
                none.d = step.d;
                none.torque = s.torque;
                s.keys.push_back({step.kind, none});
            }
        }
        // The shoulder of a bearing seat against a larger step: its fillet is the bearing's
        // chamfer, the largest the ring's seat allows.
        if (previous) {
            const ShaftStep* seat = nullptr;
            const ShaftStep* larger = nullptr;
            if (previous->kind == StepKind::Bearing && step.d > previous->d) {
                seat = &*previous, larger = &step;
            } else if (step.kind == StepKind::Bearing && previous->d > step.d) {
                seat = &step, larger = &*previous;
            }
            if (seat) {
                SectionGeometry g;
                g.kind = SectionKind::Shoulder;
                g.d = seat->d;
                g.D = larger->d;
                g.fillet = s.bearings[0].bearing.r;
                const DiagramStation m = DiagramAt(s.diagram, x);
                s.sections.push_back(
                    {SectionKind::Shoulder, x, m.M, m.T, SectionSafety(g, m.M, m.T)});
            }
        }
        previous = step;
        x += step.length;
    }
    std::stable_sort(s.sections.begin(), s.sections.end(),
                     [](const ShaftSection& a, const ShaftSection& b) { return a.x < b.x; });
}

ShaftDesign DesignShaft(const ShaftTask& task, double life, double loadFactor,
                        const ShaftOverrides& overrides, bool bearingsOnly) {
    ShaftDiameters diameters;
    diameters.end = ShaftEndDiameter(task.plan.torque);
    diameters.endLength = ShaftEndLength(diameters.end);
    // The bearing seat clears the shaft end and steps up until a bearing reaches the life. A
    // gear on a key slides over the seat: its seat is the accepted bore or, where the bearing's
    // is larger, the bearing's, and that only while the gear's hub stays around it. A gear
    // shaft's journals are free of its teeth, the hob running out between them.
    std::optional<ShaftDesign> last;
    ShaftDiameters lastDiameters;
    for (double bore : StandardBores()) {
        if (!(bore > diameters.end)) continue;
        if (task.gearSeat > 0 && last && !(std::max(task.gearSeat, bore) < task.hub)) break;
        for (BearingSeries series : {BearingSeries::Light, BearingSeries::Medium}) {
            const std::optional<BallBearing> bearing = BallBearingFor(bore, series);
            if (!bearing) continue;
            diameters.bearing = bore;
            diameters.seal = SealDiameter(diameters.end, bore);
            diameters.gear = task.gearSeat > 0 ? std::max(task.gearSeat, bore) : task.tip;
            // A gear shaft's collars beside the teeth stay within the root circle, so that the
            // hob runs out over them; a bearing larger than that is located by a bush.
            diameters.collar = task.gearSeat > 0 ? CollarDiameter(diameters.gear, bearing->r)
                                                 : std::min(CollarDiameter(bore, bearing->r),
                                                            RoundDownToNormalSize(task.root));
            // The user's distances may hold a smaller bearing but not this one: the larger
            // bearings are out of reach, and the last one stays, short of the life.
            std::optional<ShaftDesign> candidate;
            try {
                candidate = Candidate(task, diameters, *bearing, overrides, loadFactor);
            } catch (const ShaftLayoutError&) {
                if (!last) throw;
                break;
            }
            ShaftDesign& s = *candidate;
            s.lifeReached = s.bearings[0].rating.L10h >= life && s.bearings[1].rating.L10h >= life;
            last = std::move(s);
            lastDiameters = diameters;
            if (last->lifeReached) break;
        }
        if (last && last->lifeReached) break;
        if (last && last->bearings[0].bearing.d != bore) break;
    }
    if (!last) throw ShaftBeyondBearings(task.plan.shaft, diameters.end);
    ShaftStations at;
    last->steps =
        LayoutSteps(task.plan, lastDiameters, last->bearings[0].bearing.B, last->distances, at);
    if (!bearingsOnly) {
        last->diagram = ShaftDiagram(last->loads, last->supports, at.length, last->torque);
        KeysAndSections(*last);
    }
    return std::move(*last);
}

}  // namespace

ShaftsDesign DesignShafts(const TGearDesign& d, const DesignProducts& products,
                          std::uint8_t arrangement, const ShaftsOptions& options) {
    ClearFloatFaults();
    ShaftsDesign shafts;
    shafts.plannedLife = d.t;
    shafts.loadFactor = options.loadFactor.value_or(kReducerLoadFactor);
    const double clearance = WallClearance(d);
    const bool gearShaft = products.parts.pinionForm == PinionForm::GearShaft;
    const double pinionHub = gearShaft ? d.bw : products.accepted.lstw;
    const double housingHub = std::max(products.accepted.lstkol, pinionHub);
    // The pinion drives; its teeth are cut left-hand, the wheel's right-hand. Turning
    // anticlockwise seen from its shaft end, the pinion is pushed along x, toward support 2, and
    // the wheel the other way.
    ShaftTask input;
    input.plan = {Shaft::Input, arrangement, gearShaft, pinionHub, housingHub, clearance, d.tw};
    input.speed = d.nw;
    input.pitchDiameter = d.d1;
    input.gearSeat = gearShaft ? 0 : products.accepted.dvw;
    input.tip = d.da1;
    input.root = d.df1;
    input.hub = products.accepted.dstw;
    input.helix = d.betta;
    input.axialSign = 1;
    ShaftTask output;
    output.plan = {Shaft::Output, arrangement, false, products.accepted.lstkol,
                   housingHub,    clearance,   d.tkol};
    output.speed = d.nkol;
    output.pitchDiameter = d.d2;
    output.gearSeat = products.accepted.dvkol;
    output.hub = products.accepted.dstkol;
    output.helix = d.betta;
    output.axialSign = -1;
    input.mesh = MeshForcesOf(input.plan.torque, input.pitchDiameter, input.helix);
    output.mesh = MeshForcesOf(output.plan.torque, output.pitchDiameter, output.helix);
    shafts.input = DesignShaft(input, d.t, shafts.loadFactor, options.input, options.bearingsOnly);
    shafts.output =
        DesignShaft(output, d.t, shafts.loadFactor, options.output, options.bearingsOnly);
    if (!shafts.input.lifeReached || !shafts.output.lifeReached) {
        shafts.status = ShaftsStatus::LifeNotReached;
    }
    return shafts;
}

ShaftBeyondBearings::ShaftBeyondBearings(Shaft shaft_, double end_)
    : std::runtime_error("shaft beyond the bearings' table"), shaft(shaft_), end(end_) {}

}  // namespace gearpair
