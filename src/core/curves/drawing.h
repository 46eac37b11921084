#pragma once
// What one press of "确定" puts on the board, in world coordinates, before any window or painter
// is involved. The windows hand it to the surface; tests and fuzzers look at it directly.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/text/pen_colour.h"

namespace curvana {

struct WorldPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const WorldPoint&, const WorldPoint&) = default;
};

// A text printed with its top-left corner at `at`, in `colour` or, when that is unset, in blue
// like every curve's caption.
struct Caption {
    WorldPoint at;
    std::string text;
    std::optional<Rgb> colour = std::nullopt; // none: the captions' blue
    friend bool operator==(const Caption&, const Caption&) = default;
};

// A segment, or with `box` the outline of the axis-parallel rectangle spanned by the two points.
struct Segment {
    WorldPoint from;
    WorldPoint to;
    bool box = false;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// The surface's circle: radius in x units, optional start and end angle (radians, a negative
// one also draws the radius to that end) and optional aspect (vertical over horizontal half-axis).
struct CircleSpec {
    WorldPoint centre;
    double radius = 0;
    std::optional<double> start;
    std::optional<double> end;
    std::optional<double> aspect;
    friend bool operator==(const CircleSpec&, const CircleSpec&) = default;
};

enum class LineStyle : std::uint8_t { Solid, Dashed };

// A connected piece of a curve: straight lines between consecutive points, computed finely enough
// that it looks smooth, so it stays whole at any size of the picture (full screen, export, print).
struct Polyline {
    std::vector<WorldPoint> points;
    LineStyle style = LineStyle::Solid;
    friend bool operator==(const Polyline&, const Polyline&) = default;
};

// A region shaded in a light tint of the drawing's colour, under the rest of the drawing: polygons
// that together make the region (the one polygon of a linear system, the pixel rows of another).
struct Shade {
    std::vector<std::vector<WorldPoint>> polygons;
    friend bool operator==(const Shade&, const Shade&) = default;
};

// A point shown as a filled dot larger than the pen's, with its text beside it ("A(1, 2)"), the
// text placed where it leaves the dot uncovered.
struct Mark {
    WorldPoint at;
    Caption label;
    friend bool operator==(const Mark&, const Mark&) = default;
};

// Drawn in this order: shades, then each mark with its text, one after the other (a table's points come before
// the curve that joins them), then dots, segments, polylines, circles, captions. Dots are never
// joined.
struct Drawing {
    std::vector<WorldPoint> dots;
    std::vector<Segment> segments;
    std::vector<Polyline> polylines;
    std::vector<CircleSpec> circles;
    std::vector<Caption> captions;
    std::vector<Shade> shades;
    std::vector<Mark> marks;
    friend bool operator==(const Drawing&, const Drawing&) = default;
};

// Why nothing can be drawn: `field` is the index of the text box to focus (0 for Text1), or -1.
struct InputProblem {
    int field = -1;
    std::string message;
};

using DrawingResult = std::variant<Drawing, InputProblem>;

// The texts of a window's boxes, Text1 first.
using FieldTexts = std::vector<std::string>;

} // namespace curvana
