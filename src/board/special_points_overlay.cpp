#include "board/special_points_overlay.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "board/surface_view.h"
#include "canvas/world_map.h"
#include "core/points/board_curves.h"
#include "core/points/equation_points.h"
#include "core/curves/label.h"
#include "core/text/pen_colour.h"

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

// The pen colour drawn most around `world` in the board's own rendering, the axes' blue only when no
// other is there: the colour of the curve the point lies on.
std::string curveColourAt(const SurfaceView& view, QPointF world)
{
    const QSize size = view.surface().logicalSize();
    const QImage image = view.renderImage(size, 1);
    const WorldRect w = view.surface().scale();
    const QPointF centre = WorldMap(w.left, w.top, w.right, w.bottom, QSizeF(size)).toPixel(world.x(), world.y());
    constexpr int kReach = 3;
    std::array<int, kColourComboItems.size()> counts{};
    for (int dy = -kReach; dy <= kReach; ++dy)
        for (int dx = -kReach; dx <= kReach; ++dx) {
            const QPoint pixel(
                static_cast<int>(std::lround(centre.x())) + dx, static_cast<int>(std::lround(centre.y())) + dy);
            if (!image.rect().contains(pixel))
                continue;
            const QRgb shown = image.pixel(pixel) | 0xff000000u;
            for (std::size_t i = 0; i < kColourComboItems.size(); ++i) {
                const Rgb pen = penColourOrBlack(kColourComboItems[i]);
                counts[i] += shown == qRgb(redOf(pen), greenOf(pen), blueOf(pen)) && pen != kBlue ? 1 : 0;
            }
        }
    const auto most = std::max_element(counts.begin(), counts.end());
    return std::string(*most > 0 ? kColourComboItems[static_cast<std::size_t>(most - counts.begin())] : "蓝");
}

std::string coordinateText(double value) { return QString::number(value, 'g', 6).toStdString(); }

} // namespace

LabelAction pinnedLabel(const SurfaceView& view, const ViewMarker& marker)
{
    // Every label of the ring, when the marker is one the view shows.
    QString text = view.markerLabelsAt(marker.world);
    if (text.isEmpty())
        text = marker.label;
    text.truncate(static_cast<int>(kLabelMaxCharacters));
    // Beside the ring on its right, its first line level with the point; on the left where the
    // text would run off the board. The board's text is 12 pixels high on 433 for 20 units, and a
    // Chinese character as wide as high, a Latin one half as wide.
    constexpr double kUnitsPerPixel = 20.0 / 433;
    double width = 0;
    for (const QChar c : text)
        width += (c.unicode() < 0x2E80 ? 6.5 : 12) * kUnitsPerPixel;
    const WorldRect board = view.surface().scale();
    const double gap = (SurfaceView::kMarkerRadius + 4) * kUnitsPerPixel;
    double left = marker.world.x() + gap;
    if (left + width > board.right)
        left = std::max<double>(board.left, marker.world.x() - gap - width);
    const double top = std::clamp<double>(marker.world.y() + 8 * kUnitsPerPixel, board.bottom, board.top);
    return LabelAction{
        {coordinateText(left), coordinateText(top), text.toStdString()}, curveColourAt(view, marker.world)};
}

// Runs in the worker: everything it evaluates is built here from its own copy of the actions.
BoardPoints searchBoardPoints(const std::vector<BoardAction>& actions)
{
    try {
        const auto [functions, conics] = curvesOnBoard(actions);
        return boardPoints(functions, conics, exactPointsOnBoard(actions));
    } catch (const std::exception&) {
        return {}; // out of memory in the worker: the board shows no rings rather than stopping
    }
}

SpecialPointsOverlay::SpecialPointsOverlay(SurfaceView& view, QObject* parent, BoardPointSearch search)
    : QObject(parent)
    , m_view(view)
    , m_search(std::move(search))
{
    connect(&view, &SurfaceView::mousePressed, this, [this](QPointF world, Qt::MouseButton) { m_pressedAt = world; });
    connect(&view, &SurfaceView::mouseMoved, this, [this](QPointF, Qt::MouseButtons buttons) {
        if (buttons != Qt::NoButton)
            m_pressedAt.reset(); // a pen stroke
    });
    connect(&view, &SurfaceView::mouseReleased, this, &SpecialPointsOverlay::pointerReleased);
}

void SpecialPointsOverlay::pointerReleased()
{
    const std::optional<QPointF> pressedAt = std::exchange(m_pressedAt, std::nullopt);
    if (!m_enabled || !pressedAt)
        return;
    if (const ViewMarker* marker = m_view.markerAt(*pressedAt))
        emit pinRequested(pinnedLabel(m_view, *marker));
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
    // A watcher owned by the overlay rather than a continuation bound to it: a search that ends
    // after the board is gone then has nobody to report to, instead of a dangling receiver.
    auto* watcher = new QFutureWatcher<BoardPoints>(this);
    connect(watcher, &QFutureWatcher<BoardPoints>::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        searchFinished(generation, watcher->result());
    });
    watcher->setFuture(
        QtConcurrent::run([search = m_search, actions = std::move(actions)] { return search(actions); }));
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
