// The eight figure dialogs as windows: menu entries, look, focus, tab order, opening and unloading.
#include <QMenu>
#include <QMenuBar>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "core/document/board_document.h"
#include "figures/figure_fixture.h"

namespace curvana {
namespace {

using testing::FigureFixture;

struct DialogCase {
    const char* entry;
    FigureKind figure;
    QSize clientTwips;
    std::vector<const char*> tabChain; // the controls that take focus, in tab order
    std::vector<const char*> initialTexts;
    int pointRows; // each between a pair of brackets
};

const DialogCase kDialogCases[] = {
    {"jk8", FigureKind::Point, {2550, 2370}, {"OKButton", "Text1", "Text2", "CancelButton", "Combo1"}, {"0", "0"}, 1},
    {"jk7", FigureKind::Line, {2370, 2640}, {"Text1", "Text2", "Text3", "Text4", "Command1", "Command2", "Combo1"},
        {"0", "0", "1", "1"}, 2},
    {"jk4", FigureKind::Rectangle, {2580, 2670}, {"Text1", "Text2", "Text3", "Text4", "Command1", "Command2", "Combo1"},
        {"0", "0", "1", "1"}, 2},
    {"jk1", FigureKind::Ellipse, {2415, 3015}, {"Text1", "Text2", "Text3", "Text4", "Command1", "Command2", "Combo1"},
        {"0", "0", "4", "2"}, 1},
    {"lk2", FigureKind::Sector, {2535, 3120}, {"Text1", "Text2", "Text3", "Text4", "Command1", "Command2", "Combo1"},
        {"0", "0", "2", "60"}, 1},
    {"jk6", FigureKind::Triangle, {2370, 3225},
        {"Text1", "Text2", "Text3", "Text4", "Command1", "Command2", "Text5", "Text6", "Combo1"},
        {"0", "0", "2", "3", "5", "5"}, 3},
    {"jk5", FigureKind::Parallelogram, {2535, 2880},
        {"Text1", "Text2", "Text3", "Text4", "Command1", "Command2", "Text5", "Text6", "Combo1"},
        {"0", "0", "2", "2", "4", "-3"}, 3},
    {"jk3", FigureKind::Arc, {2535, 3045},
        {"Text1", "Text2", "Text3", "Text4", "Command1", "Command2", "Text5", "Combo1"}, {"0", "0", "2", "60", "90"},
        1},
};

// The controls Tab visits, starting where the focus starts, once round.
std::vector<QString> tabChainOf(FigureDialog* dialog)
{
    std::vector<QString> chain;
    QWidget* start = dialog->focusWidget();
    QWidget* w = start;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && dialog->controls().widget(w->objectName()) == w)
            chain.push_back(w->objectName());
        w = w->nextInFocusChain();
    } while (w && w != start);
    return chain;
}

std::vector<QString> qstrings(const std::vector<const char*>& texts)
{
    std::vector<QString> out;
    for (const char* t : texts)
        out.push_back(QString::fromUtf8(t));
    return out;
}

using FigureDialogWindow = FigureFixture;

TEST_F(FigureDialogWindow, MenuListsTheEightFiguresTheTextAndTheNamedPointWithTheirKeys)
{
    QMenu* menu = nullptr;
    for (QAction* top : board->menuBar()->actions())
        if (top->text() == QStringLiteral("画基本图象"))
            menu = top->menu();
    ASSERT_NE(menu, nullptr);
    const std::vector<std::tuple<QString, QString, QKeySequence>> expected = {
        {"jk8", "点", QKeySequence("Ctrl+D")},
        {"jk7", "直线", QKeySequence("Ctrl+S")},
        {"jk6", "三角形", QKeySequence("Ctrl+C")},
        {"jk5", "平行四边形", QKeySequence("Ctrl+E")},
        {"jk4", "矩形", QKeySequence("Ctrl+H")},
        {"jk3", "弧", QKeySequence("Ctrl+J")},
        {"lk2", "扇形", QKeySequence("Ctrl+V")},
        {"jk1", "椭圆", QKeySequence("Ctrl+Q")},
        {"mmText", "文字", QKeySequence("Ctrl+L")},
        {"mmNamedPoint", "命名点", QKeySequence("Ctrl+G")},
    };
    std::vector<std::tuple<QString, QString, QKeySequence>> actual;
    for (QAction* action : menu->actions())
        actual.emplace_back(action->objectName(), action->text(), action->shortcut());
    EXPECT_EQ(actual, expected);
}

