// The board window: menus, clearing, printing, pages, the paint program and one-instance windows.
#include <QAction>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <gtest/gtest.h>

#include "board/board_print.h"
#include "canvas/rasteriser.h"
#include "forms/pages.h"
#include "support/pixels.h"
#include "support/ui_fixture.h"

namespace curvana {
namespace {

using Board = testing::UiFixture;

struct MenuRow {
    const char* name;
    const char* caption;
    QKeySequence shortcut;
};

TEST_F(Board, FileAndHelpMenusHaveTheirCaptionsAndShortcuts)
{
    const MenuRow rows[] = {
        {"df1", "打印", QKeySequence(Qt::ALT | Qt::Key_Backspace)},
        {"sd", "调“画图”程序", QKeySequence(Qt::Key_F12)},
        {"df2", "清除", QKeySequence(Qt::Key_Delete)},
        {"df3", "退出程序", QKeySequence(Qt::SHIFT | Qt::Key_Delete)},
        {"ty", "帮助", {}},
        {"jj", "中学数学园地我的个人专辑", {}},
        {"rr", "我的主页", {}},
        {"dffffffff", "数学实用网址", {}},
    };
    for (const MenuRow& row : rows) {
        QAction* action = board->action(row.name);
        ASSERT_NE(action, nullptr) << row.name;
        EXPECT_EQ(action->text(), QString::fromUtf8(row.caption)) << row.name;
        EXPECT_EQ(action->shortcut(), row.shortcut) << row.name;
    }
    QStringList titles;
    for (QAction* top : board->menuBar()->actions())
        titles << top->text();
    EXPECT_EQ(titles, QStringList({"文件", "画函数图象", "画基本图象", "帮助", "数学实用网址"}));
}

TEST_F(Board, OpensWithCaptionControlsAndAxes)
{
    EXPECT_EQ(board->windowTitle(), "Curvana");
    EXPECT_EQ(board->modeField()->text(), "Text1");
    EXPECT_EQ(board->penColourChoice()->currentText(), "请选择鼠标画线颜色");
    EXPECT_EQ(board->penColourChoice()->count(), 7);
    EXPECT_EQ(board->clearButton()->text(), "清除");
    EXPECT_EQ(board->quitButton()->text(), "退出");
    // Scripts and tests find the controls by their design names: the handles are those controls.
    const std::pair<QWidget*, const char*> designNames[]
        = {{board->modeField(), "Text1"}, {board->penColourChoice(), "Combo1"}, {board->clearButton(), "Command1"},
            {board->quitButton(), "Command2"}, {board->view(), "Picture1"}};
    for (const auto& [control, name] : designNames)
        EXPECT_EQ(board->findChild<QWidget*>(name), control) << name;
    EXPECT_EQ(surface().texts().size(), 39u);
    EXPECT_EQ(board->view()->geometry().top(), 24);
    EXPECT_EQ(board->view()->height(), 433);
}

TEST_F(Board, ClearButtonAndMenuBothLeaveOnlyTheAxes)
{
    for (const char* how : {"button", "menu"}) {
        board->surface().setPixel(3, 3, kRed);
        board->surface().setDrawWidth(5);
        if (std::string(how) == "button")
            QTest::mouseClick(board->clearButton(), Qt::LeftButton);
        else
            board->action("df2")->trigger();
        EXPECT_EQ(surface().drawWidth(), 2) << how;
        const QImage image = board->view()->shownImage();
        EXPECT_EQ(image.pixelColor(testing::pixelAt(surface(), image.size(), 3, 3)), QColor(Qt::white)) << how;
    }
}

TEST_F(Board, DeleteKeyInATextFieldEditsTheTextInsteadOfClearing)
{
    board->activateWindow();
    board->surface().setPixel(3, 3, kRed);
    const auto dots = surface().dotCount();
    board->modeField()->setFocus();
    board->modeField()->setCursorPosition(0);
    QTest::keyClick(board->modeField(), Qt::Key_Delete);
    EXPECT_EQ(board->modeField()->text(), "ext1");
    EXPECT_EQ(surface().dotCount(), dots);
}

TEST_F(Board, ExitButtonAndMenuEndTheProgram)
{
    QTest::mouseClick(board->quitButton(), Qt::LeftButton);
    board->action("df3")->trigger();
    EXPECT_EQ(programEnds, 2);
}

TEST_F(Board, PrintRefusesInAnimationModeWithItsExactMessage)
{
    board->modeField()->setText(BoardWindow::kAnimationModeText);
    board->action("df1")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "《Linora2002》");
    EXPECT_EQ(messages[0].text, "不能将图象打印出来！请关闭程序，重新打开程序，在欢迎窗口的“功能选择”中选择“打印”！");
    EXPECT_EQ(messages[0].icon, QMessageBox::NoIcon);
}

TEST_F(Board, WithoutAPrinterTheBoardIsSavedAsPdfWhenTheUserAgrees)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer is installed here";
    QTemporaryDir dir;
    savePath = dir.filePath("board.pdf");
    answer = QMessageBox::Yes;
    board->modeField()->setText("随便改过的文字"); // any text other than the animation one prints
    board->action("df1")->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QFile pdf(savePath);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_GT(pdf.size(), 2000);
}

