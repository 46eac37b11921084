#pragma once
// The first step of reading a formula as a pupil types it: the text cut into tokens, each with its
// place in the typed text (in Unicode code points, counted from 0), so a message can point at it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace curvana {

enum class TokenKind {
    Number, // digits with an optional point; `word` holds them in ASCII
    Name, // a known word (function, constant or variable); `word` holds it ("pi" for π)
    Plus,
    Minus,
    Times,
    Divide,
    Power,
    Open,
    Close,
    Comma,
    Bar,
    Underscore,
    Equals,
    Root, // √, ∛, ∜; `word` holds the degree of a cube or fourth root ("3", "4"), else ""
    Superscript, // a run of raised digits and signs; `word` holds them in ASCII ("2", "-1")
    Subscript, // a run of lowered digits, as the base in log₂x; `word` holds them in ASCII
    Degree, // °
    OpenFloor,
    CloseFloor, // [ and ], the whole part of a number
    End,
};

struct Token {
    TokenKind kind = TokenKind::End;
    int start = 0; // code points before it in the typed text
    int length = 0; // code points it covers
    std::string word;
};

// A mistake found in the text: where it is (code points, from 0) and what it is, in Chinese
// without the place, which the caller puts in front.
struct TextProblem {
    int start = 0;
    int length = 0;
    std::string message;
};

// The words a formula may use apart from its variable.
bool isFunctionWord(std::string_view word);
bool isConstantWord(std::string_view word);

// The formula's variable as written in words ("x", "t", "theta"), or "" where none is allowed.
struct FormulaVocabulary {
    std::string variable;
    std::string leftSide; // a leading "y =" (this letter and "=") is skipped when typed; "" none
    std::string secondVariable = {}; // "y" for an equation in x and y; "" for one variable
    // Whether a letter that starts no known word ("a", "A", "ω") is read as a parameter: a Name
    // token holding the letter as typed, case kept. Otherwise it is a mistake.
    bool parameters = false;
};

// The position in `codes` just past a leading "<leftSide> =" with blanks, or 0 when absent. The
// left side may also name a function of the formula's variable ("f(x) =", "g(x) =", "r(θ) ="), and
// ρ stands for r.
int leftSideLength(std::u32string_view codes, const FormulaVocabulary& vocabulary);

// Tokens of `codes`, ending with an End token, or the first character or word not understood.
// A run of letters is split into known words from the left, longest first ("xsinx" is x sin x).
struct Tokenized {
    std::vector<Token> tokens;
    std::optional<TextProblem> problem;
};
Tokenized tokenize(std::u32string_view codes, const FormulaVocabulary& vocabulary);

// "第5个字符处：" for a problem starting at code point 4.
std::string placeOf(int start);

} // namespace curvana
