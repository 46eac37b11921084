#include "core/equations/linear_program.h"

#include <gtest/gtest.h>

namespace curvana {
namespace {

std::vector<LinearConstraint> constraintsOf(const std::string& text)
{
    auto parsed = parseInequalities(text, "“不等式”框");
    if (const auto* problem = std::get_if<TextProblem>(&parsed)) {
        ADD_FAILURE() << problem->message;
        return {};
    }
    const auto constraints = linearConstraints(std::get<std::vector<Relation>>(parsed));
    EXPECT_TRUE(constraints.has_value()) << text;
    return constraints.value_or(std::vector<LinearConstraint>{});
}

LinearObjective objectiveOf(const std::string& text)
{
    return std::get<LinearObjective>(parseObjective(text, "“目标函数 z =”框"));
}

TEST(LinearProgram, TheTextbookExampleHasExactCornersAndOptimum)
{
    const auto constraints = constraintsOf("x + y ≤ 4，x − y >= −2，y≥0");
    const LinearRegion region = linearRegion(constraints);
    ASSERT_FALSE(region.empty);
    std::vector<std::string> corners;
    for (const ExactPoint& p : region.corners)
        corners.push_back(p.text());
    std::sort(corners.begin(), corners.end());
    EXPECT_EQ(corners, (std::vector<std::string>{"(1, 3)", "(4, 0)", "(−2, 0)"}));
    const LinearObjective z = objectiveOf("x+2y");
    EXPECT_EQ(maximumOf(z, constraints).text, "最大值 z = 7，在 (1, 3)");
    EXPECT_EQ(minimumOf(z, constraints).text, "最小值 z = −2，在 (−2, 0)");
}

TEST(LinearProgram, UnboundedEmptyFractionalAndOpenRegions)
{
    struct Case {
        std::string inequalities;
        std::string objective;
        std::string maximum;
        std::string minimum;
    };
    const std::vector<Case> cases = {
        // Unbounded up and to the right: z grows without end, its minimum is at the corner.
        {"x≥0且y≥0且x+y≥2", "z = x + y", "没有最大值", "最小值 z = 2，在 (2, 0) 与 (0, 2) 之间的边上"},
        {"x≥1，x≤0", "x", "可行域是空的，没有最大值", "可行域是空的，没有最小值"},
        {"y≤x，y≥x+1", "y", "可行域是空的，没有最大值", "可行域是空的，没有最小值"},
        {"x+y≤−1，x≥0，y≥0", "x", "可行域是空的，没有最大值", "可行域是空的，没有最小值"},
        {"x+y<1，x+y>1，x≥0，y≥0", "x", "可行域是空的，没有最大值", "可行域是空的，没有最小值"},
        {"y≥0", "x+y", "没有最大值", "没有最小值"},
        {"0≤y<1", "2y+1", "没有最大值（z 无限接近 3，但取不到）", "最小值 z = 1，在一整条边界直线上取到"},
        {"x−y≤2，y−x≤3", "y−x", "最大值 z = 3，在一整条边界直线上取到", "最小值 z = −2，在一整条边界直线上取到"},
        {"3x+3y≤1，x≥0，y≥0", "2x+y", "最大值 z = 2/3，在 (1/3, 0)", "最小值 z = 0，在 (0, 0)"},
        // Dashed boundaries: the value is approached but not reached.
        {"x<1，x>0，y>0，y<1", "x+y", "没有最大值（z 无限接近 2，但取不到）", "没有最小值（z 无限接近 0，但取不到）"},
        {"0≤x≤2，0≤y≤1", "x−y+1", "最大值 z = 3，在 (2, 0)", "最小值 z = 0，在 (0, 1)"},
    };
    for (const Case& c : cases) {
        const auto constraints = constraintsOf(c.inequalities);
        const LinearObjective z = objectiveOf(c.objective);
        EXPECT_EQ(maximumOf(z, constraints).text, c.maximum) << c.inequalities;
        EXPECT_EQ(minimumOf(z, constraints).text, c.minimum) << c.inequalities;
    }
}

TEST(LinearProgram, NonLinearSystemsAndBadObjectivesAreRefused)
{
    auto parsed = parseInequalities("y>x²", "“不等式”框");
    EXPECT_FALSE(linearConstraints(std::get<std::vector<Relation>>(parsed)).has_value());
    const auto bad = parseObjective("x*y", "“目标函数 z =”框");
    ASSERT_TRUE(std::holds_alternative<TextProblem>(bad));
    EXPECT_EQ(std::get<TextProblem>(bad).message, "“目标函数 z =”框目标函数要写成 ax+by 的形式，如 x+2y。");
}

} // namespace
} // namespace curvana
