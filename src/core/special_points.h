#pragma once
// The special points of the curves on the board: zeros, y-intercepts, extrema and intersections
// of the curves y = f(x), and the centres, vertices and foci of the conics, each with its Chinese
// label. Found on the functions themselves, not on the drawn dots.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/drawing.h"

namespace curvana {

enum class PointKind { Zero, YIntercept, Maximum, Minimum, Intersection, Centre, Vertex, Focus };

struct Interval {
    double lo = 0;
    double hi = 0;
};

// A curve y = f(x), drawn over the stretches `drawn`; f returns NaN where it has no value.
struct FunctionCurve {
    std::function<double(double)> f;
    std::vector<Interval> drawn;
};

// A conic as the conic plotter reads it: option 1 ellipse, 2 hyperbola, 3 parabola, 5 circle;
// a and b as drawn (half-axes not negative; the parabola's signed a; b unused by parabola and circle).
struct ConicCurve {
    int option = 0;
    double m = 0;
    double n = 0;
    double a = 0;
    double b = 0;
};

struct SpecialPoint {
    PointKind kind = PointKind::Zero;
    double x = 0;
    double y = 0;
    std::string label; // "极小值点 (1, −4)", "零点 (√3, 0) ≈ (1.732, 0)"
};

// The points inside the board, at most kMaxSpecialPoints of them, nearest to (0, 0) first.
// Points of the same kind at the same place (say a zero shared by two curves) appear once;
// points of different kinds at one place (a touching zero is also a minimum) each appear.
inline constexpr std::size_t kMaxSpecialPoints = 200;
std::vector<SpecialPoint> specialPoints(const std::vector<FunctionCurve>& functions,
                                        const std::vector<ConicCurve>& conics);

// "零点", "极大值点", ... and the whole label of a point at (x, y).
std::string kindName(PointKind kind);
std::string pointLabel(PointKind kind, double x, double y);

// The stretches of x covered by a drawing's dots: dots closer than maxGap in x belong to one
// stretch, and each stretch reaches maxGap / 2 beyond its outer dots (a dot covers its width).
std::vector<Interval> drawnIntervals(const std::vector<WorldPoint>& dots, double maxGap);

// The elementary family curve `option` (1..10) with texts {A, B, C}, drawn where the elementary
// plotter draws it; nothing when the plotter would refuse the texts.
std::optional<FunctionCurve> elementaryFunctionCurve(int option, const FieldTexts& texts);

// The conic `option` with texts {m, n, a, b} as the conic plotter reads them; nothing when the
// plotter would refuse the texts or the option draws no conic.
std::optional<ConicCurve> conicCurveOf(int option, const FieldTexts& texts);

} // namespace curvana
