// "列表描点" and "命名点" opened from the board: the table filled by Enter with exact values, x
// cells edited one by one, 描点/连线/全部 as one undoable action each, shown point by point in
// animation mode, the table copied as text.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest/QTest>

#include "board/reveal_pace.h"
#include "core/document/board_document.h"
#include "figures/named_point_dialog.h"
#include "plotters/parameter_rows.h"
#include "plotters/table_window.h"
#include "support/ui_fixture.h"

namespace curvana::testing {
namespace {

struct TableWindowTest : UiFixture {
    TableWindow* window = nullptr;

    void SetUp() override
    {
        UiFixture::SetUp();
        QTest::keyClick(board.data(), Qt::Key_B, Qt::ControlModifier);
        window = qobject_cast<TableWindow*>(board->windows().find(QStringLiteral("fdTable")));
        ASSERT_NE(window, nullptr) << "Ctrl+B opens it";
        QApplication::setActiveWindow(window);
    }

    QLineEdit* box(const char* name) const { return window->controls().text(QString::fromUtf8(name)); }
    void enterFormula(const char* formula) const
    {
        box("Text1")->setText(QString::fromUtf8(formula));
        box("Text1")->setFocus();
        QTest::keyClick(box("Text1"), Qt::Key_Return);
    }
    QStringList row(int index) const
    {
        QStringList cells;
        for (int column = 0; column < window->grid().columnCount(); ++column)
            cells << window->grid().item(index, column)->text();
        return cells;
    }
    // A mnemonic presses its button as a click shown for a moment, then it acts.
    void pressKey(Qt::Key key, std::size_t actionsAfter)
    {
        QTest::keyClick(window, key, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(board->boardActions().size(), actionsAfter, 2000);
    }
    std::size_t discsOnSurface()
    {
        std::size_t discs = 0;
        for (const Op& op : surface().ops())
            discs += op.kind == OpKind::Disc;
        return discs;
    }
};

TEST_F(TableWindowTest, EnterFillsTheTableWithExactValuesAndEditedCellsKeepTheirPlace)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("列表描点"));
    EXPECT_EQ(window->objectName(), QStringLiteral("FormValueTable"));
    EXPECT_EQ(row(0).join(u' '), QStringLiteral("−3 −2 −1 0 1 2 3"));
    enterFormula("1/x");
    EXPECT_EQ(row(1).join(u' '), QStringLiteral("−1/3 −1/2 −1 无 1 1/2 1/3"));
    // A pupil puts x = 1/2 in the middle: its y follows, the other cells stay.
    window->grid().item(0, 3)->setText(QStringLiteral("1/2"));
    EXPECT_EQ(row(1).join(u' '), QStringLiteral("−1/3 −1/2 −1 2 1 1/2 1/3"));
    enterFormula("√x");
    EXPECT_EQ(row(1).join(u' '), QStringLiteral("无 无 无 √2/2 1 √2 √3"));
    // New x values from the boxes replace the cells.
    box("Text3")->setText(QStringLiteral("0.5"));
    QTest::keyClick(box("Text3"), Qt::Key_Return);
    EXPECT_EQ(row(0).join(u' '), QStringLiteral("−3 −2.5 −2 −1.5 −1 −0.5 0"));
    // A cell that is no number is named, and nothing changes on the board.
    window->grid().item(0, 2)->setText(QStringLiteral("abc"));
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back().text, QStringLiteral("请在表格第3个x格里填写一个数。"));
    window->controls().button(QStringLiteral("Command1"))->click();
    EXPECT_TRUE(board->boardActions().empty());
}

TEST_F(TableWindowTest, EachButtonIsOneActionUndoneWhole)
{
    enterFormula("x^2");
    pressKey(Qt::Key_D, 1);
    ASSERT_EQ(board->boardActions().size(), 1u);
    const auto* points = std::get_if<TableAction>(&board->boardActions().back());
    ASSERT_NE(points, nullptr);
    EXPECT_EQ(*points, (TableAction{"x^2", {"−3", "−2", "−1", "0", "1", "2", "3"}, "请选择颜色", true, false}));
    EXPECT_EQ(discsOnSurface(), 7u);
    pressKey(Qt::Key_L, 2);
    ASSERT_EQ(board->boardActions().size(), 2u);
    EXPECT_FALSE(std::get<TableAction>(board->boardActions().back()).points);
    EXPECT_TRUE(std::get<TableAction>(board->boardActions().back()).curve);
    pressKey(Qt::Key_A, 3);
    ASSERT_EQ(board->boardActions().size(), 3u);
    EXPECT_EQ(discsOnSurface(), 14u);
    board->undo();
    board->undo();
    EXPECT_EQ(discsOnSurface(), 7u);
    board->undo();
    EXPECT_EQ(discsOnSurface(), 0u);
    board->redo();
    EXPECT_EQ(discsOnSurface(), 7u);
}

