#pragma once
// The region where a system of inequalities holds, ready to be shaded in a light tint: for any
// system, runs of pixel cells row by row computed for the scale it is shown at; for linear systems
// also the exact polygon, which stays crisp at any size. Each boundary is traced as a curve, solid
// for ≤ and ≥, dashed for < and >.
#include <string>
#include <variant>
#include <vector>

#include "core/equations/implicit_curve.h"
#include "core/equations/relation.h"

namespace curvana {

// A horizontal run of the region: the band from y − height/2 to y + height/2 between left and right.
struct RegionSpan {
    double y = 0;
    double left = 0;
    double right = 0;
};

struct InequalityRegion {
    double rowHeight = 0;
    std::vector<RegionSpan> spans;
    std::vector<WorldPoint> polygon; // the region clipped to the area, for linear systems only
    std::vector<Polyline> boundaries;
};

// Whether (x, y) satisfies every inequality.
bool insideRegion(const std::vector<Relation>& inequalities, double x, double y);

// The region over `area`, or why it could not be finished in time (Chinese, without the box name).
std::variant<InequalityRegion, std::string> inequalityRegion(
    const std::vector<Relation>& inequalities, PlotArea area, PixelScale scale, const WorkDeadline& deadline);

} // namespace curvana
