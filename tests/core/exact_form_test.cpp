#include "core/points/exact_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "core/points/special_points.h"

namespace curvana {
namespace {

using std::numbers::pi;

struct Written {
    double value;
    const char* text;
};

TEST(ExactForm, RecognisesSchoolValues)
{
    const double root2 = std::sqrt(2.0);
    const Written rows[] = {
        {3, "3"},
        {-4, "−4"},
        {0.5, "1/2"},
        {-1.0 / 3, "−1/3"},
        {5.0 / 12, "5/12"},
        {-0.0, "0"},
        {1e-13, "0"},
        {pi / 4, "π/4"},
        {3 * pi / 2, "3π/2"},
        {-pi, "−π"},
        {2 * pi, "2π"},
        {-7 * pi / 12, "−7π/12"},
        {std::sqrt(3.0), "√3"},
        {2 * std::sqrt(5.0), "2√5"},
        {root2 / 2, "√2/2"},
        {-3 * root2 / 4, "−3√2/4"},
        {std::sqrt(46.0) / 11, "√46/11"},
        // off by 1e-10 relative: still within the agreement
        {std::sqrt(3.0) * (1 + 1e-10), "√3"},
        // the quadratic formula, logarithms and e
        {1 + root2, "1+√2"},
        {1 - root2, "1−√2"},
        {(1 + std::sqrt(5.0)) / 2, "(1+√5)/2"},
        {(1 - std::sqrt(5.0)) / 2, "(1−√5)/2"},
        {-1 - std::sqrt(5.0), "−1−√5"},
        {(3 + 2 * std::sqrt(7.0)) / 4, "(3+2√7)/4"},
        {std::log(2.0), "ln 2"},
        {-std::log(3.0), "−ln 3"},
        {std::numbers::e, "e"},
        {1 / std::numbers::e, "1/e"},
        // exact decimals that no small fraction makes
        {0.05, "0.05"},
        {-0.0625, "−0.0625"},
    };
    for (const Written& row : rows) {
        const auto form = exactForm(row.value);
        ASSERT_TRUE(form.has_value()) << row.value;
        EXPECT_EQ(*form, row.text) << row.value;
    }
}

TEST(ExactForm, RefusesNearMissesAndOthers)
{
    const double refused[] = {
        1.7320508,
        0.33333,
        1.0 / 13,
        pi / 13,
        std::sqrt(3.0) * (1 + 1e-8),
        std::numbers::e + 1e-7,
        std::sqrt(53.0),
        1e-11,
        0.12345,
        1 + std::sqrt(2.0) + 1e-7,
        2e6,
        std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(),
    };
    for (double value : refused)
        EXPECT_FALSE(exactForm(value).has_value()) << value << " read as " << exactForm(value).value_or("");
}

// A curve typed with decimals keeps them where they are exact; the rest stay what they were.
TEST(ExactForm, TypedDecimalsStayDecimals)
{
    const Written rows[] = {{-2.9, "−2.9"}, {3.1, "3.1"}, {-4.5, "−4.5"}, {0.25, "0.25"}, {2, "2"}, {1.0 / 3, "1/3"},
        {std::sqrt(2.0), "√2"}, {static_cast<float>(0.1), "0.1"}}; // read in single precision
    for (const Written& row : rows)
        EXPECT_EQ(exactForm(row.value, true).value_or("none"), row.text) << row.value;
    EXPECT_EQ(exactForm(-2.9).value_or("none"), "−29/10");
}

TEST(DecimalForm, FourSignificantDigitsWithTrueMinus)
{
    const Written rows[] = {
        {1.7320508, "1.732"},
        {0.78539816, "0.7854"},
        {-12.3456, "−12.35"},
        {9.99996, "10"},
        {2.5, "2.5"},
        {0, "0"},
        {-0.0, "0"},
        {12345.6, "12350"},
        // never scientific: what rounds away at four places is 0
        {0.000123456, "0.0001"},
        {-0.00004, "0"},
        {1e-10, "0"},
        {-1e-300, "0"},
    };
    for (const Written& row : rows)
        EXPECT_EQ(decimalForm(row.value), row.text) << row.value;
}

TEST(PointLabel, ExactFormsWithDecimalsBesideIrrationalOnes)
{
    struct Row {
        PointKind kind;
        double x, y;
        const char* label;
    };
    const Row rows[] = {
        {PointKind::Minimum, 1, -4, "极小值点 (1, −4)"},
        {PointKind::Maximum, -0.5, 2.0 / 3, "极大值点 (−1/2, 2/3)"},
        {PointKind::Zero, std::sqrt(3.0), 0, "零点 (√3, 0) ≈ (1.732, 0)"},
        {PointKind::Intersection, pi / 4, std::sqrt(0.5), "交点 (π/4, √2/2) ≈ (0.7854, 0.7071)"},
        {PointKind::Focus, std::sqrt(5.0), 0, "焦点 (√5, 0) ≈ (2.236, 0)"},
        {PointKind::YIntercept, 0, 2, "与y轴交点 (0, 2)"},
        {PointKind::Vertex, 0.1234567, 1, "顶点 (≈0.1235, 1)"},
        {PointKind::Centre, 1.23456, -2.345678, "中心 (≈1.235, ≈−2.346)"},
        {PointKind::CircleCentre, 1, 1, "圆心 (1, 1)"},
        {PointKind::Zero, 1e-10 + 0.1234567, 0, "零点 (≈0.1235, 0)"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(pointLabel(row.kind, row.x, row.y), row.label);
    EXPECT_EQ(pointLabel({PointKind::Zero, PointKind::Minimum}, 0, 0), "零点、极小值点 (0, 0)");
    EXPECT_EQ(pointLabel({PointKind::Vertex}, -2.9, 0, true), "顶点 (−2.9, 0)");
}

} // namespace
} // namespace curvana
