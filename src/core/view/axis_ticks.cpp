#include "core/view/axis_ticks.h"

#include <algorithm>
#include <cmath>

namespace curvana {

namespace {

// Enough for any range a view allows: each three candidates widen the step tenfold.
constexpr int kMostSteps = 64;
constexpr double kLargestBoard = 100000; // pixels
// The board was laid out in units of a twentieth of its width and height; ticks, arrows and
// numbers keep those proportions at every view.
constexpr double kDesignedUnits = 20;

double powerOfTen(int exponent)
{
    double power = 1;
    for (int i = 0; i < std::min(std::abs(exponent), 30); ++i)
        power *= 10; // exact up to 1e22, which covers every step a view uses
    return power;
}

double boardPixels(double pixels) { return std::isfinite(pixels) ? std::clamp(pixels, 1.0, kLargestBoard) : 1.0; }

// One axis seen along its length: the range shown, a designed unit, and pixels per world unit.
struct Along {
    double from;
    double to;
    double unit;
    double pixelsPerUnit;
};

struct Multiples {
    std::int64_t first = 0;
    std::int64_t last = -1;
    std::int64_t count() const { return last - first + 1; }
};

// The multiples of the step that get a tick: half a unit stays free at both ends for the arrow.
Multiples multiplesIn(const Along& along, TickStep step)
{
    const double size = step.value();
    const auto bounded = [](double k) { return static_cast<std::int64_t>(std::clamp(k, -1e15, 1e15)); };
    const double margin = along.unit / 2;
    return {bounded(std::ceil((along.from + margin) / size)), bounded(std::floor((along.to - margin) / size))};
}

// The smallest step whose ticks are at least `leastPixels` apart and leave each number the room
// `neededPixels` asks for.
TickStep chooseStep(
    const Along& along, double leastPixels, const std::function<double(TickStep, Multiples)>& neededPixels)
{
    TickStep step = TickStep::atLeast(std::max(leastPixels, 2.0) / along.pixelsPerUnit);
    for (int i = 0; i < kMostSteps; ++i) {
        const Multiples multiples = multiplesIn(along, step);
        if (multiples.count() <= 1 || step.value() * along.pixelsPerUnit >= neededPixels(step, multiples))
            return step;
        step = step.next();
    }
    return step;
}

double widestLabel(const LabelMetrics& metrics, TickStep step, Multiples multiples)
{
    double widest = 0;
    for (std::int64_t k = multiples.first; k <= multiples.last; ++k)
        widest = std::max(widest, metrics.width(tickLabel(k, step)));
    return widest;
}

// Zero of the other axis when it is in view, else the nearer edge.
double axisPosition(double from, double to) { return std::clamp(0.0, from, to); }

struct Frame {
    const ViewWindow& view;
    const LabelMetrics& metrics;
    bool designed;
    double xUnit;
    double yUnit;
    double pixelsPerX;
    double pixelsPerY;
};

AxisLayout layoutXAxis(const Frame& f)
{
    const ViewWindow& v = f.view;
    AxisLayout axis;
    const double ay = axisPosition(v.yFrom(), v.yTo());
    axis.atZero = ay == 0;
    const Along along{v.xFrom(), v.xTo(), f.xUnit, f.pixelsPerX};
    const auto room = [&](TickStep s, Multiples m) { return widestLabel(f.metrics, s, m) + f.metrics.gap; };
    axis.step = f.designed ? TickStep{} : chooseStep(along, f.metrics.gap + f.metrics.width(" 0"), room);
    const double textHeight = f.metrics.lineHeight / f.pixelsPerY;
    axis.labelsOnUsualSide = f.designed || ay - f.yUnit / 2 - textHeight >= v.yFrom();
    const double labelTop = axis.labelsOnUsualSide ? ay - f.yUnit / 2 : ay + f.yUnit / 2 + textHeight;
    const double tickEnd = f.designed || ay + f.yUnit / 4 <= v.yTo() ? ay + f.yUnit / 4 : ay - f.yUnit / 4;

    const Multiples multiples = multiplesIn(along, axis.step);
    for (std::int64_t k = multiples.first; k <= multiples.last; ++k) {
        AxisMark mark;
        mark.value = tickValue(k, axis.step);
        mark.tick = {{mark.value, ay}, {mark.value, tickEnd}};
        std::string text = tickLabel(k, axis.step);
        const double width = f.metrics.width(text) / f.pixelsPerX;
        const double left = f.designed ? mark.value - f.xUnit / 2 : mark.value - width / 2;
        if (f.designed || (left >= v.xFrom() && left + width <= v.xTo()))
            mark.label = Caption{{left, labelTop}, std::move(text)};
        axis.marks.push_back(std::move(mark));
    }
    const double end = v.xTo();
    axis.line = {{v.xFrom(), ay}, {end, ay}};
    axis.arrowUpper = {{end, ay}, {end - f.xUnit / 2, ay + f.yUnit / 2}};
    axis.arrowLower = {{end, ay}, {end - f.xUnit / 2, ay - f.yUnit / 2}};
    axis.letterAt = {end - f.xUnit / 2, labelTop};
    return axis;
}

AxisLayout layoutYAxis(const Frame& f, bool originInView)
{
    const ViewWindow& v = f.view;
    AxisLayout axis;
    const double ax = axisPosition(v.xFrom(), v.xTo());
    axis.atZero = ax == 0;
    const Along along{v.yFrom(), v.yTo(), f.yUnit, f.pixelsPerY};
    const double lineRoom = f.metrics.lineHeight + f.metrics.gap;
    axis.step = f.designed ? TickStep{} : chooseStep(along, lineRoom, [&](TickStep, Multiples) { return lineRoom; });
    const Multiples multiples = multiplesIn(along, axis.step);

    // Numbers start nine tenths of a unit left of the axis, further left when they need it.
    const double needed
        = f.designed ? 0 : (widestLabel(f.metrics, axis.step, multiples) + f.metrics.gap) / f.pixelsPerX + f.xUnit / 4;
    const double leftOffset = std::max(0.9 * f.xUnit, needed);
    axis.labelsOnUsualSide = f.designed || ax - leftOffset >= v.xFrom();
    const double labelLeft = axis.labelsOnUsualSide ? ax - leftOffset : ax + 0.4 * f.xUnit;
    const double tickEnd = f.designed || ax - f.xUnit / 4 >= v.xFrom() ? ax - f.xUnit / 4 : ax + f.xUnit / 4;
    const double textHeight = f.metrics.lineHeight / f.pixelsPerY;

    for (std::int64_t k = multiples.first; k <= multiples.last; ++k) {
        AxisMark mark;
        mark.value = tickValue(k, axis.step);
        mark.tick = {{ax, mark.value}, {tickEnd, mark.value}};
        // The x axis's own " 0" stands for both at the origin.
        const bool repeatsZero = k == 0 && originInView;
        std::string text = tickLabel(k, axis.step);
        // On a narrow board a number may fit on neither side of the axis: it is left out.
        const double width = f.metrics.width(text) / f.pixelsPerX;
        const bool fits = mark.value - textHeight >= v.yFrom() && mark.value <= v.yTo() && labelLeft >= v.xFrom()
            && labelLeft + width <= v.xTo();
        if (!repeatsZero && (f.designed || fits))
            mark.label = Caption{{labelLeft, mark.value}, std::move(text)};
        axis.marks.push_back(std::move(mark));
    }
    const double end = v.yTo();
    axis.line = {{ax, v.yFrom()}, {ax, end}};
    axis.arrowUpper = {{ax, end}, {ax + f.xUnit / 2, end - f.yUnit / 2}};
    axis.arrowLower = {{ax, end}, {ax - f.xUnit / 2, end - f.yUnit / 2}};
    axis.letterAt = {axis.labelsOnUsualSide ? ax - f.xUnit / 2 : ax + f.xUnit / 2, end - f.yUnit / 2};
    return axis;
}

// A text's box in world units: its top-left corner is where it is written.
struct TextBox {
    double left, right, bottom, top;
    bool overlaps(const TextBox& other) const
    {
        return left < other.right && other.left < right && bottom < other.top && other.bottom < top;
    }
};

TextBox boxOf(const Frame& f, WorldPoint at, const std::string& text)
{
    return {at.x, at.x + f.metrics.width(text) / f.pixelsPerX, at.y - f.metrics.lineHeight / f.pixelsPerY, at.y};
}

// Where the two axes meet, or an axis runs along the edge, numbers of one axis could fall on the
// numbers or the letter of the other: the letters stay, then the x axis's numbers, and a number
// that would touch one of them is left out.
void dropCrossingLabels(const Frame& f, AxesLayout& axes)
{
    const std::vector<TextBox> letters = {boxOf(f, axes.x.letterAt, "X"), boxOf(f, axes.y.letterAt, "Y")};
    std::vector<TextBox> kept = letters;
    const auto keepClear = [&](AxisLayout& axis) {
        for (AxisMark& mark : axis.marks) {
            if (!mark.label)
                continue;
            const TextBox box = boxOf(f, mark.label->at, mark.label->text);
            if (std::ranges::any_of(kept, [&](const TextBox& other) { return box.overlaps(other); }))
                mark.label.reset();
            else
                kept.push_back(box);
        }
    };
    keepClear(axes.x);
    keepClear(axes.y);
}

} // namespace

LabelMetrics LabelMetrics::estimated(double characterWidth, double lineHeight)
{
    LabelMetrics metrics;
    metrics.width
        = [characterWidth](const std::string& text) { return characterWidth * static_cast<double>(text.size()); };
    metrics.lineHeight = lineHeight;
    return metrics;
}

double TickStep::value() const
{
    return exponent >= 0 ? mantissa * powerOfTen(exponent) : mantissa / powerOfTen(-exponent);
}

TickStep TickStep::next() const
{
    switch (mantissa) {
    case 1:
        return {2, exponent};
    case 2:
        return {5, exponent};
    default:
        return {1, exponent + 1};
    }
}

TickStep TickStep::atLeast(double least)
{
    if (!(std::isfinite(least) && least > 0))
        return {};
    // log10 may be off by one near powers of ten: start one decade low and walk up.
    const int decade = static_cast<int>(std::clamp(std::floor(std::log10(least)), -300.0, 300.0));
    TickStep step{1, decade - 1};
    for (int i = 0; i < 9 && step.value() < least; ++i)
        step = step.next();
    return step;
}

double tickValue(std::int64_t multiple, TickStep step)
{
    // Dividing by an exact power of ten rounds once, so 3 × 0.1 gives the double nearest 0.3.
    const double scaled = static_cast<double>(multiple * step.mantissa);
    return step.exponent >= 0 ? scaled * powerOfTen(step.exponent) : scaled / powerOfTen(-step.exponent);
}

std::string tickLabel(std::int64_t multiple, TickStep step)
{
    const std::int64_t scaled = multiple * step.mantissa;
    std::string digits = std::to_string(scaled < 0 ? -scaled : scaled);
    const std::string sign = scaled < 0 ? "-" : " ";
    if (scaled == 0)
        return " 0";
    if (step.exponent >= 0)
        return sign + digits + std::string(static_cast<std::size_t>(step.exponent), '0');
    const auto decimals = static_cast<std::size_t>(-step.exponent);
    if (digits.size() <= decimals)
        digits.insert(0, decimals - digits.size() + 1, '0');
    digits.insert(digits.size() - decimals, 1, '.');
    while (digits.back() == '0')
        digits.pop_back();
    if (digits.back() == '.')
        digits.pop_back();
    return sign + digits;
}

AxesLayout layoutAxes(const ViewWindow& view, PixelSize pixels, const LabelMetrics& metrics)
{
    const double width = boardPixels(pixels.width);
    const double height = boardPixels(pixels.height);
    const bool designed = view.isDesigned();
    // Metrics from outside are only trusted as far as they make sense.
    LabelMetrics sane = LabelMetrics::estimated();
    if (metrics.width)
        sane.width = [measure = metrics.width](const std::string& text) {
            const double measured = measure(text);
            return std::isfinite(measured) ? std::clamp(measured, 0.0, kLargestBoard) : 0.0;
        };
    sane.lineHeight = std::isfinite(metrics.lineHeight) ? std::clamp(metrics.lineHeight, 1.0, height) : 12.0;
    sane.gap = std::isfinite(metrics.gap) ? std::clamp(metrics.gap, 0.0, width) : 4.0;
    const Frame frame{view, sane, designed, view.width() / kDesignedUnits, view.height() / kDesignedUnits,
        width / view.width(), height / view.height()};
    AxesLayout axes;
    axes.x = layoutXAxis(frame);
    axes.y = layoutYAxis(frame, axes.x.atZero && view.xFrom() <= 0 && view.xTo() >= 0);
    if (!designed)
        dropCrossingLabels(frame, axes);
    return axes;
}

} // namespace curvana
