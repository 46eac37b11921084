// The own-formula window's "确定" before anything reaches the surface: reading the typed formula,
// compiling it and sampling its curve adaptively; and how fast a compiled formula evaluates.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_labels.h"
#include "core/formula/formula.h"

namespace curvana {
namespace {

void formulaDrawingOf(benchmark::State& state, const FormulaInput& input)
{
    std::size_t points = 0;
    for (auto _ : state) {
        const auto result = formulaDrawing(input, SamplingView{}, {1, 9});
        points = 0;
        for (const Polyline& piece : std::get<Drawing>(result).polylines)
            points += piece.points.size();
        benchmark::DoNotOptimize(points);
    }
    state.counters["points"] = static_cast<double>(points);
    state.SetLabel(std::string("vs:") + bench::kDefaultBaseline);
}
BENCHMARK_CAPTURE(formulaDrawingOf, cubic, FormulaInput{FormulaKind::Function, "x³ - 3x", "", "-10", "10"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(formulaDrawingOf, sinOfReciprocal, FormulaInput{FormulaKind::Function, "sin(1/x)", "", "-10", "10"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(formulaDrawingOf, tangent, FormulaInput{FormulaKind::Function, "tan x", "", "-10", "10"})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(formulaDrawingOf, polarRose, FormulaInput{FormulaKind::Polar, "4 sin 2θ", "", "0", "2π"})
    ->Unit(benchmark::kMicrosecond);

void formulaEvaluations(benchmark::State& state)
{
    const CompiledFunction f = std::get<CompiledFunction>(compileFunction("x³ - 3x"));
    double x = -10;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f(x));
        x = x < 10 ? x + 1e-4 : -10;
    }
    state.counters["evaluations"]
        = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(formulaEvaluations);

} // namespace
} // namespace curvana
