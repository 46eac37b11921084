// A slider's one frame: the moving curve computed with its new value, replaced in place in the
// document, the surface brought in line and the whole board rasterised again, with ten other
// curves on it. A frame must stay within 16 ms to follow the hand at 60 frames a second.
#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <memory>

#include "bench_application.h"
#include "bench_labels.h"
#include "canvas/action_painter.h"
#include "canvas/axes.h"
#include "canvas/rasteriser.h"
#include "canvas/surface.h"
#include "core/document/board_document.h"

namespace curvana {
namespace {

using bench::ensureApplication;
using bench::kBoard;

FormulaAction own(const char* formula, int line, FormulaParameters parameters = {})
{
    return {FormulaKind::Function, formula, "", "-10", "10", "蓝", line, std::move(parameters)};
}

// The benchmark's argument picks the moving curve: 0 the parabola, 1 the sine wave.
void sliderFrame(benchmark::State& state)
{
    ensureApplication();
    const bool sine = state.range(0) == 1;
    const char* others[] = {"x", "x^2/4", "sin x", "cos 2x", "√x", "ln x", "1/x", "x³/20", "|x|−3", "2^x"};
    BoardDocument document;
    int line = 0;
    for (const char* formula : others)
        document.add(own(formula, line++));
    FormulaAction moving = sine ? own("A sin(ωx+φ)", line, {{"A", 2}, {"ω", 1}, {"φ", 0}})
                                : own("a(x−h)²+k", line, {{"a", 1}, {"h", 0}, {"k", -3}});
    const std::uint64_t id = document.add(moving).id;
    Surface surface(kBoard);
    drawAxes(surface, AxesStyle::Board);
    followDocument(surface, document);
    QImage image(kBoard, QImage::Format_RGB32);
    FormulaParameter& moved = moving.parameters[1];
    for (auto _ : state) {
        moved.value = steppedValue(moved, moved.value >= moved.to - 0.05 ? -100 : 1);
        document.replace(id, moving);
        followDocument(surface, document);
        image.fill(Qt::white);
        Rasteriser(surface, QSizeF(kBoard), 1).render(image, {0, 0}, surface.end());
        benchmark::ClobberMemory();
    }
    state.counters["dots"] = static_cast<double>(surface.dotCount());
    state.SetLabel(std::string("vs:") + bench::kDefaultBaseline);
}
BENCHMARK(sliderFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace curvana
