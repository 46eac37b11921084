// The three plotter windows as the board's menu opens them: layout, one instance, unloading.
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <set>

#include "core/document/board_document.h"

#include "plotter_fixture.h"

namespace curvana::testing {
namespace {

using PlotterWindows = PlotterFixture;

struct WindowCase {
    const char* entry;
    const char* menuCaption;
    QKeySequence shortcut;
    CurveWindow window;
    // On the screen: as designed, but moved left to keep the conic window with its 2-pixel frame
    // on the offscreen test screen, 800 pixels wide (designed at x = 604).
    QRect clientPixels;
    const char* firstFocus;
    const char* closeCaption;
    std::vector<std::pair<const char*, const char*>> initialTexts;
};

const char* designName(const WindowCase& c) { return curveWindowEntry(c.window).design.designName; }

const std::vector<WindowCase> kWindows = {
    {"fd1", "初等函数", QKeySequence(Qt::CTRL | Qt::Key_Insert), CurveWindow::Elementary, QRect(4, 23, 130, 483),
        "Command1", "返回", {{"Text1", "1"}, {"Text2", "+2"}, {"Text3", "+0"}}},
    {"fd2", "圆锥曲线", QKeySequence(Qt::SHIFT | Qt::Key_Insert), CurveWindow::Conic, QRect(597, 263, 201, 259),
        "Option1", "返回", {{"Text1", "1"}, {"Text2", "1"}, {"Text3", "3"}, {"Text4", "2"}}},
    {"fd3", "高等数学函数", QKeySequence(Qt::CTRL | Qt::Key_K), CurveWindow::Classic, QRect(604, 23, 190, 385),
        "Command1", "取消", {{"Text1", "1"}}},
};

// The window's boxes and option buttons are the catalogue's, no more and no fewer: a saved board
// holds one text per box and the number of its option.
void expectCatalogueControls(PlotterWindow* window, CurveWindow curveWindow)
{
    std::set<QString> boxes;
    for (const QLineEdit* box : window->findChildren<QLineEdit*>())
        if (box->objectName().startsWith(QStringLiteral("Text")))
            boxes.insert(box->objectName());
    EXPECT_EQ(boxes.size(), boxCount(curveWindow));
    std::set<QString> options;
    for (const QRadioButton* option : window->findChildren<QRadioButton*>())
        options.insert(option->objectName());
    std::set<QString> catalogued;
    for (const CurveOption& option : curveWindowEntry(curveWindow).options)
        catalogued.insert(QStringLiteral("Option%1").arg(option.number));
    EXPECT_EQ(options, catalogued);
}

void expectInitialContents(PlotterWindow* window, const WindowCase& c)
{
    for (const auto& [box, text] : c.initialTexts)
        EXPECT_EQ(window->controls().text(QString::fromUtf8(box))->text().toStdString(), text) << box;
    EXPECT_EQ(window->controls().combo(QStringLiteral("Combo1"))->currentText().toStdString(), "请选择颜色");
    EXPECT_EQ(window->selectedOption(), 0);
}

TEST_F(PlotterWindows, OpenFromTheBoardMenuWithTheirCaptionsPlacesAndInitialContents)
{
    for (const WindowCase& c : kWindows) {
        SCOPED_TRACE(designName(c));
        QAction* action = board->action(QString::fromUtf8(c.entry));
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text().toStdString(), c.menuCaption);
        EXPECT_EQ(action->shortcut(), c.shortcut);
        PlotterWindow* window = open(c.entry);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->objectName().toStdString(), designName(c));
        EXPECT_EQ(window->windowTitle().toStdString(), curveWindowEntry(c.window).design.caption);
        expectCatalogueControls(window, c.window);
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->isModal());
        EXPECT_EQ(window->geometry(), c.clientPixels);
        EXPECT_EQ(window->focusWidget(), window->controls().widget(QString::fromUtf8(c.firstFocus)));
        EXPECT_EQ(window->controls().button(QStringLiteral("Command2"))->text().toStdString(), c.closeCaption);
        expectInitialContents(window, c);
    }
}

TEST_F(PlotterWindows, OpeningTwiceGivesOneWindow)
{
    for (const WindowCase& c : kWindows) {
        SCOPED_TRACE(designName(c));
        PlotterWindow* first = open(c.entry);
        PlotterWindow* second = open(c.entry);
        EXPECT_EQ(first, second);
        int named = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            named += w->objectName() == QString::fromUtf8(designName(c)) ? 1 : 0;
        EXPECT_EQ(named, 1);
    }
}

