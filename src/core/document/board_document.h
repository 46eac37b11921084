#pragma once
// The board as a document: the actions the user took, in order, with undo and redo. The board
// window draws by replaying them; the file module saves and opens them.
#include <cstdint>
#include <variant>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/document/board_action.h"
#include "core/curves/plot_points.h"
#include "core/formula/formula_sampler.h"
#include "core/view/view_window.h"

namespace curvana {

// Lambdas joined into one visitor, so every std::visit over BoardAction names each kind once and a
// new kind shows up as a compile error wherever it is not yet handled.
template <class... Handlers> struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

// What the window's "确定" draws for this action: the same function, the same texts, computed for
// the part of the world the board shows (the designed view unless it was zoomed or panned). The
// plotters keep each family's own range of x and sample it, within the view, as densely in pixels
// as on the designed board; figures and texts do not depend on the view.
DrawingResult actionDrawing(const CurveAction& action, const ViewWindow& view = {});
DrawingResult actionDrawing(const FigureAction& action, const ViewWindow& view = {});
DrawingResult actionDrawing(const LabelAction& action, const ViewWindow& view = {});
DrawingResult actionDrawing(const TableAction& action, const ViewWindow& view = {});
DrawingResult actionDrawing(const NamedPointAction& action, const ViewWindow& view = {});
// The own formula sampled for the view, finely enough for any picture size, so a replay draws the
// same pieces at any window size, with its caption on the action's caption line. The caption
// stands at the same place of the picture whatever the view, so captions never leave the board.
std::variant<Drawing, FormulaError> actionDrawing(const FormulaAction& action, const ViewWindow& view = {});
// The sampler's and the plotters' frames for a view; at the designed view their defaults, so the
// designed board is drawn dot for dot as before.
SamplingView samplingViewOf(const ViewWindow& view);
PlotFrame plotFrameOf(const ViewWindow& view);
// Where a point of the designed board's picture lies in the world of `view`: a place fixed on the
// picture (the own formulas' captions) rather than in the world.
WorldPoint designedPlaceIn(const ViewWindow& view, WorldPoint designed);
// What a window's 确定 checks its boxes with: the same drawing, which the board's next actionDrawing
// of an equal action on this thread then takes instead of computing it a second time.
DrawingResult checkedDrawing(const CurveAction& action);
DrawingResult checkedDrawing(const FigureAction& action);
DrawingResult checkedDrawing(const LabelAction& action);
DrawingResult checkedDrawing(const TableAction& action);
DrawingResult checkedDrawing(const NamedPointAction& action);
std::variant<Drawing, FormulaError> checkedDrawing(const FormulaAction& action);
// For each action of a list, the drawing computed when it was checked (none for a stroke or a
// clear, which compute nothing). An opened file is checked by drawing every action; its board
// paints these rather than computing each curve a second time, and so shows exactly what passed
// the check even where a formula's time limit would decide otherwise on a second try.
using CheckedDrawings = std::vector<std::optional<Drawing>>;
FormulaInput formulaInputOf(const FormulaAction& action);

// The board's text line in world units: the board font (12-pixel WenQuanYi Micro Hei Mono) has a
// line of 14 logical pixels on the picture at its design size. Core cannot ask the font, and
// captions are placed for the picture at its design size, where this holds; a window test checks
// it against the font.
inline constexpr double kCaptionLineUnits = 14.0 * kBoardUnits / kDesignPictureHeight;
// Own-formula captions stand one under the other from the top-left corner of the board, so they
// never cover each other: line 0 at (-9.8, 9.8), each next line one text line lower.
WorldPoint formulaCaptionPlace(int captionLine);
// The lines an own formula's caption takes: an inequality with an objective adds a line for its
// maximum and one for its minimum.
int formulaCaptionLines(const FormulaAction& action);
// The caption line of the next own formula: the own formulas among `actions` since the last clear.
int nextFormulaCaptionLine(const std::vector<BoardAction>& actions);
// Where what the board shows begins: the index just after the last clear (0 without one). A saved
// board and the recovery file hold the actions from here, so what a clear wiped is neither
// written, nor counted against the file limits, nor flashed while a lesson opens.
std::size_t firstShownAction(const std::vector<BoardAction>& actions);
std::vector<BoardAction> shownActions(const std::vector<BoardAction>& actions);

// The options each curve window offers (window_catalogue.h); any other number draws nothing and
// is never recorded.
bool isCurveOption(CurveWindow window, int option);
// How many text boxes the window or dialog has (Text1, Text2, ...).
std::size_t boxCount(CurveWindow window);
std::size_t boxCount(FigureKind figure);
std::size_t labelBoxCount();
std::size_t namedPointBoxCount();

// The caption of the window or dialog that made the action ("画椭圆", "圆锥曲线"), and "手绘",
// "清除" or "文字"; messages about an action name it by this.
std::string actionTitle(const BoardAction& action);

// The identity of an entry of the document: `id` stays with the object for as long as it exists
// (through undo, redo and replacement), `revision` changes whenever its action does, so whatever
// shows the document can tell which entries to draw again.
struct EntryKey {
    std::uint64_t id = 0;
    std::uint64_t revision = 0;
    friend bool operator==(const EntryKey&, const EntryKey&) = default;
};

class BoardDocument {
public:
    // A new action: it goes last, and whatever was undone can no longer be redone.
    EntryKey add(BoardAction action);
    // Moves the last action to the redo list; false when there is nothing to undo.
    bool undo();
    // Puts the most recently undone action back at the end and returns it for drawing.
    std::optional<BoardAction> redo();
    // The object `id` becomes `action`, in its place, keeping its id; false when no action on the
    // board has that id. No step of its own: a change the hand makes frame by frame ends with
    // recordReplacement.
    bool replace(std::uint64_t id, BoardAction action);
    // Makes the changes of object `id` since it was `before` one undo step, which puts `before`
    // back (redo puts the object as it is now). Whatever was undone can no longer be redone. False
    // when no action has that id or nothing changed.
    bool recordReplacement(std::uint64_t id, BoardAction before);
    // An opened file: its actions become the board, with nothing to redo.
    void replaceAll(std::vector<BoardAction> actions);
    // A new, empty board.
    void clear();

    const std::vector<BoardAction>& actions() const { return m_actions; }
    // The identity of each action, in the same order.
    const std::vector<EntryKey>& keys() const { return m_keys; }
    bool canUndo() const { return !m_actions.empty() || !m_replacements.empty(); }
    bool canRedo() const { return !m_undone.empty(); }
    // Goes up on every change, so a writer can tell whether the board moved since it last saved.
    std::uint64_t changeCount() const { return m_changes; }

private:
    // A change of one object in place: `other` is the action it had before (on the undo list) or
    // after (on the redo list). `actionCount` is how many actions there were when it was made, so
    // it is undone when the actions added after it are.
    struct Replacement {
        std::uint64_t id = 0;
        BoardAction other;
        std::size_t actionCount = 0;
    };
    using UndoneStep = std::variant<std::pair<EntryKey, BoardAction>, Replacement>;

    EntryKey nextKey(std::uint64_t id);
    // Swaps the object of `step` with the action the step holds; false when it is gone.
    bool swapIn(Replacement& step);

    std::vector<BoardAction> m_actions;
    std::vector<EntryKey> m_keys;
    std::vector<Replacement> m_replacements; // undoable changes in place, the latest last
    std::vector<UndoneStep> m_undone; // the next redo is the last one
    std::uint64_t m_changes = 0;
    // Ids start at 1: 0 stands for what no entry drew yet (a stroke still in progress).
    std::uint64_t m_lastId = 0;
};

} // namespace curvana
