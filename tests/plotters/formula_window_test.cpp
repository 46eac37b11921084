// The own-formula window opened from the board: keys, each kind on the board, mistakes pointed
// out in their box, pen colour and captions that stand one under the other.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QtTest/QTest>

#include "core/document/board_document.h"
#include "plotters/formula_window.h"
#include "support/pixels.h"
#include "support/formula_window_fixture.h"
#include "support/ui_fixture.h"

namespace curvana::testing {
namespace {

struct FormulaWindowTest : FormulaWindowFixture {
    QWidget* control(const char* name) const { return window->controls().widget(QString::fromUtf8(name)); }
    QLineEdit* box(const char* name) const { return window->controls().text(QString::fromUtf8(name)); }
    void type(const char* name, const char* text) const { box(name)->setText(QString::fromUtf8(text)); }
    void choose(int option) const
    {
        window->controls().option(QStringLiteral("Option%1").arg(option))->setChecked(true);
    }
    void press() const { window->controls().button(QStringLiteral("Command1"))->click(); }

    QImage shown()
    {
        QApplication::processEvents();
        return board->view()->shownImage();
    }
    int inkNear(const QImage& image, double x, double y, QColor colour = Qt::black)
    {
        return countNear(image, pixelAt(surface(), image.size(), x, y), 2, colour);
    }
};

TEST_F(FormulaWindowTest, OpensOnceFromTheMenuWithFocusInTheFormulaBox)
{
    QAction* entry = board->action(QStringLiteral("fdFormula"));
    EXPECT_EQ(entry->text().toStdString(), "自定义函数");
    EXPECT_EQ(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F));
    EXPECT_EQ(open(), window) << "one instance";
    EXPECT_EQ(window->windowTitle().toStdString(), "自定义函数");
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(window->focusWidget(), box("Text1"));
    EXPECT_TRUE(window->controls().option(QStringLiteral("Option1"))->isChecked());
    EXPECT_FALSE(box("Text2")->isVisible());
    EXPECT_EQ(box("Text3")->text().toStdString(), "-10");
    EXPECT_EQ(box("Text4")->text().toStdString(), "10");
    // On the screen, and clear of the board's drawing.
    const QRect drawing(board->view()->mapToGlobal(QPoint(0, 0)), board->view()->size());
    EXPECT_FALSE(window->frameGeometry().intersects(drawing));
    EXPECT_TRUE(window->screen()->availableGeometry().contains(window->geometry()));
    window->controls().button(QStringLiteral("Command2"))->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FormulaWindowTest, TabGoesThroughFormulasColourRangeAndButtons)
{
    const auto tabOrder = [this](std::vector<const char*> names) {
        box("Text1")->setFocus();
        for (const char* name : names) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), control(name)) << name;
        }
    };
    tabOrder({"Combo1", "Text3", "Text4", "Command1", "Command2"});
    choose(2);
    tabOrder({"Text2", "Combo1"});
}

TEST_F(FormulaWindowTest, EnterInTheFormulaBoxDraws)
{
    type("Text1", "x^2");
    const std::size_t before = surface().ops().size();
    QTest::keyClick(box("Text1"), Qt::Key_Return);
    ASSERT_GT(surface().ops().size(), before);
    EXPECT_EQ(surface().ops()[before].kind, OpKind::Polyline);
    EXPECT_GT(surface().ops()[before].count, 100u);
    ASSERT_FALSE(surface().texts().empty());
    EXPECT_EQ(surface().texts().back().text.toStdString(), "y=x^2");
    EXPECT_TRUE(messages.empty());
}

struct KindCase {
    int option;
    const char* first;
    const char* second;
    const char* caption;
    std::vector<WorldPoint> onCurve;
    std::vector<WorldPoint> offCurve;
};

