// Tooth geometry: tooth counts, diameters, peripheral speed and face widths for the current
// centre distance and module.
#include <cmath>
#include <cstdint>
#include <numbers>

#include "core/float_check.h"
#include "core/ieee_math.h"
#include "core/numbers.h"
#include "engine/gear_design.h"

namespace gearpair {

void ComputeGeometry(GearSession& session) {
    TGearDesign& d = session.design;
    ClearFloatFaults();

    // Every pass of a run works with the same radian value of the entered angle.
    if (!session.bettaInRadians) {
        d.betta = Checked(d.betta * kRadiansPerDegree);
        session.bettaInRadians = true;
    }

    const std::int32_t zs = Round(Checked(Cos(d.betta) * (2 * d.aw) / d.mn));
    d.z1 = Round(Checked(zs / (d.uz + 1)));
    d.z2 = static_cast<std::int32_t>(static_cast<std::uint32_t>(zs) -
                                     static_cast<std::uint32_t>(d.z1));
    // The cosine of the helix angle that the whole tooth count implies; betta stays as it is.
    const double cosbetta = Checked((zs * d.mn) / (2 * d.aw));
    d.d1 = Checked(d.z1 * d.mn / cosbetta);
    d.d2 = Checked(d.z2 * d.mn / cosbetta);
    const double awcheck = Checked((d.d1 + d.d2) / 2);
    d.da1 = Checked(d.d1 + 2 * d.mn);
    d.df1 = Checked(d.d1 - 2.5 * d.mn);
    d.da2 = Checked(d.d2 + 2 * d.mn);
    d.df2 = Checked(d.d2 - 2.5 * d.mn);
    d.v = Checked(std::numbers::pi * d.d1 * d.nw / 60000);  // m/s from mm and rpm
    // Wheel face width: psiba x aw to whole millimetres, then to a multiple of 5 mm. The
    // product is rounded to a double first, so 22.5 is a tie and goes to 22.
    const double p = Checked(d.psiba * d.aw);
    const std::int32_t fifths = Round(Round(p) / 5.0);
    d.bkol = 5.0 * fifths;
    d.bw = Checked(d.bkol + 10);

    Report& report = session.report;
    report.Add("Геометрия");
    report.ReportLine("zs", zs);
    report.ReportLine("Число зубьев на шестерне z1", d.z1);
    report.ReportLine("Число зубьев на колесе z2", d.z2);
    report.ReportLine("cosbetta", cosbetta);
    report.ReportLine("Диаметр делительной окружности шестерни d1", d.d1);
    report.ReportLine("Диаметр делительной окружности колеса d2", d.d2);
    report.ReportLine("awcheck", awcheck);
    report.ReportLine("da1", d.da1);
    report.ReportLine("df1", d.df1);
    report.ReportLine("da2", d.da2);
    report.ReportLine("df2", d.df2);
    report.ReportLine("v", d.v);
    report.ReportLine("bkol", d.bkol);
    report.ReportLine("bw", d.bw);
    session.steps.push_back(CheckStep{d.aw, d.mn, d.z1, d.z2, {}, {}});
}

}  // namespace gearpair
