// The welcome window: the mode choice, the counter and its own picture.
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "app/welcome_window.h"
#include "board/board_window.h"
#include "forms/desktop_services.h"
#include "support/pixels.h"

namespace curvana {
namespace {

struct Welcome : ::testing::Test {
    QPointer<Form5> welcome;
    QPointer<Form1> board;
    int programEnds = 0;

    void SetUp() override
    {
        setProgramEnder([this] { ++programEnds; });
        welcome = new Form5;
        welcome->show();
    }
    void TearDown() override
    {
        delete welcome.data();
        delete board.data();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setProgramEnder({});
    }
    void start()
    {
        QTest::mouseClick(welcome->Command2, Qt::LeftButton);
        board = welcome->openedBoard();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

struct ModeRow {
    const char* comboText;
    bool animated;
    const char* boardText;
};

TEST_F(Welcome, TheComboChoosesTheModeByExactText)
{
    const ModeRow rows[] = {
        {"功能选择", false, "可打印，不动画演示！"},
        {"具有动画显示", true, "动画显示，不可打印！"},
        {"具有打印功能", false, "可打印，不动画演示！"},
        {"具有动画显示 ", false, "可打印，不动画演示！"},
        {"", false, "可打印，不动画演示！"},
    };
    for (const ModeRow& row : rows) {
        TearDown();
        SetUp();
        welcome->Combo1->setEditText(QString::fromUtf8(row.comboText));
        start();
        ASSERT_TRUE(board) << row.comboText;
        EXPECT_EQ(board->Picture1->animated(), row.animated) << row.comboText;
        EXPECT_EQ(board->Text1->text(), QString::fromUtf8(row.boardText)) << row.comboText;
        EXPECT_TRUE(board->isVisible());
        EXPECT_TRUE(welcome.isNull()) << "the welcome window is destroyed for good";
    }
}

TEST_F(Welcome, TheBoardAlreadyShowsItsAxesWhenTheModeIsApplied)
{
    welcome->Combo1->setEditText("具有动画显示");
    start();
    EXPECT_FALSE(board->Picture1->revealing());
    EXPECT_EQ(board->Picture1->surface().texts().size(), 39u);
    const QImage shown = board->Picture1->shownImage();
    const Surface& surface = board->Picture1->surface();
    EXPECT_EQ(shown.pixelColor(testing::pixelAt(surface, shown.size(), 0, 5)), QColor(Qt::blue))
        << "the y axis drawn at load is on screen";
}

TEST_F(Welcome, StartingStopsTheTimer)
{
    EXPECT_TRUE(welcome->Timer1.isActive());
    EXPECT_EQ(welcome->Timer1.interval(), 1000);
    Form5* raw = welcome;
    QSignalSpy due(raw, &Form5::showDue);
    QTest::mouseClick(welcome->Command2, Qt::LeftButton);
    board = raw->openedBoard();
    EXPECT_FALSE(raw->Timer1.isActive());
    EXPECT_EQ(due.count(), 0);
}

TEST_F(Welcome, BackEndsTheProgram)
{
    QTest::mouseClick(welcome->Command1, Qt::LeftButton);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(Welcome, TheCounterCountsDownAndTheShowIsDueOnlyAtFortyNine)
{
    QSignalSpy due(welcome.data(), &Form5::showDue);
    const char* expected[] = {"49", "48", "47"};
    for (const char* text : expected) {
        welcome->Timer1_Timer();
        EXPECT_EQ(welcome->Text3->text(), text);
    }
    EXPECT_EQ(due.count(), 1);
    welcome->Text3->setText("1");
    welcome->Timer1_Timer();
    welcome->Timer1_Timer();
    EXPECT_EQ(welcome->Text3->text(), "-1");
    EXPECT_EQ(due.count(), 1);
}

TEST_F(Welcome, ACounterThatIsNoNumberStaysAndStartsNothing)
{
    QSignalSpy due(welcome.data(), &Form5::showDue);
    welcome->Text3->setText("四十九");
    welcome->Timer1_Timer();
    EXPECT_EQ(welcome->Text3->text(), "四十九");
    EXPECT_EQ(due.count(), 0);
    welcome->Text3->setText("４９"); // typed with a Chinese input method
    welcome->Timer1_Timer();
    EXPECT_EQ(welcome->Text3->text(), "48");
    EXPECT_EQ(due.count(), 1);
}

TEST_F(Welcome, ItsAxesHaveNoTicksAndLeaveThePenAtOne)
{
    const Surface& s = welcome->Picture1->surface();
    EXPECT_EQ(s.drawWidth(), 1);
    ASSERT_EQ(s.texts().size(), 2u);
    EXPECT_EQ(s.texts()[0].text, "X");
    EXPECT_EQ(s.texts()[1].text, "Y");
}

TEST_F(Welcome, ResizingSetsThePictureToHalfTheWindowWidth)
{
    const int height = welcome->Picture1->height();
    welcome->resize(600, welcome->height());
    QApplication::processEvents();
    EXPECT_EQ(welcome->Picture1->width(), welcome->frameGeometry().width() / 2);
    EXPECT_EQ(welcome->Picture1->height(), height);
}

TEST_F(Welcome, CaptionAndTooltipsOfTheLinks)
{
    EXPECT_EQ(welcome->windowTitle(), "欢迎您使用《Linora2002》");
    EXPECT_EQ(welcome->Label7->toolTip(), "双击到我的个人专集去！");
    EXPECT_EQ(welcome->Label3->toolTip(), "双击看看我的主页！");
    EXPECT_EQ(welcome->Text3->text(), "50");
    EXPECT_EQ(welcome->Combo1->currentText(), "功能选择");
}

} // namespace
} // namespace curvana
