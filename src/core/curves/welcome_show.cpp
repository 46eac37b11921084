// The welcome window's show: fifteen curves in groups, the axes redrawn between the groups.
#include <cmath>

#include "core/curves/curves.h"
#include "core/curves/plot_points.h"

namespace curvana {

namespace {

constexpr Rgb kYellow = rgb(255, 255, 0);
constexpr Rgb kCyan = rgb(0, 255, 255);
constexpr Rgb kMagenta = rgb(255, 0, 255);

// Curve size per show curve 1..15, held in single precision as the show always did.
constexpr float kSizes[] = {4, 4, 4, 5, 6, 7, 8, 4, 4, 4, 4, 5, 5, 4, 4};

// Rose with k petal factor: ρ = R·cos(k·t).
WorldPoint rose(double r, int k, double t)
{
    const double rho = r * std::cos(k * t);
    return {rho * std::cos(t), rho * std::sin(t)};
}

WorldPoint showPoint(int curve, double r, double t)
{
    const double c = std::cos(t);
    const double s = std::sin(t);
    switch (curve) {
    case 1:
        return {r * c * c, r * c * s};
    case 2:
        return {-r * c * c, r * c * s};
    case 3:
        return rose(r, 2, t);
    case 4:
        return rose(r, 3, t);
    case 5:
        return rose(r, 4, t);
    case 6:
        return rose(r, 5, t);
    case 7:
        return rose(r, 6, t);
    case 8:
        return {(c + 1) * r * c, (c + 1) * r * s};
    case 9:
        return {-r * (c + 1) * c, (c + 1) * r * s};
    case 10:
        return {(c + 0.5) * r * c, (2 * c + 1) * r * s};
    case 11:
        return {-r * (c + 0.5) * c, (2 * c + 1) * r * s};
    case 12:
        return {(c + 0.5) * r * c, (0.5 * c + 1) * r * s};
    case 13:
        return {(0.5 - c) * r * c, (0.5 * c + 1) * r * s};
    case 14:
        return {r * c * c * c, r * s * s * s};
    default: {
        const double rho = std::sqrt(std::fabs(2 * r * r * std::cos(2 * t)));
        return {rho * c, rho * s};
    }
    }
}

ShowStep curveStep(int curve, Rgb colour) { return ShowStep{false, curve, colour}; }

constexpr ShowStep kClear{true, 0, kBlack};

} // namespace

const std::vector<ShowStep>& welcomeShowSteps()
{
    static const std::vector<ShowStep> steps{
        curveStep(1, kBlack),
        curveStep(2, kBlack),
        kClear,
        curveStep(3, kRed),
        kClear,
        curveStep(4, kYellow),
        curveStep(5, kCyan),
        kClear,
        curveStep(6, kCyan),
        curveStep(7, kRed),
        kClear,
        curveStep(8, kBlue),
        curveStep(9, kBlue),
        curveStep(10, kBlack),
        curveStep(11, kRed),
        kClear,
        curveStep(12, kCyan),
        curveStep(13, kRed),
        kClear,
        curveStep(14, kMagenta),
        curveStep(15, kRed),
    };
    return steps;
}

std::vector<WorldPoint> welcomeShowCurve(int curve)
{
    if (curve < 1 || curve > 15)
        return {};
    const double r = kSizes[curve - 1];
    Drawing drawing;
    plotAlongAngle(drawing, [&](double t) { return showPoint(curve, r, t); });
    return std::move(drawing.dots);
}

} // namespace curvana
