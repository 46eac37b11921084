#pragma once
// The formulas of the ten elementary families, apart from ranges and captions.
namespace curvana {

struct ElementaryParams {
    double a = 0;
    double b = 0;
    double c = 0; // radians in the trigonometric families
};

// y of family `option` (1..10) at x, or kNoValue where the formula has no real value there.
double elementaryY(int option, const ElementaryParams& p, double x);

// C typed in degrees, converted with the plotters' own value of pi.
double degreesToPlotRadians(double degrees);

} // namespace curvana
