#pragma once
// The formulas of the ten elementary families, apart from ranges and captions.
#include <optional>

#include "core/curves/drawing.h"
#include "core/document/window_catalogue.h"

namespace curvana {

struct ElementaryParams {
    double a = 0;
    double b = 0;
    double c = 0; // radians in the trigonometric families
};

// y of the elementary family at x, or kNoValue where the formula has no real value there (or the
// family is not one of the elementary window's).
double elementaryY(CurveFamily family, const ElementaryParams& p, double x);

// A, B and C of the elementary family read from texts {A, B, C} as its plotter reads them (only the boxes
// the family uses; C in radians for the trigonometric families); nothing when a box it uses holds
// no number or the family is not an elementary one. Whether the plotter accepts the values (the logarithm's
// base) is the plotter's own check.
std::optional<ElementaryParams> elementaryParams(CurveFamily family, const FieldTexts& texts);

// C typed in degrees, converted with the plotters' own value of pi.
double degreesToPlotRadians(double degrees);

} // namespace curvana
