// The table of values and what 描点, 连线 and the named point put on the board.
#include "core/curves/value_table.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/curves/marked_points.h"
#include "core/document/board_document.h"
#include "core/points/board_curves.h"

namespace curvana {
namespace {

const FieldTexts kDefaultXs = {"−3", "−2", "−1", "0", "1", "2", "3"};

std::vector<TableColumn> tableOf(std::string_view formula, const FieldTexts& xs)
{
    auto table = valueTable(formula, xs);
    if (const auto* problem = std::get_if<InputProblem>(&table)) {
        ADD_FAILURE() << formula << ": " << problem->message;
        return {};
    }
    return std::get<std::vector<TableColumn>>(table);
}

Drawing drawn(const DrawingResult& result)
{
    if (const auto* problem = std::get_if<InputProblem>(&result)) {
        ADD_FAILURE() << problem->message;
        return {};
    }
    return std::get<Drawing>(result);
}

int problemField(const auto& result) { return std::get<InputProblem>(result).field; }

TEST(ValueTable, WritesEachValueExactlyWhereItCan)
{
    struct Row {
        const char* formula;
        const char* x;
        const char* y;
    };
    const Row rows[] = {
        {"1/x", "3", "1/3"},
        {"√x", "2", "√2"},
        {"√x", "−1", "无"},
        {"1/x", "0", "无"},
        {"ln x", "0", "无"},
        {"2^x", "−5", "1/32"},
        {"2^x", "3", "8"},
        {"x²", "1/2", "1/4"},
        {"x²", "0.5", "0.25"},
        {"x²", "√2", "2"},
        {"x^2 - 2x", "−3", "15"},
        {"sin x", "π/6", "1/2"},
        {"sin x", "1", "≈0.8415"},
        {"1/(x-1)", "1", "无"},
        {"x/7", "1", "1/7"},
    };
    for (const Row& row : rows) {
        const auto columns = tableOf(row.formula, {row.x});
        ASSERT_EQ(columns.size(), 1u) << row.formula;
        EXPECT_EQ(columns[0].y, row.y) << row.formula << " at " << row.x;
        EXPECT_EQ(columns[0].yValue.has_value(), std::string(row.y) != "无") << row.formula;
    }
}

// A letter stands for its row's value, and the y values are exact with the value put in; a letter
// without a value counts as 1 (as a new row starts), and a fractional value writes decimals.
TEST(ValueTable, ALetterTakesItsParametersValue)
{
    const FieldTexts xs{"1/2", "1", "−3"};
    const auto ysOf = [&xs](std::string_view formula, const FormulaParameters& parameters) {
        std::vector<std::string> ys;
        auto table = valueTable(formula, xs, parameters);
        if (const auto* problem = std::get_if<InputProblem>(&table))
            ADD_FAILURE() << formula << ": " << problem->message;
        else
            for (const TableColumn& column : std::get<std::vector<TableColumn>>(table))
                ys.push_back(column.y);
        return ys;
    };
    const FormulaParameter a2{"a", 2, -5, 5, 0.1};
    EXPECT_EQ(ysOf("a x²", {a2}), (std::vector<std::string>{"1/2", "2", "18"}));
    EXPECT_EQ(ysOf("a x²", {}), (std::vector<std::string>{"1/4", "1", "9"}));
    EXPECT_EQ(ysOf("a x² + b", {a2, {"b", -3, -5, 5, 1}}), (std::vector<std::string>{"−5/2", "−1", "15"}));
    EXPECT_EQ(ysOf("a x", {{"a", 0.5, -5, 5, 0.1}}), (std::vector<std::string>{"0.25", "0.5", "−1.5"}));
    const auto broken = valueTable("a x +", xs, {a2});
    ASSERT_TRUE(std::holds_alternative<InputProblem>(broken));
    EXPECT_EQ(std::get<InputProblem>(broken).field, kTableFormulaBox);
}

// 描点 and 连线 draw with the values, so a = 2 puts the points and the curve on y = 2x².
TEST(ValueTable, TheDrawingUsesTheParametersValues)
{
    const FormulaParameters a2{{"a", 2, -5, 5, 0.1}};
    const Drawing drawing = drawn(tableDrawing("a x²", {"1", "2"}, "", true, true, {}, a2));
    ASSERT_EQ(drawing.marks.size(), 2U);
    EXPECT_DOUBLE_EQ(drawing.marks[1].at.y, 8);
    ASSERT_FALSE(drawing.polylines.empty());
    for (const auto& piece : drawing.polylines)
        for (const WorldPoint& point : piece.points)
            EXPECT_NEAR(point.y, 2 * point.x * point.x, 1e-9);
}

TEST(ValueTable, StepsTheXCellsFromTheBoxes)
{
    const auto xsOf = [](FieldTexts boxes) { return std::get<std::vector<std::string>>(tableXs(boxes)); };
    EXPECT_EQ(xsOf({"x²", "-3", "1", "7"}), kDefaultXs);
    EXPECT_EQ(xsOf({"", "0", "0.5", "3"}), (FieldTexts{"0", "0.5", "1"}));
    EXPECT_EQ(xsOf({"", "0", "1/2", "3"}), (FieldTexts{"0", "1/2", "1"}));
    EXPECT_EQ(xsOf({"", "0", "π/6", "3"}), (FieldTexts{"0", "π/6", "π/3"}));
    EXPECT_EQ(xsOf({"", "2", "-1", "2"}), (FieldTexts{"2", "1"}));
    // Every mistake names its box.
    const std::pair<FieldTexts, int> bad[] = {
        {{"", "a", "1", "7"}, kTableFromBox},
        {{"", "0", "0", "7"}, kTableStepBox},
        {{"", "0", "1", "0"}, kTableCountBox},
        {{"", "0", "1", "2.5"}, kTableCountBox},
        {{"", "0", "1", "42"}, kTableCountBox},
        {{"", "0", "1e308", "3"}, kTableStepBox},
    };
    for (const auto& [boxes, field] : bad)
        EXPECT_EQ(problemField(tableXs(boxes)), field) << boxes[1] << " " << boxes[2] << " " << boxes[3];
}

TEST(ValueTable, EditedCellsAreReadOneByOne)
{
    // "½" is not a number any box reads: its cell is the one named.
    EXPECT_EQ(problemField(valueTable("x²", {"−1", "½", "2"})), kFirstCellField + 1);
    EXPECT_EQ(problemField(valueTable("x²", {"−1", "", "2"})), kFirstCellField + 1);
    EXPECT_EQ(problemField(valueTable("x² +", {"1"})), kTableFormulaBox);
    const auto edited = tableOf("x²", {"−1", "1/2", "2"});
    ASSERT_EQ(edited.size(), 3u);
    EXPECT_EQ(edited[1].y, "1/4");
    EXPECT_EQ(edited[1].x, "1/2") << "the cell as typed";
}

TEST(ValueTable, CopiesAsTabSeparatedRows)
{
    EXPECT_EQ(tableAsText(tableOf("1/x", {"−1", "0", "3"})), "x\t−1\t0\t3\ny\t−1\t无\t1/3\n");
}

TEST(ValueTable, PointsComeInTheTableOrderWithTheirCoordinates)
{
    const Drawing points = drawn(tableDrawing("1/x", kDefaultXs, "红", true, false));
    EXPECT_TRUE(points.polylines.empty());
    std::vector<std::string> texts;
    for (const Mark& mark : points.marks) {
        texts.push_back(mark.label.text);
        EXPECT_EQ(mark.label.colour, kRed);
    }
    // x = 0 has no y and no point.
    EXPECT_EQ(
        texts, (std::vector<std::string>{"(−3, −1/3)", "(−2, −1/2)", "(−1, −1)", "(1, 1)", "(2, 1/2)", "(3, 1/3)"}));
    EXPECT_DOUBLE_EQ(points.marks[0].at.x, -3);
    EXPECT_DOUBLE_EQ(points.marks[0].at.y, -1.0 / 3);
    EXPECT_EQ(problemField(tableDrawing("√x", {"−2", "−1"}, "", true, false)), kTableFormulaBox);
}

TEST(ValueTable, TheCurveIsTheFunctionOverTheTableAndNeverJoinsAcrossAPole)
{
    const Drawing curve = drawn(tableDrawing("1/x", kDefaultXs, "", false, true));
    EXPECT_TRUE(curve.marks.empty());
    ASSERT_GE(curve.polylines.size(), 2u);
    double lowest = 0, highest = 0;
    for (const Polyline& piece : curve.polylines) {
        const auto [low, high] = std::minmax_element(piece.points.begin(), piece.points.end(),
            [](const WorldPoint& a, const WorldPoint& b) { return a.x < b.x; });
        EXPECT_FALSE(low->x < 0 && high->x > 0) << "a piece crosses the pole";
        lowest = std::min(lowest, low->x);
        highest = std::max(highest, high->x);
        // Smooth: many points, not the table's seven.
        EXPECT_GT(piece.points.size(), 20u);
    }
    EXPECT_NEAR(lowest, -3, 1e-6);
    EXPECT_NEAR(highest, 3, 1e-6);
    // 全部: the points first, then the curve.
    const Drawing both = drawn(tableDrawing("x²", kDefaultXs, "", true, true));
    EXPECT_EQ(both.marks.size(), 7u);
    EXPECT_EQ(both.polylines.size(), 1u);
    EXPECT_EQ(problemField(tableDrawing("x²", {"1"}, "", false, true)), kTableCountBox);
}

TEST(ValueTable, TheJoinedCurveHasItsSpecialPointsAndThePointsAloneHaveNone)
{
    const auto [functions, conics] = curvesOnBoard({TableAction{"x^2-1", kDefaultXs, "", false, true},
        TableAction{"x^3", kDefaultXs, "", true, false}, NamedPointAction{{"A", "1", "1"}, ""}});
    ASSERT_EQ(functions.size(), 1u);
    EXPECT_DOUBLE_EQ(functions[0].f(2), 3);
    ASSERT_EQ(functions[0].drawn.size(), 1u);
    EXPECT_NEAR(functions[0].drawn[0].lo, -3, 0.1);
    EXPECT_NEAR(functions[0].drawn[0].hi, 3, 0.1);
    EXPECT_TRUE(conics.empty());
}

TEST(MarkedPoints, TextsNeverCoverTheirOwnDotNorAnotherOfTheTable)
{
    for (const char* formula : {"x²", "1/x", "2^x", "1", "x", "-x^3/9"}) {
        const Drawing points = drawn(tableDrawing(formula, kDefaultXs, "", true, false));
        for (const Mark& mark : points.marks) {
            const TextBox box = markTextBox(mark);
            for (const Mark& dot : points.marks) {
                const bool covered = dot.at.x > box.left - 0.1 && dot.at.x < box.right + 0.1
                    && dot.at.y > box.bottom - 0.1 && dot.at.y < box.top + 0.1;
                EXPECT_FALSE(covered) << formula << ": " << mark.label.text << " covers (" << dot.at.x << ", "
                                      << dot.at.y << ")";
            }
        }
    }
}

TEST(MarkedPoints, ANamedPointIsItsDotWithNameAndCoordinatesBeside)
{
    const Drawing point = drawn(namedPointDrawing({"A", "1/2", "√2"}, "蓝"));
    ASSERT_EQ(point.marks.size(), 1u);
    const Mark& mark = point.marks[0];
    EXPECT_DOUBLE_EQ(mark.at.x, 0.5);
    EXPECT_DOUBLE_EQ(mark.at.y, std::sqrt(2.0));
    EXPECT_EQ(mark.label.text, "A(1/2, √2)");
    EXPECT_EQ(mark.label.colour, kBlue);
    // Right of the dot, level with it.
    EXPECT_GT(mark.label.at.x, 0.5);
    EXPECT_LT(mark.label.at.x, 0.5 + 0.5);
    EXPECT_GT(mark.label.at.y, mark.at.y);
    EXPECT_LT(markTextBox(mark).bottom, mark.at.y);
    EXPECT_EQ(drawn(namedPointDrawing({" P₁ ", "π/3", "-1"}, "")).marks[0].label.text, "P₁(π/3, −1)");
    EXPECT_EQ(drawn(namedPointDrawing({"B", "0.5", "1e0"}, "")).marks[0].label.text, "B(0.5, 1)");
    // Near the right edge the text goes to the left of its dot.
    const Mark atEdge = drawn(namedPointDrawing({"Q", "9.5", "0"}, "")).marks[0];
    EXPECT_LT(markTextBox(atEdge).right, 9.5);
    EXPECT_EQ(problemField(namedPointDrawing({"A", "x", "1"}, "")), 1);
    EXPECT_EQ(problemField(namedPointDrawing({"A", "1", ""}, "")), 2);
    EXPECT_EQ(problemField(namedPointDrawing({"ABCDEFGHIJKLM", "1", "1"}, "")), 0);
}

} // namespace
} // namespace curvana
