#pragma once
// The special points of the curves on the board: zeros, y-intercepts, extrema and intersections
// of the curves y = f(x), and the centres, vertices and foci of the conics, each with its Chinese
// label. Found on the functions themselves, not on the drawn dots.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/curves/drawing.h"
#include "core/document/window_catalogue.h"
#include "core/view/view_window.h"

namespace curvana {

enum class PointKind { Zero, YIntercept, Maximum, Minimum, Intersection, Centre, Vertex, Focus, CircleCentre, Corner };

struct Interval {
    double lo = 0;
    double hi = 0;
};

// A curve y = f(x), drawn over the stretches `drawn`; f returns NaN where it has no value.
// `typedDecimals`: the user wrote the curve with decimals, so its points are written in decimals.
struct FunctionCurve {
    std::function<double(double)> f;
    std::vector<Interval> drawn;
    bool typedDecimals = false;
};

// A conic as the conic plotter reads it (ellipse, hyperbola, parabola or circle);
// a and b as drawn (half-axes not negative; the parabola's signed a; b unused by parabola and circle).
struct ConicCurve {
    CurveFamily family = CurveFamily::Ellipse;
    double m = 0;
    double n = 0;
    double a = 0;
    double b = 0;
    bool typedDecimals = false;
};

// One ring: every kind of point found at its place, in the order the label names them, the
// first of them in `kind`.
struct SpecialPoint {
    PointKind kind = PointKind::Zero;
    double x = 0;
    double y = 0;
    std::string label; // "顶点、极小值点 (1, −4)", "零点 (√3, 0) ≈ (1.732, 0)"
    std::vector<PointKind> kinds{kind};
};

// A point an equation or inequality knows exactly (a conic's focus, a region's corner, where a
// line meets a conic), with the coordinates as its label writes them: "(√2, √2)", "(1/3, 5/3)";
// an empty text for a crossing found by number, labelled like a function's points.
struct ExactCurvePoint {
    PointKind kind = PointKind::Focus;
    double x = 0;
    double y = 0;
    std::string text;
};

// The rings of a board and how many points were left out for the cap or for lying closer than a
// ring's width to a ring nearer the origin.
struct BoardPoints {
    BoardPoints(std::vector<SpecialPoint> shown = {}, std::size_t left = 0)
        : points(std::move(shown))
        , omitted(left)
    {
    }
    std::vector<SpecialPoint> points;
    std::size_t omitted = 0;
};

// At most this many rings per curve (an intersection belongs to the later of its two curves).
inline constexpr std::size_t kMaxPointsPerCurve = 30;
// A ring's width in board units (9 pixels of the picture at its design size); rings never come closer.
inline constexpr double kRingSpacing = kBoardUnits * 9 / kDesignPictureWidth;

// The points inside the view, nearest to (0, 0) first: every curve's nearest ones up to
// kMaxPointsPerCurve, and none closer than a ring's width on the picture to one kept before it
// (kRingSpacing on the designed board). All kinds found at one place (a touching zero is also a
// minimum) make one point with one label. The search grid spans the view, so a zoomed view
// tells apart points a ring's width apart in it.
// `exact`: the points of each equation or inequality, one list per curve, after the conics.
BoardPoints boardPoints(const std::vector<FunctionCurve>& functions, const std::vector<ConicCurve>& conics,
    const std::vector<std::vector<ExactCurvePoint>>& exact = {}, const ViewWindow& view = {});
std::vector<SpecialPoint> specialPoints(
    const std::vector<FunctionCurve>& functions, const std::vector<ConicCurve>& conics);

// "零点", "极大值点", ... and the whole label of a point of these kinds at (x, y); decimals are
// kept as decimals when the user typed the curve with them.
std::string kindName(PointKind kind);
std::string pointLabel(const std::vector<PointKind>& kinds, double x, double y, bool typedDecimals = false);
std::string pointLabel(PointKind kind, double x, double y);

// The stretches of x covered by a drawing's dots: dots closer than maxGap in x belong to one
// stretch, and each stretch reaches maxGap / 2 beyond its outer dots (a dot covers its width).
std::vector<Interval> drawnIntervals(const std::vector<WorldPoint>& dots, double maxGap);
// The same for a whole drawing: its dots as above, and each connected piece over all of its x.
std::vector<Interval> drawnIntervals(const Drawing& drawing, double maxGap);

// Whether a typed text holds a decimal point ("0.5", "1。5"): its curve's points keep decimals.
bool writtenWithDecimals(const std::string& text);
bool writtenWithDecimals(const FieldTexts& texts);

// The elementary family's curve with texts {A, B, C}, drawn where the elementary
// plotter draws it; nothing when the plotter would refuse the texts.
// `view`: where the plotter draws it for that view.
std::optional<FunctionCurve> elementaryFunctionCurve(
    CurveFamily family, const FieldTexts& texts, const ViewWindow& view = {});

// The conic of `family` with texts {m, n, a, b} as the conic plotter reads them; nothing when the
// plotter would refuse the texts or the family is no conic.
std::optional<ConicCurve> conicCurveOf(CurveFamily family, const FieldTexts& texts);

} // namespace curvana
