#include "core/formula/formula.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <thread>

namespace curvana {
namespace {

constexpr double kPi = std::numbers::pi;
const PixelScale kScale;

Drawing drawingOf(const FormulaInput& input)
{
    auto result = formulaDrawing(input, SamplingView{}, {1, 9});
    if (const auto* error = std::get_if<FormulaError>(&result)) {
        ADD_FAILURE() << "expected a drawing, got: " << error->message;
        return {};
    }
    return std::get<Drawing>(std::move(result));
}

FormulaError errorOf(const FormulaInput& input)
{
    auto result = formulaDrawing(input, SamplingView{}, {1, 9});
    if (const auto* error = std::get_if<FormulaError>(&result))
        return *error;
    ADD_FAILURE() << "expected a message for \"" << input.first << "\"";
    return {};
}

FormulaInput function(std::string text, std::string from = "-10", std::string to = "10")
{
    return {FormulaKind::Function, std::move(text), "", std::move(from), std::move(to)};
}

struct NotationCase {
    const char* typed;
    std::function<double(double)> meant;
};

TEST(FormulaNotation, SchoolFormsComputeWhatTheyMean)
{
    const NotationCase rows[] = {
        {"x^2", [](double x) { return x * x; }},
        {"x²", [](double x) { return x * x; }},
        {"x³ - 3x", [](double x) { return x * x * x - 3 * x; }},
        {"2x", [](double x) { return 2 * x; }},
        {"-2x+1", [](double x) { return -2 * x + 1; }},
        {"3sin x", [](double x) { return 3 * std::sin(x); }},
        {"2(x+1)", [](double x) { return 2 * (x + 1); }},
        {"(x+1)(x-1)", [](double x) { return (x + 1) * (x - 1); }},
        {"x(x+1)", [](double x) { return x * (x + 1); }},
        {"sin 2x", [](double x) { return std::sin(2 * x); }},
        {"sin x + 1", [](double x) { return std::sin(x) + 1; }},
        {"sin x^2", [](double x) { return std::sin(x * x); }},
        {"sin(x)^2", [](double x) { return std::pow(std::sin(x), 2); }},
        {"sin^2 x", [](double x) { return std::pow(std::sin(x), 2); }},
        {"sin²x+cos²x", [](double) { return 1.0; }},
        {"sin x cos x", [](double x) { return std::sin(x) * std::cos(x); }},
        {"sin 2x/3", [](double x) { return std::sin(2 * x) / 3; }},
        {"sin -x", [](double x) { return -std::sin(x); }},
        {"sin(x+1)x", [](double x) { return std::sin(x + 1) * x; }},
        {"sin cos x", [](double x) { return std::sin(std::cos(x)); }},
        {"xsin x", [](double x) { return x * std::sin(x); }},
        {"xsinx", [](double x) { return x * std::sin(x); }},
        {"2π", [](double) { return 2 * kPi; }},
        {"pi x", [](double x) { return kPi * x; }},
        {"πx²", [](double x) { return kPi * x * x; }},
        {"e^x", [](double x) { return std::exp(x); }},
        {"2e", [](double) { return 2 * std::numbers::e; }},
        {"√x", [](double x) { return std::sqrt(x); }},
        {"√(x+1)", [](double x) { return std::sqrt(x + 1); }},
        {"√2x", [](double x) { return std::sqrt(2) * x; }},
        {"√x^2", [](double x) { return std::fabs(x); }},
        {"2√x", [](double x) { return 2 * std::sqrt(x); }},
        {"|x|", [](double x) { return std::fabs(x); }},
        {"|x|-|x-1|", [](double x) { return std::fabs(x) - std::fabs(x - 1); }},
        {"||x|-2|", [](double x) { return std::fabs(std::fabs(x) - 2); }},
        {"2|x|(x+1)", [](double x) { return 2 * std::fabs(x) * (x + 1); }},
        {"lg x", [](double x) { return std::log10(x); }},
        {"ln x", [](double x) { return std::log(x); }},
        {"log_2(x)", [](double x) { return std::log2(x); }},
        {"log_2 x+1", [](double x) { return std::log2(x) + 1; }},
        {"log(2, x)", [](double x) { return std::log2(x); }},
        {"log_(1/2) x", [](double x) { return -std::log2(x); }},
        {"arcsin(x/5)", [](double x) { return std::asin(x / 5); }},
        {"arccos x", [](double x) { return std::acos(x); }},
        {"arctan x", [](double x) { return std::atan(x); }},
        {"cot x+sec x+csc x", [](double x) { return 1 / std::tan(x) + 1 / std::cos(x) + 1 / std::sin(x); }},
        {"tan x", [](double x) { return std::tan(x); }},
        {"sqrt(x)+abs(x)+exp(x)", [](double x) { return std::sqrt(x) + std::fabs(x) + std::exp(x); }},
        {"２ｘ＋１", [](double x) { return 2 * x + 1; }},
        {"（ｘ＋１）＾２－Ｘ／２＊３", [](double x) { return (x + 1) * (x + 1) - x / 2 * 3; }},
        {"log（２，ｘ）", [](double x) { return std::log2(x); }},
        {"x×2÷4", [](double x) { return x * 2 / 4; }},
        {"2·x", [](double x) { return 2 * x; }},
        {"−x^2", [](double x) { return -(x * x); }},
        {"-x^2", [](double x) { return -(x * x); }},
        {"2^-x", [](double x) { return std::pow(2, -x); }},
        {"2^x^2", [](double x) { return std::pow(2, x * x); }},
        {"1/2x", [](double x) { return x / 2; }},
        {"x^(1/2)", [](double x) { return std::sqrt(x); }},
        {"x^(1/3)", [](double x) { return std::cbrt(x); }},
        {"x^(2/3)", [](double x) { return std::cbrt(x) * std::cbrt(x); }},
        {"x^(-3/5)", [](double x) { return (x < 0 ? -1 : 1) * std::pow(std::fabs(x), -0.6); }},
        {"x^0.5", [](double x) { return std::sqrt(x); }},
        {"x^π", [](double x) { return std::pow(x, kPi); }},
        {"y = x+1", [](double x) { return x + 1; }},
        {"  Y＝X + .5 ", [](double x) { return x + 0.5; }},
    };
    const double xs[] = {-2.7, -1.3, -0.4, 0.35, 1.1, 2.9, 4.2};
    for (const NotationCase& row : rows) {
        auto compiled = compileFunction(row.typed);
        if (const auto* error = std::get_if<FormulaError>(&compiled)) {
            ADD_FAILURE() << row.typed << ": " << error->message;
            continue;
        }
        const CompiledFunction& f = std::get<CompiledFunction>(compiled);
        for (const double x : xs) {
            const double want = row.meant(x);
            const double got = f(x);
            if (std::isnan(want))
                EXPECT_TRUE(std::isnan(got)) << row.typed << " at " << x << " gave " << got;
            else
                EXPECT_NEAR(got, want, 1e-9 * std::fmax(1, std::fabs(want))) << row.typed << " at " << x;
        }
    }
}

struct MistakeCase {
    std::string typed;
    int start;
    int length;
    const char* message;
};

TEST(FormulaNotation, MistakesNameWhatAndWhere)
{
    const std::string tooLong = "x" + std::string(500, ' ') + std::string(500, '+');
    const MistakeCase rows[] = {
        {"", 0, 0, "式子是空的"},
        {"y = ", 0, 0, "式子是空的"},
        {"sinn x", 0, 4, "第1个字符处：不认识“sinn”。"},
        {"2+sinn", 2, 4, "第3个字符处：不认识“sinn”"},
        {"２＋sinn", 2, 4, "第3个字符处：不认识“sinn”"},
        {"x+", 1, 1, "第2个字符处：“+”后面缺少内容。"},
        {"ｘ＋", 1, 1, "第2个字符处：“＋”后面缺少内容。"},
        {"x*/2", 1, 1, "“*”后面缺少内容"},
        {"*x", 0, 1, "第1个字符处：“*”前面缺少内容。"},
        {"x+(x+1", 2, 1, "第3个字符处：“(”没有配对的“)”。"},
        {"(（x", 1, 1, "第2个字符处：“（”没有配对的“)”。"},
        {"x+1)", 3, 1, "第4个字符处：多了一个“)”。"},
        {"2()", 1, 2, "“(”和“)”之间缺少内容"},
        {"sin", 0, 3, "“sin”后面缺少内容"},
        {"sin + x", 0, 3, "“sin”后面缺少内容"},
        {"x2", 1, 1, "“2”前面缺少运算符"},
        {"(x+1)2", 5, 1, "“2”前面缺少运算符"},
        {"1.2.3x", 0, 5, "这个数写得不对：“1.2.3”"},
        {"x@2", 1, 1, "第2个字符处：不认识“@”。"},
        {"sin t", 4, 1, "不认识“t”：这里的变量是x。"},
        {"θ+1", 0, 1, "不认识“θ”：这里的变量是x。"},
        {"log x", 0, 3, "log要写出底数"},
        {"log(x)", 0, 3, "log要写出底数"},
        {"|x+1", 0, 1, "“|”没有配对的“|”"},
        {"2x,3", 2, 1, "第3个字符处：这里不能有“,”。"},
        {"(2,x)", 2, 1, "这里不能有“,”"},
        {"x = 1", 2, 1, "这里不能有“=”"},
        {std::string(400, '9'), 0, 400, "这个数太大了"},
        {tooLong, 1000, 1, "第1001个字符处：式子太长了，最多1000个字符。"},
        {std::string(65, '(') + "x" + std::string(65, ')'), 64, 1, "套得太深了"},
        {std::string(300, '-') + "x", 64, 1, "套得太深了"},
        {std::string(300, '|') + "x", 64, 1, "套得太深了"},
        {"x" + std::string(100, '^'), 1, 1, "“^”后面缺少内容"},
    };
    for (const MistakeCase& row : rows) {
        auto compiled = compileFunction(row.typed);
        const auto* error = std::get_if<FormulaError>(&compiled);
        if (!error) {
            ADD_FAILURE() << row.typed.substr(0, 80) << " was accepted";
            continue;
        }
        EXPECT_NE(error->message.find(row.message), std::string::npos)
            << row.typed.substr(0, 80) << ": " << error->message;
        EXPECT_EQ(error->start, row.start) << row.typed.substr(0, 80);
        EXPECT_EQ(error->length, row.length) << row.typed.substr(0, 80);
    }
}

TEST(FormulaNotation, DeepButLegalNestingIsAccepted)
{
    const std::string nested = std::string(60, '(') + "x" + std::string(60, ')');
    EXPECT_TRUE(std::holds_alternative<CompiledFunction>(compileFunction(nested)));
    std::string tower = "1";
    for (int i = 0; i < 60; ++i)
        tower += "^1";
    EXPECT_TRUE(std::holds_alternative<CompiledFunction>(compileFunction(tower)));
}

struct BoxMistakeCase {
    FormulaInput input;
    FormulaBox box;
    int start;
    int length;
    const char* message;
};

TEST(FormulaDrawing, MistakesNameTheBox)
{
    const BoxMistakeCase rows[] = {
        {function("(x"), FormulaBox::First, 0, 1, "“y =”框第1个字符处：“(”没有配对的“)”。"},
        {function(""), FormulaBox::First, 0, 0, "“y =”框是空的"},
        {function("x", ""), FormulaBox::From, 0, 0, "“x 从”框是空的"},
        {function("x", "-10", "2x"), FormulaBox::To, 1, 1, "“到”框第2个字符处：不认识“x”：这里只能写数，不能有变量。"},
        {function("x", "10", "-10"), FormulaBox::From, 0, 2, "“x 从”框里的数要小于“到”框里的数。"},
        {function("x", "3", "3"), FormulaBox::From, 0, 1, "“x 从”框里的数要小于“到”框里的数。"},
        {function("x", "-10", "1/0"), FormulaBox::To, 0, 3, "“到”框里的值不是一个实数。"},
        {function("x", "ln(-1)", "1"), FormulaBox::From, 0, 6, "“x 从”框里的值不是一个实数。"},
        {function("x", "20", "30"), FormulaBox::From, 0, 2, "范围在图板之外"},
        {function("√(x-20)"), FormulaBox::First, 0, 7, "在所给范围内，“y =”框里的函数没有实数值。"},
        {function("ln x", "-5", "0"), FormulaBox::First, 0, 4, "没有实数值"},
        {function("x+100"), FormulaBox::First, 0, 5, "不经过图板的可见部分"},
        {{FormulaKind::Parametric, "cos t", "sin y", "0", "2π"}, FormulaBox::Second, 4, 1,
            "“y =”框第5个字符处：不认识“y”。"},
        {{FormulaKind::Parametric, "cos x", "sin t", "0", "2π"}, FormulaBox::First, 4, 1,
            "“x =”框第5个字符处：不认识“x”：这里的变量是t。"},
        {{FormulaKind::Parametric, "cos t", "√(t-100)", "0", "2π"}, FormulaBox::Second, 0, 8,
            "“y =”框里的函数没有实数值"},
        {{FormulaKind::Parametric, "ln(-t)", "t", "0", "2π"}, FormulaBox::First, 0, 6, "“x =”框里的函数没有实数值"},
        {{FormulaKind::Polar, "sin x", "", "0", "2π"}, FormulaBox::First, 4, 1,
            "“r =”框第5个字符处：不认识“x”：这里的变量是θ。"},
        {{FormulaKind::Polar, "1", "", "0", "1e400"}, FormulaBox::To, 0, 5, "“到”框里的这个数太大了。"},
        {{FormulaKind::Polar, "1", "", "", "2π"}, FormulaBox::From, 0, 0, "“θ 从”框是空的"},
        {{FormulaKind::Parametric, "cos t", "sin t", "a", "2π"}, FormulaBox::From, 0, 1, "“t 从”框第1个字符处"},
        {{FormulaKind::Polar, "1", "", "-9" + std::string(300, '9'), "9" + std::string(308, '9')}, FormulaBox::To, 0,
            309, "这个数太大了"},
    };
    for (const BoxMistakeCase& row : rows) {
        const FormulaError error = errorOf(row.input);
        EXPECT_EQ(error.box, row.box) << row.input.first << " / " << row.message;
        EXPECT_NE(error.message.find(row.message), std::string::npos) << row.input.first << ": " << error.message;
        EXPECT_EQ(error.start, row.start) << error.message;
        EXPECT_EQ(error.length, row.length) << error.message;
    }
}

TEST(FormulaDrawing, RangeBoxesTakeFormulasAndCaptionShowsTheTypedFormula)
{
    const Drawing drawing = drawingOf(function(" y = x² ", "−π/2", "π/2"));
    ASSERT_EQ(drawing.polylines.size(), 1u);
    EXPECT_FLOAT_EQ(drawing.polylines[0].points.front().x, static_cast<float>(-kPi / 2));
    EXPECT_FLOAT_EQ(drawing.polylines[0].points.back().x, static_cast<float>(kPi / 2));
    ASSERT_EQ(drawing.captions.size(), 1u);
    EXPECT_EQ(drawing.captions[0].text, "y=x²");
    EXPECT_EQ(drawing.captions[0].at, (WorldPoint{1, 9}));
    const Drawing curve = drawingOf({FormulaKind::Parametric, "x=3cos t", "3sin t", "0", "2π"});
    EXPECT_EQ(curve.captions.at(0).text, "x=3cos t, y=3sin t");
}

// Where a function has no value or leaves the board, its pieces end; no piece crosses a pole or
// reaches where the function has no value, and every line of a piece stays on the curve.
struct ContinuityCase {
    const char* typed;
    std::function<double(double)> meant;
    std::vector<double> poles;
    double lowestX; // no point left of this
};

TEST(FormulaDrawing, PiecesFollowSteepCurvesAndEndAtPoles)
{
    std::vector<double> poles;
    for (int k = -4; k <= 3; ++k)
        poles.push_back(kPi / 2 + k * kPi);
    const ContinuityCase rows[] = {
        {"1/x", [](double x) { return 1 / x; }, {0}, -10},
        {"x³", [](double x) { return x * x * x; }, {}, -10},
        {"x^10", [](double x) { return std::pow(x, 10); }, {}, -10},
        {"tan x", [](double x) { return std::tan(x); }, poles, -10},
        {"√x", [](double x) { return std::sqrt(x); }, {}, 0},
        {"ln x", [](double x) { return std::log(x); }, {}, 1e-300},
    };
    for (const ContinuityCase& row : rows) {
        const Drawing drawing = drawingOf(function(row.typed));
        const auto inside
            = std::count_if(row.poles.begin(), row.poles.end(), [](double x) { return std::fabs(x) < 10; });
        ASSERT_GE(drawing.polylines.size(), static_cast<std::size_t>(inside) + 1) << row.typed;
        for (const Polyline& piece : drawing.polylines) {
            for (std::size_t i = 0; i < piece.points.size(); ++i) {
                const WorldPoint& p = piece.points[i];
                EXPECT_GE(p.x, row.lowestX) << row.typed;
                EXPECT_LE(std::fabs(p.y), kFormulaVisibleLimit + 1e-6) << row.typed;
                if (i == 0)
                    continue;
                const WorldPoint& before = piece.points[i - 1];
                for (double pole : row.poles)
                    EXPECT_FALSE(before.x < pole && pole < p.x) << row.typed << ": joined across x=" << pole;
                // The middle of each line lies on the curve (or beyond the board with it): its
                // height off the curve, across the line's slope, is under half a pixel.
                const double x = (before.x + p.x) / 2, y = row.meant(x);
                const double slope = (p.y - before.y) * kScale.perUnitY / ((p.x - before.x) * kScale.perUnitX);
                if (std::fabs(y) < 10) {
                    const double off = std::fabs(y - (before.y + p.y) / 2) * kScale.perUnitY / std::hypot(1, slope);
                    EXPECT_LT(off, 0.5) << row.typed << " at " << x;
                }
            }
        }
    }
}

TEST(FormulaDrawing, CurvesReachTheEdgesOfWhatIsVisible)
{
    const Drawing hyperbola = drawingOf(function("1/x"));
    double highest = -INFINITY;
    for (const Polyline& piece : hyperbola.polylines)
        for (const WorldPoint& p : piece.points)
            highest = std::fmax(highest, p.y);
    EXPECT_GT(highest, 10.9);
    const Drawing root = drawingOf(function("√x"));
    EXPECT_LT(root.polylines.at(0).points.front().x, 1e-4); // the edge of the domain is found, not a pixel short
}

TEST(FormulaDrawing, ParametricCircleLiesOnItsRadiusAllRound)
{
    const Drawing drawing = drawingOf({FormulaKind::Parametric, "3cos t", "3sin t", "0", "2π"});
    ASSERT_EQ(drawing.polylines.size(), 1u);
    const std::vector<WorldPoint>& points = drawing.polylines[0].points;
    bool quadrants[4] = {};
    for (std::size_t i = 0; i < points.size(); ++i) {
        const WorldPoint& p = points[i];
        EXPECT_NEAR(std::hypot(p.x, p.y), 3, 1e-5);
        quadrants[(p.x < 0) + 2 * (p.y < 0)] = true;
        // Smooth at four times the size: the middle of every line within half a pixel there.
        if (i > 0) {
            const WorldPoint middle{(points[i - 1].x + p.x) / 2, (points[i - 1].y + p.y) / 2};
            EXPECT_LT((3 - std::hypot(middle.x, middle.y)) * 4 * kScale.perUnitX, 0.5);
        }
    }
    EXPECT_TRUE(quadrants[0] && quadrants[1] && quadrants[2] && quadrants[3]);
    EXPECT_LT(std::hypot(points.front().x - points.back().x, points.front().y - points.back().y), 1e-6)
        << "closed, no gap at t = 0";
}

TEST(FormulaDrawing, PolarRoseHasFourPetalsOfLengthFour)
{
    const Drawing drawing = drawingOf({FormulaKind::Polar, "r = 4 sin 2θ", "", "0", "2π"});
    const auto nearest = [&](WorldPoint target) {
        double best = INFINITY;
        for (const Polyline& piece : drawing.polylines)
            for (const WorldPoint& p : piece.points)
                best = std::fmin(best, std::hypot(p.x - target.x, p.y - target.y));
        return best;
    };
    const double tip = 4 / std::sqrt(2.0);
    for (const WorldPoint target : {WorldPoint{tip, tip}, {-tip, tip}, {-tip, -tip}, {tip, -tip}, {0, 0}})
        EXPECT_LT(nearest(target), 0.02) << target.x << ", " << target.y;
    for (const Polyline& piece : drawing.polylines)
        for (const WorldPoint& p : piece.points)
            EXPECT_LE(std::hypot(p.x, p.y), 4 + 1e-5);
    // Between the petals, on the axes away from the pole, the rose has no points.
    EXPECT_GT(nearest({3, 0}), 1.0);
    EXPECT_GT(nearest({0, -3}), 1.0);
}

TEST(FormulaDrawing, WildCurvesStayWithinTheBudget)
{
    for (const char* typed : {"sin(1/x)", "√(sin(1/x))", "(-2)^(x*1000)", "tan(1/x)"}) {
        auto compiled = compileFunction(typed);
        ASSERT_TRUE(std::holds_alternative<CompiledFunction>(compiled)) << typed;
        const CompiledFunction& f = std::get<CompiledFunction>(compiled);
        long calls = 0;
        Drawing drawing;
        const CurveSamplingPlan plan{417, 20, 20000};
        const SamplingTally tally = sampleCurve(drawing, -10, 10, plan, SamplingView{}, [&](double x) {
            ++calls;
            return WorldPoint{x, f(x)};
        });
        EXPECT_LE(calls, plan.maxPoints) << typed;
        EXPECT_EQ(calls, tally.points) << typed;
        std::size_t points = 0;
        for (const Polyline& piece : drawing.polylines)
            points += piece.points.size();
        EXPECT_LE(static_cast<long>(points), 2 * calls) << typed;
    }
}

TEST(CompiledFunction, CopiesEvaluateIndependentlyOnTheirOwnThreads)
{
    auto compiled = compileFunction("x³ - 3x");
    ASSERT_TRUE(std::holds_alternative<CompiledFunction>(compiled));
    const CompiledFunction original = std::get<CompiledFunction>(compiled);
    double sums[2] = {};
    std::thread workers[2];
    for (int w = 0; w < 2; ++w)
        workers[w] = std::thread([copy = original, &sum = sums[w], w] {
            for (int i = 0; i < 100000; ++i)
                sum += copy(w + i * 1e-5);
        });
    for (std::thread& worker : workers)
        worker.join();
    for (int w = 0; w < 2; ++w) {
        double expected = 0;
        for (int i = 0; i < 100000; ++i) {
            const double x = w + i * 1e-5;
            expected += x * x * x - 3 * x;
        }
        EXPECT_NEAR(sums[w], expected, 1e-6 * std::fabs(expected));
    }
    CompiledFunction moved = std::move(std::get<CompiledFunction>(compiled));
    EXPECT_DOUBLE_EQ(moved(2), 2.0);
}

} // namespace
} // namespace curvana
