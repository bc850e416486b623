// The model files of the default design: the tooth outline of both gears at 1 µm (the engine's
// part), the mesh with its STL of both gears, the profile DXF of both, and, where the build has
// OpenCASCADE, the STEP model of the wheel.
#include <numbers>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/ratio_main.h"
#include "engine/design_products.h"
#include "engine/design_run.h"
#include "engine/helix_angle.h"
#include "engine/tooth_outline.h"
#include "model/gear_mesh.h"
#include "model/model_files.h"
#include "model/profile_dxf.h"
#include "model/stl_writer.h"
#ifdef GEARPAIR_STEP
#include "model/step_model.h"
#endif

namespace {

struct Defaults {
    gearpair::TGearDesign design;
    gearpair::DrawnParts sizes;
};

const Defaults& DefaultDesign() {
    static const Defaults defaults = [] {
        gearpair::GearSession session;
        gearpair::RunDesign(session, gearpair::DesignInputs{});
        return Defaults{session.design, gearpair::DesignProductsOf(session.design).parts};
    }();
    return defaults;
}

void BM_OutlineDefaults(benchmark::State& state) {
    const gearpair::TGearDesign& d = DefaultDesign().design;
    const double beta = gearpair::CutHelixDegrees(d) * std::numbers::pi / 180;
    std::size_t points = 0;
    for (auto _ : state) {
        const gearpair::GearOutline wheel = gearpair::ToothOutline(d.z2, d.mn, beta);
        const gearpair::GearOutline pinion = gearpair::ToothOutline(d.z1, d.mn, beta);
        points = wheel.points.size() + pinion.points.size();
        benchmark::DoNotOptimize(wheel.points.data());
        benchmark::DoNotOptimize(pinion.points.data());
    }
    state.counters["points"] = static_cast<double>(points);
}
BENCHMARK(BM_OutlineDefaults)->Unit(benchmark::kMillisecond);

void BM_ProfileDxfDefaults(benchmark::State& state) {
    const Defaults& defaults = DefaultDesign();
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const auto& section :
             {gearpair::WheelSection(defaults.design, defaults.sizes, gearpair::kProfileTolerance),
              gearpair::PinionSection(defaults.design, defaults.sizes,
                                      gearpair::kProfileTolerance)}) {
            bytes += gearpair::ProfileDxf(section, gearpair::DxfVersion::R2000).size();
        }
    }
    state.counters["dxf_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ProfileDxfDefaults)->Unit(benchmark::kMillisecond);

void BM_StlDefaults(benchmark::State& state) {
    const Defaults& defaults = DefaultDesign();
    std::size_t bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const auto& section :
             {gearpair::WheelSection(defaults.design, defaults.sizes, gearpair::kMeshTolerance),
              gearpair::PinionSection(defaults.design, defaults.sizes, gearpair::kMeshTolerance)}) {
            bytes +=
                gearpair::BinaryStl(gearpair::GearMesh(section, gearpair::kMeshTolerance), "gear")
                    .size();
        }
    }
    state.counters["stl_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_StlDefaults)->Unit(benchmark::kMillisecond);

#ifdef GEARPAIR_STEP
void BM_StepWheelDefault(benchmark::State& state) {
    const Defaults& defaults = DefaultDesign();
    const gearpair::GearSection wheel =
        gearpair::WheelSection(defaults.design, defaults.sizes, gearpair::kProfileTolerance);
    std::size_t bytes = 0;
    for (auto _ : state) bytes = gearpair::StepText(wheel, "wheel").size();
    state.counters["step_bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_StepWheelDefault)->Unit(benchmark::kMillisecond)->Iterations(1);
#endif

}  // namespace

int main(int argc, char** argv) {
    return gearpair::bench::RunWithRatios(argc, argv, {});
}
