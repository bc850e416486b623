// The shafts' stage (DesignShafts with the sketch's own distances) against the design run with
// its report (no hand-off) of the same designs: the defaults, and the designs of the fixed
// sample of 1000 that complete with a pair that can be made.
#include <array>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/design_sample.h"
#include "bench/ratio_main.h"
#include "core/errors.h"
#include "engine/design_products.h"
#include "engine/design_run.h"
#include "engine/quiet_run.h"
#include "engine/shafts.h"

namespace {

// A design the shafts' stage takes: its inputs, its record and its products.
struct ShaftsCase {
    gearpair::DesignInputs inputs;
    gearpair::TGearDesign design;
    gearpair::DesignProducts products;
};

std::vector<ShaftsCase> MakeCases(std::size_t size) {
    std::vector<ShaftsCase> cases;
    for (std::size_t i = 0; i < size; ++i) {
        const gearpair::DesignInputs inputs = gearpair::bench::SampleDesign(i);
        const gearpair::QuietOutcome outcome = gearpair::RunQuietDesign(inputs);
        if (outcome.end != gearpair::QuietEnd::Completed) continue;
        gearpair::DesignProducts products = gearpair::DesignProductsOf(outcome.design);
        if (!products.buildable) continue;
        cases.push_back({inputs, outcome.design, std::move(products)});
    }
    return cases;
}

const std::vector<ShaftsCase>& Defaults() {
    static const std::vector<ShaftsCase> defaults = MakeCases(1);
    return defaults;
}

const std::vector<ShaftsCase>& Sample() {
    static const std::vector<ShaftsCase> sample = MakeCases(1000);
    return sample;
}

void Shafts(benchmark::State& state, const std::vector<ShaftsCase>& cases) {
    std::size_t designed = 0;
    for (auto _ : state) {
        designed = 0;
        for (const ShaftsCase& c : cases) {
            try {
                const gearpair::ShaftsDesign shafts = gearpair::DesignShafts(
                    c.design, c.products, static_cast<std::uint8_t>(c.inputs.arrangement));
                benchmark::DoNotOptimize(shafts.output.bearings[0].rating.L10h);
                ++designed;
            } catch (const gearpair::ShaftBeyondBearings&) {
            }
        }
    }
    state.counters["designed"] = static_cast<double>(designed);
    state.SetItemsProcessed(state.iterations() * static_cast<long>(cases.size()));
}

void DesignRuns(benchmark::State& state, const std::vector<ShaftsCase>& cases) {
    for (auto _ : state) {
        for (const ShaftsCase& c : cases) {
            gearpair::GearSession session;
            try {
                gearpair::RunDesign(session, c.inputs);
            } catch (const gearpair::Error&) {
            }
            benchmark::DoNotOptimize(session.report.Lines().data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(cases.size()));
}

void BM_ShaftsDefaults(benchmark::State& state) {
    Shafts(state, Defaults());
}
BENCHMARK(BM_ShaftsDefaults);

void BM_DesignRunDefaults(benchmark::State& state) {
    DesignRuns(state, Defaults());
}
BENCHMARK(BM_DesignRunDefaults);

void BM_ShaftsSample(benchmark::State& state) {
    Shafts(state, Sample());
}
BENCHMARK(BM_ShaftsSample);

void BM_DesignRunSample(benchmark::State& state) {
    DesignRuns(state, Sample());
}
BENCHMARK(BM_DesignRunSample);

// The shafts within half the design run.
constexpr std::array<gearpair::bench::RatioTarget, 2> kTargets = {{
    {"BM_ShaftsDefaults", "BM_DesignRunDefaults", "cpu_time", 0.5},
    {"BM_ShaftsSample", "BM_DesignRunSample", "cpu_time", 0.5},
}};

}  // namespace

int main(int argc, char** argv) {
    return gearpair::bench::RunWithRatios(argc, argv, kTargets);
}
