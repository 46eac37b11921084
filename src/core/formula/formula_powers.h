#pragma once
// What a typed power means where the notation alone leaves doubt: which exponents give a negative
// base a real value, and when a / after an exponent belongs to it.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/formula/formula_syntax.h"

namespace curvana {

// The value of a run of raised digits and signs in ASCII ("2", "-1", "+3"), or nothing ("--1", "-").
std::optional<int> raisedNumber(std::string_view word);

// Whether `tokens[slash]`, a / after the exponent that starts at `exponentFirst`, plainly divides the
// power: after a whole exponent of 2 or more it does, as textbooks write conics and parabolas,
// (x-m)^2/a^2 and x^2/4, unless the two numbers make a fraction in lowest terms that is not whole,
// as a power function's exponent is written (x^2/3 may well mean x^(2/3)).
bool readsAsPowerThenQuotient(const std::vector<Token>& tokens, std::size_t exponentFirst, std::size_t slash);

// The refusal of "x^1/2", showing both readings, x^(1/2) and (x^1)/2: `tokens` run from the base to
// the divisor's end, with the exponent and the slash at the given places among them.
std::string twoReadingsMessage(
    std::u32string_view codes, std::span<const Token> tokens, std::size_t exponent, std::size_t slash);

} // namespace curvana
