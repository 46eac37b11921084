#pragma once
// The three curve plotters, each its own table of controls on the shared plotter window.
#include "plotters/plotter_window.h"

namespace curvana {

// Elementary functions: ten families of y = f(x) with parameters A, B and C.
class ElementaryPlotter final : public PlotterWindow {
public:
    explicit ElementaryPlotter(BoardTarget& board);
};

// Conic sections in shifted standard form with parameters m, n, a and b.
class ConicPlotter final : public PlotterWindow {
public:
    explicit ConicPlotter(BoardTarget& board);
};

// Six classic curves about the origin with one size R.
class ClassicCurvePlotter final : public PlotterWindow {
public:
    explicit ClassicCurvePlotter(BoardTarget& board);
};

} // namespace curvana
