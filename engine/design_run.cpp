// The design run: input reduction, the load-concentration gate, the allowable stresses and
// the project calculation with its recalculation loop, then the hand-off and the six result
// texts of the results dialog.
#include "engine/design_run.h"

#include <cassert>
#include <cstdint>
#include <optional>
#include <string>

#include "core/numbers.h"

namespace gearpair {

const std::string_view kNoDataMessage =
    "                      Для таких значений в таблице отсутствуют данные.\r"
    "Уменьшите коэффициент ширины, уменьшите передаточное отношение или\r"
    "                               выберите другое расположение колёс";

const std::string_view kRecalculationBanner = "                            --====ПЕРЕРАСЧЁТ====--";

namespace {

ResultTexts FormatResults(const GearSession& session) {
    const TGearDesign& d = session.design;
    const Report& report = session.report;
    return ResultTexts{
        std::to_string(Round(d.aw)), report.Format(d.mn, 4, 2), std::to_string(d.z1),
        std::to_string(d.z2),        report.Format(d.d1, 4, 1), report.Format(d.d2, 4, 1),
    };
}

}  // namespace

int ProjectCalculation(GearSession& session) {
    TGearDesign& d = session.design;
    Report& report = session.report;
    session.steps.clear();
    int seriesPosition = OpenProjectCalculation(session);
    ComputeGeometry(session);
    int recalcNumber = 1;
    // The bending check runs only in a pass whose contact check passed.
    while (!(ContactCheck(session, d.aw, d.mn) && BendingCheck(session, d.aw, d.mn))) {
        const double nextDistance = CentreDistanceAt(seriesPosition + 1);
        report.ReportLine(kRecalculationBanner, recalcNumber);
        ++recalcNumber;
        ++seriesPosition;
        d.aw = nextDistance;
        d.mn = SelectModule(session);
        report.ReportLine("Выбрано межосевое расстояние", d.aw);
        report.ReportLine("Выбран модуль", d.mn);
        ComputeGeometry(session);
    }
    return recalcNumber - 1;
}

RunOutcome RunDesign(GearSession& session, const DesignInputs& inputs, const HandoffStep& handoff) {
    RunOutcome outcome;
    session.steps.clear();  // a run that stops before the project calculation tried none
    ReduceInputs(session, inputs);
    assert(inputs.arrangement >= 1 && inputs.arrangement <= 3);  // one of the three buttons
    const auto arrangement = static_cast<std::uint8_t>(inputs.arrangement);
    const std::optional<double> factor = LookupKhbeta(session, arrangement, session.design.psibd);
    if (!factor) {
        outcome.message = kNoDataMessage;
        return outcome;
    }
    session.design.Khbeta = *factor;
    session.report.Clear();
    ReduceInputs(session, inputs);  // the report of the run opens with its inputs
    AllowableContactStress(session);
    AllowableBendingStress(session);
    try {
        outcome.recalculations = ProjectCalculation(session);
    } catch (const DesignStop& stop) {
        outcome.message = stop.what();
        return outcome;
    }
    if (handoff) handoff(session);
    outcome.results = FormatResults(session);
    outcome.completed = true;
    return outcome;
}

}  // namespace gearpair
