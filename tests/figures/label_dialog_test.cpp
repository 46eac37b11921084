// "画文字" as a window on a real board: the text lands at its point in its colour, bad boxes keep
// the dialog open on them, and undo takes the text away.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "figures/label_dialog.h"
#include "support/pixels.h"
#include "support/ui_fixture.h"

namespace curvana {
namespace {

struct LabelDialogTest : testing::UiFixture {
    LabelDialog* open()
    {
        board->action(QStringLiteral("mmText"))->trigger();
        return qobject_cast<LabelDialog*>(board->windows().find(QStringLiteral("mmText")));
    }

    static void fill(LabelDialog* dialog, const char* x, const char* y, const char* text, const char* colour)
    {
        const char* texts[] = {x, y, text};
        for (int box = 0; box < 3; ++box)
            dialog->controls().text(QStringLiteral("Text%1").arg(box + 1))->setText(QString::fromUtf8(texts[box]));
        dialog->controls().combo(QStringLiteral("Combo1"))->setEditText(QString::fromUtf8(colour));
    }

    static void pressOk(LabelDialog* dialog)
    {
        dialog->controls().button(QStringLiteral("OKButton"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(LabelDialogTest, TextIsWrittenAtItsPointInItsColourAndUndone)
{
    struct Row {
        const char* colour;
        QColor ink;
    } rows[] = {{"红", Qt::red}, {"紫", Qt::blue}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.colour);
        LabelDialog* dialog = open();
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->objectName(), QStringLiteral("DialogText"));
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("画文字"));
        EXPECT_EQ(dialog->controls().text(QStringLiteral("Text3"))->maxLength(), 40);
        const std::size_t actions = surface().objectCount();
        fill(dialog, "2", "3", "顶点", row.colour);
        pressOk(dialog);
        EXPECT_EQ(board->windows().find(QStringLiteral("mmText")), nullptr);
        ASSERT_EQ(surface().objectCount(), actions + 1);
        const TextOp& text = surface().texts().back();
        EXPECT_EQ(text.text, QStringLiteral("顶点"));
        EXPECT_EQ(text.at.x, 2.0f);
        EXPECT_EQ(text.at.y, 3.0f);
        EXPECT_EQ(surface().ops().back().colour, (row.ink == QColor(Qt::red) ? kRed : kBlue));
        // The ink lies right of and below the point, and nowhere left of or above it.
        QImage shown = board->view()->shownImage();
        const QPoint corner = testing::pixelAt(surface(), shown.size(), 2, 3);
        const auto inkIn = [&](int left, int top, int width, int height) {
            int count = 0;
            for (int y = top; y < top + height; ++y)
                for (int x = left; x < left + width; ++x)
                    count += shown.valid(x, y) && shown.pixelColor(x, y).lightness() < 200
                        && (row.ink == QColor(Qt::red) ? shown.pixelColor(x, y).red() > 150
                                                       : shown.pixelColor(x, y).blue() > 150);
            return count;
        };
        EXPECT_GT(inkIn(corner.x(), corner.y(), 40, 20), 5);
        EXPECT_EQ(inkIn(corner.x() - 10, corner.y() - 10, 10, 30) + inkIn(corner.x(), corner.y() - 10, 40, 10), 0);
        board->undo();
        EXPECT_EQ(surface().objectCount(), actions);
        shown = board->view()->shownImage();
        EXPECT_EQ(inkIn(corner.x(), corner.y(), 40, 20), 0);
    }
}

TEST_F(LabelDialogTest, BadBoxesKeepTheDialogOpenOnThem)
{
    struct Row {
        const char* x;
        const char* text;
        const char* box;
        const char* message;
    } rows[] = {
        {"1", "", "Text3", "请在文字框里填写要写的文字。"},
        {"一", "A", "Text1", "请在文字左上角的横坐标框里填写一个数。"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        messages.clear();
        const std::size_t ops = surface().ops().size();
        LabelDialog* dialog = open();
        fill(dialog, row.x, "2", row.text, "红");
        pressOk(dialog);
        EXPECT_EQ(surface().ops().size(), ops);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].title, QStringLiteral("画文字"));
        EXPECT_EQ(messages[0].text, QString::fromUtf8(row.message));
        ASSERT_EQ(board->windows().find(QStringLiteral("mmText")), dialog);
        EXPECT_EQ(dialog->focusWidget(), dialog->controls().text(QString::fromUtf8(row.box)));
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace
} // namespace curvana
