#include "canvas/action_painter.h"

#include "canvas/axes.h"
#include "core/document/board_document.h"

namespace curvana {
namespace {

// A curve or figure as its window's "确定" drew it. A recorded action always computes, since only
// drawings that did are recorded; a file is checked when it is read.
template <class WindowAction> void paintWindowAction(Surface& surface, const WindowAction& action)
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
                   [&](const TableAction& table) { paintWindowAction(surface, table); },
                   [&](const NamedPointAction& point) { paintWindowAction(surface, point); },
                   [&](const StrokeAction& stroke) { paintStroke(surface, stroke); },
                   [&](const ClearAction&) { drawAxes(surface, AxesStyle::Board); },
               },
        action);
}

void followDocument(Surface& surface, const BoardDocument& document)
{
    const auto& keys = document.keys();
    const auto& actions = document.actions();
    const auto objectKey = [&](std::size_t i) { return ObjectKey{keys[i].id, keys[i].revision}; };
    std::size_t kept = 0;
    for (; kept < keys.size() && kept < surface.objectCount(); ++kept) {
        const ObjectKey shown = surface.objectKey(kept);
        if (shown.id != keys[kept].id)
            break;
        if (shown != objectKey(kept))
            surface.replaceObject(objectKey(kept), [&](Surface& drawn) { paintAction(drawn, actions[kept]); });
    }
    surface.removeObjectsFrom(kept);
    for (std::size_t i = kept; i < keys.size(); ++i) {
        surface.beginObject(objectKey(i));
        paintAction(surface, actions[i]);
    }
}

} // namespace curvana
