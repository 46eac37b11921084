// The windows and dialogs that draw on the board, one row each.
#include "core/document/window_catalogue.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <stdexcept>

namespace curvana {

namespace {

using F = CurveFamily;

constexpr const char* kElementaryBoxes[] = {"A", "B", "C"};
constexpr CurveOption kElementaryOptions[] = {
    {1, F::Line},
    {2, F::Quadratic},
    {3, F::Reciprocal},
    {4, F::Sine},
    {5, F::Cosine},
    {6, F::Tangent},
    {7, F::AbsoluteQuadratic},
    {8, F::Exponential},
    {9, F::Power},
    {10, F::Logarithm},
};

// The design has no Option4: the circle is Option5, and saved boards say so.
constexpr const char* kConicBoxes[] = {"m", "n", "a", "b"};
constexpr CurveOption kConicOptions[] = {{1, F::Ellipse}, {2, F::Hyperbola}, {3, F::Parabola}, {5, F::Circle}};

constexpr const char* kClassicBoxes[] = {"R"};
constexpr CurveOption kClassicOptions[] = {
    {1, F::Involute},
    {2, F::Cycloid},
    {3, F::Cardioid},
    {4, F::ThreeLeafRose},
    {5, F::Astroid},
    {6, F::Lemniscate},
};

// Indexed by CurveWindow, in its order.
const CurveWindowEntry kCurveWindows[] = {
    {CurveWindow::Elementary, {"Form2", "画函数图象", kElementaryBoxes}, kElementaryOptions},
    {CurveWindow::Conic, {"Form4", "圆锥曲线", kConicBoxes}, kConicOptions},
    {CurveWindow::Classic, {"Form6", "其他数学函数", kClassicBoxes}, kClassicOptions},
};

constexpr const char* kPointBoxes[] = {"x", "y"};
constexpr const char* kTwoPointBoxes[] = {"x1", "y1", "x2", "y2"};
constexpr const char* kEllipseBoxes[] = {"x", "y", "X轴半轴", "Y轴半轴"};
constexpr const char* kSectorBoxes[] = {"x", "y", "半径", "圆心角"};
constexpr const char* kArcBoxes[] = {"x", "y", "半径", "起始度数", "终止度数"};
constexpr const char* kThreePointBoxes[] = {"x1", "y1", "x2", "y2", "x3", "y3"};
// The parallelogram asks for the first, second and fourth vertex; the third is computed.
constexpr const char* kParallelogramBoxes[] = {"x1", "y1", "x2", "y2", "x4", "y4"};

// Indexed by FigureKind, in its order.
static_assert(static_cast<std::size_t>(FigureKind::Parallelogram) + 1 == kFigureKindCount);
const std::array<WindowEntry, kFigureKindCount> kFigureDialogs{{
    {"Dialog", "画点", kPointBoxes},
    {"Dialog1", "画直线", kTwoPointBoxes},
    {"Dialog2", "画矩形", kTwoPointBoxes},
    {"Dialog4", "画椭圆", kEllipseBoxes},
    {"Dialog5", "画扇形", kSectorBoxes},
    {"Dialog8", "画弧", kArcBoxes},
    {"Dialog6", "画三角形", kThreePointBoxes},
    {"Dialog7", "画平行四边形", kParallelogramBoxes},
}};

constexpr const char* kLabelBoxes[] = {"x", "y", "文字"};
const WindowEntry kLabelDialog{"DialogText", "画文字", kLabelBoxes};

// The kind's first box, the parametric curve's "y =", and the range.
constexpr const char* kFormulaBoxes[] = {"y =", "y =", "从", "到"};
const WindowEntry kFormulaWindow{"FormFormula", "自定义函数", kFormulaBoxes};

constexpr const char* kTableBoxes[] = {"y =", "x 从", "步长", "个数"};
const WindowEntry kTableWindow{"FormValueTable", "列表描点", kTableBoxes};

constexpr const char* kNamedPointBoxes[] = {"名称", "x", "y"};
const WindowEntry kNamedPointDialog{"DialogNamedPoint", "命名点", kNamedPointBoxes};

} // namespace

std::span<const CurveWindowEntry> curveWindowEntries() { return kCurveWindows; }

const CurveWindowEntry& curveWindowEntry(CurveWindow window)
{
    for (const CurveWindowEntry& entry : kCurveWindows)
        if (entry.window == window)
            return entry;
    throw std::out_of_range("curve window not in the catalogue");
}

const WindowEntry& figureDialogEntry(FigureKind figure) { return kFigureDialogs.at(static_cast<std::size_t>(figure)); }

const WindowEntry& labelDialogEntry() { return kLabelDialog; }

const WindowEntry& formulaWindowEntry() { return kFormulaWindow; }

const WindowEntry& tableWindowEntry() { return kTableWindow; }

const WindowEntry& namedPointDialogEntry() { return kNamedPointDialog; }

std::optional<CurveFamily> curveFamily(CurveWindow window, int number)
{
    for (const CurveWindowEntry& entry : kCurveWindows) {
        if (entry.window != window)
            continue;
        const auto found = std::ranges::find(entry.options, number, &CurveOption::number);
        if (found != entry.options.end())
            return found->family;
    }
    return std::nullopt;
}

CurveWindow windowOfFamily(CurveFamily family)
{
    for (const CurveWindowEntry& entry : kCurveWindows)
        if (std::ranges::find(entry.options, family, &CurveOption::family) != entry.options.end())
            return entry.window;
    throw std::out_of_range("curve family not in the catalogue");
}

std::ostream& operator<<(std::ostream& out, CurveFamily family)
{
    const CurveWindowEntry& entry = curveWindowEntry(windowOfFamily(family));
    const auto option = std::ranges::find(entry.options, family, &CurveOption::family);
    return out << entry.design.designName << ".Option" << option->number;
}

} // namespace curvana
