// The centre, vertices and foci of the conics, from the equations the conic plotter draws:
// (x−m)²/a² ± (y−n)²/b² = 1 and (y−n)² = 2a(x−m).
#include <cmath>

#include "core/curves.h"
#include "core/special_points_search.h"

namespace curvana::points {

namespace {

// The hyperbola's and parabola's vertices lie on the curve only within the plotter's fixed x range.
bool withinOpenConicRange(double x)
{
    return x >= kConicOuterLeft && x <= kConicOuterRight;
}

void addEllipsePoints(const ConicCurve& k, std::vector<FoundPoint>& found)
{
    found.push_back({PointKind::Centre, k.m, k.n});
    found.push_back({PointKind::Vertex, k.m - k.a, k.n});
    found.push_back({PointKind::Vertex, k.m + k.a, k.n});
    if (k.b == 0)
        return; // flattened to a segment: its ends are the only vertices, and no foci
    found.push_back({PointKind::Vertex, k.m, k.n - k.b});
    found.push_back({PointKind::Vertex, k.m, k.n + k.b});
    // The foci lie on the longer axis; equal half-axes make a circle, whose foci are its centre.
    const double focal = std::sqrt(std::fabs(k.a * k.a - k.b * k.b));
    if (k.a > k.b) {
        found.push_back({PointKind::Focus, k.m - focal, k.n});
        found.push_back({PointKind::Focus, k.m + focal, k.n});
    } else if (k.b > k.a) {
        found.push_back({PointKind::Focus, k.m, k.n - focal});
        found.push_back({PointKind::Focus, k.m, k.n + focal});
    }
}

void addHyperbolaPoints(const ConicCurve& k, std::vector<FoundPoint>& found)
{
    found.push_back({PointKind::Centre, k.m, k.n});
    for (double side : {-1.0, 1.0})
        if (withinOpenConicRange(k.m + side * k.a))
            found.push_back({PointKind::Vertex, k.m + side * k.a, k.n});
    if (k.b == 0)
        return; // flattened to two rays: no foci
    const double focal = std::hypot(k.a, k.b);
    found.push_back({PointKind::Focus, k.m - focal, k.n});
    found.push_back({PointKind::Focus, k.m + focal, k.n});
}

void addParabolaPoints(const ConicCurve& k, std::vector<FoundPoint>& found)
{
    if (withinOpenConicRange(k.m))
        found.push_back({PointKind::Vertex, k.m, k.n});
    found.push_back({PointKind::Focus, k.m + k.a / 2, k.n});
}

} // namespace

void addConicPoints(const ConicCurve& conic, std::vector<FoundPoint>& found)
{
    switch (conic.option) {
    case 1: addEllipsePoints(conic, found); break;
    case 2: addHyperbolaPoints(conic, found); break;
    case 3: addParabolaPoints(conic, found); break;
    case 5: found.push_back({PointKind::Centre, conic.m, conic.n}); break;
    default: break;
    }
}

} // namespace curvana::points