TEST_F(FormulaWindowTest, EachKindDrawsWhereItsFormulaSays)
{
    const KindCase cases[] = {
        {1, "y = x^2/4 - 3", "", "y=x^2/4 - 3", {{0, -3}, {4, 1}, {-6, 6}}, {{0, 3}, {4, -1}}},
        {2, "5cos t", "3sin t", "x=5cos t, y=3sin t", {{5, 0}, {0, 3}, {-5, 0}}, {{3, 5}, {0, 0}}},
        {3, "4sin 2θ", "", "r=4sin 2θ", {{2.83, 2.83}, {-2.83, 2.83}, {2.83, -2.83}}, {{-6, -6}, {0, 6}}},
    };
    for (const KindCase& c : cases) {
        SCOPED_TRACE(c.caption);
        board->clearBoard();
        choose(c.option);
        type("Text1", c.first);
        type("Text2", c.second);
        press();
        ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
        const QImage image = shown();
        for (const WorldPoint p : c.onCurve)
            EXPECT_GT(inkNear(image, p.x, p.y), 0) << p.x << ", " << p.y;
        for (const WorldPoint p : c.offCurve)
            EXPECT_EQ(inkNear(image, p.x, p.y), 0) << p.x << ", " << p.y;
        const TextOp& caption = surface().texts().back();
        EXPECT_EQ(caption.text.toStdString(), c.caption);
        EXPECT_EQ(caption.at.x, -9.8f);
        EXPECT_EQ(caption.at.y, 9.8f) << "the first own formula after a clear";
    }
}

struct MistakeCase {
    int option;
    std::vector<std::pair<const char*, const char*>> texts;
    const char* faultyBox;
    const char* selected;
    const char* inMessage;
};

TEST_F(FormulaWindowTest, AMistakeIsShownAndSelectedInItsBoxAndNothingIsDrawn)
{
    const MistakeCase cases[] = {
        {1, {{"Text1", "2x + sin t"}}, "Text1", "t", "第10个字符"},
        // A character beyond the basic plane takes two UTF-16 units; the selection must take both.
        {1, {{"Text1", "x+😀+1"}}, "Text1", "😀", "第3个字符"},
        {2, {{"Text1", "cos t"}, {"Text2", "sin(t"}}, "Text2", "(", "“y =”框"},
        {1, {{"Text1", "x"}, {"Text3", "5"}, {"Text4", "1"}}, "Text3", "5", "“x 从”框里的数要小于“到”框"},
        {3, {{"Text1", ""}}, "Text1", "", "“r =”框"},
    };
    for (const MistakeCase& c : cases) {
        SCOPED_TRACE(c.texts.front().second);
        choose(c.option);
        for (const auto& [name, text] : c.texts)
            type(name, text);
        messages.clear();
        const std::size_t opsBefore = surface().ops().size();
        control("Command1")->setFocus();
        press();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title.toStdString(), "自定义函数");
        EXPECT_NE(messages[0].text.indexOf(QString::fromUtf8(c.inMessage)), -1) << messages[0].text.toStdString();
        EXPECT_EQ(surface().ops().size(), opsBefore);
        EXPECT_EQ(window->focusWidget(), box(c.faultyBox));
        EXPECT_EQ(box(c.faultyBox)->selectedText().toStdString(), c.selected);
        type("Text3", "-10");
        type("Text4", "10");
    }
}

TEST_F(FormulaWindowTest, PenColourFollowsTheComboWithTheSameNamesAsThePlotters)
{
    // The caption is written in the curve's colour, in blue when no colour of the list is chosen.
    const struct {
        const char* name;
        QColor colour;
        Rgb caption;
    } cases[] = {{"红", Qt::red, kRed}, {"青", Qt::cyan, rgb(0, 255, 255)}, {"黄色", Qt::black, kBlue}};
    type("Text1", "x");
    for (const auto& [name, colour, captionColour] : cases) {
        SCOPED_TRACE(name);
        board->clearBoard();
        window->controls().combo(QStringLiteral("Combo1"))->setEditText(QString::fromUtf8(name));
        press();
        const QImage image = shown();
        EXPECT_GT(inkNear(image, 3, 3, colour), 0);
        EXPECT_EQ(surface().ops().back().colour, captionColour);
    }
}

