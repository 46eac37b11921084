#include "core/text/number.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

namespace curvana {
namespace {

struct Accepted {
    const char* text;
    double value;
};

TEST(ParseNumber, AcceptsTypedForms)
{
    const Accepted rows[] = {
        {"0", 0.0},
        {"7", 7.0},
        {"-7", -7.0},
        {"+1", 1.0},
        {" +2 ", 2.0},
        {"\t3\t", 3.0},
        {"1e3", 1000.0},
        {"2.5E-2", 0.025},
        {"1E+2", 100.0},
        {".5", 0.5},
        {"5.", 5.0},
        {"-.25", -0.25},
        {"007", 7.0},
        {"1.5e0", 1.5},
        {"＋５", 5.0},
        {"－３．５", -3.5},
        {"−2", -2.0},
        {"１２", 12.0},
        {"1。5", 1.5},
        {"1．5", 1.5},
        {"　4　", 4.0},
        {"２ｅ３", 2000.0},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        // Read with the formulas' reading of characters: dashes, no-break spaces, zero-width marks.
        {"—2", -2.0},
        {"\u00A02\u00A0", 2.0},
        {"1\u200B5", 15.0},
        {"\uFEFF3", 3.0},
    };
    for (const auto& row : rows) {
        const auto parsed = parseNumber(row.text);
        ASSERT_TRUE(parsed.has_value()) << row.text;
        EXPECT_DOUBLE_EQ(*parsed, row.value) << row.text;
    }
}

TEST(ParseNumber, RefusesWhatIsNotANumber)
{
    const char* rows[] = {
        "",
        "  ",
        "abc",
        "nan",
        "NaN",
        "inf",
        "-inf",
        "infinity",
        "0x10",
        "1e",
        "e5",
        "+",
        "-",
        ".",
        "-.",
        "1 2",
        "1,5",
        "1e400",
        "-1e400",
        "１a",
        "1.2.3",
        "--1",
        "+-1",
        "1e+",
        "1e2.5",
        "5-",
        "１２３４５６７８９０e999",
        "1\xE4",
        "\xFF",
        "1 e3",
        "2π",
    };
    for (const char* text : rows)
        EXPECT_FALSE(parseNumber(text).has_value()) << '"' << text << '"';
}

TEST(ParseNumber, TakesUnderflowAsZeroOrSubnormal)
{
    for (const char* text : {"1e-400", "0.000001e-320", "-1e-99999999999999999999"}) {
        const auto parsed = parseNumber(text);
        ASSERT_TRUE(parsed.has_value()) << text;
        EXPECT_LT(std::fabs(*parsed), 1e-300) << text;
    }
    // Many digits before a negative exponent can still overflow.
    EXPECT_FALSE(parseNumber("1" + std::string(400, '0') + "e-10").has_value());
    EXPECT_TRUE(parseNumber("0e999999").has_value());
}

TEST(ParseSingle, RefusesValuesBeyondAFloat)
{
    EXPECT_FALSE(parseSingle("1e39").has_value());
    EXPECT_FALSE(parseSingle("-1e39").has_value());
    EXPECT_FALSE(parseSingle("abc").has_value());
    const auto large = parseSingle("3e38");
    ASSERT_TRUE(large.has_value());
    EXPECT_FLOAT_EQ(*large, 3e38f);
    const auto small = parseSingle("－０．２５");
    ASSERT_TRUE(small.has_value());
    EXPECT_FLOAT_EQ(*small, -0.25f);
}

struct Shown {
    double value;
    const char* text;
};

TEST(DisplayForm, WritesBlankOrMinusAndNoLeadingZero)
{
    const Shown rows[] = {
        {1, " 1"},
        {-2, "-2"},
        {0.5, " .5"},
        {-0.25, "-.25"},
        {2.5, " 2.5"},
        {1.5, " 1.5"},
        {100, " 100"},
        {0.0001, " .0001"},
        {-0.00012, "-.00012"},
        {0.00001, " 1E-05"},
        {1e15, " 1E+15"},
        {99999999999999.0, " 99999999999999"},
        {123456789012345.0, " 123456789012345"},
        {-2.5e-7, "-2.5E-07"},
        {1.25e100, " 1.25E+100"},
        {1e-300, " 1E-300"},
        {1.0 / 3.0, " .333333333333333"},
        {-2.0 / 3.0, "-.666666666666667"},
        {0.1 + 0.2, " .3"},
        {0.9999999999999999, " 1"},
        {999999999999999.9, " 1E+15"},
        {0.0, " 0"},
        {-0.0, " 0"},
        {std::nan(""), " NaN"},
        {HUGE_VAL, " Inf"},
        {-HUGE_VAL, "-Inf"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(displayForm(row.value), row.text) << row.value;
}

TEST(DisplayForm, LabelsTheAxes)
{
    for (int i = -9; i <= 9; ++i) {
        const std::string expected = (i < 0 ? "-" : " ") + std::to_string(std::abs(i));
        EXPECT_EQ(displayForm(i), expected);
    }
}

TEST(DisplayForm, ReadsBackAsTheSameNumber)
{
    const double values[] = {1, -2, 0.5, 3.14159265358979, -1e-5, 6.02214076e23, 1e15, -1e14, 1.5e-300, 1.5e308,
        2.2250738585072014e-308, 0.1, 123.456, -987654.321, 4.9e-324 * 1e10, 1e-4};
    for (double value : values) {
        const auto parsed = parseNumber(displayForm(value));
        ASSERT_TRUE(parsed.has_value()) << displayForm(value);
        EXPECT_NEAR(*parsed, value, std::fabs(value) * 1e-14) << displayForm(value);
    }
}

TEST(DisplayForm, CutsRatherThanRoundsPastTheLargestDouble)
{
    // Rounded to 15 digits these would read 1.79769313486232E+308, beyond every double.
    const Shown rows[] = {
        {DBL_MAX, " 1.79769313486231E+308"},
        {-DBL_MAX, "-1.79769313486231E+308"},
        {std::nextafter(DBL_MAX, 0.0), " 1.79769313486231E+308"},
        // Below the point where rounding overflows, rounding stays.
        {1.7976931348623e308, " 1.7976931348623E+308"},
        {9.999999999999999e307, " 1E+308"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(displayForm(row.value), row.text) << row.value;
        const auto parsed = parseNumber(displayForm(row.value));
        ASSERT_TRUE(parsed.has_value()) << row.text;
        EXPECT_NEAR(*parsed, row.value, std::fabs(row.value) * 1e-14) << row.text;
    }
}

// Below about 5e-310 neighbouring doubles lie further apart than 15 digits can tell, so the
// text reads back as exactly the same double.
TEST(DisplayForm, ReadsBackTheSmallestSubnormalsExactly)
{
    for (double value : {DBL_TRUE_MIN, -DBL_TRUE_MIN, 3 * DBL_TRUE_MIN, 12345 * DBL_TRUE_MIN, 1e-310}) {
        const auto parsed = parseNumber(displayForm(value));
        ASSERT_TRUE(parsed.has_value()) << displayForm(value);
        EXPECT_EQ(*parsed, value) << displayForm(value);
    }
}

} // namespace
} // namespace curvana
