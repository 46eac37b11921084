// Full-screen presentation and the reveal's pace, on a real board.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QMouseEvent>
#include <cmath>

#include "board/coordinate_readout.h"
#include "board/reveal_pace.h"
#include "core/document/board_document.h"
#include "support/pixels.h"
#include "support/ui_fixture.h"

namespace curvana {
namespace {

using testing::UiFixture;

// Where the ink matching `ink` lies in `area` of `image`: the box around it, empty when none.
template <class Ink> QRectF inkBox(const QImage& image, QRect area, Ink ink)
{
    QRectF box;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y)
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
            if (ink(image.pixelColor(x, y)))
                box |= QRectF(x, y, 1, 1);
    return box;
}

// The pixels a world rectangle covers in a picture of `pixels`.
QRect worldArea(const Surface& surface, QSize pixels, QRectF world)
{
    const WorldMap map = testing::mapFor(surface, pixels);
    return QRectF(map.toPixel(world.left(), world.bottom()), map.toPixel(world.right(), world.top()))
        .normalized()
        .toAlignedRect();
}

bool isRed(QColor c) { return c == QColor(Qt::red); }
// Axis numbers and captions are blue, their edges smoothed into the white.
bool isBlueInk(QColor c) { return c.blue() > 150 && c.red() < 170 && c.green() < 170; }

struct PresentationTest : UiFixture {
    SurfaceView& view() { return *board->view(); }

    void drawParabola()
    {
        const CurveAction parabola{CurveWindow::Elementary, 2, {"1", "0", "0"}, "红"};
        board->perform(parabola);
    }

