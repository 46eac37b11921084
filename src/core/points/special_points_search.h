#pragma once
// The searches behind specialPoints, before labels, merging and the cap.
#include <vector>

#include "core/points/special_points.h"
#include "core/view/view_window.h"

namespace curvana::points {

// The designed board; a view's tolerances are those of the designed board scaled by how many
// times its width (or height) the view spans, so a zoomed view separates what it shows apart.
inline constexpr double kBoardMin = -10;
inline constexpr double kBoardMax = 10;
inline double widthShare(const ViewWindow& view) { return view.width() / (kBoardMax - kBoardMin); }
inline double heightShare(const ViewWindow& view) { return view.height() / (kBoardMax - kBoardMin); }

// Only points inside the view are kept.
inline bool insideView(const ViewWindow& view, double x, double y)
{
    return x >= view.xFrom() && x <= view.xTo() && y >= view.yFrom() && y <= view.yTo();
}

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
// on the drawn stretches within the view's x range (their y may still lie outside the view).
void addFunctionPoints(
    const std::vector<FunctionCurve>& curves, std::vector<FoundPoint>& found, const ViewWindow& view);

// The centre, vertices and foci of one conic (vertices only where the conic is drawn), when any
// of it shows in the view.
void addConicPoints(const ConicCurve& conic, std::size_t owner, std::vector<FoundPoint>& found, const ViewWindow& view);

} // namespace curvana::points
