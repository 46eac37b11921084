#pragma once
// Which curves on the board have special points: the curves y = f(x) and the conics drawn since
// the last clear, rebuilt from the actions that drew them. Figures, strokes and the classic
// curves have none.
#include <utility>
#include <vector>

#include "core/document/board_action.h"
#include "core/points/special_points.h"

namespace curvana {

// The curves drawn after the last ClearAction, in the order they were drawn; an action whose
// texts no longer make a curve adds nothing. Each is drawn as it is for `view`.
std::pair<std::vector<FunctionCurve>, std::vector<ConicCurve>> curvesOnBoard(
    const std::vector<BoardAction>& actions, const ViewWindow& view = {});

} // namespace curvana
