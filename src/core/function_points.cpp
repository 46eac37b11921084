// Zeros, extrema and intersections of the curves y = f(x). Every curve is sampled once on a grid
// shared by all of them, so the difference of two curves costs no new evaluations; sign changes
// bracket what is sought and bisection narrows each bracket to 1e-12.
#include <algorithm>
#include <functional>
#include <iterator>
#include <cmath>
#include <limits>
#include <optional>

#include "core/special_points_search.h"

namespace curvana::points {

namespace {

constexpr int kGridSteps = 8000;
constexpr double kGridStep = (kBoardMax - kBoardMin) / kGridSteps;
// A stretch spanning fewer grid points than this gets a finer grid of its own.
constexpr int kMinSamples = 256;
constexpr double kRootWidth = 1e-12;
constexpr int kMaxBisections = 200;
// A narrowed sign change whose value is not below this share of its bracket's values is a pole
// or a jump, not a zero.
constexpr double kPoleShare = 1e-6;
// A difference between neighbouring samples below this share of their size is rounding, not slope.
constexpr double kFlatShare = 1e-14;
// An extremum this close to zero (as a share of 1 + the values around it) touches the axis: the
// rounding of a touching quadratic, not x² + 1e-13, which only comes close.
constexpr double kTouchShare = 4e-14;
// Two curves whose values differ by less than this share of their size have the same value: the
// plotters' π is 1e-10 off, so sin(x + 90°) and cos x never quite agree, and two ways of writing
// one function differ by rounding. Far below a pixel, far above both.
constexpr double kSameValueShare = 1e-8;
// A function this close to zero where its domain ends has a zero there (√(3 − x²) at √3).
constexpr double kEdgeZero = 1e-6;
// A curve turning more often than once in this many grid steps (0.04 units, under a pixel) is
// drawn as a smear, not a curve: sin(1e10·x) shows no extremum a pupil could see.
constexpr int kStepsPerVisibleTurn = 16;
// The step of the central difference that locates an extremum, relative to max(1, |x|).
constexpr double kSlopeStep = 1e-5;
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
// A curve broken into more stretches than this is dust rather than a curve; the rest are not searched.
constexpr std::size_t kMaxStretches = 1000;

struct Sample {
    double x = 0;
    double v = 0;
};
using Track = std::vector<Sample>;

// A local extremum of a sampled function: where, its value and the size of the values around it.
struct Turn {
    double x = 0;
    double y = 0;
    bool maximum = false;
    double scale = 1;
    bool touchesZero() const { return std::fabs(y) <= kTouchShare * scale; }
};

double gridX(int k)
{
    return kBoardMin + k * kGridStep;
}

int firstGridIndex(double lo)
{
    return std::clamp(static_cast<int>(std::ceil((lo - kBoardMin) / kGridStep)), 0, kGridSteps);
}

int lastGridIndex(double hi)
{
    return std::clamp(static_cast<int>(std::floor((hi - kBoardMin) / kGridStep)), 0, kGridSteps);
}

// The drawn stretches within the board's x range, left to right, overlapping ones joined.
std::vector<Interval> onBoard(const std::vector<Interval>& drawn)
{
    std::vector<Interval> clipped;
    for (const Interval& stretch : drawn) {
        const Interval part{std::max(stretch.lo, kBoardMin), std::min(stretch.hi, kBoardMax)};
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

// One curve with its drawn stretches on the board and its values at the grid points within them.
struct SampledCurve {
    const FunctionCurve* curve = nullptr;
    std::vector<Interval> stretches;
    std::vector<double> grid;
};

SampledCurve sampledCurve(const FunctionCurve& curve)
{
    SampledCurve sampled{&curve, curve.f ? onBoard(curve.drawn) : std::vector<Interval>{},
                         std::vector<double>(kGridSteps + 1, kNoValue)};
    for (const Interval& stretch : sampled.stretches)
        for (int k = firstGridIndex(stretch.lo); k <= lastGridIndex(stretch.hi); ++k)
            sampled.grid[static_cast<std::size_t>(k)] = curve.f(gridX(k));
    return sampled;
}

// The samples over one stretch: its ends, and the grid points between them (or a finer grid of
// its own when the stretch is short).
template <class AtGrid, class Evaluate>
Track trackOver(Interval stretch, AtGrid&& atGrid, Evaluate&& evaluate)
{
    Track track;
    const int first = firstGridIndex(stretch.lo);
    const int last = lastGridIndex(stretch.hi);
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
        if (gridX(k) > stretch.lo && gridX(k) < stretch.hi)
            track.push_back({gridX(k), atGrid(k)});
    track.push_back({stretch.hi, evaluate(stretch.hi)});
    return track;
}

// The zero inside a sign change from a to b, or nothing when the change is a pole or a jump.
template <class Fn>
std::optional<double> narrowedRoot(Fn&& fn, Sample a, Sample b)
{
    double lo = a.x;
    double hi = b.x;
    const bool negativeAtLo = a.v < 0;
    for (int i = 0; i < kMaxBisections && hi - lo > kRootWidth; ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi)
            break;
        const double v = fn(mid);
        if (std::isnan(v))
            return std::nullopt;
        if (v == 0)
            return mid;
        (v < 0) == negativeAtLo ? lo = mid : hi = mid;
    }
    const double x = lo + (hi - lo) / 2;
    if (!(std::fabs(fn(x)) <= kPoleShare * std::max(std::fabs(a.v), std::fabs(b.v))))
        return std::nullopt;
    return x;
}

template <class Fn, class Found>
void forEachZero(const Track& track, Fn&& fn, Found&& found)
{
    const auto isZero = [&](std::size_t i) { return i < track.size() && track[i].v == 0; };
    for (std::size_t i = 0; i < track.size(); ++i) {
        const Sample& here = track[i];
        if (here.v == 0) {
            // A zero sample is a zero unless it belongs to a stretch lying on zero. A sample only
            // counted as zero is narrowed between its neighbours; a touch is left to the turns.
            if ((i > 0 && isZero(i - 1)) || isZero(i + 1))
                continue;
            if (fn(here.x) == 0)
                found(here.x);
            else if (i > 0 && i + 1 < track.size() && std::isfinite(track[i - 1].v) && std::isfinite(track[i + 1].v) &&
                     (track[i - 1].v < 0) != (track[i + 1].v < 0))
                if (const auto root = narrowedRoot(fn, track[i - 1], track[i + 1]))
                    found(*root);
            continue;
        }
        if (i + 1 == track.size())
            break;
        const Sample& next = track[i + 1];
        if (std::isfinite(here.v) && std::isfinite(next.v) && next.v != 0 && (here.v < 0) != (next.v < 0))
            if (const auto root = narrowedRoot(fn, here, next))
                found(*root);
    }
}

// Where the central difference of fn with the given step changes sign between lo and hi, to the
// last bit: the two runs below are combined with weights 4/3 and 1/3, which would magnify a
// coarser stop.
template <class Fn>
std::optional<double> slopeChange(Fn&& fn, double lo, double hi, bool risingAtLo, double step)
{
    for (int i = 0; i < kMaxBisections; ++i) {
        const double mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi)
            break;
        const double rise = fn(mid + step) - fn(mid - step);
        if (std::isnan(rise))
            return std::nullopt;
        if (rise == 0)
            return mid;
        (rise > 0) == risingAtLo ? lo = mid : hi = mid;
    }
    return lo + (hi - lo) / 2;
}

// Where the slope of fn changes sign between lo and hi. A central difference of step h misplaces
// a corner (|x² − 4| at 2) or a lopsided extremum by about c·h²; two steps cancel that error.
template <class Fn>
std::optional<double> narrowedTurn(Fn&& fn, double lo, double hi, bool risingAtLo)
{
    const double step = std::min(kSlopeStep * std::max(1.0, std::fabs(lo)), (hi - lo) / 8);
    const auto coarse = slopeChange(fn, lo, hi, risingAtLo, step);
    const auto fine = slopeChange(fn, lo, hi, risingAtLo, step / 2);
    if (!coarse || !fine)
        return std::nullopt;
    return std::clamp((4 * *fine - *coarse) / 3, lo, hi);
}

// A turn bracketed by the samples left and right, or nothing when it is not a true extremum
// (a pole between them, say).
template <class Fn>
std::optional<Turn> turnBetween(Fn&& fn, const Sample& left, const Sample& right, bool maximum)
{
    const auto x = narrowedTurn(fn, left.x, right.x, maximum);
    if (!x)
        return std::nullopt;
    const double y = fn(*x);
    const double scale = 1 + std::fabs(left.v) + std::fabs(right.v);
    const double slack = kFlatShare * scale;
    const bool beyondBoth = maximum ? y >= std::max(left.v, right.v) - slack : y <= std::min(left.v, right.v) + slack;
    if (!std::isfinite(y) || !beyondBoth)
        return std::nullopt;
    return Turn{*x, y, maximum, scale};
}

// Extrema: the direction of the samples turns, with at most one flat step between.
template <class Fn, class Found>
void forEachTurn(const Track& track, Fn&& fn, Found&& found)
{
    std::size_t lastSloped = 0;
    bool haveSloped = false;
    bool lastRising = false;
    for (std::size_t i = 0; i + 1 < track.size(); ++i) {
        const double a = track[i].v;
        const double b = track[i + 1].v;
        if (!std::isfinite(a) || !std::isfinite(b)) {
            haveSloped = false;
            continue;
        }
        if (!(std::fabs(b - a) > kFlatShare * (std::fabs(a) + std::fabs(b))))
            continue;
        const bool rising = b > a;
        if (haveSloped && rising != lastRising && i - lastSloped <= 2)
            if (const auto turn = turnBetween(fn, track[lastSloped], track[i + 1], lastRising))
                found(*turn);
        lastSloped = i;
        lastRising = rising;
        haveSloped = true;
    }
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
        if (!std::isfinite(a) || !std::isfinite(b) || a == b)
            continue;
        ++samples;
        const int direction = b > a ? 1 : -1;
        turns += lastDirection != 0 && direction != lastDirection;
        lastDirection = direction;
    }
    return turns * kStepsPerVisibleTurn <= samples + kStepsPerVisibleTurn;
}

// Where the domain of f ends between x with no value and x with one, when f is zero there:
// the ends of a drawn stretch seldom fall on the grid.
template <class Fn>
std::optional<double> zeroAtDomainEdge(Fn&& fn, double outside, double inside)
{
    for (int i = 0; i < kMaxBisections; ++i) {
        const double mid = outside + (inside - outside) / 2;
        if (mid == outside || mid == inside)
            break;
        std::isfinite(fn(mid)) ? inside = mid : outside = mid;
    }
    if (!(std::fabs(fn(inside)) <= kEdgeZero))
        return std::nullopt;
    return inside;
}

template <class Fn, class Found>
void forEachEdgeZero(const Track& track, Fn&& fn, Found&& found)
{
    const auto firstValue = std::find_if(track.begin(), track.end(), [](const Sample& s) { return std::isfinite(s.v); });
    const auto lastValue = std::find_if(track.rbegin(), track.rend(), [](const Sample& s) { return std::isfinite(s.v); });
    if (firstValue == track.end())
        return;
    if (firstValue != track.begin())
        if (const auto x = zeroAtDomainEdge(fn, std::prev(firstValue)->x, firstValue->x))
            found(*x);
    if (lastValue != track.rbegin())
        if (const auto x = zeroAtDomainEdge(fn, std::prev(lastValue)->x, lastValue->x))
            found(*x);
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
    return std::fabs(second(1) - second(0)) <= tolerance && std::fabs(second(3) - second(2)) <= tolerance &&
           std::fabs(second(0)) > tolerance;
}

void addCurvePoints(const SampledCurve& sampled, std::size_t owner, std::vector<FoundPoint>& found)
{
    const auto& f = sampled.curve->f;
    const bool decimals = sampled.curve->typedDecimals;
    const auto add = [&](PointKind kind, double x, double y) { found.push_back({kind, x, y, owner, decimals}); };
    const bool quadratic = isQuadratic(f);
    bool interceptFound = false;
    for (const Interval& stretch : sampled.stretches) {
        const Track track = trackOver(stretch, [&](int k) { return sampled.grid[static_cast<std::size_t>(k)]; }, f);
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

double sameValueTolerance(double a, double b)
{
    return kSameValueShare * (1 + std::fabs(a) + std::fabs(b));
}

// f − g, with differences too small to be more than rounding taken as none: where two curves
// coincide, the gap is a run of zeros, which has no intersections inside it.
double visibleGap(double a, double b)
{
    const double gap = a - b;
    return std::fabs(gap) <= sameValueTolerance(a, b) ? 0 : gap;
}

void addIntersections(const SampledCurve& one, const SampledCurve& other, std::size_t owner, std::vector<FoundPoint>& found)
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
        const Track track = trackOver(both, gapAtGrid, [&](double x) { return visibleGap(f(x), g(x)); });
        forEachZero(track, gap, add);
        forEachTurn(track, gap, [&](const Turn& turn) {
            if (std::fabs(turn.y) <= sameValueTolerance(f(turn.x), g(turn.x)))
                add(turn.x);
        });
    });
}

} // namespace

void addFunctionPoints(const std::vector<FunctionCurve>& curves, std::vector<FoundPoint>& found)
{
    std::vector<SampledCurve> sampled;
    sampled.reserve(curves.size());
    for (const FunctionCurve& curve : curves)
        sampled.push_back(sampledCurve(curve));
    for (std::size_t i = 0; i < sampled.size(); ++i) {
        if (!resolved(sampled[i]))
            sampled[i].stretches.clear();
        addCurvePoints(sampled[i], i, found);
        for (std::size_t j = 0; j < i; ++j)
            addIntersections(sampled[j], sampled[i], i, found);
    }
}

} // namespace curvana::points
