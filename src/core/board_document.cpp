// The board's actions, their drawings and their names.
#include "core/board_document.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/label.h"

namespace curvana {

namespace {

constexpr std::array kConicOptions{1, 2, 3, 5};
constexpr int kElementaryOptions = 10;
constexpr int kClassicOptions = 6;

// Indexed by FigureKind, in its order; the captions are the dialogs' titles.
constexpr std::array<std::size_t, 8> kFigureBoxes{2, 4, 4, 4, 4, 5, 6, 6};
constexpr std::array<const char*, 8> kFigureTitles{"画点", "画直线", "画矩形", "画椭圆",
                                                   "画扇形", "画弧", "画三角形", "画平行四边形"};

std::size_t figureIndex(FigureKind figure) { return static_cast<std::size_t>(figure); }

} // namespace

DrawingResult actionDrawing(const CurveAction& action)
{
    switch (action.window) {
    case CurveWindow::Elementary: return elementaryCurve(action.option, action.texts);
    case CurveWindow::Conic: return conicCurve(action.option, action.texts);
    case CurveWindow::Classic: return classicCurve(action.option, action.texts);
    }
    return Drawing{};
}

DrawingResult actionDrawing(const FigureAction& action) { return figureDrawing(action.figure, action.texts); }

DrawingResult actionDrawing(const LabelAction& action) { return labelDrawing(action.texts, action.colour); }

FormulaInput formulaInputOf(const FormulaAction& action)
{
    return {action.kind, action.first, action.second, action.from, action.to};
}

// The caption is written in the curve's colour, so a pupil can tell which line each formula drew;
// with no colour chosen the curve is black and the caption keeps the captions' blue.
std::variant<Drawing, FormulaError> actionDrawing(const FormulaAction& action)
{
    auto result = formulaDrawing(formulaInputOf(action), PixelScale{}, formulaCaptionPlace(action.captionLine));
    if (auto* drawing = std::get_if<Drawing>(&result))
        for (Caption& caption : drawing->captions)
            caption.colour = lookupPenColour(action.colour);
    return result;
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
    return static_cast<int>(std::count_if(actions.begin() + first, actions.end(), [](const BoardAction& action) {
        return std::holds_alternative<FormulaAction>(action);
    }));
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

bool isCurveOption(CurveWindow window, int option)
{
    switch (window) {
    case CurveWindow::Elementary: return option >= 1 && option <= kElementaryOptions;
    case CurveWindow::Conic: return std::ranges::find(kConicOptions, option) != kConicOptions.end();
    case CurveWindow::Classic: return option >= 1 && option <= kClassicOptions;
    }
    return false;
}

std::size_t boxCount(CurveWindow window)
{
    switch (window) {
    case CurveWindow::Elementary: return 3;
    case CurveWindow::Conic: return 4;
    case CurveWindow::Classic: return 1;
    }
    return 0;
}

std::size_t boxCount(FigureKind figure) { return kFigureBoxes.at(figureIndex(figure)); }

std::string actionTitle(const BoardAction& action)
{
    return std::visit(Overloaded{
                          [](const CurveAction& curve) -> std::string {
                              switch (curve.window) {
                              case CurveWindow::Elementary: return "画函数图象";
                              case CurveWindow::Conic: return "圆锥曲线";
                              case CurveWindow::Classic: return "其他数学函数";
                              }
                              return {};
                          },
                          [](const FigureAction& figure) -> std::string {
                              return kFigureTitles.at(figureIndex(figure.figure));
                          },
                          [](const StrokeAction&) -> std::string { return "手绘"; },
                          [](const ClearAction&) -> std::string { return "清除"; },
                          [](const LabelAction&) -> std::string { return "文字"; },
                          [](const FormulaAction&) -> std::string { return "自定义函数"; },
                      },
                      action);
}

void BoardDocument::add(BoardAction action)
{
    m_actions.push_back(std::move(action));
    m_undone.clear();
    ++m_changes;
}

bool BoardDocument::undo()
{
    if (m_actions.empty())
        return false;
    m_undone.push_back(std::move(m_actions.back()));
    m_actions.pop_back();
    ++m_changes;
    return true;
}

std::optional<BoardAction> BoardDocument::redo()
{
    if (m_undone.empty())
        return std::nullopt;
    m_actions.push_back(std::move(m_undone.back()));
    m_undone.pop_back();
    ++m_changes;
    return m_actions.back();
}

void BoardDocument::replaceAll(std::vector<BoardAction> actions)
{
    m_actions = std::move(actions);
    m_undone.clear();
    ++m_changes;
}

void BoardDocument::clear() { replaceAll({}); }

} // namespace curvana
