// The shafts' stage: for each shaft the bearing seats from the smallest that clears the shaft
// end upward, on each seat the light bearing before the medium one, until both supports reach
// the planned life; then the keys and the fatigue safety of the critical sections.
#include "engine/shafts.h"

#include <algorithm>
#include <cmath>

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
    double hub = 0;        // the hub's diameter around the gear's seat
    double helix = 0;      // radians
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

// The direction (unit vector in the r, t planes) of the end load that loads the supports most:
// the one that adds the end load's reaction at a support to the gear's reaction there, at the
// support where that gives the larger resultant.
std::array<double, 2> WorstEndLoadDirection(const std::vector<ShaftLoad>& gearLoads, double endX,
                                            double x1, double x2, double endLoad) {
    const std::array<ShaftSupport, 2> gear = SupportReactions(gearLoads, x1, x2, 0);
    ShaftLoad unit;
    unit.kind = LoadKind::EndLoad;
    unit.x = endX;
    unit.Fr = 1;
    const std::array<ShaftSupport, 2> perNewton = SupportReactions({unit}, x1, x2, 0);
    std::array<double, 2> best = {1, 0};
    double bestLoad = -1;
    for (int i = 0; i < 2; ++i) {
        std::array<double, 2> u = {1, 0};
        if (gear[i].R > 0) {
            const double sign = perNewton[i].Rr < 0 ? -1 : 1;
            u = {sign * gear[i].Rr / gear[i].R, sign * gear[i].Rt / gear[i].R};
        }
        double load = 0;
        for (int j = 0; j < 2; ++j) {
            const double r = gear[j].Rr + perNewton[j].Rr * endLoad * u[0];
            const double t = gear[j].Rt + perNewton[j].Rr * endLoad * u[1];
            load = std::max(load, std::hypot(r, t));
        }
        if (load > bestLoad) {
            bestLoad = load;
            best = u;
        }
    }
    return best;
}

// A shaft on `bearing` without its diagram, which only the chosen one needs: `length` is the
// shaft's length to draw it, mm.
ShaftDesign Candidate(const ShaftTask& task, const ShaftDiameters& diameters,
                      const BallBearing& bearing, const ShaftOverrides& overrides,
                      double loadFactor, double& length) {
    ShaftDesign s;
    s.shaft = task.plan.shaft;
    s.gearShaft = task.plan.gearShaft;
    s.speed = task.speed;
    s.torque = task.plan.torque;
    s.distances = SketchDistances(task.plan, diameters, bearing.B, overrides);
    ShaftStations at;
    s.steps = LayoutSteps(task.plan, diameters, bearing.B, s.distances, at);
    s.gearSeatWidened = task.gearSeat > 0 ? diameters.gear - task.gearSeat : 0;

    const MeshForces mesh = MeshForcesOf(task.plan.torque, task.pitchDiameter, task.helix);
    ShaftLoad gear;
    gear.kind = LoadKind::Gear;
    gear.x = at.gear;
    gear.Fr = mesh.Fr;
    gear.Ft = mesh.Ft;
    gear.Fa = task.axialSign * mesh.Fa;
    // The axial force acts at the pitch point, half the pitch diameter against r from the axis.
    gear.moment = gear.Fa * task.pitchDiameter / 2 / 1000;
    const std::array<double, 2> u =
        WorstEndLoadDirection({gear}, at.endLoad, at.support1, at.support2, s.distances.endLoad);
    ShaftLoad end;
    end.kind = LoadKind::EndLoad;
    end.x = at.endLoad;
    end.Fr = s.distances.endLoad * u[0];
    end.Ft = s.distances.endLoad * u[1];
    s.loads = {end, gear};
    // The support the axial force pushes the shaft against takes it.
    const int fixed = gear.Fa > 0 ? 1 : 0;
    s.supports = SupportReactions(s.loads, at.support1, at.support2, fixed);
    length = at.length;

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

// The keys and the fatigue sections of the chosen shaft.
void KeysAndSections(ShaftDesign& s, const ShaftTask& task) {
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
    (void)task;
}

ShaftDesign DesignShaft(const ShaftTask& task, double life, double loadFactor,
                        const ShaftOverrides& overrides) {
    ShaftDiameters diameters;
    diameters.end = ShaftEndDiameter(task.plan.torque);
    // The bearing seat clears the shaft end and steps up until a bearing reaches the life. A
    // gear on a key slides over the seat: its seat is the accepted bore or, where the bearing's
    // is larger, the bearing's, and that only while the gear's hub stays around it. A gear
    // shaft's journals are free of its teeth, the hob running out between them.
    std::optional<ShaftDesign> last;
    double lastLength = 0;
    for (double bore : StandardBores()) {
        if (!(bore > diameters.end)) continue;
        if (task.gearSeat > 0 && last && !(std::max(task.gearSeat, bore) < task.hub)) break;
        for (BearingSeries series : {BearingSeries::Light, BearingSeries::Medium}) {
            const std::optional<BallBearing> bearing = BallBearingFor(bore, series);
            if (!bearing) continue;
            diameters.bearing = bore;
            diameters.seal = SealDiameter(diameters.end, bore);
            diameters.gear = task.gearSeat > 0 ? std::max(task.gearSeat, bore) : task.tip;
            diameters.collar =
                CollarDiameter(task.gearSeat > 0 ? diameters.gear : bore, bearing->r);
            // The user's distances may hold a smaller bearing but not this one: the larger
            // bearings are out of reach, and the last one stays, short of the life.
            std::optional<ShaftDesign> candidate;
            double length = 0;
            try {
                candidate = Candidate(task, diameters, *bearing, overrides, loadFactor, length);
            } catch (const ShaftLayoutError&) {
                if (!last) throw;
                break;
            }
            ShaftDesign& s = *candidate;
            s.lifeReached = s.bearings[0].rating.L10h >= life && s.bearings[1].rating.L10h >= life;
            last = std::move(s);
            lastLength = length;
            if (last->lifeReached) break;
        }
        if (last && last->lifeReached) break;
        if (last && last->bearings[0].bearing.d != bore) break;
    }
    if (!last) throw ShaftBeyondBearings(task.plan.shaft, diameters.end);
    last->diagram = ShaftDiagram(last->loads, last->supports, lastLength, last->torque);
    KeysAndSections(*last, task);
    return *last;
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
    shafts.input = DesignShaft(input, d.t, shafts.loadFactor, options.input);
    shafts.output = DesignShaft(output, d.t, shafts.loadFactor, options.output);
    if (!shafts.input.lifeReached || !shafts.output.lifeReached) {
        shafts.status = ShaftsStatus::LifeNotReached;
    }
    return shafts;
}

ShaftBeyondBearings::ShaftBeyondBearings(Shaft shaft_, double end_)
    : std::runtime_error("shaft beyond the bearings' table"), shaft(shaft_), end(end_) {}

}  // namespace gearpair
