// One repaint of the drawing window's sheet view at 1920 x 1080, fitted and zoomed in, for the
// largest wheel sheet of the design sample (the most primitives): the time the window needs
// for every step of a zoom or a pan. Rendered into an image of the view's size, as the raster
// backing store of the window is painted.
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cstddef>
#include <cstdio>

#include <benchmark/benchmark.h>

#include "bench/design_sample.h"
#include "bench/ratio_main.h"
#include "drawing/drawings.h"
#include "engine/part_sizes.h"
#include "files/handoff.h"
#include "ui/sheet_view.h"

namespace {

using gearpair::Sheet;

constexpr int kViewWidth = 1920;
constexpr int kViewHeight = 1080;

// The wheel sheet with the most primitives among the completed designs of the sample.
const Sheet& LargestWheelSheet() {
    static const Sheet largest = [] {
        Sheet best;
        for (std::size_t i = 0; i < 1000; ++i) {
            gearpair::GearSession session;
            const gearpair::RunOutcome outcome = gearpair::RunDesign(
                session, gearpair::bench::SampleDesign(i),
                [](gearpair::GearSession& s) { gearpair::AppendHandoffList(s); });
            if (!outcome.completed) continue;
            gearpair::DrawingSet set =
                gearpair::BuildDrawings(session.design, gearpair::DesignProductsOf(session.design));
            if (set.wheel.items.size() > best.items.size()) best = std::move(set.wheel);
        }
        std::printf("largest wheel sheet: %s, %zu primitives\n", best.format.c_str(),
                    best.items.size());
        return best;
    }();
    return largest;
}

void Repaint(benchmark::State& state, double zoom) {
    gearpair::SheetView view;
    view.resize(kViewWidth, kViewHeight);
    view.SetSheet(&LargestWheelSheet());
    view.ZoomAt(QPointF(kViewWidth / 2.0, kViewHeight / 2.0), zoom);
    QImage image(kViewWidth, kViewHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_RepaintFitted(benchmark::State& state) {
    Repaint(state, 1.0);
}
BENCHMARK(BM_RepaintFitted)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RepaintZoomed8x(benchmark::State& state) {
    Repaint(state, 8.0);
}
BENCHMARK(BM_RepaintZoomed8x)->Unit(benchmark::kMillisecond)->UseRealTime();

// The finest zoom the view allows (SheetView::kMaxScale).
void BM_RepaintFinest(benchmark::State& state) {
    Repaint(state, 1000.0);
}
BENCHMARK(BM_RepaintFinest)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return gearpair::bench::RunWithRatios(argc, argv, {});
}
