#include "core/curves/label.h"

#include "core/text/field_reader.h"
#include "core/text/utf8.h"

namespace curvana {

namespace {

constexpr std::string_view kLabelPlaces[] = {"在文字左上角的横坐标框里", "在文字左上角的纵坐标框里", "在文字框里"};
constexpr int kTextField = 2;

std::size_t characterCount(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count)
        nextCodePoint(text, pos);
    return count;
}

} // namespace

DrawingResult labelDrawing(const FieldTexts& texts, std::string_view colour)
{
    FieldReader reader(texts, kLabelPlaces);
    const WorldPoint at{reader.single(0), reader.single(1)};
    if (!reader.ok())
        return reader.problem();
    const std::string text = reader.typed(kTextField);
    if (text.empty())
        return InputProblem{kTextField, "请在文字框里填写要写的文字。"};
    // The box takes no more; a longer text can only come from a file.
    if (characterCount(text) > kLabelMaxCharacters)
        return InputProblem{kTextField, "文字太长了，请在文字框里填写不超过40个字的文字。"};
    Drawing drawing;
    drawing.captions.push_back({at, text, lookupPenColour(colour).value_or(kBlue)});
    return drawing;
}

} // namespace curvana
