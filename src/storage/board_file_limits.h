#pragma once
// What a board file may hold. Opening replays every action, so the limits keep the work bounded
// for any file, damaged or crafted; saving refuses a board that could not be opened again.
#include <cstddef>
#include <cstdint>

namespace curvana {

// The version this program writes; it reads every version up to this one.
inline constexpr int kBoardFormatVersion = 2;
inline constexpr std::int64_t kMaxBoardFileBytes = 64LL * 1024 * 1024;
inline constexpr std::size_t kMaxStrokePoints = 2'000'000;
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
