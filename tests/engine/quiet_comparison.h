// The quiet run against the full design run for one design: the faults found, one sentence
// each; empty when the two agree on the ending, the message, the recalculations, the record,
// and every pass.
#pragma once

#include <string>
#include <vector>

#include "core/errors.h"
#include "engine/design_run.h"
#include "engine/quiet_run.h"

namespace gearpair::testing {

// `full` is the session of the full run of `inputs`, `end` and `message` how it ended (the
// error's what() for a failure).
inline std::vector<std::string> QuietRunFaults(const DesignInputs& inputs,
                                               const GearSession& session, QuietEnd end,
                                               const std::string& message) {
    std::vector<std::string> faults;
    const QuietOutcome quiet = RunQuietDesign(inputs);
    if (quiet.end != end) faults.push_back("ends otherwise");
    if (quiet.message != message) faults.push_back("message \"" + quiet.message + "\"");
    if (quiet.recalculations != session.recalculations) faults.push_back("recalculations");

    const TGearDesign& a = quiet.design;
    const TGearDesign& b = session.design;
    const double TGearDesign::*doubles[] = {
        &TGearDesign::uz,    &TGearDesign::betta,  &TGearDesign::nw,   &TGearDesign::nkol,
        &TGearDesign::t,     &TGearDesign::hw,     &TGearDesign::hkol, &TGearDesign::psiba,
        &TGearDesign::psibd, &TGearDesign::tw,     &TGearDesign::tkol, &TGearDesign::aw,
        &TGearDesign::mn,    &TGearDesign::Ghp,    &TGearDesign::Gfpw, &TGearDesign::Gfpkol,
        &TGearDesign::ea,    &TGearDesign::Khbeta, &TGearDesign::v,    &TGearDesign::bkol,
        &TGearDesign::bw,    &TGearDesign::d2,     &TGearDesign::d1,   &TGearDesign::da1,
        &TGearDesign::df1,   &TGearDesign::da2,    &TGearDesign::df2};
    for (const auto member : doubles) {
        if (a.*member != b.*member) faults.push_back("a value of the record differs");
    }
    if (a.z1 != b.z1 || a.z2 != b.z2 || a.khbetaRow != b.khbetaRow) {
        faults.push_back("tooth counts or table row differ");
    }

    if (quiet.steps.size() != session.steps.size()) {
        faults.push_back("pass count differs");
        return faults;
    }
    for (std::size_t i = 0; i < quiet.steps.size(); ++i) {
        const CheckStep& p = quiet.steps[i];
        const CheckStep& q = session.steps[i];
        const bool same = p.aw == q.aw && p.mn == q.mn && p.z1 == q.z1 && p.z2 == q.z2 &&
                          p.contact.has_value() == q.contact.has_value() &&
                          (!p.contact || (p.contact->stress == q.contact->stress &&
                                          p.contact->allowable == q.contact->allowable &&
                                          p.contact->passed == q.contact->passed)) &&
                          p.bending.has_value() == q.bending.has_value() &&
                          (!p.bending || (p.bending->pinion == q.bending->pinion &&
                                          p.bending->stress == q.bending->stress &&
                                          p.bending->allowable == q.bending->allowable &&
                                          p.bending->passed == q.bending->passed));
        if (!same) faults.push_back("pass " + std::to_string(i + 1) + " differs");
    }
    return faults;
}

// The same, running the full run first.
inline std::vector<std::string> QuietRunFaults(const DesignInputs& inputs) {
    GearSession session;
    QuietEnd end = QuietEnd::Failed;
    std::string message;
    try {
        const RunOutcome full = RunDesign(session, inputs);
        end = full.completed ? QuietEnd::Completed : QuietEnd::Stopped;
        message = full.message;
    } catch (const Error& e) {
        message = e.what();
    }
    return QuietRunFaults(inputs, session, end, message);
}

}  // namespace gearpair::testing
