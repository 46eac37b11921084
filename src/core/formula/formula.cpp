#include "core/formula/formula.h"

#include <chrono>
#include <functional>
#include <memory>
#include <cmath>
#include <optional>

#include "core/equations/equation_drawing.h"
#include "core/equations/equation_formula.h"
#include "core/equations/relation.h"
#include "core/formula/piecewise.h"
#include "core/text/field_reader.h"
#include "core/text/utf8.h"

namespace curvana {

namespace {

// Parametric and polar curves have no pixel step to start from; this grid is about two pixels a
// step for curves the size of the board, and the splitting fills in the rest.
constexpr int kParameterSegments = 512;
// A function's grid: one step every this many pixels; every step is checked at its middle.
constexpr double kGridStepPixels = 2;
constexpr int kFewestSegments = 16;
constexpr int kMostSegments = 4096;

FormulaVocabulary vocabularyOf(FormulaKind kind, FormulaBox box) { return formulaVocabulary(kind, box); }

// The formula of `text` with the parameters' values put in, compiled.
std::variant<CompiledFunction, TextProblem> compileWithValues(
    std::string_view text, const FormulaVocabulary& vocabulary, const FormulaParameters& parameters)
{
    auto parsed = parseFormula(text, vocabulary);
    if (const auto* problem = std::get_if<TextProblem>(&parsed))
        return *problem;
    SyntaxTree& tree = std::get<SyntaxTree>(parsed);
    putInValues(tree, vocabulary, parameters);
    return CompiledFunction::fromTree(tree);
}

std::string labelOf(FormulaKind kind, FormulaBox box)
{
    switch (box) {
    // Named as the window labels them: the range's boxes read "x 从 … 到 …" (t, θ).
    case FormulaBox::From:
        return kind == FormulaKind::Parametric ? "“t 从”框" : kind == FormulaKind::Polar ? "“θ 从”框" : "“x 从”框";
    case FormulaBox::To:
        return "“到”框";
    case FormulaBox::Objective:
        return kObjectiveBox;
    case FormulaBox::Second:
        return "“y =”框";
    case FormulaBox::First:
        break;
    }
    if (kind == FormulaKind::Equation)
        return kEquationBox;
    if (kind == FormulaKind::Inequality)
        return kInequalityBox;
    return kind == FormulaKind::Parametric ? "“x =”框" : kind == FormulaKind::Polar ? "“r =”框" : "“y =”框";
}

int lengthOf(std::string_view text) { return static_cast<int>(codePointsOf(text).size()); }

FormulaError wholeBoxError(FormulaBox box, const FormulaInput& input, std::string message)
{
    return {box, 0, lengthOf(boxText(input, box)), std::move(message)};
}

using Evaluate = std::function<double(double)>;

struct Range {
    double from;
    double to;
};

std::variant<CompiledFunction, FormulaError> compileBox(const FormulaInput& input, FormulaBox box);

// The first box as a function: one formula, or for y = f(x) the pieces of a 分段函数.
std::variant<Evaluate, FormulaError> firstFormula(
    const FormulaInput& input, std::shared_ptr<const PiecewiseFunction>& pieces)
{
    if (input.kind == FormulaKind::Function)
        if (auto read = readPiecewise(input.first)) {
            if (const auto* problem = std::get_if<TextProblem>(&*read))
                return FormulaError{FormulaBox::First, problem->start, problem->length,
                    labelOf(input.kind, FormulaBox::First) + problem->message};
            pieces = std::make_shared<const PiecewiseFunction>(std::get<PiecewiseFunction>(std::move(*read)));
            return Evaluate([pieces](double x) { return (*pieces)(x); });
        }
    auto compiled = compileBox(input, FormulaBox::First);
    if (const auto* error = std::get_if<FormulaError>(&compiled))
        return *error;
    return Evaluate(std::get<CompiledFunction>(std::move(compiled)));
}

// A piece's end at a jump: filled when it belongs to the piece, a ring when it does not.
void markJumpEnds(Drawing& drawing, const PiecewiseFunction& pieces, Range range, const SamplingView& view)
{
    constexpr double kEndRadius = 0.15; // world units, about three pixels of the board
    const formula_sampling::Frame frame = formula_sampling::Frame::of(view);
    const std::vector<PieceEnd> ends
        = pieces.jumpEnds(std::fmax(range.from, frame.left), std::fmin(range.to, frame.right));
    breakAtJumps(drawing.polylines, ends);
    for (const PieceEnd& end : ends) {
        if (!frame.contains(end.at))
            continue;
        drawing.circles.push_back({end.at, kEndRadius, {}, {}, {}});
        if (!end.closed)
            continue;
        for (double part : {2.0 / 3, 1.0 / 3})
            drawing.circles.push_back({end.at, kEndRadius * part, {}, {}, {}});
        drawing.dots.push_back(end.at);
    }
}

std::variant<CompiledFunction, FormulaError> compileBox(const FormulaInput& input, FormulaBox box)
{
    auto compiled = compileWithValues(boxText(input, box), vocabularyOf(input.kind, box), input.parameters);
    if (const auto* problem = std::get_if<TextProblem>(&compiled))
        return FormulaError{box, problem->start, problem->length, labelOf(input.kind, box) + problem->message};
    return std::get<CompiledFunction>(std::move(compiled));
}

// A range box reads what every number box reads.
std::variant<double, FormulaError> rangeEnd(const FormulaInput& input, FormulaBox box)
{
    const TypedNumber reading = readTypedNumber(boxText(input, box));
    if (!reading.value)
        return FormulaError{
            box, reading.problem.start, reading.problem.length, labelOf(input.kind, box) + reading.problem.message};
    return *reading.value;
}

// The formula as typed, without a leading "y =" and without blanks around it.
std::string typedBody(const FormulaInput& input, FormulaBox box)
{
    const std::u32string codes = codePointsOf(boxText(input, box));
    std::u32string_view body(codes);
    body.remove_prefix(static_cast<std::size_t>(leftSideLength(body, vocabularyOf(input.kind, box))));
    return utf8Of(withoutSurroundingBlanks(body));
}

std::string captionOf(const FormulaInput& input)
{
    switch (input.kind) {
    case FormulaKind::Parametric:
        return "x=" + typedBody(input, FormulaBox::First) + ", y=" + typedBody(input, FormulaBox::Second)
            + parameterCaption(input.parameters);
    case FormulaKind::Polar:
        return "r=" + typedBody(input, FormulaBox::First) + parameterCaption(input.parameters);
    case FormulaKind::Function:
    case FormulaKind::Equation:
    case FormulaKind::Inequality:
        break;
    }
    return "y=" + typedBody(input, FormulaBox::First) + parameterCaption(input.parameters);
}

// A formula may compute this long before it is stopped, so the window never seems to hang.
constexpr auto kFormulaTimeLimit = std::chrono::milliseconds(300);

CurveSamplingPlan planFor(int segments, long points)
{
    CurveSamplingPlan plan;
    plan.initialSegments = segments;
    plan.maxPoints = points;
    plan.deadline = SamplingClock::now() + kFormulaTimeLimit;
    return plan;
}

std::variant<SamplingTally, FormulaError> sampleFunction(
    Drawing& drawing, const FormulaInput& input, const Evaluate& f, Range range, const SamplingView& view)
{
    const formula_sampling::Frame frame = formula_sampling::Frame::of(view);
    const double from = std::fmax(range.from, frame.left);
    const double to = std::fmin(range.to, frame.right);
    if (!(from < to))
        return wholeBoxError(FormulaBox::From, input, "这个范围在图板之外：x要在−10到10之间。");
    const int segments = static_cast<int>(std::fmin(
        std::fmax(std::ceil((to - from) * view.scale.perUnitX / kGridStepPixels), kFewestSegments), kMostSegments));
    return sampleCurve(drawing, from, to, planFor(segments, kFormulaMaxEvaluations), view, [&](double x) {
        return WorldPoint{x, f(x)};
    });
}

std::variant<SamplingTally, FormulaError> sampleParametric(
    Drawing& drawing, const FormulaInput& input, const Evaluate& x, Range range, const SamplingView& view)
{
    auto second = compileBox(input, FormulaBox::Second);
    if (const auto* error = std::get_if<FormulaError>(&second))
        return *error;
    const CompiledFunction& y = std::get<CompiledFunction>(second);
    return sampleCurve(
        drawing, range.from, range.to, planFor(kParameterSegments, kFormulaMaxEvaluations / 2), view, [&](double t) {
            return WorldPoint{x(t), y(t)};
        });
}

// A negative r is drawn on the opposite side of the pole, as textbooks draw the rose r = sin 2θ.
SamplingTally samplePolar(Drawing& drawing, const Evaluate& r, Range range, const SamplingView& view)
{
    return sampleCurve(
        drawing, range.from, range.to, planFor(kParameterSegments, kFormulaMaxEvaluations), view, [&](double theta) {
            const double radius = r(theta);
            return WorldPoint{radius * std::cos(theta), radius * std::sin(theta)};
        });
}

std::variant<Range, FormulaError> rangeOf(const FormulaInput& input)
{
    const auto from = rangeEnd(input, FormulaBox::From);
    if (const auto* error = std::get_if<FormulaError>(&from))
        return *error;
    const auto to = rangeEnd(input, FormulaBox::To);
    if (const auto* error = std::get_if<FormulaError>(&to))
        return *error;
    const Range range{std::get<double>(from), std::get<double>(to)};
    if (!(range.from < range.to))
        return wholeBoxError(FormulaBox::From, input,
            labelOf(input.kind, FormulaBox::From) + "里的数要小于" + labelOf(input.kind, FormulaBox::To) + "里的数。");
    if (!std::isfinite(range.to - range.from))
        return wholeBoxError(FormulaBox::To, input, "范围太大了。");
    return range;
}

// The formula to blame for a curve without a single real point: the parametric y when x alone
// has real values somewhere in the range, the first formula otherwise.
FormulaBox boxWithoutValues(const FormulaInput& input, const Evaluate& first, Range range)
{
    if (input.kind != FormulaKind::Parametric)
        return FormulaBox::First;
    for (int i = 0; i <= kParameterSegments; ++i)
        if (std::isfinite(first(range.from + (range.to - range.from) * i / kParameterSegments)))
            return FormulaBox::Second;
    return FormulaBox::First;
}

// A view the window could not measure (an empty or reversed rectangle, a scale that is zero,
// negative or not finite) falls back to the board as designed.
SamplingView usableView(const SamplingView& view)
{
    const auto usable = [](double perUnit) { return std::isfinite(perUnit) && perUnit > 0; };
    const bool rectangle = std::isfinite(view.right - view.left) && std::isfinite(view.top - view.bottom)
        && view.left < view.right && view.bottom < view.top;
    return rectangle && usable(view.scale.perUnitX) && usable(view.scale.perUnitY) ? view : SamplingView{};
}

// A visible stretch lost in more than this many pixels makes the drawing untrue.
constexpr double kTolerableLostPixels = 2;

// Why a sampled curve cannot be shown as it is, if it cannot.
std::optional<FormulaError> unfaithful(const FormulaInput& input, const SamplingTally& tally, const Drawing& drawing)
{
    if (tally.outOfTime)
        return wholeBoxError(FormulaBox::First, input,
            labelOf(input.kind, FormulaBox::First)
                + "里的式子算得太慢（超过0.3秒），已停止。请把式子写得简单些，或把范围缩小些。");
    if (tally.lostPixels > kTolerableLostPixels)
        return wholeBoxError(FormulaBox::To, input,
            labelOf(input.kind, FormulaBox::From) + "和" + labelOf(input.kind, FormulaBox::To)
                + "给的范围太大了：相邻的取值在图板上已相隔很远，"
                  "这条曲线画不准确。请把范围缩小些。");
    if (drawing.polylines.empty())
        return wholeBoxError(
            FormulaBox::First, input, "在所给范围内，这条曲线不经过图板的可见部分（x和y都在−10到10之间）。");
    return std::nullopt;
}

} // namespace

FormulaRangeTexts defaultFormulaRange(FormulaKind kind)
{
    // Equations and inequalities have no range of their own; their hidden boxes keep x's.
    if (kind == FormulaKind::Function || kind == FormulaKind::Equation || kind == FormulaKind::Inequality)
        return {"-10", "10"};
    return {"0", "2π"};
}

std::string formulaCaption(const FormulaInput& input) { return captionOf(input); }

std::variant<Drawing, FormulaError> formulaDrawing(
    const FormulaInput& input, const SamplingView& view, WorldPoint captionAt)
{
    if (input.kind == FormulaKind::Equation || input.kind == FormulaKind::Inequality)
        return relationDrawing(input, usableView(view), captionAt);
    std::shared_ptr<const PiecewiseFunction> pieces;
    auto first = firstFormula(input, pieces);
    if (const auto* error = std::get_if<FormulaError>(&first))
        return *error;
    const Evaluate& f = std::get<Evaluate>(first);
    const auto range = rangeOf(input);
    if (const auto* error = std::get_if<FormulaError>(&range))
        return *error;
    const Range within = std::get<Range>(range);
    const SamplingView pixels = usableView(view);
    Drawing drawing;
    std::variant<SamplingTally, FormulaError> sampled;
    switch (input.kind) {
    case FormulaKind::Function:
        sampled = sampleFunction(drawing, input, f, within, pixels);
        break;
    case FormulaKind::Parametric:
        sampled = sampleParametric(drawing, input, f, within, pixels);
        break;
    case FormulaKind::Polar:
    case FormulaKind::Equation: // drawn above, never sampled along a variable
    case FormulaKind::Inequality:
        sampled = samplePolar(drawing, f, within, pixels);
        break;
    }
    if (const auto* error = std::get_if<FormulaError>(&sampled))
        return *error;
    const SamplingTally& tally = std::get<SamplingTally>(sampled);
    if (!tally.outOfTime && !tally.anyRealPoint) {
        const FormulaBox box = boxWithoutValues(input, f, within);
        return wholeBoxError(box, input, "在所给范围内，" + labelOf(input.kind, box) + "里的函数没有实数值。");
    }
    if (auto problem = unfaithful(input, tally, drawing))
        return *std::move(problem);
    for (Polyline& piece : drawing.polylines)
        piece.style = input.style;
    if (pieces)
        markJumpEnds(drawing, *pieces, within, pixels);
    drawing.captions.push_back({captionAt, captionOf(input)});
    return drawing;
}

FormulaVocabulary formulaVocabulary(FormulaKind kind, FormulaBox box)
{
    if (box == FormulaBox::From || box == FormulaBox::To)
        return {};
    switch (kind) {
    case FormulaKind::Function:
        return {"x", "y", {}, true};
    case FormulaKind::Parametric:
        return {"t", box == FormulaBox::First ? "x" : "y", {}, true};
    case FormulaKind::Polar:
        return {"theta", "r", {}, true};
    case FormulaKind::Equation:
    case FormulaKind::Inequality:
        return planeVocabulary(true); // read by the relation parser, with x and y
    }
    return {};
}

std::variant<CompiledFunction, FormulaError> compileFunction(std::string_view text, const FormulaParameters& parameters)
{
    auto compiled = parameters.empty()
        ? compileFormula(text, {"x", "y"})
        : compileWithValues(text, formulaVocabulary(FormulaKind::Function, FormulaBox::First), parameters);
    if (const auto* problem = std::get_if<TextProblem>(&compiled))
        return FormulaError{FormulaBox::First, problem->start, problem->length, "式子" + problem->message};
    return std::get<CompiledFunction>(std::move(compiled));
}

const std::string& boxText(const FormulaInput& input, FormulaBox box)
{
    switch (box) {
    case FormulaBox::First:
        return input.first;
    case FormulaBox::Second:
        return input.second;
    case FormulaBox::From:
        return input.from;
    case FormulaBox::To:
        return input.to;
    case FormulaBox::Objective:
        return input.objective;
    }
    return input.first;
}

} // namespace curvana
