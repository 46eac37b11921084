#pragma once
// The three curve plotters, each its own table of controls on the shared plotter window.
#include "plotters/plotter_window.h"

namespace curvana {

// Each draws on `board`; given an `owner` (the board's window) it stays in front of it.

// Elementary functions: ten families of y = f(x) with parameters A, B and C.
class ElementaryPlotter final : public PlotterWindow {
public:
    explicit ElementaryPlotter(BoardTarget& board, QWidget* owner = nullptr);
};

// Conic sections in shifted standard form with parameters m, n, a and b.
class ConicPlotter final : public PlotterWindow {
public:
    explicit ConicPlotter(BoardTarget& board, QWidget* owner = nullptr);
};

// Six classic curves about the origin with one size R.
class ClassicCurvePlotter final : public PlotterWindow {
public:
    explicit ClassicCurvePlotter(BoardTarget& board, QWidget* owner = nullptr);
};

} // namespace curvana
