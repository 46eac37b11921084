#include "core/view/axis_ticks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/text/number.h"

namespace curvana {
namespace {

ViewWindow view(double xFrom, double xTo, double yFrom, double yTo)
{
    const auto made = ViewWindow::make(xFrom, xTo, yFrom, yTo);
    EXPECT_TRUE(made.has_value()) << xFrom << " " << xTo << " " << yFrom << " " << yTo;
    return made.value_or(ViewWindow());
}

// The canvas draws with floats, so that is where the designed board must agree to the bit.
void expectSameFloats(WorldPoint actual, float x, float y, const std::string& what)
{
    EXPECT_EQ(static_cast<float>(actual.x), x) << what;
    EXPECT_EQ(static_cast<float>(actual.y), y) << what;
}

void expectSegment(const Segment& s, float x1, float y1, float x2, float y2, const std::string& what)
{
    expectSameFloats(s.from, x1, y1, what + " from");
    expectSameFloats(s.to, x2, y2, what + " to");
}

// What canvas/axes.cpp draws on the board today, written out as it draws it.
TEST(AxesLayout, DesignedViewIsTheDesignedBoardAtAnySizeAndFont)
{
    const PixelSize sizes[] = {{417, 433}, {1920, 1080}, {40, 40}};
    for (const PixelSize size : sizes) {
        for (const LabelMetrics& metrics : {LabelMetrics::estimated(), LabelMetrics::estimated(40, 30)}) {
            const AxesLayout axes = layoutAxes(ViewWindow(), size, metrics);
            expectSegment(axes.x.line, -10, 0, 10, 0, "x axis");
            expectSegment(axes.x.arrowUpper, 10, 0, 9.5f, 0.5f, "x arrow");
            expectSegment(axes.x.arrowLower, 10, 0, 9.5f, -0.5f, "x arrow");
            expectSameFloats(axes.x.letterAt, 9.5f, -0.5f, "X");
            expectSegment(axes.y.line, 0, -10, 0, 10, "y axis");
            expectSegment(axes.y.arrowUpper, 0, 10, 0.5f, 9.5f, "y arrow");
            expectSegment(axes.y.arrowLower, 0, 10, -0.5f, 9.5f, "y arrow");
            expectSameFloats(axes.y.letterAt, -0.5f, 9.5f, "Y");
            ASSERT_EQ(axes.x.marks.size(), 19u);
            ASSERT_EQ(axes.y.marks.size(), 19u);
            for (int i = -9; i <= 9; ++i) {
                const auto f = static_cast<float>(i);
                const std::string label = displayForm(i);
                const AxisMark& x = axes.x.marks[static_cast<std::size_t>(i + 9)];
                const AxisMark& y = axes.y.marks[static_cast<std::size_t>(i + 9)];
                expectSegment(x.tick, f, 0, f, 0.25f, "x tick " + label);
                ASSERT_TRUE(x.label.has_value()) << label;
                expectSameFloats(x.label->at, f - 0.5f, -0.5f, "x number " + label);
                EXPECT_EQ(x.label->text, label);
                expectSegment(y.tick, 0, f, -0.25f, f, "y tick " + label);
                ASSERT_EQ(y.label.has_value(), i != 0) << label;
                if (i != 0) {
                    expectSameFloats(y.label->at, -0.9f, f, "y number " + label);
                    EXPECT_EQ(y.label->text, label);
                }
            }
        }
    }
}

TEST(TickLabel, ExactDecimalsWithoutExponent)
{
    struct Row {
        std::int64_t multiple;
        TickStep step;
        const char* text;
    };
    const Row rows[] = {
        {3, {1, -1}, " 0.3"},
        {-7, {1, -7}, "-0.0000007"},
        {1, {1, 12}, " 1000000000000"},
        {4, {5, -1}, " 2"},
        {3, {5, -1}, " 1.5"},
        {0, {2, -3}, " 0"},
        {-12345, {2, -2}, "-246.9"},
        {99999999999, {1, -10}, " 9.9999999999"},
        {-3, {2, 3}, "-6000"},
        {5, {2, -14}, " 0.0000000000001"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(tickLabel(row.multiple, row.step), row.text);
        // The number the label shows is the tick's own value to the last bit.
        EXPECT_EQ(parseNumber(row.text), tickValue(row.multiple, row.step)) << row.text;
    }
    EXPECT_EQ(tickValue(3, {1, -1}), 0.3);
    EXPECT_EQ(tickValue(1, {1, -7}), 1e-7);
}

TEST(TickStep, SmallestOfOneTwoFiveAtLeast)
{
    struct Row {
        double least;
        TickStep step;
    };
    const Row rows[] = {{0.1, {1, -1}}, {1, {1, 0}}, {1.0000001, {2, 0}}, {2, {2, 0}}, {2.1, {5, 0}}, {5.5, {1, 1}},
        {1e-7, {1, -7}}, {3e-7, {5, -7}}, {1e12, {1, 12}}, {0, {1, 0}}, {NAN, {1, 0}}};
    for (const Row& row : rows) {
        const TickStep step = TickStep::atLeast(row.least);
        EXPECT_EQ(step.mantissa, row.step.mantissa) << row.least;
        EXPECT_EQ(step.exponent, row.step.exponent) << row.least;
    }
}

struct Board {
    PixelSize pixels;
    double characterWidth;
    double lineHeight;
};

void expectReadableAxes(const ViewWindow& v, const Board& board)
{
    const LabelMetrics metrics = LabelMetrics::estimated(board.characterWidth, board.lineHeight);
    const ViewMapping mapping(v, board.pixels);
    const AxesLayout axes = layoutAxes(v, board.pixels, metrics);
    const std::string where = "view x " + std::to_string(v.xFrom()) + ".." + std::to_string(v.xTo()) + " y "
        + std::to_string(v.yFrom()) + ".." + std::to_string(v.yTo()) + " board " + std::to_string(board.pixels.width)
        + "x" + std::to_string(board.pixels.height);
    const double slack = 1e-3; // pixels: a billion with its ninth decimal shown rounds this much
    const auto inView = [&](WorldPoint p) {
        const WorldPoint px = mapping.toPixel(p);
        return px.x >= -slack && px.x <= board.pixels.width + slack && px.y >= -slack
            && px.y <= board.pixels.height + slack;
    };
    for (const AxisLayout* axis : {&axes.x, &axes.y}) {
        const bool isX = axis == &axes.x;
        EXPECT_TRUE(axis->step.mantissa == 1 || axis->step.mantissa == 2 || axis->step.mantissa == 5) << where;
        EXPECT_TRUE(inView(axis->line.from) && inView(axis->line.to)) << where;
        const double pixelsPerUnit = isX ? mapping.pixelsPerXUnit() : mapping.pixelsPerYUnit();
        std::optional<WorldPoint> previousEnd; // in pixels: right end of an x number, top of a y number
        int labelled = 0;
        for (std::size_t i = 0; i < axis->marks.size(); ++i) {
            const AxisMark& mark = axis->marks[i];
            EXPECT_TRUE(inView(mark.tick.from) && inView(mark.tick.to)) << where << " tick " << mark.value;
            if (i > 0) {
                EXPECT_NEAR(
                    (mark.value - axis->marks[i - 1].value) * pixelsPerUnit, axis->step.value() * pixelsPerUnit, 1e-3)
                    << where;
            }
            if (!mark.label)
                continue;
            ++labelled;
            EXPECT_EQ(parseNumber(mark.label->text), mark.value) << where << " " << mark.label->text;
            const double width = metrics.width(mark.label->text);
            const WorldPoint topLeft = mapping.toPixel(mark.label->at);
            const WorldPoint bottomRight{topLeft.x + width, topLeft.y + board.lineHeight};
            EXPECT_TRUE(topLeft.x >= -slack && topLeft.y >= -slack && bottomRight.x <= board.pixels.width + slack
                && bottomRight.y <= board.pixels.height + slack)
                << where << " number " << mark.label->text;
            if (previousEnd) {
                if (isX)
                    EXPECT_GE(topLeft.x - previousEnd->x, metrics.gap - slack) << where << " " << mark.label->text;
                else
                    EXPECT_GE(previousEnd->y - bottomRight.y, metrics.gap - slack) << where << " " << mark.label->text;
            }
            previousEnd = isX ? WorldPoint{bottomRight.x, 0} : WorldPoint{0, topLeft.y};
        }
        // A board with room for six of the longest numbers (14 characters in these views, one line
        // high on y) always shows two of them to read the view by, whatever 1-2-5 rounding does.
        const double length = isX ? board.pixels.width : board.pixels.height;
        const double longest = isX ? 14 * board.characterWidth : board.lineHeight;
        if (length >= 6 * (longest + metrics.gap)) {
            EXPECT_GE(labelled, 2) << where << (isX ? " x" : " y");
        }
    }
}

TEST(AxesLayout, NumbersNeverOverlapAtAnyView)
{
    const ViewWindow designed;
    const ViewWindow views[] = {
        designed.zoomedAbout({3.3, -2.1}, 1000),
        designed.zoomedAtCentre(0.01),
        designed.zoomedAtCentre(1 / 1.25),
        view(1e6, 1e6 + 5, -1e9, -1e9 + 1),
        view(-1e-3, 1e-3, -1e5, 1e5),
        view(1e12 - 2000, 1e12, -5e11, 5e11),
        view(0.3, 0.3 + 3e-6, 7, 7 + 1e-7),
        view(2, 5, 3, 4),
        view(-5, -2, -4, -3),
        view(-1e4, 1e4, -0.01, 0.01),
        view(-5, 5, 0, 10),
        view(-1e12, 0, -3e-9, 0),
    };
    const Board boards[] = {{{417, 433}, 7, 12}, {{100, 800}, 7, 12}, {{1920, 1080}, 11, 18}};
    for (const ViewWindow& v : views)
        for (const Board& board : boards)
            expectReadableAxes(v, board);
}

TEST(AxesLayout, AxesStayAtTheEdgeWhenTheOriginIsOutOfView)
{
    struct Row {
        ViewWindow view;
        double xAxisAt; // the x axis's height
        double yAxisAt; // the y axis's place along x
        bool xUsualSide; // numbers below the x axis
        bool yUsualSide; // numbers left of the y axis
        bool yShowsZero; // the y axis writes its own " 0"
    };
    const Row rows[] = {
        {view(2, 5, 3, 4), 3, 2, false, false, false},
        {view(-5, -2, -4, -3), -3, -2, true, true, false},
        {view(2, 5, -1, 1), 0, 2, true, false, true},
        {view(-1, 3, -1, 1), 0, 0, true, true, false},
        {view(-5, 5, 0, 10), 0, 0, false, true, false},
    };
    for (const Row& row : rows) {
        const AxesLayout axes = layoutAxes(row.view, {417, 433}, LabelMetrics::estimated());
        const std::string where = std::to_string(row.view.xFrom()) + "," + std::to_string(row.view.yFrom());
        EXPECT_EQ(axes.x.line.from.y, row.xAxisAt) << where;
        EXPECT_EQ(axes.y.line.from.x, row.yAxisAt) << where;
        EXPECT_EQ(axes.x.atZero, row.xAxisAt == 0) << where;
        EXPECT_EQ(axes.x.labelsOnUsualSide, row.xUsualSide) << where;
        EXPECT_EQ(axes.y.labelsOnUsualSide, row.yUsualSide) << where;
        bool zeroLabelled = false;
        for (const AxisMark& mark : axes.y.marks)
            zeroLabelled = zeroLabelled || (mark.value == 0 && mark.label);
        EXPECT_EQ(zeroLabelled, row.yShowsZero) << where;
    }
}

} // namespace
} // namespace curvana
