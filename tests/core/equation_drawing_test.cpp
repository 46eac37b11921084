#include "core/equations/equation_drawing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace curvana {
namespace {

const PixelScale kScale;
// Generous for unoptimised test builds; the default quarter second is for the program.
WorkDeadline patient() { return WorkDeadline(std::chrono::seconds(5)); }

TEST(EquationDrawing, TheLinearProgrammingLessonEndToEnd)
{
    const auto result = inequalityPicture("x+y≤4，x−y≥−2，y≥0", "x+2y", {}, PlotArea{}, kScale, patient());
    ASSERT_TRUE(std::holds_alternative<InequalityPicture>(result)) << std::get<EquationProblem>(result).problem.message;
    const InequalityPicture& picture = std::get<InequalityPicture>(result);
    EXPECT_TRUE(picture.linear);
    EXPECT_EQ(picture.corners.size(), 3u);
    EXPECT_EQ(picture.maximum->text, "最大值 z = 7，在 (1, 3)");
    EXPECT_EQ(picture.minimum->text, "最小值 z = −2，在 (−2, 0)");
    // The dashed level lines x + 2y = 7 and x + 2y = −2 pass through the optimal corners.
    ASSERT_EQ(picture.levelLines.size(), 2u);
    const double levels[2] = {7, -2};
    for (int k = 0; k < 2; ++k) {
        const Polyline& line = picture.levelLines[static_cast<std::size_t>(k)];
        EXPECT_EQ(line.style, LineStyle::Dashed);
        for (const WorldPoint& end : line.points) {
            EXPECT_NEAR(end.x + 2 * end.y, levels[k], 1e-9);
            EXPECT_LE(std::fabs(end.x), 10 + 1e-9);
            EXPECT_LE(std::fabs(end.y), 10 + 1e-9);
        }
    }
}

// The objective's letters take their values as the inequalities' do: z = a x + 2y turns with a.
TEST(EquationDrawing, TheObjectiveTakesItsParametersValues)
{
    const std::pair<FormulaParameters, std::string> cases[] = {
        {{}, "最大值 z = 4，在 (0, 2)"}, // a = c = 1
        {{{"a", 3}}, "最大值 z = 6，在 (2, 0)"},
        {{{"a", 3}, {"c", 2}}, "最大值 z = 12，在 (4, 0)"},
    };
    for (const auto& [values, maximum] : cases) {
        const auto result = inequalityPicture("x+y≤c·2，x−y≥−2，y≥0", "a x+2y", values, PlotArea{}, kScale, patient());
        ASSERT_TRUE(std::holds_alternative<InequalityPicture>(result)) << maximum;
        EXPECT_EQ(std::get<InequalityPicture>(result).maximum->text, maximum);
    }
}

TEST(EquationDrawing, EachMistakeNamesItsBox)
{
    const auto badObjective = inequalityPicture("y>x²", "x+y", {}, PlotArea{}, kScale, patient());
    EXPECT_EQ(std::get<EquationProblem>(badObjective).box, kObjectiveBox);
    const auto badInequality = inequalityPicture("y>", "", {}, PlotArea{}, kScale, patient());
    EXPECT_EQ(std::get<EquationProblem>(badInequality).problem.message, "“不等式”框第2个字符处：“>”后面缺少内容。");
    const auto slow = equationPicture("sin(100xy)=0", {}, PlotArea{}, kScale, WorkDeadline());
    ASSERT_TRUE(std::holds_alternative<EquationProblem>(slow));
    EXPECT_EQ(std::get<EquationProblem>(slow).problem.message.rfind(kEquationBox, 0), 0u);
}

TEST(EquationDrawing, AConicEquationComesWithItsFacts)
{
    const auto result = equationPicture("x²/25+y²/9=1", {}, PlotArea{}, kScale, patient());
    const EquationPicture& picture = std::get<EquationPicture>(result);
    EXPECT_FALSE(picture.pieces.empty());
    ASSERT_TRUE(picture.conic.has_value());
    EXPECT_EQ(picture.conic->foci.front().text(), "(4, 0)");
    EXPECT_FALSE(std::get<EquationPicture>(equationPicture("y=sin x", {}, PlotArea{}, kScale, patient())).conic);
}

} // namespace
} // namespace curvana
