#include "core/formula/formula_syntax.h"

#include <charconv>
#include <cmath>

#include "core/formula/formula_powers.h"
#include "core/text/utf8.h"

namespace curvana {

namespace {

// Thrown inside the parser only, to leave the recursion at the first mistake.
struct ParseFailure {
    TextProblem problem;
};

const std::string kLogarithmHelp = "log要写出底数，如log_2(x)或log(2, x)；常用对数写lg，自然对数写ln。";

class FormulaParser {
public:
    FormulaParser(std::u32string_view codes, std::vector<Token> tokens)
        : m_codes(codes)
        , m_tokens(std::move(tokens))
    {
    }

    SyntaxTree run()
    {
        if (peek().kind == TokenKind::End)
            throw ParseFailure{{0, 0, "是空的，请填写。"}};
        m_tree.root = parseSum();
        const Token& rest = peek();
        if (rest.kind == TokenKind::Close)
            fail(rest, "多了一个" + typed(rest) + "。");
        if (rest.kind != TokenKind::End)
            fail(rest, "这里不能有" + typed(rest) + "。");
        return std::move(m_tree);
    }

private:
    // Counts one level of nesting for as long as it lives.
    class Nesting {
    public:
        Nesting(FormulaParser& parser, const Token& at)
            : m_parser(parser)
        {
            if (++m_parser.m_depth > kMaxFormulaNesting)
                m_parser.fail(at, "括号、函数或符号套得太深了（最多" + std::to_string(kMaxFormulaNesting) + "层）。");
        }
        ~Nesting() { --m_parser.m_depth; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;

    private:
        FormulaParser& m_parser;
    };

    const Token& peek() const { return m_tokens[m_next]; }
    const Token& take() { return m_tokens[m_next++]; }
    bool peekIs(TokenKind kind) const { return peek().kind == kind; }
    std::string typed(const Token& token) const
    {
        return "“" + utf8Of(m_codes.substr(token.start, token.length)) + "”";
    }

    [[noreturn]] void fail(const Token& at, const std::string& message, int length = -1) const
    {
        const int span = length >= 0 ? length : at.length;
        throw ParseFailure{{at.start, span, placeOf(at.start) + message}};
    }

    int add(SyntaxNode node)
    {
        m_tree.nodes.push_back(std::move(node));
        return static_cast<int>(m_tree.nodes.size()) - 1;
    }
    int join(SyntaxKind kind, int left, int right) { return add({kind, 0, {}, left, right}); }
    int leaf(SyntaxKind kind, double value = 0) { return add({kind, value, {}, -1, -1}); }
    int negate(int operand) { return add({SyntaxKind::Negate, 0, {}, operand, -1}); }
    int call(const std::string& function, int argument, int second = -1)
    {
        return add({SyntaxKind::Call, 0, function, argument, second});
    }

    bool isFunctionName(const Token& token) const
    {
        return token.kind == TokenKind::Name && isFunctionWord(token.word);
    }

    // What may follow a factor with no sign between: "2x", "x(x+1)", "2√x", "2|x|", "2sin x".
    bool startsImplicitFactor(const Token& token) const
    {
        switch (token.kind) {
        case TokenKind::Name:
        case TokenKind::Open:
        case TokenKind::Root:
        case TokenKind::OpenFloor:
            return true;
        case TokenKind::Bar:
            return m_openBars == 0;
        default:
            return false;
        }
    }

    int parseSum()
    {
        int left = parseProduct();
        while (peekIs(TokenKind::Plus) || peekIs(TokenKind::Minus)) {
            const bool plus = take().kind == TokenKind::Plus;
            left = join(plus ? SyntaxKind::Add : SyntaxKind::Subtract, left, parseProduct());
        }
        return left;
    }

    int parseProduct()
    {
        int left = parseSigned();
        for (;;) {
            if (peekIs(TokenKind::Times) || peekIs(TokenKind::Divide)) {
                const bool times = take().kind == TokenKind::Times;
                left = join(times ? SyntaxKind::Multiply : SyntaxKind::Divide, left, parseSigned());
            } else if (startsImplicitFactor(peek())) {
                left = join(SyntaxKind::Multiply, left, parsePower());
            } else if (peekIs(TokenKind::Number)) {
                fail(peek(), typed(peek()) + "前面缺少运算符。");
            } else {
                return left;
            }
        }
    }

