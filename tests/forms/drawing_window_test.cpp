// The drawing windows hand the board the action their boxes make through BoardTarget, and
// nothing for a bad box; a window whose table lacks a control its code relies on fails when it is built.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include "core/curves/curves.h"
#include "figures/figure_dialog.h"
#include "forms/board_target.h"
#include "plotters/plotters.h"
#include "support/recording_services.h"

namespace curvana {
namespace {

struct RecordingTarget : BoardTarget {
    std::vector<BoardAction> calls;
    testing::RecordingServices desktop;
    void perform(const BoardAction& action) override { calls.push_back(action); }
    void undo() override { }
    void redo() override { }
    int formulaCaptionLine() const override { return 0; }
    std::uint64_t lastObjectId() const override { return calls.size(); }
    std::optional<std::pair<std::uint64_t, FormulaAction>> lastFormula() const override { return std::nullopt; }
    std::optional<BoardAction> objectAction(std::uint64_t) const override { return std::nullopt; }
    bool moveInPlace(std::uint64_t, const BoardAction&) override { return false; }
    void recordReplacement(std::uint64_t, const BoardAction&) override { }
    void leaveTrace(const Drawing&, Rgb) override { }
    DesktopServices& services() override { return desktop; }
};

struct DrawingWindows : ::testing::Test {
    RecordingTarget board;
    std::vector<MessageRequest>& messages = board.desktop.messages;
};

TEST_F(DrawingWindows, APlotterHandsItsActionAsTyped)
{
    ConicPlotter plotter(board);
    plotter.controls().option(QStringLiteral("Option3"))->setChecked(true);
    plotter.controls().text(QStringLiteral("Text1"))->setText(QStringLiteral(" 0.5"));
    plotter.controls().combo(QStringLiteral("Combo1"))->setEditText(QStringLiteral("绿"));
    plotter.controls().button(QStringLiteral("Command1"))->click();

    ASSERT_EQ(board.calls.size(), 1u);
    const FieldTexts typed{" 0.5", "1", "3", "2"};
    EXPECT_EQ(board.calls[0], BoardAction(CurveAction{CurveWindow::Conic, 3, typed, "绿"}));
}

TEST_F(DrawingWindows, AFigureDialogHandsItsFigureAndABadBoxHandsNothing)
{
    FigureDialog dialog(figureDialogDesign(FigureKind::Line), board);
    dialog.controls().text(QStringLiteral("Text4"))->setText(QStringLiteral("x"));
    dialog.drawAndClose();
    EXPECT_TRUE(board.calls.empty());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(dialog.controls().text(QStringLiteral("Text4"))->hasFocus() || !dialog.isVisible());

    dialog.controls().text(QStringLiteral("Text4"))->setText(QStringLiteral("3"));
    dialog.drawAndClose();
    ASSERT_EQ(board.calls.size(), 1u);
    EXPECT_EQ(board.calls[0], BoardAction(FigureAction{FigureKind::Line, {"0", "0", "1", "3"}, "请选择颜色"}));
}

TEST(FigureDesigns, EveryFigureHasTheDialogThatDrawsIt)
{
    for (const FigureDialogDesign& design : figureDialogDesigns())
        EXPECT_EQ(&figureDialogDesign(design.kind), &design) << figureDialogEntry(design.kind).designName;
}

// A table without its colour combo, or with a gap in its boxes, stops the program at once.
TEST(DrawingWindowTables, AMissingControlFailsWhenTheWindowIsBuilt)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    RecordingTarget board;
    static const ControlRow noCombo[] = {{Ctl::Text, "Text1", nullptr, "1", 0, 0, 300, 300, 0}};
    static const ControlRow gap[] = {{Ctl::Text, "Text1", nullptr, "1", 0, 0, 300, 300, 0},
        {Ctl::Text, "Text3", nullptr, "1", 0, 300, 300, 300, 1},
        {Ctl::ColourCombo, "Combo1", nullptr, "", 0, 600, 300, 300, 2}};
    EXPECT_DEATH(DrawingWindow(board, QStringLiteral("试验"), 900, 900, noCombo), "colour combo");
    EXPECT_DEATH(DrawingWindow(board, QStringLiteral("试验"), 900, 900, gap), "Text3");
}

} // namespace
} // namespace curvana
