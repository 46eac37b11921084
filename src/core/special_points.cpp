// Gathering the special points of a board: the searches, then one point per place and kind,
// only those on the board, nearest to the origin first, each with its label.
#include "core/special_points.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "core/curves.h"
#include "core/elementary.h"
#include "core/exact_form.h"
#include "core/sampling.h"
#include "core/special_points_search.h"

namespace curvana {

namespace {

using points::FoundPoint;

// Two points of one kind closer than this in both coordinates are the same point found twice.
constexpr double kSamePlace = 1e-8;
// The elementary plotter's dots lie one sampling step apart; wider gaps are breaks in the curve
// (the tangent's asymptotes leave 0.002).
constexpr double kElementaryDotGap = 3 * kSampleStep;

bool onBoard(const FoundPoint& p)
{
    const auto inside = [](double v) { return v >= points::kBoardMin && v <= points::kBoardMax; };
    return inside(p.x) && inside(p.y);
}

bool samePlace(const FoundPoint& a, const FoundPoint& b)
{
    return a.kind == b.kind && std::fabs(a.x - b.x) <= kSamePlace && std::fabs(a.y - b.y) <= kSamePlace;
}

// Sorted by kind and x, a repeat lies among the kept points just before it.
std::vector<FoundPoint> withoutRepeats(std::vector<FoundPoint> found)
{
    std::sort(found.begin(), found.end(), [](const FoundPoint& a, const FoundPoint& b) {
        return a.kind != b.kind ? a.kind < b.kind : a.x < b.x;
    });
    std::vector<FoundPoint> kept;
    for (const FoundPoint& p : found) {
        bool repeat = false;
        for (auto it = kept.rbegin(); it != kept.rend() && it->kind == p.kind && p.x - it->x <= kSamePlace; ++it)
            repeat = repeat || samePlace(*it, p);
        if (!repeat)
            kept.push_back(p);
    }
    return kept;
}

bool nearerToOrigin(const FoundPoint& a, const FoundPoint& b)
{
    const double da = a.x * a.x + a.y * a.y;
    const double db = b.x * b.x + b.y * b.y;
    if (da != db)
        return da < db;
    if (a.x != b.x)
        return a.x < b.x;
    return a.y != b.y ? a.y < b.y : a.kind < b.kind;
}

std::string coordinateText(double value, bool& irrational)
{
    if (const auto exact = exactForm(value)) {
        irrational = irrational || isIrrationalForm(*exact);
        return *exact;
    }
    return decimalForm(value);
}

} // namespace

std::string kindName(PointKind kind)
{
    switch (kind) {
    case PointKind::Zero: return "零点";
    case PointKind::YIntercept: return "y轴交点";
    case PointKind::Maximum: return "极大值点";
    case PointKind::Minimum: return "极小值点";
    case PointKind::Intersection: return "交点";
    case PointKind::Centre: return "中心";
    case PointKind::Vertex: return "顶点";
    case PointKind::Focus: return "焦点";
    }
    return {};
}

std::string pointLabel(PointKind kind, double x, double y)
{
    bool irrational = false;
    std::string label = kindName(kind) + " (" + coordinateText(x, irrational) + ", " + coordinateText(y, irrational) + ")";
    if (irrational)
        label += " ≈ (" + approximateForm(x) + ", " + approximateForm(y) + ")";
    return label;
}

std::vector<SpecialPoint> specialPoints(const std::vector<FunctionCurve>& functions, const std::vector<ConicCurve>& conics)
{
    std::vector<FoundPoint> found;
    points::addFunctionPoints(functions, found);
    for (const ConicCurve& conic : conics)
        points::addConicPoints(conic, found);
    std::erase_if(found, [](const FoundPoint& p) { return !onBoard(p); });
    found = withoutRepeats(std::move(found));
    std::sort(found.begin(), found.end(), nearerToOrigin);
    if (found.size() > kMaxSpecialPoints)
        found.resize(kMaxSpecialPoints);
    std::vector<SpecialPoint> result;
    result.reserve(found.size());
    for (const FoundPoint& p : found)
        result.push_back({p.kind, p.x, p.y, pointLabel(p.kind, p.x, p.y)});
    return result;
}

std::vector<Interval> drawnIntervals(const std::vector<WorldPoint>& dots, double maxGap)
{
    // Runs of neighbouring dots first, then the runs that overlap or nearly touch joined.
    std::vector<Interval> runs;
    for (std::size_t i = 0; i < dots.size(); ++i) {
        const double x = dots[i].x;
        if (i > 0 && std::fabs(x - dots[i - 1].x) <= maxGap) {
            runs.back().lo = std::min(runs.back().lo, x);
            runs.back().hi = std::max(runs.back().hi, x);
        } else {
            runs.push_back({x, x});
        }
    }
    std::sort(runs.begin(), runs.end(), [](const Interval& a, const Interval& b) { return a.lo < b.lo; });
    std::vector<Interval> joined;
    for (const Interval& run : runs) {
        if (!joined.empty() && run.lo <= joined.back().hi + maxGap)
            joined.back().hi = std::max(joined.back().hi, run.hi);
        else
            joined.push_back(run);
    }
    for (Interval& stretch : joined) {
        stretch.lo -= maxGap / 2;
        stretch.hi += maxGap / 2;
    }
    return joined;
}

std::optional<FunctionCurve> elementaryFunctionCurve(int option, const FieldTexts& texts)
{
    const std::optional<ElementaryParams> params = elementaryParams(option, texts);
    if (!params)
        return std::nullopt;
    const DrawingResult result = elementaryCurve(option, texts);
    const auto* drawing = std::get_if<Drawing>(&result);
    if (!drawing)
        return std::nullopt;
    return FunctionCurve{[option, p = *params](double x) { return elementaryY(option, p, x); },
                         drawnIntervals(drawing->dots, kElementaryDotGap)};
}

} // namespace curvana
