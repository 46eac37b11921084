#include <gtest/gtest.h>

#include <cmath>

#include "curve_test_support.h"

namespace curvana {
namespace {

using testing::drawingOf;
using testing::problemOf;
using testing::single;

constexpr double kFigurePi = 3.1415926;

double radians(double degrees) { return single(degrees * kFigurePi / 180); }

TEST(FigureDrawing, DefaultsOfThePolygonDialogs)
{
    const Drawing point = drawingOf(figureDrawing(FigureKind::Point, {"0", "0"}));
    EXPECT_EQ(point.dots, (std::vector<WorldPoint>{{0, 0}}));

    const Drawing line = drawingOf(figureDrawing(FigureKind::Line, {"0", "0", "1", "1"}));
    EXPECT_EQ(line.segments, (std::vector<Segment>{{{0, 0}, {1, 1}, false}}));

    const Drawing square = drawingOf(figureDrawing(FigureKind::Rectangle, {"1", "1", "0", "0"}));
    EXPECT_EQ(square.segments, (std::vector<Segment>{{{1, 1}, {0, 0}, true}}));

    const Drawing triangle = drawingOf(figureDrawing(FigureKind::Triangle, {"0", "0", "2", "3", "5", "5"}));
    EXPECT_EQ(triangle.segments, (std::vector<Segment>{{{0, 0}, {2, 3}}, {{2, 3}, {5, 5}}, {{5, 5}, {0, 0}}}));
}

TEST(FigureDrawing, ParallelogramComputesItsThirdVertex)
{
    struct Row {
        FieldTexts texts;
        std::vector<WorldPoint> chain; // P1, P2, P3, P4
    };
    const Row rows[] = {
        {{"0", "0", "2", "2", "4", "-3"}, {{0, 0}, {2, 2}, {6, -1}, {4, -3}}},
        {{"1", "1", "3", "1", "1", "2"}, {{1, 1}, {3, 1}, {3, 2}, {1, 2}}}, // the rectangle case
        {{"0.1", "0", "0.2", "0", "0.3", "0"},
            {{single(0.1), 0}, {single(0.2), 0}, {single(single(0.2) + single(0.3) - single(0.1)), 0},
                {single(0.3), 0}}},
    };
    for (const auto& row : rows) {
        const Drawing drawing = drawingOf(figureDrawing(FigureKind::Parallelogram, row.texts));
        const auto& c = row.chain;
        EXPECT_EQ(drawing.segments, (std::vector<Segment>{{c[0], c[1]}, {c[1], c[2]}, {c[2], c[3]}, {c[3], c[0]}}));
    }
    const InputProblem tooFar
        = problemOf(figureDrawing(FigureKind::Parallelogram, {"-3e38", "0", "3e38", "0", "3e38", "0"}));
    EXPECT_EQ(tooFar.field, 4);
}

TEST(FigureDrawing, EllipseUsesTheLargerHalfAxisAndTheirRatio)
{
    struct Row {
        FieldTexts texts;
        double radius;
        double aspect;
    };
    const Row rows[] = {
        {{"0", "0", "4", "2"}, 4, 0.5},
        {{"0", "0", "2", "4"}, 4, 2},
        {{"0", "0", "3", "3"}, 3, 1},
        {{"0", "0", "-4", "2"}, 4, 0.5},
        {{"0", "0", "3", "-1"}, 3, single(1.0 / 3)},
    };
    for (const auto& row : rows) {
        const Drawing drawing = drawingOf(figureDrawing(FigureKind::Ellipse, row.texts));
        ASSERT_EQ(drawing.circles.size(), 1u);
        EXPECT_EQ(drawing.circles[0], (CircleSpec{{0, 0}, row.radius, {}, {}, row.aspect})) << row.texts[2];
    }
    for (const auto& [texts, field] :
        {std::pair{FieldTexts{"0", "0", "0", "2"}, 2}, {FieldTexts{"0", "0", "2", "-0"}, 3}}) {
        const InputProblem problem = problemOf(figureDrawing(FigureKind::Ellipse, texts));
        EXPECT_EQ(problem.field, field);
        EXPECT_EQ(problem.message, "椭圆的半轴长度不能为0，请填写一个不为0的数。");
    }
    const Drawing lopsided = drawingOf(figureDrawing(FigureKind::Ellipse, {"0", "0", "1e-38", "1e38"}));
    ASSERT_EQ(lopsided.circles.size(), 1u);
    EXPECT_TRUE(std::isfinite(*lopsided.circles[0].aspect));
}

TEST(FigureDrawing, SectorRunsFromJustBelowZeroToMinusItsAngle)
{
    struct Row {
        const char* degrees;
        double end;
    };
    const Row rows[] = {
        {"60", radians(-60)},
        {"90", radians(-90)},
        {"270", radians(-270)},
        {"360", radians(-360)},
        {"400", radians(-40)},
        {"-400", radians(40)},
        {"720", radians(-360)},
        {"-1080", radians(360)},
        {"-90", radians(90)},
        {"725.5", radians(-5.5)},
    };
    for (const auto& row : rows) {
        const Drawing drawing = drawingOf(figureDrawing(FigureKind::Sector, {"1", "-1", "2", row.degrees}));
        ASSERT_EQ(drawing.circles.size(), 1u) << row.degrees;
        EXPECT_EQ(drawing.circles[0], (CircleSpec{{1, -1}, 2, single(-0.00001), row.end, 1.0})) << row.degrees;
    }
}

TEST(FigureDrawing, SectorWithoutAngleIsItsRadiusAlone)
{
    for (const char* degrees : {"0", "-0", "0.0001", "-0.0005", "360000"}) {
        const Drawing drawing = drawingOf(figureDrawing(FigureKind::Sector, {"1", "1", "2", degrees}));
        if (std::string(degrees) == "360000") {
            ASSERT_EQ(drawing.circles.size(), 1u); // a whole number of turns is the full circle
            continue;
        }
        EXPECT_TRUE(drawing.circles.empty()) << degrees;
        EXPECT_EQ(drawing.segments, (std::vector<Segment>{{{1, 1}, {3, 1}}})) << degrees;
    }
}

TEST(FigureDrawing, ArcRunsBetweenItsAnglesWithinOneTurn)
{
    struct Row {
        const char* from;
        const char* to;
        double start;
        double end;
    };
    const Row rows[] = {
        {"60", "90", radians(60), radians(90)},
        {"90", "0", radians(90), 0},
        {"-30", "45", radians(-30), radians(45)},
        {"450", "-450", radians(90), radians(-90)},
        {"720", "-360", radians(360), radians(-360)},
    };
    for (const auto& row : rows) {
        const Drawing drawing = drawingOf(figureDrawing(FigureKind::Arc, {"0", "0", "2", row.from, row.to}));
        ASSERT_EQ(drawing.circles.size(), 1u);
        EXPECT_EQ(drawing.circles[0], (CircleSpec{{0, 0}, 2, row.start, row.end, {}})) << row.from << " " << row.to;
    }
}

// Ends at the same angle close the circle: both ends get one magnitude (each keeps its sign, which
// asks for its radius), so the surface draws a full turn instead of a speck.
TEST(FigureDrawing, ArcWhoseEndsMeetIsTheWholeCircle)
{
    struct Row {
        const char* from;
        const char* to;
        bool meet;
    };
    const Row rows[] = {{"360", "0", true}, {"720", "0", true}, {"-360", "0", true}, {"0", "0", true},
        {"30", "390", true}, {"0", "0.001", false}, {"359.999", "0", false}};
    for (const auto& row : rows) {
        const Drawing drawing = drawingOf(figureDrawing(FigureKind::Arc, {"0", "0", "2", row.from, row.to}));
        ASSERT_EQ(drawing.circles.size(), 1u);
        const CircleSpec& arc = drawing.circles[0];
        EXPECT_EQ(std::fabs(*arc.start) == std::fabs(*arc.end), row.meet) << row.from << " " << row.to;
        EXPECT_EQ(std::signbit(*arc.start), row.from[0] == '-') << row.from;
    }
}

TEST(FigureDrawing, RadiusMustBePositive)
{
    for (const char* radius : {"0", "-2"}) {
        const InputProblem sector = problemOf(figureDrawing(FigureKind::Sector, {"0", "0", radius, "60"}));
        EXPECT_EQ(sector.field, 2);
        EXPECT_EQ(sector.message, "扇形的半径必须大于0，请在半径框里填写一个正数。");
        const InputProblem arc = problemOf(figureDrawing(FigureKind::Arc, {"0", "0", radius, "60", "90"}));
        EXPECT_EQ(arc.field, 2);
        EXPECT_EQ(arc.message, "弧的半径必须大于0，请在半径框里填写一个正数。");
    }
}

TEST(FigureDrawing, ValuesAreSinglePrecisionAndMayLieOffTheBoard)
{
    const Drawing point = drawingOf(figureDrawing(FigureKind::Point, {"-2.5", "0.1"}));
    EXPECT_EQ(point.dots, (std::vector<WorldPoint>{{-2.5, single(0.1)}}));
    const Drawing far = drawingOf(figureDrawing(FigureKind::Line, {"-1e30", "0", "1e30", "5"}));
    EXPECT_EQ(far.segments.front().to.x, single(1e30));
}

TEST(FigureDrawing, TextThatIsNoNumberNamesTheFirstBadBox)
{
    struct Row {
        FigureKind kind;
        FieldTexts texts;
        int field;
        const char* message;
    };
    const Row rows[] = {
        {FigureKind::Point, {"", "0"}, 0, "请在点的横坐标框里填写一个数。"},
        {FigureKind::Line, {"0", "0", "1", "y"}, 3, "请在终点的纵坐标框里填写一个数。"},
        {FigureKind::Rectangle, {"0", "0", "a", "b"}, 2, "请在对角顶点的横坐标框里填写一个数。"},
        {FigureKind::Ellipse, {"0", "0", "4", "二"}, 3, "请在Y轴方向的半轴长度框里填写一个数。"},
        {FigureKind::Sector, {"0", "0", "r", "60"}, 2, "请在半径框里填写一个数。"},
        {FigureKind::Sector, {"0", "0", "2", "六十"}, 3, "请在圆心角度数框里填写一个数。"},
        {FigureKind::Arc, {"0", "0", "2", "60", ""}, 4, "请在终止度数框里填写一个数。"},
        {FigureKind::Triangle, {"0", "0", "2", "x", "5", "x"}, 3, "请在第二个点的纵坐标框里填写一个数。"},
        {FigureKind::Parallelogram, {"0", "0", "2", "2", "?", "-3"}, 4, "请在第四个点的横坐标框里填写一个数。"},
        {FigureKind::Triangle, {"1e39", "0", "2", "3", "5", "5"}, 0, "请在第一个点的横坐标框里填写一个小一些的数。"},
        {FigureKind::Triangle, {"0", "0", "2", "3"}, 4, "请在第三个点的横坐标框里填写一个数。"},
    };
    for (const auto& row : rows) {
        const InputProblem problem = problemOf(figureDrawing(row.kind, row.texts));
        EXPECT_EQ(problem.field, row.field) << row.message;
        EXPECT_EQ(problem.message, row.message);
    }
}

} // namespace
} // namespace curvana
