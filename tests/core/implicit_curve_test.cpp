#include "core/equations/implicit_curve.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "core/equations/relation.h"

namespace curvana {
namespace {

constexpr double kPi = std::numbers::pi;
const PixelScale kScale;
const double kPixel = 1 / kScale.perUnitX;

PlaneFunction functionOf(const std::string& equation)
{
    auto parsed = parseEquation(equation, "“方程”框");
    if (const auto* problem = std::get_if<TextProblem>(&parsed)) {
        ADD_FAILURE() << equation << ": " << problem->message;
        return PlaneFunction(std::get<SyntaxTree>(parseFormula("1", planeVocabulary())));
    }
    return PlaneFunction(std::get<Relation>(parsed).function);
}

TracedCurve traced(const PlaneFunction& f, PixelScale scale = kScale)
{
    auto result = traceImplicitCurve(f, PlotArea{}, scale, WorkDeadline(std::chrono::seconds(5)));
    if (const auto* message = std::get_if<std::string>(&result)) {
        ADD_FAILURE() << *message;
        return {};
    }
    return std::get<TracedCurve>(std::move(result));
}

double distanceToSegment(WorldPoint p, WorldPoint a, WorldPoint b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = dx * dx + dy * dy;
    const double t = length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0) : 0;
    return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

double distanceToDrawing(WorldPoint p, const TracedCurve& curve)
{
    double best = INFINITY;
    for (const Polyline& line : curve.pieces)
        for (std::size_t k = 1; k < line.points.size(); ++k)
            best = std::min(best, distanceToSegment(p, line.points[k - 1], line.points[k]));
    for (const WorldPoint& q : curve.isolatedPoints)
        best = std::min(best, std::hypot(p.x - q.x, p.y - q.y));
    return best;
}

// The distance from p to the true curve, to first order.
double distanceToCurve(const PlaneFunction& f, WorldPoint p)
{
    const double d = 1e-6;
    if (std::fabs(f(p.x, p.y)) < 1e-12) // also where the gradient vanishes, at a crossing
        return 0;
    const double gx = (f(p.x + d, p.y) - f(p.x - d, p.y)) / (2 * d);
    const double gy = (f(p.x, p.y + d) - f(p.x, p.y - d)) / (2 * d);
    return std::fabs(f(p.x, p.y)) / std::hypot(gx, gy);
}

struct Example {
    std::string equation;
    std::function<WorldPoint(double)> onCurve; // a point of the curve for u in [0, 1]
};

// Every drawn point and every middle of a drawn line lies on the curve within a pixel (no false
// segments between branches); every sampled point of the curve is within a pixel of the drawing
// (no gaps, thin and steep parts found, crossings reached).
TEST(ImplicitCurve, DrawsTheTextbookExamplesWithoutGapsOrFalseLines)
{
    const auto circle = [](double a, double b, double cx, double cy) {
        return [=](double u) { return WorldPoint{cx + a * std::cos(2 * kPi * u), cy + b * std::sin(2 * kPi * u)}; };
    };
    const auto line = [](WorldPoint from, WorldPoint to) {
        return [=](double u) { return WorldPoint{from.x + u * (to.x - from.x), from.y + u * (to.y - from.y)}; };
    };
    const std::vector<Example> examples = {
        {"x²+y²=4", circle(2, 2, 0, 0)},
        {"(x−1)²+(y+2)²=9", circle(3, 3, 1, -2)},
        {"x²/25+y²/9=1", circle(5, 3, 0, 0)},
        {"x^2 + y^2/0.0025 = 1", circle(1, 0.05, 0, 0)},
        {"x²/9−y²/16=1",
            [](double u) {
                const double s = 3.2 * u - 1.6;
                return WorldPoint{3 * std::cosh(s), 4 * std::sinh(s)};
            }},
        {"y²=4x",
            [](double u) {
                const double t = 12 * u - 6;
                return WorldPoint{t * t / 4, t};
            }},
        {"xy=1",
            [](double u) {
                const double t = 0.1 + 9.8 * u;
                return WorldPoint{t, 1 / t};
            }},
        {"x=2", line({2, -9.9}, {2, 9.9})},
        {"y=−1", line({-9.9, -1}, {9.9, -1})},
        {"2x+3y−6=0", line({-9, 8}, {9, -4})},
        {"y=|x|", line({-9, 9}, {0, 0})},
        {"y=|x|", line({0, 0}, {9, 9})},
        {"x²−y²=0", line({-9, -9}, {9, 9})},
        {"x²−y²=0", line({-9, 9}, {9, -9})},
        {"(x²+y²)²=8(x²−y²)",
            [](double u) {
                const double t = -kPi / 4 + u * kPi / 2, r = std::sqrt(std::max(0.0, 8 * std::cos(2 * t)));
                return WorldPoint{r * std::cos(t), r * std::sin(t)};
            }},
    };
    for (const Example& example : examples) {
        SCOPED_TRACE(example.equation);
        const PlaneFunction f = functionOf(example.equation);
        const TracedCurve curve = traced(f);
        ASSERT_FALSE(curve.pieces.empty());
        double worstOff = 0;
        for (const Polyline& piece : curve.pieces)
            for (std::size_t k = 0; k < piece.points.size(); ++k) {
                worstOff = std::max(worstOff, distanceToCurve(f, piece.points[k]));
                if (k > 0) {
                    const WorldPoint& a = piece.points[k - 1];
                    const WorldPoint& b = piece.points[k];
                    worstOff = std::max(worstOff, distanceToCurve(f, {(a.x + b.x) / 2, (a.y + b.y) / 2}));
                }
            }
        EXPECT_LT(worstOff, kPixel);
        double worstGap = 0;
        for (int k = 0; k <= 400; ++k)
            worstGap = std::max(worstGap, distanceToDrawing(example.onCurve(k / 400.0), curve));
        EXPECT_LT(worstGap, kPixel);
    }
}

TEST(ImplicitCurve, CrossingsMeetAtTheirPointAndTangentSolutionsAreFound)
{
    // Four arms of x² = y² and of the lemniscate end in the origin itself.
    for (const std::string equation : {"x²−y²=0", "(x²+y²)²=8(x²−y²)"}) {
        const TracedCurve curve = traced(functionOf(equation));
        int armsAtOrigin = 0;
        for (const Polyline& piece : curve.pieces)
            for (const WorldPoint& end : {piece.points.front(), piece.points.back()})
                armsAtOrigin += std::hypot(end.x, end.y) < 1e-6;
        EXPECT_EQ(armsAtOrigin, 4) << equation;
    }
    // A double line and a single point: F touches 0 without changing sign.
    const TracedCurve doubled = traced(functionOf("(x−y)²=0"));
    for (const double t : {-7.3, 0.4, 5.1})
        EXPECT_LT(distanceToDrawing({t, t}, doubled), kPixel) << t;
    const TracedCurve point = traced(functionOf("x²+y²=0"));
    EXPECT_LT(distanceToDrawing({0, 0}, point), kPixel);
    EXPECT_TRUE(traced(functionOf("x²+y²=−1")).pieces.empty());
    // The pole of y = 1/x is not drawn as a line along x = 0.
    const TracedCurve hyperbola = traced(functionOf("y=1/x"));
    EXPECT_GT(distanceToDrawing({0, 5}, hyperbola), 0.1);
}

TEST(ImplicitCurve, StaysOnTheCurveAtFourTimesTheScale)
{
    const PixelScale large{4 * kScale.perUnitX, 4 * kScale.perUnitY};
    const PlaneFunction f = functionOf("x²/25+y²/9=1");
    const TracedCurve curve = traced(f, large);
    for (const Polyline& piece : curve.pieces)
        for (std::size_t k = 1; k < piece.points.size(); ++k) {
            const WorldPoint& a = piece.points[k - 1];
            const WorldPoint& b = piece.points[k];
            ASSERT_LT(distanceToCurve(f, {(a.x + b.x) / 2, (a.y + b.y) / 2}), kPixel / 8);
        }
}

TEST(ImplicitCurve, HostileEquationsAndAreasEndInTime)
{
    const PlaneFunction circle = functionOf("x²+y²=4");
    const PixelScale nonsense[] = {{0, 20}, {NAN, 20}, {1e9, 1e9}};
    for (const PixelScale& scale : nonsense)
        EXPECT_TRUE(std::holds_alternative<std::string>(traceImplicitCurve(circle, PlotArea{}, scale, WorkDeadline())));
    EXPECT_TRUE(
        std::holds_alternative<std::string>(traceImplicitCurve(circle, PlotArea{1, 0, -1, 2}, kScale, WorkDeadline())));

    std::string huge = "x";
    while (huge.size() < 990)
        huge += "+sin(x*y)";
    for (const std::string& equation : {std::string("sin(100xy)=0"), huge + "=0"}) {
        const auto start = std::chrono::steady_clock::now();
        const auto result = traceImplicitCurve(functionOf(equation), PlotArea{}, kScale, WorkDeadline());
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        // The deadline is a quarter second; the margin leaves room for a busy or instrumented build.
        EXPECT_LT(seconds, 1.2) << equation;
        if (const auto* message = std::get_if<std::string>(&result)) {
            EXPECT_NE(message->find("太复杂"), std::string::npos);
        }
    }
}

} // namespace
} // namespace curvana
