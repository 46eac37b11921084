#pragma once
// Points shown as filled dots with their coordinates beside them: the named point ("A(1, 2)") and
// the points of a table of values. The text goes beside its dot, never over it, on the side where
// it covers the fewest other dots and texts of the same drawing.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/curves/drawing.h"

namespace curvana {

// The filled dot's diameter in pixels of the picture at its design size (the pen dot is 2), and the
// gap kept between the dot's edge and its text.
inline constexpr int kMarkDiameterPixels = 8;
inline constexpr double kMarkTextGapPixels = 3;
// The most characters (code points) a point's name may have; the box takes no more.
inline constexpr std::size_t kPointNameMaxCharacters = 12;

// A coordinate as the text beside a point shows it: the exact form of `value` when it has one
// (decimals kept when the box was typed with them: "0.5", "1/2", "√2", "π/3", "−3"), otherwise the
// box's text without blanks, its minus signs written "−".
std::string coordinateShown(std::string_view typed, double value);

// "A(1, 2)"; without a name "(1, 2)".
std::string pointText(std::string_view name, std::string_view x, std::string_view y);

// A mark at `at` with `text` in `colour` (none: black), its text still to be placed.
Mark markAt(WorldPoint at, std::string text, std::optional<Rgb> colour);

// Whether a text standing in a box would cover a line of the drawing (the curve through the points).
struct TextBox;
using CoversLine = std::function<bool(const TextBox&)>;

// Places the text of every mark beside its dot: right, left, above, below or at a corner, whichever
// covers none of the drawing's dots, and then the fewest texts already placed, the axes' numbers
// and the line `covers` tells of, the right side first. Widths are those of the board's font at the
// picture's design size.
void placeMarkTexts(std::vector<Mark>& marks, const CoversLine& covers = {});

// The rectangle a mark's text covers in world units at the picture's design size, for the
// placement and for tests: left, right, bottom, top.
struct TextBox {
    double left = 0, right = 0, bottom = 0, top = 0;
};
TextBox markTextBox(const Mark& mark);

// "命名点": texts = {name, x, y}, the boxes as typed; a filled dot at (x, y) with "name(x, y)"
// beside it, both in the colour named by `colour` (black when it names none of the six).
DrawingResult namedPointDrawing(const FieldTexts& texts, std::string_view colour);

} // namespace curvana
