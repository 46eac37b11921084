#include "core/equations/relation.h"

#include <algorithm>
#include <optional>

#include "core/text/utf8.h"

namespace curvana {

namespace {

enum class Comparison { Equal, Less, LessOrEqual, Greater, GreaterOrEqual };

struct SignAt {
    Comparison comparison;
    int start;
    int length;
};

// A relation sign at codes[at] (two characters for "<=", ">="), full-width forms included.
std::optional<SignAt> signAt(std::u32string_view codes, int at)
{
    const char32_t code = codes[static_cast<std::size_t>(at)];
    const bool equalsNext = at + 1 < static_cast<int>(codes.size())
        && (codes[static_cast<std::size_t>(at) + 1] == U'=' || codes[static_cast<std::size_t>(at) + 1] == U'＝');
    switch (code) {
    case U'=':
    case U'＝':
        return SignAt{Comparison::Equal, at, 1};
    case U'≤':
    case U'≦':
    case U'⩽':
        return SignAt{Comparison::LessOrEqual, at, 1};
    case U'≥':
    case U'≧':
    case U'⩾':
        return SignAt{Comparison::GreaterOrEqual, at, 1};
    case U'<':
    case U'＜':
        return equalsNext ? SignAt{Comparison::LessOrEqual, at, 2} : SignAt{Comparison::Less, at, 1};
    case U'>':
    case U'＞':
        return equalsNext ? SignAt{Comparison::GreaterOrEqual, at, 2} : SignAt{Comparison::Greater, at, 1};
    default:
        return std::nullopt;
    }
}

bool isSeparator(char32_t code)
{
    return code == U'，' || code == U',' || code == U'且' || code == U'；' || code == U';' || code == U'、';
}

bool isBlank(std::u32string_view codes)
{
    for (const char32_t code : codes)
        if (code != U' ' && code != U'\t' && code != U'　')
            return false;
    return true;
}

// A piece of the text between separators, cut at its relation signs.
struct Piece {
    int start = 0;
    int end = 0;
    std::vector<SignAt> signs;
};

// The pieces of `codes`; commas inside brackets belong to log(2, x) and do not separate.
std::vector<Piece> piecesOf(std::u32string_view codes)
{
    std::vector<Piece> pieces(1);
    int depth = 0;
    const int size = static_cast<int>(codes.size());
    for (int at = 0; at < size; ++at) {
        const char32_t code = codes[static_cast<std::size_t>(at)];
        if (code == U'(' || code == U'（')
            ++depth;
        else if ((code == U')' || code == U'）') && depth > 0)
            --depth;
        if (depth == 0 && isSeparator(code)) {
            pieces.back().end = at;
            pieces.push_back({at + 1, at + 1, {}});
        } else if (const auto sign = signAt(codes, at)) {
            pieces.back().signs.push_back(*sign);
            at += sign->length - 1;
        }
    }
    pieces.back().end = size;
    return pieces;
}

// The problem of a part of the text, moved to its place in the whole text.
TextProblem shifted(TextProblem problem, int offset, const std::string& boxName)
{
    const std::string localPlace = placeOf(problem.start);
    std::string rest = problem.message;
    if (rest.rfind(localPlace, 0) == 0)
        rest.erase(0, localPlace.size());
    problem.start += offset;
    return {problem.start, problem.length, boxName + placeOf(problem.start) + rest};
}

TextProblem problemAt(int start, int length, const std::string& boxName, const std::string& message)
{
    return {start, length, boxName + placeOf(start) + message};
}

// Appends the nodes of `part` to `whole`, returning where its root went.
int appendTree(SyntaxTree& whole, const SyntaxTree& part)
{
    const int offset = static_cast<int>(whole.nodes.size());
    for (SyntaxNode node : part.nodes) {
        if (node.left >= 0)
            node.left += offset;
        if (node.right >= 0)
            node.right += offset;
        whole.nodes.push_back(std::move(node));
    }
    return part.root + offset;
}

SyntaxTree differenceOf(const SyntaxTree& minuend, const SyntaxTree& subtrahend)
{
    SyntaxTree tree;
    const int left = appendTree(tree, minuend);
    const int right = appendTree(tree, subtrahend);
    tree.nodes.push_back({SyntaxKind::Subtract, 0, {}, left, right});
    tree.root = static_cast<int>(tree.nodes.size()) - 1;
    return tree;
}

class RelationReader {
public:
    RelationReader(std::string_view text, const std::string& boxName, const FormulaParameters* parameters)
        : m_codes(codePointsOf(text))
        , m_boxName(boxName)
        , m_parameters(parameters)
    {
    }

