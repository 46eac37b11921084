#include "core/formula_syntax.h"

#include <charconv>
#include <cmath>

#include "core/utf8.h"

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
        : m_codes(codes), m_tokens(std::move(tokens))
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
        Nesting(FormulaParser& parser, const Token& at) : m_parser(parser)
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
        case TokenKind::Name: case TokenKind::Open: case TokenKind::Root: return true;
        case TokenKind::Bar: return m_openBars == 0;
        default: return false;
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

    // x^2^3 is x^(2^3); the exponent may carry a sign (x^-1).
    int parsePower()
    {
        const int base = parsePostfix(parsePrimary());
        if (!peekIs(TokenKind::Power))
            return base;
        Nesting nesting(*this, take());
        return join(SyntaxKind::Power, base, parseSigned());
    }

    int parsePostfix(int node)
    {
        while (peekIs(TokenKind::Squared) || peekIs(TokenKind::Cubed)) {
            const double exponent = take().kind == TokenKind::Squared ? 2 : 3;
            node = join(SyntaxKind::Power, node, leaf(SyntaxKind::Number, exponent));
        }
        return node;
    }

    int parsePrimary()
    {
        const Token& token = peek();
        switch (token.kind) {
        case TokenKind::Number: return parseNumber(take());
        case TokenKind::Name: return parseName(take());
        case TokenKind::Root: return parseApplication(take(), "sqrt");
        case TokenKind::Open: return parseBracket(take());
        case TokenKind::Bar: return parseAbsolute(take());
        default: failMissing(token);
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
        int exponent = -1;
        if (peekIs(TokenKind::Squared) || peekIs(TokenKind::Cubed))
            exponent = leaf(SyntaxKind::Number, take().kind == TokenKind::Squared ? 2 : 3);
        else if (peekIs(TokenKind::Power) && function != "sqrt") {
            take();
            exponent = parseSigned();
        }
        const int value = call(function, parseArgument(function == "sqrt"));
        return exponent < 0 ? value : join(SyntaxKind::Power, value, exponent);
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
