// Which actions give the special-point search its curves.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/points/board_curves.h"

namespace curvana {
namespace {

const CurveAction kQuadratic{CurveWindow::Elementary, 2, {"1", "-2", "-3"}, "红"};
const CurveAction kLine{CurveWindow::Elementary, 1, {"1", "+2"}, "黑"};
const CurveAction kEllipse{CurveWindow::Conic, 1, {"1", "1", "3", "2"}, "蓝"};
const CurveAction kClassic{CurveWindow::Classic, 1, {"2"}, "绿"};
const CurveAction kRefusedQuadratic{CurveWindow::Elementary, 2, {"x", "-2", "-3"}, "红"};
const FigureAction kSegment{FigureKind::Line, {"0", "0", "1", "1"}, "黑"};
const StrokeAction kStroke{{StrokeRun{kBlack, {{0, 0}, {1, 1}}}}};
const FormulaAction kCubic{FormulaKind::Function, "x³−3x", "", "-10", "10", "红", 0};
const FormulaAction kPolarRose{FormulaKind::Polar, "4sin 2θ", "", "0", "2π", "蓝", 0};

struct BoardCase {
    const char* what;
    std::vector<BoardAction> actions;
    std::size_t functions;
    std::size_t conics;
};

TEST(BoardCurves, OnlyCurvesSinceTheLastClearCount)
{
    const BoardCase cases[] = {
        {"empty board", {}, 0, 0},
        {"a curve and a conic", {kQuadratic, kEllipse}, 1, 1},
        {"cleared", {kQuadratic, kEllipse, ClearAction{}}, 0, 0},
        {"drawn after two clears", {kQuadratic, ClearAction{}, kEllipse, ClearAction{}, kLine}, 1, 0},
        {"figures, strokes and classic curves have no points", {kSegment, kStroke, kClassic, kEllipse}, 0, 1},
        {"texts the plotter refuses", {kRefusedQuadratic, kLine}, 1, 0},
        {"own formulas y = f(x) only", {kCubic, kPolarRose}, 1, 0},
    };
    for (const BoardCase& c : cases) {
        const auto [functions, conics] = curvesOnBoard(c.actions);
        EXPECT_EQ(functions.size(), c.functions) << c.what;
        EXPECT_EQ(conics.size(), c.conics) << c.what;
    }
}

TEST(BoardCurves, CurvesAreTheOnesTheActionsDrew)
{
    const auto [functions, conics] = curvesOnBoard({kLine, kQuadratic, kEllipse});
    ASSERT_EQ(functions.size(), 2u);
    EXPECT_DOUBLE_EQ(functions[0].f(1), 3); // y = x + 2
    EXPECT_DOUBLE_EQ(functions[1].f(2), -3); // y = x² − 2x − 3
    ASSERT_FALSE(functions[1].drawn.empty());
    EXPECT_LT(functions[1].drawn.front().lo, -1) << "drawn where the plotter drew it, zeros included";
    EXPECT_GT(functions[1].drawn.back().hi, 3);
    ASSERT_EQ(conics.size(), 1u);
    EXPECT_EQ(conics[0].family, CurveFamily::Ellipse);
    EXPECT_DOUBLE_EQ(conics[0].a, 3);
    EXPECT_DOUBLE_EQ(conics[0].b, 2);
    // The curves work on after the actions are gone: the search may run on them anywhere.
    const auto points = specialPoints(functions, conics);
    EXPECT_FALSE(points.empty());
}

// An own formula's points are found on the formula, exactly: y = x³ − 3x has its extrema at ±1.
TEST(BoardCurves, OwnFormulasHaveTheirPoints)
{
    const auto [functions, conics] = curvesOnBoard({kCubic});
    const auto points = specialPoints(functions, conics);
    std::vector<std::string> labels;
    for (const SpecialPoint& p : points)
        labels.push_back(p.label);
    for (const char* expected : {"极大值点 (−1, 2)", "极小值点 (1, −2)", "零点 (√3, 0) ≈ (1.732, 0)"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), expected), labels.end()) << expected;
}

// What the user typed as decimals comes back as decimals, from every window.
TEST(BoardCurves, TypedDecimalsStayDecimals)
{
    const std::vector<BoardAction> actions{CurveAction{CurveWindow::Conic, 1, {"0.1", "0", "3", "2"}, "蓝"},
        FormulaAction{FormulaKind::Function, "0.5x−4.5", "", "-10", "10", "红", 0}, kQuadratic};
    const auto [functions, conics] = curvesOnBoard(actions);
    std::vector<std::string> labels;
    for (const SpecialPoint& p : specialPoints(functions, conics))
        labels.push_back(p.label);
    for (const char* expected :
        {"顶点 (−2.9, 0)", "顶点 (0.1, 2)", "与y轴交点 (0, −4.5)", "零点 (9, 0)", "零点 (−1, 0)"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), expected), labels.end()) << expected;
}

} // namespace
} // namespace curvana
