#pragma once
// Writing a computed coordinate the way a pupil would: an exact form when the value is one of the
// few a school problem produces (integers, simple fractions, multiples of π, simple surds), and a
// short decimal otherwise. Every minus sign is "−" (U+2212).
#include <optional>
#include <string>

namespace curvana {

// An integer ("3"), a fraction p/q with q <= 12 ("−1/2"), a rational multiple of π with
// denominator <= 12 ("π/4", "3π/2", "−π") or p√n/q with square-free n <= 50 and q <= 12 ("√3",
// "2√5", "−3√2/4") that agrees with `value` to 1e-9 relative (1e-12 absolute near 0); nothing
// otherwise, and nothing for magnitudes beyond 1e6 or non-finite values.
std::optional<std::string> exactForm(double value);

// Whether an exact form needs a decimal beside it to be read at a glance (it holds √ or π).
bool isIrrationalForm(const std::string& form);

// Four significant digits without trailing zeros: "1.732", "0.7854", "−12.35", "0".
std::string decimalForm(double value);

// Three decimal places without trailing zeros, the companion of an irrational exact form:
// "≈ (1.732, 0.707)".
std::string approximateForm(double value);

} // namespace curvana
