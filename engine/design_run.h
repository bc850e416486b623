// The design run: from the input texts through the checks and the recalculation loop to the
// hand-off and the six texts of the results dialog.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/gear_design.h"

namespace gearpair {

// The six values of the results dialog, Label8 to Label13, as the dialog shows them.
struct ResultTexts {
    std::string aw;  // "200"
    std::string mn;  // "3,00"
    std::string z1;  // "34"
    std::string z2;  // "95"
    std::string d1;  // "105,4"
    std::string d2;  // "294,6"
};

// One result as every output names it: its key (JSON member, batch column), its caption in the
// results dialog and the text output, and its text in ResultTexts.
struct ResultField {
    std::string_view key;
    std::string_view caption;
    std::string ResultTexts::*text;
};

// The six results in the order of the results dialog, top to bottom.
inline constexpr std::array<ResultField, 6> kResultFields = {{
    {"aw", "Выбрано межосевое расстояние", &ResultTexts::aw},
    {"mn", "Выбран модуль", &ResultTexts::mn},
    {"z1", "Число зубьев на шестерне", &ResultTexts::z1},
    {"z2", "Число зубьев на колесе", &ResultTexts::z2},
    {"d1", "Диаметр делительной окружности шестерни", &ResultTexts::d1},
    {"d2", "Диаметр делительной окружности колеса", &ResultTexts::d2},
}};

// How a run ended when it raised no error: completed with its results, or stopped with a
// message for the user (no table value, series exhausted, tooth number below the table).
struct RunOutcome {
    bool completed = false;
    std::string message;     // the stop message; empty when completed
    ResultTexts results;     // filled when completed
    int recalculations = 0;  // banner lines written
};

// The hand-off step, called once after the last geometry pass of a completed design.
using HandoffStep = std::function<void(GearSession&)>;

// Stop message of the load-concentration gate (three lines separated by carriage returns).
extern const std::string_view kNoDataMessage;

// Label of the line that opens each recalculation (28 blanks, then the text); its value is the
// recalculation number, so the report holds one such line per recalculation.
extern const std::string_view kRecalculationBanner;

// The six result texts of a completed design's record, with the decimal separator given.
ResultTexts FormatResults(const TGearDesign& d, char decimalSeparator);

// The design run without its result texts: the stop message, or nothing when the design
// completed and the record holds it. Errors propagate as from RunDesign.
std::optional<std::string> RunDesignSteps(GearSession& session, const DesignInputs& inputs,
                                          const HandoffStep& handoff = {});

// Runs one design; the arrangement must be 1 to 3. Errors (conversion, floating-point, a width
// index outside the list, file) propagate as exceptions and leave the report as far as it was
// written.
RunOutcome RunDesign(GearSession& session, const DesignInputs& inputs,
                     const HandoffStep& handoff = {});

}  // namespace gearpair
