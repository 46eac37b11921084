#pragma once
// A text the user writes on the board from the dialog "画文字": where its top-left corner stands,
// what it says and its colour.
#include <cstddef>
#include <string_view>

#include "core/curves/drawing.h"

namespace curvana {

// The most characters (code points) a written text may have; the dialog's box takes no more.
inline constexpr std::size_t kLabelMaxCharacters = 40;

// texts = {x, y, text}, the boxes Text1..Text3 as typed. The point is read like the point
// dialog's; the text is written as typed, in the colour named by `colour`, or in blue (the
// captions' colour) when it names none of the six.
DrawingResult labelDrawing(const FieldTexts& texts, std::string_view colour);

} // namespace curvana
