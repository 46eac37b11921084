#pragma once
// What a board file may hold. Opening replays every action, so the limits keep the work bounded
// for any file, damaged or crafted; saving refuses a board that could not be opened again.
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
// surface keeps about 12 bytes a dot and every repaint and resize sets them all again. This many
// is some 430 function curves, more than a lesson draws; measured in a Debug build on a busy
// machine such a board opened in 6 s with 125 MB, so an optimised build stays near a second.
inline constexpr double kMaxDrawnDots = 10'000'000;
inline constexpr std::size_t kMaxBoardActions = 20'000;
// Every curve is computed again on opening, at up to about a millisecond each: a few seconds at
// most. (Figures cost next to nothing.)
inline constexpr std::size_t kMaxBoardCurves = 2'000;
// An own formula may cost far more: up to kFormulaMaxEvaluations values, 50 to 65 ms in a release
// build for the dearest (tan x^3, 1/sin(50x)), measured with reading and the first paint. A board
// shows far fewer since its last clear; this many keeps such a board within about 2 seconds.
inline constexpr std::size_t kMaxBoardFormulas = 30;
// No box takes more than an own formula (1,000 characters); a longer text in a file is refused
// before anything is computed from it.
inline constexpr int kMaxFieldCharacters = 1000;

} // namespace curvana
