#include "board/trace_overlay.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "board/surface_view.h"
#include "canvas/qt_colour.h"

namespace curvana {
namespace {

// A play of a few seconds leaves a hundred or so positions; older ones give way, so the memory
// and the time of a repaint stay bounded however long the curve moves.
constexpr std::size_t kMostCurves = 150;
constexpr std::size_t kMostPoints = 4000;
// Tinted: the colour at this opacity over the white board.
constexpr int kTraceAlpha = 55;
// Two special points closer than this (board units) are one place of the path.
constexpr double kSamePlace = 1e-6;

} // namespace

TraceOverlay::TraceOverlay(SurfaceView& view)
    : QWidget(&view)
    , m_view(view)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(view.rect());
    view.installEventFilter(this);
    show();
}

void TraceOverlay::addCurve(const Drawing& drawing, Rgb colour)
{
    Trace trace{{}, colour};
    for (const Polyline& line : drawing.polylines)
        trace.lines.push_back(line.points);
    m_curves.push_back(std::move(trace));
    if (m_curves.size() > kMostCurves)
        m_curves.pop_front();
    update();
}

void TraceOverlay::addPoints(const std::vector<QPointF>& points)
{
    for (const QPointF& point : points) {
        const bool known = std::ranges::any_of(m_points, [&](const QPointF& seen) {
            return std::fabs(seen.x() - point.x()) < kSamePlace && std::fabs(seen.y() - point.y()) < kSamePlace;
        });
        if (!known && m_points.size() < kMostPoints)
            m_points.push_back(point);
    }
    update();
}

void TraceOverlay::clear()
{
    m_curves.clear();
    m_points.clear();
    update();
}

bool TraceOverlay::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_view && event->type() == QEvent::Resize)
        setGeometry(m_view.rect());
    return QWidget::eventFilter(watched, event);
}

void TraceOverlay::paintEvent(QPaintEvent*)
{
    if (m_curves.empty() && m_points.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Trace& trace : m_curves) {
        QColor colour = toQColor(trace.colour);
        colour.setAlpha(kTraceAlpha);
        painter.setPen(QPen(colour, 1.5));
        for (const auto& line : trace.lines) {
            QPainterPath path;
            bool open = false;
            for (const WorldPoint& point : line) {
                if (!std::isfinite(point.x) || !std::isfinite(point.y)) {
                    open = false;
                    continue;
                }
                const QPointF at = m_view.widgetPointOf(QPointF(point.x, point.y));
                if (open)
                    path.lineTo(at);
                else
                    path.moveTo(at);
                open = true;
            }
            painter.drawPath(path);
        }
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 90, 90));
    for (const QPointF& point : m_points)
        painter.drawEllipse(m_view.widgetPointOf(point), 1.2, 1.2);
}

} // namespace curvana
