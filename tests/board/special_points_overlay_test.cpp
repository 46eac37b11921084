// "显示特殊点": rings over the drawing at the curves' special points, on screen only.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSemaphore>
#include <QTest>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>

#include "board/board_export.h"
#include "board/board_print.h"
#include "board/coordinate_readout.h"
#include "board/special_points_overlay.h"
#include "core/document/board_document.h"
#include "support/ui_fixture.h"

namespace curvana {
namespace {

const QColor kRingGrey(128, 128, 128);
// y = x² − 2x − 3: zeros −1 and 3, minimum (1, −4), y-intercept (0, −3).
const CurveAction kQuadratic{CurveWindow::Elementary, 2, {"1", "-2", "-3"}, "红"};
const QPointF kQuadraticPoints[] = {{-1, 0}, {3, 0}, {1, -4}, {0, -3}};
// x²/9 + y²/4 = 1: centre, four vertices, foci (±√5, 0). The vertex (3, 0) is also a zero above.
const CurveAction kEllipse{CurveWindow::Conic, 1, {"0", "0", "3", "2"}, "蓝"};
const QPointF kEllipsePoints[] = {{0, 0}, {-3, 0}, {3, 0}, {0, -2}, {0, 2}, {-std::sqrt(5.0), 0}, {std::sqrt(5.0), 0}};
const CurveAction kLine{CurveWindow::Elementary, 1, {"1", "+2"}, "黑"};

struct SpecialPointsOverlayTest : testing::UiFixture {
    void draw(const CurveAction& action)
    {
        board->perform(action);
        waitForSearch();
    }
    void waitForSearch()
    {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !board->specialPoints().searching(); }, 10000));
    }
    void toggle()
    {
        board->action("specialPoints")->trigger();
        waitForSearch();
    }
    QImage shown() { return board->view()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    QPointF pixelOf(QPointF world) { return board->view()->widgetPointOf(world); }
    std::vector<QPointF> markedPlaces()
    {
        std::vector<QPointF> places;
        for (const ViewMarker& marker : board->view()->markers())
            places.push_back(marker.world);
        return places;
    }
};

bool near(QPointF a, QPointF b, double reach) { return QLineF(a, b).length() <= reach; }

TEST_F(SpecialPointsOverlayTest, TheEntryEndsThePlotterMenuAndStartsOff)
{
    QAction* entry = board->action("specialPoints");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text(), "显示特殊点");
    EXPECT_EQ(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    EXPECT_TRUE(entry->isCheckable());
    EXPECT_FALSE(entry->isChecked());
    QMenu* plotters = nullptr;
    for (QAction* top : board->menuBar()->actions())
        if (top->text() == "画函数图象")
            plotters = top->menu();
    ASSERT_NE(plotters, nullptr);
    const QList<QAction*> entries = plotters->actions();
    EXPECT_EQ(entries.last(), entry) << "after the plotters added by start-up";
    EXPECT_EQ(std::ranges::count_if(entries, [](QAction* a) { return !a->isSeparator(); }),
        6); // three plotters, the own formula, the table, the points
}

TEST_F(SpecialPointsOverlayTest, RingsSitOnTheQuadraticsAndTheEllipsesPointsAndNowhereElse)
{
    draw(kQuadratic);
    draw(kEllipse);
    const QImage off = shown();
    toggle();
    const QImage on = shown();
    std::vector<QPointF> expected;
    for (QPointF p : kQuadraticPoints)
        expected.push_back(pixelOf(p));
    for (QPointF p : kEllipsePoints)
        expected.push_back(pixelOf(p));
    // Every changed pixel belongs to a ring round an expected point...
    for (int y = 0; y < on.height(); ++y)
        for (int x = 0; x < on.width(); ++x)
            if (on.pixel(x, y) != off.pixel(x, y)) {
                const QPointF changed(x + 0.5, y + 0.5);
                ASSERT_TRUE(std::ranges::any_of(expected, [&](QPointF e) { return near(changed, e, 5.5); }))
                    << "a ring pixel at " << x << "," << y;
            }
    // ...and every expected point has its grey ring of radius 4, with its middle left alone.
    for (QPointF centre : expected) {
        int ring = 0;
        for (int y = int(centre.y()) - 6; y <= int(centre.y()) + 6; ++y)
            for (int x = int(centre.x()) - 6; x <= int(centre.x()) + 6; ++x) {
                const double distance = QLineF(QPointF(x + 0.5, y + 0.5), centre).length();
                if (on.pixelColor(x, y) == kRingGrey && off.pixelColor(x, y) != kRingGrey) {
                    EXPECT_GT(distance, 2.5) << centre.x() << "," << centre.y();
                    ring += distance < 5.5;
                }
            }
        EXPECT_GE(ring, 12) << "ring at pixel " << centre.x() << "," << centre.y();
    }
    toggle();
    EXPECT_TRUE(board->view()->markers().empty());
    EXPECT_EQ(shown(), off) << "off, the board looks as without the overlay";
}

