#include "core/points/equation_points.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/document/board_document.h"
#include "core/equations/conic_recognition.h"
#include "core/equations/equation_drawing.h"
#include "core/equations/linear_program.h"
#include "core/equations/relation.h"
#include "core/formula/formula.h"

namespace curvana {
namespace {

// A line or conic on the board, as exact coefficients, with the list its points go to.
struct BoardPolynomial {
    PlanePolynomial polynomial;
    std::size_t owner;
};

std::optional<PlanePolynomial> polynomialOf(const std::string& equation, const FormulaParameters* parameters = nullptr)
{
    auto parsed = parseEquation(equation, kEquationBox, parameters);
    if (const auto* relation = std::get_if<Relation>(&parsed))
        return expandedPolynomial(relation->function);
    return std::nullopt;
}

// y = f(x) typed as "x+1" or "y = x+1": the same as the equation y = x+1.
std::optional<PlanePolynomial> functionPolynomial(const std::string& text)
{
    return polynomialOf(text.find('=') == std::string::npos ? "y=" + text : text);
}

void addConicPoints(const ConicFacts& conic, std::vector<ExactCurvePoint>& points)
{
    const auto add = [&](PointKind kind, const ExactPlanePoint& p) {
        points.push_back({kind, p.x.value(), p.y.value(), p.text()});
    };
    if (conic.centre)
        add(conic.kind == ConicKind::Circle ? PointKind::CircleCentre : PointKind::Centre, *conic.centre);
    // A circle's "vertices" are no points a textbook names; its centre is.
    if (conic.kind != ConicKind::Circle)
        for (const ExactPlanePoint& p : conic.vertices)
            add(PointKind::Vertex, p);
    for (const ExactPlanePoint& p : conic.foci)
        add(PointKind::Focus, p);
}

void addCorners(const FormulaAction& action, std::vector<ExactCurvePoint>& points)
{
    auto parsed = parseInequalities(action.first, kEquationBox, &action.parameters);
    const auto* relations = std::get_if<std::vector<Relation>>(&parsed);
    if (!relations)
        return;
    const auto constraints = linearConstraints(*relations);
    if (!constraints)
        return;
    for (const ExactPoint& corner : linearRegion(*constraints).corners)
        points.push_back({PointKind::Corner, corner.x.value(), corner.y.value(), corner.text()});
}

void addIntersections(const std::vector<BoardPolynomial>& curves, std::vector<std::vector<ExactCurvePoint>>& lists)
{
    for (std::size_t j = 1; j < curves.size(); ++j)
        for (std::size_t i = 0; i < j; ++i) {
            const PlanePolynomial& a = curves[i].polynomial;
            const PlanePolynomial& b = curves[j].polynomial;
            const bool aLine = a.degree() == 1, bLine = b.degree() == 1;
            if (!aLine && !bLine)
                continue; // two conics: up to four points, beyond exact school algebra
            try {
                for (const ExactPlanePoint& p : aLine ? lineIntersections(a, b) : lineIntersections(b, a))
                    lists[curves[j].owner].push_back({PointKind::Intersection, p.x.value(), p.y.value(), p.text()});
            } catch (const RationalOverflow&) {
                // no exact crossing to show for these two
            }
        }
}

// A y = f(x) and an equation F = 0 on the board, for the crossings no exact algebra gives.
struct NumericCurves {
    std::vector<std::pair<CompiledFunction, std::size_t>> functions;
    std::vector<std::pair<PlaneFunction, std::size_t>> equations;
};

// Where G(x) = F(x, f(x)) changes sign across the view, narrowed by halving; a sign change that
// is no zero (a pole of f) is dropped. A crossing that only touches is not found.
void addCrossings(const CompiledFunction& f, const PlaneFunction& equation, const ViewWindow& view,
    std::vector<ExactCurvePoint>& points)
{
    constexpr int kSteps = 2000;
    const double from = view.xFrom(), to = view.xTo();
    const auto g = [&](double x) { return equation(x, f(x)); };
    const auto add = [&](double x) {
        const double y = f(x);
        if (std::fabs(g(x)) < 1e-6 && y >= view.yFrom() && y <= view.yTo())
            points.push_back({PointKind::Intersection, x, y, {}});
    };
    double a = from, ga = g(a);
    if (ga == 0)
        add(a);
    for (int step = 1; step <= kSteps; ++step) {
        const double b = from + (to - from) * step / kSteps, gb = g(b);
        if (gb == 0) {
            add(b); // exactly on a grid point, as the crossings of school examples often are
        } else if (std::isfinite(ga) && std::isfinite(gb) && ga != 0 && (ga < 0) != (gb < 0)) {
            double lo = a, hi = b;
            for (int halving = 0; halving < 60; ++halving) {
                const double mid = (lo + hi) / 2, gm = g(mid);
                if (!std::isfinite(gm))
                    break;
                ((gm < 0) == (ga < 0) ? lo : hi) = mid;
            }
            add((lo + hi) / 2);
        }
        a = b;
        ga = gb;
    }
}

} // namespace

std::vector<std::vector<ExactCurvePoint>> exactPointsOnBoard(
    const std::vector<BoardAction>& actions, const ViewWindow& view)
{
    std::vector<std::vector<ExactCurvePoint>> lists;
    std::vector<BoardPolynomial> curves;
    NumericCurves numeric;
    for (const BoardAction& action : shownActions(actions)) {
        const auto* formula = std::get_if<FormulaAction>(&action);
        if (!formula)
            continue;
        try {
            std::vector<ExactCurvePoint> points;
            std::optional<PlanePolynomial> polynomial;
            if (formula->kind == FormulaKind::Equation) {
                polynomial = polynomialOf(formula->first, &formula->parameters);
                if (polynomial)
                    if (const auto conic = recognisedConic(*polynomial))
                        addConicPoints(*conic, points);
                if (auto parsed = parseEquation(formula->first, kEquationBox, &formula->parameters);
                    std::holds_alternative<Relation>(parsed))
                    numeric.equations.emplace_back(PlaneFunction(std::get<Relation>(parsed).function), lists.size());
            } else if (formula->kind == FormulaKind::Inequality) {
                addCorners(*formula, points);
            } else if (formula->kind == FormulaKind::Function) {
                polynomial = functionPolynomial(formula->first);
                if (auto f = compileFunction(formula->first); std::holds_alternative<CompiledFunction>(f))
                    numeric.functions.emplace_back(std::get<CompiledFunction>(std::move(f)), lists.size());
            }
            if (polynomial && polynomial->degree() >= 1)
                curves.push_back({*polynomial, lists.size()});
            lists.push_back(std::move(points));
        } catch (const RationalOverflow&) {
            lists.emplace_back(); // coefficients too large for exact points: none rather than wrong ones
        }
    }
    addIntersections(curves, lists);
    for (const auto& [f, functionOwner] : numeric.functions)
        for (const auto& [equation, equationOwner] : numeric.equations)
            addCrossings(f, equation, view, lists[std::max(functionOwner, equationOwner)]);
    return lists;
}

} // namespace curvana
