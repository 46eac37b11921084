// Every curve family drawn through its window onto the board: dots, captions, pen colour,
// refused input and a look at the rendered pixels.
#include <QApplication>
#include <cmath>

#include "plotter_fixture.h"
#include "support/pixels.h"

namespace curvana::testing {
namespace {

using Plotters = PlotterFixture;

struct ExpectedCaption {
    float x, y;
    const char* text;
};

struct FamilyCase {
    const char* entry;
    int option;
    const char* textA; // typed into Text1 when not null (A, m or R)
    std::uint64_t dots; // roughly, within 1 %
    std::size_t circles;
    std::vector<ExpectedCaption> captions;
};

// The boxes hold their initial texts: A = 1, B = +2, C = +0; m = 1, n = 1, a = 3, b = 2; R = 1.
const std::vector<FamilyCase> kFamilies = {
    {"fd1", 1, nullptr, 30558, 0, {{4, 9, "一次函数y= 1x+2"}}},
    {"fd1", 2, nullptr, 11459, 0, {{2, 9, "二次函数y= 1x  +2x+0"}, {6, 9.3f, "2"}}},
    {"fd1", 3, nullptr, 30558, 0, {{3, 2, "双曲线y= —"}, {5.5f, 2.3f, " 1"}, {5.8f, 1.6f, "x"}}},
    {"fd1", 4, nullptr, 12000, 0, {{1, -6, "正弦曲线y= 1sin( 2x+0°)"}}},
    {"fd1", 5, nullptr, 12000, 0, {{-1, 6, "余弦曲线y= 1cos( 2x+0°)"}}},
    {"fd1", 6, nullptr, 5992, 0, {{1, 2, "正切曲线y= 1tan( 2x+0°)"}}},
    {"fd1", 7, nullptr, 11459, 0, {{2, 9, "二次函数y=| 1x  +2x+0|"}, {6, 9.3f, "2"}}},
    {"fd1", 8, "2", 11459, 0, {{4, 9, "指数函数y= 2"}, {7.7f, 9.3f, "x"}}},
    {"fd1", 9, "2", 11459, 0, {{4, 9, "幂函数y=x"}, {6.8f, 9.2f, " 2"}}},
    {"fd1", 10, "2", 18908, 0, {{4, 9, "对数函数y=log 2"}, {8.5f, 9.5f, "x"}}},
    {"fd2", 1, nullptr, 22920, 0, {{4, 9, "椭圆曲线"}}},
    {"fd2", 2, nullptr, 45836, 0, {{4, 9, "双曲线"}}},
    {"fd2", 3, nullptr, 30558, 0, {{4, 9, "抛物线"}}},
    {"fd2", 5, nullptr, 0, 1, {{-2, 5, "圆"}}},
    {"fd3", 1, nullptr, 15279, 0, {{-2, 3, "圆的渐开线"}}},
    {"fd3", 2, nullptr, 15279, 0, {{4, 5, "旋轮线"}}},
    {"fd3", 3, nullptr, 15279, 0, {{4, 6, "心脏线"}}},
    {"fd3", 4, nullptr, 15279, 0, {{6, 4, "三叶玫瑰线"}}},
    {"fd3", 5, nullptr, 15279, 0, {{-6, 6, "四尖点星形线"}}},
    {"fd3", 6, nullptr, 15279, 0, {}},
};

TEST_F(Plotters, EveryFamilyDrawsItsDotsAndCaptionsOnTheBoard)
{
    for (const FamilyCase& family : kFamilies) {
        SCOPED_TRACE(std::string(family.entry) + " Option" + std::to_string(family.option));
        PlotterWindow* window = open(family.entry);
        ASSERT_NE(window, nullptr);
        choose(window, family.option);
        if (family.textA)
            type(window, "Text1", family.textA);
        const std::uint64_t dotsBefore = surface().dotCount();
        const std::size_t textsBefore = surface().texts().size();
        const std::size_t circlesBefore = surface().circles().size();

        press(window);

        const auto dots = static_cast<double>(surface().dotCount() - dotsBefore);
        EXPECT_NEAR(dots, static_cast<double>(family.dots), family.dots / 100.0);
        EXPECT_EQ(surface().circles().size() - circlesBefore, family.circles);
        ASSERT_EQ(surface().texts().size() - textsBefore, family.captions.size());
        for (std::size_t i = 0; i < family.captions.size(); ++i) {
            const TextOp& printed = surface().texts()[textsBefore + i];
            EXPECT_EQ(printed.text.toStdString(), family.captions[i].text);
            EXPECT_EQ(printed.at.x, family.captions[i].x);
            EXPECT_EQ(printed.at.y, family.captions[i].y);
        }
        EXPECT_TRUE(messages.empty());
        EXPECT_TRUE(window->isVisible()) << "a plotter stays open after drawing";
    }
}

TEST_F(Plotters, PenColourIsDecidedFromTheComboOnEveryClick)
{
    struct ColourCase {
        const char* combo; // nullptr: left at its initial text
        Rgb colour;
    };
    const ColourCase cases[] = {
        {nullptr, kBlack},
        {"红", kRed},
        {"红 ", kBlack},
        {"青", rgb(0, 255, 255)},
        {"", kBlack},
        {"黄色", kBlack},
    };
    PlotterWindow* window = open("fd3");
    choose(window, 3);
    for (const ColourCase& c : cases) {
        SCOPED_TRACE(c.combo ? c.combo : "(initial)");
        if (c.combo)
            pickColour(window, c.combo);
        const std::size_t opsBefore = surface().ops().size();
        press(window);
        const std::vector<Rgb> colours = dotColoursSince(opsBefore);
        ASSERT_FALSE(colours.empty());
        for (const Rgb colour : colours)
            EXPECT_EQ(colour, c.colour);
        const Op& caption = surface().ops().back();
        EXPECT_EQ(caption.kind, OpKind::Text);
        EXPECT_EQ(caption.colour, kBlue) << "captions are blue whatever the pen";
    }
}

TEST_F(Plotters, CircleTakesThePenColourToo)
{
    PlotterWindow* window = open("fd2");
    choose(window, 5);
    pickColour(window, "绿");
    press(window);
    ASSERT_EQ(surface().circles().size(), 1u);
    const auto circleOp = std::find_if(
        surface().ops().begin(), surface().ops().end(), [](const Op& op) { return op.kind == OpKind::Circle; });
    ASSERT_NE(circleOp, surface().ops().end());
    EXPECT_EQ(circleOp->colour, rgb(0, 255, 0));
    EXPECT_EQ(surface().circles()[0].radius, 3.0f);
}

TEST_F(Plotters, NoSelectedOptionDrawsNothing)
{
    for (const char* entry : {"fd1", "fd2", "fd3"}) {
        SCOPED_TRACE(entry);
        PlotterWindow* window = open(entry);
        pickColour(window, "红");
        const std::size_t opsBefore = surface().ops().size();
        press(window);
        EXPECT_EQ(surface().ops().size(), opsBefore);
        EXPECT_TRUE(messages.empty());
    }
}

struct JunkCase {
    const char* entry;
    int option;
    const char* box;
    const char* junk;
    const char* namedField; // the field the message names, nullptr when the box is not read
};

const JunkCase kJunk[] = {
    {"fd1", 1, "Text2", "abc", "B="},
    {"fd1", 2, "Text3", "", "C="},
    {"fd1", 4, "Text1", "1,5", "A="},
    {"fd1", 3, "Text2", "abc", nullptr}, // y = A/x reads only A
    {"fd1", 8, "Text3", "x", nullptr},
    {"fd2", 1, "Text4", "b", "b="},
    {"fd2", 3, "Text4", "b", nullptr}, // the parabola and the circle never read b
    {"fd2", 5, "Text4", "b", nullptr},
    {"fd2", 5, "Text1", "m", "m="},
    {"fd3", 6, "Text1", "R", "R="},
};

TEST_F(Plotters, NonNumberInABoxTheCurveReadsIsRefusedWithFocusOnThatBox)
{
    for (const JunkCase& c : kJunk) {
        SCOPED_TRACE(std::string(c.entry) + " Option" + std::to_string(c.option) + " " + c.box);
        PlotterWindow* window = open(c.entry);
        QApplication::setActiveWindow(window);
        choose(window, c.option);
        type(window, c.box, c.junk);
        messages.clear();
        const std::size_t opsBefore = surface().ops().size();

        press(window);

        if (!c.namedField) {
            EXPECT_TRUE(messages.empty());
            EXPECT_GT(surface().ops().size(), opsBefore);
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_NE(messages[0].text.indexOf(QString::fromUtf8(c.namedField)), -1) << messages[0].text.toStdString();
            EXPECT_EQ(surface().ops().size(), opsBefore);
            QLineEdit* box = window->controls().text(QString::fromUtf8(c.box));
            EXPECT_EQ(window->focusWidget(), box);
            EXPECT_EQ(box->selectedText(), box->text());
            EXPECT_TRUE(window->isVisible());
        }
        press(window, "Command2");
        unloadClosed();
    }
}

// y = x + 2 in red: the pixels at two of its points are red, the mirror points below are not.
TEST_F(Plotters, LineLandsOnTheBoardWhereItsFormulaSays)
{
    PlotterWindow* window = open("fd1");
    choose(window, 1);
    pickColour(window, "红");
    press(window);
    QApplication::processEvents();
    const QImage image = board->view()->shownImage();
    const QSize pixels = image.size();
    for (const double x : {-5.5, 3.25}) {
        SCOPED_TRACE(x);
        EXPECT_GT(countNear(image, pixelAt(surface(), pixels, x, x + 2), 1, Qt::red), 0);
        EXPECT_EQ(countNear(image, pixelAt(surface(), pixels, x, -(x + 2)), 2, Qt::red), 0);
    }
}

} // namespace
} // namespace curvana::testing
