// The board document: undo and redo keep the order of actions, and each action draws what its
// window draws.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/document/board_document.h"

namespace curvana {
namespace {

CurveAction curve(int option) { return {CurveWindow::Elementary, option, {"1", "2", "0"}, "红"}; }

TEST(BoardDocumentTest, UndoAndRedoWalkBackAndForth)
{
    BoardDocument document;
    EXPECT_FALSE(document.undo());
    EXPECT_FALSE(document.redo());
    document.add(curve(1));
    document.add(ClearAction{});
    document.add(curve(2));
    ASSERT_TRUE(document.undo());
    ASSERT_TRUE(document.undo());
    EXPECT_EQ(document.actions(), std::vector<BoardAction>{curve(1)});
    // The most recently undone comes back first.
    EXPECT_EQ(document.redo(), std::optional<BoardAction>(ClearAction{}));
    EXPECT_EQ(document.actions(), (std::vector<BoardAction>{curve(1), ClearAction{}}));
    EXPECT_TRUE(document.canRedo());
    document.add(curve(3)); // a new action drops what was undone
    EXPECT_FALSE(document.canRedo());
    EXPECT_FALSE(document.redo());
    EXPECT_EQ(document.actions(), (std::vector<BoardAction>{curve(1), ClearAction{}, curve(3)}));
}

TEST(BoardDocumentTest, EveryChangeAndOnlyAChangeCounts)
{
    BoardDocument document;
    std::uint64_t seen = document.changeCount();
    const auto changed = [&] {
        const bool moved = document.changeCount() != seen;
        seen = document.changeCount();
        return moved;
    };
    document.add(curve(1));
    EXPECT_TRUE(changed());
    document.redo();
    EXPECT_FALSE(changed());
    document.undo();
    EXPECT_TRUE(changed());
    document.undo();
    EXPECT_FALSE(changed());
    document.redo();
    EXPECT_TRUE(changed());
    document.replaceAll({ClearAction{}, curve(4)});
    EXPECT_TRUE(changed());
    EXPECT_EQ(document.actions().size(), 2u);
    document.undo();
    document.clear();
    EXPECT_TRUE(changed());
    EXPECT_TRUE(document.actions().empty());
    EXPECT_FALSE(document.canRedo());
}

TEST(BoardDocumentTest, AnEntryKeepsItsIdentityThroughUndoRedoAndReplacement)
{
    BoardDocument document;
    const EntryKey first = document.add(curve(1));
    const EntryKey second = document.add(curve(2));
    EXPECT_NE(first.id, second.id);
    document.add(curve(3));
    document.undo();
    document.redo();
    EXPECT_EQ(document.keys()[1], second) << "undo and redo bring back the same entry";

    const std::uint64_t changes = document.changeCount();
    document.undo(); // curve 3 waits to be redone
    ASSERT_TRUE(document.replace(first.id, ClearAction{}));
    EXPECT_EQ(document.actions(), (std::vector<BoardAction>{ClearAction{}, curve(2)}));
    EXPECT_EQ(document.keys()[0].id, first.id);
    EXPECT_NE(document.keys()[0].revision, first.revision) << "a replaced entry must be drawn again";
    EXPECT_GT(document.changeCount(), changes + 1);
    EXPECT_TRUE(document.canRedo()) << "replacing one object does not drop what was undone";
    EXPECT_FALSE(document.replace(12345, curve(5)));
    EXPECT_EQ(document.actions().size(), 2u);

    // An opened board's entries are new objects, never taken for the ones shown before.
    document.replaceAll(document.actions());
    EXPECT_NE(document.keys()[0].id, first.id);
    EXPECT_NE(document.keys()[1].id, second.id);
    EXPECT_NE(document.keys()[0].id, document.keys()[1].id);
}

TEST(BoardDocumentTest, AFailingComparisonPrintsTheActionsFields)
{
    const std::string curveText = ::testing::PrintToString(BoardAction(curve(2)));
    EXPECT_NE(curveText.find(R"(CurveAction{Elementary, option 2, ["1", "2", "0"], colour "红"})"), std::string::npos)
        << curveText;
    const std::string strokeText
        = ::testing::PrintToString(StrokeAction{{StrokeRun{kRed, {{1.5, -2}}}, StrokeRun{kBlue, {}}}});
    EXPECT_EQ(
        strokeText, "StrokeAction{StrokeRun{colour 0xff, 1 dots: (1.5, -2)}, StrokeRun{colour 0xff0000, 0 dots:}}");
    const std::string formulaText
        = ::testing::PrintToString(FormulaAction{FormulaKind::Parametric, "cos(t)", "sin(t)", "0", "2π", "蓝", 3});
    EXPECT_EQ(formulaText,
        R"x(FormulaAction{Parametric, "cos(t)", "sin(t)", from "0" to "2π", colour "蓝", caption line 3})x");
}

TEST(BoardDocumentTest, CurveActionsDrawWithTheirWindowsFunction)
{
    struct Row {
        CurveAction action;
        DrawingResult expected;
    };
    const FieldTexts conic{"1", "1", "3", "2"};
    const Row rows[] = {
        {{CurveWindow::Elementary, 3, {"1", "2", "0"}, ""}, elementaryCurve(CurveFamily::Reciprocal, {"1", "2", "0"})},
        {{CurveWindow::Conic, 2, conic, ""}, conicCurve(CurveFamily::Hyperbola, conic)},
        {{CurveWindow::Conic, 5, conic, ""}, conicCurve(CurveFamily::Circle, conic)},
        {{CurveWindow::Classic, 4, {"2"}, ""}, classicCurve(CurveFamily::ThreeLeafRose, {"2"})},
    };
    for (const Row& row : rows) {
        const DrawingResult drawn = actionDrawing(row.action);
        ASSERT_TRUE(std::holds_alternative<Drawing>(drawn));
        const Drawing& drawing = std::get<Drawing>(drawn);
        EXPECT_EQ(drawing.dots, std::get<Drawing>(row.expected).dots);
        EXPECT_EQ(drawing.circles.size(), std::get<Drawing>(row.expected).circles.size());
        EXPECT_FALSE(drawing.dots.empty() && drawing.circles.empty());
    }
    const DrawingResult flat = actionDrawing(FigureAction{FigureKind::Ellipse, {"0", "0", "0", "2"}, ""});
    ASSERT_TRUE(std::holds_alternative<InputProblem>(flat));
    EXPECT_EQ(std::get<InputProblem>(flat).field, 2);
}

// A window's option numbers are what saved boards hold: the gaps between them are refused.
TEST(BoardDocumentTest, OnlyTheWindowsButtonsAreOptions)
{
    for (const CurveWindowEntry& entry : curveWindowEntries()) {
        for (int number = -1; number <= 12; ++number) {
            const bool button = std::ranges::find(entry.options, number, &CurveOption::number) != entry.options.end();
            EXPECT_EQ(isCurveOption(entry.window, number), button) << entry.design.designName << " " << number;
        }
        EXPECT_EQ(actionTitle(CurveAction{entry.window, 1, {}, ""}), entry.design.caption);
    }
    EXPECT_FALSE(isCurveOption(CurveWindow::Conic, 4)); // the conic window has no Option4
    for (std::size_t i = 0; i < kFigureKindCount; ++i) {
        const auto figure = static_cast<FigureKind>(i);
        EXPECT_EQ(actionTitle(FigureAction{figure, {}, ""}), figureDialogEntry(figure).caption);
    }
    EXPECT_EQ(actionTitle(FormulaAction{}), formulaWindowEntry().caption);
}

FormulaAction formula(const char* text, int captionLine = 0)
{
    return {FormulaKind::Function, text, "", "-10", "10", "", captionLine};
}

// A replay draws the pieces the window drew, and each caption line stands one text line lower.
TEST(BoardDocumentTest, FormulaActionsDrawAtTheDesignScaleOnTheirCaptionLine)
{
    const auto drawing = std::get<Drawing>(actionDrawing(formula("x^2", 2)));
    const auto direct = std::get<Drawing>(formulaDrawing(
        {FormulaKind::Function, "x^2", "", "-10", "10"}, SamplingView{}, {-9.8, 9.8 - 2 * kCaptionLineUnits}));
    EXPECT_EQ(drawing.polylines, direct.polylines);
    EXPECT_FALSE(drawing.polylines.empty());
    EXPECT_EQ(drawing.captions, direct.captions);
    EXPECT_EQ(formulaCaptionPlace(0), (WorldPoint{-9.8, 9.8}));
    EXPECT_LT(formulaCaptionPlace(1).y, 9.8 - 0.6); // a line is about 0.65 units
    EXPECT_EQ(std::get<FormulaError>(actionDrawing(formula("x+"))).box, FormulaBox::First);
}

TEST(BoardDocumentTest, FormulaCaptionsTakeTheCurvesColour)
{
    const struct {
        const char* colour;
        std::optional<Rgb> caption;
    } rows[] = {{"红", kRed}, {"绿", rgb(0, 255, 0)}, {"", std::nullopt}, {"请选择颜色", std::nullopt}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.colour);
        FormulaAction action = formula("x^2");
        action.colour = row.colour;
        const auto drawing = std::get<Drawing>(actionDrawing(action));
        ASSERT_EQ(drawing.captions.size(), 1u);
        EXPECT_EQ(drawing.captions.front().colour, row.caption);
    }
}

TEST(BoardDocumentTest, FormulaCaptionLinesCountOwnFormulasSinceTheLastClear)
{
    EXPECT_EQ(nextFormulaCaptionLine({}), 0);
    EXPECT_EQ(nextFormulaCaptionLine({formula("x"), curve(1), formula("x")}), 2);
    EXPECT_EQ(nextFormulaCaptionLine({formula("x"), formula("x"), ClearAction{}, curve(1), formula("x")}), 1);
    EXPECT_EQ(nextFormulaCaptionLine({formula("x"), ClearAction{}}), 0);
}

} // namespace
} // namespace curvana

