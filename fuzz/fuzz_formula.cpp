// Arbitrary text through the own-formula road: the school-notation front, muparser and the
// adaptive sampler. Every input must finish with pieces of a bounded number of points, all finite
// and on the board, or with one message whose selection lies inside the box it names.
//
// Input, one item per line: the kind ('f' function, 'p' parametric, 'r' polar), then the first
// formula, the second formula, the range start and the range end; missing items are empty.
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

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
    return {kind == 'p'   ? FormulaKind::Parametric
            : kind == 'r' ? FormulaKind::Polar
                          : FormulaKind::Function,
        items[1], items[2], items[3], items[4]};
}

void checkError(const FormulaInput& input, const FormulaError& error)
{
    const int length = static_cast<int>(codePointsOf(boxText(input, error.box)).size());
    fuzzCheck(!error.message.empty(), "empty message", input.first);
    fuzzCheck(error.start >= 0 && error.length >= 0 && error.start + error.length <= length,
        "selection outside its box", error.message);
    fuzzCheck(input.kind == FormulaKind::Parametric || error.box != FormulaBox::Second,
        "message names a box the window lacks", error.message);
}

void checkDrawing(const FormulaInput& input, const Drawing& drawing)
{
    fuzzCheck(!drawing.polylines.empty(), "a drawing without pieces", input.first);
    std::size_t points = 0;
    for (const Polyline& piece : drawing.polylines) {
        fuzzCheck(!piece.points.empty(), "an empty piece", input.first);
        points += piece.points.size();
        for (const WorldPoint& p : piece.points)
            fuzzCheck(std::fabs(p.x) <= kFormulaVisibleLimit && std::fabs(p.y) <= kFormulaVisibleLimit,
                "a point off the board or not finite", input.first);
    }
    fuzzCheck(points <= kMaxPoints, "too many points", input.first);
    fuzzCheck(drawing.captions.size() == 1, "not one caption", input.first);
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
