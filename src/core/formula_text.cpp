#include "core/formula_text.h"

#include <algorithm>
#include <array>
#include <span>

#include "core/utf8.h"

namespace curvana {

namespace {

constexpr std::array<std::string_view, 15> kFunctionWords = {
    "arcsin", "arccos", "arctan", "sqrt", "sin", "cos", "tan", "cot",
    "sec",    "csc",    "abs",    "exp",  "log", "ln",  "lg"};
constexpr std::array<std::string_view, 2> kConstantWords = {"pi", "e"};
constexpr std::array<std::string_view, 3> kVariableWords = {"x", "t", "theta"};

// What a typed character counts as: full-width forms, the multiplication and division signs,
// the centred dot, the minus sign and capitals are read as the plain ASCII a formula is made of.
char32_t plainForm(char32_t code)
{
    if (code >= U'！' && code <= U'～')
        code -= 0xFEE0;
    switch (code) {
    case U'\t': case U'\n': case U'\r': case U'　': return U' ';
    case U'×': case U'·': case U'⋅': case U'∙': return U'*';
    case U'÷': return U'/';
    case U'−': case U'–': case U'—': return U'-';
    case U'∣': return U'|';
    default: break;
    }
    if (code >= U'A' && code <= U'Z')
        return code - U'A' + U'a';
    return code;
}

bool isLetter(char32_t code) { return code >= U'a' && code <= U'z'; }
bool isDigit(char32_t code) { return code >= U'0' && code <= U'9'; }

std::string quoted(std::u32string_view codes) { return "“" + utf8Of(codes) + "”"; }

std::optional<TokenKind> signKind(char32_t code)
{
    switch (code) {
    case U'+': return TokenKind::Plus;
    case U'-': return TokenKind::Minus;
    case U'*': return TokenKind::Times;
    case U'/': return TokenKind::Divide;
    case U'^': return TokenKind::Power;
    case U'(': return TokenKind::Open;
    case U')': return TokenKind::Close;
    case U',': return TokenKind::Comma;
    case U'|': return TokenKind::Bar;
    case U'_': return TokenKind::Underscore;
    case U'=': return TokenKind::Equals;
    case U'√': return TokenKind::Root;
    case U'²': return TokenKind::Squared;
    case U'³': return TokenKind::Cubed;
    default: return std::nullopt;
    }
}

// The longest known word at the front of `letters`, or an empty view.
std::string_view knownWordAt(std::string_view letters, const std::vector<std::string_view>& words)
{
    std::string_view best;
    for (const std::string_view word : words)
        if (word.size() > best.size() && letters.substr(0, word.size()) == word)
            best = word;
    return best;
}

std::vector<std::string_view> wordsWith(std::span<const std::string_view> variables)
{
    std::vector<std::string_view> words(kFunctionWords.begin(), kFunctionWords.end());
    words.insert(words.end(), kConstantWords.begin(), kConstantWords.end());
    words.insert(words.end(), variables.begin(), variables.end());
    return words;
}

// Splits a run of letters into words; false when some part is not a word.
bool splitWords(std::string_view letters, const std::vector<std::string_view>& words,
                std::vector<std::string_view>& parts)
{
    while (!letters.empty()) {
        const std::string_view word = knownWordAt(letters, words);
        if (word.empty())
            return false;
        parts.push_back(word);
        letters.remove_prefix(word.size());
    }
    return true;
}

class Tokenizer {
public:
    Tokenizer(std::u32string_view codes, const FormulaVocabulary& vocabulary)
        : m_codes(codes), m_vocabulary(vocabulary)
    {
        std::vector<std::string_view> own;
        if (!vocabulary.variable.empty())
            own.push_back(vocabulary.variable);
        if (!vocabulary.secondVariable.empty())
            own.push_back(vocabulary.secondVariable);
        m_words = wordsWith(own);
    }

