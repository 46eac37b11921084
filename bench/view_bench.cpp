// One wheel notch before anything is drawn: the new view and its axes (ticks, numbers measured
// with a fixed width per character), at the designed view and at views far from it.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_labels.h"
#include "core/view/axis_ticks.h"

namespace curvana {
namespace {

void wheelNotchAxes(benchmark::State& state, ViewWindow view)
{
    const LabelMetrics metrics = LabelMetrics::estimated();
    const ViewMapping mapping(view, {1920, 1080});
    std::size_t marks = 0;
    for (auto _ : state) {
        const ViewWindow zoomed = mapping.zoomedAtPixel({700, 300}, ViewWindow::kZoomStep);
        const AxesLayout axes = layoutAxes(zoomed, mapping.pixels(), metrics);
        marks = axes.x.marks.size() + axes.y.marks.size();
        benchmark::DoNotOptimize(marks);
    }
    state.counters["marks"] = static_cast<double>(marks);
    state.SetLabel(std::string("vs:") + bench::kDefaultBaseline);
}
BENCHMARK_CAPTURE(wheelNotchAxes, designed, ViewWindow())->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(wheelNotchAxes, thousandfold, ViewWindow().zoomedAtCentre(1000))->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(wheelNotchAxes, farAndWide, *ViewWindow::make(-1e12, 0, 1e6, 1e6 + 5))->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace curvana
