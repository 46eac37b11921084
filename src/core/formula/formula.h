#pragma once
// The own-formula window's work apart from the window: a formula typed in school notation, with
// its range, turned into the connected pieces of its curve and a caption, or into one clear message that says
// which box holds the mistake and where in it.
#include <string>
#include <string_view>
#include <variant>

#include "core/curves/drawing.h"
#include "core/formula/formula_engine.h"
#include "core/formula/formula_sampler.h"
#include "core/formula/parameters.h"

namespace curvana {

enum class FormulaKind {
    Function, // y = f(x)
    Parametric, // x = f(t), y = g(t)
    Polar, // r = f(θ)
    Equation, // 方程: left = right in x and y
    Inequality, // 不等式: one or more inequalities in x and y, with an optional objective z
};

// The texts of the boxes; `second` is used by parametric curves only. A range box holds a
// formula without variable ("-10", "2π", "π/2").
struct FormulaInput {
    FormulaKind kind = FormulaKind::Function;
    std::string first;
    std::string second;
    std::string from;
    std::string to;
    FormulaParameters parameters = {}; // the values the formula's other letters stand for
    std::string objective = {}; // "目标函数 z =" of an inequality; empty for none
    LineStyle style = LineStyle::Solid; // "实线" / "虚线"
    bool conicLines = false; // "渐近线与准线" of a recognised conic
};

enum class FormulaBox { First, Second, From, To, Objective };

// The text of one box of `input`.
const std::string& boxText(const FormulaInput& input, FormulaBox box);

// `start` and `length` select the mistake in the box, in code points, `start` counted from 0;
// the message counts characters from 1.
struct FormulaError {
    FormulaBox box = FormulaBox::First;
    int start = 0;
    int length = 0;
    std::string message;
};

// Evaluations one curve may spend (a parametric point costs two).
inline constexpr long kFormulaMaxEvaluations = 400000;

// What the range boxes hold when the window opens: -10 to 10 for x, 0 to 2π for t and θ.
struct FormulaRangeTexts {
    std::string from;
    std::string to;
};
FormulaRangeTexts defaultFormulaRange(FormulaKind kind);

// The pieces of the curve within `view` and its caption (the formula as typed, after "y=",
// "x=…, y=…" or "r=") with its top-left corner at `captionAt`, or the first mistake. A curve that
// computes longer than about 0.3 s, or that cannot be drawn truly within the view, is a mistake too.
std::variant<Drawing, FormulaError> formulaDrawing(
    const FormulaInput& input, const SamplingView& view, WorldPoint captionAt);
// The caption formulaDrawing writes: the formula as typed after "y=", "x=…, y=…" or "r=".
std::string formulaCaption(const FormulaInput& input);

// y = f(x) typed in school notation, compiled for other code to evaluate; its other letters stand
// for the values of `parameters`.
std::variant<CompiledFunction, FormulaError> compileFunction(
    std::string_view text, const FormulaParameters& parameters = {});

// How the window reads the box `box` of a formula of `kind`: its variable, its left side, and
// other letters as parameters.
FormulaVocabulary formulaVocabulary(FormulaKind kind, FormulaBox box);

} // namespace curvana
