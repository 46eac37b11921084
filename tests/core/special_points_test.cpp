#include "core/points/special_points.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <set>

namespace curvana {
namespace {

using Labels = std::set<std::string>;
using std::numbers::pi;
using enum CurveFamily;

const std::vector<Interval> kWholeBoard{{-10, 10}};

FunctionCurve custom(std::function<double(double)> f, std::vector<Interval> drawn = kWholeBoard)
{
    return {std::move(f), std::move(drawn)};
}

FunctionCurve elementary(CurveFamily option, const FieldTexts& texts)
{
    const auto curve = elementaryFunctionCurve(option, texts);
    EXPECT_TRUE(curve.has_value()) << option;
    return curve.value_or(FunctionCurve{});
}

ConicCurve conic(CurveFamily option, const FieldTexts& texts)
{
    const auto curve = conicCurveOf(option, texts);
    EXPECT_TRUE(curve.has_value()) << option;
    return curve.value_or(ConicCurve{});
}

Labels labelsOf(const std::vector<SpecialPoint>& points, PointKind kind)
{
    Labels labels;
    for (const SpecialPoint& p : points)
        if (std::find(p.kinds.begin(), p.kinds.end(), kind) != p.kinds.end())
            labels.insert(p.label);
    return labels;
}

struct FunctionCase {
    const char* name;
    std::vector<FunctionCurve> curves;
    PointKind kind;
    Labels expected;
};

TEST(SpecialPoints, FunctionPointsWithExactLabels)
{
    const FunctionCase cases[] = {
        {"quadratic roots", {elementary(Quadratic, {"1", "-2", "-3"})}, PointKind::Zero,
            {"零点 (−1, 0)", "零点 (3, 0)"}},
        {"quadratic vertex", {elementary(Quadratic, {"1", "-2", "-3"})}, PointKind::Minimum,
            {"顶点、极小值点 (1, −4)"}},
        {"quadratic intercept", {elementary(Quadratic, {"1", "-2", "-3"})}, PointKind::YIntercept,
            {"与y轴交点 (0, −3)"}},
        {"quadratic has no maximum", {elementary(Quadratic, {"1", "-2", "-3"})}, PointKind::Maximum, {}},
        {"surd roots", {elementary(Quadratic, {"1", "0", "-3"})}, PointKind::Zero,
            {"零点 (−√3, 0) ≈ (−1.732, 0)", "零点 (√3, 0) ≈ (1.732, 0)"}},
        {"sine zeros to both ends", {elementary(Sine, {"1", "1", "0"})}, PointKind::Zero,
            {"零点 (−2π, 0) ≈ (−6.283, 0)", "零点 (−π, 0) ≈ (−3.142, 0)", "零点、与y轴交点 (0, 0)",
                "零点 (π, 0) ≈ (3.142, 0)", "零点 (2π, 0) ≈ (6.283, 0)"}},
        {"sine maxima", {elementary(Sine, {"2", "1", "0"})}, PointKind::Maximum,
            {"极大值点 (−3π/2, 2) ≈ (−4.712, 2)", "极大值点 (π/2, 2) ≈ (1.571, 2)"}},
        {"cubic maximum", {custom([](double x) { return x * x * x - 3 * x; })}, PointKind::Maximum,
            {"极大值点 (−1, 2)"}},
        {"cubic minimum", {custom([](double x) { return x * x * x - 3 * x; })}, PointKind::Minimum,
            {"极小值点 (1, −2)"}},
        {"cubic zeros", {custom([](double x) { return x * x * x - 3 * x; })}, PointKind::Zero,
            {"零点 (−√3, 0) ≈ (−1.732, 0)", "零点、与y轴交点 (0, 0)", "零点 (√3, 0) ≈ (1.732, 0)"}},
        {"line meets parabola", {elementary(Line, {"1", "+2"}), elementary(Quadratic, {"1", "0", "0"})},
            PointKind::Intersection, {"交点 (−1, 1)", "交点 (2, 4)"}},
        {"tangent line touches parabola",
            {custom([](double x) { return 2 * x - 1; }), elementary(Quadratic, {"1", "0", "0"})},
            PointKind::Intersection, {"交点 (1, 1)"}},
        {"sine meets cosine", {elementary(Sine, {"1", "1", "0"}), elementary(Cosine, {"1", "1", "0"})},
            PointKind::Intersection,
            {"交点 (−7π/4, √2/2) ≈ (−5.498, 0.7071)", "交点 (−3π/4, −√2/2) ≈ (−2.356, −0.7071)",
                "交点 (π/4, √2/2) ≈ (0.7854, 0.7071)", "交点 (5π/4, −√2/2) ≈ (3.927, −0.7071)"}},
        {"tangent family: no zeros at its asymptotes", {elementary(Tangent, {"1", "1", "0"})}, PointKind::Zero,
            {"零点、与y轴交点 (0, 0)", "零点 (π, 0) ≈ (3.142, 0)"}},
        {"tangent across its poles", {custom([](double x) { return std::tan(x); })}, PointKind::Zero,
            {"零点 (−3π, 0) ≈ (−9.425, 0)", "零点 (−2π, 0) ≈ (−6.283, 0)", "零点 (−π, 0) ≈ (−3.142, 0)",
                "零点、与y轴交点 (0, 0)", "零点 (π, 0) ≈ (3.142, 0)", "零点 (2π, 0) ≈ (6.283, 0)",
                "零点 (3π, 0) ≈ (9.425, 0)"}},
        {"tangent has no extrema", {custom([](double x) { return std::tan(x); })}, PointKind::Maximum, {}},
        {"reciprocal has no zero", {custom([](double x) { return 1 / x; })}, PointKind::Zero, {}},
        {"reciprocal family has no zero", {elementary(Reciprocal, {"2"})}, PointKind::Zero, {}},
        {"touching zero", {custom([](double x) { return (x - 1) * (x - 1); })}, PointKind::Zero,
            {"零点、顶点、极小值点 (1, 0)"}},
        {"touching zero off the grid", {elementary(Quadratic, {"9", "-6", "1"})}, PointKind::Zero,
            {"零点、顶点、极小值点 (1/3, 0)"}},
        {"corners of |x² − 2|", {elementary(AbsoluteQuadratic, {"1", "0", "-2"})}, PointKind::Minimum,
            {"零点、极小值点 (−√2, 0) ≈ (−1.414, 0)", "零点、极小值点 (√2, 0) ≈ (1.414, 0)"}},
        {"tangent off the grid",
            {custom([](double x) { return 14 * x / 3 - 49.0 / 9; }), elementary(Quadratic, {"1", "0", "0"})},
            PointKind::Intersection, {"交点 (7/3, 49/9)"}},
        {"corners of |x² − 4|", {elementary(AbsoluteQuadratic, {"1", "0", "-4"})}, PointKind::Zero,
            {"零点、极小值点 (−2, 0)", "零点、极小值点 (2, 0)"}},
        {"constant has no minimum", {custom([](double) { return 3; })}, PointKind::Minimum, {}},
        {"constant line has no maximum", {elementary(Line, {"0", "3"})}, PointKind::Maximum, {}},
        {"constant's intercept", {custom([](double) { return 3; })}, PointKind::YIntercept, {"与y轴交点 (0, 3)"}},
        {"zero sine lies on the axis", {elementary(Sine, {"0", "1", "0"})}, PointKind::Zero, {}},
        {"same curve twice does not intersect itself",
            {elementary(Quadratic, {"1", "0", "-1"}), elementary(Quadratic, {"1", "0", "-1"})}, PointKind::Intersection,
            {}},
        {"zero shared by two curves appears once",
            {custom([](double x) { return x; }), custom([](double x) { return 2 * x; })}, PointKind::Zero,
            {"零点、与y轴交点、交点 (0, 0)"}},
        {"only the drawn stretch", {custom([](double x) { return x; }, {{2, 5}})}, PointKind::Zero, {}},
        {"intercept off the board", {custom([](double x) { return x * x - 20; })}, PointKind::YIntercept, {}},
        {"logarithm's zero", {elementary(Logarithm, {"2"})}, PointKind::Zero, {"零点 (1, 0)"}},
    };
    for (const FunctionCase& c : cases)
        EXPECT_EQ(labelsOf(specialPoints(c.curves, {}), c.kind), c.expected) << c.name;
}

TEST(SpecialPoints, ConicPointsInsideTheBoard)
{
    struct Case {
        const char* name;
        ConicCurve curve;
        PointKind kind;
        Labels expected;
    };
    const Case cases[] = {
        {"ellipse foci", conic(Ellipse, {"0", "0", "3", "2"}), PointKind::Focus,
            {"焦点 (−√5, 0) ≈ (−2.236, 0)", "焦点 (√5, 0) ≈ (2.236, 0)"}},
        {"ellipse vertices", conic(Ellipse, {"0", "0", "-3", "2"}), PointKind::Vertex,
            {"顶点 (−3, 0)", "顶点 (3, 0)", "顶点 (0, −2)", "顶点 (0, 2)"}},
        {"tall ellipse foci", conic(Ellipse, {"0", "1", "1", "2"}), PointKind::Focus,
            {"焦点 (0, 1−√3) ≈ (0, −0.7321)", "焦点 (0, 1+√3) ≈ (0, 2.732)"}},
        {"hyperbola foci", conic(Hyperbola, {"0", "0", "2", "-4"}), PointKind::Focus,
            {"焦点 (−2√5, 0) ≈ (−4.472, 0)", "焦点 (2√5, 0) ≈ (4.472, 0)"}},
        {"hyperbola centre", conic(Hyperbola, {"1", "-2", "2", "1"}), PointKind::Centre, {"中心 (1, −2)"}},
        {"hyperbola vertex beyond its drawn end", conic(Hyperbola, {"8", "0", "2", "3"}), PointKind::Vertex,
            {"顶点 (6, 0)"}},
        {"parabola focus", conic(Parabola, {"1", "2", "3"}), PointKind::Focus, {"焦点 (5/2, 2)"}},
        {"parabola opening left", conic(Parabola, {"1", "2", "-4"}), PointKind::Focus, {"焦点 (−1, 2)"}},
        {"parabola vertex", conic(Parabola, {"1", "2", "3"}), PointKind::Vertex, {"顶点 (1, 2)"}},
        {"circle centre", conic(Circle, {"1", "1", "-3"}), PointKind::CircleCentre, {"圆心 (1, 1)"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(labelsOf(specialPoints({}, {c.curve}), c.kind), c.expected) << c.name;
}

// Each curve keeps its points nearest the origin, rings never crowd, and what is left out is counted.
TEST(SpecialPoints, CapPerCurveAndSpacing)
{
    std::vector<FunctionCurve> curves{custom([](double x) { return std::sin(3 * x); })};
    for (int k = 1; k <= 6; ++k) // six lines far out, each with its one zero
        curves.push_back(custom([k](double x) { return x - (3 + k); }, {{2.5 + k, 3.5 + k}}));
    const BoardPoints found = boardPoints(curves, {});
    const auto distance = [](const SpecialPoint& p) { return std::hypot(p.x, p.y); };
    EXPECT_TRUE(std::is_sorted(found.points.begin(), found.points.end(),
        [&](const SpecialPoint& a, const SpecialPoint& b) { return distance(a) < distance(b); }));
    for (int k = 1; k <= 6; ++k) // the far curves are not crowded out by the sine's many points
        EXPECT_EQ(labelsOf(found.points, PointKind::Zero).count(pointLabel(PointKind::Zero, 3 + k, 0)), 1u) << k;
    const auto onSineOnly = [](const SpecialPoint& p) {
        const bool lineZero = p.y == 0 && p.x == std::round(p.x) && p.x >= 4;
        return p.kinds.front() != PointKind::Intersection && !lineZero && std::fabs(std::sin(3 * p.x) - p.y) < 1e-9;
    };
    const std::size_t sinePoints = std::count_if(found.points.begin(), found.points.end(), onSineOnly);
    EXPECT_EQ(sinePoints, kMaxPointsPerCurve);
    EXPECT_GT(found.omitted, 0u);
    for (std::size_t i = 0; i < found.points.size(); ++i)
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_GE(
                std::hypot(found.points[i].x - found.points[j].x, found.points[i].y - found.points[j].y), kRingSpacing)
                << found.points[i].label << " / " << found.points[j].label;
    // sin 50x: its extrema lie closer than a ring's width, so most are left out, and said to be
    const BoardPoints dense = boardPoints({custom([](double x) { return std::sin(50 * x); })}, {});
    EXPECT_LE(dense.points.size(), kMaxPointsPerCurve);
    EXPECT_GT(dense.omitted, 500u);
}

TEST(SpecialPoints, ExactCoordinatesAndBoardBounds)
{
    const auto points
        = specialPoints({custom([](double x) { return x * x * x - 3 * x; })}, {conic(Hyperbola, {"0", "0", "6", "9"})});
    for (const SpecialPoint& p : points) {
        EXPECT_LE(std::fabs(p.x), 10) << p.label;
        EXPECT_LE(std::fabs(p.y), 10) << p.label;
    }
    const auto root
        = std::find_if(points.begin(), points.end(), [](const SpecialPoint& p) { return p.x > 1.5 && p.y == 0; });
    ASSERT_NE(root, points.end());
    EXPECT_NEAR(root->x, std::sqrt(3.0), 1e-12);
    EXPECT_TRUE(labelsOf(points, PointKind::Focus).empty()); // at x = ±√117, beyond the board
    EXPECT_EQ(labelsOf(points, PointKind::Vertex), (Labels{"顶点 (−6, 0)", "顶点 (6, 0)"}));
    // foci exactly on the board's edge stay
    EXPECT_EQ(labelsOf(specialPoints({}, {conic(Hyperbola, {"0", "0", "6", "8"})}), PointKind::Focus),
        (Labels{"焦点 (−10, 0)", "焦点 (10, 0)"}));
}

TEST(SpecialPoints, StretchesInAnyOrderAndOddStretches)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const auto line = custom([](double x) { return x; }, {{5, 10}, {-1, 2}, {-10, -5}});
    const auto falling = custom([](double x) { return 3 - x; }, {{1.2, 1.8}, {-9, -8}});
    const auto mirror = custom([](double x) { return -x; }, {{-2, 2}});
    EXPECT_EQ(labelsOf(specialPoints({line, falling, mirror}, {}), PointKind::Intersection),
        (Labels{"零点、与y轴交点、交点 (0, 0)", "交点 (3/2, 3/2)"}));
    const auto odd = custom([](double x) { return x - 0.5; }, {{nan, 1}, {3, 2}, {-inf, inf}});
    EXPECT_EQ(labelsOf(specialPoints({odd}, {}), PointKind::Zero), Labels{"零点 (1/2, 0)"});
    // dust: a hundred thousand specks of a curve are searched in bounded time and give no false points
    std::vector<Interval> specks;
    for (int i = 0; i < 100000; ++i)
        specks.push_back({-10 + i * 2e-4, -10 + i * 2e-4 + 1e-5});
    EXPECT_TRUE(
        labelsOf(specialPoints({custom([](double x) { return x * x + 1; }, specks)}, {}), PointKind::Zero).empty());
}

// One curve written two ways has no intersections with itself, yet both keep their own points.
TEST(SpecialPoints, CoincidingCurvesDoNotIntersect)
{
    const struct {
        const char* name;
        FunctionCurve one, other;
    } cases[] = {
        {"sin 2x and 2 sin x cos x", custom([](double x) { return std::sin(2 * x); }),
            custom([](double x) { return 2 * std::sin(x) * std::cos(x); })},
        {"quadratic family and own (x+1)²", elementary(Quadratic, {"1", "+2", "+1"}),
            custom([](double x) { return (x + 1) * (x + 1); })},
        {"tan x and sin x / cos x", custom([](double x) { return std::tan(x); }),
            custom([](double x) { return std::sin(x) / std::cos(x); })},
        // the plotters' π is 1e-10 off the true one
        {"sin(x + 90°) and cos x", elementary(Sine, {"1", "1", "90"}), custom([](double x) { return std::cos(x); })},
    };
    for (const auto& c : cases) {
        const auto points = specialPoints({c.one, c.other}, {});
        EXPECT_EQ(labelsOf(points, PointKind::Intersection), Labels{}) << c.name;
        EXPECT_FALSE(labelsOf(points, PointKind::Zero).empty()) << c.name;
    }
}

// A ring is shown exactly where its point lies on what is drawn.
TEST(SpecialPoints, RingsOnlyOnWhatIsDrawn)
{
    const struct {
        const char* name;
        std::vector<FunctionCurve> functions;
        std::vector<ConicCurve> conics;
        Labels expected;
    } cases[] = {
        {"sin(1e10·x) is a smear", {custom([](double x) { return std::sin(1e10 * x); })}, {}, {}},
        {"rounding is not turning",
            {custom([](double x) { return std::sin(x) * std::sin(x) + std::cos(x) * std::cos(x); })}, {},
            {"与y轴交点 (0, 1)"}},
        {"hyperbola beyond the drawn range", {}, {conic(Hyperbola, {"0", "0", "9.5", "1"})}, {}},
        {"parabola starting beyond the drawn range", {}, {conic(Parabola, {"9.2", "0", "1"})}, {}},
        {"circle around the board", {}, {conic(Circle, {"0", "0", "15"})}, {}},
        {"ellipse partly on the board", {}, {conic(Ellipse, {"0", "7", "3", "4"})},
            {"中心 (0, 7)", "顶点 (−3, 7)", "顶点 (3, 7)", "顶点 (0, 3)", "焦点 (0, 7−√7) ≈ (0, 4.354)",
                "焦点 (0, 7+√7) ≈ (0, 9.646)"}},
        {"parabola from the board's left edge", {}, {conic(Parabola, {"-9.5", "0", "2"})},
            {"顶点 (−19/2, 0)", "焦点 (−17/2, 0)"}},
        {"zeros where the domain ends", {custom([](double x) { return std::sqrt(3 - x * x); }, {{-1.78, 1.78}})}, {},
            {"零点 (−√3, 0) ≈ (−1.732, 0)", "零点 (√3, 0) ≈ (1.732, 0)", "与y轴交点、极大值点 (0, √3) ≈ (0, 1.732)"}},
        {"zero at one end only", {custom([](double x) { return std::sqrt(x - 1.0 / 3); }, {{0.3, 2}})}, {},
            {"零点 (1/3, 0)"}},
        {"x² + 1e-13 comes close but has no zero", {custom([](double x) { return x * x + 1e-13; })}, {},
            {"与y轴交点、顶点、极小值点 (0, 0)"}},
    };
    for (const auto& c : cases) {
        Labels labels;
        for (const SpecialPoint& p : specialPoints(c.functions, c.conics))
            labels.insert(p.label);
        EXPECT_EQ(labels, c.expected) << c.name;
    }
}

// The exact forms a school problem produces, and decimals kept where the user typed them.
TEST(SpecialPoints, LabelsInTheTextbooksForms)
{
    const struct {
        const char* name;
        FunctionCurve curve;
        PointKind kind;
        Labels expected;
    } cases[] = {
        {"quadratic formula", elementary(Quadratic, {"1", "-2", "-1"}), PointKind::Zero,
            {"零点 (1−√2, 0) ≈ (−0.4142, 0)", "零点 (1+√2, 0) ≈ (2.414, 0)"}},
        {"golden ratio", custom([](double x) { return x * x - x - 1; }), PointKind::Zero,
            {"零点 ((1−√5)/2, 0) ≈ (−0.618, 0)", "零点 ((1+√5)/2, 0) ≈ (1.618, 0)"}},
        {"eˣ − 2 vanishes at ln 2", custom([](double x) { return std::exp(x) - 2; }), PointKind::Zero,
            {"零点 (ln 2, 0) ≈ (0.6931, 0)"}},
        {"x·ln x is least at 1/e",
            custom([](double x) { return x > 0 ? x * std::log(x) : std::nan(""); }, {{0.01, 10}}), PointKind::Minimum,
            {"极小值点 (1/e, −1/e) ≈ (0.3679, −0.3679)"}},
        {"typed decimals stay decimals", elementary(Line, {"0.5", "-4.5"}), PointKind::YIntercept,
            {"与y轴交点 (0, −4.5)"}},
        {"own quadratic has a vertex", custom([](double x) { return -(x - 1) * (x - 1) + 4; }), PointKind::Vertex,
            {"顶点、极大值点 (1, 4)"}},
        {"a cubic's extremum is no vertex", custom([](double x) { return x * x * x - 3 * x; }), PointKind::Vertex, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(labelsOf(specialPoints({c.curve}, {}), c.kind), c.expected) << c.name;
    ConicCurve ellipse = conic(Ellipse, {"0.1", "0", "3", "2"});
    ellipse.typedDecimals = true;
    EXPECT_EQ(labelsOf(specialPoints({}, {ellipse}), PointKind::Vertex),
        (Labels{"顶点 (−2.9, 0)", "顶点 (3.1, 0)", "顶点 (0.1, −2)", "顶点 (0.1, 2)"}));
}

TEST(DrawnIntervals, JoinsNeighbouringDotsAndSplitsAtGaps)
{
    std::vector<WorldPoint> dots;
    for (int i = 0; i <= 100; ++i)
        dots.push_back({i * 0.01, 0});
    for (int i = 100; i >= 0; --i) // a second run, right to left, beyond a gap
        dots.push_back({2 + i * 0.01, 0});
    for (int i = 0; i <= 50; ++i) // a run lying inside the first one
        dots.push_back({0.2 + i * 0.01, 5});
    const auto stretches = drawnIntervals(dots, 0.02);
    ASSERT_EQ(stretches.size(), 2u);
    EXPECT_NEAR(stretches[0].lo, -0.01, 1e-12);
    EXPECT_NEAR(stretches[0].hi, 1.01, 1e-12);
    EXPECT_NEAR(stretches[1].lo, 1.99, 1e-12);
    EXPECT_NEAR(stretches[1].hi, 3.01, 1e-12);
    EXPECT_TRUE(drawnIntervals(std::vector<WorldPoint>{}, 0.02).empty());
    // a connected piece covers its whole x range, however far apart its corners lie
    Drawing drawing;
    drawing.dots = {{-5, 0}};
    drawing.polylines = {Polyline{{{4, 5}, {-2, 5}, {9, 5}}}, Polyline{}};
    const auto withPieces = drawnIntervals(drawing, 0.02);
    ASSERT_EQ(withPieces.size(), 2u);
    EXPECT_NEAR(withPieces[1].lo, -2, 1e-12);
    EXPECT_NEAR(withPieces[1].hi, 9, 1e-12);
}

TEST(CurvesFromTexts, ReadAsThePlottersRead)
{
    EXPECT_FALSE(elementaryFunctionCurve(Logarithm, {"1"}).has_value()); // base 1 has no logarithm
    EXPECT_FALSE(elementaryFunctionCurve(Quadratic, {"1", "x", "0"}).has_value());
    EXPECT_FALSE(elementaryFunctionCurve(Ellipse, {"1", "1", "1"}).has_value());
    EXPECT_TRUE(elementaryFunctionCurve(Line, {"1", "2", "not read"}).has_value());
    EXPECT_FALSE(conicCurveOf(Parabola, {"0", "0", "0"}).has_value());
    EXPECT_FALSE(conicCurveOf(Line, {"0", "0", "1", "1"}).has_value());
    EXPECT_TRUE(conicCurveOf(Parabola, {"0", "0", "1", "junk"}).has_value()); // the parabola reads no b
    const auto tangent = elementaryFunctionCurve(Tangent, {"1", "1", "0"});
    ASSERT_TRUE(tangent.has_value());
    EXPECT_EQ(tangent->drawn.size(), 2u); // broken at the asymptote x = π/2
}

} // namespace
} // namespace curvana
