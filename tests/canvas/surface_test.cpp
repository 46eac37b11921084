// The plotting surface: the axes, its operations in the list and in pixels, and re-rendering.
#include <QImage>
#include <gtest/gtest.h>
#include <numbers>

#include "canvas/axes.h"
#include "canvas/rasteriser.h"
#include "canvas/surface.h"
#include "support/pixels.h"

namespace curvana {
namespace {

using testing::countColour;
using testing::countNear;
using testing::pixelAt;

const QSize kBoardPixels(413, 429);
const QColor kQBlue(0, 0, 255), kQRed(255, 0, 0), kQWhite(255, 255, 255), kQBlack(0, 0, 0);

QImage render(const Surface& surface, QSize pixels = kBoardPixels, double scale = 1)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    Rasteriser(surface, QSizeF(pixels), scale).render(image, {0, 0}, surface.end());
    return image;
}

struct BoardSurface : ::testing::Test {
    Surface surface{kBoardPixels};
    void SetUp() override { drawAxes(surface, AxesStyle::Board); }
};

TEST_F(BoardSurface, AxesLeaveWidthTwoAndBlueForeground)
{
    EXPECT_EQ(surface.drawWidth(), 2);
    EXPECT_EQ(surface.foreColor(), kBlue);
}

TEST_F(BoardSurface, AxesHaveNineteenTicksAThirtySevenNumbersAndTheLetters)
{
    int lines = 0, clears = 0;
    for (const Op& op : surface.ops()) {
        lines += op.kind == OpKind::Line;
        clears += op.kind == OpKind::Clear;
        if (op.kind == OpKind::Line || op.kind == OpKind::Text) {
            EXPECT_EQ(op.colour, kBlue);
        }
        if (op.kind == OpKind::Line) {
            EXPECT_EQ(op.width, 1);
        }
    }
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(lines, 6 + 2 * 19); // two axes, four arrowhead strokes, 19 ticks on each axis
    QStringList texts;
    for (const TextOp& t : surface.texts())
        texts << t.text;
    ASSERT_EQ(texts.size(), 2 + 37);
    EXPECT_EQ(texts[0], "X");
    EXPECT_EQ(texts[1], "Y");
    EXPECT_EQ(texts.count(" 0"), 1);
    EXPECT_EQ(texts.count("-9"), 2);
    EXPECT_EQ(texts.count(" 9"), 2);
    EXPECT_FALSE(texts.contains("10") || texts.contains(" 10"));
}

TEST_F(BoardSurface, LettersAndZeroStandWhereTheCurrentPointLeftThem)
{
    const auto& t = surface.texts();
    EXPECT_FLOAT_EQ(t[0].at.x, 9.5f);
    EXPECT_FLOAT_EQ(t[0].at.y, -0.5f);
    EXPECT_FLOAT_EQ(t[1].at.x, -0.5f);
    EXPECT_FLOAT_EQ(t[1].at.y, 9.5f);
    const auto zero = std::find_if(t.begin(), t.end(), [](const TextOp& op) { return op.text == " 0"; });
    EXPECT_FLOAT_EQ(zero->at.x, -0.5f);
    EXPECT_FLOAT_EQ(zero->at.y, -0.5f);
}

TEST_F(BoardSurface, AxesInPixelsAreBlueOnWhite)
{
    const QImage image = render(surface);
    EXPECT_EQ(image.pixelColor(pixelAt(surface, kBoardPixels, 5.3, 0)), kQBlue);
    EXPECT_EQ(image.pixelColor(pixelAt(surface, kBoardPixels, 0, -7.7)), kQBlue);
    EXPECT_EQ(image.pixelColor(pixelAt(surface, kBoardPixels, 3.3, 3.3)), kQWhite);
    // A tick rises above the x axis at x = 4 but not at x = 4.5.
    EXPECT_GT(countNear(render(surface), pixelAt(surface, kBoardPixels, 4, 0.15), 0, kQBlue), 0);
    EXPECT_EQ(countNear(image, pixelAt(surface, kBoardPixels, 4.5, 0.15), 0, kQBlue), 0);
}

TEST_F(BoardSurface, ClearWipesEverythingBefore)
{
    surface.setPixel(3, 3, kRed);
    drawAxes(surface, AxesStyle::Board);
    EXPECT_EQ(countColour(render(surface), QRect(QPoint(0, 0), kBoardPixels), kQRed), 0);
}

TEST(SurfaceOps, DotsOfWidthTwoAreTwoPixelsSquare)
{
    Surface s(kBoardPixels);
    s.setDrawWidth(2);
    s.setPixel(2.5f, -3.5f, kRed);
    const QImage image = render(s);
    EXPECT_EQ(countColour(image, QRect(QPoint(0, 0), kBoardPixels), kQRed), 4);
    EXPECT_EQ(countNear(image, pixelAt(s, kBoardPixels, 2.5, -3.5), 1, kQRed), 4);
}

TEST(SurfaceOps, NonFiniteAndFarAwayCoordinatesNeverReachThePainter)
{
    Surface s(kBoardPixels);
    const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
    s.setPixel(nan, 1, kRed);
    s.setPixel(1, inf, kRed);
    s.drawLine(0, 0, inf, 1, kRed);
    s.drawCircle(0, 0, nan, kRed);
    EXPECT_TRUE(s.ops().empty());
    s.setPixel(3e38f, -3e38f, kRed);
    s.drawLine(-3e38f, 0, 3e38f, 0, kRed);
    s.drawTextAt(1e30f, 1e30f, "far");
    s.drawCircle(1e30f, 0, 1e30f, kRed);
    const QImage image = render(s);
    // The huge horizontal line crosses the board at y = 0; nothing else shows.
    EXPECT_EQ(image.pixelColor(pixelAt(s, kBoardPixels, 0, 0)), kQRed);
    EXPECT_EQ(image.pixelColor(pixelAt(s, kBoardPixels, 0, 5)), kQWhite);
}

// A radius near the top of single precision is billions of billions of pixels: the arc stays off
// the board, but the radius a negative end angle draws still crosses it.
TEST(SurfaceOps, HugeArcStillDrawsItsRadiusAcrossTheBoard)
{
    Surface s(kBoardPixels);
    s.drawCircle(0, 0, 3e38f, kRed, 0.0f, -1.5707963f);
    const QImage image = render(s);
    EXPECT_EQ(image.pixelColor(pixelAt(s, kBoardPixels, 0, 5)), kQRed);
    EXPECT_EQ(image.pixelColor(pixelAt(s, kBoardPixels, 5, 0)), kQWhite);
}

TEST(SurfaceOps, LineWithoutColourUsesForegroundAndMovesTheCurrentPoint)
{
    Surface s(kBoardPixels);
    s.setForeColor(kRed);
    s.drawLine(1, 1, 2, 3);
    EXPECT_EQ(s.ops().back().colour, kRed);
    EXPECT_FLOAT_EQ(s.currentX(), 2);
    EXPECT_FLOAT_EQ(s.currentY(), 3);
}

TEST(SurfaceOps, DrawTextAtIsBlueAndMovesDownOneLine)
{
    Surface s(kBoardPixels);
    s.setScale(-10, 10, 10, -10);
    s.setForeColor(kRed);
    s.drawTextAt(2, 9, "二次函数y= 1x  +2x+0");
    EXPECT_EQ(s.ops().back().colour, kBlue);
    EXPECT_EQ(s.foreColor(), kBlue);
    EXPECT_FLOAT_EQ(s.currentX(), 2);
    EXPECT_LT(s.currentY(), 9);
    EXPECT_GT(s.currentY(), 8);
}

// Circles: radius in x units, true circles whatever the axis scales, aspect both ways, arcs.
struct CirclePixels : ::testing::Test {
    // A non-square surface makes the two axis scales differ.
    const QSize pixels{400, 300};
    Surface s{pixels};
    QImage image;
    void draw(float r, std::optional<float> start, std::optional<float> end, std::optional<float> aspect)
    {
        s.setScale(-10, 10, 10, -10);
        s.setDrawWidth(1);
        s.drawCircle(0, 0, r, kRed, start, end, aspect);
        image = render(s, pixels);
    }
    // Red within two pixels of the point `radiusPx` pixels from the centre at `degrees` on screen.
    bool redAt(double radiusPx, double degrees) const
    {
        const double a = degrees * std::numbers::pi / 180;
        const QPoint c(200, 150);
        const QPoint p(
            static_cast<int>(c.x() + radiusPx * std::cos(a)), static_cast<int>(c.y() - radiusPx * std::sin(a)));
        return countNear(image, p, 2, kQRed) > 0;
    }
};

TEST_F(CirclePixels, RadiusIsInXUnitsAndRoundOnScreen)
{
    draw(5, {}, {}, {}); // 5 x units = 100 pixels, also upwards although y units are shorter
    for (double deg : {0.0, 45.0, 90.0, 180.0, 270.0})
        EXPECT_TRUE(redAt(100, deg)) << deg;
    EXPECT_FALSE(redAt(75, 90));
}

TEST_F(CirclePixels, AspectBelowOneShortensTheVerticalHalfAxis)
{
    draw(5, {}, {}, 0.5f);
    EXPECT_TRUE(redAt(100, 0));
    EXPECT_TRUE(redAt(50, 90));
    EXPECT_FALSE(redAt(100, 90));
}

TEST_F(CirclePixels, AspectAboveOneMakesTheRadiusVertical)
{
    draw(5, {}, {}, 2.0f);
    EXPECT_TRUE(redAt(100, 90));
    EXPECT_TRUE(redAt(50, 0));
    EXPECT_FALSE(redAt(100, 0));
}

TEST_F(CirclePixels, ArcRunsCounterClockwiseThroughZeroWhenEndIsSmaller)
{
    const float quarter = static_cast<float>(std::numbers::pi / 2);
    draw(5, quarter, 0.0f, {}); // from the top through the left and bottom to the right
    EXPECT_TRUE(redAt(100, 135));
    EXPECT_TRUE(redAt(100, 225));
    EXPECT_TRUE(redAt(100, 315));
    EXPECT_FALSE(redAt(100, 45));
    EXPECT_FALSE(redAt(50, 0)); // no radius
}

TEST_F(CirclePixels, EqualEndsCloseTheCircle)
{
    const float turn = static_cast<float>(2 * 3.1415926); // 360 degrees in the dialogs' pi
    draw(5, turn, turn, {});
    for (double deg : {0.0, 90.0, 180.0, 270.0})
        EXPECT_TRUE(redAt(100, deg)) << deg;
}

TEST_F(CirclePixels, TinySweepStaysTiny)
{
    draw(5, 0.0f, 5e-10f, {}); // however small, an arc and not the whole circle
    EXPECT_FALSE(redAt(100, 90));
    EXPECT_FALSE(redAt(100, 180));
}

TEST_F(CirclePixels, NegativeAnglesDrawTheirRadius)
{
    const float sixty = static_cast<float>(std::numbers::pi / 3);
    draw(5, -0.00001f, -sixty, {});
    EXPECT_TRUE(redAt(50, 0)); // radius along the positive x axis
    EXPECT_TRUE(redAt(50, 60)); // radius at 60 degrees
    EXPECT_TRUE(redAt(100, 30)); // the arc between
    EXPECT_FALSE(redAt(100, 120));
    EXPECT_FALSE(redAt(50, 30));
}

TEST(SurfaceRender, ResizeRendersTheWholeListAtTheNewWidth)
{
    Surface s(kBoardPixels);
    drawAxes(s, AxesStyle::Board);
    s.setPixel(5, 5, kRed);
    const QSize wide(600, 429);
    const QImage image = render(s, wide);
    // The dot and the axis tick at x = 5 stay together at the new width.
    EXPECT_EQ(image.pixelColor(pixelAt(s, wide, 5, 5)), kQRed);
    EXPECT_EQ(pixelAt(s, wide, 5, 5).x(), pixelAt(s, wide, 5, 0).x());
    EXPECT_GT(countNear(image, pixelAt(s, wide, 5, 0.15), 0, kQBlue), 0);
}

// The box around every pixel that is not white in rows [top, bottom) (texts are antialiased).
QRect inkBox(const QImage& image, int top = 0, int bottom = -1)
{
    QRect box;
    for (int y = top; y < (bottom < 0 ? image.height() : bottom); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != kQWhite)
                box |= QRect(x, y, 1, 1);
    return box;
}

// The welcome picture is half the board's size while its letters keep the board's font: the X
// must not run off the right edge nor the Y over the upright axis.
TEST(SurfaceRender, WelcomeAxisLettersStayClearOfTheEdgeAndTheAxis)
{
    const QSize welcome(193, 193);
    Surface s(welcome);
    drawAxes(s, AxesStyle::Welcome);
    const QImage image = render(s, welcome);
    const QPoint origin = pixelAt(s, welcome, 0, 0);
    const int arrowSpan = origin.y() - pixelAt(s, welcome, 0, 0.5).y() + 2; // the arrow's barbs end here
    const QRect x = inkBox(image, origin.y() + arrowSpan, origin.y() + 20);
    ASSERT_FALSE(x.isEmpty());
    EXPECT_LT(x.right(), welcome.width() - 1) << "the X is cut off by the picture's edge";
    const int yTop = pixelAt(s, welcome, 0, 9.5).y() + 2;
    const QRect y = inkBox(image.copy(origin.x() - 20, yTop, 20, 12));
    ASSERT_FALSE(y.isEmpty());
    EXPECT_LT(y.right(), 20 - 1) << "the Y runs into the upright axis";
}

// A wider board stretches the world but not the glyphs: a text stays centred on the world point it
// was centred on at the laid-out size, and a raised exponent stays beside its caption.
TEST(SurfaceRender, TextsKeepTheirPlaceWhenTheBoardIsResized)
{
    Surface s(kBoardPixels);
    s.setScale(-10, 10, 10, -10);
    Drawing drawing;
    drawing.captions = {{{2, 9}, "y=3x  +1"}, {{4.2, 10}, "2"}};
    s.draw(drawing, kBlack);
    const int split = pixelAt(s, kBoardPixels, 0, 9).y(); // between the exponent's row and the caption's
    const QImage laidOut = render(s);
    const QRect caption = inkBox(laidOut, split);
    const QRect exponent = inkBox(laidOut, 0, split);
    ASSERT_FALSE(caption.isEmpty());
    ASSERT_FALSE(exponent.isEmpty());
    const QPointF centreWorld = testing::mapFor(s, kBoardPixels).toWorld(QRectF(caption).center());
    for (const QSize size : {QSize(900, 429), QSize(300, 429)}) {
        SCOPED_TRACE(size.width());
        const QImage resized = render(s, size);
        const QRect wideCaption = inkBox(resized, split);
        const QRect wideExponent = inkBox(resized, 0, split);
        const QPointF expected = testing::mapFor(s, size).toPixel(centreWorld.x(), centreWorld.y());
        EXPECT_NEAR(QRectF(wideCaption).center().x(), expected.x(), 1.5);
        EXPECT_NEAR(wideCaption.width(), caption.width(), 1);
        EXPECT_NEAR(wideExponent.left() - wideCaption.left(), exponent.left() - caption.left(), 1);
        EXPECT_EQ(wideExponent.top(), exponent.top());
    }
}

TEST(SurfaceRender, ScaledRenderWidensDotsAndKeepsPlaces)
{
    Surface s(kBoardPixels);
    s.setDrawWidth(2);
    s.setPixel(-4, 4, kRed);
    const QSize big(kBoardPixels * 3);
    const QImage image = render(s, big, 3);
    EXPECT_EQ(countColour(image, QRect(QPoint(0, 0), big), kQRed), 36);
    EXPECT_EQ(image.pixelColor(pixelAt(s, big, -4, 4)), kQRed);
}

TEST(SurfaceList, UnitsCountDotsOneEachAndAdvanceStopsInsideARun)
{
    Surface s(kBoardPixels);
    s.clear();
    for (int i = 0; i < 10; ++i)
        s.setPixel(static_cast<float>(i), 0, kRed);
    s.drawLine(0, 0, 1, 1);
    EXPECT_EQ(s.unitsBetween({0, 0}, s.end()), 12u);
    const ListPos mid = s.advance({0, 0}, 5);
    EXPECT_EQ(mid, (ListPos{1, 4}));
    EXPECT_EQ(s.unitsBetween(mid, s.end()), 7u);
    EXPECT_EQ(s.advance(mid, 100), s.end());
}

TEST(SurfaceList, RenderingStartsAtTheLastClear)
{
    Surface s(kBoardPixels);
    s.clear();
    s.setPixel(1, 1, kRed);
    s.clear();
    s.setPixel(2, 2, kRed);
    EXPECT_EQ(s.renderStartFor(s.end()), (ListPos{2, 0}));
}

TEST(SurfaceList, RemovingObjectsCutsWholeObjectsBackToTheStart)
{
    Surface s(kBoardPixels);
    drawAxes(s, AxesStyle::Board);
    const std::size_t axesOps = s.ops().size();
    s.beginObject({1, 1});
    s.setPixel(1, 1, kRed);
    s.setPixel(1, 2, kRed);
    s.drawTextAt(4, 9, "一次函数");
    s.beginObject({2, 2});
    s.setPixel(1, 3, kRed); // same colour, still its own object
    EXPECT_EQ(s.dotCount(), 3u);
    s.removeObjectsFrom(1);
    EXPECT_EQ(s.dotCount(), 2u);
    EXPECT_EQ(s.objectKey(0), (ObjectKey{1, 1}));
    s.removeObjectsFrom(0);
    EXPECT_EQ(s.ops().size(), axesOps);
    EXPECT_EQ(s.objectCount(), 0u);
}

TEST(SurfaceList, OnlyTheStrokeInProgressCanBeClaimed)
{
    Surface s(kBoardPixels);
    s.beginObject({1, 1});
    EXPECT_FALSE(s.claimStrokeInProgress({2, 2})) << "an entry's object is not a stroke in progress";
    s.beginObject(kStrokeInProgress);
    s.drawPoint(1, 1, kRed);
    EXPECT_TRUE(s.claimStrokeInProgress({2, 2}));
    EXPECT_EQ(s.objectKey(1), (ObjectKey{2, 2}));
    EXPECT_FALSE(s.replaceObject({7, 3}, [](Surface&) {})) << "no object has id 7";
}

} // namespace
} // namespace curvana

