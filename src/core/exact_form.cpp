#include "core/exact_form.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace curvana {

namespace {

constexpr int kMaxDenominator = 12;
constexpr int kMaxRadicand = 50;
constexpr double kLargestExact = 1e6;
constexpr double kRelativeAgreement = 1e-9;
constexpr double kAbsoluteAgreement = 1e-12;
const std::string kMinus = "−";

bool agrees(double candidate, double value)
{
    return std::fabs(candidate - value) <= std::fmax(kRelativeAgreement * std::fabs(value), kAbsoluteAgreement);
}

bool isSquareFree(int n)
{
    for (int d = 2; d * d <= n; ++d)
        if (n % (d * d) == 0)
            return false;
    return true;
}

std::string signOf(long long numerator)
{
    return numerator < 0 ? kMinus : std::string();
}

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

std::optional<std::string> surdForm(double value)
{
    for (int n = 2; n <= kMaxRadicand; ++n) {
        if (!isSquareFree(n))
            continue;
        if (auto form = multipleOf(value, std::sqrt(static_cast<double>(n)), "√" + std::to_string(n)))
            return form;
    }
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

} // namespace

std::optional<std::string> exactForm(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > kLargestExact)
        return std::nullopt;
    if (std::fabs(value) <= kAbsoluteAgreement)
        return "0";
    if (auto rational = multipleOf(value, 1, ""))
        return rational;
    if (auto ofPi = multipleOf(value, std::numbers::pi, "π"))
        return ofPi;
    return surdForm(value);
}

bool isIrrationalForm(const std::string& form)
{
    return form.find("π") != std::string::npos || form.find("√") != std::string::npos;
}

std::string decimalForm(double value)
{
    if (!std::isfinite(value))
        return std::isnan(value) ? "NaN" : value > 0 ? "∞" : kMinus + "∞";
    if (value == 0)
        return "0";
    const double magnitude = std::fabs(value);
    if (magnitude < 1e-4 || magnitude >= 1e15) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.3e", value);
        return withTrueMinus(buffer);
    }
    // Rounding to four significant digits first settles the digit count (9.99996 becomes 10).
    char rounded[64];
    std::snprintf(rounded, sizeof rounded, "%.3e", value);
    const double four = std::strtod(rounded, nullptr);
    const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(four))));
    return fixed(four, exponent >= 3 ? 0 : 3 - exponent);
}

std::string approximateForm(double value)
{
    return fixed(value, 3);
}

} // namespace curvana