    // Unary minus takes the power after it: -x^2 is -(x^2), as in school.
    int parseSigned()
    {
        if (!peekIs(TokenKind::Minus) && !peekIs(TokenKind::Plus))
            return parsePower();
        const Token& sign = take();
        Nesting nesting(*this, sign);
        const int operand = parseSigned();
        return sign.kind == TokenKind::Minus ? negate(operand) : operand;
    }

    // x^2^3 is x^(2^3); the exponent may carry a sign (x^-1). A number or sign after ^ takes
    // the letters after it, as sin 2x does: e^2x is e^(2x), e^-2x is e^(-2x).
    int parsePower()
    {
        const std::size_t baseFirst = m_next;
        const int base = parsePostfix(parsePrimary());
        if (!peekIs(TokenKind::Power))
            return base;
        const Token& caret = take();
        Nesting nesting(*this, caret);
        if (!peekIs(TokenKind::Minus) && !peekIs(TokenKind::Plus) && !peekIs(TokenKind::Number))
            return join(SyntaxKind::Power, base, parseSigned());
        const std::size_t exponentFirst = m_next;
        const int exponent = parseWrittenExponent();
        if (peekIs(TokenKind::Divide) && !readsAsPowerThenQuotient(m_tokens, exponentFirst, m_next))
            failTwoReadings(baseFirst, exponentFirst);
        return join(SyntaxKind::Power, base, exponent);
    }

    // The exponent typed without brackets after ^: signs, then a number with the letters it
    // multiplies; a function ends it unless it comes straight after the number (e^2sin x).
    int parseWrittenExponent()
    {
        if (peekIs(TokenKind::Minus) || peekIs(TokenKind::Plus)) {
            const Token& sign = take();
            Nesting nesting(*this, sign);
            const int operand = parseWrittenExponent();
            return sign.kind == TokenKind::Minus ? negate(operand) : operand;
        }
        if (isFunctionName(peek())) {
            const Token& name = take();
            return parseApplication(name, name.word);
        }
        const bool number = peekIs(TokenKind::Number);
        int term = parsePower();
        if (number && isFunctionName(peek())) {
            const Token& name = take();
            return join(SyntaxKind::Multiply, term, parseApplication(name, name.word));
        }
        while (peekIs(TokenKind::Name) && !isFunctionName(peek()))
            term = join(SyntaxKind::Multiply, term, parsePower());
        return term;
    }

    // x^1/2 is read by some as x^(1/2) and by others as (x^1)/2: neither is guessed.
    [[noreturn]] void failTwoReadings(std::size_t baseFirst, std::size_t exponentFirst)
    {
        const std::size_t slash = m_next;
        take();
        parsePower();
        const Token& last = m_tokens[m_next - 1];
        const int start = m_tokens[baseFirst].start;
        const std::string message = twoReadingsMessage(
            m_codes, {m_tokens.data() + baseFirst, m_next - baseFirst}, exponentFirst - baseFirst, slash - baseFirst);
        throw ParseFailure{{start, last.start + last.length - start, placeOf(start) + message}};
    }

    // A raised number typed as such: x², x⁻¹, x¹⁰.
    int superscriptValue(const Token& token)
    {
        const std::optional<int> value = raisedNumber(token.word);
        if (!value)
            fail(token, "这个上标写得不对：" + typed(token) + "。");
        return leaf(SyntaxKind::Number, *value);
    }

    // Raised numbers are powers; ° turns degrees into the radians the functions take.
    int parsePostfix(int node)
    {
        for (;;) {
            if (peekIs(TokenKind::Superscript))
                node = join(SyntaxKind::Power, node, superscriptValue(take()));
            else if (peekIs(TokenKind::Degree))
                node = join(SyntaxKind::Multiply, node, degreeToRadian(take()));
            else
                return node;
        }
    }

    int degreeToRadian(const Token&)
    {
        return join(SyntaxKind::Divide, leaf(SyntaxKind::Pi), leaf(SyntaxKind::Number, 180));
    }

