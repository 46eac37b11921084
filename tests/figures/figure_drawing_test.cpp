// What the figure dialogs put on the board: the display list entries and, where the shape
// matters, the pixels of the board's picture.
#include "figures/figure_fixture.h"

namespace curvana {
namespace {

using testing::FigureFixture;
using testing::InkAround;

const QColor kInkBlack(0, 0, 0);
constexpr double kPi = 3.1415926;

float radians(double degrees) { return static_cast<float>(degrees * kPi / 180); }

struct Added {
    std::vector<OpKind> kinds;
    std::vector<Rgb> colours;
    std::vector<std::pair<float, float>> points;
};

struct DefaultCase {
    const char* entry;
    std::vector<OpKind> kinds;
    std::vector<std::pair<float, float>> points; // the ends of dots, lines and boxes
    std::optional<CircleOp> circle;
};

bool sameCircle(const CircleOp& a, const CircleOp& b)
{
    return a.centre.x == b.centre.x && a.centre.y == b.centre.y && a.radius == b.radius && a.start == b.start
        && a.end == b.end && a.aspect == b.aspect;
}

struct FigureDrawingTest : FigureFixture {
    // Everything the list gained since it held `ops` entries and `points` points.
    Added addedSince(std::size_t ops, std::size_t points)
    {
        Added added;
        for (std::size_t i = ops; i < surface().ops().size(); ++i) {
            added.kinds.push_back(surface().ops()[i].kind);
            added.colours.push_back(surface().ops()[i].colour);
        }
        for (std::size_t i = points; i < surface().points().size(); ++i)
            added.points.emplace_back(surface().points()[i].x, surface().points()[i].y);
        return added;
    }

