#include "core/curves/value_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "core/curves/marked_points.h"
#include "core/equations/rational.h"
#include "core/formula/formula.h"
#include "core/points/exact_form.h"
#include "core/points/special_points.h"
#include "core/text/field_reader.h"

namespace curvana {
namespace {

constexpr std::string_view kTablePlaces[] = {"在“y =”框里", "在“x 从”框里", "在“步长”框里", "在“个数”框里"};
// A fraction the exact forms leave out (2^−5 = 1/32) is still exact when its denominator is small.
constexpr long long kLargestDenominator = 100000;
constexpr double kLargestFraction = 1e12;
// Continued fractions reach any double in fewer steps than this.
constexpr int kMostFractionSteps = 64;

// p/q with q <= kLargestDenominator equal to `value` to about twelve digits, by continued fractions.
std::optional<Rational> smallFraction(double value)
{
    if (!(std::fabs(value) < kLargestFraction))
        return std::nullopt;
    long long h0 = 1, h1 = 0, k0 = 0, k1 = 1;
    double rest = value;
    for (int step = 0; step < kMostFractionSteps; ++step) {
        const double whole = std::floor(rest);
        // From the second step on k grows at least by this factor: past the limit, and no overflow.
        if (step > 0 && whole > static_cast<double>(kLargestDenominator))
            return std::nullopt;
        const auto a = static_cast<long long>(whole);
        const long long h = a * h0 + h1, k = a * k0 + k1;
        if (k > kLargestDenominator)
            return std::nullopt;
        const double candidate = static_cast<double>(h) / static_cast<double>(k);
        if (std::fabs(candidate - value) <= 1e-12 * std::fmax(1.0, std::fabs(value)))
            return Rational(h, k);
        if (rest == whole)
            return std::nullopt;
        rest = 1 / (rest - whole);
        h1 = h0;
        h0 = h;
        k1 = k0;
        k0 = k;
    }
    return std::nullopt;
}

// An x that has no short exact form, in at most ten significant digits.
std::string plainDecimal(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.10g", std::fabs(value));
    return (value < 0 ? "−" : "") + std::string(text);
}

std::string xText(double value, bool decimals)
{
    if (value == 0)
        return "0";
    if (auto exact = exactForm(value, decimals))
        return *exact;
    if (auto fraction = smallFraction(value); fraction && !decimals)
        return fraction->text();
    return plainDecimal(value);
}

// The y beside a point: the table's text without its "≈".
std::string pointCoordinate(const std::string& tableText)
{
    const std::string approx = "≈";
    return tableText.starts_with(approx) ? tableText.substr(approx.size()) : tableText;
}

// The values for every letter of `formula`: a letter the given values leave out stands for 1, as a
// new row starts, so a table saved without a value still draws.
FormulaParameters everyLetter(std::string_view formula, const FormulaParameters& given)
{
    return parametersFor(parameterNames(formula, formulaVocabulary(FormulaKind::Function, FormulaBox::First)), given);
}

InputProblem cellProblem(std::size_t index, const std::string& message)
{
    return {kFirstCellField + static_cast<int>(index), message};
}

} // namespace

std::string tableValueText(double value, bool decimals)
{
    if (!std::isfinite(value))
        return "无";
    if (auto exact = exactForm(value, decimals))
        return *exact;
    if (auto fraction = smallFraction(value); fraction && !decimals)
        return fraction->text();
    return "≈" + decimalForm(value);
}

std::variant<std::vector<std::string>, InputProblem> tableXs(const FieldTexts& boxes)
{
    FieldReader reader(boxes, kTablePlaces);
    const double from = reader.number(kTableFromBox);
    const double step = reader.number(kTableStepBox);
    const double count = reader.number(kTableCountBox);
    if (!reader.ok())
        return reader.problem();
    if (step == 0)
        return InputProblem{kTableStepBox, "请在“步长”框里填写一个不为0的数。"};
    if (count != std::floor(count) || count < 1 || count > kMaxTableCells)
        return InputProblem{kTableCountBox, "请在“个数”框里填写1到41之间的整数。"};
    const bool decimals
        = writtenWithDecimals(reader.typed(kTableFromBox)) || writtenWithDecimals(reader.typed(kTableStepBox));
    std::vector<std::string> xs;
    for (int k = 0; k < static_cast<int>(count); ++k) {
        const double x = from + k * step;
        if (!std::isfinite(x))
            return InputProblem{kTableStepBox, "x的值太大了，请在“步长”框里填写一个小一些的数。"};
        xs.push_back(xText(x, decimals));
    }
    return xs;
}

std::variant<std::vector<TableColumn>, InputProblem> valueTable(
    std::string_view formula, const FieldTexts& xs, const FormulaParameters& given)
{
    const FormulaParameters parameters = everyLetter(formula, given);
    auto compiled = compileFunction(formula, parameters);
    if (const auto* error = std::get_if<FormulaError>(&compiled))
        return InputProblem{kTableFormulaBox, "“y =”框里的" + error->message};
    const CompiledFunction& f = std::get<CompiledFunction>(compiled);
    if (xs.empty() || xs.size() > static_cast<std::size_t>(kMaxTableCells))
        return InputProblem{kTableCountBox, "请在“个数”框里填写1到41之间的整数。"};
    // A slider's 0.5 is a decimal as the formula's 0.5 is: the y values follow it.
    const bool formulaDecimals = writtenWithDecimals(std::string(formula)) || anyFractionalValue(parameters);
    std::vector<TableColumn> columns;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const TypedNumber x = readTypedNumber(xs[i]);
        if (!x.value)
            return cellProblem(i, "请在表格第" + std::to_string(i + 1) + "个x格里填写一个数。");
        const double y = f(*x.value);
        TableColumn column{xs[i], *x.value, tableValueText(y, formulaDecimals || writtenWithDecimals(xs[i])), {}};
        if (std::isfinite(y))
            column.yValue = y;
        columns.push_back(std::move(column));
    }
    return columns;
}

