#include "core/points/exact_form.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <vector>

namespace curvana {

namespace {

constexpr int kMaxDenominator = 12;
constexpr int kMaxRadicand = 50;
// The quadratic formula's surd part q√n stays small in school problems.
constexpr int kMaxSurdCoefficient = 6;
// A decimal typed for a curve rarely has more places than this.
constexpr int kMaxDecimalPlaces = 4;
// Below half a unit in the fourth decimal place a decimal is written "0".
constexpr double kSmallestShown = 5e-5;
constexpr double kLargestExact = 1e6;
constexpr double kRelativeAgreement = 1e-9;
constexpr double kAbsoluteAgreement = 1e-12;
// Some plotters read typed numbers in single precision: 0.1 comes back as 0.10000000149.
constexpr double kTypedAgreement = 1e-7;
const std::string kMinus = "−";

bool agrees(double candidate, double value, double relative = kRelativeAgreement)
{
    return std::fabs(candidate - value) <= std::fmax(relative * std::fabs(value), kAbsoluteAgreement);
}

bool isSquareFree(int n)
{
    for (int d = 2; d * d <= n; ++d)
        if (n % (d * d) == 0)
            return false;
    return true;
}

std::string signOf(long long numerator) { return numerator < 0 ? kMinus : std::string(); }

// "p/q", "p" or, around a symbol ("π", "√2"), "pπ/q" with a numerator of 1 left out.
std::string ratio(long long numerator, int denominator, const std::string& symbol)
{
    const long long magnitude = std::llabs(numerator);
    std::string text = signOf(numerator);
    if (symbol.empty() || magnitude != 1)
        text += std::to_string(magnitude);
    text += symbol;
    if (denominator != 1)
        text.append(1, '/').append(std::to_string(denominator)); // appended: see number.cpp on -Wrestrict
    return text;
}

// The smallest denominator q for which value / unit is p/q with p != 0, written around `symbol`.
std::optional<std::string> multipleOf(double value, double unit, const std::string& symbol)
{
    for (int q = 1; q <= kMaxDenominator; ++q) {
        const double p = std::round(value / unit * q);
        if (p != 0 && agrees(p * unit / q, value))
            return ratio(static_cast<long long>(p), q, symbol);
    }
    return std::nullopt;
}

struct Radicand {
    int n = 0;
    double root = 0;
};

// The square-free radicands up to kMaxRadicand with their roots, worked out once.
const std::vector<Radicand>& radicands()
{
    static const std::vector<Radicand> all = [] {
        std::vector<Radicand> list;
        for (int n = 2; n <= kMaxRadicand; ++n)
            if (isSquareFree(n))
                list.push_back({n, std::sqrt(static_cast<double>(n))});
        return list;
    }();
    return all;
}

std::optional<std::string> surdForm(double value)
{
    for (const Radicand& radicand : radicands())
        if (auto form = multipleOf(value, radicand.root, "√" + std::to_string(radicand.n)))
            return form;
    return std::nullopt;
}

// "p+q√n", "p−q√n", or the same in brackets over r.
std::string mixedSurd(long long p, int sign, int q, int n, int r)
{
    std::string text = signOf(p) + std::to_string(std::llabs(p)) + (sign < 0 ? kMinus : "+");
    if (q != 1)
        text += std::to_string(q);
    text += "√" + std::to_string(n);
    return r == 1 ? text : "(" + text + ")/" + std::to_string(r);
}

// (p ± q√n)/r with p != 0 and the smallest r; the smallest r also leaves p, q and r coprime.
std::optional<std::string> mixedSurdForm(double value)
{
    // p must be an integer within the agreement of r·value ∓ q√n: a cheap test before the exact one.
    const double slack = 2 * std::fmax(kRelativeAgreement * std::fabs(value), kAbsoluteAgreement) * kMaxDenominator;
    for (int r = 1; r <= kMaxDenominator; ++r)
        for (const Radicand& radicand : radicands())
            for (int q = 1; q <= kMaxSurdCoefficient; ++q)
                for (int sign : {1, -1}) {
                    const double rest = value * r - sign * q * radicand.root;
                    const double p = std::round(rest);
                    if (std::fabs(rest - p) <= slack && p != 0 && agrees((p + sign * q * radicand.root) / r, value))
                        return mixedSurd(static_cast<long long>(p), sign, q, radicand.n, r);
                }
    return std::nullopt;
}

// ±ln n, ±e and ±1/e: the zeros and extrema of the logarithm and exponential families.
std::optional<std::string> logOrEForm(double value)
{
    struct Named {
        double value;
        const char* text;
    };
    const std::array<Named, 9> named{{{std::log(2.0), "ln 2"}, {std::log(3.0), "ln 3"}, {std::log(5.0), "ln 5"},
        {std::log(6.0), "ln 6"}, {std::log(7.0), "ln 7"}, {std::log(10.0), "ln 10"}, {std::numbers::e, "e"},
        {1 / std::numbers::e, "1/e"}, {std::numbers::e * std::numbers::e, "e²"}}};
    for (const Named& candidate : named)
        for (int sign : {1, -1})
            if (agrees(sign * candidate.value, value))
                return (sign < 0 ? kMinus : std::string()) + candidate.text;
    return std::nullopt;
}

// printf's text with every '-' turned into "−" and a lone "−0" into "0".
std::string withTrueMinus(const char* text)
{
    std::string out;
    for (const char* c = text; *c; ++c)
        out += *c == '-' ? kMinus : std::string(1, *c);
    return out == kMinus + "0" ? "0" : out;
}

std::string withoutTrailingZeros(std::string text)
{
    if (text.find('.') == std::string::npos)
        return text;
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::string fixed(double value, int decimals)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return withTrueMinus(withoutTrailingZeros(buffer).c_str());
}

// The value with at most four decimal places, when it is one.
std::optional<std::string> shortDecimal(double value, double relative = kRelativeAgreement)
{
    double scale = 1;
    for (int places = 0; places <= kMaxDecimalPlaces; ++places, scale *= 10)
        if (agrees(std::round(value * scale) / scale, value, relative))
            return fixed(value, places);
    return std::nullopt;
}

} // namespace

std::optional<std::string> exactForm(double value, bool preferDecimals)
{
    if (!std::isfinite(value) || std::fabs(value) > kLargestExact)
        return std::nullopt;
    if (std::fabs(value) <= kAbsoluteAgreement)
        return "0";
    if (preferDecimals)
        if (auto decimal = shortDecimal(value, kTypedAgreement))
            return decimal;
    if (auto rational = multipleOf(value, 1, ""))
        return rational;
    if (auto decimal = shortDecimal(value))
        return decimal;
    if (auto ofPi = multipleOf(value, std::numbers::pi, "π"))
        return ofPi;
    if (auto surd = surdForm(value))
        return surd;
    if (auto named = logOrEForm(value))
        return named;
    return mixedSurdForm(value);
}

bool isIrrationalForm(const std::string& form)
{
    for (const char* symbol : {"π", "√", "ln", "e"})
        if (form.find(symbol) != std::string::npos)
            return true;
    return false;
}

std::string decimalForm(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : value > 0 ? "∞" : kMinus + "∞";
    if (value == 0)
        return "0";
    if (std::fabs(value) < kSmallestShown)
        return "0";
    // Rounding to four significant digits first settles the digit count (9.99996 becomes 10).
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.3e", value);
    const double four = std::strtod(rounded, nullptr);
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(four))));
    return fixed(four, exponent >= 3 ? 0 : std::min(3 - exponent, kMaxDecimalPlaces));
}

} // namespace curvana