namespace curvana {
namespace {

TEST(SurfaceRender, AHighDpiImageGetsEveryShapeAtFullResolution)
{
    Surface s(kBoardPixels);
    drawAxes(s, AxesStyle::Board);
    QImage image(kBoardPixels * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    Rasteriser(s, QSizeF(image.size()), 2).render(image, {0, 0}, s.end());
    // The x axis crosses the whole image, so its right end is blue too.
    const QPoint rightOfAxis = testing::pixelAt(s, image.size(), 8.7, 0);
    EXPECT_GT(testing::countNear(image, rightOfAxis, 1, kQBlue), 0);
    EXPECT_GT(testing::countNear(image, testing::pixelAt(s, image.size(), 0, -8.7), 1, kQBlue), 0);
}

} // namespace
} // namespace curvana

namespace curvana {
namespace {

// A point's text was placed beside its dot in the designed board's units: zoomed or panned, it
// stays as many pixels from the dot as on the designed board, on the same side.
TEST(MarkText, KeepsItsPixelDistanceFromTheDotAtAnyView)
{
    const Drawing marked{.marks = {{{1, 2}, {{1.6, 2.4}, "A(1, 2)", {}}}}};
    const struct {
        const char* name;
        float left, top, right, bottom;
    } views[] = {
        {"designed", -10, 10, 10, -10},
        {"a hundredfold", 0.9f, 2.1f, 1.1f, 1.9f},
        {"a tenth, panned", -99, 102, 101, -98},
    };
    for (const auto& view : views) {
        Surface surface(kBoardPixels);
        surface.setScale(view.left, view.top, view.right, view.bottom);
        surface.draw(marked, kBlack);
        ASSERT_EQ(surface.texts().size(), 1u) << view.name;
        const FloatPoint at = surface.texts().front().at;
        const double xPixels = (at.x - 1) * kBoardPixels.width() / (view.right - view.left);
        const double yPixels = (at.y - 2) * kBoardPixels.height() / (view.top - view.bottom);
        EXPECT_NEAR(xPixels, 0.6 * kBoardPixels.width() / 20, 0.05) << view.name;
        EXPECT_NEAR(yPixels, 0.4 * kBoardPixels.height() / 20, 0.05) << view.name;
    }
}

} // namespace
} // namespace curvana
