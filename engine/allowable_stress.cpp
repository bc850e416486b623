// Allowable contact and bending stresses of pinion and wheel from their hardness, speeds and
// the planned service life under a fixed three-level load spectrum.
#include "core/float_check.h"
#include "core/numbers.h"
#include "engine/gear_design.h"

namespace gearpair {

namespace {

// Exponent of the bending fatigue curve, for pinion and wheel alike.
constexpr unsigned kBendingCurveExponent = 6;

// Base number of bending cycles; beyond it the bending life factor stays at 1.
constexpr double kBendingBaseCycles = 4000000;

// Equivalent bending cycles: the load spectrum 0.2 of the life at full load, 0.3 at half load
// and 0.5 at 0.3 of full load, each load ratio to the power of the curve exponent.
double EquivalentBendingCycles(double t, double n) {
    const double m = kBendingCurveExponent;
    return Checked(((Power(0.5, m) * 0.3 * t + 0.2 * t) + Power(0.3, m) * 0.5 * t) * (60 * n * 1));
}

double BendingLifeFactor(double cycles) {
    if (cycles > kBendingBaseCycles) return 1;
    return Checked(Power(kBendingBaseCycles / cycles, 1.0 / kBendingCurveExponent));
}

}  // namespace

void AllowableContactStress(GearSession& session) {
    TGearDesign& d = session.design;
    ClearFloatFaults();

    // Contact endurance limits, MPa.
    const double Ghlimbw = Checked(2 * d.hw + 70);
    const double Ghlimbkol = Checked(2 * d.hkol + 70);
    // Base numbers of contact cycles.
    const double Nhow = Checked(Power(d.hw, 2.4) * 30);
    const double Nhokol = Checked(Power(d.hkol, 2.4) * 30);
    // Equivalent cycles: the load ratios cubed and weighted, 0.2, 0.3 x 0.5^3, 0.5 x 0.3^3.
    const double Nhew = Checked((60 * d.nw * 1) * ((0.2 * d.t + 0.0375 * d.t) + 0.0135 * d.t));
    const double Nhekol = Checked(Nhew / d.uz);
    // Life factors, not limited on either side.
    const double Khlw = Checked(Power(Nhow / Nhew, 1.0 / 6));
    const double Khlkol = Checked(Power(Nhokol / Nhekol, 1.0 / 6));
    // Safety factor 1.1, surface roughness factor 0.95.
    const double Ghpw = Checked(Ghlimbw / 1.1 * Khlw * 0.95);
    const double Ghpkol = Checked(Ghlimbkol / 1.1 * Khlkol * 0.95);
    d.Ghp = Checked((Ghpw + Ghpkol) * 0.5);

    Report& report = session.report;
    report.Add("Допускаемые контактные напряжения");
    report.ReportLine("Ghlimbw", Ghlimbw);
    report.ReportLine("Ghlimbkol", Ghlimbkol);
    report.ReportLine("Nhow", Nhow);
    report.ReportLine("Nhokol", Nhokol);
    report.ReportLine("t", d.t);
    report.ReportLine("Nhew", Nhew);
    report.ReportLine("Nhekol", Nhekol);
    report.ReportLine("Khlw", Khlw);
    report.ReportLine("Khlkol", Khlkol);
    report.ReportLine("Ghpw", Ghpw);
    report.ReportLine("Ghpkol", Ghpkol);
    report.ReportLine("Ghp", d.Ghp);
    report.Add(kSeparatorLine);
}

void AllowableBendingStress(GearSession& session) {
    TGearDesign& d = session.design;
    ClearFloatFaults();

    // Bending endurance limits, MPa.
    const double Gflimbw = Checked(1.8 * d.hw);
    const double Gflimbkol = Checked(1.8 * d.hkol);
    const double Nfew = EquivalentBendingCycles(d.t, d.nw);
    const double Nfekol = EquivalentBendingCycles(d.t, d.nkol);
    const double Kflw = BendingLifeFactor(Nfew);
    const double Kflkol = BendingLifeFactor(Nfekol);
    // Safety factor 1.8 on the limit, 0.9 for one-way loading.
    d.Gfpw = Checked(Gflimbw / 1.8 * Kflw * 0.9);
    d.Gfpkol = Checked(Gflimbkol / 1.8 * Kflkol * 0.9);

    Report& report = session.report;
    report.Add("Допускаемые изгибные напряжения");
    report.ReportLine("Gflimbw", Gflimbw);
    report.ReportLine("Gflimbkol", Gflimbkol);
    report.ReportLine("Nfew", Nfew);
    report.ReportLine("Nfekol", Nfekol);
    report.ReportLine("Kflw", Kflw);
    report.ReportLine("Kflkol", Kflkol);
    report.ReportLine("Gfpw", d.Gfpw);
    report.ReportLine("Gfpkol", d.Gfpkol);
    report.Add(kSeparatorLine);
}

}  // namespace gearpair
