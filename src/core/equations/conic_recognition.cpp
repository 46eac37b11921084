#include "core/equations/conic_recognition.h"

#include <utility>

namespace curvana {

namespace {

const Rational kZero(0);

// Coordinates along the conic's axis (u) and across it (v); `swapped` when the axis is y.
ExactPlanePoint pointOf(const Surd& u, const Surd& v, bool swapped)
{
    return swapped ? ExactPlanePoint{v, u} : ExactPlanePoint{u, v};
}

Surd exact(const Rational& r) { return Surd{r, kZero, 1}; }

// The line u = value, as x = … or y = ….
ConicLine axisLine(const Surd& value, bool swapped)
{
    const std::string name = swapped ? "y" : "x";
    return swapped ? ConicLine{0, 1, value.value(), name + " = " + value.text()}
                   : ConicLine{1, 0, value.value(), name + " = " + value.text()};
}

// y = slope·x + offset.
ConicLine slopedLine(const Surd& slope, const Surd& offset)
{
    const std::string s = slope.text();
    std::string text = "y = " + (s == "1" ? "" : s == "−1" ? "−" : s + "·") + "x";
    if (offset.value() != 0) {
        const std::string o = offset.text();
        text += o.rfind("−", 0) == 0 ? " − " + o.substr(std::string("−").size()) : " + " + o;
    }
    return {-slope.value(), 1, offset.value(), text};
}

// A(u−h)² + C(v−k)² = R in the axis coordinates, with A·R > 0 (u is the axis through the vertices).
ConicFacts centralConic(Rational A, Rational C, Rational R, Rational h, Rational k, bool swapped)
{
    ConicFacts facts;
    const Rational along = R / A; // a²
    const Rational across = R / C; // b² (negative for a hyperbola)
    const bool hyperbola = across.sign() < 0;
    facts.kind = hyperbola ? ConicKind::Hyperbola : along == across ? ConicKind::Circle : ConicKind::Ellipse;
    facts.centre = pointOf(exact(h), exact(k), swapped);
    const auto a = squareRootOf(along);
    const auto b = squareRootOf(hyperbola ? -across : across);
    if (!a || !b)
        return facts;
    facts.vertices = {pointOf(a->plus(h), exact(k), swapped), pointOf((-*a).plus(h), exact(k), swapped)};
    if (!hyperbola)
        facts.vertices.insert(
            facts.vertices.end(), {pointOf(exact(h), b->plus(k), swapped), pointOf(exact(h), (-*b).plus(k), swapped)});
    if (facts.kind == ConicKind::Circle)
        return facts;
    const Rational focal = along - across; // c² = a² − b², for a hyperbola a² + |b²|
    const auto c = squareRootOf(focal);
    if (!c)
        return facts;
    facts.foci = {pointOf(c->plus(h), exact(k), swapped), pointOf((-*c).plus(h), exact(k), swapped)};
    // Directrices u = h ± a²/c, where a²/c = (a²/c²)·c.
    const Surd reach = c->scaled(along / focal);
    facts.directrices = {axisLine(reach.plus(h), swapped), axisLine((-reach).plus(h), swapped)};
    if (hyperbola) {
        const auto ratio = squareRootOf(swapped ? along / -across : -across / along); // dy/dx of an asymptote
        if (ratio) {
            const Rational cx = swapped ? k : h;
            const Rational cy = swapped ? h : k;
            for (const Surd& slope : {*ratio, -*ratio})
                facts.asymptotes.push_back(slopedLine(slope, slope.scaled(-cx).plus(cy)));
        }
    }
    return facts;
}

// C(v−k)² = −D·u − F + C·k² written as (v−k)² = 4p(u−h), u the axis.
ConicFacts parabola(Rational C, Rational D, Rational E, Rational F, bool swapped)
{
    ConicFacts facts;
    facts.kind = ConicKind::Parabola;
    const Rational k = -E / (Rational(2) * C);
    const Rational h = (C * k * k - F) / D;
    const Rational p = -D / C / Rational(4);
    facts.vertices = {pointOf(exact(h), exact(k), swapped)};
    facts.foci = {pointOf(exact(h + p), exact(k), swapped)};
    facts.directrices = {axisLine(exact(h - p), swapped)};
    return facts;
}

std::optional<ConicFacts> recognise(const PlanePolynomial& equation)
{
    const auto& q = equation.coefficient;
    if (equation.degree() != 2)
        return std::nullopt;
    if (!q[1][1].isZero()) {
        ConicFacts rotated;
        rotated.kind = ConicKind::Rotated;
        return rotated;
    }
    const Rational A = q[2][0], C = q[0][2], D = q[1][0], E = q[0][1], F = q[0][0];
    if (A.isZero() || C.isZero()) {
        // Only one square: a parabola when the other variable appears on its own.
        const bool squareInY = A.isZero();
        const Rational square = squareInY ? C : A;
        const Rational linear = squareInY ? D : E;
        const Rational own = squareInY ? E : D;
        if (linear.isZero())
            return std::nullopt;
        return parabola(square, linear, own, F, !squareInY);
    }
    const Rational h = -D / (Rational(2) * A);
    const Rational k = -E / (Rational(2) * C);
    const Rational R = A * h * h + C * k * k - F;
    if (R.isZero() || (A.sign() == C.sign() && A.sign() != R.sign()))
        return std::nullopt; // crossing lines, a single point, or nothing
    if (A.sign() == R.sign() && (A.sign() != C.sign() || R / A >= R / C))
        return centralConic(A, C, R, h, k, false);
    return centralConic(C, A, R, k, h, true);
}

// Roots of α·t² + β·t + γ = 0.
std::vector<Surd> rootsOf(const Rational& alpha, const Rational& beta, const Rational& gamma)
{
    if (alpha.isZero()) {
        if (beta.isZero())
            return {};
        return {exact(-gamma / beta)};
    }
    const Rational discriminant = beta * beta - Rational(4) * alpha * gamma;
    const auto root = squareRootOf(discriminant);
    if (!root)
        return {};
    const Rational middle = -beta / (Rational(2) * alpha);
    const Surd offset = root->scaled(Rational(1) / (Rational(2) * alpha));
    if (discriminant.isZero())
        return {exact(middle)};
    return {offset.plus(middle), (-offset).plus(middle)};
}

} // namespace

std::optional<ConicFacts> recognisedConic(const PlanePolynomial& equation)
{
    try {
        return recognise(equation);
    } catch (const RationalOverflow&) {
        return std::nullopt;
    }
}

std::vector<ExactPlanePoint> lineIntersections(const PlanePolynomial& line, const PlanePolynomial& curve)
{
    if (line.degree() != 1)
        return {};
    try {
        const auto& l = line.coefficient;
        const auto& q = curve.coefficient;
        // Along the line, the coordinate that is free is t; the other is m·t + n.
        const bool yFree = l[0][1].isZero();
        const Rational m = yFree ? -l[0][1] / l[1][0] : -l[1][0] / l[0][1];
        const Rational n = yFree ? -l[0][0] / l[1][0] : -l[0][0] / l[0][1];
        // q in (free, dependent) order.
        const Rational tt = yFree ? q[0][2] : q[2][0], dd = yFree ? q[2][0] : q[0][2], td = q[1][1];
        const Rational t1 = yFree ? q[0][1] : q[1][0], d1 = yFree ? q[1][0] : q[0][1], c = q[0][0];
        const Rational alpha = tt + td * m + dd * m * m;
        const Rational beta = t1 + d1 * m + td * n + Rational(2) * dd * m * n;
        const Rational gamma = c + d1 * n + dd * n * n;
        if (alpha.isZero() && beta.isZero())
            return {}; // the same line, or parallel ones
        std::vector<ExactPlanePoint> points;
        for (const Surd& t : rootsOf(alpha, beta, gamma)) {
            const Surd dependent = t.scaled(m).plus(n);
            points.push_back(yFree ? ExactPlanePoint{dependent, t} : ExactPlanePoint{t, dependent});
        }
        return points;
    } catch (const RationalOverflow&) {
        return {};
    }
}

} // namespace curvana
