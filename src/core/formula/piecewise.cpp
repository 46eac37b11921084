#include "core/formula/piecewise.h"

#include <cmath>

#include "core/equations/plane_polynomial.h"
#include "core/text/utf8.h"

namespace curvana {
namespace {

bool isSeparator(char32_t code) { return code == U'；' || code == U';'; }
bool isBlank(char32_t code) { return code == U' ' || code == U'\t' || code == U'　'; }
bool isRelationSign(char32_t code)
{
    return code == U'<' || code == U'>' || code == U'≤' || code == U'≥' || code == U'＜' || code == U'＞';
}

struct PieceText {
    std::size_t start; // the piece in the whole text
    std::size_t end;
    std::size_t open; // its condition's "(" (or "（"), or npos when it has none
    std::size_t close;
};

// The piece [start, end) split into formula and the condition in its last brackets.
PieceText splitPiece(const std::u32string& codes, std::size_t start, std::size_t end)
{
    PieceText piece{start, end, std::u32string::npos, std::u32string::npos};
    std::size_t last = end;
    while (last > start && isBlank(codes[last - 1]))
        --last;
    if (last == start || (codes[last - 1] != U')' && codes[last - 1] != U'）'))
        return piece;
    int depth = 0;
    for (std::size_t i = last; i-- > start;) {
        const char32_t c = codes[i];
        depth += (c == U')' || c == U'）') ? 1 : (c == U'(' || c == U'（') ? -1 : 0;
        if (depth == 0) {
            piece.open = i;
            piece.close = last - 1;
            break;
        }
    }
    return piece;
}

bool hasCondition(const std::u32string& codes, const PieceText& piece)
{
    if (piece.open == std::u32string::npos)
        return false;
    for (std::size_t i = piece.open; i < piece.close; ++i)
        if (isRelationSign(codes[i]))
            return true;
    return false;
}

// The whole text with all but [from, to) blanked, so a mistake is found at its place in the box.
std::string onlyPart(const std::u32string& codes, std::size_t from, std::size_t to)
{
    std::u32string part(codes.size(), U' ');
    for (std::size_t i = from; i < to; ++i)
        part[i] = codes[i];
    return utf8Of(part);
}

TextProblem wholePiece(const PieceText& piece, std::string message)
{
    return {static_cast<int>(piece.start), static_cast<int>(piece.end - piece.start), std::move(message)};
}

std::variant<PiecewiseFunction::Piece, TextProblem> readPiece(
    const std::u32string& codes, const PieceText& piece, std::size_t number)
{
    if (!hasCondition(codes, piece))
        return wholePiece(
            piece, "第" + std::to_string(number) + "段缺少条件：请在式子后面用括号写出x的范围，如“x² (x≥0)”。");
    auto formula = compileFormula(onlyPart(codes, piece.start, piece.open), {"x", "y"});
    if (const auto* problem = std::get_if<TextProblem>(&formula))
        return *problem;
    auto condition = parseInequalities(onlyPart(codes, piece.open + 1, piece.close), "");
    if (const auto* problem = std::get_if<TextProblem>(&condition))
        return *problem;
    PiecewiseFunction::Piece read{
        std::get<CompiledFunction>(std::move(formula)), std::get<std::vector<Relation>>(std::move(condition)), {}};
    for (const Relation& relation : read.condition) {
        if (usesVariable(relation.function, "y"))
            return TextProblem{static_cast<int>(piece.open + 1), static_cast<int>(piece.close - piece.open - 1),
                "分段函数的条件里只能有x。"};
        read.tests.emplace_back(relation.function);
    }
    return read;
}

} // namespace

bool PiecewiseFunction::holds(const Piece& piece, double x)
{
    for (std::size_t k = 0; k < piece.tests.size(); ++k) {
        const double value = piece.tests[k](x, 0);
        const bool strict = piece.condition[k].sign == RelationSign::Less;
        if (!(strict ? value < 0 : value <= 0))
            return false;
    }
    return true;
}

double PiecewiseFunction::operator()(double x) const
{
    for (const Piece& piece : m_pieces)
        if (holds(piece, x))
            return piece.formula(x);
    return std::nan("");
}

std::vector<PieceEnd> PiecewiseFunction::jumpEnds(double from, double to) const
{
    std::vector<PieceEnd> ends;
    for (const Piece& piece : m_pieces)
        for (const Relation& relation : piece.condition) {
            const auto line = expandedPolynomial(relation.function);
            if (!line || line->degree() != 1 || line->coefficient[1][0].isZero())
                continue;
            const double x = -line->coefficient[0][0].value() / line->coefficient[1][0].value();
            const double y = piece.formula(x);
            if (!(x >= from && x <= to) || !std::isfinite(y))
                continue;
            // The side of x the piece leaves: there the function goes on with another piece, or not.
            const double step = 1e-9 * (1 + std::fabs(x));
            const double beyond = holds(piece, x + step) ? x - step : x + step;
            const double next = (*this)(beyond);
            if (std::isfinite(next) && std::fabs(next - y) <= 1e-6 * (1 + std::fabs(y)))
                continue; // the pieces join: no end to mark
            ends.push_back({{x, y}, holds(piece, x), std::isfinite(next) ? std::fabs(next - y) : HUGE_VAL});
        }
    return ends;
}

void breakAtJumps(std::vector<Polyline>& pieces, const std::vector<PieceEnd>& jumps)
{
    const auto bridges = [&](const WorldPoint& a, const WorldPoint& b) {
        for (const PieceEnd& jump : jumps) {
            const double slack = 1e-6 * (1 + std::fabs(jump.at.x));
            const bool across = std::fmin(a.x, b.x) <= jump.at.x + slack && std::fmax(a.x, b.x) >= jump.at.x - slack;
            if (across && std::isfinite(jump.jump) && std::fabs(b.y - a.y) >= jump.jump / 2)
                return true;
        }
        return false;
    };
    std::vector<Polyline> split;
    for (Polyline& piece : pieces) {
        Polyline current{{}, piece.style};
        for (const WorldPoint& p : piece.points) {
            if (!current.points.empty() && bridges(current.points.back(), p)) {
                split.push_back(std::move(current));
                current = Polyline{{}, piece.style};
            }
            current.points.push_back(p);
        }
        split.push_back(std::move(current));
    }
    pieces = std::move(split);
}

std::optional<std::variant<PiecewiseFunction, TextProblem>> readPiecewise(std::string_view text)
{
    const std::u32string codes = codePointsOf(text);
    std::vector<PieceText> pieces;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= codes.size(); ++i)
        if (i == codes.size() || isSeparator(codes[i])) {
            pieces.push_back(splitPiece(codes, start, i));
            start = i + 1;
        }
    if (pieces.size() == 1 && !hasCondition(codes, pieces.front()))
        return std::nullopt; // an ordinary formula
    std::vector<PiecewiseFunction::Piece> read;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        auto piece = readPiece(codes, pieces[k], k + 1);
        if (auto* problem = std::get_if<TextProblem>(&piece))
            return std::move(*problem);
        read.push_back(std::get<PiecewiseFunction::Piece>(std::move(piece)));
    }
    return PiecewiseFunction(std::move(read));
}

} // namespace curvana
