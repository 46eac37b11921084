#include "core/equations/rational.h"

#include <cmath>
#include <numeric>

namespace curvana {

namespace {

using Wide = __int128;

long long narrowed(Wide value)
{
    if (value > static_cast<Wide>(INT64_MAX) || value < -static_cast<Wide>(INT64_MAX))
        throw RationalOverflow{};
    return static_cast<long long>(value);
}

Wide gcdOf(Wide a, Wide b)
{
    a = a < 0 ? -a : a;
    b = b < 0 ? -b : b;
    while (b != 0) {
        const Wide rest = a % b;
        a = b;
        b = rest;
    }
    return a;
}

Rational reduced(Wide numerator, Wide denominator)
{
    if (denominator == 0)
        throw RationalOverflow{};
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const Wide common = gcdOf(numerator, denominator);
    if (common > 1) {
        numerator /= common;
        denominator /= common;
    }
    return Rational(narrowed(numerator), narrowed(denominator));
}

} // namespace

Rational::Rational(long long numerator, long long denominator)
    : m_numerator(numerator)
    , m_denominator(denominator)
{
    if (denominator == 0)
        throw RationalOverflow{};
    if (denominator < 0 || std::gcd(numerator, denominator) > 1) {
        const Rational normal = reduced(numerator, denominator);
        m_numerator = normal.m_numerator;
        m_denominator = normal.m_denominator;
    }
}

Rational operator+(const Rational& a, const Rational& b)
{
    return reduced(
        static_cast<Wide>(a.m_numerator) * b.m_denominator + static_cast<Wide>(b.m_numerator) * a.m_denominator,
        static_cast<Wide>(a.m_denominator) * b.m_denominator);
}

Rational operator-(const Rational& a, const Rational& b) { return a + (-b); }

Rational operator*(const Rational& a, const Rational& b)
{
    return reduced(
        static_cast<Wide>(a.m_numerator) * b.m_numerator, static_cast<Wide>(a.m_denominator) * b.m_denominator);
}

Rational operator/(const Rational& a, const Rational& b)
{
    return reduced(
        static_cast<Wide>(a.m_numerator) * b.m_denominator, static_cast<Wide>(a.m_denominator) * b.m_numerator);
}

Rational Rational::operator-() const { return Rational(-m_numerator, m_denominator); }

std::strong_ordering operator<=>(const Rational& a, const Rational& b)
{
    return static_cast<Wide>(a.m_numerator) * b.m_denominator <=> static_cast<Wide>(b.m_numerator) * a.m_denominator;
}

std::string Rational::text() const
{
    std::string out = m_numerator < 0 ? "−" : "";
    out += std::to_string(m_numerator < 0 ? -m_numerator : m_numerator);
    if (m_denominator != 1)
        out += "/" + std::to_string(m_denominator);
    return out;
}

std::optional<Rational> Rational::fromDecimal(double value)
{
    long long scale = 1;
    for (int digits = 0; digits <= 12; ++digits, scale *= 10) {
        const double scaled = value * static_cast<double>(scale);
        if (std::fabs(scaled) > 1e15)
            return std::nullopt;
        if (std::nearbyint(scaled) == scaled)
            return Rational(static_cast<long long>(scaled), scale);
    }
    return std::nullopt;
}

} // namespace curvana
