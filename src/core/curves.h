#pragma once
// The curve families of the three plotters and the figures of the eight dialogs, as pure
// functions from the texts of the boxes to what is drawn.
#include "core/drawing.h"
#include "core/pen_colour.h"

namespace curvana {

// Elementary functions, option 1..10; texts = {A, B, C}. Reads only the boxes the family uses.
DrawingResult elementaryCurve(int option, const FieldTexts& texts);

// The hyperbola's and the parabola's open ends stop here whatever the parameters.
inline constexpr double kConicOuterLeft = -9;
inline constexpr double kConicOuterRight = 9;

// Conic sections, option 1 (ellipse), 2 (hyperbola), 3 (parabola) or 5 (circle); texts = {m, n, a, b}.
DrawingResult conicCurve(int option, const FieldTexts& texts);

// Classic curves, option 1..6 (involute, cycloid, cardioid, rose, astroid, lemniscate); texts = {R}.
DrawingResult classicCurve(int option, const FieldTexts& texts);

enum class FigureKind { Point, Line, Rectangle, Ellipse, Sector, Arc, Triangle, Parallelogram };

// The basic figures; texts are Text1, Text2, ... of the dialog, read as single-precision numbers.
DrawingResult figureDrawing(FigureKind kind, const FieldTexts& texts);

// The welcome show: fifteen curves and the clears between them, in drawing order.
struct ShowStep {
    bool clearsAxes = false; // a row that wipes the picture and redraws the axes
    int curve = 0;           // 1..15 when not clearsAxes
    Rgb colour = kBlack;
};
const std::vector<ShowStep>& welcomeShowSteps();
// The 15,279 points of one show curve (1..15).
std::vector<WorldPoint> welcomeShowCurve(int curve);

} // namespace curvana
