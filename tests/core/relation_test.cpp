#include "core/equations/relation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/equations/conic_recognition.h"
#include "core/equations/linear_program.h"
#include "core/equations/plane_function.h"
#include "core/text/utf8.h"

namespace curvana {
namespace {

TEST(Relation, InequalitySignsInEveryFormReadTheSameWay)
{
    // Each system must hold at the first point and fail at the second.
    struct Case {
        std::string text;
        std::size_t count;
        double inX, inY, outX, outY;
    };
    const std::vector<Case> cases = {
        {"y > x²", 1, 0, 1, 0, -1},
        {"y＞x^2", 1, 0, 1, 0, -1},
        {"x+y≤4，x−y≥−2，y≥0", 3, 0, 1, 0, -1},
        {"x+y<=4, x-y>=-2 且 y>=0", 3, 0, 1, 3, 3},
        {"x＋y≦4；y≧0", 2, 0, 0, 5, 0},
        {"0≤x≤3", 2, 1, 0, 4, 0},
        {"log(2, x) < 1", 1, 1, 0, 3, 0},
    };
    for (const Case& c : cases) {
        auto parsed = parseInequalities(c.text, "“不等式”框");
        ASSERT_TRUE(std::holds_alternative<std::vector<Relation>>(parsed))
            << c.text << ": " << std::get<TextProblem>(parsed).message;
        const auto& relations = std::get<std::vector<Relation>>(parsed);
        EXPECT_EQ(relations.size(), c.count) << c.text;
        const auto all = [&](double x, double y) {
            for (const Relation& r : relations) {
                const double value = PlaneFunction(r.function)(x, y);
                if (!(r.sign == RelationSign::Less ? value < 0 : value <= 0))
                    return false;
            }
            return true;
        };
        EXPECT_TRUE(all(c.inX, c.inY)) << c.text;
        EXPECT_FALSE(all(c.outX, c.outY)) << c.text;
    }
}

TEST(Relation, MistakesNameTheBoxAndThePlace)
{
    const std::vector<std::pair<std::string, std::string>> equations = {
        {"x²+y²=", "“方程”框第6个字符处：“=”后面缺少内容。"},
        {"x²+z²=4", "“方程”框第4个字符处：不认识“z”。"},
        {"x=y=1", "“方程”框第4个字符处：方程只能有一个“=”。"},
        {"x+y", "“方程”框第1个字符处：缺少“=”。"},
        {"x<1", "“方程”框第2个字符处：方程里只能用“=”，不等式请选“不等式”。"},
        {"x = (y+1", "“方程”框第5个字符处：“(”没有配对的“)”。"},
        {"", "“方程”框是空的，请填写。"},
    };
    for (const auto& [text, message] : equations) {
        const auto parsed = parseEquation(text, "“方程”框");
        ASSERT_TRUE(std::holds_alternative<TextProblem>(parsed)) << text;
        EXPECT_EQ(std::get<TextProblem>(parsed).message, message) << text;
    }
    const auto unjoined = parseInequalities("x>1，，y<2", "“不等式”框");
    EXPECT_EQ(std::get<TextProblem>(unjoined).message, "“不等式”框第5个字符处：这里缺少一个不等式。");
}

// Given values, the letters are put in; without them (a piecewise function's condition) a letter
// is still a mistake.
TEST(Relation, ParameterLettersTakeTheirValuesOnlyWhenGiven)
{
    const FormulaParameters values{{"a", 2}, {"b", -3}};
    const auto equation = parseEquation("y = a x + b", "“方程”框", &values);
    ASSERT_TRUE(std::holds_alternative<Relation>(equation));
    const PlaneFunction f(std::get<Relation>(equation).function);
    EXPECT_DOUBLE_EQ(f(1, -1), 0); // −1 = 2·1 − 3
    EXPECT_DOUBLE_EQ(f(0, 0), 3);
    const FormulaParameters none;
    const auto unknown = parseEquation("y = k x", "“方程”框", &none);
    ASSERT_TRUE(std::holds_alternative<Relation>(unknown));
    EXPECT_DOUBLE_EQ(PlaneFunction(std::get<Relation>(unknown).function)(2, 2), 0) << "k is 1 without a value";
    EXPECT_TRUE(std::holds_alternative<TextProblem>(parseInequalities("x < a", "“不等式”框")));
    EXPECT_EQ(relationParameterNames("x+y≤c，0≤x≤a，y ≥ π·k − c"), (std::vector<std::string>{"c", "a", "k"}));
    EXPECT_EQ(relationParameterNames("x²/a²+y²/b²=1"), (std::vector<std::string>{"a", "b"}));
    const auto both = parseInequalities("x < a，y ≥ π", "“不等式”框", &values);
    ASSERT_TRUE(std::holds_alternative<std::vector<Relation>>(both));
    EXPECT_DOUBLE_EQ(PlaneFunction(std::get<std::vector<Relation>>(both)[1].function)(0, 0), std::acos(-1.0));
}

TEST(Relation, AFunctionBoxKnowsAnEquationOrInequalityInXAndY)
{
    const std::vector<std::pair<std::string, RelationKind>> cases = {
        {"x²+y²=4", RelationKind::Equation},
        {"x=2", RelationKind::Equation},
        {"y>x²", RelationKind::Inequalities},
        {"x+y≤4，y≥0", RelationKind::Inequalities},
        {"y = x²", RelationKind::None},
        {"x^2+1", RelationKind::None},
        {"y=", RelationKind::None},
        {"y = y + x", RelationKind::Equation},
        // Letters are parameters in every kind: they decide nothing about the kind.
        {"y = a x + b", RelationKind::None},
        {"y > a x²", RelationKind::Inequalities},
        {"x²/a²+y²/b²=1", RelationKind::Equation},
        {"x + y ≤ c，y ≥ 0", RelationKind::Inequalities},
    };
    for (const auto& [text, kind] : cases)
        EXPECT_EQ(relationKindOf(text), kind) << text;
}

} // namespace
} // namespace curvana

