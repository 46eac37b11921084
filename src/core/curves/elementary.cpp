// The elementary-function plotter: ten families sampled along x, each with its caption.
#include "core/curves/elementary.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/curves/curves.h"
#include "core/text/field_reader.h"
#include "core/curves/plot_points.h"
#include "core/text/utf8.h"

namespace curvana {

namespace {

// 2 pi and 3 pi written out to their own precision, not derived from kPlotPi: they bound the
// sampled ranges of the trigonometric families, and which sample is the last one taken depends on
// the bound's exact value; a derived bound would add or drop a dot at the ends of a curve.
constexpr double kTwoPi = 6.283185307;
constexpr double kThreePi = 9.4247779605;
constexpr double kHalfPi = kPlotPi / 2;
constexpr double kThreeHalfPi = kThreePi / 2;
// Keeps the tangent's samples this far (in x) from its asymptotes.
constexpr double kAsymptoteMargin = 0.001;

constexpr int kFieldA = 0;
constexpr int kFieldB = 1;
constexpr int kFieldC = 2;

bool isElementary(CurveFamily family) { return windowOfFamily(family) == CurveWindow::Elementary; }

bool isTrigonometric(CurveFamily family)
{
    return family == CurveFamily::Sine || family == CurveFamily::Cosine || family == CurveFamily::Tangent;
}

// The reciprocal, the exponential, the power and the logarithm read A alone.
bool readsOnlyA(CurveFamily family)
{
    return family == CurveFamily::Reciprocal || family == CurveFamily::Exponential || family == CurveFamily::Power
        || family == CurveFamily::Logarithm;
}

double finiteOrNoValue(double y) { return std::isfinite(y) ? y : kNoValue; }

double quadratic(const ElementaryParams& p, double x) { return p.a * x * x + p.b * x + p.c; }

// The x range over which u = b*x + c runs from uLo to uHi, shrunk by `margin` at both ends;
// a negative b mirrors it, so the same stretch of the curve is drawn either way.
template <class YOf>
void plotOverAngle(Drawing& drawing, const ElementaryParams& p, double uLo, double uHi, double margin, YOf&& yOf)
{
    const double fromLo = (uLo - p.c) / p.b;
    const double fromHi = (uHi - p.c) / p.b;
    plotAlongX(drawing, std::min(fromLo, fromHi) + margin, std::max(fromLo, fromHi) - margin, yOf);
}

// ---- the families ----------------------------------------------------------------------------

DrawingResult linear(FieldReader& in)
{
    const ElementaryParams p{in.number(kFieldA), in.number(kFieldB)};
    if (!in.ok())
        return in.problem();
    Drawing drawing;
    const auto y = [&](double x) { return elementaryY(CurveFamily::Line, p, x); };
    if (p.a > 0)
        plotAlongX(drawing, -8 / p.a, 8, y);
    else if (p.a < 0)
        plotAlongX(drawing, -8, -8 / p.a, y);
    else
        plotAlongX(drawing, -8, 8, y);
    drawing.captions.push_back({{4, 9}, "一次函数y=" + in.shown(kFieldA) + "x" + in.typed(kFieldB)});
    return drawing;
}

// The quadratic and its absolute value: three units either side of the vertex; a = 0 leaves the line b*x + c.
DrawingResult quadraticFamily(FieldReader& in, CurveFamily family, const char* name, const char* closing)
{
    const ElementaryParams p{in.number(kFieldA), in.number(kFieldB), in.number(kFieldC)};
    if (!in.ok())
        return in.problem();
    Drawing drawing;
    const auto y = [&](double x) { return elementaryY(family, p, x); };
    if (p.a != 0) {
        const double vertex = p.b / (2 * p.a);
        plotAlongX(drawing, -3 - vertex, 3 - vertex, y);
    } else {
        plotAlongX(drawing, -8, 8, y);
    }
    drawing.captions.push_back({{2, 9},
        std::string(name) + in.shown(kFieldA) + "x  " + in.typed(kFieldB) + "x" + in.typed(kFieldC) + closing});
    drawing.captions.push_back({{6, 9.3}, "2"});
    return drawing;
}

struct TrigCaption {
    const char* name;
    const char* function;
    WorldPoint at;
};

DrawingResult trigonometric(FieldReader& in, CurveFamily family, const TrigCaption& caption)
{
    ElementaryParams p{in.number(kFieldA), in.number(kFieldB), in.number(kFieldC)};
    if (!in.ok())
        return in.problem();
    p.c = degreesToPlotRadians(p.c);
    Drawing drawing;
    const auto y = [&](double x) { return elementaryY(family, p, x); };
    if (p.b == 0) {
        plotAlongX(drawing, -kTwoPi, kTwoPi, y); // a constant: the width of the other graphs
    } else if (family == CurveFamily::Tangent) {
        plotOverAngle(drawing, p, -kHalfPi, kHalfPi, kAsymptoteMargin, y);
        plotOverAngle(drawing, p, kHalfPi, kThreeHalfPi, kAsymptoteMargin, y);
    } else {
        plotOverAngle(drawing, p, -kTwoPi, kTwoPi, 0, y);
    }
    drawing.captions.push_back({caption.at,
        std::string(caption.name) + in.shown(kFieldA) + caption.function + in.shown(kFieldB) + "x" + in.typed(kFieldC)
            + "°)"});
    return drawing;
}

// The families that read A alone: one run over a fixed stretch of x, and captions made from A.
struct OneParameterFamily {
    double from, to;
    std::vector<Caption> (*captions)(const std::string& a); // A as shown
};

const OneParameterFamily kReciprocal{
    -8, 8, [](const std::string& a) {
        return std::vector<Caption>{{{3, 2}, "双曲线y= —"}, {{5.5, 2.3}, a}, {{5.8, 1.6}, "x"}};
    }};
// Where a raised part begins just past a caption line that starts at x = 4, so that an A typed
// as "1/2" or "-2.5" does not run under it. The board writes captions in a monospaced font, a
// CJK character two cells wide and a cell about 6.5 px, 0.31 units at the design scale; the
// place is rounded to a tenth, as the other captions' places are.
double pastCaptionLine(const std::string& line)
{
    constexpr double kCellUnits = 6.5 * 20 / 417;
    int cells = 0;
    for (const char32_t code : codePointsOf(line))
        cells += code >= 0x2E80 ? 2 : 1;
    return std::round((4 + cells * kCellUnits) * 10) / 10;
}

// y = A^x has the variable in the exponent (an exponential function), y = x^A in the base (a power
// function). Each raised part begins where its line ends.
const OneParameterFamily kPowerOfA{-3, 3, [](const std::string& a) {
                                       const std::string line = "指数函数y=" + a;
                                       return std::vector<Caption>{{{4, 9}, line}, {{pastCaptionLine(line), 9.3}, "x"}};
                                   }};
const OneParameterFamily kPowerOfX{-3, 3, [](const std::string& a) {
                                       const std::string line = "幂函数y=x";
                                       return std::vector<Caption>{{{4, 9}, line}, {{pastCaptionLine(line), 9.2}, a}};
                                   }};
const OneParameterFamily kLogarithm{0.1, 10, [](const std::string& a) {
                                        return std::vector<Caption>{{{4, 9}, "对数函数y=log" + a}, {{8.5, 9.5}, "x"}};
                                    }};

// The family is a template argument so that the formula is chosen once, not at every sample.
template <CurveFamily Family> DrawingResult oneParameter(FieldReader& in, const OneParameterFamily& family)
{
    const ElementaryParams p{in.number(kFieldA)};
    if (!in.ok())
        return in.problem();
    if (Family == CurveFamily::Logarithm && (p.a <= 0 || p.a == 1))
        return InputProblem{kFieldA, "对数的底数A必须大于0且不等于1。"};
    Drawing drawing;
    plotAlongX(drawing, family.from, family.to, [&](double x) { return elementaryY(Family, p, x); });
    drawing.captions = family.captions(in.shown(kFieldA));
    return drawing;
}

} // namespace

double degreesToPlotRadians(double degrees) { return degrees * kPlotPi / 180; }

double elementaryY(CurveFamily family, const ElementaryParams& p, double x)
{
    switch (family) {
    case CurveFamily::Line:
        return finiteOrNoValue(p.a * x + p.b);
    case CurveFamily::Quadratic:
        return finiteOrNoValue(quadratic(p, x));
    case CurveFamily::Reciprocal:
        return x == 0 ? kNoValue : finiteOrNoValue(p.a / x);
    case CurveFamily::Sine:
        return finiteOrNoValue(p.a * std::sin(p.b * x + p.c));
    case CurveFamily::Cosine:
        return finiteOrNoValue(p.a * std::cos(p.b * x + p.c));
    case CurveFamily::Tangent:
        return finiteOrNoValue(p.a * std::tan(p.b * x + p.c));
    case CurveFamily::AbsoluteQuadratic:
        return finiteOrNoValue(std::fabs(quadratic(p, x)));
    // pow gives NaN for a negative base with a non-whole exponent and infinity for 0 to a
    // negative power: neither has a real value to draw.
    case CurveFamily::Exponential:
        return finiteOrNoValue(std::pow(p.a, x));
    case CurveFamily::Power:
        return finiteOrNoValue(std::pow(x, p.a));
    case CurveFamily::Logarithm:
        return finiteOrNoValue(std::log(x) / std::log(p.a));
    default:
        return kNoValue;
    }
}

std::optional<ElementaryParams> elementaryParams(CurveFamily family, const FieldTexts& texts)
{
    if (!isElementary(family))
        return std::nullopt;
    // The line reads A and B, the families of one parameter only A, the others all three boxes.
    const bool onlyA = readsOnlyA(family);
    const bool readsC = !onlyA && family != CurveFamily::Line;
    FieldReader in(texts, kElementaryPlaces);
    ElementaryParams p{in.number(kFieldA)};
    if (!onlyA)
        p.b = in.number(kFieldB);
    if (readsC)
        p.c = in.number(kFieldC);
    if (!in.ok())
        return std::nullopt;
    if (isTrigonometric(family))
        p.c = degreesToPlotRadians(p.c);
    return p;
}

DrawingResult elementaryCurve(CurveFamily family, const FieldTexts& texts)
{
    FieldReader in(texts, kElementaryPlaces);
    switch (family) {
    case CurveFamily::Line:
        return linear(in);
    case CurveFamily::Quadratic:
        return quadraticFamily(in, family, "二次函数y=", "");
    case CurveFamily::Reciprocal:
        return oneParameter<CurveFamily::Reciprocal>(in, kReciprocal);
    case CurveFamily::Sine:
        return trigonometric(in, family, {"正弦曲线y=", "sin(", {1, -6}});
    case CurveFamily::Cosine:
        return trigonometric(in, family, {"余弦曲线y=", "cos(", {-1, 6}});
    case CurveFamily::Tangent:
        return trigonometric(in, family, {"正切曲线y=", "tan(", {1, 2}});
    case CurveFamily::AbsoluteQuadratic:
        return quadraticFamily(in, family, "二次函数y=|", "|");
    case CurveFamily::Exponential:
        return oneParameter<CurveFamily::Exponential>(in, kPowerOfA);
    case CurveFamily::Power:
        return oneParameter<CurveFamily::Power>(in, kPowerOfX);
    case CurveFamily::Logarithm:
        return oneParameter<CurveFamily::Logarithm>(in, kLogarithm);
    default:
        return Drawing{}; // a family of another window
    }
}

} // namespace curvana
