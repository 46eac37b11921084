#pragma once
// An equation recognised as a conic in standard or shifted form (x²/25+y²/9=1, (x−1)²+(y+2)²=9,
// y²=4x, x²/9−y²/16=1) with its special points and lines exactly, and where a line meets a conic
// or another line, exact where the algebra allows ((√2, √2) for y = x and x²+y²=4).
#include <optional>
#include <string>
#include <vector>

#include "core/curves/drawing.h"
#include "core/equations/plane_polynomial.h"
#include "core/equations/surd.h"

namespace curvana {

enum class ConicKind { Circle, Ellipse, Hyperbola, Parabola, Rotated };

struct ExactPlanePoint {
    Surd x, y;
    WorldPoint at() const { return {x.value(), y.value()}; }
    std::string text() const { return "(" + x.text() + ", " + y.text() + ")"; }
};

// a·x + b·y = c with its textbook form ("x = −1", "y = 4/3·x").
struct ConicLine {
    double a = 0, b = 0, c = 0;
    std::string text;
};

struct ConicFacts {
    ConicKind kind = ConicKind::Circle;
    std::optional<ExactPlanePoint> centre; // none for a parabola
    std::vector<ExactPlanePoint> vertices; // ends of both axes of an ellipse; the parabola's vertex
    std::vector<ExactPlanePoint> foci;
    std::vector<ConicLine> asymptotes;
    std::vector<ConicLine> directrices;
};

// None for what is not a real conic (a line, a point, crossing lines, no points at all) or not a
// polynomial of degree 2; a conic with an xy term is recognised as Rotated without its points.
std::optional<ConicFacts> recognisedConic(const PlanePolynomial& equation);

// Where the line (degree 1) meets the curve (degree 1 or 2): none, one or two points.
std::vector<ExactPlanePoint> lineIntersections(const PlanePolynomial& line, const PlanePolynomial& curve);

} // namespace curvana
