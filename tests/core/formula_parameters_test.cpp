// Letters of an own formula as parameters: which letters, the numbers they stand for in the curve
// and its caption, the steps and the play of a slider, and a move as one step of the undo history.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/document/board_document.h"
#include "core/formula/formula.h"
#include "core/formula/parameters.h"
#include "core/points/board_curves.h"
#include "core/points/special_points.h"

namespace curvana {
namespace {

FormulaVocabulary function() { return formulaVocabulary(FormulaKind::Function, FormulaBox::First); }

TEST(FormulaParameters, LettersOtherThanTheVariableAndConstantsInTheOrderTyped)
{
    const struct {
        const char* text;
        FormulaVocabulary vocabulary;
        std::vector<std::string> names;
    } rows[] = {
        {"y = a(x−h)²+k", function(), {"a", "h", "k"}}, {"A sin(ωx+φ)", function(), {"A", "ω", "φ"}},
        {"ax²+bx+c+a", function(), {"a", "b", "c"}}, {"kx + Ｂ", function(), {"k", "B"}}, // full width, case kept
        {"abs(x)+e^x+πx+sinx", function(), {}}, // known words and constants are no parameters
        {"a sin φ + t", formulaVocabulary(FormulaKind::Parametric, FormulaBox::First), {"a"}}, // φ is t there
        {"a θ", formulaVocabulary(FormulaKind::Polar, FormulaBox::First), {"a"}},
        {"x(", function(), {}}, // unreadable: no rows change
    };
    for (const auto& row : rows)
        EXPECT_EQ(parameterNames(row.text, row.vocabulary), row.names) << row.text;
    // Another kind's variable is a slip, said as before, not a slider.
    auto drawn = formulaDrawing({FormulaKind::Function, "sin t", "", "-10", "10"}, SamplingView{}, {0, 0});
    ASSERT_TRUE(std::holds_alternative<FormulaError>(drawn));
    EXPECT_NE(std::get<FormulaError>(drawn).message.find("不认识“t”"), std::string::npos);
}

TEST(FormulaParameters, KeptRowsKeepTheirNumbersNewOnesStartAtOne)
{
    const FormulaParameters kept{{"h", 2, -1, 3, 0.5}, {"z", 4}};
    EXPECT_EQ(parametersFor({"a", "h"}, kept), (FormulaParameters{{"a", 1, -5, 5, 0.1}, {"h", 2, -1, 3, 0.5}}));
}

// The curve is drawn with the values put in, and the caption says them.
TEST(FormulaParameters, TheCurveAndCaptionFollowTheValues)
{
    FormulaInput input{FormulaKind::Function, "y=a(x−h)²+k", "", "-10", "10", {{"a", 2}, {"h", 1}, {"k", -3}}};
    const auto drawing = std::get<Drawing>(formulaDrawing(input, SamplingView{}, {0, 0}));
    EXPECT_EQ(drawing.captions.front().text, "y=a(x−h)²+k　a=2　h=1　k=−3");
    const auto compiled = compileFunction("a(x−h)²+k", input.parameters);
    EXPECT_DOUBLE_EQ(std::get<CompiledFunction>(compiled)(1), -3); // the vertex
    EXPECT_DOUBLE_EQ(std::get<CompiledFunction>(compiled)(2), -1);
    input.parameters[2].value = 0.5;
    const auto moved = std::get<Drawing>(formulaDrawing(input, SamplingView{}, {0, 0}));
    EXPECT_NE(moved.polylines, drawing.polylines);
    EXPECT_EQ(moved.captions.front().text, "y=a(x−h)²+k　a=2　h=1　k=0.5");
    // A value that leaves no real point is refused; the window keeps the last good curve.
    input = {FormulaKind::Function, "√(a−x²)", "", "-10", "10", {{"a", -1}}};
    EXPECT_TRUE(std::holds_alternative<FormulaError>(formulaDrawing(input, SamplingView{}, {0, 0})));
}

TEST(FormulaParameters, StepsStayOnTheGridAndInTheRange)
{
    const FormulaParameter p{"a", 1, -5, 5, 0.1};
    const struct {
        double value;
        int steps;
        double expected;
    } rows[] = {{1, 1, 1.1}, {1, -10, 0}, {0.2, 1, 0.3}, {4.95, 1, 5}, {-4.9, -10, -5}, {1.04, 0, 1}};
    for (const auto& row : rows) {
        FormulaParameter at = p;
        at.value = row.value;
        EXPECT_EQ(steppedValue(at, row.steps), row.expected) << row.value << " by " << row.steps;
    }
    EXPECT_EQ(shownNumber(steppedValue({"a", 0.1, -5, 5, 0.1}, -1)), "0"); // never 1e-17
    FormulaParameter bad = p;
    bad.step = 0;
    EXPECT_TRUE(rangeProblem(bad).has_value());
    EXPECT_EQ(steppedValue(bad, 3), 1) << "a broken step moves nothing";
    bad = {"a", 1, 2, 2, 0.1};
    EXPECT_NE(rangeProblem(bad).value_or("").find("“从”要小于“到”"), std::string::npos);
}

TEST(FormulaParameters, PlayGoesUpToToThenDownToFromAndOn)
{
    const FormulaParameter p{"h", 0, -5, 5, 0.1}; // a span of 10 in 4 s: 2.5 a second
    const struct {
        double seconds;
        double value;
        int direction;
    } rows[] = {{0, 0, 1}, {1, 2.5, 1}, {3, 2.5, -1}, {6, -5, 1}, {8, 0, 1}, {10, 5, -1}};
    for (const auto& row : rows) {
        const PlayPosition at = playedOn(p, 1, row.seconds);
        EXPECT_NEAR(at.value, row.value, 1e-9) << row.seconds << " s";
        if (std::fabs(at.value - p.from) > 1e-9 && std::fabs(at.value - p.to) > 1e-9)
            EXPECT_EQ(at.direction, row.direction) << row.seconds << " s";
    }
}

// A move of the hand changes the object in place frame by frame; once recorded it is one step.
TEST(FormulaParameters, AMoveIsOneUndoStepBetweenTheOthers)
{
    BoardDocument document;
    const FormulaAction drawn{FormulaKind::Function, "a x", "", "-10", "10", "", 0, {{"a", 1}}};
    const std::uint64_t id = document.add(drawn).id;
    document.add(ClearAction{});
    document.undo(); // the clear, so it can no longer be redone after the move
    FormulaAction moved = drawn;
    for (double value : {1.5, 2.0, 2.5}) {
        moved.parameters[0].value = value;
        ASSERT_TRUE(document.replace(id, moved));
    }
    EXPECT_EQ(document.actions().size(), 1u);
    EXPECT_FALSE(document.recordReplacement(id, moved)) << "nothing changed since then";
    ASSERT_TRUE(document.recordReplacement(id, drawn));
    EXPECT_FALSE(document.canRedo());
    const FormulaAction other{FormulaKind::Function, "x", "", "-10", "10", "", 1};
    document.add(other);
    ASSERT_TRUE(document.undo()); // the other curve
    ASSERT_TRUE(document.undo()); // the move
    EXPECT_EQ(document.actions(), std::vector<BoardAction>{drawn});
    EXPECT_EQ(document.keys().front().id, id) << "the same object, drawn again";
    ASSERT_TRUE(document.redo().has_value());
    EXPECT_EQ(document.actions(), std::vector<BoardAction>{moved});
    ASSERT_TRUE(document.redo().has_value());
    EXPECT_EQ(document.actions().size(), 2u);
    ASSERT_TRUE(document.undo());
    ASSERT_TRUE(document.undo());
    ASSERT_TRUE(document.undo()); // the curve itself
    EXPECT_TRUE(document.actions().empty());
    EXPECT_FALSE(document.canUndo());
}

} // namespace
} // namespace curvana

