#pragma once
// Helpers shared by the curve and figure tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <variant>

#include "core/curves/curves.h"
#include "core/curves/sampling.h"

namespace curvana::testing {

inline Drawing drawingOf(const DrawingResult& result)
{
    if (const auto* problem = std::get_if<InputProblem>(&result)) {
        ADD_FAILURE() << "expected a drawing, got the message: " << problem->message;
        return {};
    }
    return std::get<Drawing>(result);
}

inline InputProblem problemOf(const DrawingResult& result)
{
    if (const auto* problem = std::get_if<InputProblem>(&result))
        return *problem;
    ADD_FAILURE() << "expected a message, got a drawing";
    return {};
}

inline bool allDotsFinite(const Drawing& drawing)
{
    return std::all_of(drawing.dots.begin(), drawing.dots.end(),
        [](const WorldPoint& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

// Samples of one run from start to end as the plotters take them, by the run's length.
inline double expectedSamples(double start, double end) { return std::floor((end - start) / kSampleStep) + 1; }

// The most samples one run clipped to the visible strip can take.
inline constexpr double kMostVisibleSamples = (kVisibleXMax - kVisibleXMin) / kSampleStep + 2;

inline double single(double value) { return static_cast<double>(static_cast<float>(value)); }

} // namespace curvana::testing
