#include "core/text/number.h"

#include <algorithm>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <system_error>

#include "core/text/typed_text.h"
#include "core/text/utf8.h"

namespace curvana {

namespace {

// Marks a code point that has no place in a number, so the whole text is refused.
constexpr char kForeign = '\x01';

// The ASCII character a typed code point stands for, read as in a formula; what has no ASCII form
// has no place in a number.
char asciiEquivalent(char32_t code)
{
    const char32_t plain = plainForm(code);
    return plain < 0x80 ? static_cast<char>(plain) : kForeign;
}

std::string toAscii(std::string_view text)
{
    std::string ascii;
    ascii.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        if (const char32_t code = nextCodePoint(text, pos); plainForm(code) != kSkippedCode)
            ascii += asciiEquivalent(code);
    return ascii;
}

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

// The pieces of a number that passed the grammar check; sign and '+' are kept apart because
// from_chars accepts no '+'.
struct NumberText {
    bool negative = false;
    std::string_view unsignedPart; // digits, point, exponent
    std::string_view mantissa; // digits and point only
    std::string_view exponentDigits; // with its sign, may be empty
};

std::optional<NumberText> splitNumber(std::string_view text)
{
    NumberText number;
    std::size_t pos = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        number.negative = text[0] == '-';
        pos = 1;
    }
    const std::size_t start = pos;
    const std::size_t intEnd = skipDigits(text, pos);
    std::size_t fracEnd = intEnd;
    if (intEnd < text.size() && text[intEnd] == '.')
        fracEnd = skipDigits(text, intEnd + 1);
    const bool hasDigits = intEnd > start || fracEnd > intEnd + 1;
    if (!hasDigits)
        return std::nullopt;
    number.mantissa = text.substr(start, fracEnd - start);
    pos = fracEnd;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t expStart = pos + 1;
        std::size_t digitsStart = expStart;
        if (digitsStart < text.size() && (text[digitsStart] == '+' || text[digitsStart] == '-'))
            ++digitsStart;
        pos = skipDigits(text, digitsStart);
        if (pos == digitsStart)
            return std::nullopt;
        number.exponentDigits = text.substr(expStart, pos - expStart);
    }
    if (pos != text.size())
        return std::nullopt;
    number.unsignedPart = text.substr(start);
    return number;
}

// Decimal order of magnitude of a number whose conversion fell out of range; only its sign is
// used, to tell an underflow (a tiny value, taken as zero) from an overflow (refused).
long long orderOfMagnitude(const NumberText& number)
{
    constexpr long long kCap = 1'000'000'000;
    long long exponent = 0;
    for (char c : number.exponentDigits)
        if (isDigit(c))
            exponent = std::min(kCap, exponent * 10 + (c - '0'));
    if (!number.exponentDigits.empty() && number.exponentDigits[0] == '-')
        exponent = -exponent;
    const auto point = std::min(number.mantissa.find('.'), number.mantissa.size());
    const auto firstSignificant = number.mantissa.find_first_of("123456789");
    if (firstSignificant == std::string_view::npos)
        return 0;
    const long long digitOrder = firstSignificant < point ? static_cast<long long>(point - firstSignificant) - 1
                                                          : -static_cast<long long>(firstSignificant - point);
    return digitOrder + exponent;
}

} // namespace

NumberReading readNumber(std::string_view text)
{
    const std::string ascii = toAscii(text);
    const auto number = splitNumber(trimBlanks(ascii));
    if (!number)
        return {};
    const char* first = number->unsignedPart.data();
    const char* last = first + number->unsignedPart.size();
    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(first, last, magnitude, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (orderOfMagnitude(*number) >= 0)
            return {std::nullopt, true};
        magnitude = 0.0;
    } else if (error != std::errc() || end != last || !std::isfinite(magnitude)) {
        return {};
    }
    return {number->negative ? -magnitude : magnitude, false};
}

std::optional<double> parseNumber(std::string_view text) { return readNumber(text).value; }

std::optional<float> parseSingle(std::string_view text)
{
    const auto value = parseNumber(text);
    if (!value || std::fabs(*value) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(*value);
}

namespace {

constexpr int kSignificantDigits = 15;
// Enough digits that, for the values near the top of the range, cutting them to 15 gives the
// digits of the exact value.
constexpr int kExactDigits = 30;
constexpr int kLowestFixedExponent = -4;
constexpr int kHighestFixedExponent = 14;

// The significant digits (no trailing zeros) and the decimal exponent of |value| rounded to
// `digitCount` digits; to_chars rather than printf so a locale's decimal comma never creeps in.
std::pair<std::string, int> roundedDigits(double magnitude, int digitCount)
{
    char buffer[64];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, digitCount - 1);
    const std::string_view text(buffer, result.ptr - buffer);
    const auto ePos = text.find('e');
    std::string digits;
    for (char c : text.substr(0, ePos))
        if (isDigit(c))
            digits += c;
    digits.erase(digits.find_last_not_of('0') + 1);
    int exponent = 0;
    const auto expText = text.substr(ePos + 1);
    const char* expFirst = expText.data() + (expText[0] == '+' ? 1 : 0);
    std::from_chars(expFirst, expText.data() + expText.size(), exponent);
    return {digits, exponent};
}

bool readsAsFiniteDouble(const std::string& digits, int exponent)
{
    const std::string text = digits + "e" + std::to_string(exponent - static_cast<int>(digits.size()) + 1);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && std::isfinite(value);
}

// |value| to 15 significant digits. Near the top of the double range rounding up can carry the
// text past the largest double (1.7976931348623157E+308 would read 1.79769313486232E+308, which
// no box accepts back), so there the digits are cut instead of rounded.
std::pair<std::string, int> displayDigits(double magnitude)
{
    auto rounded = roundedDigits(magnitude, kSignificantDigits);
    if (rounded.second < DBL_MAX_10_EXP || readsAsFiniteDouble(rounded.first, rounded.second))
        return rounded;
    auto [digits, exponent] = roundedDigits(magnitude, kExactDigits);
    digits.resize(std::min<std::size_t>(digits.size(), kSignificantDigits));
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits, exponent};
}

// Built by appending only: GCC 12 warns (-Wrestrict, a known false positive of its string
// inlining) about prepending a literal to a temporary string in an optimised build.
std::string fixedForm(const std::string& digits, int exponent)
{
    std::string text;
    if (exponent < 0) {
        text.append(1, '.').append(static_cast<std::size_t>(-exponent - 1), '0').append(digits);
        return text;
    }
    const auto integerLength = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerLength)
        return text.append(digits).append(integerLength - digits.size(), '0');
    return text.append(digits, 0, integerLength).append(1, '.').append(digits, integerLength);
}

std::string exponentForm(const std::string& digits, int exponent)
{
    std::string text(1, digits.front());
    if (digits.size() > 1)
        text.append(1, '.').append(digits, 1);
    const std::string expDigits = std::to_string(std::abs(exponent));
    text.append(1, 'E').append(1, exponent < 0 ? '-' : '+');
    if (expDigits.size() < 2)
        text.append(1, '0');
    return text.append(expDigits);
}

} // namespace

std::string displayForm(double value)
{
    if (std::isnan(value))
        return " NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : " Inf";
    if (value == 0.0)
        return " 0";
    const auto [digits, exponent] = displayDigits(std::fabs(value));
    std::string text(1, value < 0 ? '-' : ' ');
    if (exponent >= kLowestFixedExponent && exponent <= kHighestFixedExponent)
        return text.append(fixedForm(digits, exponent));
    return text.append(exponentForm(digits, exponent));
}

} // namespace curvana