TEST_F(PlotterWindows, ClosingUnloadsAndTheNextOpeningShowsTheInitialContents)
{
    for (const WindowCase& c : kWindows) {
        for (const bool titleBar : {false, true}) {
            SCOPED_TRACE(std::string(designName(c)) + (titleBar ? " title bar" : " button"));
            QPointer<PlotterWindow> window = open(c.entry);
            choose(window, 1);
            type(window, "Text1", "7");
            pickColour(window, "红");
            if (titleBar)
                window->close();
            else
                press(window, "Command2");
            unloadClosed();
            EXPECT_TRUE(window.isNull());
            PlotterWindow* reopened = open(c.entry);
            ASSERT_NE(reopened, nullptr);
            expectInitialContents(reopened, c);
            reopened->close();
            unloadClosed();
        }
    }
}

// A frame's caption font and colour stay on its caption; the option buttons inside keep the
// window's own look (default colour and weight unless their row gives one).
TEST_F(PlotterWindows, FrameCaptionLookDoesNotSpreadToTheControlsInside)
{
    PlotterWindow* window = open("fd3");
    const auto* frame = qobject_cast<QGroupBox*>(window->controls().widget(QStringLiteral("Frame1")));
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->font().bold());
    EXPECT_EQ(frame->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    const QRadioButton* involute = window->controls().option(QStringLiteral("Option1"));
    EXPECT_FALSE(involute->font().bold());
    EXPECT_EQ(involute->font().pointSizeF(), window->font().pointSizeF());
    EXPECT_EQ(involute->palette().color(QPalette::WindowText), window->palette().color(QPalette::WindowText));
    EXPECT_EQ(window->controls().option(QStringLiteral("Option2"))->palette().color(QPalette::WindowText),
        QColor(64, 64, 64));
    const QLabel* r = window->controls().label(QStringLiteral("Label1"));
    EXPECT_TRUE(r->font().bold());
    EXPECT_EQ(r->font().pointSizeF(), 21.75);
}

// Option buttons do not wrap by themselves: a tall one has its caption broken into lines that
// fit beside the indicator, a one-line one keeps its caption as it is.
TEST_F(PlotterWindows, TallOptionCaptionsAreBrokenIntoLinesThatFit)
{
    PlotterWindow* classic = open("fd3");
    const QRadioButton* involute = classic->controls().option(QStringLiteral("Option1"));
    const QStringList lines = involute->text().split(u'\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0].toStdString(), "圆的渐开线");
    const QFontMetrics metrics(involute->font());
    for (const QString& line : lines)
        EXPECT_LT(metrics.horizontalAdvance(line), involute->width()) << line.toStdString();
    EXPECT_EQ(lines.join(QString()).remove(u' '), QStringLiteral("圆的渐开线x=R(cosθ+θ*sinθ)y=R(sinθ-θ*cosθ"));

    // A break falls between the Chinese name and the formula rather than inside the formula.
    const QStringList astroid = classic->controls().option(QStringLiteral("Option5"))->text().split(u'\n');
    EXPECT_EQ(astroid.value(0).toStdString(), "四尖点星形线");
    EXPECT_EQ(astroid.value(1).toStdString(), "x=R(cosa)^3");

    PlotterWindow* elementary = open("fd1");
    EXPECT_EQ(elementary->controls().option(QStringLiteral("Option1"))->text().toStdString(), "y=Ax+B");
}

TEST_F(PlotterWindows, EveryOptionCaptionIsShownWhole)
{
    for (const WindowCase& c : kWindows) {
        PlotterWindow* window = open(c.entry);
        for (const QRadioButton* option : window->findChildren<QRadioButton*>()) {
            SCOPED_TRACE(std::string(designName(c)) + " " + option->objectName().toStdString());
            EXPECT_LE(option->sizeHint().width(), option->width());
            EXPECT_LE(QFontMetrics(option->font()).size(0, option->text()).height(), option->height());
            EXPECT_LE(option->geometry().right(), option->parentWidget()->width());
        }
        for (const QLabel* label : window->findChildren<QLabel*>()) {
            SCOPED_TRACE(std::string(designName(c)) + " " + label->objectName().toStdString());
            EXPECT_LE(label->sizeHint().height(), label->height());
        }
    }
}

TEST_F(PlotterWindows, OptionsInAFrameExcludeEachOther)
{
    PlotterWindow* window = open("fd2");
    choose(window, 1);
    choose(window, 5);
    EXPECT_EQ(window->selectedOption(), 5);
    EXPECT_FALSE(window->controls().option(QStringLiteral("Option1"))->isChecked());
}

} // namespace
} // namespace curvana::testing
