// An equation or a region of inequalities over the whole board, from the typed text to the pieces
// of the curve (or the shaded rows and boundaries), at the board's design scale.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_labels.h"
#include "core/document/board_document.h"
#include "core/equations/inequality_region.h"

namespace curvana {
namespace {

void equationOverBoard(benchmark::State& state, const std::string& text)
{
    std::size_t points = 0;
    for (auto _ : state) {
        const auto relation = std::get<Relation>(parseEquation(text, ""));
        const auto traced
            = traceImplicitCurve(PlaneFunction(relation.function), PlotArea{}, PixelScale{}, WorkDeadline());
        points = 0;
        for (const Polyline& piece : std::get<TracedCurve>(traced).pieces)
            points += piece.points.size();
        benchmark::DoNotOptimize(points);
    }
    state.counters["points"] = static_cast<double>(points);
    state.SetLabel(std::string("vs:") + bench::kDefaultBaseline);
}
BENCHMARK_CAPTURE(equationOverBoard, circle, std::string("x²+y²=4"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(equationOverBoard, shiftedCircle, std::string("(x−1)²+(y+2)²=9"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(equationOverBoard, ellipse, std::string("x²/25+y²/9=1"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(equationOverBoard, hyperbola, std::string("x²/9−y²/16=1"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(equationOverBoard, parabola, std::string("y²=4x"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(equationOverBoard, reciprocal, std::string("xy=1"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(equationOverBoard, verticalLine, std::string("x=2"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(equationOverBoard, slantedLine, std::string("2x+3y−6=0"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(equationOverBoard, absolute, std::string("y=|x|"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(equationOverBoard, crossingLines, std::string("x²−y²=0"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(equationOverBoard, lemniscate, std::string("(x²+y²)²=8(x²−y²)"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(equationOverBoard, thinEllipse, std::string("x²+y²/0.0025=1"))->Unit(benchmark::kMillisecond);

void regionOverBoard(benchmark::State& state, const std::string& text)
{
    std::size_t spans = 0;
    for (auto _ : state) {
        const auto relations = std::get<std::vector<Relation>>(parseInequalities(text, ""));
        const auto region = inequalityRegion(relations, PlotArea{}, PixelScale{}, WorkDeadline());
        spans = std::get<InequalityRegion>(region).spans.size();
        benchmark::DoNotOptimize(spans);
    }
    state.counters["spans"] = static_cast<double>(spans);
    state.SetLabel(std::string("vs:") + bench::kDefaultBaseline);
}
BENCHMARK_CAPTURE(regionOverBoard, linearProgram, std::string("x+y≤4，x−y≥−2，y≥0"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(regionOverBoard, aboveParabola, std::string("y>x²"))->Unit(benchmark::kMillisecond);

// The whole road from an own-formula action to its drawing, as 确定, a replay and opening a file
// take it: parsing, tracing or shading, conic facts, the optimum and the caption.
void formulaActionOverBoard(benchmark::State& state, FormulaKind kind, const std::string& text, const std::string& z)
{
    FormulaAction action;
    action.kind = kind;
    action.first = text;
    action.objective = z;
    action.from = "-10"; // the window's range for y = f(x); equations and inequalities have none
    action.to = "10";
    for (auto _ : state) {
        const auto drawing = actionDrawing(action);
        benchmark::DoNotOptimize(std::get<Drawing>(drawing).polylines.size());
    }
    state.SetLabel(std::string("vs:") + bench::kDefaultBaseline);
}
BENCHMARK_CAPTURE(formulaActionOverBoard, hyperbola, FormulaKind::Equation, std::string("x²/9−y²/16=1"), std::string())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    formulaActionOverBoard, lemniscate, FormulaKind::Equation, std::string("(x²+y²)²=8(x²−y²)"), std::string())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(formulaActionOverBoard, linearProgram, FormulaKind::Inequality, std::string("x+y≤4，x−y≥−2，y≥0"),
    std::string("x+2y"))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(formulaActionOverBoard, aboveParabola, FormulaKind::Inequality, std::string("y>x²"), std::string())
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(
    formulaActionOverBoard, piecewise, FormulaKind::Function, std::string("−x (x<0)；x² (x≥0)"), std::string())
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace curvana
