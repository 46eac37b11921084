#pragma once
// Draws a recorded board action on a surface, exactly as the live path drew it: the same drawing
// function with the same texts, the same dots in the same order. Opening a board and redo use it.
#include "canvas/surface.h"
#include "core/board_action.h"

namespace curvana {

// Paints `action` onto `surface` as it is; the caller opens the undo step (beginAction) first.
void paintAction(Surface& surface, const BoardAction& action);

} // namespace curvana
