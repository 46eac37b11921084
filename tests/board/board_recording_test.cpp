// The board records what the user does: redo and opening a saved board draw it again dot for dot,
// a bad file changes nothing, the undo keys work from every drawing window, and the recovery file
// always holds the board.
#include <QFile>

#include "board/board_recording_fixture.h"
#include "storage/board_file.h"
#include "board/board_export.h"
#include "storage/recovery_files.h"
#include "storage/recovery_journal.h"
#include "support/pixels.h"

namespace curvana {
namespace {

using Recording = testing::RecordingFixture;

std::vector<BoardAction> actionsIn(const QString& path)
{
    BoardReadResult read = readBoardFile(path);
    EXPECT_TRUE(std::holds_alternative<OpenedBoard>(read)) << std::get<QString>(read).toStdString();
    return std::holds_alternative<OpenedBoard>(read) ? std::get<OpenedBoard>(read).actions : std::vector<BoardAction>{};
}

std::vector<BoardAction> recoveryActions() { return actionsIn(recoveryFilePath()); }

TEST_F(Recording, RedoingEveryStepDrawsTheLiveListAgain)
{
    drawEveryKind();
    ASSERT_TRUE(inStep());
    const std::size_t steps = board->document().actions().size();
    ASSERT_GE(steps, 30u);
    const testing::ListCopy live(surface());
    for (std::size_t i = 0; i < steps; ++i)
        board->action("undo")->trigger();
    EXPECT_EQ(surface().objectCount(), 0u);
    for (std::size_t i = 0; i < steps; ++i) {
        board->action("redo")->trigger();
        ASSERT_TRUE(inStep());
    }
    testing::expectSameList(live, surface());
    board->action("redo")->trigger(); // nothing left to redo
    EXPECT_EQ(surface().objectCount(), steps);
}

TEST_F(Recording, AnObjectReplacedInPlaceIsNoStepAndLeavesTheBoardOfItsActions)
{
    drawEveryKind();
    std::vector<BoardAction> actions = board->document().actions();
    const std::size_t middle = actions.size() / 2;
    const CurveAction cubic{CurveWindow::Elementary, 3, {"1", "-1", "+2"}, "蓝"};
    // A stroke in progress is recorded first, as before any other change.
    QTest::mousePress(board->view(), Qt::LeftButton, {}, QPoint(60, 60));
    QTest::mouseMove(board->view(), QPoint(61, 61));
    ASSERT_TRUE(board->replace(board->document().keys()[middle].id, cubic));
    QTest::mouseRelease(board->view(), Qt::LeftButton, {}, QPoint(62, 62));
    ASSERT_EQ(board->document().actions().size(), actions.size() + 1) << "the stroke, and no step for the replacement";
    EXPECT_TRUE(inStep());
    actions[middle] = cubic;
    actions.push_back(board->document().actions().back());
    EXPECT_EQ(board->document().actions(), actions);
    EXPECT_EQ(recoveryActions(), shownActions(actions)) << "the recovery file holds the replaced board";
    EXPECT_FALSE(board->replace(0, cubic)) << "no object has id 0";

    const testing::ListCopy replaced(surface());
    board->action("undo")->trigger(); // the stroke
    board->action("redo")->trigger();
    testing::expectSameList(replaced, surface());
    openPath = dir.filePath(QStringLiteral("fresh.curvana"));
    ASSERT_EQ(writeBoardFile(openPath, actions), std::nullopt);
    board->action("openBoard")->trigger();
    testing::expectSameList(replaced, surface());
}

// The file holds what the board shows, the actions since the last clear, so the opened board looks
// the same without first drawing what the clear wiped; opened twice, it is the same list.
TEST_F(Recording, ASavedBoardOpensAsTheBoardShownWithItsNameInTheTitle)
{
    drawEveryKind();
    const QImage shown = boardImage(*board->view(), 1);
    const std::vector<BoardAction> actions = shownActions(board->document().actions());
    ASSERT_LT(actions.size(), board->document().actions().size()) << "the board was cleared on the way";
    savePath = dir.filePath(QStringLiteral("lesson"));
    board->action("saveBoard")->trigger();
    ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
    EXPECT_TRUE(QFile::exists(savePath + QStringLiteral(".curvana"))) << "the extension is added";
    EXPECT_EQ(board->windowTitle(), QStringLiteral("Curvana — lesson.curvana"));

    // On a fresh board, as `curvana FILE` opens it, and over the same board.
    QPointer<BoardWindow> first = board;
    board = createBoard(services);
    board->show();
    openPath = savePath + QStringLiteral(".curvana");
    std::optional<testing::ListCopy> firstOpen;
    for (int pass = 0; pass < 2; ++pass) {
        SCOPED_TRACE(pass);
        board->action("openBoard")->trigger();
        ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
        EXPECT_EQ(boardImage(*board->view(), 1), shown);
        if (firstOpen)
            testing::expectSameList(*firstOpen, surface());
        firstOpen.emplace(surface());
        EXPECT_EQ(board->document().actions(), actions);
        EXPECT_TRUE(inStep());
        EXPECT_FALSE(board->document().canRedo());
        EXPECT_EQ(board->windowTitle(), QStringLiteral("Curvana — lesson.curvana"));
    }
    delete first.data();
}

TEST_F(Recording, ABadFileShowsItsMessageAndLeavesBoardAndDocumentAsTheyWere)
{
    struct BadFile {
        const char* name;
        QByteArray contents; // null: the file is not there
        const char* message;
    };
    const BadFile files[] = {
        {"missing.curvana", QByteArray(), "文件不存在"},
        {"text.curvana", "hello", "这不是Curvana图板文件"},
        {"broken.curvana", "{\"format\": \"curvana-board\", \"version\": 1, \"actions\": [", "文件已损坏"},
        {"newer.curvana", R"({"format": "curvana-board", "version": 99, "actions": []})", "比本程序新"},
        {"window.curvana",
            R"({"format":"curvana-board","version":1,"actions":[{"type":"clear"},{"type":"curve","window":"x","option":1,"texts":[],"colour":""}]})",
            "第2个动作"},
        {"axis.curvana",
            R"({"format":"curvana-board","version":1,"actions":[{"type":"figure","figure":"ellipse","texts":["0","0","0","2"],"colour":""}]})",
            "椭圆"},
    };
    curves("fd1", {2}, "红");
    const testing::ListCopy before(surface());
    const std::vector<BoardAction> actions = board->document().actions();
    const QString title = board->windowTitle();
    for (const BadFile& bad : files) {
        SCOPED_TRACE(bad.name);
        messages.clear();
        openPath = dir.filePath(QString::fromUtf8(bad.name));
        if (!bad.contents.isNull()) {
            QFile file(openPath);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(bad.contents);
        }
        board->action("openBoard")->trigger();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.contains(QString::fromUtf8(bad.message))) << messages[0].text.toStdString();
        testing::expectSameList(before, surface());
        EXPECT_EQ(board->document().actions(), actions);
        EXPECT_EQ(board->windowTitle(), title);
    }
    openPath.clear(); // a cancelled dialog
    board->action("openBoard")->trigger();
    EXPECT_EQ(board->document().actions(), actions);
}

TEST_F(Recording, AnOpenedBoardIsRevealedFromItsFirstDrawingInAnimationMode)
{
    curves("fd1", {2}, "红");
    openPath = dir.filePath(QStringLiteral("red.curvana"));
    ASSERT_FALSE(writeBoardFile(openPath, board->document().actions()));
    board->clearBoard();
    board->view()->setAnimated(true);
    board->view()->finishReveal();
    const QImage axesOnly = board->view()->shownImage();
    board->action("openBoard")->trigger();
    ASSERT_TRUE(board->view()->revealing());
    EXPECT_EQ(board->view()->shownImage(), axesOnly) << "not shown at once";
    board->view()->finishReveal();
    EXPECT_NE(board->view()->shownImage(), axesOnly);
}

TEST_F(Recording, TheUndoKeysActOnTheBoardFromAPlotterButEditTextInsideABox)
{
    PlotterWindow* plotter = open("fd1");
    choose(plotter, 2);
    press(plotter);
    press(plotter);
    ASSERT_EQ(surface().objectCount(), 2u);
    QApplication::setActiveWindow(plotter);
    QPushButton* ok = plotter->controls().button(QStringLiteral("Command1"));
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(surface().objectCount(), 1u) << "Ctrl+Z right after 确定";
    QTest::keyClick(ok, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(surface().objectCount(), 2u) << "Ctrl+Y";
    EXPECT_TRUE(inStep());

    QLineEdit* box = plotter->controls().text(QStringLiteral("Text1"));
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("7"));
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(box->text(), QStringLiteral("7")) << "the box undoes its typing";
    QTest::keyClick(box, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(box->text(), QStringLiteral("7")) << "and redoes it";
    EXPECT_EQ(surface().objectCount(), 2u) << "the board is untouched";
}

TEST_F(Recording, TheUndoKeysWorkFromAFigureDialog)
{
    figure("jk7", "红");
    board->action("jk7")->trigger();
    QWidget* dialog = board->windows().find(QStringLiteral("jk7"));
    QApplication::setActiveWindow(dialog);
    dialog->setFocus();
    QTest::keyClick(dialog, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(surface().objectCount(), 0u);
    EXPECT_TRUE(inStep());
}

TEST_F(Recording, TheRecoveryFileHoldsTheBoardAfterEveryStep)
{
    const std::function<void()> steps[] = {
        [&] { curves("fd2", {1}, "绿"); },
        [&] { figure("jk1", "红"); },
        [&] { stroke(50, "黑", "红"); },
        [&] { board->clearBoard(); },
        [&] { board->undo(); },
        [&] { board->redo(); },
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        steps[i]();
        EXPECT_EQ(recoveryActions(), shownActions(board->document().actions()));
    }
}

// What a clear wiped counts against no limit: a hundred and one own formulas, each cleared, save
// and keep the recovery file in step.
TEST_F(Recording, ClearedDrawingsCountAgainstNoFileLimit)
{
    for (std::size_t i = 0; i <= kMaxBoardFormulas; ++i) {
        formula("Option1", "x", "", "红");
        board->clearBoard();
    }
    formula("Option1", "x^2", "", "蓝");
    ASSERT_GT(board->document().actions().size(), 2 * kMaxBoardFormulas);
    savePath = dir.filePath(QStringLiteral("lesson.v2"));
    board->action("saveBoard")->trigger();
    ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
    const QString saved = savePath + QStringLiteral(".curvana");
    EXPECT_EQ(actionsIn(saved), shownActions(board->document().actions()))
        << "saved as lesson.v2.curvana, so the open dialog shows it";
    EXPECT_EQ(recoveryActions(), shownActions(board->document().actions()));
}

TEST_F(Recording, TheLastEndedRunsBoardIsOpenedByItsEntry)
{
    board->action("openPreviousBoard")->trigger();
    ASSERT_EQ(messages.size(), 1u) << "no ended run has left a board yet";
    messages.clear();

    curves("fd1", {3}, "蓝");
    const std::vector<BoardAction> lastRun = board->document().actions();
    const QString endedRun = recoveryFolder() + QStringLiteral("/recovery-1-1.curvana");
    ASSERT_EQ(RecoveryJournal().compact(endedRun, lastRun), std::nullopt);
    board->clearBoard();
    board->action("openPreviousBoard")->trigger();
    ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
    EXPECT_EQ(board->document().actions(), lastRun);
    EXPECT_EQ(recoveryActions(), lastRun) << "opening is a step too";
    EXPECT_EQ(board->windowTitle(), QStringLiteral("Curvana — 上次的图板"));
    EXPECT_TRUE(inStep());
    QFile::remove(endedRun);
}

TEST_F(Recording, ARecoveryFileThatCannotBeWrittenIsReportedOnceAndTheBoardGoesOn)
{
    const QByteArray stateHome = qgetenv("XDG_STATE_HOME");
    QFile blocker(dir.filePath(QStringLiteral("file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_STATE_HOME", blocker.fileName().toLocal8Bit()); // its folder cannot be made
    curves("fd1", {1, 2, 3}, "红");
    board->clearBoard();
    qputenv("XDG_STATE_HOME", stateHome);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(board->document().actions().size(), 4u);
    EXPECT_TRUE(inStep());
}

} // namespace
} // namespace curvana
