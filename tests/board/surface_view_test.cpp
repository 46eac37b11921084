// Views follow a surface without shaping it: the list depends only on what was drawn, and every
// view shows every dot, however often any of them repainted in between.
#include <QApplication>
#include <gtest/gtest.h>

#include "board/surface_view.h"
#include "canvas/axes.h"
#include "support/pixels.h"

namespace curvana {
namespace {

constexpr QSize kViewSize(300, 300);

// Draws three dots of one colour, one at a time, letting `repaint` run between them.
template <class Repaint> void drawThreeDots(Surface& surface, Repaint repaint)
{
    surface.beginObject(kStrokeInProgress);
    for (int i = 0; i < 3; ++i) {
        surface.drawPoint(static_cast<float>(i), 2, kRed);
        repaint();
    }
}

std::vector<Op> listAfter(bool repaintBetween)
{
    Surface surface(kViewSize);
    SurfaceView view(surface);
    view.resize(kViewSize);
    drawAxes(surface, AxesStyle::Board);
    drawThreeDots(surface, [&] {
        if (repaintBetween)
            view.shownImage();
    });
    return surface.ops();
}

TEST(SurfaceViews, TheListDoesNotDependOnWhenAViewRepainted)
{
    const std::vector<Op> quiet = listAfter(false);
    const std::vector<Op> busy = listAfter(true);
    ASSERT_EQ(quiet.size(), busy.size());
    for (std::size_t i = 0; i < quiet.size(); ++i) {
        EXPECT_EQ(quiet[i].kind, busy[i].kind) << i;
        EXPECT_EQ(quiet[i].count, busy[i].count) << i;
    }
    EXPECT_EQ(quiet.back().kind, OpKind::Dots);
    EXPECT_EQ(quiet.back().count, 3u) << "one action's dots of one colour are one run";
}

TEST(SurfaceViews, EveryViewShowsDotsAddedToARunItHasAlreadyShown)
{
    Surface surface(kViewSize);
    SurfaceView first(surface), second(surface);
    first.resize(kViewSize);
    second.resize(QSize(150, 150));
    drawAxes(surface, AxesStyle::Board);
    // Only the first view repaints while the dots arrive; the second looks at the end.
    drawThreeDots(surface, [&] { first.shownImage(); });
    for (SurfaceView* view : {&first, &second}) {
        const QImage image = view->shownImage();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(image.pixelColor(testing::pixelAt(surface, image.size(), i, 2)), QColor(Qt::red))
                << "view " << (view == &first ? 1 : 2) << ", dot " << i;
    }
}

TEST(SurfaceViews, AnAnimatedViewRevealsADotAddedAfterItCaughtUp)
{
    Surface surface(kViewSize);
    SurfaceView view(surface);
    view.resize(kViewSize);
    drawAxes(surface, AxesStyle::Board);
    view.setAnimated(true);
    surface.beginObject(kStrokeInProgress);
    surface.drawPoint(1, 1, kRed);
    view.finishReveal();
    surface.drawPoint(2, 1, kRed); // extends the run the view has shown to its end
    EXPECT_TRUE(view.revealing());
    view.finishReveal();
    const QImage image = view.shownImage();
    EXPECT_EQ(image.pixelColor(testing::pixelAt(surface, image.size(), 2, 1)), QColor(Qt::red));
}

} // namespace
} // namespace curvana
