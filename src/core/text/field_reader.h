#pragma once
// Reading the numbers a window needs out of its text boxes, with one clear Chinese message
// for the first box that does not hold a number.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/curves/drawing.h"
#include "core/formula/formula_text.h"

namespace curvana {

// Where a box stands, as the messages name it: "在“A=”后面", "在第一个点的横坐标框里".
using FieldPlaces = std::span<const std::string_view>;

inline constexpr std::string_view kElementaryPlaces[] = {"在“A=”后面", "在“B=”后面", "在“C=”后面"};
inline constexpr std::string_view kConicPlaces[] = {"在“m=”后面", "在“n=”后面", "在“a=”后面", "在“b=”后面"};
inline constexpr std::string_view kClassicPlaces[] = {"在“R=”后面"};

// The number typed in a box, read the same way in every window: a decimal as parseNumber reads it
// ("1e3", "1。5", "－３"), otherwise a formula without variable ("1/2", "-3/4", "√2", "π/3", "2π",
// "2×3"). Without a value, `problem` says why, in words that follow the box's name ("第3个字符处：…",
// "里的值不是一个实数。"); `tooLarge` marks a number beyond a finite double ("1e400", "10^400").
struct TypedNumber {
    std::optional<double> value;
    TextProblem problem;
    bool tooLarge = false;
};
TypedNumber readTypedNumber(std::string_view text);

// Callers read the boxes in the order Text1, Text2, ...; the first box that fails is the one
// reported, and every later read is ignored. A failed read yields 0 so the caller can carry on
// to the check without branching after every box.
class FieldReader {
public:
    FieldReader(const FieldTexts& texts, FieldPlaces places)
        : texts_(texts)
        , places_(places)
    {
    }

    double number(int field); // double precision
    double single(int field); // single precision, widened back to double
    std::string typed(int field) const; // the box text exactly as typed ("" for a missing box)
    // The box in a caption: a decimal in its display form (" 2", "-.5"), as captions have always
    // shown it; anything else as typed, blanks trimmed, with the same blank before it (" 1/2", "-√2").
    std::string shown(int field) const;

    bool ok() const { return !problem_; }
    const InputProblem& problem() const { return *problem_; }

private:
    void fail(int field, std::string_view request);

    const FieldTexts& texts_;
    FieldPlaces places_;
    std::optional<InputProblem> problem_;
};

} // namespace curvana
