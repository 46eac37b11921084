#include "core/curves/marked_points.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/document/window_catalogue.h"
#include "core/points/exact_form.h"
#include "core/points/special_points.h"
#include "core/text/field_reader.h"
#include "core/text/typed_text.h"
#include "core/text/utf8.h"

namespace curvana {
namespace {

constexpr double kUnitsPerPixelX = kBoardUnits / kDesignPictureWidth;
constexpr double kUnitsPerPixelY = kBoardUnits / kDesignPictureHeight;
// The board's 12-pixel font: a Latin character about half as wide as a Chinese one, a line 14 high.
constexpr double kLatinPixels = 6.5;
constexpr double kWidePixels = 12;
constexpr double kLinePixels = 14;
constexpr double kMarkReachPixels = kMarkDiameterPixels / 2 + kMarkTextGapPixels;

constexpr std::string_view kNamedPointPlaces[] = {"在“名称”框里", "在“x”框里", "在“y”框里"};

double textWidthUnits(std::string_view text)
{
    double pixels = 0;
    for (const char32_t code : codePointsOf(text))
        pixels += code < 0x2E80 ? kLatinPixels : kWidePixels;
    return pixels * kUnitsPerPixelX;
}

std::string trimmed(std::string_view text)
{
    std::u32string codes;
    for (const char32_t code : codePointsOf(text)) {
        const char32_t plain = plainForm(code);
        if (plain == U' ' || plain == kSkippedCode)
            continue;
        codes += plain == U'-' ? U'−' : code;
    }
    return utf8Of(codes);
}

// The places a text may take beside its dot, in the order they are tried: right, left, above,
// below, then the four corners. x and y say where the text's top-left corner stands in reaches
// from the dot, `shift` how many of the text's widths it moves left, `lines` how many lines down.
struct Side {
    double x, y, shift, lines;
};
constexpr double kCorner = 0.75; // a corner's text clears the dot in both directions
constexpr std::array<Side, 8> kSides{{
    {1, 0, 0, -0.5},
    {-1, 0, 1, -0.5},
    {0, 1, 0.5, -1},
    {0, -1, 0.5, 0},
    {kCorner, kCorner, 0, -1},
    {kCorner, -kCorner, 0, 0},
    {-kCorner, kCorner, 1, -1},
    {-kCorner, -kCorner, 1, 0},
}};

WorldPoint textCorner(WorldPoint at, double width, const Side& side)
{
    const double reachX = kMarkReachPixels * kUnitsPerPixelX, reachY = kMarkReachPixels * kUnitsPerPixelY;
    const double line = kLinePixels * kUnitsPerPixelY;
    return {at.x + side.x * reachX - side.shift * width, at.y + side.y * reachY - side.lines * line};
}

// Where the axes and their numbers stand (drawn with their top-left corners half a unit off the axes).
constexpr TextBox kXAxisNumbers{-10, 10, -0.5 - kLinePixels* kUnitsPerPixelY, 0.1};
constexpr TextBox kYAxisNumbers{-0.95, 0.1, -10, 10};

bool overlaps(const TextBox& a, const TextBox& b)
{
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
}

// Whether the text box comes within a dot's radius of `dot`.
bool coversDot(const TextBox& box, WorldPoint dot)
{
    const double rx = kMarkDiameterPixels / 2 * kUnitsPerPixelX, ry = kMarkDiameterPixels / 2 * kUnitsPerPixelY;
    return dot.x > box.left - rx && dot.x < box.right + rx && dot.y > box.bottom - ry && dot.y < box.top + ry;
}

} // namespace

std::string coordinateShown(std::string_view typed, double value)
{
    if (const auto exact = exactForm(value, writtenWithDecimals(std::string(typed))))
        return *exact;
    return trimmed(typed);
}

std::string pointText(std::string_view name, std::string_view x, std::string_view y)
{
    return trimmed(name) + "(" + std::string(x) + ", " + std::string(y) + ")";
}

Mark markAt(WorldPoint at, std::string text, std::optional<Rgb> colour)
{
    return {at, Caption{at, std::move(text), colour.value_or(kBlack)}};
}

TextBox markTextBox(const Mark& mark)
{
    const WorldPoint corner = mark.label.at;
    return {corner.x, corner.x + textWidthUnits(mark.label.text), corner.y - kLinePixels * kUnitsPerPixelY, corner.y};
}

void placeMarkTexts(std::vector<Mark>& marks, const CoversLine& covers)
{
    std::vector<TextBox> placed;
    for (Mark& mark : marks) {
        const double width = textWidthUnits(mark.label.text);
        const Side* bestSide = &kSides[0];
        double bestCost = INFINITY;
        for (const Side& side : kSides) {
            Mark trial = mark;
            trial.label.at = textCorner(mark.at, width, side);
            const TextBox box = markTextBox(trial);
            double cost = 0;
            for (const Mark& other : marks)
                cost += &other != &mark && coversDot(box, other.at) ? 100 : 0;
            for (const TextBox& earlier : placed)
                cost += overlaps(box, earlier) ? 10 : 0;
            cost += overlaps(box, kXAxisNumbers) || overlaps(box, kYAxisNumbers) ? 3 : 0;
            cost += covers && covers(box) ? 2 : 0;
            // Off the board a text cannot be read.
            cost += box.left < -kBoardUnits / 2 || box.right > kBoardUnits / 2 ? 5 : 0;
            if (cost < bestCost) {
                bestCost = cost;
                bestSide = &side;
            }
        }
        mark.label.at = textCorner(mark.at, width, *bestSide);
        placed.push_back(markTextBox(mark));
    }
}

DrawingResult namedPointDrawing(const FieldTexts& texts, std::string_view colour)
{
    FieldReader reader(texts, kNamedPointPlaces);
    const double x = reader.number(1);
    const double y = reader.number(2);
    if (!reader.ok())
        return reader.problem();
    const std::string name = reader.typed(0);
    if (codePointsOf(name).size() > kPointNameMaxCharacters)
        return InputProblem{0, "名称太长了，请在“名称”框里填写不超过12个字的名称。"};
    Drawing drawing;
    drawing.marks.push_back(
        markAt({x, y}, pointText(name, coordinateShown(reader.typed(1), x), coordinateShown(reader.typed(2), y)),
            lookupPenColour(colour)));
    placeMarkTexts(drawing.marks);
    return drawing;
}

} // namespace curvana
