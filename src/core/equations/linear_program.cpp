#include "core/equations/linear_program.h"

#include <algorithm>
#include <cmath>

#include "core/equations/plane_polynomial.h"
#include "core/text/utf8.h"

namespace curvana {

namespace {

bool holds(const LinearConstraint& constraint, const ExactPoint& p, bool closure)
{
    const Rational left = constraint.a * p.x + constraint.b * p.y;
    return constraint.strict && !closure ? left < constraint.c : left <= constraint.c;
}

bool holdsAll(const std::vector<LinearConstraint>& constraints, const ExactPoint& p, bool closure)
{
    return std::all_of(
        constraints.begin(), constraints.end(), [&](const LinearConstraint& c) { return holds(c, p, closure); });
}

// The corners of the closed region: crossings of two boundary lines that satisfy every constraint.
std::vector<ExactPoint> cornersOf(const std::vector<LinearConstraint>& constraints)
{
    std::vector<ExactPoint> corners;
    for (std::size_t i = 0; i < constraints.size(); ++i)
        for (std::size_t j = i + 1; j < constraints.size(); ++j) {
            const LinearConstraint& p = constraints[i];
            const LinearConstraint& q = constraints[j];
            const Rational determinant = p.a * q.b - p.b * q.a;
            if (determinant.isZero())
                continue;
            const ExactPoint crossing{(p.c * q.b - p.b * q.c) / determinant, (p.a * q.c - p.c * q.a) / determinant};
            if (holdsAll(constraints, crossing, true)
                && std::find(corners.begin(), corners.end(), crossing) == corners.end())
                corners.push_back(crossing);
        }
    // Round the region: by angle about the middle of the corners.
    double mx = 0, my = 0;
    for (const ExactPoint& p : corners) {
        mx += p.x.value() / static_cast<double>(corners.size());
        my += p.y.value() / static_cast<double>(corners.size());
    }
    std::sort(corners.begin(), corners.end(), [&](const ExactPoint& a, const ExactPoint& b) {
        return std::atan2(a.y.value() - my, a.x.value() - mx) < std::atan2(b.y.value() - my, b.x.value() - mx);
    });
    return corners;
}

// Directions along boundary lines in which the closed region runs on for ever (its recession
// cone's edges), tried against the objective.
bool growsWithoutEnd(const std::vector<LinearConstraint>& constraints, const Rational& a, const Rational& b)
{
    for (const LinearConstraint& line : constraints)
        for (const int sign : {1, -1}) {
            const Rational dx = -line.b * Rational(sign);
            const Rational dy = line.a * Rational(sign);
            const bool stays = std::all_of(constraints.begin(), constraints.end(),
                [&](const LinearConstraint& c) { return (c.a * dx + c.b * dy) <= Rational(0); });
            if (stays && (a * dx + b * dy) > Rational(0))
                return true;
        }
    return false;
}

// A region without corners lies between parallel lines (or is a half-plane): there every
// constraint has the same normal, and the region is empty only if two of them face apart.
bool emptyWithoutCorners(const std::vector<LinearConstraint>& constraints)
{
    for (const LinearConstraint& c : constraints)
        if (c.a.isZero() && c.b.isZero() && (c.strict ? Rational(0) >= c.c : Rational(0) > c.c))
            return true;
    for (std::size_t i = 0; i < constraints.size(); ++i)
        for (std::size_t j = i + 1; j < constraints.size(); ++j) {
            const LinearConstraint& p = constraints[i];
            const LinearConstraint& q = constraints[j];
            if (!(p.a * q.b - p.b * q.a).isZero() || (p.a.isZero() && p.b.isZero()) || (q.a.isZero() && q.b.isZero()))
                continue;
            // q's normal is k times p's; k < 0 means they face each other.
            const Rational k = p.a.isZero() ? q.b / p.b : q.a / p.a;
            if (k.sign() > 0)
                continue;
            // p: n·v <= p.c, q: −|k| n·v <= q.c, so −q.c/|k| <= n·v <= p.c.
            const Rational lowest = q.c / k; // n·v >= q.c / k
            if (lowest > p.c || (lowest == p.c && (p.strict || q.strict)))
                return true;
        }
    return false;
}

// Two boundaries that cross: then a region that is not empty has a corner (a region without
// one contains a whole line, so all its boundaries run parallel to it).
bool hasCrossingBoundaries(const std::vector<LinearConstraint>& constraints)
{
    for (std::size_t i = 0; i < constraints.size(); ++i)
        for (std::size_t j = i + 1; j < constraints.size(); ++j)
            if (!(constraints[i].a * constraints[j].b - constraints[i].b * constraints[j].a).isZero())
                return true;
    return false;
}

// A region without corners lies between parallel lines n·v = low and n·v = high (either may be
// missing). z is bounded there only when it is a multiple of n·v, and then reached along a line.
Optimum optimumOnStrip(const LinearObjective& objective, const std::vector<LinearConstraint>& constraints, bool largest)
{
    const std::string name = largest ? "最大值" : "最小值";
    Optimum result;
    result.text = "没有" + name;
    const auto normal = std::find_if(constraints.begin(), constraints.end(),
        [](const LinearConstraint& c) { return !c.a.isZero() || !c.b.isZero(); });
    if (normal == constraints.end() || !(objective.a * normal->b - objective.b * normal->a).isZero())
        return result;
    // z = k·(n·v) + c; each constraint is s·(n·v) <= limit.
    const auto ratio
        = [&](const Rational& a, const Rational& b) { return normal->a.isZero() ? b / normal->b : a / normal->a; };
    const Rational k = ratio(objective.a, objective.b);
    const bool wantUpper = (k.sign() > 0) == largest;
    std::optional<Rational> bound;
    bool strict = false;
    for (const LinearConstraint& c : constraints) {
        if (c.a.isZero() && c.b.isZero())
            continue;
        const Rational s = ratio(c.a, c.b);
        if ((s.sign() > 0) != wantUpper)
            continue;
        const Rational t = c.c / s;
        if (!bound || (wantUpper ? t < *bound : t > *bound) || (t == *bound && c.strict)) {
            strict = (bound && t == *bound && strict) || c.strict;
            bound = t;
        }
    }
    if (k.isZero())
        bound = Rational(0);
    if (!bound)
        return result;
    result.value = k * *bound + objective.c;
    if (strict) {
        result.text += "（z 无限接近 " + result.value.text() + "，但取不到）";
        return result;
    }
    result.exists = true;
    result.text = name + " z = " + result.value.text() + "，在一整条边界直线上取到";
    return result;
}

Optimum optimum(const LinearObjective& objective, const std::vector<LinearConstraint>& constraints, bool largest)
{
    const std::string name = largest ? "最大值" : "最小值";
    Optimum result;
    const LinearRegion region = linearRegion(constraints);
    if (region.empty) {
        result.text = "可行域是空的，没有" + name;
        return result;
    }
    const Rational sign(largest ? 1 : -1);
    if (region.corners.empty())
        return optimumOnStrip(objective, constraints, largest);
    if (growsWithoutEnd(constraints, objective.a * sign, objective.b * sign)) {
        result.text = "没有" + name;
        return result;
    }
    for (const ExactPoint& p : region.corners) {
        const Rational z = objective.a * p.x + objective.b * p.y + objective.c;
        if (result.at.empty() || (largest ? z > result.value : z < result.value)) {
            result.value = z;
            result.at = {p};
        } else if (z == result.value) {
            result.at.push_back(p);
        }
    }
    // On a boundary drawn dashed the value is approached but never reached.
    const bool reached = std::any_of(
        result.at.begin(), result.at.end(), [&](const ExactPoint& p) { return holdsAll(constraints, p, false); });
    if (!reached) {
        result.text = "没有" + name + "（z 无限接近 " + result.value.text() + "，但取不到）";
        result.at.clear();
        return result;
    }
    result.exists = true;
    result.text = name + " z = " + result.value.text() + "，在 " + result.at.front().text();
    if (result.at.size() > 1)
        result.text += " 与 " + result.at.back().text() + " 之间的边上";
    return result;
}

} // namespace

std::string ExactPoint::text() const { return "(" + x.text() + ", " + y.text() + ")"; }

std::optional<std::vector<LinearConstraint>> linearConstraints(const std::vector<Relation>& inequalities)
{
    std::vector<LinearConstraint> constraints;
    for (const Relation& relation : inequalities) {
        const auto polynomial = expandedPolynomial(relation.function);
        if (!polynomial || polynomial->degree() > 1 || relation.sign == RelationSign::Equal)
            return std::nullopt;
        const auto& k = polynomial->coefficient;
        constraints.push_back({k[1][0], k[0][1], -k[0][0], relation.sign == RelationSign::Less});
    }
    return constraints;
}

LinearRegion linearRegion(const std::vector<LinearConstraint>& constraints)
{
    LinearRegion region;
    try {
        region.corners = cornersOf(constraints);
        // Facing parallel boundaries that leave no room empty the region whatever its corners.
        region.empty
            = emptyWithoutCorners(constraints) || (region.corners.empty() && hasCrossingBoundaries(constraints));
        if (region.empty)
            region.corners.clear();
        else if (region.corners.size() == 1 && !holdsAll(constraints, region.corners.front(), false)) {
            // A single corner on a dashed boundary: a region that shrinks to a point it excludes.
            region.empty = !growsWithoutEnd(constraints, Rational(1), Rational(0))
                && !growsWithoutEnd(constraints, Rational(-1), Rational(0))
                && !growsWithoutEnd(constraints, Rational(0), Rational(1))
                && !growsWithoutEnd(constraints, Rational(0), Rational(-1));
        }
    } catch (const RationalOverflow&) {
        region.corners.clear();
    }
    return region;
}

FormulaVocabulary objectiveVocabulary(bool parameters) { return FormulaVocabulary{"x", "z", "y", parameters}; }

std::variant<LinearObjective, TextProblem> parseObjective(
    std::string_view text, const std::string& boxName, const FormulaParameters* parameters)
{
    const FormulaVocabulary vocabulary = objectiveVocabulary(parameters != nullptr);
    auto parsed = parseFormula(text, vocabulary);
    if (const auto* problem = std::get_if<TextProblem>(&parsed))
        return TextProblem{problem->start, problem->length, boxName + problem->message};
    if (parameters)
        putInValues(std::get<SyntaxTree>(parsed), vocabulary, *parameters);
    const auto polynomial = expandedPolynomial(std::get<SyntaxTree>(parsed));
    if (!polynomial || polynomial->degree() > 1)
        return TextProblem{
            0, static_cast<int>(codePointsOf(text).size()), boxName + "目标函数要写成 ax+by 的形式，如 x+2y。"};
    const auto& k = polynomial->coefficient;
    return LinearObjective{k[1][0], k[0][1], k[0][0]};
}

Optimum maximumOf(const LinearObjective& objective, const std::vector<LinearConstraint>& constraints)
{
    try {
        return optimum(objective, constraints, true);
    } catch (const RationalOverflow&) {
        return Optimum{false, {}, {}, "数太大，无法算出最大值"};
    }
}

Optimum minimumOf(const LinearObjective& objective, const std::vector<LinearConstraint>& constraints)
{
    try {
        return optimum(objective, constraints, false);
    } catch (const RationalOverflow&) {
        return Optimum{false, {}, {}, "数太大，无法算出最小值"};
    }
}

} // namespace curvana
