#pragma once
// "列表描点": the table of values of y = f(x) a textbook draws a new function from, its x values
// stepped from a start or typed one by one, every y written exactly where it can be (1/3, √2, π/4),
// "无" where there is no real value and otherwise to four significant digits after "≈"; and what
// 描点 and 连线 put on the board from it.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/curves/drawing.h"
#include "core/formula/formula_sampler.h"
#include "core/formula/parameters.h"

namespace curvana {

// The window's boxes, Text1 first.
enum TableBox { kTableFormulaBox = 0, kTableFromBox = 1, kTableStepBox = 2, kTableCountBox = 3 };
// An InputProblem's field from this number on names the x cell (field − kFirstCellField).
inline constexpr int kFirstCellField = 100;
// What the boxes hold when the window opens: x = −3, −2, …, 3.
inline constexpr const char* kTableDefaultFrom = "-3";
inline constexpr const char* kTableDefaultStep = "1";
inline constexpr const char* kTableDefaultCount = "7";
// The most columns a table has: x from −10 to 10 in steps of 1/2 and one more.
inline constexpr int kMaxTableCells = 41;

// One column of the table: x as its cell holds it and its value, y as the table writes it and its
// value (none where f has no real value there).
struct TableColumn {
    std::string x;
    double xValue = 0;
    std::string y;
    std::optional<double> yValue;
};

// The x cells for the boxes {formula, x 从, 步长, 个数}: x 从 + k·步长 for k = 0 … 个数 − 1, each
// written exactly where it can be ("−3", "1/2", "π/6", "0.5" when the boxes were typed with
// decimals), or the first box that holds no usable number.
std::variant<std::vector<std::string>, InputProblem> tableXs(const FieldTexts& boxes);

// The table of `formula` at the x cells as typed, its other letters standing for the values of
// `parameters` (as in 自定义函数; a letter without one stands for 1), or the first mistake: in the formula (field 0) or in an x cell
// (kFirstCellField + its index).
std::variant<std::vector<TableColumn>, InputProblem> valueTable(
    std::string_view formula, const FieldTexts& xs, const FormulaParameters& parameters = {});

// A y as the table writes it: "无" for no real value, an exact form ("1/3", "√2", "1/32", "π/4";
// decimals kept as decimals when `decimals`), or "≈" and four significant digits ("≈0.8415").
std::string tableValueText(double value, bool decimals);

// The table as text for a spreadsheet or a worksheet: the x row and the y row, cells separated by
// tabs, each row ending in a line break.
std::string tableAsText(const std::vector<TableColumn>& columns);

// What 描点 (`points`) and 连线 (`curve`) draw: a filled dot with "(x, y)" beside it for every
// column that has a y, one after the other in the table's order; the curve of the function itself
// from the smallest to the largest x of the table, sampled as an own formula is, never joined
// across a pole or a jump, sampled for `sampling` (the part of the world the board shows). Both in
// the colour named by `colour` (black when it names none). The formula's other letters stand for
// the values of `parameters`.
DrawingResult tableDrawing(std::string_view formula, const FieldTexts& xs, std::string_view colour, bool points,
    bool curve, const SamplingView& sampling = {}, const FormulaParameters& parameters = {});

} // namespace curvana
