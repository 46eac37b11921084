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
#include "core/curves/marked_points.h"
#include "core/text/field_reader.h"
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

// The label's coordinate as the point's box would hold it: its exact form, or its decimal
// without the "≈" (a hundredth of a pixel from the point at most).
QString coordinateOf(QString shown, double value)
{
    shown = shown.trimmed();
    if (shown.startsWith(u'≈'))
        shown = shown.mid(1);
    return readTypedNumber(shown.toStdString()).value ? shown : QString::number(value, 'g', 6);
}

// "顶点、极小值点 (1, −4)" is the name "顶点、极小值点" and the coordinates "1" and "−4".
struct LabelParts {
    QString name;
    QString x;
    QString y;
};
LabelParts partsOf(const QString& label, QPointF world)
{
    const qsizetype open = label.indexOf(QStringLiteral(" ("));
    const qsizetype close = label.indexOf(u')', open);
    const QStringList coordinates
        = open < 0 || close < 0 ? QStringList() : label.mid(open + 2, close - open - 2).split(QStringLiteral(", "));
    if (coordinates.size() != 2)
        return {label, QString::number(world.x(), 'g', 6), QString::number(world.y(), 'g', 6)};
    return {label.left(open), coordinateOf(coordinates[0], world.x()), coordinateOf(coordinates[1], world.y())};
}

} // namespace

NamedPointAction pinnedPoint(const SurfaceView& view, const ViewMarker& marker)
{
    // Every label of the ring, when the marker is one the view shows: their kinds make the name.
    QStringList labels = view.markerLabelsAt(marker.world).split(QStringLiteral("；"), Qt::SkipEmptyParts);
    if (labels.isEmpty())
        labels << marker.label;
    const LabelParts parts = partsOf(labels.front(), marker.world);
    QStringList names;
    for (const QString& label : labels)
        for (const QString& kind : partsOf(label, marker.world).name.split(u'、'))
            if (!names.contains(kind))
                names << kind;
    // A name longer than the dialog takes would not draw.
    const QList<uint> codes = names.join(u'、').toUcs4();
    const QString name = QString::fromUcs4(
        reinterpret_cast<const char32_t*>(codes.data()), std::min<qsizetype>(codes.size(), kPointNameMaxCharacters));
    return NamedPointAction{
        {name.toStdString(), parts.x.toStdString(), parts.y.toStdString()}, curveColourAt(view, marker.world)};
}

// Runs in the worker: everything it evaluates is built here from its own copy of the actions.
BoardPoints searchBoardPoints(const std::vector<BoardAction>& actions, const ViewWindow& view)
{
    try {
        const auto [functions, conics] = curvesOnBoard(actions, view);
        return boardPoints(functions, conics, exactPointsOnBoard(actions, view), view);
    } catch (const std::exception&) {
        return {}; // out of memory in the worker: the board shows no rings rather than stopping
    }
}

SpecialPointsOverlay::SpecialPointsOverlay(SurfaceView& view, QObject* parent, const BoardPointSearch& search)
    : SpecialPointsOverlay(
        view, parent, [search](const std::vector<BoardAction>& actions, const ViewWindow&) { return search(actions); })
{
}

SpecialPointsOverlay::SpecialPointsOverlay(SurfaceView& view, QObject* parent, ViewPointSearch search)
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
        emit pinRequested(pinnedPoint(m_view, *marker));
}

void SpecialPointsOverlay::setEnabled(bool on, const std::vector<BoardAction>& actions, const ViewWindow& boardView)
{
    m_enabled = on;
    if (on) {
        refresh(actions, boardView);
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

void SpecialPointsOverlay::refresh(const std::vector<BoardAction>& actions, const ViewWindow& boardView)
{
    if (!m_enabled)
        return;
    ++m_generation;
    if (m_running)
        m_waiting = Board{actions, boardView};
    else
        startSearch({actions, boardView});
}

void SpecialPointsOverlay::startSearch(Board board)
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
        QtConcurrent::run([search = m_search, board = std::move(board)] { return search(board.actions, board.view); }));
}

void SpecialPointsOverlay::searchFinished(std::uint64_t generation, const BoardPoints& found)
{
    m_running = false;
    if (m_waiting) {
        Board latest = std::move(*m_waiting);
        m_waiting.reset();
        startSearch(std::move(latest));
        return;
    }
    if (generation != m_generation)
        return; // turned off while searching
    show(found);
}

} // namespace curvana
