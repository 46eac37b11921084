#include "core/equations/inequality_region.h"

#include <algorithm>
#include <cmath>

#include "core/equations/linear_program.h"

namespace curvana {

namespace {

bool holds(const PlaneFunction& f, RelationSign sign, double x, double y)
{
    const double value = f(x, y);
    return sign == RelationSign::Less ? value < 0 : value <= 0;
}

// The area's rectangle cut by each half-plane a·x + b·y <= c in turn (Sutherland–Hodgman).
std::vector<WorldPoint> clippedPolygon(const std::vector<LinearConstraint>& constraints, PlotArea area)
{
    std::vector<WorldPoint> polygon
        = {{area.left, area.bottom}, {area.right, area.bottom}, {area.right, area.top}, {area.left, area.top}};
    for (const LinearConstraint& c : constraints) {
        const double a = c.a.value(), b = c.b.value(), limit = c.c.value();
        const auto excess = [&](const WorldPoint& p) { return a * p.x + b * p.y - limit; };
        std::vector<WorldPoint> kept;
        for (std::size_t k = 0; k < polygon.size(); ++k) {
            const WorldPoint& p = polygon[k];
            const WorldPoint& q = polygon[(k + 1) % polygon.size()];
            const double ep = excess(p), eq = excess(q);
            if (ep <= 0)
                kept.push_back(p);
            if ((ep < 0 && eq > 0) || (ep > 0 && eq < 0)) {
                const double t = ep / (ep - eq);
                kept.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
            }
        }
        polygon = std::move(kept);
        if (polygon.empty())
            break;
    }
    return polygon;
}

constexpr long kBlockColumns = 16;

enum class Certainty { Inside, Outside, Unknown };

Certainty certainty(
    const std::vector<PlaneFunction>& functions, const std::vector<Relation>& inequalities, ValueRange x, ValueRange y)
{
    bool allHold = true;
    for (std::size_t k = 0; k < functions.size(); ++k) {
        const ValueRange range = functions[k].over(x, y);
        const bool strict = inequalities[k].sign == RelationSign::Less;
        if (range.empty || (strict ? range.low >= 0 : range.low > 0))
            return Certainty::Outside;
        allHold = allHold && (strict ? range.high < 0 : range.high <= 0);
    }
    return allHold ? Certainty::Inside : Certainty::Unknown;
}

} // namespace

bool insideRegion(const std::vector<Relation>& inequalities, double x, double y)
{
    for (const Relation& relation : inequalities)
        if (!holds(PlaneFunction(relation.function), relation.sign, x, y))
            return false;
    return true;
}

std::variant<InequalityRegion, std::string> inequalityRegion(
    const std::vector<Relation>& inequalities, PlotArea area, PixelScale scale, const WorkDeadline& deadline)
{
    const std::string tooSlow = "这组不等式太复杂，没能及时画完，请写得简单些。";
    InequalityRegion region;
    std::vector<PlaneFunction> functions;
    for (const Relation& relation : inequalities) {
        functions.emplace_back(relation.function);
        auto traced = traceImplicitCurve(functions.back(), area, scale, deadline);
        if (const auto* message = std::get_if<std::string>(&traced))
            return *message;
        for (Polyline& piece : std::get<TracedCurve>(traced).pieces) {
            piece.style = relation.sign == RelationSign::Less ? LineStyle::Dashed : LineStyle::Solid;
            region.boundaries.push_back(std::move(piece));
        }
    }
    if (const auto linear = linearConstraints(inequalities))
        region.polygon = clippedPolygon(*linear, area);
    const double width = 1 / scale.perUnitX;
    region.rowHeight = 1 / scale.perUnitY;
    const double columnCount = std::ceil((area.right - area.left) / width);
    const double rowCount = std::ceil((area.top - area.bottom) / region.rowHeight);
    if (!(columnCount >= 1 && rowCount >= 1 && columnCount <= 20000 && rowCount <= 20000))
        return std::string("画面的大小不对，无法画出这组不等式。");
    const long columns = static_cast<long>(columnCount);
    const long rows = static_cast<long>(rowCount);
    for (long row = 0; row < rows; ++row) {
        if (deadline.passed())
            return tooSlow;
        const double y = area.bottom + (row + 0.5) * region.rowHeight;
        long runStart = -1;
        long blockEnd = -1;
        Certainty block = Certainty::Unknown;
        for (long column = 0; column <= columns; ++column) {
            if (column > blockEnd && column < columns) {
                // Bounds over the block's pixel centres settle most blocks without a single point.
                blockEnd = std::min(columns - 1, column + kBlockColumns - 1);
                block = certainty(functions, inequalities,
                    {area.left + (column + 0.5) * width, area.left + (blockEnd + 0.5) * width, false}, {y, y, false});
            }
            const double x = area.left + (column + 0.5) * width;
            bool inside = column < columns && block != Certainty::Outside;
            if (inside && block == Certainty::Unknown)
                for (std::size_t k = 0; inside && k < functions.size(); ++k)
                    inside = holds(functions[k], inequalities[k].sign, x, y);
            if (inside && runStart < 0)
                runStart = column;
            if (!inside && runStart >= 0) {
                region.spans.push_back({y, area.left + runStart * width, area.left + column * width});
                runStart = -1;
            }
        }
    }
    return region;
}

} // namespace curvana