    std::variant<std::vector<Relation>, TextProblem> read(bool equation)
    {
        if (static_cast<int>(m_codes.size()) > kMaxFormulaLength)
            return problemAt(kMaxFormulaLength, static_cast<int>(m_codes.size()) - kMaxFormulaLength, m_boxName,
                "式子太长了，最多" + std::to_string(kMaxFormulaLength) + "个字符。");
        if (isBlank(m_codes))
            return TextProblem{0, 0, m_boxName + "是空的，请填写。"};
        const std::vector<Piece> pieces = piecesOf(m_codes);
        if (equation && pieces.size() > 1)
            return problemAt(pieces[1].start - 1, 1, m_boxName, "方程只能写一个等式。");
        std::vector<Relation> relations;
        for (const Piece& piece : pieces) {
            if (auto problem = readPiece(piece, equation, relations))
                return *problem;
        }
        return relations;
    }

private:
    std::optional<TextProblem> readPiece(const Piece& piece, bool equation, std::vector<Relation>& relations)
    {
        const int length = piece.end - piece.start;
        if (piece.signs.empty()) {
            const std::string wanted = equation ? "“=”" : "“<”、“≤”、“>”或“≥”";
            if (isBlank(m_codes.substr(static_cast<std::size_t>(piece.start), static_cast<std::size_t>(length))))
                return problemAt(
                    piece.start, 0, m_boxName, "这里缺少一个" + std::string(equation ? "方程" : "不等式") + "。");
            return problemAt(piece.start, length, m_boxName, "缺少" + wanted + "。");
        }
        for (const SignAt& sign : piece.signs) {
            const bool isEqual = sign.comparison == Comparison::Equal;
            if (equation != isEqual)
                return problemAt(sign.start, sign.length, m_boxName,
                    equation ? "方程里只能用“=”，不等式请选“不等式”。" : "不等式里不能用“=”，请写“≤”或“≥”。");
        }
        if (equation && piece.signs.size() > 1)
            return problemAt(piece.signs[1].start, 1, m_boxName, "方程只能有一个“=”。");
        std::vector<SyntaxTree> sides;
        int sideStart = piece.start;
        for (std::size_t i = 0; i <= piece.signs.size(); ++i) {
            const int sideEnd = i < piece.signs.size() ? piece.signs[i].start : piece.end;
            auto side
                = readSide(sideStart, sideEnd, i == 0 ? "前面" : "后面", i == 0 ? piece.signs[0] : piece.signs[i - 1]);
            if (auto* problem = std::get_if<TextProblem>(&side))
                return *problem;
            sides.push_back(std::get<SyntaxTree>(std::move(side)));
            if (i < piece.signs.size())
                sideStart = piece.signs[i].start + piece.signs[i].length;
        }
        for (std::size_t i = 0; i < piece.signs.size(); ++i)
            relations.push_back(relationOf(sides[i], sides[i + 1], piece.signs[i].comparison, piece));
        return std::nullopt;
    }

