// Special points searched in the board's current view rather than on the designed board.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/points/board_curves.h"
#include "core/points/equation_points.h"

namespace curvana {
namespace {

using Labels = std::vector<std::string>;

FormulaAction function(const std::string& formula, const std::string& from = "-100", const std::string& to = "100")
{
    return FormulaAction{FormulaKind::Function, formula, "", from, to, "红", 0};
}

ViewWindow viewOf(double xFrom, double xTo, double yFrom, double yTo)
{
    return ViewWindow::make(xFrom, xTo, yFrom, yTo).value();
}

BoardPoints pointsIn(const std::vector<BoardAction>& actions, const ViewWindow& view)
{
    const auto [functions, conics] = curvesOnBoard(actions, view);
    return boardPoints(functions, conics, exactPointsOnBoard(actions, view), view);
}

Labels labelsIn(const std::vector<BoardAction>& actions, const ViewWindow& view)
{
    Labels labels;
    for (const SpecialPoint& point : pointsIn(actions, view).points)
        labels.push_back(point.label);
    std::sort(labels.begin(), labels.end());
    return labels;
}

// The designed view passed on purpose gives what the search without a view gives.
TEST(ViewPoints, TheDesignedViewFindsWhatTheBoardAlwaysFound)
{
    const std::vector<BoardAction> board{function("x²−0.01"), function("x³−3x"),
        CurveAction{CurveWindow::Elementary, 2, {"1", "-2", "-3"}, "红"},
        CurveAction{CurveWindow::Conic, 1, {"1", "1", "3", "2"}, "蓝"}};
    const auto [functions, conics] = curvesOnBoard(board);
    const BoardPoints before = boardPoints(functions, conics, exactPointsOnBoard(board));
    const BoardPoints designed = pointsIn(board, ViewWindow());
    ASSERT_EQ(designed.points.size(), before.points.size());
    EXPECT_EQ(designed.omitted, before.omitted);
    for (std::size_t i = 0; i < before.points.size(); ++i)
        EXPECT_EQ(designed.points[i].label, before.points[i].label);
}

struct ViewCase {
    const char* what;
    std::vector<BoardAction> actions;
    ViewWindow view;
    Labels expected;
};

TEST(ViewPoints, TheViewDecidesWhatIsSoughtAndHowFinely)
{
    const ViewWindow designed;
    const ViewCase cases[] = {
        // On the designed board the two zeros are closer than a ring's width: one ring is kept.
        {"x² − 0.01 zoomed in", {function("x²−0.01")}, viewOf(-0.5, 0.5, -0.5, 0.5),
            {"与y轴交点、顶点、极小值点 (0, −0.01)", "零点 (0.1, 0)", "零点 (−0.1, 0)"}},
        {"a zero beyond the designed board, shown", {function("x−30")}, viewOf(20, 40, -10, 10), {"零点 (30, 0)"}},
        {"the same zero at the designed view", {function("x−30")}, designed, {}},
        {"e^x panned along: only its intercept on the view's edge", {function("e^x")}, viewOf(0, 20, 0, 200),
            {"与y轴交点 (0, 1)"}},
        {"e^x panned away from the intercept", {function("e^x")}, viewOf(1, 21, 0, 200), {}},
        {"a conic's centre in a panned view", {CurveAction{CurveWindow::Conic, 5, {"30", "40", "2", "0"}, "蓝"}},
            viewOf(20, 40, 30, 50), {"圆心 (30, 40)"}},
        // Zoomed in a hundredfold far from the origin: each line's zero and their crossing are one place.
        {"two lines crossing on the axis at x = 1000",
            {function("3(x−1000)", "900", "1100"), function("(1000−x)/7", "900", "1100")},
            viewOf(999.9, 1000.1, -0.1, 0.1), {"零点、交点 (1000, 0)"}},
    };
    for (const ViewCase& c : cases)
        EXPECT_EQ(labelsIn(c.actions, c.view), c.expected) << c.what;
}

// A thousandfold zoom keeps the rings a ring's width apart on the picture, and still no more
// than the cap per curve.
TEST(ViewPoints, RingsAndTheCapScaleWithTheView)
{
    const ViewWindow close = viewOf(-0.01, 0.01, -0.01, 0.01);
    const BoardPoints zoomed = pointsIn({function("0.001sin(1000x)")}, close);
    EXPECT_GE(zoomed.points.size(), 6u); // three periods: zeros and extrema apart on the picture
    EXPECT_LE(zoomed.points.size(), kMaxPointsPerCurve);
    const BoardPoints wide = pointsIn({function("sin(x)")}, viewOf(-100, 100, -2, 2));
    EXPECT_EQ(wide.points.size(), kMaxPointsPerCurve);
    EXPECT_GT(wide.omitted, 0u);
}

} // namespace
} // namespace curvana
