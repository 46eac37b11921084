#pragma once
// A board on which every kind of action is done the way a user does it: the plotters' and figure
// dialogs' "确定", freehand strokes with the mouse, "清除", "撤销" and "重做"; and the display list
// compared entry for entry, so a replay that differs in one dot is seen.
#include <QTemporaryDir>
#include <algorithm>
#include <QtTest/QTest>

#include "figures/figure_dialog.h"
#include "plotters/plotter_fixture.h"

namespace curvana::testing {

// The whole display list, copied so it can be compared after the board changed.
struct ListCopy {
    std::vector<Op> ops;
    std::vector<FloatPoint> points;
    std::vector<CircleOp> circles;
    std::vector<TextOp> texts;

    explicit ListCopy(const Surface& s)
        : ops(s.ops())
        , points(s.points())
        , circles(s.circles())
        , texts(s.texts())
    {
    }
};

inline void expectSameList(const ListCopy& want, const Surface& got)
{
    ASSERT_EQ(got.ops().size(), want.ops.size());
    for (std::size_t i = 0; i < want.ops.size(); ++i) {
        const Op& a = want.ops[i];
        const Op& b = got.ops()[i];
        ASSERT_TRUE(a.kind == b.kind && a.width == b.width && a.colour == b.colour && a.first == b.first
            && a.count == b.count && a.style == b.style)
            << "entry " << i;
    }
    ASSERT_EQ(got.points().size(), want.points.size());
    for (std::size_t i = 0; i < want.points.size(); ++i)
        ASSERT_TRUE(want.points[i].x == got.points()[i].x && want.points[i].y == got.points()[i].y) << "dot " << i;
    ASSERT_EQ(got.circles().size(), want.circles.size());
    for (std::size_t i = 0; i < want.circles.size(); ++i) {
        const CircleOp& a = want.circles[i];
        const CircleOp& b = got.circles()[i];
        ASSERT_TRUE(a.centre.x == b.centre.x && a.centre.y == b.centre.y && a.radius == b.radius && a.start == b.start
            && a.end == b.end && a.aspect == b.aspect)
            << "circle " << i;
    }
    ASSERT_EQ(got.texts().size(), want.texts.size());
    for (std::size_t i = 0; i < want.texts.size(); ++i) {
        const TextOp& a = want.texts[i];
        const TextOp& b = got.texts()[i];
        ASSERT_TRUE(a.at.x == b.at.x && a.at.y == b.at.y && a.text == b.text && a.anchor == b.anchor) << "text " << i;
    }
}

struct RecordingFixture : PlotterFixture {
    QTemporaryDir dir;
    QString& openPath = services.openPath; // what the open dialog answers

    void curves(const char* entry, std::initializer_list<int> options, const char* colour)
    {
        PlotterWindow* window = open(entry);
        for (int option : options) {
            choose(window, option);
            pickColour(window, colour);
            press(window);
        }
    }

    void figure(const char* entry, const char* colour)
    {
        board->action(QString::fromUtf8(entry))->trigger();
        auto* dialog = qobject_cast<FigureDialog*>(board->windows().find(QString::fromUtf8(entry)));
        dialog->controls().combo(QStringLiteral("Combo1"))->setEditText(QString::fromUtf8(colour));
        QPushButton* ok = dialog->controls().button(QStringLiteral("OKButton"));
        (ok ? ok : dialog->controls().button(QStringLiteral("Command1")))->click();
        unloadClosed();
    }

    // An own formula typed into its window: option "Option1" y = f(x), "Option2" parametric,
    // "Option3" polar.
    void formula(const char* kind, const char* first, const char* second, const char* colour)
    {
        board->action(QStringLiteral("fdFormula"))->trigger();
        auto* window = qobject_cast<DrawingWindow*>(board->windows().find(QStringLiteral("fdFormula")));
        window->controls().option(QString::fromUtf8(kind))->click();
        window->controls().text(QStringLiteral("Text1"))->setText(QString::fromUtf8(first));
        window->controls().text(QStringLiteral("Text2"))->setText(QString::fromUtf8(second));
        window->controls().combo(QStringLiteral("Combo1"))->setEditText(QString::fromUtf8(colour));
        window->controls().button(QStringLiteral("Command1"))->click();
    }

    // A text written on the board with the text dialog.
    void label(const char* x, const char* y, const char* text, const char* colour)
    {
        board->action(QStringLiteral("mmText"))->trigger();
        auto* dialog = qobject_cast<DrawingWindow*>(board->windows().find(QStringLiteral("mmText")));
        dialog->controls().text(QStringLiteral("Text1"))->setText(QString::fromUtf8(x));
        dialog->controls().text(QStringLiteral("Text2"))->setText(QString::fromUtf8(y));
        dialog->controls().text(QStringLiteral("Text3"))->setText(QString::fromUtf8(text));
        dialog->controls().combo(QStringLiteral("Combo1"))->setEditText(QString::fromUtf8(colour));
        dialog->controls().button(QStringLiteral("OKButton"))->click();
        unloadClosed();
    }

    // A stroke along y = `row` pixels that changes colour part-way.
    void stroke(int row, const char* firstColour, const char* secondColour)
    {
        board->penColourChoice()->setEditText(QString::fromUtf8(firstColour));
        QTest::mousePress(board->view(), Qt::LeftButton, {}, QPoint(60, row));
        for (int x = 61; x < 90; ++x) {
            if (x == 75)
                board->penColourChoice()->setEditText(QString::fromUtf8(secondColour));
            QTest::mouseMove(board->view(), QPoint(x, row + (x % 3)));
        }
        QTest::mouseRelease(board->view(), Qt::LeftButton, {}, QPoint(90, row));
    }

    // Every curve window's options, every figure, strokes, clears, undos and a redo.
    void drawEveryKind()
    {
        curves("fd1", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, "红");
        stroke(40, "蓝", "擦皮");
        curves("fd2", {1, 2, 3, 5}, "绿");
        board->clearBoard();
        curves("fd3", {1, 2, 3, 4, 5, 6}, "不是颜色");
        for (const char* entry : {"jk8", "jk7", "jk6", "jk5", "jk4", "jk3", "lk2", "jk1"})
            figure(entry, "青");
        stroke(200, "黄", "黑");
        board->undo();
        board->undo();
        board->redo();
        board->clearBoard();
        board->undo();
        curves("fd1", {2}, "蓝");
        formula("Option1", "x³−3x", "", "红");
        formula("Option2", "3cos t", "2sin t", "绿");
        formula("Option3", "4sin 2θ", "", "蓝");
        label("-3", "4", "顶点A", "红");
        label("1", "-2", "B", "不是颜色");
        board->undo();
        board->redo();
        const auto& actions = board->document().actions();
        const auto count = [&](auto kind) {
            return std::count_if(actions.begin(), actions.end(),
                [](const BoardAction& a) { return std::holds_alternative<decltype(kind)>(a); });
        };
        EXPECT_EQ(count(FormulaAction{}), 3) << "every kind of own formula is on the board";
        EXPECT_EQ(count(LabelAction{}), 2);
        messages.clear(); // some options refuse the boxes they start with: nothing is drawn
    }

    bool inStep() const { return board->surface().objectCount() == board->document().actions().size(); }
};

} // namespace curvana::testing
