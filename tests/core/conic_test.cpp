#include <gtest/gtest.h>

#include <algorithm>

#include <cmath>

#include "core/curves/plot_points.h"
#include "curve_test_support.h"

namespace curvana {
namespace {

using testing::drawingOf;
using testing::expectedSamples;
using testing::problemOf;
using enum CurveFamily;

const FieldTexts kDefaults{"1", "1", "3", "2"};

// The dots of run `index` when a drawing is made of runs of known lengths.
std::vector<WorldPoint> runOf(const Drawing& drawing, std::size_t first, std::size_t count)
{
    return {drawing.dots.begin() + static_cast<long>(first), drawing.dots.begin() + static_cast<long>(first + count)};
}

bool ascendingX(const std::vector<WorldPoint>& run)
{
    return std::is_sorted(run.begin(), run.end(), [](const WorldPoint& l, const WorldPoint& r) { return l.x < r.x; });
}

TEST(ConicCurve, EllipseDrawsUpperThenLowerHalf)
{
    const Drawing drawing = drawingOf(conicCurve(Ellipse, kDefaults));
    const std::size_t half = drawing.dots.size() / 2;
    ASSERT_EQ(drawing.dots.size(), 2 * half);
    EXPECT_NEAR(static_cast<double>(half), expectedSamples(-2, 4), 1);
    const auto upper = runOf(drawing, 0, half);
    const auto lower = runOf(drawing, half, half);
    EXPECT_TRUE(ascendingX(upper) && ascendingX(lower));
    EXPECT_NEAR(upper.front().x, -2, 1e-6);
    for (std::size_t i = 0; i < half; ++i) {
        ASSERT_GE(upper[i].y, 1 - 1e-6);
        ASSERT_LE(lower[i].y, 1 + 1e-6);
        const double dx = (upper[i].x - 1) / 3, dy = (upper[i].y - 1) / 2;
        ASSERT_NEAR(dx * dx + dy * dy, 1, 1e-5);
    }
    EXPECT_EQ(drawing.captions, (std::vector<Caption>{{{4, 9}, "椭圆曲线"}}));
}

// A negative a is taken for its length; a negative b draws the same dots, but n + b*root comes
// first, so the lower half is drawn (and revealed) before the upper one.
TEST(ConicCurve, NegativeHalfAxesDrawTheSameCurveInTheirOrder)
{
    for (const CurveFamily option : {Ellipse, Hyperbola}) {
        SCOPED_TRACE(option);
        const Drawing plain = drawingOf(conicCurve(option, kDefaults));
        const Drawing negativeA = drawingOf(conicCurve(option, {"1", "1", "-3", "2"}));
        EXPECT_EQ(negativeA.dots, plain.dots);
        const Drawing negativeB = drawingOf(conicCurve(option, {"1", "1", "3", "-2"}));
        EXPECT_EQ(negativeB.captions, plain.captions);
        auto sortedDots = [](std::vector<WorldPoint> dots) {
            std::sort(
                dots.begin(), dots.end(), [](auto p, auto q) { return std::pair(p.x, p.y) < std::pair(q.x, q.y); });
            return dots;
        };
        EXPECT_EQ(sortedDots(negativeB.dots), sortedDots(plain.dots));
        ASSERT_FALSE(negativeB.dots.empty());
        const std::size_t mid = negativeB.dots.size() / 4; // inside the first run of dots
        EXPECT_LT(negativeB.dots[mid].y, 1) << "lower half first";
        EXPECT_GT(plain.dots[mid].y, 1) << "upper half first";
    }
}

// From a far start the visible stretch is still drawn whole, at the run's own step.
TEST(ConicCurve, HugeEllipseDrawsBothSidesOfTheBoard)
{
    const Drawing drawing = drawingOf(conicCurve(Ellipse, {"0", "0", "1e20", "5"}));
    ASSERT_FALSE(drawing.dots.empty());
    const auto [left, right]
        = std::minmax_element(drawing.dots.begin(), drawing.dots.end(), [](auto p, auto q) { return p.x < q.x; });
    EXPECT_LT(left->x, -10);
    EXPECT_GT(right->x, 10);
}

TEST(ConicCurve, HyperbolaDrawsFourRunsBetweenTheFixedBounds)
{
    const Drawing drawing = drawingOf(conicCurve(Hyperbola, kDefaults));
    const auto left = static_cast<std::size_t>(expectedSamples(-9, -2));
    const auto right = static_cast<std::size_t>(expectedSamples(4, 9));
    ASSERT_NEAR(static_cast<double>(drawing.dots.size()), 2.0 * (left + right), 4);
    const auto leftUpper = runOf(drawing, 0, left);
    const auto rightLower = runOf(drawing, drawing.dots.size() - right, right);
    EXPECT_NEAR(leftUpper.front().x, -9, 1e-6);
    EXPECT_LE(leftUpper.back().x, -2);
    EXPECT_GE(rightLower.front().x, 4 - 1e-6);
    EXPECT_LE(rightLower.back().x, 9);
    for (const auto* run : {&leftUpper, &rightLower})
        EXPECT_TRUE(ascendingX(*run));
    for (const WorldPoint& p : leftUpper)
        ASSERT_GE(p.y, 1 - 1e-6);
    for (const WorldPoint& p : rightLower)
        ASSERT_LE(p.y, 1 + 1e-6);
    for (const WorldPoint& p : drawing.dots) {
        const double dx = (p.x - 1) / 3, dy = (p.y - 1) / 2;
        ASSERT_NEAR(dx * dx - dy * dy, 1, 1e-4 * dx * dx);
    }
    EXPECT_EQ(drawing.captions, (std::vector<Caption>{{{4, 9}, "双曲线"}}));
}

TEST(ConicCurve, ParabolaOpensTowardsTheSignOfA)
{
    struct Row {
        FieldTexts texts;
        double from;
        double to;
        WorldPoint vertex;
    };
    const Row rows[] = {
        {{"1", "1", "3", "2"}, 1, 9, {1, 1}}, {{"1", "1", "-3", "2"}, -9, 1, {1, 1}},
        {{"0", "2", "1", "abc"}, 0, 9, {0, 2}}, // the parabola never reads b
    };
    for (const auto& row : rows) {
        const Drawing drawing = drawingOf(conicCurve(Parabola, row.texts));
        const double a = std::stod(row.texts[2]);
        const double half = expectedSamples(row.from, row.to);
        EXPECT_NEAR(static_cast<double>(drawing.dots.size()), 2 * half, 2);
        for (const WorldPoint& p : drawing.dots) {
            ASSERT_GE(p.x, std::min(row.from, row.vertex.x) - 1e-6);
            ASSERT_LE(p.x, std::max(row.to, row.vertex.x) + 1e-6);
            const double dy = p.y - row.vertex.y;
            ASSERT_NEAR(dy * dy, 2 * a * (p.x - row.vertex.x), 1e-4 * (1 + dy * dy));
        }
        EXPECT_EQ(drawing.captions, (std::vector<Caption>{{{4, 9}, "抛物线"}}));
    }
    // Both halves start at the vertex when it opens to the right.
    const Drawing right = drawingOf(conicCurve(Parabola, kDefaults));
    EXPECT_EQ(right.dots.front(), (WorldPoint{1, 1}));
    EXPECT_EQ(right.dots[right.dots.size() / 2], (WorldPoint{1, 1}));
}

TEST(ConicCurve, CircleIsTheSurfacesOwnCircle)
{
    const Drawing drawing = drawingOf(conicCurve(Circle, {"1", "1", "3", "not read"}));
    EXPECT_TRUE(drawing.dots.empty());
    ASSERT_EQ(drawing.circles.size(), 1u);
    EXPECT_EQ(drawing.circles.front(), (CircleSpec{{1, 1}, 3, {}, {}, {}}));
    EXPECT_EQ(drawing.captions, (std::vector<Caption>{{{-2, 5}, "圆"}}));

    const Drawing negative = drawingOf(conicCurve(Circle, {"0.1", "-2", "-2.5"}));
    ASSERT_EQ(negative.circles.size(), 1u);
    EXPECT_EQ(negative.circles.front().radius, 2.5);
    EXPECT_EQ(negative.circles.front().centre, (WorldPoint{testing::single(0.1), -2}));
}

TEST(ConicCurve, ZeroAGivesAMessageAndNothingElse)
{
    for (const CurveFamily option : {Ellipse, Hyperbola, Parabola, Circle}) {
        const InputProblem problem = problemOf(conicCurve(option, {"1", "1", "0", "2"}));
        EXPECT_EQ(problem.field, 2) << option;
        EXPECT_EQ(problem.message, "“a=”后面的数不能为0，请填写一个不为0的数。");
    }
}

TEST(ConicCurve, TextThatIsNoNumberNamesItsBox)
{
    struct Row {
        CurveFamily option;
        FieldTexts texts;
        int field;
        const char* message;
    };
    const Row rows[] = {
        {Ellipse, {"x", "1", "3", "2"}, 0, "请在“m=”后面填写一个数。"},
        {Ellipse, {"1", "1", "3", ""}, 3, "请在“b=”后面填写一个数。"},
        {Hyperbola, {"1", "y", "z", "2"}, 1, "请在“n=”后面填写一个数。"},
        {Parabola, {"1", "1", "三"}, 2, "请在“a=”后面填写一个数。"},
        // m is held in single precision everywhere, the circle's n and a as well.
        {Ellipse, {"1e39", "1", "3", "2"}, 0, "请在“m=”后面填写一个小一些的数。"},
        {Circle, {"1", "1e39", "3"}, 1, "请在“n=”后面填写一个小一些的数。"},
        {Hyperbola, {"1", "1", "1e400", "2"}, 2, "请在“a=”后面填写一个小一些的数。"},
    };
    for (const auto& row : rows) {
        const InputProblem problem = problemOf(conicCurve(row.option, row.texts));
        EXPECT_EQ(problem.field, row.field) << row.option;
        EXPECT_EQ(problem.message, row.message) << row.option;
    }
    // n, a and b of the sampled curves are double precision.
    EXPECT_TRUE(testing::allDotsFinite(drawingOf(conicCurve(Ellipse, {"1", "1e39", "3", "2"}))));
    EXPECT_TRUE(drawingOf(conicCurve(Line, kDefaults)).captions.empty());
}

TEST(ConicCurve, RoundingAtTheEndOfARangeLosesNoPoint)
{
    EXPECT_EQ(rootOrNoValue(-1e-13, 1), 0);
    EXPECT_EQ(rootOrNoValue(4, 1), 2);
    EXPECT_TRUE(std::isnan(rootOrNoValue(-1e-6, 1)));
    // Every sample inside the ellipse's own range has a value, however m and a round.
    const FieldTexts awkward[] = {{"0.1", "0", "0.3", "1"}, {"-3.7", "0.2", "1.3", "2"}, {"2.9", "1", "0.7", "5"}};
    for (const FieldTexts& texts : awkward) {
        const double m = testing::single(std::stod(texts[0]));
        const double a = std::stod(texts[2]);
        const std::size_t samples = sampleRange(m - a, m + a, [](double) {});
        EXPECT_EQ(drawingOf(conicCurve(Ellipse, texts)).dots.size(), 2 * samples) << texts[0];
    }
}

TEST(ConicCurve, HugeAndTinyParametersStayBounded)
{
    const std::pair<CurveFamily, FieldTexts> rows[] = {
        {Ellipse, {"1", "1", "1e300", "2"}},
        {Ellipse, {"1", "1", "1e-300", "2"}},
        {Ellipse, {"3e38", "1", "3", "1e300"}},
        {Hyperbola, {"3e38", "1", "3", "2"}},
        {Hyperbola, {"-3e38", "1", "1e-300", "1e300"}},
        {Hyperbola, {"1", "1", "1e200", "2"}},
        {Parabola, {"-3e38", "1", "1e300"}},
        {Parabola, {"1", "1", "1e-300"}},
    };
    for (const auto& [option, texts] : rows) {
        const Drawing drawing = drawingOf(conicCurve(option, texts));
        EXPECT_LE(static_cast<double>(drawing.dots.size()), 4 * testing::kMostVisibleSamples) << option;
        EXPECT_TRUE(testing::allDotsFinite(drawing)) << option << " " << texts[2];
    }
}

} // namespace
} // namespace curvana
