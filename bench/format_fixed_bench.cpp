// FormatFixed(x, 8, 3), the format of every report line, against std::to_chars in fixed
// notation with 3 decimals on the same values.
#include <array>
#include <charconv>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/ratio_main.h"
#include "core/format_fixed.h"

namespace {

// Values as the report shows them: torques, stresses and speeds, cycle counts up to 1e10,
// factors near 1, lengths and angles, a few negatives and values that round up a digit.
constexpr std::array<double, 40> kReportValues = {
    663.9137654189,
    1858.9585431729,
    86.3,
    30.821428571428,
    14.0,
    0.95,
    15000.0,
    280.0,
    250.0,
    0.5,
    630.0,
    570.0,
    22402709.0,
    17067789.45,
    19495170.0,
    6962560.7000003,
    1.0234915316,
    1.1610442186,
    556.84432905,
    571.62049516,
    564.23241210,
    504.0,
    15926389.0,
    5687996.1,
    188.46123879,
    200.0,
    3.0,
    0.9702957263,
    105.42573771,
    294.57426229,
    111.42573771,
    97.92573771,
    0.4763888118,
    1.7003312241,
    1.05,
    478.50770139,
    1.1840011123,
    9876543210.25,
    1.0e10,
    -0.0004999999,
};

void BM_FormatFixed(benchmark::State& state) {
    for (auto _ : state) {
        for (const double value : kReportValues) {
            std::string text = gearpair::FormatFixed(value, 8, 3, ',');
            benchmark::DoNotOptimize(text.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kReportValues.size()));
}
BENCHMARK(BM_FormatFixed);

// The floor: the standard library's fixed notation into a stack buffer.
void BM_ToCharsFixed(benchmark::State& state) {
    char buffer[64];
    for (auto _ : state) {
        for (const double value : kReportValues) {
            const auto result =
                std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
            benchmark::DoNotOptimize(result.ptr);
            benchmark::DoNotOptimize(buffer);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kReportValues.size()));
}
BENCHMARK(BM_ToCharsFixed);

// The report's own use: appending to a line that already holds its label.
void BM_AppendFixedToLine(benchmark::State& state) {
    std::string line;
    line.reserve(64);
    for (auto _ : state) {
        for (const double value : kReportValues) {
            line.assign("Ghpkol  ");
            gearpair::AppendFixed(line, value, 8, 3, ',');
            benchmark::DoNotOptimize(line.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kReportValues.size()));
}
BENCHMARK(BM_AppendFixedToLine);

constexpr std::array<gearpair::bench::RatioTarget, 2> kTargets = {{
    {"BM_FormatFixed", "BM_ToCharsFixed", "cpu_time", 1.5},
    {"BM_AppendFixedToLine", "BM_ToCharsFixed", "cpu_time", 1.5},
}};

}  // namespace

int main(int argc, char** argv) {
    return gearpair::bench::RunWithRatios(argc, argv, kTargets);
}
