// The design run: from the input texts through the checks and the recalculation loop to the
// hand-off and the six texts of the results dialog.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "engine/gear_design.h"

namespace gearpair {

// The input form's texts, list index and arrangement, with the form's defaults.
struct DesignInputs {
    std::string uzText = "2,8";
    std::string powerText = "6000";
    std::string nwText = "86,3";
    std::string hkolText = "250";
    std::string tText = "15000";
    int psibaIndex = 4;  // "0,5"
    std::string bettaText = "14";
    int arrangement = 3;  // 1: overhanging, 2: near a bearing, 3: midway
};

// The six values of the results dialog, Label8 to Label13, as the dialog shows them.
struct ResultTexts {
    std::string aw;  // "200"
    std::string mn;  // "3,00"
    std::string z1;  // "34"
    std::string z2;  // "95"
    std::string d1;  // "105,4"
    std::string d2;  // "294,6"
};

// Captions of the six results in the results dialog, top to bottom, beside aw, mn, z1, z2, d1
// and d2.
inline constexpr std::array<std::string_view, 6> kResultCaptions = {
    "Выбрано межосевое расстояние",
    "Выбран модуль",
    "Число зубьев на шестерне",
    "Число зубьев на колесе",
    "Диаметр делительной окружности шестерни",
    "Диаметр делительной окружности колеса"};

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

// Runs one design. Errors (conversion, floating-point, file) propagate as exceptions and
// leave the report as far as it was written.
RunOutcome RunDesign(GearSession& session, const DesignInputs& inputs,
                     const HandoffStep& handoff = {});

}  // namespace gearpair
