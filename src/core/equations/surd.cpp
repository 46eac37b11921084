#include "core/equations/surd.h"

#include <cmath>

namespace curvana {

namespace {

// Trial division stops here: radicands of a school exercise are small.
constexpr long long kLargestFactor = 100000;

std::string magnitudeText(const Rational& coefficient, long long radicand)
{
    const long long p = coefficient.numerator() < 0 ? -coefficient.numerator() : coefficient.numerator();
    std::string text = p == 1 && radicand != 1 ? "" : std::to_string(p);
    if (radicand != 1)
        text += "√" + std::to_string(radicand);
    if (coefficient.denominator() != 1)
        text += "/" + std::to_string(coefficient.denominator());
    return text;
}

} // namespace

double Surd::value() const { return rational.value() + coefficient.value() * std::sqrt(static_cast<double>(radicand)); }

std::string Surd::text() const
{
    if (coefficient.isZero())
        return rational.text();
    const std::string root = magnitudeText(coefficient, radicand);
    if (rational.isZero())
        return (coefficient.sign() < 0 ? "−" : "") + root;
    return rational.text() + (coefficient.sign() < 0 ? " − " : " + ") + root;
}

std::optional<Surd> squareRootOf(const Rational& value)
{
    if (value.sign() < 0)
        return std::nullopt;
    if (value.isZero())
        return Surd{};
    // √(p/q) = √(p·q)/q; p·q = s²·n with n square-free.
    const __int128 product = static_cast<__int128>(value.numerator()) * value.denominator();
    if (product > static_cast<__int128>(kLargestFactor) * kLargestFactor)
        return std::nullopt;
    long long rest = static_cast<long long>(product);
    long long outside = 1;
    for (long long f = 2; f * f <= rest; ++f)
        while (rest % (f * f) == 0) {
            rest /= f * f;
            outside *= f;
        }
    const Rational coefficient(outside, value.denominator());
    if (rest == 1)
        return Surd{coefficient, Rational(0), 1};
    return Surd{Rational(0), coefficient, rest};
}

} // namespace curvana
