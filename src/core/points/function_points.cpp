// Zeros, extrema and intersections of the curves y = f(x). Every curve is sampled once on a grid
// shared by all of them, so the difference of two curves costs no new evaluations; sign changes
// bracket what is sought and bisection narrows each bracket to 1e-12.
#include <algorithm>
#include <functional>
#include <iterator>
#include <cmath>
#include <limits>
#include <optional>

#include "core/points/function_points_track.h"
#include "core/points/special_points_search.h"

namespace curvana::points {

namespace {

// The grid spans the view's x range in this many steps, whatever its width: zoomed in on two
// zeros 0.2 apart, the grid is as fine against them as the designed board's against 2 and 4.
constexpr int kGridSteps = 8000;
// A stretch spanning fewer grid points than this gets a finer grid of its own.
constexpr int kMinSamples = 256;
// Two curves whose values differ by less than this share of their size have the same value: the
// plotters' π is 1e-10 off, so sin(x + 90°) and cos x never quite agree, and two ways of writing
// one function differ by rounding. Far below a pixel, far above both.
constexpr double kSameValueShare = 1e-8;
// A curve turning more often than once in this many grid steps (under a pixel) is drawn as a
// smear, not a curve: sin(1e10·x) shows no extremum a pupil could see.
constexpr int kStepsPerVisibleTurn = 16;
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
// A curve broken into more stretches than this is dust rather than a curve; the rest are not searched.
constexpr std::size_t kMaxStretches = 1000;

// The grid points x = lo + k · step, k from 0 to kGridSteps.
struct Grid {
    explicit Grid(const ViewWindow& view)
        : lo(view.xFrom())
        , hi(view.xTo())
        , step((hi - lo) / kGridSteps)
    {
    }
    double x(int k) const { return lo + k * step; }
    int first(double from) const { return std::clamp(static_cast<int>(std::ceil((from - lo) / step)), 0, kGridSteps); }
    int last(double to) const { return std::clamp(static_cast<int>(std::floor((to - lo) / step)), 0, kGridSteps); }

    double lo;
    double hi;
    double step;
};

// The drawn stretches within the view's x range, left to right, overlapping ones joined.
std::vector<Interval> inView(const std::vector<Interval>& drawn, const Grid& grid)
{
    std::vector<Interval> clipped;
    for (const Interval& stretch : drawn) {
        const Interval part{std::max(stretch.lo, grid.lo), std::min(stretch.hi, grid.hi)};
        if (part.lo < part.hi) // also refuses NaN ends
            clipped.push_back(part);
    }
    std::sort(clipped.begin(), clipped.end(), [](const Interval& a, const Interval& b) { return a.lo < b.lo; });
    std::vector<Interval> kept;
    for (const Interval& part : clipped) {
        if (!kept.empty() && part.lo <= kept.back().hi)
            kept.back().hi = std::max(kept.back().hi, part.hi);
        else if (kept.size() < kMaxStretches)
            kept.push_back(part);
    }
    return kept;
}

// Calls visit for every stretch where both curves are drawn; both lists run left to right.
template <class Visit>
void forEachOverlap(const std::vector<Interval>& one, const std::vector<Interval>& other, Visit&& visit)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < one.size() && j < other.size()) {
        const Interval both{std::max(one[i].lo, other[j].lo), std::min(one[i].hi, other[j].hi)};
        if (both.lo < both.hi)
            visit(both);
        one[i].hi < other[j].hi ? ++i : ++j;
    }
}

// One curve with its drawn stretches in the view and its values at the grid points within them.
struct SampledCurve {
    const FunctionCurve* curve = nullptr;
    const Grid* points = nullptr;
    std::vector<Interval> stretches;
    std::vector<double> grid;
};

SampledCurve sampledCurve(const FunctionCurve& curve, const Grid& grid)
{
    SampledCurve sampled{&curve, &grid, curve.f ? inView(curve.drawn, grid) : std::vector<Interval>{},
        std::vector<double>(kGridSteps + 1, kNoValue)};
    for (const Interval& stretch : sampled.stretches)
        for (int k = grid.first(stretch.lo); k <= grid.last(stretch.hi); ++k)
            sampled.grid[static_cast<std::size_t>(k)] = curve.f(grid.x(k));
    return sampled;
}

// The samples over one stretch: its ends, and the grid points between them (or a finer grid of
// its own when the stretch is short).
template <class AtGrid, class Evaluate>
Track trackOver(const Grid& grid, Interval stretch, AtGrid&& atGrid, Evaluate&& evaluate)
{
    Track track;
    const int first = grid.first(stretch.lo);
    const int last = grid.last(stretch.hi);
    if (last - first + 1 < kMinSamples) {
        track.reserve(kMinSamples + 1);
        for (int i = 0; i <= kMinSamples; ++i) {
            const double x = stretch.lo + (stretch.hi - stretch.lo) * i / kMinSamples;
            track.push_back({x, evaluate(x)});
        }
        return track;
    }
    track.reserve(static_cast<std::size_t>(last - first + 3));
    track.push_back({stretch.lo, evaluate(stretch.lo)});
    for (int k = first; k <= last; ++k)
        if (grid.x(k) > stretch.lo && grid.x(k) < stretch.hi)
            track.push_back({grid.x(k), atGrid(k)});
    track.push_back({stretch.hi, evaluate(stretch.hi)});
    return track;
}

