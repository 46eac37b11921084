// The surface follows the board's document: an entry changed in place is drawn again in its
// place, and the list then equals that of a board drawn fresh from the same actions.
#include <gtest/gtest.h>

#include "canvas/action_painter.h"
#include "canvas/axes.h"
#include "core/document/board_document.h"

namespace curvana {
namespace {

const QSize kBoardPixels(413, 429);

// The whole list as comparable values: every entry with what it indexes, so an entry pointing
// at the wrong point, circle or text after a replacement shows as a difference.
std::vector<std::string> listOf(const Surface& surface)
{
    std::vector<std::string> lines;
    for (const Op& op : surface.ops()) {
        std::string line = std::to_string(static_cast<int>(op.kind)) + " w" + std::to_string(op.width) + " c"
            + std::to_string(op.colour) + " n" + std::to_string(op.count) + ":";
        const auto point = [&](std::uint32_t i) {
            const FloatPoint& p = surface.points().at(i);
            line += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        };
        switch (op.kind) {
        case OpKind::Dots:
        case OpKind::Polyline:
        case OpKind::Fill:
            for (std::uint32_t i = 0; i < op.count; ++i)
                point(op.first + i);
            break;
        case OpKind::Line:
        case OpKind::Box:
            point(op.first);
            point(op.first + 1);
            break;
        case OpKind::Disc:
            point(op.first);
            break;
        case OpKind::Circle: {
            const CircleOp& c = surface.circles().at(op.first);
            line += " " + std::to_string(c.centre.x) + "," + std::to_string(c.centre.y) + " r"
                + std::to_string(c.radius);
            break;
        }
        case OpKind::Text: {
            const TextOp& t = surface.texts().at(op.first);
            const TextOp& anchor = surface.texts().at(t.anchor);
            line += " " + t.text.toStdString() + " beside " + anchor.text.toStdString();
            break;
        }
        case OpKind::Clear:
            break;
        }
        lines.push_back(line);
    }
    lines.push_back("dots " + std::to_string(surface.dotCount()));
    lines.push_back("render from " + std::to_string(surface.renderStartFor(surface.end()).op));
    return lines;
}

struct Board {
    Surface surface{kBoardPixels};
    BoardDocument document;
    Board() { drawAxes(surface, AxesStyle::Board); }
    void show() { followDocument(surface, document); }
};

TEST(FollowingTheDocument, AnObjectReplacedInPlaceEqualsABoardDrawnFresh)
{
    const CurveAction parabola{CurveWindow::Elementary, 2, {"1", "+2", "+0"}, "红"};
    const CurveAction cubic{CurveWindow::Elementary, 3, {"1", "-1", "+2"}, "蓝"};
    const std::vector<BoardAction> before{
        CurveAction{CurveWindow::Elementary, 1, {"1", "+2"}, "黑"},
        parabola,
        FigureAction{FigureKind::Arc, {"0", "0", "3", "30", "120"}, "绿"},
        LabelAction{{"1", "1", "文字"}, "红"},
        ClearAction{},
        FormulaAction{FormulaKind::Function, "x^2-3", "", "-5", "5", "蓝", 0},
        StrokeAction{{StrokeRun{kRed, {{1, 1}, {2, 2}}}}},
    };
    for (const BoardAction& replacement : std::vector<BoardAction>{cubic, ClearAction{}, before[2]}) {
        Board replaced;
        replaced.document.replaceAll(before);
        replaced.show();
        const std::uint64_t id = replaced.document.keys()[1].id;
        ASSERT_TRUE(replaced.document.replace(id, replacement));
        replaced.show();

        std::vector<BoardAction> after = before;
        after[1] = replacement;
        Board fresh;
        fresh.document.replaceAll(after);
        fresh.show();
        EXPECT_EQ(listOf(replaced.surface), listOf(fresh.surface)) << actionTitle(replacement);
        EXPECT_EQ(replaced.surface.objectCount(), before.size());
        EXPECT_EQ(replaced.document.keys()[1].id, id) << "the object keeps its identity";

        // Undo after a replacement still removes exactly the last object.
        replaced.document.undo();
        replaced.show();
        fresh.document.undo();
        fresh.show();
        EXPECT_EQ(listOf(replaced.surface), listOf(fresh.surface));
    }
}

TEST(FollowingTheDocument, UndoRedoAndOpenLeaveTheListOfTheDocument)
{
    Board board;
    const std::vector<std::string> empty = listOf(board.surface);
    board.document.add(CurveAction{CurveWindow::Conic, 1, {"0", "0", "3", "2"}, "蓝"});
    board.document.add(FigureAction{FigureKind::Line, {"0", "0", "1", "3"}, "红"});
    board.show();
    const std::vector<std::string> both = listOf(board.surface);
    board.document.undo();
    board.document.undo();
    board.show();
    EXPECT_EQ(listOf(board.surface), empty);
    board.document.redo();
    board.document.redo();
    board.show();
    EXPECT_EQ(listOf(board.surface), both);
    board.document.replaceAll(board.document.actions()); // the same board opened again
    board.show();
    EXPECT_EQ(listOf(board.surface), both);
    EXPECT_EQ(board.surface.objectCount(), 2u);
}

// An opened board paints the drawings its check computed in their places and computes the rest;
// a list of another length is no such board's and is not used.
TEST(FollowingTheDocument, CheckedDrawingsArePaintedInTheirPlaces)
{
    const CurveAction ellipse{CurveWindow::Conic, 1, {"0", "0", "3", "2"}, "蓝"};
    const CurveAction wider{CurveWindow::Conic, 1, {"0", "0", "4", "1"}, "蓝"};
    const LabelAction label{{"1", "1", "A"}, ""};
    std::vector<BoardAction> actions
        = {ellipse, ClearAction{}, FigureAction{FigureKind::Line, {"0", "0", "1", "3"}, "红"},
            StrokeAction{{StrokeRun{kRed, {{1, 1}, {2, 2}}}}}, label};
    const auto shown = [](const std::vector<BoardAction>& board, const CheckedDrawings& checked) {
        Board fresh;
        fresh.document.replaceAll(board);
        followDocument(fresh.surface, fresh.document, {}, checked);
        return listOf(fresh.surface);
    };
    // The first entry is handed the drawing of another ellipse: that is what it shows.
    CheckedDrawings some(actions.size());
    some[0] = std::get<Drawing>(actionDrawing(wider));
    some[4] = std::get<Drawing>(actionDrawing(label));
    const std::vector<std::string> handed = shown(actions, some);
    const std::vector<std::string> computed = shown(actions, {});
    EXPECT_NE(handed, computed);
    actions[0] = wider;
    EXPECT_EQ(handed, shown(actions, {}));
    actions[0] = ellipse;
    EXPECT_EQ(shown(actions, CheckedDrawings(actions.size() + 1, std::get<Drawing>(actionDrawing(wider)))), computed);
}

} // namespace
} // namespace curvana
