// The work of one press of "确定" in the plotters and dialogs, before anything reaches the
// surface: parsing the boxes and computing every dot, segment and circle.
#include <benchmark/benchmark.h>

#include "core/curves/curves.h"

namespace curvana {
namespace {

const FieldTexts kElementaryDefaults{"1", "+2", "+0"};
const FieldTexts kConicDefaults{"1", "1", "3", "2"};

// The benchmark's argument is the option button's number in `window`.
CurveFamily familyOf(CurveWindow window, const benchmark::State& state)
{
    return curveFamily(window, static_cast<int>(state.range(0))).value();
}

void elementaryDefaults(benchmark::State& state)
{
    const CurveFamily family = familyOf(CurveWindow::Elementary, state);
    // The window's default base 1 has no logarithm; base 2 draws the full range.
    const FieldTexts texts = family == CurveFamily::Logarithm ? FieldTexts{"2", "+2", "+0"} : kElementaryDefaults;
    for (auto _ : state)
        benchmark::DoNotOptimize(elementaryCurve(family, texts));
}
BENCHMARK(elementaryDefaults)->DenseRange(1, 10)->Unit(benchmark::kMicrosecond);

// The longest run the clipped loops allow: a line so flat its range reaches -8e12.
void elementaryWorstBounded(benchmark::State& state)
{
    const FieldTexts flat{"1e-12", "+2", "+0"};
    for (auto _ : state)
        benchmark::DoNotOptimize(elementaryCurve(CurveFamily::Line, flat));
}
BENCHMARK(elementaryWorstBounded)->Unit(benchmark::kMicrosecond);

void conicDefaults(benchmark::State& state)
{
    const CurveFamily family = familyOf(CurveWindow::Conic, state);
    for (auto _ : state)
        benchmark::DoNotOptimize(conicCurve(family, kConicDefaults));
}
BENCHMARK(conicDefaults)->Arg(1)->Arg(2)->Arg(3)->Arg(5)->Unit(benchmark::kMicrosecond);

void classicDefaults(benchmark::State& state)
{
    const CurveFamily family = familyOf(CurveWindow::Classic, state);
    const FieldTexts r{"1"};
    for (auto _ : state)
        benchmark::DoNotOptimize(classicCurve(family, r));
}
BENCHMARK(classicDefaults)->DenseRange(1, 6)->Unit(benchmark::kMicrosecond);

void welcomeShowAllCurves(benchmark::State& state)
{
    for (auto _ : state)
        for (int curve = 1; curve <= 15; ++curve)
            benchmark::DoNotOptimize(welcomeShowCurve(curve));
}
BENCHMARK(welcomeShowAllCurves)->Unit(benchmark::kMillisecond);

void figureDefaults(benchmark::State& state)
{
    const FieldTexts sector{"0", "0", "2", "60"};
    const FieldTexts parallelogram{"0", "0", "2", "2", "4", "-3"};
    for (auto _ : state) {
        benchmark::DoNotOptimize(figureDrawing(FigureKind::Sector, sector));
        benchmark::DoNotOptimize(figureDrawing(FigureKind::Parallelogram, parallelogram));
    }
}
BENCHMARK(figureDefaults);

} // namespace
} // namespace curvana
