#pragma once
// What a board file may hold. Opening replays every action, so the limits keep the work bounded
// for any file, damaged or crafted; saving refuses a board that could not be opened again.
#include <cstddef>
#include <cstdint>

namespace curvana {

// The version this program writes; it reads every version up to this one.
inline constexpr int kBoardFormatVersion = 2;
// A lesson of 4,000 pen strokes of a hundred dots each is about 9 MB. Reading keeps several times
// the file's size while it parses, so the file and the points are kept to what a lesson holds.
inline constexpr std::int64_t kMaxBoardFileBytes = 16LL * 1024 * 1024;
inline constexpr std::size_t kMaxStrokePoints = 500'000;
// The dots the rasteriser sets for every curve and figure on the picture's design size (a circle
// of radius 1000 alone is 136,000): each costs a few nanoseconds on every repaint and resize, so
// this many keeps an opened board, and every step after it, within about a second.
inline constexpr double kMaxDrawnDots = 100'000'000;
inline constexpr std::size_t kMaxBoardActions = 20'000;
// Every curve is computed again on opening, at up to about a millisecond each: a few seconds at
// most. (Figures cost next to nothing.)
inline constexpr std::size_t kMaxBoardCurves = 2'000;
// An own formula may cost far more: up to kFormulaMaxEvaluations values, about 50 ms in a
// release build for the dearest (tan x^3, 1/sin(50x)). This many keeps opening within 5 seconds.
inline constexpr std::size_t kMaxBoardFormulas = 100;
// No box takes more than an own formula (1,000 characters); a longer text in a file is refused
// before anything is computed from it.
inline constexpr int kMaxFieldCharacters = 1000;

} // namespace curvana
