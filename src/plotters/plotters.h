#pragma once
// The three curve plotters, each its own table of controls on the shared plotter window.
#include "plotters/plotter_window.h"

namespace curvana {

// Elementary functions: ten families of y = f(x) with parameters A, B and C.
class Form2 final : public PlotterWindow {
public:
    Form2();
};

// Conic sections in shifted standard form with parameters m, n, a and b.
class Form4 final : public PlotterWindow {
public:
    Form4();
};

// Six classic curves about the origin with one size R.
class Form6 final : public PlotterWindow {
public:
    Form6();
};

} // namespace curvana
