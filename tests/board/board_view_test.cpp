// The board's view: the wheel, the zoom and arrow keys, view dragging and "视窗…" change what part
// of the world the board shows; the document stays as it was and Ctrl+0 gives the designed board
// back pixel for pixel.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include "board/board_export.h"
#include "board/view_dialog.h"
#include "support/pixels.h"
#include "support/ui_fixture.h"

namespace curvana {
namespace {

using BoardView = testing::UiFixture;

void drawLesson(BoardWindow& board)
{
    board.perform(CurveAction{CurveWindow::Elementary, 3, {"1", "2", "0"}, "红"});
    board.perform(FormulaAction{FormulaKind::Function, "x^2-0.01", "", "-10", "10", "蓝", 0});
    board.perform(FigureAction{FigureKind::Ellipse, {"1", "1", "4", "2"}, "黑"});
    board.perform(LabelAction{{"2", "3", "顶点A"}, "红"});
    board.perform(StrokeAction{{{rgb(0, 128, 0), {{-5, -5}, {-4.9f, -5}, {-4.8f, -5.1f}}}}});
}

// The board draws a new view once the events already waiting are handled.
void settle() { QApplication::processEvents(); }

void turnWheel(SurfaceView& view, QPointF at, int notches)
{
    QWheelEvent wheel(
        at, view.mapToGlobal(at), {}, {0, 120 * notches}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    settle();
}

TEST_F(BoardView, TheWheelKeepsTheWorldPointUnderThePointerAndCtrl0GivesTheDesignedBoardBack)
{
    drawLesson(*board);
    const QImage designed = board->view()->shownImage();
    const std::size_t steps = board->document().actions().size();
    const QPointF pointer = board->view()->contentsRect().topLeft() + QPointF(130, 95);
    const QPointF underPointer = board->view()->worldAt(pointer);
    for (const int notches : {3, -1, 2}) {
        turnWheel(*board->view(), pointer, notches);
        const QPointF now = board->view()->worldAt(pointer);
        EXPECT_NEAR(now.x(), underPointer.x(), 1e-4 * board->boardView().width()) << notches;
        EXPECT_NEAR(now.y(), underPointer.y(), 1e-4 * board->boardView().height()) << notches;
    }
    EXPECT_NEAR(board->boardView().width(), 20 / std::pow(ViewWindow::kZoomStep, 4), 1e-9);
    EXPECT_NE(board->view()->shownImage(), designed);
    // A view is no step of the document: undo takes back the last drawing, not a zoom.
    EXPECT_EQ(board->document().actions().size(), steps);
    board->view()->setFocus();
    QTest::keyClick(board.data(), Qt::Key_0, Qt::ControlModifier);
    settle();
    EXPECT_TRUE(board->boardView().isDesigned());
    EXPECT_EQ(board->view()->shownImage(), designed);
}

// Export, copy and print render the board's list, which holds the current view; the view is saved
// with the board and comes back when it is opened, while a new board starts designed.
TEST_F(BoardView, PicturesShowTheCurrentViewAndASavedBoardOpensInIt)
{
    drawLesson(*board);
    const QImage designedPicture = boardImage(*board->view(), 1);
    board->setBoardView(*ViewWindow::make(-0.5, 3.5, -1, 3));
    settle();
    const QImage zoomedPicture = boardImage(*board->view(), 1);
    EXPECT_EQ(zoomedPicture, board->view()->shownImage());
    EXPECT_NE(zoomedPicture, designedPicture);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lesson.curvana"));
    savePath = path;
    board->saveBoard();
    board->showDesignedView();
    settle();
    EXPECT_EQ(boardImage(*board->view(), 1), designedPicture);
    ASSERT_TRUE(board->openBoardFile(path));
    settle();
    EXPECT_EQ(board->boardView(), *ViewWindow::make(-0.5, 3.5, -1, 3));
    EXPECT_EQ(board->view()->shownImage(), zoomedPicture);
}

TEST_F(BoardView, ZoomKeysActAboutTheCentreAndArrowsPanByATenthOnlyWithTheBoardFocused)
{
    board->view()->setFocus();
    QTest::keyClick(board.data(), Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(board->boardView(), ViewWindow().zoomedAtCentre(1.25));
    QTest::keyClick(board.data(), Qt::Key_Minus, Qt::ControlModifier);
    QTest::keyClick(board.data(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_NEAR(board->boardView().width(), 25, 1e-9);
    EXPECT_NEAR(board->boardView().centre().x, 0, 1e-12);
    const ViewWindow before = board->boardView();
    QTest::keyClick(board->view(), Qt::Key_Right);
    QTest::keyClick(board->view(), Qt::Key_Up);
    EXPECT_NEAR(board->boardView().xFrom(), before.xFrom() + 2.5, 1e-9);
    EXPECT_NEAR(board->boardView().yFrom(), before.yFrom() + 2.5, 1e-9);
    // In a text box the arrows move the cursor, not the view.
    board->modeField()->setFocus();
    const ViewWindow panned = board->boardView();
    QTest::keyClick(board->modeField(), Qt::Key_Left);
    EXPECT_EQ(board->boardView(), panned);
}

TEST_F(BoardView, ViewDraggingMovesTheViewInsteadOfDrawing)
{
    QAction* dragging = board->action(QStringLiteral("viewDragging"));
    ASSERT_NE(dragging, nullptr);
    dragging->trigger();
    EXPECT_EQ(board->view()->cursor().shape(), Qt::OpenHandCursor);
    SurfaceView& view = *board->view();
    const QPoint from = view.contentsRect().center();
    const QPointF worldFrom = view.worldAt(from);
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, from + QPoint(40, -30), view.mapToGlobal(from + QPoint(40, -30)), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    QTest::mouseRelease(&view, Qt::LeftButton, {}, from + QPoint(40, -30));
    settle();
    // The world point that was under the pointer went with it, and nothing was drawn.
    const QPointF worldNow = view.worldAt(from + QPoint(40, -30));
    EXPECT_NEAR(worldNow.x(), worldFrom.x(), 1e-3);
    EXPECT_NEAR(worldNow.y(), worldFrom.y(), 1e-3);
    EXPECT_TRUE(board->document().actions().empty());
    dragging->trigger();
    EXPECT_EQ(view.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(BoardView, TheViewDialogNamesTheWrongBoxAndChangesNothing)
{
    ViewDialog dialog(services, board.data(), board->boardView(), {400, 400});
    const struct {
        QString texts[4];
        const char* message;
    } rows[] = {
        {{"-1", "abc", "-1", "1"}, "请在“x 到”框里填写一个数。"},
        {{"3", "1", "-1", "1"}, "请在“x 到”框里填写一个比“x 从”框里的数大的数。"},
        {{"0", "1", "5", "5.0000000001"}, "请在“y 到”框里填写一个离“y 从”框里的数远一些的数。"},
    };
    for (const auto& row : rows) {
        messages.clear();
        for (int i = 0; i < 4; ++i)
            dialog.box(i)->setText(row.texts[i]);
        EXPECT_FALSE(dialog.readBoxes().has_value());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QString::fromUtf8(row.message));
    }
    for (int i = 0; i < 4; ++i)
        dialog.box(i)->setText(QStringList{"0", "40", "0", "20"}[i]);
    dialog.equalUnits()->setChecked(true);
    const std::optional<ViewWindow> chosen = dialog.readBoxes();
    ASSERT_TRUE(chosen.has_value());
    // Equal units on a square picture: the y range widens about its centre to the x range.
    EXPECT_EQ(*chosen, *ViewWindow::make(0, 40, -10, 30));
}

} // namespace
} // namespace curvana