// A letter gets a row below the table, starting at 1; a moved value refills the y row at once with
// nothing put on the board, and the buttons draw with the values the rows hold.
TEST_F(TableWindowTest, ALettersRowSetsItsValueForTheTableAndTheDrawing)
{
    window->show();
    const int heightBefore = window->height();
    enterFormula("a x²");
    ParameterRows& rows = window->parameterRows();
    ASSERT_NE(rows.valueBox("a"), nullptr);
    EXPECT_TRUE(rows.valueBox("a")->isVisible());
    EXPECT_EQ(row(1).join(u' '), QStringLiteral("9 4 1 0 1 4 9"));
    EXPECT_GE(rows.geometry().top(), window->grid().geometry().bottom());
    EXPECT_GE(window->height(), rows.geometry().bottom());
    EXPECT_GT(window->height(), heightBefore);
    rows.valueBox("a")->setText(QStringLiteral("0.5"));
    rows.valueBox("a")->setFocus();
    QTest::keyClick(rows.valueBox("a"), Qt::Key_Return);
    EXPECT_EQ(row(1).join(u' '), QStringLiteral("4.5 2 0.5 0 0.5 2 4.5"));
    rows.valueBox("a")->setText(QStringLiteral("-2"));
    QTest::keyClick(rows.valueBox("a"), Qt::Key_Return);
    EXPECT_EQ(row(1).join(u' '), QStringLiteral("−18 −8 −2 0 −2 −8 −18"));
    EXPECT_TRUE(board->boardActions().empty());
    pressKey(Qt::Key_D, 1);
    const auto& drawn = std::get<TableAction>(board->boardActions().back());
    ASSERT_EQ(drawn.parameters.size(), 1u);
    EXPECT_EQ(drawn.parameters.front().name, "a");
    EXPECT_EQ(drawn.parameters.front().value, -2);
    // A formula without letters has no rows, and the window shrinks back.
    enterFormula("x + 1");
    EXPECT_FALSE(rows.valueBox("a")->isVisible());
    EXPECT_EQ(window->height(), heightBefore);
}

TEST_F(TableWindowTest, InAnimationModeThePointsComeOneAfterTheOtherAtTheRevealSpeed)
{
    SurfaceView& view = *board->view();
    view.setAnimated(true);
    view.setRevealSpeed(RevealSpeed::Medium);
    enterFormula("2^x");
    window->controls().button(QStringLiteral("Command3"))->click();
    // The discs shown so far, after `ms` more milliseconds.
    const auto shownAfter = [&](double ms) {
        view.advanceReveal(ms);
        std::size_t discs = 0;
        for (std::uint32_t op = 0; op < view.revealedTo().op && op < surface().ops().size(); ++op)
            discs += surface().ops()[op].kind == OpKind::Disc;
        return discs;
    };
    const double pause = 1000 / boardsPerSecond(RevealSpeed::Medium)
        * pieceLength(
            surface(),
            [&] {
                std::uint32_t op = 0;
                while (surface().ops()[op].kind != OpKind::Disc)
                    ++op;
                return op;
            }(),
            0);
    EXPECT_GT(pause, 500) << "a class can follow";
    EXPECT_EQ(shownAfter(pause * 0.9), 0u);
    EXPECT_EQ(shownAfter(pause * 0.2), 1u);
    EXPECT_EQ(shownAfter(pause), 2u);
    // Each point's text comes with it: the entry after a shown disc is its text, shown too.
    const ListPos shown = view.revealedTo();
    EXPECT_EQ(surface().ops()[shown.op - 1].kind, OpKind::Text);
    // The curve only after the last point.
    EXPECT_EQ(shownAfter(pause * 4.9), 7u);
    EXPECT_TRUE(view.revealing());
    view.finishReveal();
    EXPECT_FALSE(view.revealing());
}

TEST_F(TableWindowTest, CopyTablePutsTabSeparatedRowsOnTheClipboard)
{
    enterFormula("1/x");
    window->controls().button(QStringLiteral("Command4"))->click();
    EXPECT_EQ(QApplication::clipboard()->text(),
        QStringLiteral("x\t−3\t−2\t−1\t0\t1\t2\t3\ny\t−1/3\t−1/2\t−1\t无\t1\t1/2\t1/3\n"));
}

TEST_F(UiFixture, NamedPointDialogDrawsOneObject)
{
    QTest::keyClick(board.data(), Qt::Key_G, Qt::ControlModifier);
    auto* dialog = qobject_cast<NamedPointDialog*>(board->windows().find(QStringLiteral("mmNamedPoint")));
    ASSERT_NE(dialog, nullptr) << "Ctrl+G opens it";
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("命名点"));
    dialog->controls().text(QStringLiteral("Text1"))->setText(QStringLiteral("B"));
    dialog->controls().text(QStringLiteral("Text2"))->setText(QStringLiteral("π/3"));
    dialog->controls().text(QStringLiteral("Text3"))->setText(QStringLiteral("1/2"));
    dialog->controls().button(QStringLiteral("OKButton"))->click();
    ASSERT_EQ(board->boardActions().size(), 1u);
    EXPECT_EQ(board->boardActions().back(), BoardAction(NamedPointAction{{"B", "π/3", "1/2"}, "请选择颜色"}));
    const auto& texts = surface().texts();
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().text, QStringLiteral("B(π/3, 1/2)"));
    board->undo();
    EXPECT_TRUE(board->boardActions().empty());
    EXPECT_NE(surface().texts().back().text, QStringLiteral("B(π/3, 1/2)"));
}

} // namespace
} // namespace curvana::testing
