#include "core/curves/elementary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "core/curves/plot_points.h"
#include "curve_test_support.h"

namespace curvana {
namespace {

using testing::drawingOf;
using testing::expectedSamples;
using testing::problemOf;
using enum CurveFamily;

struct FamilyCase {
    CurveFamily option;
    FieldTexts texts;
    double firstX;
    double lastBound; // the last sample lies within one step below it
    double samples; // expected count of one run
    std::function<double(double)> y;
    std::vector<Caption> captions;
};

TEST(ElementaryCurve, DefaultsDrawTheirRangeFormulaAndCaption)
{
    const double c60 = 60 * kPlotPi / 180;
    const FamilyCase rows[] = {
        {Line, {"1", "+2", "+0"}, -8, 8, expectedSamples(-8, 8), [](double x) { return x + 2; },
            {{{4, 9}, "一次函数y= 1x+2"}}},
        {Quadratic, {"1", "+2", "+0"}, -4, 2, expectedSamples(-4, 2), [](double x) { return x * x + 2 * x; },
            {{{2, 9}, "二次函数y= 1x  +2x+0"}, {{6, 9.3}, "2"}}},
        {Reciprocal, {"1", "+2", "+0"}, -8, 8, expectedSamples(-8, 8), [](double x) { return 1 / x; },
            {{{3, 2}, "双曲线y= —"}, {{5.5, 2.3}, " 1"}, {{5.8, 1.6}, "x"}}},
        {Sine, {"1", "1", "+60"}, -6.283185307 - c60, 6.283185307 - c60, 24000,
            [c60](double x) { return std::sin(x + c60); }, {{{1, -6}, "正弦曲线y= 1sin( 1x+60°)"}}},
        {Cosine, {"-2", "+2", "+0"}, -6.283185307 / 2, 6.283185307 / 2, 12000,
            [](double x) { return -2 * std::cos(2 * x); }, {{{-1, 6}, "余弦曲线y=-2cos( 2x+0°)"}}},
        {AbsoluteQuadratic, {"1", "-2", "-3"}, -2, 4, expectedSamples(-2, 4),
            [](double x) { return std::fabs(x * x - 2 * x - 3); },
            {{{2, 9}, "二次函数y=| 1x  -2x-3|"}, {{6, 9.3}, "2"}}},
        {Exponential, {"2", "+2", "+0"}, -3, 3, expectedSamples(-3, 3), [](double x) { return std::pow(2, x); },
            {{{4, 9}, "指数函数y= 2"}, {{7.7, 9.3}, "x"}}},
        {Power, {"2", "+2", "+0"}, -3, 3, expectedSamples(-3, 3), [](double x) { return x * x; },
            {{{4, 9}, "幂函数y=x"}, {{6.8, 9.2}, " 2"}}},
        {Logarithm, {"2", "+2", "+0"}, 0.1, 10, expectedSamples(0.1, 10), [](double x) { return std::log2(x); },
            {{{4, 9}, "对数函数y=log 2"}, {{8.5, 9.5}, "x"}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.option);
        const Drawing drawing = drawingOf(elementaryCurve(row.option, row.texts));
        ASSERT_FALSE(drawing.dots.empty());
        EXPECT_NEAR(static_cast<double>(drawing.dots.size()), row.samples, 2);
        EXPECT_NEAR(drawing.dots.front().x, row.firstX, 1e-6);
        EXPECT_LE(drawing.dots.back().x, row.lastBound + 1e-6);
        EXPECT_GT(drawing.dots.back().x, row.lastBound - kSampleStep - 1e-6);
        for (std::size_t i = 0; i < drawing.dots.size(); i += 997) {
            const WorldPoint p = drawing.dots[i];
            EXPECT_NEAR(p.y, row.y(p.x), 1e-5 * (1 + std::fabs(p.y))) << "x = " << p.x;
        }
        EXPECT_EQ(drawing.captions, row.captions);
        EXPECT_TRUE(drawing.segments.empty() && drawing.circles.empty());
    }
}

TEST(ElementaryCurve, DotsAreSinglePrecision)
{
    const Drawing drawing = drawingOf(elementaryCurve(Line, {"0.1", "+0.3"}));
    for (std::size_t i = 0; i < drawing.dots.size(); i += 1013) {
        EXPECT_EQ(drawing.dots[i].x, testing::single(drawing.dots[i].x));
        EXPECT_EQ(drawing.dots[i].y, testing::single(drawing.dots[i].y));
    }
}

TEST(ElementaryCurve, CaptionsShowBAndCAsTyped)
{
    struct Row {
        CurveFamily option;
        FieldTexts texts;
        std::string caption;
    };
    const Row rows[] = {
        {Quadratic, {"1", "2", "+0"}, "二次函数y= 1x  2x+0"},
        {Quadratic, {"+1", " +2 ", "0"}, "二次函数y= 1x   +2 x0"},
        {Line, {"-1", "+2"}, "一次函数y=-1x+2"},
        {Line, {"0.5", "-3"}, "一次函数y= .5x-3"},
        {Tangent, {"1", "1", "+0"}, "正切曲线y= 1tan( 1x+0°)"},
        {Sine, {"3", "+0.5", "-30"}, "正弦曲线y= 3sin( .5x-30°)"},
        // A number typed as a fraction, root or multiple of π is shown as typed.
        {Exponential, {" 1/2 "}, "指数函数y= 1/2"},
        {Line, {"-√2", "+1"}, "一次函数y=-√2x+1"},
        {Sine, {"1", "π/3", "+0"}, "正弦曲线y= 1sin( π/3x+0°)"},
    };
    for (const auto& row : rows) {
        const Drawing drawing = drawingOf(elementaryCurve(row.option, row.texts));
        ASSERT_FALSE(drawing.captions.empty());
        EXPECT_EQ(drawing.captions.front().text, row.caption);
    }
}

// The raised x of A^x and the raised A of x^A stand past the end of the line, however A was typed.
TEST(ElementaryCurve, RaisedPartOfAPowerStandsPastItsLine)
{
    const struct {
        CurveFamily family;
        const char* a;
        Caption raised;
    } rows[] = {
        {CurveFamily::Exponential, "2", {{7.7, 9.3}, "x"}},
        {CurveFamily::Exponential, "1/2", {{8.4, 9.3}, "x"}},
        {CurveFamily::Exponential, "-2.5", {{8.4, 9.3}, "x"}},
        {CurveFamily::Power, "2", {{6.8, 9.2}, " 2"}},
        {CurveFamily::Power, "-2.5", {{6.8, 9.2}, "-2.5"}},
    };
    for (const auto& row : rows) {
        const Drawing drawing = drawingOf(elementaryCurve(row.family, {row.a}));
        ASSERT_EQ(drawing.captions.size(), 2u) << row.a;
        EXPECT_EQ(drawing.captions[1], row.raised) << row.a;
    }
}

TEST(ElementaryCurve, TangentKeepsOffItsAsymptotes)
{
    struct Row {
        FieldTexts texts;
        double b;
        double c;
    };
    const Row rows[] = {{{"1", "1", "+0"}, 1, 0}, {{"2", "3", "+45"}, 3, 45}, {{"1", "-1", "+0"}, -1, 0},
        {{"1", "-0.5", "+20"}, -0.5, 20}};
    for (const auto& row : rows) {
        const Drawing drawing = drawingOf(elementaryCurve(Tangent, row.texts));
        const double c = row.c * kPlotPi / 180;
        // Both branches together: u = b*x + c spans (-π/2, 3π/2) without its asymptotes.
        EXPECT_NEAR(
            static_cast<double>(drawing.dots.size()), 2 * (kPlotPi / std::fabs(row.b) - 0.002) / kSampleStep, 4);
        for (const WorldPoint& p : drawing.dots) {
            const double u = row.b * p.x + c;
            ASSERT_GT(u, -kPlotPi / 2);
            ASSERT_LT(u, 3 * kPlotPi / 2);
            for (double asymptote : {-kPlotPi / 2, kPlotPi / 2, 3 * kPlotPi / 2})
                ASSERT_GE(std::fabs(u - asymptote) / std::fabs(row.b), 0.001 - 1e-6) << p.x;
        }
    }
    // Default branches in x, in their order.
    const Drawing drawing = drawingOf(elementaryCurve(Tangent, {"1", "1", "+0"}));
    EXPECT_NEAR(drawing.dots.front().x, -1.5698, 1e-4);
    EXPECT_NEAR(drawing.dots.back().x, 4.7114, 1e-3);
}

TEST(ElementaryCurve, NegativeAndZeroParametersChooseTheirRanges)
{
    struct Row {
        CurveFamily option;
        FieldTexts texts;
        double firstX;
        double lastBound;
        double yAtZero; // y on the curve at x = 0 (checked on the dot nearest 0)
    };
    const Row rows[] = {
        {Line, {"-1", "+2"}, -8, 8, 2},
        {Line, {"-2", "+2"}, -8, 4, 2},
        {Line, {"0", "+3"}, -8, 8, 3},
        {Quadratic, {"0", "+2", "+1"}, -8, 8, 1},
        {AbsoluteQuadratic, {"0", "-2", "+1"}, -8, 8, 1},
        {Sine, {"1", "-1", "+0"}, -6.283185307, 6.283185307, 0},
        {Cosine, {"2", "0", "+60"}, -6.283185307, 6.283185307, 2 * std::cos(60 * kPlotPi / 180)},
        {Tangent, {"1", "0", "+45"}, -6.283185307, 6.283185307, std::tan(45 * kPlotPi / 180)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.option);
        const Drawing drawing = drawingOf(elementaryCurve(row.option, row.texts));
        ASSERT_FALSE(drawing.dots.empty());
        EXPECT_NEAR(drawing.dots.front().x, row.firstX, 1e-5);
        EXPECT_LE(drawing.dots.back().x, row.lastBound + 1e-5);
        EXPECT_GT(drawing.dots.back().x, row.lastBound - kSampleStep - 1e-5);
        const auto nearest = std::min_element(drawing.dots.begin(), drawing.dots.end(),
            [](const WorldPoint& l, const WorldPoint& r) { return std::fabs(l.x) < std::fabs(r.x); });
        EXPECT_NEAR(nearest->y, row.yAtZero, 1e-2);
    }
}

TEST(ElementaryCurve, PowersWithoutRealValuesAreSkipped)
{
    // A negative base has a value only at whole exponents; 0 to a negative power has none.
    const Drawing negativeBase = drawingOf(elementaryCurve(Exponential, {"-2"}));
    for (const WorldPoint& p : negativeBase.dots)
        EXPECT_EQ(p.x, std::round(p.x));
    const Drawing zeroBase = drawingOf(elementaryCurve(Exponential, {"0"}));
    ASSERT_FALSE(zeroBase.dots.empty());
    for (const WorldPoint& p : zeroBase.dots)
        EXPECT_GE(p.x, 0);
    const Drawing rootOfX = drawingOf(elementaryCurve(Power, {"0.5"}));
    EXPECT_NEAR(static_cast<double>(rootOfX.dots.size()), expectedSamples(0, 3), 2);
    for (const WorldPoint& p : rootOfX.dots)
        EXPECT_GE(p.x, 0);
    EXPECT_TRUE(testing::allDotsFinite(drawingOf(elementaryCurve(Power, {"-1"}))));
}

TEST(ElementaryCurve, ReciprocalSkipsOnlyAnExactZero)
{
    EXPECT_TRUE(std::isnan(elementaryY(Reciprocal, {1}, 0.0)));
    EXPECT_DOUBLE_EQ(elementaryY(Reciprocal, {1}, 1e-300), 1e300);
    EXPECT_EQ(elementaryY(Reciprocal, {2}, -4), -0.5);
    // Repeated addition never lands on 0 exactly, so every sample is drawn, the ones right
    // beside the origin included.
    const Drawing drawing = drawingOf(elementaryCurve(Reciprocal, {"1"}));
    std::size_t samples = sampleRange(-8, 8, [](double) {});
    EXPECT_EQ(drawing.dots.size(), samples);
    EXPECT_TRUE(std::any_of(
        drawing.dots.begin(), drawing.dots.end(), [](const WorldPoint& p) { return std::fabs(p.x) < kSampleStep; }));
}

TEST(ElementaryCurve, LogarithmBaseMustBePositiveAndNotOne)
{
    for (const char* base : {"0", "-2", "1", "+1.0"}) {
        const InputProblem problem = problemOf(elementaryCurve(Logarithm, {base, "+2", "+0"}));
        EXPECT_EQ(problem.field, 0) << base;
        EXPECT_EQ(problem.message, "对数的底数A必须大于0且不等于1。");
    }
    const Drawing smallBase = drawingOf(elementaryCurve(Logarithm, {"0.5"}));
    EXPECT_NEAR(smallBase.dots.front().y, std::log(0.1) / std::log(0.5), 1e-5);
}

TEST(ElementaryCurve, TextThatIsNoNumberNamesTheFirstBadBoxItReads)
{
    struct Row {
        CurveFamily option;
        FieldTexts texts;
        int field;
        const char* message;
    };
    const Row rows[] = {
        {Line, {"abc", "+2", "+0"}, 0, "请在“A=”后面填写一个数。"},
        {Line, {"1", "", "+0"}, 1, "请在“B=”后面填写一个数。"},
        {Quadratic, {"1", "+2", "x"}, 2, "请在“C=”后面填写一个数。"},
        {Sine, {"?", "!", "+0"}, 0, "请在“A=”后面填写一个数。"},
        {Tangent, {"1", "1"}, 2, "请在“C=”后面填写一个数。"},
        {Power, {}, 0, "请在“A=”后面填写一个数。"},
        // Written as a number but beyond what the computation holds: a request for a smaller one.
        {Line, {"1e400", "+2"}, 0, "请在“A=”后面填写一个小一些的数。"},
        {Quadratic, {"1", "-1e400", "+0"}, 1, "请在“B=”后面填写一个小一些的数。"},
        {Reciprocal, {"x1e400"}, 0, "请在“A=”后面填写一个数。"},
    };
    for (const auto& row : rows) {
        const InputProblem problem = problemOf(elementaryCurve(row.option, row.texts));
        EXPECT_EQ(problem.field, row.field) << row.option;
        EXPECT_EQ(problem.message, row.message) << row.option;
    }
    // Boxes a family does not use are never looked at.
    EXPECT_FALSE(drawingOf(elementaryCurve(Reciprocal, {"1", "abc", "abc"})).dots.empty());
    EXPECT_FALSE(drawingOf(elementaryCurve(Line, {"1", "+2", "abc"})).dots.empty());
}

TEST(ElementaryCurve, AnotherWindowsFamilyDrawsNothing)
{
    for (const CurveFamily other : {Ellipse, Circle, Involute, Lemniscate}) {
        const Drawing drawing = drawingOf(elementaryCurve(other, {"1", "+2", "+0"}));
        EXPECT_TRUE(drawing.dots.empty() && drawing.captions.empty());
    }
}

TEST(ElementaryCurve, HugeAndTinyParametersFinishBoundedWithFiniteDots)
{
    struct Row {
        CurveFamily option;
        FieldTexts texts;
    };
    const Row rows[] = {
        {Line, {"1e-12", "+2"}},
        {Line, {"1e300", "+2"}},
        {Line, {"-1e-300", "+2"}},
        {Line, {"1e-320", "1e300"}},
        {Quadratic, {"1e-300", "+2", "+0"}},
        {Quadratic, {"1e-308", "-1e300", "+0"}},
        {Quadratic, {"1e300", "+2", "+0"}},
        {Reciprocal, {"1e300"}},
        {Reciprocal, {"1e-300"}},
        {Sine, {"1e300", "1e-300", "+0"}},
        {Cosine, {"1", "1e300", "1e300"}},
        {Tangent, {"1e300", "1e-12", "+0"}},
        {Tangent, {"1", "-1e-300", "+90"}},
        {AbsoluteQuadratic, {"-1e300", "1e300", "1e300"}},
        {Exponential, {"1e300"}},
        {Power, {"1e300"}},
        {Power, {"-1e-300"}},
        {Logarithm, {"1e-300"}},
        {Logarithm, {"1.0000000000000002"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.option);
        SCOPED_TRACE(row.texts.front());
        const Drawing drawing = drawingOf(elementaryCurve(row.option, row.texts));
        EXPECT_LE(static_cast<double>(drawing.dots.size()), 2 * testing::kMostVisibleSamples);
        EXPECT_TRUE(testing::allDotsFinite(drawing));
        EXPECT_FALSE(drawing.captions.empty());
    }
    // Far-started runs draw their whole visible stretch, from the left edge of the view on.
    struct Far {
        CurveFamily option;
        FieldTexts texts;
        double rightmost; // the run reaches at least this far right
    };
    const Far far[] = {
        {Line, {"1e-20", "+2"}, 7.99},
        {Line, {"1e-305", "+2"}, 7.99},
        {Sine, {"1", "1e-20", "+0"}, 10.9},
        {Cosine, {"1", "1e-20", "+0"}, 10.9},
        {Tangent, {"1", "1e-20", "+0"}, 10.9},
    };
    for (const auto& row : far) {
        SCOPED_TRACE(row.option);
        SCOPED_TRACE(row.texts[0] + " " + row.texts[1]);
        const Drawing drawing = drawingOf(elementaryCurve(row.option, row.texts));
        ASSERT_FALSE(drawing.dots.empty());
        EXPECT_LT(drawing.dots.front().x, kVisibleXMin + kSampleStep + 1e-6);
        double rightmost = drawing.dots.front().x;
        for (const WorldPoint& p : drawing.dots)
            rightmost = std::max(rightmost, p.x);
        EXPECT_GT(rightmost, row.rightmost);
    }
    // The worst bounded case still draws its visible stretch.
    const Drawing flat = drawingOf(elementaryCurve(Line, {"1e-12", "+2"}));
    EXPECT_NEAR(static_cast<double>(flat.dots.size()), expectedSamples(kVisibleXMin, 8), 3);
}

} // namespace
} // namespace curvana
