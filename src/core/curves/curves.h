#pragma once
// The curve families of the three plotters and the figures of the eight dialogs, as pure
// functions from the texts of the boxes to what is drawn.
#include "core/curves/drawing.h"
#include "core/text/pen_colour.h"
#include "core/document/window_catalogue.h"

namespace curvana {

// Each curve function draws the families of its window (window_catalogue.h) and nothing for
// any other family.

// Elementary functions; texts = {A, B, C}. Reads only the boxes the family uses.
DrawingResult elementaryCurve(CurveFamily family, const FieldTexts& texts);

// The hyperbola's and the parabola's open ends stop here whatever the parameters.
inline constexpr double kConicOuterLeft = -9;
inline constexpr double kConicOuterRight = 9;

// Conic sections: ellipse, hyperbola, parabola and circle; texts = {m, n, a, b}.
DrawingResult conicCurve(CurveFamily family, const FieldTexts& texts);

// Classic curves (involute, cycloid, cardioid, rose, astroid, lemniscate); texts = {R}.
DrawingResult classicCurve(CurveFamily family, const FieldTexts& texts);

// The basic figures; texts are Text1, Text2, ... of the dialog, read as single-precision numbers.
DrawingResult figureDrawing(FigureKind kind, const FieldTexts& texts);

// The welcome show: fifteen curves and the clears between them, in drawing order.
struct ShowStep {
    bool clearsAxes = false; // a row that wipes the picture and redraws the axes
    int curve = 0; // 1..15 when not clearsAxes
    Rgb colour = kBlack;
};
const std::vector<ShowStep>& welcomeShowSteps();
// The 15,279 points of one show curve (1..15).
std::vector<WorldPoint> welcomeShowCurve(int curve);

} // namespace curvana
