#include "core/points/equation_points.h"

#include <algorithm>
#include <optional>

#include "core/document/board_document.h"
#include "core/equations/conic_recognition.h"
#include "core/equations/equation_drawing.h"
#include "core/equations/linear_program.h"
#include "core/equations/relation.h"

namespace curvana {
namespace {

// A line or conic on the board, as exact coefficients, with the list its points go to.
struct BoardPolynomial {
    PlanePolynomial polynomial;
    std::size_t owner;
};

std::optional<PlanePolynomial> polynomialOf(const std::string& equation)
{
    auto parsed = parseEquation(equation, kEquationBox);
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
    auto parsed = parseInequalities(action.first, kEquationBox);
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

} // namespace

std::vector<std::vector<ExactCurvePoint>> exactPointsOnBoard(const std::vector<BoardAction>& actions)
{
    std::vector<std::vector<ExactCurvePoint>> lists;
    std::vector<BoardPolynomial> curves;
    for (const BoardAction& action : shownActions(actions)) {
        const auto* formula = std::get_if<FormulaAction>(&action);
        if (!formula)
            continue;
        try {
            std::vector<ExactCurvePoint> points;
            std::optional<PlanePolynomial> polynomial;
            if (formula->kind == FormulaKind::Equation) {
                polynomial = polynomialOf(formula->first);
                if (polynomial)
                    if (const auto conic = recognisedConic(*polynomial))
                        addConicPoints(*conic, points);
            } else if (formula->kind == FormulaKind::Inequality) {
                addCorners(*formula, points);
            } else if (formula->kind == FormulaKind::Function) {
                polynomial = functionPolynomial(formula->first);
            }
            if (polynomial && polynomial->degree() >= 1)
                curves.push_back({*polynomial, lists.size()});
            lists.push_back(std::move(points));
        } catch (const RationalOverflow&) {
            lists.emplace_back(); // coefficients too large for exact points: none rather than wrong ones
        }
    }
    addIntersections(curves, lists);
    return lists;
}

} // namespace curvana
