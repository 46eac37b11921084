// The board's keyboard way into its menus and how closing it ends the program.
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "plotters/plotter_window.h"
#include "support/ui_fixture.h"

namespace curvana {
namespace {

using BoardEnd = testing::UiFixture;

TEST_F(BoardEnd, F10OpensTheFirstMenu)
{
    board->activateWindow();
    QApplication::setActiveWindow(board);
    EXPECT_EQ(board->menuBar()->activeAction(), nullptr);
    QTest::keyClick(board, Qt::Key_F10);
    QAction* active = board->menuBar()->activeAction();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->text(), QStringLiteral("文件"));
    if (active->menu())
        active->menu()->close();
}

TEST_F(BoardEnd, AClosedBoardsPlotterShowsNoMessageAndTheProgramEnds)
{
    board->action("fd2")->trigger();
    QPointer<PlotterWindow> plotter = qobject_cast<PlotterWindow*>(board->windows().find("fd2"));
    ASSERT_TRUE(plotter);
    plotter->controls().option("Option1")->setChecked(true);
    plotter->controls().text("Text3")->setText("x");
    // The board goes while the plotter's click is still pending (a print was running).
    board->close();
    EXPECT_GE(programEnds, 1);
    ASSERT_TRUE(plotter) << "not yet deleted: its deletion waits for the event loop";
    plotter->drawCurve();
    EXPECT_TRUE(messages.empty());
}

TEST_F(BoardEnd, ABoardDeletedWithoutClosingAlsoEndsTheProgram)
{
    delete board.data();
    EXPECT_EQ(programEnds, 1);
}

TEST_F(BoardEnd, ClosingTheBoardEndsTheEventLoopEvenFromAnOpenMessageBox)
{
    // On the real desktop: a real message box, and the program's real end.
    delete board.data();
    SystemDesktopServices desktop;
    board = createBoard(desktop);
    board->show();
    bool boxReturned = false, timedOut = false;
    QTimer::singleShot(0, board, [this, &desktop, &boxReturned] {
        desktop.showMessage(board, {QStringLiteral("试验"), QStringLiteral("板关闭时此框也关闭。")});
        boxReturned = true;
    });
    QTimer::singleShot(100, board, [this] { board->close(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&timedOut] {
        timedOut = true;
        QApplication::closeAllWindows();
        QCoreApplication::quit();
    });
    watchdog.start(5000);
    QApplication::exec();
    // The last window's closing also posted a quit; later tests run event loops of their own.
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
    EXPECT_FALSE(timedOut);
    EXPECT_TRUE(boxReturned);
    EXPECT_TRUE(board.isNull()) << "the board is deleted on its way out";
    delete board.data(); // before the desktop it uses
}

} // namespace
} // namespace curvana
