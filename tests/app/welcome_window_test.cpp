// The welcome window: the mode choice, the counter and its own picture.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "app/welcome_window.h"
#include "board/board_window.h"
#include "board/surface_view.h"
#include "forms/pages.h"
#include "storage/board_file.h"
#include "support/pixels.h"
#include "support/recording_services.h"
#include "support/typing.h"

namespace curvana {
namespace {

struct Welcome : ::testing::Test {
    // Declared first: the welcome window and its board use it until they are gone.
    testing::RecordingServices services;
    int& programEnds = services.programEnds;
    QPointer<WelcomeWindow> welcome;
    QPointer<BoardWindow> board;

    void SetUp() override
    {
        welcome = new WelcomeWindow(services);
        welcome->show();
    }
    void TearDown() override
    {
        delete welcome.data();
        delete board.data();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void start()
    {
        QTest::mouseClick(welcome->startButton(), Qt::LeftButton);
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
        welcome->modeChoice()->setEditText(QString::fromUtf8(row.comboText));
        start();
        ASSERT_TRUE(board) << row.comboText;
        EXPECT_EQ(board->view()->animated(), row.animated) << row.comboText;
        EXPECT_EQ(board->modeField()->text(), QString::fromUtf8(row.boardText)) << row.comboText;
        EXPECT_TRUE(board->isVisible());
        EXPECT_TRUE(welcome.isNull()) << "the welcome window is destroyed for good";
    }
}

TEST_F(Welcome, TypedTextIsTakenAsTypedWithoutCompletion)
{
    const std::pair<const char*, bool> rows[] = {{"具有动画", false}, {"具有动画显示", true}, {"具有", false}};
    for (const auto& [typed, animated] : rows) {
        TearDown();
        SetUp();
        testing::typeIntoCombo(welcome->modeChoice(), QString::fromUtf8(typed));
        EXPECT_EQ(welcome->modeChoice()->currentText(), QString::fromUtf8(typed));
        start();
        ASSERT_TRUE(board) << typed;
        EXPECT_EQ(board->view()->animated(), animated) << typed;
    }
}

TEST_F(Welcome, TheBoardAlreadyShowsItsAxesWhenTheModeIsApplied)
{
    welcome->modeChoice()->setEditText("具有动画显示");
    start();
    EXPECT_FALSE(board->view()->revealing());
    EXPECT_EQ(board->surface().texts().size(), 39u);
    const QImage shown = board->view()->shownImage();
    const Surface& surface = board->surface();
    EXPECT_EQ(shown.pixelColor(testing::pixelAt(surface, shown.size(), 0, 5)), QColor(Qt::blue))
        << "the y axis drawn at load is on screen";
}

// `curvana FILE`: the board draws the file when it opens; a bad file leaves it empty with the message.
TEST_F(Welcome, TheBoardDrawsTheFileNamedAtStart)
{
    QTemporaryDir dir;
    const std::vector<BoardAction> lesson{CurveAction{CurveWindow::Conic, 1, {"1", "1", "4", "3"}, "红"}};
    const QString good = dir.filePath("lesson.curvana");
    ASSERT_FALSE(writeBoardFile(good, lesson));
    const std::vector<MessageRequest>& messages = services.messages;
    for (const QString& path : {good, dir.filePath("missing.curvana")}) {
        TearDown();
        SetUp();
        welcome->modeChoice()->setEditText("具有动画显示");
        welcome->setBoardFile(path);
        start();
        ASSERT_TRUE(board);
        const bool opens = path == good;
        EXPECT_EQ(board->document().actions(), opens ? lesson : std::vector<BoardAction>{});
        EXPECT_EQ(board->view()->revealing(), opens) << "drawn at the pace of the chosen mode";
        EXPECT_EQ(messages.size(), opens ? 0u : 1u);
    }
}

TEST_F(Welcome, StartingStopsTheTimer)
{
    EXPECT_TRUE(welcome->countdown().isActive());
    EXPECT_EQ(welcome->countdown().interval(), 1000);
    WelcomeWindow* raw = welcome;
    QSignalSpy due(raw, &WelcomeWindow::showDue);
    QTest::mouseClick(welcome->startButton(), Qt::LeftButton);
    board = raw->openedBoard();
    EXPECT_FALSE(raw->countdown().isActive());
    EXPECT_EQ(due.count(), 0);
}

TEST_F(Welcome, BackEndsTheProgram)
{
    QTest::mouseClick(welcome->backButton(), Qt::LeftButton);
    EXPECT_EQ(programEnds, 1);
}

TEST_F(Welcome, TheCounterCountsDownAndTheShowIsDueOnlyAtFortyNine)
{
    QSignalSpy due(welcome.data(), &WelcomeWindow::showDue);
    const char* expected[] = {"49", "48", "47"};
    for (const char* text : expected) {
        welcome->countDown();
        EXPECT_EQ(welcome->counterField()->text(), text);
    }
    EXPECT_EQ(due.count(), 1);
    welcome->counterField()->setText("1");
    welcome->countDown();
    welcome->countDown();
    EXPECT_EQ(welcome->counterField()->text(), "-1");
    EXPECT_EQ(due.count(), 1);
}

TEST_F(Welcome, ACounterThatIsNoNumberStaysAndStartsNothing)
{
    QSignalSpy due(welcome.data(), &WelcomeWindow::showDue);
    welcome->counterField()->setText("四十九");
    welcome->countDown();
    EXPECT_EQ(welcome->counterField()->text(), "四十九");
    EXPECT_EQ(due.count(), 0);
    welcome->counterField()->setText("４９"); // typed with a Chinese input method
    welcome->countDown();
    EXPECT_EQ(welcome->counterField()->text(), "48");
    EXPECT_EQ(due.count(), 1);
}

TEST_F(Welcome, ItsAxesHaveNoTicksAndLeaveThePenAtOne)
{
    const Surface& s = welcome->picture();
    EXPECT_EQ(s.drawWidth(), 1);
    ASSERT_EQ(s.texts().size(), 2u);
    EXPECT_EQ(s.texts()[0].text, "X");
    EXPECT_EQ(s.texts()[1].text, "Y");
}

TEST_F(Welcome, ResizingSetsThePictureToHalfTheWindowWidth)
{
    const int height = welcome->view()->height();
    welcome->resize(600, welcome->height());
    QApplication::processEvents();
    EXPECT_EQ(welcome->view()->width(), welcome->frameGeometry().width() / 2);
    EXPECT_EQ(welcome->view()->height(), height);
}

TEST_F(Welcome, CaptionAndTooltipsOfTheLinks)
{
    EXPECT_EQ(welcome->windowTitle(), "欢迎您使用《Linora2002》");
    EXPECT_EQ(welcome->collectionLink()->toolTip(), "双击到我的个人专集去！");
    EXPECT_EQ(welcome->homePageLink()->toolTip(), "双击看看我的主页！");
    EXPECT_EQ(welcome->counterField()->text(), "50");
    EXPECT_EQ(welcome->modeChoice()->currentText(), "功能选择");
}

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button)
{
    const QPointF at(5, 5);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST_F(Welcome, ALinkOpensOnceForALeftClickOrADoubleClickAndNeverForTheRightButton)
{
    using Events = std::vector<std::pair<QEvent::Type, Qt::MouseButton>>;
    constexpr auto press = QEvent::MouseButtonPress, release = QEvent::MouseButtonRelease;
    const std::pair<Events, int> rows[] = {
        {{{press, Qt::LeftButton}, {release, Qt::LeftButton}}, 1},
        // What the window system sends for a double click.
        {{{press, Qt::LeftButton}, {release, Qt::LeftButton}, {QEvent::MouseButtonDblClick, Qt::LeftButton},
             {release, Qt::LeftButton}},
            1},
        {{{press, Qt::RightButton}, {release, Qt::RightButton}}, 0},
        {{{press, Qt::RightButton}, {release, Qt::RightButton}, {QEvent::MouseButtonDblClick, Qt::RightButton},
             {release, Qt::RightButton}},
            0},
    };
    const std::pair<LinkLabel*, const char*> links[]
        = {{welcome->homePageLink(), kHomePage}, {welcome->collectionLink(), kCollectionPage}};
    for (const auto& [link, page] : links) {
        for (const auto& [events, opened] : rows) {
            services.openedPages.clear();
            QSignalSpy clicks(link, &LinkLabel::clicked);
            for (const auto& [type, button] : events)
                sendMouse(link, type, button);
            const std::string where = link->objectName().toStdString() + " after " + std::to_string(events.size());
            EXPECT_EQ(clicks.count(), opened) << where;
            ASSERT_EQ(services.openedPages.size(), static_cast<qsizetype>(opened)) << where;
            if (opened) {
                EXPECT_EQ(services.openedPages.front(), authorPage(page)) << where;
            }
        }
    }
}

TEST_F(Welcome, TheContactLinesSayWhatTheHelpPageQuotes)
{
    QFile help(helpPagePath(QStringLiteral("home.htm")));
    ASSERT_TRUE(help.open(QIODevice::ReadOnly));
    const QString page = QString::fromUtf8(help.readAll());
    for (const char* name : {"Label5", "Label6"}) {
        const auto* line = welcome->findChild<QLabel*>(QString::fromUtf8(name));
        ASSERT_NE(line, nullptr) << name;
        EXPECT_TRUE(page.contains(QStringLiteral("“%1”").arg(line->text()))) << line->text().toStdString();
    }
    EXPECT_TRUE(welcome->findChild<QLabel*>("Label5")->text().startsWith("电话："));
    EXPECT_TRUE(welcome->findChild<QLabel*>("Label6")->text().startsWith("电子邮件："));
}

} // namespace
} // namespace curvana