// In animation mode a ring never floats ahead of its curve: the rings show when the reveal is done.
TEST_F(SpecialPointsOverlayTest, RingsWaitForTheirCurveToBeRevealed)
{
    toggle();
    board->view()->setAnimated(true);
    draw(kQuadratic);
    const QPointF vertex = pixelOf({1, -4});
    const auto greyNear = [&](const QImage& image) {
        int grey = 0;
        for (int y = int(vertex.y()) - 5; y <= int(vertex.y()) + 5; ++y)
            for (int x = int(vertex.x()) - 5; x <= int(vertex.x()) + 5; ++x)
                grey += image.valid(x, y) && image.pixelColor(x, y) == kRingGrey;
        return grey;
    };
    ASSERT_TRUE(board->view()->revealing());
    EXPECT_EQ(greyNear(shown()), 0);
    EXPECT_TRUE(board->view()->markerLabelsAt({1, -4}).isEmpty());
    board->view()->finishReveal();
    EXPECT_GT(greyNear(shown()), 8);
    EXPECT_FALSE(board->view()->markerLabelsAt({1, -4}).isEmpty());
}

TEST_F(SpecialPointsOverlayTest, UndoClearAndNewCurvesMoveTheRings)
{
    toggle();
    EXPECT_TRUE(board->view()->markers().empty());
    draw(kQuadratic);
    const std::vector<QPointF> quadratic = markedPlaces();
    EXPECT_EQ(quadratic.size(), std::size(kQuadraticPoints));
    draw(kLine); // y = x + 2 meets the parabola at x = (3 ± √29) / 2 and adds its own points
    EXPECT_GT(markedPlaces().size(), quadratic.size());
    board->undo();
    waitForSearch();
    EXPECT_EQ(markedPlaces(), quadratic);
    board->clearBoard();
    waitForSearch();
    EXPECT_TRUE(markedPlaces().empty());
    draw(kEllipse);
    EXPECT_EQ(markedPlaces().size(), std::size(kEllipsePoints));
    board->undo(); // the ellipse
    board->undo(); // the clear: the parabola is back
    waitForSearch();
    EXPECT_EQ(markedPlaces(), quadratic);
}

TEST_F(SpecialPointsOverlayTest, ASearchOvertakenByAChangeNeverShows)
{
    toggle();
    // Changes in quick succession, without waiting: only the board as it ends up is marked.
    board->perform(kQuadratic);
    board->clearBoard();
    board->perform(kEllipse);
    waitForSearch();
    EXPECT_EQ(markedPlaces().size(), std::size(kEllipsePoints));
}

// A search held in the worker until the test lets it go, so that changes surely overtake it. It
// marks one point at x = the number of actions it was given.
struct HeldSearch {
    std::shared_ptr<QSemaphore> gate = std::make_shared<QSemaphore>(0);
    std::shared_ptr<std::atomic<int>> runs = std::make_shared<std::atomic<int>>(0);
    BoardPointSearch search()
    {
        return [gate = gate, runs = runs](const std::vector<BoardAction>& actions) {
            ++*runs;
            gate->acquire();
            return std::vector<SpecialPoint>{{PointKind::Zero, double(actions.size()), 0, "零点"}};
        };
    }
    ~HeldSearch() { gate->release(100); } // a failed test leaves no worker waiting
};

