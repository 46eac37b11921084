#pragma once
// Where the axes, their ticks and their numbers stand for any view of the board. At the designed
// view this is exactly the designed board; elsewhere the numbers never overlap, the steps are 1,
// 2 or 5 times a power of ten, and an axis whose zero is out of view stays at the board's edge.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/curves/drawing.h"
#include "core/view/view_window.h"

namespace curvana {

// How much room a number takes on the board, in pixels: the canvas passes its font's metrics,
// tests and benchmarks a fixed width per character.
struct LabelMetrics {
    std::function<double(const std::string&)> width;
    double lineHeight = 12;
    double gap = 4; // the least free room between two numbers
    static LabelMetrics estimated(double characterWidth = 7, double lineHeight = 12);
};

// mantissa (1, 2 or 5) times ten to the exponent.
struct TickStep {
    int mantissa = 1;
    int exponent = 0;
    double value() const;
    TickStep next() const;
    // The smallest step of the sequence that is at least `least` (positive, finite).
    static TickStep atLeast(double least);
    friend bool operator==(const TickStep&, const TickStep&) = default;
};

// The number `multiple` times `step` as the board writes it: a blank before a number that is not
// negative, exact decimals without trailing zeros and without exponent (" 0.3", "-0.000001",
// " 1000000000000").
std::string tickLabel(std::int64_t multiple, TickStep step);
// The double nearest to that number.
double tickValue(std::int64_t multiple, TickStep step);

struct AxisMark {
    double value = 0;
    Segment tick;
    std::optional<Caption> label; // none where the number would leave the board or repeat the 0
};

struct AxisLayout {
    TickStep step;
    Segment line;
    Segment arrowUpper; // the arrow's halves at the positive end
    Segment arrowLower;
    WorldPoint letterAt; // "X" or "Y"
    bool atZero = true; // stands at 0 of the other axis, else at the board's edge
    bool labelsOnUsualSide = true; // below the x axis, left of the y axis
    std::vector<AxisMark> marks;
};

struct AxesLayout {
    AxisLayout x;
    AxisLayout y;
};

// `pixels` is the board's size; the metrics measure the numbers. Bounded work: at most one mark
// per two pixels of the board.
AxesLayout layoutAxes(const ViewWindow& view, PixelSize pixels, const LabelMetrics& metrics);

} // namespace curvana