TEST_F(FormulaWindowTest, CaptionsStandOneLineUnderTheOtherUntilTheBoardIsCleared)
{
    // The core's line matches the board font's line at the design size.
    EXPECT_NEAR(kCaptionLineUnits * kDesignPixelsPerUnitY, Surface::lineHeightPixels(), 0.01);
    for (const char* formula : {"x", "2x", "3x"}) {
        type("Text1", formula);
        press();
    }
    std::vector<float> tops;
    for (const TextOp& text : surface().texts())
        if (text.at.x == -9.8f)
            tops.push_back(text.at.y);
    ASSERT_EQ(tops.size(), 3u);
    const double linePixels = Surface::lineHeightPixels();
    for (std::size_t i = 1; i < tops.size(); ++i)
        EXPECT_GE((tops[i - 1] - tops[i]) * kDesignPixelsPerUnitY, linePixels - 0.01) << "captions must not overlap";
    board->undo();
    EXPECT_EQ(board->formulaCaptionLine(), 2);
    board->clearBoard();
    EXPECT_EQ(board->formulaCaptionLine(), 0);
    board->undo();
    EXPECT_EQ(board->formulaCaptionLine(), 2) << "undoing the clear brings the captions back";
}

TEST_F(FormulaWindowTest, SwitchingKindRelabelsAndResetsOnlyAnUntouchedRange)
{
    const auto label
        = [this](const char* name) { return window->controls().label(QString::fromUtf8(name))->text().toStdString(); };
    choose(2);
    EXPECT_EQ(label("Label1"), "x =");
    EXPECT_EQ(label("Label3"), "t 从");
    EXPECT_TRUE(box("Text2")->isVisible());
    EXPECT_EQ(box("Text3")->text().toStdString(), defaultFormulaRange(FormulaKind::Parametric).from);
    EXPECT_EQ(box("Text4")->text().toStdString(), defaultFormulaRange(FormulaKind::Parametric).to);
    type("Text4", "π");
    choose(3);
    EXPECT_EQ(label("Label1"), "r =");
    EXPECT_EQ(label("Label3"), "θ 从");
    EXPECT_FALSE(box("Text2")->isVisible());
    EXPECT_EQ(box("Text4")->text().toStdString(), "π") << "the user's range stays";
}

} // namespace
} // namespace curvana::testing

namespace curvana::testing {
namespace {

struct TypedKindCase {
    const char* text;
    int option; // the kind the window shows after 确定
    FormulaKind kind;
    WorldPoint inked;
};

// A pupil types what the book says into y = f(x): equations and inequalities are drawn as such,
// a 分段函数 stays a function; each is one step that undo takes back.
TEST_F(FormulaWindowTest, EquationsAndInequalitiesTypedAsFunctionsSwitchTheKind)
{
    const TypedKindCase cases[] = {
        {"x²+y²=4", 4, FormulaKind::Equation, {0, 2}},
        {"x=2", 4, FormulaKind::Equation, {2, -5}},
        {"y>x²，y<4", 5, FormulaKind::Inequality, {1.5, 2.25}},
        {"−x (x<0)；x² (x≥0)", 1, FormulaKind::Function, {-3, 3}},
    };
    for (const TypedKindCase& c : cases) {
        SCOPED_TRACE(c.text);
        board->clearBoard();
        choose(1);
        type("Text1", c.text);
        const int before = board->formulaCaptionLine();
        press();
        ASSERT_TRUE(messages.empty()) << messages.front().text.toStdString();
        EXPECT_TRUE(window->controls().option(QStringLiteral("Option%1").arg(c.option))->isChecked());
        EXPECT_EQ(window->kind(), c.kind);
        EXPECT_GT(inkNear(shown(), c.inked.x, c.inked.y), 0);
        EXPECT_EQ(board->formulaCaptionLine(), before + 1);
        board->undo();
        EXPECT_EQ(board->formulaCaptionLine(), before);
        EXPECT_EQ(inkNear(shown(), c.inked.x, c.inked.y), 0) << "undone";
    }
}

} // namespace
} // namespace curvana::testing