    void sendMouse(QEvent::Type type, QPointF at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, at, view().mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(&view(), &event);
    }
};

TEST_F(PresentationTest, PictureIsTheDesignPictureScaledByOneFactor)
{
    drawParabola();
    const QImage design = view().shownImage();
    ASSERT_EQ(design.size(), surface().textLayoutSize());
    board->action(QStringLiteral("presentation"))->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(board->presenting());
    EXPECT_TRUE(board->isFullScreen());
    EXPECT_FALSE(board->menuBar()->isVisible());
    EXPECT_FALSE(board->clearButton()->isVisible());
    EXPECT_TRUE(board->coordinateReadout()->isVisible());
    const QImage big = view().shownImage();
    const double k = view().pictureFactor();
    ASSERT_GT(k, 1.05);
    // The largest factor that fits: one side of the picture fills the view.
    const QSizeF room = view().contentsRect().size();
    EXPECT_NEAR(std::max(k * design.width() / room.width(), k * design.height() / room.height()), 1.0, 1e-9);
    EXPECT_EQ(big.size(), (QSizeF(design.size()) * k).toSize());
    EXPECT_EQ(surface().logicalSize(), design.size()); // the surface keeps the board's size

    const auto scaled = [k](QRectF r) { return QRectF(r.topLeft() * k, r.size() * k); };
    const auto expectScaled = [&](QRectF small, QRectF large, const char* what) {
        SCOPED_TRACE(what);
        ASSERT_FALSE(small.isEmpty());
        const QRectF expected = scaled(small);
        // A pixel's rounding at each size, and a text's font rounded to whole pixels.
        const double slack = k + 1.5 + 0.03 * expected.width();
        EXPECT_NEAR(large.center().x(), expected.center().x(), slack);
        EXPECT_NEAR(large.center().y(), expected.center().y(), slack);
        EXPECT_NEAR(large.width(), expected.width(), slack);
        EXPECT_NEAR(large.height(), expected.height(), slack);
    };
    // The red curve's dots: one stretch near the vertex, one at the far end.
    const QRectF nearVertex(-1, 0, 2, 1.2), farEnd(2.5, 6, 1, 4);
    expectScaled(inkBox(design, worldArea(surface(), design.size(), nearVertex), isRed),
        inkBox(big, worldArea(surface(), big.size(), nearVertex), isRed), "curve near its vertex");
    expectScaled(inkBox(design, worldArea(surface(), design.size(), farEnd), isRed),
        inkBox(big, worldArea(surface(), big.size(), farEnd), isRed), "curve at its end");
    // The number 5 under its tick: same place and size, and still centred under the tick.
    const QRectF underTick5(4.4, -1.6, 1.2, 1.3);
    const QRectF five = inkBox(big, worldArea(surface(), big.size(), underTick5), isBlueInk);
    expectScaled(inkBox(design, worldArea(surface(), design.size(), underTick5), isBlueInk), five, "axis number");
    EXPECT_NEAR(five.center().x(), testing::mapFor(surface(), big.size()).toPixel(5, 0).x(), k + 1.5);
    // Drawn anew, not enlarged: the x axis is a crisp line as wide as the factor makes its pen.
    const int column = testing::pixelAt(surface(), big.size(), 3.3, 0).x();
    const QRect axisStrip(column, 0, 1, big.height());
    EXPECT_EQ(testing::countColour(
                  big, worldArea(surface(), big.size(), QRectF(3.3, -0.2, 0.01, 0.4)) & axisStrip, QColor(Qt::blue)),
        std::lround(k));
    // The caption with its raised exponent, right of the y axis near the top.
    const QRectF caption(1.8, 7.5, 8.2, 2.5);
    expectScaled(inkBox(design, worldArea(surface(), design.size(), caption), isBlueInk),
        inkBox(big, worldArea(surface(), big.size(), caption), isBlueInk), "caption");
}

TEST_F(PresentationTest, LeavingRestoresTheBoardAsItWas)
{
    drawParabola();
    const QRect geometry = board->geometry();
    const QRect viewGeometry = view().geometry();
    const QRect readoutGeometry = board->coordinateReadout()->geometry();
    const QImage before = view().shownImage();
    const std::size_t ops = surface().ops().size();
    const std::uint64_t dots = surface().dotCount();
    for (const char* back : {"presentation", "leavePresentation"}) { // F11 and Esc
        SCOPED_TRACE(back);
        board->action(QStringLiteral("presentation"))->trigger();
        QApplication::processEvents();
        ASSERT_TRUE(board->presenting());
        board->action(QString::fromUtf8(back))->trigger();
        QApplication::processEvents();
        EXPECT_FALSE(board->presenting());
        EXPECT_FALSE(board->isFullScreen());
        EXPECT_EQ(board->geometry(), geometry);
        EXPECT_EQ(view().geometry(), viewGeometry);
        EXPECT_EQ(board->coordinateReadout()->geometry(), readoutGeometry);
        EXPECT_TRUE(board->menuBar()->isVisible());
        EXPECT_TRUE(board->modeField()->isVisible() && board->penColourChoice()->isVisible());
        EXPECT_FALSE(view().presentationScale());
        EXPECT_EQ(surface().logicalSize(), view().contentsRect().size());
        EXPECT_EQ(surface().ops().size(), ops);
        EXPECT_EQ(surface().dotCount(), dots);
        EXPECT_EQ(view().shownImage(), before);
        // Esc does nothing on the board itself.
        EXPECT_FALSE(board->action(QStringLiteral("leavePresentation"))->isEnabled());
    }
}

TEST_F(PresentationTest, PointerAndPenWorkOnTheEnlargedPicture)
{
    board->action(QStringLiteral("presentation"))->trigger();
    QApplication::processEvents();
    const QRectF picture = view().pictureRect();
    const WorldMap map = testing::mapFor(surface(), picture.size().toSize());
    const auto at = [&](double x, double y) { return picture.topLeft() + map.toPixel(x, y); };
    const QPointF world = view().worldAt(at(2, 3));
    EXPECT_NEAR(world.x(), 2, 0.01);
    EXPECT_NEAR(world.y(), 3, 0.01);

    board->penColourChoice()->setEditText(QStringLiteral("绿"));
    const std::uint64_t dots = surface().dotCount();
    sendMouse(QEvent::MouseButtonPress, at(2, 3), Qt::LeftButton);
    sendMouse(QEvent::MouseMove, at(2, 3), Qt::LeftButton);
    sendMouse(QEvent::MouseMove, at(-4, -1), Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, at(-4, -1), Qt::NoButton);
    EXPECT_EQ(board->coordinateReadout()->text(), CoordinateReadout::textFor(view().worldAt(at(-4, -1))));
    ASSERT_EQ(surface().dotCount(), dots + 2);
    const FloatPoint last = surface().points().back();
    EXPECT_NEAR(last.x, -4, 0.01);
    EXPECT_NEAR(last.y, -1, 0.01);
    const QImage big = view().shownImage();
    const QPoint dot = testing::pixelAt(surface(), big.size(), -4, -1);
    EXPECT_GT(testing::countNear(big, dot, 1, QColor(0, 255, 0)), 0);
}

// The path length shown between two places of the list.
double lengthBetween(const Surface& surface, ListPos from, ListPos to)
{
    double length = 0;
    for (ListPos pos = from; pos < to && pos.op < surface.ops().size();) {
        if (pos.dot >= revealPieces(surface.ops()[pos.op])) {
            pos = {pos.op + 1, 0};
            continue;
        }
        length += pieceLength(surface, pos.op, pos.dot++);
    }
    return length;
}

TEST_F(PresentationTest, RevealKeepsThePaceChosenEvenMidway)
{
    QAction* speedMenu = board->action(QStringLiteral("revealSpeed"));
    ASSERT_NE(speedMenu, nullptr);
    EXPECT_FALSE(speedMenu->isEnabled()); // print mode: nothing is revealed
    view().setAnimated(true);
    EXPECT_TRUE(speedMenu->isEnabled());
    for (int i = 0; i < 4; ++i)
        drawParabola();
    ASSERT_TRUE(view().revealing());
    const struct {
        const char* choice;
        double milliseconds;
        double boardsPerSecond;
    } steps[] = {
        {"speedMedium", 300, 0.5},
        {"speedSlow", 600, 1.0 / 6},
        {"speedFast", 100, 2},
        {"speedSlow", 300, 1.0 / 6},
        {"speedMedium", 150, 0.5},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.choice);
        board->action(QString::fromUtf8(step.choice))->trigger();
        EXPECT_TRUE(board->action(QString::fromUtf8(step.choice))->isChecked());
        const ListPos from = view().revealedTo();
        ASSERT_GT(lengthBetween(surface(), from, surface().end()), 0.3);
        view().advanceReveal(step.milliseconds);
        const double shown = lengthBetween(surface(), from, view().revealedTo());
        // Within one dot's step of the length paid for.
        EXPECT_NEAR(shown, step.boardsPerSecond * step.milliseconds / 1000, 0.05);
    }
    board->action("speedMedium")->trigger();
    view().setAnimated(false);
    EXPECT_FALSE(speedMenu->isEnabled());
}

