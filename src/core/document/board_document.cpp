// The board's actions, their drawings and their names.
#include "core/document/board_document.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "core/curves/label.h"
#include "core/curves/marked_points.h"
#include "core/curves/value_table.h"
#include "core/curves/plot_points.h"

namespace curvana {
namespace {

DrawingResult computeDrawing(const CurveAction& action, const ViewWindow& view)
{
    const PlotFrameScope frame(plotFrameOf(view));
    const std::optional<CurveFamily> family = curveFamily(action.window, action.option);
    if (!family)
        return Drawing{}; // no option selected
    switch (action.window) {
    case CurveWindow::Elementary:
        return elementaryCurve(*family, action.texts);
    case CurveWindow::Conic:
        return conicCurve(*family, action.texts);
    case CurveWindow::Classic:
        return classicCurve(*family, action.texts);
    }
    return Drawing{};
}

DrawingResult computeDrawing(const FigureAction& action, const ViewWindow&)
{
    return figureDrawing(action.figure, action.texts);
}

DrawingResult computeDrawing(const LabelAction& action, const ViewWindow&)
{
    return labelDrawing(action.texts, action.colour);
}

DrawingResult computeDrawing(const TableAction& action, const ViewWindow& view)
{
    return tableDrawing(
        action.formula, action.xs, action.colour, action.points, action.curve, samplingViewOf(view), action.parameters);
}

DrawingResult computeDrawing(const NamedPointAction& action, const ViewWindow&)
{
    return namedPointDrawing(action.texts, action.colour);
}

// The caption is written in the curve's colour, so a pupil can tell which line each formula drew;
// with no colour chosen the curve is black and the caption keeps the captions' blue.
std::variant<Drawing, FormulaError> computeDrawing(const FormulaAction& action, const ViewWindow& view)
{
    const WorldPoint captionAt = designedPlaceIn(view, formulaCaptionPlace(action.captionLine));
    auto result = formulaDrawing(formulaInputOf(action), samplingViewOf(view), captionAt);
    // Recorded formulas computed on the designed board. A view where the curve has no point, or
    // cannot be followed, shows no curve, but the caption keeps its line at the top left.
    if (std::holds_alternative<FormulaError>(result) && !view.isDesigned())
        result = Drawing{.captions = {{captionAt, formulaCaption(formulaInputOf(action))}}};
    if (auto* drawing = std::get_if<Drawing>(&result))
        for (std::size_t line = 0; line < drawing->captions.size(); ++line) {
            Caption& caption = drawing->captions[line];
            caption.colour = lookupPenColour(action.colour);
            // An inequality's optima stand on the lines under its text, which the next formula skips.
            caption.at.y -= static_cast<double>(line) * kCaptionLineUnits;
        }
    return result;
}

template <class Action>
using ResultOf = decltype(computeDrawing(std::declval<const Action&>(), std::declval<const ViewWindow&>()));

// The drawing a window's check computed (for the designed view), waiting for the board to paint
// the same action; one per kind of action and thread, so the worker that seeks special points
// never sees the window's.
template <class Action> std::optional<std::pair<Action, ResultOf<Action>>>& handedOver()
{
    thread_local std::optional<std::pair<Action, ResultOf<Action>>> slot;
    return slot;
}

template <class Action> ResultOf<Action> drawingOf(const Action& action, const ViewWindow& view)
{
    auto& slot = handedOver<Action>();
    if (slot && slot->first == action && view.isDesigned()) {
        ResultOf<Action> result = std::move(slot->second);
        slot.reset();
        return result;
    }
    return computeDrawing(action, view);
}

template <class Action> ResultOf<Action> checkedDrawingOf(const Action& action)
{
    ResultOf<Action> result = computeDrawing(action, ViewWindow{});
    handedOver<Action>().emplace(action, result);
    return result;
}

} // namespace

DrawingResult actionDrawing(const CurveAction& action, const ViewWindow& view) { return drawingOf(action, view); }
DrawingResult actionDrawing(const FigureAction& action, const ViewWindow& view) { return drawingOf(action, view); }
DrawingResult actionDrawing(const LabelAction& action, const ViewWindow& view) { return drawingOf(action, view); }
std::variant<Drawing, FormulaError> actionDrawing(const FormulaAction& action, const ViewWindow& view)
{
    return drawingOf(action, view);
}

SamplingView samplingViewOf(const ViewWindow& view)
{
    if (view.isDesigned())
        return {};
    return {view.xFrom(), view.xTo(), view.yFrom(), view.yTo(),
        {kDesignPictureWidth / view.width(), kDesignPictureHeight / view.height()}};
}

PlotFrame plotFrameOf(const ViewWindow& view)
{
    if (view.isDesigned())
        return {};
    // The designed board samples a strip one twentieth of its width wider on either side.
    const double margin = view.width() / kBoardUnits;
    const SampleWindow strip{view.xFrom() - margin, view.xTo() + margin};
    // As many steps per pixel as on the designed board along the finer of the two axes, but never
    // more than a bounded number of samples per run.
    constexpr double kMostSamples = 150000;
    const double share = std::min(view.width(), view.height()) / kBoardUnits;
    const double alongX = std::max(kSampleStep * share, (strip.hi - strip.lo) / kMostSamples);
    const double angle = std::clamp(kSampleStep * share, (kAngleEnd - kAngleStart) / kMostSamples, kSampleStep);
    return {strip, alongX, angle};
}

WorldPoint designedPlaceIn(const ViewWindow& view, WorldPoint designed)
{
    if (view.isDesigned())
        return designed;
    const ViewWindow board;
    return {view.xFrom() + (designed.x - board.xFrom()) * view.width() / board.width(),
        view.yFrom() + (designed.y - board.yFrom()) * view.height() / board.height()};
}
DrawingResult actionDrawing(const TableAction& action, const ViewWindow& view) { return drawingOf(action, view); }
DrawingResult actionDrawing(const NamedPointAction& action, const ViewWindow& view) { return drawingOf(action, view); }

DrawingResult checkedDrawing(const CurveAction& action) { return checkedDrawingOf(action); }
DrawingResult checkedDrawing(const FigureAction& action) { return checkedDrawingOf(action); }
DrawingResult checkedDrawing(const LabelAction& action) { return checkedDrawingOf(action); }
DrawingResult checkedDrawing(const TableAction& action) { return checkedDrawingOf(action); }
DrawingResult checkedDrawing(const NamedPointAction& action) { return checkedDrawingOf(action); }
std::variant<Drawing, FormulaError> checkedDrawing(const FormulaAction& action) { return checkedDrawingOf(action); }

FormulaInput formulaInputOf(const FormulaAction& action)
{
    return {action.kind, action.first, action.second, action.from, action.to, action.parameters, action.objective,
        action.lineStyle, action.conicLines};
}

int formulaCaptionLines(const FormulaAction& action)
{
    const bool objective
        = action.kind == FormulaKind::Inequality && action.objective.find_first_not_of(" \t") != std::string::npos;
    return objective ? 3 : 1;
}

WorldPoint formulaCaptionPlace(int captionLine)
{
    // Far below the board a caption is out of sight anyway; the bound keeps the number finite.
    const int line = std::clamp(captionLine, 0, 100000);
    return {-9.8, 9.8 - line * kCaptionLineUnits};
}

int nextFormulaCaptionLine(const std::vector<BoardAction>& actions)
{
    const auto first = static_cast<std::ptrdiff_t>(firstShownAction(actions));
    int lines = 0;
    for (auto it = actions.begin() + first; it != actions.end(); ++it)
        if (const auto* formula = std::get_if<FormulaAction>(&*it))
            lines += formulaCaptionLines(*formula);
    return lines;
}

std::size_t firstShownAction(const std::vector<BoardAction>& actions)
{
    std::size_t first = actions.size();
    while (first > 0 && !std::holds_alternative<ClearAction>(actions[first - 1]))
        --first;
    return first;
}

std::vector<BoardAction> shownActions(const std::vector<BoardAction>& actions)
{
    const auto first = static_cast<std::ptrdiff_t>(firstShownAction(actions));
    return {actions.begin() + first, actions.end()};
}

bool isCurveOption(CurveWindow window, int option) { return curveFamily(window, option).has_value(); }

std::size_t boxCount(CurveWindow window) { return curveWindowEntry(window).design.boxes.size(); }

std::size_t boxCount(FigureKind figure) { return figureDialogEntry(figure).boxes.size(); }

std::size_t labelBoxCount() { return labelDialogEntry().boxes.size(); }

std::size_t namedPointBoxCount() { return namedPointDialogEntry().boxes.size(); }

std::string actionTitle(const BoardAction& action)
{
    return std::visit(
        Overloaded{
            [](const CurveAction& curve) -> std::string { return curveWindowEntry(curve.window).design.caption; },
            [](const FigureAction& figure) -> std::string { return figureDialogEntry(figure.figure).caption; },
            [](const StrokeAction&) -> std::string { return "手绘"; },
            [](const ClearAction&) -> std::string { return "清除"; },
            [](const LabelAction&) -> std::string { return "文字"; },
            [](const FormulaAction&) -> std::string { return formulaWindowEntry().caption; },
            [](const TableAction&) -> std::string { return tableWindowEntry().caption; },
            [](const NamedPointAction&) -> std::string { return namedPointDialogEntry().caption; },
        },
        action);
}

EntryKey BoardDocument::nextKey(std::uint64_t id)
{
    ++m_changes;
    return {id, m_changes};
}

EntryKey BoardDocument::add(BoardAction action)
{
    m_actions.push_back(std::move(action));
    m_keys.push_back(nextKey(++m_lastId));
    m_undone.clear();
    return m_keys.back();
}

bool BoardDocument::swapIn(Replacement& step)
{
    const auto key = std::ranges::find(m_keys, step.id, &EntryKey::id);
    if (key == m_keys.end())
        return false;
    std::swap(m_actions[static_cast<std::size_t>(key - m_keys.begin())], step.other);
    *key = nextKey(step.id);
    return true;
}

bool BoardDocument::undo()
{
    if (!m_replacements.empty() && m_replacements.back().actionCount == m_actions.size()) {
        Replacement step = std::move(m_replacements.back());
        m_replacements.pop_back();
        if (swapIn(step))
            m_undone.emplace_back(std::move(step));
        return true;
    }
    if (m_actions.empty())
        return false;
    m_undone.emplace_back(std::pair{m_keys.back(), std::move(m_actions.back())});
    m_actions.pop_back();
    m_keys.pop_back();
    ++m_changes;
    return true;
}

std::optional<BoardAction> BoardDocument::redo()
{
    if (m_undone.empty())
        return std::nullopt;
    UndoneStep step = std::move(m_undone.back());
    m_undone.pop_back();
    if (auto* replacement = std::get_if<Replacement>(&step)) {
        if (!swapIn(*replacement))
            return std::nullopt;
        replacement->actionCount = m_actions.size();
        const std::uint64_t id = replacement->id;
        m_replacements.push_back(std::move(*replacement));
        return m_actions[static_cast<std::size_t>(std::ranges::find(m_keys, id, &EntryKey::id) - m_keys.begin())];
    }
    auto& [key, action] = std::get<std::pair<EntryKey, BoardAction>>(step);
    m_keys.push_back(key);
    m_actions.push_back(std::move(action));
    ++m_changes;
    return m_actions.back();
}

bool BoardDocument::recordReplacement(std::uint64_t id, BoardAction before)
{
    const auto key = std::ranges::find(m_keys, id, &EntryKey::id);
    if (key == m_keys.end() || m_actions[static_cast<std::size_t>(key - m_keys.begin())] == before)
        return false;
    m_replacements.push_back({id, std::move(before), m_actions.size()});
    m_undone.clear();
    ++m_changes;
    return true;
}

bool BoardDocument::replace(std::uint64_t id, BoardAction action)
{
    const auto key = std::ranges::find(m_keys, id, &EntryKey::id);
    if (key == m_keys.end())
        return false;
    m_actions[static_cast<std::size_t>(key - m_keys.begin())] = std::move(action);
    *key = nextKey(id);
    return true;
}

void BoardDocument::replaceAll(std::vector<BoardAction> actions)
{
    m_actions = std::move(actions);
    m_keys.clear();
    for (std::size_t i = 0; i < m_actions.size(); ++i)
        m_keys.push_back({++m_lastId, m_changes + 1});
    m_undone.clear();
    m_replacements.clear();
    ++m_changes;
}

void BoardDocument::clear() { replaceAll({}); }

} // namespace curvana
