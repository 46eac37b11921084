#pragma once
// The searches along one track of samples (a curve, or the gap between two curves): sign changes
// narrowed to zeros, turns of direction narrowed to extrema, and zeros where a domain ends.
// Every search is a bounded bisection.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <vector>

namespace curvana::points {

inline constexpr double kRootWidth = 1e-12;
inline constexpr int kMaxBisections = 200;
// A narrowed sign change whose value is not below this share of its bracket's values is a pole
// or a jump, not a zero.
inline constexpr double kPoleShare = 1e-6;
// A difference between neighbouring samples below this share of their size is rounding, not slope.
inline constexpr double kFlatShare = 1e-14;
// An extremum this close to zero (as a share of 1 + the values around it) touches the axis: the
// rounding of a touching quadratic, not x² + 1e-13, which only comes close.
inline constexpr double kTouchShare = 4e-14;
// A function this close to zero where its domain ends has a zero there (√(3 − x²) at √3).
inline constexpr double kEdgeZero = 1e-6;
// The step of the central difference that locates an extremum, relative to max(1, |x|).
inline constexpr double kSlopeStep = 1e-5;

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

// The zero inside a sign change from a to b, or nothing when the change is a pole or a jump.
template <class Fn> std::optional<double> narrowedRoot(Fn&& fn, Sample a, Sample b)
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

template <class Fn, class Found> void forEachZero(const Track& track, Fn&& fn, Found&& found)
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
            else if (i > 0 && i + 1 < track.size() && std::isfinite(track[i - 1].v) && std::isfinite(track[i + 1].v)
                && (track[i - 1].v < 0) != (track[i + 1].v < 0))
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
template <class Fn> std::optional<double> slopeChange(Fn&& fn, double lo, double hi, bool risingAtLo, double step)
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
template <class Fn> std::optional<double> narrowedTurn(Fn&& fn, double lo, double hi, bool risingAtLo)
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
template <class Fn> std::optional<Turn> turnBetween(Fn&& fn, const Sample& left, const Sample& right, bool maximum)
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
template <class Fn, class Found> void forEachTurn(const Track& track, Fn&& fn, Found&& found)
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

// Where the domain of f ends between x with no value and x with one, when f is zero there:
// the ends of a drawn stretch seldom fall on the grid.
template <class Fn> std::optional<double> zeroAtDomainEdge(Fn&& fn, double outside, double inside)
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

template <class Fn, class Found> void forEachEdgeZero(const Track& track, Fn&& fn, Found&& found)
{
    const auto firstValue
        = std::find_if(track.begin(), track.end(), [](const Sample& s) { return std::isfinite(s.v); });
    const auto lastValue
        = std::find_if(track.rbegin(), track.rend(), [](const Sample& s) { return std::isfinite(s.v); });
    if (firstValue == track.end())
        return;
    if (firstValue != track.begin())
        if (const auto x = zeroAtDomainEdge(fn, std::prev(firstValue)->x, firstValue->x))
            found(*x);
    if (lastValue != track.rbegin())
        if (const auto x = zeroAtDomainEdge(fn, std::prev(lastValue)->x, lastValue->x))
            found(*x);
}

} // namespace curvana::points
