// 分段函数 in the y = f(x) box: values piece by piece, marked ends at jumps only, and mistakes at
// their place in the whole box.
#include "core/formula/piecewise.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/formula/formula.h"

namespace curvana {
namespace {

Drawing drawn(const std::string& text)
{
    auto result = formulaDrawing({FormulaKind::Function, text, "", "-10", "10"}, SamplingView{}, {-9.8, 9.8});
    if (const auto* error = std::get_if<FormulaError>(&result)) {
        ADD_FAILURE() << text << ": " << error->message;
        return {};
    }
    return std::get<Drawing>(std::move(result));
}

int circlesAt(const Drawing& drawing, WorldPoint at)
{
    int count = 0;
    for (const CircleSpec& circle : drawing.circles)
        count += std::hypot(circle.centre.x - at.x, circle.centre.y - at.y) < 1e-9;
    return count;
}

TEST(Piecewise, EachPieceDrawsWhereItsConditionHoldsAndJumpsShowTheirEnds)
{
    const Drawing joined = drawn("−x (x<0)；x² (x≥0)");
    ASSERT_FALSE(joined.polylines.empty());
    for (const Polyline& piece : joined.polylines)
        for (const WorldPoint& p : piece.points)
            ASSERT_NEAR(p.y, p.x < 0 ? -p.x : p.x * p.x, 1e-6) << p.x;
    EXPECT_TRUE(joined.circles.empty()) << "the pieces meet at (0, 0): no end to mark";

    const Drawing jump = drawn("1 (x<0)；x+2 (0≤x<3)；x (x≥3)");
    EXPECT_EQ(circlesAt(jump, {0, 1}), 1) << "x<0 leaves out 0: a ring";
    EXPECT_EQ(circlesAt(jump, {0, 2}), 3) << "0≤x takes 0: a filled dot";
    EXPECT_EQ(circlesAt(jump, {3, 5}), 1);
    EXPECT_EQ(circlesAt(jump, {3, 3}), 3);
    // No line bridges a jump: each line of a piece stays on one side.
    for (const Polyline& piece : jump.polylines)
        for (std::size_t i = 1; i < piece.points.size(); ++i)
            EXPECT_LT(std::fabs(piece.points[i].y - piece.points[i - 1].y), 0.5) << piece.points[i].x;
    // Points are kept in single precision: one just left of 3 may read as 3 itself.
    for (const Polyline& piece : jump.polylines)
        for (const WorldPoint& p : piece.points)
            if (std::fabs(p.x) > 1e-5 && std::fabs(p.x - 3) > 1e-5) {
                ASSERT_NEAR(p.y, p.x < 0 ? 1 : p.x < 3 ? p.x + 2 : p.x, 1e-6) << p.x;
            }
}

struct PiecewiseMistake {
    const char* text;
    int start;
    const char* inMessage;
};

TEST(Piecewise, MistakesAreFoundAtTheirPlaceInTheWholeBox)
{
    const PiecewiseMistake cases[] = {
        {"x (x<0)；x²", 8, "第2段缺少条件"},
        {"x (x<)；1 (x>0)", 4, "“<”后面缺少内容"},
        {"x (x<0)；1 (y>0)", 11, "只能有x"},
        {"x (x<0)；sinn x (x>0)", 8, "“y =”框"},
    };
    for (const PiecewiseMistake& c : cases) {
        auto result = formulaDrawing({FormulaKind::Function, c.text, "", "-10", "10"}, SamplingView{}, {});
        ASSERT_TRUE(std::holds_alternative<FormulaError>(result)) << c.text;
        const FormulaError& error = std::get<FormulaError>(result);
        EXPECT_EQ(error.box, FormulaBox::First);
        EXPECT_EQ(error.start, c.start) << c.text << ": " << error.message;
        EXPECT_NE(error.message.find(c.inMessage), std::string::npos) << error.message;
    }
    EXPECT_FALSE(readPiecewise("x^2 + (x-1)").has_value()) << "brackets without a condition are an ordinary formula";
}

} // namespace
} // namespace curvana