    // Clears the board, draws with the dialog's boxes set to `texts` and returns the black ink.
    InkAround inkOf(const char* entry, std::initializer_list<const char*> texts, double cx = 0, double cy = 0)
    {
        board->clearBoard();
        drawWith(entry, texts);
        return InkAround(surface(), boardImage(), cx, cy, kInkBlack);
    }
};

TEST_F(FigureDrawingTest, EachDefaultFigureIsDrawnInBlack)
{
    using K = OpKind;
    const DefaultCase cases[] = {
        {"jk8", {K::Dots}, {{0, 0}}, {}},
        {"jk7", {K::Line}, {{0, 0}, {1, 1}}, {}},
        {"jk4", {K::Box}, {{0, 0}, {1, 1}}, {}},
        {"jk6", {K::Line, K::Line, K::Line}, {{0, 0}, {2, 3}, {2, 3}, {5, 5}, {5, 5}, {0, 0}}, {}},
        {"jk5", {K::Line, K::Line, K::Line, K::Line},
            {{0, 0}, {2, 2}, {2, 2}, {6, -1}, {6, -1}, {4, -3}, {4, -3}, {0, 0}}, {}},
        {"jk1", {K::Circle}, {}, CircleOp{{0, 0}, 4, {}, {}, 0.5f}},
        {"lk2", {K::Circle}, {}, CircleOp{{0, 0}, 2, -0.00001f, radians(-60), 1.0f}},
        {"jk3", {K::Circle}, {}, CircleOp{{0, 0}, 2, radians(60), radians(90), {}}},
    };
    for (const DefaultCase& c : cases) {
        SCOPED_TRACE(c.entry);
        const std::size_t ops = surface().ops().size(), points = surface().points().size();
        FigureDialog* dialog = open(c.entry);
        pressOk(dialog);
        const Added added = addedSince(ops, points);
        EXPECT_EQ(added.kinds, c.kinds);
        EXPECT_EQ(added.colours, std::vector<Rgb>(c.kinds.size(), kBlack));
        EXPECT_EQ(added.points, c.points);
        if (c.circle) {
            EXPECT_TRUE(sameCircle(surface().circles().back(), *c.circle));
        }
        for (std::size_t i = ops; i < surface().ops().size(); ++i)
            EXPECT_EQ(surface().ops()[i].width, 2);
        EXPECT_TRUE(messages.empty());
        unloadClosed();
        EXPECT_EQ(board->windows().find(QString::fromUtf8(c.entry)), nullptr);
    }
    const QImage image = boardImage();
    EXPECT_EQ(image.pixelColor(testing::pixelAt(surface(), image.size(), 0, 0)), kInkBlack);
}

TEST_F(FigureDrawingTest, ColourIsTakenByExactNameOnly)
{
    const std::pair<const char*, Rgb> cases[] = {
        {"红", kRed},
        {"绿", rgb(0, 255, 0)},
        {"青", rgb(0, 255, 255)},
        {"红 ", kBlack},
        {"红色", kBlack},
        {"", kBlack},
        {"请选择颜色", kBlack},
    };
    for (const auto& [text, colour] : cases) {
        SCOPED_TRACE(text);
        FigureDialog* dialog = open("jk7");
        pickColour(dialog, text);
        pressOk(dialog);
        unloadClosed();
        EXPECT_EQ(surface().ops().back().colour, colour);
    }
    FigureDialog* dialog = open("jk8");
    dialog->controls().combo(QStringLiteral("Combo1"))->setCurrentIndex(3); // "蓝" picked from the list
    pressOk(dialog);
    EXPECT_EQ(surface().ops().back().colour, kBlue);
}

TEST_F(FigureDrawingTest, RectangleFromEitherPairOfCorners)
{
    const InkAround forward = inkOf("jk4", {"-2.5", "1", "3", "-4"});
    const InkAround backward = inkOf("jk4", {"3", "-4", "-2.5", "1"});
    const InkAround otherDiagonal = inkOf("jk4", {"-2.5", "-4", "3", "1"});
    EXPECT_FALSE(forward.offsets().empty());
    EXPECT_EQ(forward.offsets(), backward.offsets());
    EXPECT_EQ(forward.offsets(), otherDiagonal.offsets());
    EXPECT_TRUE(forward.at(0, 3)); // right side crosses the x axis
    EXPECT_FALSE(forward.at(0, 1)); // inside stays empty
}

TEST_F(FigureDrawingTest, EllipseReachesItsHalfAxesInXUnits)
{
    struct Row {
        const char* a;
        const char* b;
        double reachX, reachY; // in x units, on screen
    };
    const Row rows[] = {{"4", "2", 4, 2}, {"2", "4", 2, 4}, {"3", "3", 3, 3}, {"-4", "2", 4, 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.a) + "," + row.b);
        const InkAround ink = inkOf("jk1", {"1", "1", row.a, row.b}, 1, 1);
        const QSizeF reach = ink.reach();
        EXPECT_NEAR(reach.width(), row.reachX * ink.unit(), 2.0);
        EXPECT_NEAR(reach.height(), row.reachY * ink.unit(), 2.0);
        EXPECT_TRUE(ink.at(0, row.reachX));
        EXPECT_TRUE(ink.at(90, row.reachY));
        EXPECT_FALSE(ink.at(0, row.reachX / 2));
    }
}

TEST_F(FigureDrawingTest, QuarterSectorStaysInTheFirstQuadrant)
{
    const InkAround ink = inkOf("lk2", {"0", "0", "3", "90"});
    EXPECT_TRUE(ink.at(0, 1.5)); // radius along the x axis
    EXPECT_TRUE(ink.at(90, 1.5)); // radius along the y axis
    EXPECT_TRUE(ink.at(45, 3)); // the arc
    EXPECT_FALSE(ink.at(45, 1.5));
    const double edge = 3 * ink.unit() + 2;
    EXPECT_EQ(ink.count([](QPointF o) { return o.x() < -2 || o.y() < -2; }), 0);
    EXPECT_EQ(ink.count([edge](QPointF o) { return std::hypot(o.x(), o.y()) > edge; }), 0);
}

TEST_F(FigureDrawingTest, ThreeQuarterSectorLeavesTheFourthQuadrantOpen)
{
    const InkAround ink = inkOf("lk2", {"0", "0", "3", "270"});
    for (double degrees : {45.0, 135.0, 180.0, 225.0})
        EXPECT_TRUE(ink.at(degrees, 3)) << degrees;
    EXPECT_TRUE(ink.at(0, 1.5));
    EXPECT_TRUE(ink.at(270, 1.5));
    EXPECT_EQ(ink.count([](QPointF o) { return o.x() > 2 && o.y() < -2; }), 0);
}

TEST_F(FigureDrawingTest, ArcFromNinetyToZeroPassesThroughTheLeft)
{
    const InkAround ink = inkOf("jk3", {"0", "0", "3", "90", "0"});
    for (double degrees : {90.0, 135.0, 180.0, 225.0, 270.0, 315.0, 0.0})
        EXPECT_TRUE(ink.at(degrees, 3)) << degrees;
    EXPECT_FALSE(ink.at(0, 1.5)); // an arc has no radii
    EXPECT_FALSE(ink.at(90, 1.5));
    EXPECT_EQ(ink.count([](QPointF o) { return o.x() > 2 && o.y() > 2; }), 0);
}

TEST_F(FigureDrawingTest, NegativeAnglesDrawTheirRadius)
{
    struct Row {
        const char* start;
        const char* end;
        bool startRadius, endRadius;
    };
    const Row rows[] = {{"-30", "-120", true, true}, {"-30", "120", true, false}, {"30", "-120", false, true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.start) + " to " + row.end);
        const InkAround ink = inkOf("jk3", {"2", "-1", "3", row.start, row.end}, 2, -1);
        EXPECT_TRUE(ink.at(75, 3));
        EXPECT_FALSE(ink.at(200, 3)); // drawn counter-clockwise from 30 to 120 degrees only
        EXPECT_EQ(ink.at(30, 1.5), row.startRadius);
        EXPECT_EQ(ink.at(120, 1.5), row.endRadius);
    }
}

