// The opening of the project calculation: the centre-distance estimate, the standard series of
// centre distances and the standard module that suits a centre distance.
#include <array>

#include "core/float_check.h"
#include "core/numbers.h"
#include "engine/gear_design.h"

namespace gearpair {

const std::string_view kSeriesExhaustedMessage =
    "Стандартный ряд межосевых расстояний исчерпан: передачу с такими параметрами подобрать нельзя (наибольшее межосевое расстояние ряда 2500 мм).";

namespace {

// Standard centre distances, mm, positions 1 to 32.
constexpr std::array<std::int32_t, 32> kCentreDistanceSeries = {
    40,  50,  63,  80,  100, 125, 140, 160,  180,  200,  225,  250,  280,  315,  355,  400,
    450, 500, 560, 630, 710, 800, 900, 1000, 1120, 1250, 1400, 1600, 1800, 2000, 2240, 2500};

// Standard normal modules, mm.
constexpr std::array<double, 48> kModuleSeries = {
    0.25, 0.28,  0.3,  0.35,  0.4,  0.45, 0.5,  0.55, 0.6,  0.7,  0.8,  0.9,
    1.0,  1.125, 1.25, 1.375, 1.5,  1.75, 2.0,  2.25, 2.5,  2.75, 3.0,  3.5,
    4.0,  4.5,   5.0,  5.5,   6.0,  7.0,  8.0,  9.0,  10.0, 11.0, 12.0, 14.0,
    16.0, 18.0,  20.0, 22.0,  25.0, 28.0, 32.0, 36.0, 40.0, 45.0, 50.0, 55.0};

// Factor of the contact-strength estimate of the centre distance, MPa^(1/3).
constexpr double kEstimateFactor = 430;

}  // namespace

int SeriesPositionAbove(double estimate) {
    // Every series value at or below the estimate moves the choice one position on, so an
    // estimate below the series takes its first value and one on a series value the next.
    int position = 1;
    for (const std::int32_t distance : kCentreDistanceSeries) {
        if (distance <= estimate) ++position;
    }
    return position;
}

double CentreDistanceAt(int position) {
    if (position < 1 || position > static_cast<int>(kCentreDistanceSeries.size())) {
        throw DesignStop(std::string(kSeriesExhaustedMessage));
    }
    return kCentreDistanceSeries[static_cast<std::size_t>(position - 1)];
}

double SelectModule(const GearSession& session) {
    const double aw = session.design.aw;
    // The mean of one and two per cent of the centre distance; equality qualifies.
    const double target = (0.01 * aw + 0.02 * aw) / 2;
    double module = 0;
    for (const double candidate : kModuleSeries) {
        if (candidate <= target) module = candidate;
    }
    return module;
}

int OpenProjectCalculation(GearSession& session) {
    TGearDesign& d = session.design;
    Report& report = session.report;
    ClearFloatFaults();

    report.Add("Проектный расчёт");
    d.aw = Checked(kEstimateFactor * (d.uz + 1) *
                   CubeRoot(d.tkol * d.Khbeta / (d.uz * d.uz * d.psiba * d.Ghp * d.Ghp)));
    report.ReportLine("Ориентировочно aw", d.aw);

    const int position = SeriesPositionAbove(d.aw);
    d.aw = CentreDistanceAt(position);
    d.mn = SelectModule(session);
    report.ReportLine("Выбрано межосевое расстояние", d.aw);
    report.ReportLine("Выбран модуль", d.mn);
    report.Add(kSeparatorLine);
    return position;
}

}  // namespace gearpair
