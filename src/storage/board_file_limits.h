#pragma once
// What a board file may hold. Opening replays every action, so the limits keep the work bounded
// for any file, damaged or crafted; saving refuses a board that could not be opened again.
#include <chrono>
#include <cstddef>
#include <cstdint>

namespace curvana {

// The version this program writes; it reads every version up to this one.
inline constexpr int kBoardFormatVersion = 3;
// A lesson of 4,000 pen strokes of a hundred dots each is about 9 MB. Reading keeps several times
// the file's size while it parses, so the file and the points are kept to what a lesson holds.
inline constexpr std::int64_t kMaxBoardFileBytes = 16LL * 1024 * 1024;
inline constexpr std::size_t kMaxStrokePoints = 500'000;
// The dots the surface holds and the rasteriser sets for every curve and figure at the picture's
// design size (a function curve is about 30,000, a circle of radius 1000 alone 136,000). The
// surface keeps 8 bytes a point in one array that doubles as it grows, and every repaint and resize
// sets them all again. This many, with every stroke point, stays under 2^23 points, so the array
// never doubles to 128 MB while the old 64 MB are still held: with 10,000,000 a board at every limit
// peaked at 387 MB (RSS, optimised build), over the 300 MB a board may take. It is still some 250
// function curves, more than a lesson draws.
inline constexpr double kMaxDrawnDots = 7'500'000;
static_assert(kMaxDrawnDots + kMaxStrokePoints < double(1 << 23));
inline constexpr std::size_t kMaxBoardActions = 20'000;
// Every curve is computed again on opening, at up to about a millisecond each: a few seconds at
// most. (Figures cost next to nothing.)
inline constexpr std::size_t kMaxBoardCurves = 2'000;
// An own formula may cost far more: up to kFormulaMaxEvaluations values, 50 to 65 ms in a release
// build for the dearest (tan x^3, 1/sin(50x)), measured with reading and the first paint. A board
// shows far fewer since its last clear; this many keeps such a board within about 2 seconds.
inline constexpr std::size_t kMaxBoardFormulas = 30;
// However a file inside these limits is made, reading it stops after this much processor time and
// it is refused, so opening never freezes the board for much longer. A board at every limit at once
// took 1.3 s of it to read in the optimised build (bench/board_limits_bench.cpp).
inline constexpr std::chrono::milliseconds kMaxReadTime{2000};
// The checked drawings handed to the board are held in full until it paints them, beside the
// surface it paints them into. An own formula's is always handed: it is the dearest to compute and
// the one whose own time limit could decide otherwise a second time. Curves, figures and texts are
// handed up to this many points (64 MB); past it the board computes them again, which costs at
// most about half a second for a board at every limit and keeps its memory within bounds.
inline constexpr std::size_t kMaxHandedPoints = 4'000'000;
// No box takes more than an own formula (1,000 characters); a longer text in a file is refused
// before anything is computed from it.
inline constexpr int kMaxFieldCharacters = 1000;

} // namespace curvana
