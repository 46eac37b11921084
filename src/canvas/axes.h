#pragma once
#include "canvas/surface.h"

namespace curvana {

enum class AxesStyle {
    Board, // ticks and numbers, pen width 2 afterwards
    Welcome // arrows and letters only, pen width left at 1
};

// Wipes the surface, sets the world coordinates (-10, 10)-(10, -10) and draws the blue axes.
void drawAxes(Surface& surface, AxesStyle style);

} // namespace curvana
