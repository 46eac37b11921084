// The welcome show as the counter's ticks start it: what lands in the picture's display list,
// how the picture reveals it, and the window's buttons while it runs.
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

#include "app/welcome_window.h"
#include "board/board_window.h"
#include "board/surface_view.h"
#include "support/pixels.h"
#include "support/recording_services.h"

namespace curvana {
namespace {

constexpr std::uint64_t kDotsPerCurve = 15279;
constexpr Rgb kYellow = rgb(255, 255, 0);
constexpr Rgb kCyan = rgb(0, 255, 255);
constexpr Rgb kMagenta = rgb(255, 0, 255);

struct Show : ::testing::Test {
    // Declared first: the welcome window and its board use it until they are gone.
    testing::RecordingServices services;
    int& programEnds = services.programEnds;
    QPointer<WelcomeWindow> welcome;
    QPointer<BoardWindow> board;
    std::size_t loadOps = 0;

    void SetUp() override
    {
        welcome = new WelcomeWindow(services);
        welcome->countdown().stop(); // the ticks are driven by hand
        welcome->show();
        QApplication::processEvents();
        loadOps = picture().ops().size();
    }
    void TearDown() override
    {
        delete welcome.data();
        delete board.data();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Surface& picture() { return welcome->picture(); }
    void tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            welcome->countDown();
    }
    int countShown(QColor colour)
    {
        const QImage image = welcome->view()->shownImage();
        return testing::countColour(image, image.rect(), colour);
    }
};

TEST_F(Show, TheSecondTickDrawsTheShowAndNoOtherTickDrawsAnything)
{
    tick();
    EXPECT_EQ(welcome->counterField()->text(), "49");
    EXPECT_EQ(picture().ops().size(), loadOps) << "one second in, only the axes";
    EXPECT_EQ(picture().dotCount(), 0u);

    tick();
    EXPECT_EQ(welcome->counterField()->text(), "48");
    EXPECT_EQ(picture().dotCount(), 15 * kDotsPerCurve);
    const std::size_t afterShow = picture().ops().size();

    tick(3);
    EXPECT_EQ(welcome->counterField()->text(), "45");
    welcome->counterField()->setText("1");
    tick(3);
    EXPECT_EQ(welcome->counterField()->text(), "-2");
    EXPECT_EQ(picture().ops().size(), afterShow);
}

TEST_F(Show, ACounterThatIsNoNumberIsLeftAndNothingIsDrawn)
{
    for (const char* text : {"四十九", "", "49abc", "--49"}) {
        welcome->counterField()->setText(QString::fromUtf8(text));
        tick();
        EXPECT_EQ(welcome->counterField()->text(), QString::fromUtf8(text));
        EXPECT_EQ(picture().ops().size(), loadOps) << text;
    }
}

// The show's entries in order: a run of dots ("colour × count") or an XY; the lines and letters
// of the axes are left out.
std::vector<std::string> showSummary(const Surface& s, std::size_t from)
{
    std::vector<std::string> summary;
    for (std::size_t i = from; i < s.ops().size(); ++i) {
        const Op& op = s.ops()[i];
        if (op.kind == OpKind::Clear)
            summary.push_back("XY");
        else if (op.kind == OpKind::Dots)
            summary.push_back(
                std::to_string(op.colour) + "x" + std::to_string(op.count) + "w" + std::to_string(op.width));
    }
    return summary;
}

std::string dots(Rgb colour, int curves)
{
    return std::to_string(colour) + "x" + std::to_string(curves * kDotsPerCurve) + "w1";
}

TEST_F(Show, TheShowsDisplayListFollowsItsTable)
{
    tick(2);
    // Curves of one colour drawn one after the other share a run.
    const std::vector<std::string> expected{dots(kBlack, 2), "XY", dots(kRed, 1), "XY", dots(kYellow, 1),
        dots(kCyan, 1), "XY", dots(kCyan, 1), dots(kRed, 1), "XY", dots(kBlue, 2), dots(kBlack, 1), dots(kRed, 1), "XY",
        dots(kCyan, 1), dots(kRed, 1), "XY", dots(kMagenta, 1), dots(kRed, 1)};
    EXPECT_EQ(showSummary(picture(), loadOps), expected);

    // Where each curve starts, at t = 0: x(0) from the formulas, y(0) = 0.
    const double startX[] = {4, -4, 4, 5, 6, 7, 8, 8, -8, 6, -6, 7.5, -2.5, 4, std::sqrt(32.0)};
    std::vector<FloatPoint> curveStarts;
    for (const Op& op : picture().ops())
        for (std::uint32_t k = 0; op.kind == OpKind::Dots && k < op.count; k += kDotsPerCurve)
            curveStarts.push_back(picture().points()[op.first + k]);
    ASSERT_EQ(curveStarts.size(), 15u);
    for (int curve = 0; curve < 15; ++curve) {
        EXPECT_FLOAT_EQ(curveStarts[curve].x, static_cast<float>(startX[curve])) << "curve " << curve + 1;
        EXPECT_FLOAT_EQ(curveStarts[curve].y, 0.0f) << "curve " << curve + 1;
    }

    const auto& ops = picture().ops();
    ASSERT_GE(ops.size(), 3u);
    const Op& circle = ops[ops.size() - 3];
    ASSERT_EQ(circle.kind, OpKind::Circle);
    EXPECT_EQ(circle.colour, kBlue);
    EXPECT_EQ(circle.width, 1);
    const CircleOp& c = picture().circles()[circle.first];
    EXPECT_EQ(c.centre.x, 0.0f);
    EXPECT_EQ(c.centre.y, 0.0f);
    EXPECT_EQ(c.radius, 1.0f);
    EXPECT_FALSE(c.start || c.end || c.aspect);

    struct Greeting {
        float x, y;
        const char* text;
    };
    const Greeting greetings[] = {{-9, -6, "欢迎您使用《Linora2002》！"}, {-8, -8, "请开始使用！"}};
    for (int i = 0; i < 2; ++i) {
        const Op& op = ops[ops.size() - 2 + i];
        ASSERT_EQ(op.kind, OpKind::Text);
        EXPECT_EQ(op.colour, kBlue);
        EXPECT_EQ(op.width, 5);
        const TextOp& text = picture().texts()[op.first];
        EXPECT_EQ(text.at.x, greetings[i].x);
        EXPECT_EQ(text.at.y, greetings[i].y);
        EXPECT_EQ(text.text, QString::fromUtf8(greetings[i].text));
    }
    EXPECT_EQ(picture().drawWidth(), 5);
}

TEST_F(Show, ThePictureRevealsTheShowStepByStepAndEndsWithTheLastGroup)
{
    EXPECT_GT(countShown(Qt::blue), 0) << "the axes of the load show at once";
    tick(2);
    EXPECT_TRUE(welcome->view()->revealing());
    EXPECT_EQ(countShown(Qt::black), 0) << "nothing of the show before the reveal has moved";

    QTest::qWait(250);
    EXPECT_TRUE(welcome->view()->revealing()) << "the window answers while the show goes on";
    EXPECT_GT(countShown(Qt::black), 0) << "the first circles are under way";
    EXPECT_EQ(countShown(QColor(255, 0, 255)), 0) << "the astroid comes last";

    welcome->view()->finishReveal();
    // Every XY wiped what came before: only the last group, the circle and the greeting remain.
    EXPECT_EQ(countShown(Qt::black), 0);
    EXPECT_EQ(countShown(Qt::yellow), 0);
    EXPECT_EQ(countShown(Qt::cyan), 0);
    const QImage image = welcome->view()->shownImage();
    const double t = 1.0; // a point of the astroid clear of the lemniscate and the axes
    const QPoint onAstroid
        = testing::pixelAt(picture(), image.size(), 4 * std::pow(std::cos(t), 3), 4 * std::pow(std::sin(t), 3));
    EXPECT_GT(testing::countNear(image, onAstroid, 1, QColor(255, 0, 255)), 0);
    EXPECT_GT(countShown(Qt::red), 0);
}

TEST_F(Show, StartingBeforeTheSecondTickDrawsNothing)
{
    welcome->countdown().start(1000);
    tick();
    WelcomeWindow* raw = welcome;
    raw->openBoard();
    board = raw->openedBoard();
    EXPECT_FALSE(raw->countdown().isActive());
    EXPECT_EQ(raw->picture().dotCount(), 0u);
    EXPECT_EQ(raw->picture().ops().size(), loadOps);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(welcome.isNull());
}

TEST_F(Show, StartingOrGoingBackDuringTheShowActsAtOnce)
{
    tick(2);
    QTest::qWait(50);
    ASSERT_TRUE(welcome->view()->revealing());
    QTest::mouseClick(welcome->backButton(), Qt::LeftButton);
    EXPECT_EQ(programEnds, 1) << "退回 does not wait for the show";

    QTest::mouseClick(welcome->startButton(), Qt::LeftButton);
    ASSERT_TRUE(welcome);
    board = welcome->openedBoard();
    EXPECT_TRUE(board && board->isVisible());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(welcome.isNull()) << "the window goes though its show was still being revealed";
    QTest::qWait(50); // no reveal step may reach the destroyed picture
    EXPECT_EQ(board->surface().dotCount(), 0u);
}

} // namespace
} // namespace curvana
