// The conic-section plotter: ellipse, hyperbola and parabola sampled along x, and the circle
// drawn by the surface itself.
#include <cmath>

#include "core/curves/curves.h"
#include "core/text/field_reader.h"
#include "core/curves/plot_points.h"
#include "core/points/special_points.h"

namespace curvana {

namespace {

constexpr int kFieldM = 0;
constexpr int kFieldN = 1;
constexpr int kFieldA = 2;
constexpr int kFieldB = 3;

constexpr WorldPoint kNameAt{4, 9};
constexpr WorldPoint kCircleNameAt{-2, 5};

InputProblem zeroA() { return InputProblem{kFieldA, "“a=”后面的数不能为0，请填写一个不为0的数。"}; }

struct Conic {
    double m = 0;
    double n = 0;
    double a = 0; // the equations hold only a*a and b*b: a is taken for its length,
    double b = 0; // b keeps its sign, which decides which half is drawn first
};

// Both halves of a curve y = n ± b*root(x), each sampled left to right: n + b*root first, which
// is the lower half when b is negative (it shows in the order an animated board reveals them).
template <class RootOf> void plotHalves(Drawing& drawing, const Conic& k, double start, double end, RootOf&& rootOf)
{
    reserveDots(drawing, 2 * samplesInRun(start, end));
    plotAlongX(drawing, start, end, [&](double x) { return k.n + k.b * rootOf(x); });
    plotAlongX(drawing, start, end, [&](double x) { return k.n - k.b * rootOf(x); });
}

// The conic read from the boxes, or why it cannot be drawn: the first box without a number, or a = 0.
std::variant<Conic, InputProblem> checkedConic(const FieldReader& in, const Conic& k)
{
    if (!in.ok())
        return in.problem();
    if (k.a == 0)
        return zeroA();
    return k;
}

// Each conic reads its boxes in its own precision. m is read in single precision and n, a, b in
// double because that is how the conic window has always held them: the centre's x carries
// single-precision rounding (0.1 becomes 0.100000001...), and that rounding decides on which pixel
// the dots of a curve about x = m land, so reading it in double would move them. The ellipse's
// and hyperbola's a is taken as a size and b keeps its sign; the parabola has a signed a and no
// b; the circle reads all in single precision as the surface takes them (a negative radius draws
// as its size).
std::variant<Conic, InputProblem> readConic(CurveFamily family, FieldReader& in)
{
    switch (family) {
    case CurveFamily::Ellipse:
    case CurveFamily::Hyperbola:
        return checkedConic(
            in, Conic{in.single(kFieldM), in.number(kFieldN), std::fabs(in.number(kFieldA)), in.number(kFieldB)});
    case CurveFamily::Parabola:
        return checkedConic(in, Conic{in.single(kFieldM), in.number(kFieldN), in.number(kFieldA)});
    default:
        return checkedConic(in, Conic{in.single(kFieldM), in.single(kFieldN), std::fabs(in.single(kFieldA))});
    }
}

bool drawsConic(CurveFamily family) { return windowOfFamily(family) == CurveWindow::Conic; }

Drawing ellipse(const Conic& k)
{
    Drawing drawing;
    const auto root = [&](double x) { return rootOrNoValue(1 - (x - k.m) * (x - k.m) / (k.a * k.a), 1); };
    plotHalves(drawing, k, k.m - k.a, k.m + k.a, root);
    drawing.captions.push_back({kNameAt, "椭圆曲线"});
    return drawing;
}

Drawing hyperbola(const Conic& k)
{
    Drawing drawing;
    const auto root = [&](double x) { return rootOrNoValue(((x - k.m) * (x - k.m) - k.a * k.a) / (k.a * k.a), 1); };
    reserveDots(drawing, 2 * (samplesInRun(kConicOuterLeft, k.m - k.a) + samplesInRun(k.m + k.a, kConicOuterRight)));
    plotHalves(drawing, k, kConicOuterLeft, k.m - k.a, root);
    plotHalves(drawing, k, k.m + k.a, kConicOuterRight, root);
    drawing.captions.push_back({kNameAt, "双曲线"});
    return drawing;
}

// Opens towards the sign of a: to the right from the vertex for a > 0, to the left for a < 0.
Drawing parabola(Conic k)
{
    const double twiceA = 2 * k.a;
    k.b = 1;
    Drawing drawing;
    const auto root = [&](double x) {
        return rootOrNoValue(twiceA * (x - k.m), std::fabs(twiceA) * (std::fabs(x) + std::fabs(k.m)));
    };
    if (k.a > 0)
        plotHalves(drawing, k, k.m, kConicOuterRight, root);
    else
        plotHalves(drawing, k, kConicOuterLeft, k.m, root);
    drawing.captions.push_back({kNameAt, "抛物线"});
    return drawing;
}

// The surface's own circle.
Drawing circle(const Conic& k)
{
    Drawing drawing;
    drawing.circles.push_back(CircleSpec{{k.m, k.n}, k.a, {}, {}, {}});
    drawing.captions.push_back({kCircleNameAt, "圆"});
    return drawing;
}

} // namespace

DrawingResult conicCurve(CurveFamily family, const FieldTexts& texts)
{
    if (!drawsConic(family))
        return Drawing{}; // a family of another window
    FieldReader in(texts, kConicPlaces);
    const auto read = readConic(family, in);
    if (const auto* problem = std::get_if<InputProblem>(&read))
        return *problem;
    const Conic& k = std::get<Conic>(read);
    switch (family) {
    case CurveFamily::Ellipse:
        return ellipse(k);
    case CurveFamily::Hyperbola:
        return hyperbola(k);
    case CurveFamily::Parabola:
        return parabola(k);
    default:
        return circle(k);
    }
}

std::optional<ConicCurve> conicCurveOf(CurveFamily family, const FieldTexts& texts)
{
    if (!drawsConic(family))
        return std::nullopt;
    FieldReader in(texts, kConicPlaces);
    const auto read = readConic(family, in);
    const Conic* k = std::get_if<Conic>(&read);
    if (!k)
        return std::nullopt;
    return ConicCurve{family, k->m, k->n, k->a, std::fabs(k->b)}; // the points need only the half-axes' sizes
}

} // namespace curvana
