#pragma once
// A typed formula turned into something that computes: the school-notation tree is written out in
// muparser's syntax, which compiles it to byte code and evaluates it quickly.
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "core/formula/formula_syntax.h"

namespace curvana {

// f(v) of one formula. Copies are independent: each owns its own compiled parser (muparser's
// parser is not safe to share between threads), so a thread evaluating its own copy is safe.
// Where the formula has no real value the result is NaN or infinite.
class CompiledFunction {
public:
    CompiledFunction(const CompiledFunction& other);
    CompiledFunction& operator=(const CompiledFunction& other);
    CompiledFunction(CompiledFunction&&) noexcept;
    CompiledFunction& operator=(CompiledFunction&&) noexcept;
    ~CompiledFunction();

    double operator()(double variable) const;

    // The formula in muparser's syntax, its variable called v.
    const std::string& engineText() const;

    // The compiled form of `tree`, or why muparser refused it (which a tree from parseFormula
    // should never give).
    static std::variant<CompiledFunction, TextProblem> fromTree(const SyntaxTree& tree);

private:
    struct Engine;
    explicit CompiledFunction(std::unique_ptr<Engine> engine);
    std::unique_ptr<Engine> m_engine;
};

// parseFormula, then fromTree.
std::variant<CompiledFunction, TextProblem> compileFormula(std::string_view text, const FormulaVocabulary& vocabulary);

// a^b as school defines it: a negative base with an exponent p/q of odd q is the real q-th root
// to the p-th (x^(1/3) of a negative x); NaN where there is no real value.
double schoolPower(double base, double exponent);

// log_b(x); a base that is not positive or is 1 has no logarithm (NaN).
double logarithmToBase(double base, double v);

// The tree in muparser's syntax, every operation in brackets.
std::string muparserText(const SyntaxTree& tree);

} // namespace curvana