TEST_F(FigureDialogWindow, EachOpensAsAFixedDialogBesideTheBoard)
{
    for (const DialogCase& c : kDialogCases) {
        SCOPED_TRACE(c.entry);
        FigureDialog* dialog = open(c.entry);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->kind(), c.figure);
        EXPECT_EQ(dialog->objectName(), QString::fromUtf8(figureDialogEntry(c.figure).designName));
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8(figureDialogEntry(c.figure).caption));
        // One box per text the saved board holds for this figure.
        EXPECT_EQ(static_cast<std::size_t>(std::ranges::count_if(dialog->findChildren<QLineEdit*>(),
                      [](const QLineEdit* box) { return box->objectName().startsWith(QStringLiteral("Text")); })),
            boxCount(c.figure));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->windowModality(), Qt::NonModal);
        EXPECT_EQ(dialog->windowType(), Qt::Dialog);
        EXPECT_EQ(dialog->parentWidget(), board.data()); // kept out of the taskbar
        const Qt::WindowFlags flags = dialog->windowFlags();
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        const QSize client(twipsToPixels(c.clientTwips.width()), twipsToPixels(c.clientTwips.height()));
        EXPECT_EQ(dialog->size(), client);
        EXPECT_EQ(dialog->minimumSize(), client);
        EXPECT_EQ(dialog->maximumSize(), client);
        EXPECT_EQ(dialog->geometry().topLeft(), QPoint(twipsToPixels(9045), twipsToPixels(330)));
        EXPECT_EQ(dialog->focusWidget(), dialog->controls().widget(QString::fromUtf8(c.tabChain.front())));
        EXPECT_EQ(tabChainOf(dialog), qstrings(c.tabChain));
        EXPECT_EQ(dialog->fieldTexts(), std::vector<std::string>(c.initialTexts.begin(), c.initialTexts.end()));
        const QComboBox* combo = dialog->controls().combo(QStringLiteral("Combo1"));
        EXPECT_EQ(combo->currentText(), QStringLiteral("请选择颜色"));
        EXPECT_TRUE(combo->isEditable());
        EXPECT_EQ(combo->count(), 6);
        EXPECT_EQ(combo->itemText(0), QStringLiteral("红"));
        EXPECT_EQ(combo->itemText(5), QStringLiteral("青"));
        // Closed before the next opens at the same place, which would move it on by a title bar.
        dialog->close();
        QApplication::processEvents();
    }
}

TEST_F(FigureDialogWindow, OnlyTheBracketsAreLargeAndBold)
{
    for (const DialogCase& c : kDialogCases) {
        SCOPED_TRACE(c.entry);
        FigureDialog* dialog = open(c.entry);
        int brackets = 0;
        for (QLabel* label : dialog->findChildren<QLabel*>()) {
            const bool bracket = label->text() == QStringLiteral("（") || label->text() == QStringLiteral("）");
            brackets += bracket;
            EXPECT_EQ(label->font().bold(), bracket) << label->objectName().toStdString();
            EXPECT_EQ(label->font().pointSizeF() == 15, bracket) << label->objectName().toStdString();
            // The brackets are in the designs' Song face, the other labels in the window's.
            EXPECT_EQ(label->font().family(), bracket ? QStringLiteral("AR PL UMing CN") : dialog->font().family());
        }
        EXPECT_EQ(brackets, 2 * c.pointRows);
    }
}

TEST_F(FigureDialogWindow, ChoosingTheEntryAgainBringsTheSameDialogForward)
{
    FigureDialog* first = open("jk7");
    type(first, "Text3", "7");
    FigureDialog* second = open("jk7");
    EXPECT_EQ(first, second);
    EXPECT_EQ(second->controls().text(QStringLiteral("Text3"))->text(), QStringLiteral("7"));
    // Another dialog opens beside it.
    EXPECT_NE(open("jk8"), nullptr);
    EXPECT_TRUE(first->isVisible());
}

TEST_F(FigureDialogWindow, EveryWayOfClosingUnloadsAndReopensWithInitialTexts)
{
    const std::function<void(FigureDialog*)> ways[] = {pressOk, pressCancel, [](FigureDialog* d) { d->close(); }};
    for (const DialogCase& c : kDialogCases) {
        for (const auto& closeIt : ways) {
            SCOPED_TRACE(c.entry);
            FigureDialog* dialog = open(c.entry);
            type(dialog, "Text1", "3");
            pickColour(dialog, "红");
            QPointer<FigureDialog> watch(dialog);
            closeIt(dialog);
            unloadClosed();
            EXPECT_TRUE(watch.isNull());
            FigureDialog* again = open(c.entry);
            EXPECT_EQ(again->fieldTexts(), std::vector<std::string>(c.initialTexts.begin(), c.initialTexts.end()));
            EXPECT_EQ(again->controls().combo(QStringLiteral("Combo1"))->currentText(), QStringLiteral("请选择颜色"));
            again->close();
            unloadClosed();
        }
    }
}

} // namespace
} // namespace curvana