    int parsePrimary()
    {
        const Token& token = peek();
        switch (token.kind) {
        case TokenKind::Number:
            return parseNumber(take());
        case TokenKind::Name:
            return parseName(take());
        case TokenKind::Root:
            return parseRoot(take(), token.word);
        case TokenKind::Superscript:
            return parseRaisedRoot(take());
        case TokenKind::Open:
            return parseBracket(take());
        case TokenKind::OpenFloor:
            return parseFloor(take());
        case TokenKind::Bar:
            return parseAbsolute(take());
        default:
            failMissing(token);
        }
    }

    [[noreturn]] void failMissing(const Token& token) const
    {
        if (m_next == 0)
            fail(token, typed(token) + "前面缺少内容。");
        const Token& before = m_tokens[m_next - 1];
        if (before.kind == TokenKind::Open && token.kind == TokenKind::Close)
            fail(before, typed(before) + "和" + typed(token) + "之间缺少内容。", token.start + 1 - before.start);
        fail(before, typed(before) + "后面缺少内容。");
    }

    int parseNumber(const Token& token)
    {
        double value = 0;
        const char* first = token.word.data();
        const auto [end, error] = std::from_chars(first, first + token.word.size(), value);
        if (error != std::errc() || end != first + token.word.size() || !std::isfinite(value))
            fail(token, "这个数太大了：" + typed(token) + "。");
        return leaf(SyntaxKind::Number, value);
    }

    int parseName(const Token& token)
    {
        if (token.word == "pi")
            return leaf(SyntaxKind::Pi);
        if (token.word == "e")
            return leaf(SyntaxKind::E);
        if (isFunctionWord(token.word))
            return parseApplication(token, token.word);
        return add({SyntaxKind::Variable, 0, token.word, -1, -1});
    }

    // The contents of a bracket; a bar inside it belongs to the bracket, not to an outer |...|.
    int parseEnclosed(const Token& open)
    {
        Nesting nesting(*this, open);
        const int savedBars = m_openBars;
        m_openBars = 0;
        const int inner = parseSum();
        m_openBars = savedBars;
        return inner;
    }

    void expectClose(const Token& open)
    {
        if (peekIs(TokenKind::Comma))
            fail(peek(), "这里不能有" + typed(peek()) + "：只有log(底数, 真数)里用逗号。");
        if (!peekIs(TokenKind::Close))
            fail(open, typed(open) + "没有配对的“)”。");
        take();
    }

    int parseBracket(const Token& open)
    {
        const int inner = parseEnclosed(open);
        expectClose(open);
        return inner;
    }

    int parseFloor(const Token& open)
    {
        const int inner = parseEnclosed(open);
        if (!peekIs(TokenKind::CloseFloor))
            fail(open, typed(open) + "没有配对的“]”。");
        take();
        return call("floor", inner);
    }

    // √x, or ∛x and ∜x as powers of a fraction, so that the cube root of a negative number is real.
    int parseRoot(const Token& root, const std::string& degree)
    {
        if (degree.empty())
            return parseApplication(root, "sqrt");
        Nesting nesting(*this, root);
        const int radicand = parseArgument(true);
        const double n = degree == "3" ? 3 : 4;
        return join(SyntaxKind::Power, radicand,
            join(SyntaxKind::Divide, leaf(SyntaxKind::Number, 1), leaf(SyntaxKind::Number, n)));
    }

    // ³√x: a raised whole number before √ is the root's degree.
    int parseRaisedRoot(const Token& raised)
    {
        if (!peekIs(TokenKind::Root) || !peek().word.empty())
            fail(raised, typed(raised) + "前面缺少底数。");
        const int degree = superscriptValue(raised);
        const double n = m_tree.nodes[static_cast<std::size_t>(degree)].value;
        if (n < 2)
            fail(raised, "根指数要是不小于2的整数：" + typed(raised) + "。");
        Nesting nesting(*this, take());
        const int radicand = parseArgument(true);
        return join(SyntaxKind::Power, radicand, join(SyntaxKind::Divide, leaf(SyntaxKind::Number, 1), degree));
    }

    int parseAbsolute(const Token& bar)
    {
        Nesting nesting(*this, bar);
        ++m_openBars;
        const int inner = parseSum();
        --m_openBars;
        if (!peekIs(TokenKind::Bar))
            fail(bar, typed(bar) + "没有配对的“|”。");
        take();
        return call("abs", inner);
    }