TEST_F(SpecialPointsOverlayTest, OnlyTheNewestBoardIsSearchedAndAStaleResultIsDropped)
{
    Surface surface(QSize(200, 200));
    SurfaceView view(surface);
    HeldSearch held;
    SpecialPointsOverlay overlay(view, nullptr, held.search());
    const std::vector<BoardAction> one{kQuadratic}, two{kQuadratic, kLine}, three{kQuadratic, kLine, kEllipse};
    const auto settle = [&] { return QTest::qWaitFor([&] { return !overlay.searching(); }, 5000); };

    overlay.setEnabled(true, one);
    overlay.refresh(two);
    overlay.refresh(three); // replaces `two`, which is never searched
    held.gate->release(2);
    ASSERT_TRUE(settle());
    EXPECT_EQ(held.runs->load(), 2);
    ASSERT_EQ(view.markers().size(), 1u);
    EXPECT_EQ(view.markers()[0].world, QPointF(3, 0));

    overlay.refresh(one);
    overlay.setEnabled(false, one); // turned off while the worker still searches
    EXPECT_TRUE(view.markers().empty());
    held.gate->release(1);
    ASSERT_TRUE(settle());
    QTest::qWait(20);
    EXPECT_TRUE(view.markers().empty()) << "the stale result stays away";
}

