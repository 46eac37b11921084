#include <gtest/gtest.h>

#include <cmath>

#include "core/curves/curves.h"

namespace curvana {
namespace {

TEST(WelcomeShow, StepsRunInGroupsWithTheirColours)
{
    struct Expected {
        bool clears;
        int curve;
        Rgb colour;
    };
    const Rgb yellow = rgb(255, 255, 0), cyan = rgb(0, 255, 255), magenta = rgb(255, 0, 255);
    const Expected expected[] = {
        {false, 1, kBlack},
        {false, 2, kBlack},
        {true, 0, 0},
        {false, 3, kRed},
        {true, 0, 0},
        {false, 4, yellow},
        {false, 5, cyan},
        {true, 0, 0},
        {false, 6, cyan},
        {false, 7, kRed},
        {true, 0, 0},
        {false, 8, kBlue},
        {false, 9, kBlue},
        {false, 10, kBlack},
        {false, 11, kRed},
        {true, 0, 0},
        {false, 12, cyan},
        {false, 13, kRed},
        {true, 0, 0},
        {false, 14, magenta},
        {false, 15, kRed},
    };
    const auto& steps = welcomeShowSteps();
    ASSERT_EQ(steps.size(), std::size(expected));
    for (std::size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].clearsAxes, expected[i].clears) << i;
        if (!expected[i].clears) {
            EXPECT_EQ(steps[i].curve, expected[i].curve) << i;
            EXPECT_EQ(steps[i].colour, expected[i].colour) << i;
        }
    }
}

TEST(WelcomeShow, FifteenCurvesOfFixedLengthMake229185Dots)
{
    std::size_t total = 0;
    for (const ShowStep& step : welcomeShowSteps())
        if (!step.clearsAxes)
            total += welcomeShowCurve(step.curve).size();
    EXPECT_EQ(total, 229185u);
    EXPECT_TRUE(welcomeShowCurve(0).empty());
    EXPECT_TRUE(welcomeShowCurve(16).empty());
}

TEST(WelcomeShow, CurvesStartWhereTheirFormulasSay)
{
    const std::pair<int, WorldPoint> starts[] = {
        {1, {4, 0}},
        {2, {-4, 0}},
        {3, {4, 0}},
        {4, {5, 0}},
        {7, {8, 0}},
        {8, {8, 0}},
        {9, {-8, 0}},
        {10, {6, 0}},
        {11, {-6, 0}},
        {13, {-2.5, 0}},
        {14, {4, 0}},
        {15, {std::sqrt(32.0), 0}},
    };
    for (const auto& [curve, start] : starts) {
        const auto dots = welcomeShowCurve(curve);
        ASSERT_EQ(dots.size(), 15279u);
        EXPECT_NEAR(dots.front().x, start.x, 1e-6) << curve;
        EXPECT_NEAR(dots.front().y, start.y, 1e-6) << curve;
    }
}

TEST(WelcomeShow, ShapesAreTheOnesDescribed)
{
    // Steps 1 and 2: circles of radius 2 about (2, 0) and (-2, 0).
    for (const auto& [curve, centre] : {std::pair{1, 2.0}, std::pair{2, -2.0}})
        for (const WorldPoint& p : welcomeShowCurve(curve))
            ASSERT_NEAR(std::hypot(p.x - centre, p.y), 2, 1e-5);
    // Step 15: four lobes, so it reaches sqrt(32) up the y axis as well.
    double highest = 0;
    for (const WorldPoint& p : welcomeShowCurve(15))
        highest = std::max(highest, p.y);
    EXPECT_NEAR(highest, std::sqrt(32.0), 1e-3);
    // Step 14: the astroid's points satisfy |x|^(2/3) + |y|^(2/3) = 4^(2/3).
    for (const WorldPoint& p : welcomeShowCurve(14))
        ASSERT_NEAR(std::cbrt(p.x * p.x) + std::cbrt(p.y * p.y), std::cbrt(16.0), 1e-4);
}

} // namespace
} // namespace curvana
