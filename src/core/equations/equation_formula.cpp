#include "core/equations/equation_formula.h"

#include <chrono>

#include "core/equations/equation_drawing.h"
#include "core/text/utf8.h"

namespace curvana {
namespace {

// The same bound as every own formula: the window never seems to hang.
constexpr auto kRelationTimeLimit = std::chrono::milliseconds(300);
// A found optimum is marked by a small ring of this radius (world units) in the curve's colour.
constexpr double kOptimumRingRadius = 0.18;

FormulaError errorOf(const EquationProblem& problem)
{
    const FormulaBox box = problem.box == kObjectiveBox ? FormulaBox::Objective : FormulaBox::First;
    return {box, problem.problem.start, problem.problem.length, problem.problem.message};
}

FormulaError wholeFirstBox(const FormulaInput& input, std::string message)
{
    return {FormulaBox::First, 0, static_cast<int>(codePointsOf(input.first).size()), std::move(message)};
}

std::string trimmed(std::string_view text) { return utf8Of(withoutSurroundingBlanks(codePointsOf(text))); }

void addConicLines(Drawing& drawing, const ConicFacts& conic, PlotArea area)
{
    for (const auto* lines : {&conic.asymptotes, &conic.directrices})
        for (const ConicLine& line : *lines)
            if (auto piece = levelLine(line.a, line.b, line.c, area))
                drawing.polylines.push_back(std::move(*piece));
}

std::variant<Drawing, FormulaError> equationDrawing(const FormulaInput& input, PlotArea area, PixelScale scale)
{
    auto picture = equationPicture(input.first, input.parameters, area, scale, WorkDeadline(kRelationTimeLimit));
    if (const auto* problem = std::get_if<EquationProblem>(&picture))
        return errorOf(*problem);
    EquationPicture& equation = std::get<EquationPicture>(picture);
    if (equation.pieces.empty() && equation.dots.empty())
        return wholeFirstBox(input, kEquationBox + "里的方程在图板的可见部分（x和y都在−10到10之间）没有解。");
    Drawing drawing;
    drawing.dots = std::move(equation.dots);
    for (Polyline& piece : equation.pieces) {
        piece.style = input.style;
        drawing.polylines.push_back(std::move(piece));
    }
    if (input.conicLines && equation.conic)
        addConicLines(drawing, *equation.conic, area);
    return drawing;
}

Shade shadeOf(const InequalityRegion& region)
{
    Shade shade;
    if (!region.polygon.empty()) {
        shade.polygons.push_back(region.polygon);
        return shade;
    }
    const double half = region.rowHeight / 2;
    for (const RegionSpan& span : region.spans)
        shade.polygons.push_back({{span.left, span.y - half}, {span.right, span.y - half}, {span.right, span.y + half},
            {span.left, span.y + half}});
    return shade;
}

void markOptimum(Drawing& drawing, const std::optional<Optimum>& optimum, std::vector<std::string>& captions)
{
    if (!optimum)
        return;
    captions.push_back(optimum->text);
    if (optimum->exists)
        for (const ExactPoint& at : optimum->at)
            drawing.circles.push_back({{at.x.value(), at.y.value()}, kOptimumRingRadius, {}, {}, {}});
}

std::variant<Drawing, FormulaError> inequalityDrawing(
    const FormulaInput& input, PlotArea area, PixelScale scale, std::vector<std::string>& captions)
{
    auto picture = inequalityPicture(
        input.first, trimmed(input.objective), input.parameters, area, scale, WorkDeadline(kRelationTimeLimit));
    if (const auto* problem = std::get_if<EquationProblem>(&picture))
        return errorOf(*problem);
    InequalityPicture& region = std::get<InequalityPicture>(picture);
    if (region.region.spans.empty() && region.region.polygon.empty() && region.region.boundaries.empty())
        return wholeFirstBox(input, kInequalityBox + "里的不等式在图板的可见部分（x和y都在−10到10之间）没有解。");
    Drawing drawing;
    drawing.shades.push_back(shadeOf(region.region));
    for (Polyline& piece : region.region.boundaries) {
        if (input.style == LineStyle::Dashed)
            piece.style = LineStyle::Dashed;
        drawing.polylines.push_back(std::move(piece));
    }
    for (Polyline& line : region.levelLines)
        drawing.polylines.push_back(std::move(line));
    markOptimum(drawing, region.maximum, captions);
    markOptimum(drawing, region.minimum, captions);
    return drawing;
}

} // namespace

PlotArea relationArea(const SamplingView& view)
{
    const double marginX = kSamplingMargin * (view.right - view.left) / kBoardUnits;
    const double marginY = kSamplingMargin * (view.top - view.bottom) / kBoardUnits;
    return {view.left - marginX, view.bottom - marginY, view.right + marginX, view.top + marginY};
}

std::variant<Drawing, FormulaError> relationDrawing(
    const FormulaInput& input, const SamplingView& view, WorldPoint captionAt)
{
    const PlotArea area = relationArea(view);
    // The typed text with the parameters' values, as the other kinds write theirs.
    std::vector<std::string> captions{trimmed(input.first) + parameterCaption(input.parameters)};
    auto result = input.kind == FormulaKind::Inequality ? inequalityDrawing(input, area, view.scale, captions)
                                                        : equationDrawing(input, area, view.scale);
    // All at the caption's place: the board puts each on its own line.
    if (auto* drawing = std::get_if<Drawing>(&result))
        for (std::string& caption : captions)
            drawing->captions.push_back({captionAt, std::move(caption)});
    return result;
}

} // namespace curvana
