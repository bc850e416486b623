// The design run: input reduction, the load-concentration gate, the allowable stresses and
// the project calculation with its recalculation loop, then the hand-off and the six result
// texts of the results dialog.
#include "engine/design_run.h"

#include <cassert>
#include <cstdint>
#include <optional>
#include <string>

#include "core/format_fixed.h"
#include "core/numbers.h"

namespace gearpair {

const std::string_view kNoDataMessage =
    "                      Для таких значений в таблице отсутствуют данные.\r"
    "Уменьшите коэффициент ширины, уменьшите передаточное отношение или\r"
    "                               выберите другое расположение колёс";

const std::string_view kRecalculationBanner = "                            --====ПЕРЕРАСЧЁТ====--";

ResultTexts FormatResults(const TGearDesign& d, char decimalSeparator) {
    return ResultTexts{
        std::to_string(Round(d.aw)),
        FormatFixed(d.mn, 4, 2, decimalSeparator),
        std::to_string(d.z1),
        std::to_string(d.z2),
        FormatFixed(d.d1, 4, 1, decimalSeparator),
        FormatFixed(d.d2, 4, 1, decimalSeparator),
    };
}

int ProjectCalculation(GearSession& session) {
    TGearDesign& d = session.design;
    Report& report = session.report;
    session.steps.clear();
    session.recalculations = 0;
    int seriesPosition = OpenProjectCalculation(session);
    ComputeGeometry(session);
    // The bending check runs only in a pass whose contact check passed.
    while (!(ContactCheck(session, d.aw, d.mn) && BendingCheck(session, d.aw, d.mn))) {
        const double nextDistance = CentreDistanceAt(seriesPosition + 1);
        report.ReportLine(kRecalculationBanner, session.recalculations + 1);
        ++session.recalculations;
        ++seriesPosition;
        d.aw = nextDistance;
        d.mn = SelectModule(session);
        report.ReportLine("Выбрано межосевое расстояние", d.aw);
        report.ReportLine("Выбран модуль", d.mn);
        ComputeGeometry(session);
    }
    return session.recalculations;
}

std::optional<std::string> RunDesignSteps(GearSession& session, const DesignInputs& inputs,
                                          const HandoffStep& handoff) {
    session.steps.clear();  // a run that stops before the project calculation tried none
    session.recalculations = 0;
    ReduceInputs(session, inputs);
    assert(inputs.arrangement >= 1 && inputs.arrangement <= 3);  // one of the three buttons
    const auto arrangement = static_cast<std::uint8_t>(inputs.arrangement);
    const std::optional<double> factor = LookupKhbeta(session, arrangement, session.design.psibd);
    if (!factor) return std::string(kNoDataMessage);
    session.design.Khbeta = *factor;
    session.report.Clear();
    // The report of the run opens with its inputs. The reduction gives the same values again,
    // so a silent report, which keeps no inputs, is spared it.
    if (!session.report.Silent()) ReduceInputs(session, inputs);
    AllowableContactStress(session);
    AllowableBendingStress(session);
    try {
        ProjectCalculation(session);
    } catch (const DesignStop& stop) {
        return std::string(stop.what());
    }
    if (handoff) handoff(session);
    return std::nullopt;
}

RunOutcome RunDesign(GearSession& session, const DesignInputs& inputs, const HandoffStep& handoff) {
    RunOutcome outcome;
    if (std::optional<std::string> stop = RunDesignSteps(session, inputs, handoff)) {
        outcome.message = std::move(*stop);
        return outcome;
    }
    outcome.recalculations = session.recalculations;
    outcome.results = FormatResults(session.design, session.report.DecimalSeparator());
    outcome.completed = true;
    return outcome;
}

}  // namespace gearpair
