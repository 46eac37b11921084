#include "core/formula/formula_text.h"

#include <algorithm>
#include <array>
#include <span>

#include "core/text/typed_text.h"
#include "core/text/utf8.h"

namespace curvana {

namespace {

constexpr std::array<std::string_view, 18> kFunctionWords = {"arcsin", "arccos", "arctan", "sqrt", "sin", "cos", "tan",
    "cot", "sec", "csc", "abs", "exp", "log", "ln", "lg", "sgn", "tg", "ctg"};
constexpr std::array<std::string_view, 2> kConstantWords = {"pi", "e"};
constexpr std::array<std::string_view, 3> kVariableWords = {"x", "t", "theta"};

// Other names of a function, as Chinese and Russian textbooks write them; a token holds the
// usual one.
std::string_view usualName(std::string_view word)
{
    if (word == "tg")
        return "tan";
    if (word == "ctg")
        return "cot";
    return word;
}

// The ASCII form of a raised (`lowered` false) or lowered digit or sign, or 0 for another code.
char scriptedForm(char32_t code, bool lowered)
{
    if (lowered)
        return code >= U'₀' && code <= U'₉' ? static_cast<char>('0' + (code - U'₀')) : 0;
    switch (code) {
    case U'⁰':
        return '0';
    case U'¹':
        return '1';
    case U'²':
        return '2';
    case U'³':
        return '3';
    case U'⁺':
        return '+';
    case U'⁻':
        return '-';
    default:
        return code >= U'⁴' && code <= U'⁹' ? static_cast<char>('4' + (code - U'⁴')) : 0;
    }
}

bool isLetter(char32_t code) { return code >= U'a' && code <= U'z'; }
bool isDigit(char32_t code) { return code >= U'0' && code <= U'9'; }

std::string quoted(std::u32string_view codes) { return "“" + utf8Of(codes) + "”"; }

std::optional<TokenKind> signKind(char32_t code)
{
    switch (code) {
    case U'+':
        return TokenKind::Plus;
    case U'-':
        return TokenKind::Minus;
    case U'*':
        return TokenKind::Times;
    case U'/':
        return TokenKind::Divide;
    case U'^':
        return TokenKind::Power;
    case U'(':
        return TokenKind::Open;
    case U')':
        return TokenKind::Close;
    case U',':
        return TokenKind::Comma;
    case U'|':
        return TokenKind::Bar;
    case U'_':
        return TokenKind::Underscore;
    case U'=':
        return TokenKind::Equals;
    case U'√':
    case U'∛':
    case U'∜':
        return TokenKind::Root;
    case U'°':
        return TokenKind::Degree;
    case U'[':
        return TokenKind::OpenFloor;
    case U']':
        return TokenKind::CloseFloor;
    default:
        return std::nullopt;
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
bool splitWords(
    std::string_view letters, const std::vector<std::string_view>& words, std::vector<std::string_view>& parts)
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
        : m_codes(codes)
        , m_vocabulary(vocabulary)
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
        int at = leftSideLength(m_codes, m_vocabulary);
        const int size = static_cast<int>(m_codes.size());
        while (at < size && !m_result.problem) {
            const char32_t code = plainForm(m_codes[at]);
            if (code == U' ' || code == kSkippedCode)
                ++at;
            else if (isDigit(code) || code == U'.')
                at = readNumber(at);
            else if (isLetter(code) || isGreekWord(code) || isGreekParameter(code))
                at = readLetters(at);
            else if (scriptedForm(code, false) || scriptedForm(code, true))
                at = readScripted(at, scriptedForm(code, true) != 0);
            else if (const auto kind = signKind(code))
                m_result.tokens.push_back({*kind, at++, 1, rootDegree(code)});
            else if (isInvisible(code))
                fail(at, 1, "有一个看不见的字符" + codeName(m_codes[at]) + "，请删去它。");
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

    static bool isGreekWord(char32_t code) { return code == U'π' || code == U'θ' || code == U'φ'; }
    // Another small Greek letter (α, ω, λ…) is a parameter where parameters are read; so are θ and
    // φ where the variable is x, which they cannot stand for.
    bool isGreekParameter(char32_t code) const
    {
        if (!m_vocabulary.parameters || code == U'π')
            return false;
        if (code == U'θ')
            return false; // an angle's variable, a mistake where the variable is x
        if (code == U'φ')
            return m_vocabulary.variable != "t" && m_vocabulary.variable != "theta";
        return code >= U'α' && code <= U'ω' && code != U'ς';
    }
    static std::string rootDegree(char32_t code) { return code == U'∛' ? "3" : code == U'∜' ? "4" : ""; }

    // A run of raised (x⁻¹, x¹⁰) or lowered (log₂) digits and signs, as one token.
    int readScripted(int start, bool lowered)
    {
        std::string word;
        int at = start;
        for (; at < static_cast<int>(m_codes.size()); ++at) {
            const char ascii = scriptedForm(m_codes[at], lowered);
            if (ascii == 0)
                break;
            word += ascii;
        }
        m_result.tokens.push_back({lowered ? TokenKind::Subscript : TokenKind::Superscript, start, at - start, word});
        return at;
    }

    int readNumber(int start)
    {
        int at = start;
        int points = 0;
        std::string digits;
        for (; at < static_cast<int>(m_codes.size()); ++at) {
            const char32_t code = plainForm(m_codes[at]);
            if (code == kSkippedCode)
                continue;
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

    // An angle's letter: θ or φ is the variable of a curve drawn along an angle or a parameter.
    std::string angleWord() const { return m_vocabulary.variable == "t" ? "t" : "theta"; }

    // π, θ and φ stand alone; a run of Latin letters is split into words.
    int readLetters(int start)
    {
        std::string letters;
        int at = start;
        const char32_t first = plainForm(m_codes[at]);
        if (isGreekParameter(first)) {
            m_result.tokens.push_back({TokenKind::Name, start, 1, utf8Of(std::u32string(1, first))});
            return at + 1;
        }
        if (isGreekWord(first)) {
            letters = first == U'π' ? "pi" : angleWord();
            ++at;
        } else {
            for (; at < static_cast<int>(m_codes.size()) && isLetter(plainForm(m_codes[at])); ++at)
                letters += static_cast<char>(plainForm(m_codes[at]));
        }
        if (m_vocabulary.parameters && letters.size() == static_cast<std::size_t>(at - start)) {
            readWordsAndParameters(start, letters);
            return at;
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
            m_result.tokens.push_back({TokenKind::Name, wordStart, length, std::string(usualName(part))});
            wordStart += length;
        }
        return at;
    }

    // Known words from the left, longest first; a letter that starts none is a parameter, named
    // as typed ("A" stays apart from "a"), unless it is another kind's variable.
    void readWordsAndParameters(int start, std::string_view letters)
    {
        int at = start;
        while (!letters.empty() && !m_result.problem) {
            const std::string_view word = knownWordAt(letters, m_words);
            if (!word.empty()) {
                const int length = static_cast<int>(word.size());
                m_result.tokens.push_back({TokenKind::Name, at, length, std::string(usualName(word))});
                at += length;
                letters.remove_prefix(word.size());
                continue;
            }
            if (isReservedLetter(letters.front()))
                return refuseLetters(at, 1, std::string(letters.substr(0, 1)));
            m_result.tokens.push_back({TokenKind::Name, at, 1, utf8Of(std::u32string(1, caseKept(m_codes[at])))});
            ++at;
            letters.remove_prefix(1);
        }
    }

    // x, y and t are the variables and left sides of the kinds: where they are not this formula's,
    // they are a slip of the pen, not a parameter.
    bool isReservedLetter(char letter) const
    {
        return (letter == 'x' || letter == 'y' || letter == 't') && m_vocabulary.variable != std::string(1, letter);
    }

    // A full-width letter as its ASCII form, in the case it was typed.
    static char32_t caseKept(char32_t code) { return code >= U'！' && code <= U'～' ? code - 0xFEE0 : code; }

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

namespace {

// Reads `letters` at `at` (plain forms compared); false, with `at` unspecified, when absent.
bool readsLetters(std::u32string_view codes, std::size_t& at, std::u32string_view letters)
{
    for (const char32_t letter : letters) {
        if (at >= codes.size() || plainForm(codes[at]) != letter)
            return false;
        ++at;
    }
    return true;
}

// `codes` from `at` on, past blanks and zero-width characters.
std::size_t pastBlanks(std::u32string_view codes, std::size_t at)
{
    while (at < codes.size() && (plainForm(codes[at]) == U' ' || plainForm(codes[at]) == kSkippedCode))
        ++at;
    return at;
}

// "f(x)", "g(x)", "h(x)" with the formula's variable; θ or φ for an angle or a parameter.
bool readsFunctionName(std::u32string_view codes, std::size_t& at, const FormulaVocabulary& vocabulary)
{
    if (at >= codes.size() || std::u32string_view(U"fghr").find(plainForm(codes[at])) == std::u32string_view::npos)
        return false;
    ++at;
    if (!readsLetters(codes, at, U"(") || at >= codes.size())
        return false;
    const char32_t named = plainForm(codes[at]);
    const bool angle = vocabulary.variable != "x" && (named == U'θ' || named == U'φ');
    if (angle)
        ++at;
    return (angle || readsLetters(codes, at, codePointsOf(vocabulary.variable))) && readsLetters(codes, at, U")");
}

} // namespace

int leftSideLength(std::u32string_view codes, const FormulaVocabulary& vocabulary)
{
    if (vocabulary.leftSide.empty())
        return 0;
    const std::size_t start = pastBlanks(codes, 0);
    const std::u32string side = codePointsOf(vocabulary.leftSide);
    // The box's own letter (ρ for r), or a function of the variable: "y =", "f(x) =", "r(θ) =".
    for (int form = 0; form < 3; ++form) {
        std::size_t at = start;
        const bool read = form == 0 ? readsLetters(codes, at, side)
            : form == 1             ? side == U"r" && readsLetters(codes, at, U"ρ")
                                    : readsFunctionName(codes, at, vocabulary);
        if (!read)
            continue;
        at = pastBlanks(codes, at);
        if (at < codes.size() && plainForm(codes[at]) == U'=')
            return static_cast<int>(at + 1);
    }
    return 0;
}

Tokenized tokenize(std::u32string_view codes, const FormulaVocabulary& vocabulary)
{
    return Tokenizer(codes, vocabulary).run();
}

std::string placeOf(int start) { return "第" + std::to_string(start + 1) + "个字符处："; }

} // namespace curvana
