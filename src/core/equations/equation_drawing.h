#pragma once
// What the 方程 and 不等式 kinds of the own-formula window put on the board, from the typed texts
// alone: the curve's pieces (and a recognised conic's facts), or the shaded region with its
// boundaries, exact corner points and the optimum of the objective. Each mistake names its box.
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "core/equations/conic_recognition.h"
#include "core/equations/inequality_region.h"
#include "core/equations/linear_program.h"
#include "core/formula/parameters.h"

namespace curvana {

inline const std::string kEquationBox = "“方程”框";
inline const std::string kInequalityBox = "“不等式”框";
inline const std::string kObjectiveBox = "“目标函数 z =”框";

struct EquationPicture {
    std::vector<Polyline> pieces;
    std::vector<WorldPoint> dots; // solutions standing alone (x²+y²=0)
    std::optional<ConicFacts> conic; // when the equation is a conic in standard or shifted form
};

// A problem in one of the boxes: `box` is the box's name as the messages write it.
struct EquationProblem {
    std::string box;
    TextProblem problem;
};

// Letters other than x and y in `equation` take their values from `parameters` (1 when not there).
std::variant<EquationPicture, EquationProblem> equationPicture(std::string_view equation,
    const FormulaParameters& parameters, PlotArea area, PixelScale scale, const WorkDeadline& deadline);

struct InequalityPicture {
    InequalityRegion region;
    bool linear = false;
    bool empty = false; // known empty (linear systems only)
    std::vector<ExactPoint> corners; // linear systems only
    std::optional<Optimum> maximum; // with an objective, linear systems only
    std::optional<Optimum> minimum;
    std::vector<Polyline> levelLines; // z = optimum through the optimal corner, dashed
};

// The part of the line a·x + b·y = c inside the area, dashed (a level line, an asymptote, a
// directrix); none when it misses the area.
std::optional<Polyline> levelLine(double a, double b, double c, PlotArea area);

// `objective` may be empty (no "目标函数 z =" given). Letters other than x and y, in the
// inequalities and the objective alike, take their values from `parameters`.
std::variant<InequalityPicture, EquationProblem> inequalityPicture(std::string_view inequalities,
    std::string_view objective, const FormulaParameters& parameters, PlotArea area, PixelScale scale,
    const WorkDeadline& deadline);

} // namespace curvana
