#pragma once
// The exact points of the equations and inequalities drawn with 自定义函数 since the last clear:
// a recognised conic's centre, vertices and foci, the corners of a linear region, and where a
// line (an equation or a y = f(x) of degree 1) meets a conic or another line.
#include <vector>

#include "core/document/board_action.h"
#include "core/points/special_points.h"

namespace curvana {

// One list per equation or inequality in the order drawn; an intersection belongs to the later
// of its two curves. Crossings found by number are sought in `view`.
std::vector<std::vector<ExactCurvePoint>> exactPointsOnBoard(
    const std::vector<BoardAction>& actions, const ViewWindow& view = {});

} // namespace curvana