    std::variant<SyntaxTree, TextProblem> readSide(int start, int end, const char* where, const SignAt& sign)
    {
        const auto part = m_codes.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
        if (isBlank(part)) {
            const std::string typedSign
                = utf8Of(m_codes.substr(static_cast<std::size_t>(sign.start), static_cast<std::size_t>(sign.length)));
            return problemAt(sign.start, sign.length, m_boxName, "“" + typedSign + "”" + where + "缺少内容。");
        }
        const FormulaVocabulary vocabulary = planeVocabulary(m_parameters != nullptr);
        auto parsed = parseFormula(utf8Of(part), vocabulary);
        if (auto* problem = std::get_if<TextProblem>(&parsed))
            return shifted(*problem, start, m_boxName);
        if (m_parameters)
            putInValues(std::get<SyntaxTree>(parsed), vocabulary, *m_parameters);
        return std::get<SyntaxTree>(std::move(parsed));
    }

    static Relation relationOf(
        const SyntaxTree& left, const SyntaxTree& right, Comparison comparison, const Piece& piece)
    {
        const bool turned = comparison == Comparison::Greater || comparison == Comparison::GreaterOrEqual;
        Relation relation;
        relation.function = turned ? differenceOf(right, left) : differenceOf(left, right);
        relation.sign = comparison == Comparison::Equal                           ? RelationSign::Equal
            : comparison == Comparison::Less || comparison == Comparison::Greater ? RelationSign::Less
                                                                                  : RelationSign::LessOrEqual;
        relation.start = piece.start;
        relation.length = piece.end - piece.start;
        return relation;
    }

    std::u32string m_codes;
    const std::string& m_boxName;
    const FormulaParameters* m_parameters;
};

} // namespace

FormulaVocabulary planeVocabulary(bool parameters) { return FormulaVocabulary{"x", "", "y", parameters}; }

bool usesVariable(const SyntaxTree& tree, std::string_view name)
{
    for (const SyntaxNode& node : tree.nodes)
        if (node.kind == SyntaxKind::Variable && node.function == name)
            return true;
    return false;
}

std::variant<Relation, TextProblem> parseEquation(
    std::string_view text, const std::string& boxName, const FormulaParameters* parameters)
{
    auto read = RelationReader(text, boxName, parameters).read(true);
    if (auto* problem = std::get_if<TextProblem>(&read))
        return *problem;
    return std::get<std::vector<Relation>>(std::move(read)).front();
}

std::variant<std::vector<Relation>, TextProblem> parseInequalities(
    std::string_view text, const std::string& boxName, const FormulaParameters* parameters)
{
    return RelationReader(text, boxName, parameters).read(false);
}

std::vector<std::string> relationParameterNames(std::string_view text)
{
    const std::u32string codes = codePointsOf(text);
    if (static_cast<int>(codes.size()) > kMaxFormulaLength)
        return {};
    std::vector<std::string> names;
    for (const Piece& piece : piecesOf(codes)) {
        int sideStart = piece.start;
        for (std::size_t i = 0; i <= piece.signs.size(); ++i) {
            const int sideEnd = i < piece.signs.size() ? piece.signs[i].start : piece.end;
            const std::u32string_view side = std::u32string_view(codes).substr(
                static_cast<std::size_t>(sideStart), static_cast<std::size_t>(sideEnd - sideStart));
            for (std::string& name : parameterNames(utf8Of(side), planeVocabulary(true)))
                if (std::find(names.begin(), names.end(), name) == names.end())
                    names.push_back(std::move(name));
            if (i < piece.signs.size())
                sideStart = piece.signs[i].start + piece.signs[i].length;
        }
    }
    return names;
}

RelationKind relationKindOf(std::string_view text)
{
    // "y = x²" and "y = a x²" are the functions they always were.
    if (std::holds_alternative<SyntaxTree>(parseFormula(text, FormulaVocabulary{"x", "y", {}, true})))
        return RelationKind::None;
    const FormulaParameters anyLetters;
    if (std::holds_alternative<std::vector<Relation>>(parseInequalities(text, "", &anyLetters)))
        return RelationKind::Inequalities;
    if (std::holds_alternative<Relation>(parseEquation(text, "", &anyLetters)))
        return RelationKind::Equation;
    return RelationKind::None;
}

} // namespace curvana