namespace curvana {
namespace {

// The drawing a window's check computed is handed to the board's next paint of the same action
// only: another action, or the same one painted again later, is computed afresh.
TEST(CheckedDrawing, IsHandedToTheNextPaintOfTheSameActionOnly)
{
    const CurveAction parabola{CurveWindow::Elementary, 2, {"1", "+2", "+0"}, "红"};
    const CurveAction line{CurveWindow::Elementary, 1, {"1", "+2", "+0"}, "红"};
    const auto dotsOf = [](const DrawingResult& result) { return std::get<Drawing>(result).dots; };
    const auto parabolaDots = dotsOf(actionDrawing(parabola));
    const auto lineDots = dotsOf(actionDrawing(line));
    ASSERT_NE(parabolaDots, lineDots);

    EXPECT_EQ(dotsOf(checkedDrawing(parabola)), parabolaDots);
    EXPECT_EQ(dotsOf(actionDrawing(line)), lineDots) << "another action is not given the checked drawing";
    EXPECT_EQ(dotsOf(actionDrawing(parabola)), parabolaDots);
    EXPECT_EQ(dotsOf(actionDrawing(parabola)), parabolaDots) << "taken once, then computed again";

    const FormulaAction cubic{FormulaKind::Function, "x³", "", "-2", "2", "蓝", 0};
    const auto checked = checkedDrawing(cubic);
    ASSERT_TRUE(std::holds_alternative<Drawing>(checked));
    const auto painted = actionDrawing(cubic);
    ASSERT_TRUE(std::holds_alternative<Drawing>(painted));
    EXPECT_EQ(std::get<Drawing>(painted).polylines, std::get<Drawing>(checked).polylines);
}

} // namespace
} // namespace curvana
