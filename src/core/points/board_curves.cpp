#include "core/points/board_curves.h"

#include <algorithm>

#include "core/document/board_document.h"
#include "core/formula/formula.h"
#include "core/points/special_points_search.h"

namespace curvana {
namespace {

struct CurvesFound {
    std::vector<FunctionCurve> functions;
    std::vector<ConicCurve> conics;
};

void addCurveOf(const CurveAction& action, const ViewWindow& view, CurvesFound& found)
{
    const std::optional<CurveFamily> family = curveFamily(action.window, action.option);
    if (!family)
        return; // an option the window has no button for draws nothing
    switch (action.window) {
    case CurveWindow::Elementary:
        if (auto curve = elementaryFunctionCurve(*family, action.texts, view))
            found.functions.push_back(std::move(*curve));
        break;
    case CurveWindow::Conic:
        if (auto conic = conicCurveOf(*family, action.texts)) {
            conic->typedDecimals = writtenWithDecimals(action.texts);
            found.conics.push_back(*conic);
        }
        break;
    case CurveWindow::Classic:
        break; // parametric and polar curves: no points are sought on them
    }
}

// A function y = f(x) typed as an own formula, sought where the pieces of its drawing lie. A piece
// ends where the curve leaves the board, has no value or jumps, so each piece's stretch of x is
// drawn whole.
void addFunction(const std::string& formula, const FormulaParameters& parameters, const Drawing* pieces,
    const ViewWindow& view, CurvesFound& found)
{
    auto compiled = compileFunction(formula, parameters);
    auto* function = std::get_if<CompiledFunction>(&compiled);
    if (!function || !pieces)
        return;
    // A gap wider than this between dots is a break (on the designed board; a view is sampled as
    // densely on the picture); pieces cover their whole stretch of x.
    constexpr double kFormulaDotGap = 0.1;
    found.functions.push_back({[f = std::move(*function)](double x) { return f(x); },
        drawnIntervals(*pieces, kFormulaDotGap * points::widthShare(view)),
        writtenWithDecimals(formula) || anyFractionalValue(parameters)});
}

void addCurveOf(const FormulaAction& action, const ViewWindow& view, CurvesFound& found)
{
    if (action.kind != FormulaKind::Function)
        return; // parametric and polar curves: no points are sought on them
    const auto drawing = actionDrawing(action, view);
    addFunction(action.first, action.parameters, std::get_if<Drawing>(&drawing), view, found);
}

// The curve 连线 drew through a table; its points alone are no curve.
void addCurveOf(const TableAction& action, const ViewWindow& view, CurvesFound& found)
{
    if (!action.curve)
        return;
    const auto drawing = actionDrawing(action, view);
    addFunction(action.formula, {}, std::get_if<Drawing>(&drawing), view, found);
}

// Figures, strokes and any kind of action added later without points of its own: nothing. A new
// curve kind with points needs only its own addCurveOf overload above this one.
template <class Action> void addCurveOf(const Action&, const ViewWindow&, CurvesFound&) { }

} // namespace

std::pair<std::vector<FunctionCurve>, std::vector<ConicCurve>> curvesOnBoard(
    const std::vector<BoardAction>& actions, const ViewWindow& view)
{
    // Only what follows the last clear is on the board.
    const auto lastClear = std::find_if(actions.rbegin(), actions.rend(),
        [](const BoardAction& action) { return std::holds_alternative<ClearAction>(action); });
    CurvesFound found;
    for (auto it = lastClear.base(); it != actions.end(); ++it)
        std::visit([&](const auto& action) { addCurveOf(action, view, found); }, *it);
    return {std::move(found.functions), std::move(found.conics)};
}

} // namespace curvana
