#include "core/view/view_window.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

#include "core/text/field_reader.h"

namespace curvana {

namespace {

constexpr double kLargest = ViewWindow::kLargestCoordinate;

struct Range {
    double from;
    double to;
};

// Moves a range that sticks out beyond the largest coordinate back inside, keeping its width.
Range shiftedInside(Range r)
{
    if (r.from < -kLargest)
        return {-kLargest, -kLargest + (r.to - r.from)};
    if (r.to > kLargest)
        return {kLargest - (r.to - r.from), kLargest};
    return r;
}

// The last guard of every operation: whatever rounding did, the range ends up drawable,
// still around `fixed` as far as the limits allow.
Range fitted(Range r, double fixed)
{
    const double width = r.to - r.from;
    if (!(width >= ViewWindow::narrowestRangeAt(r.from, r.to))) {
        // Twice the narrowest, so the result stays valid after the rounding of from and to.
        const double half = ViewWindow::kNarrowestShare * std::max(1.0, std::fabs(fixed));
        r = {fixed - half, fixed + half};
    } else if (width > ViewWindow::kWidestRange) {
        // About a point of the range: a far `fixed` would carry the narrowed range away.
        const double anchor = std::clamp(fixed, r.from, r.to);
        const double keep = ViewWindow::kWidestRange / width;
        r = {anchor - (anchor - r.from) * keep, anchor + (r.to - anchor) * keep};
    }
    return shiftedInside(r);
}

double clampedCoordinate(double value, double fallback)
{
    return std::isfinite(value) ? std::clamp(value, -kLargest, kLargest) : fallback;
}

// The zoom factor that a range allows about `fixed`: closer only until the narrowest range,
// further only until the widest. A range already at a limit is never pushed the other way.
double allowedFactor(Range r, double fixed, double factor)
{
    const double width = r.to - r.from;
    // A range at the narrowest is so small that its coordinates' size is that of `fixed`; the
    // margin covers the rest and the rounding.
    const double closest = width / (ViewWindow::narrowestRangeAt(fixed, fixed) * (1 + 1e-6));
    const double furthest = width / ViewWindow::kWidestRange;
    return std::clamp(factor, std::min(1.0, furthest), std::max(1.0, closest));
}

Range zoomed(Range r, double fixed, double factor)
{
    return fitted({fixed + (r.from - fixed) / factor, fixed + (r.to - fixed) / factor}, fixed);
}

Range resizedAboutCentre(Range r, double width)
{
    const double centre = r.from / 2 + r.to / 2;
    return shiftedInside({centre - width / 2, centre + width / 2});
}

constexpr std::string_view kViewBoxNames[] = {"x 从", "x 到", "y 从", "y 到"};
constexpr std::string_view kViewPlaces[] = {"在“x 从”框里", "在“x 到”框里", "在“y 从”框里", "在“y 到”框里"};

InputProblem viewProblem(int box, std::string_view request)
{
    return {box, "请" + std::string(kViewPlaces[box]) + std::string(request)};
}

std::string comparedTo(int box, std::string_view what)
{
    return "填写一个" + std::string(what) + "“" + std::string(kViewBoxNames[box]) + "”框里的数";
}

std::optional<InputProblem> rangeProblem(double from, double to, int fromBox)
{
    const int toBox = fromBox + 1;
    if (!(from < to))
        return viewProblem(toBox, comparedTo(fromBox, "比") + "大的数。");
    if (to - from > ViewWindow::kWidestRange)
        return viewProblem(toBox, comparedTo(fromBox, "离") + "近一些的数。");
    if (to - from < ViewWindow::narrowestRangeAt(from, to))
        return viewProblem(toBox, comparedTo(fromBox, "离") + "远一些的数。");
    return std::nullopt;
}

} // namespace

double ViewWindow::narrowestRangeAt(double from, double to)
{
    return kNarrowestShare * std::max({1.0, std::fabs(from), std::fabs(to)});
}

bool ViewWindow::isDrawableRange(double from, double to)
{
    return std::isfinite(from) && std::isfinite(to) && from >= -kLargest && to <= kLargest && from < to
        && to - from <= kWidestRange && to - from >= narrowestRangeAt(from, to);
}

std::optional<ViewWindow> ViewWindow::make(double xFrom, double xTo, double yFrom, double yTo)
{
    if (!isDrawableRange(xFrom, xTo) || !isDrawableRange(yFrom, yTo))
        return std::nullopt;
    return ViewWindow(xFrom, xTo, yFrom, yTo);
}

WorldPoint ViewWindow::centre() const
{
    // Halves first: the sum of two large coordinates must not round away the small width.
    return {m_xFrom / 2 + m_xTo / 2, m_yFrom / 2 + m_yTo / 2};
}

ViewWindow ViewWindow::zoomedAbout(WorldPoint fixed, double factor) const
{
    if (!(std::isfinite(factor) && factor > 0))
        return *this;
    const WorldPoint middle = centre();
    const double fx = clampedCoordinate(fixed.x, middle.x);
    const double fy = clampedCoordinate(fixed.y, middle.y);
    const Range xs{m_xFrom, m_xTo};
    const Range ys{m_yFrom, m_yTo};
    // One factor for both axes keeps the shape of the board's units; the axis nearer its limit
    // decides.
    const double xAllowed = allowedFactor(xs, fx, factor);
    const double yAllowed = allowedFactor(ys, fy, factor);
    const double common = factor > 1 ? std::min(xAllowed, yAllowed) : std::max(xAllowed, yAllowed);
    const Range x = zoomed(xs, fx, common);
    const Range y = zoomed(ys, fy, common);
    return make(x.from, x.to, y.from, y.to).value_or(*this);
}

ViewWindow ViewWindow::panned(double widthShare, double heightShare) const
{
    const double dx = std::isfinite(widthShare) ? std::clamp(widthShare, -1e6, 1e6) * width() : 0;
    const double dy = std::isfinite(heightShare) ? std::clamp(heightShare, -1e6, 1e6) * height() : 0;
    const Range x = shiftedInside({m_xFrom + dx, m_xTo + dx});
    const Range y = shiftedInside({m_yFrom + dy, m_yTo + dy});
    return make(x.from, x.to, y.from, y.to).value_or(*this);
}

ViewWindow ViewWindow::withEqualUnits(PixelSize pixels) const
{
    if (!(std::isfinite(pixels.width) && std::isfinite(pixels.height) && pixels.width >= 1 && pixels.height >= 1))
        return *this;
    const double xUnit = width() / pixels.width;
    const double yUnit = height() / pixels.height;
    double unit = std::max(xUnit, yUnit);
    // When widening would pass the widest range, the coarser axis is narrowed instead.
    if (unit * std::max(pixels.width, pixels.height) > kWidestRange)
        unit = std::min(xUnit, yUnit);
    const Range x = resizedAboutCentre({m_xFrom, m_xTo}, unit * pixels.width);
    const Range y = resizedAboutCentre({m_yFrom, m_yTo}, unit * pixels.height);
    return make(x.from, x.to, y.from, y.to).value_or(*this);
}

std::variant<ViewWindow, InputProblem> readViewWindow(const FieldTexts& texts)
{
    FieldReader reader(texts, kViewPlaces);
    double values[4] = {};
    for (int box = 0; box < 4; ++box)
        values[box] = reader.number(box);
    if (!reader.ok())
        return reader.problem();
    for (int box = 0; box < 4; ++box) {
        if (std::fabs(values[box]) > kLargest)
            return viewProblem(box, "填写一个绝对值不超过 1000000000000 的数。");
    }
    for (const int fromBox : {0, 2}) {
        if (auto problem = rangeProblem(values[fromBox], values[fromBox + 1], fromBox))
            return *problem;
    }
    return *ViewWindow::make(values[0], values[1], values[2], values[3]);
}

ViewMapping::ViewMapping(const ViewWindow& view, PixelSize pixels)
    : m_view(view)
    , m_pixels{std::isfinite(pixels.width) && pixels.width >= 1 ? pixels.width : 1.0,
          std::isfinite(pixels.height) && pixels.height >= 1 ? pixels.height : 1.0}
    , m_left(view.xFrom())
    , m_top(view.yTo())
    , m_xScale(m_pixels.width / (view.xTo() - view.xFrom()))
    , m_yScale(m_pixels.height / (view.yFrom() - view.yTo()))
{
}

} // namespace curvana
