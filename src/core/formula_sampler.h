#pragma once
// Sampling a typed curve so it shows without gaps and without false lines: the board draws dots
// only, never joins them, so wherever two neighbouring dots would land more than a pixel apart
// the curve is sampled again between them, down to a bounded depth and within a bounded budget.
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/drawing.h"
#include "core/plot_points.h"
#include "core/window_catalogue.h"

namespace curvana {

// Board pixels per world unit; the defaults are the board picture at its design size.
struct PixelScale {
    double perUnitX = kDesignPixelsPerUnitX;
    double perUnitY = kDesignPixelsPerUnitY;
};

// Dots beyond this in x or y are not kept: the board shows -10 to 10, a little more is harmless.
inline constexpr double kFormulaVisibleLimit = 11;

struct CurveSamplingPlan {
    int initialSegments = 1024; // a uniform grid to begin with
    int maxDepth = 20;          // halvings of a grid segment at most
    long maxPoints = 400000;    // points the whole curve may compute
};

struct SamplingTally {
    long points = 0;
    bool anyRealPoint = false;
};

namespace formula_sampling {

struct Sample {
    double t;
    WorldPoint p;
    bool real;
};

inline bool isVisible(const WorldPoint& p)
{
    return std::fabs(p.x) <= kFormulaVisibleLimit && std::fabs(p.y) <= kFormulaVisibleLimit;
}

// Both beyond the same edge: the curve between them is hidden, or too far off to matter.
inline bool outsideOnOneSide(const WorldPoint& a, const WorldPoint& b)
{
    const double edge = kFormulaVisibleLimit;
    return (a.x > edge && b.x > edge) || (a.x < -edge && b.x < -edge) || (a.y > edge && b.y > edge)
        || (a.y < -edge && b.y < -edge);
}

inline double clampToView(double v)
{
    return std::fmax(-kFormulaVisibleLimit, std::fmin(kFormulaVisibleLimit, v));
}

// Splitting stops where the visible parts of the two samples are within one pixel; a sample with
// a value beside one without is split further to find the edge of the domain.
inline bool needsSplit(const Sample& a, const Sample& b, PixelScale scale)
{
    if (a.real != b.real)
        return true;
    if (!a.real || outsideOnOneSide(a.p, b.p))
        return false;
    const double dx = (clampToView(b.p.x) - clampToView(a.p.x)) * scale.perUnitX;
    const double dy = (clampToView(b.p.y) - clampToView(a.p.y)) * scale.perUnitY;
    return dx * dx + dy * dy > 1;
}

} // namespace formula_sampling

// Samples pointAt(t) for t from `from` to `to` and keeps the visible dots in order of t.
template <class PointAt>
SamplingTally sampleCurve(Drawing& drawing, double from, double to, const CurveSamplingPlan& plan,
                          PixelScale scale, PointAt&& pointAt)
{
    using formula_sampling::Sample;
    SamplingTally tally;
    const auto sample = [&](double t) {
        ++tally.points;
        const WorldPoint p = pointAt(t);
        const bool real = std::isfinite(p.x) && std::isfinite(p.y);
        tally.anyRealPoint = tally.anyRealPoint || real;
        return Sample{t, p, real};
    };
    const auto keep = [&](const Sample& s) {
        if (s.real && formula_sampling::isVisible(s.p))
            addDot(drawing, s.p.x, s.p.y);
    };
    struct Pending {
        Sample a, b;
        int depth;
    };
    std::vector<Pending> pending;
    const int segments = plan.initialSegments;
    // Each grid segment may spend only its own share of the budget: a wild stretch (sin(1/x) near
    // 0, where splitting never settles) must not take the points the rest of the curve needs.
    const long share = std::max(0L, (plan.maxPoints - segments - 1) / segments);
    Sample left = sample(from);
    keep(left);
    for (int i = 1; i <= segments; ++i) {
        const Sample right = sample(i == segments ? to : from + (to - from) * i / segments);
        const long allowed = tally.points + share;
        pending.push_back({left, right, 0});
        while (!pending.empty()) {
            const Pending piece = pending.back();
            pending.pop_back();
            const double middle = piece.a.t + (piece.b.t - piece.a.t) / 2;
            const bool divisible = middle > piece.a.t && middle < piece.b.t;
            if (piece.depth < plan.maxDepth && tally.points < allowed && divisible
                && formula_sampling::needsSplit(piece.a, piece.b, scale)) {
                const Sample m = sample(middle);
                pending.push_back({m, piece.b, piece.depth + 1});
                pending.push_back({piece.a, m, piece.depth + 1});
            } else {
                keep(piece.b);
            }
        }
        left = right;
    }
    return tally;
}

} // namespace curvana