TEST_F(FigureDrawingTest, ParallelogramComputesTheVertexOppositeTheFirst)
{
    const std::size_t ops = surface().ops().size(), points = surface().points().size();
    drawWith("jk5", {"1", "1", "3", "1", "1", "2"});
    const Added added = addedSince(ops, points);
    const std::vector<std::pair<float, float>> rectangle
        = {{1, 1}, {3, 1}, {3, 1}, {3, 2}, {3, 2}, {1, 2}, {1, 2}, {1, 1}};
    EXPECT_EQ(added.points, rectangle);

    const InkAround ink = inkOf("jk5", {"0", "0", "2", "2", "4", "-3"});
    const QImage image = boardImage();
    EXPECT_EQ(image.pixelColor(testing::pixelAt(surface(), image.size(), 4, 0.5)), kInkBlack); // on P2-P3
    EXPECT_EQ(image.pixelColor(testing::pixelAt(surface(), image.size(), 5, -2)), kInkBlack); // on P3-P4
    EXPECT_EQ(image.pixelColor(testing::pixelAt(surface(), image.size(), 3, -0.5)), QColor(Qt::white));
    EXPECT_FALSE(ink.offsets().empty());
}

TEST_F(FigureDrawingTest, CancelAndTheCloseBoxNeverDraw)
{
    const std::size_t ops = surface().ops().size();
    for (const char* entry : {"jk8", "jk7", "jk6", "jk5", "jk4", "jk3", "lk2", "jk1"}) {
        pressCancel(open(entry));
        unloadClosed();
        open(entry)->close();
        unloadClosed();
    }
    EXPECT_EQ(surface().ops().size(), ops);
}

TEST_F(FigureDrawingTest, BoxWithoutANumberKeepsTheDialogOpenOnIt)
{
    struct Row {
        const char* entry;
        const char* box;
        const char* text;
    };
    const Row rows[] = {{"jk8", "Text2", "abc"}, {"jk7", "Text1", ""}, {"jk4", "Text4", "1,5"}, {"jk1", "Text3", "四"},
        {"lk2", "Text4", "60度"}, {"jk6", "Text6", "-"}, {"jk5", "Text5", "1e"}, {"jk3", "Text5", "x"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.entry);
        messages.clear();
        const std::size_t ops = surface().ops().size();
        FigureDialog* dialog = open(row.entry);
        type(dialog, row.box, row.text);
        pressOk(dialog);
        unloadClosed();
        EXPECT_EQ(surface().ops().size(), ops);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_TRUE(messages[0].text.contains(QStringLiteral("填写一个数")));
        ASSERT_EQ(board->windows().find(QString::fromUtf8(row.entry)), dialog);
        QLineEdit* box = dialog->controls().text(QString::fromUtf8(row.box));
        EXPECT_EQ(dialog->focusWidget(), box);
        EXPECT_EQ(box->selectedText(), box->text());
        dialog->close();
        unloadClosed();
    }
}

TEST_F(FigureDrawingTest, FullTurnSectorIsTheWholeCircleWithOneRadius)
{
    const InkAround ink = inkOf("lk2", {"0", "0", "3", "720"});
    for (double degrees : {45.0, 135.0, 225.0, 315.0})
        EXPECT_TRUE(ink.at(degrees, 3)) << degrees;
    EXPECT_TRUE(ink.at(0, 1.5));
    EXPECT_FALSE(ink.at(90, 1.5));
    EXPECT_FALSE(ink.at(180, 1.5));
}

TEST_F(FigureDrawingTest, FiguresFarOffTheBoardAreAcceptedUnseen)
{
    const std::size_t ops = surface().ops().size();
    drawWith("jk7", {"100", "100", "200", "300"});
    drawWith("jk1", {"1e6", "0", "4", "2"});
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(surface().ops().size(), ops + 2);
    const InkAround ink(surface(), boardImage(), 0, 0, kInkBlack);
    EXPECT_TRUE(ink.offsets().empty());
}

} // namespace
} // namespace curvana
