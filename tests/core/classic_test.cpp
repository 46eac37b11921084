#include <gtest/gtest.h>

#include <cmath>

#include "curve_test_support.h"

namespace curvana {
namespace {

using testing::drawingOf;
using testing::problemOf;
using enum CurveFamily;

bool hasDotNear(const Drawing& drawing, WorldPoint target, double tolerance)
{
    return std::any_of(drawing.dots.begin(), drawing.dots.end(),
        [&](const WorldPoint& p) { return std::hypot(p.x - target.x, p.y - target.y) < tolerance; });
}

double farthestFromOrigin(const Drawing& drawing)
{
    double farthest = 0;
    for (const WorldPoint& p : drawing.dots)
        farthest = std::max(farthest, std::hypot(p.x, p.y));
    return farthest;
}

struct ClassicCase {
    CurveFamily option;
    WorldPoint first;
    WorldPoint last;
    std::vector<Caption> captions;
};

TEST(ClassicCurve, EveryCurveMakesTheFixedPassesFromItsStartToItsEnd)
{
    const double lastT = 15278 * kSampleStep; // about 7.99954
    const ClassicCase rows[] = {
        {Involute, {1, 0}, {std::cos(lastT) + lastT * std::sin(lastT), std::sin(lastT) - lastT * std::cos(lastT)},
            {{{-2, 3}, "圆的渐开线"}}},
        {Cycloid, {0, 0}, {lastT - std::sin(lastT), 1 - std::cos(lastT)}, {{{4, 5}, "旋轮线"}}},
        {Cardioid, {2, 0}, {(1 + std::cos(lastT)) * std::cos(lastT), (1 + std::cos(lastT)) * std::sin(lastT)},
            {{{4, 6}, "心脏线"}}},
        {ThreeLeafRose, {1, 0}, {std::cos(3 * lastT) * std::cos(lastT), std::cos(3 * lastT) * std::sin(lastT)},
            {{{6, 4}, "三叶玫瑰线"}}},
        {Astroid, {1, 0}, {std::pow(std::cos(lastT), 3), std::pow(std::sin(lastT), 3)}, {{{-6, 6}, "四尖点星形线"}}},
        {Lemniscate, {std::sqrt(2.0), 0},
            {std::sqrt(2 * std::fabs(std::cos(2 * lastT))) * std::cos(lastT),
                std::sqrt(2 * std::fabs(std::cos(2 * lastT))) * std::sin(lastT)},
            {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.option);
        const Drawing drawing = drawingOf(classicCurve(row.option, {"1"}));
        ASSERT_EQ(drawing.dots.size(), 15279u);
        EXPECT_NEAR(drawing.dots.front().x, row.first.x, 1e-6);
        EXPECT_NEAR(drawing.dots.front().y, row.first.y, 1e-6);
        EXPECT_NEAR(drawing.dots.back().x, row.last.x, 1e-5);
        EXPECT_NEAR(drawing.dots.back().y, row.last.y, 1e-5);
        EXPECT_EQ(drawing.captions, row.captions);
    }
}

TEST(ClassicCurve, ShapesReachTheirLandmarks)
{
    // The last pass stops just short of 8 radians.
    EXPECT_TRUE(hasDotNear(drawingOf(classicCurve(Involute, {"1"})), {7.769, 2.153}, 5e-3));
    const Drawing cycloid = drawingOf(classicCurve(Cycloid, {"1"}));
    EXPECT_TRUE(hasDotNear(cycloid, {kPlotPi, 2}, 1e-3));
    EXPECT_TRUE(hasDotNear(cycloid, {2 * kPlotPi, 0}, 1e-3));
    EXPECT_NEAR(cycloid.dots.back().x, 7.011, 1e-3);
    EXPECT_NEAR(cycloid.dots.back().y, 1.146, 1e-3);

    const Drawing rose = drawingOf(classicCurve(ThreeLeafRose, {"1"}));
    for (WorldPoint tip : {WorldPoint{1, 0}, WorldPoint{-0.5, 0.866}, WorldPoint{-0.5, -0.866}})
        EXPECT_TRUE(hasDotNear(rose, tip, 1e-3)) << tip.x << ", " << tip.y;
    EXPECT_LE(farthestFromOrigin(rose), 1 + 1e-6);

    const Drawing astroid = drawingOf(classicCurve(Astroid, {"1"}));
    for (WorldPoint cusp : {WorldPoint{1, 0}, WorldPoint{0, 1}, WorldPoint{-1, 0}, WorldPoint{0, -1}})
        EXPECT_TRUE(hasDotNear(astroid, cusp, 1e-3));

    const Drawing lemniscate = drawingOf(classicCurve(Lemniscate, {"1"}));
    for (WorldPoint tip :
        {WorldPoint{1.4142, 0}, WorldPoint{-1.4142, 0}, WorldPoint{0, 1.4142}, WorldPoint{0, -1.4142}})
        EXPECT_TRUE(hasDotNear(lemniscate, tip, 1e-3));
    EXPECT_NEAR(farthestFromOrigin(lemniscate), std::sqrt(2.0), 1e-6);

    const Drawing cardioid = drawingOf(classicCurve(Cardioid, {"1"}));
    EXPECT_TRUE(hasDotNear(cardioid, {0, 0}, 1e-3));
}

TEST(ClassicCurve, NegativeRReflectsThroughTheOriginExceptTheLemniscate)
{
    for (const CurveOption& choice : curveWindowEntry(CurveWindow::Classic).options) {
        const CurveFamily option = choice.family;
        const Drawing plain = drawingOf(classicCurve(option, {"1.5"}));
        const Drawing negative = drawingOf(classicCurve(option, {"-1.5"}));
        ASSERT_EQ(plain.dots.size(), negative.dots.size());
        const double sign = option == Lemniscate ? 1 : -1;
        for (std::size_t i = 0; i < plain.dots.size(); i += 101) {
            EXPECT_EQ(negative.dots[i].x, sign * plain.dots[i].x) << option;
            EXPECT_EQ(negative.dots[i].y, sign * plain.dots[i].y) << option;
        }
    }
}

TEST(ClassicCurve, ZeroRPutsEveryDotAtTheOriginAndStillNamesTheCurve)
{
    const Drawing drawing = drawingOf(classicCurve(Involute, {"0"}));
    ASSERT_EQ(drawing.dots.size(), 15279u);
    for (const WorldPoint& p : drawing.dots)
        ASSERT_EQ(std::hypot(p.x, p.y), 0);
    EXPECT_EQ(drawing.captions.size(), 1u);
}

TEST(ClassicCurve, RIsHeldInSinglePrecision)
{
    const Drawing drawing = drawingOf(classicCurve(Involute, {"0.1"}));
    EXPECT_EQ(drawing.dots.front().x, testing::single(static_cast<double>(0.1f)));
}

TEST(ClassicCurve, BadOrHugeRIsHandled)
{
    const std::pair<const char*, const char*> rows[] = {
        {"abc", "请在“R=”后面填写一个数。"},
        {"", "请在“R=”后面填写一个数。"},
        {"1e39", "请在“R=”后面填写一个小一些的数。"},
    };
    for (const auto& [text, message] : rows) {
        const InputProblem problem = problemOf(classicCurve(Cardioid, {text}));
        EXPECT_EQ(problem.field, 0);
        EXPECT_EQ(problem.message, message);
    }
    // Points beyond single precision are dropped; the rest of the curve stays.
    const Drawing huge = drawingOf(classicCurve(Involute, {"3e38"}));
    EXPECT_TRUE(testing::allDotsFinite(huge));
    EXPECT_FALSE(huge.dots.empty());
    EXPECT_LT(huge.dots.size(), 15279u);
    EXPECT_TRUE(drawingOf(classicCurve(Sine, {"1"})).dots.empty());
}

} // namespace
} // namespace curvana
