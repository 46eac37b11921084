#pragma once
// Writing a computed coordinate the way a pupil would: an exact form when the value is one of the
// few a school problem produces (integers, simple fractions, short decimals, multiples of π,
// surds and the quadratic formula's (p ± q√n)/r, ln n, e), and a rounded decimal otherwise.
// Every minus sign is "−" (U+2212); nothing is ever written in scientific notation.
#include <optional>
#include <string>

namespace curvana {

// An integer ("3"), a fraction p/q with q <= 12 ("−1/2") or, with `preferDecimals` (the user typed
// decimals for the curve), a decimal of at most four places ("−4.5", "3.1") where one is exact;
// other decimals of at most four places ("0.05"); a rational multiple of π with denominator
// <= 12 ("π/4", "3π/2", "−π"); p√n/q with square-free n <= 50 and q <= 12 ("√3", "−3√2/4");
// (p ± q√n)/r ("1+√2", "(1−√5)/2"); ±ln n for small n ("ln 2"); ±e, ±1/e. The form agrees with
// `value` to 1e-9 relative (1e-12 absolute near 0); nothing otherwise, and nothing for
// magnitudes beyond 1e6 or non-finite values.
std::optional<std::string> exactForm(double value, bool preferDecimals = false);

// Whether an exact form needs a decimal beside it to be read at a glance (it holds √, π, ln or e).
bool isIrrationalForm(const std::string& form);

// Four significant digits without trailing zeros: "1.732", "0.7854", "−12.35", "0". Magnitudes
// that would round away at four decimal places read "0", not 1.000e−10.
std::string decimalForm(double value);

} // namespace curvana
