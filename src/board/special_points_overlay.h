#pragma once
// "显示特殊点": the zeros, extrema, intersections, centres, vertices and foci of the curves on the
// board, shown as rings by the view. The search runs in a worker thread on copies of the board's
// actions, so the board never waits for it; a result that a later change has made stale is dropped.
#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QPointF>

#include "core/document/board_action.h"
#include "core/points/special_points.h"
#include "core/view/view_window.h"

namespace curvana {

class SurfaceView;
struct ViewMarker;

// The search the worker runs: the special points of the curves on a board with these actions, in
// the view the board shows. A search that takes no view is for the designed board.
using ViewPointSearch = std::function<BoardPoints(const std::vector<BoardAction>&, const ViewWindow&)>;
using BoardPointSearch = std::function<BoardPoints(const std::vector<BoardAction>&)>;
BoardPoints searchBoardPoints(const std::vector<BoardAction>& actions, const ViewWindow& view);
// The named point that pins `marker`: its kinds as the name ("顶点、极小值点"), its coordinates as
// the label writes them, in the colour of the curve drawn through it (blue when only the axes pass
// there).
NamedPointAction pinnedPoint(const SurfaceView& view, const ViewMarker& marker);

class SpecialPointsOverlay : public QObject {
    Q_OBJECT
public:
    // `view` outlives the overlay. `search` runs in a worker thread and must be safe to run there.
    SpecialPointsOverlay(SurfaceView& view, QObject* parent, ViewPointSearch search = searchBoardPoints);
    SpecialPointsOverlay(SurfaceView& view, QObject* parent, const BoardPointSearch& search);

    // Turning it on searches the board in `boardView` now; turning it off removes the rings at once.
    void setEnabled(bool on, const std::vector<BoardAction>& actions, const ViewWindow& boardView = {});
    bool enabled() const { return m_enabled; }
    // The board's actions or its view changed: the points are searched again when the overlay is on.
    void refresh(const std::vector<BoardAction>& actions, const ViewWindow& boardView = {});
    // Whether a search is still running or waiting to run.
    bool searching() const { return m_running; }
    // How many points the shown rings leave out (the cap per curve, rings too close together).
    std::size_t omitted() const { return m_omitted; }

signals:
    // The view shows the points of the current board (none when the overlay is off).
    void pointsShown();
    // A click on a ring (a press and release with no move between, which the pen draws nothing
    // for) asks for the ring's point to be put on the board as a named point.
    void pinRequested(const NamedPointAction& point);

private:
    void pointerReleased();
    struct Board {
        std::vector<BoardAction> actions;
        ViewWindow view;
    };
    void startSearch(Board board);
    void searchFinished(std::uint64_t generation, const BoardPoints& found);
    void show(const BoardPoints& found);

    SurfaceView& m_view;
    ViewPointSearch m_search;
    bool m_enabled = false;
    bool m_running = false;
    std::size_t m_omitted = 0;
    // Goes up on every change; a search started before the latest change is stale.
    std::uint64_t m_generation = 0;
    // The board as it stood at the latest change, while an older search still runs: one search
    // at a time, and the newest board and view wait instead of every change in between.
    std::optional<Board> m_waiting;
    // Where the button went down, until the pointer moves with it held.
    std::optional<QPointF> m_pressedAt;
};

} // namespace curvana
