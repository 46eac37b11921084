#include "core/formula/formula_sampler.h"

#include <algorithm>

#include "core/curves/plot_points.h"
#include "core/curves/segment_clip.h"

namespace curvana::formula_sampling {

namespace {

// Four times the board's size is the largest picture (full screen, 4× export): a chord within a
// fourth of this of the curve there is still within half a pixel.
constexpr double kChordTolerancePixels = 0.125;
// A longer chord is split even where its middle happens to lie on it (a wave sampled in step).
constexpr double kLongestChordPixels = 24;
// An edge located this close is drawn to the edge: the stub is less than a pixel at 4×.
constexpr double kEdgeTolerancePixels = 0.2;
// A jump no refinement could close that stays below this is no visible loss.
constexpr double kVisibleJumpPixels = 1;

bool inside(double v, double low, double high) { return v >= low && v <= high; }

} // namespace

Frame Frame::of(const SamplingView& view)
{
    const double marginX = (view.right - view.left) * kSamplingMargin;
    const double marginY = (view.top - view.bottom) * kSamplingMargin;
    return {view.left - marginX, view.right + marginX, view.bottom - marginY, view.top + marginY, view.scale};
}

bool Frame::contains(const WorldPoint& p) const { return inside(p.x, left, right) && inside(p.y, bottom, top); }

bool Frame::outsideOnOneSide(const WorldPoint& a, const WorldPoint& b) const
{
    return (a.x > right && b.x > right) || (a.x < left && b.x < left) || (a.y > top && b.y > top)
        || (a.y < bottom && b.y < bottom);
}

bool Frame::clip(WorldPoint& a, WorldPoint& b) const
{
    if (!std::isfinite(b.x - a.x) || !std::isfinite(b.y - a.y))
        return false;
    return clipToBox(a.x, a.y, b.x, b.y, {left, right, bottom, top});
}

double Frame::pixelsBetween(const WorldPoint& a, const WorldPoint& b) const
{
    return std::hypot((b.x - a.x) * scale.perUnitX, (b.y - a.y) * scale.perUnitY);
}

double Frame::pixelsOffChord(const WorldPoint& a, const WorldPoint& m, const WorldPoint& b) const
{
    const double bx = (b.x - a.x) * scale.perUnitX, by = (b.y - a.y) * scale.perUnitY;
    const double mx = (m.x - a.x) * scale.perUnitX, my = (m.y - a.y) * scale.perUnitY;
    const double length2 = bx * bx + by * by;
    // The distance to the chord as a segment: a middle beyond either end (a cusp, a curve that
    // turns back) counts in full.
    const double along = length2 > 0 ? std::clamp((mx * bx + my * by) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(mx - along * bx, my - along * by);
}

void PieceBuilder::add(const WorldPoint& from, const WorldPoint& to, bool joins)
{
    if (!joins || m_open.empty()) {
        breakPiece();
        addPoint(from);
    }
    addPoint(to);
}

void PieceBuilder::addPoint(const WorldPoint& p)
{
    const WorldPoint narrowed{narrowToSingle(p.x), narrowToSingle(p.y)};
    if (m_open.empty() || !(m_open.back() == narrowed))
        m_open.push_back(narrowed);
}

void PieceBuilder::breakPiece()
{
    if (!m_open.empty())
        m_drawing.polylines.push_back({std::move(m_open)});
    m_open.clear();
}

bool mayShow(const Frame& frame, const Sample& a, const Sample& b)
{
    if (!a.real || !b.real)
        return a.real || b.real;
    WorldPoint p = a.p, q = b.p;
    return frame.contains(a.p) || frame.contains(b.p) || frame.clip(p, q);
}

Judged judge(const Frame& frame, const Sample& a, const Sample& m, const Sample& b, StretchLimits limits)
{
    const bool haveMiddle = m.t != a.t;
    if (!a.real && !b.real)
        return {Verdict::Break};
    if (a.real != b.real) // the edge of the domain: sought to the last floating value
        return {limits.mayLocate ? Verdict::Split : Verdict::Break};
    const bool aIn = frame.contains(a.p), bIn = frame.contains(b.p);
    WorldPoint p = a.p, q = b.p;
    const bool crosses = frame.clip(p, q);
    if (!aIn && !bIn) {
        if (frame.outsideOnOneSide(a.p, b.p) || (!crosses && !limits.probing))
            return {Verdict::Break};
        // Across the board between two points beyond it: a pole, or a curve passing through.
        return {limits.mayLocate ? Verdict::Split : Verdict::Break};
    }
    const double visible = crosses ? frame.pixelsBetween(p, q) : 0;
    if (aIn != bIn) {
        // Leaving or entering the board: halved until the edge is found.
        if (visible <= kEdgeTolerancePixels)
            return {Verdict::Join};
        if (limits.mayLocate)
            return {Verdict::Split};
        return {Verdict::Lost, visible};
    }
    const bool straight = haveMiddle && m.real && frame.contains(m.p)
        && frame.pixelsOffChord(a.p, m.p, b.p) <= kChordTolerancePixels && visible <= kLongestChordPixels;
    if (haveMiddle && straight)
        return {Verdict::Join};
    if (limits.mayRefine)
        return {Verdict::Refine};
    // Refined as far as allowed: a short chord is kept, a long one is a jump (or a wave finer
    // than a millionth of the grid) and is not bridged.
    return {visible <= kVisibleJumpPixels ? Verdict::Join : Verdict::Break};
}

void join(const Frame& frame, PieceBuilder& pieces, const Sample& a, const Sample& m, const Sample& b)
{
    const bool throughMiddle
        = m.t != a.t && m.real && frame.contains(a.p) && frame.contains(m.p) && frame.contains(b.p);
    if (throughMiddle) {
        pieces.add(a.p, m.p, true);
        pieces.add(m.p, b.p, true);
        return;
    }
    WorldPoint p = a.p, q = b.p;
    if (frame.clip(p, q))
        pieces.add(p, q, frame.contains(a.p));
    if (!frame.contains(b.p))
        pieces.breakPiece();
}

} // namespace curvana::formula_sampling
