// Input reduction: the input texts become the speeds, torques, hardnesses and width
// coefficients of the design record.
#include <array>
#include <numbers>

#include "core/errors.h"
#include "core/float_check.h"
#include "engine/gear_design.h"

namespace gearpair {

namespace {

// Face-width coefficients relative to the centre distance, by the index of the form's list
// (kWidthTexts): constants of the step, the list texts are not read.
constexpr std::array<double, 7> kPsibaTable = {0.315, 0.355, 0.4, 0.45, 0.5, 0.56, 0.63};
static_assert(kPsibaTable.size() == kWidthTexts.size());

}  // namespace

void ReduceInputs(GearSession& session, const DesignInputs& inputs) {
    TGearDesign& d = session.design;
    Report& report = session.report;
    ClearFloatFaults();

    d.uz = report.ToNumber(inputs.uzText);
    const double power = report.ToNumber(inputs.powerText);  // W
    d.nw = report.ToNumber(inputs.nwText);
    d.nkol = Checked(d.nw / d.uz);
    // Angular speeds in rad/s; each is rounded to a double before it divides the power.
    const double omegaPinion = Checked(std::numbers::pi * d.nw / 30);
    const double omegaWheel = Checked(std::numbers::pi * d.nkol / 30);
    d.tw = Checked(power / omegaPinion);
    d.tkol = Checked(power / omegaWheel);
    d.hkol = report.ToNumber(inputs.hkolText);
    d.hw = Checked(d.hkol + 30);  // the pinion is always 30 HB harder than the wheel
    d.t = report.ToNumber(inputs.tText);
    if (inputs.psibaIndex < 0 || inputs.psibaIndex >= static_cast<int>(kPsibaTable.size())) {
        throw Error(NotInListMessage(kWidthTexts));
    }
    d.psiba = kPsibaTable[static_cast<std::size_t>(inputs.psibaIndex)];
    d.betta = report.ToNumber(inputs.bettaText);  // degrees until the first geometry pass
    d.bettaEntered = d.betta;
    session.bettaInRadians = false;
    d.psibd = Checked((d.uz + 1) * d.psiba / 2);

    report.Add("Введённые значения");
    report.ReportLine("uz", d.uz);
    report.ReportLine("tw ", d.tw);
    report.ReportLine("tkol", d.tkol);
    report.ReportLine("nw", d.nw);
    report.ReportLine("nkol", d.nkol);
    report.ReportLine("betta", d.betta);
    report.ReportLine("psibd", d.psibd);
    report.ReportLine("t", d.t);
    report.ReportLine("hw", d.hw);
    report.ReportLine("hkol", d.hkol);
    report.ReportLine("psiba", d.psiba);
    report.Add(kSeparatorLine);
}

}  // namespace gearpair
