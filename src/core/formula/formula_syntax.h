#pragma once
// A typed formula read into a tree, in school notation: implicit products ("2x", "x(x+1)"),
// a function name applying to the term after it ("sin 2x" is sin(2x)), √, |x|, ² and ³.
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/formula/formula_text.h"

namespace curvana {

inline constexpr int kMaxFormulaLength = 1000; // code points
inline constexpr int kMaxFormulaNesting = 64; // brackets, functions, signs and powers inside each other

enum class SyntaxKind { Number, Pi, E, Variable, Negate, Add, Subtract, Multiply, Divide, Power, Call };

// One node; `left` and `right` index the tree's nodes (-1 for none). A Call names its function in
// `function` ("sin", "sqrt", "log", ...) with its argument in `left`; "log" has the base in `left`
// and the argument in `right`. A Variable holds its name in `function` ("x", "y").
struct SyntaxNode {
    SyntaxKind kind = SyntaxKind::Number;
    double value = 0;
    std::string function;
    int left = -1;
    int right = -1;
};

struct SyntaxTree {
    std::vector<SyntaxNode> nodes;
    int root = -1;
};

// How a power is taken where its base is negative: a whole exponent as it is, an exponent typed as
// a fraction of whole numbers with an odd denominator (x^(1/3), x^(-2/5), ∛x) as a real root, any
// other exponent (x^0.5, x^x, (-2)^x) not at all, so no stray dots appear where it happens to be whole.
enum class PowerReading { Whole, OddRoot, PositiveBase };
PowerReading powerReading(const SyntaxTree& tree, const SyntaxNode& power);

// The tree of `text` (UTF-8) or its first mistake. An empty text is a mistake too.
std::variant<SyntaxTree, TextProblem> parseFormula(std::string_view text, const FormulaVocabulary& vocabulary);

} // namespace curvana
