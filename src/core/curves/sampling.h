#pragma once
// The one sampling loop of every plotted curve: repeated addition of a fixed step.
#include <cmath>
#include <cstddef>
#include <limits>

namespace curvana {

// The curve plotters' pi, to ten decimals as they have always used it. Every sample position is a
// sum of steps of pi/6000, so a closer value would move the dots of every curve a little and the
// board would no longer match, dot for dot, a drawing made before.
inline constexpr double kPlotPi = 3.1415926535;
inline constexpr double kSampleStep = kPlotPi / 6000;

// The part of the x axis worth sampling for curves sampled along x: a little beyond the board.
inline constexpr double kVisibleXMin = -11;
inline constexpr double kVisibleXMax = 11;

// Last guard against a run that would never end.
inline constexpr std::size_t kMaxSamplesPerRun = 200000;

struct SampleWindow {
    double lo = -std::numeric_limits<double>::infinity();
    double hi = std::numeric_limits<double>::infinity();
};
inline constexpr SampleWindow kWholeRange{};
inline constexpr SampleWindow kVisibleX{kVisibleXMin, kVisibleXMax};

// Calls visit(v) for v = start, start + h, start + h + h, ... while v <= end (start and end taken
// once; nothing when start > end). Samples outside `window` are never visited: a start below it
// jumps straight to the first sample inside, and the run stops past its top. Returns the number
// of samples visited. `h` is kSampleStep except on a board zoomed in or out.
template <class Visit>
std::size_t sampleRange(
    double start, double end, Visit&& visit, SampleWindow window = kWholeRange, double h = kSampleStep)
{
    if (std::isnan(start) || std::isnan(end) || !(h > 0))
        return 0;
    double v = start;
    if (v < window.lo) {
        // Skip the hidden samples at once; the first visible one lies at start + k*h.
        v = std::isfinite(start) ? start + std::ceil((window.lo - start) / h) * h : window.lo;
        // From a far-off start (beyond about 1e13 the jump's rounding error outgrows the step,
        // beyond about 1e304 the count itself overflows) the jump lands anywhere: carry on as if
        // the run had begun at the edge of the window.
        if (!(v >= window.lo && v < window.lo + h))
            v = window.lo;
    }
    if (!std::isfinite(v))
        return 0;
    const double last = end < window.hi ? end : window.hi;
    std::size_t count = 0;
    while (v <= last && count < kMaxSamplesPerRun) {
        visit(v);
        ++count;
        const double next = v + h;
        if (next == v)
            break; // beyond about 8.8e12 the step is lost in rounding: one dot, not a stuck loop
        v = next;
    }
    return count;
}

} // namespace curvana