namespace curvana {
namespace {

// Random texts from the notation's own characters: whatever comes out, a message names the box
// and points inside the text, and whatever parses can be evaluated, expanded and solved.
TEST(Relation, ScrambledTextsGiveAMessageOrSomethingThatComputes)
{
    const std::vector<std::string> pieces = {"x", "y", "2", "0.5", "=", "≤", "<", ">=", "＞", "，", "且", "(", ")", "²",
        "^", "-", "+", "*", "/", "|", "√", "sin", "log", ",", " ", "π"};
    std::uint32_t state = 12345;
    const auto next = [&] { return state = state * 1664525u + 1013904223u; };
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        const int length = static_cast<int>(next() % 12);
        for (int k = 0; k < length; ++k)
            text += pieces[next() % pieces.size()];
        const int codes = static_cast<int>(codePointsOf(text).size());
        const auto check = [&](const TextProblem& problem, const std::string& box) {
            EXPECT_EQ(problem.message.rfind(box, 0), 0u) << text;
            EXPECT_GE(problem.start, 0) << text;
            EXPECT_LE(problem.start + problem.length, codes) << text;
        };
        const auto equation = parseEquation(text, "“方程”框");
        if (const auto* problem = std::get_if<TextProblem>(&equation))
            check(*problem, "“方程”框");
        else if (const auto polynomial = expandedPolynomial(std::get<Relation>(equation).function))
            static_cast<void>(recognisedConic(*polynomial));
        const auto system = parseInequalities(text, "“不等式”框");
        if (const auto* problem = std::get_if<TextProblem>(&system))
            check(*problem, "“不等式”框");
        else if (const auto constraints = linearConstraints(std::get<std::vector<Relation>>(system)))
            static_cast<void>(maximumOf({1, 2, 0}, *constraints));
        else
            for (const Relation& r : std::get<std::vector<Relation>>(system))
                static_cast<void>(PlaneFunction(r.function).over({-1, 2, false}, {-3, 0.5, false}));
    }
}

} // namespace
} // namespace curvana
