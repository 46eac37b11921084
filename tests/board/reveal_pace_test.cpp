// The reveal's pace by path length: a curve across the board takes the same time at one speed
// whatever it is drawn with, and the speed chosen is there at the next start.
#include <QAction>
#include <QSettings>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

#include "board/reveal_pace.h"
#include "core/document/board_document.h"
#include "support/ui_fixture.h"

namespace curvana {
namespace {

// The length of the whole list.
double listLength(const Surface& surface)
{
    double length = 0;
    for (std::uint32_t op = 0; op < surface.ops().size(); ++op)
        for (std::uint32_t piece = 0; piece < revealPieces(surface.ops()[op]); ++piece)
            length += pieceLength(surface, op, piece);
    return length;
}

TEST(RevealPace, LengthsAreTakenOnTheBoardAsAUnitSquare)
{
    const struct {
        const char* what;
        std::function<void(Surface&)> draw;
        double length;
    } rows[] = {
        {"a line across", [](Surface& s) { s.drawLine(-10, 3, 10, 3, kRed); }, 1},
        {"a diagonal", [](Surface& s) { s.drawLine(-10, -10, 10, 10, kRed); }, std::sqrt(2.0)},
        {"a line beyond the board", [](Surface& s) { s.drawLine(12, 12, 30, 40, kRed); }, 0},
        {"2001 dots across",
            [](Surface& s) {
                for (int i = 0; i <= 2000; ++i)
                    s.setPixel(-10 + i / 100.0f, 0, kRed);
            },
            1},
        {"40 dots across",
            [](Surface& s) {
                for (int i = 0; i < 41; ++i)
                    s.setPixel(-10 + i / 2.0f, 0, kRed);
            },
            1},
        {"dots across a pole",
            [](Surface& s) {
                s.setPixel(0, -9, kRed);
                s.setPixel(0.01f, 9, kRed);
            },
            0.05},
        {"a circle of radius 5", [](Surface& s) { s.drawCircle(0, 0, 5, kRed); }, std::numbers::pi / 2},
        {"a box", [](Surface& s) { s.drawLine(-5, -5, 5, 5, kRed, true); }, 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Surface surface(QSize(413, 429));
        row.draw(surface);
        EXPECT_NEAR(listLength(surface), row.length, 0.01);
    }
}

struct RevealTime : testing::UiFixture {
    void SetUp() override
    {
        rememberRevealSpeed(RevealSpeed::Medium);
        UiFixture::SetUp();
    }
    // Seconds until the reveal of `draw` is over at `speed`, stepping as the timer does.
    double secondsToReveal(RevealSpeed speed, const std::function<void(Surface&)>& draw)
    {
        SurfaceView& view = *board->view();
        view.setAnimated(true);
        view.setRevealSpeed(speed);
        surface().beginObject({1, 1});
        draw(surface());
        constexpr double kStepMs = 15;
        double seconds = 0;
        for (int step = 0; step < 2000 && view.revealing(); ++step) {
            view.advanceReveal(kStepMs);
            seconds += kStepMs / 1000;
        }
        return seconds;
    }
};

TEST_F(RevealTime, ACurveAcrossTheBoardTakesTheSpeedsTimeWhateverItIsDrawnWith)
{
    // y = 1 from the plotter: dots from x = −8 to 8, four fifths of the board's width.
    const CurveAction flat{CurveWindow::Elementary, 1, {"0", "+1"}, "红"};
    const Drawing plotted = std::get<Drawing>(actionDrawing(flat));
    ASSERT_GT(plotted.dots.size(), 10000u) << "the plotter draws it as dots";
    const struct {
        const char* what;
        std::function<void(Surface&)> draw;
        double widths;
    } drawings[] = {
        {"dots of the plotter", [&](Surface& s) { s.draw(plotted, kRed); }, 0.8},
        {"one line", [](Surface& s) { s.drawLine(-10, 1, 10, 1, kRed); }, 1},
        {"a few dots",
            [](Surface& s) {
                for (int i = 0; i < 41; ++i)
                    s.setPixel(-10 + i / 2.0f, 1, kRed);
            },
            1},
        {"a circle", [](Surface& s) { s.drawCircle(0, 0, 10 / std::numbers::pi, kRed); }, 1},
    };
    const std::pair<RevealSpeed, double> speeds[]
        = {{RevealSpeed::Slow, 6}, {RevealSpeed::Medium, 2}, {RevealSpeed::Fast, 0.5}};
    for (const auto& [speed, seconds] : speeds)
        for (const auto& drawing : drawings) {
            SCOPED_TRACE(drawing.what);
            const double expected = seconds * drawing.widths;
            EXPECT_NEAR(secondsToReveal(speed, drawing.draw), expected, 0.05 * expected + 0.02) << seconds;
        }
}

TEST_F(RevealTime, TheSpeedChosenIsTheOneTheNextStartUses)
{
    const auto checked = [this](const char* name) { return board->action(QString::fromUtf8(name))->isChecked(); };
    EXPECT_TRUE(checked("speedMedium"));
    board->action("speedSlow")->trigger();
    EXPECT_EQ(board->view()->revealSpeed(), RevealSpeed::Slow);
    delete board.data();
    board = createBoard(services);
    EXPECT_TRUE(checked("speedSlow"));
    EXPECT_EQ(board->view()->revealSpeed(), RevealSpeed::Slow);
    board->action("speedFast")->trigger();
    EXPECT_EQ(rememberedRevealSpeed(), RevealSpeed::Fast);
    // A stored value that is none of the three gives 中.
    QSettings(QStringLiteral("Curvana"), QStringLiteral("Curvana")).setValue("reveal/speed", "warp");
    EXPECT_EQ(rememberedRevealSpeed(), RevealSpeed::Medium);
    rememberRevealSpeed(RevealSpeed::Medium);
}

} // namespace
} // namespace curvana
