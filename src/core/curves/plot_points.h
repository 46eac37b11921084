#pragma once
// Shared steps of the sampled curves: setting one dot, sampling along x or along an angle,
// and the square root that forgives rounding.
#include <cmath>
#include <limits>

#include "core/curves/drawing.h"
#include "core/curves/sampling.h"

namespace curvana {

// The surface takes single-precision coordinates; narrowing here keeps what the tests see equal
// to what is drawn.
inline double narrowToSingle(double value) { return static_cast<double>(static_cast<float>(value)); }

inline constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

// A point without a real value (NaN, infinite, or too large for single precision) is skipped.
inline void addDot(Drawing& drawing, double x, double y)
{
    const double sx = narrowToSingle(x);
    const double sy = narrowToSingle(y);
    if (std::isfinite(sx) && std::isfinite(sy))
        drawing.dots.push_back({sx, sy});
}

// One sampling run along x, clipped to the visible strip; yOf returns kNoValue to skip a sample.
// About how many samples a run visits; reserving room for them up front keeps a long run from
// copying its dots over and over (and, on some systems, from faulting in fresh pages each time).
inline std::size_t samplesInRun(double start, double end, SampleWindow window = kVisibleX)
{
    const double length = std::fmin(end, window.hi) - std::fmax(start, window.lo);
    if (!(length >= 0))
        return 0;
    return static_cast<std::size_t>(std::fmin(length / kSampleStep + 2, static_cast<double>(kMaxSamplesPerRun)));
}

inline void reserveDots(Drawing& drawing, std::size_t more) { drawing.dots.reserve(drawing.dots.size() + more); }

template <class YOf> void plotAlongX(Drawing& drawing, double start, double end, YOf&& yOf)
{
    if (drawing.dots.capacity() - drawing.dots.size() < samplesInRun(start, end))
        reserveDots(drawing, samplesInRun(start, end));
    sampleRange(
        start, end, [&](double x) { addDot(drawing, x, yOf(x)); }, kVisibleX);
}

// The angle runs of the classic curves and the welcome show: 0 to 8 radians, 15,279 passes.
inline constexpr double kAngleStart = 0;
inline constexpr double kAngleEnd = 8;

template <class PointOf> void plotAlongAngle(Drawing& drawing, PointOf&& pointOf)
{
    reserveDots(drawing, samplesInRun(kAngleStart, kAngleEnd, kWholeRange));
    sampleRange(kAngleStart, kAngleEnd, [&](double t) {
        const WorldPoint p = pointOf(t);
        addDot(drawing, p.x, p.y);
    });
}

// The square root of a quantity that should not be negative: rounding may push it just below 0
// at the end of a range (within 1e-12 of `scale`), which counts as 0; a truly negative quantity
// has no real root.
inline double rootOrNoValue(double value, double scale)
{
    if (value >= 0)
        return std::sqrt(value);
    if (value >= -1e-12 * std::fabs(scale))
        return 0;
    return kNoValue;
}

} // namespace curvana