TEST_F(Board, DecliningThePdfOfferPrintsNothing)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer is installed here";
    QTemporaryDir dir;
    savePath = dir.filePath("never.pdf");
    answer = QMessageBox::No;
    board->action("df1")->trigger();
    EXPECT_FALSE(QFile::exists(savePath));
}

// A field of /proc/self/status in kB ("VmHWM", "VmRSS"); 0 where there is none.
long statusKb(const char* field)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(QByteArray(field) + ':'))
            return line.mid(static_cast<int>(qstrlen(field)) + 1).trimmed().split(' ').value(0).toLong();
    return 0;
}

// Sets the peak memory back to what is in use now; false where the kernel does not allow it.
bool resetPeakMemory()
{
    QFile refs("/proc/self/clear_refs");
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

TEST_F(Board, PrintingToAPdfIsQuickLightAndSmall)
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "a default printer is installed here";
    QTemporaryDir dir;
    savePath = dir.filePath("board"); // typed without its suffix
    answer = QMessageBox::Yes;
    const bool peakKnown = resetPeakMemory();
    const long before = statusKb("VmRSS");
    QElapsedTimer clock;
    clock.start();
    board->action("df1")->trigger();
    const qint64 elapsed = clock.elapsed();
    const long peakGrowth = statusKb("VmHWM") - before;
    QFile pdf(dir.filePath("board.pdf"));
    EXPECT_EQ(board->coordinateReadout()->text(), "已保存到 " + pdf.fileName());
    std::printf("print to PDF: %lld ms, peak memory +%ld kB, %lld bytes\n", static_cast<long long>(elapsed), peakGrowth,
        static_cast<long long>(pdf.size()));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << "the suffix is added";
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
    EXPECT_LT(pdf.size(), 500'000);
    EXPECT_LT(elapsed, 500) << "the program stays answering";
    if (peakKnown) {
        EXPECT_LT(peakGrowth, 100'000);
    }
}

TEST_F(Board, ThePrintedPageShowsTheControlsAndTheDrawing)
{
    board->surface().setPixel(5, 5, kRed);
    QImage page(900, 1200, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        paintBoardPage(*board, painter, QRectF(0, 0, 900, 1200));
    }
    // The client area is fitted to the page width: scale 900 / 444.
    const double fit = 900.0 / board->centralWidget()->width();
    const QRect inner = board->view()->contentsRect().translated(board->view()->pos());
    const QPointF inPicture = testing::mapFor(surface(), inner.size()).toPixel(5, 5);
    const QPoint onPage(
        static_cast<int>((inner.left() + inPicture.x()) * fit), static_cast<int>((inner.top() + inPicture.y()) * fit));
    EXPECT_GT(testing::countNear(page, onPage, 4, QColor(255, 0, 0)), 0);
    const QPoint xAxis(static_cast<int>((inner.left() + inner.width() * 0.7) * fit),
        static_cast<int>((inner.top() + inner.height() / 2.0) * fit));
    EXPECT_GT(testing::countNear(page, xAxis, 4, QColor(0, 0, 255)), 0);
    // The red mode text of the row of controls is on the page too.
    EXPECT_GT(testing::countColour(page, QRect(0, 0, 900, static_cast<int>(20 * fit)), QColor(255, 0, 0)), 0);
}

TEST_F(Board, EachPageEntryAsksForItsOwnPage)
{
    const std::pair<const char*, const char*> rows[]
        = {{"ty", kHelpPage}, {"jj", kCollectionPage}, {"rr", kHomePage}, {"dffffffff", kMathLinksPage}};
    for (const auto& [entry, page] : rows) {
        services.openedPages.clear();
        board->action(QString::fromUtf8(entry))->trigger();
        ASSERT_EQ(services.openedPages.size(), 1) << entry;
        EXPECT_EQ(services.openedPages.front(), helpPagePath(QString::fromUtf8(page))) << entry;
    }
}

TEST_F(Board, TheShippedPagesAreFound)
{
    for (const char* page : {"index.htm", "数学网页.htm", "home.htm", "collection.htm"})
        EXPECT_FALSE(helpPagePath(QString::fromUtf8(page)).isEmpty()) << page;
}

TEST_F(Board, ThePaintEntryStartsAPaintProgramAndLeavesTheBoard)
{
    const auto ops = surface().ops().size();
    board->action("sd")->trigger();
    EXPECT_EQ(services.paintProgramStarts, 1);
    EXPECT_EQ(surface().ops().size(), ops);
}

TEST_F(Board, AWindowExistsOnceAndComesBackFreshAfterClosing)
{
    int made = 0;
    const WindowMenuEntry entries[] = {{"test1", "试验窗口", {}, [&made](BoardTarget&, QWidget*) -> QWidget* {
                                            ++made;
                                            return new QWidget(nullptr, Qt::Window);
                                        }}};
    board->addWindowEntries("mm", entries);
    board->action("test1")->trigger();
    QWidget* first = board->windows().find("test1");
    board->action("test1")->trigger();
    EXPECT_EQ(board->windows().find("test1"), first);
    EXPECT_EQ(made, 1);
    first->close();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(board->windows().find("test1"), nullptr);
    board->action("test1")->trigger();
    EXPECT_EQ(made, 2);
    // Closing the board takes its windows with it.
    QPointer<QWidget> second = board->windows().find("test1");
    board->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull() || !second->isVisible());
}

TEST_F(Board, ResizingChangesOnlyTheSurfaceWidthAndKeepsTheDrawing)
{
    board->surface().setPixel(5, 5, kRed);
    const int height = board->view()->height();
    board->resize(700, board->height());
    QApplication::processEvents();
    EXPECT_EQ(board->view()->width(), static_cast<int>(0.94 * board->frameGeometry().width()));
    EXPECT_EQ(board->view()->height(), height);
    const QImage image = board->view()->shownImage();
    EXPECT_EQ(image.pixelColor(testing::pixelAt(surface(), image.size(), 5, 5)), QColor(255, 0, 0));
    EXPECT_EQ(testing::pixelAt(surface(), image.size(), 5, 5).x(), testing::pixelAt(surface(), image.size(), 5, 0).x());
}

// How far the centre of the number under the tick at x stands from the tick, in pixels.
double numberOffsetFromTick(const Surface& surface, const QImage& image, double x)
{
    const QPoint origin = testing::pixelAt(surface, image.size(), 0, 0);
    const int tick = testing::pixelAt(surface, image.size(), x, 0).x();
    // Half the way to the neighbouring ticks, so only this tick's number is looked at.
    const int reach = (testing::pixelAt(surface, image.size(), x + 1, 0).x() - tick) / 2 - 1;
    int left = image.width(), right = -1;
    for (int y = origin.y() + 4; y < origin.y() + 18; ++y)
        for (int px = tick - reach; px <= tick + reach; ++px)
            if (image.valid(px, y) && image.pixelColor(px, y) != QColor(Qt::white)) {
                left = std::min(left, px);
                right = std::max(right, px);
            }
    return left <= right ? (left + right) / 2.0 - tick : 1e9;
}

// Widening the board stretches the world, not the glyphs: the axis numbers keep their place
// under their ticks (a number drifting beside its tick would misread the axis).
TEST_F(Board, AxisNumbersStayUnderTheirTicksOnAWiderBoard)
{
    const double ticks[] = {1.0, 3.0, 8.0}; // one-digit numbers fit between their neighbours' ticks
    std::vector<double> designed;
    const QImage atDesign = board->view()->shownImage();
    for (double x : ticks)
        designed.push_back(numberOffsetFromTick(surface(), atDesign, x));
    board->resize(900, board->height());
    QApplication::processEvents();
    const QImage wide = board->view()->shownImage();
    ASSERT_GT(wide.width(), 800);
    for (std::size_t i = 0; i < std::size(ticks); ++i) {
        ASSERT_LT(std::fabs(designed[i]), 8) << ticks[i];
        EXPECT_NEAR(numberOffsetFromTick(surface(), wide, ticks[i]), designed[i], 1) << ticks[i];
    }
}

TEST_F(Board, AnimationModeRevealsStepByStepAndLosesNothing)
{
    board->view()->setAnimated(true);
    const QColor red(255, 0, 0);
    for (int i = 0; i < 20000; ++i)
        board->surface().setPixel(-9.5f + i * 0.00095f, 5, kRed);
    EXPECT_TRUE(board->view()->revealing());
    const QImage early = board->view()->shownImage();
    EXPECT_EQ(early.pixelColor(testing::pixelAt(surface(), early.size(), 9.4, 5)), QColor(Qt::white));
    QSignalSpy finished(board->view(), &SurfaceView::revealFinished);
    ASSERT_TRUE(finished.wait(5000));
    board->view()->repaint(); // as after being covered and uncovered
    const QImage late = board->view()->shownImage();
    EXPECT_EQ(late.pixelColor(testing::pixelAt(surface(), late.size(), 9.4, 5)), red);
    EXPECT_EQ(late.pixelColor(testing::pixelAt(surface(), late.size(), -9.4, 5)), red);
}

} // namespace
} // namespace curvana