namespace curvana {
namespace {

// The rings of the moving curve carry its values: whole values give exact labels, others decimals.
TEST(FormulaParameters, SpecialPointsUseTheValues)
{
    const auto labels = [](FormulaParameters parameters) {
        const std::vector<BoardAction> board{
            FormulaAction{FormulaKind::Function, "y=a(x−h)²+k", "", "-10", "10", "", 0, std::move(parameters)}};
        auto [functions, conics] = curvesOnBoard(board);
        std::vector<std::string> found;
        for (const SpecialPoint& point : boardPoints(functions, conics).points)
            found.push_back(point.label);
        return found;
    };
    const auto whole = labels({{"a", 2}, {"h", 1}, {"k", -3}});
    EXPECT_NE(std::ranges::find_if(whole,
                  [](const std::string& label) {
                      return label.find("顶点") != std::string::npos && label.find("(1, −3)") != std::string::npos;
                  }),
        whole.end())
        << ::testing::PrintToString(whole);
    const auto half = labels({{"a", 1}, {"h", 0.5}, {"k", -3}});
    EXPECT_NE(std::ranges::find_if(
                  half, [](const std::string& label) { return label.find("(0.5, −3)") != std::string::npos; }),
        half.end())
        << ::testing::PrintToString(half);
}

} // namespace
} // namespace curvana
