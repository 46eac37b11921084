// Finding the special points of a full board: ten elementary curves, one of each family, with
// every intersection between them, and two conics.
#include <benchmark/benchmark.h>

#include "core/points/board_curves.h"
#include "core/points/special_points.h"

namespace curvana {
namespace {

// As a saved board holds them: the option button's number and the boxes.
struct FamilyTexts {
    int option;
    FieldTexts texts;
};

const FamilyTexts kTenFamilies[] = {
    {1, {"1", "+2"}},
    {2, {"1", "-2", "-3"}},
    {3, {"2"}},
    {4, {"2", "1", "0"}},
    {5, {"1", "2", "30"}},
    {6, {"1", "1", "0"}},
    {7, {"1", "0", "-4"}},
    {8, {"2"}},
    {9, {"2"}},
    {10, {"2"}},
};

std::vector<FunctionCurve> tenCurves()
{
    std::vector<FunctionCurve> curves;
    for (const FamilyTexts& family : kTenFamilies)
        if (auto curve = elementaryFunctionCurve(*curveFamily(CurveWindow::Elementary, family.option), family.texts))
            curves.push_back(std::move(*curve));
    return curves;
}

std::vector<ConicCurve> twoConics()
{
    return {*conicCurveOf(CurveFamily::Ellipse, {"1", "1", "3", "2"}),
        *conicCurveOf(CurveFamily::Hyperbola, {"0", "0", "2", "1"})};
}

// The search alone, on curves already described.
void specialPointsOfFullBoard(benchmark::State& state)
{
    const std::vector<FunctionCurve> curves = tenCurves();
    const std::vector<ConicCurve> conics = twoConics();
    if (curves.size() != 10)
        state.SkipWithError("a family refused its texts");
    for (auto _ : state)
        benchmark::DoNotOptimize(specialPoints(curves, conics));
}
BENCHMARK(specialPointsOfFullBoard)->Unit(benchmark::kMillisecond);

// From the boxes' texts: each curve drawn once more to learn where it is drawn, then the search.
void specialPointsFromTexts(benchmark::State& state)
{
    const std::vector<ConicCurve> conics = twoConics();
    for (auto _ : state)
        benchmark::DoNotOptimize(specialPoints(tenCurves(), conics));
}
BENCHMARK(specialPointsFromTexts)->Unit(benchmark::kMillisecond);

// What the overlay's worker does for "显示特殊点" on a board of the ten curves and two conics:
// rebuild the curves from the board's actions, then search.
void specialPointsOfBoardActions(benchmark::State& state)
{
    std::vector<BoardAction> actions;
    for (const FamilyTexts& family : kTenFamilies)
        actions.push_back(CurveAction{CurveWindow::Elementary, family.option, family.texts, "红"});
    actions.push_back(CurveAction{CurveWindow::Conic, 1, {"1", "1", "3", "2"}, "蓝"});
    actions.push_back(CurveAction{CurveWindow::Conic, 2, {"0", "0", "2", "1"}, "蓝"});
    std::size_t found = 0;
    for (auto _ : state) {
        const auto [functions, conics] = curvesOnBoard(actions);
        const std::vector<SpecialPoint> points = specialPoints(functions, conics);
        found = points.size();
        benchmark::DoNotOptimize(points.data());
    }
    state.counters["points"] = static_cast<double>(found);
}
BENCHMARK(specialPointsOfBoardActions)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace curvana
