// The classic-curve plotter: six curves about the origin, sampled along the angle θ.
#include <cmath>
#include <iterator>

#include "core/curves/curves.h"
#include "core/text/field_reader.h"
#include "core/curves/plot_points.h"

namespace curvana {

namespace {

struct ClassicCurve {
    WorldPoint (*pointAt)(double r, double t);
    const char* name; // nullptr: the lemniscate prints no caption
    WorldPoint nameAt;
};

WorldPoint involute(double r, double t)
{
    return {r * (std::cos(t) + t * std::sin(t)), r * (std::sin(t) - t * std::cos(t))};
}

WorldPoint cycloid(double r, double t) { return {r * (t - std::sin(t)), r * (1 - std::cos(t))}; }

WorldPoint cardioid(double r, double t)
{
    const double rho = r * (1 + std::cos(t));
    return {rho * std::cos(t), rho * std::sin(t)};
}

WorldPoint threeLeafRose(double r, double t)
{
    const double rho = r * std::cos(3 * t);
    return {rho * std::cos(t), rho * std::sin(t)};
}

WorldPoint astroid(double r, double t)
{
    const double c = std::cos(t);
    const double s = std::sin(t);
    return {r * c * c * c, r * s * s * s};
}

// The absolute value under the root turns the missing lobes into a copy turned a quarter turn.
WorldPoint lemniscate(double r, double t)
{
    const double rho = std::sqrt(std::fabs(2 * r * r * std::cos(2 * t)));
    return {rho * std::cos(t), rho * std::sin(t)};
}

constexpr ClassicCurve kCurves[] = {
    {involute, "圆的渐开线", {-2, 3}},
    {cycloid, "旋轮线", {4, 5}},
    {cardioid, "心脏线", {4, 6}},
    {threeLeafRose, "三叶玫瑰线", {6, 4}},
    {astroid, "四尖点星形线", {-6, 6}},
    {lemniscate, nullptr, {}},
};
static_assert(std::size(kCurves)
    == static_cast<std::size_t>(CurveFamily::Lemniscate) - static_cast<std::size_t>(CurveFamily::Involute) + 1);

// Indexed by the classic families in their order, from the involute.
std::size_t curveIndex(CurveFamily family)
{
    return static_cast<std::size_t>(family) - static_cast<std::size_t>(CurveFamily::Involute);
}

} // namespace

DrawingResult classicCurve(CurveFamily family, const FieldTexts& texts)
{
    if (windowOfFamily(family) != CurveWindow::Classic)
        return Drawing{}; // a family of another window
    FieldReader in(texts, kClassicPlaces);
    const double r = in.single(0);
    if (!in.ok())
        return in.problem();
    const ClassicCurve& curve = kCurves[curveIndex(family)];
    Drawing drawing;
    plotAlongAngle(drawing, [&](double t) { return curve.pointAt(r, t); });
    if (curve.name)
        drawing.captions.push_back({curve.nameAt, curve.name});
    return drawing;
}

} // namespace curvana