TEST_F(SpecialPointsOverlayTest, ExportsAndPrintsLeaveTheRingsOut)
{
    draw(kQuadratic);
    const auto printed = [this] {
        QImage page(800, 1000, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        paintBoardPage(*board, painter, QRectF(page.rect()));
        return page;
    };
    const QImage exportedOff = boardImage(*board->view(), 2);
    const QImage printedOff = printed();
    toggle();
    ASSERT_FALSE(board->view()->markers().empty());
    EXPECT_EQ(boardImage(*board->view(), 2), exportedOff);
    EXPECT_EQ(printed(), printedOff);
}

TEST_F(SpecialPointsOverlayTest, ThePointerOnARingReadsItsLabel)
{
    draw(kQuadratic);
    draw(kEllipse);
    toggle();
    QLabel* readout = board->coordinateReadout();
    const struct {
        QPointF world;
        QPointF offset;
        const char* text;
    } cases[] = {
        {{1, -4}, {3, 2}, "顶点、极小值点 (1, −4)"},
        {{0, -3}, {-4, 0}, "与y轴交点 (0, −3)"},
        {{std::sqrt(5.0), 0}, {0, 3}, "焦点 (√5, 0) ≈ (2.236, 0)"},
    };
    for (const auto& c : cases) {
        QTest::mouseMove(board->view(), (pixelOf(c.world) + c.offset).toPoint());
        EXPECT_EQ(readout->text(), QString::fromUtf8(c.text)) << c.text;
    }
    // A zero of the parabola and a vertex of the ellipse share one ring and one label.
    QTest::mouseMove(board->view(), pixelOf({3, 0}).toPoint());
    EXPECT_EQ(readout->text(), QStringLiteral("零点、顶点 (3, 0)"));
    const QPoint away = (pixelOf({1, -4}) + QPointF(8, 0)).toPoint();
    QTest::mouseMove(board->view(), away);
    EXPECT_EQ(readout->text(), CoordinateReadout::textFor(board->view()->worldAt(away)));
}

// sin 20x has more extrema than rings fit: the field says how many were left out, beside the
// coordinates and on its own when the pointer leaves, and forgets it when the rings go.
TEST_F(SpecialPointsOverlayTest, TheFieldCountsThePointsLeftOut)
{
    draw(CurveAction{CurveWindow::Elementary, 4, {"1", "20", "0"}, "红"});
    toggle();
    const std::size_t omitted = board->specialPoints().omitted();
    ASSERT_GT(omitted, 0u);
    const QString notice = QStringLiteral("已省略 %1 个点").arg(omitted);
    QLabel* readout = board->coordinateReadout();
    EXPECT_EQ(readout->text(), notice);
    const QPoint corner = pixelOf({-9.9, 9.9}).toPoint();
    QTest::mouseMove(board->view(), corner);
    EXPECT_EQ(readout->text(), CoordinateReadout::textFor(board->view()->worldAt(corner)) + "  " + notice);
    toggle();
    QTest::mouseMove(board->view(), corner + QPoint(1, 0));
    EXPECT_FALSE(readout->text().contains(QStringLiteral("已省略")));
}

TEST_F(SpecialPointsOverlayTest, AClickOnARingPinsItAsANamedPointAndAStrokeDoesNot)
{
    const CurveAction redParabola{CurveWindow::Elementary, 2, {"1", "-2", "-3"}, "红"};
    board->perform(redParabola);
    waitForSearch();
    SurfaceView* view = board->view();
    const QPoint minimum = pixelOf({1, -4}).toPoint();
    // Off: a click on the place draws nothing.
    QTest::mouseClick(view, Qt::LeftButton, {}, minimum);
    EXPECT_EQ(board->boardActions().size(), 1u);
    toggle();
    // A press that moves is a pen stroke, even when it starts on a ring.
    QTest::mousePress(view, Qt::LeftButton, {}, minimum);
    QTest::mouseMove(view, minimum + QPoint(20, 10));
    QTest::mouseRelease(view, Qt::LeftButton, {}, minimum + QPoint(20, 10));
    ASSERT_EQ(board->boardActions().size(), 2u);
    EXPECT_TRUE(std::holds_alternative<StrokeAction>(board->boardActions().back()));
    board->undo();
    waitForSearch();
    QTest::mouseClick(view, Qt::LeftButton, {}, minimum + QPoint(2, -1));
    ASSERT_EQ(board->boardActions().size(), 2u);
    const auto* pinned = std::get_if<NamedPointAction>(&board->boardActions().back());
    ASSERT_NE(pinned, nullptr);
    EXPECT_TRUE(view->markerLabelsAt({1, -4}).contains(QStringLiteral("(1, −4)")));
    EXPECT_EQ(pinned->texts, (FieldTexts{"顶点、极小值点", "1", "−4"}));
    EXPECT_EQ(pinned->colour, "红") << "the curve's colour";
    // Its dot on the point, its text beside it on the right, level with it.
    const Drawing drawn = std::get<Drawing>(actionDrawing(*pinned));
    ASSERT_EQ(drawn.marks.size(), 1u);
    EXPECT_EQ(drawn.marks[0].at, (WorldPoint{1, -4}));
    EXPECT_EQ(drawn.marks[0].label.text, "顶点、极小值点(1, −4)");
    EXPECT_GT(drawn.marks[0].label.at.x, 1.1);
    EXPECT_LT(drawn.marks[0].label.at.x, 1.6);
    // Undone and redone whole.
    board->undo();
    EXPECT_EQ(board->boardActions().size(), 1u);
    board->redo();
    EXPECT_EQ(board->boardActions().back(), BoardAction(*pinned));
    // Near the right edge the text goes to the left of its point; on the axes alone it is blue.
    const NamedPointAction atEdge = pinnedPoint(*view, {QPointF(9.5, 0), QStringLiteral("零点 (9.5, 0)")});
    EXPECT_EQ(atEdge.texts, (FieldTexts{"零点", "9.5", "0"}));
    EXPECT_EQ(atEdge.colour, "蓝");
    const Drawing edge = std::get<Drawing>(actionDrawing(atEdge));
    EXPECT_LT(edge.marks[0].label.at.x, 9.5 - 3);
    // A point without an exact form keeps the label's decimal.
    const NamedPointAction inexact
        = pinnedPoint(*view, {QPointF(2.0 / 3 + 1e-7, 0), QStringLiteral("零点 (≈0.6667, 0)")});
    EXPECT_EQ(inexact.texts, (FieldTexts{"零点", "0.6667", "0"}));
}

// A zero beyond the designed board is found once the board is panned to it, and its ring pins as
// it does at the designed view; back at the designed view the ring is gone again.
TEST_F(SpecialPointsOverlayTest, APannedBoardFindsAndPinsWhatItShows)
{
    const auto settle = [this] {
        QTest::qWait(0); // the view is drawn once the waiting events are handled
        waitForSearch();
    };
    board->perform(FormulaAction{FormulaKind::Function, "x−30", "", "-100", "100", "红", 0});
    toggle();
    EXPECT_TRUE(markedPlaces().empty());
    board->setBoardView(*ViewWindow::make(20, 40, -10, 10));
    settle();
    ASSERT_EQ(board->view()->markers().size(), 1u);
    EXPECT_EQ(board->view()->markers().front().label, QStringLiteral("零点 (30, 0)"));
    QTest::mouseClick(board->view(), Qt::LeftButton, {}, pixelOf({30, 0}).toPoint());
    ASSERT_EQ(board->boardActions().size(), 2u);
    const auto* pinned = std::get_if<NamedPointAction>(&board->boardActions().back());
    ASSERT_NE(pinned, nullptr);
    EXPECT_EQ(pinned->texts, (FieldTexts{"零点", "30", "0"}));
    board->showDesignedView();
    settle();
    EXPECT_TRUE(markedPlaces().empty());
}

} // namespace
} // namespace curvana
