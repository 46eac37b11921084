#include "core/equations/conic_recognition.h"

#include <gtest/gtest.h>

#include "core/equations/relation.h"

namespace curvana {
namespace {

PlanePolynomial polynomialOf(const std::string& equation)
{
    const auto parsed = parseEquation(equation, "“方程”框");
    const auto polynomial = expandedPolynomial(std::get<Relation>(parsed).function);
    EXPECT_TRUE(polynomial.has_value()) << equation;
    return polynomial.value_or(PlanePolynomial{});
}

template <typename Items, typename Text> std::string joined(const Items& items, Text text)
{
    std::string out;
    for (const auto& item : items)
        out += (out.empty() ? "" : " ") + text(item);
    return out;
}

TEST(ConicRecognition, StandardAndShiftedFormsGiveTheirExactPointsAndLines)
{
    struct Case {
        std::string equation;
        ConicKind kind;
        std::string centre, vertices, foci, asymptotes, directrices;
    };
    const std::vector<Case> cases = {
        {"x²/25+y²/9=1", ConicKind::Ellipse, "(0, 0)", "(5, 0) (−5, 0) (0, 3) (0, −3)", "(4, 0) (−4, 0)", "",
            "x = 25/4 x = −25/4"},
        {"x²/4+y²/9=1", ConicKind::Ellipse, "(0, 0)", "(0, 3) (0, −3) (2, 0) (−2, 0)", "(0, √5) (0, −√5)", "",
            "y = 9√5/5 y = −9√5/5"},
        {"x²/9−y²/16=1", ConicKind::Hyperbola, "(0, 0)", "(3, 0) (−3, 0)", "(5, 0) (−5, 0)", "y = 4/3·x y = −4/3·x",
            "x = 9/5 x = −9/5"},
        {"(y−1)²/4−(x+2)²=1", ConicKind::Hyperbola, "(−2, 1)", "(−2, 3) (−2, −1)", "(−2, 1 + √5) (−2, 1 − √5)",
            "y = 2·x + 5 y = −2·x − 3", "y = 1 + 4√5/5 y = 1 − 4√5/5"},
        {"(x−1)²+(y+2)²=9", ConicKind::Circle, "(1, −2)", "(4, −2) (−2, −2) (1, 1) (1, −5)", "", "", ""},
        {"y²=4x", ConicKind::Parabola, "", "(0, 0)", "(1, 0)", "", "x = −1"},
        {"x²=−8(y−1)", ConicKind::Parabola, "", "(0, 1)", "(0, −1)", "", "y = 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.equation);
        const auto facts = recognisedConic(polynomialOf(c.equation));
        ASSERT_TRUE(facts.has_value());
        const auto pointText = [](const ExactPlanePoint& p) { return p.text(); };
        const auto lineText = [](const ConicLine& l) { return l.text; };
        EXPECT_EQ(facts->kind, c.kind);
        EXPECT_EQ(facts->centre ? facts->centre->text() : "", c.centre);
        EXPECT_EQ(joined(facts->vertices, pointText), c.vertices);
        EXPECT_EQ(joined(facts->foci, pointText), c.foci);
        EXPECT_EQ(joined(facts->asymptotes, lineText), c.asymptotes);
        EXPECT_EQ(joined(facts->directrices, lineText), c.directrices);
        // Every vertex lies on the curve.
        const PlanePolynomial q = polynomialOf(c.equation);
        for (const ExactPlanePoint& v : facts->vertices) {
            const double x = v.x.value(), y = v.y.value();
            const double value = q.coefficient[2][0].value() * x * x + q.coefficient[0][2].value() * y * y
                + q.coefficient[1][0].value() * x + q.coefficient[0][1].value() * y + q.coefficient[0][0].value();
            EXPECT_NEAR(value, 0, 1e-9) << v.text();
        }
    }
    for (const std::string notConic : {"x²−y²=0", "x²+y²=0", "x²+y²=−1", "2x+3y−6=0", "x²=4"})
        EXPECT_FALSE(recognisedConic(polynomialOf(notConic)).has_value()) << notConic;
    EXPECT_EQ(recognisedConic(polynomialOf("xy=1"))->kind, ConicKind::Rotated);
}

TEST(ConicRecognition, LinesMeetConicsAndLinesExactly)
{
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"y=x", "x²+y²=4", "(√2, √2) (−√2, −√2)"},
        {"x+y=4", "x−y=−2", "(1, 3)"},
        {"x=1", "x²+y²=4", "(1, √3) (1, −√3)"},
        {"y=2", "x²+y²=4", "(0, 2)"},
        {"y=x+1", "x²+y²=1/4", ""},
        {"y=x+1", "y²=4x", "(1, 2)"},
        {"y=2x", "y=2x+1", ""},
        {"y=x", "x²+y²=2x+2", "(1/2 + √5/2, 1/2 + √5/2) (1/2 − √5/2, 1/2 − √5/2)"},
    };
    for (const auto& [line, curve, expected] : cases) {
        const auto points = lineIntersections(polynomialOf(line), polynomialOf(curve));
        EXPECT_EQ(joined(points, [](const ExactPlanePoint& p) { return p.text(); }), expected)
            << line << " & " << curve;
    }
}

} // namespace
} // namespace curvana
