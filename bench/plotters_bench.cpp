// One press of "确定" in each plotter with its initial parameters: computing the curve, adding it
// to the board's surface and rasterising it onto an image the size of the board.
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <memory>

#include "bench_application.h"
#include "bench_labels.h"
#include "canvas/axes.h"
#include "canvas/rasteriser.h"
#include "canvas/surface.h"
#include "core/curves/curves.h"

namespace curvana {
namespace {

using bench::ensureApplication;
using bench::kBoard;

using CurveFunction = DrawingResult (*)(CurveFamily, const FieldTexts&);

// The board as a click finds it: its axes drawn and room in its lists from earlier curves. Each
// click is taken back afterwards, so every iteration draws onto the same board.
struct Board {
    Surface surface{kBoard};
    QImage image{kBoard, QImage::Format_RGB32};
    Board()
    {
        drawAxes(surface, AxesStyle::Board);
        image.fill(Qt::white);
        Rasteriser(surface, QSizeF(kBoard), 1).render(image, {0, 0}, surface.end());
    }
};

// The benchmark's argument is the option button's number in `window`.
void oneClick(benchmark::State& state, CurveWindow window, CurveFunction curve, const FieldTexts& texts)
{
    ensureApplication();
    const CurveFamily option = curveFamily(window, static_cast<int>(state.range(0))).value();
    Board board;
    std::uint64_t dots = 0;
    for (auto _ : state) {
        const ListPos from = board.surface.end();
        board.surface.beginObject({1, 1});
        const DrawingResult result = curve(option, texts);
        board.surface.draw(std::get<Drawing>(result), kRed);
        Rasteriser(board.surface, QSizeF(kBoard), 1).render(board.image, from, board.surface.end());
        benchmark::ClobberMemory();
        state.PauseTiming();
        dots = board.surface.dotCount();
        board.surface.removeObjectsFrom(0);
        state.ResumeTiming();
    }
    state.counters["dots"] = static_cast<double>(dots);
    state.SetLabel(std::string("vs:") + bench::kDefaultBaseline);
}

void elementaryClick(benchmark::State& state)
{
    // Base 1 has no logarithm, so the last family gets base 2.
    const FieldTexts texts{state.range(0) == 10 ? "2" : "1", "+2", "+0"};
    oneClick(state, CurveWindow::Elementary, &elementaryCurve, texts);
}
BENCHMARK(elementaryClick)->DenseRange(1, 10)->Unit(benchmark::kMillisecond);

void conicClick(benchmark::State& state) { oneClick(state, CurveWindow::Conic, &conicCurve, {"1", "1", "3", "2"}); }
BENCHMARK(conicClick)->Arg(1)->Arg(2)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond);

void classicClick(benchmark::State& state) { oneClick(state, CurveWindow::Classic, &classicCurve, {"1"}); }
BENCHMARK(classicClick)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

// The longest run the bounded loops allow: a line so flat that its range would start at -8e12.
void flatLineClick(benchmark::State& state)
{
    oneClick(state, CurveWindow::Elementary, &elementaryCurve, {"1e-12", "+2", "+0"});
}
BENCHMARK(flatLineClick)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace curvana
