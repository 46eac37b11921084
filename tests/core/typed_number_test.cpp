// Number boxes and formula range boxes read typed numbers one way.
#include "core/curves/curves.h"
#include "core/text/field_reader.h"
#include "core/formula/formula.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace curvana {
namespace {

TEST(TypedNumber, DecimalsAndWhatTeachersWriteForANumber)
{
    const struct {
        const char* text;
        double value;
    } rows[] = {
        // Decimals read exactly as before, exponent forms included (a formula would read 1e3 as 1·e·3).
        {"1e3", 1000},
        {" +2 ", 2},
        {"1。5", 1.5},
        {"－３．５", -3.5},
        {"2.5E-2", 0.025},
        // Dashes, signs and fractions a teacher types.
        {"—2", -2},
        {"2×3", 6},
        {"1/2", 0.5},
        {"-3/4", -0.75},
        {"√2", std::numbers::sqrt2},
        {"π/3", std::numbers::pi / 3},
        {"2π", 2 * std::numbers::pi},
        {"３／４", 0.75},
        {"1\u00A0/\u200B2", 0.5},
    };
    for (const auto& row : rows) {
        const TypedNumber reading = readTypedNumber(row.text);
        ASSERT_TRUE(reading.value) << row.text << ": " << reading.problem.message;
        EXPECT_NEAR(*reading.value, row.value, 1e-9) << row.text;
    }
}

TEST(TypedNumber, WhatIsNoNumberSaysWhy)
{
    const struct {
        const char* text;
        bool tooLarge;
        const char* saying;
    } rows[] = {
        {"", false, "是空的"},
        {"x", false, "不能有变量"},
        {"1/0", false, "不是一个实数"},
        {"√-1", false, "不是一个实数"},
        {"1e400", true, "太大了"},
        {"10^400", false, "不是一个实数"},
        {"abc", false, "不认识"},
        {"1e", false, "没有写完"},
        {" 2.5Ｅ－ ", false, "没有写完"},
        {"-", false, "后面缺少内容"},
    };
    for (const auto& row : rows) {
        const TypedNumber reading = readTypedNumber(row.text);
        EXPECT_FALSE(reading.value) << row.text;
        EXPECT_EQ(reading.tooLarge, row.tooLarge) << row.text;
        EXPECT_NE(reading.problem.message.find(row.saying), std::string::npos)
            << row.text << ": " << reading.problem.message;
    }
}

TEST(TypedNumber, AnInvisibleCharacterInANumberBoxIsNamed)
{
    const auto refused = elementaryCurve(CurveFamily::Line, {"2\u200E", "+1"});
    ASSERT_TRUE(std::holds_alternative<InputProblem>(refused));
    EXPECT_EQ(
        std::get<InputProblem>(refused).message, "请在“A=”后面填写一个数。框里有一个看不见的字符U+200E，请删去它。");
}

// The same texts drawn through a plotter's number box and an own formula's range box.
TEST(TypedNumber, PlotterBoxesAndFormulaRangesReadAlike)
{
    const auto exponential = elementaryCurve(CurveFamily::Exponential, {"1/2"});
    ASSERT_TRUE(std::holds_alternative<Drawing>(exponential)) << std::get<InputProblem>(exponential).message;
    const Drawing& curve = std::get<Drawing>(exponential);
    ASSERT_FALSE(curve.dots.empty());
    EXPECT_NEAR(curve.dots.front().y, std::pow(0.5, curve.dots.front().x), 1e-5);

    const auto ranged = formulaDrawing({FormulaKind::Function, "x", "", "-1。5", "2×3"}, SamplingView{}, {0, 0});
    ASSERT_TRUE(std::holds_alternative<Drawing>(ranged)) << std::get<FormulaError>(ranged).message;
    const Drawing& line = std::get<Drawing>(ranged);
    ASSERT_EQ(line.polylines.size(), 1u);
    EXPECT_NEAR(line.polylines.front().points.front().x, -1.5, 0.1);
    EXPECT_NEAR(line.polylines.front().points.back().x, 6, 0.1);
}

} // namespace
} // namespace curvana
