// The freehand pen on the board, driven by simulated mouse events: dots in the display list and
// in the pixels the board shows.
#include <QComboBox>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

#include "board/freehand_pen.h"
#include "support/pixels.h"
#include "support/typing.h"
#include "support/ui_fixture.h"

namespace curvana {
namespace {

struct Pen : testing::UiFixture {
    // Where the world point (x, y) lies in the picture's widget coordinates.
    QPoint at(double x, double y)
    {
        const QRect inner = board->view()->contentsRect();
        const QPointF p = testing::mapFor(surface(), inner.size()).toPixel(x, y);
        return inner.topLeft() + p.toPoint();
    }
    void press(QPoint pos, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(board->view(), button, {}, pos);
    }
    void release(QPoint pos, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(board->view(), button, {}, pos);
    }
    void move(QPoint pos, Qt::MouseButtons held)
    {
        QMouseEvent event(QEvent::MouseMove, pos, board->view()->mapToGlobal(pos), Qt::NoButton, held, {});
        QApplication::sendEvent(board->view(), &event);
    }
    // One stroke: press at the first point, a move to every point, release at the last.
    void stroke(const std::vector<QPoint>& points, Qt::MouseButton button = Qt::LeftButton)
    {
        press(points.front(), button);
        for (const QPoint& p : points)
            move(p, button);
        release(points.back(), button);
    }
    void choose(const char* comboText) { board->penColourChoice()->setEditText(QString::fromUtf8(comboText)); }
    const Op& lastOp() { return surface().ops().back(); }
    QColor shownAt(double x, double y)
    {
        const QImage image = board->view()->shownImage();
        return image.pixelColor(testing::pixelAt(surface(), image.size(), x, y));
    }
};

TEST_F(Pen, EveryButtonDrawsOneDotPerMoveWhileHeldAndTheStrokeIsOneUndoStep)
{
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    for (Qt::MouseButton button : buttons) {
        SCOPED_TRACE(static_cast<int>(button));
        const std::uint64_t dotsBefore = surface().dotCount();
        const std::size_t actionsBefore = surface().objectCount();
        const std::vector<QPoint> trail{at(2, 3), at(4, 3), at(6, 3)};

        stroke(trail, button);
        move(at(7, 3), Qt::NoButton);

        ASSERT_EQ(surface().dotCount() - dotsBefore, 3u) << "one dot per move, none after the release";
        EXPECT_EQ(lastOp().kind, OpKind::Dots);
        EXPECT_EQ(lastOp().colour, kBlack) << "the untouched combo draws black";
        EXPECT_EQ(lastOp().width, 2) << "the surface's pen width after the axes";
        for (std::size_t i = 0; i < trail.size(); ++i) {
            const QPointF world = board->view()->worldAt(trail[i]);
            const FloatPoint& dot = surface().points()[surface().points().size() - trail.size() + i];
            EXPECT_FLOAT_EQ(dot.x, static_cast<float>(world.x()));
            EXPECT_FLOAT_EQ(dot.y, static_cast<float>(world.y()));
        }
        EXPECT_EQ(shownAt(4, 3), QColor(Qt::black));
        EXPECT_EQ(shownAt(5, 3), QColor(Qt::white)) << "consecutive dots are not joined";
        EXPECT_EQ(surface().objectCount() - actionsBefore, 1u);
        board->undo();
        EXPECT_EQ(surface().dotCount(), dotsBefore);
    }
}

TEST_F(Pen, EachDotShowsAsSoonAsTheBoardIsRepaintedInEitherMode)
{
    for (bool animated : {false, true}) {
        SCOPED_TRACE(animated ? "animation mode" : "print mode");
        board->view()->setAnimated(animated);
        const double y = animated ? -6 : 6;
        press(at(-6, y));
        for (double x : {-6.0, -5.0, -4.0}) {
            move(at(x, y), Qt::LeftButton);
            if (animated)
                board->view()->finishReveal();
            EXPECT_EQ(shownAt(x, y), QColor(Qt::black)) << "dot at x = " << x;
        }
        release(at(-4, y));
    }
}

TEST_F(Pen, MovingWithoutAButtonOrPressingWithoutMovingDrawsNothing)
{
    const std::size_t opsBefore = surface().ops().size();
    const std::size_t actionsBefore = surface().objectCount();
    move(at(1, 1), Qt::NoButton);
    move(at(2, 2), Qt::NoButton);
    press(at(3, 3));
    release(at(3, 3));
    press(at(4, 4), Qt::RightButton);
    release(at(4, 4), Qt::RightButton);
    EXPECT_EQ(surface().ops().size(), opsBefore);
    EXPECT_EQ(surface().objectCount(), actionsBefore) << "a bare click leaves nothing to undo";
}

struct ColourRow {
    const char* comboText;
    Rgb expected;
};

TEST_F(Pen, ANameThatMatchesNothingKeepsTheLastColour)
{
    const ColourRow rows[] = {
        {"请选择鼠标画线颜色", kBlack},
        {"红", kRed},
        {"红 ", kRed},
        {"", kRed},
        {"红色", kRed},
        {"蓝", kBlue},
        {"黄", rgb(255, 255, 0)},
        {"青", rgb(0, 255, 255)},
        {"绿", rgb(0, 255, 0)},
        {"blue", rgb(0, 255, 0)},
        {"黑", kBlack},
        {"擦皮", kWhite},
    };
    for (const ColourRow& row : rows) {
        choose(row.comboText);
        stroke({at(-3, 5), at(-2, 5)});
        EXPECT_EQ(lastOp().colour, row.expected) << row.comboText;
    }
}

TEST_F(Pen, TypingThePartOfANameKeepsTheLastColourInsteadOfCompletingIt)
{
    choose("红");
    stroke({at(-3, 5), at(-2, 5)});
    testing::typeIntoCombo(board->penColourChoice(), QStringLiteral("擦"));
    EXPECT_EQ(board->penColourChoice()->currentText(), QStringLiteral("擦"));
    stroke({at(-3, 4), at(-2, 4)});
    EXPECT_EQ(lastOp().colour, kRed) << "\"擦\" is not the eraser's name";
    testing::typeKeys(board->penColourChoice(), QStringLiteral("皮"));
    stroke({at(-3, 3), at(-2, 3)});
    EXPECT_EQ(lastOp().colour, kWhite);
}

TEST_F(Pen, TheColourIsTakenOnEveryMoveEvenWithoutAButton)
{
    choose("绿");
    move(at(1, -1), Qt::NoButton);
    choose("随便写的");
    stroke({at(1, -2), at(1, -3)});
    EXPECT_EQ(lastOp().colour, rgb(0, 255, 0));
    EXPECT_EQ(shownAt(1, -3), QColor(0, 255, 0));
}

TEST_F(Pen, AChangeOfTheComboTakesEffectWithTheNextMoveOfTheSameStroke)
{
    choose("红");
    press(at(-5, -5));
    move(at(-5, -5), Qt::LeftButton);
    choose("蓝");
    move(at(-4, -5), Qt::LeftButton);
    release(at(-4, -5));
    EXPECT_EQ(shownAt(-5, -5), QColor(Qt::red));
    EXPECT_EQ(shownAt(-4, -5), QColor(Qt::blue));
}

TEST_F(Pen, TheEraserRubsOutCurvesAndAxesUntilTheBoardIsCleared)
{
    const QPointF onCurve(3.3, 5), onAxis(3.3, 0);
    board->surface().setPixel(onCurve.x(), onCurve.y(), kRed);
    ASSERT_EQ(shownAt(onCurve.x(), onCurve.y()), QColor(Qt::red));
    ASSERT_EQ(shownAt(onAxis.x(), onAxis.y()), QColor(Qt::blue));

    choose("擦皮");
    stroke({at(onCurve.x(), onCurve.y()), at(onAxis.x(), onAxis.y())});
    EXPECT_EQ(shownAt(onCurve.x(), onCurve.y()), QColor(Qt::white));
    EXPECT_EQ(shownAt(onAxis.x(), onAxis.y()), QColor(Qt::white));
    EXPECT_EQ(shownAt(5.3, 0), QColor(Qt::blue)) << "the axis stays where the eraser did not pass";

    board->clearBoard();
    EXPECT_EQ(shownAt(onAxis.x(), onAxis.y()), QColor(Qt::blue)) << "清除 brings the axes back";
    EXPECT_EQ(shownAt(onCurve.x(), onCurve.y()), QColor(Qt::white));
}

TEST_F(Pen, ClearingLeavesThePenColourAndTheDotFollowsThePenWidth)
{
    choose("红");
    stroke({at(0.5, 0.5), at(1.5, 0.5)});
    board->clearBoard();
    choose("不是颜色");
    surface().setDrawWidth(5);
    stroke({at(2.5, 2.5), at(3.5, 2.5)});
    EXPECT_EQ(lastOp().colour, kRed);
    EXPECT_EQ(lastOp().width, 5);
}

TEST_F(Pen, AMoveWithNoButtonHeldEndsAStrokeWhoseReleaseWentElsewhere)
{
    press(at(-1, -1));
    move(at(-1, -1), Qt::LeftButton);
    const std::uint64_t dots = surface().dotCount();
    move(at(-2, -1), Qt::NoButton); // the release was taken by another window
    move(at(-3, -1), Qt::LeftButton);
    EXPECT_EQ(surface().dotCount(), dots);
    release(at(-3, -1));
}

} // namespace
} // namespace curvana

