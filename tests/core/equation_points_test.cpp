// The rings 显示特殊点 puts on equations and inequalities: exact conic points, region corners and
// crossings of a line with a conic, labelled as the textbook writes them.
#include "core/points/equation_points.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/points/board_curves.h"

namespace curvana {
namespace {

FormulaAction formula(FormulaKind kind, std::string text)
{
    FormulaAction action;
    action.kind = kind;
    action.first = std::move(text);
    return action;
}

std::vector<std::string> labelsOf(const std::vector<BoardAction>& actions)
{
    const auto [functions, conics] = curvesOnBoard(actions);
    std::vector<std::string> labels;
    for (const SpecialPoint& point : boardPoints(functions, conics, exactPointsOnBoard(actions)).points)
        labels.push_back(point.label);
    return labels;
}

bool has(const std::vector<std::string>& labels, const std::string& label)
{
    return std::find(labels.begin(), labels.end(), label) != labels.end();
}

struct PointsCase {
    std::vector<BoardAction> actions;
    std::vector<std::string> expected;
    std::vector<std::string> absent;
};

// The points follow the sliders: they are those of the values the action holds.
TEST(EquationPoints, LettersTakeTheValuesOfTheirSliders)
{
    const auto with = [](FormulaKind kind, std::string text, FormulaParameters values) {
        FormulaAction action = formula(kind, std::move(text));
        action.parameters = std::move(values);
        return BoardAction(action);
    };
    const PointsCase cases[] = {
        {{with(FormulaKind::Equation, "x²/a²+y²/b²=1", {{"a", 5}, {"b", 3}})}, {"焦点 (4, 0)", "顶点 (0, −3)"},
            {"焦点 (0, 0)"}},
        {{with(FormulaKind::Equation, "(x−h)²+(y−k)²=r²", {{"h", 1}, {"k", -2}, {"r", 3}})}, {"圆心 (1, −2)"}, {}},
        {{with(FormulaKind::Inequality, "x+y≤c，x≥0，y≥0", {{"c", 3}})}, {"可行域顶点 (3, 0)", "可行域顶点 (0, 3)"},
            {"可行域顶点 (1, 0)"}},
    };
    for (const PointsCase& c : cases) {
        const std::vector<std::string> labels = labelsOf(c.actions);
        for (const std::string& label : c.expected)
            EXPECT_TRUE(has(labels, label)) << label;
        for (const std::string& label : c.absent)
            EXPECT_FALSE(has(labels, label)) << label;
    }
}

TEST(EquationPoints, ConicsCornersAndCrossingsAreRingedExactly)
{
    const PointsCase cases[] = {
        {{formula(FormulaKind::Equation, "x²/25+y²/9=1")},
            {"焦点 (4, 0)", "焦点 (−4, 0)", "顶点 (5, 0)", "顶点 (0, −3)", "中心 (0, 0)"}, {}},
        {{formula(FormulaKind::Equation, "(x−1)²+(y+2)²=9")}, {"圆心 (1, −2)"}, {}},
        {{formula(FormulaKind::Equation, "y²=4x")}, {"焦点 (1, 0)"}, {}},
        {{formula(FormulaKind::Equation, "x²+y²=4"), formula(FormulaKind::Function, "y = x")},
            {"交点 (√2, √2) ≈ (1.414, 1.414)", "交点 (−√2, −√2) ≈ (−1.414, −1.414)"}, {}},
        {{formula(FormulaKind::Equation, "x=2"), formula(FormulaKind::Equation, "2x+3y−6=0")}, {"交点 (2, 2/3)"}, {}},
        // A function that is no line meets a conic where number finds it.
        {{formula(FormulaKind::Function, "y = x² − 2"), formula(FormulaKind::Equation, "x²+y²=4")},
            {"交点 (0, −2)", "交点 (√3, 1) ≈ (1.732, 1)", "交点 (−√3, 1) ≈ (−1.732, 1)"}, {}},
        {{formula(FormulaKind::Inequality, "x+y≤4，x−y≥−2，y≥0")},
            {"可行域顶点 (1, 3)", "可行域顶点 (−2, 0)", "可行域顶点 (4, 0)"}, {}},
        // What a clear wiped has no rings, and two conics are not crossed exactly.
        {{formula(FormulaKind::Equation, "x²/25+y²/9=1"), ClearAction{}, formula(FormulaKind::Equation, "x²+y²=4"),
             formula(FormulaKind::Equation, "x²−y²=1")},
            {"中心、圆心 (0, 0)", "顶点 (1, 0)"}, {"焦点 (4, 0)", "顶点 (2, 0)"}},
    };
    for (const PointsCase& c : cases) {
        const std::vector<std::string> labels = labelsOf(c.actions);
        std::string all;
        for (const std::string& label : labels)
            all += label + "; ";
        for (const std::string& label : c.expected)
            EXPECT_TRUE(has(labels, label)) << label << " among " << all;
        for (const std::string& label : c.absent)
            EXPECT_FALSE(has(labels, label)) << label << " among " << all;
        for (const std::string& label : labels)
            EXPECT_EQ(label.find("交点 (±"), std::string::npos);
    }
}

} // namespace
} // namespace curvana
