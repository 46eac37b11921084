#include "core/equations/equation_drawing.h"

#include <algorithm>
#include <cmath>

#include "core/equations/plane_polynomial.h"
#include "core/text/utf8.h"

namespace curvana {

namespace {

EquationProblem wholeBox(const std::string& box, std::string_view text, const std::string& message)
{
    return {box, {0, static_cast<int>(codePointsOf(text).size()), box + message}};
}

void addOptimum(InequalityPicture& picture, const LinearObjective& z, const std::vector<LinearConstraint>& constraints,
    PlotArea area)
{
    picture.maximum = maximumOf(z, constraints);
    picture.minimum = minimumOf(z, constraints);
    for (const Optimum* optimum : {&*picture.maximum, &*picture.minimum}) {
        if (!optimum->exists)
            continue;
        // z = value through the optimal corner: a·x + b·y = value − c.
        if (auto line = levelLine(z.a.value(), z.b.value(), (optimum->value - z.c).value(), area))
            picture.levelLines.push_back(std::move(*line));
    }
}

} // namespace

std::optional<Polyline> levelLine(double a, double b, double c, PlotArea area)
{
    std::vector<WorldPoint> ends;
    const auto keep = [&](double x, double y) {
        const double slack = 1e-9 * (1 + std::fabs(x) + std::fabs(y));
        if (x >= area.left - slack && x <= area.right + slack && y >= area.bottom - slack && y <= area.top + slack)
            ends.push_back({x, y});
    };
    if (b != 0) {
        keep(area.left, (c - a * area.left) / b);
        keep(area.right, (c - a * area.right) / b);
    }
    if (a != 0) {
        keep((c - b * area.bottom) / a, area.bottom);
        keep((c - b * area.top) / a, area.top);
    }
    if (ends.size() < 2)
        return std::nullopt;
    const auto [first, last] = std::minmax_element(ends.begin(), ends.end(),
        [](const WorldPoint& p, const WorldPoint& q) { return p.x < q.x || (p.x == q.x && p.y < q.y); });
    return Polyline{{*first, *last}, LineStyle::Dashed};
}

std::variant<EquationPicture, EquationProblem> equationPicture(std::string_view equation,
    const FormulaParameters& parameters, PlotArea area, PixelScale scale, const WorkDeadline& deadline)
{
    auto parsed = parseEquation(equation, kEquationBox, &parameters);
    if (const auto* problem = std::get_if<TextProblem>(&parsed))
        return EquationProblem{kEquationBox, *problem};
    const Relation& relation = std::get<Relation>(parsed);
    auto traced = traceImplicitCurve(PlaneFunction(relation.function), area, scale, deadline);
    if (const auto* message = std::get_if<std::string>(&traced))
        return wholeBox(kEquationBox, equation, *message);
    EquationPicture picture;
    picture.pieces = std::move(std::get<TracedCurve>(traced).pieces);
    picture.dots = std::move(std::get<TracedCurve>(traced).isolatedPoints);
    if (const auto polynomial = expandedPolynomial(relation.function))
        picture.conic = recognisedConic(*polynomial);
    return picture;
}

std::variant<InequalityPicture, EquationProblem> inequalityPicture(std::string_view inequalities,
    std::string_view objective, const FormulaParameters& parameters, PlotArea area, PixelScale scale,
    const WorkDeadline& deadline)
{
    auto parsed = parseInequalities(inequalities, kInequalityBox, &parameters);
    if (const auto* problem = std::get_if<TextProblem>(&parsed))
        return EquationProblem{kInequalityBox, *problem};
    const auto& relations = std::get<std::vector<Relation>>(parsed);
    std::optional<LinearObjective> z;
    if (!objective.empty()) {
        auto read = parseObjective(objective, kObjectiveBox, &parameters);
        if (const auto* problem = std::get_if<TextProblem>(&read))
            return EquationProblem{kObjectiveBox, *problem};
        z = std::get<LinearObjective>(read);
    }
    const auto constraints = linearConstraints(relations);
    if (z && !constraints)
        return wholeBox(kObjectiveBox, objective, "只有全部是x、y的一次不等式时才能求目标函数的最值。");
    auto region = inequalityRegion(relations, area, scale, deadline);
    if (const auto* message = std::get_if<std::string>(&region))
        return wholeBox(kInequalityBox, inequalities, *message);
    InequalityPicture picture;
    picture.region = std::move(std::get<InequalityRegion>(region));
    if (constraints) {
        const LinearRegion exact = linearRegion(*constraints);
        picture.linear = true;
        picture.empty = exact.empty;
        picture.corners = exact.corners;
        if (z)
            addOptimum(picture, *z, *constraints, area);
    }
    return picture;
}

} // namespace curvana
