#pragma once
// Equations and inequalities in x and y as the textbook writes them: "x²+y²=4", "2x+3y−6=0",
// "x+y≤4，x−y≥−2，y≥0" (joined by "，", "," or "且"; ≤ <= ≥ >= < > and their full-width forms),
// a chain "0≤x≤3" being two inequalities.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/formula/formula_syntax.h"
#include "core/formula/parameters.h"

namespace curvana {

// Every relation is kept as F(x, y) compared with 0: an equation F = 0, an inequality F < 0 or
// F <= 0 (a ">" is turned round), so the region and its boundary read one form.
enum class RelationSign { Equal, Less, LessOrEqual };

struct Relation {
    SyntaxTree function; // F: the left side minus the right side, or the other way round for > and >=
    RelationSign sign = RelationSign::Equal;
    int start = 0; // the relation in the typed text, code points from 0
    int length = 0;
};

// One equation "left = right", or the first mistake. `boxName` ("“方程”框") starts the message.
// With `parameters`, letters other than x and y are parameters and their values are put in (1 for
// a letter without one), as in the other kinds of the own-formula window; without, a letter other
// than x and y is a mistake (a condition inside a piecewise function).
std::variant<Relation, TextProblem> parseEquation(
    std::string_view text, const std::string& boxName, const FormulaParameters* parameters = nullptr);

// One or more inequalities, or the first mistake; `parameters` as for parseEquation.
std::variant<std::vector<Relation>, TextProblem> parseInequalities(
    std::string_view text, const std::string& boxName, const FormulaParameters* parameters = nullptr);

// The parameters of an equation or inequalities, in the order they first appear: each side between
// the signs and separators is read as the other kinds read their formulas.
std::vector<std::string> relationParameterNames(std::string_view text);

// What a y = f(x) box holds when it is not a function: the window switches to the kind it names.
enum class RelationKind { None, Equation, Inequalities };
RelationKind relationKindOf(std::string_view text);

// The vocabulary of an equation: x and y; with `parameters`, other letters are parameters.
FormulaVocabulary planeVocabulary(bool parameters = false);

// Whether `tree` uses the variable named `name`.
bool usesVariable(const SyntaxTree& tree, std::string_view name);

} // namespace curvana
