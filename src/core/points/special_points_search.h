#pragma once
// The searches behind specialPoints, before labels, merging and the cap.
#include <vector>

#include "core/points/special_points.h"

namespace curvana::points {

// The board: only points inside it are kept.
inline constexpr double kBoardMin = -10;
inline constexpr double kBoardMax = 10;

// `owner`: the index of the curve whose point it is (functions first, then conics).
struct FoundPoint {
    PointKind kind = PointKind::Zero;
    double x = 0;
    double y = 0;
    std::size_t owner = 0;
    bool typedDecimals = false;
    std::string exactText = {}; // the coordinates exactly, when the curve knows them
};

// Zeros, y-intercepts and extrema of every curve and the intersections of every two of them,
// on the drawn stretches within the board's x range (their y may still lie off the board).
void addFunctionPoints(const std::vector<FunctionCurve>& curves, std::vector<FoundPoint>& found);

// The centre, vertices and foci of one conic (vertices only where the conic is drawn).
void addConicPoints(const ConicCurve& conic, std::size_t owner, std::vector<FoundPoint>& found);

} // namespace curvana::points
