// The board document: undo and redo keep the order of actions, and each action draws what its
// window draws.
#include <gtest/gtest.h>

#include "core/board_document.h"

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

TEST(BoardDocumentTest, CurveActionsDrawWithTheirWindowsFunction)
{
    struct Row {
        CurveAction action;
        DrawingResult expected;
    };
    const FieldTexts conic{"1", "1", "3", "2"};
    const Row rows[] = {
        {{CurveWindow::Elementary, 3, {"1", "2", "0"}, ""}, elementaryCurve(3, {"1", "2", "0"})},
        {{CurveWindow::Conic, 2, conic, ""}, conicCurve(2, conic)},
        {{CurveWindow::Classic, 4, {"2"}, ""}, classicCurve(4, {"2"})},
    };
    for (const Row& row : rows) {
        const DrawingResult drawn = actionDrawing(row.action);
        ASSERT_TRUE(std::holds_alternative<Drawing>(drawn));
        EXPECT_EQ(std::get<Drawing>(drawn).dots, std::get<Drawing>(row.expected).dots);
        EXPECT_FALSE(std::get<Drawing>(drawn).dots.empty());
    }
    const DrawingResult flat = actionDrawing(FigureAction{FigureKind::Ellipse, {"0", "0", "0", "2"}, ""});
    ASSERT_TRUE(std::holds_alternative<InputProblem>(flat));
    EXPECT_EQ(std::get<InputProblem>(flat).field, 2);
}

TEST(BoardDocumentTest, OptionsAndTitlesMatchTheWindows)
{
    const std::pair<CurveWindow, int> offered[] = {{CurveWindow::Elementary, 1}, {CurveWindow::Elementary, 10},
                                                   {CurveWindow::Conic, 3},      {CurveWindow::Conic, 5},
                                                   {CurveWindow::Classic, 1},    {CurveWindow::Classic, 6}};
    const std::pair<CurveWindow, int> missing[] = {{CurveWindow::Elementary, 0}, {CurveWindow::Elementary, 11},
                                                   {CurveWindow::Conic, 4},      {CurveWindow::Conic, 6},
                                                   {CurveWindow::Classic, 0},    {CurveWindow::Classic, 7}};
    for (const auto& [window, option] : offered)
        EXPECT_TRUE(isCurveOption(window, option)) << option;
    for (const auto& [window, option] : missing)
        EXPECT_FALSE(isCurveOption(window, option)) << option;

    const std::pair<FigureKind, std::string> titles[] = {
        {FigureKind::Point, "画点"},   {FigureKind::Line, "画直线"},    {FigureKind::Rectangle, "画矩形"},
        {FigureKind::Ellipse, "画椭圆"}, {FigureKind::Sector, "画扇形"}, {FigureKind::Arc, "画弧"},
        {FigureKind::Triangle, "画三角形"}, {FigureKind::Parallelogram, "画平行四边形"}};
    for (const auto& [figure, title] : titles)
        EXPECT_EQ(actionTitle(FigureAction{figure, {}, ""}), title);
    EXPECT_EQ(actionTitle(CurveAction{CurveWindow::Conic, 1, {}, ""}), "圆锥曲线");
    EXPECT_EQ(actionTitle(FormulaAction{}), "自定义函数");
}

FormulaAction formula(const char* text, int captionLine = 0)
{
    return {FormulaKind::Function, text, "", "-10", "10", "", captionLine};
}

// A replay draws the dots the window drew, and each caption line stands one text line lower.
TEST(BoardDocumentTest, FormulaActionsDrawAtTheDesignScaleOnTheirCaptionLine)
{
    const auto drawing = std::get<Drawing>(actionDrawing(formula("x^2", 2)));
    const auto direct = std::get<Drawing>(formulaDrawing({FormulaKind::Function, "x^2", "", "-10", "10"}, PixelScale{},
                                                         {-9.8, 9.8 - 2 * kCaptionLineUnits}));
    EXPECT_EQ(drawing.dots, direct.dots);
    EXPECT_EQ(drawing.captions, direct.captions);
    EXPECT_EQ(formulaCaptionPlace(0), (WorldPoint{-9.8, 9.8}));
    EXPECT_LT(formulaCaptionPlace(1).y, 9.8 - 0.6); // a line is about 0.65 units
    EXPECT_EQ(std::get<FormulaError>(actionDrawing(formula("sinn x"))).box, FormulaBox::First);
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
