#pragma once
// Exact fractions for the corner points of regions and the coefficients of equations, so that
// 1/3 stays 1/3. Numbers that outgrow 64 bits throw RationalOverflow: the caller then has no exact
// answer and says so, rather than showing a wrong one.
#include <compare>
#include <optional>
#include <string>

namespace curvana {

struct RationalOverflow { };

class Rational {
public:
    Rational(long long numerator = 0, long long denominator = 1);

    long long numerator() const { return m_numerator; }
    long long denominator() const { return m_denominator; }
    double value() const { return static_cast<double>(m_numerator) / static_cast<double>(m_denominator); }
    bool isZero() const { return m_numerator == 0; }
    int sign() const { return (m_numerator > 0) - (m_numerator < 0); }

    friend Rational operator+(const Rational& a, const Rational& b);
    friend Rational operator-(const Rational& a, const Rational& b);
    friend Rational operator*(const Rational& a, const Rational& b);
    friend Rational operator/(const Rational& a, const Rational& b); // throws RationalOverflow for b = 0
    Rational operator-() const;
    friend bool operator==(const Rational&, const Rational&) = default;
    friend std::strong_ordering operator<=>(const Rational& a, const Rational& b);

    // "7", "−2", "3/4", "−1/2" (with "−", U+2212).
    std::string text() const;

    // The fraction a typed decimal stands for ("0.0025" is 1/400); none for values such as 1e-30.
    static std::optional<Rational> fromDecimal(double value);

private:
    long long m_numerator;
    long long m_denominator;
};

} // namespace curvana
