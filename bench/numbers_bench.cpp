// Number conversion of the input form's texts with the decimal comma, against std::from_chars
// on the same texts written with a full stop.
#include <array>
#include <charconv>
#include <string_view>

#include <benchmark/benchmark.h>

#include "bench/ratio_main.h"
#include "core/numbers.h"

namespace {

// What users type and the lists offer: ratios, powers, speeds, hardnesses, lives, widths,
// helix angles, an exponent and a blank or a sign now and then.
constexpr std::array<std::string_view, 16> kFormTexts = {
    "86,3", "15000", "1e3", "2,8",  "6000",  "250",   "14",     "0,5",
    "2,24", "55000", "1,5", "0,63", "320,5", "10000", " 1450 ", "-7,1",
};
constexpr std::array<std::string_view, 16> kFullStopTexts = {
    "86.3", "15000", "1e3", "2.8",  "6000",  "250",   "14",   "0.5",
    "2.24", "55000", "1.5", "0.63", "320.5", "10000", "1450", "-7.1",
};

void BM_TextToFloat(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string_view text : kFormTexts) {
            benchmark::DoNotOptimize(gearpair::TextToFloat(text, ','));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kFormTexts.size()));
}
BENCHMARK(BM_TextToFloat);

// The check of the input form: conversion without an exception.
void BM_TryTextToFloat(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string_view text : kFormTexts) {
            double value = 0;
            benchmark::DoNotOptimize(gearpair::TryTextToFloat(text, ',', value));
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kFormTexts.size()));
}
BENCHMARK(BM_TryTextToFloat);

// The floor: the standard library on the full-stop texts (without the blanks, which it does
// not accept).
void BM_FromChars(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string_view text : kFullStopTexts) {
            double value = 0;
            const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
            benchmark::DoNotOptimize(result.ptr);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kFullStopTexts.size()));
}
BENCHMARK(BM_FromChars);

constexpr std::array<gearpair::bench::RatioTarget, 2> kTargets = {{
    {"BM_TextToFloat", "BM_FromChars", "cpu_time", 1.5},
    {"BM_TryTextToFloat", "BM_FromChars", "cpu_time", 1.5},
}};

}  // namespace

int main(int argc, char** argv) {
    return gearpair::bench::RunWithRatios(argc, argv, kTargets);
}
