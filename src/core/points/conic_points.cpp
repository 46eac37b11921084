// The centre, vertices and foci of the conics, from the equations the conic plotter draws:
// (x−m)²/a² ± (y−n)²/b² = 1 and (y−n)² = 2a(x−m).
#include <cmath>
#include <functional>
#include <numbers>

#include "core/curves/curves.h"
#include "core/points/special_points_search.h"

namespace curvana::points {

namespace {

// Where a conic drawn from kConicOuterLeft to kConicOuterRight reaches: a branch running from its
// vertex outwards is drawn only while the vertex lies within that range.
bool startsWithinOpenConicRange(double vertex, double towards)
{
    return towards < 0 ? vertex >= kConicOuterLeft : vertex <= kConicOuterRight;
}

// Samples along a conic when looking for a part of it on the board.
constexpr int kVisibilitySamples = 720;

// Whether a branch y = n ± half(x), drawn from x = from to x = to, crosses the view anywhere.
template <class Half> bool branchShows(const ViewWindow& view, double from, double to, double n, Half&& half)
{
    for (int i = 0; i <= kVisibilitySamples; ++i) {
        const double x = from + (to - from) * i / kVisibilitySamples;
        const double h = half(x);
        if (insideView(view, x, n + h) || insideView(view, x, n - h))
            return true;
    }
    return false;
}

// Whether any of the conic as the plotter draws it shows in the view: one wholly outside it, or
// drawing nothing at all, has no centre or focus worth a ring either.
bool showsInView(const ConicCurve& k, const ViewWindow& view)
{
    switch (k.family) {
    case CurveFamily::Ellipse:
    case CurveFamily::Circle: {
        const double b = k.family == CurveFamily::Circle ? k.a : k.b;
        for (int i = 0; i < kVisibilitySamples; ++i) {
            const double t = 2 * std::numbers::pi * i / kVisibilitySamples;
            if (insideView(view, k.m + k.a * std::cos(t), k.n + b * std::sin(t)))
                return true;
        }
        return false;
    }
    case CurveFamily::Hyperbola:
        for (double side : {-1.0, 1.0}) {
            const double vertex = k.m + side * k.a;
            const double end = side < 0 ? kConicOuterLeft : kConicOuterRight;
            const auto half
                = [&](double x) { return k.b * std::sqrt(std::fmax(0, (x - k.m) * (x - k.m) / (k.a * k.a) - 1)); };
            if (startsWithinOpenConicRange(vertex, side) && branchShows(view, vertex, end, k.n, half))
                return true;
        }
        return false;
    case CurveFamily::Parabola:
        return startsWithinOpenConicRange(k.m, k.a)
            && branchShows(view, k.m, k.a > 0 ? kConicOuterRight : kConicOuterLeft, k.n,
                [&](double x) { return std::sqrt(std::fabs(2 * k.a * (x - k.m))); });
    default:
        return false;
    }
}

using Add = std::function<void(PointKind, double, double)>;

void addEllipsePoints(const ConicCurve& k, const Add& add)
{
    add(PointKind::Centre, k.m, k.n);
    add(PointKind::Vertex, k.m - k.a, k.n);
    add(PointKind::Vertex, k.m + k.a, k.n);
    if (k.b == 0)
        return; // flattened to a segment: its ends are the only vertices, and no foci
    add(PointKind::Vertex, k.m, k.n - k.b);
    add(PointKind::Vertex, k.m, k.n + k.b);
    // The foci lie on the longer axis; equal half-axes make a circle, whose foci are its centre.
    const double focal = std::sqrt(std::fabs(k.a * k.a - k.b * k.b));
    if (k.a > k.b) {
        add(PointKind::Focus, k.m - focal, k.n);
        add(PointKind::Focus, k.m + focal, k.n);
    } else if (k.b > k.a) {
        add(PointKind::Focus, k.m, k.n - focal);
        add(PointKind::Focus, k.m, k.n + focal);
    }
}

// A hyperbola whose both branches start beyond the drawn range draws nothing: no centre, no foci.
void addHyperbolaPoints(const ConicCurve& k, const Add& add)
{
    bool drawn = false;
    for (double side : {-1.0, 1.0})
        if (startsWithinOpenConicRange(k.m + side * k.a, side)) {
            add(PointKind::Vertex, k.m + side * k.a, k.n);
            drawn = true;
        }
    if (!drawn)
        return;
    add(PointKind::Centre, k.m, k.n);
    if (k.b == 0)
        return; // flattened to two rays: no foci
    const double focal = std::hypot(k.a, k.b);
    add(PointKind::Focus, k.m - focal, k.n);
    add(PointKind::Focus, k.m + focal, k.n);
}

// (y−n)² = 2a(x−m) opens towards the sign of a from its vertex, drawn only when that lies in range.
void addParabolaPoints(const ConicCurve& k, const Add& add)
{
    if (!startsWithinOpenConicRange(k.m, k.a))
        return;
    add(PointKind::Vertex, k.m, k.n);
    add(PointKind::Focus, k.m + k.a / 2, k.n);
}

} // namespace

void addConicPoints(const ConicCurve& conic, std::size_t owner, std::vector<FoundPoint>& found, const ViewWindow& view)
{
    if (!showsInView(conic, view))
        return;
    const Add add = [&](PointKind kind, double x, double y) {
        found.push_back({kind, x, y, owner, conic.typedDecimals});
    };
    switch (conic.family) {
    case CurveFamily::Ellipse:
        addEllipsePoints(conic, add);
        break;
    case CurveFamily::Hyperbola:
        addHyperbolaPoints(conic, add);
        break;
    case CurveFamily::Parabola:
        addParabolaPoints(conic, add);
        break;
    case CurveFamily::Circle:
        add(PointKind::CircleCentre, conic.m, conic.n);
        break;
    default:
        break;
    }
}

} // namespace curvana::points