std::string tableAsText(const std::vector<TableColumn>& columns)
{
    std::string xRow = "x", yRow = "y";
    for (const TableColumn& column : columns) {
        xRow += "\t" + column.x;
        yRow += "\t" + column.y;
    }
    return xRow + "\n" + yRow + "\n";
}

namespace {

// Whether y = f(x) passes through a text's box, by its values across the box.
CoversLine curveThrough(const CompiledFunction& f)
{
    return [f](const TextBox& box) {
        constexpr int kSamples = 16;
        for (int i = 0; i <= kSamples; ++i) {
            const double y = f(box.left + (box.right - box.left) * i / kSamples);
            if (y >= box.bottom && y <= box.top)
                return true;
        }
        return false;
    };
}

void addPoints(
    Drawing& drawing, const std::vector<TableColumn>& columns, std::optional<Rgb> colour, const CoversLine& covers)
{
    for (const TableColumn& column : columns)
        if (column.yValue)
            drawing.marks.push_back(markAt({column.xValue, *column.yValue},
                pointText("", coordinateShown(column.x, column.xValue), pointCoordinate(column.y)), colour));
    placeMarkTexts(drawing.marks, covers);
}

std::optional<InputProblem> addCurve(Drawing& drawing, std::string_view formula,
    const std::vector<TableColumn>& columns, const SamplingView& sampling, const FormulaParameters& parameters)
{
    const auto byX = [](const TableColumn& a, const TableColumn& b) { return a.xValue < b.xValue; };
    const auto [low, high] = std::minmax_element(columns.begin(), columns.end(), byX);
    if (!(low->xValue < high->xValue))
        return InputProblem{kTableCountBox, "连线要用到至少两个不同的x值，请在“个数”框里填写大于1的数。"};
    const FormulaInput input{FormulaKind::Function, std::string(formula), "", low->x, high->x, parameters};
    auto curve = formulaDrawing(input, sampling, {});
    if (const auto* error = std::get_if<FormulaError>(&curve)) {
        if (error->box == FormulaBox::First)
            return InputProblem{kTableFormulaBox, error->message};
        return cellProblem(static_cast<std::size_t>(low - columns.begin()), error->message);
    }
    auto& pieces = std::get<Drawing>(curve).polylines;
    drawing.polylines.insert(drawing.polylines.end(), pieces.begin(), pieces.end());
    return std::nullopt;
}

} // namespace

DrawingResult tableDrawing(std::string_view formula, const FieldTexts& xs, std::string_view colour, bool points,
    bool curve, const SamplingView& sampling, const FormulaParameters& given)
{
    const FormulaParameters parameters = everyLetter(formula, given);
    auto table = valueTable(formula, xs, parameters);
    if (const auto* problem = std::get_if<InputProblem>(&table))
        return *problem;
    const auto& columns = std::get<std::vector<TableColumn>>(table);
    Drawing drawing;
    if (points) {
        // The texts keep off the curve that 连线 draws through the points, whether or not it is drawn yet.
        const auto compiled = compileFunction(formula, parameters);
        addPoints(drawing, columns, lookupPenColour(colour), curveThrough(std::get<CompiledFunction>(compiled)));
        if (drawing.marks.empty())
            return InputProblem{kTableFormulaBox, "表格里的x都没有实数y值，没有可描的点。"};
    }
    if (curve)
        if (auto problem = addCurve(drawing, formula, columns, sampling, parameters))
            return *problem;
    return drawing;
}

} // namespace curvana
