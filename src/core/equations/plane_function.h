#pragma once
// F(x, y) of an equation or inequality, evaluated at a point and over a box. The box form gives
// bounds that always hold (interval arithmetic), so a box whose bounds exclude 0 is known to hold
// no point of F = 0 and the curve tracer never looks inside it.
#include <cstdint>
#include <vector>

#include "core/formula/formula_syntax.h"

namespace curvana {

// The closed range [low, high]; `empty` when F has no real value anywhere in the box.
struct ValueRange {
    double low = 0;
    double high = 0;
    bool empty = false;
    bool contains(double v) const { return !empty && low <= v && v <= high; }
};

// Evaluation reuses scratch space inside the object: one object per thread (copies are independent).
class PlaneFunction {
public:
    // `tree` uses the variables x and y (from planeVocabulary()).
    explicit PlaneFunction(const SyntaxTree& tree);

    // NaN where F has no real value.
    double operator()(double x, double y) const;
    ValueRange over(ValueRange x, ValueRange y) const;

    // How many steps one evaluation takes, a measure of the formula's cost.
    int size() const { return static_cast<int>(m_program.size()); }

private:
    enum class Op : std::uint8_t {
        Constant,
        X,
        Y,
        Negate,
        Add,
        Subtract,
        Multiply,
        Divide,
        Power,
        IntegerPower,
        LogarithmToBase,
        Sqrt,
        Abs,
        Exp,
        Ln,
        Lg,
        Sin,
        Cos,
        Tan,
        Cot,
        Sec,
        Csc,
        Arcsin,
        Arccos,
        Arctan,
    };
    struct Step {
        Op op;
        double value; // the constant, or the exponent of an IntegerPower
    };
    static bool isBinary(Op op);
    void compile(const SyntaxTree& tree, int index);

    std::vector<Step> m_program; // postfix: operands before their operation
    mutable std::vector<double> m_values;
    mutable std::vector<ValueRange> m_ranges;
};

} // namespace curvana