    // sin(x), sin x, sin 2x, sin^2 x, sin²x, √x; the power after the name applies to the value.
    int parseApplication(const Token& name, const std::string& function)
    {
        Nesting nesting(*this, name);
        if (function == "log")
            return parseLogarithm(name);
        if (function != "sqrt" && takesInverse(name))
            return call("arc" + function, parseArgument(false));
        int exponent = -1;
        if (peekIs(TokenKind::Superscript))
            exponent = superscriptValue(take());
        else if (peekIs(TokenKind::Power) && function != "sqrt") {
            take();
            exponent = parseSigned();
        }
        const int value = call(function, parseArgument(function == "sqrt"));
        return exponent < 0 ? value : join(SyntaxKind::Power, value, exponent);
    }

    // sin⁻¹ x and sin^-1 x are arcsin x, as on a calculator; for other functions the -1 would be
    // read as an inverse by some and as a reciprocal by others, so it is refused.
    bool takesInverse(const Token& name)
    {
        const bool raised = peekIs(TokenKind::Superscript) && peek().word == "-1";
        const bool typedPower = peekIs(TokenKind::Power) && m_tokens[m_next + 1].kind == TokenKind::Minus
            && m_tokens[m_next + 2].kind == TokenKind::Number && m_tokens[m_next + 2].word == "1";
        if (!raised && !typedPower)
            return false;
        if (name.word != "sin" && name.word != "cos" && name.word != "tan")
            fail(name,
                typed(name) + "的-1次方读不清：倒数请写成1/" + utf8Of(m_codes.substr(name.start, name.length))
                    + "(…)。");
        m_next += raised ? 1 : 3;
        return true;
    }

    int parseArgument(bool singleFactor)
    {
        if (peekIs(TokenKind::Open))
            return parseBracket(take());
        return parseSimpleTerm(singleFactor);
    }

    // The term a function name takes without brackets: factors written side by side up to the
    // next sign or function name ("sin 2x cos x" is sin(2x)·cos(x)); after √ only one factor.
    int parseSimpleTerm(bool singleFactor)
    {
        if (peekIs(TokenKind::Minus)) {
            Nesting nesting(*this, take());
            return negate(parseSimpleTerm(singleFactor));
        }
        if (isFunctionName(peek())) {
            const Token& name = take();
            return parseApplication(name, name.word);
        }
        int term = parsePower();
        while (!singleFactor && startsImplicitFactor(peek()) && !isFunctionName(peek()))
            term = join(SyntaxKind::Multiply, term, parsePower());
        return term;
    }

    int parseLogarithm(const Token& name)
    {
        if (peekIs(TokenKind::Subscript)) {
            const int base = parseNumber(take());
            return call("log", base, parseArgument(false));
        }
        if (peekIs(TokenKind::Underscore)) {
            take();
            const int base = parsePrimary();
            return call("log", base, parseArgument(false));
        }
        if (!peekIs(TokenKind::Open))
            fail(name, kLogarithmHelp);
        const Token& open = take();
        const int base = parseEnclosed(open);
        if (!peekIs(TokenKind::Comma))
            fail(name, kLogarithmHelp);
        take();
        const int argument = parseEnclosed(open);
        expectClose(open);
        return call("log", base, argument);
    }

    std::u32string_view m_codes;
    std::vector<Token> m_tokens;
    std::size_t m_next = 0;
    int m_depth = 0;
    int m_openBars = 0;
    SyntaxTree m_tree;
};

} // namespace

std::variant<SyntaxTree, TextProblem> parseFormula(std::string_view text, const FormulaVocabulary& vocabulary)
{
    const std::u32string codes = codePointsOf(text);
    const int length = static_cast<int>(codes.size());
    if (length > kMaxFormulaLength)
        return TextProblem{kMaxFormulaLength, length - kMaxFormulaLength,
            placeOf(kMaxFormulaLength) + "式子太长了，最多" + std::to_string(kMaxFormulaLength) + "个字符。"};
    Tokenized tokenized = tokenize(codes, vocabulary);
    if (tokenized.problem)
        return *tokenized.problem;
    try {
        return FormulaParser(codes, std::move(tokenized.tokens)).run();
    } catch (const ParseFailure& failure) {
        return failure.problem;
    }
}

} // namespace curvana
