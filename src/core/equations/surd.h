#pragma once
// Numbers of the form r + s·√n (r, s rational, n square-free), which is what the points of a
// conic given by rational coefficients come to: the foci (±4, 0), the crossing (√2, √2).
#include <optional>
#include <string>

#include "core/equations/rational.h"

namespace curvana {

struct Surd {
    Rational rational;
    Rational coefficient; // of √radicand
    long long radicand = 1;

    double value() const;
    // "4", "−1/2", "√2", "2√5", "√3/2", "1 + √2", "−3 − 2√5/3" (minus signs are "−").
    std::string text() const;
    Surd operator-() const { return {-rational, -coefficient, radicand}; }
    Surd scaled(const Rational& factor) const { return {rational * factor, coefficient * factor, radicand}; }
    Surd plus(const Rational& offset) const { return {rational + offset, coefficient, radicand}; }
};

// √value exactly, or none when value is negative or too large to factor.
std::optional<Surd> squareRootOf(const Rational& value);

} // namespace curvana
