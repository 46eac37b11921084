#pragma once
// The pace of the animated reveal: a length of path on the board per second, so a curve takes
// the same time whether its plotter stored it as thousands of dots or as a few long pieces.
// Lengths are measured on the board taken as a unit square: a line across it is 1 long.
#include <QString>
#include <cstdint>

#include "canvas/surface.h"

namespace curvana {

enum class RevealSpeed { Slow, Medium, Fast };

// Board widths of path shown per second at each speed: a curve across the board takes about 6 s
// at 慢, 2 s at 中 and half a second at 快.
double boardsPerSecond(RevealSpeed speed);

// The pieces an entry is revealed in: one per dot for a run of dots, otherwise the whole entry.
std::uint32_t revealPieces(const Op& op);
// How long piece `piece` of entry `op` is on the unit board. A new kind of entry only needs its
// length here (and its pieces above when it can show in part).
double pieceLength(const Surface& surface, std::uint32_t op, std::uint32_t piece);

// Moves `from` along the list over the pieces that `budget` (a length) pays for, taking their
// lengths off it: a piece shows once its whole length is paid, so a long line that shows at once
// waits as long as a curve of its length would take. `budget` keeps what is left over.
ListPos advanceAlongPath(const Surface& surface, ListPos from, double& budget);

// The speed chosen last, remembered between runs (中 when none was chosen yet or the stored
// value is not one of the three).
RevealSpeed rememberedRevealSpeed();
void rememberRevealSpeed(RevealSpeed speed);

} // namespace curvana
