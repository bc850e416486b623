// Bending fatigue check of the weaker gear: equivalent tooth numbers, tooth form factors,
// helix, load-distribution and load-concentration factors, and the root bending stress.
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "core/float_check.h"
#include "core/ieee_math.h"
#include "core/numbers.h"
#include "engine/gear_design.h"

namespace gearpair {

const std::string_view kToothNumberMessage =
    "Эквивалентное число зубьев меньше 17: коэффициент формы зуба не определён. Увеличьте угол наклона зубьев или уменьшите передаточное отношение.";

namespace {

struct FormFactorPoint {
    std::int32_t teeth;  // equivalent tooth number
    double factor;       // tooth form factor Y_F
};

constexpr std::array<FormFactorPoint, 10> kYfTable = {{{17, 4.28},
                                                       {20, 4.09},
                                                       {25, 3.9},
                                                       {30, 3.8},
                                                       {40, 3.7},
                                                       {50, 3.65},
                                                       {60, 3.62},
                                                       {80, 3.61},
                                                       {100, 3.6},
                                                       {150, 3.6}}};

// Dynamic factor of the bending stress.
constexpr double kKfv = 1.1;

// Tooth form factor at an equivalent tooth number, linear between the table points and
// constant from the last point on. Below the first point the factor is not defined.
}  // namespace

double ToothFormFactor(std::int32_t z) {
    std::size_t lower = kYfTable.size();
    for (std::size_t k = 0; k < kYfTable.size(); ++k) {
        if (kYfTable[k].teeth <= z) lower = k;
    }
    if (lower == kYfTable.size()) throw DesignStop(std::string(kToothNumberMessage));
    if (lower == kYfTable.size() - 1) return kYfTable[lower].factor;
    const FormFactorPoint& a = kYfTable[lower];
    const FormFactorPoint& b = kYfTable[lower + 1];
    const double z0 = a.teeth;
    const double z1 = b.teeth;
    return Checked(a.factor + (b.factor - a.factor) / (z1 - z0) * (z - a.teeth));
}

BendingFactors WeakerGearBending(const TGearDesign& d, double Yfw, double Yfkol) {
    BendingFactors f;
    // The weaker gear has the smaller ratio of allowable stress to form factor; on equal
    // ratios the wheel is taken.
    f.pinionWeaker = Checked(d.Gfpkol / Yfkol) > Checked(d.Gfpw / Yfw);
    f.yf = f.pinionWeaker ? Yfw : Yfkol;
    f.b = f.pinionWeaker ? d.bw : d.bkol;
    f.diameter = f.pinionWeaker ? d.d1 : d.d2;
    f.allowable = f.pinionWeaker ? d.Gfpw : d.Gfpkol;
    f.torque = f.pinionWeaker ? d.tw : d.tkol;

    f.ybetta = Checked(1 - (d.betta / kRadiansPerDegree) / 140);
    // Axial overlap ratio, always with the pinion face width.
    f.eb = Checked(Sin(d.betta) * d.bw / (std::numbers::pi * d.mn));
    const int degreeAboveFive = TGearDesign::accuracyDegree - 5;
    f.kfalpha = f.eb < 1.0 ? Checked(((d.ea - 1) * degreeAboveFive + 4) / (4 * d.ea)) : 1.0;
    f.kfbetta = Checked(1.15 * d.Khbeta);
    // Root bending stress, MPa: the torque in N*m times 1000 gives N*mm.
    f.Gf = Checked(f.yf * f.ybetta * 2 * f.torque * f.kfalpha * f.kfbetta * kKfv * 1000 /
                   (f.diameter * f.b * d.mn));
    return f;
}

bool BendingCheck(GearSession& session, double aw, double mn) {
    TGearDesign& d = session.design;
    Report& report = session.report;
    ClearFloatFaults();
    d.aw = aw;
    d.mn = mn;

    const double c = Cos(d.betta);
    const double cosCubed = c * c * c;
    const std::int32_t zew = Round(Checked(d.z1 / cosCubed));
    const std::int32_t zekol = Round(Checked(d.z2 / cosCubed));
    report.ReportLine("zew", zew);
    report.ReportLine("zekol", zekol);
    const double Yfw = ToothFormFactor(zew);
    report.ReportLine("Yfw", Yfw);
    const double Yfkol = ToothFormFactor(zekol);
    report.ReportLine("Yfkol", Yfkol);

    const BendingFactors f = WeakerGearBending(d, Yfw, Yfkol);
    report.ReportLine("yf", f.yf);
    report.ReportLine("ybetta", f.ybetta);
    report.ReportLine("tkol", d.tkol);
    report.ReportLine("kfalpha", f.kfalpha);
    report.ReportLine("kfbetta", f.kfbetta);
    report.ReportLine("kfv", kKfv);
    report.ReportLine("d", f.diameter);
    report.ReportLine("b", f.b);
    report.ReportLine("mn", d.mn);

    report.ReportLine("Допускаемые изгибные напряжения", f.allowable);

    const bool passed = !(f.Gf > f.allowable);
    CurrentStep(session).bending = BendingCheckFigures{f.pinionWeaker, f.Gf, f.allowable, passed};
    report.ReportLine(passed ? "Проверка на изгибную выносливость сошлась, Gf"
                             : "Проверка на изгибную выносливость не сошлась, Gf",
                      f.Gf);
    report.Add(kSeparatorLine);
    return passed;
}

}  // namespace gearpair
