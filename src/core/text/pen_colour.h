#pragma once
// The pen colour list shared by every colour combo.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace curvana {

// A 24-bit colour packed as red + 256 * green + 65536 * blue.
using Rgb = std::uint32_t;

constexpr Rgb rgb(int red, int green, int blue)
{
    return static_cast<Rgb>(red) + 256u * static_cast<Rgb>(green) + 65536u * static_cast<Rgb>(blue);
}
constexpr int redOf(Rgb c) { return static_cast<int>(c & 0xFF); }
constexpr int greenOf(Rgb c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int blueOf(Rgb c) { return static_cast<int>((c >> 16) & 0xFF); }

inline constexpr Rgb kBlack = rgb(0, 0, 0);
inline constexpr Rgb kWhite = rgb(255, 255, 255);
inline constexpr Rgb kRed = rgb(255, 0, 0);
inline constexpr Rgb kBlue = rgb(0, 0, 255);

// The entries of every colour combo, top to bottom.
inline constexpr std::array<std::string_view, 6> kColourComboItems{"红", "黑", "绿", "蓝", "黄", "青"};
// The freehand pen's combo adds the eraser.
inline constexpr std::string_view kEraserName = "擦皮";

// Exact comparison (no trimming, no case folding) with the six names; nothing when none matches.
std::optional<Rgb> lookupPenColour(std::string_view text);
// The colour a dialog or plotter draws with: the matched colour, or black.
Rgb penColourOrBlack(std::string_view text);
// The freehand pen's lookup: the six names plus "擦皮" (the white background).
std::optional<Rgb> lookupFreehandColour(std::string_view text);

} // namespace curvana
