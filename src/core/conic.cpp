// The conic-section plotter: ellipse, hyperbola and parabola sampled along x, and the circle
// drawn by the surface itself.
#include <cmath>

#include "core/curves.h"
#include "core/field_reader.h"
#include "core/plot_points.h"

namespace curvana {

namespace {

constexpr int kFieldM = 0;
constexpr int kFieldN = 1;
constexpr int kFieldA = 2;
constexpr int kFieldB = 3;

// The hyperbola's and the parabola's open ends stop here whatever the parameters.
constexpr double kOuterLeft = -9;
constexpr double kOuterRight = 9;

constexpr WorldPoint kNameAt{4, 9};
constexpr WorldPoint kCircleNameAt{-2, 5};

InputProblem zeroA()
{
    return InputProblem{kFieldA, "“a=”后面的数不能为0，请填写一个不为0的数。"};
}

struct Conic {
    double m = 0;
    double n = 0;
    double a = 0; // the equations hold only a*a and b*b, so the sign of a or b does not matter
    double b = 0;
};

// Both halves of a curve y = n ± b*root(x), each sampled left to right, upper half first.
template <class RootOf>
void plotHalves(Drawing& drawing, const Conic& k, double start, double end, RootOf&& rootOf)
{
    reserveDots(drawing, 2 * samplesInRun(start, end));
    plotAlongX(drawing, start, end, [&](double x) { return k.n + k.b * rootOf(x); });
    plotAlongX(drawing, start, end, [&](double x) { return k.n - k.b * rootOf(x); });
}

// m, n, a and b of the ellipse or hyperbola, or why they cannot be drawn. m is read in single
// precision and n, a, b in double because that is how the conic window has always held them: the
// centre's x carries single-precision rounding (0.1 becomes 0.100000001...), and that rounding
// decides on which pixel the dots of a curve about x = m land, so reading it in double would move
// them. The parabola reads its m the same way.
std::variant<Conic, InputProblem> readCentredConic(FieldReader& in)
{
    const Conic k{in.single(kFieldM), in.number(kFieldN), std::fabs(in.number(kFieldA)),
                  std::fabs(in.number(kFieldB))};
    if (!in.ok())
        return in.problem();
    if (k.a == 0)
        return zeroA();
    return k;
}

DrawingResult ellipse(FieldReader& in)
{
    const auto read = readCentredConic(in);
    if (const auto* problem = std::get_if<InputProblem>(&read))
        return *problem;
    const Conic& k = std::get<Conic>(read);
    Drawing drawing;
    const auto root = [&](double x) { return rootOrNoValue(1 - (x - k.m) * (x - k.m) / (k.a * k.a), 1); };
    plotHalves(drawing, k, k.m - k.a, k.m + k.a, root);
    drawing.captions.push_back({kNameAt, "椭圆曲线"});
    return drawing;
}

DrawingResult hyperbola(FieldReader& in)
{
    const auto read = readCentredConic(in);
    if (const auto* problem = std::get_if<InputProblem>(&read))
        return *problem;
    const Conic& k = std::get<Conic>(read);
    Drawing drawing;
    const auto root = [&](double x) {
        return rootOrNoValue(((x - k.m) * (x - k.m) - k.a * k.a) / (k.a * k.a), 1);
    };
    reserveDots(drawing, 2 * (samplesInRun(kOuterLeft, k.m - k.a) + samplesInRun(k.m + k.a, kOuterRight)));
    plotHalves(drawing, k, kOuterLeft, k.m - k.a, root);
    plotHalves(drawing, k, k.m + k.a, kOuterRight, root);
    drawing.captions.push_back({kNameAt, "双曲线"});
    return drawing;
}

// Opens towards the sign of a: to the right from the vertex for a > 0, to the left for a < 0.
DrawingResult parabola(FieldReader& in)
{
    Conic k{in.single(kFieldM), in.number(kFieldN), in.number(kFieldA)};
    if (!in.ok())
        return in.problem();
    if (k.a == 0)
        return zeroA();
    const double twiceA = 2 * k.a;
    k.b = 1;
    Drawing drawing;
    const auto root = [&](double x) {
        return rootOrNoValue(twiceA * (x - k.m), std::fabs(twiceA) * (std::fabs(x) + std::fabs(k.m)));
    };
    if (k.a > 0)
        plotHalves(drawing, k, k.m, kOuterRight, root);
    else
        plotHalves(drawing, k, kOuterLeft, k.m, root);
    drawing.captions.push_back({kNameAt, "抛物线"});
    return drawing;
}

// The surface's own circle, fed in single precision; a negative radius draws as its size.
DrawingResult circle(FieldReader& in)
{
    const double m = in.single(kFieldM);
    const double n = in.single(kFieldN);
    const double a = in.single(kFieldA);
    if (!in.ok())
        return in.problem();
    if (a == 0)
        return zeroA();
    Drawing drawing;
    drawing.circles.push_back(CircleSpec{{m, n}, std::fabs(a), {}, {}, {}});
    drawing.captions.push_back({kCircleNameAt, "圆"});
    return drawing;
}

} // namespace

DrawingResult conicCurve(int option, const FieldTexts& texts)
{
    FieldReader in(texts, kConicPlaces);
    switch (option) {
    case 1: return ellipse(in);
    case 2: return hyperbola(in);
    case 3: return parabola(in);
    case 5: return circle(in);
    default: return Drawing{}; // no option selected
    }
}

} // namespace curvana
