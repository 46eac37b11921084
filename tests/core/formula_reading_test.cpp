// How exponents, inverse functions, degrees and other school notation are read, and which typed
// characters count as what.
#include "core/formula/formula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

namespace curvana {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

struct ReadingCase {
    const char* typed;
    std::function<double(double)> meant; // not finite where the formula has no real value
};

void expectReadings(const ReadingCase& row, std::initializer_list<double> at)
{
    auto compiled = compileFunction(row.typed);
    if (const auto* error = std::get_if<FormulaError>(&compiled)) {
        ADD_FAILURE() << row.typed << ": " << error->message;
        return;
    }
    const CompiledFunction& f = std::get<CompiledFunction>(compiled);
    for (const double x : at) {
        const double want = row.meant(x);
        if (!std::isfinite(want))
            EXPECT_FALSE(std::isfinite(f(x))) << row.typed << " at " << x << " gave " << f(x);
        else
            EXPECT_NEAR(f(x), want, 1e-9 * std::fmax(1, std::fabs(want))) << row.typed << " at " << x;
    }
}

TEST(FormulaReading, ExponentsAndInversesReadAsPupilsMeanThem)
{
    const ReadingCase rows[] = {
        {"e^2x", [](double x) { return std::exp(2 * x); }},
        {"e^-2x", [](double x) { return std::exp(-2 * x); }},
        {"2^2x", [](double x) { return std::pow(2, 2 * x); }},
        {"e^-x", [](double x) { return std::exp(-x); }},
        {"e^x/2", [](double x) { return std::exp(x) / 2; }},
        {"e^2x+1", [](double x) { return std::exp(2 * x) + 1; }},
        {"e^2x sin x", [](double x) { return std::exp(2 * x) * std::sin(x); }},
        {"e^2sin x", [](double x) { return std::exp(2 * std::sin(x)); }},
        {"x^2*3", [](double x) { return x * x * 3; }},
        {"x^2/4", [](double x) { return x * x / 4; }},
        {"(x-1)^2/2^2", [](double x) { return (x - 1) * (x - 1) / 4; }},
        {"x^3/(2x)", [](double x) { return x * x / 2; }},
        {"x^4/2x", [](double x) { return std::pow(x, 4) / 2 * x; }},
        {"x^(1/2)/2", [](double x) { return std::sqrt(x) / 2; }},
        {"sin⁻¹ x", [](double x) { return std::asin(x); }},
        {"sin^-1 x", [](double x) { return std::asin(x); }},
        {"cos⁻¹(x)", [](double x) { return std::acos(x); }},
        {"tan^-1 2x", [](double x) { return std::atan(2 * x); }},
        {"sin^-2 x", [](double x) { return std::pow(std::sin(x), -2); }},
        // A negative base has a real power only for a whole exponent or an odd root typed as one.
        {"(-2)^x", [](double) { return kNoValue; }},
        {"x^x", [](double x) { return x < 0 ? kNoValue : std::pow(x, x); }},
        {"x^0.5", [](double x) { return x < 0 ? kNoValue : std::sqrt(x); }},
        {"x^(1/3)", [](double x) { return std::cbrt(x); }},
        {"x^(2/6)", [](double x) { return std::cbrt(x); }},
        {"x^(-1/3)", [](double x) { return 1 / std::cbrt(x); }},
        {"x^(1/4)", [](double x) { return x < 0 ? kNoValue : std::pow(x, 0.25); }},
        {"(-2)^3", [](double) { return -8.0; }},
    };
    for (const ReadingCase& row : rows)
        expectReadings(row, {-3, -2, -1, -0.5, 0.25, 0.5, 1, 2, 3});
}

TEST(FormulaReading, NotationTeachersWriteIsAccepted)
{
    const ReadingCase rows[] = {
        {"f(x)=x^2", [](double x) { return x * x; }},
        {" g(x) = 2x", [](double x) { return 2 * x; }},
        {"log₂x", [](double x) { return std::log2(x); }},
        {"log₂(x)+1", [](double x) { return std::log2(x) + 1; }},
        {"log₁₀x", [](double x) { return std::log10(x); }},
        {"x⁴", [](double x) { return std::pow(x, 4); }},
        {"x⁹-x⁰", [](double x) { return std::pow(x, 9) - 1; }},
        {"x¹⁰", [](double x) { return std::pow(x, 10); }},
        {"x⁻¹", [](double x) { return 1 / x; }},
        {"³√x", [](double x) { return std::cbrt(x); }},
        {"∛x", [](double x) { return std::cbrt(x); }},
        {"∛(x-1)", [](double x) { return std::cbrt(x - 1); }},
        {"∜x", [](double x) { return x < 0 ? kNoValue : std::pow(x, 0.25); }},
        {"2∛x", [](double x) { return 2 * std::cbrt(x); }},
        {"sin(x+30°)", [](double x) { return std::sin(x + kPi / 6); }},
        {"sin 30°", [](double) { return 0.5; }},
        {"tg x", [](double x) { return std::tan(x); }},
        {"ctg x", [](double x) { return 1 / std::tan(x); }},
        {"cot x+sec x+csc x", [](double x) { return 1 / std::tan(x) + 1 / std::cos(x) + 1 / std::sin(x); }},
        {"[x]", [](double x) { return std::floor(x); }},
        {"2[x/2]", [](double x) { return 2 * std::floor(x / 2); }},
        {"sgn x", [](double x) { return x < 0 ? -1.0
                                     : x > 0  ? 1.0
                                              : 0.0; }},
        {"1。5x", [](double x) { return 1.5 * x; }},
        {"x\u00A0+\u00A01", [](double x) { return x + 1; }},
        {"x\u200B+1\uFEFF", [](double x) { return x + 1; }},
    };
    for (const ReadingCase& row : rows)
        expectReadings(row, {-3, -2, -0.5, 0, 0.25, 1.5, 2, 7});
}

TEST(FormulaReading, AngleLettersAndPolarSymbolDrawAsTheirTwins)
{
    const FormulaInput pairs[][2] = {
        {{FormulaKind::Polar, "ρ=2cosθ", "", "0", "2π"}, {FormulaKind::Polar, "2cos θ", "", "0", "2π"}},
        {{FormulaKind::Polar, "r(θ) = 1 + Θ/9", "", "0", "2π"}, {FormulaKind::Polar, "1+θ/9", "", "0", "2π"}},
        {{FormulaKind::Polar, "sin 2φ", "", "0", "2π"}, {FormulaKind::Polar, "sin 2θ", "", "0", "2π"}},
        {{FormulaKind::Parametric, "cos θ", "sin φ", "0", "2π"},
            {FormulaKind::Parametric, "cos t", "sin t", "0", "2π"}},
    };
    for (const auto& [typed, plain] : pairs) {
        auto got = formulaDrawing(typed, SamplingView{}, {0, 0});
        auto want = formulaDrawing(plain, SamplingView{}, {0, 0});
        ASSERT_TRUE(std::holds_alternative<Drawing>(got)) << typed.first << ": " << std::get<FormulaError>(got).message;
        ASSERT_TRUE(std::holds_alternative<Drawing>(want)) << plain.first;
        EXPECT_EQ(std::get<Drawing>(got).dots, std::get<Drawing>(want).dots) << typed.first;
    }
    const auto polar = formulaDrawing({FormulaKind::Polar, "ρ=2cosθ", "", "0", "2π"}, SamplingView{}, {0, 0});
    EXPECT_EQ(std::get<Drawing>(polar).captions.front().text, "r=2cosθ");
}

struct RefusalCase {
    const char* typed;
    int start;
    int length;
    std::vector<std::string> saying;
};

TEST(FormulaReading, AmbiguousOrInvisibleTextIsRefusedWithBothReadings)
{
    const RefusalCase rows[] = {
        {"x^1/2", 0, 5, {"x^(1/2)", "(x^1)/2", "请加括号"}},
        {"1+e^-x/2", 2, 6, {"e^(-x/2)", "(e^-x)/2"}},
        {"x^-1/2", 0, 6, {"x^(-1/2)", "(x^-1)/2"}},
        {"(x+1)^2x/3", 0, 10, {"(x+1)^(2x/3)", "((x+1)^2x)/3"}},
        {"x^2/3", 0, 5, {"x^(2/3)", "(x^2)/3"}},
        {"x^3/2", 0, 5, {"x^(3/2)", "(x^3)/2"}},
        {"x^1/x", 0, 5, {"x^(1/x)", "(x^1)/x"}},
        {"ln^-1 x", 0, 2, {"1/ln"}},
        {"x\u200E+1", 1, 1, {"第2个字符处", "U+200E"}},
        {"x+\u0007", 2, 1, {"U+0007"}},
        {"⁻³√x", 0, 2, {"根指数"}},
        {"x⁻", 1, 1, {"上标"}},
        {"[x", 0, 1, {"“]”"}},
        {"²", 0, 1, {"前面缺少底数"}},
    };
    for (const RefusalCase& row : rows) {
        auto compiled = compileFunction(row.typed);
        const auto* error = std::get_if<FormulaError>(&compiled);
        if (!error) {
            ADD_FAILURE() << row.typed << " was accepted";
            continue;
        }
        for (const std::string& part : row.saying)
            EXPECT_NE(error->message.find(part), std::string::npos) << row.typed << ": " << error->message;
        EXPECT_EQ(error->start, row.start) << row.typed;
        EXPECT_EQ(error->length, row.length) << row.typed;
    }
}

} // namespace
} // namespace curvana