// How often the samples change direction, against how many there are: a curve that turns more
// often than it can be seen has no points worth a ring.
bool resolved(const SampledCurve& sampled)
{
    std::size_t samples = 0;
    std::size_t turns = 0;
    int lastDirection = 0;
    for (std::size_t k = 1; k < sampled.grid.size(); ++k) {
        const double a = sampled.grid[k - 1];
        const double b = sampled.grid[k];
        if (!std::isfinite(a) || !std::isfinite(b) || !(std::fabs(b - a) > kFlatShare * (std::fabs(a) + std::fabs(b))))
            continue; // rounding is no turn: sin²x + cos²x is flat
        ++samples;
        const int direction = b > a ? 1 : -1;
        turns += lastDirection != 0 && direction != lastDirection;
        lastDirection = direction;
    }
    return turns * kStepsPerVisibleTurn <= samples + kStepsPerVisibleTurn;
}

// y = ax² + bx + c with a != 0: its extremum is the parabola's vertex. Third differences vanish
// and second ones do not, up to rounding.
bool isQuadratic(const std::function<double(double)>& f)
{
    double v[6];
    double size = 0;
    for (int i = 0; i < 6; ++i) {
        v[i] = f(i - 2.0);
        if (!std::isfinite(v[i]))
            return false;
        size += std::fabs(v[i]);
    }
    const double tolerance = 1e-9 * (1 + size);
    const auto second = [&](int i) { return v[i + 2] - 2 * v[i + 1] + v[i]; };
    return std::fabs(second(1) - second(0)) <= tolerance && std::fabs(second(3) - second(2)) <= tolerance
        && std::fabs(second(0)) > tolerance;
}

void addCurvePoints(const SampledCurve& sampled, std::size_t owner, std::vector<FoundPoint>& found)
{
    const auto& f = sampled.curve->f;
    const bool decimals = sampled.curve->typedDecimals;
    const auto add = [&](PointKind kind, double x, double y) { found.push_back({kind, x, y, owner, decimals}); };
    const bool quadratic = isQuadratic(f);
    bool interceptFound = false;
    for (const Interval& stretch : sampled.stretches) {
        const Track track = trackOver(
            *sampled.points, stretch, [&](int k) { return sampled.grid[static_cast<std::size_t>(k)]; }, f);
        const auto addZero = [&](double x) { add(PointKind::Zero, x, 0); };
        forEachZero(track, f, addZero);
        forEachEdgeZero(track, f, addZero);
        forEachTurn(track, f, [&](const Turn& turn) {
            add(turn.maximum ? PointKind::Maximum : PointKind::Minimum, turn.x, turn.y);
            if (quadratic)
                add(PointKind::Vertex, turn.x, turn.y);
            if (turn.touchesZero())
                add(PointKind::Zero, turn.x, 0);
        });
        if (!interceptFound && stretch.lo <= 0 && stretch.hi >= 0 && std::isfinite(f(0))) {
            add(PointKind::YIntercept, 0, f(0));
            interceptFound = true;
        }
    }
}

double sameValueTolerance(double a, double b) { return kSameValueShare * (1 + std::fabs(a) + std::fabs(b)); }

// f − g, with differences too small to be more than rounding taken as none: where two curves
// coincide, the gap is a run of zeros, which has no intersections inside it.
double visibleGap(double a, double b)
{
    const double gap = a - b;
    return std::fabs(gap) <= sameValueTolerance(a, b) ? 0 : gap;
}

void addIntersections(
    const SampledCurve& one, const SampledCurve& other, std::size_t owner, std::vector<FoundPoint>& found)
{
    const auto& f = one.curve->f;
    const auto& g = other.curve->f;
    const bool decimals = one.curve->typedDecimals || other.curve->typedDecimals;
    const auto gap = [&](double x) { return f(x) - g(x); };
    const auto gapAtGrid = [&](int k) {
        const auto index = static_cast<std::size_t>(k);
        return visibleGap(one.grid[index], other.grid[index]);
    };
    const auto add = [&](double x) { found.push_back({PointKind::Intersection, x, f(x), owner, decimals}); };
    forEachOverlap(one.stretches, other.stretches, [&](Interval both) {
        const Track track = trackOver(*one.points, both, gapAtGrid, [&](double x) { return visibleGap(f(x), g(x)); });
        forEachZero(track, gap, add);
        forEachTurn(track, gap, [&](const Turn& turn) {
            if (std::fabs(turn.y) <= sameValueTolerance(f(turn.x), g(turn.x)))
                add(turn.x);
        });
    });
}

} // namespace

void addFunctionPoints(const std::vector<FunctionCurve>& curves, std::vector<FoundPoint>& found, const ViewWindow& view)
{
    const Grid grid(view);
    std::vector<SampledCurve> sampled;
    sampled.reserve(curves.size());
    for (const FunctionCurve& curve : curves)
        sampled.push_back(sampledCurve(curve, grid));
    for (std::size_t i = 0; i < sampled.size(); ++i) {
        if (!resolved(sampled[i]))
            sampled[i].stretches.clear();
        addCurvePoints(sampled[i], i, found);
        for (std::size_t j = 0; j < i; ++j)
            addIntersections(sampled[j], sampled[i], i, found);
    }
}

} // namespace curvana::points
