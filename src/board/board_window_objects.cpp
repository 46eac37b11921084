// The board's objects as windows see them: the last own formula, one object's action, and a
// formula's object moved in place by its parameters, leaving traces when asked.
#include "board/board_window.h"

#include <QPointF>

#include "board/special_points_overlay.h"
#include "board/surface_view.h"
#include "board/trace_overlay.h"
#include "board/freehand_pen.h"
#include "canvas/action_painter.h"

namespace curvana {

bool BoardWindow::moveInPlace(std::uint64_t id, const BoardAction& action)
{
    if (m_pen->drawing())
        m_pen->release({}, Qt::NoButton);
    if (!m_document.replace(id, action))
        return false;
    m_recovery.startOver(); // the next write holds the board as it is now
    followDocument(surface(), m_document, m_view);
    boardActionsChanged();
    return true;
}

void BoardWindow::recordReplacement(std::uint64_t id, const BoardAction& before)
{
    changeDocument([&](BoardDocument& document) { return document.recordReplacement(id, before); });
}

std::uint64_t BoardWindow::lastObjectId() const { return m_document.keys().empty() ? 0 : m_document.keys().back().id; }

std::optional<BoardAction> BoardWindow::objectAction(std::uint64_t id) const
{
    const auto& keys = m_document.keys();
    const auto key = std::ranges::find(keys, id, &EntryKey::id);
    const auto index = static_cast<std::size_t>(key - keys.begin());
    // What a clear wiped is no longer shown, so no window moves it unseen.
    if (key == keys.end() || index < firstShownAction(m_document.actions()))
        return std::nullopt;
    return m_document.actions()[index];
}

std::optional<std::pair<std::uint64_t, FormulaAction>> BoardWindow::lastFormula() const
{
    const auto& actions = m_document.actions();
    for (std::size_t i = actions.size(); i > firstShownAction(actions); --i)
        if (const auto* formula = std::get_if<FormulaAction>(&actions[i - 1]))
            return std::pair{m_document.keys()[i - 1].id, *formula};
    return std::nullopt;
}

void BoardWindow::leaveTrace(const Drawing& previous, Rgb colour) { m_traces->addCurve(previous, colour); }

// While traces are left, the special points the moving curve passes through join them.
void BoardWindow::traceSpecialPoints()
{
    if (!m_traces->active())
        return;
    std::vector<QPointF> points;
    for (const ViewMarker& marker : view()->markers())
        points.push_back(marker.world);
    m_traces->addPoints(points);
}

} // namespace curvana
