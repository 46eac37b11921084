// The parameter rows of the own-formula window on a real board: a slider moves the curve drawn last
// in place, one gesture is one undo step, a refused value leaves the curve, the window opened again
// goes on with its formula, and ▶ plays.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "core/document/board_document.h"
#include "core/points/equation_points.h"
#include "plotters/formula_window.h"
#include "board/trace_overlay.h"
#include "plotters/parameter_rows.h"
#include "storage/board_file.h"
#include "support/formula_window_fixture.h"
#include "support/ui_fixture.h"

namespace curvana::testing {
namespace {

struct ParameterWindowTest : FormulaWindowFixture {
    ParameterRows& rows() const { return window->parameterRows(); }
    void draw(const char* formula)
    {
        window->controls().text(QStringLiteral("Text1"))->setText(QString::fromUtf8(formula));
        window->controls().button(QStringLiteral("Command1"))->click();
    }
    FormulaAction lastFormula() const { return std::get<FormulaAction>(board->document().actions().back()); }
    double valueOf(const char* name) const
    {
        for (const FormulaParameter& p : lastFormula().parameters)
            if (p.name == name)
                return p.value;
        ADD_FAILURE() << "no parameter " << name;
        return 0;
    }
    QString caption() { return surface().texts().back().text; }
};

TEST_F(ParameterWindowTest, ASliderMovesTheLastCurveInPlaceAsOneUndoStep)
{
    board->action(QStringLiteral("specialPoints"))->trigger();
    draw("x");
    draw("y = a(x−h)²+k");
    ASSERT_EQ(board->document().actions().size(), 2u);
    EXPECT_EQ(lastFormula().parameters, (FormulaParameters{{"a"}, {"h"}, {"k"}}));
    EXPECT_EQ(caption().toStdString(), "y=a(x−h)²+k　a=1　h=1　k=1");
    const std::vector<EntryKey> keys = board->document().keys();

    QSlider* h = rows().slider("h");
    ASSERT_NE(h, nullptr);
    h->setFocus();
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(h, Qt::Key_PageUp); // ten steps each
    QTest::keyClick(h, Qt::Key_Right);
    EXPECT_EQ(board->document().actions().size(), 2u) << "no action per frame";
    EXPECT_DOUBLE_EQ(valueOf("h"), 4.1);
    EXPECT_EQ(rows().valueBox("h")->text().toStdString(), "4.1");
    EXPECT_EQ(board->document().keys()[0], keys[0]) << "the other curve is untouched";
    EXPECT_EQ(board->document().keys()[1].id, keys[1].id);
    EXPECT_NE(board->document().keys()[1].revision, keys[1].revision);
    EXPECT_EQ(caption().toStdString(), "y=a(x−h)²+k　a=1　h=4.1　k=1");
    QTest::qWait(700); // the keys rest: the gesture ends

    rows().valueBox("k")->setText(QStringLiteral("-3"));
    QTest::keyClick(rows().valueBox("k"), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(valueOf("k"), -3);

    board->action(QStringLiteral("undo"))->trigger(); // the typed value
    EXPECT_DOUBLE_EQ(valueOf("k"), 1);
    EXPECT_DOUBLE_EQ(valueOf("h"), 4.1);
    board->action(QStringLiteral("undo"))->trigger(); // the whole drag
    EXPECT_DOUBLE_EQ(valueOf("h"), 1);
    EXPECT_EQ(board->document().actions().size(), 2u);
    // The rows follow the undo, so the next move starts from the values the board shows.
    EXPECT_TRUE(QTest::qWaitFor([this] { return rows().valueBox("h")->text() == QStringLiteral("1"); }, 2000));
    QTest::keyClick(rows().slider("k"), Qt::Key_Right);
    EXPECT_DOUBLE_EQ(valueOf("h"), 1);
    EXPECT_DOUBLE_EQ(valueOf("k"), 1.1);
    QTest::qWait(700);
    board->action(QStringLiteral("undo"))->trigger();
    board->action(QStringLiteral("redo"))->trigger();
    EXPECT_DOUBLE_EQ(valueOf("k"), 1.1);
}

// An equation's letters get rows as a function's do; a moved ellipse stays one action, its curve
// and its foci are those of the new values.
TEST_F(ParameterWindowTest, AnEllipseMovesInPlaceAndItsFociFollow)
{
    window->controls().requireOption("Option4").setChecked(true); // 方程
    draw("x²/a²+y²/b²=1");
    ASSERT_EQ(board->document().actions().size(), 1u);
    EXPECT_EQ(lastFormula().parameters, (FormulaParameters{{"a"}, {"b"}}));
    EXPECT_EQ(caption().toStdString(), "x²/a²+y²/b²=1　a=1　b=1");
    for (const auto& [name, value] : {std::pair{"a", "5"}, std::pair{"b", "3"}}) {
        rows().valueBox(name)->setText(QString::fromUtf8(value));
        rows().valueBox(name)->setFocus();
        QTest::keyClick(rows().valueBox(name), Qt::Key_Return);
    }
    EXPECT_EQ(board->document().actions().size(), 1u) << "moved in place";
    EXPECT_DOUBLE_EQ(valueOf("a"), 5);
    EXPECT_DOUBLE_EQ(valueOf("b"), 3);
    EXPECT_EQ(caption().toStdString(), "x²/a²+y²/b²=1　a=5　b=3");
    const Drawing drawing = std::get<Drawing>(actionDrawing(lastFormula()));
    ASSERT_FALSE(drawing.polylines.empty());
    for (const Polyline& piece : drawing.polylines)
        for (const WorldPoint& p : piece.points)
            EXPECT_NEAR(p.x * p.x / 25 + p.y * p.y / 9, 1, 0.02) << p.x << ", " << p.y;
    std::vector<std::string> foci;
    const auto points = exactPointsOnBoard(board->document().actions());
    ASSERT_EQ(points.size(), 1u);
    for (const ExactCurvePoint& point : points.front())
        if (point.kind == PointKind::Focus)
            foci.push_back(point.text);
    EXPECT_EQ(foci, (std::vector<std::string>{"(4, 0)", "(−4, 0)"}));
}

// An inequality's letter moves its region: the corner on the x axis is at the value.
TEST_F(ParameterWindowTest, AnInequalityWithALetterMovesItsRegion)
{
    window->controls().requireOption("Option5").setChecked(true); // 不等式
    window->controls().text(QStringLiteral("Text5"))->setText(QStringLiteral("k x + y")); // 目标函数 z =
    draw("x+y≤c，x≥0，y≥0");
    ASSERT_EQ(lastFormula().parameters, (FormulaParameters{{"c"}, {"k"}}));
    rows().slider("c")->setFocus();
    QTest::keyClick(rows().slider("c"), Qt::Key_PageUp); // ten steps: c = 2
    EXPECT_DOUBLE_EQ(valueOf("c"), 2);
    EXPECT_EQ(board->document().actions().size(), 1u);
    const Drawing drawing = std::get<Drawing>(actionDrawing(lastFormula()));
    ASSERT_EQ(drawing.shades.size(), 1u);
    double right = -100;
    for (const auto& polygon : drawing.shades.front().polygons)
        for (const WorldPoint& p : polygon)
            right = std::max(right, p.x);
    EXPECT_NEAR(right, 2, 0.05);
}

TEST_F(ParameterWindowTest, AValueWithoutARealPointIsSaidInItsRowAndTheCurveStays)
{
    draw("√(a−x²)");
    const FormulaAction drawn = lastFormula();
    rows().valueBox("a")->setText(QStringLiteral("-2"));
    QTest::keyClick(rows().valueBox("a"), Qt::Key_Return);
    EXPECT_EQ(lastFormula(), drawn);
    EXPECT_TRUE(rows().messageLabel("a")->text().contains(QStringLiteral("a=−2时画不出这条曲线")));
    rows().valueBox("a")->setText(QStringLiteral("4"));
    rows().valueBox("a")->setFocus();
    QTest::keyClick(rows().valueBox("a"), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(valueOf("a"), 4);
    EXPECT_TRUE(rows().messageLabel("a")->text().isEmpty());
    // A range turned round is refused in the row and nothing moves.
    auto* to = rows().valueBox("a")->parentWidget()->findChild<QLineEdit*>(QStringLiteral("to"));
    to->setText(QStringLiteral("-9"));
    QTest::keyClick(to, Qt::Key_Return);
    EXPECT_TRUE(rows().messageLabel("a")->text().contains(QStringLiteral("“从”要小于“到”")));
    EXPECT_EQ(lastFormula().parameters.front().to, 5);
}

TEST_F(ParameterWindowTest, OpenedAgainTheWindowGoesOnWithItsFormula)
{
    draw("A sin(ωx+φ)");
    rows().valueBox("φ")->setText(QStringLiteral("0.5"));
    QTest::keyClick(rows().valueBox("φ"), Qt::Key_Return);
    window->close();
    QApplication::processEvents();
    window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(rows().parameters(), lastFormula().parameters);
    EXPECT_EQ(rows().valueBox("φ")->text().toStdString(), "0.5");
    QTest::keyClick(rows().slider("A"), Qt::Key_Right);
    EXPECT_DOUBLE_EQ(valueOf("A"), 1.1) << "the sliders move the same curve";
    EXPECT_EQ(board->document().actions().size(), 1u);
}

// A board opened while the window is open: its last own formula is the one the sliders move.
TEST_F(ParameterWindowTest, ABoardOpenedWithTheWindowOpenIsTheOneTheSlidersMove)
{
    draw("a x");
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("lesson.curvana"));
    const FormulaAction saved{FormulaKind::Function, "c x + 1", "", "-10", "10", "红", 0, {{"c", 2, -5, 5, 0.5}}};
    ASSERT_EQ(writeBoardFile(path, {saved}), std::nullopt);
    ASSERT_TRUE(board->openBoardFile(path));
    ASSERT_TRUE(QTest::qWaitFor([this] { return rows().slider("c") != nullptr; }, 2000)) << "the rows follow the board";
    QTest::keyClick(rows().slider("c"), Qt::Key_Right);
    EXPECT_DOUBLE_EQ(valueOf("c"), 2.5) << "the opened curve moves";
    EXPECT_EQ(board->document().actions().size(), 1u);
}

TEST_F(ParameterWindowTest, PlayMovesUntilStoppedAndIsOneStep)
{
    draw("x + h");
    QPushButton* play = rows().playButton("h");
    play->click();
    EXPECT_EQ(play->text().toStdString(), "■");
    QTest::qWait(400);
    play->click();
    EXPECT_EQ(play->text().toStdString(), "▶");
    const double played = valueOf("h");
    EXPECT_GT(played, 1.05);
    QTest::qWait(100);
    EXPECT_EQ(valueOf("h"), played) << "stopped";
    board->action(QStringLiteral("undo"))->trigger();
    EXPECT_DOUBLE_EQ(valueOf("h"), 1) << "the whole play is one step";
}

// 轨迹 leaves each earlier place of the moving curve, and the special points' path; 清除 wipes it.
TEST_F(ParameterWindowTest, TracesStayUntilTheBoardIsCleared)
{
    board->action(QStringLiteral("specialPoints"))->trigger();
    draw("(x−h)²");
    QSlider* h = rows().slider("h");
    QTest::keyClick(h, Qt::Key_Right);
    EXPECT_EQ(board->traces().curveCount(), 0u) << "no traces unless asked";
    rows().traceBox()->setChecked(true);
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(h, Qt::Key_Right);
        QTest::qWait(60); // the special points' search may show its newest result
    }
    EXPECT_EQ(board->traces().curveCount(), 5u);
    EXPECT_TRUE(QTest::qWaitFor([this] { return board->traces().pointCount() >= 2; }, 3000))
        << "the vertex leaves a dotted path";
    EXPECT_EQ(board->document().actions().size(), 1u) << "traces are no drawing of the document";
    board->clearButton()->click();
    EXPECT_EQ(board->traces().curveCount(), 0u);
    EXPECT_EQ(board->traces().pointCount(), 0u);
    const std::vector<BoardAction> cleared = board->document().actions();
    QTest::keyClick(h, Qt::Key_Right);
    QTest::qWait(600);
    EXPECT_EQ(board->document().actions(), cleared) << "a wiped curve is not moved unseen";
}

// In animation mode a move is shown at once: the hand cannot wait for a curve drawn out slowly.
TEST_F(ParameterWindowTest, InAnimationModeAMoveShowsAtOnce)
{
    board->view()->setAnimated(true);
    draw("sin(x + φ)");
    board->view()->finishReveal();
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(rows().slider("φ"), Qt::Key_PageUp);
        QTest::qWait(20);
        EXPECT_EQ(board->view()->revealedTo(), surface().end()) << "step " << i;
    }
}

// Tab goes from the formula box into the first parameter's row, through it and on to the next.
TEST_F(ParameterWindowTest, TabGoesThroughEachRowInOrder)
{
    window->controls().text(QStringLiteral("Text1"))->setText(QStringLiteral("a x + b"));
    window->controls().text(QStringLiteral("Text1"))->setFocus();
    const auto row = rows().tabOrder();
    ASSERT_EQ(row.size(), 13u); // six for each row, then 轨迹
    for (QWidget* expected : row) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }
    EXPECT_EQ(row[0], rows().valueBox("a"));
    EXPECT_EQ(row[1], rows().slider("a"));
    EXPECT_EQ(row[6], rows().valueBox("b"));
}

} // namespace
} // namespace curvana::testing
