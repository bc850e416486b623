// What must hold of every shafts' design, as fault texts: the statics balance in both planes,
// each bearing sits on its seat with the life of its own C, P and speed, and every key's stress
// is its formula's. Shared by the shafts' tests and the sweep of the input domain.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "engine/shafts.h"

namespace gearpair::testing {

inline std::vector<std::string> ShaftFaults(const ShaftsDesign& shafts) {
    std::vector<std::string> faults;
    for (const ShaftDesign* s : {&shafts.input, &shafts.output}) {
        const std::string name = s == &shafts.input ? "input" : "output";
        // In each plane ΣF = 0 and ΣM about the left end = 0 with the axial forces' moments, to
        // 0.01 % of the largest load and of its moment.
        double sumR = 0, sumT = 0, momentR = 0, momentT = 0, largest = 0, largestMoment = 0;
        for (const ShaftLoad& load : s->loads) {
            sumR += load.Fr;
            sumT += load.Ft;
            momentR += load.x * load.Fr / 1000 + load.moment;
            momentT += load.x * load.Ft / 1000;
            largest = std::max({largest, std::abs(load.Fr), std::abs(load.Ft)});
            largestMoment =
                std::max({largestMoment, largest * load.x / 1000, std::abs(load.moment)});
        }
        for (const ShaftSupport& support : s->supports) {
            sumR += support.Rr;
            sumT += support.Rt;
            momentR += support.x * support.Rr / 1000;
            momentT += support.x * support.Rt / 1000;
        }
        if (std::abs(sumR) > 1e-4 * largest || std::abs(sumT) > 1e-4 * largest) {
            faults.push_back(name + ": the forces do not balance");
        }
        if (std::abs(momentR) > 1e-4 * largestMoment || std::abs(momentT) > 1e-4 * largestMoment) {
            faults.push_back(name + ": the moments do not balance");
        }
        // The steps carry the loads where they act: the gear's middle on its seat or teeth,
        // each support within a bearing seat, the whole length the diagram's.
        double x = 0;
        bool gearOnItsStep = false;
        std::array<bool, 2> supportOnASeat = {false, false};
        for (const ShaftStep& step : s->steps) {
            const double middle = x + step.length / 2;
            for (const ShaftLoad& load : s->loads) {
                if (load.kind == LoadKind::Gear &&
                    (step.kind == StepKind::Gear || step.kind == StepKind::Teeth) &&
                    std::abs(load.x - middle) <= 1e-9 * (1 + middle)) {
                    gearOnItsStep = true;
                }
            }
            for (std::size_t i = 0; i < 2; ++i) {
                const double at = s->supports[i].x;
                if (step.kind == StepKind::Bearing && at > x && at < x + step.length) {
                    supportOnASeat[i] = true;
                }
            }
            x += step.length;
        }
        if (!gearOnItsStep) faults.push_back(name + ": the gear's load is off its step's middle");
        // The axial force's moment at the pitch radius: Fa d / 2 with d = 2 T / Ft.
        for (const ShaftLoad& load : s->loads) {
            if (load.kind != LoadKind::Gear) continue;
            const double moment = load.Fa * s->torque / load.Ft;
            if (!(std::abs(load.moment - moment) <= 1e-12 * (1 + std::abs(moment)))) {
                faults.push_back(name + ": the axial force's moment is not Fa d / 2");
            }
        }
        if (!supportOnASeat[0] || !supportOnASeat[1]) {
            faults.push_back(name + ": a support is off the bearing seats");
        }
        if (!s->diagram.empty() && std::abs(s->diagram.back().x - x) > 1e-9 * x) {
            faults.push_back(name + ": the steps are not the diagram's length");
        }
        const auto seat = std::find_if(s->steps.begin(), s->steps.end(), [](const ShaftStep& step) {
            return step.kind == StepKind::Bearing;
        });
        for (const ShaftBearing& b : s->bearings) {
            if (seat == s->steps.end() || b.bearing.d != seat->d) {
                faults.push_back(name + ": bearing " + std::string(b.bearing.designation) +
                                 " off its seat");
            }
            const double life = std::pow(b.bearing.C / b.rating.P, 3) * 1e6 / (60 * s->speed);
            if (!(std::abs(b.rating.L10h - life) <= 1e-9 * life)) {
                faults.push_back(name + ": L10h is not (C/P)^3 10^6 / (60 n)");
            }
        }
        const double shorter = std::min(s->bearings[0].rating.L10h, s->bearings[1].rating.L10h);
        if (s->lifeReached != (shorter >= shafts.plannedLife)) {
            faults.push_back(name + ": life reached said wrongly");
        }
        if (!s->lifeReached && shafts.status != ShaftsStatus::LifeNotReached) {
            faults.push_back(name + ": life not reached, status ok");
        }
        for (const ShaftKeyAt& at : s->keys) {
            const ShaftKey& k = at.key;
            if (k.l == 0) continue;
            const double stress = 2 * k.torque * 1000 / (k.d * (k.l - k.b) * (k.h - k.t1));
            if (!(std::abs(k.stress - stress) <= 1e-12 * stress) ||
                k.passes != (k.stress <= k.allowable)) {
                faults.push_back(name + ": key stress off its formula");
            }
        }
    }
    return faults;
}

}  // namespace gearpair::testing
