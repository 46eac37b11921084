#pragma once
// Letters in an own formula that are neither its variable nor a constant ("a", "h", "k", "A", "ω",
// "φ") stand for numbers the user sets with a slider: each has a value, a range the slider
// covers and a step. The formula is read with them as named leaves, and the values are put in
// just before it is compiled, so the same typed text draws again with other numbers.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/formula/formula_syntax.h"

namespace curvana {

struct FormulaParameter {
    std::string name; // as typed, case kept: "a", "A", "ω"
    double value = 1;
    double from = -5;
    double to = 5;
    double step = 0.1;
    friend bool operator==(const FormulaParameter&, const FormulaParameter&) = default;
};
using FormulaParameters = std::vector<FormulaParameter>;

// The parameters `text` uses, in the order they first appear; none when it cannot be read.
std::vector<std::string> parameterNames(std::string_view text, const FormulaVocabulary& vocabulary);

// One parameter for each name, in that order: a name already in `kept` keeps its value, range and
// step, a new one starts at 1 with range −5 to 5 and step 0.1.
FormulaParameters parametersFor(const std::vector<std::string>& names, const FormulaParameters& kept);

// The named leaves of `tree` that are not the vocabulary's variables become their parameter's
// value (1 for a name without one), so the tree computes.
void putInValues(SyntaxTree& tree, const FormulaVocabulary& vocabulary, const FormulaParameters& parameters);

// What the caption adds after the formula: "　a=2　h=1　k=−3", numbers as the board writes them.
std::string parameterCaption(const FormulaParameters& parameters);

// Whether any value is not a whole number, so labels of special points are written as decimals.
bool anyFractionalValue(const FormulaParameters& parameters);

// Why the range or step of `parameter` cannot be used (in Chinese, naming its box), if so.
std::optional<std::string> rangeProblem(const FormulaParameter& parameter);

// The value `steps` steps away (negative: down), kept within the range and on the step's grid
// counted from "从", so repeated steps never gather rounding.
double steppedValue(const FormulaParameter& parameter, int steps);

// A number as the boxes and captions show it: at most six significant digits, no trailing zeros,
// a true minus sign ("−3", "0.5", "2").
std::string shownNumber(double value);

// A playing parameter crosses its range in about this many seconds.
inline constexpr double kPlayCrossingSeconds = 4;
// Where a playing parameter is `seconds` after it stood at its value moving in `direction` (+1 up
// to "到", −1 down to "从"): it turns at either end and goes on.
struct PlayPosition {
    double value = 0;
    int direction = 1;
};
PlayPosition playedOn(const FormulaParameter& parameter, int direction, double seconds);

} // namespace curvana
