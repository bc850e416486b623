// The whole design run with its report and no files, for the defaults and for a fixed sample
// of 1000 valid designs, against the time to format the same runs' report values with
// std::to_chars.
#include <array>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/design_sample.h"
#include "bench/ratio_main.h"
#include "core/errors.h"
#include "engine/design_run.h"
#include "files/handoff.h"

namespace {

constexpr std::size_t kSampleSize = 1000;

// The hand-off as the command line runs it without a hand-off directory: the report section
// and the list, in memory.
void HandoffInMemory(gearpair::GearSession& session) {
    gearpair::AppendHandoffList(session);
}

std::vector<gearpair::DesignInputs> MakeSample(std::size_t size) {
    std::vector<gearpair::DesignInputs> sample;
    sample.reserve(size);
    for (std::size_t i = 0; i < size; ++i) sample.push_back(gearpair::bench::SampleDesign(i));
    return sample;
}

const std::vector<gearpair::DesignInputs>& Defaults() {
    static const std::vector<gearpair::DesignInputs> defaults = MakeSample(1);
    return defaults;
}

const std::vector<gearpair::DesignInputs>& Sample() {
    static const std::vector<gearpair::DesignInputs> sample = MakeSample(kSampleSize);
    return sample;
}

// One run in a fresh session, as the command line and the batch run each design.
bool RunOne(const gearpair::DesignInputs& inputs, const gearpair::HandoffStep& handoff,
            gearpair::GearSession& session) {
    try {
        return gearpair::RunDesign(session, inputs, handoff).completed;
    } catch (const gearpair::Error&) {
        return false;
    }
}

// The number at the end of each "label  value" line of the runs' reports, as the floor
// formats them.
std::vector<double> ReportValues(const std::vector<gearpair::DesignInputs>& designs,
                                 const gearpair::HandoffStep& handoff) {
    std::vector<double> values;
    for (const auto& inputs : designs) {
        gearpair::GearSession session;
        RunOne(inputs, handoff, session);
        for (const std::string& line : session.report.Lines()) {
            const std::size_t gap = line.rfind("  ");
            if (gap == std::string::npos) continue;
            std::string number = line.substr(gap + 2);
            for (char& c : number) c = c == ',' ? '.' : c;
            double value = 0;
            const char* end = number.data() + number.size();
            const auto [ptr, ec] = std::from_chars(number.data(), end, value);
            if (ec == std::errc() && ptr == end) values.push_back(value);
        }
    }
    return values;
}

void RunDesigns(benchmark::State& state, const std::vector<gearpair::DesignInputs>& designs,
                const gearpair::HandoffStep& handoff) {
    std::size_t completed = 0;
    for (auto _ : state) {
        completed = 0;
        for (const auto& inputs : designs) {
            gearpair::GearSession session;
            completed += RunOne(inputs, handoff, session) ? 1 : 0;
            benchmark::DoNotOptimize(session.report.Lines().data());
        }
    }
    state.counters["completed"] = static_cast<double>(completed);
    state.SetItemsProcessed(state.iterations() * static_cast<long>(designs.size()));
}

void FormatValues(benchmark::State& state, const std::vector<double>& values) {
    char buffer[64];
    for (auto _ : state) {
        for (const double value : values) {
            const auto result =
                std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
            benchmark::DoNotOptimize(result.ptr);
            benchmark::DoNotOptimize(buffer);
        }
    }
    state.counters["values"] = static_cast<double>(values.size());
}

void BM_DesignRunDefaults(benchmark::State& state) {
    RunDesigns(state, Defaults(), HandoffInMemory);
}
BENCHMARK(BM_DesignRunDefaults);

void BM_FormatDefaultsValues(benchmark::State& state) {
    static const std::vector<double> values = ReportValues(Defaults(), HandoffInMemory);
    FormatValues(state, values);
}
BENCHMARK(BM_FormatDefaultsValues);

void BM_DesignRunSample(benchmark::State& state) {
    RunDesigns(state, Sample(), HandoffInMemory);
}
BENCHMARK(BM_DesignRunSample);

void BM_FormatSampleValues(benchmark::State& state) {
    static const std::vector<double> values = ReportValues(Sample(), HandoffInMemory);
    FormatValues(state, values);
}
BENCHMARK(BM_FormatSampleValues);

// The engine's run alone, without the hand-off section and list.
void BM_DesignRunSampleNoHandoff(benchmark::State& state) {
    RunDesigns(state, Sample(), {});
}
BENCHMARK(BM_DesignRunSampleNoHandoff);

void BM_FormatSampleValuesNoHandoff(benchmark::State& state) {
    static const std::vector<double> values = ReportValues(Sample(), {});
    FormatValues(state, values);
}
BENCHMARK(BM_FormatSampleValuesNoHandoff);

// The desktop program's way: one session for the life of the program, every run in it.
void BM_DesignRunSampleOneSession(benchmark::State& state) {
    std::size_t completed = 0;
    gearpair::GearSession session;
    for (auto _ : state) {
        completed = 0;
        for (const auto& inputs : Sample()) {
            completed += RunOne(inputs, HandoffInMemory, session) ? 1 : 0;
            benchmark::DoNotOptimize(session.report.Lines().data());
        }
    }
    state.counters["completed"] = static_cast<double>(completed);
    state.SetItemsProcessed(state.iterations() * static_cast<long>(Sample().size()));
}
BENCHMARK(BM_DesignRunSampleOneSession);

constexpr std::array<gearpair::bench::RatioTarget, 4> kTargets = {{
    {"BM_DesignRunDefaults", "BM_FormatDefaultsValues", "cpu_time", 2.0},
    {"BM_DesignRunSample", "BM_FormatSampleValues", "cpu_time", 2.0},
    {"BM_DesignRunSampleNoHandoff", "BM_FormatSampleValuesNoHandoff", "cpu_time", 2.0},
    {"BM_DesignRunSampleOneSession", "BM_FormatSampleValues", "cpu_time", 2.0},
}};

}  // namespace

int main(int argc, char** argv) {
    return gearpair::bench::RunWithRatios(argc, argv, kTargets);
}
