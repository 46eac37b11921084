#include "core/exact_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "core/special_points.h"

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
        {3, "3"},           {-4, "−4"},         {0.5, "1/2"},          {-1.0 / 3, "−1/3"},
        {5.0 / 12, "5/12"}, {-0.0, "0"},        {1e-13, "0"},          {pi / 4, "π/4"},
        {3 * pi / 2, "3π/2"}, {-pi, "−π"},      {2 * pi, "2π"},        {-7 * pi / 12, "−7π/12"},
        {std::sqrt(3.0), "√3"}, {2 * std::sqrt(5.0), "2√5"}, {root2 / 2, "√2/2"},
        {-3 * root2 / 4, "−3√2/4"}, {std::sqrt(46.0) / 11, "√46/11"},
        // off by 1e-10 relative: still within the agreement
        {std::sqrt(3.0) * (1 + 1e-10), "√3"},
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
        1.7320508,           0.3333,         1.0 / 13,      pi / 13,        std::sqrt(3.0) * (1 + 1e-8),
        std::numbers::e,     std::sqrt(53.0), 1e-11,         2e6,            std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(),
    };
    for (double value : refused)
        EXPECT_FALSE(exactForm(value).has_value()) << value << " read as " << exactForm(value).value_or("");
}

TEST(DecimalForm, FourSignificantDigitsWithTrueMinus)
{
    const Written rows[] = {
        {1.7320508, "1.732"}, {0.78539816, "0.7854"}, {-12.3456, "−12.35"}, {9.99996, "10"},
        {2.5, "2.5"},         {0, "0"},               {-0.0, "0"},          {12345.6, "12350"},
        {0.000123456, "0.0001235"}, {-0.00004, "−4.000e−05"},
    };
    for (const Written& row : rows)
        EXPECT_EQ(decimalForm(row.value), row.text) << row.value;
    EXPECT_EQ(approximateForm(std::sqrt(0.5)), "0.707");
    EXPECT_EQ(approximateForm(-0.0001), "0");
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
        {PointKind::Intersection, pi / 4, std::sqrt(0.5), "交点 (π/4, √2/2) ≈ (0.785, 0.707)"},
        {PointKind::Focus, std::sqrt(5.0), 0, "焦点 (√5, 0) ≈ (2.236, 0)"},
        {PointKind::YIntercept, 0, 2, "y轴交点 (0, 2)"},
        {PointKind::Vertex, 0.1234567, 1, "顶点 (0.1235, 1)"},
        {PointKind::Centre, 1.23456, -2.345678, "中心 (1.235, −2.346)"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(pointLabel(row.kind, row.x, row.y), row.label);
}

} // namespace
} // namespace curvana
