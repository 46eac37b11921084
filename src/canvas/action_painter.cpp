#include "canvas/action_painter.h"

#include "canvas/axes.h"
#include "core/document/board_document.h"

namespace curvana {
namespace {

// Within the view or a twentieth of its size beyond it, where a wide dot may still show.
bool nearView(const ViewWindow& view, const WorldPoint& p)
{
    const double dx = view.width() / 20, dy = view.height() / 20;
    return p.x >= view.xFrom() - dx && p.x <= view.xTo() + dx && p.y >= view.yFrom() - dy && p.y <= view.yTo() + dy;
}

// A curve or figure as its window's "确定" drew it. A recorded action always computes, since only
// drawings that did are recorded; a file is checked when it is read.
template <class WindowAction>
void paintWindowAction(Surface& surface, const WindowAction& action, const ViewWindow& view, const Drawing* checked)
{
    // A drawing computed when the action was checked is for the designed view.
    if (checked && view.isDesigned()) {
        surface.draw(*checked, penColourOrBlack(action.colour));
        return;
    }
    auto result = actionDrawing(action, view);
    auto* drawing = std::get_if<Drawing>(&result);
    if (!drawing)
        return;
    // Zoomed in, most dots of a curve sampled along an angle lie off the picture: they are not
    // kept, so a wheel notch stores and rasterises only what shows. The designed board keeps every
    // dot, as it always has.
    if (!view.isDesigned())
        std::erase_if(drawing->dots, [&](const WorldPoint& p) { return !nearView(view, p); });
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

void paintAction(Surface& surface, const BoardAction& action, const ViewWindow& view, const Drawing* checked)
{
    std::visit(Overloaded{
                   [&](const CurveAction& curve) { paintWindowAction(surface, curve, view, checked); },
                   [&](const FigureAction& figure) { paintWindowAction(surface, figure, view, checked); },
                   [&](const LabelAction& label) { paintWindowAction(surface, label, view, checked); },
                   [&](const FormulaAction& formula) { paintWindowAction(surface, formula, view, checked); },
                   [&](const TableAction& table) { paintWindowAction(surface, table, view, checked); },
                   [&](const NamedPointAction& point) { paintWindowAction(surface, point, view, checked); },
                   [&](const StrokeAction& stroke) { paintStroke(surface, stroke); },
                   [&](const ClearAction&) { drawAxes(surface, AxesStyle::Board, view); },
               },
        action);
}

void drawDocumentAt(Surface& surface, const BoardDocument& document, const ViewWindow& view)
{
    surface.removeEverything();
    drawAxes(surface, AxesStyle::Board, view);
    followDocument(surface, document, view);
}

void followDocument(Surface& surface, const BoardDocument& document, const ViewWindow& view, CheckedDrawings checked)
{
    const auto& keys = document.keys();
    const auto& actions = document.actions();
    const bool haveChecked = checked.size() == actions.size();
    const auto checkedOf = [&](std::size_t i) { return haveChecked && checked[i] ? &*checked[i] : nullptr; };
    const auto objectKey = [&](std::size_t i) { return ObjectKey{keys[i].id, keys[i].revision}; };
    std::size_t kept = 0;
    for (; kept < keys.size() && kept < surface.objectCount(); ++kept) {
        const ObjectKey shown = surface.objectKey(kept);
        if (shown.id != keys[kept].id)
            break;
        if (shown != objectKey(kept))
            surface.replaceObject(objectKey(kept), [&](Surface& drawn) { paintAction(drawn, actions[kept], view); });
    }
    surface.removeObjectsFrom(kept);
    for (std::size_t i = kept; i < keys.size(); ++i) {
        surface.beginObject(objectKey(i));
        paintAction(surface, actions[i], view, checkedOf(i));
        if (haveChecked)
            checked[i].reset();
    }
}

} // namespace curvana
