// Which actions give the special-point search its curves.
#include <gtest/gtest.h>

#include "core/board_curves.h"

namespace curvana {
namespace {

const CurveAction kQuadratic{CurveWindow::Elementary, 2, {"1", "-2", "-3"}, "红"};
const CurveAction kLine{CurveWindow::Elementary, 1, {"1", "+2"}, "黑"};
const CurveAction kEllipse{CurveWindow::Conic, 1, {"1", "1", "3", "2"}, "蓝"};
const CurveAction kClassic{CurveWindow::Classic, 1, {"2"}, "绿"};
const CurveAction kRefusedQuadratic{CurveWindow::Elementary, 2, {"x", "-2", "-3"}, "红"};
const FigureAction kSegment{FigureKind::Line, {"0", "0", "1", "1"}, "黑"};
const StrokeAction kStroke{{StrokeRun{kBlack, {{0, 0}, {1, 1}}}}};

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
    EXPECT_DOUBLE_EQ(functions[0].f(1), 3);  // y = x + 2
    EXPECT_DOUBLE_EQ(functions[1].f(2), -3); // y = x² − 2x − 3
    ASSERT_FALSE(functions[1].drawn.empty());
    EXPECT_LT(functions[1].drawn.front().lo, -1) << "drawn where the plotter drew it, zeros included";
    EXPECT_GT(functions[1].drawn.back().hi, 3);
    ASSERT_EQ(conics.size(), 1u);
    EXPECT_EQ(conics[0].option, 1);
    EXPECT_DOUBLE_EQ(conics[0].a, 3);
    EXPECT_DOUBLE_EQ(conics[0].b, 2);
    // The curves work on after the actions are gone: the search may run on them anywhere.
    const auto points = specialPoints(functions, conics);
    EXPECT_FALSE(points.empty());
}

} // namespace
} // namespace curvana
