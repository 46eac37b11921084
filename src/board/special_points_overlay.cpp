#include "board/special_points_overlay.h"

#include <QtConcurrent/QtConcurrentRun>

#include "board/surface_view.h"
#include "core/board_curves.h"

namespace curvana {
namespace {

std::vector<ViewMarker> markersFor(const std::vector<SpecialPoint>& points)
{
    std::vector<ViewMarker> markers;
    markers.reserve(points.size());
    for (const SpecialPoint& point : points)
        markers.push_back({QPointF(point.x, point.y), QString::fromStdString(point.label)});
    return markers;
}

} // namespace

// Runs in the worker: everything it evaluates is built here from its own copy of the actions.
BoardPoints searchBoardPoints(const std::vector<BoardAction>& actions)
{
    try {
        const auto [functions, conics] = curvesOnBoard(actions);
        return boardPoints(functions, conics);
    } catch (const std::exception&) {
        return {}; // out of memory in the worker: the board shows no rings rather than stopping
    }
}

SpecialPointsOverlay::SpecialPointsOverlay(SurfaceView& view, QObject* parent, BoardPointSearch search)
    : QObject(parent), m_view(view), m_search(std::move(search))
{
}

void SpecialPointsOverlay::setEnabled(bool on, const std::vector<BoardAction>& actions)
{
    m_enabled = on;
    if (on) {
        refresh(actions);
        return;
    }
    ++m_generation;
    m_waiting.reset();
    show({});
}

void SpecialPointsOverlay::show(const BoardPoints& found)
{
    m_omitted = found.omitted;
    m_view.setMarkers(markersFor(found.points));
    emit pointsShown();
}

void SpecialPointsOverlay::refresh(const std::vector<BoardAction>& actions)
{
    if (!m_enabled)
        return;
    ++m_generation;
    if (m_running)
        m_waiting = actions;
    else
        startSearch(actions);
}

void SpecialPointsOverlay::startSearch(std::vector<BoardAction> actions)
{
    m_running = true;
    const std::uint64_t generation = m_generation;
    // The worker gets its own copies of the actions and of the search; nothing it reads is shared.
    QtConcurrent::run([search = m_search, actions = std::move(actions)] { return search(actions); })
        .then(this, [this, generation](const BoardPoints& found) { searchFinished(generation, found); });
}

void SpecialPointsOverlay::searchFinished(std::uint64_t generation, const BoardPoints& found)
{
    m_running = false;
    if (m_waiting) {
        std::vector<BoardAction> latest = std::move(*m_waiting);
        m_waiting.reset();
        startSearch(std::move(latest));
        return;
    }
    if (generation != m_generation)
        return; // turned off while searching
    show(found);
}

} // namespace curvana
