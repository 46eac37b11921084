#pragma once
// 分段函数 in the y = f(x) box: pieces joined by "；" (or ";"), each a formula followed by its
// condition in brackets, "−x (x<0)；x² (x≥0)", "1 (0≤x<2)；x−1 (x≥2)". At x the first piece whose
// condition holds gives the value; where none holds there is none. Where a piece ends at a jump
// its end is a filled dot when the end belongs to it (≤, ≥) and a hollow one when not (<, >).
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "core/curves/drawing.h"
#include "core/formula/formula_engine.h"
#include "core/equations/plane_function.h"
#include "core/equations/relation.h"

namespace curvana {

struct PieceEnd {
    WorldPoint at;
    bool closed = false;
    double jump = 0; // how far the function's value leaps here (infinite where nothing follows)
};

// Splits the pieces wherever a line of them bridges one of the jumps, which the sampler may join
// when both sides lie within a float's step of the jump.
void breakAtJumps(std::vector<Polyline>& pieces, const std::vector<PieceEnd>& jumps);

class PiecewiseFunction {
public:
    struct Piece {
        CompiledFunction formula;
        std::vector<Relation> condition;
        std::vector<PlaneFunction> tests; // one per relation of the condition
    };
    explicit PiecewiseFunction(std::vector<Piece> pieces)
        : m_pieces(std::move(pieces))
    {
    }

    // NaN where no condition holds or the formula has no value.
    double operator()(double x) const;
    // The ends of pieces at jumps (or where nothing follows) with x from `from` to `to`.
    std::vector<PieceEnd> jumpEnds(double from, double to) const;

private:
    static bool holds(const Piece& piece, double x);
    std::vector<Piece> m_pieces;
};

// None when `text` is no piecewise notation (the box then holds one ordinary formula); otherwise
// the function, or the first mistake with its place in the whole text (code points from 0) and a
// message without the box's name.
std::optional<std::variant<PiecewiseFunction, TextProblem>> readPiecewise(std::string_view text);

} // namespace curvana
