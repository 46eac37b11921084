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

// The part of the board the plotters sample for and their steps there. The default is the
// designed view, where every dot lies where it always has; a zoomed or panned board plots its
// families for its own strip of x, with steps as many pixels apart as on the designed board.
struct PlotFrame {
    SampleWindow x = kVisibleX;
    double alongXStep = kSampleStep;
    double angleStep = kSampleStep;
};

// The frame of the drawing being computed on this thread. Only the board's redraw for its view
// sets another one, for the span of that one computation (PlotFrameScope).
inline PlotFrame& currentPlotFrame()
{
    thread_local PlotFrame frame;
    return frame;
}

class PlotFrameScope {
public:
    explicit PlotFrameScope(const PlotFrame& frame)
        : m_saved(currentPlotFrame())
    {
        currentPlotFrame() = frame;
    }
    ~PlotFrameScope() { currentPlotFrame() = m_saved; }
    PlotFrameScope(const PlotFrameScope&) = delete;
    PlotFrameScope& operator=(const PlotFrameScope&) = delete;

private:
    PlotFrame m_saved;
};

// About how many samples a run visits; reserving room for them up front keeps a long run from
// copying its dots over and over (and, on some systems, from faulting in fresh pages each time).
inline std::size_t samplesInRun(double start, double end, SampleWindow window, double step)
{
    const double length = std::fmin(end, window.hi) - std::fmax(start, window.lo);
    if (!(length >= 0) || !(step > 0))
        return 0;
    return static_cast<std::size_t>(std::fmin(length / step + 2, static_cast<double>(kMaxSamplesPerRun)));
}
inline std::size_t samplesInRun(double start, double end)
{
    return samplesInRun(start, end, currentPlotFrame().x, currentPlotFrame().alongXStep);
}

inline void reserveDots(Drawing& drawing, std::size_t more) { drawing.dots.reserve(drawing.dots.size() + more); }

// One sampling run along x, clipped to the visible strip; yOf returns kNoValue to skip a sample.
template <class YOf> void plotAlongX(Drawing& drawing, double start, double end, YOf&& yOf)
{
    if (drawing.dots.capacity() - drawing.dots.size() < samplesInRun(start, end))
        reserveDots(drawing, samplesInRun(start, end));
    const PlotFrame& frame = currentPlotFrame();
    sampleRange(
        start, end, [&](double x) { addDot(drawing, x, yOf(x)); }, frame.x, frame.alongXStep);
}

// The angle runs of the classic curves and the welcome show: 0 to 8 radians, 15,279 passes.
inline constexpr double kAngleStart = 0;
inline constexpr double kAngleEnd = 8;

template <class PointOf> void plotAlongAngle(Drawing& drawing, PointOf&& pointOf)
{
    const double step = currentPlotFrame().angleStep;
    reserveDots(drawing, samplesInRun(kAngleStart, kAngleEnd, kWholeRange, step));
    sampleRange(
        kAngleStart, kAngleEnd,
        [&](double t) {
            const WorldPoint p = pointOf(t);
            addDot(drawing, p.x, p.y);
        },
        kWholeRange, step);
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
