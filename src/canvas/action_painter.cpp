#include "canvas/action_painter.h"

#include "canvas/axes.h"
#include "core/board_document.h"

namespace curvana {
namespace {

// A curve or figure as its window's "确定" drew it. A recorded action always computes, since only
// drawings that did are recorded; a file is checked when it is read.
template <class WindowAction>
void paintWindowAction(Surface& surface, const WindowAction& action)
{
    const auto result = actionDrawing(action);
    if (const auto* drawing = std::get_if<Drawing>(&result))
        surface.draw(*drawing, penColourOrBlack(action.colour));
}

// The same dots the pen set with drawPoint; setPixel stores them alike and announces each run
// once, so opening a board of many strokes does not repaint for every dot.
void paintStroke(Surface& surface, const StrokeAction& stroke)
{
    for (const StrokeRun& run : stroke.runs)
        for (const StrokePoint& point : run.points)
            surface.setPixel(point.x, point.y, run.colour);
}

} // namespace

void paintAction(Surface& surface, const BoardAction& action)
{
    std::visit(Overloaded{
                   [&](const CurveAction& curve) { paintWindowAction(surface, curve); },
                   [&](const FigureAction& figure) { paintWindowAction(surface, figure); },
                   [&](const LabelAction& label) { paintWindowAction(surface, label); },
                   [&](const FormulaAction& formula) { paintWindowAction(surface, formula); },
                   [&](const StrokeAction& stroke) { paintStroke(surface, stroke); },
                   [&](const ClearAction&) { drawAxes(surface, AxesStyle::Board); },
               },
               action);
}

} // namespace curvana
