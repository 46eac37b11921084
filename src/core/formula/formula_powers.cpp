#include "core/formula/formula_powers.h"

#include <charconv>
#include <cmath>
#include <numeric>

#include "core/text/utf8.h"

namespace curvana {

namespace {

bool isWholeNumber(const SyntaxNode& node)
{
    return node.kind == SyntaxKind::Number && std::nearbyint(node.value) == node.value;
}

// The size of a whole number, signed or not, as typed; nothing for anything else.
std::optional<long long> wholeSize(const SyntaxTree& tree, const SyntaxNode& node)
{
    if (node.kind == SyntaxKind::Negate)
        return wholeSize(tree, tree.nodes[static_cast<std::size_t>(node.left)]);
    if (!isWholeNumber(node) || std::fabs(node.value) > 1e15)
        return std::nullopt;
    return static_cast<long long>(std::fabs(node.value));
}

// p/q of whole numbers, signed anywhere; q is odd once the fraction is in lowest terms.
bool isOddFraction(const SyntaxTree& tree, const SyntaxNode& node)
{
    if (node.kind == SyntaxKind::Negate)
        return isOddFraction(tree, tree.nodes[static_cast<std::size_t>(node.left)]);
    if (node.kind != SyntaxKind::Divide)
        return false;
    const auto p = wholeSize(tree, tree.nodes[static_cast<std::size_t>(node.left)]);
    const auto q = wholeSize(tree, tree.nodes[static_cast<std::size_t>(node.right)]);
    return p && q && *q != 0 && (*q / std::gcd(*p, *q)) % 2 == 1;
}

// The value of a token of digits without a point, or NaN.
double wholeTokenValue(const Token& token)
{
    double value = std::nan("");
    if (token.kind != TokenKind::Number || token.word.size() > 9 || token.word.find('.') != std::string::npos)
        return value;
    std::from_chars(token.word.data(), token.word.data() + token.word.size(), value);
    return value;
}

} // namespace

PowerReading powerReading(const SyntaxTree& tree, const SyntaxNode& power)
{
    const SyntaxNode& exponent = tree.nodes[static_cast<std::size_t>(power.right)];
    if (wholeSize(tree, exponent))
        return PowerReading::Whole;
    return isOddFraction(tree, exponent) ? PowerReading::OddRoot : PowerReading::PositiveBase;
}

std::optional<int> raisedNumber(std::string_view word)
{
    const std::size_t digits = word.find_first_not_of("+-");
    if (digits > 1 || digits == word.size())
        return std::nullopt;
    int value = 0;
    const char* first = word.data() + digits;
    const char* last = word.data() + word.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return word.front() == '-' ? -value : value;
}

bool readsAsPowerThenQuotient(const std::vector<Token>& tokens, std::size_t exponentFirst, std::size_t slash)
{
    const double p = wholeTokenValue(tokens[exponentFirst]);
    if (slash != exponentFirst + 1 || !(p >= 2))
        return false;
    const double q = wholeTokenValue(tokens[slash + 1]);
    const TokenKind afterDivisor = tokens[std::min(slash + 2, tokens.size() - 1)].kind;
    const bool fractionFollows = q >= 1 && afterDivisor != TokenKind::Power && afterDivisor != TokenKind::Superscript;
    return !fractionFollows || std::fmod(p, q) == 0
        || std::gcd(static_cast<long long>(p), static_cast<long long>(q)) > 1;
}

std::string twoReadingsMessage(
    std::u32string_view codes, std::span<const Token> tokens, std::size_t exponent, std::size_t slash)
{
    const auto typed = [&](std::size_t first, int end) {
        std::u32string_view part = codes.substr(tokens[first].start, end - tokens[first].start);
        while (!part.empty() && part.back() == U' ')
            part.remove_suffix(1);
        return utf8Of(part);
    };
    const int end = tokens.back().start + tokens.back().length;
    const std::string base = typed(0, tokens[exponent - 1].start);
    const std::string power = typed(exponent, tokens[slash].start);
    const std::string divisor = typed(slash + 1, end);
    return "“" + typed(0, end) + "”可以读成" + base + "^(" + power + "/" + divisor + ")，也可以读成(" + base + "^"
        + power + ")/" + divisor + "，请加括号写清楚。";
}

} // namespace curvana
