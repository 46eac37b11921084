#pragma once
// An equation's F(x, y) expanded exactly when it is a polynomial of degree at most 2 with rational
// coefficients, as the textbook's lines and conics are: (x−1)²+(y+2)²−9 is x²+y²−2x+4y−4.
#include <optional>

#include "core/formula/formula_syntax.h"
#include "core/equations/rational.h"

namespace curvana {

// Σ coefficient[i][j]·x^i·y^j over i + j <= 2.
struct PlanePolynomial {
    Rational coefficient[3][3];

    int degree() const;
    PlanePolynomial operator+(const PlanePolynomial& other) const;
    PlanePolynomial scaled(const Rational& factor) const;
};

// None when the tree is not such a polynomial (a function call, π, a power that is not a small
// whole number, a division by something with x or y, a degree above 2) or its numbers outgrow
// exact fractions.
std::optional<PlanePolynomial> expandedPolynomial(const SyntaxTree& tree);

} // namespace curvana
