#pragma once
// The 线性规划 lesson: a region given by linear inequalities, its corner points exactly, and where
// an objective z = ax + by + c is largest and smallest over it.
#include <optional>
#include <string>
#include <variant>

#include "core/formula/parameters.h"
#include <vector>

#include "core/equations/rational.h"
#include "core/equations/relation.h"

namespace curvana {

// a·x + b·y <= c, or < c when strict.
struct LinearConstraint {
    Rational a, b, c;
    bool strict = false;
};

struct ExactPoint {
    Rational x, y;
    std::string text() const; // "(1, 3)", "(−1/2, 0)"
    friend bool operator==(const ExactPoint&, const ExactPoint&) = default;
};

// The inequalities as linear constraints, or none when one of them is not linear in x and y.
std::optional<std::vector<LinearConstraint>> linearConstraints(const std::vector<Relation>& inequalities);

struct LinearRegion {
    bool empty = false;
    std::vector<ExactPoint> corners; // in order round the region
};

LinearRegion linearRegion(const std::vector<LinearConstraint>& constraints);

// z = a·x + b·y + c, read from the "目标函数 z =" box.
struct LinearObjective {
    Rational a, b, c;
};
// With `parameters`, letters other than x and y take their values (1 when not there), as in the
// inequalities: z = a x + y turns with a's slider.
std::variant<LinearObjective, TextProblem> parseObjective(
    std::string_view text, const std::string& boxName, const FormulaParameters* parameters = nullptr);

// How the objective is read: x and y, a leading "z =" skipped, other letters parameters.
FormulaVocabulary objectiveVocabulary(bool parameters);

// The largest or smallest z over the region, said the way the exercise asks for it:
// "最大值 z = 7，在 (1, 3)", "没有最大值", "可行域是空的，没有最大值".
struct Optimum {
    bool exists = false;
    Rational value;
    std::vector<ExactPoint> at; // the corners where it is reached (two: the whole edge between)
    std::string text;
};
Optimum maximumOf(const LinearObjective& objective, const std::vector<LinearConstraint>& constraints);
Optimum minimumOf(const LinearObjective& objective, const std::vector<LinearConstraint>& constraints);

} // namespace curvana