    Tokenized run()
    {
        int at = leftSideLength(m_codes, m_vocabulary.leftSide);
        const int size = static_cast<int>(m_codes.size());
        while (at < size && !m_result.problem) {
            const char32_t code = plainForm(m_codes[at]);
            if (code == U' ')
                ++at;
            else if (isDigit(code) || code == U'.')
                at = readNumber(at);
            else if (isLetter(code) || code == U'π' || code == U'θ')
                at = readLetters(at);
            else if (const auto kind = signKind(code))
                m_result.tokens.push_back({*kind, at++, 1, {}});
            else
                fail(at, 1, "不认识" + quoted(m_codes.substr(at, 1)) + "。");
        }
        m_result.tokens.push_back({TokenKind::End, size, 0, {}});
        return std::move(m_result);
    }

private:
    void fail(int start, int length, std::string message)
    {
        m_result.problem = TextProblem{start, length, placeOf(start) + message};
    }

    int readNumber(int start)
    {
        int at = start;
        int points = 0;
        std::string digits;
        for (; at < static_cast<int>(m_codes.size()); ++at) {
            const char32_t code = plainForm(m_codes[at]);
            if (!isDigit(code) && code != U'.')
                break;
            points += code == U'.';
            digits += static_cast<char>(code);
        }
        if (points > 1 || digits == ".")
            fail(start, at - start, "这个数写得不对：" + quoted(m_codes.substr(start, at - start)) + "。");
        m_result.tokens.push_back({TokenKind::Number, start, at - start, digits});
        return at;
    }

    // π and θ stand alone; a run of Latin letters is split into words.
    int readLetters(int start)
    {
        std::string letters;
        int at = start;
        const char32_t first = plainForm(m_codes[at]);
        if (first == U'π' || first == U'θ') {
            letters = first == U'π' ? "pi" : "theta";
            ++at;
        } else {
            for (; at < static_cast<int>(m_codes.size()) && isLetter(plainForm(m_codes[at])); ++at)
                letters += static_cast<char>(plainForm(m_codes[at]));
        }
        std::vector<std::string_view> parts;
        if (!splitWords(letters, m_words, parts)) {
            refuseLetters(start, at - start, letters);
            return at;
        }
        // A word's place is its share of the run: exact for Latin letters, the whole sign for π, θ.
        int wordStart = start;
        for (const std::string_view part : parts) {
            const int length = at - start == 1 ? 1 : static_cast<int>(part.size());
            m_result.tokens.push_back({TokenKind::Name, wordStart, length, std::string(part)});
            wordStart += length;
        }
        return at;
    }

    void refuseLetters(int start, int length, const std::string& letters)
    {
        const std::string typed = quoted(m_codes.substr(start, length));
        std::vector<std::string_view> parts;
        if (!splitWords(letters, wordsWith(kVariableWords), parts))
            return fail(start, length, "不认识" + typed + "。");
        if (m_vocabulary.variable.empty())
            return fail(start, length, "不认识" + typed + "：这里只能写数，不能有变量。");
        const std::string variable = m_vocabulary.variable == "theta" ? "θ" : m_vocabulary.variable;
        const std::string second = m_vocabulary.secondVariable.empty() ? "" : "和" + m_vocabulary.secondVariable;
        fail(start, length, "不认识" + typed + "：这里的变量是" + variable + second + "。");
    }

    std::u32string_view m_codes;
    const FormulaVocabulary& m_vocabulary;
    std::vector<std::string_view> m_words;
    Tokenized m_result;
};

} // namespace

bool isFunctionWord(std::string_view word)
{
    return std::find(kFunctionWords.begin(), kFunctionWords.end(), word) != kFunctionWords.end();
}

bool isConstantWord(std::string_view word)
{
    return std::find(kConstantWords.begin(), kConstantWords.end(), word) != kConstantWords.end();
}

int leftSideLength(std::u32string_view codes, std::string_view leftSide)
{
    std::size_t at = 0;
    const auto skipBlanks = [&] {
        while (at < codes.size() && plainForm(codes[at]) == U' ')
            ++at;
    };
    skipBlanks();
    for (const char letter : leftSide) {
        if (at >= codes.size() || plainForm(codes[at]) != static_cast<char32_t>(letter))
            return 0;
        ++at;
    }
    skipBlanks();
    if (leftSide.empty() || at >= codes.size() || plainForm(codes[at]) != U'=')
        return 0;
    return static_cast<int>(at + 1);
}

Tokenized tokenize(std::u32string_view codes, const FormulaVocabulary& vocabulary)
{
    return Tokenizer(codes, vocabulary).run();
}

std::string placeOf(int start)
{
    return "第" + std::to_string(start + 1) + "个字符处：";
}

} // namespace curvana
