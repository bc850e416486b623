// The working drawings of a design against the design run before them: building both sheets
// from the record, building them and writing both DXF files, and writing both PDF files, for
// the defaults and for the completed designs of the fixed sample.
#include <array>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/design_sample.h"
#include "bench/ratio_main.h"
#include "core/errors.h"
#include "drawing/drawings.h"
#include "drawing/dxf_writer.h"
#include "drawing/pdf_writer.h"
#include "engine/design_products.h"
#include "engine/design_run.h"
#include "engine/part_sizes.h"
#include "files/handoff.h"

namespace {

constexpr std::size_t kSampleSize = 1000;

struct Design {
    gearpair::DesignInputs inputs;
    gearpair::TGearDesign record;  // after the run
};

void HandoffInMemory(gearpair::GearSession& session) {
    gearpair::AppendHandoffList(session);
}

// The completed designs among the first `size` of the sample, with their records.
std::vector<Design> Completed(std::size_t size) {
    std::vector<Design> designs;
    for (std::size_t i = 0; i < size; ++i) {
        Design design{gearpair::bench::SampleDesign(i), {}};
        gearpair::GearSession session;
        try {
            if (!gearpair::RunDesign(session, design.inputs, HandoffInMemory).completed) continue;
        } catch (const gearpair::Error&) {
            continue;
        }
        design.record = session.design;
        designs.push_back(std::move(design));
    }
    return designs;
}

const std::vector<Design>& Defaults() {
    static const std::vector<Design> defaults = Completed(1);
    return defaults;
}

const std::vector<Design>& Sample() {
    static const std::vector<Design> sample = Completed(kSampleSize);
    return sample;
}

void RunDesigns(benchmark::State& state, const std::vector<Design>& designs) {
    for (auto _ : state) {
        for (const Design& design : designs) {
            gearpair::GearSession session;
            gearpair::RunDesign(session, design.inputs, HandoffInMemory);
            benchmark::DoNotOptimize(session.report.Lines().data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(designs.size()));
}

gearpair::DrawingSet Build(const Design& design) {
    return gearpair::BuildDrawings(design.record, gearpair::DesignProductsOf(design.record));
}

void BuildSheets(benchmark::State& state, const std::vector<Design>& designs) {
    std::size_t items = 0;
    for (auto _ : state) {
        items = 0;
        for (const Design& design : designs) {
            const gearpair::DrawingSet set = Build(design);
            items += set.wheel.items.size() + set.pinion.items.size();
            benchmark::DoNotOptimize(set.wheel.items.data());
        }
    }
    state.counters["items"] = static_cast<double>(items) / static_cast<double>(designs.size());
    state.SetItemsProcessed(state.iterations() * static_cast<long>(designs.size()));
}

void BuildSheetsAndDxf(benchmark::State& state, const std::vector<Design>& designs) {
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const Design& design : designs) {
            const gearpair::DrawingSet set = Build(design);
            bytes += gearpair::DxfText(set.wheel).size() + gearpair::DxfText(set.pinion).size();
        }
    }
    state.counters["dxf_bytes"] = static_cast<double>(bytes) / static_cast<double>(designs.size());
    state.SetItemsProcessed(state.iterations() * static_cast<long>(designs.size()));
}

void BM_DesignRunDefaults(benchmark::State& state) {
    RunDesigns(state, Defaults());
}
BENCHMARK(BM_DesignRunDefaults);

void BM_BuildSheetsDefaults(benchmark::State& state) {
    BuildSheets(state, Defaults());
}
BENCHMARK(BM_BuildSheetsDefaults);

void BM_BuildSheetsAndDxfDefaults(benchmark::State& state) {
    BuildSheetsAndDxf(state, Defaults());
}
BENCHMARK(BM_BuildSheetsAndDxfDefaults);

void BM_DesignRunSample(benchmark::State& state) {
    RunDesigns(state, Sample());
}
BENCHMARK(BM_DesignRunSample);

void BM_BuildSheetsSample(benchmark::State& state) {
    BuildSheets(state, Sample());
}
BENCHMARK(BM_BuildSheetsSample);

void BM_BuildSheetsAndDxfSample(benchmark::State& state) {
    BuildSheetsAndDxf(state, Sample());
}
BENCHMARK(BM_BuildSheetsAndDxfSample);

// Both PDF files of the default design, painted into memory.
void BM_PdfDefaults(benchmark::State& state) {
    const gearpair::DrawingSet set = Build(Defaults().front());
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = gearpair::PdfBytes(set.wheel).size() + gearpair::PdfBytes(set.pinion).size();
    }
    state.counters["pdf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_PdfDefaults);

// Building the sheets should cost less than the design run before them. Writing DXF and PDF
// has no floor of its own here: their absolute figures are in bench/README.md.
constexpr std::array<gearpair::bench::RatioTarget, 2> kTargets = {{
    {"BM_BuildSheetsDefaults", "BM_DesignRunDefaults", "cpu_time", 1.0},
    {"BM_BuildSheetsSample", "BM_DesignRunSample", "cpu_time", 1.0},
}};

}  // namespace

int main(int argc, char** argv) {
    return gearpair::bench::RunWithRatios(argc, argv, kTargets);
}
