// What the table kit gives every window: combos that take text as typed, buttons that Enter
// presses, the Song face for sized captions, and placement that keeps each window on its screen.
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "app/welcome_window.h"
#include "figures/figure_fixture.h"
#include "forms/form_table.h"
#include "plotters/plotter_window.h"
#include "support/typing.h"

namespace curvana {
namespace {

struct PlacementRow {
    QRect design;
    QRect placed;
};

TEST(WindowPlacement, AWindowMovesJustEnoughToLieInsideTheAvailableArea)
{
    const QRect available(0, 30, 910, 482); // 1366×768 at scale 1.5 under a 30-pixel panel
    const PlacementRow rows[] = {
        {{100, 100, 200, 200}, {100, 100, 200, 200}}, // inside: kept
        {{0, 30, 910, 482}, {0, 30, 910, 482}}, // exactly the area
        {{800, 100, 200, 200}, {710, 100, 200, 200}}, // past the right edge
        {{100, 400, 200, 200}, {100, 312, 200, 200}}, // past the bottom
        {{-50, 0, 200, 200}, {0, 30, 200, 200}}, // above and left of the area
        {{800, 400, 200, 200}, {710, 312, 200, 200}}, // past both
        {{100, 23, 444, 520}, {100, 30, 444, 520}}, // taller than the area: its top edge shows
        {{300, 100, 1000, 100}, {0, 100, 1000, 100}}, // wider than the area: its left edge shows
    };
    for (const PlacementRow& row : rows)
        EXPECT_EQ(placedWithin(row.design, available), row.placed) << row.design.x() << "," << row.design.y();
}

TEST(WindowPlacement, AWindowWhosePlaceIsTakenCascadesByATitleBar)
{
    const QRect available(0, 0, 1366, 740);
    const struct {
        QRect design;
        std::vector<QPoint> taken;
        QPoint placed;
        const char* what;
    } rows[] = {
        {{600, 100, 300, 300}, {{100, 100}}, {600, 100}, "free: the designed place"},
        {{600, 100, 300, 300}, {{600, 340}}, {600, 100}, "overlapping lower down: still free"},
        {{600, 100, 300, 300}, {{600, 100}}, {625, 125}, "taken: one title bar down and right"},
        {{600, 100, 300, 300}, {{610, 90}, {625, 125}}, {650, 150}, "that one taken too: two"},
        {{1200, 600, 300, 240}, {{1066, 500}}, {1041, 475}, "pushed into the corner: up and left"},
        {{1200, 600, 300, 240}, {{1066, 500}, {1041, 475}}, {1016, 450}, "and on"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(cascadedPlace(row.design, row.taken, 25, available), QRect(row.placed, row.design.size()));
    }
}

using WindowKit = testing::FigureFixture;

// Every window the board opens, from its menu entries.
std::vector<QWidget*> openEveryWindow(BoardWindow& board)
{
    std::vector<QWidget*> windows;
    for (const char* entry : {"fd1", "fd2", "fd3", "jk8", "jk7", "jk6", "jk5", "jk4", "jk3", "lk2", "jk1"}) {
        board.action(QString::fromUtf8(entry))->trigger();
        windows.push_back(board.windows().find(QString::fromUtf8(entry)));
    }
    return windows;
}

TEST_F(WindowKit, EveryComboKeepsAPartOfANameAsTyped)
{
    std::vector<QWidget*> windows = openEveryWindow(*board);
    windows.push_back(board);
    for (QWidget* window : windows) {
        for (QComboBox* combo : window->findChildren<QComboBox*>()) {
            SCOPED_TRACE(window->objectName().toStdString() + "." + combo->objectName().toStdString());
            ASSERT_GT(combo->count(), 0);
            const QString first = combo->itemText(combo->count() - 1).left(1);
            testing::typeIntoCombo(combo, first);
            EXPECT_EQ(combo->currentText(), first);
        }
    }
}

TEST_F(WindowKit, EnterAndReturnPressAFocusedButtonInEveryWindow)
{
    std::vector<QWidget*> windows = openEveryWindow(*board);
    windows.push_back(board);
    for (QWidget* window : windows) {
        for (QPushButton* button : window->findChildren<QPushButton*>()) {
            SCOPED_TRACE(window->objectName().toStdString() + "." + button->objectName().toStdString());
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
                // Pressing must not close the window or draw: the click is only counted.
                button->disconnect(SIGNAL(clicked(bool)));
                QSignalSpy clicks(button, &QPushButton::clicked);
                button->setFocus();
                QTest::keyClick(button, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
                EXPECT_EQ(clicks.count(), 1);
            }
        }
    }
}

TEST_F(WindowKit, EnterInAFigureDialogsBoxStillLeavesTheDialogOpenAndDrawsNothing)
{
    FigureDialog* dialog = open("jk7");
    const auto ops = surface().ops().size();
    QLineEdit* box = dialog->controls().text("Text1");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
    QApplication::processEvents();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(surface().ops().size(), ops);
}

struct FaceRow {
    const char* entry; // nullptr: the welcome window
    const char* control;
    bool song;
};

TEST_F(WindowKit, SizedCaptionsAreInTheSongFaceAndTheOthersKeepTheUiFace)
{
    const FaceRow rows[] = {
        {nullptr, "Label1", true},
        {nullptr, "Label3", true},
        {nullptr, "Label7", true},
        {nullptr, "Label2", false},
        {nullptr, "Label5", false},
        {"fd1", "Label1", true},
        {"fd2", "Label1", true},
        {"fd2", "Label2", true},
        {"fd2", "Text1", false},
        {"fd3", "Label1", true},
        {"fd3", "Frame1", true},
        {"fd3", "Option1", false},
        {"jk8", "Label2", true},
        {"jk8", "Label3", true},
        {"jk8", "Label1", false},
    };
    QPointer<WelcomeWindow> welcome = new WelcomeWindow(services);
    for (const FaceRow& row : rows) {
        SCOPED_TRACE(std::string(row.entry ? row.entry : "welcome") + "." + row.control);
        QWidget* window = welcome;
        if (row.entry) {
            board->action(QString::fromUtf8(row.entry))->trigger();
            window = board->windows().find(QString::fromUtf8(row.entry));
        }
        const auto* control = window->findChild<QWidget*>(QString::fromUtf8(row.control));
        ASSERT_NE(control, nullptr);
        const QString face = QFontInfo(control->font()).family();
        EXPECT_EQ(face.startsWith(QStringLiteral("AR PL UMing")), row.song) << face.toStdString();
        if (row.song) {
            EXPECT_EQ(control->font().families().value(1), QStringLiteral("WenQuanYi Micro Hei"));
        }
    }
    delete welcome.data();
}

TEST_F(WindowKit, PlottersAndDialogsStayInFrontOfTheBoardAndOnTheScreen)
{
    const QRect available = board->screen()->availableGeometry();
    EXPECT_TRUE(available.contains(board->frameGeometry())) << "the board";
    const std::vector<QWidget*> windows = openEveryWindow(*board);
    QApplication::processEvents(); // the windows settle once their frames are known
    for (QWidget* window : windows) {
        SCOPED_TRACE(window->objectName().toStdString());
        EXPECT_EQ(window->parentWidget(), board.data());
        EXPECT_TRUE(window->isWindow());
        EXPECT_TRUE(available.contains(window->frameGeometry()))
            << window->frameGeometry().x() << "," << window->frameGeometry().y() << " "
            << window->frameGeometry().width() << "x" << window->frameGeometry().height() << " in " << available.width()
            << "x" << available.height();
    }
    // Closing a plotter unloads it and leaves the board.
    QPointer<QWidget> conic = board->windows().find("fd2");
    conic->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(conic.isNull());
    EXPECT_TRUE(board->isVisible());
    EXPECT_EQ(programEnds, 0);
}

} // namespace
} // namespace curvana