TEST_F(PresentationTest, RingsAndTheReadoutGrowWithThePicture)
{
    drawParabola();
    QLabel* readout = board->coordinateReadout();
    const double designPoints = readout->font().pointSizeF();
    const int designHeight = readout->height();
    view().setMarkers({{QPointF(0, 0), QStringLiteral("零点 (0, 0)")}});
    // Three design pixels right of the ring: beyond its reach on the board.
    const auto pointerBeside = [this](double designPixels) {
        return view().worldAt(view().widgetPointOf({0, 0}) + QPointF(designPixels * view().pictureFactor(), 0));
    };
    EXPECT_EQ(view().markerAt(pointerBeside(SurfaceView::kMarkerReach + 1)), nullptr);
    board->action(QStringLiteral("presentation"))->trigger();
    QApplication::processEvents();
    const double k = view().pictureFactor();
    ASSERT_GT(k, 1.2);
    EXPECT_NEAR(readout->font().pointSizeF(), designPoints * k, 0.1 * designPoints * k);
    EXPECT_NEAR(readout->height(), designHeight * k, 0.1 * designHeight * k);
    EXPECT_NE(view().markerAt(pointerBeside(SurfaceView::kMarkerReach - 0.5)), nullptr) << "the reach grew";
    EXPECT_EQ(view().markerAt(pointerBeside(SurfaceView::kMarkerReach + 1)), nullptr);
    // The ring's grey stands a grown radius from the point.
    const QImage shown = view().grab().toImage();
    const QPointF centre = view().widgetPointOf({0, 0}) * shown.devicePixelRatio();
    const int radius = static_cast<int>(std::lround(SurfaceView::kMarkerRadius * k * shown.devicePixelRatio()));
    int grey = 0;
    for (int dy = -2; dy <= 2; ++dy)
        grey += QColor(shown.pixel(static_cast<int>(centre.x()) + dy, static_cast<int>(centre.y()) - radius))
            == QColor(128, 128, 128);
    EXPECT_GT(grey, 0) << "no ring at radius " << radius;
    board->action(QStringLiteral("presentation"))->trigger();
    QApplication::processEvents();
    EXPECT_DOUBLE_EQ(readout->font().pointSizeF(), designPoints);
    EXPECT_EQ(readout->height(), designHeight);
}

} // namespace
} // namespace curvana
