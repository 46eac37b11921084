#pragma once
// The points where F(x, y) = 0 over a part of the board, as connected pieces fine enough for the
// board's pixel scale: boxes that cannot hold the curve are dropped whole (interval bounds), the
// rest are split down to cells of about a pixel, where the curve crosses cell edges; crossings of
// branches are joined at their common point rather than bent apart.
#include <chrono>
#include <string>
#include <variant>
#include <vector>

#include "core/curves/drawing.h"
#include "core/formula/formula_sampler.h"
#include "core/equations/plane_function.h"

namespace curvana {

struct PlotArea {
    double left = -10;
    double bottom = -10;
    double right = 10;
    double top = 10;
};

// A stop for work that must end in time, whatever the formula.
class WorkDeadline {
public:
    explicit WorkDeadline(std::chrono::milliseconds allowed = std::chrono::milliseconds(250))
        : m_end(std::chrono::steady_clock::now() + allowed)
    {
    }
    bool passed() const { return std::chrono::steady_clock::now() > m_end; }

private:
    std::chrono::steady_clock::time_point m_end;
};

struct TracedCurve {
    std::vector<Polyline> pieces;
    std::vector<WorldPoint> isolatedPoints; // solutions with no curve around them, as x²+y²=0
};

// Cells one curve may look at, apart from the deadline.
inline constexpr long kMaxTracedCells = 600000;

// The curve, or why it could not be finished in time (a message in Chinese without the box name).
std::variant<TracedCurve, std::string> traceImplicitCurve(
    const PlaneFunction& function, PlotArea area, PixelScale scale, const WorkDeadline& deadline);

} // namespace curvana
