// Arbitrary text through the own-formula road: the school-notation front, muparser and the
// adaptive sampler. Every input must finish with pieces of a bounded number of points, all finite
// and on the board, or with one message whose selection lies inside the box it names.
//
// Input, one item per line: the kind ('f' function, 'p' parametric, 'r' polar, 'e' equation,
// 'i' inequalities), then the first formula, the second formula (an inequality's objective), the
// range start and the range end; missing items are empty. A second character 'd' asks for dashes,
// 'c' for a conic's asymptotes and directrices.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "core/formula/formula.h"
#include "core/text/utf8.h"
#include "fuzz_check.h"

namespace curvana {
namespace {

// A piece's point is a computed point or where a line between two of them meets the board's edge,
// at most two per computed point; the grid and budget bound the computed points.
constexpr std::size_t kMaxPoints = 2 * kFormulaMaxEvaluations + 2;

FormulaInput inputOf(std::string_view data)
{
    std::string items[5];
    for (std::size_t item = 0; item < 5 && !data.empty(); ++item) {
        const std::size_t end = data.find('\n');
        items[item] = std::string(data.substr(0, end));
        data = end == std::string_view::npos ? std::string_view{} : data.substr(end + 1);
    }
    const char kind = items[0].empty() ? 'f' : items[0][0];
    FormulaInput input{kind == 'p' ? FormulaKind::Parametric
            : kind == 'r'          ? FormulaKind::Polar
            : kind == 'e'          ? FormulaKind::Equation
            : kind == 'i'          ? FormulaKind::Inequality
                                   : FormulaKind::Function,
        items[1], items[2], items[3], items[4]};
    if (input.kind == FormulaKind::Inequality)
        input.objective = std::exchange(input.second, std::string());
    input.style = items[0].find('d') != std::string::npos ? LineStyle::Dashed : LineStyle::Solid;
    input.conicLines = items[0].find('c') != std::string::npos;
    return input;
}

void checkError(const FormulaInput& input, const FormulaError& error)
{
    const int length = static_cast<int>(codePointsOf(boxText(input, error.box)).size());
    fuzzCheck(!error.message.empty(), "empty message", input.first);
    fuzzCheck(error.start >= 0 && error.length >= 0 && error.start + error.length <= length,
        "selection outside its box", error.message);
    fuzzCheck(input.kind == FormulaKind::Parametric || error.box != FormulaBox::Second,
        "message names a box the window lacks", error.message);
    fuzzCheck(input.kind == FormulaKind::Inequality || error.box != FormulaBox::Objective,
        "message names an objective the kind lacks", error.message);
}

void checkDrawing(const FormulaInput& input, const Drawing& drawing)
{
    fuzzCheck(!drawing.polylines.empty() || !drawing.dots.empty() || !drawing.shades.empty(),
        "a drawing without pieces", input.first);
    for (const Shade& shade : drawing.shades)
        for (const auto& polygon : shade.polygons)
            for (const WorldPoint& p : polygon)
                fuzzCheck(std::fabs(p.x) <= kFormulaVisibleLimit && std::fabs(p.y) <= kFormulaVisibleLimit,
                    "a shaded corner off the board or not finite", input.first);
    std::size_t points = 0;
    for (const Polyline& piece : drawing.polylines) {
        fuzzCheck(!piece.points.empty(), "an empty piece", input.first);
        points += piece.points.size();
        for (const WorldPoint& p : piece.points)
            fuzzCheck(std::fabs(p.x) <= kFormulaVisibleLimit && std::fabs(p.y) <= kFormulaVisibleLimit,
                "a point off the board or not finite", input.first);
    }
    fuzzCheck(points <= kMaxPoints, "too many points", input.first);
    // An inequality's objective adds its maximum and minimum under the caption.
    const std::size_t captions = input.kind == FormulaKind::Inequality && !input.objective.empty() ? 3 : 1;
    fuzzCheck(drawing.captions.size() == captions, "not its captions", input.first);
}

} // namespace
} // namespace curvana

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace curvana;
    const FormulaInput input = inputOf(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto result = formulaDrawing(input, SamplingView{}, {1, 9});
    if (const auto* error = std::get_if<FormulaError>(&result))
        checkError(input, *error);
    else
        checkDrawing(input, std::get<Drawing>(result));
    // The compiled function alone, as other code uses it, copied and evaluated.
    const auto compiled = compileFunction(input.first);
    if (const auto* f = std::get_if<CompiledFunction>(&compiled)) {
        const CompiledFunction copy = *f;
        for (const double x : {-1e300, -3.5, 0.0, 1e-300, 2.0, HUGE_VAL, std::nan("")})
            fuzzCheck(std::isnan(copy(x)) == std::isnan((*f)(x)), "a copy computes otherwise", input.first);
    }
    return 0;
}
