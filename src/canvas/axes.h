#pragma once
#include "canvas/surface.h"
#include "core/view/view_window.h"

namespace curvana {

enum class AxesStyle {
    Board, // ticks and numbers, pen width 2 afterwards
    Welcome // arrows and letters only, pen width left at 1
};

// Wipes the surface, sets the world coordinates to `view` and draws the blue axes. At the designed
// view, (-10, 10)-(10, -10), the board is drawn exactly as designed; at any other the ticks and
// numbers are laid out for it (layoutAxes), measured with the board's font. The welcome picture
// always shows the designed view.
void drawAxes(Surface& surface, AxesStyle style, const ViewWindow& view = {});

} // namespace curvana
