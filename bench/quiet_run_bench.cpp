// The quiet run against the full design run with its report (no hand-off), for the defaults
// and for the fixed sample of 1000 designs, each design in a fresh session as the batch and the
// variant search run them.
#include <array>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/design_sample.h"
#include "bench/ratio_main.h"
#include "core/errors.h"
#include "engine/design_run.h"
#include "engine/quiet_run.h"

namespace {

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
    static const std::vector<gearpair::DesignInputs> sample = MakeSample(1000);
    return sample;
}

void FullRuns(benchmark::State& state, const std::vector<gearpair::DesignInputs>& designs) {
    std::size_t completed = 0;
    for (auto _ : state) {
        completed = 0;
        for (const auto& inputs : designs) {
            gearpair::GearSession session;
            try {
                completed += gearpair::RunDesign(session, inputs).completed ? 1 : 0;
            } catch (const gearpair::Error&) {
            }
            benchmark::DoNotOptimize(session.report.Lines().data());
        }
    }
    state.counters["completed"] = static_cast<double>(completed);
    state.SetItemsProcessed(state.iterations() * static_cast<long>(designs.size()));
}

void QuietRuns(benchmark::State& state, const std::vector<gearpair::DesignInputs>& designs) {
    std::size_t completed = 0;
    for (auto _ : state) {
        completed = 0;
        for (const auto& inputs : designs) {
            const gearpair::QuietOutcome outcome = gearpair::RunQuietDesign(inputs);
            completed += outcome.end == gearpair::QuietEnd::Completed ? 1 : 0;
            benchmark::DoNotOptimize(outcome.design.aw);
        }
    }
    state.counters["completed"] = static_cast<double>(completed);
    state.SetItemsProcessed(state.iterations() * static_cast<long>(designs.size()));
}

void BM_FullRunDefaults(benchmark::State& state) {
    FullRuns(state, Defaults());
}
BENCHMARK(BM_FullRunDefaults);

void BM_QuietRunDefaults(benchmark::State& state) {
    QuietRuns(state, Defaults());
}
BENCHMARK(BM_QuietRunDefaults);

void BM_FullRunSample(benchmark::State& state) {
    FullRuns(state, Sample());
}
BENCHMARK(BM_FullRunSample);

void BM_QuietRunSample(benchmark::State& state) {
    QuietRuns(state, Sample());
}
BENCHMARK(BM_QuietRunSample);

// At least five times faster than the full run.
constexpr std::array<gearpair::bench::RatioTarget, 2> kTargets = {{
    {"BM_QuietRunDefaults", "BM_FullRunDefaults", "cpu_time", 0.2},
    {"BM_QuietRunSample", "BM_FullRunSample", "cpu_time", 0.2},
}};

}  // namespace

int main(int argc, char** argv) {
    return gearpair::bench::RunWithRatios(argc, argv, kTargets);
}
