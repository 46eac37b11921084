#pragma once
// Sampling a typed curve into connected pieces that stay whole at any size: straight lines between
// samples, refined until no chord strays from the curve by more than a fraction of a pixel even at
// four times the board's size, broken wherever the curve leaves the board, has no value, or jumps
// (the pole of tan x or 1/x is never bridged). The work is bounded by a budget of points, a depth
// of refinement and a deadline; what could not be followed is tallied, never drawn as if it were.
#include <chrono>
#include <cmath>
#include <vector>

#include "core/curves/drawing.h"
#include "core/document/window_catalogue.h"

namespace curvana {

// Board pixels per world unit; the defaults are the board picture at its design size.
struct PixelScale {
    double perUnitX = kDesignPixelsPerUnitX;
    double perUnitY = kDesignPixelsPerUnitY;
};

// The world rectangle a curve is sampled for and its pixels per unit there; the defaults are the
// board as designed, x and y from -10 to 10.
struct SamplingView {
    double left = -10;
    double right = 10;
    double bottom = -10;
    double top = 10;
    PixelScale scale;
};

// Pieces run this far beyond the board, so a wide pen at the edge is cut by the board, not short.
inline constexpr double kSamplingMargin = 0.05;
// The designed board with its margin: nothing drawn lies beyond this in x or y.
inline constexpr double kFormulaVisibleLimit = 11;

using SamplingClock = std::chrono::steady_clock;

struct CurveSamplingPlan {
    int initialSegments = 1024; // a uniform grid to begin with
    int maxDepth = 20; // halvings of a grid segment where the curve turns or jumps
    long maxPoints = 400000; // points the whole curve may compute
    SamplingClock::time_point deadline = SamplingClock::time_point::max();
};

struct SamplingTally {
    long points = 0;
    bool anyRealPoint = false;
    // Pixels, at the given scale, of visible stretches the refinement could not follow: where the
    // budget ran out, or neighbouring parameter values already lie far apart on the board.
    double lostPixels = 0;
    bool outOfTime = false;
};

namespace formula_sampling {

struct Sample {
    double t;
    WorldPoint p;
    bool real;
};

// The view's rectangle with its margin, and the pixel scale.
struct Frame {
    double left, right, bottom, top;
    PixelScale scale;
    static Frame of(const SamplingView& view);
    bool contains(const WorldPoint& p) const;
    // Both beyond the same edge: the curve between them is hidden, or too far off to matter.
    bool outsideOnOneSide(const WorldPoint& a, const WorldPoint& b) const;
    // Cuts the chord a-b to the frame; false when none of it lies inside.
    bool clip(WorldPoint& a, WorldPoint& b) const;
    double pixelsBetween(const WorldPoint& a, const WorldPoint& b) const;
    // How far, in pixels, m lies from the chord a-b.
    double pixelsOffChord(const WorldPoint& a, const WorldPoint& m, const WorldPoint& b) const;
};

// Collects the pieces in order, each point narrowed to what the surface stores.
class PieceBuilder {
public:
    explicit PieceBuilder(Drawing& drawing)
        : m_drawing(drawing)
    {
    }
    // The chord from..to, already cut to the frame; `joins` when `from` is the end of the open piece.
    void add(const WorldPoint& from, const WorldPoint& to, bool joins);
    void addPoint(const WorldPoint& p);
    void breakPiece();

private:
    Drawing& m_drawing;
    std::vector<WorldPoint> m_open;
};

// What to do with one stretch between two samples: halve it where the curve turns (Refine) or to
// find an edge (Split), draw its chord, leave it out, or leave it out as a loss.
enum class Verdict { Refine, Split, Join, Break, Lost };

struct Judged {
    Verdict verdict;
    double lostPixels = 0;
};

struct StretchLimits {
    bool mayRefine; // depth and budget allow halving it where the curve turns
    bool mayLocate; // depth and budget allow halving it further to find an edge
    bool probing; // a first few halvings, even far off the board
};

// `m` is the middle sample, computed whenever the stretch could be split.
Judged judge(const Frame& frame, const Sample& a, const Sample& m, const Sample& b, StretchLimits limits);

// Adds the chord a-b cut to the frame, through m when m is a sample between them on the board.
void join(const Frame& frame, PieceBuilder& pieces, const Sample& a, const Sample& m, const Sample& b);

// The grid segments that may show something: the others share none of the budget.
bool mayShow(const Frame& frame, const Sample& a, const Sample& b);

inline constexpr int kProbeDepth = 4;
inline constexpr int kLocateDepth = 64;
inline constexpr long kClockEvery = 64;

} // namespace formula_sampling

// Samples pointAt(t) for t from `from` to `to` and adds the pieces of the curve within `view`.
template <class PointAt>
SamplingTally sampleCurve(Drawing& drawing, double from, double to, const CurveSamplingPlan& plan,
    const SamplingView& view, PointAt&& pointAt)
{
    using namespace formula_sampling;
    const Frame frame = Frame::of(view);
    SamplingTally tally;
    const auto sample = [&](double t) {
        ++tally.points;
        const WorldPoint p = pointAt(t);
        const bool real = std::isfinite(p.x) && std::isfinite(p.y);
        tally.anyRealPoint = tally.anyRealPoint || real;
        return Sample{t, p, real};
    };
    const auto late = [&] {
        if (tally.points % kClockEvery == 0 && SamplingClock::now() > plan.deadline)
            tally.outOfTime = true;
        return tally.outOfTime;
    };
    const int segments = plan.initialSegments < 1 ? 1 : plan.initialSegments;
    std::vector<Sample> grid;
    grid.reserve(static_cast<std::size_t>(segments) + 1);
    for (int i = 0; i <= segments && !late(); ++i)
        grid.push_back(sample(i == segments ? to : from + (to - from) * i / segments));
    if (tally.outOfTime)
        return tally;
    long showing = 0;
    for (int i = 0; i < segments; ++i)
        showing += mayShow(frame, grid[i], grid[i + 1]);
    PieceBuilder pieces(drawing);
    if (grid.front().real && frame.contains(grid.front().p))
        pieces.addPoint(grid.front().p);
    struct Pending {
        Sample a, b;
        int depth; // halvings of the grid segment
        int turns; // of them, halvings where the curve turns on the board
    };
    std::vector<Pending> pending;
    for (int i = 0; i < segments; ++i) {
        // What one grid segment may spend: its share of what is left, so a wild stretch (sin(1/x)
        // near 0) cannot take the points the rest needs, and what a quiet one leaves over goes on.
        const bool shows = mayShow(frame, grid[i], grid[i + 1]);
        const long left = plan.maxPoints - tally.points;
        const long allowed = tally.points + (shows && showing > 0 ? left / showing : 0);
        showing -= shows;
        pending.push_back({grid[i], grid[i + 1], 0, 0});
        while (!pending.empty()) {
            if (late())
                return tally;
            const Pending piece = pending.back();
            pending.pop_back();
            const double middle = piece.a.t + (piece.b.t - piece.a.t) / 2;
            const bool divisible = middle > piece.a.t && middle < piece.b.t;
            const bool budget = tally.points < allowed;
            // An edge is located to the last floating value: stopping there is no loss, stopping
            // for depth or budget with the edge still pixels away is.
            const bool locate = piece.depth < kLocateDepth && budget && divisible;
            const StretchLimits limits{locate && piece.turns < plan.maxDepth, locate, piece.depth < kProbeDepth};
            const Sample m = limits.mayRefine || limits.mayLocate ? sample(middle) : piece.a;
            Judged judged = judge(frame, piece.a, m, piece.b, limits);
            // Only a stretch that the depth of halving or the whole budget could not follow is a
            // loss: one that ran out of its own share is wild (tan(1/x) near 0), the rest whole.
            const bool shareSpent = !budget && tally.points < plan.maxPoints;
            if (judged.verdict == Verdict::Lost && (!divisible || shareSpent))
                judged.verdict = Verdict::Break;
            switch (judged.verdict) {
            case Verdict::Refine:
            case Verdict::Split: {
                const int turns = piece.turns + (judged.verdict == Verdict::Refine);
                pending.push_back({m, piece.b, piece.depth + 1, turns});
                pending.push_back({piece.a, m, piece.depth + 1, turns});
                break;
            }
            case Verdict::Join:
                join(frame, pieces, piece.a, m, piece.b);
                break;
            case Verdict::Lost:
                tally.lostPixels += judged.lostPixels;
                [[fallthrough]];
            case Verdict::Break:
                pieces.breakPiece();
                if (piece.b.real && frame.contains(piece.b.p))
                    pieces.addPoint(piece.b.p);
                break;
            }
        }
    }
    pieces.breakPiece();
    return tally;
}

} // namespace curvana
