#include "core/text/pen_colour.h"

#include <utility>

namespace curvana {

namespace {

// Kept in lookup order, which differs from the order the combos list the names in.
constexpr std::array<std::pair<std::string_view, Rgb>, 6> kPenColours{{
    {"红", rgb(255, 0, 0)},
    {"黑", rgb(0, 0, 0)},
    {"黄", rgb(255, 255, 0)},
    {"蓝", rgb(0, 0, 255)},
    {"绿", rgb(0, 255, 0)},
    {"青", rgb(0, 255, 255)},
}};

} // namespace

std::optional<Rgb> lookupPenColour(std::string_view text)
{
    for (const auto& [name, colour] : kPenColours)
        if (name == text)
            return colour;
    return std::nullopt;
}

Rgb penColourOrBlack(std::string_view text) { return lookupPenColour(text).value_or(kBlack); }

std::optional<Rgb> lookupFreehandColour(std::string_view text)
{
    if (text == kEraserName)
        return kWhite;
    return lookupPenColour(text);
}

} // namespace curvana