namespace curvana {
namespace {

// A pen on a surface of its own, driven through its handlers: each finished stroke is reported
// once, with its dots in order and a new run where the colour changed, and a bare click or a
// press that never moves reports nothing.
TEST(PenStroke, AFinishedStrokeIsReportedAsItsDotsInColourRuns)
{
    Surface surface(QSize(200, 200));
    SurfaceView view(surface);
    QComboBox combo;
    combo.setEditable(true);
    FreehandPen pen(view, surface, combo);
    std::vector<StrokeAction> strokes;
    QObject::connect(&pen, &FreehandPen::strokeFinished, [&](const StrokeAction& s) { strokes.push_back(s); });

    pen.press({0, 0}, Qt::LeftButton);
    pen.release({0, 0}, Qt::LeftButton);
    EXPECT_TRUE(strokes.empty()) << "a bare click is no stroke";

    combo.setEditText(QStringLiteral("红"));
    pen.press({1, 1}, Qt::LeftButton);
    pen.move({1, 1}, Qt::LeftButton);
    pen.move({2, 1}, Qt::LeftButton);
    combo.setEditText(QStringLiteral("蓝"));
    pen.move({3, 1}, Qt::LeftButton);
    EXPECT_TRUE(strokes.empty()) << "reported only when it ends";
    pen.release({3, 1}, Qt::LeftButton);
    pen.move({4, 1}, Qt::NoButton);

    ASSERT_EQ(strokes.size(), 1u);
    const StrokeAction expected{{StrokeRun{kRed, {{1, 1}, {2, 1}}}, StrokeRun{kBlue, {{3, 1}}}}};
    EXPECT_EQ(strokes[0], expected);
    EXPECT_EQ(surface.dotCount(), 3u);
    EXPECT_EQ(surface.objectCount(), 1u);

    // A stroke whose release went elsewhere ends with the first move without a button.
    pen.press({5, 5}, Qt::LeftButton);
    pen.move({5, 5}, Qt::LeftButton);
    pen.move({6, 5}, Qt::NoButton);
    ASSERT_EQ(strokes.size(), 2u);
    EXPECT_EQ(strokes[1], (StrokeAction{{StrokeRun{kBlue, {{5, 5}}}}}));
}

} // namespace
} // namespace curvana
