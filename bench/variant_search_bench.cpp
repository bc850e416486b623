// The default variant search (7 widths x 13 helix angles x 14 hardnesses = 1274 designs, with
// masses and the Pareto set) against the floor of the same 1274 designs run by the full design
// run with its report, each in a fresh session.
#include <array>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/ratio_main.h"
#include "core/errors.h"
#include "engine/design_run.h"
#include "engine/variant_search.h"

namespace {

std::vector<std::string> DefaultHardness() {
    return {gearpair::kDefaultHardnessTexts.begin(), gearpair::kDefaultHardnessTexts.end()};
}

void BM_DefaultSearch(benchmark::State& state) {
    const std::vector<std::string> hardness = DefaultHardness();
    std::size_t pareto = 0;
    for (auto _ : state) {
        const std::vector<gearpair::Variant> variants =
            gearpair::SearchVariants(gearpair::DesignInputs{}, hardness);
        pareto = 0;
        for (const gearpair::Variant& v : variants) pareto += v.pareto ? 1 : 0;
        benchmark::DoNotOptimize(variants.data());
    }
    state.counters["pareto"] = static_cast<double>(pareto);
}
BENCHMARK(BM_DefaultSearch)->Unit(benchmark::kMillisecond);

// The search of `gearpair-cli --explore`: every usable variant's shafts summarised as well.
void BM_ExploreSearch(benchmark::State& state) {
    const std::vector<std::string> hardness = DefaultHardness();
    for (auto _ : state) {
        const std::vector<gearpair::Variant> variants = gearpair::SearchVariants(
            gearpair::DesignInputs{}, hardness, gearpair::VariantShafts::Summarised);
        benchmark::DoNotOptimize(variants.data());
    }
}
BENCHMARK(BM_ExploreSearch)->Unit(benchmark::kMillisecond);

void BM_FullRunsOfTheSearch(benchmark::State& state) {
    const std::vector<std::string> hardness = DefaultHardness();
    std::vector<gearpair::DesignInputs> designs;
    for (std::size_t width = 0; width < gearpair::kWidthTexts.size(); ++width) {
        for (const std::string_view helix : gearpair::kHelixTexts) {
            for (const std::string& h : hardness) {
                gearpair::DesignInputs inputs;
                inputs.psibaIndex = static_cast<int>(width);
                inputs.bettaText = helix;
                inputs.hkolText = h;
                designs.push_back(inputs);
            }
        }
    }
    for (auto _ : state) {
        for (const gearpair::DesignInputs& inputs : designs) {
            gearpair::GearSession session;
            try {
                benchmark::DoNotOptimize(gearpair::RunDesign(session, inputs).completed);
            } catch (const gearpair::Error&) {
            }
        }
    }
    state.counters["designs"] = static_cast<double>(designs.size());
}
BENCHMARK(BM_FullRunsOfTheSearch)->Unit(benchmark::kMillisecond);

constexpr std::array<gearpair::bench::RatioTarget, 2> kTargets = {{
    {"BM_DefaultSearch", "BM_FullRunsOfTheSearch", "cpu_time", 1.0},
    {"BM_ExploreSearch", "BM_FullRunsOfTheSearch", "cpu_time", 1.0},
}};

}  // namespace

int main(int argc, char** argv) {
    return gearpair::bench::RunWithRatios(argc, argv, kTargets);
}
