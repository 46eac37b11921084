#pragma once
// The 方程 and 不等式 kinds of the own-formula window as one drawing, the way the board shows them:
// the curve (and, on request, a recognised conic's asymptotes and directrices dashed), or the
// region shaded in a light tint with its boundaries and the level lines of the objective's optima,
// with the typed text and the optima as captions, one after the other.
#include <variant>

#include "core/equations/implicit_curve.h"
#include "core/formula/formula.h"

namespace curvana {

// `input.kind` is FormulaKind::Equation or FormulaKind::Inequality; `view` is usable (not empty).
std::variant<Drawing, FormulaError> relationDrawing(
    const FormulaInput& input, const SamplingView& view, WorldPoint captionAt);

// Where an equation or inequality is traced and shaded for `view`: its rectangle with the margin
// every own formula runs beyond the board.
PlotArea relationArea(const SamplingView& view);

} // namespace curvana
