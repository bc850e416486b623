// Contact fatigue check: transverse contact ratio, load-distribution factor by accuracy degree
// and peripheral speed, and the contact stress against the allowable one.
#include <array>
#include <cmath>
#include <cstdint>

#include "core/float_check.h"
#include "core/ieee_math.h"
#include "core/numbers.h"
#include "engine/gear_design.h"

namespace gearpair {

namespace {

// Lower bounds of the speed classes, m/s.
constexpr std::array<std::int32_t, 6> kSpeedThresholds = {0, 5, 10, 15, 20, 25};

// K_H-alpha by accuracy degree 5 to 9 (rows) and speed class (columns), single precision as
// the table was drawn up; a chosen entry is widened, not rounded, to double.
constexpr float kKhalphaTable[5][6] = {
    {1.0f, 1.0f, 1.005f, 1.01f, 1.015f, 1.02f}, {1.002f, 1.007f, 1.025f, 1.04f, 1.05f, 1.06f},
    {1.02f, 1.03f, 1.07f, 1.085f, 1.12f, 1.0f}, {1.05f, 1.09f, 1.13f, 1.0f, 1.0f, 1.0f},
    {1.1f, 1.16f, 2.0f, 1.0f, 1.0f, 1.0f},
};

constexpr int kFirstAccuracyDegree = 5;

}  // namespace

double KhalphaForSpeed(double v) {
    // Speed class: the peripheral speed to whole m/s, then to a multiple of 5 m/s.
    const std::int32_t rounded = Round(Round(v) / 5.0);
    const auto speedClass = static_cast<std::int32_t>(5u * static_cast<std::uint32_t>(rounded));
    // The column of the largest threshold not above the speed class.
    double Khalpha = 1.05;
    for (std::size_t column = 0; column < kSpeedThresholds.size(); ++column) {
        if (speedClass >= kSpeedThresholds[column]) {
            Khalpha = kKhalphaTable[TGearDesign::accuracyDegree - kFirstAccuracyDegree][column];
        }
    }
    return Khalpha;
}

double ContactStress(const TGearDesign& d, double Khalpha) {
    const double u1 = d.uz + 1;
    return Checked(22.4 * (1.76 * Cos(d.betta)) * 275 * Sqrt(1 / d.ea) / d.aw *
                   Sqrt(u1 * u1 * u1 * d.tw * Khalpha * d.Khbeta / (d.bkol * d.uz)));
}

bool ContactCheck(GearSession& session, double aw, double mn) {
    TGearDesign& d = session.design;
    Report& report = session.report;
    ClearFloatFaults();
    d.aw = aw;
    d.mn = mn;

    report.Add(kSeparatorLine);
    d.ea = Checked(Cos(d.betta) * (1.88 - 3.2 * (1.0 / d.z1 + 1.0 / d.z2)));
    report.ReportLine("ea", d.ea);

    const double Khalpha = KhalphaForSpeed(d.v);
    report.ReportLine("Khalpha selected  ", Khalpha);

    const double Gh = ContactStress(d, Khalpha);
    report.ReportLine("Допускаемые контактные напряжения", d.Ghp);

    const bool passed = !(Gh > d.Ghp);
    CurrentStep(session).contact = ContactCheckFigures{Gh, d.Ghp, passed};
    report.ReportLine(passed ? "Проверка на контактную выносливость сошлась, Gh"
                             : "Проверка на контактную выносливость не сошлась, Gh",
                      Gh);
    report.Add(kSeparatorLine);
    return passed;
}

}  // namespace gearpair
